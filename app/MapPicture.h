#pragma once
#include <QWidget>
#include <functional>

class MapRenderer;

// The picture control of the map: shows the renderer's picture at its own
// size and reports mouse events in picture coordinates.
class MapPicture : public QWidget {
    Q_OBJECT
public:
    MapPicture(MapRenderer& renderer, QWidget* parent = nullptr);
    void FitToPicture();

    std::function<void(Qt::MouseButton, QPoint)> onMouseDown;
    std::function<void(QPoint)> onMouseMove;
    std::function<void(Qt::MouseButton, QPoint)> onMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    MapRenderer& renderer_;
};
