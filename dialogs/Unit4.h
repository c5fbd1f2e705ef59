#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QToolButton;
class TTileData;

// "System設定": the start-up settings and the three rates of the figures.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    // Shows the tab "設定" and fills every control from the document.
    void Fill(const TTileData& doc);
    // Copies every control back into the document.
    void CopyBack(TTileData& doc) const;

    // A rate in tenths of a percent as the labels show it: 15 -> "1.5".
    static QString PercentText(int tenths);

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;  // 設定
    QWidget* TabSheet2 = nullptr;  // 情報設定
    QWidget* TabSheet3 = nullptr;  // 編集
    QCheckBox* CheckBox1_1 = nullptr;
    QLabel* Label1_1 = nullptr;
    QScrollBar* ScrollBar1_1 = nullptr;
    QLabel* Label1_2 = nullptr;
    QScrollBar* ScrollBar1_2 = nullptr;
    QCheckBox* CheckBox1_2 = nullptr;
    QCheckBox* CheckBox1_3 = nullptr;
    QLineEdit* Edit1_1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;  // 参照
    QLabel* Label2_1 = nullptr;
    QScrollBar* ScrollBar2_1 = nullptr;
    QLabel* Label2_2 = nullptr;
    QScrollBar* ScrollBar2_2 = nullptr;
    QLabel* Label2_3 = nullptr;
    QScrollBar* ScrollBar2_3 = nullptr;
    QCheckBox* CheckBox3_1 = nullptr;  // 操作単位で元に戻す
    QPushButton* Button1 = nullptr;  // OK
    QPushButton* Button2 = nullptr;  // Cancel

    void ScrollBar1_1Change(int position);
    void ScrollBar1_2Change(int position);
    void ScrollBar2_1Change(int position);
    void ScrollBar2_2Change(int position);
    void ScrollBar2_3Change(int position);
    void SpeedButton1Click();

private:
    void BuildSettingsTab();
    void BuildRatesTab();
    void BuildEditTab();
    QString ChooseMapFile();

    QString browseFolder;
};
