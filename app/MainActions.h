#pragma once
// Every command of the main window that has a key or a button, as one
// action each: the keys live here, buttons only show and trigger them.
#include <QList>
#include <QKeySequence>
#include <QString>

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
    QAction* New = nullptr;  // an empty map with no file
    // The painting tools, in the order of PaintTool (Escape: the click tool),
    // and the select tool's block commands. MapTools gives them their look.
    QAction* Tool[6] = {};
    QAction* CopyBlock = nullptr;
    QAction* CutBlock = nullptr;
    QAction* DeleteBlock = nullptr;
    QAction* PasteBlock = nullptr;
    // The painting tools' level ("]" up, "[" down), the counters of the
    // selection (+ / - one step, End to Max, Home to 0) and the counters
    // drawn over the map (V).
    QAction* LevelUp = nullptr;
    QAction* LevelDown = nullptr;
    QAction* CountersUp = nullptr;
    QAction* CountersDown = nullptr;
    QAction* CountersMax = nullptr;
    QAction* CountersZero = nullptr;
    QAction* ShowValues = nullptr;
    // A floating block (else the selection, in place) turned 60° clockwise
    // (Z) or counter-clockwise (Shift+Z), mirrored left–right (X) or top–
    // bottom (Y); the selection saved as a stamp (Ctrl+Shift+B).
    QAction* TurnClockwise = nullptr;
    QAction* TurnCounterClockwise = nullptr;
    QAction* MirrorLeftRight = nullptr;
    QAction* MirrorTopBottom = nullptr;
    QAction* SaveStamp = nullptr;
    // The window's buttons and switches, so the menu holds them too.
    QAction* SavePicture = nullptr;     // "画像保存"
    QAction* CatalogueEditor = nullptr;  // "パネル設定"
    QAction* MapSize = nullptr;          // "サイズ変更"
    QAction* SystemSettings = nullptr;   // "System設定"
    QAction* MapCode = nullptr;          // "擬似ＭＡＰ"
    QAction* Lines = nullptr;            // "ライン"
    QAction* MaskView = nullptr;         // "マスク表示"
    QAction* Figures = nullptr;          // "自動入力"
    QAction* Breakdown = nullptr;        // "個別情報"
    QAction* CloseWindow = nullptr;      // Ctrl+W
    QAction* Quit = nullptr;             // Ctrl+Q
    QAction* MenuBar = nullptr;          // Ctrl+M shows and hides the menu bar
    QAction* KeyList = nullptr;          // F1
    QAction* About = nullptr;
    // A new command: one member here, one line in CreateMainActions, and
    // its place in the menu (MainMenu.cpp).
};

// Creates the actions on `window` (active while it is the active window).
MainActions CreateMainActions(QWidget* window);

// The button triggers the action and is enabled exactly when the action
// is. Its own caption, icon and hint stay: the history buttons' hints
// follow rules of their own.
void ShowAction(QAbstractButton* button, QAction* action);

// "name (key)": a hint that tells the command's first key, if it has one.
QString HintWithKey(const QString& name, const QAction* action);
