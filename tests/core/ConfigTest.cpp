#include "settings/Config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include <cstdint>
#include <string>

#include "settings/InterfaceLanguage.h"
#include "settings/RecentFiles.h"
#include "document/File1.h"

namespace {

const std::string kExe = "/opt/ispln/";
const std::string kImage = kExe + "Image/";

IniFile FromBytes(const std::string& bytes)
{
    IniFile ini;
    ini.LoadFromBytes(bytes);
    return ini;
}

void LoadInto(TTileData& doc, const ConfigData& c)
{
    doc.Sys = c.Sys;
    doc.Food1 = c.Food1;
    doc.Food2 = c.Food2;
    doc.Gold = c.Gold;
    doc.TileCount = static_cast<int32_t>(c.Tiles.size());
    for (size_t i = 0; i < c.Tiles.size(); ++i) doc.Tile[i] = c.Tiles[i];
    doc.MaskCount = static_cast<int32_t>(c.Masks.size());
    for (size_t i = 0; i < c.Masks.size(); ++i) doc.Mask[i] = c.Masks[i];
}

void SetStartValues(TTileData& doc)
{
    doc.Sys = TSysList{false, 12, 12, false, false, ""};
    doc.Food1 = 200;
    doc.Food2 = 1000;
    doc.Gold = 1;
    doc.TileCount = 0;
    doc.MaskCount = 0;
}

} // namespace

TEST(Config, EmptyFileGivesDefaults)
{
    const ConfigData c = ReadConfig(IniFile(), kExe);
    EXPECT_EQ(c.Sys, (TSysList{false, 12, 12, false, false, ""}));
    EXPECT_EQ(c.Food1, 200);
    EXPECT_EQ(c.Food2, 1000);
    EXPECT_EQ(c.Gold, 1);
    EXPECT_TRUE(c.Tiles.empty());
    EXPECT_TRUE(c.Masks.empty());
}

TEST(Config, ReadsSystem)
{
    const ConfigData c = ReadConfig(FromBytes("[System]\r\nMapSize=1\r\nMapY=0x20\r\nMapX=-3\r\nWindow=7\r\n"
                                              "Load=0\r\nLoadFile=C:\\maps\\a.isp\r\nFood1=x\r\nFood2=5\r\nGold=-1\r\n"),
                                    kExe);
    EXPECT_EQ(c.Sys, (TSysList{true, 32, -3, true, false, "C:\\maps\\a.isp"}));
    EXPECT_EQ(c.Food1, 200);
    EXPECT_EQ(c.Food2, 5);
    EXPECT_EQ(c.Gold, -1);
}

TEST(Config, CatalogueSizeFollowsMax)
{
    struct Case {
        std::string max;
        size_t tiles;
        size_t masks;
    };
    const Case cases[] = {
        {"-1", 0, 0}, {"-40", 0, 0}, {"none", 0, 0}, {"0", 1, 1},     {"28", 29, 29},
        {"29", 30, 30}, {"40", 41, 30}, {"254", 255, 30}, {"255", 256, 30}, {"300", 256, 30},
        {"0x7FFFFFFF", 256, 30},
    };
    for (const Case& c : cases) {
        const ConfigData d = ReadConfig(FromBytes("[Tile]\nMax=" + c.max + "\n[Mask]\nMax=" + c.max + "\n"), kExe);
        EXPECT_EQ(d.Tiles.size(), c.tiles) << c.max;
        EXPECT_EQ(d.Masks.size(), c.masks) << c.max;
    }
}

TEST(Config, MissingEntrySectionGivesDefaults)
{
    const ConfigData c = ReadConfig(FromBytes("[Tile]\r\nMax=2\r\n"
                                              "[0]\r\nNo=0\r\nName=Sea\r\nBmp=sea.bmp\r\nType=0\r\nLand=0\r\nCode=98\r\n"
                                              "[2]\r\nNo=5\r\n"
                                              "[Mask]\r\nMax=1\r\n[Mask1]\r\nNo=1\r\nName=Mark\r\nBmp=m.bmp\r\nType=2\r\n"),
                                    kExe);
    ASSERT_EQ(c.Tiles.size(), 3u);
    EXPECT_EQ(c.Tiles[0], (TTileList{0, kImage + "sea.bmp", "Sea", 0, -1, -1, -1, "", false, 98}));
    EXPECT_EQ(c.Tiles[1], (TTileList{-1, kImage, "", -1, -1, -1, -1, "", true, 97}));
    EXPECT_EQ(c.Tiles[2].No, 5);
    ASSERT_EQ(c.Masks.size(), 2u);
    EXPECT_EQ(c.Masks[0], (TMaskTileList{-1, kImage, "", -1}));
    EXPECT_EQ(c.Masks[1], (TMaskTileList{1, kImage + "m.bmp", "Mark", 2}));
}

TEST(Config, CodeAndBitmapsRoundTrip)
{
    struct Case {
        std::string code;      // as in the file
        uint8_t read;          // as the program holds it
        std::string written;   // as written back
    };
    const Case cases[] = {
        {"97", 97, "97"}, {"353", 97, "97"}, {"-1", 255, "-1"}, {"200", 200, "-56"},
        {"-56", 200, "-56"}, {"0x80", 128, "-128"}, {"127", 127, "127"}, {"junk", 97, "97"},
    };
    for (const Case& c : cases) {
        IniFile ini = FromBytes("[Tile]\r\nMax=0\r\n[0]\r\nBmp=tiles\\sea\\deep.bmp\r\nCode=" + c.code + "\r\n");
        const ConfigData d = ReadConfig(ini, kExe);
        ASSERT_EQ(d.Tiles.size(), 1u);
        EXPECT_EQ(d.Tiles[0].Code, c.read) << c.code;
        EXPECT_EQ(d.Tiles[0].Bmp, kImage + "tiles/sea/deep.bmp");

        TTileData doc;
        LoadInto(doc, d);
        WriteConfig(ini, doc);
        EXPECT_EQ(ini.ReadString("0", "Code", ""), c.written) << c.code;
        EXPECT_EQ(ini.ReadString("0", "Bmp", ""), "deep.bmp");
    }
}

TEST(Config, BitmapNamesStayInsideTheImageFolderAndKeepTheirLastComponent)
{
    const struct {
        std::string bmp, path, written;
    } cases[] = {
        {"sub\\p3.bmp", kImage + "sub/p3.bmp", "p3.bmp"},  {"sub/p3.bmp", kImage + "sub/p3.bmp", "p3.bmp"},
        {"a..b.bmp", kImage + "a..b.bmp", "a..b.bmp"},      {"../../../../proc/kmsg", kImage + "kmsg", "kmsg"},
        {"sub\\..\\..\\x.bmp", kImage + "x.bmp", "x.bmp"}, {"/etc/passwd", kImage + "passwd", "passwd"},
        {"\\x.bmp", kImage + "x.bmp", "x.bmp"},             {"..", kImage, ""},
        {"../Image/sea.bmp", kImage + "sea.bmp", "sea.bmp"}, {"..\\farm.bmp", kImage + "farm.bmp", "farm.bmp"},
    };
    for (const auto& c : cases) {
        IniFile ini = FromBytes("[Mask]\nMax=0\n[Mask0]\nBmp=" + c.bmp + "\n");
        const ConfigData d = ReadConfig(ini, kExe);
        ASSERT_EQ(d.Masks.size(), 1u);
        EXPECT_EQ(d.Masks[0].Bmp, c.path) << c.bmp;
        TTileData doc;
        LoadInto(doc, d);
        WriteConfig(ini, doc);
        EXPECT_EQ(ini.ReadString("Mask0", "Bmp", "?"), c.written) << c.bmp;
    }
}

TEST(Config, AnyStoredSizeStartsWithinTheGrid)
{
    const int32_t values[] = {INT32_MIN, -1, 0, 1, 31, 32, INT32_MAX};
    for (const int32_t v : values) {
        TTileData doc;
        doc.SetLastX(11);
        doc.SetLastY(11);
        doc.Sys.MapY = v;
        doc.Sys.MapX = v;
        ApplyStoredMapSize(doc);
        const int32_t want = v >= 1 && v <= 31 ? v - 1 : 11;
        EXPECT_EQ(doc.LastY, want) << v;
        EXPECT_EQ(doc.LastX, want) << v;
    }
}

TEST(Config, LastPathComponent)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"a.bmp", "a.bmp"},
        {"/opt/ispln/Image/sub/a.bmp", "a.bmp"},
        {"C:\\Game\\Image\\a.bmp", "a.bmp"},
        {"C:a.bmp", "a.bmp"},
        {"mixed\\dir/a.bmp", "a.bmp"},
        {"/opt/ispln/Image/", ""},
        {"/x/海.bmp", "海.bmp"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(LastPathComponent(in), out) << in;
}

TEST(Config, FreshFileText)
{
    TTileData doc;
    SetStartValues(doc);
    IniFile ini;
    WriteConfig(ini, doc);
    EXPECT_EQ(ini.ToBytes(),
              "[System]\r\nMapSize=0\r\nMapY=12\r\nMapX=12\r\nWindow=0\r\nLoad=0\r\nLoadFile=\r\n"
              "Food1=200\r\nFood2=1000\r\nGold=1\r\n"
              "[Tile]\r\nMax=-1\r\n"
              "[Mask]\r\nMax=-1\r\n");
}

TEST(Config, FreshFileWithEntries)
{
    TTileData doc;
    SetStartValues(doc);
    doc.Tile[0] = TTileList{3, "/opt/ispln/Image/sea.bmp", "海", 0, 1, 2, 3, "人", true, 104};
    doc.TileCount = 1;
    doc.Mask[0] = TMaskTileList{1, "C:\\old\\Image\\m.bmp", "Mark", 2};
    doc.MaskCount = 1;
    IniFile ini;
    WriteConfig(ini, doc);
    EXPECT_EQ(ini.ToBytes(),
              "[System]\r\nMapSize=0\r\nMapY=12\r\nMapX=12\r\nWindow=0\r\nLoad=0\r\nLoadFile=\r\n"
              "Food1=200\r\nFood2=1000\r\nGold=1\r\n"
              "[Tile]\r\nMax=0\r\n"
              "[0]\r\nNo=3\r\nName=\x8A\x43\r\nBmp=sea.bmp\r\nType=0\r\nMin=1\r\nCount=2\r\nMax=3\r\n"
              "Ext=\x90\x6C\r\nLand=1\r\nCode=104\r\n"
              "[Mask]\r\nMax=0\r\n"
              "[Mask0]\r\nNo=1\r\nName=Mark\r\nBmp=m.bmp\r\nType=2\r\n");
}

TEST(Config, JapaneseCatalogueRoundTripsByteIdentical)
{
    // 海 = 8A 43, 表 = 95 5C (second byte is '\'), 人 = 90 6C, 森 = 90 58.
    const std::string file =
        "; isplan settings\r\n"
        "[System]\r\nMapSize=1\r\nMapY=20\r\nMapX=16\r\nWindow=0\r\nLoad=1\r\n"
        "LoadFile=C:\\\x95\x5C\\\x8A\x43.isp\r\nFood1=300\r\nFood2=900\r\nGold=2\r\n"
        "Extra=kept\r\n"
        "\r\n"
        "[Tile]\r\nMax=1\r\n"
        "[0]\r\nNo=0\r\nName=\x8A\x43\r\nBmp=\x8A\x43.bmp\r\nType=0\r\nMin=0\r\nCount=0\r\nMax=0\r\n"
        "Ext=\r\nLand=0\r\nCode=97\r\n"
        "[1]\r\nNo=1\r\nName=\x90\x58\x95\x5C\r\nBmp=sub\\\x90\x58.bmp\r\nType=1\r\nMin=100\r\nCount=100\r\n"
        "Max=10000\r\nExt=\x90\x6C\r\nLand=1\r\nCode=-56\r\nNote=unknown key\r\n"
        "[Mask]\r\nMax=0\r\n[Mask0]\r\nNo=1\r\nName=\x8A\x43\r\nBmp=m.bmp\r\nType=1\r\n"
        "[Plugins]\r\nA=1\r\n";
    IniFile ini = FromBytes(file);
    const ConfigData c = ReadConfig(ini, kExe);
    ASSERT_EQ(c.Tiles.size(), 2u);
    EXPECT_EQ(c.Tiles[1].Name, "森表");
    EXPECT_EQ(c.Tiles[1].Bmp, kImage + "sub/森.bmp");
    EXPECT_EQ(c.Tiles[1].Code, 200);
    EXPECT_EQ(c.Sys.LoadFile, "C:\\表\\海.isp");

    TTileData doc;
    LoadInto(doc, c);
    // A subfolder is dropped on writing, so that one line alone changes.
    WriteConfig(ini, doc);
    std::string expected = file;
    const std::string sub = "Bmp=sub\\\x90\x58.bmp";
    expected.replace(expected.find(sub), sub.size(), "Bmp=\x90\x58.bmp");
    EXPECT_EQ(ini.ToBytes(), expected);

    // Written back once more, nothing moves at all.
    IniFile again = FromBytes(expected);
    WriteConfig(again, doc);
    EXPECT_EQ(again.ToBytes(), expected);
}

TEST(Config, MissingKeysAppendedUnknownOnesKept)
{
    IniFile ini = FromBytes("[0]\r\nFoo=bar\r\nName=Sea\r\n; trailing note\r\n\r\n[Other]\r\nx=1\r\n");
    TTileData doc;
    SetStartValues(doc);
    doc.Tile[0] = TTileList{0, "sea.bmp", "Sea", 0, 0, 0, 0, "", true, 97};
    doc.TileCount = 1;
    WriteConfig(ini, doc);
    EXPECT_EQ(ini.ToBytes(),
              "[0]\r\nFoo=bar\r\nName=Sea\r\nNo=0\r\nBmp=sea.bmp\r\nType=0\r\nMin=0\r\nCount=0\r\nMax=0\r\n"
              "Ext=\r\nLand=1\r\nCode=97\r\n; trailing note\r\n\r\n[Other]\r\nx=1\r\n"
              "[System]\r\nMapSize=0\r\nMapY=12\r\nMapX=12\r\nWindow=0\r\nLoad=0\r\nLoadFile=\r\n"
              "Food1=200\r\nFood2=1000\r\nGold=1\r\n"
              "[Tile]\r\nMax=0\r\n"
              "[Mask]\r\nMax=-1\r\n");
}

TEST(Config, SectionsBeyondCountStay)
{
    IniFile ini = FromBytes("[Tile]\nMax=2\n[0]\nNo=0\n[1]\nNo=1\n[2]\nNo=2\n"
                            "[Mask]\nMax=1\n[Mask0]\nNo=1\n[Mask1]\nNo=2\n");
    TTileData doc;
    LoadInto(doc, ReadConfig(ini, kExe));
    doc.TileCount = 1;
    doc.MaskCount = 0;
    WriteConfig(ini, doc);
    EXPECT_EQ(ini.ReadInteger("Tile", "Max", 99), 0);
    EXPECT_EQ(ini.ReadInteger("Mask", "Max", 99), -1);
    EXPECT_EQ(ini.ReadInteger("1", "No", 99), 1);
    EXPECT_EQ(ini.ReadInteger("2", "No", 99), 2);
    EXPECT_EQ(ini.ReadInteger("Mask1", "No", 99), 2);
    const ConfigData after = ReadConfig(ini, kExe);
    EXPECT_EQ(after.Tiles.size(), 1u);
    EXPECT_TRUE(after.Masks.empty());
}

TEST(Config, ZoomAndRecentFiles)
{
    for (auto [text, zoom] : {std::pair{"Zoom=150", 150}, {"Zoom=50", 50}, {"Zoom=120", 100}, {"Zoom=", 100}, {"", 100}})
        EXPECT_EQ(ReadConfig(FromBytes(std::string("[System]\r\n") + text + "\r\n"), kExe).View.Zoom, zoom) << text;

    // Every key of the table, changed by a window, survives its close and
    // the next start; a window that changed nothing leaves a file that
    // never had the switches as it was.
    for (const std::string& key : SystemKeys()) {
        const ConfigData start = ReadConfig(IniFile(), kExe);
        TTileData doc;
        LoadInto(doc, start);
        WindowPrefs view = start.View;
        IniFile disk;
        // A value the program accepts, other than the default.
        const std::string changed = key == "Zoom" ? "150" : key == "LoadFile" ? "/m/auto.kpl" : "7";
        IniFile wanted = FromBytes("[System]\r\n" + key + "=" + changed + "\r\n");
        const ConfigData target = ReadConfig(wanted, kExe);
        doc.Sys = target.Sys, doc.Food1 = target.Food1, doc.Food2 = target.Food2, doc.Gold = target.Gold;
        doc.UndoByOperation = target.UndoByOperation;
        view = target.View;
        WriteConfigChanges(disk, start, doc, view, kExe, false);
        const ConfigData back = ReadConfig(disk, kExe);
        EXPECT_EQ(back.Sys, target.Sys) << key;
        EXPECT_EQ(std::tie(back.Food1, back.Food2, back.Gold, back.UndoByOperation),
                  std::tie(target.Food1, target.Food2, target.Gold, target.UndoByOperation)) << key;
        EXPECT_EQ(std::tie(back.View.Zoom, back.View.LiveFigures, back.View.ShowValues, back.View.MenuBar,
                           back.View.Language),
                  std::tie(target.View.Zoom, target.View.LiveFigures, target.View.ShowValues, target.View.MenuBar,
                           target.View.Language))
            << key;
        EXPECT_NE(std::tie(back.Sys, back.Food1, back.Food2, back.Gold, back.UndoByOperation, back.View.Zoom,
                           back.View.LiveFigures, back.View.ShowValues, back.View.MenuBar, back.View.Language),
                  std::tie(start.Sys, start.Food1, start.Food2, start.Gold, start.UndoByOperation, start.View.Zoom,
                           start.View.LiveFigures, start.View.ShowValues, start.View.MenuBar, start.View.Language))
            << key << " was not changed";
    }
    IniFile untouched = FromBytes("[System]\r\nZoom=100\r\n");
    TTileData doc;
    LoadInto(doc, ReadConfig(untouched, kExe));
    WriteConfigChanges(untouched, ReadConfig(untouched, kExe), doc, kExe, false);
    for (const char* key : {"LiveFigures", "ShowValues", "MenuBar", "UndoByOperation", "Language"})
        EXPECT_EQ(untouched.ReadString("System", key, "none"), "none") << key;

    // Newest first, no repeats, eight at most; stale keys are emptied.
    IniFile ini = FromBytes("[Recent]\r\nFile0=/m/a.kpl\r\nFile1=\r\nFile2=/m/a.kpl\r\nFile3=/m/b.kpl\r\n");
    RecentFiles recent;
    recent.Read(ini);
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/m/a.kpl", "/m/b.kpl"}));
    for (int i = 0; i < 6; ++i)
        recent.Add("/m/" + std::to_string(i));
    // Names the file cannot hold as they are come back whole, as file URLs.
    recent.Add("/m/\xF0\x9F\x8F\x9D 100%.kpl");  // Shift-JIS cannot hold it
    recent.Add("/m/two\nlines.kpl");
    recent.Add("/m/blank at the end.kpl ");  // reading back would trim it
    recent.Add("file:looks like a URL");
    recent.Add("/m/5");
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/m/5", "file:looks like a URL", "/m/blank at the end.kpl ",
                                                        "/m/two\nlines.kpl", "/m/\xF0\x9F\x8F\x9D 100%.kpl", "/m/4",
                                                        "/m/3", "/m/2"}));
    recent.Remove("/m/2");
    recent.Write(ini);
    EXPECT_EQ(ini.ReadString("Recent", "File4", ""), "file:///m/%F0%9F%8F%9D%20100%25.kpl");
    RecentFiles back;
    back.Read(ini);
    EXPECT_EQ(back.Paths(), recent.Paths());
    EXPECT_EQ(ini.ReadString("Recent", "File7", "?"), "");
}

TEST(Config, TwoWindowsShareTheFile)
{
    const std::string start = "[System]\r\nFood1=200\r\nGold=1\r\n[Tile]\r\nMax=0\r\n[0]\r\nNo=0\r\nName=Sea\r\n";
    const std::string theirs = "[System]\r\nFood1=200\r\nGold=7\r\n[Tile]\r\nMax=0\r\n[0]\r\nNo=0\r\nName=Ocean\r\n";
    struct Case {
        const char* name;
        std::string onDisk;     // when this window closes
        bool food, rename;      // what this window changed
        bool overwrite;
        int gold;
        const char* tile;
        bool clash;
    };
    const Case cases[] = {
        {"only what changed here is written", theirs, true, false, false, 7, "Ocean", false},
        {"a catalogue changed here alone is written", start, false, true, false, 1, "Isle", false},
        {"both changed the catalogue: told, theirs kept", theirs, false, true, false, 7, "Ocean", true},
        {"both changed the catalogue: ours when asked", theirs, false, true, true, 7, "Isle", true},
        {"a file gone meanwhile gets every key", "", false, false, false, 1, "Sea", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ConfigData read = ReadConfig(FromBytes(start), kExe);
        TTileData doc;
        LoadInto(doc, read);
        doc.Food1 = c.food ? 300 : 200;
        if (c.rename)
            doc.Tile[0].Name = "Isle";
        IniFile disk = FromBytes(c.onDisk);
        EXPECT_EQ(WriteConfigChanges(disk, read, doc, kExe, c.overwrite).Panels, c.clash);
        const ConfigData after = ReadConfig(disk, kExe);
        EXPECT_EQ(after.Food1, c.food ? 300 : 200);
        EXPECT_EQ(after.Gold, c.gold);
        ASSERT_EQ(after.Tiles.size(), 1u);
        EXPECT_EQ(after.Tiles[0].Name, c.tile);
        EXPECT_EQ(disk.ReadInteger("System", "MapX", -9), 12);
    }

    // A System setting changed here survives the merge, both ways.
    for (const bool on : {true, false}) {
        ConfigData read = ReadConfig(FromBytes(start), kExe);
        read.UndoByOperation = !on;
        TTileData doc;
        LoadInto(doc, read);
        doc.UndoByOperation = on;
        IniFile disk = FromBytes(theirs);
        WriteConfigChanges(disk, read, doc, kExe, false);
        EXPECT_EQ(ReadConfig(disk, kExe).UndoByOperation, on);
    }

    // Recent maps: this window's entries first, then the other's, without
    // those found gone here.
    RecentFiles mine;
    mine.Read(FromBytes("[Recent]\r\nFile0=/m/a\r\nFile1=/m/gone\r\n"));
    mine.Add("/m/new");
    mine.Remove("/m/gone");
    RecentFiles other;
    other.Read(FromBytes("[Recent]\r\nFile0=/m/b\r\nFile1=/m/a\r\nFile2=/m/gone\r\n"));
    mine.MergeSession(other);
    EXPECT_EQ(mine.Paths(), (std::vector<std::string>{"/m/new", "/m/b", "/m/a"}));
}

TEST(Config, InterfaceLanguage)
{
    constexpr auto ja = InterfaceLanguage::Japanese;
    constexpr auto en = InterfaceLanguage::English;
    const struct {
        const char* ini;
        const char* locale;
        InterfaceLanguage shown;
    } cases[] = {
        {"", "en_US.UTF-8", en},  {"", "ja_JP.UTF-8", ja},          {"", "C", ja},
        {"", "POSIX", ja},        {"", "", ja},                     {"", "xx_YY.UTF-8", ja},
        {"", "de_DE@euro", en},   {"Language=auto", "fr_FR", en},   {"Language=ja", "en_US.UTF-8", ja},
        {"Language=en", "C", en}, {"Language=en", "ja_JP.UTF-8", en}, {"Language=fr", "ja_JP", ja},
    };
    for (const auto& c : cases) {
        const std::string setting = ReadLanguageSetting(FromBytes(std::string("[System]\r\n") + c.ini + "\r\n"));
        EXPECT_EQ(ChooseInterfaceLanguage(setting, QString::fromLatin1(c.locale)), c.shown) << c.ini << " " << c.locale;
    }
    // LC_ALL before LC_MESSAGES before LANG, as the C library ranks them.
    const QByteArray all = qgetenv("LC_ALL"), messages = qgetenv("LC_MESSAGES"), lang = qgetenv("LANG");
    qputenv("LC_ALL", "");
    qputenv("LC_MESSAGES", "ja_JP.UTF-8");
    qputenv("LANG", "en_US.UTF-8");
    EXPECT_EQ(MessagesLocaleName(), QStringLiteral("ja_JP.UTF-8"));
    qputenv("LC_ALL", all);
    qputenv("LC_MESSAGES", messages);
    qputenv("LANG", lang);
}

TEST(Config, TheEnglishCatalogueDiffersOnlyInNamesAndUnits)
{
    IniFile ja, en;
    ASSERT_TRUE(ja.Load(ISPLN_DATA_DIR "/isplan.ini"));
    ASSERT_TRUE(en.Load(ISPLN_DATA_DIR "/isplan-en.ini"));
    const ConfigData j = ReadConfig(ja, kExe), e = ReadConfig(en, kExe);
    EXPECT_EQ(j.Sys, e.Sys);
    ASSERT_EQ(j.Tiles.size(), e.Tiles.size());
    ASSERT_EQ(j.Masks.size(), e.Masks.size());
    const auto plain = [](const std::string& text) {
        return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= 0x20 && c < 0x7F; });
    };
    for (size_t i = 0; i < j.Tiles.size(); ++i) {
        TTileList named = e.Tiles[i];
        EXPECT_TRUE(plain(named.Name) && !named.Name.empty() && plain(named.Ext)) << i;
        EXPECT_EQ(named.Ext.empty(), j.Tiles[i].Ext.empty()) << i;
        named.Name = j.Tiles[i].Name, named.Ext = j.Tiles[i].Ext;
        EXPECT_EQ(named, j.Tiles[i]) << i;
    }
    for (size_t i = 0; i < j.Masks.size(); ++i) {
        TMaskTileList named = e.Masks[i];
        EXPECT_TRUE(plain(named.Name) && !named.Name.empty()) << i;
        named.Name = j.Masks[i].Name;
        EXPECT_EQ(named, j.Masks[i]) << i;
    }
}
