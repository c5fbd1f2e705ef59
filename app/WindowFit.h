#pragma once
// Sizes a main window so that its map picture just fits, within the
// screen's free area, frame included.
#include <QMargins>
#include <QObject>

class QMainWindow;
class QScrollArea;
class QTimer;

class WindowFit : public QObject {
    Q_OBJECT
public:
    // `area` shows the picture inside `window`.
    WindowFit(QMainWindow* window, QScrollArea* area);

    // The picture of a map with these last row and column, at `zoomPercent`.
    void FitToMap(int lastRow, int lastColumn, int zoomPercent);

    // The size in view pixels to ask for so that at least `needed` comes
    // back from the window system on a screen of this device pixel ratio.
    static int SizeToAsk(int needed, qreal ratio);

private:
    void KeepOnScreen();
    QMargins FrameMargins() const;
    void WatchForFrame();

    QMainWindow* window;
    QScrollArea* area;
    QTimer* frameWatch = nullptr;  // a fit waits for the frame to be known
    int frameChecks = 0;
};
