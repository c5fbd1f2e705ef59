// Closing the main window writes isplan.ini, whatever is open, and a file
// that cannot be written never traps the user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QTimer>

#include "CatalogueText.h"
#include "TestApp.h"
#include "app/Config.h"
#include "app/GuardedApplication.h"
#include "app/IniFile.h"

TEST(Shutdown, ClosingWritesTheSettingsBack)
{
    TestApp app(CatalogueText(3));
    app.Doc().Food1 = 333;
    app.Doc().Sys.LoadFile = "地図.kpl";
    app.Form1().close();
    IniFile ini;
    ASSERT_TRUE(ini.Load(app.Path("isplan.ini").toStdString()));
    const ConfigData back = ReadConfig(ini, "/x/");
    EXPECT_EQ(back.Food1, 333);
    EXPECT_EQ(back.Sys.LoadFile, "地図.kpl");
    EXPECT_EQ(back.Tiles.size(), 3u);
    EXPECT_EQ(back.Masks.size(), 3u);
}

TEST(Shutdown, ACloseFromOutsideCancelsAnOpenDialog)
{
    TestApp app(CatalogueText(3));
    const QByteArray before = [&] {
        QFile f(app.Path("isplan.ini"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    app.Doc().Gold = 77;
    // As a signal would: close the main window while "System設定" is open.
    QTimer::singleShot(50, [&] { app.Form1().close(); });
    app.Form1().SpeedButton_cClick();  // returns only once the dialog is gone
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(app.Form1().isVisible());
    IniFile ini;
    ini.Load(app.Path("isplan.ini").toStdString());
    EXPECT_EQ(ReadConfig(ini, "/x/").Gold, 77);
    EXPECT_NE(ini.ToBytes(), before.toStdString());
}

TEST(Shutdown, AnUnwritableFileIsReportedAndTheWindowStillCloses)
{
    TestApp app(CatalogueText(3));
    // A folder in the file's place cannot be replaced by a file.
    QFile::remove(app.Path("isplan.ini"));
    QDir().mkdir(app.Path("isplan.ini"));
    app.Form1().close();
    ASSERT_EQ(app.messages.size(), 1);
    EXPECT_EQ(app.messages[0], app.Path("isplan.ini") + " に書き込めません");
    EXPECT_FALSE(app.Form1().isVisible());
    EXPECT_TRUE(QFileInfo(app.Path("isplan.ini")).isDir());
}

namespace {

// An event handler that fails, as a faulty one would.
struct Thrower : QObject {
    bool event(QEvent*) override { throw std::runtime_error("壊れたハンドラ"); }
    void Fire() { QEvent e(QEvent::User); QApplication::sendEvent(this, &e); }
};

}  // namespace

TEST(Shutdown, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn)
{
    TestApp app(CatalogueText(3));
    Thrower().Fire();
    EXPECT_EQ(app.messages, QStringList{"壊れたハンドラ"});
    EXPECT_TRUE(app.Form1().isVisible());
}

TEST(Shutdown, AnExceptionDuringStartUpIsShownAndWritesNoSettings)
{
    TestApp app(CatalogueText(3), {}, false);
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
