#pragma once
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/DialogSet.h"
#include "app/MainActions.h"
#include "app/WindowSettings.h"
#include "session/MapSession.h"

class FigureBoxes;
class MainMenu;
class MapCommands;
class MainStatus;
class MapFileDialogs;
class MapKeyCursor;
class MapPan;
class MapRenderer;
class MapTools;
class MapZoom;
class Palette;
class PalettePanel;
class QLabel;
class StampCommands;
class WindowFit;
namespace Ui {
class TForm1;
}

// The main window: its widgets are its form's (Unit1.ui); it keeps the
// behaviour that ties them to the map session.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // exeDir: the program folder holding isplan.ini and Image/.
    // args: the command-line arguments after the program name.
    TForm1(const QString& exeDir, const QStringList& args, QWidget* parent = nullptr);
    ~TForm1() override;

    void SetDialogs(const DialogSet& dialogs) { Dialogs = dialogs; }
    // Set when the settings folder cannot be written: said once at start,
    // and nothing is written there.
    QString SettingsProblem;
    // Names from the command line that were no files, told once at start.
    QStringList PassedOverFiles;
    // The palettes are filled: their selection handlers act only while set.
    bool ListsReady = false;

    // The map being edited; the window shows it and keeps none of its state.
    MapSession* Session = nullptr;
    TTileData* TileData = nullptr;  // Session's document
    std::unique_ptr<MapRenderer> Renderer;
    std::unique_ptr<Palette> Palettes;
    PalettePanel* Lists = nullptr;   // choosing in the palettes
    MapTools* Tools = nullptr;       // the painting tools beside the click tool
    MapZoom* Zoom = nullptr;         // status bar zoom box and keys
    MainMenu* Menu = nullptr;        // every command, from "≡" and the menu bar
    MapKeyCursor* KeyCursor = nullptr;  // the map by keyboard
    std::unique_ptr<MapPan> Pan;     // the middle button's drag
    MapCommands* Commands = nullptr;  // the dialogs' commands on the whole map
    MainActions Actions;             // every command with a key or a button
    DialogSet Dialogs;

    // Start-up, shut-down, the caption and the window size (Unit1.cpp).
    void FormShow();
    bool FormClose();
    void FitWindowToMap(int lastRow, int lastColumn);
    QString IniPath() const;
    bool StartupClosed() const { return startupClosed; }
    // 1 when a close from outside could not keep the unsaved work.
    int ExitStatus() const { return exitStatus; }
    // A close asked for from outside (SIGTERM, SIGINT, logout): never asks
    // the user anything and always ends the program.
    void CloseFromOutside();
    bool ClosingFromOutside() const { return closingFromOutside; }

    // Map view, editing and history (Unit1Map.cpp).
    void Image1MouseDown(Qt::MouseButton button, int px, int py);
    void Image1MouseMove(int px, int py);
    void Image1MouseUp(Qt::MouseButton button, int px, int py);
    void SpeedButton1Click();  // undo
    void SpeedButton2Click();  // redo
    void UpdateHistoryButtons();
    void UpdateHistoryEnabled();
    void SpeedButton3Click();  // the clears: panels, masks, all
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton4Click();  // lines
    void CheckBox1Click();
    // The click tool's edit at a picture pixel, as a press on the map makes it.
    void ClickAt(Qt::MouseButton button, int px, int py);

    // Map files and size (Unit1Files.cpp).
    void SpeedButton_PngClick();
    // The map picture exactly as "画像保存" writes it.
    QImage PictureToSave() const;
    void CopyPicture();
    void DropDst1FileDrop(const QStringList& files, QPoint point);
    void FileOpenAtStart();
    // Opens a map file in place of the map as "Load" does after its dialog,
    // after asking when the map has unsaved changes. False when nothing was
    // loaded (a file that is no map file is told).
    bool OpenMapFile(const QString& path);
    bool SaveMap();  // Ctrl+S
    QString OpenFile() const { return Session->FilePath(); }
    bool Modified() const { return Session->Modified(); }
    QString RecoveryPath() const;
    // How long after the latest change the recovery copy is written.
    void SetRecoveryDelay(int milliseconds);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A modal window opening over this one, or the window losing the
    // pointer to another, ends the tool's operation.
    bool event(QEvent* event) override;

private:
    void ConnectActions();
    void ConnectMap();
    void ConnectSession();
    // The three clear buttons: ask, clear, refresh the history buttons.
    void ClearMap(void (MapSession::*clear)());
    bool StartupInterrupted();
    // When the settings ask for it, the window takes the map's size.
    void FollowMapSize();
    void UpdateCaption();

    std::unique_ptr<Ui::TForm1> ui;
    QLabel* panHint = nullptr;  // the status bar's third panel
    QString exeDir;
    QStringList args;
    bool shown = false;
    bool closed = false;
    bool startupClosed = false;
    bool closingFromOutside = false;
    int exitStatus = 0;
    WindowSettings settings;
    WindowFit* Fit = nullptr;
    FigureBoxes* Figures = nullptr;   // the figures on the "情報" tab
    MainStatus* Status = nullptr;     // what the status bar says
    MapFileDialogs* Files = nullptr;  // opening, saving, the unsaved question
    StampCommands* Stamps = nullptr;  // what the tab "スタンプ" asks of the map
};
