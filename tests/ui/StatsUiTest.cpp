// The "情報" tab: figures filled by "自動入力" and the "個別情報" breakdown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include "TestApp.h"
#include "TestCatalogue.h"
#include "app/MapPicture.h"
#include "stats/Unit5.h"

namespace {

QStringList BoxTexts(TForm1& w)
{
    QStringList texts;
    for (QLineEdit* e : {Control<QLineEdit>(w, "Edit1"), Control<QLineEdit>(w, "Edit2"), Control<QLineEdit>(w, "Edit3"), Control<QLineEdit>(w, "Edit4"), Control<QLineEdit>(w, "Edit5"), Control<QLineEdit>(w, "Edit6"), Control<QLineEdit>(w, "Edit7"), Control<QLineEdit>(w, "Edit8"),
                         Control<QLineEdit>(w, "Edit9"), Control<QLineEdit>(w, "Edit10")})
        texts << e->text();
    return texts;
}

void Put(TTileData& doc, int x, int y, int no, int counter)
{
    doc.SetCell(x, y, MapCell{static_cast<uint8_t>(no), static_cast<uint8_t>(counter), 0});
}

// Opens the breakdown with its button and reads it while it is up.
struct BreakdownView {
    QStringList rows;
    QList<QImage> images;
    QString dialog;
    bool wasModal = false;
};

BreakdownView OpenBreakdown(TestApp& app)
{
    BreakdownView seen;
    QTimer::singleShot(0, [&seen] {
        auto* form = qobject_cast<TForm5*>(QApplication::activeModalWidget());
        if (!form)
            return;
        seen.wasModal = form->isModal() && form->isVisible();
        seen.dialog = form->windowTitle();
        for (int i = 0; i < Control<QTreeWidget>(*form, "ListView1")->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = Control<QTreeWidget>(*form, "ListView1")->topLevelItem(i);
            QStringList cells;
            for (int c = 0; c < Control<QTreeWidget>(*form, "ListView1")->columnCount(); ++c)
                cells << item->text(c);
            seen.rows << cells.join('|');
            seen.images << form->ImageList1.value(item->data(0, TForm5::ImageIndexRole).toInt());
        }
        QTest::mouseClick(Control<QPushButton>(*form, "Button2"), Qt::LeftButton);
    });
    QTest::mouseClick(Control<QToolButton>(app.Form1(), "SpeedButton_In2"), Qt::LeftButton);
    return seen;
}

bool AllWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return false;
    return true;
}

const TTileList kSea = {.No = 0, .Bmp = "sea.bmp", .Name = "海"};

}  // namespace

TEST(InfoTab, EveryBoxShowsZeroAtStartUp)
{
    TestApp app;
    EXPECT_EQ(BoxTexts(app.Form1()), QStringList(10, QStringLiteral("0")));
}

TEST(InfoTab, AutoFillShowsTheFiguresAndNothingRecomputesByItself)
{
    TestApp app(TestCatalogue()
                    .Keys("Food1=200\nFood2=1000\nGold=15")
                    .Add(kSea)
                    .Add({.No = 1, .Bmp = "town.bmp", .Name = "都市", .Type = 1, .Count = 100, .Max = 10, .Land = true})
                    .Add({.No = 2, .Bmp = "farm.bmp", .Name = "農場", .Type = 2, .Count = 100, .Max = 10, .Land = true})
                    .Add({.No = 3, .Bmp = "factory.bmp", .Name = "工場", .Type = 3, .Count = 100, .Max = 10, .Land = true})
                    .Add({.No = 4, .Bmp = "defence.bmp", .Name = "基地", .Type = 5, .Count = 1, .Max = 255})
                    .Add({.No = 5, .Bmp = "bank.bmp", .Name = "銀行", .Type = 4, .Min = 999, .Land = true})
                    .Ini());
    TTileData& doc = app.Doc();
    app.Form1().Session->ChangeSettings([](TTileData& d) { d.SetLastX(11), d.SetLastY(11); });
    Put(doc, 0, 0, 1, 10);   // 1000 inhabitants
    Put(doc, 1, 0, 3, 10);   // 1000 industry places
    Put(doc, 2, 0, 4, 7);    // 7 missiles
    Put(doc, 3, 0, 5, 0);    // funds panel: land only
    Put(doc, 12, 0, 1, 10);  // outside the shown map

    QTest::mouseClick(Control<QToolButton>(app.Form1(), "SpeedButton_In"), Qt::LeftButton);
    const QStringList gold15 = {"1000", "3", "15", "-200", "0", "1000", "0", "1000", "0", "7"};
    EXPECT_EQ(BoxTexts(app.Form1()), gold15);

    // Map and rate changes show only at the next press.
    Put(doc, 1, 0, 2, 5);  // the factory becomes a farm of 500
    doc.Food1 = 5;
    doc.Food2 = 3;
    EXPECT_EQ(BoxTexts(app.Form1()), gold15);
    QTest::mouseClick(Control<QToolButton>(app.Form1(), "SpeedButton_In"), Qt::LeftButton);
    EXPECT_EQ(BoxTexts(app.Form1()),
              QStringList({"1000", "3", "0", "-3", "500", "0", "0", "500", "500", "7"}));
    EXPECT_TRUE(app.messages.isEmpty());

    // "自動更新": a click on the farm counts it up, and the boxes and the
    // status bar follow at once.
    TForm1& w = app.Form1();
    Control<QCheckBox>(w, "CheckBox_Live")->click();
    doc.Selected = 2;
    const CellRectangle farm = TTileData::CellRect(1, 0);
    QTest::mouseClick(Control<MapPicture>(w, "Image1"), Qt::LeftButton, {}, QPoint(farm.Left + 16, farm.Top + 16));
    EXPECT_EQ(BoxTexts(w), QStringList({"1000", "3", "0", "-3", "600", "0", "0", "600", "400", "7"}));
    EXPECT_TRUE(Control<QLineEdit>(w, "Edit5")->isEnabled());
    EXPECT_EQ(Control<QLabel>(w, "StatusFigures")->text(), QStringLiteral("農業 +100  労働者 +100  失業者 −100"));
}

TEST(InfoTab, RateZeroInTheFileNeverBreaksTheFigures)
{
    TestApp app(TestCatalogue()
                    .Keys("Food1=0\nFood2=0\nGold=0")
                    .Add(kSea)
                    .Add({.No = 1, .Bmp = "town.bmp", .Name = "都市", .Type = 1, .Min = 1000, .Land = true})
                    .Add({.No = 2, .Bmp = "factory.bmp", .Name = "工場", .Type = 3, .Min = 400, .Land = true})
                    .Ini());
    app.Doc().SetLastX(11);
    app.Doc().SetLastY(11);
    Put(app.Doc(), 0, 0, 1, 0);
    Put(app.Doc(), 0, 1, 2, 0);
    QTest::mouseClick(Control<QToolButton>(app.Form1(), "SpeedButton_In"), Qt::LeftButton);
    EXPECT_EQ(BoxTexts(app.Form1()),
              QStringList({"1000", "2", "0", "0", "0", "400", "0", "400", "600", "0"}));

    // Figures of any length show whole in their boxes, a deficit with its sign.
    TTileData& doc = app.Doc();
    doc.Tile[doc.IndexOfNo(1)].Min = INT32_MAX;
    doc.Food1 = 1000000;
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 12; ++y)
            Put(doc, x, y, 1, 0);
    QTest::mouseClick(Control<QToolButton>(app.Form1(), "SpeedButton_In"), Qt::LeftButton);
    const QStringList texts = BoxTexts(app.Form1());
    EXPECT_EQ(texts[0], "309237645168");
    EXPECT_TRUE(texts[3].startsWith("-")) << texts[3].toStdString();
    for (QLineEdit* e : {Control<QLineEdit>(app.Form1(), "Edit1"), Control<QLineEdit>(app.Form1(), "Edit4")}) {
        EXPECT_LE(QFontMetrics(e->font()).horizontalAdvance(e->text()), e->width() - 6) << e->text().toStdString();
        EXPECT_EQ(e->toolTip(), e->text());
        EXPECT_EQ(e->size(), QSize(67, 20));
    }
}

TEST(BreakdownDialog, OpensTwiceWithTheSameRowsAndImages)
{
    TestApp app(TestCatalogue()
                    .Keys("Food1=200\nFood2=1000\nGold=1")
                    .Add(kSea)
                    .Add({.No = 1, .Bmp = "town.bmp", .Name = "都市", .Type = 1, .Count = 1, .Max = 255, .Land = true})
                    .Add({.No = 45, .Bmp = "missing.bmp", .Name = "畑", .Type = 2, .Min = 10, .Land = true})
                    .Add({.No = 1, .Bmp = "town.bmp", .Name = "都市2", .Type = 1, .Land = true})
                    .Add({.No = 200, .Bmp = "plains.bmp", .Name = "塔", .Type = 5, .Min = 2147483647, .Land = true})
                    .Ini());
    TTileData& doc = app.Doc();
    doc.SetLastX(11);
    doc.SetLastY(11);
    Put(doc, 0, 0, 1, 5);
    Put(doc, 1, 0, 1, 0);
    Put(doc, 2, 0, 1, 7);
    Put(doc, 3, 0, 45, 0);
    for (int x = 0; x < 3; ++x)
        Put(doc, x, 1, 200, 0);
    Put(doc, 20, 20, 45, 0);  // hidden part of the grid

    const BreakdownView first = OpenBreakdown(app);
    ASSERT_TRUE(first.wasModal);
    EXPECT_EQ(first.dialog, QStringLiteral("個別情報"));
    const QStringList expected = {
        "海|0|0|0|137",
        "都市|0|7|12|3",
        "畑|10|10|10|1",
        "都市2|0|7|12|3",
        "塔|2147483647|2147483647|6442450941|3",
    };
    EXPECT_EQ(first.rows, expected);
    ASSERT_EQ(first.images.size(), 5);
    EXPECT_TRUE(AllWhite(first.images[2])) << "missing bitmap shows blank";
    EXPECT_FALSE(AllWhite(first.images[1]));
    EXPECT_EQ(first.images[1].size(), QSize(32, 32));

    const BreakdownView second = OpenBreakdown(app);
    EXPECT_EQ(second.rows, expected);
    EXPECT_EQ(second.images.size(), 5);
    EXPECT_EQ(app.windows->Form5->ImageList1.size(), 5);
    EXPECT_FALSE(app.windows->Form5->isVisible());
}
