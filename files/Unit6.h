#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class TTileData;

// The pseudo-map code converter: "Get" writes the map's code into Memo1,
// "Set" rebuilds the map from it.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // The document to convert, what the owner refreshes after "Set", and
    // what it asks before "Set" replaces the map (false: leave it).
    void Attach(TTileData* doc, std::function<void()> afterSet, std::function<bool()> beforeSet = {});

    QLabel* Label1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;  // "コピー"
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;  // trace of "Set", below the visible area

    void SpeedButton1Click();
    void SpeedButton2Click();
    // Puts the code on the clipboard; an empty box is filled first, as "Get" does.
    void SpeedButton3Click();

private:
    TTileData* doc_ = nullptr;
    std::function<void()> afterSet_;
    std::function<bool()> beforeSet_;
};
