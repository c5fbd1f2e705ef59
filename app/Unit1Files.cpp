// Map files and the map size.
#include <QDir>
#include <QEvent>
#include <QFileInfo>
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

// The map size when no file gave one: the stored size, or the size dialog.
// False when the dialog was cancelled.
bool SetUpMapSize(TTileData& doc, TForm2* dialog)
{
    if (doc.Sys.MapSize || !dialog) {
        ApplyStoredMapSize(doc);
        return true;
    }
    if (dialog->exec() != QDialog::Accepted)
        return false;
    doc.SetLastY(dialog->ScrollBar1->value() - 1);
    doc.SetLastX(dialog->ScrollBar2->value() - 1);
    return true;
}

}  // namespace

void TForm1::SpeedButton_SaveClick()
{
    SaveMapAs();
}

bool TForm1::SaveMap()
{
    return openFile.isEmpty() ? SaveMapAs() : SaveMapTo(openFile);
}

bool TForm1::SaveMapAs()
{
    const QFileInfo open(openFile);
    const QString path = openFile.isEmpty() ? AskMapFile(this, QFileDialog::AcceptSave, lastFolder)
                                            : AskMapFile(this, QFileDialog::AcceptSave, open.absolutePath(), open.fileName());
    return !path.isEmpty() && SaveMapTo(path);
}

bool TForm1::SaveMapTo(const QString& path)
{
    if (!TileData->SaveMapFile(path.toStdString())) {
        ShowError(this, QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    MarkSaved(path);
    RemoveRecovery();
    NoteRecentFile(path);
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
    const bool loaded = present && TileData->LoadMapFile(path.toStdString());
    if (present && !loaded)
        ShowMessage(this, NotMapFileText);
    UpdateHistoryButtons();
    if (loaded) {
        MarkSaved(path);
        SetFiguresStale(true);
        NoteRecentFile(path);
    }
    if (fitWindow && TileData->Sys.Window)
        FitWindowToMap(TileData->LastY, TileData->LastX);
    return loaded;
}

void TForm1::NoteRecentFile(const QString& path)
{
    Recent.Add(QFileInfo(path).absoluteFilePath().toStdString());
    RecentList->Show(Recent);
}

void TForm1::RecentListOpen(const QString& path)
{
    if (!MapFilePresent(path.toStdString())) {
        ShowMessage(this, MissingFileText);
        Recent.Remove(path.toStdString());
        RecentList->Show(Recent);
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
        loaded = doc.LoadMapFile(candidate.toStdString());
        if (loaded) {
            MarkSaved(candidate);
            NoteRecentFile(candidate);
        } else {
            ShowMessage(this, NotMapFileText);
        }
        if (StartupInterrupted())
            return;
    }
    if (!loaded && !SetUpMapSize(doc, Dialogs.Form2)) {
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
    TForm2* dialog = Dialogs.Form2;
    if (!dialog || dialog->exec() != QDialog::Accepted)
        return;
    TTileData& doc = *TileData;
    doc.SetLastY(dialog->ScrollBar1->value() - 1);
    doc.SetLastX(dialog->ScrollBar2->value() - 1);
    doc.RedrawMap();
    SetFiguresStale(true);
    if (doc.Sys.Window)
        FitWindowToMap(doc.LastY, doc.LastX);
}
