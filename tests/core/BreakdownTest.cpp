// The per-panel breakdown table.
#include <gtest/gtest.h>

#include <climits>

#include "document/File1.h"
#include "stats/Breakdown.h"

namespace {

struct Island {
    TTileData doc;
    Island()
    {
        doc.AddTile({.No = 0, .Name = "海", .Type = TypeTerrain});
        doc.LastX = doc.LastY = GridSize - 1;
    }
    void Put(int x, int y, int no, int counter = 0)
    {
        doc.SetCell(x, y, MapCell{static_cast<uint8_t>(no), static_cast<uint8_t>(counter), 0});
    }
};

BreakdownRow Row(const char* name, int no, int64_t min, int64_t max, int64_t total, int64_t count)
{
    return BreakdownRow{name, no, min, max, total, count};
}

}  // namespace

TEST(Breakdown, RowPerEntryInCatalogueOrder)
{
    Island island;
    // Worth one more a step; 畑 is absent from the map, 村2 shares No 5 with 村.
    for (auto [no, name] : {std::pair{5, "村"}, {3, "畑"}, {5, "村2"}})
        island.doc.AddTile({.No = no, .Name = name, .Type = TypePopulation, .Count = 1, .Max = 255});
    island.Put(0, 0, 5, 5);
    island.Put(1, 0, 5, 0);
    island.Put(2, 0, 5, 7);
    island.Put(3, 0, 77, 9);  // no entry carries 77: counted, shown nowhere
    const int64_t sea = int64_t{GridSize} * GridSize - 4;
    const std::vector<BreakdownRow> expected = {
        Row("海", 0, 0, 0, 0, sea),
        Row("村", 5, 0, 7, 12, 3),
        Row("畑", 3, 0, 0, 0, 0),
        Row("村2", 5, 0, 7, 12, 3),
    };
    EXPECT_EQ(BuildBreakdown(island.doc), expected);
}

TEST(Breakdown, FirstEntryCellsAreCountedWithoutValue)
{
    TTileData doc;
    doc.AddTile({.No = 9, .Name = "街", .Type = TypePopulation, .Min = 100, .Count = 10, .Max = 20});
    doc.LastX = 1;
    doc.LastY = 2;
    for (int x = 0; x <= 1; ++x)
        for (int y = 0; y <= 2; ++y)
            doc.SetCell(x, y, MapCell{9, 4, 0});
    EXPECT_EQ(BuildBreakdown(doc), std::vector<BreakdownRow>{Row("街", 9, 0, 0, 0, 6)});
}

TEST(Breakdown, SmallestAndLargestOfMixedValues)
{
    struct Case {
        const char* what;
        int min, count, max;
        std::vector<int> counters;
        int64_t smallest, largest, total;
    };
    const Case cases[] = {
        {"mixed", 0, 1, 255, {5, 0, 7}, 0, 7, 12},
        {"one cell", 0, 1, 255, {9}, 9, 9, 9},
        {"capped", 100, 50, 10, {0, 4, 200}, 100, 600, 1000},
        {"all negative", -3, -2, 0, {0, 2, 1}, -7, -3, -15},
        {"signs mixed", -10, 5, 255, {0, 4, 2}, -10, 10, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Island island;
        island.doc.AddTile({.No = 1, .Name = "x", .Type = TypePopulation, .Min = c.min, .Count = c.count, .Max = c.max});
        for (size_t i = 0; i < c.counters.size(); ++i)
            island.Put(static_cast<int>(i), 0, 1, c.counters[i]);
        const BreakdownRow row = BuildBreakdown(island.doc).at(1);
        EXPECT_EQ(row.Min, c.smallest);
        EXPECT_EQ(row.Max, c.largest);
        EXPECT_EQ(row.Total, c.total);
        EXPECT_EQ(row.Count, static_cast<int64_t>(c.counters.size()));
    }
}

TEST(Breakdown, EveryPanelNumberHasItsRecord)
{
    Island island;
    for (int no : {39, 40, 200, 255})
        island.doc.AddTile({.No = no, .Name = "p", .Type = TypePopulation, .Min = no});
    island.doc.AddTile({.No = 256, .Name = "out", .Type = TypePopulation, .Min = 1});  // no cell can carry these
    island.doc.AddTile({.No = -1, .Name = "neg", .Type = TypePopulation, .Min = 1});
    island.doc.AddTile({.No = INT32_MAX, .Name = "max", .Type = TypePopulation, .Min = 1});
    int x = 0;
    for (int no : {39, 40, 40, 200, 255, 255, 255})
        island.Put(x++, 0, no);
    const std::vector<BreakdownRow> rows = BuildBreakdown(island.doc);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[1], Row("p", 39, 39, 39, 39, 1));
    EXPECT_EQ(rows[2], Row("p", 40, 40, 40, 80, 2));
    EXPECT_EQ(rows[3], Row("p", 200, 200, 200, 200, 1));
    EXPECT_EQ(rows[4], Row("p", 255, 255, 255, 765, 3));
    EXPECT_EQ(rows[5], Row("out", 256, 0, 0, 0, 0));
    EXPECT_EQ(rows[6], Row("neg", -1, 0, 0, 0, 0));
    EXPECT_EQ(rows[7], Row("max", INT32_MAX, 0, 0, 0, 0));
}

TEST(Breakdown, OnlyTheShownMapCounts)
{
    Island island;
    island.doc.AddTile({.No = 1, .Name = "x", .Type = TypePopulation, .Count = 1, .Max = 255});
    island.Put(0, 0, 1, 1);
    island.Put(3, 0, 1, 10);   // hidden column
    island.Put(0, 3, 1, 100);  // hidden row
    island.doc.SetLastX(2);
    island.doc.SetLastY(2);
    EXPECT_EQ(BuildBreakdown(island.doc).at(1), Row("x", 1, 1, 1, 1, 1));
    EXPECT_EQ(BuildBreakdown(island.doc).at(0).Count, 8);
}

TEST(Breakdown, TotalsBeyondThirtyTwoBits)
{
    Island island;
    island.doc.AddTile({.No = 1, .Name = "big", .Type = TypePopulation, .Min = INT32_MAX});
    island.doc.AddTile({.No = 2, .Name = "low", .Type = TypePopulation, .Min = INT32_MIN});
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            island.Put(x, y, x == 0 ? 2 : 1);
    const std::vector<BreakdownRow> rows = BuildBreakdown(island.doc);
    const int64_t cells = int64_t{GridSize} * (GridSize - 1);
    EXPECT_EQ(rows[1], Row("big", 1, INT32_MAX, INT32_MAX, cells * INT32_MAX, cells));
    EXPECT_EQ(rows[2], Row("low", 2, INT32_MIN, INT32_MIN, int64_t{GridSize} * INT32_MIN, GridSize));
}

TEST(Breakdown, EmptyCatalogueGivesNoRows)
{
    TTileData doc;
    doc.LastX = doc.LastY = 30;
    EXPECT_TRUE(BuildBreakdown(doc).empty());
}
