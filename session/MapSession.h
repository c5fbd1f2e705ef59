#pragma once
// The island being edited, as one object the window observes: the
// document and its history, the open file, whether there are unsaved
// changes, loading and saving, the recovery copy and the recent files.
// Every change a save would write goes through here, so the modified
// state (the history's clean position) can never be forgotten.
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "document/File1.h"
#include "document/Result.h"
#include "session/DiskStamp.h"
#include "session/RecoveryCopy.h"
#include "settings/RecentFiles.h"

struct MapCodeOutcome {
    std::vector<std::string> Trace;  // the decoder's steps, then any warning
    int64_t LeftOver = 0;            // cells of the code the map could not hold
};
// What "Set" says when cells of a code were left over.
QString LeftOverCodeText(int64_t cells);

class MapSession : public QObject, public RecoverableWork {
    Q_OBJECT
public:
    explicit MapSession(QObject* parent = nullptr);
    ~MapSession() override;

    TTileData& Doc() { return *doc; }
    const TTileData& Doc() const override { return *doc; }
    // The map file the map came from or was last saved to; empty for none.
    QString FilePath() const override { return filePath; }
    // Whether the map differs from the file (or from the empty start).
    bool Modified() const override { return !doc->BufList->IsClean(); }
    bool CanUndo() const { return doc->CanUndo(); }
    bool CanRedo() const { return doc->CanRedo(); }

    // A click becomes an edit: one press at picture pixel (px, py).
    void EditAt(int px, int py, MouseButton button);
    // A tool's press opens an operation and its release closes it; a
    // second button pressed meanwhile stays inside it. Undo, redo, a clear,
    // Set, a size change, Load, New, a change of its own and a dialog that
    // opens close it first (operationEnded tells the tools), so no stroke
    // goes on past them.
    void BeginOperation();
    void EndOperation();
    bool InOperation() const { return operationOpen; }
    // A tool's edits. All the edits of one operation are one undo step,
    // whatever their cells and however many events bring them; outside an
    // operation they are a step of their own.
    void ApplyEdits(const std::vector<CellEdit>& edits);
    // Edits that are a step of their own whatever is open (a key's during
    // a drag): the open operation ends first.
    void ApplyStep(const std::vector<CellEdit>& edits);
    void Undo();
    void Redo();
    void ClearPanels();
    void ClearMasks();
    void ClearAll();
    // Rebuilds the map from pseudo-map code, at the size the code ends in
    // when it carries one.
    MapCodeOutcome ApplyMapCode(const std::string& text);
    // The shown size, as last indices; another size is a change to save.
    void SetSize(int lastRow, int lastColumn);

    // Reads the file with the one map reader; on failure the map stays as
    // it was and the result says why.
    Result Load(const QString& path);
    // Writes the map; on success it is the open file and nothing is unsaved.
    Result Save(const QString& path);
    // Takes a map as unsaved work (a recovery copy), remembering the file
    // it was edited from (empty: none).
    void Restore(const MapFileInfo& map, const QString& file = QString()) override;
    // An empty map of the given size with no file and no history.
    void NewMap(int lastRow, int lastColumn);
    // A change outside the history: the catalogue editor's, the system
    // settings', the display switches', the settings read at start.
    // `change(doc)` edits the document; what it changed is told once.
    template <typename Change>
    void ChangeSettings(Change&& change)
    {
        change(*doc);
        Notify();
    }

    const RecentFiles& Recent() const { return recent; }
    RecentFiles& Recent() { return recent; }
    void NoteRecent(const QString& path);
    void ForgetRecent(const QString& path);

    RecoveryCopy& Recovery() { return *recovery; }

    // The open file holds other content than this window last read or
    // wrote (another window or program saved it, or it went).
    bool FileChangedOnDisk() const;
    // The change was seen and the map was not reloaded: shown until the
    // next load or save.
    bool MarkedChangedOnDisk() const { return markedChanged; }
    void MarkChangedOnDisk();

signals:
    // One notice after each change of the document, however many cells,
    // flags or steps it took.
    void changed(const MapChange& change);
    void modifiedChanged(bool modified);
    void fileChanged(const QString& path);
    void historyChanged(bool canUndo, bool canRedo);
    void recentChanged();
    // A recovery copy could not be written.
    void recoveryWriteFailed(const QString& reason);
    // The open operation was ended from outside the tool (see BeginOperation).
    void operationEnded();
    // The open file changed on disk since this window read or wrote it.
    void changedOnDisk(const QString& path);
    void markedChangedOnDiskChanged(bool marked);

private:
    bool operationOpen = false;
    bool operationRecorded = false;  // the open operation has its undo step
    // After any change a save would write.
    void Changed();
    // Tells what the document changed, if anything; `continues`: its cells
    // join the step the change before began.
    void Notify(bool continues = false);
    void ReplacedWithoutHistory();
    void SetFilePath(const QString& path);
    void Announce();

    // After a load or a save: the open file as it is now, watched.
    void NoteDiskState();
    void WatchedFileChanged();
    void SetMarked(bool marked);

    std::unique_ptr<TTileData> doc;
    std::unique_ptr<RecoveryCopy> recovery;
    QFileSystemWatcher* watcher;
    DiskStamp diskStamp;
    DiskStamp announcedStamp;  // the last change told
    bool markedChanged = false;
    RecentFiles recent;
    QString filePath;
    bool shownModified = false;
    bool shownUndo = false;
    bool shownRedo = false;
};
