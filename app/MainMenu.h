#pragma once
#include <QObject>

#include "app/MainActions.h"

class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

// The one menu of the main window: every command with its key, the same
// actions the buttons trigger. It opens from the "≡" button at the end of
// the tool bar and, when shown (Ctrl+M), from a menu bar above the window's
// own controls.
class MainMenu : public QObject {
    Q_OBJECT
public:
    MainMenu(QMainWindow* window, const MainActions& actions, QToolBar* bar);

    QToolButton* Button() const { return button_; }
    bool MenuBarShown() const;
    void ShowMenuBar(bool shown);

signals:
    // After the menu bar was shown or hidden: the window's chrome changed.
    void menuBarShownChanged(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceButton();

    QMainWindow* window_;
    QToolBar* bar_ = nullptr;
    QToolButton* button_;
    QAction* menuBarAction_;
};

// "キー一覧": every command of `actions` (in the menu's order) with each
// of its keys, one row per command.
QList<std::pair<QString, QString>> KeyList(const MainActions& actions);
void ShowKeyList(QWidget* parent, const MainActions& actions);
