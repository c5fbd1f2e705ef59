#pragma once
#include <QObject>

class Palette;
class QLabel;
class QStackedWidget;
class QToolButton;
class QTreeWidget;
class TTileData;

// The controls of the tab "パネル": the two palette lists on their pages,
// the page buttons and the preview of the active panel or mask.
struct PalettePanelControls {
    QTreeWidget* ButtonView;
    QTreeWidget* MaskView;
    QStackedWidget* Notebook1;
    QToolButton* SpeedButton_1;
    QToolButton* SpeedButton_2;
    QLabel* Label_1;
    QLabel* Image01;
    QLabel* Label1_1;
};

// Choosing in the palettes: what a click on the map places.
class PalettePanel : public QObject {
    Q_OBJECT
public:
    // While `listsReady` is false (the lists being filled or rebuilt) their
    // item changes choose nothing.
    PalettePanel(const PalettePanelControls& controls, const Palette& palette, TTileData& doc,
                 const bool& listsReady, QObject* parent);

    void ButtonViewChange(int index);
    void MaskViewChange(int index);
    void SpeedButton_1Click();
    void SpeedButton_2Click();
    void ShowPalettePage(int page);
    void UpdatePageButtons();
    // Makes panel `index` the active one, in the list and the preview.
    void SelectPanel(int index);
    // The first panel is active; the preview shows it, the lists choose nothing yet.
    void ShowFirstPanel();

signals:
    void activePanelChanged();

private:
    void ShowPreview(const QImage& image, const QString& name);

    PalettePanelControls c_;
    const Palette& palette_;
    TTileData& doc_;
    const bool& ready_;
};
