#pragma once
// Map files as the main window opens and saves them: the file dialogs and
// where they start, Ctrl+S and "save as", the question before unsaved
// changes are lost, and the messages about files that are gone or no maps.
#include <QObject>
#include <QStringList>

class MapSession;
class QWidget;

class MapFileDialogs : public QObject {
    Q_OBJECT
public:
    MapFileDialogs(MapSession& session, QWidget* window);

    // "Load": the unsaved question, the dialog, then the file.
    void OpenFromDialog();
    // Opens a map file in place of the map after the unsaved question. A
    // path that names no file does nothing. False when nothing was loaded.
    bool Open(const QString& path);
    // A recent file that is gone is told and leaves the list.
    void OpenRecent(const QString& path);
    // Only the first dropped path counts; the window keeps its size.
    void OpenDropped(const QStringList& files);
    // A file that is there, unasked; false (told) when it is no map file.
    // A file named from outside (the command line) is named in the message
    // with the reason.
    bool Load(const QString& path, bool namedFromOutside = false);
    void TellMissing();
    // Where "画像保存" writes the picture, or empty when cancelled.
    QString AskPicture();
    // Ctrl+S: to the open file without a dialog, else through the dialog.
    bool Save();
    // "Save" and Ctrl+Shift+S: always through the dialog.
    bool SaveAs();
    // Asks before unsaved changes would be lost; true when the caller may go
    // on (nothing unsaved, saved now, or the user chose not to save).
    bool ConfirmDiscard();
    // The unsaved-changes question is up.
    bool Asking() const { return asking; }
    // The map was restored from a copy of an open file: the next save asks.
    void SetRestoredOverFile(bool restored) { restoredOverFile = restored; }

signals:
    // A file was opened or tried: the history and, when `fitWindow`, the
    // window follow the map.
    void openTried(bool fitWindow);

private:
    bool OpenUnasked(const QString& path, bool fitWindow);
    // The open file changed on disk: offer to read it again when nothing is
    // unsaved, else mark it.
    void FollowChangeOnDisk(const QString& path);
    bool SaveTo(const QString& path);

    MapSession& session;
    QWidget* window;
    QString lastFolder;
    bool restoredOverFile = false;
    bool asking = false;
    bool offeringReload = false;
};
