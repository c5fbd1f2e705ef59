#include "app/Palette.h"

#include <QIcon>
#include <QTreeWidget>
#include <algorithm>

#include "document/File1.h"

namespace {
constexpr int NameRole = Qt::UserRole;
}

Palette::Palette(QTreeWidget* buttonView, QTreeWidget* maskView)
    : ButtonView(buttonView), MaskView(maskView)
{
}

void Palette::Show(const TTileData& doc)
{
    const int tiles = std::clamp(doc.TileCount, 0, MaxTiles);
    const int masks = std::clamp(doc.MaskCount, 0, MaxMasks);
    for (int i = 0; i < tiles; ++i)
        ShowItem(ButtonView, ButtonList, i, doc.Tile[i].Name, doc.Tile[i].Bmp);
    Truncate(ButtonView, ButtonList, tiles);
    for (int i = 0; i < masks; ++i)
        ShowItem(MaskView, MaskList, i, doc.Mask[i].Name, doc.Mask[i].Bmp);
    Truncate(MaskView, MaskList, masks);
}

void Palette::ShowItem(QTreeWidget* view, QList<QImage>& images, int index, const std::string& name,
                       const std::string& bmp)
{
    QTreeWidgetItem* item = view->topLevelItem(index);
    // A missing bitmap gets the placeholder rather than keeping the old
    // picture, which after a reorder would belong to another entry.
    if (item) {
        images[index] = PrepareImage(bmp);
    } else {
        item = new QTreeWidgetItem(view);
        images.append(PrepareImage(bmp));
    }
    const QString text = QString::fromStdString(name);
    item->setData(0, NameRole, text);
    item->setToolTip(0, text);
    item->setData(0, Qt::AccessibleTextRole, text);
    item->setIcon(0, QIcon(QPixmap::fromImage(images[index])));
}

void Palette::Truncate(QTreeWidget* view, QList<QImage>& images, int count)
{
    while (view->topLevelItemCount() > count)
        delete view->takeTopLevelItem(view->topLevelItemCount() - 1);
    images.resize(std::min<qsizetype>(images.size(), count));
}

QImage Palette::TileImage(int index) const
{
    return index >= 0 && index < ButtonList.size() ? ButtonList[index] : QImage();
}

QImage Palette::MaskImage(int index) const
{
    return index >= 0 && index < MaskList.size() ? MaskList[index] : QImage();
}

QString Palette::ItemName(QTreeWidget* view, int index)
{
    QTreeWidgetItem* item = view->topLevelItem(index);
    return item ? item->data(0, NameRole).toString() : QString();
}
