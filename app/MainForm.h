#pragma once
#include <QLabel>

struct MainActions;
namespace Ui {
class TForm1;
}

// The status bar's panels, which a form cannot hold: the cell's place, its
// panel, the pan hint, then what the last operation changed.
struct StatusPanels {
    QLabel* Panel[3] = {};
    QLabel* Figures = nullptr;
};

// What the main window's form leaves to code: the drawn toolbar glyphs, the
// palette lists' fixed column, the status bar's panels, and each button
// showing its action.
StatusPanels DecorateMainForm(Ui::TForm1& ui, const MainActions& actions);
