// The map's mouse handling, the history buttons and the clear buttons.
#include <QCoreApplication>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

#include "app/MainStatus.h"
#include "app/MapFileDialogs.h"
#include "app/MapPan.h"
#include "app/MapPicture.h"
#include "app/MapTools.h"
#include "app/Unit1.h"
#include "ui_Unit1.h"

namespace {

MouseButton ToolButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    default:
        return MouseButton::Middle;
    }
}

}  // namespace

void TForm1::Image1MouseDown(Qt::MouseButton button, int px, int py)
{
    if (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton)
        return;
    TileData->PixelToCell(px, py);
    if (button != Qt::MiddleButton)
        Session->BeginOperation();
    if (!Tools->MouseDown(button, px, py))
        ClickAt(button, px, py);
    Status->ShowCursor(*TileData);
    if (button == Qt::MiddleButton) {
        Pan->Start(px, py);
        panHint->clear();
    }
}

void TForm1::ClickAt(Qt::MouseButton button, int px, int py)
{
    Session->EditAt(px, py, ToolButton(button));
    UpdateHistoryEnabled();
}

void TForm1::Image1MouseMove(int px, int py)
{
    TileData->PixelToCell(px, py);
    Tools->MouseMove(px, py);
    Status->ShowCursor(*TileData);
    Pan->Move(px, py);
}

void TForm1::Image1MouseUp(Qt::MouseButton button, int px, int py)
{
    Tools->MouseUp(button, px, py);
    if (button != Qt::MiddleButton && !Tools->Dragging()) {
        Session->EndOperation();
        return;
    }
    if (button != Qt::MiddleButton)
        return;
    Pan->Stop();
    panHint->clear();
}

void TForm1::UpdateHistoryEnabled()
{
    Actions.Undo->setEnabled(TileData->CanUndo());
    Actions.Redo->setEnabled(TileData->CanRedo());
}

void TForm1::UpdateHistoryButtons()
{
    UpdateHistoryEnabled();
    ui->SpeedButton1->setToolTip(TileData->CanUndo() ? QCoreApplication::translate("Unit1Map", "戻る") : QString());
    ui->SpeedButton2->setToolTip(TileData->CanRedo() ? QCoreApplication::translate("Unit1Map", "進む") : QString());
}

void TForm1::SpeedButton1Click()
{
    if (!TileData->CanUndo())
        return;
    Session->Undo();
    UpdateHistoryButtons();
}

void TForm1::SpeedButton2Click()
{
    if (!TileData->CanRedo())
        return;
    Session->Redo();
    UpdateHistoryButtons();
}

void TForm1::ClearMap(void (MapSession::*clear)())
{
    if (!Files->ConfirmDiscard())
        return;
    (Session->*clear)();
    UpdateHistoryButtons();
}

void TForm1::SpeedButton3Click()
{
    ClearMap(&MapSession::ClearPanels);
}

void TForm1::SpeedButton5Click()
{
    ClearMap(&MapSession::ClearMasks);
}

void TForm1::SpeedButton6Click()
{
    ClearMap(&MapSession::ClearAll);
}

void TForm1::SpeedButton4Click()
{
    Session->ChangeSettings([](TTileData& doc) { doc.LineMode = !doc.LineMode; });
}

void TForm1::CheckBox1Click()
{
    Session->ChangeSettings([this](TTileData& doc) { doc.MaskShow = ui->CheckBox1->isChecked(); });
}
