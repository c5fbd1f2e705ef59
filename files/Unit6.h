#pragma once
#include <QDialog>
#include <string>
#include <vector>

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

    // The document "Get" converts.
    void Attach(const TTileData* doc) { doc_ = doc; }
    // The decoder's steps after "Set", below the code.
    void ShowTrace(const std::vector<std::string>& trace);

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

signals:
    // "Set": the owner rebuilds the map from the code (or leaves it).
    void setRequested(const QString& code);

private:
    const TTileData* doc_ = nullptr;
};
