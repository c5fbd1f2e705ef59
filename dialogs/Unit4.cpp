#include "dialogs/Unit4.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "widgets/FormWidgets.h"
#include "dialogs/Messages.h"
#include "dialogs/ShiftJisGuard.h"
#include "document/File1.h"

namespace {

QLabel* BigLabel(QWidget* parent, const QString& text, QRect geometry)
{
    return PixelLabel(parent, text, 16, geometry);
}

QScrollBar* Bar(QWidget* parent, QRect geometry, int lo, int hi, int value)
{
    QScrollBar* bar = HorizontalBar(parent, geometry, lo, hi);
    bar->setValue(value);
    return bar;
}

QCheckBox* Check(QWidget* parent, const QString& caption, QRect geometry)
{
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(geometry);
    return box;
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("Unit4", "System設定"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(269, 216);

    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(0, 0, 269, 184);
    BuildSettingsTab();
    BuildRatesTab();
    BuildEditTab();

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(112, 189, 75, 23);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setGeometry(190, 189, 75, 23);
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm4::BuildSettingsTab()
{
    TabSheet1 = new QWidget;
    PageControl1->addTab(TabSheet1, QCoreApplication::translate("Unit4", "設定"));
    CheckBox1_1 = Check(TabSheet1, QCoreApplication::translate("Unit4", "サイズを自動的に設定"), QRect(8, 6, 240, 18));
    Label1_1 = BigLabel(TabSheet1, QStringLiteral("Y = 12"), QRect(16, 27, 64, 18));
    ScrollBar1_1 = Bar(TabSheet1, QRect(84, 29, 165, 16), 12, 30, 12);
    Label1_2 = BigLabel(TabSheet1, QStringLiteral("X = 12"), QRect(16, 49, 64, 18));
    ScrollBar1_2 = Bar(TabSheet1, QRect(84, 51, 165, 16), 12, 30, 12);
    CheckBox1_2 =
        Check(TabSheet1, QCoreApplication::translate("Unit4", "Windowのサイズを自動的に変更"), QRect(8, 74, 240, 18));
    CheckBox1_3 =
        Check(TabSheet1, QCoreApplication::translate("Unit4", "保存ファイルを自動的にロード"), QRect(8, 96, 240, 18));
    Edit1_1 = new QLineEdit(TabSheet1);
    Edit1_1->setGeometry(8, 120, 198, 21);
    SpeedButton1 = new QToolButton(TabSheet1);
    SpeedButton1->setText(QCoreApplication::translate("Unit4", "参照"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setGeometry(210, 119, 40, 23);
    // isplan.ini keeps the path in Shift-JIS.
    RefuseTextShiftJisCannotHold(Edit1_1, QCoreApplication::translate("Unit4", "ファイル名"));

    Label1_1->setBuddy(ScrollBar1_1);
    Label1_2->setBuddy(ScrollBar1_2);
    Edit1_1->setAccessibleName(CheckBox1_3->text());
    SpeedButton1->setAccessibleName(QCoreApplication::translate("Unit4", "参照"));
    connect(ScrollBar1_1, &QScrollBar::valueChanged, this, &TForm4::ScrollBar1_1Change);
    connect(ScrollBar1_2, &QScrollBar::valueChanged, this, &TForm4::ScrollBar1_2Change);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);
}

void TForm4::BuildRatesTab()
{
    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet2, QCoreApplication::translate("Unit4", "情報設定"));
    Label2_1 = BigLabel(TabSheet2, QCoreApplication::translate("Unit4", "食料消費 20%"), QRect(8, 6, 240, 18));
    ScrollBar2_1 = Bar(TabSheet2, QRect(8, 26, 245, 16), 1, 1000, 200);
    Label2_2 = BigLabel(TabSheet2, QCoreApplication::translate("Unit4", "食料生産 100%"), QRect(8, 52, 240, 18));
    ScrollBar2_2 = Bar(TabSheet2, QRect(8, 72, 245, 16), 1, 1000, 1000);
    Label2_3 = BigLabel(TabSheet2, QCoreApplication::translate("Unit4", "資金生産 0.1%"), QRect(8, 98, 240, 18));
    ScrollBar2_3 = Bar(TabSheet2, QRect(8, 118, 245, 16), 1, 1000, 1);

    // A screen reader names each bar by its label.
    for (const auto& [label, bar] : {std::pair{Label2_1, ScrollBar2_1}, {Label2_2, ScrollBar2_2}, {Label2_3, ScrollBar2_3}})
        label->setBuddy(bar);
    connect(ScrollBar2_1, &QScrollBar::valueChanged, this, &TForm4::ScrollBar2_1Change);
    connect(ScrollBar2_2, &QScrollBar::valueChanged, this, &TForm4::ScrollBar2_2Change);
    connect(ScrollBar2_3, &QScrollBar::valueChanged, this, &TForm4::ScrollBar2_3Change);
}

void TForm4::BuildEditTab()
{
    TabSheet3 = new QWidget;
    PageControl1->addTab(TabSheet3, QCoreApplication::translate("Unit4", "編集"));
    CheckBox3_1 = Check(TabSheet3, QCoreApplication::translate("Unit4", "操作単位で元に戻す"), QRect(8, 6, 240, 18));
    CheckBox3_1->setToolTip(
        QCoreApplication::translate("Unit4", "クリックで置いた範囲マスクを1回の「戻る」で取り消します"));
}

QString TForm4::PercentText(int tenths)
{
    // At most two decimals, no trailing zeros, no point for a whole number.
    QString text = QString::number(tenths * 0.1, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

void TForm4::ScrollBar1_1Change(int position)
{
    Label1_1->setText(QStringLiteral("Y = %1").arg(position));
}

void TForm4::ScrollBar1_2Change(int position)
{
    Label1_2->setText(QStringLiteral("X = %1").arg(position));
}

void TForm4::ScrollBar2_1Change(int position)
{
    Label2_1->setText(QCoreApplication::translate("Unit4", "食料消費 %1%").arg(PercentText(position)));
}

void TForm4::ScrollBar2_2Change(int position)
{
    Label2_2->setText(QCoreApplication::translate("Unit4", "食料生産 %1%").arg(PercentText(position)));
}

void TForm4::ScrollBar2_3Change(int position)
{
    Label2_3->setText(QCoreApplication::translate("Unit4", "資金生産 %1%").arg(PercentText(position)));
}

void TForm4::Fill(const TTileData& doc)
{
    PageControl1->setCurrentIndex(0);
    // A value outside a bar's range shows at the nearest end.
    ScrollBar2_1->setValue(doc.Food1);
    ScrollBar2_2->setValue(doc.Food2);
    ScrollBar2_3->setValue(doc.Gold);
    CheckBox1_1->setChecked(doc.Sys.MapSize);
    ScrollBar1_1->setValue(doc.Sys.MapY);
    ScrollBar1_2->setValue(doc.Sys.MapX);
    CheckBox1_2->setChecked(doc.Sys.Window);
    CheckBox1_3->setChecked(doc.Sys.Load);
    CheckBox3_1->setChecked(doc.UndoByOperation);
    Edit1_1->setText(QString::fromStdString(doc.Sys.LoadFile));
    const QFileInfo loadFile(Edit1_1->text());
    browseFolder = !Edit1_1->text().isEmpty() && loadFile.absoluteDir().exists()
                       ? loadFile.absolutePath()
                       : QString::fromStdString(doc.ExePath);
}

void TForm4::CopyBack(TTileData& doc) const
{
    doc.Food1 = ScrollBar2_1->value();
    doc.Food2 = ScrollBar2_2->value();
    doc.Gold = ScrollBar2_3->value();
    doc.Sys.MapSize = CheckBox1_1->isChecked();
    doc.Sys.MapY = ScrollBar1_1->value();
    doc.Sys.MapX = ScrollBar1_2->value();
    doc.Sys.Window = CheckBox1_2->isChecked();
    doc.Sys.Load = CheckBox1_3->isChecked();
    doc.UndoByOperation = CheckBox3_1->isChecked();
    doc.Sys.LoadFile = Edit1_1->text().toStdString();
}

QString TForm4::ChooseMapFile()
{
    QFileDialog dialog(this, QCoreApplication::translate("Unit4", "Tidemark擬似Map 読み込み指定"), browseFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QCoreApplication::translate("Unit4", "Tidemark擬似Map (*.kpl)"), QStringLiteral("ALL (*.*)")});
    dialog.selectFile(QStringLiteral("*.kpl"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void TForm4::SpeedButton1Click()
{
    const QString path = ChooseMapFile();
    if (path.isEmpty())
        return;
    if (!ShiftJisCanHold(path)) {
        ShowMessage(this, ShiftJisRefusalMessage(QCoreApplication::translate("Unit4", "ファイル名")));
        return;
    }
    Edit1_1->setText(path);
}
