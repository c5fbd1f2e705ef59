#include "dialogs/Unit4.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "dialogs/Messages.h"
#include "dialogs/ShiftJisGuard.h"
#include "document/File1.h"
#include "ui_Unit4.h"
#include "widgets/FormWidgets.h"

TForm4::TForm4(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm4>())
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui->setupUi(this);
    SetPixelSize(16, {ui->Label1_1, ui->Label1_2, ui->Label2_1, ui->Label2_2, ui->Label2_3});
    // isplan.ini keeps the path in Shift-JIS.
    RefuseTextShiftJisCannotHold(ui->Edit1_1, QCoreApplication::translate("Unit4", "ファイル名"));

    connect(ui->ScrollBar1_1, &QScrollBar::valueChanged, this, &TForm4::ScrollBar1_1Change);
    connect(ui->ScrollBar1_2, &QScrollBar::valueChanged, this, &TForm4::ScrollBar1_2Change);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);
    connect(ui->ScrollBar2_1, &QScrollBar::valueChanged, this, &TForm4::ScrollBar2_1Change);
    connect(ui->ScrollBar2_2, &QScrollBar::valueChanged, this, &TForm4::ScrollBar2_2Change);
    connect(ui->ScrollBar2_3, &QScrollBar::valueChanged, this, &TForm4::ScrollBar2_3Change);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TForm4::~TForm4() = default;

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
    ui->Label1_1->setText(QStringLiteral("Y = %1").arg(position));
}

void TForm4::ScrollBar1_2Change(int position)
{
    ui->Label1_2->setText(QStringLiteral("X = %1").arg(position));
}

void TForm4::ScrollBar2_1Change(int position)
{
    ui->Label2_1->setText(QCoreApplication::translate("Unit4", "食料消費 %1%").arg(PercentText(position)));
}

void TForm4::ScrollBar2_2Change(int position)
{
    ui->Label2_2->setText(QCoreApplication::translate("Unit4", "食料生産 %1%").arg(PercentText(position)));
}

void TForm4::ScrollBar2_3Change(int position)
{
    ui->Label2_3->setText(QCoreApplication::translate("Unit4", "資金生産 %1%").arg(PercentText(position)));
}

void TForm4::Fill(const TTileData& doc)
{
    ui->PageControl1->setCurrentIndex(0);
    // A value outside a bar's range shows at the nearest end.
    ui->ScrollBar2_1->setValue(doc.Food1);
    ui->ScrollBar2_2->setValue(doc.Food2);
    ui->ScrollBar2_3->setValue(doc.Gold);
    ui->CheckBox1_1->setChecked(doc.Sys.MapSize);
    ui->ScrollBar1_1->setValue(doc.Sys.MapY);
    ui->ScrollBar1_2->setValue(doc.Sys.MapX);
    ui->CheckBox1_2->setChecked(doc.Sys.Window);
    ui->CheckBox1_3->setChecked(doc.Sys.Load);
    ui->CheckBox3_1->setChecked(doc.UndoByOperation);
    ui->Edit1_1->setText(QString::fromStdString(doc.Sys.LoadFile));
    const QFileInfo loadFile(ui->Edit1_1->text());
    browseFolder = !ui->Edit1_1->text().isEmpty() && loadFile.absoluteDir().exists()
                       ? loadFile.absolutePath()
                       : QString::fromStdString(doc.ExePath);
}

void TForm4::CopyBack(TTileData& doc) const
{
    doc.Food1 = ui->ScrollBar2_1->value();
    doc.Food2 = ui->ScrollBar2_2->value();
    doc.Gold = ui->ScrollBar2_3->value();
    doc.Sys.MapSize = ui->CheckBox1_1->isChecked();
    doc.Sys.MapY = ui->ScrollBar1_1->value();
    doc.Sys.MapX = ui->ScrollBar1_2->value();
    doc.Sys.Window = ui->CheckBox1_2->isChecked();
    doc.Sys.Load = ui->CheckBox1_3->isChecked();
    doc.UndoByOperation = ui->CheckBox3_1->isChecked();
    doc.Sys.LoadFile = ui->Edit1_1->text().toStdString();
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
    ui->Edit1_1->setText(path);
}
