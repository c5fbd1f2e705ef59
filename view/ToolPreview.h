#pragma once
#include <QHash>
#include <QImage>
#include <QRect>
#include <vector>

#include "document/MapCell.h"
#include "view/MapShapes.h"

class MapRenderer;
class QPainter;

// The painting tools' preview over the map view: the cells a line, a
// rectangle or a block would change, drawn as they would look, and the
// outline of the selection. The map picture itself is never touched.
class ToolPreview {
public:
    explicit ToolPreview(MapRenderer& renderer) : renderer_(renderer) {}

    // Takes what to show; answers the picture area whose look changed.
    QRect Set(std::vector<CellEdit> cells, std::vector<map_shapes::Cell> selection);
    void Paint(QPainter& painter, const QRect& viewRect, int zoom);

private:
    QRect Bounds() const;
    const QImage& ImageOf(MapCell cell, int zoom, QSize size);

    MapRenderer& renderer_;
    std::vector<CellEdit> cells_;
    std::vector<map_shapes::Cell> selection_;
    QHash<quint32, QImage> images_;  // by zoom, panel and mask
};
