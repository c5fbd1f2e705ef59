#pragma once
#include <QRect>

class QImage;
class QPainter;

// The map view's zoom: the picture stays 1:1, only its view scales.
namespace view_zoom {

inline constexpr int Levels[] = {50, 75, 100, 150, 200};
inline constexpr int Default = 100;

// A stored percentage that is not one of the levels means 100.
int Valid(int percent);
// The next level up or down; the ends stay where they are.
int StepUp(int percent);
int StepDown(int percent);

// The picture pixel under a view pixel (floor of view / zoom), also for
// positions left of or above the picture.
int ToPicture(int viewCoordinate, int percent);
// The view rectangle that shows a picture rectangle (rounded outward).
QRect ToView(const QRect& pictureRect, int percent);

// Draws the part of picture that falls in viewRect, scaled by percent:
// nearest neighbour when enlarging, smooth when reducing. Only the picture
// pixels under viewRect are read.
void Paint(QPainter& painter, const QImage& picture, const QRect& viewRect, int percent);

}  // namespace view_zoom
