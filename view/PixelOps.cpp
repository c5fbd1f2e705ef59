#include "view/PixelOps.h"

#include <algorithm>
#include <cstring>

namespace pixel_ops {

void Blit(QImage& dst, int dx, int dy, const QImage& src, int sx, int sy, int w, int h, Op op)
{
    // Clip the source block to the source, then the target to the target.
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    w = std::min(w, src.width() - sx);
    h = std::min(h, src.height() - sy);
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min(w, dst.width() - dx);
    h = std::min(h, dst.height() - dy);
    if (w <= 0 || h <= 0)
        return;
    // Bits and strides once: scanLine() checks for sharing on every call.
    const qsizetype srcStride = src.bytesPerLine() / qsizetype(sizeof(QRgb));
    const qsizetype dstStride = dst.bytesPerLine() / qsizetype(sizeof(QRgb));
    const QRgb* const fromBits = reinterpret_cast<const QRgb*>(src.constBits());
    QRgb* const toBits = reinterpret_cast<QRgb*>(dst.bits());
    for (int row = 0; row < h; ++row) {
        const QRgb* from = fromBits + (sy + row) * srcStride + sx;
        QRgb* to = toBits + (dy + row) * dstStride + dx;
        switch (op) {
        case Op::Copy:
            std::memcpy(to, from, sizeof(QRgb) * static_cast<size_t>(w));
            break;
        case Op::Or:
            for (int i = 0; i < w; ++i)
                to[i] |= from[i];
            break;
        case Op::And:
            for (int i = 0; i < w; ++i)
                to[i] &= from[i] | 0xFF000000u;
            break;
        }
    }
}

void Frame(QImage& dst, const QRect& r, QRgb colour)
{
    const QRect clip = r & dst.rect();
    if (clip.isEmpty())
        return;
    auto put = [&](int x, int y) {
        if (clip.contains(x, y))
            reinterpret_cast<QRgb*>(dst.scanLine(y))[x] = colour;
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        put(x, r.top());
        put(x, r.bottom());
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        put(r.left(), y);
        put(r.right(), y);
    }
}

}  // namespace pixel_ops
