// The island figures on the "情報" tab and the per-panel breakdown.
#include <QLineEdit>

#include "app/Unit1.h"

void TForm1::SpeedButton_InClick() {}
void TForm1::SpeedButton_In2Click() {}

void TForm1::ShowStats()
{
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10})
        edit->setText(QStringLiteral("0"));
}
