#pragma once
#include <QImage>
#include <QObject>
#include <QRect>
#include <memory>
#include <unordered_map>
#include <vector>

#include "document/MapCell.h"
#include "document/MapChange.h"
#include "view/BitmapCache.h"

class TTileData;

// Draws the document's map into one off-screen picture.
class MapRenderer : public QObject {
    Q_OBJECT
public:
    explicit MapRenderer(const TTileData& doc);

    // Draws what the document changed: its cells in one batch, or, after a
    // new size, map, catalogue or display switch, the whole picture.
    void Show(const MapChange& change);
    // Every shown cell and the ruler.
    void RedrawMap();
    void DrawCell(int x, int y);

    const QImage& Picture() const { return picture_; }
    // One cell as the map would show it holding `cell` (for previews).
    QImage CellImage(MapCell cell);
    BitmapCache& Cache() { return cache_; }

signals:
    // Every changed area of the picture, and a resize.
    void changed(const QRect& pictureRect);
    void resized();

private:
    void ResizePicture(int lastX, int lastY);
    void DrawRuler();
    // Many cells at once: each bitmap file is checked once, and the picture
    // is told about the changes at the end.
    void BeginRedraw();
    void EndRedraw();

    struct MaskFrames {
        QImage silhouette;  // frame 2: white where the marker is
        QImage marker;      // frame 1: the marker on white
    };
    const MaskFrames& FramesOf(const QImage& strip);
    void Compose(QImage& target, int left, int top, MapCell cell);
    void Changed(const QRect& r);
    const QImage* BatchCell(MapCell cell);

    const TTileData& doc_;
    QImage picture_;
    QImage header_;
    QImage placeholder_;
    std::vector<QImage> ruler_;
    BitmapCache cache_;
    bool batch_ = false;  // inside a batch: one change notice at its end
    QRect dirty_;         // what the batch drew so far
    std::unordered_map<qint64, MaskFrames> frames_;
    // Cells composed once in this batch, by panel and mask: the catalogue,
    // the files and the display switches cannot change inside a batch.
    std::unordered_map<int, QImage> batchCells_;
};
