#pragma once
#include <QImage>
#include <QObject>
#include <QRect>
#include <memory>
#include <unordered_map>
#include <vector>

#include "document/MapView.h"
#include "view/BitmapCache.h"

class TTileData;

// Draws the document's map into one off-screen picture.
class MapRenderer : public QObject, public MapView {
    Q_OBJECT
public:
    explicit MapRenderer(const TTileData& doc);

    void ResizePicture(int lastX, int lastY) override;
    void DrawCell(int x, int y) override;
    void DrawRuler() override;
    void BeginRedraw() override;
    void EndRedraw() override;

    const QImage& Picture() const { return picture_; }
    BitmapCache& Cache() { return cache_; }

signals:
    // Every changed area of the picture, and a resize.
    void changed(const QRect& pictureRect);
    void resized();

private:
    struct MaskFrames {
        QImage silhouette;  // frame 2: white where the marker is
        QImage marker;      // frame 1: the marker on white
    };
    const MaskFrames& FramesOf(const QImage& strip);
    void Changed(const QRect& r);

    const TTileData& doc_;
    QImage picture_;
    QImage header_;
    QImage placeholder_;
    std::vector<QImage> ruler_;
    BitmapCache cache_;
    bool batch_ = false;  // inside a full redraw: one change notice at its end
    std::unordered_map<qint64, MaskFrames> frames_;
};
