// The command line itself: help, version, usage errors, and which
// isplan.ini is read.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>

#include "FigureCatalogue.h"

namespace {

#define SizeError "--size wants COLSxROWS with each 1..31, not "

class CliUsage : public ::testing::Test {
protected:
    CliFolder folder{FigureCatalogue()};
    QString map = folder.WriteMap("island.kpl", FigureMap());
    QString out = folder.Path("out.kpl");
};

TEST_F(CliUsage, UsageErrorsExitTwoWithAMessageAndAHint)
{
    const struct {
        QStringList Args;
        const char* Says;
    } cases[] = {
        {{}, "no command given"},
        {{"bogus"}, "unknown command 'bogus'"},
        {{"bogus", "--help"}, "unknown command 'bogus'"},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"stats", "MAP", "--frobnicate"}, "unknown option --frobnicate for stats"},
        {{"stats"}, "stats needs MAP.kpl"},
        {{"stats", "a.kpl", "b.kpl"}, "unexpected argument 'b.kpl'"},
        {{"render", "MAP"}, "render needs -o OUT.png"},
        {{"render", "MAP", "-o"}, "option -o needs OUT.png"},
        {{"render", "MAP", "-o", "OUT", "--max-size", "0"}, "--max-size wants a whole number of pixels above 0, not '0'"},
        {{"-o", "x.png", "render", "MAP"}, "option -o must follow the command"},
        {{"stats", "MAP", "--json=yes"}, "option --json takes no value"},
        {{"code", "MAP", "--ini"}, "option --ini needs a path"},
        {{"code", "MAP", "--ini="}, "option --ini needs a path"},
        {{"decode", "@", "-o", "OUT"}, "decode needs --size COLSxROWS"},
        {{"decode", "b@31x31", "--size", "30x30", "-o", "OUT"}, "--size 30x30 disagrees with the code's size 31x31"},
        {{"decode", "@", "--size", "0x5", "-o", "OUT"}, SizeError "'0x5'"},
        {{"decode", "@", "--size", "32x1", "-o", "OUT"}, SizeError "'32x1'"},
        {{"decode", "@", "--size", "12", "-o", "OUT"}, SizeError "'12'"},
        {{"decode", "@", "--size", "3x", "-o", "OUT"}, SizeError "'3x'"},
        {{"decode", "@", "--size", "3x3x", "-o", "OUT"}, SizeError "'3x3x'"},
        {{"decode", "@", "--size", "-3x3", "-o", "OUT"}, SizeError "'-3x3'"},
    };
    for (const auto& c : cases) {
        QStringList args = c.Args;
        args.replaceInStrings("MAP", map);
        args.replaceInStrings("OUT", out);
        const CliRun run = RunCli(QStringList{"--ini", folder.Ini()} + args);
        const std::string line = args.join(' ').toStdString();
        EXPECT_EQ(run.Status, 2) << line;
        EXPECT_EQ(run.Out, "") << line;
        EXPECT_TRUE(run.Err.startsWith(QStringLiteral("ispln-cli: ") + QString::fromUtf8(c.Says))) << line << "\n"
                                                                                                 << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains("--help'")) << line;
    }
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST_F(CliUsage, HelpAndVersionGoToStdoutWithExitZero)
{
    const CliRun tool = RunCli({"--help"});
    EXPECT_EQ(tool.Status, 0);
    EXPECT_TRUE(tool.Out.startsWith("Usage: ispln-cli [--ini PATH] COMMAND"));
    const char* commands[] = {"render", "stats", "breakdown", "code", "decode", "convert", "check", "diff"};
    for (const char* name : commands) {
        EXPECT_TRUE(tool.Out.contains(QStringLiteral("\n  %1 ").arg(name))) << name;
        // Help wins over an unfinished line, before or after the command.
        for (const QStringList& args : {QStringList{name, "-h"}, QStringList{"--help", name}}) {
            const CliRun own = RunCli(args);
            EXPECT_EQ(own.Status, 0) << name;
            EXPECT_TRUE(own.Out.startsWith(QStringLiteral("Usage: ispln-cli [--ini PATH] %1 ").arg(name))) << name;
            EXPECT_EQ(own.Err, "");
        }
    }
    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, "ispln-cli " ISPLN_VERSION "\n");
}

TEST_F(CliUsage, IniIsTakenBeforeOrAfterTheCommandAndOnlyRead)
{
    const QByteArray before = ReadAll(folder.Ini());
    const QDateTime stamp = QFileInfo(folder.Ini()).lastModified();
    const QStringList forms[] = {
        {"--ini", folder.Ini(), "stats", map},
        {"stats", map, "--ini", folder.Ini()},
        {"stats", "--ini=" + folder.Ini(), map},
    };
    for (const QStringList& args : forms) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.Status, 0) << args.join(' ').toStdString();
        EXPECT_TRUE(run.Out.startsWith("人口: 1000\n")) << run.Out.toStdString();
    }
    for (const QStringList& args : {QStringList{"breakdown", map}, QStringList{"code", map},
                                    QStringList{"decode", "b@", "--size", "2x2", "-o", out},
                                    QStringList{"render", map, "-o", folder.Path("p.png")}})
        EXPECT_EQ(RunCli(QStringList{"--ini", folder.Ini()} + args).Status, 0);
    EXPECT_EQ(ReadAll(folder.Ini()), before);
    EXPECT_EQ(QFileInfo(folder.Ini()).lastModified(), stamp);
}

TEST_F(CliUsage, WithoutIniTheFileBesideTheProgramIsRead)
{
    // A copy of the program in a folder of its own, with its own catalogue.
    const QString program = folder.Path("ispln-cli");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ISPLN_CLI), program));
    const CliRun run = RunCli({"stats", map}, program);
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.startsWith("人口: 1000\n"));

    // Gone: commands that need a catalogue fail; check and convert do not.
    QFile::remove(folder.Ini());
    const CliRun none = RunCli({"stats", map}, program);
    EXPECT_EQ(none.Status, 1);
    EXPECT_EQ(none.Err, "ispln-cli: cannot read the catalogue " + folder.Ini() + ": no such file\n");
    EXPECT_EQ(RunCli({"check", map}, program).Status, 0);
    EXPECT_EQ(RunCli({"convert", map, "-o", out}, program).Status, 0);
    EXPECT_EQ(RunCli({"--ini", folder.Path("nowhere.ini"), "code", map}).Status, 1);
}

TEST_F(CliUsage, BitmapsComeFromTheImageFolderBesideTheIni)
{
    // Same catalogue, but this folder's sea is plain red.
    CliFolder red(FigureCatalogue());
    QImage tile(32, 32, QImage::Format_RGB32);
    tile.fill(qRgb(255, 0, 0));
    ASSERT_TRUE(tile.save(red.Path("Image/sea.bmp"), "BMP"));
    const QString png = folder.Path("sea.png");
    const QPoint seaCell(70, 60);  // inside cell (2, 1), which is sea
    ASSERT_EQ(RunCli({"render", map, "-o", png, "--ini", red.Ini()}).Status, 0);
    EXPECT_EQ(QImage(png).pixel(seaCell), qRgb(255, 0, 0));
    ASSERT_EQ(RunCli({"render", map, "-o", png, "--ini", folder.Ini()}).Status, 0);
    EXPECT_NE(QImage(png).pixel(seaCell), qRgb(255, 0, 0));
}

}  // namespace
