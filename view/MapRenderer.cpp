#include "view/MapRenderer.h"

#include <QPainter>

#include "document/File1.h"
#include "view/MapArtwork.h"
#include "view/MapGeometry.h"

using namespace geometry;

MapRenderer::MapRenderer(const TTileData& doc)
    : doc_(doc), header_(artwork::HeaderStrip()), placeholder_(artwork::PlaceholderTile())
{
    for (int i = 0; i < GridSize; ++i)
        ruler_.push_back(artwork::RulerImage(i));
    picture_ = QImage(PictureWidth(0), PictureHeight(0), QImage::Format_RGB32);
    picture_.fill(Qt::white);
}

void MapRenderer::ResizePicture(int lastX, int lastY)
{
    // Existing pixels stay in place; new area starts white.
    QImage resized(PictureWidth(lastX), PictureHeight(lastY), QImage::Format_RGB32);
    resized.fill(Qt::white);
    {
        QPainter p(&resized);
        p.drawImage(0, 0, picture_);
        p.drawImage(0, 0, header_);
    }
    picture_ = std::move(resized);
    if (onResized)
        onResized();
}

void MapRenderer::BeginRedraw()
{
    cache_.BeginBatch();
    batchPainter_ = std::make_unique<QPainter>(&picture_);
}

void MapRenderer::EndRedraw()
{
    batchPainter_.reset();
    cache_.EndBatch();
    Changed(picture_.rect());
}

const MapRenderer::MaskFrames& MapRenderer::FramesOf(const QImage& strip)
{
    const auto found = frames_.find(strip.cacheKey());
    if (found != frames_.end())
        return found->second;
    if (frames_.size() > 256)
        frames_.clear();  // strips replaced on disk leave stale keys behind
    // Parts of a short strip count as "no marker": the tile shows there.
    MaskFrames f{QImage(TileSize, TileSize, QImage::Format_RGB32), QImage(TileSize, TileSize, QImage::Format_RGB32)};
    f.silhouette.fill(Qt::black);
    f.marker.fill(Qt::white);
    QPainter(&f.silhouette).drawImage(0, 0, strip, 64, 0, TileSize, TileSize);
    QPainter(&f.marker).drawImage(0, 0, strip, 32, 0, TileSize, TileSize);
    return frames_.emplace(strip.cacheKey(), std::move(f)).first->second;
}

void MapRenderer::DrawCell(int x, int y)
{
    if (x < 0 || x >= GridSize || y < 0 || y >= GridSize)
        return;
    const CellRectangle r = TTileData::CellRect(x, y);
    const QRect target(r.Left, r.Top, TileSize, TileSize);
    const MapCell c = doc_.Map[x][y];
    const TTileList& e = doc_.Tile[doc_.IndexOfNo(c.Panel)];

    std::unique_ptr<QPainter> own;
    if (!batchPainter_)
        own = std::make_unique<QPainter>(&picture_);
    QPainter& p = batchPainter_ ? *batchPainter_ : *own;
    const QImage* tile = cache_.Get(e.Bmp);
    if (tile && (tile->width() < TileSize || tile->height() < TileSize))
        p.drawImage(target.topLeft(), placeholder_);  // no stale pixels around a small bitmap
    p.drawImage(target.topLeft(), tile ? *tile : placeholder_, QRect(0, 0, TileSize, TileSize));

    // Overlay only for a loaded mask entry; foreign numbers draw nothing.
    const int m = c.Mask;
    if (m >= 1 && m <= doc_.MaskCount && m <= MaxMasks && doc_.MaskShow) {
        if (const QImage* strip = cache_.Get(doc_.Mask[m - 1].Bmp)) {
            const MaskFrames& frames = FramesOf(*strip);
            p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            p.drawImage(target.topLeft(), frames.silhouette);
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            p.drawImage(target.topLeft(), frames.marker);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }

    if (doc_.LineMode) {
        p.setPen(Qt::white);
        p.setBrush(Qt::NoBrush);
        p.drawRect(target.adjusted(0, 0, -1, -1));
    }
    if (own) {
        own.reset();
        Changed(target);
    }
}

void MapRenderer::DrawRuler()
{
    QPainter p(&picture_);
    for (int y = 0; y <= doc_.LastY && y < GridSize; ++y) {
        const int left = (y % 2 == 0) ? 0 : OddRulerLeft(doc_.LastX);
        p.drawImage(left, TileSize * y + TopBand, ruler_[static_cast<size_t>(y)]);
    }
    p.end();
    Changed(picture_.rect());
}

void MapRenderer::Changed(const QRect& r)
{
    if (onChanged)
        onChanged(r);
}
