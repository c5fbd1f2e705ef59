#include "dialogs/Unit2.h"

#include <QKeyEvent>

#include "ui_Unit2.h"
#include "widgets/FormWidgets.h"

TForm2::TForm2(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm2>())
{
    ui->setupUi(this);
    SetPixelSize(16, {ui->Label2, ui->Label3});

    connect(ui->ScrollBar1, &QScrollBar::valueChanged, this, &TForm2::ScrollBar1Change);
    connect(ui->ScrollBar2, &QScrollBar::valueChanged, this, &TForm2::ScrollBar2Change);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TForm2::~TForm2() = default;

bool TForm2::AskSize(int& lastRow, int& lastColumn)
{
    if (exec() != QDialog::Accepted)
        return false;
    lastRow = ui->ScrollBar1->value() - 1;
    lastColumn = ui->ScrollBar2->value() - 1;
    return true;
}

void TForm2::ScrollBar1Change()
{
    ui->Label2->setText(QStringLiteral("Y = %1").arg(ui->ScrollBar1->value()));
}

void TForm2::ScrollBar2Change()
{
    ui->Label3->setText(QStringLiteral("X = %1").arg(ui->ScrollBar2->value()));
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
