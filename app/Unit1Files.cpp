// Map files and the map size.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QScrollBar>

#include "settings/Config.h"
#include "app/RecentMapsList.h"
#include "dialogs/Messages.h"
#include "app/Unit1.h"
#include "dialogs/Unit2.h"
#include "files/MapFile.h"

namespace {

const QString NotMapFileText = QStringLiteral("指定されたファイルはISPLNファイルではありませんでした。");
const QString MissingFileText = QStringLiteral("指定されたファイルがありませんでした。");

// The save and open dialogs share everything but title and mode. Qt's own
// dialog rather than the desktop's, so it behaves the same everywhere.
// It starts in `folder` (when given) with `name` typed in (else "*.kpl").
QString AskMapFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& folder, const QString& name = {})
{
    const bool saving = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, saving ? QStringLiteral("Tidemark擬似Map 保存")
                                      : QStringLiteral("Tidemark擬似Map 読み込み"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    // Opening accepts a name that does not exist; nothing happens then.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Tidemark擬似Map (*.kpl)"), QStringLiteral("ALL (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("kpl"));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    dialog.selectFile(name.isEmpty() ? QStringLiteral("*.kpl") : name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

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
    SaveMapAs();
}

bool TForm1::SaveMap()
{
    return OpenFile().isEmpty() ? SaveMapAs() : SaveMapTo(OpenFile());
}

bool TForm1::SaveMapAs()
{
    const QFileInfo open(OpenFile());
    const QString path = OpenFile().isEmpty() ? AskMapFile(this, QFileDialog::AcceptSave, lastFolder)
                                            : AskMapFile(this, QFileDialog::AcceptSave, open.absolutePath(), open.fileName());
    return !path.isEmpty() && SaveMapTo(path);
}

bool TForm1::SaveMapTo(const QString& path)
{
    if (!Session->Save(path)) {
        ShowError(this, QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

void TForm1::SpeedButton_LoadClick()
{
    // Asked before the dialog: cancelling keeps everything as it was.
    if (!ConfirmDiscard())
        return;
    const QString path = AskMapFile(this, QFileDialog::AcceptOpen, lastFolder);
    if (path.isEmpty())
        return;
    lastFolder = QFileInfo(path).absolutePath();
    LoadMapFileUnasked(path, true);
}

bool TForm1::OpenMapFile(const QString& path)
{
    // A path that names no file does nothing, so there is nothing to ask.
    if (!MapFilePresent(path.toStdString()) || !ConfirmDiscard())
        return false;
    return LoadMapFileUnasked(path, true);
}

bool TForm1::LoadMapFileUnasked(const QString& path, bool fitWindow)
{
    // Whatever the result, the history hints and the window follow the map.
    const bool present = MapFilePresent(path.toStdString());
    const bool loaded = present && Session->Load(path).Ok;
    if (present && !loaded)
        ShowMessage(this, NotMapFileText);
    UpdateHistoryButtons();
    if (fitWindow && TileData->Sys.Window)
        FitWindowToMap(TileData->LastY, TileData->LastX);
    return loaded;
}

void TForm1::RecentListOpen(const QString& path)
{
    if (!MapFilePresent(path.toStdString())) {
        ShowMessage(this, MissingFileText);
        Session->ForgetRecent(path);
        return;
    }
    OpenMapFile(path);
}

void TForm1::DropDst1FileDrop(const QStringList& files, QPoint)
{
    // Only the first path counts; a folder or a vanished file does nothing.
    // The window keeps its size, as it always has on a drop.
    if (files.isEmpty() || !MapFilePresent(files.constFirst().toStdString()) || !ConfirmDiscard())
        return;
    LoadMapFileUnasked(files.constFirst(), false);
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
            ShowMessage(this, MissingFileText);
        if (StartupInterrupted())
            return;
    }

    bool loaded = false;
    if (!candidate.isEmpty()) {
        loaded = Session->Load(candidate).Ok;
        if (!loaded)
            ShowMessage(this, NotMapFileText);
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
    if (doc.Sys.Window)
        FitWindowToMap(doc.LastY, doc.LastX);
    doc.RedrawMap();
}

void TForm1::SpeedButton_bClick()
{
    int lastRow = 0, lastColumn = 0;
    if (!AskMapSize(Dialogs.Form2, lastRow, lastColumn))
        return;
    Session->SetSize(lastRow, lastColumn);
    if (TileData->Sys.Window)
        FitWindowToMap(TileData->LastY, TileData->LastX);
}
