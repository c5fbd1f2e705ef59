#pragma once
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/DialogSet.h"
#include "app/MainActions.h"
#include "app/WindowSettings.h"
#include "session/MapSession.h"

class FigureBoxes;
class MainStatus;
class MapFileDialogs;
class MapPan;
class MapPicture;
class MapRenderer;
class MapTools;
class MapZoom;
class Palette;
class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QStackedWidget;
class QSpinBox;
class QStatusBar;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class RecentMapsList;
class TDropDst;
class WindowFit;
class MainMenu;
class StampTab;
struct Stamp;
class MapKeyCursor;

// The main window.
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

    // Controls, in the order the window declares them.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QToolButton* SpeedButton_1 = nullptr;
    QToolButton* SpeedButton_2 = nullptr;
    QStackedWidget* Notebook1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QToolButton* SpeedButton_Save = nullptr;
    QToolButton* SpeedButton_Load = nullptr;
    QToolButton* SpeedButton_Png = nullptr;  // "画像保存"
    QToolButton* SpeedButton_New = nullptr;  // "新規"
    QWidget* TabSheet3 = nullptr;
    QToolButton* SpeedButton_In = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    MapPicture* Image1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel[3] = {};
    QToolButton* SpeedButton_In2 = nullptr;
    QWidget* Panel1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton_a = nullptr;
    QToolButton* SpeedButton_b = nullptr;
    QLabel* Label_1 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QLabel* DragDropPanel = nullptr;
    TDropDst* DropDst1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QToolButton* SpeedButton_c = nullptr;
    QTreeWidget* ButtonView = nullptr;
    QTreeWidget* MaskView = nullptr;
    QToolButton* SpeedButton_d = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* Image01 = nullptr;
    QSpinBox* LevelBox = nullptr;  // the painting tools' level, under the preview
    QLabel* Label1_1 = nullptr;
    MapZoom* Zoom = nullptr;                 // status bar zoom box and keys
    RecentMapsList* RecentList = nullptr;    // on the "ファイル" tab
    MapTools* Tools = nullptr;               // the painting tools beside the click tool
    MainMenu* Menu = nullptr;
    MapKeyCursor* KeyCursor = nullptr;       // the map by keyboard
    StampTab* StampPage = nullptr;           // the tab "スタンプ"                // every command, from "≡" and the menu bar
    MainActions Actions;                     // every command with a key or a button
    QCheckBox* CheckBox_Live = nullptr;      // "自動更新" on the "情報" tab
    QLabel* StatusFigures = nullptr;         // what the last operation changed

    bool ListsReady = false;
    std::unique_ptr<MapPan> Pan;             // the middle button's drag
    // The map being edited; the window shows it and keeps none of its state.
    MapSession* Session = nullptr;
    TTileData* TileData = nullptr;  // Session's document
    std::unique_ptr<MapRenderer> Renderer;
    std::unique_ptr<Palette> Palettes;
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

    // Palettes (Unit1.cpp).
    void ButtonViewChange(int index);
    void MaskViewChange(int index);
    void SpeedButton_1Click();
    void SpeedButton_2Click();
    void UpdatePageButtons();
    void ShowPalettePage(int page);

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
    // A painting tool's operation, recorded as one undo step.
    void ApplyToolEdits(const std::vector<CellEdit>& edits, bool continues);

    // Map files and size (Unit1Files.cpp).
    void SpeedButton_SaveClick();
    void SpeedButton_LoadClick();
    void SpeedButton_PngClick();
    // The map picture exactly as "画像保存" writes it.
    QImage PictureToSave() const;
    void CopyPicture();
    void DropDst1FileDrop(const QStringList& files, QPoint point);
    void FileOpenAtStart();
    void RecentListOpen(const QString& path);
    void SpeedButton_bClick();
    // "新規" (Ctrl+N): after the unsaved question, an empty map of the size
    // the size dialog gives, with no file and no history.
    void NewMap();
    // Stamps (tab "スタンプ"): one floats under the pointer, its panels the
    // catalogue lacks told and left out; a whole island opens as a new map
    // after the unsaved question; the selection is saved as one.
    void PlaceStamp(const Stamp& stamp);
    void OpenStampAsMap(const Stamp& stamp);
    void SaveSelectionAsStamp();
    QString StampFolder() const;  // Stamps/ beside isplan.ini
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

    // Figures (Unit1Dialogs.cpp).
    void SpeedButton_InClick();
    void SpeedButton_In2Click();

    // Dialogs and the code converter (Unit1Dialogs.cpp).
    void SpeedButton_aClick();
    void SpeedButton_cClick();
    void SpeedButton_dClick();

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
    void ApplyCode(const QString& text);
    void ShowPreview(const QImage& image, const QString& name);
    bool StartupInterrupted();
    // When the settings ask for it, the window takes the map's size.
    void FollowMapSize();
    void UpdateCaption();

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
};
