#include "stats/Unit5.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "document/File1.h"
#include "stats/Breakdown.h"
#include "ui_Unit5.h"
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

TForm5::TForm5(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm5>())
{
    QFont dialogFont = font();
    dialogFont.setFamilies(ProgramFontFamilies());
    dialogFont.setPixelSize(12);
    setFont(dialogFont);  // before the form's controls, so they take it as they are made
    ui->setupUi(this);
    // "個数" takes what the fixed columns leave, so no sideways scroll bar.
    ui->ListView1->setColumnWidth(0, 140);
    ui->ListView1->setColumnWidth(1, 70);
    ui->ListView1->setColumnWidth(2, 70);
    ui->ListView1->setColumnWidth(3, 70);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::accept);
}

TForm5::~TForm5() = default;

void TForm5::Fill(const TTileData& doc)
{
    ui->ListView1->clear();
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
        ui->ListView1->addTopLevelItem(item);
    }
}
