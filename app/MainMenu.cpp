#include "app/MainMenu.h"

#include <QCoreApplication>
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

struct Section {
    const char* title;
    std::vector<QAction*> actions;  // nullptr: a separator
};

std::vector<Section> Sections(const MainActions& a)
{
    return {
        {QT_TRANSLATE_NOOP("MainMenu", "ファイル(&F)"),
         {a.New, a.Open, a.Save, a.SaveAs, nullptr, a.SavePicture, a.CopyPicture, nullptr, a.CloseWindow, a.Quit}},
        {QT_TRANSLATE_NOOP("MainMenu", "編集(&E)"),
         {a.Undo, a.Redo, nullptr, a.CutBlock, a.CopyBlock, a.PasteBlock, a.DeleteBlock, nullptr, a.CountersUp,
          a.CountersDown, a.CountersMax, a.CountersZero, nullptr, a.TurnClockwise, a.TurnCounterClockwise,
          a.MirrorLeftRight, a.MirrorTopBottom, a.SaveStamp, nullptr, a.ClearPanels, a.ClearMasks, a.ClearAll, nullptr,
          a.CatalogueEditor, a.MapSize, a.SystemSettings, a.MapCode}},
        {QT_TRANSLATE_NOOP("MainMenu", "表示(&V)"),
         {a.ZoomIn, a.ZoomOut, a.ZoomReset, nullptr, a.MaskView, a.ShowValues, a.Lines, nullptr, a.MenuBar}},
        {QT_TRANSLATE_NOOP("MainMenu", "ツール(&T)"),
         {a.Tool[0], a.Tool[1], a.Tool[2], a.Tool[3], a.Tool[4], a.Tool[5], nullptr, a.LevelUp, a.LevelDown, nullptr,
          a.Figures, a.Breakdown}},
        {QT_TRANSLATE_NOOP("MainMenu", "ヘルプ(&H)"), {a.KeyList, a.About}},
    };
}

void Fill(QMenu* menu, const Section& section)
{
    for (QAction* action : section.actions)
        if (action)
            menu->addAction(action);
        else
            menu->addSeparator();
}

}  // namespace

MainMenu::MainMenu(QMainWindow* window, const MainActions& actions, QToolBar* bar)
    : QObject(window), window_(window), button_(new QToolButton), menuBarAction_(actions.MenuBar)
{
    auto* root = new QMenu(window);
    for (const Section& section : Sections(actions)) {
        Fill(root->addMenu(QCoreApplication::translate("MainMenu", section.title)), section);
        Fill(window->menuBar()->addMenu(QCoreApplication::translate("MainMenu", section.title)), section);
    }
    // Hidden until asked for: the window's own layout starts at its top.
    window->menuBar()->setVisible(false);
    button_->setObjectName(QStringLiteral("menuButton"));
    button_->setText(QCoreApplication::translate("MainMenu", "≡"));
    button_->setToolTip(QCoreApplication::translate("MainMenu", "メニュー"));
    button_->setAccessibleName(QCoreApplication::translate("MainMenu", "メニュー"));
    button_->setMenu(root);
    button_->setPopupMode(QToolButton::InstantPopup);
    button_->setAutoRaise(true);
    button_->setFixedSize(21, 22);
    button_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    // Beside the tool bar, not in it: in a window just wide enough for the
    // six tools it would push the last one behind the "»".
    bar_ = bar;
    button_->setParent(bar->parentWidget());
    bar->installEventFilter(this);
    bar->parentWidget()->installEventFilter(this);
    PlaceButton();
    connect(actions.MenuBar, &QAction::toggled, this, &MainMenu::ShowMenuBar);
    connect(actions.KeyList, &QAction::triggered, window, [window, actions] { ShowKeyList(window, actions); });
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        PlaceButton();
    return QObject::eventFilter(watched, event);
}

void MainMenu::PlaceButton()
{
    const QRect tools = bar_->geometry();
    const int x = tools.right() + 1;
    button_->move(x, tools.top());
    button_->setVisible(x + button_->width() <= bar_->parentWidget()->width());
    button_->raise();
}

bool MainMenu::MenuBarShown() const
{
    return !window_->menuBar()->isHidden();
}

void MainMenu::ShowMenuBar(bool shown)
{
    menuBarAction_->setChecked(shown);
    if (shown == MenuBarShown())
        return;
    window_->menuBar()->setVisible(shown);
    emit menuBarShownChanged(shown);
}

QList<std::pair<QString, QString>> KeyList(const MainActions& actions)
{
    QList<std::pair<QString, QString>> rows;
    for (const Section& section : Sections(actions))
        for (const QAction* action : section.actions) {
            if (!action || action->shortcuts().isEmpty())
                continue;
            QStringList keys;
            for (const QKeySequence& key : action->shortcuts())
                keys << key.toString(QKeySequence::NativeText);
            keys.removeDuplicates();
            rows.append({action->text().remove(QLatin1Char('&')), keys.join(QStringLiteral(", "))});
        }
    // The map's own keys, while it has the focus.
    const char* const mapKeys[][2] = {
        {QT_TRANSLATE_NOOP("MainMenu", "地図: カーソル移動"), "←, →, ↑, ↓"},
        {QT_TRANSLATE_NOOP("MainMenu", "地図: 行の端へ"), "Home, End"},
        {QT_TRANSLATE_NOOP("MainMenu", "地図: 上端・下端の行へ"), "PgUp, PgDown"},
        {QT_TRANSLATE_NOOP("MainMenu", "地図: ツールを使う (直線・矩形・範囲選択は始点と終点)"), "Space, Enter"},
        {QT_TRANSLATE_NOOP("MainMenu", "地図: 右ボタンとして使う"), "Shift+Space"},
    };
    for (const auto& [command, keys] : mapKeys)
        rows.append({QCoreApplication::translate("MainMenu", command), QString::fromUtf8(keys)});
    return rows;
}

void ShowKeyList(QWidget* parent, const MainActions& actions)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("MainMenu", "キー一覧"));
    auto* list = new QTreeWidget;
    list->setHeaderLabels(
        {QCoreApplication::translate("MainMenu", "操作"), QCoreApplication::translate("MainMenu", "キー")});
    list->setRootIsDecorated(false);
    list->setAccessibleName(QCoreApplication::translate("MainMenu", "キー一覧"));
    for (const auto& [command, keys] : KeyList(actions))
        list->addTopLevelItem(new QTreeWidgetItem({command, keys}));
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(420, 520);
    dialog.exec();
}
