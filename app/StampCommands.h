#pragma once
#include <QObject>
#include <QString>

class MapFileDialogs;
class MapSession;
class MapTools;
class QAction;
class QStatusBar;
class QTabWidget;
class StampTab;
struct Stamp;

// What the tab "スタンプ" asks of the map: a stamp floats under the pointer,
// its panels the catalogue lacks told and left out; a whole island opens as
// a new map after the unsaved question; the selection is saved as a stamp.
class StampCommands : public QObject {
    Q_OBJECT
public:
    // folder: Stamps/ beside isplan.ini, listed when `tab` is first shown
    // in `tabs`; `save` is the command "選択範囲をスタンプに".
    StampCommands(MapSession& session, MapTools& tools, MapFileDialogs& files, StampTab& tab, QTabWidget* tabs,
                  QAction* save, QStatusBar* status, const QString& folder);

    void PlaceStamp(const Stamp& stamp);
    void OpenStampAsMap(const Stamp& stamp);
    void SaveSelectionAsStamp();

signals:
    void mapSizeChanged();

private:
    void ListOnce();

    MapSession& session_;
    MapTools& tools_;
    MapFileDialogs& files_;
    StampTab& tab_;
    QStatusBar* status_;
    QString folder_;
};
