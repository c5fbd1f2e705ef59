#pragma once
// Dragging the map with the middle button: the view follows the pointer.
class MapPicture;
class QScrollArea;

class MapPan {
public:
    MapPan(QScrollArea* area, MapPicture* picture) : area(area), picture(picture) {}

    // Picture pixels, as the map's mouse events give them.
    void Start(int px, int py);
    void Move(int px, int py);  // nothing unless started
    void Stop();
    bool Active() const { return active; }

private:
    QScrollArea* area;
    MapPicture* picture;
    bool active = false;
    int startX = 0, startY = 0, startH = 0, startV = 0;
};
