// Map files: the bytes written, the two layouts read, and every refusal.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

#include "filesystem/CheckedFile.h"
#include "document/File1.h"
#include "files/MapFile.h"
#include "files/StampFile.h"

namespace {

// A cell whose three bytes tell where it lies.
MapCell Marked(int x, int y)
{
    return {static_cast<uint8_t>(x + 1), static_cast<uint8_t>(y + 100), static_cast<uint8_t>((x * 7 + y) % 31)};
}

std::unique_ptr<TTileData> MarkedDocument(int lastX, int lastY)
{
    auto doc = std::make_unique<TTileData>();
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            doc->SetCell(x, y, Marked(x, y));
    doc->SetLastX(lastX);
    doc->SetLastY(lastY);
    return doc;
}

bool SameGrid(const TTileData& a, const TTileData& b)
{
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            if (!(a.GetCell(x, y) == b.GetCell(x, y)))
                return false;
    return true;
}

// Two recorded edits, one undone: both undo and redo are possible.
void GiveHistory(TTileData& doc)
{
    doc.ChangeCell(1, 1, 1, 3);
    doc.ChangeCell(2, 2, 1, 4);
    doc.Undo();
    ASSERT_TRUE(doc.CanUndo());
    ASSERT_TRUE(doc.CanRedo());
}

std::string ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

void WriteAll(const QString& path, const std::string& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// An older-layout file whose cells carry their position.
std::string OlderFile(uint8_t lastY, uint8_t lastX)
{
    std::string bytes("KPL02\0", 6);
    bytes.push_back(static_cast<char>(lastY));
    bytes.push_back(static_cast<char>(lastX));
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y) {
            bytes.push_back(static_cast<char>(Marked(x, y).Panel));
            bytes.push_back(static_cast<char>(Marked(x, y).Counter));
        }
    return bytes;
}

std::string CurrentFile(uint8_t lastY, uint8_t lastX)
{
    MapFileInfo info;
    info.LastY = lastY;
    info.LastX = lastX;
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            info.Cells[x][y] = Marked(x, y);
    return MapFileBytes(info);
}

class MapFileTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.path() + "/" + name; }
    std::string StdPath(const QString& name) const { return Path(name).toStdString(); }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(MapFileTest, SavedBytesFollowTheLayout)
{
    auto doc = MarkedDocument(14, 19);
    ASSERT_TRUE(doc->SaveMapFile(StdPath("a.kpl")));
    const std::string bytes = ReadAll(Path("a.kpl"));
    ASSERT_EQ(bytes.size(), 2891u);
    EXPECT_EQ(bytes.substr(0, 6), std::string("KPL03\0", 6));
    EXPECT_EQ(static_cast<uint8_t>(bytes[6]), 19) << "rows come first";
    EXPECT_EQ(static_cast<uint8_t>(bytes[7]), 14);
    // Corners, shown and hidden cells alike.
    const int cells[][2] = {{0, 0}, {0, 1}, {1, 0}, {14, 19}, {20, 3}, {3, 25}, {30, 30}};
    for (auto [x, y] : cells) {
        const size_t at = 8 + 93 * x + 3 * y;
        const MapCell want = Marked(x, y);
        EXPECT_EQ(static_cast<uint8_t>(bytes[at]), want.Panel) << x << "," << y;
        EXPECT_EQ(static_cast<uint8_t>(bytes[at + 1]), want.Counter) << x << "," << y;
        EXPECT_EQ(static_cast<uint8_t>(bytes[at + 2]), want.Mask) << x << "," << y;
    }
}

TEST_F(MapFileTest, FileLengthDoesNotDependOnTheMapSize)
{
    for (int side : {0, 11, 30}) {
        auto doc = MarkedDocument(side, side);
        ASSERT_TRUE(doc->SaveMapFile(StdPath("s.kpl")));
        const std::string bytes = ReadAll(Path("s.kpl"));
        EXPECT_EQ(bytes.size(), 2891u) << side;
        EXPECT_EQ(static_cast<uint8_t>(bytes[6]), side);
    }
}

TEST_F(MapFileTest, HiddenCellsComeBackAfterShrinkSaveLoadGrow)
{
    auto first = MarkedDocument(19, 19);
    first->SetLastX(11);
    first->SetLastY(11);
    ASSERT_TRUE(first->SaveMapFile(StdPath("h.kpl")));

    TTileData second;
    ASSERT_TRUE(second.LoadMapFile(StdPath("h.kpl")));
    EXPECT_EQ(second.LastX, 11);
    EXPECT_EQ(second.LastY, 11);
    second.SetLastX(30);
    second.SetLastY(30);
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            ASSERT_EQ(second.GetCell(x, y), Marked(x, y)) << x << "," << y;
}

TEST_F(MapFileTest, OlderLayoutLoadsWithoutMasks)
{
    WriteAll(Path("old.kpl"), OlderFile(9, 13));
    TTileData doc;
    doc.SetCell(4, 4, {1, 1, 5});
    ASSERT_TRUE(doc.LoadMapFile(StdPath("old.kpl")));
    EXPECT_EQ(doc.LastY, 9);
    EXPECT_EQ(doc.LastX, 13);
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y) {
            const MapCell c = doc.GetCell(x, y);
            ASSERT_EQ(c.Panel, Marked(x, y).Panel);
            ASSERT_EQ(c.Counter, Marked(x, y).Counter);
            ASSERT_EQ(c.Mask, 0) << x << "," << y;
        }
}

TEST_F(MapFileTest, HeaderBytesAboveThirtyKeepThatDirection)
{
    struct {
        uint8_t y, x;
        int wantY, wantX;
    } cases[] = {
        {31, 5, 7, 5}, {5, 31, 5, 8}, {255, 255, 7, 8}, {30, 30, 30, 30}, {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        WriteAll(Path("h.kpl"), CurrentFile(c.y, c.x));
        TTileData doc;
        doc.SetLastY(7);
        doc.SetLastX(8);
        (void)doc.TakeChange();
        ASSERT_TRUE(doc.LoadMapFile(StdPath("h.kpl")));
        EXPECT_TRUE(doc.TakeChange().Size) << "the picture is sized again, even when both are ignored";
        EXPECT_EQ(doc.LastY, c.wantY) << int(c.y) << "," << int(c.x);
        EXPECT_EQ(doc.LastX, c.wantX) << int(c.y) << "," << int(c.x);
        EXPECT_EQ(doc.GetCell(30, 30), Marked(30, 30)) << "cells are still taken over";
    }
}

TEST_F(MapFileTest, BytesAfterTheCellsAreIgnored)
{
    for (const std::string& base : {CurrentFile(3, 4), OlderFile(3, 4)}) {
        WriteAll(Path("long.kpl"), base + std::string(5000, '\xff'));
        TTileData doc;
        ASSERT_TRUE(doc.LoadMapFile(StdPath("long.kpl")));
        EXPECT_EQ(doc.LastY, 3);
        EXPECT_EQ(doc.LastX, 4);
        EXPECT_EQ(doc.GetCell(30, 30).Panel, Marked(30, 30).Panel);
    }
}

TEST_F(MapFileTest, RefusedFilesLeaveTheDocumentAsItWas)
{
    const std::string current = CurrentFile(3, 4);
    const std::string older = OlderFile(3, 4);
    std::string zeroless = current;
    zeroless[5] = ' ';
    std::string newer = current;
    newer[4] = '4';
    ASSERT_TRUE(QDir().mkpath(Path("folder.kpl")));
    WriteAll(Path("locked.kpl"), CurrentFile(1, 1));
    QFile::setPermissions(Path("locked.kpl"), QFileDevice::Permissions{});
    struct {
        const char* what;
        std::string bytes;
        const char* name = "bad.kpl";
    } files[] = {
        {"empty", ""},
        {"identifier only", std::string("KPL03\0", 6)},
        {"no zero after the identifier", zeroless},
        {"unknown version", newer},
        {"lower case", "kpl03" + current.substr(5)},
        {"current layout one byte short", current.substr(0, 2890)},
        {"current layout only as long as the older one", current.substr(0, 1930)},
        {"older layout one byte short", older.substr(0, 1929)},
        {"no name", "", ""},
        {"missing", "", "none.kpl"},
        {"a folder", "", "folder.kpl"},
        {"unreadable", "", geteuid() ? "locked.kpl" : ""},  // root reads it whatever its permissions
    };
    for (const auto& f : files) {
        WriteAll(Path("bad.kpl"), f.bytes);
        auto doc = MarkedDocument(20, 21);
        GiveHistory(*doc);
        auto before = MarkedDocument(20, 21);
        GiveHistory(*before);
        (void)doc->TakeChange();
        EXPECT_FALSE(doc->LoadMapFile(*f.name ? StdPath(f.name) : std::string())) << f.what;
        EXPECT_EQ(doc->LastX, 20) << f.what;
        EXPECT_EQ(doc->LastY, 21) << f.what;
        EXPECT_TRUE(doc->CanUndo()) << f.what;
        EXPECT_TRUE(doc->CanRedo()) << f.what;
        EXPECT_TRUE(SameGrid(*doc, *before)) << f.what;
        EXPECT_TRUE(doc->TakeChange().Empty()) << f.what;
    }
    EXPECT_FALSE(MapFilePresent(StdPath("folder.kpl")));
}

TEST_F(MapFileTest, LoadEmptiesTheHistoryAndRedrawsEverythingOnce)
{
    WriteAll(Path("m.kpl"), CurrentFile(2, 1));
    auto doc = MarkedDocument(20, 20);
    GiveHistory(*doc);
    (void)doc->TakeChange();
    ASSERT_TRUE(doc->LoadMapFile(StdPath("m.kpl")));
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(doc->CanRedo());
    EXPECT_EQ(doc->BufList->GetCount(), 0);
    const MapChange loaded = doc->TakeChange();
    EXPECT_TRUE(loaded.Size && loaded.WholeMap && loaded.Cells.empty());  // each cell drawn once, by the whole redraw
    // The old size's cells have no place on the new picture; a cell is drawn once.
    for (const auto& [x, y] : {std::pair{2, 2}, {1, 3}, {20, 20}, {1, 2}, {1, 2}})
        doc->DrawCell(x, y);
    EXPECT_EQ(doc->TakeChange().Cells, (std::vector<CellPlace>{{1, 2}}));
}

TEST_F(MapFileTest, ReaderNamesTheFaultAndConvertsOlderFiles)
{
    struct {
        std::string bytes;
        bool ok;
        MapFileFault fault;
    } cases[] = {
        {"", false, MapFileFault::UnknownIdentifier},
        {"KPL0", false, MapFileFault::UnknownIdentifier},
        {std::string("KPL01\0", 6) + std::string(3000, '\0'), false, MapFileFault::UnknownIdentifier},
        {std::string("KPL03\0", 6) + std::string(1924, '\0'), false, MapFileFault::TooShort},
        {std::string("KPL02\0", 6) + std::string(1924, '\0'), true, MapFileFault::None},
        {std::string("KPL03\0", 6) + std::string(2885, '\0'), true, MapFileFault::None},
    };
    for (const auto& c : cases) {
        MapFileInfo info;
        info.LastX = 77;
        MapFileFault fault = MapFileFault::TooShort;
        EXPECT_EQ(ReadMapBytes(c.bytes, info, &fault), c.ok) << c.bytes.size();
        EXPECT_EQ(fault, c.fault) << c.bytes.size();
        if (!c.ok)
            EXPECT_EQ(info.LastX, 77) << "untouched on refusal";
    }

    MapFileInfo older;
    ASSERT_TRUE(ReadMapBytes(OlderFile(3, 4), older));
    EXPECT_EQ(older.Layout, MapLayout::Older);
    const std::string converted = MapFileBytes(older);
    MapFileInfo back;
    ASSERT_TRUE(ReadMapBytes(converted, back));
    EXPECT_EQ(back.Layout, MapLayout::Current);
    EXPECT_EQ(converted.size(), 2891u);
    EXPECT_EQ(back.Cells[30][29], (MapCell{Marked(30, 29).Panel, Marked(30, 29).Counter, 0}));
}

TEST_F(MapFileTest, FailedSaveKeepsWhatWasThere)
{
    auto doc = MarkedDocument(11, 11);
    // A regular file where a folder should be.
    WriteAll(Path("plain"), "x");
    EXPECT_FALSE(doc->SaveMapFile(StdPath("plain/a.kpl")));
    EXPECT_EQ(ReadAll(Path("plain")), "x");
    // A folder where the file should be: it stays, with its contents.
    ASSERT_TRUE(QDir().mkpath(Path("taken.kpl")));
    WriteAll(Path("taken.kpl/inside"), "keep");
    EXPECT_FALSE(doc->SaveMapFile(StdPath("taken.kpl")));
    EXPECT_EQ(ReadAll(Path("taken.kpl/inside")), "keep");
    EXPECT_FALSE(doc->SaveMapFile(""));
}

TEST_F(MapFileTest, AWritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root (the in-place fault test covers it)";
    ASSERT_TRUE(QDir().mkpath(Path("ro")));
    WriteAll(Path("ro/a.kpl"), "old contents");
    QFile::setPermissions(Path("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    auto doc = MarkedDocument(11, 11);
    EXPECT_TRUE(doc->SaveMapFile(StdPath("ro/a.kpl")));
    QFile::setPermissions(Path("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(ReadAll(Path("ro/a.kpl")), MapFileBytes(*doc));
}

TEST_F(MapFileTest, EachFailingWriteStepIsReportedAndKeepsTheOldFile)
{
    const std::string old = std::string(9000, 'o');
    struct Case {
        WriteStep step;
        int error;
        bool written;  // only a folder refusing the temporary file falls back
    };
    const Case cases[] = {
        {WriteStep::Open, ENOSPC, false}, {WriteStep::Write, EIO, false},
        {WriteStep::Flush, ENOSPC, false}, {WriteStep::Sync, EIO, false},
        {WriteStep::Close, EDQUOT, false}, {WriteStep::Rename, EXDEV, false},
        {WriteStep::Open, EACCES, true},
    };
    auto doc = MarkedDocument(5, 5);
    for (const Case& c : cases) {
        WriteAll(Path("a.kpl"), old);
        InjectWriteFault(c.step, c.error);
        const Result written = doc->SaveMapFile(StdPath("a.kpl"));
        InjectWriteFault(WriteStep::None, 0);
        const int step = static_cast<int>(c.step);
        EXPECT_EQ(written.Ok, c.written) << step;
        EXPECT_TRUE(ReadAll(Path("a.kpl")) == (c.written ? MapFileBytes(*doc) : old)) << step;
        if (!c.written)
            EXPECT_EQ(written.Reason, std::strerror(c.error)) << step;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.kpl"}) << step;
    }
}

TEST_F(MapFileTest, AFullDiskIsReportedAndKeepsTheOldFile)
{
    const QString disk = Path("disk");
    ASSERT_TRUE(QDir().mkpath(disk));
    if (::mount("tmpfs", disk.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0) {
        const std::string why = std::string("cannot mount a small tmpfs: ") + std::strerror(errno);
        if (const char* ci = std::getenv("CI"); ci && std::string(ci) == "true")
            FAIL() << why;
        GTEST_SKIP() << why;
    }
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount(at.c_str()); }
    } unmount{disk.toStdString()};
    auto doc = MarkedDocument(11, 11);
    ASSERT_TRUE(doc->SaveMapFile(StdPath("disk/old.kpl")));
    const std::string old = ReadAll(Path("disk/old.kpl"));
    {
        QFile filler(Path("disk/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    doc->Map[0][0] = MapCell{9, 9, 9};
    const Result written = doc->SaveMapFile(StdPath("disk/old.kpl"));
    EXPECT_FALSE(written);
    EXPECT_EQ(written.Reason, std::strerror(ENOSPC));
    EXPECT_TRUE(ReadAll(Path("disk/old.kpl")) == old);
    EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "old.kpl"}));
}

TEST_F(MapFileTest, DevicesFifosAndLinksToThemAreWrittenIntoNeverReplaced)
{
    // Made here, never a system node: a device like the null device.
    const std::string node = StdPath("null"), fifo = StdPath("fifo"), link = StdPath("link");
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node: " << std::strerror(errno);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    ASSERT_EQ(::symlink(node.c_str(), link.c_str()), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // so the writer need not wait
    ASSERT_GE(reader, 0);
    auto doc = MarkedDocument(4, 4);
    for (const std::string& target : {node, fifo, link}) {
        const Result written = doc->SaveMapFile(target);
        EXPECT_TRUE(written) << target << ": " << written.Reason;
    }
    std::string piped(CurrentMapFileSize + 1, '\0');
    EXPECT_EQ(::read(reader, piped.data(), piped.size()), static_cast<ssize_t>(CurrentMapFileSize));
    ::close(reader);
    struct stat st;
    ASSERT_EQ(::lstat(node.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST_F(MapFileTest, SaveReplacesAnExistingFile)
{
    WriteAll(Path("a.kpl"), std::string(9000, 'z'));
    auto doc = MarkedDocument(3, 3);
    ASSERT_TRUE(doc->SaveMapFile(StdPath("a.kpl")));
    EXPECT_EQ(ReadAll(Path("a.kpl")), MapFileBytes(*doc));
}

TEST_F(MapFileTest, StampsRoundTripAndAreListedByGroup)
{
    Stamp stamp{"港町 ①", "a harbour\nwith \"quotes\"", {3, 2, true, {{7, 3, 0}, {0, 0, 0}, {17, 0, 2}, {15, 9, 4}, {200, 1, 0}, {1, 0, 0}}, {true, false, true, true, true, true}}};
    ASSERT_TRUE(QDir(dir.path()).mkpath("Stamps/Towns"));
    const std::string path = StdPath("Stamps/Towns/harbour.stamp");
    ASSERT_TRUE(WriteStampFile(path, stamp));
    const StampRead read = ReadStampFile(path);
    ASSERT_TRUE(read.Status) << read.Status.Reason;
    EXPECT_EQ(read.Stamp.Name, stamp.Name);
    EXPECT_EQ(read.Stamp.Description, stamp.Description);
    EXPECT_EQ(read.Stamp.Cells.Present, stamp.Cells.Present);
    EXPECT_EQ(read.Stamp.Cells.OriginOdd, true);
    for (int i : {0, 2, 3, 4, 5})
        EXPECT_EQ(read.Stamp.Cells.Cells[i], stamp.Cells.Cells[i]) << i;

    stamp.Name = "whole";
    stamp.Cells = {1, 1, false, {{3, 0, 0}}};
    ASSERT_TRUE(WriteStampFile(StdPath("Stamps/one.stamp"), stamp));
    WriteAll(Path("Stamps/Towns/broken.stamp"), "{");
    const StampList list = ListStamps(StdPath("Stamps"));
    ASSERT_EQ(list.Entries.size(), 2u);
    EXPECT_EQ(list.Entries[0].Group, "");
    EXPECT_EQ(list.Entries[1].Group, "Towns");
    EXPECT_EQ(list.Entries[1].Name, "港町 ①");
    EXPECT_EQ(std::make_pair(list.Entries[1].Columns, list.Entries[1].Rows), std::make_pair(3, 2));
    ASSERT_EQ(list.Refused.size(), 1u);
    EXPECT_NE(list.Refused[0].find("broken.stamp: not JSON"), std::string::npos);

    // Panels no catalogue entry carries are named; cells left out do not count.
    TTileData doc;
    for (int no : {0, 1, 7, 15})
        doc.AddTile({.No = no});
    EXPECT_EQ(MissingPanels(read.Stamp.Cells, doc), (std::vector<int>{17, 200}));
    const map_shapes::Block rest = WithoutPanels(read.Stamp.Cells, {17, 200});
    EXPECT_EQ(rest.Present, (std::vector<bool>{true, false, false, true, false, true}));
}

TEST_F(MapFileTest, HostileStampsAreRefusedWithAReason)
{
    const std::string good = StampBytes({"s", "", {2, 1, false, {{1, 0, 0}, {2, 0, 0}}}});
    const auto with = [&](const std::string& from, const std::string& to) {
        std::string bytes = good;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"truncated", good.substr(0, good.size() / 2), "not JSON"},
        {"empty", "", "not JSON"},
        {"an array", "[1,2]", "not a stamp"},
        {"huge size", with("\"columns\":2", "\"columns\":100000"), "1..31"},
        {"a size as text", with("\"columns\":2", "\"columns\":\"2\""), "1..31"},
        {"a fraction", with("\"rows\":1", "\"rows\":1.5"), "1..31"},
        {"too few cells", with("[1,0,0],", ""), "has 1 cells where 2 x 1 needs 2"},
        {"a panel above 255", with("[1,0,0]", "[256,0,0]"), "cell 0"},
        {"a cell of two numbers", with("[1,0,0]", "[1,0]"), "cell 0"},
        {"nothing left", with("[1,0,0],[2,0,0]", "null,null"), "every cell"},
        {"invalid UTF-8", with("\"name\":\"s\"", "\"name\":\"s\xff\xfe\""), "not UTF-8"},
        {"no name", with("\"name\":\"s\"", "\"name\":7"), "\"name\""},
        {"another version", with("\"version\":1", "\"version\":2"), "version"},
        {"beyond the size cap", std::string(StampFileLimit + 1, ' '), "longer than"},
    };
    for (const auto& c : cases) {
        WriteAll(Path("hostile.stamp"), c.bytes);
        const StampRead read = ReadStampFile(StdPath("hostile.stamp"));
        EXPECT_FALSE(read.Status) << c.name;
        EXPECT_NE(read.Status.Reason.find(c.reason), std::string::npos) << c.name << ": " << read.Status.Reason;
    }

    // Neither followed nor opened: a link to a good stamp, and a FIFO no one
    // writes to (opening it would block).
    WriteAll(Path("good.stamp"), good);
    ASSERT_TRUE(ReadStampFile(StdPath("good.stamp")).Status);
    ASSERT_EQ(::symlink(StdPath("good.stamp").c_str(), StdPath("link.stamp").c_str()), 0);
    ASSERT_EQ(::mkfifo(StdPath("fifo.stamp").c_str(), 0666), 0);
    EXPECT_EQ(ReadStampFile(StdPath("link.stamp")).Status.Reason, "a link; stamps are read from regular files only");
    EXPECT_EQ(ReadStampFile(StdPath("fifo.stamp")).Status.Reason, "not a regular file");
    EXPECT_EQ(ListStamps(dir.path().toStdString()).Entries.size(), 1u);
}
