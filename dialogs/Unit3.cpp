#include "dialogs/Unit3.h"

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("パネル設定"));
}
