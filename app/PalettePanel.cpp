#include "app/PalettePanel.h"

#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "app/Palette.h"
#include "document/File1.h"

PalettePanel::PalettePanel(const PalettePanelControls& controls, const Palette& palette, TTileData& doc,
                           const bool& listsReady, QObject* parent)
    : QObject(parent), c_(controls), palette_(palette), doc_(doc), ready_(listsReady)
{
    c_.SpeedButton_1->setEnabled(false);
    c_.SpeedButton_1->setVisible(false);
    c_.SpeedButton_2->setVisible(false);
    connect(c_.SpeedButton_1, &QToolButton::clicked, this, &PalettePanel::SpeedButton_1Click);
    connect(c_.SpeedButton_2, &QToolButton::clicked, this, &PalettePanel::SpeedButton_2Click);
    for (QTreeWidget* view : {c_.ButtonView, c_.MaskView}) {
        const auto change = [this, view](QTreeWidgetItem* item) {
            const int index = view->indexOfTopLevelItem(item);
            view == c_.ButtonView ? ButtonViewChange(index) : MaskViewChange(index);
        };
        connect(view, &QTreeWidget::currentItemChanged, this, change);
        connect(view, &QTreeWidget::itemClicked, this, change);
    }
}

void PalettePanel::ButtonViewChange(int index)
{
    if (index < 0 || index >= c_.ButtonView->topLevelItemCount() || !ready_)
        return;
    doc_.Selected = index;
    ShowPreview(palette_.TileImage(index), Palette::ItemName(c_.ButtonView, index));
    emit activePanelChanged();
}

void PalettePanel::MaskViewChange(int index)
{
    if (index < 0 || index >= c_.MaskView->topLevelItemCount() || !ready_)
        return;
    doc_.Selected = index + MaxTiles;
    ShowPreview(palette_.MaskImage(index), Palette::ItemName(c_.MaskView, index));
    emit activePanelChanged();
}

void PalettePanel::SelectPanel(int index)
{
    c_.ButtonView->setCurrentItem(c_.ButtonView->topLevelItem(index));
    ButtonViewChange(index);
}

void PalettePanel::ShowFirstPanel()
{
    doc_.Selected = 0;
    ShowPreview(palette_.TileImage(0), QString::fromStdString(doc_.Tile[0].Name));
}

void PalettePanel::SpeedButton_1Click()
{
    ShowPalettePage(c_.Notebook1->currentIndex() - 1);
}

void PalettePanel::SpeedButton_2Click()
{
    ShowPalettePage(c_.Notebook1->currentIndex() + 1);
}

void PalettePanel::ShowPalettePage(int page)
{
    page = std::clamp(page, 0, 1);
    c_.SpeedButton_1->setEnabled(page > 0);
    c_.SpeedButton_2->setEnabled(page < 1);
    c_.Notebook1->setCurrentIndex(page);
    c_.Label_1->setText(QString::number(page + 1));
}

void PalettePanel::UpdatePageButtons()
{
    const bool visible = doc_.TileCount > 20;
    c_.SpeedButton_1->setVisible(visible);
    c_.SpeedButton_2->setVisible(visible);
    c_.Notebook1->setCurrentIndex(0);
}

void PalettePanel::ShowPreview(const QImage& image, const QString& name)
{
    c_.Image01->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    c_.Image01->setToolTip(name);
    c_.Image01->setAccessibleName(name);
    c_.Label1_1->setText(name);
}
