// Map files, the map size and the map picture.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QScrollBar>

#include "app/MapFileDialogs.h"
#include "settings/Config.h"
#include "dialogs/Messages.h"
#include "app/Unit1.h"
#include "dialogs/Unit2.h"
#include "files/MapFile.h"
#include "view/MapRenderer.h"
#include "view/PicturePng.h"

namespace {

// Asks the size dialog; false when it was cancelled.
bool AskMapSize(TForm2* dialog, int& lastRow, int& lastColumn)
{
    if (!dialog || dialog->exec() != QDialog::Accepted)
        return false;
    lastRow = dialog->ScrollBar1->value() - 1;
    lastColumn = dialog->ScrollBar2->value() - 1;
    return true;
}

}  // namespace

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
    TTileData& doc = *TileData;
    QString candidate;
    if (!args.isEmpty() && MapFilePresent(args.constFirst().toStdString())) {
        candidate = args.constFirst();
    } else if (doc.Sys.Load) {
        if (MapFilePresent(doc.Sys.LoadFile))
            candidate = QString::fromStdString(doc.Sys.LoadFile);
        else
            Files->TellMissing();
        if (StartupInterrupted())
            return;
    }

    bool loaded = false;
    if (!candidate.isEmpty()) {
        loaded = Files->Load(candidate);
        if (StartupInterrupted())
            return;
    }
    // No file gave the size: the stored size, or the size dialog.
    int lastRow = 0, lastColumn = 0;
    if (loaded || doc.Sys.MapSize || !Dialogs.Form2) {
        if (!loaded)
            ApplyStoredMapSize(doc);
    } else if (AskMapSize(Dialogs.Form2, lastRow, lastColumn)) {
        doc.SetLastY(lastRow);
        doc.SetLastX(lastColumn);
    } else {
        if (StartupInterrupted())
            return;
        // Cancelling the size ends the program.
        startupClosed = true;
        close();
        return;
    }
    FollowMapSize();
    doc.RedrawMap();
}

void TForm1::NewMap()
{
    // A blank map tied to no file: Ctrl+S can never write it over one.
    int lastRow = 0, lastColumn = 0;
    if (!Files->ConfirmDiscard() || !AskMapSize(Dialogs.Form2, lastRow, lastColumn))
        return;
    Session->NewMap(lastRow, lastColumn);
    FollowMapSize();
}

void TForm1::SpeedButton_bClick()
{
    int lastRow = 0, lastColumn = 0;
    if (!AskMapSize(Dialogs.Form2, lastRow, lastColumn))
        return;
    Session->SetSize(lastRow, lastColumn);
    FollowMapSize();
}

void TForm1::SpeedButton_PngClick()
{
    const QString path = Files->AskPicture();
    if (path.isEmpty())
        return;
    if (!SavePicturePng(PictureToSave(), path))
        ShowError(this, QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(path)));
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
