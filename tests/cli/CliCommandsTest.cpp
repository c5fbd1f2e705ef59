// Each command of ispln-cli on map files the tests write: output, exit
// status and the files it writes.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "FigureCatalogue.h"
#include "files/StampFile.h"

namespace {

class CliCommands : public ::testing::Test {
protected:
    CliFolder folder{FigureCatalogue()};
    QString map = folder.WriteMap("island.kpl", FigureMap());

    CliRun Cli(QStringList args) { return RunCli(QStringList{"--ini", folder.Ini()} + args); }
};

TEST_F(CliCommands, StatsShowsTheTenBoxesAsTheWindowDoes)
{
    const CliRun run = Cli({"stats", map});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out,
              "人口: 1000\n面積: 3\n資金増加量: 0\n食料増加量: 100\n農業: 300\n工業: 500\n"
              "採掘場: 0\n労働者: 800\n失業者: 200\nミサイル数: 6\n");
    EXPECT_EQ(run.Err, "");

    // An English locale gives English labels, as in the window.
    const QByteArray all = qgetenv("LC_ALL"), lang = qgetenv("LANG");
    qunsetenv("LC_ALL");
    qputenv("LANG", "en_US.UTF-8");
    const CliRun english = Cli({"stats", map});
    qputenv("LC_ALL", all);
    qputenv("LANG", lang);
    EXPECT_TRUE(english.Out.startsWith("Population: 1000\nArea: 3\n")) << english.Out.toStdString();
}

TEST_F(CliCommands, StatsJsonTakesTheRatesOfTheCatalogueUsed)
{
    CliFolder other(FigureCatalogue(1000, 1000));
    const CliRun run = RunCli({"--ini", other.Ini(), "stats", map, "--json"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.Out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.Out.toStdString();
    const QJsonObject o = json.object();
    const std::pair<const char*, int> expected[] = {
        {"Population", 1000}, {"Area", 3},      {"FundsIncrease", 500}, {"FoodIncrease", -700},
        {"Farming", 300},     {"Industry", 500}, {"Mine", 0},           {"Workers", 800},
        {"Unemployed", 200},  {"Military", 6},
    };
    EXPECT_EQ(o.size(), 10);
    for (const auto& [field, value] : expected)
        EXPECT_EQ(o.value(field).toInteger(-1), value) << field;
}

TEST_F(CliCommands, DiffAgreesWithStatsOfBothMapsAndCountsTheCells)
{
    MapFileInfo oneCell = FigureMap(), masksOnly = FigureMap(), wider = FigureMap();
    oneCell.Cells[0][2] = {1, 0, 0};  // a town of 100
    masksOnly.Cells[3][0].Mask = 0;
    masksOnly.Cells[20][20].Mask = 1;  // outside the shown part, still held by the file
    wider.LastX = 5;
    const struct {
        const char* Name;
        MapFileInfo B;
        int Cells, Population, Status;
        const char* Says;
    } cases[] = {
        {"equal", FigureMap(), 0, 0, 0, "cells that differ: 0\n"},
        {"one cell", oneCell, 1, 100, 3, "0,2: 海(0) → 町(0)\n"},
        {"masks only", masksOnly, 2, 0, 3, "3,0: 基地\"A\"\\B(0)+印 → 基地\"A\"\\B(0)\n"},
        {"wider", wider, 0, 0, 3, "map size differs: 4 × 3 → 6 × 3\n"},
    };
    const auto json = [](const CliRun& run) { return QJsonDocument::fromJson(run.Out.toUtf8()).object(); };
    for (const auto& c : cases) {
        const QString b = folder.WriteMap("b.kpl", c.B);
        const CliRun run = Cli({"diff", map, b, "--json", "--cells", "--exit-code"});
        EXPECT_EQ(run.Status, c.Status) << c.Name << run.Err.toStdString();
        const QJsonObject o = json(run);
        EXPECT_EQ(o["a"], json(Cli({"stats", map, "--json"}))) << c.Name;
        EXPECT_EQ(o["b"], json(Cli({"stats", b, "--json"}))) << c.Name;
        EXPECT_EQ(o["delta"]["Population"].toInt(-1), c.Population) << c.Name;
        EXPECT_EQ(o["cells"].toInt(-1), c.Cells) << c.Name;
        EXPECT_EQ(o["changed"].toArray().size(), c.Cells) << c.Name;

        const CliRun text = Cli({"diff", map, b, "--cells"});
        EXPECT_EQ(text.Status, 0) << c.Name;
        EXPECT_TRUE(text.Out.contains(QString::fromUtf8(c.Says))) << c.Name << "\n" << text.Out.toStdString();
    }
}

TEST_F(CliCommands, BreakdownListsEveryEntryTabSeparated)
{
    const CliRun run = Cli({"breakdown", map});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out,
              "パネル名\t最小値\t最大値\t合計\t個数\n"
              "海\t0\t0\t0\t7\n"
              "町\t1000\t1000\t1000\t1\n"
              "農場\t300\t300\t300\t1\n"
              "工場\t500\t500\t500\t1\n"
              "基地\"A\"\\B\t1\t5\t6\t2\n");
}

TEST_F(CliCommands, BreakdownJsonIsValidWithEscapedNames)
{
    const CliRun run = Cli({"breakdown", "--json", map});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    QJsonParseError error;
    const QJsonArray rows = QJsonDocument::fromJson(run.Out.toUtf8(), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.Out.toStdString();
    ASSERT_EQ(rows.size(), 5);
    const QJsonObject base = rows[4].toObject();
    EXPECT_EQ(base.value("Name").toString(), QStringLiteral("基地\"A\"\\B"));
    EXPECT_EQ(base.value("No").toInt(), 7);
    EXPECT_EQ(base.value("Min").toInt(), 1);
    EXPECT_EQ(base.value("Max").toInt(), 5);
    EXPECT_EQ(base.value("Total").toInt(), 6);
    EXPECT_EQ(base.value("Count").toInt(), 2);
    EXPECT_EQ(rows[0].toObject().value("Count").toInt(), 7);
}

TEST_F(CliCommands, CodeReadsRowByRow)
{
    // (0,0) a, (1,0) a, (0,1) b, (1,1) b.
    const QString square = folder.WriteMap("square.kpl", MapOf(2, 2, {{0, 1, {1, 3, 2}}, {1, 1, {1, 0, 0}}}));
    const CliRun run = Cli({"code", square});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "1b0@2x2\n");
    EXPECT_EQ(Cli({"code", square, "--bare"}).Out, "1b0@\n");
}

TEST_F(CliCommands, DecodeWritesTheMapSetBuildsAndCodeReadsItBack)
{
    const QString out = folder.Path("decoded.kpl");
    const CliRun run = Cli({"decode", "1b0@", "--size", "2x2", "-o", out});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(ReadAll(out), CurrentBytes(MapOf(2, 2, {{0, 1, {1, 0, 0}}, {1, 1, {1, 0, 0}}})));
    EXPECT_EQ(Cli({"code", out}).Out, "1b0@2x2\n");
    // The size after "@" is enough, and "--size" may repeat it.
    for (const QStringList& sized : {QStringList{"decode", "1b0@2x2", "-o", out},
                                     QStringList{"decode", "1b0@2x2", "--size", "2x2", "-o", out}}) {
        ASSERT_EQ(Cli(sized).Status, 0) << sized.join(' ').toStdString();
        EXPECT_EQ(ReadAll(out), CurrentBytes(MapOf(2, 2, {{0, 1, {1, 0, 0}}, {1, 1, {1, 0, 0}}})));
    }
}

TEST_F(CliCommands, DecodeFillsTheShownSizeOnlyAndStopsAtItsEnd)
{
    const QString out = folder.Path("full.kpl");
    const CliRun run = Cli({"decode", "b99999@", "--size", "3X2", "-o", out});
    ASSERT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "ispln-cli: warning: 99995 cells of the code did not fit in the 3x2 map\n");
    MapFileInfo expected = MapOf(3, 2);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            expected.Cells[x][y] = {1, 0, 0};
    EXPECT_EQ(ReadAll(out), CurrentBytes(expected));
}

TEST_F(CliCommands, ConvertWritesTheCurrentLayoutKeepingHeaderBytes)
{
    // A row index of 31 stays 31, so the new file loads as the old one did.
    MapFileInfo old = MapOf(5, 3, {{0, 0, {1, 4, 0}}, {30, 30, {3, 9, 0}}, {4, 2, {2, 1, 0}}});
    old.LastY = 31;
    const QString in = folder.Write("old.kpl", OlderBytes(old));
    const QString out = folder.Path("new.kpl");
    const CliRun run = Cli({"convert", in, "-o", out});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    old.Layout = MapLayout::Current;
    EXPECT_EQ(ReadAll(out), CurrentBytes(old));

    // In place, and a current file comes out byte for byte.
    ASSERT_EQ(Cli({"convert", out, "-o", out}).Status, 0);
    EXPECT_EQ(ReadAll(out), CurrentBytes(old));
}

TEST_F(CliCommands, CheckNamesLayoutAndSizeOrTheReasonForRefusal)
{
    MapFileInfo tallHeader = MapOf(6, 1);
    tallHeader.LastY = 31;
    QByteArray foreignZero = CurrentBytes(MapOf(2, 2));
    foreignZero[5] = 1;
    QByteArray longer = CurrentBytes(MapOf(31, 31)) + QByteArray(5000, 'x');
    QDir().mkpath(folder.Path("folder.kpl"));
    struct Case {
        const char* Name;
        QByteArray Bytes;  // null: not written
        int Status;
        const char* Says;
    };
    const Case cases[] = {
        {"current.kpl", CurrentBytes(MapOf(12, 12)), 0, "loads as KPL03, 12 columns × 12 rows\n"},
        {"older.kpl", OlderBytes(MapOf(5, 3)), 0, "loads as KPL02 (older layout, no masks), 5 columns × 3 rows\n"},
        {"longer.kpl", longer, 0, "loads as KPL03, 31 columns × 31 rows\n"},
        {"tall.kpl", CurrentBytes(tallHeader), 0,
         "loads as KPL03, 6 columns × 1 rows\nnote: the header's row index is 31, beyond 30;"},
        {"zero.kpl", foreignZero, 1, "refused: not a map file"},
        {"kpl04.kpl", QByteArray("KPL04", 6) + QByteArray(2885, 0), 1, "refused: not a map file"},
        {"empty.kpl", QByteArray(""), 1, "refused: not a map file"},
        {"short3.kpl", CurrentBytes(MapOf(2, 2)).left(1930), 1,
         "refused: incomplete map file: a KPL03 file needs 2891 bytes, this one has 1930"},
        {"short2.kpl", OlderBytes(MapOf(2, 2)).left(1929), 1,
         "refused: incomplete map file: a KPL02 file needs 1930 bytes, this one has 1929"},
        {"missing.kpl", QByteArray(), 1, "refused: no such file"},
        {"folder.kpl", QByteArray(), 1, "refused: not a regular file"},
    };
    for (const Case& c : cases) {
        const QString path = folder.Path(c.Name);
        if (!c.Bytes.isNull())
            folder.Write(c.Name, c.Bytes);
        const CliRun run = Cli({"check", path});
        EXPECT_EQ(run.Status, c.Status) << c.Name;
        EXPECT_TRUE(run.Out.startsWith(path + ": " + QString::fromUtf8(c.Says))) << c.Name << ": "
                                                                                 << run.Out.toStdString();
    }
}

TEST_F(CliCommands, EveryMapReadingCommandRefusesWhatTheWindowRefuses)
{
    const QString foreign = folder.Write("foreign.kpl", QByteArray("KPL09", 6) + QByteArray(2885, 0));
    const QString shortFile = folder.Write("short.kpl", CurrentBytes(MapOf(2, 2)).left(2000));
    const QString missing = folder.Path("missing.kpl");
    const QString out = folder.Path("out.file");
    const QStringList commands[] = {
        {"render", "-o", out}, {"stats"}, {"stats", "--json"}, {"breakdown"}, {"code"}, {"convert", "-o", out},
    };
    for (const QString& bad : {foreign, shortFile, missing})
        for (QStringList command : commands) {
            command.insert(1, bad);
            const CliRun run = Cli(command);
            EXPECT_EQ(run.Status, 1) << command.join(' ').toStdString();
            EXPECT_EQ(run.Out, "") << command.join(' ').toStdString();
            EXPECT_TRUE(run.Err.startsWith("ispln-cli: " + bad + ": ")) << run.Err.toStdString();
            EXPECT_FALSE(QFileInfo::exists(out));
        }
}

TEST_F(CliCommands, AnUnwritableTargetFailsWithExitOne)
{
    // As root permissions do not stop a write; a regular file as the folder does.
    const QString blocker = folder.Write("blocker", "x");
    const QString target = blocker + "/out";
    const QStringList commands[] = {
        {"render", map, "-o", target},
        {"decode", "@", "--size", "2x2", "-o", target},
        {"convert", map, "-o", target},
    };
    for (const QStringList& command : commands) {
        const CliRun run = Cli(command);
        EXPECT_EQ(run.Status, 1) << command.join(' ').toStdString();
        EXPECT_TRUE(run.Err.startsWith("ispln-cli: cannot write " + target + ": ")) << run.Err.toStdString();
    }
    EXPECT_EQ(ReadAll(blocker), "x");
}

TEST_F(CliCommands, AnOutputThatNamesAnInputIsRefusedBeforeAnythingIsWritten)
{
    QDir().mkpath(folder.Path("sub"));
    QFile::link(map, folder.Path("link.kpl"));
    const struct {
        QStringList command;
        QString overwritten;  // empty: the exact rewrite convert may do
        bool throughStdout = false;
    } cases[] = {
        {{"render", map, "-o", map}, map},
        {{"render", map, "-o", folder.Path("link.kpl")}, map},
        {{"render", map, "-o", folder.Path("sub/../island.kpl")}, map},
        {{"decode", "@", "--size", "2x2", "-o", folder.Ini()}, folder.Ini()},
        {{"render", map, "-o", folder.Path("Image/mask_mark.bmp")}, folder.Path("Image/mask_mark.bmp")},
        {{"convert", map, "-o", "/dev/stdout"}, map, true},
        {{"render", map, "-o", "-"}, map, true},
        {{"convert", map, "-o", folder.Path("link.kpl")}, {}},
    };
    for (const auto& c : cases) {
        const QByteArray before = ReadAll(c.overwritten.isEmpty() ? map : c.overwritten);
        QProcess process;
        if (c.throughStdout)
            process.setStandardOutputFile(map, QIODevice::Append);
        process.start(QStringLiteral(ISPLN_CLI), QStringList{"--ini", folder.Ini()} + c.command);
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), c.overwritten.isEmpty() ? 0 : 1) << c.command.join(' ').toStdString();
        EXPECT_EQ(ReadAll(c.overwritten.isEmpty() ? map : c.overwritten), before) << err.toStdString();
    }
}

TEST_F(CliCommands, DashWritesToStandardOutputAndADeviceNodeSurvives)
{
    const QString node = folder.Path("null");
    const bool haveNode = ::mknod(node.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    const QStringList commands[] = {
        {"render", map},
        {"decode", "@", "--size", "2x2"},
        {"convert", map},
    };
    for (const QStringList& command : commands) {
        const QString file = folder.Path("out");
        ASSERT_EQ(Cli(command + QStringList{"-o", file}).Status, 0);
        QProcess process;
        process.setWorkingDirectory(folder.dir.path());
        process.start(QStringLiteral(ISPLN_CLI), QStringList{"--ini", folder.Ini()} + command + QStringList{"-o", "-"});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << command.join(' ').toStdString();
        EXPECT_EQ(process.readAllStandardOutput(), ReadAll(file)) << command.join(' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(folder.Path("-")));
        if (haveNode)
            EXPECT_EQ(Cli(command + QStringList{"-o", node}).Status, 0) << command.join(' ').toStdString();
    }
    struct stat st;
    if (haveNode)
        EXPECT_TRUE(::lstat(node.toLocal8Bit().constData(), &st) == 0 && S_ISCHR(st.st_mode));
}

TEST_F(CliCommands, RenderedPictureHasTheMapsSize)
{
    const struct {
        int Columns, Rows;
        QString MaxSize;  // --max-size, scaling down only
        QSize Expected;   // empty: 32 pixels a cell and the header strip
        QSize WithFigures;  // under --max-size; empty: refused
    } sizes[] = {{1, 1}, {4, 3}, {31, 31}, {31, 31, "128", {128, 128}}, {4, 3, "64", {64, 49}}, {1, 1, "100"},
                 {31, 31, "400", {400, 400}, {208, 400}}};
    for (const auto& s : sizes) {
        const QString in = folder.WriteMap("sized.kpl", MapOf(s.Columns, s.Rows));
        const QString out = folder.Path("sized.png");
        const QStringList limit = s.MaxSize.isEmpty() ? QStringList() : QStringList{"--max-size", s.MaxSize};
        ASSERT_EQ(Cli(QStringList{"render", in, "-o", out} + limit).Status, 0);
        const QImage picture(out);
        EXPECT_EQ(picture.size(), s.Expected.isEmpty() ? QSize(32 * s.Columns + 16, 32 * s.Rows + 16) : s.Expected);
        if (!s.MaxSize.isEmpty()) {
            // With the figures only the map shrinks: the band keeps its 9 rows
            // of 18 pixels, or the size is refused.
            const CliRun banded = Cli(QStringList{"render", in, "-o", out, "--figures"} + limit);
            if (s.WithFigures.isEmpty()) {
                EXPECT_EQ(banded.Status, 2) << s.MaxSize.toStdString();
                EXPECT_TRUE(banded.Err.contains("leaves no room for the map")) << banded.Err.toStdString();
            } else {
                ASSERT_EQ(banded.Status, 0);
                EXPECT_EQ(QImage(out).size(), s.WithFigures);
            }
            continue;
        }

        // The figures go under the map and leave every pixel of it alone.
        ASSERT_EQ(Cli({"render", in, "-o", out, "--figures"}).Status, 0);
        const QImage withFigures(out);
        EXPECT_GT(withFigures.height(), picture.height());
        EXPECT_EQ(withFigures.copy(picture.rect()).convertToFormat(QImage::Format_RGB32),
                  picture.convertToFormat(QImage::Format_RGB32));
    }
}

TEST_F(CliCommands, RenderSwitchesMatchMapsWithoutMasksAndOutlines)
{
    const QString plain = folder.WriteMap("plain.kpl", MapOf(4, 3, {{1, 1, {1, 0, 0}}}));
    const QString masked = folder.WriteMap("masked.kpl", MapOf(4, 3, {{1, 1, {1, 0, 1}}}));
    const auto render = [&](const QString& in, const QStringList& flags) {
        const QString out = folder.Path("switch.png");
        EXPECT_EQ(Cli(QStringList{"render", in, "-o", out} + flags).Status, 0);
        return QImage(out).convertToFormat(QImage::Format_RGB32);
    };
    const QImage plainPicture = render(plain, {});
    EXPECT_NE(render(masked, {}), plainPicture);
    EXPECT_EQ(render(masked, {"--no-masks"}), plainPicture);

    // Outlines: the innermost pixels of every cell turn white, nothing else.
    const QImage lined = render(plain, {"--lines"});
    const CellRectangle r = TTileData::CellRect(3, 2);
    for (int x = r.Left; x < r.Right; ++x)
        EXPECT_EQ(lined.pixel(x, r.Bottom - 1), qRgb(255, 255, 255));
    EXPECT_EQ(lined.pixel(r.Left + 5, r.Top + 5), plainPicture.pixel(r.Left + 5, r.Top + 5));
    EXPECT_NE(lined, plainPicture);

    // Counters are text: drawn in the cell that has one, nowhere else.
    const QString counted = folder.WriteMap("counted.kpl", MapOf(4, 3, {{1, 1, {1, 7, 0}}}));
    const auto cell = [](const QImage& picture, int x, int y) {
        const CellRectangle c = TTileData::CellRect(x, y);
        return picture.copy(c.Left, c.Top, c.Right - c.Left, c.Bottom - c.Top);
    };
    const QImage values = render(counted, {"--values"});
    EXPECT_NE(cell(values, 1, 1), cell(render(counted, {}), 1, 1));
    EXPECT_EQ(cell(values, 3, 2), cell(plainPicture, 3, 2));
}

}  // namespace

namespace {

TEST_F(CliCommands, AMapFileNameThatIsNotUtf8Opens)
{
    // Qt cannot hold such a name, so the shell makes the file, passes its
    // bytes and removes it again (the temporary folder could not).
    const QString script = QStringLiteral(
        "cd \"$1\" && name=\"$(printf 'isl\\377nd.kpl')\" && cp island.kpl \"$name\" && "
        "{ \"$0\" --ini isplan.ini check \"$name\"; status=$?; rm -f \"$name\"; exit $status; }");
    const CliRun run = RunCli({"-c", script, QStringLiteral(ISPLN_CLI), folder.dir.path()}, "/bin/sh");
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains("loads as KPL03")) << run.Out.toStdString();
}

}  // namespace

TEST_F(CliCommands, StampsAreSavedListedPlacedAndDrawnAsTheWindowDoes)
{
    QDir(folder.dir.path()).mkpath("Stamps/Towns");
    const QString stamp = folder.Path("Stamps/Towns/corner.stamp");
    CliRun run = Cli({"stamp", "save", map, "--rect", "0,0,3,2", "-o", stamp, "--name", "町並み"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const StampRead saved = ReadStampFile(stamp.toStdString());
    ASSERT_TRUE(saved.Status) << saved.Status.Reason;
    EXPECT_EQ(saved.Stamp.Cells.Cells, (std::vector<MapCell>{{1, 9, 0}, {2, 2, 0}, {3, 4, 0}, {7, 4, 0}, {}, {}}));

    run = Cli({"stamp", "list"});  // Stamps/ beside the isplan.ini read
    EXPECT_EQ(run.Out, "Towns\t町並み\t3x2\t" + stamp + "\n") << run.Err.toStdString();

    // Placed as PlaceBlock places it: on an odd row the shape keeps, and
    // mirrored the first row runs the other way; six turns change nothing.
    const QString base = folder.WriteMap("base.kpl", MapOf(6, 6)), out = folder.Path("out.kpl");
    const auto placed = [&](QStringList extra) {
        const CliRun r = Cli(QStringList{"stamp", "place", base, stamp, "-o", out} + extra);
        EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
        MapFileInfo info;
        EXPECT_TRUE(ReadMapBytes(ReadAll(out).toStdString(), info));
        return info;
    };
    MapFileInfo m = placed({"--at", "2,3"});
    EXPECT_EQ(m.Cells[2][3], (MapCell{1, 9, 0}));
    EXPECT_EQ(m.Cells[1][4], (MapCell{7, 4, 0}));  // an even row below an odd one sits half a tile right
    EXPECT_EQ(ReadAll(out), CurrentBytes(placed({"--at", "2,3", "--turn", "6"})));
    m = placed({"--at", "2,2", "--mirror", "x"});
    EXPECT_EQ(m.Cells[2][2], (MapCell{3, 4, 0}));
    EXPECT_EQ(m.Cells[4][2], (MapCell{1, 9, 0}));

    // Panels the catalogue lacks are named and left out; the rest lands.
    folder.Write("odd.stamp", QByteArray::fromStdString(StampBytes({"odd", "", {2, 1, false, {{99, 0, 0}, {2, 1, 0}}}})));
    run = Cli({"stamp", "place", base, folder.Path("odd.stamp"), "--at", "0,0", "-o", out});
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Err.contains("the catalogue has no panel 99")) << run.Err.toStdString();
    ASSERT_TRUE(ReadMapBytes(ReadAll(out).toStdString(), m));
    EXPECT_EQ(m.Cells[0][0], MapCell{});
    EXPECT_EQ(m.Cells[1][0], (MapCell{2, 1, 0}));

    // Drawn with the window's renderer: the picture of a map holding the stamp.
    const QString picture = folder.Path("stamp.png"), reference = folder.Path("map.png");
    ASSERT_EQ(Cli({"stamp", "render", stamp, "-o", picture}).Status, 0);
    const QString same = folder.WriteMap("same.kpl", MapOf(3, 2, {{0, 0, {1, 9, 0}}, {1, 0, {2, 2, 0}}, {2, 0, {3, 4, 0}}, {0, 1, {7, 4, 0}}}));
    ASSERT_EQ(Cli({"render", same, "-o", reference}).Status, 0);
    EXPECT_EQ(QImage(picture), QImage(reference));

    const struct {
        QStringList args;
        int status;
        const char* says;
    } refused[] = {
        {{"stamp"}, 2, "stamp needs a command"},
        {{"stamp", "stick"}, 2, "unknown command 'stamp stick'"},
        {{"stamp", "save", map, "--rect", "2,1,3,3", "-o", folder.Path("x.stamp"), "--name", "n"}, 2, "leaves the map"},
        {{"stamp", "save", map, "--rect", "0,0,0,1", "-o", folder.Path("x.stamp"), "--name", "n"}, 2, "--rect wants"},
        {{"stamp", "place", base, stamp, "--at", "1,1", "--mirror", "z", "-o", out}, 2, "--mirror wants"},
        {{"stamp", "place", base, stamp, "-o", out}, 2, "stamp place needs --at"},
        {{"stamp", "place", base, map, "--at", "1,1", "-o", out}, 1, "not JSON"},
        {{"stamp", "place", base, stamp, "--at", "1,1", "-o", stamp}, 1, "it is the input file"},
        {{"stamp", "list", folder.Path("none")}, 1, "no such folder"},
    };
    for (const auto& r : refused) {
        run = Cli(r.args);
        EXPECT_EQ(run.Status, r.status) << r.args.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains(r.says)) << run.Err.toStdString();
    }
}
