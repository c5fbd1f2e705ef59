#pragma once
#include <QObject>
#include <QPoint>
#include <optional>

#include "document/File1.h"

class MapPicture;
class MapTools;
class QScrollArea;

// The map by keyboard alone: a cell cursor that the arrow keys move over
// the staggered grid (Home and End to the row's ends, Page Up and Page Down
// to the map's top and bottom rows), and Space or Enter that applies the
// active tool there as the left button would (Shift+Space: the right
// button). The line, rectangle and select tools take two presses, the
// start and the end. What the keys do reaches the window as the mouse's
// press, move and release at the cell's centre, so both take one path.
class MapKeyCursor : public QObject {
    Q_OBJECT
public:
    enum class Move { Left, Right, Up, Down, RowStart, RowEnd, Top, Bottom };
    // The cell a key moves the cursor to, always on the shown map.
    static QPoint Step(const TTileData& doc, QPoint cell, Move move);

    MapKeyCursor(const TTileData& doc, MapPicture* picture, QScrollArea* area, const MapTools& tools);
    // Empty until a key moved it.
    std::optional<QPoint> Cell() const { return cell_; }
    // "(3,7) 町 5000人": the cell under the cursor, as the status bar says it.
    QString Describe() const;

signals:
    void pointAt(QPoint picturePixel);
    void press(Qt::MouseButton button, QPoint picturePixel);
    void release(Qt::MouseButton button, QPoint picturePixel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Key(int key, Qt::KeyboardModifiers modifiers);
    void MoveTo(QPoint cell);
    void Apply(Qt::MouseButton button);
    QPoint Centre() const;
    void Show();

    const TTileData& doc_;
    MapPicture* picture_;
    QScrollArea* area_;
    const MapTools& tools_;
    std::optional<QPoint> cell_;
    std::optional<Qt::MouseButton> held_;  // a two-press tool's first press
};
