#include "view/PaletteImage.h"

#include <QPainter>

#include "view/BitmapCache.h"
#include "view/MapArtwork.h"

QImage PaletteTileImage(const std::string& path, TileLook look)
{
    const QImage source = ReadBitmapPart(QString::fromStdString(path), QSize(32, 32));
    if (source.isNull() && look == TileLook::Palette)
        return artwork::PlaceholderTile().convertToFormat(QImage::Format_ARGB32);
    // Only frame 0 is kept.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (source.isNull())
        return image;
    QPainter(&image).drawImage(0, 0, source, 0, 0, 32, 32);
    if (look == TileLook::Plain)
        return image;
    // Silver is the palette's transparent colour.
    for (int y = 0; y < 32; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 32; ++x)
            if ((line[x] & 0xFFFFFF) == 0xC0C0C0)
                line[x] = 0;
    }
    return image;
}
