#pragma once
#include <QDialog>
#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/CatalogueEditor.h"

class TTileData;
namespace Ui {
class TForm3;
}

// "パネル設定": edits a working copy of the panel catalogue. The caller
// fills it with Open, shows it modally and, on OK, applies Editor().
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    static constexpr int NewEntry = -1;  // SelIndex while a new entry is prepared
    static constexpr int NoEntry = -2;   // SelIndex while no entry is in the fields
    static constexpr int FieldValueLimit = 10000;  // 初期値 and 増加値 bars
    static constexpr int FieldStepLimit = 255;     // a cell's counter is one byte
    static constexpr int FieldCaptionPixels = 16;  // font size of the field captions

    // Resets the dialog and fills the list from the document's catalogue.
    void Open(const TTileData& doc);
    const CatalogueEditor& Editor() const { return Work; }

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
    void SetUpControls();
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

    std::unique_ptr<Ui::TForm3> ui;
    QString pictureFolder;
    int loadedType = 0;  // kept when the type box shows no category
    int keptCode = -1;   // a stored code outside a..z, until the user moves the bar
    std::vector<std::string> openedBmp;  // each catalogue entry's picture at opening
};
