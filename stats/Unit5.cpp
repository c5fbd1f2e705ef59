#include "stats/Unit5.h"

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("個別情報"));
}
