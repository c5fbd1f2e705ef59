// The map picture driven with the mouse: drawing, editing, history buttons,
// status bar, panning and the clear buttons.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include <QAccessible>
#include <QApplication>
#include <QStatusBar>
#include <QListWidget>
#include <QDir>
#include <functional>
#include <QMenuBar>
#include <QMenu>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QWheelEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolBar>
#include <QSpinBox>
#include <QTreeWidget>
#include <QToolButton>

#include "TestCatalogue.h"
#include "TestApp.h"
#include "app/MainMenu.h"
#include "app/MapKeyCursor.h"
#include "app/StampTab.h"
#include "files/StampFile.h"
#include "app/MapPan.h"
#include "app/MapPicture.h"
#include "app/MapTools.h"
#include "app/MapZoom.h"
#include "app/WindowFit.h"
#include "view/MapArtwork.h"
#include "view/MapRenderer.h"
#include "view/ViewZoom.h"

namespace {

QImage Picture(TestApp& app)
{
    return app.Form1().Renderer->Picture();
}

QImage CellPixels(TestApp& app, int x, int y)
{
    const CellRectangle r = TTileData::CellRect(x, y);
    return Picture(app).copy(r.Left, r.Top, 32, 32);
}

QImage Bitmap(TestApp& app, const char* name, int frame = 0)
{
    return QImage(app.Path(QString("Image/") + name)).convertToFormat(QImage::Format_RGB32).copy(32 * frame, 0, 32, 32);
}

QPoint Centre(int x, int y)
{
    const CellRectangle r = TTileData::CellRect(x, y);
    return {r.Left + 16, r.Top + 16};
}

void Press(TestApp& app, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mouseClick(Control<MapPicture>(app.Form1(), "Image1"), b, {}, p);
}

QString Status(TestApp& app, int i)
{
    return Control<QLabel>(app.Form1(), qPrintable(QStringLiteral("StatusPanel%1").arg(i)))->text();
}

}  // namespace

TEST(MapView, PictureSizeHeaderAndRulers)
{
    TestApp app(TestCatalogue(3).Ini());
    EXPECT_EQ(Picture(app).size(), QSize(400, 400));
    EXPECT_EQ(Control<MapPicture>(app.Form1(), "Image1")->size(), QSize(400, 400));
    const QImage header = artwork::HeaderStrip();
    EXPECT_EQ(Picture(app).copy(0, 0, 400, 16), header.copy(0, 0, 400, 16));
    EXPECT_EQ(Picture(app).copy(0, 16, 16, 32), artwork::RulerImage(0));        // even row: left
    EXPECT_EQ(Picture(app).copy(384, 48, 16, 32), artwork::RulerImage(1));      // odd row: right
    EXPECT_EQ(CellPixels(app, 0, 0), Bitmap(app, "sea.bmp"));
    EXPECT_EQ(CellPixels(app, 11, 11), Bitmap(app, "sea.bmp"));
}

TEST(MapView, PlacingCountingAndTheHistoryButtons)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    EXPECT_FALSE(Control<QToolButton>(f, "SpeedButton1")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>(f, "SpeedButton2")->isEnabled());
    app.Doc().Selected = 2;  // town.bmp, Max 3
    Press(app, Centre(3, 7));
    EXPECT_EQ(app.Doc().GetCell(3, 7), (MapCell{2, 0, 0}));
    EXPECT_EQ(CellPixels(app, 3, 7), Bitmap(app, "town.bmp"));
    EXPECT_TRUE(Control<QToolButton>(f, "SpeedButton1")->isEnabled());
    EXPECT_EQ(Control<QToolButton>(f, "SpeedButton1")->toolTip(), "");  // a mouse edit refreshes only the enabled state
    EXPECT_EQ(Status(app, 0), "(3,7)");
    EXPECT_EQ(Status(app, 1), "パネル2 10人");
    Press(app, Centre(3, 7));
    Press(app, Centre(3, 7));
    EXPECT_EQ(Status(app, 1), "パネル2 20人");
    Press(app, Centre(3, 7), Qt::RightButton);
    EXPECT_EQ(app.Doc().GetCell(3, 7).Counter, 1);

    QTest::mouseClick(Control<QToolButton>(f, "SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(app.Doc().GetCell(3, 7).Counter, 2);
    EXPECT_TRUE(Control<QToolButton>(f, "SpeedButton2")->isEnabled());
    EXPECT_EQ(Control<QToolButton>(f, "SpeedButton1")->toolTip(), "戻る");
    EXPECT_EQ(Control<QToolButton>(f, "SpeedButton2")->toolTip(), "進む");
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(Control<QToolButton>(f, "SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(app.Doc().GetCell(3, 7), MapCell{});
    EXPECT_FALSE(Control<QToolButton>(f, "SpeedButton1")->isEnabled());
    EXPECT_EQ(Control<QToolButton>(f, "SpeedButton1")->toolTip(), "");
    EXPECT_EQ(CellPixels(app, 3, 7), Bitmap(app, "sea.bmp"));
    QTest::mouseClick(Control<QToolButton>(f, "SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(app.Doc().GetCell(3, 7), (MapCell{2, 0, 0}));
    EXPECT_EQ(CellPixels(app, 3, 7), Bitmap(app, "town.bmp"));
}

TEST(MapView, HistoryOfACellBeyondTheShownSizeDrawsNothing)
{
    TestApp app(TestCatalogue(3).Keys("MapY=16\nMapX=16").Ini());
    app.Doc().ChangeCell(12, 1, 1, 1);
    app.Doc().ChangeCell(12, 1, 1, 2);
    app.Form1().Session->ChangeSettings([](TTileData& d) { d.SetLastX(11), d.SetLastY(11); });
    app.Form1().UpdateHistoryButtons();
    const QImage shown = Picture(app);
    for (QToolButton* undoThenRedo : {Control<QToolButton>(app.Form1(), "SpeedButton1"), Control<QToolButton>(app.Form1(), "SpeedButton2")}) {
        QTest::mouseClick(undoThenRedo, Qt::LeftButton);
        EXPECT_EQ(Picture(app), shown);  // the row ruler stays
    }
    EXPECT_EQ(app.Doc().GetCell(12, 1).Panel, 2);
}

TEST(MapView, KeyboardUndoAndRedoFollowTheButtons)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    f.activateWindow();
    app.Doc().Selected = 1;
    Press(app, Centre(2, 2));
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(app.Doc().GetCell(2, 2).Panel, 0);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);  // nothing left: harmless
    QTest::keyClick(&f, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(app.Doc().GetCell(2, 2).Panel, 1);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(app.Doc().GetCell(2, 2).Panel, 1);
    EXPECT_FALSE(Control<QToolButton>(f, "SpeedButton2")->isEnabled());
}

TEST(MapView, TheMenuHoldsEveryCommandWithItsKeyAndCtrlMShowsItAsABar)
{
    TestApp app(TestCatalogue(3).Keys("Window=1").Ini());
    TForm1& f = app.Form1();
    QList<QAction*> inMenu;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions())
            a->menu() ? walk(a->menu()) : void(inMenu << a);
    };
    walk(f.Menu->Button()->menu());
    for (QAction* a : f.actions())
        EXPECT_TRUE(a->shortcuts().isEmpty() || inMenu.contains(a)) << a->objectName().toStdString();
    const auto keys = KeyList(f.Actions);
    for (const auto& row : {std::pair<QString, QString>{"ブラシ", "B"}, {"終了", "Ctrl+Q"}, {"キー一覧", "F1"}})
        EXPECT_TRUE(keys.contains(row)) << row.first.toStdString();
    EXPECT_EQ(f.Tools->Buttons[1]->toolTip(), "ブラシ (B)");

    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    const QSize map = Control<QScrollArea>(f, "ScrollBox1")->viewport()->size();
    QTest::keyClick(&f, Qt::Key_M, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(f.menuBar()->isVisible());
    EXPECT_EQ(Control<QScrollArea>(f, "ScrollBox1")->viewport()->size(), map);  // the window grew by the bar
    QTest::keyClick(&f, Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(f.menuBar()->isVisible());

    // Ctrl+Q goes through the unsaved question.
    Press(app, Centre(2, 2));
    {
        AnswerBoxes answer("キャンセル");
        QTest::keyClick(&f, Qt::Key_Q, Qt::ControlModifier);
    }
    EXPECT_TRUE(f.isVisible());
}

TEST(MapView, TheKeyboardCursorMovesOnTheGridAndAppliesEachTool)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    using M = MapKeyCursor::Move;
    const TTileData& doc = app.Doc();
    const struct {
        QPoint from;
        M move;
        QPoint to;
    } steps[] = {{{0, 0}, M::Left, {0, 0}},          {{0, 0}, M::Up, {0, 0}},
                 {{3, 4}, M::Right, {4, 4}},         {{3, 4}, M::Down, {3, 5}},
                 {{3, 4}, M::RowEnd, {doc.LastX, 4}}, {{3, 4}, M::Bottom, {3, doc.LastY}},
                 {{doc.LastX, doc.LastY}, M::Right, {doc.LastX, doc.LastY}}};
    for (const auto& s : steps)
        EXPECT_EQ(MapKeyCursor::Step(doc, s.from, s.move), s.to) << s.from.x() << "," << s.from.y();

    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    Control<MapPicture>(f, "Image1")->setFocus();
    const auto keys = [&](std::initializer_list<Qt::Key> list, Qt::KeyboardModifiers mods = {}) {
        for (Qt::Key k : list)
            QTest::keyClick(Control<MapPicture>(f, "Image1"), k, mods);
    };
    app.Doc().Selected = 1;
    keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space});  // the click tool at (2,1)
    EXPECT_EQ(doc.GetCell(2, 1).Panel, 1);
    EXPECT_EQ(f.KeyCursor->Describe().left(6), "(2,1) ");
    QTest::keyClick(&f, Qt::Key_B);
    keys({Qt::Key_Space}, Qt::ShiftModifier);  // as the right button: the brush erases
    EXPECT_EQ(doc.GetCell(2, 1).Panel, 0);
    QTest::keyClick(&f, Qt::Key_L);  // the line tool takes a start and an end
    keys({Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return});
    for (int x = 2; x <= 4; ++x)
        EXPECT_EQ(doc.GetCell(x, 1).Panel, 1) << x;
    QTest::keyClick(&f, Qt::Key_S);
    keys({Qt::Key_Home, Qt::Key_Space, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space});
    EXPECT_EQ(f.Tools->StatusTool->text(), "範囲選択  2 × 2");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Control<MapPicture>(f, "Image1"))->text(QAccessible::Value), f.KeyCursor->Describe());
}

TEST(MapView, StampsFloatTurnAndOpenAsAMap)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    map_shapes::Block row{2, 1, false, {{1, 0, 0}, {2, 0, 0}}};
    QDir().mkpath(app.Path("Stamps/Towns"));
    ASSERT_TRUE(WriteStampFile(app.Path("Stamps/Towns/pair.stamp").toStdString(), {"pair", "", row}));
    map_shapes::Block island{12, 12, false, std::vector<MapCell>(144, MapCell{1, 0, 0})};
    island.Cells[0].Panel = 99;  // a panel the catalogue lacks: told, the rest placed
    ASSERT_TRUE(WriteStampFile(app.Path("Stamps/island.stamp").toStdString(), {"island", "", island}));
    Control<QTabWidget>(f, "PageControl1")->setCurrentWidget(Control<StampTab>(f, "StampPage"));
    ASSERT_EQ(Control<StampTab>(f, "StampPage")->Count(), 2);
    QListWidget* list = Control<StampTab>(f, "StampPage")->findChild<QListWidget*>();
    QListWidgetItem* pair = list->findItems("pair", Qt::MatchExactly).value(0);
    ASSERT_TRUE(pair);
    EXPECT_FALSE(pair->icon().isNull());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(pair).center());
    EXPECT_TRUE(f.Tools->Floating());
    QTest::mouseMove(Control<MapPicture>(f, "Image1"), Centre(4, 4));
    QTest::keyClick(&f, Qt::Key_X);  // mirrored left-right before it lands
    Press(app, Centre(4, 4));
    EXPECT_EQ(app.Doc().GetCell(4, 4).Panel, 2);
    EXPECT_EQ(app.Doc().GetCell(5, 4).Panel, 1);

    AnswerBoxes answer("保存しない");
    QListWidgetItem* whole = list->findItems("island", Qt::MatchExactly).value(0);
    ASSERT_TRUE(whole);
    const QPoint at = list->visualItemRect(whole).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);  // a double-click's first press
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(app.Doc().LastX, 11);
    EXPECT_EQ(app.Doc().GetCell(11, 11).Panel, 1);
    EXPECT_TRUE(f.OpenFile().isEmpty());
    EXPECT_TRUE(Control<QStatusBar>(f, "StatusBar1")->currentMessage().contains("99")) << Control<QStatusBar>(f, "StatusBar1")->currentMessage().toStdString();
}

TEST(MapView, MaskOverlayLinesAndTheMaskSwitch)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    app.Doc().Selected = 256;
    Press(app, Centre(4, 4));
    EXPECT_EQ(app.Doc().GetCell(4, 4).Mask, 1);
    // (tile OR silhouette) AND marker
    const QImage tile = Bitmap(app, "sea.bmp"), marker = Bitmap(app, "mask_mark.bmp", 1),
                 silhouette = Bitmap(app, "mask_mark.bmp", 2);
    QImage expected(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            expected.setPixel(x, y, ((tile.pixel(x, y) | silhouette.pixel(x, y)) & marker.pixel(x, y)) | 0xFF000000);
    EXPECT_EQ(CellPixels(app, 4, 4), expected);

    QTest::mouseClick(Control<QCheckBox>(f, "CheckBox1"), Qt::LeftButton);
    EXPECT_FALSE(app.Doc().MaskShow);
    EXPECT_EQ(CellPixels(app, 4, 4), tile);
    EXPECT_EQ(app.Doc().GetCell(4, 4).Mask, 1);
    QTest::mouseClick(Control<QCheckBox>(f, "CheckBox1"), Qt::LeftButton);
    EXPECT_EQ(CellPixels(app, 4, 4), expected);

    QTest::mouseClick(Control<QToolButton>(f, "SpeedButton4"), Qt::LeftButton);
    EXPECT_TRUE(app.Doc().LineMode);
    const QImage framed = CellPixels(app, 5, 5);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(framed.pixel(i, 0), 0xFFFFFFFFu);
        EXPECT_EQ(framed.pixel(0, i), 0xFFFFFFFFu);
        EXPECT_EQ(framed.pixel(31, i), 0xFFFFFFFFu);
        EXPECT_EQ(framed.pixel(i, 31), 0xFFFFFFFFu);
    }
    EXPECT_EQ(framed.copy(1, 1, 30, 30), tile.copy(1, 1, 30, 30));
    QTest::mouseClick(Control<QToolButton>(f, "SpeedButton4"), Qt::LeftButton);
    EXPECT_EQ(CellPixels(app, 5, 5), tile);
}

TEST(MapView, MissingTilesShowAPlaceholderAndForeignMasksDrawNothing)
{
    TestApp app(TestCatalogue(3, 2).Ini());  // panel 2 has no bitmap
    app.Doc().Selected = 2;
    Press(app, Centre(1, 1));
    EXPECT_EQ(CellPixels(app, 1, 1), artwork::PlaceholderTile());
    app.Doc().SetCell(2, 2, {0, 0, 31});
    app.Doc().SetCell(3, 3, {0, 0, 200});
    app.Doc().SetCell(4, 4, {0, 0, 4});  // entry not loaded (three masks)
    app.Form1().Renderer->RedrawMap();
    for (int c : {2, 3, 4})
        EXPECT_EQ(CellPixels(app, c, c), Bitmap(app, "sea.bmp")) << c;
}

TEST(MapView, StatusBarFollowsThePointer)
{
    TestApp app(TestCatalogue(3).Ini());
    QTest::mouseMove(Control<MapPicture>(app.Form1(), "Image1"), Centre(3, 7));
    EXPECT_EQ(Status(app, 0), "(3,7)");
    EXPECT_EQ(Status(app, 1), "パネル0 ");  // entry 0 has no value text
    QTest::mouseMove(Control<MapPicture>(app.Form1(), "Image1"), QPoint(100, 5));  // header band
    EXPECT_EQ(Status(app, 0), "");
    EXPECT_EQ(Status(app, 1), "");
    // Presses outside the map change nothing and empty the panels.
    Press(app, QPoint(5, 20));
    EXPECT_EQ(app.Doc().BufList->GetCount(), 0);
    EXPECT_EQ(Status(app, 0), "");
}

TEST(MapView, PressesOffTheCellsChangeNothing)
{
    TestApp app(TestCatalogue(3).Ini());  // 12 x 12: picture 400 x 400
    app.Doc().Selected = 1;
    const QPoint offCells[] = {
        {100, 5},   // header band
        {5, 20},    // ruler of an even row
        {390, 50},  // ruler of an odd row, beyond the last column
    };
    for (QPoint p : offCells) {
        QTest::mouseMove(Control<MapPicture>(app.Form1(), "Image1"), Centre(3, 3));
        Press(app, p);
        EXPECT_EQ(app.Doc().BufList->GetCount(), 0) << p.x() << "," << p.y();
        EXPECT_EQ(Status(app, 0), "") << p.x() << "," << p.y();
    }
    // The last cell of each row parity still takes a press.
    Press(app, QPoint(399, 20));  // even row 0, column 11
    Press(app, QPoint(383, 50));  // odd row 1, column 11
    EXPECT_EQ(app.Doc().GetCell(11, 0).Panel, 1);
    EXPECT_EQ(app.Doc().GetCell(11, 1).Panel, 1);
}

TEST(MapView, AChangedTileFileShowsAtTheNextDraw)
{
    TestApp app(TestCatalogue(3).Ini());
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(qRgb(220, 0, 0));
    QFile::remove(app.Path("Image/sea.bmp"));
    ASSERT_TRUE(red.save(app.Path("Image/sea.bmp"), "BMP"));
    app.Form1().Renderer->RedrawMap();
    EXPECT_EQ(CellPixels(app, 2, 2), red);
    QFile::remove(app.Path("Image/sea.bmp"));
    app.Form1().Renderer->DrawCell(2, 2);
    EXPECT_EQ(CellPixels(app, 2, 2), artwork::PlaceholderTile());
}

TEST(MapView, MiddleButtonPansWithoutEditing)
{
    TestApp app(TestCatalogue(3).Keys("MapY=30\nMapX=30").Ini());
    TForm1& f = app.Form1();
    f.resize(400, 300);
    QTest::qWait(10);
    QScrollBar* h = Control<QScrollArea>(f, "ScrollBox1")->horizontalScrollBar();
    QScrollBar* v = Control<QScrollArea>(f, "ScrollBox1")->verticalScrollBar();
    ASSERT_GT(h->maximum(), 100);
    Control<QLabel>(f, qPrintable(QStringLiteral("StatusPanel%1").arg(2)))->setText("x");
    f.Image1MouseDown(Qt::MiddleButton, 100, 100);
    EXPECT_TRUE(f.Pan->Active());
    EXPECT_EQ(Control<MapPicture>(f, "Image1")->cursor().shape(), Qt::SizeAllCursor);
    EXPECT_EQ(Control<QLabel>(f, qPrintable(QStringLiteral("StatusPanel%1").arg(2)))->text(), "");
    f.Image1MouseMove(140, 130);
    EXPECT_EQ(h->value(), 40);
    EXPECT_EQ(v->value(), 30);
    f.Image1MouseUp(Qt::MiddleButton, 140, 130);
    EXPECT_FALSE(f.Pan->Active());
    f.Image1MouseMove(200, 200);  // released: the view stays
    EXPECT_EQ(h->value(), 40);
    EXPECT_EQ(Control<MapPicture>(f, "Image1")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(app.Doc().BufList->GetCount(), 0);
    // Holding a button while moving paints nothing.
    app.Doc().Selected = 1;
    QTest::mousePress(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(2, 2));
    QTest::mouseMove(Control<MapPicture>(f, "Image1"), Centre(3, 2));
    QTest::mouseRelease(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(3, 2));
    EXPECT_EQ(app.Doc().BufList->GetCount(), 1);
    EXPECT_EQ(app.Doc().GetCell(3, 2).Panel, 0);
}

TEST(MapView, ClearButtonsEmptyTheWholeGridAndTheHistory)
{
    struct Case {
        const char* button;
        MapCell after;
    } cases[] = {
        {"SpeedButton3", {0, 0, 2}},
        {"SpeedButton5", {1, 3, 0}},
        {"SpeedButton6", {0, 0, 0}},
    };
    for (const Case& c : cases) {
        TestApp app(TestCatalogue(3).Ini());
        AnswerBoxes answer("保存しない");
        app.Doc().Selected = 1;
        Press(app, Centre(1, 1));
        app.Doc().SetCell(1, 1, {1, 3, 2});
        QTest::mouseClick(Control<QToolButton>(app.Form1(), c.button), Qt::LeftButton);
        EXPECT_EQ(app.Doc().GetCell(1, 1), c.after);
        EXPECT_FALSE(Control<QToolButton>(app.Form1(), "SpeedButton1")->isEnabled());
        EXPECT_EQ(Control<QToolButton>(app.Form1(), "SpeedButton1")->toolTip(), "");
    }
}

TEST(MapZoom, PressesMapToTheSameCellsAtEveryZoom)
{
    TestApp app(TestCatalogue(3).Ini());  // 12 x 12: picture 400 x 400
    TForm1& f = app.Form1();
    app.Doc().Selected = 1;
    // Picture pixels on the edges of the cell geometry, and the cell each
    // lies in at 100 % ("" = no cell).
    const struct {
        QPoint picture;
        const char* cell;
    } edges[] = {
        {{16, 16}, "(0,0)"},  {{47, 47}, "(0,0)"},  {{48, 47}, "(1,0)"},   // even row
        {{15, 20}, ""},       {{399, 20}, "(11,0)"},                      // even row's ruler, last cell
        {{0, 48}, "(0,1)"},   {{31, 79}, "(0,1)"},  {{32, 48}, "(1,1)"},   // odd row
        {{383, 50}, "(11,1)"}, {{384, 50}, ""},                          // odd row's last cell, ruler
        {{100, 15}, ""},      {{100, 399}, "(3,11)"},                     // header band, last row
    };
    for (int zoom : {50, 75, 150, 200}) {
        f.Zoom->Set(zoom);
        for (const auto& e : edges) {
            // The first and last view pixel showing this picture pixel; below
            // 100 % the one view pixel that shows it with its neighbours.
            auto range = [zoom](int p) {
                const int first = (p * zoom + 99) / 100, last = ((p + 1) * zoom + 99) / 100 - 1;
                return last < first ? std::pair{p * zoom / 100, p * zoom / 100} : std::pair{first, last};
            };
            const auto [left, right] = range(e.picture.x());
            const auto [top, bottom] = range(e.picture.y());
            for (QPoint v : {QPoint(left, top), QPoint(right, bottom)}) {
                Control<QScrollArea>(f, "ScrollBox1")->ensureVisible(v.x(), v.y(), 1, 1);  // a plain move goes where the pointer is
                QTest::mouseMove(Control<MapPicture>(f, "Image1"), v);
                EXPECT_EQ(Status(app, 0), e.cell) << zoom << "% move " << v.x() << "," << v.y();
                Press(app, v);
                EXPECT_EQ(Status(app, 0), e.cell) << zoom << "% press " << v.x() << "," << v.y();
            }
        }
    }
}

TEST(MapZoom, WheelKeysAndBoxAgreeAndThePictureStaysOneToOne)
{
    TestApp app(TestCatalogue(3).Keys("MapY=30\nMapX=30").Ini());
    TForm1& f = app.Form1();
    f.resize(500, 400);
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    const QImage picture = Picture(app);
    auto zoomIs = [&](int percent) {
        EXPECT_EQ(f.Zoom->Percent(), percent);
        EXPECT_EQ(f.Zoom->Box->currentText(), QString("%1%").arg(percent));
        EXPECT_EQ(Control<MapPicture>(f, "Image1")->size(), picture.size() * percent / 100);
    };
    const struct {
        Qt::Key key;
        int after;
    } keys[] = {{Qt::Key_Equal, 150}, {Qt::Key_Plus, 200}, {Qt::Key_Plus, 200}, {Qt::Key_Minus, 150},
                {Qt::Key_0, 100},     {Qt::Key_Minus, 75}, {Qt::Key_Minus, 50}, {Qt::Key_Minus, 50}};
    for (const auto& k : keys) {
        QTest::keyClick(&f, k.key, Qt::ControlModifier);
        zoomIs(k.after);
    }
    f.Zoom->Box->setCurrentIndex(f.Zoom->Box->findText("200%"));
    emit f.Zoom->Box->activated(f.Zoom->Box->currentIndex());
    zoomIs(200);
    EXPECT_EQ(Picture(app), picture);
    // Nearest neighbour at 200 %: each picture pixel is a 2 x 2 block.
    const QRect cell(32 * 4, 32 * 4, 64, 64);
    EXPECT_EQ(Control<MapPicture>(f, "Image1")->grab(QRect(cell.topLeft() * 2, cell.size() * 2)).toImage().convertToFormat(QImage::Format_RGB32),
              picture.copy(cell).scaled(cell.size() * 2));

    // Ctrl+wheel keeps the picture point under the pointer in place.
    QScrollBar* h = Control<QScrollArea>(f, "ScrollBox1")->horizontalScrollBar();
    QScrollBar* v = Control<QScrollArea>(f, "ScrollBox1")->verticalScrollBar();
    h->setValue(300);
    v->setValue(200);
    const QPoint pointer(120, 90);  // in the viewport
    const QPoint underPointer = Control<MapPicture>(f, "Image1")->ToPicture(Control<MapPicture>(f, "Image1")->mapFrom(Control<QScrollArea>(f, "ScrollBox1")->viewport(), pointer));
    for (int delta : {-120, -120, 60, 60}) {  // two notches, then one in two halves
        QWheelEvent wheel(Control<MapPicture>(f, "Image1")->mapFrom(Control<QScrollArea>(f, "ScrollBox1")->viewport(), pointer),
                          Control<QScrollArea>(f, "ScrollBox1")->viewport()->mapToGlobal(pointer), {}, {0, delta}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Control<MapPicture>(f, "Image1"), &wheel);
    }
    zoomIs(150);
    const QPoint now = Control<MapPicture>(f, "Image1")->ToPicture(Control<MapPicture>(f, "Image1")->mapFrom(Control<QScrollArea>(f, "ScrollBox1")->viewport(), pointer));
    EXPECT_LE((now - underPointer).manhattanLength(), 2) << now.x() << "," << now.y();

    // The middle-button pan moves the view by the pointer's pull, in view pixels.
    h->setValue(0);
    v->setValue(0);
    f.Image1MouseDown(Qt::MiddleButton, 100, 100);
    f.Image1MouseMove(140, 120);
    f.Image1MouseUp(Qt::MiddleButton, 140, 120);
    EXPECT_EQ(h->value(), 60);
    EXPECT_EQ(v->value(), 30);
}

TEST(MapZoom, KeptInTheIniFileAcrossARestart)
{
    TestApp app(TestCatalogue(3).Keys("Zoom=75").Ini());
    EXPECT_EQ(app.Form1().Zoom->Percent(), 75);
    app.Form1().Zoom->Set(200);
    app.Form1().close();
    AppWindows next(app.folder.path(), {});
    next.Form1->show();
    EXPECT_EQ(next.Form1->Zoom->Percent(), 200);
}

TEST(MapZoom, FittingTheWindowFitsTheZoomedPicture)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    f.Zoom->Set(75);
    f.FitWindowToMap(17, 17);  // wider than the toolbar needs
    QApplication::processEvents();
    EXPECT_EQ(Control<QScrollArea>(f, "ScrollBox1")->viewport()->size(), QSize(444, 444));
}

namespace {
// Picture pixel p covers the device pixels whose left edge lies in it:
// from ceil(p * s) to ceil((p + 1) * s) - 1, s = zoom x ratio.
int LastDevicePixel(int p, double s)
{
    return static_cast<int>(std::ceil((p + 1) * s - 1e-9)) - 1;
}
}  // namespace

TEST(MapZoom, PictureAndDevicePixelsAtEveryScaleFactor)
{
    for (double ratio : {1.0, 1.25, 1.5, 1.75, 2.0})
        for (int zoom : {100, 150, 200})
            for (int p : {0, 31, 32, 47, 48, 399, 527}) {
                const int last = LastDevicePixel(p, ratio * zoom / 100);
                EXPECT_EQ(view_zoom::FirstDevicePixel(p + 1, zoom, ratio), last + 1) << ratio << " " << zoom << "% " << p;
                EXPECT_EQ(view_zoom::DeviceToPicture(last, zoom, ratio), p) << ratio << " " << zoom << "% " << p;
                EXPECT_EQ(view_zoom::DeviceToPicture(last + 1, zoom, ratio), p + 1) << ratio << " " << zoom << "% " << p;
            }
    // A window manager keeping to Qt's size steps (2 device pixels at 1.5)
    // gives 932 device pixels for 622 view pixels: 621 come back.
    for (const auto& [ratio, needed, ask] : {std::tuple{1.0, 622, 622}, {1.5, 622, 623}, {1.5, 621, 621}, {1.75, 622, 622}})
        EXPECT_EQ(WindowFit::SizeToAsk(needed, ratio), ask) << ratio << " " << needed;
}

// Run once per scale factor: tests/CMakeLists.txt sets QT_SCALE_FACTOR.
TEST(HighDpi, EveryDevicePixelOfACellShowsAndEditsThatCell)
{
    TestApp app(TestCatalogue(3).Keys("MapY=16\nMapX=16").Ini());
    TForm1& f = app.Form1();
    const double ratio = Control<MapPicture>(f, "Image1")->devicePixelRatioF();
    EXPECT_DOUBLE_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    app.Doc().Selected = 2;
    f.resize(800, 600);
    // Through the window, as the window system sends them: the widget gets
    // a position rounded to whole view pixels.
    auto send = [&](QEvent::Type type, QPointF inWindow) {
        QMouseEvent e(type, inWindow, inWindow, f.mapToGlobal(inWindow), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.windowHandle(), &e);
    };
    send(QEvent::MouseMove, QPointF(1, 1));  // the pointer enters the window first
    for (int zoom : {100, 200}) {
        f.Zoom->Set(zoom);
        Control<QScrollArea>(f, "ScrollBox1")->horizontalScrollBar()->setValue(0);
        Control<QScrollArea>(f, "ScrollBox1")->verticalScrollBar()->setValue(0);
        QApplication::processEvents();
        const double s = ratio * zoom / 100;
        const QPointF offset = Control<MapPicture>(f, "Image1")->mapTo(&f, QPointF(0, 0)) * ratio;
        const QPoint origin(std::lround(offset.x()), std::lround(offset.y()));
        // Device pixel d shows picture pixel floor(d / s), never a blend.
        const QImage shown = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int d = 0; d < static_cast<int>(140 * s); ++d) {
            const int p = static_cast<int>(std::floor(d / s + 1e-9));
            ASSERT_EQ(shown.pixel(origin.x() + d, origin.y() + LastDevicePixel(120, s)), Picture(app).pixel(p, 120)) << d;
            ASSERT_EQ(shown.pixel(origin.x() + LastDevicePixel(50, s), origin.y() + d), Picture(app).pixel(50, p)) << d;
        }
        // A press in the last device pixel of a cell edits that cell, one
        // in the next device pixel its neighbour.
        for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}})
            for (int next : {0, 1}) {
                const CellRectangle r = TTileData::CellRect(x, y);
                const QPoint device(LastDevicePixel(r.Left + 31, s) + next, LastDevicePixel(r.Top + 31, s));
                app.Doc().SetCell(x + next, y, {});
                send(QEvent::MouseButtonPress, QPointF(origin + device) / ratio);  // X reports device pixels
                send(QEvent::MouseButtonRelease, QPointF(origin + device) / ratio);
                EXPECT_EQ(app.Doc().GetCell(x + next, y).Panel, 2) << zoom << "% device " << device.x();
                EXPECT_EQ(app.Doc().GetCell(x + 1 - next, y).Panel, 0) << zoom << "% device " << device.x();
                app.Doc().SetCell(x + next, y, {});
            }
    }
}

TEST(HighDpi, TheStartUpFitShowsAWholeMapWithoutScrollBars)
{
    TestApp app(TestCatalogue(3).Keys("MapY=16\nMapX=16").Ini());
    TForm1& f = app.Form1();
    f.FitWindowToMap(15, 15);
    QApplication::processEvents();
    EXPECT_FALSE(Control<QScrollArea>(f, "ScrollBox1")->horizontalScrollBar()->isVisible() || Control<QScrollArea>(f, "ScrollBox1")->verticalScrollBar()->isVisible());
    const QSize viewport = Control<QScrollArea>(f, "ScrollBox1")->viewport()->size();
    EXPECT_TRUE(viewport.boundedTo({529, 529}).expandedTo({528, 528}) == viewport) << viewport.width() << " x " << viewport.height();
}

TEST(MapView, ToolsDriveAStrokeAFillAndACopyPaste)
{
    TestApp app(TestCatalogue(3).Ini());
    TForm1& f = app.Form1();
    const auto panels = [&](uint8_t panel) {
        int n = 0;
        for (int x = 0; x < 12; ++x)
            for (int y = 0; y < 12; ++y)
                n += app.Doc().GetCell(x, y).Panel == panel;
        return n;
    };
    const auto undoRedo = [&](int before, int after, uint8_t panel) {
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(panels(panel), before);
        QTest::keyClick(&f, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(panels(panel), after);
    };

    Control<QTabWidget>(f, "PageControl1")->setCurrentWidget(Control<QWidget>(f, "TabSheet3"));
    QTest::mouseClick(Control<QToolButton>(f, "SpeedButton_In"), Qt::LeftButton);  // fresh figures: their boxes take the focus
    Control<QLineEdit>(f, "Edit1")->setFocus();  // a text box keeps its keys
    QTest::keyClick(Control<QLineEdit>(f, "Edit1"), Qt::Key_B);
    EXPECT_EQ(f.Tools->Tool(), PaintTool::Click);
    Control<QTabWidget>(f, "PageControl1")->setCurrentWidget(Control<QWidget>(f, "TabSheet1"));

    // A brush stroke: a fast move that skips a cell still paints it.
    QTest::keyClick(&f, Qt::Key_B);
    EXPECT_TRUE(f.Tools->Buttons[1]->isChecked());
    app.Doc().Selected = 1;
    QTest::mousePress(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(2, 2));
    QTest::mouseMove(Control<MapPicture>(f, "Image1"), Centre(3, 2));
    QTest::mouseMove(Control<MapPicture>(f, "Image1"), Centre(5, 2));
    QTest::mouseRelease(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(5, 2));
    EXPECT_EQ(panels(1), 4);
    EXPECT_EQ(CellPixels(app, 4, 2), Bitmap(app, "plains.bmp"));
    undoRedo(0, 4, 1);

    // A fill of the sea around it, one step too.
    QTest::keyClick(&f, Qt::Key_F);
    app.Doc().Selected = 2;
    Press(app, Centre(8, 8));
    EXPECT_EQ(panels(2), 140);
    EXPECT_EQ(CellPixels(app, 8, 8), Bitmap(app, "town.bmp"));
    undoRedo(0, 140, 2);

    // Select two by two, copy, paste at another cell, and back to clicking.
    QTest::keyClick(&f, Qt::Key_S);
    QTest::mousePress(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(4, 1));
    QTest::mouseMove(Control<MapPicture>(f, "Image1"), Centre(5, 2));
    QTest::mouseRelease(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(5, 2));
    EXPECT_EQ(f.Tools->StatusTool->text(), "範囲選択  2 × 2");
    QTest::keyClick(&f, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("2x2 "));
    QTest::mouseMove(Control<MapPicture>(f, "Image1"), Centre(8, 6));
    QTest::keyClick(&f, Qt::Key_V, Qt::ControlModifier);
    Press(app, Centre(8, 6));
    // From odd row 1 to even row 6: the lower row lands half a tile right, as copied.
    EXPECT_EQ(app.Doc().GetCell(8, 7).Panel, 2);
    EXPECT_EQ(app.Doc().GetCell(9, 7).Panel, 1);
    EXPECT_EQ(app.Doc().GetCell(10, 7).Panel, 1);
    undoRedo(140, 138, 2);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_EQ(f.Tools->StatusTool->text(), "クリック");
    Press(app, Centre(0, 0));  // the click tool again: one cell, one step
    EXPECT_EQ(app.Doc().GetCell(0, 0).Panel, 2);
    EXPECT_TRUE(f.Modified());

    // Each tool on a button in the window (all six beside a 16-column map),
    // or behind the "»" in a narrower one.
    const auto inside = [&](QWidget* w) { return w && w->isVisible() && f.rect().contains(w->mapTo(&f, w->rect().center())); };
    QWidget* more = f.Tools->Bar->findChild<QToolButton*>("qt_toolbar_ext_button");
    for (const auto [lastColumn, allShown] : {std::pair{15, true}, std::pair{3, false}}) {
        f.FitWindowToMap(3, lastColumn);
        QApplication::processEvents();
        for (QToolButton* b : f.Tools->Buttons)
            EXPECT_TRUE(inside(b) || (!allShown && !b->isVisible() && inside(more))) << f.width() << " px: " << b->text().toStdString();
    }
    // "≡" after the tools where there is room (Ctrl+M shows the menu as a bar anyway).
    f.FitWindowToMap(3, 20);
    QApplication::processEvents();
    EXPECT_TRUE(inside(f.Menu->Button()));

    // Counters by key: "]" and "[" set the brush's level within the panel's
    // Max; with a selection "-", Home and End change each counter, one undo
    // step a key; V draws them.
    app.Doc().Tile[1].Max = 5;
    Control<QTreeWidget>(f, "ButtonView")->setCurrentItem(Control<QTreeWidget>(f, "ButtonView")->topLevelItem(1));
    QTest::keyClick(&f, Qt::Key_B);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(&f, Qt::Key_BracketRight);
    QTest::keyClick(&f, Qt::Key_BracketLeft);
    EXPECT_EQ(Control<QSpinBox>(f, "LevelBox")->value(), 4);
    EXPECT_EQ(f.Tools->StatusTool->text(), "ブラシ  段階 4");
    QTest::mousePress(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(0, 3));
    QTest::mouseMove(Control<MapPicture>(f, "Image1"), Centre(1, 3));
    QTest::mouseRelease(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(1, 3));
    EXPECT_EQ(app.Doc().GetCell(1, 3), (MapCell{1, 4, 0}));
    QTest::keyClick(&f, Qt::Key_S);
    QTest::mousePress(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(0, 3));
    QTest::mouseRelease(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(1, 3));
    for (const auto [key, counter] : {std::pair{Qt::Key_Minus, 3}, std::pair{Qt::Key_Home, 0}, std::pair{Qt::Key_End, 5}}) {
        QTest::keyClick(&f, key);
        EXPECT_EQ(app.Doc().GetCell(0, 3).Counter, counter) << key;
    }
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(app.Doc().GetCell(1, 3).Counter, 0);
    QTest::keyClick(&f, Qt::Key_V);
    EXPECT_TRUE(f.Tools->ValuesBox->isChecked());

    // A modal window opening during a stroke ends it: the brush no longer
    // paints without its button.
    QTest::keyClick(&f, Qt::Key_B);
    QTest::mousePress(Control<MapPicture>(f, "Image1"), Qt::LeftButton, {}, Centre(0, 0));
    QEvent blocked(QEvent::WindowBlocked);
    QApplication::sendEvent(&f, &blocked);
    QTest::mouseMove(Control<MapPicture>(f, "Image1"), Centre(2, 0));
    EXPECT_NE(app.Doc().GetCell(2, 0).Panel, 1);
    EXPECT_FALSE(f.Tools->Dragging());
}
