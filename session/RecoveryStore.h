#pragma once
#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "files/MapFile.h"

// A recovery copy another window left behind.
struct OrphanCopy {
    QString Path;
    QString Source;  // the map file it was edited from; empty: untitled
    QDateTime Written;
};

// The recovery copies beside isplan.ini: one per running window, named
// isplan-recovery.kpl, isplan-recovery-2.kpl, …, each guarded by a
// QLockFile ("<copy>.lock") for as long as its window runs, so no window
// writes, removes or offers another live window's copy.
//
// A copy is a map file followed by a short trailer naming its source file
// and the time it was written; map readers ignore bytes after the cell
// block, so "Load" still opens a copy, and one file written atomically
// never pairs a map with another map's origin.
class RecoveryStore : public QObject {
    Q_OBJECT
public:
    explicit RecoveryStore(const QString& folder, QObject* parent = nullptr);
    // Waits for a write under way; the own copy stays on disk.
    ~RecoveryStore() override;

    // At start: removes temporary files that killed writers left, then
    // locks and returns every copy whose window is gone, newest first.
    // Names that hold no readable copy (a link, a FIFO, a folder, a copy
    // that cannot be read) are left alone and told once in `problems`.
    QList<OrphanCopy> ClaimOrphans(QStringList* problems = nullptr);
    // Reads a claimed copy's map.
    bool ReadCopy(const OrphanCopy& copy, MapFileInfo& map, QString* reason = nullptr) const;
    // The restored copy becomes this window's own copy.
    void Adopt(const OrphanCopy& copy);
    // Removes a claimed copy (the user chose 破棄); false with the reason.
    bool Discard(const OrphanCopy& copy, QString* reason = nullptr);
    // Unlocks the claimed copies that are left, for a later start.
    void ReleaseOrphans();

    // Writes the own copy off this thread; a newer request replaces one not
    // yet begun. Finished() reports the outcome on this object's thread.
    void Write(const std::string& mapBytes, const QString& source);
    // Removes the own copy (nothing left to protect), in order with writes.
    void Remove();
    // The same, now, for a program that is ending; false with the reason.
    bool WriteNow(const std::string& mapBytes, const QString& source, QString* reason);
    void RemoveNow();
    // Waits until every request so far is done.
    void Wait();

    // Empty while no name could be locked (a read-only folder).
    QString OwnPath() const { return ownPath; }
    QString Folder() const { return folder; }

signals:
    // After each write (ok or not, with the reason) and each removal.
    void Finished(bool written, bool ok, const QString& reason);

private:
    // Everything the worker needs, so it shares nothing with this thread.
    struct Job {
        bool write = false;
        std::string bytes;
        QString path;     // empty: no name could be locked
        QString failure;  // why, then
    };
    Job MakeJob(bool write, std::string bytes);
    void Queue(Job job);
    bool ClaimOwnSlot();
    void Drain();
    static bool Perform(const Job& job, QString* reason);
    static std::string CopyBytes(const std::string& mapBytes, const QString& source);

    QString folder;
    QString ownPath;
    QString claimFailure;  // why no name could be locked (GUI thread only)
    std::unique_ptr<QLockFile> ownLock;
    std::map<QString, std::unique_ptr<QLockFile>> claimed;  // by copy path

    QThreadPool worker;
    QMutex mutex;
    std::optional<Job> pending;  // guarded by mutex
    bool draining = false;       // guarded by mutex
};
