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

void MapRenderer::Show(const MapChange& change)
{
    if (change.Size)
        ResizePicture(doc_.LastX, doc_.LastY);
    if (change.WholePicture()) {
        RedrawMap();
        return;
    }
    if (change.Cells.size() == 1) {
        DrawCell(change.Cells[0].X, change.Cells[0].Y);
        return;
    }
    if (change.Cells.empty())
        return;
    BeginRedraw();
    for (const CellPlace& c : change.Cells)
        DrawCell(c.X, c.Y);
    EndRedraw();
}

void MapRenderer::RedrawMap()
{
    BeginRedraw();
    for (int x = 0; x <= doc_.LastX && x < GridSize; ++x)
        for (int y = 0; y <= doc_.LastY && y < GridSize; ++y)
            DrawCell(x, y);
    EndRedraw();
    DrawRuler();
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
    batchCells_.clear();
}

void MapRenderer::EndRedraw()
{
    batch_ = false;
    batchCells_.clear();
    cache_.EndBatch();
    // Only the cells drawn: a tool's operation of a few cells repaints those.
    if (!dirty_.isNull())
        Changed(dirty_);
    dirty_ = QRect();
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
    const MapCell cell = doc_.Map[x][y];
    if (!batch_) {
        Compose(picture_, r.Left, r.Top, cell);
        Changed(target);
        return;
    }
    // Compose covers the whole cell, so a copy of an equal cell is the same.
    if (const QImage* composed = BatchCell(cell))
        Blit(picture_, r.Left, r.Top, *composed, 0, 0, TileSize, TileSize, Op::Copy);
    else
        Compose(picture_, r.Left, r.Top, cell);
    dirty_ |= target;
}

const QImage* MapRenderer::BatchCell(MapCell cell)
{
    const int key = cell.Panel << 8 | cell.Mask;
    const auto found = batchCells_.find(key);
    if (found != batchCells_.end())
        return &found->second;
    // A map of all different cells gains nothing from copies; keep it small.
    if (batchCells_.size() >= 64)
        return nullptr;
    return &batchCells_.emplace(key, CellImage(cell)).first->second;
}

QImage MapRenderer::CellImage(MapCell cell)
{
    QImage image(TileSize, TileSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    Compose(image, 0, 0, cell);
    return image;
}

void MapRenderer::Compose(QImage& target, int left, int top, MapCell c)
{
    const TTileList& e = doc_.Tile[doc_.IndexOfNo(c.Panel)];
    const QImage* tile = cache_.Get(e.Bmp);
    if (tile && (tile->width() < TileSize || tile->height() < TileSize))
        Blit(target, left, top, placeholder_, 0, 0, TileSize, TileSize, Op::Copy);  // no stale pixels
    Blit(target, left, top, tile ? *tile : placeholder_, 0, 0, TileSize, TileSize, Op::Copy);

    // Overlay only for a loaded mask entry; foreign numbers draw nothing.
    const int m = c.Mask;
    if (m >= 1 && m <= doc_.MaskCount && m <= MaxMasks && doc_.MaskShow) {
        if (const QImage* strip = cache_.Get(doc_.Mask[m - 1].Bmp)) {
            const MaskFrames& frames = FramesOf(*strip);
            Blit(target, left, top, frames.silhouette, 0, 0, TileSize, TileSize, Op::Or);
            Blit(target, left, top, frames.marker, 0, 0, TileSize, TileSize, Op::And);
        }
    }

    if (doc_.LineMode)
        Frame(target, QRect(left, top, TileSize, TileSize), qRgb(255, 255, 255));
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
