#pragma once

// The screen side of the map: implemented by the renderer, attached by the
// main window. Without one the document still does all its data work.
class MapView {
public:
    virtual ~MapView() = default;
    // The shown size changed: resize the picture and draw the header strip.
    virtual void ResizePicture(int lastX, int lastY) = 0;
    virtual void DrawCell(int x, int y) = 0;
    virtual void DrawRuler() = 0;
    // A full redraw starts; the renderer may revalidate its caches once here.
    virtual void BeginRedraw() {}
    virtual void EndRedraw() {}
};
