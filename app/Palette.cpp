#include "app/Palette.h"

#include <QFileInfo>
#include <QIcon>
#include <QTreeWidget>


namespace {
constexpr int NameRole = Qt::UserRole;
}

Palette::Palette(QTreeWidget* buttonView, QTreeWidget* maskView)
    : ButtonView(buttonView), MaskView(maskView)
{
}

int Palette::Append(QTreeWidget* view, QList<QImage>& images, const std::string& name,
                    const std::string& bmp)
{
    images.append(PrepareImage(bmp));
    auto* item = new QTreeWidgetItem(view);
    const QString text = QString::fromStdString(name);
    item->setData(0, NameRole, text);
    item->setToolTip(0, text);
    item->setData(0, Qt::AccessibleTextRole, text);
    item->setIcon(0, QIcon(QPixmap::fromImage(images.last())));
    return view->topLevelItemCount();
}

int Palette::AppendTileItem(const TTileList& entry)
{
    return Append(ButtonView, ButtonList, entry.Name, entry.Bmp);
}

int Palette::AppendMaskItem(const TMaskTileList& entry)
{
    return Append(MaskView, MaskList, entry.Name, entry.Bmp);
}

void Palette::ReplaceTileItem(int index, const TTileList& entry)
{
    QTreeWidgetItem* item = ButtonView->topLevelItem(index);
    if (!item)
        return;
    const QString text = QString::fromStdString(entry.Name);
    item->setData(0, NameRole, text);
    item->setToolTip(0, text);
    item->setData(0, Qt::AccessibleTextRole, text);
    // A missing bitmap gets the placeholder rather than keeping the old
    // picture, which after a reorder would belong to another entry.
    ButtonList[index] = PrepareImage(entry.Bmp);
    item->setIcon(0, QIcon(QPixmap::fromImage(ButtonList[index])));
}

int Palette::DeleteTileItem(int index)
{
    if (index >= 0 && index < ButtonView->topLevelItemCount()) {
        delete ButtonView->takeTopLevelItem(index);
        if (index < ButtonList.size())
            ButtonList.removeAt(index);
    }
    return ButtonView->topLevelItemCount();
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
