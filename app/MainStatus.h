#pragma once
// What the main window's status bar says about the map: the cell under the
// pointer, a recovery copy that cannot be written or read, and what the
// last operation changed in the figures.
#include <QObject>

class LiveFigures;
class MapSession;
class QLabel;
class QStatusBar;
class TTileData;

class MainStatus : public QObject {
    Q_OBJECT
public:
    // `cell`: the panels for the cell's place and its panel; `figures`: the
    // figure change line. The status bar owns the labels.
    MainStatus(QStatusBar* bar, QLabel* cellPlace, QLabel* cellPanel, QLabel* figures, MapSession& session,
               LiveFigures& live);

    // The cell under the pointer, or nothing when it is off the map.
    void ShowCursor(const TTileData& doc);
    // Recovery copies an earlier run left that could not be read.
    void ShowUnreadableCopies(const QStringList& problems);

private:
    QStatusBar* bar;
    QLabel* cellPlace;
    QLabel* cellPanel;
    QLabel* figures;
};
