#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class TForm2;
}

// "サイズ設定": rows and columns of the shown map. Created once and never
// refilled, so it opens with the positions it was last left at; the close
// box cancels.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    void ScrollBar1Change();
    void ScrollBar2Change();
    // Asks; false when cancelled, else the last row and column chosen.
    bool AskSize(int& lastRow, int& lastColumn);

protected:
    // Escape does not cancel: at start-up a cancel ends the program.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TForm2> ui;
};
