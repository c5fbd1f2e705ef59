// ispln-cli render draws what the window draws for the same file, pixel for
// pixel: the window loads the file through its own Load path.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QToolButton>

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
            window.SpeedButton4->click();
        if (window.CheckBox1->isChecked() != mode.Masks)
            window.CheckBox1->click();
        ASSERT_EQ(app.Doc().LineMode, mode.Lines);
        ASSERT_EQ(app.Doc().MaskShow, mode.Masks);
        for (const QString& map : maps) {
            ASSERT_TRUE(app.Doc().LoadMapFile(map.toStdString()));
            const QImage shown = window.Renderer->Picture().convertToFormat(QImage::Format_RGB32);
            const QImage drawn = CliPicture(app, map, mode.Flags);
            ASSERT_EQ(drawn.size(), shown.size()) << mode.Name;
            EXPECT_TRUE(drawn == shown) << mode.Name << " " << map.toStdString();
        }
    }
}

}  // namespace
