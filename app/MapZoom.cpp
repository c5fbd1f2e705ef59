#include "app/MapZoom.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QWheelEvent>
#include <cmath>

#include "app/MapPicture.h"
#include "view/ViewZoom.h"

MapZoom::MapZoom(QScrollArea* area, MapPicture* picture, QStatusBar* bar, QWidget* window)
    : QObject(window), area_(area), picture_(picture)
{
    Box = new QComboBox;
    Box->setAccessibleName(QCoreApplication::translate("MapZoom", "表示倍率"));
    Box->setFocusPolicy(Qt::NoFocus);  // the map's keys stay with the window
    for (int level : view_zoom::Levels)
        Box->addItem(QStringLiteral("%1%").arg(level), level);
    Box->setToolTip(QCoreApplication::translate("MapZoom", "表示倍率"));
    bar->addPermanentWidget(Box);
    ShowInBox();
    connect(Box, &QComboBox::activated, this, [this](int index) { Set(Box->itemData(index).toInt()); });

    // The picture and the viewport around it (a map smaller than the view).
    picture_->installEventFilter(this);
    area_->viewport()->installEventFilter(this);
}

void MapZoom::ZoomIn()
{
    Set(view_zoom::StepUp(Percent()));
}

void MapZoom::ZoomOut()
{
    Set(view_zoom::StepDown(Percent()));
}

void MapZoom::ZoomReset()
{
    Set(view_zoom::Default);
}

int MapZoom::Percent() const
{
    return picture_->Zoom();
}

void MapZoom::Set(int percent)
{
    SetAround(percent, QRectF(area_->viewport()->rect()).center());
}

void MapZoom::SetAround(int percent, QPointF anchor)
{
    const int before = Percent();
    const QPointF inView = anchor - QPointF(picture_->pos());  // before the resize moves it
    picture_->SetZoom(percent);
    const int after = Percent();
    ShowInBox();
    if (after == before)
        return;
    // Scroll so that the same picture point lies under the anchor again.
    const QPointF underAnchor = inView * after / before;
    area_->horizontalScrollBar()->setValue(static_cast<int>(std::lround(underAnchor.x() - anchor.x())));
    area_->verticalScrollBar()->setValue(static_cast<int>(std::lround(underAnchor.y() - anchor.y())));
}

bool MapZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // One level per notch; smooth wheels add up to a notch first.
    wheelRest_ += wheel->angleDelta().y();
    int percent = Percent();
    for (; wheelRest_ >= 120; wheelRest_ -= 120)
        percent = view_zoom::StepUp(percent);
    for (; wheelRest_ <= -120; wheelRest_ += 120)
        percent = view_zoom::StepDown(percent);
    const QPointF inViewport = watched == picture_ ? wheel->position() + QPointF(picture_->pos()) : wheel->position();
    SetAround(percent, inViewport);
    return true;
}

void MapZoom::ShowInBox()
{
    const QSignalBlocker quiet(Box);
    Box->setCurrentIndex(Box->findData(Percent()));
}
