#include "files/Unit6.h"

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("擬似ＭＡＰ"));
}
