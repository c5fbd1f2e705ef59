#include "app/ToolbarIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using Glyph = std::function<void(QPainter&)>;
constexpr int GlyphSize = 16;  // the glyphs' own coordinates

// Draws a glyph afresh for every size and device pixel ratio asked for, so
// it stays sharp on any screen; at 16 x 16 on a plain screen it gives the
// very pixels a 16 x 16 pixmap of it would.
class GlyphEngine : public QIconEngine {
public:
    explicit GlyphEngine(Glyph glyph) : glyph(std::move(glyph)) {}

    QIconEngine* clone() const override { return new GlyphEngine(glyph); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QSize(GlyphSize, GlyphSize).boundedTo(size);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1);
    }

    // size counts device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const int side = std::min({size.width(), size.height(), static_cast<int>(std::ceil(GlyphSize * scale))});
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        {
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(side / qreal(GlyphSize), side / qreal(GlyphSize));
            glyph(p);
        }
        // Greyed or highlighted as the style shows any icon in that mode.
        if (mode != QIcon::Normal && QApplication::style()) {
            QStyleOption option;
            option.palette = QApplication::palette();
            const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            if (!styled.isNull())
                pixmap = styled;
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

private:
    Glyph glyph;
};

QIcon Draw(const Glyph& paint)
{
    return QIcon(new GlyphEngine(paint));
}

void Arrow(QPainter& p, bool right)
{
    p.setPen(QPen(QColor(30, 60, 140), 2));
    QPainterPath path;
    path.moveTo(right ? 3 : 13, 11);
    path.cubicTo(right ? 3 : 13, 4, right ? 12 : 4, 4, right ? 12 : 4, 8);
    p.drawPath(path);
    p.setBrush(QColor(30, 60, 140));
    const int tip = right ? 12 : 4;
    const QPoint head[] = {{tip - 4, 7}, {tip + 4, 7}, {tip, 12}};
    p.drawPolygon(head, 3);
}

void Cross(QPainter& p)
{
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.drawLine(9, 9, 15, 15);
    p.drawLine(15, 9, 9, 15);
}

}  // namespace

namespace toolbar_icons {

QIcon Undo() { return Draw([](QPainter& p) { Arrow(p, false); }); }
QIcon Redo() { return Draw([](QPainter& p) { Arrow(p, true); }); }

QIcon ClearPanels()
{
    return Draw([](QPainter& p) {
        p.fillRect(1, 1, 11, 11, QColor(60, 150, 70));
        Cross(p);
    });
}

QIcon ClearMasks()
{
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(220, 40, 40), 2));
        p.drawEllipse(2, 2, 9, 9);
        Cross(p);
    });
}

QIcon ClearAll()
{
    return Draw([](QPainter& p) {
        p.fillRect(1, 1, 11, 11, QColor(60, 150, 70));
        p.setPen(QPen(QColor(240, 220, 40), 2));
        p.drawEllipse(3, 3, 7, 7);
        Cross(p);
    });
}

QIcon Lines()
{
    return Draw([](QPainter& p) {
        p.fillRect(0, 0, 16, 16, QColor(40, 90, 160));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(1, 1, 6, 6);
        p.drawRect(8, 1, 6, 6);
        p.drawRect(4, 8, 6, 6);
    });
}

QIcon ClickTool()
{
    return Draw([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        const QPoint pointer[] = {{3, 1}, {3, 13}, {6, 10}, {9, 15}, {11, 14}, {8, 9}, {12, 9}};
        p.drawPolygon(pointer, 7);
    });
}

QIcon BrushTool()
{
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(140, 90, 40), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(14, 2, 7, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 150, 70));
        p.drawEllipse(2, 9, 7, 6);
    });
}

QIcon LineTool()
{
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(60, 150, 70), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(2, 14, 14, 2);
    });
}

QIcon RectTool()
{
    return Draw([](QPainter& p) {
        p.fillRect(2, 3, 12, 10, QColor(60, 150, 70));
        p.setPen(QPen(QColor(30, 90, 40), 1));
        p.drawRect(2, 3, 12, 10);
    });
}

QIcon FillTool()
{
    return Draw([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(220, 220, 220));
        const QPoint bucket[] = {{2, 7}, {8, 1}, {14, 7}, {8, 13}};
        p.drawPolygon(bucket, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 200));
        p.drawEllipse(11, 10, 4, 5);
    });
}

QIcon SelectTool()
{
    return Draw([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(2, 2, 12, 12);
    });
}

}  // namespace toolbar_icons
