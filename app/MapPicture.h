#pragma once
#include <QWidget>

class QPainter;

class MapRenderer;

// Drawn over the map picture (the painting tools' preview).
class MapOverlay {
public:
    virtual ~MapOverlay() = default;
    virtual void PaintOverlay(QPainter& painter, const QRect& viewRect, int zoom) = 0;
};

// The picture control of the map: shows the renderer's picture at the view
// zoom and reports mouse events in picture coordinates.
class MapPicture : public QWidget {
    Q_OBJECT
public:
    explicit MapPicture(QWidget* parent = nullptr);
    MapPicture(MapRenderer& renderer, QWidget* parent = nullptr);
    void SetRenderer(MapRenderer& renderer);
    void FitToPicture();

    int Zoom() const { return zoom_; }
    void SetZoom(int percent);
    void SetOverlay(MapOverlay* overlay) { overlay_ = overlay; }
    // A changed picture area, repainted where it shows.
    void UpdatePicture(const QRect& pictureRect);
    // The picture pixel under a point of this widget.
    QPoint ToPicture(QPointF viewPosition) const;
    // The keyboard's cell (picture pixels), outlined while the map has the
    // focus; never part of the map picture.
    void SetKeyCursor(const QRect& pictureRect);

signals:
    void mouseDown(Qt::MouseButton button, QPoint picturePixel);
    void mouseMoved(QPoint picturePixel);
    void mouseUp(Qt::MouseButton button, QPoint picturePixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPointF PointerPosition(const QMouseEvent* event) const;

    MapRenderer* renderer_ = nullptr;
    int zoom_ = 100;
    MapOverlay* overlay_ = nullptr;
    QRect keyCursor_;
};
