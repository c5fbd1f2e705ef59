#pragma once
#include <QDialog>
#include <QImage>
#include <QList>

class QPushButton;
class QTreeWidget;
class TTileData;

// "個別情報": every catalogue entry with the smallest, largest and total
// value and the number of its cells on the shown map. Display only.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Empties the list and its images and builds them afresh from the map.
    void Fill(const TTileData& doc);

    QTreeWidget* ListView1 = nullptr;
    QList<QImage> ImageList1;  // 32 x 32, one per row, in row order
    QPushButton* Button2 = nullptr;

    static constexpr int ImageIndexRole = Qt::UserRole;
};
