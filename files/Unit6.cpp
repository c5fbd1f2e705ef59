#include "files/Unit6.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>

#include "document/File1.h"
#include "ui_Unit6.h"
#include "widgets/FormWidgets.h"

TForm6::TForm6(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm6>())
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    ui->setupUi(this);
    ui->Label1->adjustSize();  // each label as wide as its caption in the language shown
    SetPixelSize(19, {ui->Label2});
    ui->Label2->adjustSize();
    // The code has no spaces; long runs must still wrap.
    ui->Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    ui->Memo2->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TForm6::SpeedButton1Click);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TForm6::SpeedButton2Click);
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TForm6::SpeedButton3Click);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TForm6::~TForm6() = default;

void TForm6::ClearCode()
{
    ui->Memo1->clear();
}

void TForm6::SpeedButton1Click()
{
    ui->Memo2->clear();
    ui->Memo1->clear();
    if (doc_)
        ui->Memo1->appendPlainText(QString::fromStdString(doc_->EncodeMapCodeWithSize()));
}

void TForm6::SpeedButton2Click()
{
    // Line by line: Set drops the breaks anyway, and a large paste is not
    // copied once more as a whole.
    QString code;
    for (QTextBlock block = ui->Memo1->document()->begin(); block.isValid(); block = block.next())
        code += block.text().remove(QChar::LineSeparator);
    emit setRequested(code);
}

void TForm6::ShowTrace(const std::vector<std::string>& trace)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(trace.size()));
    for (const std::string& line : trace)
        lines << QString::fromStdString(line);
    ui->Memo2->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm6::SpeedButton3Click()
{
    if (ui->Memo1->toPlainText().isEmpty())
        SpeedButton1Click();
    QGuiApplication::clipboard()->setText(ui->Memo1->toPlainText());
}
