// The palettes, driven through the real lists and buttons.
#include <gtest/gtest.h>

#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "TestCatalogue.h"
#include "TestApp.h"
#include "app/Palette.h"
#include "view/MapArtwork.h"

namespace {

void ClickItem(QTreeWidget* view, int index)
{
    QTreeWidgetItem* item = view->topLevelItem(index);
    ASSERT_NE(item, nullptr);
    view->scrollToItem(item);
    const QRect r = view->visualItemRect(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

}  // namespace

TEST(Palette, StartUpFillsBothListsAndMakesTheFirstPanelActive)
{
    TestApp app;
    TForm1& f = app.Form1();
    EXPECT_EQ(f.windowTitle(), "ISPLN  Ver 1.00");
    EXPECT_EQ(Control<QTreeWidget>(f, "ButtonView")->topLevelItemCount(), app.Doc().TileCount);
    EXPECT_EQ(app.Doc().TileCount, 24);
    EXPECT_EQ(Control<QTreeWidget>(f, "MaskView")->topLevelItemCount(), 5);
    EXPECT_EQ(app.Doc().Selected, 0);
    EXPECT_EQ(Control<QLabel>(f, "Label1_1")->text(), "海");
    EXPECT_EQ(Control<QLabel>(f, "Image01")->toolTip(), "海");
    EXPECT_FALSE(Control<QLabel>(f, "Image01")->pixmap().isNull());
    EXPECT_TRUE(f.ListsReady);
    // Item captions are empty: the lists show pictures only.
    EXPECT_EQ(Control<QTreeWidget>(f, "ButtonView")->topLevelItem(3)->text(0), "");
    EXPECT_EQ(Palette::ItemName(Control<QTreeWidget>(f, "ButtonView"), 3), "平地");
}

TEST(Palette, PageButtonsAppearOnlyAboveTwentyPanels)
{
    for (auto [panels, visible] : {std::pair{20, false}, {21, true}}) {
        TestApp app(TestCatalogue(panels).Ini());
        EXPECT_EQ(Control<QToolButton>(app.Form1(), "SpeedButton_1")->isVisibleTo(&app.Form1()), visible) << panels;
        EXPECT_EQ(Control<QToolButton>(app.Form1(), "SpeedButton_2")->isVisibleTo(&app.Form1()), visible) << panels;
        EXPECT_EQ(Control<QStackedWidget>(app.Form1(), "Notebook1")->currentIndex(), 0);
    }
}

TEST(Palette, PagingAndChoosingItems)
{
    TestApp app;
    TForm1& f = app.Form1();
    QTest::mouseClick(Control<QToolButton>(f, "SpeedButton_2"), Qt::LeftButton);
    EXPECT_EQ(Control<QStackedWidget>(f, "Notebook1")->currentIndex(), 1);
    EXPECT_FALSE(Control<QToolButton>(f, "SpeedButton_2")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(f, "SpeedButton_1")->isEnabled());
    EXPECT_EQ(Control<QLabel>(f, "Label_1")->text(), "2");
    EXPECT_EQ(app.Doc().Selected, 0);  // paging alone changes nothing

    ClickItem(Control<QTreeWidget>(f, "MaskView"), 2);
    EXPECT_EQ(app.Doc().Selected, 258);
    EXPECT_EQ(Control<QLabel>(f, "Label1_1")->text(), "範囲2");
    EXPECT_EQ(Control<QLabel>(f, "Image01")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              f.Palettes->MaskImage(2).convertToFormat(QImage::Format_ARGB32));

    QTest::mouseClick(Control<QToolButton>(f, "SpeedButton_1"), Qt::LeftButton);
    EXPECT_EQ(Control<QStackedWidget>(f, "Notebook1")->currentIndex(), 0);
    EXPECT_FALSE(Control<QToolButton>(f, "SpeedButton_1")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(f, "SpeedButton_2")->isEnabled());
    EXPECT_EQ(Control<QLabel>(f, "Label_1")->text(), "1");
    ClickItem(Control<QTreeWidget>(f, "ButtonView"), 7);
    EXPECT_EQ(app.Doc().Selected, 7);
    EXPECT_EQ(Control<QLabel>(f, "Label1_1")->text(), "町");
    ClickItem(Control<QTreeWidget>(f, "ButtonView"), 0);
    EXPECT_EQ(app.Doc().Selected, 0);
}

TEST(Palette, SelectionIsIgnoredWhileTheListsAreNotReady)
{
    TestApp app;
    app.Form1().ListsReady = false;
    ClickItem(Control<QTreeWidget>(app.Form1(), "ButtonView"), 5);
    EXPECT_EQ(app.Doc().Selected, 0);
}

TEST(Palette, MissingBitmapsGetAPlaceholderSoImagesStayPaired)
{
    TestApp app(TestCatalogue(6, 2).Ini());  // entries 2.. have no bitmap
    TForm1& f = app.Form1();
    const QImage placeholder = artwork::PlaceholderTile().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(f.Palettes->TileImage(2), placeholder);
    EXPECT_EQ(f.Palettes->TileImage(1), Palette::PrepareImage(app.Path("Image/plains.bmp").toStdString()));

    // Replace and delete keep item i with image i.
    TTileList town = app.Doc().GetTile(2);
    town.Bmp = app.Path("Image/town.bmp").toStdString();
    f.Session->ChangeSettings([&](TTileData& doc) { doc.ReplaceTile(2, town); });
    EXPECT_EQ(f.Palettes->TileImage(2), Palette::PrepareImage(town.Bmp));
    // Replacing with an entry whose bitmap is missing never keeps another
    // entry's picture.
    TTileList lost = app.Doc().GetTile(1);
    lost.Bmp = app.Path("Image/nothing.bmp").toStdString();
    f.Session->ChangeSettings([&](TTileData& doc) { doc.ReplaceTile(1, lost); });
    EXPECT_EQ(f.Palettes->TileImage(1), placeholder);
    f.Session->ChangeSettings([](TTileData& doc) { doc.DeleteTile(1); });
    EXPECT_EQ(app.Doc().TileCount, 5);
    EXPECT_EQ(Control<QTreeWidget>(f, "ButtonView")->topLevelItemCount(), 5);
    EXPECT_EQ(f.Palettes->TileImage(1), Palette::PrepareImage(town.Bmp));
    EXPECT_EQ(Palette::ItemName(Control<QTreeWidget>(f, "ButtonView"), 1), "パネル2");
    ClickItem(Control<QTreeWidget>(f, "ButtonView"), 1);
    EXPECT_EQ(Control<QLabel>(f, "Image01")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              Palette::PrepareImage(town.Bmp));
}

TEST(Palette, AnEmptyCatalogueStartsWithABlankPreview)
{
    TestApp app(QByteArray("[System]\nMapSize=1\nMapX=12\nMapY=12\n"));
    EXPECT_EQ(app.Doc().TileCount, 0);
    EXPECT_EQ(Control<QTreeWidget>(app.Form1(), "ButtonView")->topLevelItemCount(), 0);
    EXPECT_TRUE(Control<QLabel>(app.Form1(), "Image01")->pixmap().isNull());
    EXPECT_EQ(Control<QLabel>(app.Form1(), "Label1_1")->text(), "");
}
