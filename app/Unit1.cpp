#include "app/Unit1.h"

#include <QAction>
#include <QCoreApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

#include "BuildInfo.h"
#include "app/ChangeViews.h"
#include "app/FigureBoxes.h"
#include "app/MainActions.h"
#include "app/MainLayout.h"
#include "app/MainMenu.h"
#include "app/StampTab.h"
#include "app/MapKeyCursor.h"
#include "app/MainStatus.h"
#include "app/MapFileDialogs.h"
#include "app/MapPan.h"
#include "app/MapPicture.h"
#include "app/MapTools.h"
#include "app/MapZoom.h"
#include "app/Palette.h"
#include "app/RecentMapsList.h"
#include "app/RecoveryOffer.h"
#include "app/ProgramInfo.h"
#include "app/WindowFit.h"
#include "dialogs/AboutBox.h"
#include "dialogs/Messages.h"
#include "files/NativePath.h"
#include "session/RecoveryCopy.h"
#include "settings/IniFile.h"
#include "view/MapRenderer.h"

TForm1::TForm1(const QString& exeDir, const QStringList& args, QWidget* parent)
    : QMainWindow(parent), exeDir(exeDir), args(args), settings(IniPath(), this)
{
    // FormCreate: the window shows one map session.
    Session = new MapSession(this);
    TileData = &Session->Doc();
    Session->Recovery().SetFolder(QFileInfo(IniPath()).absolutePath());
    Renderer = std::make_unique<MapRenderer>(*TileData);

    setWindowTitle(QStringLiteral("ISPLN  Ver " ISPLN_CAPTION_VERSION));
    Actions = CreateMainActions(this);
    resize(640, 480);

    BuildMainLayout(*this);
    Tools = new MapTools(*TileData, *Renderer, Image1, Panel1, CheckBox1->geometry().right() + 3, StatusBar1, Actions);
    Tools->AttachLevelBox(LevelBox);
    Menu = new MainMenu(this, Actions, Tools->Bar);
    KeyCursor = new MapKeyCursor(*TileData, Image1, ScrollBox1, *Tools);
    Zoom = new MapZoom(ScrollBox1, Image1, StatusBar1, this);
    Fit = new WindowFit(this, ScrollBox1);
    Pan = std::make_unique<MapPan>(ScrollBox1, Image1);
    Files = new MapFileDialogs(*Session, this);
    ConnectActions();
    ConnectMap();
    ConnectSession();
    Figures = new FigureBoxes({Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10}, CheckBox_Live,
                              *Session);
    Status = new MainStatus(StatusBar1, StatusPanel[0], StatusPanel[1], StatusFigures, *Session, *Figures->Live);

    Palettes = std::make_unique<Palette>(ButtonView, MaskView);
    ConnectViews(*Session, *Renderer, *Palettes);
}

TForm1::~TForm1()
{
    // FormDestroy
    ListsReady = false;
}

void TForm1::ConnectMap()
{
    connect(Renderer.get(), &MapRenderer::changed, Image1, &MapPicture::UpdatePicture);
    connect(Renderer.get(), &MapRenderer::resized, Image1, &MapPicture::FitToPicture);
    // A click becomes an edit: MapPicture -> Image1MouseDown -> MapSession::EditAt.
    connect(Image1, &MapPicture::mouseDown, this, [this](Qt::MouseButton b, QPoint p) { Image1MouseDown(b, p.x(), p.y()); });
    connect(Image1, &MapPicture::mouseMoved, this, [this](QPoint p) { Image1MouseMove(p.x(), p.y()); });
    connect(Image1, &MapPicture::mouseUp, this, [this](Qt::MouseButton b, QPoint p) { Image1MouseUp(b, p.x(), p.y()); });
    // The keyboard's cursor takes the mouse's path.
    connect(KeyCursor, &MapKeyCursor::press, this, [this](Qt::MouseButton b, QPoint p) { Image1MouseDown(b, p.x(), p.y()); });
    connect(KeyCursor, &MapKeyCursor::pointAt, this, [this](QPoint p) { Image1MouseMove(p.x(), p.y()); });
    connect(KeyCursor, &MapKeyCursor::release, this, [this](Qt::MouseButton b, QPoint p) { Image1MouseUp(b, p.x(), p.y()); });
    connect(Tools, &MapTools::editsReady, this, &TForm1::ApplyToolEdits);
    connect(Session, &MapSession::operationEnded, Tools, &MapTools::EndDrag);
    connect(Tools, &MapTools::clickRequested, this, &TForm1::ClickAt);
}

void TForm1::ConnectActions()
{
    const std::pair<QAction*, void (TForm1::*)()> commands[] = {
        {Actions.Undo, &TForm1::SpeedButton1Click},        {Actions.Redo, &TForm1::SpeedButton2Click},
        {Actions.ClearPanels, &TForm1::SpeedButton3Click}, {Actions.ClearMasks, &TForm1::SpeedButton5Click},
        {Actions.ClearAll, &TForm1::SpeedButton6Click},    {Actions.SaveAs, &TForm1::SpeedButton_SaveClick},
        {Actions.Open, &TForm1::SpeedButton_LoadClick},    {Actions.CopyPicture, &TForm1::CopyPicture},
        {Actions.New, &TForm1::NewMap},
        {Actions.SavePicture, &TForm1::SpeedButton_PngClick}, {Actions.CatalogueEditor, &TForm1::SpeedButton_aClick},
        {Actions.MapSize, &TForm1::SpeedButton_bClick},       {Actions.SystemSettings, &TForm1::SpeedButton_cClick},
        {Actions.MapCode, &TForm1::SpeedButton_dClick},       {Actions.Lines, &TForm1::SpeedButton4Click},
        {Actions.Figures, &TForm1::SpeedButton_InClick},      {Actions.Breakdown, &TForm1::SpeedButton_In2Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    connect(Actions.Save, &QAction::triggered, Files, &MapFileDialogs::Save);
    connect(Actions.ZoomIn, &QAction::triggered, Zoom, &MapZoom::ZoomIn);
    connect(Actions.ZoomOut, &QAction::triggered, Zoom, &MapZoom::ZoomOut);
    connect(Actions.ZoomReset, &QAction::triggered, Zoom, &MapZoom::ZoomReset);
    // One window per program: closing it ends the program, after the question.
    connect(Actions.CloseWindow, &QAction::triggered, this, &QWidget::close);
    connect(Actions.Quit, &QAction::triggered, this, &QWidget::close);
    connect(Actions.About, &QAction::triggered, this, [this] { ShowAboutBox(this); });
    connect(Actions.SaveStamp, &QAction::triggered, this, &TForm1::SaveSelectionAsStamp);
    connect(StampPage, &StampTab::saveRequested, this, &TForm1::SaveSelectionAsStamp);
    connect(StampPage, &StampTab::stampChosen, this, &TForm1::PlaceStamp);
    connect(StampPage, &StampTab::islandChosen, this, &TForm1::OpenStampAsMap);
    // The stamps are listed when their tab is first shown.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (PageControl1->currentWidget() == StampPage && StampPage->Folder().isEmpty())
            StampPage->SetFolder(StampFolder());
    });
    // The menu bar is chrome the fit counts: the map keeps its whole size.
    connect(Menu, &MainMenu::menuBarShownChanged, this, [this] {
        if (layout())
            layout()->activate();
        FollowMapSize();
    });
}

void TForm1::ConnectSession()
{
    connect(Session, &MapSession::modifiedChanged, this, &TForm1::UpdateCaption);
    connect(Session, &MapSession::fileChanged, this, &TForm1::UpdateCaption);
    connect(Session, &MapSession::markedChangedOnDiskChanged, this, &TForm1::UpdateCaption);
    connect(Session, &MapSession::historyChanged, this, &TForm1::UpdateHistoryEnabled);
    connect(Session, &MapSession::recentChanged, this, [this] { RecentList->Show(Session->Recent()); });
    // Whatever the result, the history hints and the window follow the map.
    connect(Files, &MapFileDialogs::openTried, this, [this](bool fitWindow) {
        UpdateHistoryButtons();
        if (fitWindow)
            FollowMapSize();
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

    if (!SettingsProblem.isEmpty()) {
        Session->Recovery().Disable();
        ShowError(this, SettingsProblem);
        if (StartupInterrupted())
            return;
    }
    IniFile ini;
    if (!settings.ReadFile(ini) && StartupInterrupted())
        return;
    WindowPrefs prefs;
    Session->ChangeSettings([&](TTileData& read) { settings.Apply(ini, read, Session->Recent(), prefs); });
    Zoom->SetAround(prefs.Zoom, QPointF(0, 0));  // the view starts at the top left
    CheckBox_Live->setChecked(prefs.LiveFigures);
    Tools->SetShowValues(prefs.ShowValues);
    Menu->ShowMenuBar(prefs.MenuBar);
    RecentList->Show(Session->Recent());

    // The first panel is active.
    doc.Selected = 0;
    ShowPreview(Palettes->TileImage(0), QString::fromStdString(doc.Tile[0].Name));
    UpdatePageButtons();

    doc.Stats = IslandStats{};
    Figures->Show();

    // A restored copy takes the place of the usual start-up file.
    if (OfferRecovery(this, Session->Recovery(), *Status, closed)) {
        // Ctrl+S asks before writing over a file that may have changed since.
        Files->SetRestoredOverFile(!OpenFile().isEmpty());
        FollowMapSize();
    } else {
        FileOpenAtStart();
    }
    if (startupClosed || StartupInterrupted())
        return;
    if (!PassedOverFiles.isEmpty()) {
        ShowMessage(this, PassedOverText(PassedOverFiles));
        if (StartupInterrupted())
            return;
    }
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
    if (Files->Asking())
        RejectOpenDialogs();
    close();
    // Ends every event loop, modal ones included; before the main loop runs
    // (start-up) StartupClosed() stops the program instead.
    QCoreApplication::exit(exitStatus);
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowDeactivate)
        Session->EndOperation();
    return QMainWindow::event(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A close from outside never waits for an answer: the recovery copy
    // keeps the work instead. It may also arrive while the question is up.
    if (!closed && !closingFromOutside) {
        const bool goOn = Files->ConfirmDiscard();
        if (!goOn && !closingFromOutside) {
            event->ignore();
            return;
        }
    }
    if (!closed) {
        closed = true;
        const Result kept = Session->Recovery().OnClose(closingFromOutside);
        if (!kept && closingFromOutside) {
            // Nobody is left to read the status bar.
            std::fprintf(stderr, "ispln: %s: %s\n", QFile::encodeName(Session->Recovery().Path()).constData(),
                         kept.Reason.c_str());
            exitStatus = 1;
        }
        FormClose();
    }
    event->accept();
    // A close from outside (a signal, the session ending) can arrive while a
    // dialog is open; cancel it so that the program really ends.
    RejectOpenDialogs();
}

bool TForm1::FormClose()
{
    return !SettingsProblem.isEmpty() ||
           settings.Write(*TileData, Session->Recent(), {Zoom->Percent(), CheckBox_Live->isChecked(), Tools->ShowValues(), Menu->MenuBarShown()});
}

void TForm1::FitWindowToMap(int lastRow, int lastColumn)
{
    Fit->FitToMap(lastRow, lastColumn, Zoom->Percent());
}

void TForm1::FollowMapSize()
{
    if (TileData->Sys.Window)
        FitWindowToMap(TileData->LastY, TileData->LastX);
}

void TForm1::UpdateCaption()
{
    QString caption = QStringLiteral("ISPLN  Ver " ISPLN_CAPTION_VERSION);
    if (!OpenFile().isEmpty())
        caption += QStringLiteral(" - ") + ReadablePath(QFileInfo(OpenFile()).fileName());
    if (Modified())
        caption += QStringLiteral(" *");
    if (Session->MarkedChangedOnDisk())
        caption += QCoreApplication::translate("Unit1", " (他で変更)");
    setWindowTitle(caption);
}

void TForm1::SetRecoveryDelay(int milliseconds)
{
    Session->Recovery().SetDelay(milliseconds);
}

QString TForm1::RecoveryPath() const
{
    return Session->Recovery().Path();
}

void TForm1::ShowPreview(const QImage& image, const QString& name)
{
    Image01->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    Image01->setToolTip(name);
    Image01->setAccessibleName(name);
    Label1_1->setText(name);
}

void TForm1::ButtonViewChange(int index)
{
    if (index < 0 || index >= ButtonView->topLevelItemCount() || !ListsReady)
        return;
    TileData->Selected = index;
    ShowPreview(Palettes->TileImage(index), Palette::ItemName(ButtonView, index));
    Tools->ActivePanelChanged();
}

void TForm1::MaskViewChange(int index)
{
    if (index < 0 || index >= MaskView->topLevelItemCount() || !ListsReady)
        return;
    TileData->Selected = index + MaxTiles;
    ShowPreview(Palettes->MaskImage(index), Palette::ItemName(MaskView, index));
    Tools->ActivePanelChanged();
}

void TForm1::SpeedButton_1Click()
{
    ShowPalettePage(Notebook1->currentIndex() - 1);
}

void TForm1::SpeedButton_2Click()
{
    ShowPalettePage(Notebook1->currentIndex() + 1);
}

void TForm1::ShowPalettePage(int page)
{
    page = std::clamp(page, 0, 1);
    SpeedButton_1->setEnabled(page > 0);
    SpeedButton_2->setEnabled(page < 1);
    Notebook1->setCurrentIndex(page);
    Label_1->setText(QString::number(page + 1));
}

void TForm1::UpdatePageButtons()
{
    const bool visible = TileData->TileCount > 20;
    SpeedButton_1->setVisible(visible);
    SpeedButton_2->setVisible(visible);
    Notebook1->setCurrentIndex(0);
}
