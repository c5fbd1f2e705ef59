#include "stats/LiveFigures.h"

#include "document/File1.h"
#include "session/MapSession.h"
#include "stats/FigureDelta.h"

LiveFigures::LiveFigures(MapSession& session, QObject* parent)
    : QObject(parent), session(session), doc(session.Doc())
{
    connect(&session, &MapSession::changed, this, &LiveFigures::Follow);
}

void LiveFigures::Follow(const MapChange& change)
{
    if (change.WholeMap || change.Size)
        Replaced();
    else if (change.Island())
        Changed(change.Continues);
}

void LiveFigures::SetEnabled(bool on)
{
    enabled = on;
    inOperation = false;
    if (!on) {
        emit operationChanged(QString());
        return;
    }
    doc.ComputeStats();
    emit figuresChanged();
}

void LiveFigures::Changed(bool continues)
{
    if (!enabled)
        return;
    if (!inOperation) {
        // A stroke reaches its cells over many events: its change counts
        // from where the stroke began.
        if (!continues)
            before = doc.Stats;
        inOperation = true;
        QMetaObject::invokeMethod(this, &LiveFigures::Settle, Qt::QueuedConnection);
    }
    doc.ComputeStats();
    emit figuresChanged();
    emit operationChanged(QString::fromStdString(FigureDeltaText(before, doc.Stats)));
}

void LiveFigures::Replaced()
{
    if (!enabled)
        return;
    inOperation = false;
    doc.ComputeStats();
    emit figuresChanged();
    emit operationChanged(QString());
}

void LiveFigures::Settle()
{
    inOperation = false;
}
