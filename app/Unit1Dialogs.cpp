// The catalogue editor, the system settings, the pseudo-map code converter
// and the island figures.
#include "app/Unit1.h"

#include "app/StampTab.h"

#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTreeWidget>
#include <algorithm>

#include "app/FigureBoxes.h"
#include "app/MapFileDialogs.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"
#include "files/Unit6.h"
#include "session/MapSession.h"
#include "stats/LiveFigures.h"
#include "stats/Unit5.h"

void TForm1::SpeedButton_aClick()
{
    TForm3* editor = Dialogs.Form3;
    if (!editor)
        return;
    editor->Open(*TileData);
    if (editor->exec() != QDialog::Accepted)
        return;
    // The palette rebuild notifies item changes; they must not move the selection.
    ListsReady = false;
    Session->ChangeSettings([editor](TTileData& doc) { editor->Editor().WriteBack(doc); });
    UpdatePageButtons();
    ListsReady = true;
    // The active panel stays the same kind wherever it moved; a deleted one
    // gives way to the first. Preview and palette show what a click places.
    if (TileData->Selected < MaxTiles) {
        const int index = std::max(0, editor->Editor().IndexOfOrigin(TileData->Selected));
        ButtonView->setCurrentItem(ButtonView->topLevelItem(index));
        ButtonViewChange(index);
    }
    StampPage->CatalogueChanged();
}

void TForm1::SpeedButton_cClick()
{
    TForm4* settings = Dialogs.Form4;
    if (!settings)
        return;
    settings->Fill(*TileData);
    if (settings->exec() != QDialog::Accepted)
        return;
    Session->ChangeSettings([settings](TTileData& doc) { settings->CopyBack(doc); });
}

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
    if (!Files->ConfirmDiscard())
        return;
    const int32_t columns = TileData->LastX, rows = TileData->LastY;
    const MapCodeOutcome outcome = Session->ApplyMapCode(text.toStdString());
    if (TileData->LastX != columns || TileData->LastY != rows)
        FollowMapSize();  // as after "サイズ設定"
    UpdateHistoryButtons();
    Dialogs.Form6->ShowTrace(outcome.Trace);
    if (outcome.LeftOver > 0)
        StatusBar1->showMessage(LeftOverCodeText(outcome.LeftOver));
}

void TForm1::SpeedButton_InClick()
{
    TileData->ComputeStats();
    Figures->Show();
    Figures->SetStale(false);
}

void TForm1::SpeedButton_In2Click()
{
    if (!Dialogs.Form5)
        return;
    Dialogs.Form5->Fill(*TileData);
    Dialogs.Form5->exec();
}
