#include "dialogs/Unit4.h"

TForm4::TForm4(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("System設定"));
}
