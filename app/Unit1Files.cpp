// Map files, the map size and the map picture.
#include <QCoreApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStatusBar>
#include <algorithm>

#include "app/MapFileDialogs.h"
#include "app/StampTab.h"
#include "app/StartupMap.h"
#include "app/Unit1.h"
#include "dialogs/Messages.h"
#include "dialogs/Unit2.h"
#include "app/MapTools.h"
#include "view/MapRenderer.h"
#include "view/PicturePng.h"

void TForm1::SpeedButton_SaveClick()
{
    Files->SaveAs();
}

bool TForm1::SaveMap()
{
    return Files->Save();
}

void TForm1::SpeedButton_LoadClick()
{
    Files->OpenFromDialog();
}

bool TForm1::OpenMapFile(const QString& path)
{
    return Files->Open(path);
}

void TForm1::RecentListOpen(const QString& path)
{
    Files->OpenRecent(path);
}

void TForm1::DropDst1FileDrop(const QStringList& files, QPoint)
{
    Files->OpenDropped(files);
}

void TForm1::FileOpenAtStart()
{
    switch (OpenStartupMap(args, *Session, *Files, Dialogs.Form2, closed)) {
    case StartupMapResult::Ready:
        FollowMapSize();
        break;
    case StartupMapResult::SizeCancelled:
        // Cancelling the size ends the program.
        startupClosed = true;
        close();
        break;
    case StartupMapResult::Closed:
        startupClosed = true;
        break;
    }
}

void TForm1::NewMap()
{
    // A blank map tied to no file: Ctrl+S can never write it over one.
    int lastRow = 0, lastColumn = 0;
    if (!Files->ConfirmDiscard() || !Dialogs.Form2 || !Dialogs.Form2->AskSize(lastRow, lastColumn))
        return;
    Session->NewMap(lastRow, lastColumn);
    FollowMapSize();
}

namespace {

// "スタンプのパネル 40, 41 はカタログにありません": what a stamp could not bring.
QString MissingPanelsText(const std::vector<int>& panels)
{
    QStringList numbers;
    for (const int panel : panels)
        numbers << QString::number(panel);
    return QCoreApplication::translate("Unit1Files", "スタンプのパネル %1 はカタログにありません (その他を置きます)").arg(numbers.join(QStringLiteral(", ")));
}

}  // namespace

void TForm1::PlaceStamp(const Stamp& stamp)
{
    const std::vector<int> missing = MissingPanels(stamp.Cells, *TileData);
    if (!missing.empty())
        StatusBar1->showMessage(MissingPanelsText(missing));
    Tools->Float(WithoutPanels(stamp.Cells, missing));
}

void TForm1::OpenStampAsMap(const Stamp& stamp)
{
    if (!Files->ConfirmDiscard())
        return;
    const map_shapes::Block& block = stamp.Cells;
    const int top = block.OriginOdd ? 1 : 0;
    Session->NewMap(std::clamp(block.Rows - 1 + top, 0, GridSize - 1), std::clamp(block.Columns - 1, 0, GridSize - 1));
    const std::vector<int> missing = MissingPanels(block, *TileData);
    Session->BeginOperation();
    Session->ApplyEdits(map_shapes::PlaceBlock(*TileData, WithoutPanels(block, missing), {0, top}));
    Session->EndOperation();
    FollowMapSize();
    if (!missing.empty())
        StatusBar1->showMessage(MissingPanelsText(missing));
}

void TForm1::SaveSelectionAsStamp()
{
    const map_shapes::Block block = Tools->SelectionBlock();
    if (block.Empty()) {
        StatusBar1->showMessage(QCoreApplication::translate("Unit1Files", "保存する範囲を範囲選択 (S) で選んでください"));
        return;
    }
    if (StampPage->Folder().isEmpty())
        StampPage->SetFolder(StampFolder());
    StampPage->SaveBlock(block);
}

QString TForm1::StampFolder() const
{
    return QFileInfo(IniPath()).absolutePath() + QStringLiteral("/Stamps");
}

void TForm1::SpeedButton_bClick()
{
    int lastRow = 0, lastColumn = 0;
    if (!Dialogs.Form2 || !Dialogs.Form2->AskSize(lastRow, lastColumn))
        return;
    Session->SetSize(lastRow, lastColumn);
    FollowMapSize();
}

void TForm1::SpeedButton_PngClick()
{
    const QString path = Files->AskPicture();
    if (path.isEmpty())
        return;
    if (QString reason; !SavePicturePng(PictureToSave(), path, &reason))
        ShowError(this, QCoreApplication::translate("Unit1Files", "%1 に書き込めません: %2")
                            .arg(QDir::toNativeSeparators(path), reason));
}

QImage TForm1::PictureToSave() const
{
    // Exactly what Image1 shows at 100 %: header, ruler, tiles, masks and
    // outlines as they stand now.
    return Renderer->Picture();
}

void TForm1::CopyPicture()
{
    QGuiApplication::clipboard()->setImage(PictureToSave());
}
