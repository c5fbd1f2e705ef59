// The widgets of the main window, placed where the window's design puts
// them; TForm1 keeps pointers to them and all of the behaviour.
#include "app/MainLayout.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DropDst.h"
#include "app/MainActions.h"
#include "app/StampTab.h"
#include "app/MapPicture.h"
#include "app/RecentMapsList.h"
#include "app/ToolbarIcons.h"
#include "app/Unit1.h"
#include "dialogs/AboutBox.h"
#include "widgets/FlatButton.h"

namespace {

void BuildToolbar(TForm1& w);
void BuildSidePanel(TForm1& w);
void BuildPaletteTab(TForm1& w);
void BuildFileTab(TForm1& w);
void BuildInfoTab(TForm1& w);
void BuildStatusBar(TForm1& w);

QToolButton* IconButton(QWidget* parent, const QIcon& icon, const QString& hint, int x)
{
    auto* button = FlatButton(parent, QString(), QRect(x, 2, 23, 22));
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setAccessibleName(hint);  // stays when the hint is cleared
    return button;
}

QTreeWidget* PaletteView(const QString& heading)
{
    auto* view = new QTreeWidget;
    view->setColumnCount(1);
    view->setHeaderLabels({heading});
    view->setRootIsDecorated(false);
    view->setIconSize(QSize(32, 32));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->header()->setSectionResizeMode(QHeaderView::Fixed);
    view->header()->resizeSection(0, 50);
    view->setStyleSheet(QStringLiteral("QTreeView::item { border-bottom: 1px solid #c8c8c8; }"));
    return view;
}

void BuildToolbar(TForm1& w)
{
    w.Panel1 = new QWidget;
    w.Panel1->setFixedHeight(27);
    w.SpeedButton1 = IconButton(w.Panel1, toolbar_icons::Undo(), QCoreApplication::translate("MainLayout", "戻る"), 2);
    w.SpeedButton2 = IconButton(w.Panel1, toolbar_icons::Redo(), QCoreApplication::translate("MainLayout", "進む"), 24);
    w.SpeedButton3 = IconButton(w.Panel1, toolbar_icons::ClearPanels(),
                                QCoreApplication::translate("MainLayout", "パネルクリア"), 48);
    w.SpeedButton5 = IconButton(w.Panel1, toolbar_icons::ClearMasks(),
                                QCoreApplication::translate("MainLayout", "マスククリア"), 70);
    w.SpeedButton6 =
        IconButton(w.Panel1, toolbar_icons::ClearAll(), QCoreApplication::translate("MainLayout", "ALLクリア"), 92);
    w.SpeedButton4 =
        IconButton(w.Panel1, toolbar_icons::Lines(), QCoreApplication::translate("MainLayout", "ライン"), 116);
    w.SpeedButton_a =
        FlatButton(w.Panel1, QCoreApplication::translate("MainLayout", "パネル設定"), QRect(140, 2, 65, 22));
    w.SpeedButton_b =
        FlatButton(w.Panel1, QCoreApplication::translate("MainLayout", "サイズ変更"), QRect(204, 2, 63, 22));
    w.SpeedButton_c =
        FlatButton(w.Panel1, QCoreApplication::translate("MainLayout", "System設定"), QRect(266, 2, 65, 22));
    w.SpeedButton_d =
        FlatButton(w.Panel1, QCoreApplication::translate("MainLayout", "擬似ＭＡＰ"), QRect(330, 2, 65, 22));
    w.CheckBox1 = new QCheckBox(QCoreApplication::translate("MainLayout", "マスク表示"), w.Panel1);
    w.CheckBox1->setGeometry(402, 6, 90, 17);
    w.CheckBox1->setChecked(true);

    // Undo and redo start disabled (as their actions), with their hints off.
    w.SpeedButton1->setToolTip(QString());
    w.SpeedButton2->setToolTip(QString());
    ShowAction(w.SpeedButton1, w.Actions.Undo);
    ShowAction(w.SpeedButton2, w.Actions.Redo);
    ShowAction(w.SpeedButton3, w.Actions.ClearPanels);
    ShowAction(w.SpeedButton5, w.Actions.ClearMasks);
    ShowAction(w.SpeedButton6, w.Actions.ClearAll);
    ShowAction(w.SpeedButton4, w.Actions.Lines);
    ShowAction(w.SpeedButton_a, w.Actions.CatalogueEditor);
    ShowAction(w.SpeedButton_b, w.Actions.MapSize);
    ShowAction(w.SpeedButton_c, w.Actions.SystemSettings);
    ShowAction(w.SpeedButton_d, w.Actions.MapCode);
    QObject::connect(w.CheckBox1, &QCheckBox::clicked, &w, &TForm1::CheckBox1Click);
    // The menu's "マスク表示" clicks the box, so both always agree.
    QObject::connect(w.Actions.MaskView, &QAction::triggered, w.CheckBox1, &QCheckBox::click);
    QObject::connect(w.CheckBox1, &QCheckBox::toggled, w.Actions.MaskView, &QAction::setChecked);
}

void BuildSidePanel(TForm1& w)
{
    w.PageControl1 = new QTabWidget;
    w.PageControl1->setTabPosition(QTabWidget::East);
    w.PageControl1->setFixedWidth(94);
    BuildPaletteTab(w);
    BuildFileTab(w);
    BuildInfoTab(w);
    // After the three tabs, which stay where they are.
    w.StampPage = new StampTab(*w.TileData);
    w.PageControl1->addTab(w.StampPage, QCoreApplication::translate("MainLayout", "スタンプ"));
}

void BuildPaletteTab(TForm1& w)
{
    w.TabSheet1 = new QWidget;
    w.PageControl1->addTab(w.TabSheet1, QCoreApplication::translate("MainLayout", "パネル"));
    auto* layout = new QVBoxLayout(w.TabSheet1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* pager = new QWidget;
    pager->setFixedHeight(22);
    w.SpeedButton_1 = FlatButton(pager, QStringLiteral("<"), QRect(0, 0, 23, 19));
    w.Label_1 = new QLabel(QStringLiteral("1"), pager);
    w.Label_1->setGeometry(24, 4, 23, 12);
    w.Label_1->setAlignment(Qt::AlignCenter);
    w.SpeedButton_2 = FlatButton(pager, QStringLiteral(">"), QRect(46, 0, 23, 19));
    w.SpeedButton_1->setEnabled(false);
    w.SpeedButton_1->setVisible(false);
    w.SpeedButton_2->setVisible(false);
    QObject::connect(w.SpeedButton_1, &QToolButton::clicked, &w, &TForm1::SpeedButton_1Click);
    QObject::connect(w.SpeedButton_2, &QToolButton::clicked, &w, &TForm1::SpeedButton_2Click);
    layout->addWidget(pager);

    w.Notebook1 = new QStackedWidget;
    w.ButtonView = PaletteView(QCoreApplication::translate("MainLayout", "パネル"));
    w.MaskView = PaletteView(QCoreApplication::translate("MainLayout", "マスク"));
    w.ButtonView->setAccessibleName(QCoreApplication::translate("MainLayout", "パネル"));
    w.MaskView->setAccessibleName(QCoreApplication::translate("MainLayout", "マスク"));
    w.Notebook1->addWidget(w.ButtonView);
    w.Notebook1->addWidget(w.MaskView);
    layout->addWidget(w.Notebook1, 1);
    QObject::connect(w.ButtonView, &QTreeWidget::currentItemChanged, &w,
            [&w](QTreeWidgetItem* item) { w.ButtonViewChange(w.ButtonView->indexOfTopLevelItem(item)); });
    QObject::connect(w.ButtonView, &QTreeWidget::itemClicked, &w,
            [&w](QTreeWidgetItem* item) { w.ButtonViewChange(w.ButtonView->indexOfTopLevelItem(item)); });
    QObject::connect(w.MaskView, &QTreeWidget::currentItemChanged, &w,
            [&w](QTreeWidgetItem* item) { w.MaskViewChange(w.MaskView->indexOfTopLevelItem(item)); });
    QObject::connect(w.MaskView, &QTreeWidget::itemClicked, &w,
            [&w](QTreeWidgetItem* item) { w.MaskViewChange(w.MaskView->indexOfTopLevelItem(item)); });

    w.Panel2 = new QWidget;
    w.Panel2->setFixedHeight(49);
    w.Label1_1 = new QLabel(w.Panel2);
    w.Label1_1->setGeometry(2, 2, 68, 12);
    w.Image01 = new QLabel(w.Panel2);
    w.Image01->setGeometry(16, 15, 32, 32);
    w.Image01->setToolTip(QCoreApplication::translate("MainLayout", "海"));
    layout->addWidget(w.Panel2);

    // Below the preview, so nothing of it moves.
    auto* level = new QWidget;
    level->setFixedHeight(24);
    auto* caption = new QLabel(QCoreApplication::translate("MainLayout", "段階"), level);
    caption->setGeometry(2, 4, 26, 16);
    w.LevelBox = new QSpinBox(level);
    w.LevelBox->setGeometry(28, 1, 44, 22);
    w.LevelBox->setToolTip(QCoreApplication::translate("MainLayout", "ブラシ・直線・矩形・塗りつぶしの段階 ([ と ])"));
    caption->setBuddy(w.LevelBox);
    layout->addWidget(level);
    // The palette list gives up the level row's height, so a small map's
    // window stays as low as before.
    w.Notebook1->setMinimumHeight(std::max(0, w.Notebook1->minimumSizeHint().height() - level->height()));
}

void BuildFileTab(TForm1& w)
{
    w.TabSheet2 = new QWidget;
    w.PageControl1->addTab(w.TabSheet2, QCoreApplication::translate("MainLayout", "ファイル"));
    w.SpeedButton_Save = FlatButton(w.TabSheet2, QStringLiteral("Save"), QRect(2, 2, 64, 22));
    w.SpeedButton_Load = FlatButton(w.TabSheet2, QStringLiteral("Load"), QRect(2, 26, 64, 22));
    w.DragDropPanel = new QLabel(QStringLiteral("Drop"), w.TabSheet2);
    w.DragDropPanel->setGeometry(2, 52, 64, 64);
    w.DragDropPanel->setAlignment(Qt::AlignCenter);
    w.DragDropPanel->setFrameShape(QFrame::Panel);
    w.DragDropPanel->setFrameShadow(QFrame::Sunken);
    w.SpeedButton_Png =
        FlatButton(w.TabSheet2, QCoreApplication::translate("MainLayout", "画像保存"), QRect(2, 120, 64, 22));
    w.SpeedButton_New =
        FlatButton(w.TabSheet2, QCoreApplication::translate("MainLayout", "新規"), QRect(2, 144, 64, 22));
    auto* about = FlatButton(w.TabSheet2, QStringLiteral("About"), QRect(2, 168, 64, 22));
    about->setToolTip(QCoreApplication::translate("MainLayout", "ISPLN について"));
    ShowAction(about, w.Actions.About);
    // The recent files take the rest of the tab, below the buttons, and
    // the drop-down of "Load".
    w.RecentList = new RecentMapsList(w.TabSheet2, 194);
    w.RecentList->setAccessibleName(QCoreApplication::translate("MainLayout", "最近のファイル"));
    w.SpeedButton_Load->setMenu(w.RecentList->Menu());
    w.SpeedButton_Load->setPopupMode(QToolButton::MenuButtonPopup);
    QObject::connect(w.RecentList, &RecentMapsList::openRequested, &w, &TForm1::RecentListOpen);

    w.DropDst1 = new TDropDst(&w);
    w.DropDst1->Attach(w.DragDropPanel);
    // Users expect the map itself to take a dropped file too.
    w.DropDst1->Attach(w.ScrollBox1->viewport());
    w.DropDst1->Attach(w.Image1);
    QObject::connect(w.DropDst1, &TDropDst::fileDropped, &w, &TForm1::DropDst1FileDrop);

    ShowAction(w.SpeedButton_Save, w.Actions.SaveAs);
    ShowAction(w.SpeedButton_Load, w.Actions.Open);
    ShowAction(w.SpeedButton_New, w.Actions.New);
    ShowAction(w.SpeedButton_Png, w.Actions.SavePicture);
}

void BuildInfoTab(TForm1& w)
{
    w.TabSheet3 = new QWidget;
    w.PageControl1->addTab(w.TabSheet3, QCoreApplication::translate("MainLayout", "情報"));
    w.SpeedButton_In =
        FlatButton(w.TabSheet3, QCoreApplication::translate("MainLayout", "自動入力"), QRect(2, 0, 61, 22));
    struct Pair {
        QLabel** label;
        QLineEdit** edit;
        const char* caption;
        int lx, ly, ex, ey, width;
    };
    const Pair pairs[] = {
        {&w.Label1, &w.Edit1, QT_TRANSLATE_NOOP("MainLayout", "人口"), 0, 24, 0, 36, 67},
        {&w.Label2, &w.Edit2, QT_TRANSLATE_NOOP("MainLayout", "面積"), 0, 58, 0, 70, 67},
        {&w.Label3, &w.Edit3, QT_TRANSLATE_NOOP("MainLayout", "資金増加量"), 0, 96, 0, 108, 67},
        {&w.Label4, &w.Edit4, QT_TRANSLATE_NOOP("MainLayout", "食料増加量"), 0, 130, 0, 142, 67},
        {&w.Label5, &w.Edit5, QT_TRANSLATE_NOOP("MainLayout", "農業"), 0, 168, 0, 180, 67},
        {&w.Label6, &w.Edit6, QT_TRANSLATE_NOOP("MainLayout", "工業"), 0, 200, 0, 212, 67},
        {&w.Label7, &w.Edit7, QT_TRANSLATE_NOOP("MainLayout", "採掘場"), 488, 0, 490, 12, 70},
        {&w.Label8, &w.Edit8, QT_TRANSLATE_NOOP("MainLayout", "労働者"), 0, 240, 0, 252, 67},
        {&w.Label9, &w.Edit9, QT_TRANSLATE_NOOP("MainLayout", "失業者"), 0, 272, 0, 284, 67},
        {&w.Label10, &w.Edit10, QT_TRANSLATE_NOOP("MainLayout", "ミサイル数"), 0, 312, 0, 324, 67},
    };
    for (const Pair& p : pairs) {
        *p.label = new QLabel(QCoreApplication::translate("MainLayout", p.caption), w.TabSheet3);
        (*p.label)->setGeometry(p.lx, p.ly, p.width, 12);
        *p.edit = new QLineEdit(w.TabSheet3);
        (*p.edit)->setGeometry(p.ex, p.ey, p.width, 20);
        (*p.edit)->setReadOnly(true);
        (*p.label)->setBuddy(*p.edit);
        (*p.edit)->setAccessibleName((*p.label)->text());
    }
    w.SpeedButton_In2 =
        FlatButton(w.TabSheet3, QCoreApplication::translate("MainLayout", "個別情報"), QRect(2, 346, 64, 22));
    // Below the tab's own controls, so none of them moves.
    w.CheckBox_Live = new QCheckBox(QCoreApplication::translate("MainLayout", "自動更新"), w.TabSheet3);
    w.CheckBox_Live->setGeometry(0, 372, 70, 18);
    ShowAction(w.SpeedButton_In, w.Actions.Figures);
    ShowAction(w.SpeedButton_In2, w.Actions.Breakdown);
}

void BuildStatusBar(TForm1& w)
{
    w.StatusBar1 = w.statusBar();
    w.StatusBar1->setSizeGripEnabled(true);
    const int widths[3] = {60, 150, 50};
    for (int i = 0; i < 3; ++i) {
        w.StatusPanel[i] = new QLabel;
        w.StatusPanel[i]->setFixedWidth(widths[i]);
        w.StatusPanel[i]->setFrameShape(QFrame::Panel);
        w.StatusPanel[i]->setFrameShadow(QFrame::Sunken);
        if (i < 2)
            w.StatusPanel[i]->setAlignment(Qt::AlignCenter);
        w.StatusBar1->addWidget(w.StatusPanel[i]);
    }
    // After the cell panels, which keep their places.
    w.StatusFigures = new QLabel;
    w.StatusBar1->addWidget(w.StatusFigures, 1);
}

}  // namespace

void BuildMainLayout(TForm1& w)
{
    auto* central = new QWidget(&w);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildToolbar(w);
    column->addWidget(w.Panel1);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    w.ScrollBox1 = new QScrollArea;
    w.ScrollBox1->setFrameShape(QFrame::NoFrame);
    w.ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    w.Image1 = new MapPicture(*w.Renderer);
    w.ScrollBox1->setWidget(w.Image1);
    row->addWidget(w.ScrollBox1, 1);
    BuildSidePanel(w);
    row->addWidget(w.PageControl1);
    column->addLayout(row, 1);
    w.setCentralWidget(central);

    BuildStatusBar(w);
}
