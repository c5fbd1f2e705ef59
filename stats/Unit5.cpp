#include "stats/Unit5.h"

#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>

#include "document/File1.h"
#include "stats/Breakdown.h"
#include "view/BitmapCache.h"
#include "view/ProgramFont.h"

namespace {

constexpr int kTileSize = 32;

// The tile's bitmap cut to 32 x 32; a blank square when the file is missing
// or unreadable, so the row is listed all the same.
QImage TileBitmap(const std::string& path)
{
    QImage image(kTileSize, kTileSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage source = ReadBitmapPart(QString::fromStdString(path), QSize(kTileSize, kTileSize));
    if (!source.isNull())
        QPainter(&image).drawImage(0, 0, source, 0, 0, kTileSize, kTileSize);
    return image;
}

}  // namespace

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("Unit5", "個別情報"));
    setFixedSize(463, 307);
    QFont dialogFont = font();
    dialogFont.setFamilies(ProgramFontFamilies());
    dialogFont.setPixelSize(12);
    setFont(dialogFont);

    ListView1 = new QTreeWidget(this);
    ListView1->setAccessibleName(windowTitle());
    ListView1->setGeometry(0, 0, 463, 283);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setIconSize(QSize(kTileSize, kTileSize));
    ListView1->setHeaderLabels(
        {QCoreApplication::translate("Unit5", "パネル名"), QCoreApplication::translate("Unit5", "最小値"),
         QCoreApplication::translate("Unit5", "最大値"), QCoreApplication::translate("Unit5", "合計"),
         QCoreApplication::translate("Unit5", "個数")});
    // "個数" takes what the fixed columns leave, so no sideways scroll bar.
    ListView1->header()->setStretchLastSection(true);
    ListView1->header()->setMinimumSectionSize(40);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setColumnWidth(0, 140);
    ListView1->setColumnWidth(1, 70);
    ListView1->setColumnWidth(2, 70);
    ListView1->setColumnWidth(3, 70);

    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setGeometry(388, 282, 75, 25);
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm5::Fill(const TTileData& doc)
{
    ListView1->clear();
    ImageList1.clear();
    const std::vector<BreakdownRow> rows = BuildBreakdown(doc);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const BreakdownRow& row = rows[i];
        const int imageIndex = static_cast<int>(ImageList1.size());
        ImageList1.append(TileBitmap(doc.Tile[i].Bmp));
        auto* item = new QTreeWidgetItem(
            {QString::fromStdString(row.Name), QString::number(row.Min), QString::number(row.Max),
             QString::number(row.Total), QString::number(row.Count)});
        item->setIcon(0, QIcon(QPixmap::fromImage(ImageList1[imageIndex])));
        item->setData(0, ImageIndexRole, imageIndex);
        ListView1->addTopLevelItem(item);
    }
}
