#pragma once
#include <QImage>
#include <QList>

#include "document/PaletteSink.h"
#include "view/PaletteImage.h"

class QTreeWidget;

// The panel and mask palettes: two image lists and their list views, kept in
// step with the catalogues. Every item gets an image (a placeholder when the
// bitmap is missing), so items and images always stay paired.
class Palette : public PaletteSink {
public:
    Palette(QTreeWidget* buttonView, QTreeWidget* maskView);

    int AppendTileItem(const TTileList& entry) override;
    void ReplaceTileItem(int index, const TTileList& entry) override;
    int DeleteTileItem(int index) override;
    int AppendMaskItem(const TMaskTileList& entry) override;

    // The image of palette item i (a null image when out of range).
    QImage TileImage(int index) const;
    QImage MaskImage(int index) const;
    // The name an item carries (its hidden sub-item text).
    static QString ItemName(QTreeWidget* view, int index);

    // The 32 x 32 palette picture of a bitmap file: its top-left frame.
    static QImage PrepareImage(const std::string& path) { return PaletteTileImage(path); }

private:
    static int Append(QTreeWidget* view, QList<QImage>& images, const std::string& name,
                      const std::string& bmp);

    QTreeWidget* ButtonView;
    QTreeWidget* MaskView;
    QList<QImage> ButtonList;
    QList<QImage> MaskList;
};
