#pragma once
#include <QObject>
#include <QPoint>

class MapPicture;
class QComboBox;
class QScrollArea;
class QStatusBar;
class QWidget;

// The zoom of the map view and its controls: Ctrl+wheel around the
// pointer and a small box at the right of the status bar (the keys are
// the window's actions).
class MapZoom : public QObject {
    Q_OBJECT
public:
    MapZoom(QScrollArea* area, MapPicture* picture, QStatusBar* bar, QWidget* window);

    int Percent() const;
    // Keeps the picture point at the middle of the view where it is.
    void Set(int percent);
    // Keeps the picture point under anchor (viewport coordinates) in place.
    void SetAround(int percent, QPointF anchor);
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();

    QComboBox* Box = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowInBox();

    QScrollArea* area_;
    MapPicture* picture_;
    int wheelRest_ = 0;  // wheel travel short of one step
};
