// Map files and the map size.
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QScrollBar>

#include "app/Config.h"
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
QString AskMapFile(QWidget* parent, QFileDialog::AcceptMode mode)
{
    const bool saving = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, saving ? QStringLiteral("Tidemark擬似Map 保存")
                                      : QStringLiteral("Tidemark擬似Map 読み込み"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    // Opening accepts a name that does not exist; nothing happens then.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({QStringLiteral("Tidemark擬似Map (*.kpl)"), QStringLiteral("ALL (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("kpl"));
    dialog.selectFile(QStringLiteral("*.kpl"));
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
    const QString path = AskMapFile(this, QFileDialog::AcceptSave);
    if (path.isEmpty())
        return;
    if (!TileData->SaveMapFile(path.toStdString())) {
        ShowError(this, QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(path)));
        return;
    }
    NoteRecentFile(path);
}

void TForm1::SpeedButton_LoadClick()
{
    const QString path = AskMapFile(this, QFileDialog::AcceptOpen);
    if (path.isEmpty())
        return;
    OpenMapFile(path);
}

bool TForm1::OpenMapFile(const QString& path)
{
    // Whatever the result, the history hints and the window follow the map.
    const bool present = MapFilePresent(path.toStdString());
    const bool loaded = present && TileData->LoadMapFile(path.toStdString());
    if (present && !loaded)
        ShowMessage(this, NotMapFileText);
    UpdateHistoryButtons();
    if (loaded)
        NoteRecentFile(path);
    if (TileData->Sys.Window)
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
    if (files.isEmpty() || !MapFilePresent(files.constFirst().toStdString()))
        return;
    if (!TileData->LoadMapFile(files.constFirst().toStdString())) {
        ShowMessage(this, NotMapFileText);
        return;
    }
    UpdateHistoryButtons();
    NoteRecentFile(files.constFirst());
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
        if (!loaded)
            ShowMessage(this, NotMapFileText);
        else
            NoteRecentFile(candidate);
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
    if (doc.Sys.Window)
        FitWindowToMap(doc.LastY, doc.LastX);
}
