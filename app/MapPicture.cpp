#include "app/MapPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "view/MapRenderer.h"
#include "view/ViewZoom.h"

MapPicture::MapPicture(MapRenderer& renderer, QWidget* parent) : QWidget(parent), renderer_(renderer)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FitToPicture();
}

void MapPicture::FitToPicture()
{
    const QSize picture = renderer_.Picture().size();
    setFixedSize(picture.isEmpty() ? picture : view_zoom::ToView(QRect(QPoint(0, 0), picture), zoom_).size());
}

void MapPicture::SetZoom(int percent)
{
    percent = view_zoom::Valid(percent);
    if (percent == zoom_)
        return;
    zoom_ = percent;
    FitToPicture();
    update();
}

void MapPicture::UpdatePicture(const QRect& pictureRect)
{
    update(view_zoom::ToView(pictureRect, zoom_));
}

QPoint MapPicture::ToPicture(QPointF viewPosition) const
{
    // The pixel the pointer is in, not the nearest pixel corner.
    const int x = static_cast<int>(std::floor(viewPosition.x()));
    const int y = static_cast<int>(std::floor(viewPosition.y()));
    return {view_zoom::ToPicture(x, zoom_), view_zoom::ToPicture(y, zoom_)};
}

void MapPicture::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    view_zoom::Paint(p, renderer_.Picture(), event->rect(), zoom_);
    if (overlay_)
        overlay_->PaintOverlay(p, event->rect(), zoom_);
    if (!keyCursor_.isNull() && hasFocus()) {
        const QRect cell = view_zoom::ToView(keyCursor_, zoom_);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(cell.adjusted(1, 1, -2, -2));
        p.setPen(QPen(Qt::yellow, 1));
        p.drawRect(cell.adjusted(1, 1, -2, -2));
    }
}

void MapPicture::SetKeyCursor(const QRect& pictureRect)
{
    if (!keyCursor_.isNull())
        UpdatePicture(keyCursor_);
    keyCursor_ = pictureRect;
    UpdatePicture(keyCursor_);
}

void MapPicture::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (!keyCursor_.isNull())
        UpdatePicture(keyCursor_);
}

void MapPicture::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (!keyCursor_.isNull())
        UpdatePicture(keyCursor_);
}

void MapPicture::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), ToPicture(event->position()));
}

void MapPicture::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(ToPicture(event->position()));
}

void MapPicture::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), ToPicture(event->position()));
}
