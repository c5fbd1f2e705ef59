// The document's cells, lookups and the value rule.
#include <gtest/gtest.h>

#include <climits>

#include "TestCatalogue.h"
#include "document/File1.h"

TEST(Document, StartsEmptyWithMasksShown)
{
    TTileData doc;
    EXPECT_TRUE(doc.MaskShow);
    EXPECT_FALSE(doc.LineMode);
    EXPECT_EQ(doc.TileCount, 0);
    EXPECT_EQ(doc.BufList->GetCount(), 0);
    EXPECT_EQ(doc.BufList->GetIndex(), -1);
    EXPECT_EQ(doc.GetCell(30, 30), MapCell{});
    EXPECT_EQ(doc.Tile[255], TTileList{});
}

TEST(Document, CellsOutsideTheGridFallBackToTheFirstCell)
{
    TTileData doc;
    doc.SetCell(0, 0, {7, 8, 9});
    doc.SetCell(30, 30, {1, 2, 3});
    for (auto [x, y] : {std::pair{31, 0}, {-1, 5}, {3, 40}, {INT_MIN, INT_MAX}})
        EXPECT_EQ(doc.GetCell(x, y), (MapCell{7, 8, 9})) << x << "," << y;
    doc.SetCell(31, 0, {5, 5, 5});
    doc.SetCell(-1, -1, {5, 5, 5});
    EXPECT_EQ(doc.GetCell(0, 0), (MapCell{7, 8, 9}));
    EXPECT_EQ(doc.GetCell(30, 30), (MapCell{1, 2, 3}));
}

TEST(Document, ClearsActOnTheWholeGridAndKeepTheOtherField)
{
    TTileData doc;
    doc.LastX = doc.LastY = 3;
    doc.SetCell(2, 2, {4, 5, 6});
    doc.SetCell(30, 29, {7, 8, 9});
    doc.ClearPanels();
    EXPECT_EQ(doc.GetCell(2, 2), (MapCell{0, 0, 6}));
    EXPECT_EQ(doc.GetCell(30, 29), (MapCell{0, 0, 9}));
    doc.SetCell(2, 2, {4, 5, 6});
    doc.ClearMasks();
    EXPECT_EQ(doc.GetCell(2, 2), (MapCell{4, 5, 0}));
    EXPECT_EQ(doc.GetCell(30, 29), (MapCell{0, 0, 0}));
}

TEST(Document, CatalogueAccessFallsBackToTheFirstEntry)
{
    TTileData doc;
    doc.Tile[0].Name = "first";
    doc.Tile[255].Name = "last";
    doc.Mask[0].Name = "mask0";
    doc.Mask[29].Name = "mask29";
    EXPECT_EQ(doc.GetTile(255).Name, "last");
    EXPECT_EQ(doc.GetTile(256).Name, "first");
    EXPECT_EQ(doc.GetTile(-1).Name, "first");
    EXPECT_EQ(doc.GetMaskTile(29).Name, "mask29");
    EXPECT_EQ(doc.GetMaskTile(30).Name, "mask0");
}

TEST(Document, LookupsTakeTheLowestIndexAndAnswerFallbacks)
{
    TTileData doc;
    doc.AddTile({.No = 0, .Name = "sea", .Code = 'a'});
    doc.AddTile({.No = 7, .Name = "first7", .Type = 1, .Max = 9, .Ext = "ppl", .Code = 'b'});
    doc.AddTile({.No = 7, .Name = "second7", .Type = 2, .Max = 3, .Ext = "ha", .Code = 'c'});
    doc.AddTile({.No = 9, .Name = "nine", .Type = 2, .Code = 'b'});
    EXPECT_EQ(doc.IndexOfNo(7), 1);
    EXPECT_EQ(doc.NameOfNo(7), "first7");
    EXPECT_EQ(doc.ExtOfNo(7), "ppl");
    EXPECT_EQ(doc.MaxOfNo(7), 9);
    EXPECT_EQ(doc.NoOfCode('b'), 7);
    EXPECT_EQ(doc.CodeOfNo(9), 'b');
    // Numbers and letters nobody carries.
    doc.Tile[0].Max = 42;
    EXPECT_EQ(doc.IndexOfNo(200), 0);
    EXPECT_EQ(doc.NameOfNo(200), "");
    EXPECT_EQ(doc.ExtOfNo(200), "");
    EXPECT_EQ(doc.MaxOfNo(200), 42);
    EXPECT_EQ(doc.NoOfCode('z'), -1);
    EXPECT_EQ(doc.CodeOfNo(200), 255);
    // Unloaded zero records answer for No 0 and Code 0.
    EXPECT_EQ(doc.NoOfCode(0), 0);
}

TEST(Document, ValueRule)
{
    TTileData doc;
    doc.AddTile({.No = 0, .Name = "zero", .Type = 1, .Min = 100, .Count = 50, .Max = 10, .Ext = "x"});
    doc.AddTile({.No = 5, .Name = "town", .Type = 1, .Min = 100, .Count = 50, .Max = 10, .Ext = "人"});
    doc.AddTile({.No = 6, .Name = "flat", .Min = 30});
    doc.AddTile({.No = 8, .Name = "untyped", .Type = -1, .Min = 10, .Count = 1, .Max = 5, .Ext = "u"});
    struct Case {
        MapCell cell;
        int value;
        const char* text;
    } cases[] = {
        {{5, 0, 0}, 100, "100人"},    {{5, 4, 0}, 300, "300人"}, {{5, 10, 0}, 600, "600人"},
        {{5, 200, 0}, 600, "600人"},  {{0, 3, 0}, 0, ""},         // entry 0 never has a value
        {{99, 3, 0}, 0, ""},          // nobody carries 99: entry 0
        {{6, 2, 0}, 30, ""},          // Max 0: value Min, no text
        {{8, 2, 0}, 0, "12u"},        // negative Type: no value, but text
    };
    for (const Case& c : cases) {
        doc.SetCell(1, 2, c.cell);
        EXPECT_EQ(doc.CellValue(1, 2), c.value) << int(c.cell.Panel) << "/" << int(c.cell.Counter);
        EXPECT_EQ(doc.ValueText(1, 2), c.text) << int(c.cell.Panel) << "/" << int(c.cell.Counter);
    }
}

TEST(Document, ValueRuleStaysInRangeAtTheEndsOfInt32)
{
    TTileData doc;
    doc.AddTile({.No = 0});
    doc.AddTile({.No = 1, .Type = 1, .Min = INT_MAX, .Count = INT_MAX, .Max = INT_MAX});
    doc.AddTile({.No = 2, .Type = 1, .Min = INT_MIN, .Count = INT_MIN, .Max = INT_MAX});
    doc.AddTile({.No = 3, .Type = 1, .Min = INT_MAX, .Count = INT_MIN, .Max = INT_MIN});
    doc.SetCell(0, 0, {1, 255, 0});
    EXPECT_EQ(doc.CellValue(0, 0), INT_MAX);
    doc.SetCell(0, 0, {2, 255, 0});
    EXPECT_EQ(doc.CellValue(0, 0), INT_MIN);
    doc.SetCell(0, 0, {3, 1, 0});
    EXPECT_EQ(doc.CellValue(0, 0), -1);  // INT_MAX + INT_MIN
    EXPECT_EQ(doc.ValueText(0, 0), "");  // Max negative: no text
}

TEST(Document, ShownSizeAcceptsOnlyGridIndexes)
{
    TTileData doc;
    doc.SetLastX(11);
    doc.SetLastY(30);
    doc.SetLastX(31);
    doc.SetLastY(-1);
    EXPECT_EQ(doc.LastX, 11);
    EXPECT_EQ(doc.LastY, 30);
}

TEST(Document, CatalogueOperationsKeepCountsAndDropOverflow)
{
    TTileData doc;
    TestCatalogue(300).AddTo(doc);
    EXPECT_EQ(doc.TileCount, 256);
    EXPECT_EQ(doc.Tile[255].No, 255);
    for (int i = 0; i < 40; ++i) {
        TMaskTileList m;
        m.No = i;
        doc.AddMaskTile(m);
    }
    EXPECT_EQ(doc.MaskCount, 30);

    TTileData small;
    TestCatalogue(5).AddTo(small);
    small.DeleteTile(2);
    EXPECT_EQ(small.TileCount, 4);
    EXPECT_EQ(small.Tile[2].No, 3);
    EXPECT_EQ(small.Tile[3].No, 4);
    EXPECT_EQ(small.Tile[4].Name, "");  // freed slot loses its texts
    small.DeleteTile(4);                // beyond the count: ignored
    small.ReplaceTile(7, TTileList{.No = 9});
    EXPECT_EQ(small.TileCount, 4);
    small.ReplaceTile(1, TTileList{.No = 9, .Name = "nine"});
    EXPECT_EQ(small.Tile[1].Name, "nine");
}
