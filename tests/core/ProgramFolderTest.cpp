#include "filesystem/ProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// An install at root/prefix (bin/, share/ispln/) and a home at root/home.
struct Install {
    QTemporaryDir root;
    QString Bin() const { return root.filePath("prefix/bin"); }
    QString Shipped(const QString& name) const { return QDir::cleanPath(root.filePath("prefix/share/ispln/" + name)); }
    QString Mine(const QString& name) const { return QDir::cleanPath(root.filePath("home/.config/ispln/" + name)); }
    QByteArray home = qgetenv("HOME");
    ~Install() { qputenv("HOME", home); }
    SettingsFolder Start() const { return OpenSettingsFolder(Bin(), "../share/ispln"); }
    Install()
    {
        QDir().mkpath(Bin());
        QDir().mkpath(root.filePath("home"));
        Write(Shipped("isplan.ini"), "[Tile]\r\nMax=0\r\n");
        Write(Shipped("Image/sea.bmp"), "sea 1");
        Write(Shipped("Image/farm.bmp"), "farm 1");
        qputenv("HOME", root.filePath("home").toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
    }
};

struct UpgradeCase {
    const char* name;
    std::function<void(Install&)> between;  // after the first start, before the second
    QByteArray sea, farm, ini;              // the user's files after the second start
};

class SettingsFolderUpgrade : public testing::TestWithParam<UpgradeCase> {};

TEST_P(SettingsFolderUpgrade, KeepsWhatTheUserChanged)
{
    Install in;
    ASSERT_EQ(in.Start().Folder, in.Mine(""));
    GetParam().between(in);
    const SettingsFolder f = in.Start();
    EXPECT_TRUE(f.Problem.isEmpty()) << f.Problem.toStdString();
    EXPECT_EQ(Read(in.Mine("Image/sea.bmp")), GetParam().sea);
    EXPECT_EQ(Read(in.Mine("Image/farm.bmp")), GetParam().farm);
    EXPECT_EQ(Read(in.Mine("isplan.ini")), GetParam().ini);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsFolderUpgrade,
    testing::Values(
        UpgradeCase{"ShippedChange", [](Install& in) { Write(in.Shipped("Image/sea.bmp"), "sea 2"); },
                    "sea 2", "farm 1", "[Tile]\r\nMax=0\r\n"},
        UpgradeCase{"UserChangeKept", [](Install& in) {
                        Write(in.Mine("Image/sea.bmp"), "my sea");
                        Write(in.Shipped("Image/sea.bmp"), "sea 2");
                    }, "my sea", "farm 1", "[Tile]\r\nMax=0\r\n"},
        UpgradeCase{"MissingCopied", [](Install& in) {
                        QFile::remove(in.Mine("Image/farm.bmp"));
                        Write(in.Shipped("Image/farm.bmp"), "farm 2");
                    }, "sea 1", "farm 2", "[Tile]\r\nMax=0\r\n"},
        UpgradeCase{"SeededBeforeTheManifest", [](Install& in) {
                        QFile::remove(in.Mine(SeededManifestName));
                        Write(in.Mine("Image/farm.bmp"), "my farm");
                        Write(in.Shipped("Image/sea.bmp"), "sea 2");
                    }, "sea 1", "my farm", "[Tile]\r\nMax=0\r\n"},
        UpgradeCase{"IniNeverRewritten", [](Install& in) { Write(in.Shipped("isplan.ini"), "[Tile]\r\nMax=5\r\n"); },
                    "sea 1", "farm 1", "[Tile]\r\nMax=0\r\n"}),
    [](const testing::TestParamInfo<UpgradeCase>& info) { return info.param.name; });

TEST(SettingsFolder, AnEnglishUserGetsTheEnglishCatalogueOnce)
{
    Install in;
    Write(in.Shipped(EnglishCatalogueName), "[0]\r\nName=Sea\r\n");
    ASSERT_EQ(OpenSettingsFolder(in.Bin(), "../share/ispln", EnglishCatalogueName).Folder, in.Mine(""));
    EXPECT_EQ(Read(in.Mine("isplan.ini")), "[0]\r\nName=Sea\r\n");
    in.Start();  // a later start in Japanese keeps the user's file
    EXPECT_EQ(Read(in.Mine("isplan.ini")), "[0]\r\nName=Sea\r\n");

    Install older;  // a data folder without the English file seeds the Japanese one
    OpenSettingsFolder(older.Bin(), "../share/ispln", EnglishCatalogueName);
    EXPECT_EQ(Read(older.Mine("isplan.ini")), "[Tile]\r\nMax=0\r\n");
}

TEST(SettingsFolder, UnusableFolderReadsTheShippedFilesAndCreatesNothing)
{
    Install in;
    qunsetenv("HOME");
    SettingsFolder f = in.Start();
    EXPECT_EQ(f.Folder, in.Shipped(""));
    EXPECT_TRUE(f.Problem.contains("に書き込めません")) << f.Problem.toStdString();
    EXPECT_FALSE(QFileInfo::exists(in.Mine("")));

    qputenv("HOME", in.root.filePath("home").toLocal8Bit());
    Write(in.root.filePath("xdg"), "a file, not a folder");
    qputenv("XDG_CONFIG_HOME", in.root.filePath("xdg").toLocal8Bit());
    f = in.Start();
    EXPECT_EQ(f.Folder, in.Shipped(""));
    EXPECT_TRUE(f.Problem.startsWith(in.root.filePath("xdg/ispln") + " に書き込めません: ")) << f.Problem.toStdString();
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(SettingsFolder, StampsAreSeededWithTheirGroupsAndOneTheUserDeletedStaysDeleted)
{
    Install in;
    QDir().mkpath(in.Shipped("Stamps/Towns"));
    Write(in.Shipped("Stamps/Towns/ring.stamp"), "ring 1");
    in.Start();
    EXPECT_EQ(Read(in.Mine("Stamps/Towns/ring.stamp")), "ring 1");
    QFile::remove(in.Mine("Stamps/Towns/ring.stamp"));
    Write(in.Shipped("Stamps/Towns/ring.stamp"), "ring 2");
    in.Start();
    EXPECT_FALSE(QFileInfo::exists(in.Mine("Stamps/Towns/ring.stamp")));
}

TEST(SettingsFolder, PortableProgramKeepsItsFilesBesideItself)
{
    QTemporaryDir dir;
    EXPECT_EQ(OpenSettingsFolder(dir.path(), "../share/ispln").Folder, dir.path());
    EXPECT_FALSE(OpenSettingsFolder(dir.path(), "../share/ispln").Installed());
}

}  // namespace
