#include "app/Unit1.h"

#include <QAction>
#include <QCoreApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <cstdio>

#include "BuildInfo.h"
#include "app/DropDst.h"
#include "app/ChangeViews.h"
#include "app/FigureBoxes.h"
#include "app/MainForm.h"
#include "app/MainMenu.h"
#include "app/MainStatus.h"
#include "app/MapCommands.h"
#include "app/MapFileDialogs.h"
#include "app/MapKeyCursor.h"
#include "app/MapPan.h"
#include "app/MapTools.h"
#include "app/MapZoom.h"
#include "app/Palette.h"
#include "app/PalettePanel.h"
#include "app/ProgramInfo.h"
#include "app/RecoveryOffer.h"
#include "app/StampCommands.h"
#include "app/WindowFit.h"
#include "dialogs/AboutBox.h"
#include "dialogs/Messages.h"
#include "files/NativePath.h"
#include "session/RecoveryCopy.h"
#include "settings/IniFile.h"
#include "ui_Unit1.h"
#include "view/MapRenderer.h"

TForm1::TForm1(const QString& exeDir, const QStringList& args, QWidget* parent)
    : QMainWindow(parent), exeDir(exeDir), args(args), settings(IniPath(), this)
{
    // FormCreate: the window shows one map session.
    Session = new MapSession(this);
    TileData = &Session->Doc();
    Session->Recovery().SetFolder(QFileInfo(IniPath()).absolutePath());
    Renderer = std::make_unique<MapRenderer>(*TileData);

    Actions = CreateMainActions(this);
    ui = std::make_unique<Ui::TForm1>();
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("ISPLN  Ver " ISPLN_CAPTION_VERSION));
    ui->Image1->SetRenderer(*Renderer);
    ui->StampPage->SetCatalogue(*TileData);
    const StatusPanels panels = DecorateMainForm(*ui, Actions);
    panHint = panels.Panel[2];
    Tools = new MapTools(*TileData, *Renderer, ui->Image1, ui->Panel1, ui->CheckBox1->geometry().right() + 3,
                         ui->StatusBar1, Actions);
    Tools->AttachLevelBox(ui->LevelBox);
    Menu = new MainMenu(this, Actions, Tools->Bar);
    KeyCursor = new MapKeyCursor(*TileData, ui->Image1, ui->ScrollBox1, *Tools);
    Zoom = new MapZoom(ui->ScrollBox1, ui->Image1, ui->StatusBar1, this);
    Fit = new WindowFit(this, ui->ScrollBox1);
    Pan = std::make_unique<MapPan>(ui->ScrollBox1, ui->Image1);
    Files = new MapFileDialogs(*Session, this);
    Stamps = new StampCommands(*Session, *Tools, *Files, *ui->StampPage, ui->PageControl1, Actions.SaveStamp,
                               ui->StatusBar1, QFileInfo(IniPath()).absolutePath() + QStringLiteral("/Stamps"));
    connect(Stamps, &StampCommands::mapSizeChanged, this, &TForm1::FollowMapSize);
    Palettes = std::make_unique<Palette>(ui->ButtonView, ui->MaskView);
    Lists = new PalettePanel({ui->ButtonView, ui->MaskView, ui->Notebook1, ui->SpeedButton_1, ui->SpeedButton_2,
                              ui->Label_1, ui->Image01, ui->Label1_1},
                             *Palettes, *TileData, ListsReady, this);
    connect(Lists, &PalettePanel::activePanelChanged, Tools, &MapTools::ActivePanelChanged);
    Figures = new FigureBoxes({ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6, ui->Edit7, ui->Edit8,
                               ui->Edit9, ui->Edit10},
                              ui->CheckBox_Live, *Session);
    Commands = new MapCommands(
        {*Session, *Files, *Lists, ListsReady, *Figures, *ui->StampPage, ui->StatusBar1, Dialogs}, this);
    ConnectActions();
    ConnectMap();
    ConnectSession();
    Status = new MainStatus(ui->StatusBar1, panels.Panel[0], panels.Panel[1], panels.Figures, *Session, *Figures->Live);
    ConnectViews(*Session, *Renderer, *Palettes);
}

TForm1::~TForm1()
{
    // FormDestroy
    ListsReady = false;
}

void TForm1::ConnectMap()
{
    connect(Renderer.get(), &MapRenderer::changed, ui->Image1, &MapPicture::UpdatePicture);
    connect(Renderer.get(), &MapRenderer::resized, ui->Image1, &MapPicture::FitToPicture);
    // A click becomes an edit: MapPicture -> Image1MouseDown -> MapSession::EditAt;
    // the keyboard's cursor takes the mouse's path.
    const auto down = [this](Qt::MouseButton b, QPoint p) { Image1MouseDown(b, p.x(), p.y()); };
    const auto move = [this](QPoint p) { Image1MouseMove(p.x(), p.y()); };
    const auto up = [this](Qt::MouseButton b, QPoint p) { Image1MouseUp(b, p.x(), p.y()); };
    connect(ui->Image1, &MapPicture::mouseDown, this, down);
    connect(ui->Image1, &MapPicture::mouseMoved, this, move);
    connect(ui->Image1, &MapPicture::mouseUp, this, up);
    connect(KeyCursor, &MapKeyCursor::press, this, down);
    connect(KeyCursor, &MapKeyCursor::pointAt, this, move);
    connect(KeyCursor, &MapKeyCursor::release, this, up);
    // The session decides which undo step the tools' edits join.
    connect(Tools, &MapTools::editsReady, Session, &MapSession::ApplyEdits);
    connect(Tools, &MapTools::stepReady, Session, &MapSession::ApplyStep);
    for (const auto ready : {&MapTools::editsReady, &MapTools::stepReady})
        connect(Tools, ready, this, &TForm1::UpdateHistoryButtons);
    connect(Session, &MapSession::operationEnded, Tools, &MapTools::EndDrag);
    connect(Tools, &MapTools::clickRequested, this, &TForm1::ClickAt);
    // Users expect the map itself to take a dropped file too.
    auto* drops = new TDropDst(this);
    for (QWidget* target : {static_cast<QWidget*>(ui->DragDropPanel), ui->ScrollBox1->viewport(),
                            static_cast<QWidget*>(ui->Image1)})
        drops->Attach(target);
    connect(drops, &TDropDst::fileDropped, this, &TForm1::DropDst1FileDrop);
}

void TForm1::ConnectActions()
{
    const std::pair<QAction*, void (TForm1::*)()> commands[] = {
        {Actions.Undo, &TForm1::SpeedButton1Click},        {Actions.Redo, &TForm1::SpeedButton2Click},
        {Actions.ClearPanels, &TForm1::SpeedButton3Click}, {Actions.ClearMasks, &TForm1::SpeedButton5Click},
        {Actions.ClearAll, &TForm1::SpeedButton6Click},    {Actions.CopyPicture, &TForm1::CopyPicture},
        {Actions.Lines, &TForm1::SpeedButton4Click},       {Actions.SavePicture, &TForm1::SpeedButton_PngClick},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    const std::pair<QAction*, void (MapCommands::*)()> dialogs[] = {
        {Actions.New, &MapCommands::NewMap},
        {Actions.CatalogueEditor, &MapCommands::SpeedButton_aClick}, {Actions.MapSize, &MapCommands::SpeedButton_bClick},
        {Actions.SystemSettings, &MapCommands::SpeedButton_cClick}, {Actions.MapCode, &MapCommands::SpeedButton_dClick},
        {Actions.Figures, &MapCommands::SpeedButton_InClick},      {Actions.Breakdown, &MapCommands::SpeedButton_In2Click},
    };
    for (const auto& [action, handler] : dialogs)
        connect(action, &QAction::triggered, Commands, handler);
    connect(Commands, &MapCommands::mapSizeChanged, this, &TForm1::FollowMapSize);
    connect(Commands, &MapCommands::historyChanged, this, &TForm1::UpdateHistoryButtons);
    connect(Actions.Save, &QAction::triggered, Files, &MapFileDialogs::Save);
    connect(Actions.SaveAs, &QAction::triggered, Files, &MapFileDialogs::SaveAs);
    connect(Actions.Open, &QAction::triggered, Files, &MapFileDialogs::OpenFromDialog);
    connect(ui->RecentList, &RecentMapsList::openRequested, Files, &MapFileDialogs::OpenRecent);
    connect(Actions.ZoomIn, &QAction::triggered, Zoom, &MapZoom::ZoomIn);
    connect(Actions.ZoomOut, &QAction::triggered, Zoom, &MapZoom::ZoomOut);
    connect(Actions.ZoomReset, &QAction::triggered, Zoom, &MapZoom::ZoomReset);
    // One window per program: closing it ends the program, after the question.
    connect(Actions.CloseWindow, &QAction::triggered, this, &QWidget::close);
    connect(Actions.Quit, &QAction::triggered, this, &QWidget::close);
    connect(Actions.About, &QAction::triggered, this, [this] { ShowAboutBox(this); });
    connect(ui->CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
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
    connect(Session, &MapSession::recentChanged, this, [this] { ui->RecentList->Show(Session->Recent()); });
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
    ui->CheckBox_Live->setChecked(prefs.LiveFigures);
    Tools->SetShowValues(prefs.ShowValues);
    Menu->ShowMenuBar(prefs.MenuBar);
    ui->RecentList->Show(Session->Recent());

    // The first panel is active.
    Lists->ShowFirstPanel();
    Lists->UpdatePageButtons();

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
           settings.Write(*TileData, Session->Recent(),
                          {Zoom->Percent(), ui->CheckBox_Live->isChecked(), Tools->ShowValues(), Menu->MenuBarShown()});
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
