#include "dialogs/Unit3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "dialogs/Messages.h"
#include "dialogs/ShiftJisGuard.h"
#include "view/BitmapCache.h"
#include "document/File1.h"

namespace {

constexpr int BmpRole = Qt::UserRole;  // the row's bitmap path, shown in no column
constexpr int ValueLimit = 10000;      // 初期値 and 増加値 bars
constexpr int StepLimit = 255;         // a cell's counter is one byte
constexpr int CaptionPixels = 16;      // font size of the field captions

QScrollBar* Bar(QWidget* parent, QRect geometry, int lo, int hi, int step)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setGeometry(geometry);
    bar->setRange(lo, hi);
    bar->setPageStep(step);
    return bar;
}

QLabel* FieldLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(CaptionPixels);
    label->setFont(font);
    label->setGeometry(x, y, 104, 17);
    return label;
}

// A stored number is never changed by a bar's range: the range grows to hold it.
void ShowOnBar(QScrollBar* bar, int lo, int hi, int value)
{
    bar->setRange(std::min(lo, value), std::max(hi, value));
    bar->setValue(value);
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

// A number label shows its whole text: a long one is set smaller rather
// than cut at the label's edge.
void SetFittingText(QLabel* label, const QString& text)
{
    QFont font = label->font();
    for (int pixelSize = CaptionPixels; pixelSize > 6; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (QFontMetrics(font).horizontalAdvance(text) <= label->contentsRect().width())
            break;
    }
    label->setFont(font);
    label->setText(text);
}

bool SameContent(const QString& a, const QString& b)
{
    QFile fa(a), fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    return fa.readAll() == fb.readAll();
}

bool InFolder(const QString& path, const QString& folder)
{
    const QString parent = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !parent.isEmpty() && parent == QFileInfo(folder).canonicalFilePath();
}

// Copies a picture into the folder under its own name, or the first free
// "name_n" when another file already has it; a file there with the same
// content is used as it is. Empty when nothing could be copied.
QString CopyIntoFolder(const QString& source, const QString& folder)
{
    const QFileInfo info(source);
    if (!info.isFile() || !QDir().mkpath(folder))
        return {};
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            n == 1 ? info.fileName() : QStringLiteral("%1_%2%3").arg(info.completeBaseName()).arg(n).arg(suffix);
        const QString target = QDir(folder).filePath(name);
        if (!QFileInfo::exists(target))
            return QFile::copy(source, target) ? target : QString();
        if (SameContent(source, target))
            return target;
    }
    return {};
}

// Clears a guard flag for a scope, so handlers ignore the dialog's own changes.
struct Quiet {
    explicit Quiet(bool& flag) : flag(flag), saved(flag) { flag = false; }
    ~Quiet() { flag = saved; }
    bool& flag;
    bool saved;
};

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("パネル設定"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont f = font();
    f.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    f.setPixelSize(12);
    setFont(f);
    setFixedSize(462, 306);
    BuildList();
    BuildButtons();
    BuildFields();
    Connect();
    ClearFields();
    UpdateNewButton();
}

void TForm3::BuildList()
{
    ListView1 = new QTreeWidget(this);
    ListView1->setGeometry(0, 0, 462, 205);
    ListView1->setColumnCount(CatalogueEditor::ColumnCount);
    ListView1->setHeaderLabels({QStringLiteral("パネル名"), QStringLiteral("No"), QStringLiteral("タイプ"),
                                QStringLiteral("初期値"), QStringLiteral("増加値"), QStringLiteral("最大値"),
                                QStringLiteral("単位"), QStringLiteral("土地")});
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setIconSize(QSize(32, 32));
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setDefaultSectionSize(50);
    ListView1->header()->resizeSection(0, 120);
    ListView1->header()->resizeSection(1, 40);
    ListView1->header()->resizeSection(2, 44);
    ListView1->header()->resizeSection(5, 60);  // largest values run to six digits
    ListView1->header()->resizeSection(7, 36);
}

void TForm3::BuildButtons()
{
    struct FieldPlace {
        QToolButton** button;
        const char* caption;
        int x, width;
    };
    const FieldPlace places[] = {
        {&SpeedButton1, "↑", 2, 23},     {&SpeedButton2, "↓", 26, 23},
        {&SpeedButton3, "追加", 56, 57},  {&SpeedButton4, "削除", 114, 57},
        {&SpeedButton5, "変更", 172, 57}, {&SpeedButton6, "新規作成", 242, 70},
    };
    for (const FieldPlace& s : places) {
        *s.button = new QToolButton(this);
        (*s.button)->setText(QString::fromUtf8(s.caption));
        (*s.button)->setGeometry(s.x, 207, s.width, 22);
        (*s.button)->setEnabled(false);
    }
    FileLabel = new QLabel(this);
    FileLabel->setVisible(false);
}

void TForm3::BuildFields()
{
    Image01 = new QLabel(this);
    Image01->setGeometry(6, 240, 32, 32);
    Image01->setToolTip(QStringLiteral("タイル画像"));
    Image01->setCursor(Qt::PointingHandCursor);
    Image01->setAutoFillBackground(true);
    Image01->setBackgroundRole(QPalette::Base);
    Image01->installEventFilter(this);

    Label01 = FieldLabel(this, QStringLiteral("No 0"), 46, 230);
    ScrollBar01 = Bar(this, QRect(46, 248, 101, 16), 0, 100, 10);
    Label02 = FieldLabel(this, QStringLiteral("パネル名"), 148, 230);
    Edit01 = new QLineEdit(this);
    Edit01->setGeometry(148, 246, 101, 20);
    Label03 = FieldLabel(this, QStringLiteral("タイプ"), 252, 230);
    ComboBox01 = new QComboBox(this);
    ComboBox01->setGeometry(252, 246, 101, 20);
    for (int type = 0; type < 6; ++type)
        ComboBox01->addItem(Text(CatalogueEditor::TypeName(type)));
    Label04 = FieldLabel(this, QStringLiteral("単位"), 356, 230);
    Edit02 = new QLineEdit(this);
    Edit02->setGeometry(356, 246, 57, 20);
    CheckBox01 = new QCheckBox(QStringLiteral("土地"), this);
    CheckBox01->setGeometry(0, 284, 46, 17);

    Label05 = FieldLabel(this, QStringLiteral("初期値 0"), 46, 267);
    ScrollBar02 = Bar(this, QRect(46, 284, 101, 16), 0, ValueLimit, 10);
    Label06 = FieldLabel(this, QStringLiteral("増加値 0"), 150, 267);
    ScrollBar03 = Bar(this, QRect(150, 284, 101, 16), 0, ValueLimit, 10);
    Label07 = FieldLabel(this, QStringLiteral("最大値 0"), 254, 267);
    ScrollBar04 = Bar(this, QRect(254, 284, 101, 16), 0, StepLimit, 10);
    Label08 = FieldLabel(this, QStringLiteral("コード a"), 356, 267);
    ScrollBar05 = Bar(this, QRect(360, 284, 100, 16), CatalogueEditor::LowestCode,
                      CatalogueEditor::HighestCode, 1);

    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    Button1->setGeometry(416, 232, 45, 21);
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setGeometry(416, 254, 45, 21);
    // Enter in a text box must not close the dialog.
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);

    RefuseTextShiftJisCannotHold(Edit01, QStringLiteral("パネル名"));
    RefuseTextShiftJisCannotHold(Edit02, QStringLiteral("単位"));
}

void TForm3::Connect()
{
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
        ListView1Change(selected.isEmpty() ? -1 : ListView1->indexOfTopLevelItem(selected.first()));
    });
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm3::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm3::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm3::SpeedButton4Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm3::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm3::SpeedButton6Click);
    connect(ScrollBar01, &QScrollBar::valueChanged, this, &TForm3::ScrollBar01Change);
    connect(ScrollBar02, &QScrollBar::valueChanged, this, &TForm3::ScrollBar02Change);
    connect(ScrollBar03, &QScrollBar::valueChanged, this, &TForm3::ScrollBar03Change);
    connect(ScrollBar04, &QScrollBar::valueChanged, this, &TForm3::ScrollBar04Change);
    connect(ScrollBar05, &QScrollBar::valueChanged, this, &TForm3::ScrollBar05Change);
    // Also a push against the bar's end gives up a kept code for the letter shown.
    connect(ScrollBar05, &QScrollBar::actionTriggered, this, [this] {
        if (FieldsActive && keptCode >= 0)
            ScrollBar05Change(ScrollBar05->value());
    });
    connect(Edit01, &QLineEdit::textChanged, this, &TForm3::FieldEdited);
    connect(Edit02, &QLineEdit::textChanged, this, &TForm3::FieldEdited);
    connect(ComboBox01, &QComboBox::currentIndexChanged, this, &TForm3::FieldEdited);
    connect(CheckBox01, &QCheckBox::toggled, this, &TForm3::FieldEdited);
}

void TForm3::Open(const TTileData& doc)
{
    Quiet quiet(ListActive);
    ListView1->clear();
    Work.Load(doc);
    openedBmp.clear();
    for (int i = 0; i < Work.WorkCount; ++i) {
        AppendRow(Work.WorkTile[i]);
        openedBmp.push_back(Work.WorkTile[i].Bmp);
    }
    ClearFields();
    UpdateNewButton();
    pictureFolder = Text(doc.ExePath) + QStringLiteral("Image/");
}

QImage TForm3::TileImage(const QString& path)
{
    const QImage source = ReadBitmapPart(path, QSize(32, 32));
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (!source.isNull())
        QPainter(&image).drawImage(0, 0, source, 0, 0, 32, 32);
    return image;
}

void TForm3::ShowImage(const QImage& image)
{
    Image01->setPixmap(QPixmap::fromImage(image));
}

void TForm3::EnableEditButtons(bool up, bool down, bool add, bool remove, bool change)
{
    SpeedButton1->setEnabled(up);
    SpeedButton2->setEnabled(down);
    SpeedButton3->setEnabled(add);
    SpeedButton4->setEnabled(remove);
    SpeedButton5->setEnabled(change);
}

void TForm3::UpdateNewButton()
{
    SpeedButton6->setEnabled(Work.CanAppend());
}

void TForm3::AppendRow(const TTileList& entry)
{
    new QTreeWidgetItem(ListView1);
    WriteRow(ListView1->topLevelItemCount() - 1, entry);
}

void TForm3::WriteRow(int row, const TTileList& entry)
{
    QTreeWidgetItem* item = ListView1->topLevelItem(row);
    if (!item)
        return;
    const CatalogueEditor::RowTexts texts = CatalogueEditor::Row(entry);
    for (int column = 0; column < CatalogueEditor::ColumnCount; ++column)
        item->setText(column, Text(texts[column]));
    item->setData(0, BmpRole, Text(texts[CatalogueEditor::ColumnCount]));
    item->setIcon(0, QIcon(QPixmap::fromImage(TileImage(Text(entry.Bmp)))));
}

void TForm3::SelectRowQuietly(int row)
{
    Quiet quiet(ListActive);
    ListView1->clearSelection();
    QTreeWidgetItem* item = ListView1->topLevelItem(row);
    ListView1->setCurrentItem(item);
    if (item)
        ListView1->scrollToItem(item);
}

// Nothing in the fields: they are emptied and locked, so no change can be
// written anywhere until a row is chosen or a new entry is started.
void TForm3::ClearFields()
{
    Quiet quiet(FieldsActive);
    SelIndex = NoEntry;
    ShowOnBar(ScrollBar01, 0, 100, 0);
    Edit01->clear();
    ComboBox01->setCurrentIndex(0);
    loadedType = 0;
    Edit02->clear();
    ShowOnBar(ScrollBar02, 0, ValueLimit, 0);
    ShowOnBar(ScrollBar03, 0, ValueLimit, 0);
    ShowOnBar(ScrollBar04, 0, StepLimit, 0);
    CheckBox01->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{ScrollBar01, Edit01, ComboBox01, Edit02, ScrollBar02,
                                                     ScrollBar03, ScrollBar04, CheckBox01})
        w->setEnabled(false);
    FileLabel->clear();
    ShowImage(TileImage(QString()));
    keptCode = -1;
    ShowCode();
    Label01->setText(QStringLiteral("No 0"));
    SetFittingText(Label05, QStringLiteral("初期値 0"));
    SetFittingText(Label06, QStringLiteral("増加値 0"));
    ShowLargestValue();
    EnableEditButtons(false, false, false, false, false);
}

void TForm3::LoadFields(const TTileList& e)
{
    const bool fixed = CatalogueEditor::IsFixed(e);
    // The bar offers letters only; another stored code stays until the bar moves.
    ScrollBar05->setValue(e.Code);
    keptCode = e.Code >= CatalogueEditor::LowestCode && e.Code <= CatalogueEditor::HighestCode ? -1 : e.Code;
    ShowOnBar(ScrollBar01, fixed ? 0 : CatalogueEditor::LastFixedNo + 1, 255, e.No);
    Edit01->setText(Text(e.Name));
    loadedType = e.Type;
    ComboBox01->setCurrentIndex(e.Type >= 0 && e.Type < ComboBox01->count() ? e.Type : -1);
    Edit02->setText(Text(e.Ext));
    CheckBox01->setChecked(e.Land);
    for (QWidget* w : std::initializer_list<QWidget*>{ScrollBar01, Edit01, ComboBox01, Edit02, CheckBox01})
        w->setEnabled(!fixed);
    ShowOnBar(ScrollBar02, 0, ValueLimit, e.Min);
    ShowOnBar(ScrollBar03, 0, ValueLimit, e.Count);
    ShowOnBar(ScrollBar04, 0, StepLimit, e.Max);
    ScrollBar02->setEnabled(true);
    ScrollBar03->setEnabled(e.Min != 0);
    ScrollBar04->setEnabled(e.Min != 0);
    Label01->setText(QStringLiteral("No %1").arg(e.No));
    SetFittingText(Label05, QStringLiteral("初期値 %1").arg(e.Min));
    SetFittingText(Label06, QStringLiteral("増加値 %1").arg(e.Count));
    ShowLargestValue();
    ShowCode();
    FileLabel->setText(Text(e.Bmp));
    ShowImage(TileImage(Text(e.Bmp)));
}

TTileList TForm3::EntryFromFields() const
{
    TTileList e;
    e.No = ScrollBar01->value();
    e.Bmp = FileLabel->text().toStdString();
    e.Name = Edit01->text().toStdString();
    e.Type = ComboBox01->currentIndex() >= 0 ? ComboBox01->currentIndex() : loadedType;
    e.Min = ScrollBar02->value();
    e.Count = ScrollBar03->value();
    e.Max = ScrollBar04->value();
    e.Ext = Edit02->text().toStdString();
    e.Land = CheckBox01->isChecked();
    e.Code = static_cast<uint8_t>(keptCode >= 0 ? keptCode : ScrollBar05->value());
    return e;
}

void TForm3::ListView1Change(int row)
{
    if (!ListActive)
        return;
    if (!Work.InList(row)) {
        ClearFields();
        return;
    }
    {
        Quiet quiet(FieldsActive);
        SelIndex = row;
        LoadFields(Work.WorkTile[row]);
        EnableEditButtons(Work.CanMoveUp(row), Work.CanMoveDown(row), false, Work.CanRemove(row), false);
    }
}

void TForm3::FieldEdited()
{
    if (FieldsActive && Work.InList(SelIndex))
        SpeedButton5->setEnabled(true);
}

void TForm3::ScrollBar01Change(int position)
{
    Label01->setText(QStringLiteral("No %1").arg(position));
    FieldEdited();
}

void TForm3::ScrollBar02Change(int position)
{
    SetFittingText(Label05, QStringLiteral("初期値 %1").arg(position));
    // Without an initial value the panel has no steps.
    ScrollBar03->setEnabled(position >= 1);
    ScrollBar04->setEnabled(position >= 1);
    ShowLargestValue();
    FieldEdited();
}

void TForm3::ScrollBar03Change(int position)
{
    SetFittingText(Label06, QStringLiteral("増加値 %1").arg(position));
    ShowLargestValue();
    FieldEdited();
}

void TForm3::ScrollBar04Change(int)
{
    ShowLargestValue();
    FieldEdited();
}

void TForm3::ScrollBar05Change(int)
{
    if (FieldsActive)
        keptCode = -1;
    ShowCode();
    FieldEdited();
}

void TForm3::ShowCode()
{
    Label08->setText(QStringLiteral("コード ") + QChar(keptCode >= 0 ? keptCode : ScrollBar05->value()));
}

void TForm3::ShowLargestValue()
{
    const int32_t largest =
        CatalogueEditor::LargestValue(ScrollBar02->value(), ScrollBar03->value(), ScrollBar04->value());
    SetFittingText(Label07, QStringLiteral("最大値 %1").arg(largest));
}

void TForm3::SpeedButton6Click()
{
    if (!Work.CanAppend())
        return;
    SelectRowQuietly(-1);
    Quiet quiet(FieldsActive);
    SelIndex = NewEntry;
    ShowOnBar(ScrollBar01, 0, 255, Work.FirstFreeNo());
    Label01->setText(QStringLiteral("No %1").arg(ScrollBar01->value()));
    Edit01->clear();
    ComboBox01->setCurrentIndex(0);
    loadedType = 0;
    Edit02->clear();
    ShowOnBar(ScrollBar02, 0, ValueLimit, 0);
    ShowOnBar(ScrollBar03, 0, ValueLimit, 0);
    ShowOnBar(ScrollBar04, 0, StepLimit, 0);
    ScrollBar05->setValue(CatalogueEditor::LowestCode);
    keptCode = -1;
    CheckBox01->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{ScrollBar01, Edit01, ComboBox01, Edit02, ScrollBar02, CheckBox01})
        w->setEnabled(true);
    ScrollBar03->setEnabled(false);
    ScrollBar04->setEnabled(false);
    SetFittingText(Label05, QStringLiteral("初期値 0"));
    SetFittingText(Label06, QStringLiteral("増加値 0"));
    ShowLargestValue();
    ShowCode();
    FileLabel->clear();
    ShowImage(TileImage(QString()));
    EnableEditButtons(false, false, false, false, false);
}

void TForm3::SpeedButton3Click()
{
    if (SelIndex != NewEntry)
        return;
    if (!Work.Append(EntryFromFields())) {
        ClearFields();
        UpdateNewButton();
        return;
    }
    AppendRow(Work.WorkTile[Work.WorkCount - 1]);
    UpdateNewButton();
    // The new entry becomes the current one, as if the user had chosen it.
    QTreeWidgetItem* added = ListView1->topLevelItem(Work.WorkCount - 1);
    ListView1->setCurrentItem(added);
    ListView1->scrollToItem(added);
}

void TForm3::SpeedButton5Click()
{
    if (!Work.InList(SelIndex))
        return;
    Work.Replace(SelIndex, EntryFromFields());
    WriteRow(SelIndex, Work.WorkTile[SelIndex]);
    loadedType = Work.WorkTile[SelIndex].Type;
    SpeedButton5->setEnabled(false);
}

void TForm3::SpeedButton4Click()
{
    const int row = SelIndex;
    if (!Work.Remove(row))
        return;
    {
        Quiet quiet(ListActive);
        delete ListView1->takeTopLevelItem(row);
    }
    SelectRowQuietly(-1);
    ClearFields();
    UpdateNewButton();
}

void TForm3::SpeedButton1Click()
{
    const int row = SelIndex;
    if (!Work.MoveUp(row))
        return;
    WriteRow(row, Work.WorkTile[row]);
    WriteRow(row - 1, Work.WorkTile[row - 1]);
    // The fields keep following their entry to its new place.
    SelIndex = row - 1;
    SelectRowQuietly(SelIndex);
    SpeedButton1->setEnabled(Work.CanMoveUp(SelIndex));
    SpeedButton2->setEnabled(Work.CanMoveDown(SelIndex));
    SpeedButton4->setEnabled(Work.CanRemove(SelIndex));
}

void TForm3::SpeedButton2Click()
{
    const int row = SelIndex;
    if (!Work.MoveDown(row))
        return;
    WriteRow(row, Work.WorkTile[row]);
    WriteRow(row + 1, Work.WorkTile[row + 1]);
    SelIndex = row + 1;
    SelectRowQuietly(SelIndex);
    SpeedButton1->setEnabled(Work.CanMoveUp(SelIndex));
    SpeedButton2->setEnabled(Work.CanMoveDown(SelIndex));
    SpeedButton4->setEnabled(Work.CanRemove(SelIndex));
}

QString TForm3::ChoosePicture()
{
    QFileDialog dialog(this, QStringLiteral("タイル画像"), pictureFolder, QStringLiteral("ビットマップ (*.bmp)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.selectFile(QStringLiteral("*.bmp"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void TForm3::Image01Click()
{
    // A picture belongs to an entry: a row or a new entry must be in the fields.
    if (SelIndex == NoEntry)
        return;
    const QString path = ChoosePicture();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    // isplan.ini keeps the file's name, in Shift-JIS.
    if (!ShiftJisCanHold(QFileInfo(path).fileName())) {
        ShowMessage(this, ShiftJisRefusalMessage(QStringLiteral("画像のファイル名")));
        return;
    }
    ShowImage(TileImage(path));
    FileLabel->setText(path);
    if (SelIndex == NewEntry)
        SpeedButton3->setEnabled(true);
    else
        SpeedButton5->setEnabled(true);
}

void TForm3::accept()
{
    CopyPicturesIntoImageFolder();
    QDialog::accept();
}

// isplan.ini keeps only a picture's file name, looked for in Image/ at the
// next start: a newly chosen picture from elsewhere is copied there.
void TForm3::CopyPicturesIntoImageFolder()
{
    for (int i = 0; i < Work.WorkCount; ++i) {
        TTileList e = Work.WorkTile[i];
        const int origin = Work.Origin[i];
        const std::string previous = origin >= 0 && origin < int(openedBmp.size()) ? openedBmp[origin] : std::string();
        if (e.Bmp.empty() || e.Bmp == previous || InFolder(Text(e.Bmp), pictureFolder))
            continue;
        const QString copy = CopyIntoFolder(Text(e.Bmp), pictureFolder);
        if (copy.isEmpty()) {
            ShowMessage(this, QStringLiteral("%1 を %2 にコピーできません。「%3」の画像は元のままです。")
                                  .arg(QDir::toNativeSeparators(Text(e.Bmp)),
                                       QDir::toNativeSeparators(pictureFolder), Text(e.Name)));
            e.Bmp = previous;
        } else {
            e.Bmp = copy.toStdString();
        }
        Work.Replace(i, e);
        WriteRow(i, e);
    }
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image01 && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Image01Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
