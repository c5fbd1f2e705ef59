#include "view/ViewZoom.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <vector>

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

// Picture pixels to device pixels as the fraction n / d, with the device
// pixel ratio taken to a thousandth (exact for the usual 1.25, 1.5, 1.75).
struct DeviceRatio {
    long long n, d;
};

DeviceRatio DeviceRatioOf(int percent, double devicePixelRatio)
{
    const long long n = 1LL * percent * std::max(1LL, std::llround(devicePixelRatio * 1000)), d = 100 * 1000;
    const long long g = std::gcd(n, d);
    return {n / g, d / g};
}

// Positions come as device pixels divided by the ratio; the slack keeps a
// product that lands a hair below a whole device pixel in that pixel.
constexpr double Slack = 1e-6;

// The picture drawn device pixel by device pixel over the device pixels
// [x0, x1) x [y0, y1) counted from the widget's origin.
QImage DevicePixels(const QImage& picture, int x0, int y0, int x1, int y1, int percent, double devicePixelRatio)
{
    std::vector<int> column(x1 - x0);
    for (int x = x0; x < x1; ++x)
        column[x - x0] = DeviceToPicture(x, percent, devicePixelRatio);
    const QImage source = picture.depth() == 32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    QImage out(x1 - x0, y1 - y0, source.format());
    int previous = -1;
    for (int y = y0; y < y1; ++y) {
        auto* line = reinterpret_cast<quint32*>(out.scanLine(y - y0));
        const int row = DeviceToPicture(y, percent, devicePixelRatio);
        if (row == previous) {
            std::memcpy(line, out.constScanLine(y - y0 - 1), out.bytesPerLine());
            continue;
        }
        previous = row;
        const auto* in = reinterpret_cast<const quint32*>(source.constScanLine(row));
        for (size_t i = 0; i < column.size(); ++i)
            line[i] = in[column[i]];
    }
    return out;
}

// An enlarged picture on a high-density screen: every device pixel shows
// the picture pixel DeviceToPicture names, never a blend.
void PaintByDevicePixel(QPainter& painter, const QImage& picture, const QRect& viewRect, int percent,
                        double devicePixelRatio)
{
    const QPointF exact = painter.deviceTransform().map(QPointF(0, 0));
    const QPoint origin(DeviceOrigin(exact.x()), DeviceOrigin(exact.y()));
    const int x0 = std::max(0, DevicePixel(viewRect.left(), devicePixelRatio, exact.x()));
    const int y0 = std::max(0, DevicePixel(viewRect.top(), devicePixelRatio, exact.y()));
    const int x1 = std::min(FirstDevicePixel(picture.width(), percent, devicePixelRatio),
                            DevicePixel(viewRect.right() + 1, devicePixelRatio, exact.x()) + 1);
    const int y1 = std::min(FirstDevicePixel(picture.height(), percent, devicePixelRatio),
                            DevicePixel(viewRect.bottom() + 1, devicePixelRatio, exact.y()) + 1);
    if (x1 <= x0 || y1 <= y0)
        return;
    const QImage pixels = DevicePixels(picture, x0, y0, x1, y1, percent, devicePixelRatio);
    // One image pixel per device pixel, placed on whole device pixels.
    const QRectF target((origin.x() + x0 - exact.x()) / devicePixelRatio, (origin.y() + y0 - exact.y()) / devicePixelRatio,
                        pixels.width() / devicePixelRatio, pixels.height() / devicePixelRatio);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, pixels, QRectF(pixels.rect()));
    painter.restore();
}

}  // namespace

int FirstDevicePixel(int picture, int percent, double devicePixelRatio)
{
    const DeviceRatio r = DeviceRatioOf(percent, devicePixelRatio);
    return CeilDiv(picture * r.n, r.d);
}

int DeviceToPicture(int device, int percent, double devicePixelRatio)
{
    const DeviceRatio r = DeviceRatioOf(percent, devicePixelRatio);
    return FloorDiv(device * r.d, r.n);
}

int DeviceOrigin(double deviceOrigin)
{
    // Where the window system's clip of the widget starts (it rounds).
    return static_cast<int>(std::floor(deviceOrigin + 0.5 + Slack));
}

int DevicePixel(double viewPosition, double devicePixelRatio, double deviceOrigin)
{
    return static_cast<int>(std::floor(viewPosition * devicePixelRatio + deviceOrigin + Slack)) - DeviceOrigin(deviceOrigin);
}

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

void Paint(QPainter& painter, const QImage& picture, const QRect& viewRect, int percent, double devicePixelRatio)
{
    if (devicePixelRatio != 1 && percent * devicePixelRatio >= 100)
        return PaintByDevicePixel(painter, picture, viewRect, percent, devicePixelRatio);
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
