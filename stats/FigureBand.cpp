#include "stats/FigureBand.h"

#include <QPainter>
#include <algorithm>

#include "stats/FigureList.h"
#include "view/ProgramFont.h"

namespace {

constexpr int ColumnWidth = 150;
constexpr int MostColumns = 5;
constexpr int RowHeight = 18;
constexpr int Margin = 6;
constexpr int TextPixels = 12;  // the window's 9 pt at 96 dpi

const QColor Background(240, 240, 240);
const QColor Rule(160, 160, 160);

}  // namespace

namespace {

int BandColumns(int mapWidth)
{
    return std::clamp(mapWidth / ColumnWidth, 1, MostColumns);
}

int BandRows(int mapWidth)
{
    return (FigureCount + BandColumns(mapWidth) - 1) / BandColumns(mapWidth);
}

}  // namespace

QSize PictureWithFiguresSize(QSize map)
{
    // A map narrower than one column widens the picture; its extra room
    // beside the map stays the band's colour.
    return {std::max(map.width(), BandColumns(map.width()) * ColumnWidth),
            map.height() + 2 * Margin + BandRows(map.width()) * RowHeight};
}

QImage PictureWithFigures(const QImage& map, const IslandStats& stats)
{
    const auto figures = ShownFigures(stats);
    const int columns = BandColumns(map.width());
    const int rows = BandRows(map.width());
    QImage picture(PictureWithFiguresSize(map.size()), QImage::Format_RGB32);
    picture.fill(Background);

    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, map);
    painter.setPen(Rule);
    painter.drawLine(0, map.height(), picture.width() - 1, map.height());
    QFont font;
    font.setFamilies(ProgramFontFamilies());
    font.setPixelSize(TextPixels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Column by column, in the tab's order from the top, spread over the width.
    const int width = picture.width() / columns;
    for (int i = 0; i < FigureCount; ++i) {
        const QRect cell((i / rows) * width + Margin, map.height() + Margin + (i % rows) * RowHeight,
                         width - 2 * Margin, RowHeight);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(figures[i].Label));
        painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, QString::number(figures[i].Value));
    }
    return picture;
}
