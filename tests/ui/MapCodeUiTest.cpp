// The converter dialog as a user drives it from the toolbar: Get, Set,
// editing the code, and what the main window shows afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "TestApp.h"
#include "app/MapPicture.h"
#include "files/Unit6.h"
#include "view/MapRenderer.h"

namespace {

// Presses "擬似ＭＡＰ" and lets `use` work the modal dialog, which is then
// closed with OK; answers whether the dialog came up at all.
bool WithConverter(TestApp& app, const std::function<void(TForm6&)>& use)
{
    bool seen = false;
    int tries = 0;
    std::function<void()> answer = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++tries < 100) {
            QTimer::singleShot(10, answer);  // not up yet
            return;
        }
        auto* form = qobject_cast<TForm6*>(modal);
        if (!form) {
            if (modal)
                modal->close();
            return;
        }
        seen = true;
        use(*form);
        QTest::mouseClick(Control<QPushButton>(*form, "Button1"), Qt::LeftButton);
    };
    QTimer::singleShot(0, answer);
    QTest::mouseClick(Control<QToolButton>(app.Form1(), "SpeedButton_d"), Qt::LeftButton);
    return seen;
}

QImage CellPixels(TestApp& app, int x, int y)
{
    const CellRectangle r = TTileData::CellRect(x, y);
    return app.Form1().Renderer->Picture().copy(r.Left, r.Top, 32, 32);
}

QImage TileOf(TestApp& app, int no)
{
    const TTileData& doc = app.Doc();
    return QImage(QString::fromStdString(doc.Tile[doc.IndexOfNo(no)].Bmp))
        .convertToFormat(QImage::Format_RGB32)
        .copy(0, 0, 32, 32);
}

QStringList Lines(const QPlainTextEdit* memo)
{
    return memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

TEST(MapCodeDialog, LaidOutAsAFixedSmallDialogWithItsTraceOutOfSight)
{
    TestApp app;
    const bool shown = WithConverter(app, [](TForm6& f) {
        EXPECT_EQ(f.windowTitle(), "擬似ＭＡＰ");
        EXPECT_EQ(f.size(), QSize(254, 151));
        EXPECT_EQ(f.minimumSize(), f.maximumSize());
        for (const auto& [name, text] : {std::pair{"Label1", "擬似ＭＡＰコード コンバーター"}, {"Label2", "暫定バージョン"},
                                         {"SpeedButton1", "Get"}, {"SpeedButton2", "Set"}, {"Button1", "OK"}})
            EXPECT_EQ(Control<QWidget>(f, name)->property("text").toString(), text) << name;
        EXPECT_EQ(Control<QLabel>(f, "Label2")->font().pixelSize(), 19);
        for (const auto& [name, place] : {std::pair{"SpeedButton1", QRect(168, 0, 41, 22)},
                                          {"SpeedButton2", QRect(212, 0, 41, 22)}, {"Memo1", QRect(0, 22, 254, 99)},
                                          {"Button1", QRect(178, 124, 75, 25)}})
            EXPECT_EQ(Control<QWidget>(f, name)->geometry(), place) << name;
        EXPECT_GE(Control<QPlainTextEdit>(f, "Memo2")->geometry().top(), f.height());
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(app.Form1().Dialogs.Form6->result(), QDialog::Accepted);
}

TEST(MapCodeDialog, OpeningEmptiesTheCodeAndGetWritesTheMap)
{
    TestApp app;  // shipped catalogue, 16 x 16, codes a..x for No 0..23
    TTileData& doc = app.Doc();
    doc.SetCell(0, 0, MapCell{1, 4, 2});
    doc.SetCell(1, 0, MapCell{1, 0, 0});
    doc.SetCell(15, 15, MapCell{3, 0, 0});
    Control<QPlainTextEdit>(*app.Form1().Dialogs.Form6, "Memo1")->setPlainText("left from last time");

    QString code;
    WithConverter(app, [&](TForm6& f) {
        EXPECT_EQ(Control<QPlainTextEdit>(f, "Memo1")->toPlainText(), "");
        Control<QPlainTextEdit>(f, "Memo2")->setPlainText("old trace");
        QTest::mouseClick(Control<QToolButton>(f, "SpeedButton1"), Qt::LeftButton);
        code = Control<QPlainTextEdit>(f, "Memo1")->toPlainText();
        EXPECT_EQ(Control<QPlainTextEdit>(f, "Memo2")->toPlainText(), "");
    });
    EXPECT_EQ(code, "b0a251d@16x16");  // 2 b, 253 a, then d on the last cell; the size
    EXPECT_EQ(doc.GetCell(0, 0), (MapCell{1, 4, 2}));  // Get changes nothing
}

TEST(MapCodeDialog, SetRebuildsTheMapEmptiesTheHistoryAndRedraws)
{
    TestApp app;
    AnswerBoxes answer("保存しない");
    TForm1& f1 = app.Form1();
    TTileData& doc = app.Doc();
    doc.Selected = 5;
    const CellRectangle r = TTileData::CellRect(4, 4);
    QTest::mouseClick(Control<MapPicture>(f1, "Image1"), Qt::LeftButton, {}, QPoint(r.Left + 16, r.Top + 16));
    ASSERT_EQ(doc.GetCell(4, 4).Panel, 5);
    ASSERT_TRUE(Control<QToolButton>(f1, "SpeedButton1")->isEnabled());

    QStringList trace;
    WithConverter(app, [&](TForm6& f) {
        Control<QPlainTextEdit>(f, "Memo1")->setPlainText("c1\n4");  // a count broken over two lines
        Control<QPlainTextEdit>(f, "Memo1")->appendPlainText("@");
        QTest::mouseClick(Control<QToolButton>(f, "SpeedButton2"), Qt::LeftButton);
        trace = Lines(Control<QPlainTextEdit>(f, "Memo2"));
    });

    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(doc.GetCell(x, 0).Panel, 2) << x;
    EXPECT_EQ(doc.GetCell(0, 1).Panel, 0);
    EXPECT_EQ(doc.GetCell(4, 4), (MapCell{}));
    EXPECT_FALSE(Control<QToolButton>(f1, "SpeedButton1")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>(f1, "SpeedButton2")->isEnabled());
    EXPECT_EQ(Control<QToolButton>(f1, "SpeedButton1")->toolTip(), "");
    EXPECT_EQ(trace, QStringList({"No1=2 c", "Count=14"}));

    const QImage c = TileOf(app, 2);
    const QImage sea = TileOf(app, 0);
    ASSERT_NE(c, sea);
    EXPECT_EQ(CellPixels(app, 0, 0), c);
    EXPECT_EQ(CellPixels(app, 15, 0), c);
    EXPECT_EQ(CellPixels(app, 4, 4), sea);
    EXPECT_EQ(CellPixels(app, 0, 1), sea);
}

TEST(MapCodeDialog, GetThenSetKeepsThePanelsAndDropsCountersAndMasks)
{
    TestApp app;
    TTileData& doc = app.Doc();
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            doc.SetCell(x, y, MapCell{static_cast<uint8_t>((x / 3 + y) % 24), 2, 1});
    MapCell before[16][16];
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            before[x][y] = doc.GetCell(x, y);
    app.Form1().Renderer->RedrawMap();

    WithConverter(app, [](TForm6& f) {
        QTest::mouseClick(Control<QToolButton>(f, "SpeedButton1"), Qt::LeftButton);
        QTest::mouseClick(Control<QToolButton>(f, "SpeedButton2"), Qt::LeftButton);
    });
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            EXPECT_EQ(doc.GetCell(x, y), (MapCell{before[x][y].Panel, 0, 0})) << x << "," << y;
            EXPECT_EQ(CellPixels(app, x, y), TileOf(app, before[x][y].Panel)) << x << "," << y;
        }
}

TEST(MapCodeDialog, CodeCanBePastedAndReplacedWithTheKeyboard)
{
    TestApp app;
    QApplication::clipboard()->setText("0b@");
    WithConverter(app, [](TForm6& f) {
        Control<QPlainTextEdit>(f, "Memo1")->setFocus();
        QTest::keyClick(Control<QPlainTextEdit>(f, "Memo1"), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Control<QPlainTextEdit>(f, "Memo1")->toPlainText(), "0b@");
        QTest::keyClick(Control<QPlainTextEdit>(f, "Memo1"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Control<QPlainTextEdit>(f, "Memo1"), "1d@");
        EXPECT_EQ(Control<QPlainTextEdit>(f, "Memo1")->toPlainText(), "1d@");
        QTest::mouseClick(Control<QToolButton>(f, "SpeedButton2"), Qt::LeftButton);
    });
    EXPECT_EQ(app.Doc().GetCell(1, 0).Panel, 0);
    EXPECT_EQ(app.Doc().GetCell(2, 0).Panel, 3);

    // "コピー" puts the code on the clipboard, fetching it into the empty box first.
    QApplication::clipboard()->clear();
    QString shown;
    WithConverter(app, [&](TForm6& f) {
        QTest::mouseClick(Control<QToolButton>(f, "SpeedButton3"), Qt::LeftButton);
        shown = Control<QPlainTextEdit>(f, "Memo1")->toPlainText();
    });
    EXPECT_EQ(shown, QString::fromStdString(app.Doc().EncodeMapCodeWithSize()));
    EXPECT_EQ(QApplication::clipboard()->text(), shown);
}
