#pragma once
#include <QDialog>
#include <QImage>
#include <QList>
#include <memory>

class TTileData;
namespace Ui {
class TForm5;
}

// "個別情報": every catalogue entry with the smallest, largest and total
// value and the number of its cells on the shown map. Display only.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

    // Empties the list and its images and builds them afresh from the map.
    void Fill(const TTileData& doc);

    QList<QImage> ImageList1;  // 32 x 32, one per row, in row order

    static constexpr int ImageIndexRole = Qt::UserRole;

private:
    std::unique_ptr<Ui::TForm5> ui;
};
