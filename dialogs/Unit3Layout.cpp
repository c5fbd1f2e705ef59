// The panel catalogue dialog's widgets and their places; what they do is
// in Unit3.cpp.
#include "dialogs/Unit3.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>

#include "widgets/FormWidgets.h"
#include "dialogs/ShiftJisGuard.h"

namespace {

QScrollBar* Bar(QWidget* parent, QRect geometry, int lo, int hi, int step)
{
    QScrollBar* bar = HorizontalBar(parent, geometry, lo, hi);
    bar->setPageStep(step);
    return bar;
}

QLabel* FieldLabel(QWidget* parent, const QString& text, int x, int y)
{
    return PixelLabel(parent, text, TForm3::FieldCaptionPixels, QRect(x, y, 104, 17));
}

}  // namespace

void TForm3::BuildList()
{
    ListView1 = new QTreeWidget(this);
    ListView1->setAccessibleName(windowTitle());
    ListView1->setGeometry(0, 0, 462, 205);
    ListView1->setColumnCount(CatalogueEditor::ColumnCount);
    ListView1->setHeaderLabels(
        {QCoreApplication::translate("Unit3Layout", "パネル名"), QStringLiteral("No"),
         QCoreApplication::translate("Unit3Layout", "タイプ"), QCoreApplication::translate("Unit3Layout", "初期値"),
         QCoreApplication::translate("Unit3Layout", "増加値"), QCoreApplication::translate("Unit3Layout", "最大値"),
         QCoreApplication::translate("Unit3Layout", "単位"), QCoreApplication::translate("Unit3Layout", "土地")});
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
        {&SpeedButton1, "↑", 2, 23},
        {&SpeedButton2, "↓", 26, 23},
        {&SpeedButton3, QT_TRANSLATE_NOOP("Unit3Layout", "追加"), 56, 57},
        {&SpeedButton4, QT_TRANSLATE_NOOP("Unit3Layout", "削除"), 114, 57},
        {&SpeedButton5, QT_TRANSLATE_NOOP("Unit3Layout", "変更"), 172, 57},
        {&SpeedButton6, QT_TRANSLATE_NOOP("Unit3Layout", "新規作成"), 242, 70},
    };
    for (const FieldPlace& s : places) {
        *s.button = new QToolButton(this);
        (*s.button)->setText(QCoreApplication::translate("Unit3Layout", s.caption));
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
    Image01->setToolTip(QCoreApplication::translate("Unit3Layout", "タイル画像"));
    Image01->setCursor(Qt::PointingHandCursor);
    Image01->setAutoFillBackground(true);
    Image01->setBackgroundRole(QPalette::Base);
    Image01->installEventFilter(this);

    Label01 = FieldLabel(this, QStringLiteral("No 0"), 46, 230);
    ScrollBar01 = Bar(this, QRect(46, 248, 101, 16), 0, 100, 10);
    Label02 = FieldLabel(this, QCoreApplication::translate("Unit3Layout", "パネル名"), 148, 230);
    Edit01 = new QLineEdit(this);
    Edit01->setGeometry(148, 246, 101, 20);
    Label03 = FieldLabel(this, QCoreApplication::translate("Unit3Layout", "タイプ"), 252, 230);
    ComboBox01 = new QComboBox(this);
    ComboBox01->setGeometry(252, 246, 101, 20);
    for (int type = 0; type < 6; ++type)
        ComboBox01->addItem(QString::fromStdString(CatalogueEditor::TypeName(type)));
    Label04 = FieldLabel(this, QCoreApplication::translate("Unit3Layout", "単位"), 356, 230);
    Edit02 = new QLineEdit(this);
    Edit02->setGeometry(356, 246, 57, 20);
    CheckBox01 = new QCheckBox(QCoreApplication::translate("Unit3Layout", "土地"), this);
    CheckBox01->setGeometry(0, 284, 46, 17);

    Label05 = FieldLabel(this, QCoreApplication::translate("Unit3Layout", "初期値 0"), 46, 267);
    ScrollBar02 = Bar(this, QRect(46, 284, 101, 16), 0, FieldValueLimit, 10);
    Label06 = FieldLabel(this, QCoreApplication::translate("Unit3Layout", "増加値 0"), 150, 267);
    ScrollBar03 = Bar(this, QRect(150, 284, 101, 16), 0, FieldValueLimit, 10);
    Label07 = FieldLabel(this, QCoreApplication::translate("Unit3Layout", "最大値 0"), 254, 267);
    ScrollBar04 = Bar(this, QRect(254, 284, 101, 16), 0, FieldStepLimit, 10);
    Label08 = FieldLabel(this, QCoreApplication::translate("Unit3Layout", "コード a"), 356, 267);
    ScrollBar05 = Bar(this, QRect(360, 284, 100, 16), CatalogueEditor::LowestCode,
                      CatalogueEditor::HighestCode, 1);

    // A screen reader names each field by its label.
    const std::pair<QLabel*, QWidget*> fields[] = {{Label01, ScrollBar01}, {Label02, Edit01}, {Label03, ComboBox01},
                                                   {Label04, Edit02},      {Label05, ScrollBar02}, {Label06, ScrollBar03},
                                                   {Label07, ScrollBar04}, {Label08, ScrollBar05}};
    for (const auto& [label, field] : fields)
        label->setBuddy(field);
    Image01->setAccessibleName(QCoreApplication::translate("Unit3Layout", "画像"));

    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    Button1->setGeometry(416, 232, 45, 21);
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setGeometry(416, 254, 45, 21);
    // Enter in a text box must not close the dialog.
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);

    RefuseTextShiftJisCannotHold(Edit01, QCoreApplication::translate("Unit3Layout", "パネル名"));
    RefuseTextShiftJisCannotHold(Edit02, QCoreApplication::translate("Unit3Layout", "単位"));
}
