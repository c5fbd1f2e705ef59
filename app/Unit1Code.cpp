// The pseudo-map code converter.
#include <QPlainTextEdit>

#include "app/Unit1.h"
#include "files/Unit6.h"

void TForm1::SpeedButton_dClick()
{
    TForm6* form = Dialogs.Form6;
    if (!form)
        return;
    form->Attach(
        TileData.get(),
        [this] {
            UpdateHistoryButtons();
            unsaved.Rebuilt();
            CellsChanged();
        },
        [this] { return ConfirmDiscard(); });
    form->Memo1->clear();
    form->exec();
}
