#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;

// "サイズ設定": rows and columns of the shown map. Created once and never
// refilled, so it opens with the positions it was last left at; the close
// box cancels.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;         // "Y = n"
    QLabel* Label3 = nullptr;         // "X = n"
    QScrollBar* ScrollBar1 = nullptr; // rows, 12..30
    QScrollBar* ScrollBar2 = nullptr; // columns, 12..30
    QPushButton* Button1 = nullptr;   // "OK"

    void ScrollBar1Change();
    void ScrollBar2Change();
    // Asks; false when cancelled, else the last row and column chosen.
    bool AskSize(int& lastRow, int& lastColumn);

protected:
    // Escape does not cancel: at start-up a cancel ends the program.
    void keyPressEvent(QKeyEvent* event) override;
};
