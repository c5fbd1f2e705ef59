#include "session/MapSession.h"

#include "files/NativePath.h"

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>

#include "files/MapFile.h"
#include "session/RecoveryCopy.h"

MapSession::MapSession(QObject* parent)
    : QObject(parent),
      doc(std::make_unique<TTileData>()),
      recovery(std::make_unique<RecoveryCopy>(*this)),
      watcher(new QFileSystemWatcher(this))
{
    connect(recovery.get(), &RecoveryCopy::writeFailed, this, &MapSession::recoveryWriteFailed);
    connect(watcher, &QFileSystemWatcher::fileChanged, this, &MapSession::WatchedFileChanged);
}

MapSession::~MapSession() = default;

bool MapSession::FileChangedOnDisk() const
{
    return !filePath.isEmpty() && diskStamp.ContentDiffers(DiskStamp::Of(filePath));
}

void MapSession::MarkChangedOnDisk()
{
    SetMarked(true);
}

void MapSession::SetMarked(bool marked)
{
    if (marked == markedChanged)
        return;
    markedChanged = marked;
    emit markedChangedOnDiskChanged(marked);
}

void MapSession::NoteDiskState()
{
    diskStamp = filePath.isEmpty() ? DiskStamp{} : DiskStamp::Of(filePath);
    announcedStamp = diskStamp;
    SetMarked(false);
    if (!watcher->files().isEmpty())
        watcher->removePaths(watcher->files());
    if (diskStamp.Exists)
        watcher->addPath(filePath);
}

void MapSession::WatchedFileChanged()
{
    // A save that replaces the file ends the watch on it; watch the new one.
    if (!filePath.isEmpty() && watcher->files().isEmpty() && QFileInfo(filePath).isFile())
        watcher->addPath(filePath);
    // Our own save, or a touch, changes no content; a change is told once,
    // however many notices the system sends for it.
    if (filePath.isEmpty() || markedChanged)
        return;
    const DiskStamp now = DiskStamp::Of(filePath);
    if (diskStamp.ContentDiffers(now) && announcedStamp.ContentDiffers(now)) {
        announcedStamp = now;
        emit changedOnDisk(filePath);
    }
}

void MapSession::Announce()
{
    if (Modified() != shownModified) {
        shownModified = Modified();
        emit modifiedChanged(shownModified);
    }
    if (CanUndo() != shownUndo || CanRedo() != shownRedo) {
        shownUndo = CanUndo();
        shownRedo = CanRedo();
        emit historyChanged(shownUndo, shownRedo);
    }
}

void MapSession::Changed()
{
    recovery->NoteChanged();
    Announce();
}

void MapSession::Notify(bool continues)
{
    MapChange change = doc->TakeChange();
    change.Continues = continues;
    if (!change.Empty())
        emit changed(change);
}

void MapSession::ReplacedWithoutHistory()
{
    // No history position leads back to the saved map any more.
    doc->BufList->Clear();
    doc->RedrawMap();
    Notify();
    Changed();
}

void MapSession::EditAt(int px, int py, MouseButton button)
{
    const int32_t before = doc->BufList->GetIndex();
    doc->EditAt(px, py, button);
    if (doc->BufList->GetIndex() == before)
        return;
    Notify();
    Changed();
}

void MapSession::BeginOperation()
{
    if (operationOpen)
        return;
    operationOpen = true;
    operationRecorded = false;
}

void MapSession::EndOperation()
{
    if (!operationOpen)
        return;
    operationOpen = false;
    emit operationEnded();
}

void MapSession::ApplyEdits(const std::vector<CellEdit>& edits)
{
    const bool joins = operationOpen && operationRecorded;
    if (doc->ApplyEdits(edits, joins) == 0)
        return;
    operationRecorded = operationOpen;
    Notify(joins);
    Changed();
}

void MapSession::ApplyStep(const std::vector<CellEdit>& edits)
{
    EndOperation();
    ApplyEdits(edits);
}

// Undo and redo move a whole operation of the tools at once.
void MapSession::Undo()
{
    EndOperation();
    if (!CanUndo())
        return;
    doc->Undo();
    Notify();
    Changed();
}

void MapSession::Redo()
{
    EndOperation();
    if (!CanRedo())
        return;
    doc->Redo();
    Notify();
    Changed();
}

void MapSession::ClearPanels()
{
    EndOperation();
    doc->ClearPanels();
    ReplacedWithoutHistory();
}

void MapSession::ClearMasks()
{
    EndOperation();
    doc->ClearMasks();
    ReplacedWithoutHistory();
}

void MapSession::ClearAll()
{
    EndOperation();
    doc->ClearPanels();
    doc->ClearMasks();
    ReplacedWithoutHistory();
}

QString LeftOverCodeText(int64_t cells)
{
    return QCoreApplication::translate("MapSession", "コードの %1 マスは地図に入りませんでした").arg(cells);
}

MapCodeOutcome MapSession::ApplyMapCode(const std::string& text)
{
    EndOperation();
    MapCodeOutcome outcome;
    // A code that says its size is built at that size, never sheared into another.
    if (const auto size = MapCodeSizeOf(text)) {
        doc->SetLastY(size->Rows - 1);
        doc->SetLastX(size->Columns - 1);
    }
    // Redraws and empties the history itself.
    outcome.LeftOver = doc->ApplyMapCode(text, &outcome.Trace);
    if (outcome.LeftOver > 0)
        outcome.Trace.push_back(LeftOverCodeText(outcome.LeftOver).toStdString());
    Notify();
    Changed();
    return outcome;
}

void MapSession::SetSize(int lastRow, int lastColumn)
{
    EndOperation();
    const int32_t rows = doc->LastY, columns = doc->LastX;
    doc->SetLastY(lastRow);
    doc->SetLastX(lastColumn);
    Notify();
    // The history does not record sizes: another size cannot be undone to
    // the saved map.
    if (doc->LastY != rows || doc->LastX != columns) {
        doc->BufList->ResetClean();
        Changed();
    }
}

Result MapSession::Load(const QString& path)
{
    EndOperation();
    const MapRead read = ReadMapFile(NativePath(path));
    if (!read.Status)
        return read.Status;
    doc->TakeMap(read.Map);
    doc->BufList->SetClean();
    Notify();
    SetFilePath(path);
    NoteDiskState();
    NoteRecent(path);
    Announce();
    return read.Status;
}

Result MapSession::Save(const QString& path)
{
    Result written = doc->SaveMapFile(NativePath(path));
    if (!written)
        return written;
    doc->BufList->SetClean();
    SetFilePath(path);
    NoteDiskState();
    recovery->Remove();
    NoteRecent(path);
    Announce();
    return written;
}

void MapSession::Restore(const MapFileInfo& map, const QString& file)
{
    EndOperation();
    doc->TakeMap(map);
    doc->BufList->ResetClean();
    Notify();
    SetFilePath(file);
    NoteDiskState();
    Announce();
}

void MapSession::NewMap(int lastRow, int lastColumn)
{
    EndOperation();
    MapFileInfo empty;
    empty.LastY = static_cast<uint8_t>(lastRow);
    empty.LastX = static_cast<uint8_t>(lastColumn);
    doc->TakeMap(empty);
    doc->BufList->SetClean();
    recovery->Remove();
    Notify();
    SetFilePath(QString());
    NoteDiskState();
    Announce();
}

void MapSession::SetFilePath(const QString& path)
{
    if (path == filePath)
        return;
    filePath = path;
    emit fileChanged(filePath);
}

void MapSession::NoteRecent(const QString& path)
{
    // By hand: QFileInfo would lose the bytes of a name that is not UTF-8.
    recent.Add(NativePath(QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path)));
    emit recentChanged();
}

void MapSession::ForgetRecent(const QString& path)
{
    recent.Remove(NativePath(path));
    emit recentChanged();
}
