#include "app/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/Config.h"
#include "app/DropDst.h"
#include "app/MainActions.h"
#include "settings/IniFile.h"
#include "app/MapPicture.h"
#include "app/MapZoom.h"
#include "app/RecentMapsList.h"
#include "dialogs/Messages.h"
#include "app/Palette.h"
#include "app/ToolbarIcons.h"
#include "session/RecoveryCopy.h"
#include "view/MapRenderer.h"
#include "view/ViewZoom.h"

namespace {

QToolButton* FlatButton(QWidget* parent, const QString& caption, QRect geometry)
{
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    return button;
}

QToolButton* IconButton(QWidget* parent, const QIcon& icon, const QString& hint, int x)
{
    auto* button = FlatButton(parent, QString(), QRect(x, 2, 23, 22));
    button->setIcon(icon);
    button->setToolTip(hint);
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

}  // namespace

TForm1::TForm1(const QString& exeDir, const QStringList& args, QWidget* parent)
    : QMainWindow(parent), exeDir(exeDir), args(args)
{
    // FormCreate: the window shows one map session.
    Session = new MapSession(this);
    TileData = &Session->Doc();
    Session->Recovery().SetFolder(QFileInfo(IniPath()).absolutePath());
    Renderer = std::make_unique<MapRenderer>(*TileData);

    setWindowTitle(QStringLiteral("ISPLN  Ver 1.00"));
    Actions = CreateMainActions(this);
    resize(640, 480);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildToolbar();
    column->addWidget(Panel1);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new MapPicture(*Renderer);
    ScrollBox1->setWidget(Image1);
    row->addWidget(ScrollBox1, 1);
    BuildSidePanel();
    row->addWidget(PageControl1);
    column->addLayout(row, 1);
    setCentralWidget(central);

    BuildStatusBar();
    Zoom = new MapZoom(ScrollBox1, Image1, StatusBar1, this);
    ConnectActions();
    ConnectMap();
    ConnectSession();
    ConnectLiveFigures();

    Palettes = std::make_unique<Palette>(ButtonView, MaskView);
    TileData->Palette = Palettes.get();
    TileData->View = Renderer.get();
}

TForm1::~TForm1()
{
    // FormDestroy
    ListsReady = false;
    TileData->View = nullptr;
    TileData->Palette = nullptr;
}

void TForm1::BuildToolbar()
{
    Panel1 = new QWidget;
    Panel1->setFixedHeight(27);
    SpeedButton1 = IconButton(Panel1, toolbar_icons::Undo(), QStringLiteral("戻る"), 2);
    SpeedButton2 = IconButton(Panel1, toolbar_icons::Redo(), QStringLiteral("進む"), 24);
    SpeedButton3 = IconButton(Panel1, toolbar_icons::ClearPanels(), QStringLiteral("パネルクリア"), 48);
    SpeedButton5 = IconButton(Panel1, toolbar_icons::ClearMasks(), QStringLiteral("マスククリア"), 70);
    SpeedButton6 = IconButton(Panel1, toolbar_icons::ClearAll(), QStringLiteral("ALLクリア"), 92);
    SpeedButton4 = IconButton(Panel1, toolbar_icons::Lines(), QStringLiteral("ライン"), 116);
    SpeedButton_a = FlatButton(Panel1, QStringLiteral("パネル設定"), QRect(140, 2, 65, 22));
    SpeedButton_b = FlatButton(Panel1, QStringLiteral("サイズ変更"), QRect(204, 2, 63, 22));
    SpeedButton_c = FlatButton(Panel1, QStringLiteral("System設定"), QRect(266, 2, 65, 22));
    SpeedButton_d = FlatButton(Panel1, QStringLiteral("擬似ＭＡＰ"), QRect(330, 2, 65, 22));
    CheckBox1 = new QCheckBox(QStringLiteral("マスク表示"), Panel1);
    CheckBox1->setGeometry(402, 6, 90, 17);
    CheckBox1->setChecked(true);
    // However small the map, the whole toolbar stays in the window.
    Panel1->setMinimumWidth(CheckBox1->geometry().right() + 3);

    // Undo and redo start disabled (as their actions), with their hints off.
    SpeedButton1->setToolTip(QString());
    SpeedButton2->setToolTip(QString());
    ShowAction(SpeedButton1, Actions.Undo);
    ShowAction(SpeedButton2, Actions.Redo);
    ShowAction(SpeedButton3, Actions.ClearPanels);
    ShowAction(SpeedButton5, Actions.ClearMasks);
    ShowAction(SpeedButton6, Actions.ClearAll);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(SpeedButton_a, &QToolButton::clicked, this, &TForm1::SpeedButton_aClick);
    connect(SpeedButton_b, &QToolButton::clicked, this, &TForm1::SpeedButton_bClick);
    connect(SpeedButton_c, &QToolButton::clicked, this, &TForm1::SpeedButton_cClick);
    connect(SpeedButton_d, &QToolButton::clicked, this, &TForm1::SpeedButton_dClick);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
}

void TForm1::BuildSidePanel()
{
    PageControl1 = new QTabWidget;
    PageControl1->setTabPosition(QTabWidget::East);
    PageControl1->setFixedWidth(94);
    // Room for the pager, a few palette rows and the preview on a tiny map.
    PageControl1->setMinimumHeight(300);
    BuildPaletteTab();
    BuildFileTab();
    BuildInfoTab();
}

void TForm1::BuildPaletteTab()
{
    TabSheet1 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("パネル"));
    auto* layout = new QVBoxLayout(TabSheet1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* pager = new QWidget;
    pager->setFixedHeight(22);
    SpeedButton_1 = FlatButton(pager, QStringLiteral("<"), QRect(0, 0, 23, 19));
    Label_1 = new QLabel(QStringLiteral("1"), pager);
    Label_1->setGeometry(24, 4, 23, 12);
    Label_1->setAlignment(Qt::AlignCenter);
    SpeedButton_2 = FlatButton(pager, QStringLiteral(">"), QRect(46, 0, 23, 19));
    SpeedButton_1->setEnabled(false);
    SpeedButton_1->setVisible(false);
    SpeedButton_2->setVisible(false);
    connect(SpeedButton_1, &QToolButton::clicked, this, &TForm1::SpeedButton_1Click);
    connect(SpeedButton_2, &QToolButton::clicked, this, &TForm1::SpeedButton_2Click);
    layout->addWidget(pager);

    Notebook1 = new QStackedWidget;
    ButtonView = PaletteView(QStringLiteral("パネル"));
    MaskView = PaletteView(QStringLiteral("マスク"));
    Notebook1->addWidget(ButtonView);
    Notebook1->addWidget(MaskView);
    layout->addWidget(Notebook1, 1);
    connect(ButtonView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { ButtonViewChange(ButtonView->indexOfTopLevelItem(item)); });
    connect(ButtonView, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ButtonViewChange(ButtonView->indexOfTopLevelItem(item)); });
    connect(MaskView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { MaskViewChange(MaskView->indexOfTopLevelItem(item)); });
    connect(MaskView, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { MaskViewChange(MaskView->indexOfTopLevelItem(item)); });

    Panel2 = new QWidget;
    Panel2->setFixedHeight(49);
    Label1_1 = new QLabel(Panel2);
    Label1_1->setGeometry(2, 2, 68, 12);
    Image01 = new QLabel(Panel2);
    Image01->setGeometry(16, 15, 32, 32);
    Image01->setToolTip(QStringLiteral("海"));
    layout->addWidget(Panel2);
}

void TForm1::BuildFileTab()
{
    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet2, QStringLiteral("ファイル"));
    SpeedButton_Save = FlatButton(TabSheet2, QStringLiteral("Save"), QRect(2, 2, 64, 22));
    SpeedButton_Load = FlatButton(TabSheet2, QStringLiteral("Load"), QRect(2, 26, 64, 22));
    DragDropPanel = new QLabel(QStringLiteral("Drop"), TabSheet2);
    DragDropPanel->setGeometry(2, 52, 64, 64);
    DragDropPanel->setAlignment(Qt::AlignCenter);
    DragDropPanel->setFrameShape(QFrame::Panel);
    DragDropPanel->setFrameShadow(QFrame::Sunken);
    SpeedButton_Png = FlatButton(TabSheet2, QStringLiteral("画像保存"), QRect(2, 120, 64, 22));
    // The recent files take the rest of the tab, below the buttons.
    RecentList = new RecentMapsList;
    auto* below = new QVBoxLayout(TabSheet2);
    below->setContentsMargins(2, 146, 2, 2);
    below->addWidget(RecentList);
    connect(RecentList, &RecentMapsList::openRequested, this, &TForm1::RecentListOpen);

    DropDst1 = new TDropDst(this);
    DropDst1->Attach(DragDropPanel);
    // Users expect the map itself to take a dropped file too.
    DropDst1->Attach(ScrollBox1->viewport());
    DropDst1->Attach(Image1);
    connect(DropDst1, &TDropDst::fileDropped, this, &TForm1::DropDst1FileDrop);

    ShowAction(SpeedButton_Save, Actions.SaveAs);
    ShowAction(SpeedButton_Load, Actions.Open);
    connect(SpeedButton_Png, &QToolButton::clicked, this, &TForm1::SpeedButton_PngClick);
}

void TForm1::BuildInfoTab()
{
    TabSheet3 = new QWidget;
    PageControl1->addTab(TabSheet3, QStringLiteral("情報"));
    SpeedButton_In = FlatButton(TabSheet3, QStringLiteral("自動入力"), QRect(2, 0, 61, 22));
    struct Pair {
        QLabel** label;
        QLineEdit** edit;
        const char* caption;
        int lx, ly, ex, ey, width;
    };
    const Pair pairs[] = {
        {&Label1, &Edit1, "人口", 0, 24, 0, 36, 67},
        {&Label2, &Edit2, "面積", 0, 58, 0, 70, 67},
        {&Label3, &Edit3, "資金増加量", 0, 96, 0, 108, 67},
        {&Label4, &Edit4, "食料増加量", 0, 130, 0, 142, 67},
        {&Label5, &Edit5, "農業", 0, 168, 0, 180, 67},
        {&Label6, &Edit6, "工業", 0, 200, 0, 212, 67},
        {&Label7, &Edit7, "採掘場", 488, 0, 490, 12, 70},
        {&Label8, &Edit8, "労働者", 0, 240, 0, 252, 67},
        {&Label9, &Edit9, "失業者", 0, 272, 0, 284, 67},
        {&Label10, &Edit10, "ミサイル数", 0, 312, 0, 324, 67},
    };
    for (const Pair& p : pairs) {
        *p.label = new QLabel(QString::fromUtf8(p.caption), TabSheet3);
        (*p.label)->setGeometry(p.lx, p.ly, p.width, 12);
        *p.edit = new QLineEdit(TabSheet3);
        (*p.edit)->setGeometry(p.ex, p.ey, p.width, 20);
        (*p.edit)->setReadOnly(true);
    }
    SpeedButton_In2 = FlatButton(TabSheet3, QStringLiteral("個別情報"), QRect(2, 346, 64, 22));
    // Below the tab's own controls, so none of them moves.
    CheckBox_Live = new QCheckBox(QStringLiteral("自動更新"), TabSheet3);
    CheckBox_Live->setGeometry(0, 372, 70, 18);
    connect(SpeedButton_In, &QToolButton::clicked, this, &TForm1::SpeedButton_InClick);
    connect(SpeedButton_In2, &QToolButton::clicked, this, &TForm1::SpeedButton_In2Click);
}

void TForm1::BuildStatusBar()
{
    StatusBar1 = statusBar();
    StatusBar1->setSizeGripEnabled(true);
    const int widths[3] = {60, 150, 50};
    for (int i = 0; i < 3; ++i) {
        StatusPanel[i] = new QLabel;
        StatusPanel[i]->setFixedWidth(widths[i]);
        StatusPanel[i]->setFrameShape(QFrame::Panel);
        StatusPanel[i]->setFrameShadow(QFrame::Sunken);
        if (i < 2)
            StatusPanel[i]->setAlignment(Qt::AlignCenter);
        StatusBar1->addWidget(StatusPanel[i]);
    }
    // After the cell panels, which keep their places.
    StatusFigures = new QLabel;
    StatusBar1->addWidget(StatusFigures, 1);
}

void TForm1::ConnectMap()
{
    connect(Renderer.get(), &MapRenderer::changed, Image1, &MapPicture::UpdatePicture);
    connect(Renderer.get(), &MapRenderer::resized, Image1, &MapPicture::FitToPicture);
    // A click becomes an edit: MapPicture -> Image1MouseDown -> MapSession::EditAt.
    connect(Image1, &MapPicture::mouseDown, this, [this](Qt::MouseButton b, QPoint p) { Image1MouseDown(b, p.x(), p.y()); });
    connect(Image1, &MapPicture::mouseMoved, this, [this](QPoint p) { Image1MouseMove(p.x(), p.y()); });
    connect(Image1, &MapPicture::mouseUp, this, [this](Qt::MouseButton b, QPoint p) { Image1MouseUp(b, p.x(), p.y()); });
}

void TForm1::ConnectActions()
{
    const std::pair<QAction*, void (TForm1::*)()> commands[] = {
        {Actions.Undo, &TForm1::SpeedButton1Click},        {Actions.Redo, &TForm1::SpeedButton2Click},
        {Actions.ClearPanels, &TForm1::SpeedButton3Click}, {Actions.ClearMasks, &TForm1::SpeedButton5Click},
        {Actions.ClearAll, &TForm1::SpeedButton6Click},    {Actions.SaveAs, &TForm1::SpeedButton_SaveClick},
        {Actions.Open, &TForm1::SpeedButton_LoadClick},    {Actions.CopyPicture, &TForm1::CopyPicture},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    // Ctrl+S answers whether it saved; the action has no use for it.
    connect(Actions.Save, &QAction::triggered, this, [this] { SaveMap(); });
    connect(Actions.ZoomIn, &QAction::triggered, Zoom, &MapZoom::ZoomIn);
    connect(Actions.ZoomOut, &QAction::triggered, Zoom, &MapZoom::ZoomOut);
    connect(Actions.ZoomReset, &QAction::triggered, Zoom, &MapZoom::ZoomReset);
}

void TForm1::ConnectSession()
{
    connect(Session, &MapSession::modifiedChanged, this, &TForm1::UpdateCaption);
    connect(Session, &MapSession::fileChanged, this, [this](const QString& path) {
        if (!path.isEmpty())
            lastFolder = QFileInfo(path).absolutePath();
        UpdateCaption();
    });
    connect(Session, &MapSession::historyChanged, this, &TForm1::UpdateHistoryEnabled);
    connect(Session, &MapSession::cellsChanged, this, &TForm1::FiguresChanged);
    connect(Session, &MapSession::mapReplaced, this, &TForm1::FiguresChanged);
    connect(Session, &MapSession::recentChanged, this, [this] { RecentList->Show(Session->Recent()); });
    connect(Session, &MapSession::recoveryWriteFailed, this, [this](const QString& reason) {
        StatusBar1->showMessage(QStringLiteral("復元用ファイルを書き込めません: ") + reason);
    });
}

QString TForm1::IniPath() const
{
    return exeDir + QStringLiteral("/isplan.ini");
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown) {
        shown = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    TTileData& doc = *TileData;
    doc.ExePath = exeDir.toStdString() + "/";
    doc.TileCount = 0;
    doc.Selected = 0;
    doc.CursorX = 0;
    doc.CursorY = 0;
    doc.SetLastX(0);
    doc.SetLastY(0);
    doc.CursorValid = false;
    doc.LineMode = false;

    IniFile ini;
    if (!ini.Load(IniPath().toStdString()) && QFileInfo::exists(IniPath())) {
        // Start with the defaults; the file is not ours to overwrite.
        iniUnreadable = true;
        ShowError(this, QStringLiteral("%1 を読み込めません").arg(IniPath()));
        if (StartupInterrupted())
            return;
    }
    ApplyConfig(ReadConfig(ini, doc.ExePath), doc);
    Zoom->SetAround(ReadZoom(ini), QPointF(0, 0));  // the view starts at the top left
    CheckBox_Live->setChecked(ReadLiveFigures(ini));
    Session->Recent().Read(ini);
    RecentList->Show(Session->Recent());

    // The first panel is active.
    doc.Selected = 0;
    ShowPreview(Palettes->TileImage(0), QString::fromStdString(doc.Tile[0].Name));
    UpdatePageButtons();

    doc.Stats = IslandStats{};
    ShowStats();

    // A restored copy takes the place of the usual start-up file.
    if (OfferRecovery()) {
        if (doc.Sys.Window)
            FitWindowToMap(doc.LastY, doc.LastX);
        doc.RedrawMap();
    } else {
        FileOpenAtStart();
    }
    if (startupClosed || StartupInterrupted())
        return;
    ListsReady = true;
}

bool TForm1::StartupInterrupted()
{
    // Closed from outside while a start-up message or dialog was up: the
    // settings are written already; go no further.
    if (closed)
        startupClosed = true;
    return closed;
}

void TForm1::CloseFromOutside()
{
    closingFromOutside = true;
    SendMessagesToStandardError();
    // While the close box's question is up a second close is ignored, so
    // the question itself (and any save dialog behind it) must give way.
    if (asking)
        RejectOpenDialogs();
    close();
    // Ends every event loop, modal ones included; before the main loop runs
    // (start-up) StartupClosed() stops the program instead.
    QCoreApplication::exit(0);
}

void TForm1::RejectOpenDialogs()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
            dialog->reject();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A close from outside never waits for an answer: the recovery copy
    // keeps the work instead. It may also arrive while the question is up.
    if (!closed && !closingFromOutside) {
        const bool goOn = ConfirmDiscard();
        if (!goOn && !closingFromOutside) {
            event->ignore();
            return;
        }
    }
    if (!closed) {
        closed = true;
        Session->Recovery().OnClose(closingFromOutside);
        FormClose();
    }
    event->accept();
    // A close from outside (a signal, the session ending) can arrive while a
    // dialog is open; cancel it so that the program really ends.
    RejectOpenDialogs();
}

bool TForm1::FormClose()
{
    if (iniUnreadable)
        return true;
    // Rewrite the file we read so that keys we do not own stay as they were;
    // one that can no longer be read is not overwritten.
    const std::string path = IniPath().toStdString();
    IniFile ini;
    Result done = ini.Load(path);
    if (done || !QFileInfo::exists(IniPath())) {
        WriteConfig(ini, *TileData);
        WriteZoom(ini, Zoom->Percent());
        WriteLiveFigures(ini, CheckBox_Live->isChecked());
        Session->Recent().Write(ini);
        done = ini.Save(path);
        if (done)
            return true;
    }
    // The user is never trapped in a window that cannot close: tell, then end.
    ShowError(this, QStringLiteral("%1 に書き込めません").arg(IniPath()) +
                        (closingFromOutside ? QStringLiteral(": ") + QString::fromLocal8Bit(done.Reason.c_str()) : QString()));
    return false;
}

void TForm1::FitWindowToMap(int lastRow, int lastColumn)
{
    if (isMaximized())
        return;
    // The window's chrome around the map area is measured, not assumed, so
    // the picture just fits on any platform's frame. The whole scroll area
    // is measured: scroll bars shown now must not count as chrome.
    const QRect atFullSize(0, 0, 32 * lastColumn + 48, 32 * lastRow + 48);
    const QSize picture = view_zoom::ToView(atFullSize, Zoom->Percent()).size();
    const QSize chrome = size() - ScrollBox1->size();
    // Never beyond the screen's free area: the scroll area takes the rest.
    const QRect area = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    resize((picture + chrome).boundedTo(area.size() - frame));
    const QRect outer(frameGeometry().topLeft(), size() + frame);
    if (!area.contains(outer))
        move(std::clamp(outer.left(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
             std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
}

void TForm1::ShowPreview(const QImage& image, const QString& name)
{
    Image01->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    Image01->setToolTip(name);
    Label1_1->setText(name);
}

void TForm1::ButtonViewChange(int index)
{
    if (index < 0 || index >= ButtonView->topLevelItemCount() || !ListsReady)
        return;
    TileData->Selected = index;
    ShowPreview(Palettes->TileImage(index), Palette::ItemName(ButtonView, index));
}

void TForm1::MaskViewChange(int index)
{
    if (index < 0 || index >= MaskView->topLevelItemCount() || !ListsReady)
        return;
    TileData->Selected = index + MaxTiles;
    ShowPreview(Palettes->MaskImage(index), Palette::ItemName(MaskView, index));
}

void TForm1::SpeedButton_1Click()
{
    int p = Notebook1->currentIndex() - 1;
    if (p <= 0) {
        SpeedButton_1->setEnabled(false);
        p = 0;
    }
    SpeedButton_2->setEnabled(true);
    Notebook1->setCurrentIndex(p);
    Label_1->setText(QString::number(p + 1));
}

void TForm1::SpeedButton_2Click()
{
    int p = Notebook1->currentIndex() + 1;
    if (p >= 1) {
        SpeedButton_2->setEnabled(false);
        p = 1;
    }
    SpeedButton_1->setEnabled(true);
    Notebook1->setCurrentIndex(p);
    Label_1->setText(QString::number(p + 1));
}

void TForm1::UpdatePageButtons()
{
    const bool visible = TileData->TileCount > 20;
    SpeedButton_1->setVisible(visible);
    SpeedButton_2->setVisible(visible);
    Notebook1->setCurrentIndex(0);
}
