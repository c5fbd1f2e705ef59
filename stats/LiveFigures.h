#pragma once
// Figures that follow the map: while on, recomputed after every change of
// the map, the catalogue or the rates, and what each operation changed as
// the status bar's text. Widget-free; the window shows what it announces.
#include <QObject>
#include <QString>

#include "document/IslandStats.h"

class MapSession;
class TTileData;
struct MapChange;

class LiveFigures : public QObject {
    Q_OBJECT
public:
    // Follows every change the session announces.
    explicit LiveFigures(MapSession& session, QObject* parent = nullptr);

    bool Enabled() const { return enabled; }
    // Turning on recomputes at once, with no change to tell.
    void SetEnabled(bool on);

public slots:
    // The session's notice: a map replaced whole (opened, restored, rebuilt
    // from code, cleared, resized) is followed with no operation to tell;
    // cells, the catalogue or a rate are an operation.
    void Follow(const MapChange& change);
    // Ends the current operation; the next change starts another.
    void Settle();

signals:
    void figuresChanged();  // the document's Stats hold the new figures
    // What the current operation changed so far; empty when nothing.
    void operationChanged(const QString& text);

private:
    // What is told before the event loop runs again is one operation: one
    // user action may change the map in several steps.
    void Changed(bool continues);
    void Replaced();

    const MapSession& session;
    TTileData& doc;
    bool enabled = false;
    bool inOperation = false;
    IslandStats before;  // the figures when the operation began
};
