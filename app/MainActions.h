#pragma once
// Every command of the main window that has a key or a button, as one
// action each: the keys live here, buttons only show and trigger them.
#include <QList>
#include <QKeySequence>

class QAbstractButton;
class QAction;
class QWidget;

struct MainActions {
    QAction* Undo = nullptr;
    QAction* Redo = nullptr;
    QAction* Save = nullptr;    // to the open file, else asks a name
    QAction* SaveAs = nullptr;  // always asks a name
    QAction* Open = nullptr;
    QAction* ClearPanels = nullptr;
    QAction* ClearMasks = nullptr;
    QAction* ClearAll = nullptr;
    QAction* ZoomIn = nullptr;
    QAction* ZoomOut = nullptr;
    QAction* ZoomReset = nullptr;
    QAction* CopyPicture = nullptr;
    // A new command: one member here, one line in CreateMainActions.
};

// Creates the actions on `window` (active while it is the active window).
MainActions CreateMainActions(QWidget* window);

// The button triggers the action and is enabled exactly when the action
// is. Its own caption, icon and hint stay: the history buttons' hints
// follow rules of their own.
void ShowAction(QAbstractButton* button, QAction* action);
