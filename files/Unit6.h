#pragma once
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

class TTileData;
namespace Ui {
class TForm6;
}

// The pseudo-map code converter: "Get" writes the map's code into Memo1,
// "Set" rebuilds the map from it.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

    // The document "Get" converts.
    void Attach(const TTileData* doc) { doc_ = doc; }
    // Empties the code box: each opening from the main window starts with it empty.
    void ClearCode();
    // The decoder's steps after "Set", below the code.
    void ShowTrace(const std::vector<std::string>& trace);

    void SpeedButton1Click();
    void SpeedButton2Click();
    // Puts the code on the clipboard; an empty box is filled first, as "Get" does.
    void SpeedButton3Click();

signals:
    // "Set": the owner rebuilds the map from the code (or leaves it).
    void setRequested(const QString& code);

private:
    std::unique_ptr<Ui::TForm6> ui;
    const TTileData* doc_ = nullptr;
};
