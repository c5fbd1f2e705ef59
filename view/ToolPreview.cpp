#include "view/ToolPreview.h"

#include <QPainter>

#include "document/File1.h"
#include "view/MapGeometry.h"
#include "view/MapRenderer.h"
#include "view/ViewZoom.h"

namespace {

QRect PictureRect(int x, int y)
{
    const CellRectangle r = TTileData::CellRect(x, y);
    return {r.Left, r.Top, geometry::TileSize, geometry::TileSize};
}

}  // namespace

QRect ToolPreview::Set(std::vector<CellEdit> cells, std::vector<map_shapes::Cell> selection)
{
    if (cells == cells_ && selection == selection_)
        return {};
    const QRect before = Bounds();
    cells_ = std::move(cells);
    selection_ = std::move(selection);
    if (cells_.empty())
        images_.clear();  // the next preview reads the bitmaps afresh
    return before | Bounds();
}

QRect ToolPreview::Bounds() const
{
    QRect r;
    for (const CellEdit& c : cells_)
        r |= PictureRect(c.X, c.Y);
    for (const map_shapes::Cell& c : selection_)
        r |= PictureRect(c.X, c.Y);
    return r;
}

const QImage& ToolPreview::ImageOf(MapCell cell, int zoom, QSize size)
{
    // The counter does not change a cell's look. Scaled once per zoom: the
    // preview follows the pointer, and a scaled draw with opacity is slow.
    const quint32 key = (quint32(zoom) << 16) | (quint32{cell.Panel} << 8) | cell.Mask;
    auto found = images_.find(key);
    if (found == images_.end()) {
        QImage image = renderer_.CellImage(cell);
        if (image.size() != size)
            image = image.scaled(size, Qt::IgnoreAspectRatio, zoom < 100 ? Qt::SmoothTransformation : Qt::FastTransformation);
        found = images_.insert(key, image);
    }
    return *found;
}

void ToolPreview::Paint(QPainter& painter, const QRect& viewRect, int zoom)
{
    painter.save();
    for (const CellEdit& c : cells_) {
        const QRect view = view_zoom::ToView(PictureRect(c.X, c.Y), zoom);
        if (!view.intersects(viewRect))
            continue;
        painter.setOpacity(0.8);
        painter.drawImage(view.topLeft(), ImageOf(c.Cell, zoom, view.size()));
        painter.setOpacity(1.0);
        painter.setPen(QColor(255, 220, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(view.adjusted(0, 0, -1, -1));
    }
    // The selection: each row's run of cells tinted and framed.
    painter.setPen(QPen(QColor(20, 60, 220), 2));
    painter.setBrush(QColor(40, 110, 255, 60));
    for (size_t i = 0; i < selection_.size();) {
        size_t j = i + 1;
        while (j < selection_.size() && selection_[j].Y == selection_[i].Y)
            ++j;
        const QRect row = PictureRect(selection_[i].X, selection_[i].Y) | PictureRect(selection_[j - 1].X, selection_[j - 1].Y);
        const QRect view = view_zoom::ToView(row, zoom);
        if (view.intersects(viewRect))
            painter.drawRect(view.adjusted(1, 1, -1, -1));
        i = j;
    }
    painter.restore();
}
