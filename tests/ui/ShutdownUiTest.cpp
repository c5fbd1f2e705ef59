// Closing the main window writes isplan.ini, whatever is open, and a file
// that cannot be written never traps the user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <thread>
#include <sys/stat.h>

#include "TestCatalogue.h"
#include "TestApp.h"
#include "settings/Config.h"
#include "app/GuardedApplication.h"
#include "app/MapCommands.h"
#include "settings/IniFile.h"
#include "dialogs/Unit2.h"
#include "app/MapPicture.h"
#include "files/MapFile.h"

TEST(Shutdown, ClosingWritesTheSettingsBack)
{
    TestApp app(TestCatalogue(3).Ini());
    app.Doc().Food1 = 333;
    app.Doc().Sys.LoadFile = "地図.kpl";
    // Another window closing at the same moment holds the file's lock over
    // its own read, merge and write: this window's merge waits for it.
    const std::string path = app.Path("isplan.ini").toStdString();
    QLockFile other(app.Path("isplan.ini.lock"));
    ASSERT_TRUE(other.tryLock(0));
    IniFile theirs;
    ASSERT_TRUE(theirs.Load(path));
    std::thread closing([&] {
        QThread::msleep(300);
        theirs.WriteInteger("System", "Gold", 77);
        EXPECT_TRUE(theirs.Save(path));
        other.unlock();
    });
    app.Form1().close();
    closing.join();
    IniFile ini;
    ASSERT_TRUE(ini.Load(path));
    const ConfigData back = ReadConfig(ini, "/x/");
    EXPECT_EQ(back.Gold, 77);
    EXPECT_EQ(back.Food1, 333);
    EXPECT_EQ(back.Sys.LoadFile, "地図.kpl");
    EXPECT_EQ(back.Tiles.size(), 3u);
    EXPECT_EQ(back.Masks.size(), 3u);
}

TEST(Shutdown, ACloseFromOutsideCancelsAnOpenDialog)
{
    TestApp app(TestCatalogue(3).Ini());
    const QByteArray before = [&] {
        QFile f(app.Path("isplan.ini"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    app.Doc().Gold = 77;
    // As a signal would: close the main window while "System設定" is open.
    QTimer::singleShot(50, [&] { app.Form1().close(); });
    app.Form1().Commands->SpeedButton_cClick();  // returns only once the dialog is gone
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(app.Form1().isVisible());
    IniFile ini;
    ASSERT_TRUE(ini.Load(app.Path("isplan.ini").toStdString()));
    EXPECT_EQ(ReadConfig(ini, "/x/").Gold, 77);
    EXPECT_NE(ini.ToBytes(), before.toStdString());
}

TEST(Shutdown, AnUnwritableFileIsReportedAndTheWindowStillCloses)
{
    TestApp app(TestCatalogue(3).Ini());
    // A folder in the file's place cannot be replaced by a file.
    QFile::remove(app.Path("isplan.ini"));
    QDir().mkdir(app.Path("isplan.ini"));
    app.Form1().close();
    ASSERT_EQ(app.messages.size(), 1);
    EXPECT_TRUE(app.messages[0].startsWith(app.Path("isplan.ini") + " に書き込めません: ")) << app.messages[0].toStdString();
    EXPECT_FALSE(app.Form1().isVisible());
    EXPECT_TRUE(QFileInfo(app.Path("isplan.ini")).isDir());
}

namespace {

// An event handler that fails, as a faulty one would.
struct Thrower : QObject {
    bool event(QEvent*) override { throw std::runtime_error("壊れたハンドラ"); }
    void Fire() { QEvent e(QEvent::User); QApplication::sendEvent(this, &e); }
};

MapCell CellOnDisk(const QString& path, int x, int y)
{
    QFile file(path);
    MapFileInfo info;
    if (!file.open(QIODevice::ReadOnly) || !ReadMapBytes(file.readAll().toStdString(), info))
        return {255, 255, 255};
    return info.Cells[x][y];
}

}  // namespace

TEST(Shutdown, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn)
{
    TestApp app(TestCatalogue(3).Ini());
    Thrower().Fire();
    EXPECT_EQ(app.messages, QStringList{"壊れたハンドラ"});
    EXPECT_TRUE(app.Form1().isVisible());
}

TEST(Shutdown, AnExceptionDuringStartUpIsShownAndWritesNoSettings)
{
    TestApp app(TestCatalogue(3).Ini(), {}, false);
    const QDateTime written = QFileInfo(app.Path("isplan.ini")).lastModified();
    auto& guarded = *static_cast<GuardedApplication*>(QCoreApplication::instance());
    EXPECT_FALSE(guarded.StartUp([&] {
        app.Show();
        Thrower().Fire();
    }));
    ASSERT_EQ(app.messages.size(), 1);
    EXPECT_TRUE(app.messages[0].contains("壊れたハンドラ"));
    app.windows.reset();
    EXPECT_EQ(QFileInfo(app.Path("isplan.ini")).lastModified(), written);
}

TEST(Shutdown, AnUnreadableSettingsFileIsReportedOnceAndLeftUntouched)
{
    const auto fifo = [](const QString& path) { ::mkfifo(path.toLocal8Bit().constData(), 0666); };
    const auto folder = [](const QString& path) { QDir().mkdir(path); };
    const auto zero = [](const QString& path) { QFile::link("/dev/zero", path); };
    const auto large = [](const QString& path) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(5 << 20, '\n'));
    };
    const std::function<void(const QString&)> makers[] = {fifo, folder, zero, large};
    for (const auto& make : makers) {
        TestApp app(TestCatalogue(3).Ini(), {}, false);
        const QString ini = app.Path("isplan.ini");
        QFile::remove(ini);
        make(ini);
        struct stat before;
        ASSERT_EQ(::lstat(ini.toLocal8Bit().constData(), &before), 0);
        // The defaults ask for a size.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<TForm2*>(QApplication::activeModalWidget()))
                Control<QPushButton>(*dialog, "Button1")->click();
        });
        answer.start(5);
        app.Show();
        app.Form1().close();
        EXPECT_EQ(app.messages, QStringList{ini + " を読み込めません"});
        struct stat after;
        ASSERT_EQ(::lstat(ini.toLocal8Bit().constData(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode) << ini.toStdString();
        EXPECT_EQ(after.st_size, before.st_size);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    }
}

TEST(Shutdown, AnUnusableSettingsFolderIsReportedOnceAndNothingIsWritten)
{
    TestApp app({}, {}, false);
    const QByteArray ini = app.Path("isplan.ini").toLocal8Bit();
    struct stat before, after;
    ASSERT_EQ(::lstat(ini.constData(), &before), 0);
    app.Form1().SettingsProblem = "/nowhere/ispln に書き込めません: Not a directory";
    app.Show();
    app.Form1().close();
    EXPECT_EQ(app.messages, QStringList{"/nowhere/ispln に書き込めません: Not a directory"});
    ASSERT_EQ(::lstat(ini.constData(), &after), 0);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

// The real program, closed by SIGTERM while a start-up message or the size
// dialog waits for an answer nobody gives.
TEST(Shutdown, ASignalEndsTheProgramWhateverItWaitsFor)
{
    struct Case {
        const char* what;
        QByteArray system;  // [System] keys, or empty: isplan.ini links to a missing folder
        QStringList args;
        const char* stderrHas;
    };
    const Case cases[] = {
        {"missing LoadFile", "MapSize=1\r\nLoad=1\r\nLoadFile=/nonexistent/x.kpl\r\n", {}, ""},
        {"refused map", "MapSize=1\r\n", {"bad.kpl"}, ""},
        {"size dialog, unwritable isplan.ini", "", {}, "isplan.ini に書き込めません"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString ini = dir.filePath("isplan.ini");
        QFile(dir.filePath("bad.kpl")).open(QIODevice::WriteOnly);
        if (c.system.isEmpty()) {
            QFile::link(dir.filePath("gone/isplan.ini"), ini);
        } else {
            QFile file(ini);
            file.open(QIODevice::WriteOnly);
            file.write("[System]\r\nFood1=0xC8\r\n" + c.system);
        }
        QProcess program;
        program.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        // The program folder is the executable's own.
        ASSERT_TRUE(QFile::copy(QStringLiteral(ISPLN_EXE), dir.filePath("ispln")));
        program.start(dir.filePath("ispln"), c.args);
        ASSERT_TRUE(program.waitForStarted());
        // Up to the message or dialog; the program must still be running.
        EXPECT_FALSE(program.waitForFinished(1500)) << c.what;
        // The signal ends it: the test waits for the end, not for a time.
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        EXPECT_TRUE(program.waitForFinished(60000)) << c.what;
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
        EXPECT_TRUE(QString::fromLocal8Bit(program.readAllStandardError()).contains(QString::fromUtf8(c.stderrHas)))
            << c.what;
        if (!c.system.isEmpty()) {
            QFile file(ini);
            file.open(QIODevice::ReadOnly);
            // Written: the keys it lacked are there; the unchanged one is as it was.
            const QByteArray bytes = file.readAll();
            EXPECT_TRUE(bytes.contains("MapX=12\r\n") && bytes.contains("Food1=0xC8\r\n")) << c.what;
        }
    }
}

TEST(Shutdown, TheRecoveryCopyOutlivesAnOutsideCloseAndIsRestoredAtTheNextStart)
{
    TestApp app(TestCatalogue(3).Ini());
    const QString copy = app.Path("isplan-recovery.kpl");
    app.Form1().SetRecoveryDelay(30);
    app.Doc().Selected = 1;
    const CellRectangle r = TTileData::CellRect(2, 2);
    QTest::mouseClick(Control<MapPicture>(app.Form1(), "Image1"), Qt::LeftButton, {}, QPoint(r.Left + 16, r.Top + 16));
    EXPECT_FALSE(QFile::exists(copy));
    for (int i = 0; i < 200 && !QFile::exists(copy); ++i)
        QTest::qWait(10);
    EXPECT_EQ(CellOnDisk(copy, 2, 2).Panel, 1) << "written after the delay";

    app.Doc().SetCell(3, 3, {2, 0, 0});
    ASSERT_TRUE(app.Doc().SaveMapFile(app.Path("usual.kpl").toStdString()));
    app.Form1().CloseFromOutside();  // as SIGTERM does: no question
    EXPECT_FALSE(app.Form1().isVisible());
    EXPECT_EQ(CellOnDisk(copy, 3, 3).Panel, 2);
    // That close ended every event loop for good; the next start in this
    // process needs them back, as a new process would have them.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();

    {
        AnswerBoxes answers("復元");
        app.windows.reset();
        app.windows = std::make_unique<AppWindows>(app.folder.path(), QStringList{app.Path("usual.kpl")});
        app.Show();
        EXPECT_EQ(answers.asked, QStringList{"ISPLN|保存されていない地図が残っています。復元しますか？"});
    }
    EXPECT_EQ(app.Doc().GetCell(3, 3).Panel, 2);
    EXPECT_EQ(app.Form1().windowTitle(), "ISPLN  Ver 1.00 *");
    EXPECT_TRUE(app.Form1().OpenFile().isEmpty());

    AnswerBoxes dontSave("保存しない");
    app.Form1().close();
    EXPECT_FALSE(QFile::exists(copy)) << "nothing is left unsaved";
}

TEST(Shutdown, ARecoveryCopyIsDiscardedOrKeptAndJunkIsLeftAlone)
{
    const struct {
        const char* answer;
        bool junk, asked, kept;
    } cases[] = {{"破棄", false, true, false}, {"Escape", false, true, true}, {"復元", true, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        TestApp app(TestCatalogue(3).Ini(), {}, false);
        const QString copy = app.Path("isplan-recovery.kpl");
        app.Doc().SetCell(2, 2, {1, 0, 0});
        ASSERT_TRUE(app.Doc().SaveMapFile(copy.toStdString()));
        app.Doc().SetCell(2, 2, {});
        if (c.junk)
            QFile(copy).resize(100);
        AnswerBoxes answers(c.answer);
        app.Show();
        EXPECT_EQ(answers.asked.size(), c.asked ? 1 : 0);
        EXPECT_EQ(app.Doc().GetCell(2, 2), MapCell{});
        EXPECT_EQ(app.Form1().windowTitle(), "ISPLN  Ver 1.00");
        app.Form1().close();
        EXPECT_EQ(QFile::exists(copy), c.kept);
    }
}

TEST(Shutdown, ACloseFromOutsideWhileTheCloseBoxAsksStillEndsAndKeepsTheWork)
{
    TestApp app(TestCatalogue(3).Ini());
    app.Doc().Selected = 1;
    const CellRectangle r = TTileData::CellRect(2, 2);
    QTest::mouseClick(Control<MapPicture>(app.Form1(), "Image1"), Qt::LeftButton, {}, QPoint(r.Left + 16, r.Top + 16));
    QTimer::singleShot(50, [&] { app.Form1().CloseFromOutside(); });
    app.Form1().close();  // the question comes up and is never answered
    EXPECT_FALSE(app.Form1().isVisible());
    EXPECT_EQ(CellOnDisk(app.Path("isplan-recovery.kpl"), 2, 2).Panel, 1);
}
