#include "view/ViewZoom.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace view_zoom {

namespace {

int FloorDiv(long long a, long long b)
{
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

int CeilDiv(long long a, long long b)
{
    return -FloorDiv(-a, b);
}

// The zoom as the reduced fraction n / d: a block of d picture pixels shows
// as exactly n view pixels.
struct Ratio {
    int n, d;
};

Ratio RatioOf(int percent)
{
    const int g = std::gcd(percent, 100);
    return {percent / g, 100 / g};
}

}  // namespace

int Valid(int percent)
{
    return std::find(std::begin(Levels), std::end(Levels), percent) != std::end(Levels) ? percent : Default;
}

int StepUp(int percent)
{
    for (int level : Levels)
        if (level > percent)
            return level;
    return std::end(Levels)[-1];
}

int StepDown(int percent)
{
    for (auto it = std::rbegin(Levels); it != std::rend(Levels); ++it)
        if (*it < percent)
            return *it;
    return Levels[0];
}

int ToPicture(int viewCoordinate, int percent)
{
    return FloorDiv(100LL * viewCoordinate, percent);
}

QRect ToView(const QRect& r, int percent)
{
    const int left = FloorDiv(1LL * r.left() * percent, 100);
    const int top = FloorDiv(1LL * r.top() * percent, 100);
    const int right = CeilDiv(1LL * (r.right() + 1) * percent, 100);
    const int bottom = CeilDiv(1LL * (r.bottom() + 1) * percent, 100);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void Paint(QPainter& painter, const QImage& picture, const QRect& viewRect, int percent)
{
    if (percent == 100) {
        painter.drawImage(viewRect, picture, viewRect);
        return;
    }
    // Whole blocks, one block more on each side so that smoothing at the
    // edge of a partial repaint sees the same neighbours as a full one.
    const Ratio z = RatioOf(percent);
    const int x0 = std::max(0, (FloorDiv(viewRect.left(), z.n) - 1) * z.d);
    const int y0 = std::max(0, (FloorDiv(viewRect.top(), z.n) - 1) * z.d);
    const int x1 = std::min(picture.width(), (CeilDiv(viewRect.right() + 1, z.n) + 1) * z.d);
    const int y1 = std::min(picture.height(), (CeilDiv(viewRect.bottom() + 1, z.n) + 1) * z.d);
    if (x1 <= x0 || y1 <= y0)
        return;
    const QRect source(x0, y0, x1 - x0, y1 - y0);
    const QRectF target(1.0 * x0 * z.n / z.d, 1.0 * y0 * z.n / z.d, 1.0 * source.width() * z.n / z.d,
                        1.0 * source.height() * z.n / z.d);
    painter.save();
    painter.setClipRect(viewRect, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, percent < 100);
    painter.drawImage(target, picture, source);
    painter.restore();
}

}  // namespace view_zoom
