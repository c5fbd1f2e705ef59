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

// On a screen of devicePixelRatio device pixels per view pixel, picture
// pixel p covers the device pixels from FirstDevicePixel(p) up to
// FirstDevicePixel(p + 1) - 1, and DeviceToPicture tells which picture
// pixel a device pixel shows. Drawing and the pointer both use these, so
// every device pixel of a cell edits that cell.
int FirstDevicePixel(int picture, int percent, double devicePixelRatio);
int DeviceToPicture(int device, int percent, double devicePixelRatio);

// Draws the part of picture that falls in viewRect, scaled by percent:
// nearest neighbour when enlarging, smooth when reducing. Only the picture
// pixels under viewRect are read. On a high-density screen an enlarged
// picture is drawn device pixel by device pixel (see DeviceToPicture).
void Paint(QPainter& painter, const QImage& picture, const QRect& viewRect, int percent,
           double devicePixelRatio = 1);

// The device pixel of a paint device that a widget's origin falls on, and
// the one a position in it lies in (positions are fractional view pixels
// from the same origin, deviceOrigin the origin's exact device position).
int DeviceOrigin(double deviceOrigin);
int DevicePixel(double viewPosition, double devicePixelRatio, double deviceOrigin);

}  // namespace view_zoom
