// The undo list and the document's undo and redo.
#include <gtest/gtest.h>

#include "document/File1.h"

TEST(History, SetIndexClampsIntoTheList)
{
    TBufList list;
    list.SetIndex(0);
    EXPECT_EQ(list.GetIndex(), -1);
    for (int i = 0; i < 3; ++i)
        list.Add();
    struct {
        int in, out;
    } cases[] = {{5, 2}, {-7, -1}, {1, 1}, {2, 2}, {-1, -1}};
    for (auto c : cases) {
        list.SetIndex(c.in);
        EXPECT_EQ(list.GetIndex(), c.out) << c.in;
    }
}

TEST(History, AddDropsTheUndoneTail)
{
    TBufList list;
    for (int i = 0; i < 3; ++i)
        list.Add().X = i;
    list.SetIndex(0);
    list.Add().X = 9;
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetIndex(), 1);
    EXPECT_EQ(list.GetItem(0).X, 0);
    EXPECT_EQ(list.GetItem(1).X, 9);
    list.SetIndex(-1);
    list.Add().X = 5;
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetItem(0).X, 5);
    list.Delete(0);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetIndex(), -1);
}

TEST(History, UndoAndRedoRewriteWholeCellsAndFollowTheStates)
{
    TTileData doc;
    doc.LastX = doc.LastY = 11;
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());
    doc.SetCell(3, 3, {1, 5, 2});
    doc.ChangeCell(3, 3, 1, 4);  // place panel 4 (counter resets, mask stays)
    doc.ChangeCell(3, 3, 0, 1);  // count up
    doc.ChangeMask(3, 3, 3);
    EXPECT_EQ(doc.GetCell(3, 3), (MapCell{4, 1, 3}));
    EXPECT_TRUE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());

    doc.Undo();
    doc.Undo();
    EXPECT_EQ(doc.GetCell(3, 3), (MapCell{4, 0, 2}));
    EXPECT_EQ(doc.BufList->GetIndex(), 0);
    EXPECT_TRUE(doc.CanUndo());
    EXPECT_TRUE(doc.CanRedo());
    doc.Undo();
    EXPECT_EQ(doc.GetCell(3, 3), (MapCell{1, 5, 2}));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.CanRedo());
    doc.Redo();
    doc.Redo();
    doc.Redo();
    EXPECT_EQ(doc.GetCell(3, 3), (MapCell{4, 1, 3}));
    EXPECT_FALSE(doc.CanRedo());
}

TEST(History, UndoReachesCellsOutsideTheShownMap)
{
    TTileData doc;
    doc.LastX = doc.LastY = 20;
    doc.ChangeCell(18, 18, 1, 6);
    doc.LastX = doc.LastY = 11;
    doc.Undo();
    EXPECT_EQ(doc.GetCell(18, 18).Panel, 0);
    doc.Redo();
    EXPECT_EQ(doc.GetCell(18, 18).Panel, 6);
}

TEST(History, ToolOperationsAreOneStepEach)
{
    TTileData doc;
    doc.LastX = doc.LastY = 11;
    const MapCell p7{7, 0, 0};
    doc.ChangeCell(1, 1, 1, 5);                                  // a click: its own step
    EXPECT_EQ(doc.ApplyEdits({{2, 2, p7}, {3, 2, p7}, {4, 2, p7}}), 3);  // a stroke...
    EXPECT_EQ(doc.ApplyEdits({{5, 2, p7}}, true), 1);            // ...going on
    EXPECT_EQ(doc.ApplyEdits({{5, 2, p7}}, true), 0);            // a cell holding it already
    EXPECT_EQ(doc.ApplyEdits({{1, 1, {5, 0, 0}}, {6, 6, p7}, {12, 0, p7}}), 1);  // unchanged and unshown skipped
    ASSERT_EQ(doc.BufList->GetCount(), 6);

    const auto painted = [&] {
        int n = 0;
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y)
                n += doc.GetCell(x, y) == p7;
        return n;
    };
    const int afterEachUndo[] = {4, 0, 0};
    for (int expected : afterEachUndo) {
        doc.Undo();
        EXPECT_EQ(painted(), expected);
    }
    EXPECT_EQ(doc.GetCell(1, 1).Panel, 0);
    EXPECT_FALSE(doc.CanUndo());
    const int afterEachRedo[] = {0, 4, 5};
    for (int expected : afterEachRedo) {
        doc.Redo();
        EXPECT_EQ(painted(), expected);
    }
    EXPECT_FALSE(doc.CanRedo());

    // After an undo a stroke cannot join the step before: it starts its own.
    doc.Undo();
    doc.ApplyEdits({{9, 9, p7}}, true);
    doc.Undo();
    EXPECT_EQ(painted(), 4);

    // A click's area mask: one step per cell, or one step with UndoByOperation.
    for (const bool byOperation : {false, true}) {
        TTileData area;
        area.LastX = area.LastY = 11;
        area.Mask[0].Type = 1;
        area.MaskCount = 1;
        area.Selected = MaxTiles;
        area.UndoByOperation = byOperation;
        area.EditAt(TTileData::CellRect(5, 4).Left + 8, TTileData::CellRect(5, 4).Top + 8, MouseButton::Left);
        ASSERT_EQ(area.BufList->GetCount(), 7);
        area.Undo();
        EXPECT_EQ(area.BufList->GetIndex(), byOperation ? -1 : 5) << byOperation;
    }
}
