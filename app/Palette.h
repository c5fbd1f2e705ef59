#pragma once
#include <QImage>
#include <QList>
#include <QObject>

#include "view/PaletteImage.h"

class QTreeWidget;
class TTileData;

// The panel and mask palettes: two image lists and their list views, kept in
// step with the catalogues. Every item gets an image (a placeholder when the
// bitmap is missing), so items and images always stay paired.
class Palette : public QObject {
public:
    Palette(QTreeWidget* buttonView, QTreeWidget* maskView);

    // The lists take the document's catalogues: every entry shown afresh,
    // items beyond them gone.
    void Show(const TTileData& doc);

    // The image of palette item i (a null image when out of range).
    QImage TileImage(int index) const;
    QImage MaskImage(int index) const;
    // The name an item carries (its hidden sub-item text).
    static QString ItemName(QTreeWidget* view, int index);

    // The 32 x 32 palette picture of a bitmap file: its top-left frame.
    static QImage PrepareImage(const std::string& path) { return PaletteTileImage(path); }

private:
    // Item `index` of `view` shows the entry, made when the list is shorter.
    static void ShowItem(QTreeWidget* view, QList<QImage>& images, int index, const std::string& name,
                         const std::string& bmp);
    static void Truncate(QTreeWidget* view, QList<QImage>& images, int count);

    QTreeWidget* ButtonView;
    QTreeWidget* MaskView;
    QList<QImage> ButtonList;
    QList<QImage> MaskList;
};
