// The catalogue editor "パネル設定" and the system settings "System設定",
// driven through their widgets inside a whole program run.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include "TestApp.h"
#include "TestCatalogue.h"
#include "settings/Config.h"
#include "app/MapPicture.h"
#include "settings/IniFile.h"
#include "app/Palette.h"
#include "app/PalettePanel.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"

namespace {

// Enabled state of ↑ ↓ 追加 削除 変更 新規作成, as "1" and "0".
std::string Buttons(const TForm3& d)
{
    std::string s;
    for (const char* name :
         {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton6"})
        s += Control<QWidget>(d, name)->isEnabled() ? '1' : '0';
    return s;
}

// Enabled state of No, パネル名, タイプ, 単位, 土地, 初期値, 増加値, 最大値, コード.
std::string Fields(const TForm3& d)
{
    std::string s;
    for (const char* name : {"ScrollBar01", "Edit01", "ComboBox01", "Edit02", "CheckBox01", "ScrollBar02", "ScrollBar03",
                             "ScrollBar04", "ScrollBar05"})
        s += Control<QWidget>(d, name)->isEnabled() ? '1' : '0';
    return s;
}

QTreeWidget* List(const TForm3& d) { return Control<QTreeWidget>(d, "ListView1"); }

QStringList RowTexts(const TForm3& d, int row)
{
    QStringList texts;
    QTreeWidgetItem* item = List(d)->topLevelItem(row);
    for (int c = 0; item && c < List(d)->columnCount(); ++c)
        texts << item->text(c);
    return texts;
}

void ClickRow(TForm3& d, int row)
{
    QTreeWidgetItem* item = List(d)->topLevelItem(row);
    ASSERT_NE(item, nullptr);
    List(d)->scrollToItem(item);
    QTest::mouseClick(List(d)->viewport(), Qt::LeftButton, {}, List(d)->visualItemRect(item).center());
}

// Types text as key presses, one character each (also outside ASCII).
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QImage Solid(QRgb colour)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRgb CentreOf(const QImage& image)
{
    return image.pixel(16, 16) & 0xFFFFFF;
}

QRgb CentreOf(const QLabel* label)
{
    return CentreOf(label->pixmap().toImage());
}

// What a file dialog looked like when it was answered.
struct FileDialogSeen {
    bool shown = false;
    QString title;
    QString folder;
    QStringList filters;
};

// Answers the next modal file dialog: chooses path, or cancels when empty.
std::shared_ptr<FileDialogSeen> AnswerFileDialog(const QString& path)
{
    auto seen = std::make_shared<FileDialogSeen>();
    QTimer::singleShot(0, [seen, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen->shown = true;
        seen->title = dialog->windowTitle();
        seen->folder = dialog->directory().absolutePath();
        seen->filters = dialog->nameFilters();
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    return seen;
}

// Opens a dialog through its toolbar button, runs the script on it while it
// is modal, then closes it with the given button (or its close box).
template <class Dialog>
void RunModal(QToolButton* opener, const std::function<void(Dialog&)>& script,
              const std::function<QAbstractButton*(Dialog&)>& closer)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "the dialog did not open modally";
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
            return;
        }
        script(*dialog);
        ran = true;
        if (QAbstractButton* b = closer(*dialog))
            Click(b);
        else
            dialog->close();
    });
    opener->click();
    EXPECT_TRUE(ran);
}

void RunEditor(TestApp& app, const std::function<void(TForm3&)>& script, bool ok)
{
    RunModal<TForm3>(Control<QToolButton>(app.Form1(), "SpeedButton_a"), script,
                     [ok](TForm3& d) { return Control<QPushButton>(d, ok ? "Button2" : "Button1"); });
}

// The editor shown without a modal loop, for step-by-step checks.
TForm3& ShowEditor(TestApp& app)
{
    TForm3& d = *app.windows->Form3;
    d.Open(app.Doc());
    d.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&d, 500));
    return d;
}

// Every palette item carries its own entry's name and picture.
void ExpectPalettePaired(TestApp& app)
{
    TTileData& doc = app.Doc();
    ASSERT_EQ(Control<QTreeWidget>(app.Form1(), "ButtonView")->topLevelItemCount(), doc.TileCount);
    for (int i = 0; i < doc.TileCount; ++i) {
        EXPECT_EQ(Palette::ItemName(Control<QTreeWidget>(app.Form1(), "ButtonView"), i).toStdString(), doc.Tile[i].Name) << i;
        EXPECT_EQ(app.Form1().Palettes->TileImage(i), Palette::PrepareImage(doc.Tile[i].Bmp)) << i;
    }
}

// Clicks the centre of a map cell.
void ClickCell(TestApp& app, int x, int y)
{
    const CellRectangle r = TTileData::CellRect(x, y);
    QTest::mouseClick(Control<MapPicture>(app.Form1(), "Image1"), Qt::LeftButton, {}, QPoint(r.Left + 16, r.Top + 16));
}

}  // namespace

// ---------------------------------------------------------------- パネル設定

TEST(CatalogueEditorUi, OpensFilledWithEveryEntryAndNothingChosen)
{
    TestApp app;
    TForm3& d = ShowEditor(app);
    EXPECT_EQ(d.windowTitle(), "パネル設定");
    ASSERT_EQ(List(d)->topLevelItemCount(), 24);
    ASSERT_EQ(List(d)->columnCount(), 8);
    EXPECT_EQ(RowTexts(d, 0), QStringList({"海", "0", "地形", "0", "0", "0", "", "×"}));
    EXPECT_EQ(RowTexts(d, 19), QStringList({"養殖場", "19", "農業", "10000", "10000", "30000", "人規模", "×"}));
    EXPECT_EQ(RowTexts(d, 23), QStringList({"大都市", "23", "人口", "20000", "10000", "120000", "人", "○"}));
    EXPECT_EQ(List(d)->topLevelItem(4)->data(0, Qt::UserRole).toString(), app.Path("Image/forest.bmp"));
    EXPECT_EQ(CentreOf(List(d)->topLevelItem(4)->icon(0).pixmap(32, 32).toImage()),
              CentreOf(QImage(app.Path("Image/forest.bmp"))));
    EXPECT_EQ(Buttons(d), "000001");
    EXPECT_EQ(Fields(d), "000000001");
    EXPECT_EQ(d.PictureFolder(), app.Path("Image/"));
    // Nothing chosen: the code bar and the picture cannot enable "変更".
    Control<QScrollBar>(d, "ScrollBar05")->setValue(110);
    auto seen = AnswerFileDialog(app.Path("Image/forest.bmp"));
    QTest::mouseClick(Control<QLabel>(d, "Image01"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(seen->shown);
    EXPECT_EQ(Buttons(d), "000001");
    d.hide();
}

TEST(CatalogueEditorUi, ChoosingARowLoadsItAndSetsTheButtons)
{
    TestApp app;
    TForm3& d = ShowEditor(app);
    struct Case {
        int row;
        std::string buttons, fields;
    };
    const Case cases[] = {
        {0, "010001", "000001001"},   // first row, built in, 初期値 0
        {17, "110001", "000001001"},  // last built-in panel
        {18, "110101", "111111001"},  // user panel with 初期値 0
        {21, "110101", "111111111"},  // user panel with 初期値 10
        {23, "100101", "111111111"},  // last row
    };
    for (const Case& c : cases) {
        ClickRow(d, c.row);
        EXPECT_EQ(d.SelIndex, c.row);
        EXPECT_EQ(Buttons(d), c.buttons) << c.row;
        EXPECT_EQ(Fields(d), c.fields) << c.row;
    }
    ClickRow(d, 21);  // 遊園地: 10 + 5 x 10
    for (const auto& [name, text] : {std::pair{"Label01", "No 21"}, {"Edit01", "遊園地"}, {"Edit02", "億円"},
                                     {"Label05", "初期値 10"}, {"Label06", "増加値 5"}, {"Label07", "最大値 60"},
                                     {"Label08", "コード v"}})
        EXPECT_EQ(Control<QWidget>(d, name)->property("text").toString(), text) << name;
    EXPECT_EQ(Control<QComboBox>(d, "ComboBox01")->currentText(), "資金");
    EXPECT_TRUE(Control<QCheckBox>(d, "CheckBox01")->isChecked());
    EXPECT_EQ(CentreOf(Control<QLabel>(d, "Image01")), CentreOf(QImage(app.Path("Image/amusement.bmp"))));
    ClickRow(d, 0);  // every label follows the entry, also the largest value
    EXPECT_EQ(Control<QLabel>(d, "Label07")->text(), "最大値 0");
    d.hide();
}

TEST(CatalogueEditorUi, EveryFieldEditEnablesChangeOnlyForAChosenRow)
{
    TestApp app;
    TForm3& d = ShowEditor(app);
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"No", [&] { auto* bar = Control<QScrollBar>(d, "ScrollBar01"); bar->setValue(bar->value() + 1); }},
        {"name", [&] { Type(Control<QLineEdit>(d, "Edit01"), "x"); }},
        {"type", [&] { Control<QComboBox>(d, "ComboBox01")->setCurrentIndex(3); }},
        {"unit", [&] { Type(Control<QLineEdit>(d, "Edit02"), "x"); }},
        {"land", [&] { Click(Control<QCheckBox>(d, "CheckBox01")); }},
        {"初期値", [&] { Control<QScrollBar>(d, "ScrollBar02")->setValue(7); }},
        {"増加値", [&] { Control<QScrollBar>(d, "ScrollBar03")->setValue(7); }},
        {"最大値", [&] { Control<QScrollBar>(d, "ScrollBar04")->setValue(7); }},
        {"code", [&] { Control<QScrollBar>(d, "ScrollBar05")->setValue(100); }},
    };
    for (const auto& [what, edit] : edits) {
        ClickRow(d, 21);
        ClickRow(d, 22);
        ASSERT_FALSE(Control<QToolButton>(d, "SpeedButton5")->isEnabled());
        edit();
        EXPECT_TRUE(Control<QToolButton>(d, "SpeedButton5")->isEnabled()) << what;
    }
    d.hide();
}

TEST(CatalogueEditorUi, ChangeWritesTheFieldsIntoTheirOwnRow)
{
    TestApp app;
    TForm3& d = ShowEditor(app);
    ClickRow(d, 18);
    Control<QLineEdit>(d, "Edit01")->selectAll();
    Type(Control<QLineEdit>(d, "Edit01"), "石碑");
    Control<QScrollBar>(d, "ScrollBar02")->setValue(100);
    Control<QScrollBar>(d, "ScrollBar03")->setValue(50);
    Control<QScrollBar>(d, "ScrollBar04")->setValue(10);
    EXPECT_EQ(Control<QLabel>(d, "Label07")->text(), "最大値 600");
    Control<QScrollBar>(d, "ScrollBar05")->setValue(122);
    EXPECT_EQ(Control<QLabel>(d, "Label08")->text(), "コード z");
    Control<QComboBox>(d, "ComboBox01")->setCurrentIndex(1);
    Click(Control<QToolButton>(d, "SpeedButton5"));
    EXPECT_FALSE(Control<QToolButton>(d, "SpeedButton5")->isEnabled());
    EXPECT_EQ(RowTexts(d, 18), QStringList({"石碑", "18", "人口", "100", "50", "600", "", "○"}));
    const TTileList& e = d.Editor().WorkTile[18];
    EXPECT_EQ(e.Name, "石碑");
    EXPECT_EQ(e.Code, 'z');
    EXPECT_EQ(e.Bmp, app.Path("Image/monument.bmp").toStdString());
    EXPECT_EQ(RowTexts(d, 17)[0], "港");
    EXPECT_EQ(RowTexts(d, 19)[0], "養殖場");

    // 初期値 back to 0 locks 増加値 and 最大値 but keeps and stores their positions.
    Control<QScrollBar>(d, "ScrollBar02")->setValue(0);
    EXPECT_FALSE(Control<QScrollBar>(d, "ScrollBar03")->isEnabled());
    EXPECT_FALSE(Control<QScrollBar>(d, "ScrollBar04")->isEnabled());
    Click(Control<QToolButton>(d, "SpeedButton5"));
    EXPECT_EQ(d.Editor().WorkTile[18].Count, 50);
    EXPECT_EQ(d.Editor().WorkTile[18].Max, 10);
    d.hide();
}

TEST(CatalogueEditorUi, StoredNumbersTypesAndCodesSurviveAChange)
{
    // Panel numbers the bars' usual ranges cannot show, a missing type and a
    // code that is no letter are kept as they are when another field changes.
    TestApp app(TestCatalogue().Add(0, "海").Add(18, "十八").Add(250, "二百五十", -1)
                    .Add({.No = 19, .Bmp = "plains.bmp", .Name = "x", .Type = 9, .Min = -5, .Count = 20000,
                          .Max = 300, .Land = true, .Code = 'A'})
                    .Ini());
    TForm3& d = ShowEditor(app);
    EXPECT_EQ(RowTexts(d, 2)[2], "-1");
    EXPECT_EQ(RowTexts(d, 3)[2], "9");
    for (int row = 1; row <= 3; ++row) {
        const TTileList before = d.Editor().WorkTile[row];
        ClickRow(d, row);
        EXPECT_EQ(Control<QLabel>(d, "Label01")->text(), QStringLiteral("No %1").arg(before.No));
        Click(Control<QCheckBox>(d, "CheckBox01"));
        Click(Control<QToolButton>(d, "SpeedButton5"));
        TTileList expected = before;
        expected.Land = !before.Land;
        EXPECT_EQ(d.Editor().WorkTile[row], expected) << row;
    }
    // A type chosen by the user replaces the stored one.
    ClickRow(d, 2);
    EXPECT_EQ(Control<QComboBox>(d, "ComboBox01")->currentIndex(), -1);
    Control<QComboBox>(d, "ComboBox01")->setCurrentIndex(5);
    Click(Control<QToolButton>(d, "SpeedButton5"));
    EXPECT_EQ(d.Editor().WorkTile[2].Type, 5);
    EXPECT_EQ(RowTexts(d, 2)[2], "軍事");
    d.hide();
}

TEST(CatalogueEditorUi, MovesKeepTheFieldsWithTheirEntry)
{
    TestApp app;
    TForm3& d = ShowEditor(app);
    ClickRow(d, 20);
    Control<QScrollBar>(d, "ScrollBar05")->setValue(110);  // an edit not yet written
    Click(Control<QToolButton>(d, "SpeedButton1"));
    EXPECT_EQ(d.SelIndex, 19);
    EXPECT_EQ(List(d)->currentItem(), List(d)->topLevelItem(19));
    EXPECT_EQ(RowTexts(d, 19)[0], "発電所");
    EXPECT_EQ(RowTexts(d, 20)[0], "養殖場");
    EXPECT_EQ(Buttons(d), "110111");
    Click(Control<QToolButton>(d, "SpeedButton5"));  // lands on the moved entry, not on its neighbour
    EXPECT_EQ(d.Editor().WorkTile[19].Name, "発電所");
    EXPECT_EQ(d.Editor().WorkTile[19].Code, 110);
    EXPECT_EQ(d.Editor().WorkTile[20].Code, 't');

    ClickRow(d, 22);
    Click(Control<QToolButton>(d, "SpeedButton2"));
    EXPECT_EQ(d.SelIndex, 23);
    EXPECT_EQ(Buttons(d), "100101");
    EXPECT_EQ(RowTexts(d, 23)[0], "海底基地");

    // A user panel moved to the top can no longer be deleted.
    TestApp small(TestCatalogue().Add(0, "海").Add(30, "上").Ini());
    TForm3& s = ShowEditor(small);
    ClickRow(s, 1);
    EXPECT_EQ(Buttons(s), "100101");
    Click(Control<QToolButton>(s, "SpeedButton1"));
    EXPECT_EQ(Buttons(s), "010001");
    s.hide();
    d.hide();
}

TEST(CatalogueEditorUi, DeleteRemovesTheRowAndClearsTheFields)
{
    TestApp app;
    TForm3& d = ShowEditor(app);
    ClickRow(d, 20);
    Click(Control<QToolButton>(d, "SpeedButton4"));
    EXPECT_EQ(List(d)->topLevelItemCount(), 23);
    EXPECT_EQ(d.Editor().WorkCount, 23);
    EXPECT_EQ(RowTexts(d, 20)[0], "遊園地");
    EXPECT_EQ(CentreOf(List(d)->topLevelItem(20)->icon(0).pixmap(32, 32).toImage()),
              CentreOf(QImage(app.Path("Image/amusement.bmp"))));
    EXPECT_EQ(d.SelIndex, TForm3::NoEntry);
    EXPECT_EQ(Buttons(d), "000001");
    EXPECT_EQ(Fields(d), "000000001");
    EXPECT_TRUE(Control<QLineEdit>(d, "Edit01")->text().isEmpty());
    d.hide();
}

TEST(CatalogueEditorUi, NewEntryWithAPictureIsAddedAndBecomesCurrent)
{
    TestApp app(TestCatalogue(21).Ini());
    const QString red = app.Path("Image/red.bmp");
    ASSERT_TRUE(Solid(0xFF0000).save(red, "BMP"));
    TForm3& d = ShowEditor(app);
    ClickRow(d, 5);
    Click(Control<QToolButton>(d, "SpeedButton6"));
    EXPECT_EQ(d.SelIndex, TForm3::NewEntry);
    EXPECT_EQ(Control<QLabel>(d, "Label01")->text(), "No 21");
    EXPECT_EQ(Control<QScrollBar>(d, "ScrollBar05")->value(), 'v');  // the first letter the 21 kinds leave free
    EXPECT_TRUE(Control<QCheckBox>(d, "CheckBox01")->isChecked());
    EXPECT_EQ(Buttons(d), "000001");
    EXPECT_EQ(Fields(d), "111111001");
    EXPECT_TRUE(List(d)->selectedItems().isEmpty());

    Type(Control<QLineEdit>(d, "Edit01"), "新港");
    Control<QComboBox>(d, "ComboBox01")->setCurrentIndex(2);
    Type(Control<QLineEdit>(d, "Edit02"), "人");
    Control<QScrollBar>(d, "ScrollBar02")->setValue(30);

    // Cancelling the picture dialog enables nothing.
    auto cancelled = AnswerFileDialog(QString());
    QTest::mouseClick(Control<QLabel>(d, "Image01"), Qt::LeftButton);
    EXPECT_TRUE(cancelled->shown);
    EXPECT_EQ(Buttons(d), "000001");

    auto seen = AnswerFileDialog(red);
    QTest::mouseClick(Control<QLabel>(d, "Image01"), Qt::LeftButton);
    EXPECT_TRUE(seen->shown);
    EXPECT_EQ(seen->title, "タイル画像");
    EXPECT_EQ(seen->folder, QDir(app.Path("Image")).absolutePath());
    EXPECT_EQ(seen->filters, QStringList({"ビットマップ (*.bmp)"}));
    EXPECT_EQ(CentreOf(Control<QLabel>(d, "Image01")), 0xFF0000u);
    EXPECT_EQ(Buttons(d), "001001");

    Click(Control<QToolButton>(d, "SpeedButton3"));
    ASSERT_EQ(List(d)->topLevelItemCount(), 22);
    EXPECT_EQ(RowTexts(d, 21), QStringList({"新港", "21", "農業", "30", "0", "30", "人", "○"}));
    EXPECT_EQ(CentreOf(List(d)->topLevelItem(21)->icon(0).pixmap(32, 32).toImage()), 0xFF0000u);
    EXPECT_EQ(d.Editor().WorkTile[21].Bmp, red.toStdString());
    EXPECT_EQ(d.SelIndex, 21);
    EXPECT_EQ(Buttons(d), "100101");
    d.hide();
}

TEST(CatalogueEditorUi, ThePanelListStopsAt256Entries)
{
    TestApp full(TestCatalogue(256).Ini());
    TForm3& f = ShowEditor(full);
    EXPECT_EQ(List(f)->topLevelItemCount(), 256);
    EXPECT_EQ(RowTexts(f, 255)[1], "255");
    EXPECT_EQ(Buttons(f), "000000");
    f.hide();

    TestApp app(TestCatalogue(255).Ini());
    TForm3& d = ShowEditor(app);
    EXPECT_EQ(Buttons(d), "000001");
    Click(Control<QToolButton>(d, "SpeedButton6"));
    EXPECT_EQ(Control<QLabel>(d, "Label01")->text(), "No 255");
    AnswerFileDialog(app.Path("Image/sea.bmp"));
    QTest::mouseClick(Control<QLabel>(d, "Image01"), Qt::LeftButton);
    Click(Control<QToolButton>(d, "SpeedButton3"));
    EXPECT_EQ(List(d)->topLevelItemCount(), 256);
    EXPECT_FALSE(Control<QToolButton>(d, "SpeedButton6")->isEnabled());
    ClickRow(d, 255);
    Click(Control<QToolButton>(d, "SpeedButton4"));
    EXPECT_TRUE(Control<QToolButton>(d, "SpeedButton6")->isEnabled());
    d.hide();
}

TEST(CatalogueEditorUi, TextShiftJisCannotHoldIsRefusedAsItIsTyped)
{
    TestApp app;
    TForm3& d = ShowEditor(app);
    ClickRow(d, 22);
    Type(Control<QLineEdit>(d, "Edit01"), "漢");  // held by Shift-JIS
    EXPECT_EQ(Control<QLineEdit>(d, "Edit01")->text(), "海底基地漢");
    EXPECT_TRUE(app.messages.isEmpty());
    Type(Control<QLineEdit>(d, "Edit01"), "한");
    EXPECT_EQ(Control<QLineEdit>(d, "Edit01")->text(), "海底基地漢");
    Type(Control<QLineEdit>(d, "Edit02"), "ä");
    EXPECT_EQ(Control<QLineEdit>(d, "Edit02")->text(), "基");
    EXPECT_EQ(app.messages, QStringList({"パネル名にShift-JISで表せない文字は使えません。",
                                          "単位にShift-JISで表せない文字は使えません。"}));
    Click(Control<QToolButton>(d, "SpeedButton5"));
    EXPECT_EQ(d.Editor().WorkTile[22].Name, "海底基地漢");
    d.hide();
}

TEST(CatalogueEditorUi, CancelAndTheCloseBoxChangeNothing)
{
    TestApp app;
    TTileData& doc = app.Doc();
    doc.Map[2][3] = MapCell{19, 4, 1};
    const auto before = TestCatalogue::Of(doc);
    const QImage image5 = app.Form1().Palettes->TileImage(5);
    const auto edit = [](TForm3& d) {
        ClickRow(d, 20);
        Click(Control<QToolButton>(d, "SpeedButton4"));
        ClickRow(d, 19);
        Click(Control<QToolButton>(d, "SpeedButton1"));
        Control<QScrollBar>(d, "ScrollBar05")->setValue(99);
        Click(Control<QToolButton>(d, "SpeedButton5"));
        ClickRow(d, 5);
        AnswerFileDialog(d.PictureFolder() + "sea.bmp");
        QTest::mouseClick(Control<QLabel>(d, "Image01"), Qt::LeftButton);
        Click(Control<QToolButton>(d, "SpeedButton5"));
    };
    RunEditor(app, edit, false);
    EXPECT_EQ(TestCatalogue::Of(doc), before);
    RunModal<TForm3>(Control<QToolButton>(app.Form1(), "SpeedButton_a"), edit, [](TForm3&) -> QAbstractButton* { return nullptr; });
    EXPECT_EQ(TestCatalogue::Of(doc), before);
    EXPECT_EQ(app.Form1().Palettes->TileImage(5), image5);
    EXPECT_EQ(doc.Map[2][3], (MapCell{19, 4, 1}));
    // The next opening starts again from the catalogue.
    RunEditor(app, [](TForm3& d) { EXPECT_EQ(List(d)->topLevelItemCount(), 24); }, false);
}

TEST(CatalogueEditorUi, OkRebuildsCatalogueAndPaletteInListOrder)
{
    TestApp app;
    TTileData& doc = app.Doc();
    const QString red = app.Path("Image/red.bmp");
    ASSERT_TRUE(Solid(0xFF0000).save(red, "BMP"));
    doc.Map[2][3] = MapCell{21, 4, 1};
    doc.Selected = 7;
    const int history = doc.BufList ? doc.BufList->GetCount() : 0;
    app.Form1().Lists->SpeedButton_2Click();  // show the mask page

    RunEditor(app, [&](TForm3& d) {
        for (int row : {23, 22, 18}) {  // three deletions
            ClickRow(d, row);
            Click(Control<QToolButton>(d, "SpeedButton4"));
        }
        ClickRow(d, 20);  // 遊園地 moves up
        Click(Control<QToolButton>(d, "SpeedButton1"));
        ClickRow(d, 3);  // 平地 gets the red picture
        AnswerFileDialog(red);
        QTest::mouseClick(Control<QLabel>(d, "Image01"), Qt::LeftButton);
        Click(Control<QToolButton>(d, "SpeedButton5"));
        Click(Control<QToolButton>(d, "SpeedButton6"));
        Type(Control<QLineEdit>(d, "Edit01"), "新");
        AnswerFileDialog(red);
        QTest::mouseClick(Control<QLabel>(d, "Image01"), Qt::LeftButton);
        Click(Control<QToolButton>(d, "SpeedButton3"));
    }, true);

    ASSERT_EQ(doc.TileCount, 22);
    EXPECT_EQ(doc.Tile[19].Name, "遊園地");
    EXPECT_EQ(doc.Tile[20].Name, "発電所");
    EXPECT_EQ(doc.Tile[21].Name, "新");
    EXPECT_EQ(doc.Tile[21].No, 18);
    EXPECT_EQ(doc.Tile[3].Bmp, red.toStdString());
    ExpectPalettePaired(app);
    EXPECT_EQ(CentreOf(app.Form1().Palettes->TileImage(3)), 0xFF0000u);
    EXPECT_TRUE(app.Form1().ListsReady);
    EXPECT_EQ(doc.Selected, 7);
    EXPECT_EQ(Control<QStackedWidget>(app.Form1(), "Notebook1")->currentIndex(), 0);
    EXPECT_TRUE(Control<QToolButton>(app.Form1(), "SpeedButton_1")->isVisible());
    EXPECT_EQ(doc.Map[2][3], (MapCell{21, 4, 1}));
    EXPECT_EQ(doc.BufList ? doc.BufList->GetCount() : 0, history);

    // Down to 20 entries the page buttons go.
    RunEditor(app, [](TForm3& d) {
        ClickRow(d, 21);
        Click(Control<QToolButton>(d, "SpeedButton4"));
        ClickRow(d, 20);
        Click(Control<QToolButton>(d, "SpeedButton4"));
    }, true);
    EXPECT_EQ(doc.TileCount, 20);
    EXPECT_FALSE(Control<QToolButton>(app.Form1(), "SpeedButton_1")->isVisible());
    ExpectPalettePaired(app);
}

TEST(CatalogueEditorUi, ADeletedPanelLeavesNoGhostAnywhere)
{
    TestApp app;
    TTileData& doc = app.Doc();
    TForm1& f = app.Form1();
    doc.ComputeStats();
    const IslandStats seaOnly = doc.Stats;
    Control<QTreeWidget>(f, "ButtonView")->setCurrentItem(Control<QTreeWidget>(f, "ButtonView")->topLevelItem(23));  // 大都市, the last entry
    doc.SetCell(2, 2, {23, 0, 0});
    RunEditor(app, [](TForm3& d) {
        ClickRow(d, 23);
        Click(Control<QToolButton>(d, "SpeedButton4"));
    }, true);
    EXPECT_EQ(doc.IndexOfNo(23), 0);
    EXPECT_EQ(doc.NoOfCode('x'), -1);
    doc.ComputeStats();  // the cell counts as the first entry
    EXPECT_EQ(doc.Stats.Population, seaOnly.Population);
    EXPECT_EQ(doc.Stats.Area, seaOnly.Area);
    EXPECT_EQ(doc.EncodeMapCode().find('x'), std::string::npos);
    doc.ApplyMapCode("x0b@");  // an unknown letter paints nothing
    EXPECT_EQ(doc.GetCell(0, 0).Panel, doc.NoOfCode('b'));
    EXPECT_EQ(Control<QLabel>(f, "Label1_1")->text(), "海");
    ClickCell(app, 5, 5);
    EXPECT_EQ(doc.GetCell(5, 5).Panel, doc.Tile[0].No);
}

TEST(CatalogueEditorUi, TheActivePanelFollowsItsEntryAfterOk)
{
    TestApp app;
    TForm1& f = app.Form1();
    Control<QTreeWidget>(f, "ButtonView")->setCurrentItem(Control<QTreeWidget>(f, "ButtonView")->topLevelItem(20));  // 発電所, No 20
    RunEditor(app, [](TForm3& d) {
        ClickRow(d, 20);
        Click(Control<QToolButton>(d, "SpeedButton1"));
        ClickRow(d, 18);
        Click(Control<QToolButton>(d, "SpeedButton4"));
    }, true);
    EXPECT_EQ(Control<QLabel>(f, "Image01")->toolTip(), "発電所");
    EXPECT_EQ(Control<QLabel>(f, "Image01")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), f.Palettes->TileImage(18));
    EXPECT_EQ(Control<QTreeWidget>(f, "ButtonView")->currentItem(), Control<QTreeWidget>(f, "ButtonView")->topLevelItem(18));
    ClickCell(app, 1, 1);
    EXPECT_EQ(app.Doc().GetCell(1, 1).Panel, 20);
}

TEST(CatalogueEditorUi, TheLargestValueShowsInFull)
{
    TestApp app;
    for (const auto& [min, count, max] : {std::tuple{20000, 10000, 10}, {10000, 10000, 255}, {INT32_MIN, 0, 0}}) {
        app.Doc().ReplaceTile(23, TTileList{23, "", "x", 1, min, count, max});
        TForm3& d = ShowEditor(app);
        ClickRow(d, 23);
        EXPECT_EQ(Control<QLabel>(d, "Label07")->text(),
                  QStringLiteral("最大値 %1").arg(CatalogueEditor::LargestValue(min, count, max)));
        for (QLabel* label : {Control<QLabel>(d, "Label05"), Control<QLabel>(d, "Label07")})
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
                << min;
    }
}

TEST(CatalogueEditorUi, TheCodeBarOffersLettersOnlyAndKeepsAStoredOther)
{
    TestApp app(TestCatalogue().Add(0, "海").Add(18, "十八").Ini());
    app.Doc().ReplaceTile(1, TTileList{18, "", "十八", 0, 0, 0, 0, "", true, '@'});
    TForm3& d = ShowEditor(app);
    ClickRow(d, 1);
    EXPECT_EQ(Control<QScrollBar>(d, "ScrollBar05")->minimum(), 'a');
    EXPECT_EQ(Control<QLabel>(d, "Label08")->text(), "コード @");
    Type(Control<QLineEdit>(d, "Edit01"), "x");
    Click(Control<QToolButton>(d, "SpeedButton5"));
    EXPECT_EQ(d.Editor().WorkTile[1].Code, '@');
    Control<QScrollBar>(d, "ScrollBar05")->triggerAction(QScrollBar::SliderSingleStepSub);  // against the end: 'a' is taken
    Click(Control<QToolButton>(d, "SpeedButton5"));
    EXPECT_EQ(d.Editor().WorkTile[1].Code, 'a');
}

TEST(CatalogueEditorUi, OkCopiesAPictureFromElsewhereIntoImage)
{
    TestApp app;
    QDir().mkpath(app.Path("elsewhere"));
    const QString red = app.Path("elsewhere/plains.bmp");  // the name of a shipped picture
    const QString gone = app.Path("elsewhere/gone.bmp");
    ASSERT_TRUE(Solid(0xFF0000).save(red, "BMP") && Solid(0xFF).save(gone, "BMP"));
    const std::string forest = app.Doc().Tile[4].Bmp;
    RunEditor(app, [&](TForm3& d) {
        for (const auto& [row, path] : {std::pair{3, red}, {4, gone}}) {
            ClickRow(d, row);
            AnswerFileDialog(path);
            QTest::mouseClick(Control<QLabel>(d, "Image01"), Qt::LeftButton);
            Click(Control<QToolButton>(d, "SpeedButton5"));
        }
        QFile::remove(gone);  // its copy fails
    }, true);
    EXPECT_EQ(app.Doc().Tile[3].Bmp, app.Path("Image/plains_2.bmp").toStdString());
    EXPECT_EQ(CentreOf(QImage(app.Path("Image/plains_2.bmp"))), 0xFF0000u);
    EXPECT_EQ(app.Doc().Tile[4].Bmp, forest);
    ASSERT_EQ(app.messages.size(), 1);
    EXPECT_TRUE(app.messages[0].contains("gone.bmp"));
}

TEST(CatalogueEditorUi, OkKeepsEveryEntryOfAFullCatalogue)
{
    TestApp app(TestCatalogue(256).Ini());
    RunEditor(app, [](TForm3& d) {
        ClickRow(d, 200);
        Control<QScrollBar>(d, "ScrollBar05")->setValue(122);
        Click(Control<QToolButton>(d, "SpeedButton5"));
    }, true);
    ASSERT_EQ(app.Doc().TileCount, 256);
    EXPECT_EQ(app.Doc().Tile[200].Code, 'z');
    EXPECT_EQ(app.Doc().Tile[255].No, 255);
    EXPECT_EQ(Control<QTreeWidget>(app.Form1(), "ButtonView")->topLevelItemCount(), 256);
}

// ---------------------------------------------------------------- System設定

namespace {

void RunSettings(TestApp& app, const std::function<void(TForm4&)>& script, bool ok)
{
    RunModal<TForm4>(Control<QToolButton>(app.Form1(), "SpeedButton_c"), script,
                     [ok](TForm4& d) { return Control<QPushButton>(d, ok ? "Button1" : "Button2"); });
}

const QByteArray OddSystem = "MapY=5\nMapX=40\nLoad=0\nLoadFile=/maps/島.kpl\nFood1=333\nFood2=15\nGold=0";

}  // namespace

TEST(SystemSettingsUi, OpensFilledFromTheDocumentOnTheFirstTab)
{
    TestApp app(TestCatalogue().Add(0, "海").Keys(OddSystem).Ini());
    RunSettings(app, [](TForm4& d) {
        EXPECT_EQ(d.windowTitle(), "System設定");
        EXPECT_EQ(Control<QTabWidget>(d, "PageControl1")->currentIndex(), 0);
        EXPECT_EQ(Control<QTabWidget>(d, "PageControl1")->tabText(0), "設定");
        EXPECT_EQ(Control<QTabWidget>(d, "PageControl1")->tabText(1), "情報設定");
        EXPECT_TRUE(Control<QCheckBox>(d, "CheckBox1_1")->isChecked());
        EXPECT_EQ(Control<QScrollBar>(d, "ScrollBar1_1")->value(), 12);  // 5 shows at the nearest end
        EXPECT_EQ(Control<QLabel>(d, "Label1_1")->text(), "Y = 12");
        EXPECT_EQ(Control<QScrollBar>(d, "ScrollBar1_2")->value(), 30);
        EXPECT_EQ(Control<QLabel>(d, "Label1_2")->text(), "X = 30");
        EXPECT_FALSE(Control<QCheckBox>(d, "CheckBox1_2")->isChecked());
        EXPECT_FALSE(Control<QCheckBox>(d, "CheckBox1_3")->isChecked());
        EXPECT_EQ(Control<QLineEdit>(d, "Edit1_1")->text(), "/maps/島.kpl");
        EXPECT_EQ(Control<QLabel>(d, "Label2_1")->text(), "食料消費 33.3%");
        EXPECT_EQ(Control<QLabel>(d, "Label2_2")->text(), "食料生産 1.5%");
        EXPECT_EQ(Control<QLabel>(d, "Label2_3")->text(), "資金生産 0.1%");
        Control<QTabWidget>(d, "PageControl1")->setCurrentIndex(1);
    }, true);
    // Confirming stores what was shown.
    EXPECT_EQ(app.Doc().Sys.MapY, 12);
    EXPECT_EQ(app.Doc().Sys.MapX, 30);
    EXPECT_EQ(app.Doc().Gold, 1);
    RunSettings(app, [](TForm4& d) { EXPECT_EQ(Control<QTabWidget>(d, "PageControl1")->currentIndex(), 0); }, false);
}

TEST(SystemSettingsUi, RatesShowAsPercentages)
{
    TestApp app;
    const std::pair<int, const char*> cases[] = {
        {200, "20"}, {1, "0.1"}, {15, "1.5"}, {333, "33.3"}, {1000, "100"}, {10, "1"}, {999, "99.9"},
    };
    RunSettings(app, [&](TForm4& d) {
        for (const auto& [tenths, text] : cases) {
            Control<QScrollBar>(d, "ScrollBar2_1")->setValue(tenths == 1 ? 2 : 1);  // always a real change
            Control<QScrollBar>(d, "ScrollBar2_1")->setValue(tenths);
            Control<QScrollBar>(d, "ScrollBar2_2")->setValue(tenths == 1 ? 2 : 1);
            Control<QScrollBar>(d, "ScrollBar2_2")->setValue(tenths);
            Control<QScrollBar>(d, "ScrollBar2_3")->setValue(tenths == 1 ? 2 : 1);
            Control<QScrollBar>(d, "ScrollBar2_3")->setValue(tenths);
            EXPECT_EQ(Control<QLabel>(d, "Label2_1")->text(), QStringLiteral("食料消費 %1%").arg(text));
            EXPECT_EQ(Control<QLabel>(d, "Label2_2")->text(), QStringLiteral("食料生産 %1%").arg(text));
            EXPECT_EQ(Control<QLabel>(d, "Label2_3")->text(), QStringLiteral("資金生産 %1%").arg(text));
        }
        Control<QScrollBar>(d, "ScrollBar1_1")->setValue(20);
        EXPECT_EQ(Control<QLabel>(d, "Label1_1")->text(), "Y = 20");
    }, false);
}

TEST(SystemSettingsUi, BrowseFillsTheFileBox)
{
    TestApp app;
    const QString map = app.Path("plan.kpl");
    QFile file(map);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RunSettings(app, [&](TForm4& d) {
        auto cancelled = AnswerFileDialog(QString());
        Click(Control<QToolButton>(d, "SpeedButton1"));
        EXPECT_TRUE(cancelled->shown);
        EXPECT_TRUE(Control<QLineEdit>(d, "Edit1_1")->text().isEmpty());
        auto seen = AnswerFileDialog(map);
        Click(Control<QToolButton>(d, "SpeedButton1"));
        EXPECT_EQ(seen->title, "Tidemark擬似Map 読み込み指定");
        EXPECT_EQ(seen->filters, QStringList({"Tidemark擬似Map (*.kpl)", "ALL (*.*)"}));
        EXPECT_EQ(Control<QLineEdit>(d, "Edit1_1")->text(), map);
        Type(Control<QLineEdit>(d, "Edit1_1"), "한");
        EXPECT_EQ(Control<QLineEdit>(d, "Edit1_1")->text(), map);
    }, true);
    EXPECT_EQ(app.Doc().Sys.LoadFile, map.toStdString());
    EXPECT_EQ(app.messages, QStringList({"ファイル名にShift-JISで表せない文字は使えません。"}));
}

TEST(SystemSettingsUi, CancelAndTheCloseBoxKeepEverySetting)
{
    TestApp app;
    TTileData& doc = app.Doc();
    const TSysList sys = doc.Sys;
    const int food1 = doc.Food1, food2 = doc.Food2, gold = doc.Gold;
    const auto changeAll = [](TForm4& d) {
        Click(Control<QCheckBox>(d, "CheckBox1_1"));
        Control<QScrollBar>(d, "ScrollBar1_1")->setValue(25);
        Control<QScrollBar>(d, "ScrollBar1_2")->setValue(27);
        Click(Control<QCheckBox>(d, "CheckBox1_2"));
        Click(Control<QCheckBox>(d, "CheckBox1_3"));
        Type(Control<QLineEdit>(d, "Edit1_1"), "x.kpl");
        Control<QScrollBar>(d, "ScrollBar2_1")->setValue(5);
        Control<QScrollBar>(d, "ScrollBar2_2")->setValue(6);
        Control<QScrollBar>(d, "ScrollBar2_3")->setValue(7);
    };
    RunSettings(app, changeAll, false);
    RunModal<TForm4>(Control<QToolButton>(app.Form1(), "SpeedButton_c"), changeAll, [](TForm4&) -> QAbstractButton* { return nullptr; });
    EXPECT_EQ(doc.Sys, sys);
    EXPECT_EQ(doc.Food1, food1);
    EXPECT_EQ(doc.Food2, food2);
    EXPECT_EQ(doc.Gold, gold);
    // The next opening shows the document again, not the cancelled edits.
    RunSettings(app, [](TForm4& d) {
        EXPECT_EQ(Control<QScrollBar>(d, "ScrollBar1_1")->value(), 16);
        EXPECT_TRUE(Control<QLineEdit>(d, "Edit1_1")->text().isEmpty());
        EXPECT_EQ(Control<QLabel>(d, "Label2_3")->text(), "資金生産 0.1%");
    }, false);
}

TEST(SystemSettingsUi, ConfirmedSettingsReachTheFileAndTheNextStart)
{
    TestApp app;
    RunSettings(app, [](TForm4& d) {
        Click(Control<QCheckBox>(d, "CheckBox1_1"));  // off: the next start would ask for the size
        Control<QScrollBar>(d, "ScrollBar1_1")->setValue(25);
        Control<QScrollBar>(d, "ScrollBar1_2")->setValue(13);
        Click(Control<QCheckBox>(d, "CheckBox1_2"));
        Type(Control<QLineEdit>(d, "Edit1_1"), "/home/u/島.kpl");
        Control<QScrollBar>(d, "ScrollBar2_1")->setValue(333);
        Control<QScrollBar>(d, "ScrollBar2_2")->setValue(15);
        Control<QScrollBar>(d, "ScrollBar2_3")->setValue(1000);
    }, true);
    TTileData& doc = app.Doc();
    EXPECT_EQ(doc.Sys.MapY, 25);
    EXPECT_EQ(doc.Sys.MapX, 13);
    EXPECT_FALSE(doc.Sys.MapSize);
    EXPECT_FALSE(doc.Sys.Window);
    EXPECT_FALSE(doc.Sys.Load);
    app.Form1().close();

    IniFile ini;
    ASSERT_TRUE(ini.Load(app.Path("isplan.ini").toStdString()));
    const ConfigData read = ReadConfig(ini, app.folder.path().toStdString() + "/");
    TSysList expected;
    expected.MapSize = false;
    expected.MapY = 25;
    expected.MapX = 13;
    expected.Window = false;
    expected.Load = false;
    expected.LoadFile = "/home/u/島.kpl";
    EXPECT_EQ(read.Sys, expected);
    EXPECT_EQ(read.Food1, 333);
    EXPECT_EQ(read.Food2, 15);
    EXPECT_EQ(read.Gold, 1000);

    // The next start reads the settings back into the dialog.
    ini.WriteBool("System", "MapSize", true);  // start without the size dialog
    ASSERT_TRUE(ini.Save(app.Path("isplan.ini").toStdString()));
    AppWindows next(app.folder.path(), {});
    next.Form1->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(next.Form1.get(), 200));
    EXPECT_EQ(next.Form1->TileData->Sys.MapY, 25);
    EXPECT_EQ(next.Form1->TileData->Food1, 333);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TForm4*>(QApplication::activeModalWidget());
        if (!d) {
            ADD_FAILURE() << "no settings dialog";
            return;
        }
        checked = true;
        EXPECT_EQ(Control<QLabel>(*d, "Label1_1")->text(), "Y = 25");
        EXPECT_EQ(Control<QLabel>(*d, "Label1_2")->text(), "X = 13");
        EXPECT_EQ(Control<QLineEdit>(*d, "Edit1_1")->text(), "/home/u/島.kpl");
        EXPECT_EQ(Control<QLabel>(*d, "Label2_1")->text(), "食料消費 33.3%");
        EXPECT_EQ(Control<QLabel>(*d, "Label2_2")->text(), "食料生産 1.5%");
        EXPECT_EQ(Control<QLabel>(*d, "Label2_3")->text(), "資金生産 100%");
        d->reject();
    });
    Control<QToolButton>(*next.Form1, "SpeedButton_c")->click();
    EXPECT_TRUE(checked);
}

TEST(Accessibility, EveryControlOfEveryWindowHasAName)
{
    TestApp app(TestCatalogue(3).Ini());
    AppWindows& w = *app.windows;
    const QList<QWidget*> windows = {w.Form1.get(), w.Form2.get(), w.Form3.get(), w.Form4.get(), w.Form5.get(), w.Form6.get()};
    for (QWidget* window : windows)
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool named = qobject_cast<QAbstractButton*>(control) || qobject_cast<QAbstractSlider*>(control) ||
                               qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
                               qobject_cast<QAbstractItemView*>(control) || control == Control<MapPicture>(app.Form1(), "Image1");
            // Qt's own parts (a scroll area's bars, a tab bar's arrows) are not ours to name.
            if (!named || control->objectName().startsWith("qt_") || control->focusPolicy() == Qt::NoFocus)
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_TRUE(accessible);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
                << window->metaObject()->className() << ": " << control->metaObject()->className() << " "
                << control->objectName().toStdString() << " " << control->accessibleName().toStdString() << "/" << accessible->object()->metaObject()->className();
        }
    // A palette entry is named by its panel.
    EXPECT_EQ(Control<QTreeWidget>(app.Form1(), "ButtonView")->topLevelItem(1)->data(0, Qt::AccessibleTextRole).toString(),
              QString::fromStdString(app.Doc().Tile[1].Name));
}
