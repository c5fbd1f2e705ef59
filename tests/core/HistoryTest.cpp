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
