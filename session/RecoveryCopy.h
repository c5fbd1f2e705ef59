#pragma once
// The copy of unsaved work that outlives a crash: isplan-recovery.kpl
// beside isplan.ini, written a while after the latest change and when the
// program is ended from outside, removed when nothing is unsaved.
#include <QObject>
#include <QString>

#include "document/Result.h"
#include "files/MapFile.h"

class MapSession;
class QTimer;

class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    explicit RecoveryCopy(MapSession& session);

    // The folder of isplan.ini, where the copy lives.
    void SetFolder(const QString& folder);
    QString Path() const;
    // How long after the latest change the copy is written.
    void SetDelay(int milliseconds);

    // What an earlier run left: the map in it, or why there is none (a
    // copy that is no map file is removed; Missing when there is none).
    MapRead Offered();
    // The user put the offered copy off: it stays as it is for this run.
    void Keep() { kept = true; }

    // The map changed: the copy follows after the delay.
    void NoteChanged();
    // Writes the map now; a failure is also signalled.
    Result WriteNow();
    void Remove();
    // The window closes: from outside with unsaved work the copy is
    // written, otherwise removed.
    void OnClose(bool fromOutside);

signals:
    void writeFailed(const QString& reason);

private:
    bool Untouchable() const;

    MapSession& session;
    QString folder;
    QTimer* timer = nullptr;
    bool kept = false;
};
