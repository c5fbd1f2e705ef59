#pragma once
#include <QImage>
#include <QRect>

// Rectangle copies between 32-bit images, clipped to both images: plain
// copy, OR and AND, and a one-pixel frame. Direct scanline work keeps a
// one-cell redraw close to the cost of the pixels it moves.
namespace pixel_ops {
enum class Op { Copy, Or, And };

// Copies the w x h block at (sx, sy) of src to (dx, dy) of dst. Both images
// must be Format_RGB32.
void Blit(QImage& dst, int dx, int dy, const QImage& src, int sx, int sy, int w, int h, Op op);
void Frame(QImage& dst, const QRect& r, QRgb colour);
}  // namespace pixel_ops
