// ispln-cli render draws what the window draws for the same file, pixel for
// pixel: the window loads the file through its own Load path.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "CliHarness.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "view/MapRenderer.h"

namespace {

// Every shipped panel and mask, a counter or two, plus a panel number and a
// mask number no catalogue entry carries.
MapFileInfo EveryKindMap(int columns, int rows)
{
    MapFileInfo info = MapOf(columns, rows);
    int i = 0;
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y, ++i) {
            MapCell& c = info.Cells[x][y];
            c.Panel = static_cast<uint8_t>(i % 24);
            c.Counter = static_cast<uint8_t>(i % 7);
            c.Mask = static_cast<uint8_t>(i % 3 == 0 ? (i / 3) % 6 : 0);
        }
    info.Cells[0][0] = {200, 0, 40};
    return info;
}

QImage CliPicture(TestApp& app, const QString& map, const QStringList& flags)
{
    const QString png = app.Path("cli.png");
    QFile::remove(png);
    const CliRun run = RunCli(QStringList{"render", map, "-o", png, "--ini", app.Path("isplan.ini")} + flags);
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

TEST(CliWindow, RenderEqualsTheWindowsPictureInEveryDisplayMode)
{
    TestApp app;
    TForm1& window = app.Form1();
    const QString maps[] = {
        app.Path("big.kpl"),
        app.Path("wide.kpl"),
        QStringLiteral(ISPLN_SOURCE_DIR "/docs/sample.kpl"),
    };
    WriteAll(maps[0], CurrentBytes(EveryKindMap(31, 31)));
    WriteAll(maps[1], CurrentBytes(EveryKindMap(12, 5)));

    struct Mode {
        const char* Name;
        bool Lines, Masks;
        QStringList Flags;
    };
    const Mode modes[] = {
        {"as started", false, true, {}},
        {"ライン", true, true, {"--lines"}},
        {"ライン, マスク表示 off", true, false, {"--lines", "--no-masks"}},
        {"マスク表示 off", false, false, {"--no-masks"}},
    };
    for (const Mode& mode : modes) {
        // Switched as a user does, with the window's own controls.
        if (app.Doc().LineMode != mode.Lines)
            Control<QToolButton>(window, "SpeedButton4")->click();
        if (Control<QCheckBox>(window, "CheckBox1")->isChecked() != mode.Masks)
            Control<QCheckBox>(window, "CheckBox1")->click();
        ASSERT_EQ(app.Doc().LineMode, mode.Lines);
        ASSERT_EQ(app.Doc().MaskShow, mode.Masks);
        for (const QString& map : maps) {
            ASSERT_TRUE(window.Session->Load(map));
            const QImage shown = window.Renderer->Picture().convertToFormat(QImage::Format_RGB32);
            const QImage drawn = CliPicture(app, map, mode.Flags);
            ASSERT_EQ(drawn.size(), shown.size()) << mode.Name;
            EXPECT_TRUE(drawn == shown) << mode.Name << " " << map.toStdString();
        }
    }
}

// Calls `step` on the open modal widget until it says it has answered.
void Answer(std::function<bool(QWidget*)> step, int triesLeft = 400)
{
    QTimer::singleShot(5, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!(modal && step(modal)) && triesLeft > 0)
            Answer(step, triesLeft - 1);
    });
}

// A file made read-only is never replaced, whether or not its folder takes
// a new file: its bytes stay and the user hears of it. Run as a normal user
// (scripts/test does); as root a file without any write bit is refused too.
TEST(ReadOnlyTargets, StayAsTheyWereAndTheWriteIsReported)
{
    const char* const targets[] = {"plan.kpl", "isplan.ini", "map.png", "out.kpl"};
    for (const bool folderWritable : {true, false})
        for (const QString target : targets) {
            TestApp app({}, {}, false);
            const QString path = app.Path(target);
            if (target != "isplan.ini")
                WriteAll(path, CurrentBytes(MapOf(12, 12)));
            // Started on the map, so that Ctrl+S saves to it.
            app.windows.reset();
            app.windows = std::make_unique<AppWindows>(app.folder.path(),
                                                       target == "plan.kpl" ? QStringList{path} : QStringList{});
            app.Show();
            const QByteArray before = ReadAll(path);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            if (!folderWritable)
                QFile::setPermissions(app.folder.path(), QFile::ReadOwner | QFile::ExeOwner);
            const std::string row = target.toStdString() + (folderWritable ? "" : " in a read-only folder");
            if (target == "out.kpl") {
                const CliRun run = RunCli({"--ini", app.Path("isplan.ini"), "decode", "b@", "--size", "12x12", "-o", path});
                EXPECT_EQ(run.Status, 1) << row;
                EXPECT_TRUE(run.Err.startsWith("ispln-cli: cannot write " + path + ": ")) << row;
            } else {
                if (target == "plan.kpl")
                    EXPECT_FALSE(app.Form1().SaveMap()) << row;
                if (target == "isplan.ini")
                    app.Form1().close();
                if (target == "map.png") {
                    Answer([&](QWidget* w) {
                        auto* dialog = qobject_cast<QFileDialog*>(w);
                        return dialog && (dialog->selectFile(path), static_cast<QDialog*>(dialog)->accept(), true);
                    });
                    Answer([](QWidget* w) {
                        auto* box = qobject_cast<QMessageBox*>(w);
                        return box && (box->button(QMessageBox::Yes)->click(), true);
                    });
                    Control<QToolButton>(app.Form1(), "SpeedButton_Png")->click();
                }
                ASSERT_EQ(app.messages.size(), 1) << row;
                EXPECT_TRUE(app.messages[0].startsWith(path + " に書き込めません: ")) << row;  // and the reason
                EXPECT_GT(app.messages[0].size(), (path + " に書き込めません: ").size()) << row;
            }
            EXPECT_EQ(ReadAll(path), before) << row;
            QFile::setPermissions(app.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
}

}  // namespace
