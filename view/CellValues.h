#pragma once
// The cells' counters drawn over the map: a view option of the window and
// of `ispln-cli render --values`, never part of the map picture itself.
#include <QRect>

class QPainter;
class TTileData;

// Each shown cell's counter above 0, at the lower right of its tile, as
// the view shows the picture at `zoom` percent; only cells meeting
// `viewRect` are drawn.
void DrawCellValues(QPainter& painter, const TTileData& doc, const QRect& viewRect, int zoom);
