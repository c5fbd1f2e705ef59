#include "app/MapCommands.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <algorithm>

#include "app/DialogSet.h"
#include "app/FigureBoxes.h"
#include "app/MapFileDialogs.h"
#include "app/PalettePanel.h"
#include "app/StampTab.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"
#include "files/Unit6.h"
#include "session/MapSession.h"
#include "stats/LiveFigures.h"
#include "stats/Unit5.h"

MapCommands::MapCommands(const MapCommandParts& parts, QObject* parent) : QObject(parent), p_(parts) {}

void MapCommands::SpeedButton_aClick()
{
    TForm3* editor = p_.Dialogs.Form3;
    if (!editor)
        return;
    editor->Open(p_.Session.Doc());
    if (editor->exec() != QDialog::Accepted)
        return;
    // The palette rebuild notifies item changes; they must not move the selection.
    p_.ListsReady = false;
    p_.Session.ChangeSettings([editor](TTileData& doc) { editor->Editor().WriteBack(doc); });
    p_.Lists.UpdatePageButtons();
    p_.ListsReady = true;
    // The active panel stays the same kind wherever it moved; a deleted one
    // gives way to the first. Preview and palette show what a click places.
    if (p_.Session.Doc().Selected < MaxTiles)
        p_.Lists.SelectPanel(std::max(0, editor->Editor().IndexOfOrigin(p_.Session.Doc().Selected)));
    p_.Stamps.CatalogueChanged();
}

void MapCommands::SpeedButton_cClick()
{
    TForm4* settings = p_.Dialogs.Form4;
    if (!settings)
        return;
    settings->Fill(p_.Session.Doc());
    if (settings->exec() != QDialog::Accepted)
        return;
    p_.Session.ChangeSettings([settings](TTileData& doc) { settings->CopyBack(doc); });
}

void MapCommands::SpeedButton_dClick()
{
    TForm6* form = p_.Dialogs.Form6;
    if (!form)
        return;
    form->Attach(&p_.Session.Doc());
    connect(form, &TForm6::setRequested, this, &MapCommands::ApplyCode, Qt::UniqueConnection);
    form->ClearCode();
    form->exec();
}

void MapCommands::ApplyCode(const QString& text)
{
    if (!p_.Files.ConfirmDiscard())
        return;
    const int32_t columns = p_.Session.Doc().LastX, rows = p_.Session.Doc().LastY;
    const MapCodeOutcome outcome = p_.Session.ApplyMapCode(text.toStdString());
    if (p_.Session.Doc().LastX != columns || p_.Session.Doc().LastY != rows)
        emit mapSizeChanged();  // as after "サイズ設定"
    emit historyChanged();
    p_.Dialogs.Form6->ShowTrace(outcome.Trace);
    if (outcome.LeftOver > 0)
        p_.Status->showMessage(LeftOverCodeText(outcome.LeftOver));
}

void MapCommands::SpeedButton_InClick()
{
    p_.Session.Doc().ComputeStats();
    p_.Figures.Show();
    p_.Figures.SetStale(false);
}

void MapCommands::SpeedButton_In2Click()
{
    if (!p_.Dialogs.Form5)
        return;
    p_.Dialogs.Form5->Fill(p_.Session.Doc());
    p_.Dialogs.Form5->exec();
}

void MapCommands::NewMap()
{
    // A blank map tied to no file: Ctrl+S can never write it over one.
    int lastRow = 0, lastColumn = 0;
    if (!p_.Files.ConfirmDiscard() || !p_.Dialogs.Form2 || !p_.Dialogs.Form2->AskSize(lastRow, lastColumn))
        return;
    p_.Session.NewMap(lastRow, lastColumn);
    emit mapSizeChanged();
}

void MapCommands::SpeedButton_bClick()
{
    int lastRow = 0, lastColumn = 0;
    if (!p_.Dialogs.Form2 || !p_.Dialogs.Form2->AskSize(lastRow, lastColumn))
        return;
    p_.Session.SetSize(lastRow, lastColumn);
    emit mapSizeChanged();
}
