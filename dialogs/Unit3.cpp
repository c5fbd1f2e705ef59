#include "dialogs/Unit3.h"

#include <QCoreApplication>
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
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "dialogs/CataloguePictures.h"
#include "dialogs/Messages.h"
#include "ui_Unit3.h"
#include "dialogs/ShiftJisGuard.h"
#include "document/File1.h"
#include "view/PaletteImage.h"
#include "widgets/FormWidgets.h"

namespace {

constexpr int BmpRole = Qt::UserRole;  // the row's bitmap path, shown in no column

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
    for (int pixelSize = TForm3::FieldCaptionPixels; pixelSize > 6; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (QFontMetrics(font).horizontalAdvance(text) <= label->contentsRect().width())
            break;
    }
    label->setFont(font);
    label->setText(text);
}

// Clears a guard flag for a scope, so handlers ignore the dialog's own changes.
struct Quiet {
    explicit Quiet(bool& flag) : flag(flag), saved(flag) { flag = false; }
    ~Quiet() { flag = saved; }
    bool& flag;
    bool saved;
};

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm3>())
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont f = font();
    f.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    f.setPixelSize(12);
    setFont(f);  // before the form's controls, so they take it as they are made
    ui->setupUi(this);
    SetUpControls();
    Connect();
    ClearFields();
    UpdateNewButton();
}

TForm3::~TForm3() = default;

// What the form cannot say: column widths, pixel font sizes, the catalogue's type
// names, the picture's click and the Shift-JIS guards of the text boxes.
void TForm3::SetUpControls()
{
    QHeaderView* header = ui->ListView1->header();
    header->resizeSection(0, 120);
    header->resizeSection(1, 40);
    header->resizeSection(2, 44);
    header->resizeSection(5, 60);  // largest values run to six digits
    header->resizeSection(7, 36);
    ui->FileLabel->hide();
    ui->Image01->setBackgroundRole(QPalette::Base);
    ui->Image01->installEventFilter(this);
    SetPixelSize(FieldCaptionPixels, {ui->Label01, ui->Label02, ui->Label03, ui->Label04, ui->Label05, ui->Label06,
                                      ui->Label07, ui->Label08});
    for (int type = 0; type < 6; ++type)
        ui->ComboBox01->addItem(Text(CatalogueEditor::TypeName(type)));
    ui->ScrollBar05->setRange(CatalogueEditor::LowestCode, CatalogueEditor::HighestCode);
    RefuseTextShiftJisCannotHold(ui->Edit01, ui->Label02->text());
    RefuseTextShiftJisCannotHold(ui->Edit02, ui->Label04->text());
}

void TForm3::Connect()
{
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->ListView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = ui->ListView1->selectedItems();
        ListView1Change(selected.isEmpty() ? -1 : ui->ListView1->indexOfTopLevelItem(selected.first()));
    });
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TForm3::SpeedButton1Click);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TForm3::SpeedButton2Click);
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TForm3::SpeedButton3Click);
    connect(ui->SpeedButton4, &QToolButton::clicked, this, &TForm3::SpeedButton4Click);
    connect(ui->SpeedButton5, &QToolButton::clicked, this, &TForm3::SpeedButton5Click);
    connect(ui->SpeedButton6, &QToolButton::clicked, this, &TForm3::SpeedButton6Click);
    connect(ui->ScrollBar01, &QScrollBar::valueChanged, this, &TForm3::ScrollBar01Change);
    connect(ui->ScrollBar02, &QScrollBar::valueChanged, this, &TForm3::ScrollBar02Change);
    connect(ui->ScrollBar03, &QScrollBar::valueChanged, this, &TForm3::ScrollBar03Change);
    connect(ui->ScrollBar04, &QScrollBar::valueChanged, this, &TForm3::ScrollBar04Change);
    connect(ui->ScrollBar05, &QScrollBar::valueChanged, this, &TForm3::ScrollBar05Change);
    // Also a push against the bar's end gives up a kept code for the letter shown.
    connect(ui->ScrollBar05, &QScrollBar::actionTriggered, this, [this] {
        if (FieldsActive && keptCode >= 0)
            ScrollBar05Change(ui->ScrollBar05->value());
    });
    connect(ui->Edit01, &QLineEdit::textChanged, this, &TForm3::FieldEdited);
    connect(ui->Edit02, &QLineEdit::textChanged, this, &TForm3::FieldEdited);
    connect(ui->ComboBox01, &QComboBox::currentIndexChanged, this, &TForm3::FieldEdited);
    connect(ui->CheckBox01, &QCheckBox::toggled, this, &TForm3::FieldEdited);
}

void TForm3::Open(const TTileData& doc)
{
    Quiet quiet(ListActive);
    ui->ListView1->clear();
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

void TForm3::ShowImage(const QImage& image)
{
    ui->Image01->setPixmap(QPixmap::fromImage(image));
}

void TForm3::EnableEditButtons(bool up, bool down, bool add, bool remove, bool change)
{
    ui->SpeedButton1->setEnabled(up);
    ui->SpeedButton2->setEnabled(down);
    ui->SpeedButton3->setEnabled(add);
    ui->SpeedButton4->setEnabled(remove);
    ui->SpeedButton5->setEnabled(change);
}

void TForm3::UpdateNewButton()
{
    ui->SpeedButton6->setEnabled(Work.CanAppend());
}

void TForm3::AppendRow(const TTileList& entry)
{
    new QTreeWidgetItem(ui->ListView1);
    WriteRow(ui->ListView1->topLevelItemCount() - 1, entry);
}

void TForm3::WriteRow(int row, const TTileList& entry)
{
    QTreeWidgetItem* item = ui->ListView1->topLevelItem(row);
    if (!item)
        return;
    const CatalogueEditor::RowTexts texts = CatalogueEditor::Row(entry);
    for (int column = 0; column < CatalogueEditor::ColumnCount; ++column)
        item->setText(column, Text(texts[column]));
    item->setData(0, BmpRole, Text(texts[CatalogueEditor::ColumnCount]));
    item->setIcon(0, QIcon(QPixmap::fromImage(PaletteTileImage(entry.Bmp, TileLook::Plain))));
}

void TForm3::SelectRowQuietly(int row)
{
    Quiet quiet(ListActive);
    ui->ListView1->clearSelection();
    QTreeWidgetItem* item = ui->ListView1->topLevelItem(row);
    ui->ListView1->setCurrentItem(item);
    if (item)
        ui->ListView1->scrollToItem(item);
}

// Nothing in the fields: they are emptied and locked, so no change can be
// written anywhere until a row is chosen or a new entry is started.
void TForm3::ClearFields()
{
    Quiet quiet(FieldsActive);
    SelIndex = NoEntry;
    BlankFields(0, 100, false, false);
}

// The fields of an entry without values: numbered `no`, unlocked for a new
// entry, its steps waiting for an initial value either way.
void TForm3::BlankFields(int no, int noHighest, bool land, bool open)
{
    ShowOnBar(ui->ScrollBar01, 0, noHighest, no);
    ui->Label01->setText(QStringLiteral("No %1").arg(no));
    ui->Edit01->clear();
    ui->ComboBox01->setCurrentIndex(0);
    loadedType = 0;
    ui->Edit02->clear();
    ShowOnBar(ui->ScrollBar02, 0, FieldValueLimit, 0);
    ShowOnBar(ui->ScrollBar03, 0, FieldValueLimit, 0);
    ShowOnBar(ui->ScrollBar04, 0, FieldStepLimit, 0);
    keptCode = -1;
    ui->CheckBox01->setChecked(land);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->ScrollBar01, ui->Edit01, ui->ComboBox01, ui->Edit02, ui->ScrollBar02, ui->CheckBox01})
        w->setEnabled(open);
    ui->ScrollBar03->setEnabled(false);
    ui->ScrollBar04->setEnabled(false);
    SetFittingText(ui->Label05, QCoreApplication::translate("Unit3", "初期値 0"));
    SetFittingText(ui->Label06, QCoreApplication::translate("Unit3", "増加値 0"));
    ShowLargestValue();
    ShowCode();
    ui->FileLabel->clear();
    ShowImage(PaletteTileImage({}, TileLook::Plain));
    EnableEditButtons(false, false, false, false, false);
}

void TForm3::LoadFields(const TTileList& e)
{
    const bool fixed = CatalogueEditor::IsFixed(e);
    // The bar offers letters only; another stored code stays until the bar moves.
    ui->ScrollBar05->setValue(e.Code);
    keptCode = e.Code >= CatalogueEditor::LowestCode && e.Code <= CatalogueEditor::HighestCode ? -1 : e.Code;
    ShowOnBar(ui->ScrollBar01, fixed ? 0 : CatalogueEditor::LastFixedNo + 1, 255, e.No);
    ui->Edit01->setText(Text(e.Name));
    loadedType = e.Type;
    ui->ComboBox01->setCurrentIndex(e.Type >= 0 && e.Type < ui->ComboBox01->count() ? e.Type : -1);
    ui->Edit02->setText(Text(e.Ext));
    ui->CheckBox01->setChecked(e.Land);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->ScrollBar01, ui->Edit01, ui->ComboBox01, ui->Edit02, ui->CheckBox01})
        w->setEnabled(!fixed);
    ShowOnBar(ui->ScrollBar02, 0, FieldValueLimit, e.Min);
    ShowOnBar(ui->ScrollBar03, 0, FieldValueLimit, e.Count);
    ShowOnBar(ui->ScrollBar04, 0, FieldStepLimit, e.Max);
    ui->ScrollBar02->setEnabled(true);
    ui->ScrollBar03->setEnabled(e.Min != 0);
    ui->ScrollBar04->setEnabled(e.Min != 0);
    ui->Label01->setText(QStringLiteral("No %1").arg(e.No));
    SetFittingText(ui->Label05, QCoreApplication::translate("Unit3", "初期値 %1").arg(e.Min));
    SetFittingText(ui->Label06, QCoreApplication::translate("Unit3", "増加値 %1").arg(e.Count));
    ShowLargestValue();
    ShowCode();
    ui->FileLabel->setText(Text(e.Bmp));
    ShowImage(PaletteTileImage(e.Bmp, TileLook::Plain));
}

TTileList TForm3::EntryFromFields() const
{
    TTileList e;
    e.No = ui->ScrollBar01->value();
    e.Bmp = ui->FileLabel->text().toStdString();
    e.Name = ui->Edit01->text().toStdString();
    e.Type = ui->ComboBox01->currentIndex() >= 0 ? ui->ComboBox01->currentIndex() : loadedType;
    e.Min = ui->ScrollBar02->value();
    e.Count = ui->ScrollBar03->value();
    e.Max = ui->ScrollBar04->value();
    e.Ext = ui->Edit02->text().toStdString();
    e.Land = ui->CheckBox01->isChecked();
    e.Code = static_cast<uint8_t>(keptCode >= 0 ? keptCode : ui->ScrollBar05->value());
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
        ui->SpeedButton5->setEnabled(true);
}

void TForm3::ScrollBar01Change(int position)
{
    ui->Label01->setText(QStringLiteral("No %1").arg(position));
    FieldEdited();
}

void TForm3::ScrollBar02Change(int position)
{
    SetFittingText(ui->Label05, QCoreApplication::translate("Unit3", "初期値 %1").arg(position));
    // Without an initial value the panel has no steps.
    ui->ScrollBar03->setEnabled(position >= 1);
    ui->ScrollBar04->setEnabled(position >= 1);
    ShowLargestValue();
    FieldEdited();
}

void TForm3::ScrollBar03Change(int position)
{
    SetFittingText(ui->Label06, QCoreApplication::translate("Unit3", "増加値 %1").arg(position));
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
    ui->Label08->setText(QCoreApplication::translate("Unit3", "コード ") +
                     QChar(keptCode >= 0 ? keptCode : ui->ScrollBar05->value()));
}

void TForm3::ShowLargestValue()
{
    const int32_t largest =
        CatalogueEditor::LargestValue(ui->ScrollBar02->value(), ui->ScrollBar03->value(), ui->ScrollBar04->value());
    SetFittingText(ui->Label07, QCoreApplication::translate("Unit3", "最大値 %1").arg(largest));
}

void TForm3::SpeedButton6Click()
{
    if (!Work.CanAppend())
        return;
    SelectRowQuietly(-1);
    Quiet quiet(FieldsActive);
    SelIndex = NewEntry;
    ui->ScrollBar05->setValue(Work.FirstFreeCode());
    BlankFields(Work.FirstFreeNo(), 255, true, true);
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
    QTreeWidgetItem* added = ui->ListView1->topLevelItem(Work.WorkCount - 1);
    ui->ListView1->setCurrentItem(added);
    ui->ListView1->scrollToItem(added);
}

void TForm3::SpeedButton5Click()
{
    if (!Work.InList(SelIndex))
        return;
    Work.Replace(SelIndex, EntryFromFields());
    WriteRow(SelIndex, Work.WorkTile[SelIndex]);
    loadedType = Work.WorkTile[SelIndex].Type;
    ui->SpeedButton5->setEnabled(false);
}

void TForm3::SpeedButton4Click()
{
    const int row = SelIndex;
    if (!Work.Remove(row))
        return;
    {
        Quiet quiet(ListActive);
        delete ui->ListView1->takeTopLevelItem(row);
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
    ui->SpeedButton1->setEnabled(Work.CanMoveUp(SelIndex));
    ui->SpeedButton2->setEnabled(Work.CanMoveDown(SelIndex));
    ui->SpeedButton4->setEnabled(Work.CanRemove(SelIndex));
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
    ui->SpeedButton1->setEnabled(Work.CanMoveUp(SelIndex));
    ui->SpeedButton2->setEnabled(Work.CanMoveDown(SelIndex));
    ui->SpeedButton4->setEnabled(Work.CanRemove(SelIndex));
}

QString TForm3::ChoosePicture()
{
    QFileDialog dialog(this, QCoreApplication::translate("Unit3", "タイル画像"), pictureFolder,
                       QCoreApplication::translate("Unit3", "ビットマップ (*.bmp)"));
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
        ShowMessage(this, ShiftJisRefusalMessage(QCoreApplication::translate("Unit3", "画像のファイル名")));
        return;
    }
    ShowImage(PaletteTileImage(path.toStdString(), TileLook::Plain));
    ui->FileLabel->setText(path);
    if (SelIndex == NewEntry)
        ui->SpeedButton3->setEnabled(true);
    else
        ui->SpeedButton5->setEnabled(true);
}

void TForm3::accept()
{
    // Kinds sharing a letter turn into one another through the pseudo-map code.
    const std::vector<std::string> shared = Work.SharedCodeLines();
    if (!shared.empty()) {
        QStringList lines;
        for (const std::string& line : shared)
            lines << Text(line);
        if (!AskKeepSharedCodes(this, lines))
            return;
    }
    CopyPicturesIntoImageFolder();
    QDialog::accept();
}

void TForm3::CopyPicturesIntoImageFolder()
{
    for (const PictureCopy& c : CopyPicturesIntoFolder(Work, openedBmp, pictureFolder)) {
        if (!c.copied)
            ShowMessage(
                this, QCoreApplication::translate("Unit3", "%1 を %2 にコピーできません。「%3」の画像は元のままです。")
                          .arg(QDir::toNativeSeparators(Text(c.chosen)), QDir::toNativeSeparators(pictureFolder),
                               Text(Work.WorkTile[c.index].Name)));
        WriteRow(c.index, Work.WorkTile[c.index]);
    }
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Image01 && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Image01Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
