#include "dialogs/Unit2.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int SmallestSide = 12;
constexpr int LargestSide = 30;

QScrollBar* SideBar(QWidget* parent, int y)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setGeometry(62, y, 99, 17);
    bar->setRange(SmallestSide, LargestSide);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(SmallestSide);
    bar->setFocusPolicy(Qt::StrongFocus);  // arrows and Page keys change it
    return bar;
}

QLabel* SideLabel(QWidget* parent, const QString& text, int y)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(16);
    label->setFont(font);
    label->setGeometry(6, y - 1, 54, 19);
    return label;
}

}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("Unit2", "サイズ設定"));
    setFixedSize(167, 65);

    Label2 = SideLabel(this, QStringLiteral("Y = 12"), 4);
    ScrollBar1 = SideBar(this, 4);
    Label3 = SideLabel(this, QStringLiteral("X = 12"), 23);
    ScrollBar2 = SideBar(this, 23);
    Label2->setBuddy(ScrollBar1);  // a screen reader names the bar by its label
    Label3->setBuddy(ScrollBar2);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(86, 42, 75, 21);
    Button1->setDefault(true);

    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm2::ScrollBar1Change);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TForm2::ScrollBar2Change);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

bool TForm2::AskSize(int& lastRow, int& lastColumn)
{
    if (exec() != QDialog::Accepted)
        return false;
    lastRow = ScrollBar1->value() - 1;
    lastColumn = ScrollBar2->value() - 1;
    return true;
}

void TForm2::ScrollBar1Change()
{
    Label2->setText(QStringLiteral("Y = %1").arg(ScrollBar1->value()));
}

void TForm2::ScrollBar2Change()
{
    Label3->setText(QStringLiteral("X = %1").arg(ScrollBar2->value()));
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
