#pragma once
// The main window's file dialogs and the saves they lead to: where the
// dialogs start, Ctrl+S and "save as", and the question before unsaved
// changes are lost.
#include <QObject>
#include <QString>

class MapSession;
class QWidget;

class MapFileDialogs : public QObject {
    Q_OBJECT
public:
    MapFileDialogs(MapSession& session, QWidget* window);

    // A map file to open, or empty when cancelled.
    QString AskOpen();
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

private:
    bool SaveTo(const QString& path);

    MapSession& session;
    QWidget* window;
    QString lastFolder;
    bool restoredOverFile = false;
    bool asking = false;
};
