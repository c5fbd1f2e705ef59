#include "app/MapPan.h"

#include <QScrollArea>
#include <QScrollBar>

#include "app/MapPicture.h"

void MapPan::Start(int px, int py)
{
    picture->setCursor(Qt::SizeAllCursor);
    active = true;
    startX = px;
    startY = py;
    startH = area->horizontalScrollBar()->value();
    startV = area->verticalScrollBar()->value();
}

void MapPan::Move(int px, int py)
{
    if (!active)
        return;
    // Picture coordinates move with the scroll position, so each event
    // advances the view by the pointer's pull away from the press.
    // Scroll positions count view pixels, the pull counts picture pixels.
    const int zoom = picture->Zoom();
    area->horizontalScrollBar()->setValue((px - startX) * zoom / 100 + startH);
    area->verticalScrollBar()->setValue((py - startY) * zoom / 100 + startV);
}

void MapPan::Stop()
{
    picture->unsetCursor();
    active = false;
    startX = startY = startH = startV = 0;
}
