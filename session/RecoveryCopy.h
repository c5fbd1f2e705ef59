#pragma once
// The copy of unsaved work that outlives a crash, one per window beside
// isplan.ini (see RecoveryStore): written from the first change on, a
// moment after the latest one and when the program is ended from outside,
// removed when nothing is unsaved.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "document/Result.h"
#include "session/RecoveryStore.h"

class QTimer;
class TTileData;
struct MapFileInfo;

// The work a copy is taken of and restored into (the map session), seen
// only as far as the copy needs it.
class RecoverableWork {
public:
    virtual bool Modified() const = 0;
    virtual QString FilePath() const = 0;
    virtual const TTileData& Doc() const = 0;
    virtual void Restore(const MapFileInfo& map, const QString& file) = 0;

protected:
    ~RecoverableWork() = default;
};

class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    explicit RecoveryCopy(RecoverableWork& work);
    ~RecoveryCopy() override;

    // The folder of isplan.ini, where the copies live.
    void SetFolder(const QString& folder);
    // No copy at all: the folder is not ours to write (an unusable settings
    // folder falls back to the shipped, read-only files).
    void Disable() { store.reset(); }
    // This window's copy (empty until it has a name).
    QString Path() const;
    // How long after the latest change the copy is written.
    void SetDelay(int milliseconds);

    // What windows that are gone left, newest first, held for this window
    // until answered; names that hold no readable copy are told in
    // `problems` and left alone.
    QList<OrphanCopy> Offered(QStringList* problems = nullptr);
    // 復元: the session takes the copy's map, modified, with its file name;
    // the copy becomes this window's own.
    Result Restore(const OrphanCopy& copy);
    // 破棄
    bool Discard(const OrphanCopy& copy, QString* reason = nullptr);  // false with the reason
    // The rest are put off for a later start.
    void Keep();

    // The map changed: the copy follows after the delay.
    void NoteChanged();
    // Writes the map now, on this thread; a failure is also signalled.
    Result WriteNow();
    // Nothing is unsaved: the own copy goes (after any write under way).
    void Remove();
    // The window closes: from outside with unsaved work the copy is
    // written (the result says whether it could be), otherwise removed.
    Result OnClose(bool fromOutside);

signals:
    void writeFailed(const QString& reason);
    void written();

private:
    bool Untouchable() const;
    void WriteLater();

    RecoverableWork& work;
    std::unique_ptr<RecoveryStore> store;
    QTimer* timer = nullptr;
};
