#pragma once
#include <QDialog>
#include <QImage>
#include <string>
#include <vector>

#include "dialogs/CatalogueEditor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TTileData;

// "パネル設定": edits a working copy of the panel catalogue. The caller
// fills it with Open, shows it modally and, on OK, applies Editor().
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    static constexpr int NewEntry = -1;  // SelIndex while a new entry is prepared
    static constexpr int NoEntry = -2;   // SelIndex while no entry is in the fields
    static constexpr int FieldValueLimit = 10000;  // 初期値 and 増加値 bars
    static constexpr int FieldStepLimit = 255;     // a cell's counter is one byte
    static constexpr int FieldCaptionPixels = 16;  // font size of the field captions

    // Resets the dialog and fills the list from the document's catalogue.
    void Open(const TTileData& doc);
    const CatalogueEditor& Editor() const { return Work; }

    QTreeWidget* ListView1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;  // ↑
    QToolButton* SpeedButton2 = nullptr;  // ↓
    QToolButton* SpeedButton3 = nullptr;  // 追加
    QToolButton* SpeedButton4 = nullptr;  // 削除
    QToolButton* SpeedButton5 = nullptr;  // 変更
    QToolButton* SpeedButton6 = nullptr;  // 新規作成
    QLabel* FileLabel = nullptr;          // bitmap path of the entry in the fields
    QLabel* Image01 = nullptr;
    QLabel* Label01 = nullptr;
    QScrollBar* ScrollBar01 = nullptr;
    QLabel* Label02 = nullptr;
    QLineEdit* Edit01 = nullptr;
    QLabel* Label03 = nullptr;
    QComboBox* ComboBox01 = nullptr;
    QLabel* Label04 = nullptr;
    QLineEdit* Edit02 = nullptr;
    QCheckBox* CheckBox01 = nullptr;
    QLabel* Label05 = nullptr;
    QScrollBar* ScrollBar02 = nullptr;
    QLabel* Label06 = nullptr;
    QScrollBar* ScrollBar03 = nullptr;
    QLabel* Label07 = nullptr;
    QScrollBar* ScrollBar04 = nullptr;
    QLabel* Label08 = nullptr;
    QScrollBar* ScrollBar05 = nullptr;
    QPushButton* Button1 = nullptr;  // Cancel
    QPushButton* Button2 = nullptr;  // OK

    CatalogueEditor Work;
    int SelIndex = 0;
    bool ListActive = true;
    bool FieldsActive = true;

    void ListView1Change(int row);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void Image01Click();
    void ScrollBar01Change(int position);
    void ScrollBar02Change(int position);
    void ScrollBar03Change(int position);
    void ScrollBar04Change(int position);
    void ScrollBar05Change(int position);
    void FieldEdited();

    // The folder the picture dialog starts in.
    QString PictureFolder() const { return pictureFolder; }

    // OK: pictures chosen outside Image/ are copied there first.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildList();
    void BuildButtons();
    void BuildFields();
    void Connect();
    void ClearFields();
    void BlankFields(int no, int noHighest, bool land, bool open);
    void LoadFields(const TTileList& entry);
    TTileList EntryFromFields() const;
    void AppendRow(const TTileList& entry);
    void WriteRow(int row, const TTileList& entry);
    void SelectRowQuietly(int row);
    void ShowLargestValue();
    void ShowImage(const QImage& image);
    void EnableEditButtons(bool up, bool down, bool add, bool remove, bool change);
    void UpdateNewButton();
    QString ChoosePicture();
    void ShowCode();
    void CopyPicturesIntoImageFolder();

    QString pictureFolder;
    int loadedType = 0;  // kept when the type box shows no category
    int keptCode = -1;   // a stored code outside a..z, until the user moves the bar
    std::vector<std::string> openedBmp;  // each catalogue entry's picture at opening
};
