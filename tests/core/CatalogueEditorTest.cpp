#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "TestCatalogue.h"
#include "dialogs/CatalogueEditor.h"
#include "document/File1.h"

namespace {

CatalogueEditor WithNumbers(const std::vector<int32_t>& numbers)
{
    CatalogueEditor e;
    for (int32_t no : numbers)
        e.Append({.No = no, .Name = "p", .Code = 'a'});
    return e;
}

std::vector<int32_t> Numbers(const CatalogueEditor& e)
{
    std::vector<int32_t> out;
    for (int32_t i = 0; i < e.WorkCount; ++i)
        out.push_back(e.WorkTile[i].No);
    return out;
}

std::vector<int32_t> Range(int32_t from, int32_t to)
{
    std::vector<int32_t> out;
    for (int32_t i = from; i <= to; ++i)
        out.push_back(i);
    return out;
}

}  // namespace

TEST(CatalogueEditor, FirstFreeNoIsTheLowestNumberNotInUse)
{
    struct Case {
        const char* what;
        std::vector<int32_t> numbers;
        int32_t expected;
    };
    std::vector<int32_t> withGap = Range(0, 255);
    withGap.erase(withGap.begin() + 200);
    const Case cases[] = {
        {"empty list", {}, 0},
        {"0..20 in use", Range(0, 20), 21},
        {"gap at 0", {1, 2, 3}, 0},
        {"duplicates count once", {0, 0, 1, 1, 3}, 2},
        {"numbers no cell can carry are ignored", {-1, 0, 256, 1000}, 1},
        {"only 200 free", withGap, 200},
        {"every number taken", Range(0, 255), 19},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithNumbers(c.numbers).FirstFreeNo(), c.expected) << c.what;
}

TEST(CatalogueEditor, ANewKindGetsAFreeLetterAndSharedLettersAreNamed)
{
    struct Case {
        const char* codes;  // one entry per letter, named by its position
        int32_t firstFree;
        std::vector<std::string> shared;
    };
    const Case cases[] = {
        {"", 'a', {}},
        {"abcdefghijklmnopqrstuvwx", 'y', {}},
        {"ab{c", 'd', {}},  // a stored code outside a..z takes no letter
        {"abcdefghijklmnopqrstuvwxyz", 'a', {}},
        {"abbcb", 'd', {"コード b: 1 と 2 と 4"}},
        {"baab", 'c', {"コード a: 1 と 2", "コード b: 0 と 3"}},
    };
    for (const Case& c : cases) {
        CatalogueEditor e;
        for (const char* code = c.codes; *code; ++code)
            e.Append({.No = static_cast<int32_t>(code - c.codes),
                      .Name = std::to_string(code - c.codes),
                      .Code = static_cast<uint8_t>(*code)});
        EXPECT_EQ(e.FirstFreeCode(), c.firstFree) << c.codes;
        EXPECT_EQ(e.SharedCodeLines(), c.shared) << c.codes;
    }
}

TEST(CatalogueEditor, HoldsTheWholeCatalogueOf256Entries)
{
    CatalogueEditor e = WithNumbers(Range(0, 254));
    EXPECT_TRUE(e.CanAppend());
    EXPECT_TRUE(e.Append({.No = 255, .Name = "p", .Code = 'a'}));
    EXPECT_EQ(e.WorkCount, 256);
    EXPECT_FALSE(e.CanAppend());
    EXPECT_FALSE(e.Append({.No = 7, .Name = "p", .Code = 'a'}));
    EXPECT_EQ(e.WorkCount, 256);
    EXPECT_EQ(e.WorkTile[255].No, 255);
}

TEST(CatalogueEditor, RemoveNeverTakesTheFirstRowOrABuiltInPanel)
{
    struct Case {
        const char* what;
        std::vector<int32_t> numbers;
        int32_t index;
        bool removed;
        std::vector<int32_t> after;
    };
    const Case cases[] = {
        {"user panel in the middle", {0, 18, 19, 20}, 1, true, {0, 19, 20}},
        {"last row", {0, 18, 19}, 2, true, {0, 18}},
        {"first row, even a user panel", {30, 18}, 0, false, {30, 18}},
        {"built-in panel 17", {0, 17, 18}, 1, false, {0, 17, 18}},
        {"missing number reads as -1, built in", {0, -1}, 1, false, {0, -1}},
        {"past the end", {0, 18}, 2, false, {0, 18}},
        {"negative index", {0, 18}, -1, false, {0, 18}},
    };
    for (const Case& c : cases) {
        CatalogueEditor e = WithNumbers(c.numbers);
        EXPECT_EQ(e.CanRemove(c.index), c.removed) << c.what;
        EXPECT_EQ(e.Remove(c.index), c.removed) << c.what;
        EXPECT_EQ(Numbers(e), c.after) << c.what;
    }
}

TEST(CatalogueEditor, RemoveMovesLaterEntriesUpWholeAndFreesTheLastSlot)
{
    CatalogueEditor e;
    e.Append({.No = 0, .Name = "sea", .Code = 'a'});
    e.Append({.No = 18, .Name = "gone", .Code = 'a'});
    TTileList kept{.No = 19, .Name = "kept", .Code = 'a'};
    kept.Bmp = "/img/kept.bmp";
    kept.Ext = "人";
    kept.Min = 5;
    e.Append(kept);
    ASSERT_TRUE(e.Remove(1));
    EXPECT_EQ(e.WorkTile[1], kept);
    EXPECT_EQ(e.WorkTile[2], TTileList{});
}

TEST(CatalogueEditor, MovesSwapWithANeighbourOnly)
{
    struct Case {
        bool up;
        int32_t index;
        bool moved;
        std::vector<int32_t> after;
    };
    const Case cases[] = {
        {true, 2, true, {0, 20, 19}}, {true, 0, false, {0, 19, 20}},  {true, 3, false, {0, 19, 20}},
        {false, 0, true, {19, 0, 20}}, {false, 2, false, {0, 19, 20}}, {false, -1, false, {0, 19, 20}},
    };
    for (const Case& c : cases) {
        CatalogueEditor e = WithNumbers({0, 19, 20});
        EXPECT_EQ(c.up ? e.MoveUp(c.index) : e.MoveDown(c.index), c.moved) << c.up << " " << c.index;
        EXPECT_EQ(Numbers(e), c.after) << c.up << " " << c.index;
    }
}

TEST(CatalogueEditor, RowShowsEveryFigureAndTheHiddenBitmap)
{
    TTileList t;
    t.No = 21;
    t.Name = "遊園地";
    t.Bmp = "/x/Image/amusement.bmp";
    t.Type = 4;
    t.Min = 100;
    t.Count = 50;
    t.Max = 10;
    t.Ext = "億円";
    t.Land = true;
    const CatalogueEditor::RowTexts expected = {"遊園地", "21", "資金", "100", "50", "600", "億円", "○",
                                                "/x/Image/amusement.bmp"};
    EXPECT_EQ(CatalogueEditor::Row(t), expected);
    t.Land = false;
    EXPECT_EQ(CatalogueEditor::Row(t)[7], "×");
}

TEST(CatalogueEditor, TypeColumnNamesTheCategoryOrShowsTheNumber)
{
    const std::pair<int32_t, const char*> cases[] = {
        {0, "地形"}, {1, "人口"}, {2, "農業"}, {3, "工業"}, {4, "資金"}, {5, "軍事"},
        {-1, "-1"},  {6, "6"},    {INT32_MIN, "-2147483648"},
    };
    for (const auto& [type, text] : cases)
        EXPECT_EQ(CatalogueEditor::TypeName(type), text) << type;
}

TEST(CatalogueEditor, LargestValueStaysInside32Bits)
{
    struct Case {
        int32_t min, count, max, expected;
    };
    const Case cases[] = {
        {100, 50, 10, 600},
        {0, 10000, 255, 2550000},
        {-1, -1, -1, 0},
        {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
        {INT32_MIN, INT32_MAX, INT32_MIN, INT32_MIN},
        {10, INT32_MAX, 2, INT32_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CatalogueEditor::LargestValue(c.min, c.count, c.max), c.expected)
            << c.min << " " << c.count << " " << c.max;
}

TEST(CatalogueEditor, WriteBackMakesTheCatalogueEqualToTheList)
{
    TTileData doc;
    TestCatalogue(30).AddTo(doc);
    doc.Map[3][4] = MapCell{25, 7, 2};

    CatalogueEditor e;
    e.Load(doc);
    ASSERT_EQ(e.WorkCount, 30);
    e.Remove(29);
    e.Remove(25);
    e.Remove(20);
    e.MoveUp(19);
    e.Append({.No = 40, .Name = "new", .Code = 'a'});
    e.WriteBack(doc);

    ASSERT_EQ(doc.TileCount, e.WorkCount);
    for (int32_t i = 0; i < e.WorkCount; ++i)
        EXPECT_EQ(doc.Tile[i], e.WorkTile[i]) << i;
    EXPECT_EQ(doc.Tile[18].No, 19);
    EXPECT_EQ(doc.Tile[e.WorkCount - 1].Name, "new");
    // The map keeps its numbers even for a panel that is gone.
    EXPECT_EQ(doc.Map[3][4], (MapCell{25, 7, 2}));
}

TEST(CatalogueEditor, AFullCatalogueComesBackWhole)
{
    TTileData doc;
    TestCatalogue(256).AddTo(doc);
    CatalogueEditor e;
    e.Load(doc);
    EXPECT_EQ(e.WorkCount, 256);
    e.WriteBack(doc);
    ASSERT_EQ(doc.TileCount, 256);
    EXPECT_EQ(doc.Tile[255].Name, "パネル255");
    EXPECT_EQ(doc.Tile[40].Name, "パネル40");
}

TEST(CatalogueEditor, LoadStartsFromABlankList)
{
    TTileData doc;
    doc.AddTile({.No = 0, .Name = "only", .Code = 'a'});
    CatalogueEditor e = WithNumbers(Range(0, 9));
    e.Load(doc);
    EXPECT_EQ(e.WorkCount, 1);
    EXPECT_EQ(e.WorkTile[0].Name, "only");
    EXPECT_EQ(e.WorkTile[1], TTileList{});
}
