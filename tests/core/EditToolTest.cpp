// Pixel geometry and the mouse tool.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "document/File1.h"
#include "view/PaintTools.h"

namespace {

struct Doc : TTileData {
    Doc()
    {
        LastX = LastY = 11;
        for (int i = 0; i < 4; ++i)
            AddTile({.No = i * 10, .Max = i == 2 ? 0 : 3});  // numbers differ from indexes on purpose
        for (int type : {0, 1, 2, 3, 1000}) {
            TMaskTileList m;
            m.Type = type;
            AddMaskTile(m);
        }
    }
    // The picture pixel at the centre of a cell.
    std::pair<int, int> Centre(int x, int y)
    {
        const CellRectangle r = CellRect(x, y);
        return {r.Left + 16, r.Top + 16};
    }
    void Click(int x, int y, MouseButton b = MouseButton::Left)
    {
        auto [px, py] = Centre(x, y);
        EditAt(px, py, b);
    }
    std::set<std::pair<int, int>> ChangedCells()
    {
        std::set<std::pair<int, int>> cells;
        for (int i = 0; i < BufList->GetCount(); ++i)
            cells.insert({BufList->GetItem(i).X, BufList->GetItem(i).Y});
        return cells;
    }
};

}  // namespace

TEST(Geometry, CellRectangles)
{
    EXPECT_EQ(TTileData::CellRect(0, 0), (CellRectangle{16, 16, 48, 48}));
    EXPECT_EQ(TTileData::CellRect(0, 1), (CellRectangle{0, 48, 32, 80}));
    EXPECT_EQ(TTileData::CellRect(3, 2), (CellRectangle{112, 80, 144, 112}));
    EXPECT_EQ(TTileData::CellRect(-1, -1), (CellRectangle{-32, -16, 0, 16}));
}

TEST(Geometry, PixelToCell)
{
    Doc doc;  // 12 x 12
    struct Case {
        int px, py, x, y;
        bool valid;
    } cases[] = {
        {20, 20, 0, 0, true},   {15, 20, -1, 0, false},  {0, 50, 0, 1, true},   {31, 79, 0, 1, true},
        {32, 48, 1, 1, true},   {100, 5, 0, -1, false},  {-40, 20, -1, 0, false},
        {390, 50, 12, 1, false}, {399, 20, 11, 0, true},  {20, 400, 0, 12, false},
        {5000, 5000, 156, 155, false},
    };
    for (const Case& c : cases) {
        doc.PixelToCell(c.px, c.py);
        EXPECT_EQ(doc.CursorX, c.x) << c.px << "," << c.py;
        EXPECT_EQ(doc.CursorY, c.y) << c.px << "," << c.py;
        EXPECT_EQ(doc.CursorValid, c.valid) << c.px << "," << c.py;
    }
}

TEST(EditTool, PanelsArePlacedThenCountedWithinMax)
{
    Doc doc;
    doc.SetCell(4, 4, {30, 5, 2});
    doc.Selected = 1;  // No 10, Max 3
    doc.Click(4, 4, MouseButton::Right);  // either button places
    EXPECT_EQ(doc.GetCell(4, 4), (MapCell{10, 0, 2}));
    const HistoryEntry& e = doc.BufList->GetItem(0);
    EXPECT_EQ(e.Kind, 1);
    EXPECT_EQ((MapCell{e.OldPanel, e.OldCounter, e.OldMask}), (MapCell{30, 5, 2}));
    EXPECT_EQ((MapCell{e.NewPanel, e.NewCounter, e.NewMask}), (MapCell{10, 0, 2}));

    for (int i = 0; i < 6; ++i)
        doc.Click(4, 4);
    EXPECT_EQ(doc.GetCell(4, 4).Counter, 3);
    EXPECT_EQ(doc.BufList->GetCount(), 4);  // place + three steps
    EXPECT_EQ(doc.BufList->GetItem(3).Kind, 0);
    for (int i = 0; i < 6; ++i)
        doc.Click(4, 4, MouseButton::Right);
    EXPECT_EQ(doc.GetCell(4, 4).Counter, 0);
    EXPECT_EQ(doc.BufList->GetCount(), 7);

    doc.Selected = 2;  // Max 0 never counts
    doc.Click(5, 5);
    doc.Click(5, 5);
    EXPECT_EQ(doc.GetCell(5, 5), (MapCell{20, 0, 0}));
}

TEST(EditTool, CounterNeverWrapsPast255)
{
    Doc doc;
    doc.Tile[1].Max = 100000;
    doc.Selected = 1;
    doc.SetCell(1, 1, {10, 254, 0});
    doc.Click(1, 1);
    doc.Click(1, 1);
    EXPECT_EQ(doc.GetCell(1, 1).Counter, 255);
}

TEST(EditTool, PressesOutsideTheMapAndMiddleButtonChangeNothing)
{
    Doc doc;
    doc.Selected = 1;
    doc.EditAt(100, 5, MouseButton::Left);    // header band
    doc.EditAt(5, 20, MouseButton::Left);     // even row ruler
    doc.EditAt(390, 50, MouseButton::Left);   // odd row ruler
    doc.EditAt(20, 420, MouseButton::Left);   // below the last row
    doc.Click(3, 3, MouseButton::Middle);
    EXPECT_EQ(doc.BufList->GetCount(), 0);
}

TEST(EditTool, SingleCellMasks)
{
    Doc doc;
    doc.Selected = 256;  // mask 0, Type 0
    doc.Click(2, 2);
    doc.Click(2, 2);  // already carries it: nothing recorded
    EXPECT_EQ(doc.GetCell(2, 2).Mask, 1);
    EXPECT_EQ(doc.BufList->GetCount(), 1);
    doc.Click(3, 3, MouseButton::Right);  // no mask there: nothing recorded
    EXPECT_EQ(doc.BufList->GetCount(), 1);
    doc.SetCell(3, 3, {0, 0, 4});
    doc.Click(3, 3, MouseButton::Right);  // removes any kind
    EXPECT_EQ(doc.GetCell(3, 3).Mask, 0);
    EXPECT_EQ(doc.BufList->GetCount(), 2);
}

TEST(EditTool, MaskAreasFollowTheStaggeredHexagon)
{
    using Cells = std::set<std::pair<int, int>>;
    auto row = [](Cells& s, int y, int from, int to) {
        for (int x = from; x <= to; ++x)
            s.insert({x, y});
    };
    struct Case {
        int selected, cx, cy;
        Cells expected;
    };
    Cells t1even, t1odd, t2even, t2odd;
    row(t1even, 4, 4, 6), row(t1even, 3, 5, 6), row(t1even, 5, 5, 6);
    row(t1odd, 3, 4, 6), row(t1odd, 2, 4, 5), row(t1odd, 4, 4, 5);
    row(t2even, 4, 3, 7), row(t2even, 3, 4, 7), row(t2even, 5, 4, 7), row(t2even, 2, 4, 6), row(t2even, 6, 4, 6);
    row(t2odd, 3, 3, 7), row(t2odd, 2, 3, 6), row(t2odd, 4, 3, 6), row(t2odd, 1, 4, 6), row(t2odd, 5, 4, 6);
    const Case cases[] = {
        {257, 5, 4, t1even}, {257, 5, 3, t1odd}, {258, 5, 4, t2even}, {258, 5, 3, t2odd}};
    for (const Case& c : cases) {
        Doc doc;
        doc.Selected = c.selected;
        doc.Click(c.cx, c.cy);
        EXPECT_EQ(doc.ChangedCells(), c.expected) << c.selected << " at " << c.cx << "," << c.cy;
        EXPECT_EQ(doc.BufList->GetCount(), static_cast<int>(c.expected.size()));
        // Visited row by row, columns ascending.
        for (int i = 1; i < doc.BufList->GetCount(); ++i) {
            const HistoryEntry &a = doc.BufList->GetItem(i - 1), &b = doc.BufList->GetItem(i);
            EXPECT_TRUE(a.Y < b.Y || (a.Y == b.Y && a.X < b.X));
        }
    }
}

TEST(EditTool, LargeAreasAndCornersRecordOnlyCellsInsideTheMap)
{
    Doc doc;
    doc.Selected = 259;  // Type 3: 10t - 1 cells
    doc.Click(6, 6);
    EXPECT_EQ(doc.BufList->GetCount(), 29);
    Doc huge;
    huge.Selected = 260;  // Type 1000: rows beyond two are empty, the map clips
    huge.Click(6, 6);
    EXPECT_EQ(huge.BufList->GetCount(), 5 * 12);
    Doc corner;
    corner.Selected = 257;
    corner.Click(0, 0);
    EXPECT_EQ(corner.ChangedCells(), (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
    // Area entries are recorded even when the mask does not change, and
    // the right button removes masks over the same area.
    corner.Click(0, 0);
    EXPECT_EQ(corner.BufList->GetCount(), 8);
    corner.Click(0, 0, MouseButton::Right);
    EXPECT_EQ(corner.GetCell(1, 0).Mask, 0);
    EXPECT_EQ(corner.BufList->GetCount(), 12);
}

TEST(EditTool, UndoOfAnAreaRestoresOneCellPerStep)
{
    Doc doc;
    doc.SetCell(5, 4, {30, 2, 0});
    doc.Selected = 257;
    doc.Click(5, 4);
    doc.Undo();
    int masked = 0;
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 12; ++y)
            masked += doc.GetCell(x, y).Mask != 0;
    EXPECT_EQ(masked, 6);
    for (int i = 0; i < 6; ++i)
        doc.Undo();
    EXPECT_EQ(doc.GetCell(5, 4), (MapCell{30, 2, 0}));
    doc.Redo();
    EXPECT_EQ(doc.GetCell(doc.BufList->GetItem(0).X, doc.BufList->GetItem(0).Y).Mask, 2);
}

namespace {

using map_shapes::Cell;

// One tool gesture on a fresh 12 x 12 map of panel 0 with panel No 10 active;
// the cells it changes and what they hold.
struct Gesture {
    const char* name;
    PaintTool tool;
    std::vector<CellEdit> before;  // set up first
    Cell from, to;
    std::optional<Cell> pasteAt;  // select from..to, then copy and paste there
    bool move = false;            // or drag the selection from `from` to pasteAt
    std::map<std::pair<int, int>, MapCell> changed;
    MouseButton button = MouseButton::Left;
    int selected = 1;
    std::vector<Cell> selection;  // selected afterwards, when given
    int level = 0;
    std::optional<PaintTools::CounterChange> counters;  // then a counter key on the selection
};

std::map<std::pair<int, int>, MapCell> Perform(const Gesture& g)
{
    Doc doc;
    doc.Selected = g.selected;
    for (const CellEdit& e : g.before)
        doc.SetCell(e.X, e.Y, e.Cell);
    doc.SetCell(20, 5, {30, 1, 1});  // outside the shown size: never touched
    const auto was = std::make_unique<TTileData>();
    std::copy(&doc.Map[0][0], &doc.Map[0][0] + GridSize * GridSize, &was->Map[0][0]);
    PaintTools tools(doc);
    tools.SetTool(g.tool);
    tools.SetLevel(g.level);
    const auto apply = [&](const PaintTools::Action& a) { doc.ApplyEdits(a.edits); };
    apply(tools.Press(g.from, true, g.button));
    apply(tools.Move(g.to, true));
    apply(tools.Release(g.to, g.button));
    if (g.move) {
        apply(tools.Press(g.from, true, MouseButton::Left));
        apply(tools.Move(*g.pasteAt, true));
        apply(tools.Release(*g.pasteAt, MouseButton::Left));
    } else if (g.pasteAt) {
        tools.Paste(tools.Copy());
        apply(tools.Press(*g.pasteAt, true, MouseButton::Left));
    }
    if (!g.selection.empty())
        EXPECT_EQ(tools.SelectionCells(), g.selection) << g.name;
    if (g.counters)
        apply(PaintTools::Action::Edits(tools.ChangeCounters(*g.counters)));
    std::map<std::pair<int, int>, MapCell> changed;
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            if (doc.Map[x][y] != was->Map[x][y])
                changed[{x, y}] = doc.Map[x][y];
    return changed;
}

}  // namespace

TEST(PaintTools, ShapesOnTheStaggeredGrid)
{
    const MapCell p10{10, 0, 0}, a{10, 1, 0}, b{20, 2, 0}, c{30, 3, 1}, d{0, 4, 2};
    const std::vector<CellEdit> block{{2, 2, a}, {3, 2, b}, {2, 3, c}, {3, 3, d}};
    const Gesture gestures[] = {
        {"line along a row", PaintTool::Line, {}, {2, 2}, {5, 2}, {}, false, {{{2, 2}, p10}, {{3, 2}, p10}, {{4, 2}, p10}, {{5, 2}, p10}}},
        {"line down-right from an even row", PaintTool::Line, {}, {2, 2}, {3, 4}, {}, false,
         {{{2, 2}, p10}, {{3, 3}, p10}, {{3, 4}, p10}}},
        {"rectangle of columns by rows", PaintTool::Rect, {}, {4, 3}, {2, 1}, {}, false,
         {{{2, 1}, p10}, {{3, 1}, p10}, {{4, 1}, p10}, {{2, 2}, p10}, {{3, 2}, p10}, {{4, 2}, p10},
          {{2, 3}, p10}, {{3, 3}, p10}, {{4, 3}, p10}}},
        {"rectangle dragged past the edge stops at it", PaintTool::Rect, {}, {11, 10}, {15, 40}, {}, false,
         {{{11, 10}, p10}, {{11, 11}, p10}}},
        {"the right button erases to entry 0 and keeps masks", PaintTool::Rect, {{2, 2, {20, 3, 1}}, {3, 2, p10}},
         {2, 2}, {3, 2}, {}, false, {{{2, 2}, {0, 0, 1}}, {{3, 2}, {0, 0, 0}}}, MouseButton::Right},
        {"the brush's right click erases its cell", PaintTool::Brush, {{2, 2, {20, 3, 1}}}, {2, 2}, {2, 2}, {},
         false, {{{2, 2}, {0, 0, 1}}}, MouseButton::Right},
        {"a stroke at a level, also over cells of the panel", PaintTool::Brush, {{3, 2, {10, 1, 1}}, {4, 2, {10, 2, 0}}},
         {2, 2}, {4, 2}, {}, false, {{{2, 2}, {10, 2, 0}}, {{3, 2}, {10, 2, 1}}}, MouseButton::Left, 1, {}, 2},
        {"a level above Max paints Max", PaintTool::Line, {}, {2, 2}, {3, 2}, {}, false,
         {{{2, 2}, {10, 3, 0}}, {{3, 2}, {10, 3, 0}}}, MouseButton::Left, 1, {}, 9},
        {"a level over a panel without steps paints 0", PaintTool::Rect, {}, {2, 2}, {2, 2}, {}, false,
         {{{2, 2}, {20, 0, 0}}}, MouseButton::Left, 2, {}, 2},
        {"counters of a selection step up within each Max", PaintTool::Select,
         {{2, 2, {10, 3, 0}}, {3, 2, {30, 1, 2}}, {4, 2, {20, 0, 0}}}, {2, 2}, {4, 2}, {}, false,
         {{{3, 2}, {30, 2, 2}}}, MouseButton::Left, 1, {}, 0,
         PaintTools::CounterChange::Up},
        {"counters of a selection go to Max", PaintTool::Select, {{2, 2, {10, 1, 0}}, {3, 2, {30, 0, 2}}}, {2, 2},
         {3, 2}, {}, false, {{{2, 2}, {10, 3, 0}}, {{3, 2}, {30, 3, 2}}}, MouseButton::Left, 1, {}, 0,
         PaintTools::CounterChange::ToMax},
        {"counters of a selection step down and stop at 0", PaintTool::Select, {{2, 2, {10, 1, 0}}, {3, 2, {30, 3, 2}}},
         {2, 2}, {3, 2}, {}, false, {{{2, 2}, {10, 0, 0}}, {{3, 2}, {30, 2, 2}}}, MouseButton::Left, 1, {}, 0,
         PaintTools::CounterChange::Down},
        {"counters of a selection go to 0", PaintTool::Select, {{2, 2, {10, 1, 0}}, {3, 2, {30, 3, 2}}}, {2, 2},
         {3, 2}, {}, false, {{{2, 2}, {10, 0, 0}}, {{3, 2}, {30, 0, 2}}}, MouseButton::Left, 1, {}, 0,
         PaintTools::CounterChange::ToZero},
        {"an area mask on a line marks each cell alone", PaintTool::Line, {}, {2, 2}, {4, 2}, {}, false,
         {{{2, 2}, {0, 0, 2}}, {{3, 2}, {0, 0, 2}}, {{4, 2}, {0, 0, 2}}}, MouseButton::Left, MaxTiles + 1},
        {"fill from an even row", PaintTool::Fill, {{5, 4, b}, {6, 3, b}, {4, 3, b}}, {5, 4}, {5, 4}, {}, false,
         {{{5, 4}, p10}, {{6, 3}, p10}}},
        {"fill from an odd row", PaintTool::Fill, {{5, 3, b}, {4, 4, b}, {6, 4, b}}, {5, 3}, {5, 3}, {}, false,
         {{{5, 3}, p10}, {{4, 4}, p10}}},
        {"paste at an even row offset", PaintTool::Select, block, {2, 2}, {3, 3}, Cell{6, 6}, false,
         {{{6, 6}, a}, {{7, 6}, b}, {{6, 7}, c}, {{7, 7}, d}}},
        {"paste at an odd row offset shifts by half a tile", PaintTool::Select, block, {2, 2}, {3, 3},
         Cell{6, 7}, false, {{{6, 7}, a}, {{7, 7}, b}, {{5, 8}, c}, {{6, 8}, d}}, MouseButton::Left, 1,
         {{6, 7}, {7, 7}, {5, 8}, {6, 8}}},
        {"paste at the corner keeps inside the map", PaintTool::Select, block, {2, 2}, {3, 3}, Cell{11, 11}, false,
         {{{11, 11}, a}}},
        {"move by dragging inside the selection", PaintTool::Select, block, {2, 2}, {3, 3}, Cell{6, 7}, true,
         {{{2, 2}, {}}, {{3, 2}, {}}, {{2, 3}, {}}, {{3, 3}, {}}, {{6, 7}, a}, {{7, 7}, b}, {{5, 8}, c}, {{6, 8}, d}},
         MouseButton::Left, 1, {{6, 7}, {7, 7}, {5, 8}, {6, 8}}},
        {"move from an odd row to an even one", PaintTool::Select, {{2, 3, a}, {3, 3, b}, {2, 4, c}, {3, 4, d}},
         {2, 3}, {3, 4}, Cell{2, 4}, true,
         {{{2, 3}, {}}, {{3, 3}, {}}, {{2, 4}, a}, {{3, 4}, b}, {{3, 5}, c}, {{4, 5}, d}}, MouseButton::Left, 1,
         {{2, 4}, {3, 4}, {3, 5}, {4, 5}}},
    };
    for (const Gesture& g : gestures)
        EXPECT_EQ(Perform(g), g.changed) << g.name;

    // A placed block stays for the next click until the right button.
    {
        Doc doc;
        doc.SetCell(2, 2, {10, 1, 0});
        PaintTools tools(doc);
        tools.SetTool(PaintTool::Select);
        tools.Press({2, 2}, true, MouseButton::Left);
        tools.Release({2, 2}, MouseButton::Left);
        tools.Paste(tools.Copy());
        for (const Cell at : {Cell{5, 5}, Cell{7, 5}})
            doc.ApplyEdits(tools.Press(at, true, MouseButton::Left).edits);
        EXPECT_EQ(doc.Map[5][5], (MapCell{10, 1, 0}));
        EXPECT_EQ(doc.Map[7][5], (MapCell{10, 1, 0}));
        EXPECT_EQ(doc.BufList->GetCount(), 2);
        EXPECT_TRUE(tools.Floating());
        tools.Press({9, 9}, true, MouseButton::Right);
        EXPECT_FALSE(tools.Floating());
        EXPECT_TRUE(tools.Press({9, 9}, true, MouseButton::Left).edits.empty());
    }

    // A fill of a uniform map changes every shown cell and nothing beyond,
    // at a level too.
    EXPECT_EQ(Perform({"whole map", PaintTool::Fill, {}, {7, 7}, {7, 7}, {}, false, {}}).size(), 144u);
    const auto filled = Perform({"whole map at a level", PaintTool::Fill, {}, {7, 7}, {7, 7}, {}, false, {},
                                 MouseButton::Left, 1, {}, 2});
    EXPECT_EQ(filled.size(), 144u);
    EXPECT_EQ(filled.at({11, 11}), (MapCell{10, 2, 0}));

    // Between any two cells, the line is a chain of neighbours of the
    // shortest length.
    for (int i = 0; i < 12 * 12; ++i)
        for (int j = 0; j < 12 * 12; j += 7) {
            const Cell from{i % 12, i / 12}, to{j % 12, j / 12};
            const std::vector<Cell> line = map_shapes::HexLine(from, to);
            ASSERT_EQ(static_cast<int>(line.size()), map_shapes::Distance(from, to) + 1);
            EXPECT_EQ(line.front(), from);
            EXPECT_EQ(line.back(), to);
            for (size_t k = 1; k < line.size(); ++k) {
                const auto n = map_shapes::Neighbours(line[k - 1]);
                EXPECT_NE(std::find(n.begin(), n.end(), line[k]), n.end()) << i << " " << j;
            }
        }
}

TEST(PaintTools, TurnsAndMirrorsOnTheStaggeredGrid)
{
    using map_shapes::Block;
    using map_shapes::Reshape;
    // Every cell holds its own index, so where each one went can be told.
    const auto numbered = [](int columns, int rows, bool odd, std::vector<bool> present = {}) {
        Block b{columns, rows, odd, {}, std::move(present)};
        for (int i = 0; i < columns * rows; ++i)
            b.Cells.push_back({static_cast<uint8_t>(i + 1), 0, 0});
        return b;
    };
    // A hexagon of an area mask: the middle cell and its six neighbours.
    Block hexagon = numbered(3, 3, true, {false, true, true, true, true, true, false, true, true});
    for (MapCell& c : hexagon.Cells)
        c.Mask = 2;
    const struct {
        const char* name;
        Block block;
        Cell anchor;
    } blocks[] = {
        {"4 x 3 from an even row", numbered(4, 3, false), {3, 4}},
        {"4 x 3 from an odd row", numbered(4, 3, true), {3, 5}},
        {"odd block on an even row", numbered(5, 2, true), {6, 6}},
        {"masked hexagon", hexagon, {4, 3}},
        {"31 x 1 row", numbered(31, 1, false), {0, 0}},
    };
    const std::pair<Reshape, int> steps[] = {{Reshape::TurnClockwise, 6}, {Reshape::TurnCounterClockwise, 6},
                                             {Reshape::MirrorLeftRight, 2}, {Reshape::MirrorTopBottom, 2}};
    const auto where = [](const Block& b, Cell anchor) {
        std::map<int, std::pair<Cell, MapCell>> at;  // cell number -> map cell and content
        map_shapes::Footprint::Of(b, anchor).ForEach(
            [&](Cell c, int column, int row) { at[b.At(column, row).Panel] = {c, b.At(column, row)}; });
        return at;
    };
    for (const auto& [name, block, anchor] : blocks)
        for (const auto& [how, period] : steps) {
            const Cell pivot = map_shapes::MiddleOf(map_shapes::Footprint::Of(block, anchor));
            auto [b, f] = map_shapes::Reshaped(block, anchor, pivot, how);
            // Steps between any two cells stay; masks go with their cells.
            const auto before = where(block, anchor), after = where(b, f.Anchor);
            ASSERT_EQ(before.size(), after.size()) << name;
            for (const auto& [n, p] : before) {
                EXPECT_EQ(after.at(n).second, p.second) << name;
                for (const auto& [m, q] : before)
                    EXPECT_EQ(map_shapes::Distance(after.at(n).first, after.at(m).first),
                              map_shapes::Distance(p.first, q.first))
                        << name << " " << static_cast<int>(how);
            }
            // Trimmed to its cells: they reach each edge of the block.
            std::set<int> xs, ys;
            for (const auto& [n, p] : after) {
                xs.insert(p.first.X);
                ys.insert(p.first.Y);
            }
            EXPECT_EQ(std::make_pair(*xs.begin(), *ys.begin()), std::make_pair(f.Anchor.X, f.Anchor.Y)) << name;
            EXPECT_EQ(std::make_pair(*xs.rbegin() - *xs.begin() + 1, *ys.rbegin() - *ys.begin() + 1),
                      std::make_pair(b.Columns, b.Rows)) << name;
            for (int i = 1; i < period; ++i)
                std::tie(b, f) = map_shapes::Reshaped(b, f.Anchor, pivot, how);
            EXPECT_EQ(where(b, f.Anchor), before) << name << " " << static_cast<int>(how);
            // A block on its own (floating) comes back as the very block.
            Block alone = block;
            Cell local = map_shapes::MiddleOf(block);
            for (int i = 0; i < period; ++i)
                alone = map_shapes::Reshaped(alone, how, local);
            const Cell origin{0, block.OriginOdd ? 1 : 0};
            EXPECT_TRUE(alone.Present == block.Present && alone.OriginOdd == block.OriginOdd &&
                        where(alone, origin) == where(block, origin))
                << name << " " << static_cast<int>(how);
        }

    // Turned in place on the map: a row of three on row 4 turns clockwise
    // about its middle, the cells it leaves cleared; off the map is dropped.
    const MapCell a{10, 1, 0}, b{20, 2, 1}, c{30, 3, 0};
    Doc doc;
    for (const CellEdit& e : std::vector<CellEdit>{{4, 4, a}, {5, 4, b}, {6, 4, c}, {0, 0, a}, {1, 0, b}})
        doc.SetCell(e.X, e.Y, e.Cell);
    PaintTools tools(doc);
    tools.SetTool(PaintTool::Select);
    const auto select = [&](Cell from, Cell to) {
        tools.Press(from, true, MouseButton::Left);
        tools.Release(to, MouseButton::Left);
    };
    select({4, 4}, {6, 4});
    doc.ApplyEdits(tools.TurnSelection(true));
    EXPECT_EQ(doc.Map[5][3], a);
    EXPECT_EQ(doc.Map[5][4], b);
    EXPECT_EQ(doc.Map[6][5], c);
    EXPECT_EQ(doc.Map[4][4], MapCell{});
    EXPECT_EQ(doc.Map[6][4], MapCell{});
    EXPECT_EQ(tools.SelectionCells(), (std::vector<Cell>{{5, 3}, {5, 4}, {6, 5}}));
    for (int i = 0; i < 5; ++i)
        doc.ApplyEdits(tools.TurnSelection(true));
    doc.ApplyEdits(tools.MirrorSelection(PaintTools::MirrorAxis::LeftRight));
    EXPECT_EQ(doc.Map[4][4], c);
    EXPECT_EQ(doc.Map[6][4], a);
    EXPECT_EQ(doc.Map[5][3], MapCell{});
    select({0, 0}, {1, 0});
    doc.ApplyEdits(tools.TurnSelection(false));  // the turned row would leave the map
    EXPECT_EQ(doc.Map[0][0], MapCell{});
    EXPECT_EQ(doc.Map[1][0], b);
    EXPECT_EQ(doc.Map[1][1], a);
    EXPECT_EQ(tools.SelectionCells(), (std::vector<Cell>{{1, 0}, {1, 1}}));

    // The selection being dragged turns as it goes and lands turned.
    tools.Press({1, 0}, true, MouseButton::Left);
    tools.Move({5, 6}, true);
    tools.TurnFloating(true);
    const std::vector<CellEdit> dragged = tools.Preview();
    ASSERT_EQ(dragged.size(), 2u);
    EXPECT_EQ(dragged[0].Y, dragged[1].Y);  // a down-left pair turned clockwise lies along a row
    doc.ApplyEdits(tools.Release({5, 6}, MouseButton::Left).edits);
    EXPECT_EQ(doc.Map[dragged[0].X][dragged[0].Y], dragged[0].Cell);
    EXPECT_EQ(doc.Map[1][0], MapCell{});

    // A floating block turns under the pointer; the preview is what lands.
    tools.Paste(numbered(3, 2, false));
    tools.TurnFloating(true);
    tools.MirrorFloating(PaintTools::MirrorAxis::TopBottom);
    tools.Move({6, 6}, true);
    const std::vector<CellEdit> preview = tools.Preview();
    EXPECT_EQ(preview.size(), 6u);
    EXPECT_EQ(tools.Press({6, 6}, true, MouseButton::Left).edits, preview);
}
