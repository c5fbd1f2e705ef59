#include "view/MapRenderer.h"

#include <QPainter>

#include "document/File1.h"
#include "view/MapArtwork.h"
#include "view/MapGeometry.h"
#include "view/PixelOps.h"

using namespace geometry;
using pixel_ops::Blit;
using pixel_ops::Frame;
using pixel_ops::Op;

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
    QImage sized(PictureWidth(lastX), PictureHeight(lastY), QImage::Format_RGB32);
    sized.fill(Qt::white);
    {
        QPainter p(&sized);
        p.drawImage(0, 0, picture_);
        p.drawImage(0, 0, header_);
    }
    picture_ = std::move(sized);
    emit resized();
}

void MapRenderer::BeginRedraw()
{
    cache_.BeginBatch();
    batch_ = true;
}

void MapRenderer::EndRedraw()
{
    batch_ = false;
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
    Blit(f.silhouette, 0, 0, strip, 64, 0, TileSize, TileSize, Op::Copy);
    Blit(f.marker, 0, 0, strip, 32, 0, TileSize, TileSize, Op::Copy);
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

    const QImage* tile = cache_.Get(e.Bmp);
    if (tile && (tile->width() < TileSize || tile->height() < TileSize))
        Blit(picture_, r.Left, r.Top, placeholder_, 0, 0, TileSize, TileSize, Op::Copy);  // no stale pixels
    Blit(picture_, r.Left, r.Top, tile ? *tile : placeholder_, 0, 0, TileSize, TileSize, Op::Copy);

    // Overlay only for a loaded mask entry; foreign numbers draw nothing.
    const int m = c.Mask;
    if (m >= 1 && m <= doc_.MaskCount && m <= MaxMasks && doc_.MaskShow) {
        if (const QImage* strip = cache_.Get(doc_.Mask[m - 1].Bmp)) {
            const MaskFrames& frames = FramesOf(*strip);
            Blit(picture_, r.Left, r.Top, frames.silhouette, 0, 0, TileSize, TileSize, Op::Or);
            Blit(picture_, r.Left, r.Top, frames.marker, 0, 0, TileSize, TileSize, Op::And);
        }
    }

    if (doc_.LineMode)
        Frame(picture_, target, qRgb(255, 255, 255));
    if (!batch_)
        Changed(target);
}

void MapRenderer::DrawRuler()
{
    for (int y = 0; y <= doc_.LastY && y < GridSize; ++y) {
        const int left = (y % 2 == 0) ? 0 : OddRulerLeft(doc_.LastX);
        Blit(picture_, left, TileSize * y + TopBand, ruler_[static_cast<size_t>(y)], 0, 0, RulerWidth, TileSize,
             Op::Copy);
    }
    Changed(picture_.rect());
}

void MapRenderer::Changed(const QRect& r)
{
    emit changed(r);
}
