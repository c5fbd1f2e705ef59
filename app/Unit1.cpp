#include "app/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>

#include "BuildInfo.h"
#include "settings/Config.h"
#include "app/MainActions.h"
#include "app/MainLayout.h"
#include "settings/IniFile.h"
#include "app/MapPicture.h"
#include "app/MapTools.h"
#include "app/MapZoom.h"
#include "app/RecentMapsList.h"
#include "dialogs/Messages.h"
#include "app/Palette.h"
#include "session/RecoveryCopy.h"
#include "view/MapRenderer.h"
#include "view/ViewZoom.h"

namespace {

const QString RecoveryFailureText = QStringLiteral("復元用ファイルを書き込めません: ");

}  // namespace

TForm1::TForm1(const QString& exeDir, const QStringList& args, QWidget* parent)
    : QMainWindow(parent), exeDir(exeDir), args(args)
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

void TForm1::ConnectMap()
{
    connect(Renderer.get(), &MapRenderer::changed, Image1, &MapPicture::UpdatePicture);
    connect(Renderer.get(), &MapRenderer::resized, Image1, &MapPicture::FitToPicture);
    // A click becomes an edit: MapPicture -> Image1MouseDown -> MapSession::EditAt.
    connect(Image1, &MapPicture::mouseDown, this, [this](Qt::MouseButton b, QPoint p) { Image1MouseDown(b, p.x(), p.y()); });
    connect(Image1, &MapPicture::mouseMoved, this, [this](QPoint p) { Image1MouseMove(p.x(), p.y()); });
    connect(Image1, &MapPicture::mouseUp, this, [this](Qt::MouseButton b, QPoint p) { Image1MouseUp(b, p.x(), p.y()); });
    connect(Tools, &MapTools::editsReady, this, &TForm1::ApplyToolEdits);
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
        restoredOverFile = false;
        UpdateCaption();
    });
    connect(Session, &MapSession::historyChanged, this, &TForm1::UpdateHistoryEnabled);
    connect(Session, &MapSession::cellsChanged, this, &TForm1::FiguresChanged);
    connect(Session, &MapSession::mapReplaced, this, &TForm1::FiguresChanged);
    connect(Session, &MapSession::recentChanged, this, [this] { RecentList->Show(Session->Recent()); });
    connect(Session, &MapSession::recoveryWriteFailed, this, [this](const QString& reason) {
        StatusBar1->showMessage(RecoveryFailureText + reason);
    });
    // The failure line stays until a copy is written again.
    connect(&Session->Recovery(), &RecoveryCopy::written, this, [this] {
        if (StatusBar1->currentMessage().startsWith(RecoveryFailureText))
            StatusBar1->clearMessage();
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
    if (!ini.Load(IniPath().toStdString()) && QFileInfo::exists(IniPath())) {
        // Start with the defaults; the file is not ours to overwrite.
        iniUnreadable = true;
        ShowError(this, QStringLiteral("%1 を読み込めません").arg(IniPath()));
        if (StartupInterrupted())
            return;
    }
    startConfig = ReadConfig(ini, doc.ExePath);
    ApplyConfig(startConfig, doc);
    startZoom = ReadZoom(ini);
    Zoom->SetAround(startZoom, QPointF(0, 0));  // the view starts at the top left
    startLiveFigures = ReadLiveFigures(ini);
    CheckBox_Live->setChecked(startLiveFigures);
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
    QCoreApplication::exit(exitStatus);
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
    if (iniUnreadable || !SettingsProblem.isEmpty())
        return true;
    // Rewrite the file we read so that keys we do not own stay as they were;
    // one that can no longer be read is not overwritten.
    const std::string path = IniPath().toStdString();
    IniFile ini;
    Result done = ini.Load(path);
    if (done || !QFileInfo::exists(IniPath())) {
        // Another window may have written the file since this one read it.
        const std::string exePath = TileData->ExePath;
        if (WriteConfigChanges(ini, startConfig, *TileData, exePath, false).Any() && AskOverwriteCatalogue(this))
            WriteConfigChanges(ini, startConfig, *TileData, exePath, true);
        if (Zoom->Percent() != startZoom || ini.ReadString("System", "Zoom", "\n") == "\n")
            WriteZoom(ini, Zoom->Percent());
        if (CheckBox_Live->isChecked() != startLiveFigures)
            WriteLiveFigures(ini, CheckBox_Live->isChecked());
        RecentFiles onDisk;
        onDisk.Read(ini);
        Session->Recent().MergeSession(onDisk);
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
    resize(picture + chrome);
    KeepOnScreen();
    // A window manager frames a new window only after it is shown, and
    // tells the frame's size later still: look again until it is known.
    if (FrameMargins().isNull())
        WatchForFrame();
}

QMargins TForm1::FrameMargins() const
{
    // Asked of the window system each time: a widget's own idea of its
    // frame is only brought up to date by later events.
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

void TForm1::KeepOnScreen()
{
    // Never beyond the screen's free area, frame included: the scroll area
    // takes the rest.
    const QRect area = screen()->availableGeometry();
    const QMargins frame = FrameMargins();
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    resize(size().boundedTo(area.size() - frameSize));
    const QRect outer = QRect(geometry().topLeft(), size()).marginsAdded(frame);
    if (area.contains(outer))
        return;
    const QPoint inside(std::clamp(outer.left(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
                        std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    // The frame's corner, told to the window system directly: move() would
    // compare it with a frame it has not heard of yet and do nothing.
    if (windowHandle())
        windowHandle()->setFramePosition(inside);
    else
        move(inside);
}

void TForm1::WatchForFrame()
{
    constexpr int EveryMs = 50, Tries = 60;
    if (!frameWatch) {
        frameWatch = new QTimer(this);
        frameWatch->setInterval(EveryMs);
        connect(frameWatch, &QTimer::timeout, this, [this] {
            if (FrameMargins().isNull() && ++frameChecks < Tries)
                return;
            frameWatch->stop();
            KeepOnScreen();
        });
    }
    frameChecks = 0;
    frameWatch->start();
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
