// Map files from the window: Save, Load, drops, the file opened at start-up,
// the size dialog and fitting the window to the map.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QCheckBox>
#include <QTreeWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <cstdio>
#include <cerrno>
#include <cstring>
#include <functional>

#include "TestCatalogue.h"
#include "TestApp.h"
#include "settings/IniFile.h"
#include "app/RecentMapsList.h"
#include "app/MainMenu.h"
#include "app/MapPicture.h"
#include "app/MapTools.h"
#include "app/ProgramInfo.h"
#include "files/NativePath.h"
#include "files/MapFile.h"
#include "settings/InterfaceLanguage.h"
#include "view/MapRenderer.h"

namespace {

const QString NotMapFile = QStringLiteral("指定されたファイルはISPLNファイルではありませんでした。");
const QString NoSuchFile = QStringLiteral("指定されたファイルがありませんでした。");

// Bumped after every test, so an answer that found no dialog never
// reaches into the next test.
int answerGeneration = 0;

// Runs `answer` on the next modal dialog as soon as it is up; message boxes
// are left to AnswerBoxes.
void AnswerModal(std::function<void(QWidget*)> answer, int triesLeft = 3000, int generation = answerGeneration)
{
    QTimer::singleShot(5, [=] {
        if (generation != answerGeneration)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !qobject_cast<QMessageBox*>(modal))
            answer(modal);
        else if (triesLeft > 0)
            AnswerModal(answer, triesLeft - 1, generation);
    });
}

class MapFileUi : public ::testing::Test {
protected:
    void TearDown() override { ++answerGeneration; }
};

// Answers the next file dialog with `path`, after noting how it was set up.
void ChooseFile(const QString& path, QString* title = nullptr, QStringList* filters = nullptr,
                QString* suffix = nullptr, QString* typed = nullptr)
{
    AnswerModal([=](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        if (title)
            *title = dialog->windowTitle();
        if (filters)
            *filters = dialog->nameFilters();
        if (suffix)
            *suffix = dialog->defaultSuffix();
        if (typed)
            *typed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // the dialog's own checks still run
        if (dialog->isVisible())  // it refused the name: give up
            dialog->reject();
    });
}

// Answers the next size dialog: positions, then OK or the close box.
void ChooseSize(int rows, int columns, bool ok)
{
    AnswerModal([=](QWidget* modal) {
        auto* dialog = qobject_cast<TForm2*>(modal);
        ASSERT_NE(dialog, nullptr);
        Control<QScrollBar>(*dialog, "ScrollBar1")->setValue(rows);
        Control<QScrollBar>(*dialog, "ScrollBar2")->setValue(columns);
        if (ok)
            Control<QPushButton>(*dialog, "Button1")->click();
        else
            dialog->close();
    });
}

// A current-layout file of the given size whose cell (x, y) holds panel x % 3.
void WriteMap(const QString& path, int lastY, int lastX, uint8_t counter = 1)
{
    MapFileInfo info;
    info.LastY = static_cast<uint8_t>(lastY);
    info.LastX = static_cast<uint8_t>(lastX);
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            info.Cells[x][y] = {static_cast<uint8_t>(x % 3), counter, 0};
    const std::string bytes = MapFileBytes(info);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void GiveHistory(TestApp& app)
{
    app.Doc().ChangeCell(1, 1, 1, 2);
    app.Doc().ChangeCell(2, 2, 1, 2);
    app.Doc().Undo();
    app.Form1().UpdateHistoryButtons();
    ASSERT_TRUE(Control<QToolButton>(app.Form1(), "SpeedButton1")->isEnabled());
    ASSERT_TRUE(Control<QToolButton>(app.Form1(), "SpeedButton2")->isEnabled());
}

// The map picture is wholly visible, with no scroll bar.
void ExpectPictureFits(TForm1& f)
{
    QApplication::processEvents();
    const QSize picture = f.Renderer->Picture().size();
    EXPECT_FALSE(Control<QScrollArea>(f, "ScrollBox1")->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(Control<QScrollArea>(f, "ScrollBox1")->verticalScrollBar()->isVisible());
    EXPECT_GE(Control<QScrollArea>(f, "ScrollBox1")->viewport()->width(), picture.width());
    EXPECT_GE(Control<QScrollArea>(f, "ScrollBox1")->viewport()->height(), picture.height());
}

void Drop(QWidget* target, const QStringList& paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    // As from the desktop: the drag enters the target, then drops.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

}  // namespace

TEST_F(MapFileUi, SaveDialogWritesTheMapWithItsSuffix)
{
    TestApp app(TestCatalogue(3).Ini());
    app.Doc().SetCell(30, 30, {2, 7, 1});
    QString title, suffix, typed;
    QStringList filters;
    ChooseFile(app.Path("plan"), &title, &filters, &suffix, &typed);
    Control<QToolButton>(app.Form1(), "SpeedButton_Save")->click();
    EXPECT_EQ(title, "Tidemark擬似Map 保存");
    EXPECT_EQ(filters, QStringList({"Tidemark擬似Map (*.kpl)", "ALL (*.*)"}));
    EXPECT_EQ(suffix, "kpl");
    EXPECT_EQ(typed, "*.kpl");
    QFile saved(app.Path("plan.kpl"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_EQ(bytes.size(), 2891);
    EXPECT_EQ(bytes.at(6), 11);
    EXPECT_EQ(bytes.mid(8 + 93 * 30 + 3 * 30, 3), QByteArray("\x02\x07\x01", 3));
    EXPECT_TRUE(app.messages.isEmpty());
}

TEST_F(MapFileUi, SaveAsksBeforeReplacingAndCancelWritesNothing)
{
    TestApp app(TestCatalogue(3).Ini());
    WriteText(app.Path("old.kpl"), "old");
    for (const char* answer : {"No", "Yes"}) {
        AnswerBoxes replace(answer);
        ChooseFile(app.Path("old.kpl"));
        Control<QToolButton>(app.Form1(), "SpeedButton_Save")->click();
        EXPECT_EQ(replace.asked.size(), 1);
    }
    QFile saved(app.Path("old.kpl"));
    EXPECT_EQ(saved.size(), 2891);

    ChooseFile(QString());
    Control<QToolButton>(app.Form1(), "SpeedButton_Save")->click();
    EXPECT_FALSE(QFile::exists(app.Path("*.kpl")));
    EXPECT_TRUE(app.messages.isEmpty());
}

TEST_F(MapFileUi, FailedSaveIsReportedAndTheOldFileStays)
{
    TestApp app(TestCatalogue(3).Ini());
    WriteText(app.Path("plain"), "not a folder");
    ChooseFile(app.Path("plain/plan.kpl"));
    Control<QToolButton>(app.Form1(), "SpeedButton_Save")->click();
    ASSERT_EQ(app.messages.size(), 1);  // with the system's reason
    EXPECT_TRUE(app.messages[0].startsWith(app.Path("plain/plan.kpl") + " に書き込めません: ")) << app.messages[0].toStdString();
    EXPECT_TRUE(app.messages[0].endsWith(QString::fromLocal8Bit(std::strerror(ENOTDIR)))) << app.messages[0].toStdString();
    QFile plain(app.Path("plain"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), "not a folder");
}

TEST_F(MapFileUi, LoadTakesTheFileEmptiesTheHistoryAndFitsTheWindow)
{
    TestApp app(TestCatalogue(3).Keys("Window=1").Ini());
    WriteMap(app.Path("big.kpl"), 14, 18);
    AnswerBoxes answer("保存しない");
    GiveHistory(app);
    QString title;
    ChooseFile(app.Path("big.kpl"), &title);
    Control<QToolButton>(app.Form1(), "SpeedButton_Load")->click();
    EXPECT_EQ(title, "Tidemark擬似Map 読み込み");
    EXPECT_EQ(app.Doc().LastY, 14);
    EXPECT_EQ(app.Doc().LastX, 18);
    EXPECT_EQ(app.Doc().GetCell(2, 0), (MapCell{2, 1, 0}));
    EXPECT_EQ(app.Form1().Renderer->Picture().size(), QSize(32 * 18 + 48, 32 * 14 + 48));
    EXPECT_FALSE(Control<QToolButton>(app.Form1(), "SpeedButton1")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>(app.Form1(), "SpeedButton2")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(app.Form1(), "SpeedButton1")->toolTip().isEmpty());
    ExpectPictureFits(app.Form1());
    EXPECT_TRUE(app.messages.isEmpty());
}

TEST_F(MapFileUi, LoadOfMissingOrRefusedFiles)
{
    TestApp app(TestCatalogue(3).Ini());
    WriteText(app.Path("short.kpl"), QByteArray("KPL03\0", 6) + QByteArray(1930, '\0'));
    AnswerBoxes answer("保存しない");
    GiveHistory(app);

    ChooseFile(app.Path("none.kpl"));
    Control<QToolButton>(app.Form1(), "SpeedButton_Load")->click();
    EXPECT_TRUE(app.messages.isEmpty());

    ChooseFile(app.Path("short.kpl"));
    Control<QToolButton>(app.Form1(), "SpeedButton_Load")->click();
    EXPECT_EQ(app.messages, QStringList{NotMapFile});
    EXPECT_TRUE(Control<QToolButton>(app.Form1(), "SpeedButton1")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(app.Form1(), "SpeedButton2")->isEnabled());
}

TEST_F(MapFileUi, EveryLoadRefreshesTheHistoryHintsAndFitsTheWindow)
{
    TestApp app(TestCatalogue(3).Keys("Window=1").Ini());
    WriteText(app.Path("refused.kpl"), "KPL09");
    app.Doc().ChangeCell(1, 1, 1, 2);
    AnswerBoxes answer("保存しない");
    for (const char* name : {"none.kpl", "refused.kpl"}) {
        Control<QToolButton>(app.Form1(), "SpeedButton1")->setToolTip({});  // as after a mouse edit
        app.Form1().resize(200, 150);
        ChooseFile(app.Path(name));
        Control<QToolButton>(app.Form1(), "SpeedButton_Load")->click();
        EXPECT_EQ(Control<QToolButton>(app.Form1(), "SpeedButton1")->toolTip(), "戻る") << name;
        ExpectPictureFits(app.Form1());
    }
}

TEST_F(MapFileUi, KeyboardShortcutsOpenTheDialogs)
{
    TestApp app(TestCatalogue(3).Ini());
    QString saveTitle, loadTitle;
    for (auto [key, title] : {std::pair{Qt::Key_S, &saveTitle}, std::pair{Qt::Key_O, &loadTitle}}) {
        app.Form1().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app.Form1()));
        ChooseFile(QString(), title);
        QTest::keyClick(&app.Form1(), key, Qt::ControlModifier);
    }
    EXPECT_EQ(saveTitle, "Tidemark擬似Map 保存");
    EXPECT_EQ(loadTitle, "Tidemark擬似Map 読み込み");
}

TEST_F(MapFileUi, DropTakesOnlyTheFirstPathAndNeverFits)
{
    TestApp app(TestCatalogue(3).Keys("Window=1").Ini());
    // A path far longer than 260 characters, with spaces and Japanese in it.
    QDir().mkpath(app.Path(QString(200, QChar('d'))));
    const QString spaced = app.Path(QString(200, QChar('d')) + "/" + QString(90, QChar('e')) + " 島 plan.kpl");
    WriteMap(spaced, 13, 15, 4);
    WriteMap(app.Path("second.kpl"), 20, 20, 9);
    AnswerBoxes answer("保存しない");
    GiveHistory(app);
    const QSize windowBefore = app.Form1().size();
    Drop(Control<QLabel>(app.Form1(), "DragDropPanel"), {spaced, app.Path("second.kpl"), app.Path("third.kpl")});
    EXPECT_EQ(app.Doc().LastY, 13);
    EXPECT_EQ(app.Doc().LastX, 15);
    EXPECT_EQ(app.Doc().GetCell(0, 0).Counter, 4);
    EXPECT_FALSE(Control<QToolButton>(app.Form1(), "SpeedButton1")->isEnabled());
    EXPECT_EQ(app.Form1().size(), windowBefore);
    EXPECT_TRUE(app.messages.isEmpty());

    // The map area takes drops as well.
    Drop(Control<QScrollArea>(app.Form1(), "ScrollBox1")->viewport(), {app.Path("second.kpl")});
    EXPECT_EQ(app.Doc().LastY, 20);
}

TEST_F(MapFileUi, DroppedFoldersMissingAndRefusedFiles)
{
    TestApp app(TestCatalogue(3).Ini());
    QDir().mkpath(app.Path("folder.kpl"));
    WriteText(app.Path("text.kpl"), QByteArray(3000, 'x'));
    WriteMap(app.Path("good.kpl"), 20, 20);
    AnswerBoxes answer("保存しない");
    GiveHistory(app);

    // Only the first path counts, even when a good file follows.
    Drop(Control<QLabel>(app.Form1(), "DragDropPanel"), {app.Path("folder.kpl"), app.Path("good.kpl")});
    Drop(Control<QLabel>(app.Form1(), "DragDropPanel"), {app.Path("none.kpl"), app.Path("good.kpl")});
    EXPECT_TRUE(app.messages.isEmpty());
    EXPECT_EQ(app.Doc().LastY, 11);

    Drop(Control<QLabel>(app.Form1(), "DragDropPanel"), {app.Path("text.kpl")});
    EXPECT_EQ(app.messages, QStringList{NotMapFile});
    EXPECT_EQ(app.Doc().LastY, 11);
}

TEST_F(MapFileUi, StartUpPrefersTheCommandLineFile)
{
    QTemporaryDir files;
    const QString cmd = files.path() + "/cmd.kpl";
    const QString automatic = files.path() + "/auto.kpl";
    WriteMap(cmd, 13, 14);
    WriteMap(automatic, 20, 21);
    const QByteArray system = "MapSize=1\nMapY=25\nMapX=25\nWindow=0\nLoad=1\nLoadFile=" + automatic.toUtf8() + "\n";
    {
        TestApp app(TestCatalogue(3).Keys(system).Ini(), {cmd});
        EXPECT_EQ(app.Doc().LastY, 13);
        EXPECT_EQ(app.Doc().LastX, 14);
        EXPECT_TRUE(app.messages.isEmpty());
        EXPECT_TRUE(app.Form1().isVisible());
    }
    {
        // A command-line name that is no file is passed over silently.
        TestApp app(TestCatalogue(3).Keys(system).Ini(), {files.path() + "/none.kpl"});
        EXPECT_EQ(app.Doc().LastY, 20);
        EXPECT_EQ(app.Doc().LastX, 21);
        EXPECT_TRUE(app.messages.isEmpty());
    }
    {
        TestApp app(TestCatalogue(3).Keys(system).Ini(), {files.path()});
        EXPECT_EQ(app.Doc().LastY, 20);
    }
    // Of several names, the first file opens here, each further file in a
    // window of its own, and the names that are no files are told together.
    const QString none = files.path() + "/none.kpl";
    const StartupFiles several = SortStartupFiles({none, files.path(), cmd, automatic});
    EXPECT_EQ(several.Kept, QStringList{cmd});
    EXPECT_EQ(several.Further, QStringList{automatic});
    EXPECT_EQ(several.PassedOver, (QStringList{none, files.path()}));
    EXPECT_EQ(SortStartupFiles({none}).Kept, QStringList{none});  // one name keeps the usual start
    EXPECT_TRUE(SortStartupFiles({none, files.path()}).Kept.isEmpty());

    // A name in Shift-JIS bytes ("島.kpl") opens as it is, and reads as it is meant.
    const std::string island = NativePath(files.path()) + "/\x93\x87.kpl";
    ASSERT_EQ(std::rename(NativePath(cmd).c_str(), island.c_str()), 0);
    EXPECT_EQ(NativePath(PathFromNative(island)), island);
    {
        TestApp app(TestCatalogue(3).Keys(system).Ini(), {PathFromNative(island)});
        EXPECT_EQ(app.Doc().LastY, 13);
        EXPECT_TRUE(app.Form1().windowTitle().endsWith(" - 島.kpl"));
        EXPECT_TRUE(app.messages.isEmpty());
    }
}

TEST_F(MapFileUi, StartUpMessagesThenTheStoredSize)
{
    QTemporaryDir files;
    const QString refused = files.path() + "/refused.kpl";
    WriteText(refused, QByteArray("KPL02\0", 6) + QByteArray(100, '\0'));
    struct {
        const char* what;
        QByteArray system;
        QStringList args;
        QStringList messages;
    } cases[] = {
        {"automatic file missing",
         "MapSize=1\nMapY=14\nMapX=17\nLoad=1\nLoadFile=" + files.path().toUtf8() + "/none.kpl\n", {},
         {NoSuchFile}},
        {"automatic file refused", "MapSize=1\nMapY=14\nMapX=17\nLoad=1\nLoadFile=" + refused.toUtf8() + "\n", {},
         {NotMapFile}},
        {"command-line file refused", "MapSize=1\nMapY=14\nMapX=17\nLoad=0\n", {refused}, {NotMapFile}},
        {"nothing to open", "MapSize=1\nMapY=14\nMapX=17\nLoad=0\n", {}, {}},
    };
    for (const auto& c : cases) {
        TestApp app(TestCatalogue(3).Keys(c.system).Ini(), c.args);
        EXPECT_EQ(app.messages, c.messages) << c.what;
        EXPECT_EQ(app.Doc().LastY, 13) << c.what;
        EXPECT_EQ(app.Doc().LastX, 16) << c.what;
        EXPECT_EQ(app.Form1().Renderer->Picture().size(), QSize(32 * 16 + 48, 32 * 13 + 48)) << c.what;
        EXPECT_FALSE(app.Form1().StartupClosed()) << c.what;
    }
}

TEST_F(MapFileUi, UnderEnglishCaptionsHintsAndMessagesAreEnglish)
{
    QTemporaryDir files;
    const QByteArray missing = "MapSize=1\nMapY=14\nMapX=17\nLoad=1\nLoadFile=" + files.path().toUtf8() + "/none.kpl\n";
    ASSERT_TRUE(InstallInterfaceLanguage(InterfaceLanguage::English));
    {
        TestApp app(TestCatalogue(3).Keys(missing).Ini());
        TForm1& f = app.Form1();
        EXPECT_EQ(Control<QTabWidget>(f, "PageControl1")->tabText(0), "Panels");
        EXPECT_EQ(f.Menu->Button()->menu()->actions().value(0)->text(), "&File");
        EXPECT_EQ(f.Tools->Buttons[1]->toolTip(), "Brush (B)");
        EXPECT_EQ(app.messages, QStringList{"The file does not exist."});
    }
    InstallInterfaceLanguage(InterfaceLanguage::Japanese);
    TestApp app(TestCatalogue(3).Keys(missing + "Language=en\n").Ini());
    EXPECT_EQ(Control<QTabWidget>(app.Form1(), "PageControl1")->tabText(0), "パネル");
    EXPECT_EQ(app.messages, QStringList{NoSuchFile});
    // The window never changes the choice it was started with.
    app.Form1().close();
    IniFile ini;
    ASSERT_TRUE(ini.Load(app.Path("isplan.ini").toStdString()));
    EXPECT_EQ(ini.ReadString("System", "Language", ""), "en");
}

TEST_F(MapFileUi, StartUpAsksForTheSizeWhenNotStored)
{
    ChooseSize(14, 15, true);
    TestApp app(TestCatalogue(3).Keys("MapSize=0\nMapY=25\nMapX=25\nWindow=1").Ini());
    EXPECT_EQ(app.Doc().LastY, 13);
    EXPECT_EQ(app.Doc().LastX, 14);
    EXPECT_TRUE(app.Form1().ListsReady);
    ExpectPictureFits(app.Form1());
}

TEST_F(MapFileUi, CancelledSizeAtStartUpClosesTheProgram)
{
    ChooseSize(20, 15, false);
    TestApp app(TestCatalogue(3).Keys("MapSize=0\nMapY=25\nMapX=25").Ini());
    EXPECT_TRUE(app.Form1().StartupClosed());
    EXPECT_FALSE(app.Form1().isVisible());
    EXPECT_FALSE(app.Form1().ListsReady);
    // Closing wrote the settings back.
    IniFile ini;
    ASSERT_TRUE(ini.Load(app.Path("isplan.ini").toStdString()));
    EXPECT_EQ(ini.ReadInteger("Tile", "Max", -1), 2);
}

TEST_F(MapFileUi, EscapeInTheStartUpSizeDialogDoesNothing)
{
    AnswerModal([](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        if (auto* dialog = qobject_cast<TForm2*>(modal); dialog && dialog->isVisible())
            Control<QPushButton>(*dialog, "Button1")->click();
    });
    TestApp app(TestCatalogue(3).Keys("MapSize=0").Ini());
    EXPECT_FALSE(app.Form1().StartupClosed());
    EXPECT_TRUE(app.Form1().ListsReady);
}

TEST_F(MapFileUi, ClosingTheWindowDuringTheStartUpSizeEndsTheProgram)
{
    // As a termination signal does while the size is being asked.
    static bool stillOpen;
    stillOpen = false;
    AnswerModal([](QWidget* modal) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<TForm1*>(w))
                main->close();
        // Never hang the suite: a dialog left open is noted, then answered.
        QTimer::singleShot(50, modal, [modal] {
            stillOpen = modal->isVisible();
            qobject_cast<QDialog*>(modal)->reject();
        });
    });
    TestApp app(TestCatalogue(3).Keys("MapSize=0").Ini());
    EXPECT_FALSE(stillOpen);
    EXPECT_TRUE(app.Form1().StartupClosed());
    EXPECT_FALSE(app.Form1().Dialogs.Form2->isVisible());
    EXPECT_FALSE(app.Form1().ListsReady);
}

TEST_F(MapFileUi, SizeDialogLayoutAndLabels)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm2& dialog = *app.Form1().Dialogs.Form2;
    EXPECT_EQ(dialog.windowTitle(), "サイズ設定");
    EXPECT_EQ(dialog.size(), QSize(167, 65));
    EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), "Y = 12");
    EXPECT_EQ(Control<QLabel>(dialog, "Label3")->text(), "X = 12");
    EXPECT_EQ(Control<QLabel>(dialog, "Label2")->font().pixelSize(), 16);
    EXPECT_EQ(Control<QPushButton>(dialog, "Button1")->text(), "OK");
    for (QScrollBar* bar : {Control<QScrollBar>(dialog, "ScrollBar1"), Control<QScrollBar>(dialog, "ScrollBar2")}) {
        EXPECT_EQ(bar->orientation(), Qt::Horizontal);
        EXPECT_EQ(bar->minimum(), 12);
        EXPECT_EQ(bar->maximum(), 30);
        EXPECT_EQ(bar->value(), 12);
        bar->setValue(40);
        EXPECT_EQ(bar->value(), 30);
    }
    EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), "Y = 30");
    EXPECT_EQ(Control<QLabel>(dialog, "Label3")->text(), "X = 30");
}

TEST_F(MapFileUi, SizeButtonResizesWithoutTouchingCells)
{
    TestApp app(TestCatalogue(3).Keys("MapY=20").Ini());
    app.Doc().SetCell(5, 17, {2, 3, 1});
    const QSize windowBefore = app.Form1().size();

    ChooseSize(12, 12, true);
    Control<QToolButton>(app.Form1(), "SpeedButton_b")->click();
    EXPECT_EQ(app.Doc().LastY, 11);
    ChooseSize(20, 15, true);
    Control<QToolButton>(app.Form1(), "SpeedButton_b")->click();
    EXPECT_EQ(app.Doc().LastY, 19);
    EXPECT_EQ(app.Doc().LastX, 14);
    EXPECT_EQ(app.Form1().Renderer->Picture().size(), QSize(496, 656));
    EXPECT_EQ(app.Doc().GetCell(5, 17), (MapCell{2, 3, 1}));
    EXPECT_EQ(app.Form1().size(), windowBefore) << "Window is off";
}

TEST_F(MapFileUi, SizeDialogCancelKeepsTheMapButRemembersTheBars)
{
    TestApp app(TestCatalogue(3).Ini());
    ChooseSize(25, 18, false);
    Control<QToolButton>(app.Form1(), "SpeedButton_b")->click();
    EXPECT_EQ(app.Doc().LastY, 11);
    EXPECT_EQ(app.Doc().LastX, 11);

    int rows = 0, columns = 0;
    QString label;
    AnswerModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TForm2*>(modal);
        rows = Control<QScrollBar>(*dialog, "ScrollBar1")->value();
        columns = Control<QScrollBar>(*dialog, "ScrollBar2")->value();
        label = Control<QLabel>(*dialog, "Label2")->text();
        Control<QPushButton>(*dialog, "Button1")->click();
    });
    Control<QToolButton>(app.Form1(), "SpeedButton_b")->click();
    EXPECT_EQ(rows, 25);
    EXPECT_EQ(columns, 18);
    EXPECT_EQ(label, "Y = 25");
    EXPECT_EQ(app.Doc().LastY, 24);
    EXPECT_EQ(app.Doc().LastX, 17);
}

TEST_F(MapFileUi, SizeButtonFitsTheWindowWhenAsked)
{
    TestApp app(TestCatalogue(3).Keys("Window=1").Ini());
    ExpectPictureFits(app.Form1());
    for (auto [rows, columns] : {std::pair{15, 20}, std::pair{12, 12}, std::pair{14, 13}}) {
        ChooseSize(rows, columns, true);
        Control<QToolButton>(app.Form1(), "SpeedButton_b")->click();
        SCOPED_TRACE(rows);
        ExpectPictureFits(app.Form1());
        // Just fits: no spare room beyond what the window's least size needs.
        const QSize spare = Control<QScrollArea>(app.Form1(), "ScrollBox1")->viewport()->size() - app.Form1().Renderer->Picture().size();
        if (app.Form1().size().width() > app.Form1().minimumSizeHint().width())
            EXPECT_EQ(spare.width(), 0);
        if (app.Form1().size().height() > app.Form1().minimumSizeHint().height())
            EXPECT_EQ(spare.height(), 0);
    }
}

TEST_F(MapFileUi, FitLeavesAMaximisedWindowAlone)
{
    TestApp app(TestCatalogue(3).Ini());
    app.Form1().showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(app.Form1().isMaximized());
    const QSize before = app.Form1().size();
    app.Form1().FitWindowToMap(20, 20);
    QApplication::processEvents();
    EXPECT_EQ(app.Form1().size(), before);

    app.Form1().showNormal();
    QApplication::processEvents();
    app.Form1().FitWindowToMap(11, 11);
    ExpectPictureFits(app.Form1());
}

TEST_F(MapFileUi, FitFromAWindowShowingScrollBars)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    f.resize(300, 300);
    QApplication::processEvents();
    ASSERT_TRUE(Control<QScrollArea>(f, "ScrollBox1")->horizontalScrollBar()->isVisible());
    f.FitWindowToMap(11, 11);
    ExpectPictureFits(f);
    EXPECT_EQ(Control<QScrollArea>(f, "ScrollBox1")->viewport()->size(), QSize(400, 400)) << "no room left over";
}

TEST_F(MapFileUi, RecentMapsThroughSaveLoadRestartAndAMissingFile)
{
    TestApp app(TestCatalogue(3).Ini());
    WriteMap(app.Path("a.kpl"), 12, 12);
    WriteMap(app.Path("b.kpl"), 14, 18);
    // A name Shift-JIS cannot hold is listed too (the file keeps it escaped).
    const QString steps[][2] = {{"save", "島\U0001F3DD.kpl"}, {"save", "saved.kpl"}, {"load", "a.kpl"},
                                {"load", "b.kpl"},            {"load", "a.kpl"}};
    for (const auto& [how, name] : steps) {
        ChooseFile(app.Path(name));
        (how == "save" ? Control<QToolButton>(app.Form1(), "SpeedButton_Save") : Control<QToolButton>(app.Form1(), "SpeedButton_Load"))->click();
    }
    auto names = [](TForm1& f) {
        QStringList shown;
        for (int i = 0; i < Control<RecentMapsList>(f, "RecentList")->count(); ++i)
            shown << Control<RecentMapsList>(f, "RecentList")->item(i)->text();
        return shown;
    };
    EXPECT_EQ(names(app.Form1()), QStringList({"a.kpl", "b.kpl", "saved.kpl", "島\U0001F3DD.kpl"}));
    EXPECT_EQ(Control<RecentMapsList>(app.Form1(), "RecentList")->item(1)->toolTip(), QDir::toNativeSeparators(app.Path("b.kpl")));
    // Load's drop-down: the whole name first, whatever the folder's length.
    const QList<QAction*> dropDown = Control<QToolButton>(app.Form1(), "SpeedButton_Load")->menu()->actions();
    ASSERT_EQ(dropDown.size(), 4);
    EXPECT_TRUE(dropDown[1]->text().startsWith("b.kpl ")) << dropDown[1]->text().toStdString();
    app.Form1().close();

    AppWindows next(app.folder.path(), {});
    next.Form1->show();
    TForm1& f = *next.Form1;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    Control<QTabWidget>(f, "PageControl1")->setCurrentWidget(Control<QWidget>(f, "TabSheet2"));
    EXPECT_EQ(names(f), QStringList({"a.kpl", "b.kpl", "saved.kpl", "島\U0001F3DD.kpl"}));
    auto doubleClick = [&](int row) {
        QListWidget* list = Control<RecentMapsList>(f, "RecentList");
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);  // a double-click's first press
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    };
    QFile::remove(app.Path("b.kpl"));
    doubleClick(1);
    const QStringList gone{QDir::toNativeSeparators(app.Path("b.kpl")) + " は見つかりません"};
    EXPECT_EQ(app.messages, gone);
    EXPECT_EQ(names(f), QStringList({"a.kpl", "saved.kpl", "島\U0001F3DD.kpl"}));
    doubleClick(0);
    EXPECT_EQ(next.Form1->TileData->LastX, 12);
    EXPECT_EQ(names(f), QStringList({"a.kpl", "saved.kpl", "島\U0001F3DD.kpl"}));
    doubleClick(1);
    EXPECT_EQ(names(f), QStringList({"saved.kpl", "a.kpl", "島\U0001F3DD.kpl"}));
    EXPECT_EQ(app.messages, gone);
    // A file that is no map any more goes too, named.
    WriteText(app.Path("a.kpl"), "not a map");
    doubleClick(1);
    EXPECT_EQ(names(f), QStringList({"saved.kpl", "島\U0001F3DD.kpl"}));
    EXPECT_EQ(app.messages.last(), NotMapFile + "\n" + QDir::toNativeSeparators(app.Path("a.kpl")) + " を一覧から外しました");
}

TEST_F(MapFileUi, CaptionThroughASessionAndCtrlSSavesWithoutADialog)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    const QString base = "ISPLN  Ver 1.00";
    const auto paint = [&](int x) {
        const CellRectangle r = TTileData::CellRect(x, 2);
        QTest::mouseClick(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, QPoint(r.Left + 16, r.Top + 16));
    };
    const auto ctrlS = [&] {
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
    };
    EXPECT_EQ(f.windowTitle(), base);
    app.Doc().Selected = 2;
    paint(3);
    EXPECT_EQ(f.windowTitle(), base + " *");
    EXPECT_FALSE(Control<QLineEdit>(f, "Edit1")->isEnabled()) << "figures are stale";
    ChooseFile(app.Path("isle"));
    ctrlS();
    EXPECT_EQ(f.windowTitle(), base + " - isle.kpl");
    paint(4);
    EXPECT_EQ(f.windowTitle(), base + " - isle.kpl *");
    QString dialogTitle;
    ChooseFile(QString(), &dialogTitle);  // would cancel a dialog, had one opened
    ctrlS();
    EXPECT_EQ(f.windowTitle(), base + " - isle.kpl");
    QTest::qWait(50);
    EXPECT_TRUE(dialogTitle.isEmpty());
    ++answerGeneration;
    MapFileInfo info;
    QFile saved(app.Path("isle.kpl"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly) && ReadMapBytes(saved.readAll().toStdString(), info));
    EXPECT_EQ(info.Cells[4][2].Panel, 2);
    QString typed;
    ChooseFile(QString(), nullptr, nullptr, nullptr, &typed);
    Control<QToolButton>(f, "SpeedButton_Save")->click();
    EXPECT_EQ(typed, "isle.kpl") << "Save always asks, starting at the open file";
    Control<QToolButton>(f, "SpeedButton_In")->click();
    EXPECT_TRUE(Control<QLineEdit>(f, "Edit1")->isEnabled());
    WriteMap(app.Path("other.kpl"), 13, 13);
    f.OpenMapFile(app.Path("other.kpl"));
    EXPECT_EQ(f.windowTitle(), base + " - other.kpl");

    // Another program rewrites the open file: the window offers to read it
    // again (nobody answers here, so it is marked), and a save onto it asks
    // first and, unanswered, keeps the other program's file.
    const QString other = QDir::toNativeSeparators(app.Path("other.kpl"));
    WriteMap(app.Path("other.kpl"), 14, 14);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.windowTitle().endsWith(" (他で変更)"); }, 3000));
    EXPECT_EQ(app.messages.last(), other + " は他で変更されました。読み込み直しますか？ (読み込み直しません)");
    EXPECT_EQ(Control<QStatusBar>(f, "StatusBar1")->currentMessage(), other + " は他で変更されています");
    const QByteArray theirs = ReadAll(app.Path("other.kpl"));
    paint(3);
    ctrlS();
    EXPECT_EQ(app.messages.last(), other + " は他で変更されています。上書きしますか？ (上書きしません)");
    EXPECT_EQ(ReadAll(app.Path("other.kpl")), theirs);
    EXPECT_EQ(f.windowTitle(), base + " - other.kpl * (他で変更)");
}

TEST_F(MapFileUi, UnsavedChangesAreAskedAboutBeforeEachActionThatDropsThem)
{
    const std::pair<const char*, std::function<void(TestApp&)>> actions[] = {
        {"close box", [](TestApp& a) { a.Form1().close(); }},
        {"Load", [](TestApp& a) { ChooseFile(a.Path("other.kpl")); Control<QToolButton>(a.Form1(), "SpeedButton_Load")->click(); }},
        {"Ctrl+O", [](TestApp& a) {
             a.Form1().activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&a.Form1()));
             ChooseFile(a.Path("other.kpl"));
             QTest::keyClick(&a.Form1(), Qt::Key_O, Qt::ControlModifier);
         }},
        {"drop on Drop", [](TestApp& a) { Drop(Control<QLabel>(a.Form1(), "DragDropPanel"), {a.Path("other.kpl")}); }},
        {"drop on map", [](TestApp& a) { Drop(Control<QScrollArea>(a.Form1(), "ScrollBox1")->viewport(), {a.Path("other.kpl")}); }},
        {"Set", [](TestApp& a) {
             AnswerModal([](QWidget* modal) {
                 auto* form = qobject_cast<TForm6*>(modal);
                 Control<QPlainTextEdit>(*form, "Memo1")->setPlainText("b");
                 Control<QToolButton>(*form, "SpeedButton2")->click();
                 form->accept();
             });
             Control<QToolButton>(a.Form1(), "SpeedButton_d")->click();
         }},
        {"パネルクリア", [](TestApp& a) { Control<QToolButton>(a.Form1(), "SpeedButton3")->click(); }},
        {"マスククリア", [](TestApp& a) { Control<QToolButton>(a.Form1(), "SpeedButton5")->click(); }},
        {"ALLクリア", [](TestApp& a) { Control<QToolButton>(a.Form1(), "SpeedButton6")->click(); }},
        {"新規", [](TestApp& a) {
             AnswerModal([](QWidget* modal) { Control<QPushButton>(*modal, "Button1")->click(); });
             Control<QToolButton>(a.Form1(), "SpeedButton_New")->click();
         }},
    };
    const MapCell painted{1, 0, 1};
    for (const auto& [what, act] : actions)
        for (const QString answer : {"保存", "保存しない", "キャンセル", "Escape"}) {
            SCOPED_TRACE(std::string(what) + " " + answer.toStdString());
            TestApp app(TestCatalogue(3).Ini());
            TForm1& f = app.Form1();
            WriteMap(app.Path("mine.kpl"), 20, 20);
            WriteMap(app.Path("other.kpl"), 13, 13);
            ASSERT_TRUE(f.OpenMapFile(app.Path("mine.kpl")));
            app.Doc().Selected = 1;
            const CellRectangle r = TTileData::CellRect(2, 2);
            QTest::mouseClick(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, QPoint(r.Left + 16, r.Top + 16));
            app.Doc().SetCell(2, 2, painted);
            AnswerBoxes answers(answer);
            act(app);
            ++answerGeneration;
            EXPECT_EQ(answers.asked, QStringList{"ISPLN|地図の変更が保存されていません。保存しますか？"});
            const bool happened = !f.isVisible() || app.Doc().GetCell(2, 2) != painted;
            const bool cancelled = answer == "キャンセル" || answer == "Escape";
            EXPECT_EQ(happened, !cancelled);
            if (cancelled)
                EXPECT_EQ(f.windowTitle(), "ISPLN  Ver 1.00 - mine.kpl *");
            MapFileInfo onDisk;
            QFile mine(app.Path("mine.kpl"));
            ASSERT_TRUE(mine.open(QIODevice::ReadOnly) && ReadMapBytes(mine.readAll().toStdString(), onDisk));
            EXPECT_EQ(onDisk.Cells[2][2] == painted, answer == "保存");
        }
}

TEST_F(MapFileUi, TheWindowStaysOnTheScreenAndKeepsItsToolbar)
{
    TestApp app(TestCatalogue(3).Keys("Window=1").Ini());
    TForm1& f = app.Form1();
    const QRect area = f.screen()->availableGeometry();
    ASSERT_EQ(area.size(), QSize(800, 600));
    WriteMap(app.Path("big.kpl"), 29, 29);
    ChooseFile(app.Path("big.kpl"));
    Control<QToolButton>(f, "SpeedButton_Load")->click();
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(f.frameGeometry()));
    QScrollBar* rows = Control<QScrollArea>(f, "ScrollBox1")->verticalScrollBar();
    EXPECT_TRUE(rows->isVisible());
    EXPECT_EQ(rows->maximum() + Control<QScrollArea>(f, "ScrollBox1")->viewport()->height(), f.Renderer->Picture().height());
    EXPECT_TRUE(f.rect().contains(Control<QStatusBar>(f, "StatusBar1")->geometry()));

    // A 4 x 1 map: no grey space beside the picture, a window hardly
    // higher than the side panel needs.
    f.FitWindowToMap(0, 3);
    QApplication::processEvents();
    EXPECT_EQ(Control<QScrollArea>(f, "ScrollBox1")->width(), 32 * 3 + 48);
    EXPECT_LE(f.height(), 210);
}

TEST_F(MapFileUi, NewGivesAnEmptyMapOfTheAskedSizeWithNoFile)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    WriteMap(app.Path("mine.kpl"), 20, 20);
    ASSERT_TRUE(f.OpenMapFile(app.Path("mine.kpl")));
    app.Doc().SetCell(2, 2, {1, 0, 0});
    AnswerModal([](QWidget* modal) { modal->close(); });
    f.Actions.New->trigger();
    ++answerGeneration;
    EXPECT_EQ(f.windowTitle(), "ISPLN  Ver 1.00 - mine.kpl") << "a cancelled size abandons New";
    AnswerModal([](QWidget* modal) {
        auto* size = qobject_cast<TForm2*>(modal);
        Control<QScrollBar>(*size, "ScrollBar1")->setValue(14);
        Control<QScrollBar>(*size, "ScrollBar2")->setValue(15);
        Control<QPushButton>(*size, "Button1")->click();
    });
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    // The closed dialog's last activation news can still arrive and take the
    // window's shortcuts for a moment; the key counts once it opens the size.
    for (int tries = 0; tries < 50 && f.windowTitle() != "ISPLN  Ver 1.00"; ++tries) {
        QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
        QTest::qWait(20);
    }
    ++answerGeneration;
    EXPECT_EQ(f.windowTitle(), "ISPLN  Ver 1.00");
    EXPECT_EQ(std::pair(app.Doc().LastY, app.Doc().LastX), std::pair(13, 14));
    EXPECT_EQ(app.Doc().GetCell(2, 2), MapCell{});
    EXPECT_FALSE(Control<QToolButton>(f, "SpeedButton1")->isEnabled());
}
