// The pseudo-map code converter.
#include <QPlainTextEdit>

#include "app/Unit1.h"
#include "files/Unit6.h"

void TForm1::SpeedButton_dClick()
{
    TForm6* form = Dialogs.Form6;
    if (!form)
        return;
    form->Attach(TileData);
    connect(form, &TForm6::setRequested, this, &TForm1::ApplyCode, Qt::UniqueConnection);
    form->Memo1->clear();
    form->exec();
}

void TForm1::ApplyCode(const QString& text)
{
    if (!ConfirmDiscard())
        return;
    const std::vector<std::string> trace = Session->ApplyMapCode(text.toStdString());
    UpdateHistoryButtons();
    Dialogs.Form6->ShowTrace(trace);
}
