#pragma once
#include <QDialog>
#include <memory>

class TTileData;
namespace Ui {
class TForm4;
}

// "System設定": the start-up settings and the three rates of the figures.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    // Shows the tab "設定" and fills every control from the document.
    void Fill(const TTileData& doc);
    // Copies every control back into the document.
    void CopyBack(TTileData& doc) const;

    // A rate in tenths of a percent as the labels show it: 15 -> "1.5".
    static QString PercentText(int tenths);

    void ScrollBar1_1Change(int position);
    void ScrollBar1_2Change(int position);
    void ScrollBar2_1Change(int position);
    void ScrollBar2_2Change(int position);
    void ScrollBar2_3Change(int position);
    void SpeedButton1Click();

private:
    QString ChooseMapFile();

    std::unique_ptr<Ui::TForm4> ui;
    QString browseFolder;
};
