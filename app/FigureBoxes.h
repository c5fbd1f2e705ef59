#pragma once
// The island figures on the "情報" tab: the document's figures in their
// boxes, greyed once the map changes after them, unless "自動更新" makes
// them follow every change.
#include <QFont>
#include <QObject>
#include <array>

class LiveFigures;
class MapSession;
class QCheckBox;
class QLineEdit;

class FigureBoxes : public QObject {
    Q_OBJECT
public:
    // `boxes`: Edit1 … Edit10 of the tab, 人口 to ミサイル数.
    FigureBoxes(const std::array<QLineEdit*, 10>& boxes, QCheckBox* follow, MapSession& session);

    // The document's figures as they stand.
    void Show();
    void SetStale(bool stale);

    LiveFigures* Live = nullptr;  // the figures following the map

private:
    std::array<QLineEdit*, 10> boxes;
    std::array<QFont, 10> fonts;  // as laid out, before a long number shrank one
    MapSession& session;
};
