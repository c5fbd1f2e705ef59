#include "view/CellValues.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "document/File1.h"
#include "view/MapGeometry.h"
#include "view/ProgramFont.h"
#include "view/ViewZoom.h"

namespace {

// Legible over any tile: white figures with a dark rim.
QImage ValueImage(int value, int pixels)
{
    QFont font;
    font.setFamilies(ProgramFontFamilies());
    font.setPixelSize(pixels);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, QString::number(value));
    const QRectF bounds = path.boundingRect().adjusted(-2, -2, 2, 2);
    QImage image(bounds.size().toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-bounds.topLeft());
    p.setPen(QPen(QColor(20, 20, 20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.fillPath(path, Qt::white);
    return image;
}

// Drawn once per value and size: a full map of counters stays cheap.
const QImage& CachedValueImage(int value, int pixels)
{
    static QHash<int, QImage> cache;
    const int key = pixels * 256 + value;
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, ValueImage(value, pixels));
    return *it;
}

}  // namespace

void DrawCellValues(QPainter& painter, const TTileData& doc, const QRect& viewRect, int zoom)
{
    // Small beside the tile, but never below what can be read.
    const int pixels = std::clamp(geometry::TileSize * zoom / 100 * 3 / 8, 9, 16);
    const int lastX = std::clamp(doc.LastX, 0, GridSize - 1), lastY = std::clamp(doc.LastY, 0, GridSize - 1);
    for (int y = 0; y <= lastY; ++y)
        for (int x = 0; x <= lastX; ++x) {
            const int counter = doc.Map[x][y].Counter;
            if (counter == 0)
                continue;
            const CellRectangle r = TTileData::CellRect(x, y);
            const QRect cell = view_zoom::ToView({r.Left, r.Top, geometry::TileSize, geometry::TileSize}, zoom);
            if (!cell.intersects(viewRect))
                continue;
            const QImage& image = CachedValueImage(counter, pixels);
            painter.drawImage(cell.right() + 1 - image.width(), cell.bottom() + 1 - image.height(), image);
        }
}
