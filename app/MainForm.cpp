#include "app/MainForm.h"

#include <QAction>
#include <QHeaderView>
#include <QStatusBar>
#include <algorithm>

#include "app/MainActions.h"
#include "app/ToolbarIcons.h"
#include "ui_Unit1.h"

namespace {

void FixColumn(QTreeWidget* view)
{
    view->header()->setSectionResizeMode(QHeaderView::Fixed);
    view->header()->resizeSection(0, 50);
}

StatusPanels AddStatusPanels(QStatusBar* bar)
{
    StatusPanels panels;
    const int widths[3] = {60, 150, 50};
    for (int i = 0; i < 3; ++i) {
        QLabel* panel = panels.Panel[i] = new QLabel;
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i < 2)
            panel->setAlignment(Qt::AlignCenter);
        bar->addWidget(panel);
    }
    // After the cell panels, which keep their places.
    panels.Figures = new QLabel;
    panels.Figures->setObjectName(QStringLiteral("StatusFigures"));
    bar->addWidget(panels.Figures, 1);
    // A small map's window may be narrower than the panels: they are cut at
    // the right instead of holding the window wide.
    bar->setSizePolicy(QSizePolicy::Ignored, bar->sizePolicy().verticalPolicy());
    return panels;
}

}  // namespace

StatusPanels DecorateMainForm(Ui::TForm1& ui, const MainActions& actions)
{
    const std::pair<QToolButton*, QIcon> glyphs[] = {
        {ui.SpeedButton1, toolbar_icons::Undo()},        {ui.SpeedButton2, toolbar_icons::Redo()},
        {ui.SpeedButton3, toolbar_icons::ClearPanels()}, {ui.SpeedButton5, toolbar_icons::ClearMasks()},
        {ui.SpeedButton6, toolbar_icons::ClearAll()},    {ui.SpeedButton4, toolbar_icons::Lines()},
    };
    for (const auto& [button, icon] : glyphs)
        button->setIcon(icon);
    // Undo and redo start disabled (as their actions), with their hints off.
    ui.SpeedButton1->setToolTip(QString());
    ui.SpeedButton2->setToolTip(QString());

    const std::pair<QToolButton*, QAction*> shown[] = {
        {ui.SpeedButton1, actions.Undo},           {ui.SpeedButton2, actions.Redo},
        {ui.SpeedButton3, actions.ClearPanels},    {ui.SpeedButton5, actions.ClearMasks},
        {ui.SpeedButton6, actions.ClearAll},       {ui.SpeedButton4, actions.Lines},
        {ui.SpeedButton_a, actions.CatalogueEditor}, {ui.SpeedButton_b, actions.MapSize},
        {ui.SpeedButton_c, actions.SystemSettings}, {ui.SpeedButton_d, actions.MapCode},
        {ui.SpeedButton_About, actions.About},     {ui.SpeedButton_Save, actions.SaveAs},
        {ui.SpeedButton_Load, actions.Open},       {ui.SpeedButton_New, actions.New},
        {ui.SpeedButton_Png, actions.SavePicture}, {ui.SpeedButton_In, actions.Figures},
        {ui.SpeedButton_In2, actions.Breakdown},
    };
    for (const auto& [button, action] : shown)
        ShowAction(button, action);
    // The menu's "マスク表示" clicks the box, so both always agree.
    QObject::connect(actions.MaskView, &QAction::triggered, ui.CheckBox1, &QCheckBox::click);
    QObject::connect(ui.CheckBox1, &QCheckBox::toggled, actions.MaskView, &QAction::setChecked);

    FixColumn(ui.ButtonView);
    FixColumn(ui.MaskView);
    // The palette list gives up the level row's height, so a small map's
    // window stays as low as before.
    ui.Notebook1->setMinimumHeight(
        std::max(0, ui.Notebook1->minimumSizeHint().height() - ui.levelRow->minimumHeight()));
    ui.SpeedButton_Load->setMenu(ui.RecentList->Menu());
    ui.SpeedButton_Load->setPopupMode(QToolButton::MenuButtonPopup);
    return AddStatusPanels(ui.StatusBar1);
}
