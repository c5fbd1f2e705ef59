#include "app/WindowFit.h"

#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "view/MapGeometry.h"
#include "view/ViewZoom.h"

WindowFit::WindowFit(QMainWindow* window, QScrollArea* area) : QObject(window), window(window), area(area) {}

void WindowFit::FitToMap(int lastRow, int lastColumn, int zoomPercent)
{
    if (window->isMaximized())
        return;
    // The window's chrome around the map area is measured, not assumed, so
    // the picture just fits on any platform's frame. The whole scroll area
    // is measured: scroll bars shown now must not count as chrome.
    const QRect atFullSize(0, 0, geometry::PictureWidth(lastColumn), geometry::PictureHeight(lastRow));
    const QSize picture = view_zoom::ToView(atFullSize, zoomPercent).size();
    const QSize chrome = window->size() - area->size();
    const QSize wanted = picture + chrome;
    const qreal ratio = window->devicePixelRatioF();
    window->resize(SizeToAsk(wanted.width(), ratio), SizeToAsk(wanted.height(), ratio));
    KeepOnScreen();
    // A window manager frames a new window only after it is shown, and
    // tells the frame's size later still: look again until it is known.
    if (FrameMargins().isNull())
        WatchForFrame();
}

int WindowFit::SizeToAsk(int needed, qreal ratio)
{
    // Qt asks the window manager for sizes in steps of one view pixel in
    // device pixels, rounded (2 at 1.5), and a manager that keeps to the
    // steps rounds the size down: at 1.5, 622 view pixels ask for 933
    // device pixels, get 932 and come back as 621. Ask for the least size
    // that still comes back whole.
    const int step = std::max(1, qRound(ratio));
    for (int ask = needed; ask < needed + 2 * step + 2; ++ask) {
        const int granted = qRound(ask * ratio) / step * step;
        if (qRound(granted / ratio) >= needed)
            return ask;
    }
    return needed + 1;
}

QMargins WindowFit::FrameMargins() const
{
    // Asked of the window system each time: a widget's own idea of its
    // frame is only brought up to date by later events.
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

void WindowFit::KeepOnScreen()
{
    // Never beyond the screen's free area, frame included: the scroll area
    // takes the rest.
    const QRect free = window->screen()->availableGeometry();
    const QMargins frame = FrameMargins();
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    window->resize(window->size().boundedTo(free.size() - frameSize));
    const QRect outer = QRect(window->geometry().topLeft(), window->size()).marginsAdded(frame);
    if (free.contains(outer))
        return;
    const QPoint inside(std::clamp(outer.left(), free.left(), std::max(free.left(), free.right() + 1 - outer.width())),
                        std::clamp(outer.top(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height())));
    // The frame's corner, told to the window system directly: move() would
    // compare it with a frame it has not heard of yet and do nothing.
    if (window->windowHandle())
        window->windowHandle()->setFramePosition(inside);
    else
        window->move(inside);
}

void WindowFit::WatchForFrame()
{
    constexpr int EveryMs = 50, Tries = 60;
    if (!frameWatch) {
        frameWatch = new QTimer(this);
        frameWatch->setInterval(EveryMs);
        connect(frameWatch, &QTimer::timeout, this, [this] {
            if (FrameMargins().isNull() && ++frameChecks < Tries)
                return;
            frameWatch->stop();
            KeepOnScreen();
        });
    }
    frameChecks = 0;
    frameWatch->start();
}
