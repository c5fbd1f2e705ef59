#include "app/MapPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "view/MapRenderer.h"
#include "view/ViewZoom.h"

MapPicture::MapPicture(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

MapPicture::MapPicture(MapRenderer& renderer, QWidget* parent) : MapPicture(parent)
{
    SetRenderer(renderer);
}

void MapPicture::SetRenderer(MapRenderer& renderer)
{
    renderer_ = &renderer;
    FitToPicture();
}

void MapPicture::FitToPicture()
{
    const QSize picture = renderer_ ? renderer_->Picture().size() : QSize();
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
    const QRect view = view_zoom::ToView(pictureRect, zoom_);
    // A fractional ratio rounds the repainted area; a view pixel more on
    // each side holds every device pixel of the change.
    update(devicePixelRatioF() == 1 ? view : view.adjusted(-1, -1, 1, 1));
}

QPoint MapPicture::ToPicture(QPointF viewPosition) const
{
    const double ratio = devicePixelRatioF();
    if (ratio == 1) {
        // The pixel the pointer is in, not the nearest pixel corner.
        const int x = static_cast<int>(std::floor(viewPosition.x()));
        const int y = static_cast<int>(std::floor(viewPosition.y()));
        return {view_zoom::ToPicture(x, zoom_), view_zoom::ToPicture(y, zoom_)};
    }
    // The device pixel the pointer is in, and the picture pixel drawn there.
    const QPointF origin = mapTo(window(), QPointF(0, 0)) * ratio;
    const int x = view_zoom::DevicePixel(viewPosition.x(), ratio, origin.x());
    const int y = view_zoom::DevicePixel(viewPosition.y(), ratio, origin.y());
    return {view_zoom::DeviceToPicture(x, zoom_, ratio), view_zoom::DeviceToPicture(y, zoom_, ratio)};
}

void MapPicture::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    view_zoom::Paint(p, renderer_ ? renderer_->Picture() : QImage(), event->rect(), zoom_, devicePixelRatioF());
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

QPointF MapPicture::PointerPosition(const QMouseEvent* event) const
{
    // The window rounds a widget's position to whole view pixels; the
    // position in the window keeps the device pixel. An event not sent
    // through the window has no such position (it repeats the local one).
    const QPointF exact = event->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
    const QPointF rounded = exact - event->position();
    return std::abs(rounded.x()) <= 0.5 && std::abs(rounded.y()) <= 0.5 ? exact : event->position();
}

void MapPicture::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), ToPicture(PointerPosition(event)));
}

void MapPicture::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(ToPicture(PointerPosition(event)));
}

void MapPicture::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), ToPicture(PointerPosition(event)));
}
