#include "app/MapPicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "view/MapRenderer.h"

MapPicture::MapPicture(MapRenderer& renderer, QWidget* parent) : QWidget(parent), renderer_(renderer)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FitToPicture();
}

void MapPicture::FitToPicture()
{
    setFixedSize(renderer_.Picture().size());
}

void MapPicture::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawImage(event->rect(), renderer_.Picture(), event->rect());
}

void MapPicture::mousePressEvent(QMouseEvent* event)
{
    if (onMouseDown)
        onMouseDown(event->button(), event->position().toPoint());
}

void MapPicture::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event->position().toPoint());
}

void MapPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (onMouseUp)
        onMouseUp(event->button(), event->position().toPoint());
}
