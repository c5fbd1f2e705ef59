#include "session/RecoveryCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "files/MapFile.h"

namespace {

// Written off the GUI thread, so it can follow the work closely.
constexpr int RecoveryDelayMs = 2 * 1000;

bool SameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

RecoveryCopy::RecoveryCopy(RecoverableWork& work) : work(work)
{
    timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(RecoveryDelayMs);
    connect(timer, &QTimer::timeout, this, &RecoveryCopy::WriteLater);
}

RecoveryCopy::~RecoveryCopy() = default;

void RecoveryCopy::SetFolder(const QString& folder)
{
    store = std::make_unique<RecoveryStore>(folder);
    connect(store.get(), &RecoveryStore::Finished, this, [this](bool write, bool ok, const QString& reason) {
        if (!ok)
            emit writeFailed(reason);
        else if (write)
            emit written();
    });
}

QString RecoveryCopy::Path() const
{
    if (!store)
        return QString();
    // Where the copy would be, for a message when no name could be had.
    return store->OwnPath().isEmpty() ? store->Folder() + QStringLiteral("/isplan-recovery.kpl") : store->OwnPath();
}

void RecoveryCopy::SetDelay(int milliseconds)
{
    timer->setInterval(milliseconds);
}

QList<OrphanCopy> RecoveryCopy::Offered(QStringList* problems)
{
    return store ? store->ClaimOrphans(problems) : QList<OrphanCopy>();
}

Result RecoveryCopy::Restore(const OrphanCopy& copy)
{
    MapFileInfo map;
    QString reason;
    if (!store || !store->ReadCopy(copy, map, &reason))
        return Result::Failure(reason.toStdString());
    store->Adopt(copy);
    work.Restore(map, copy.Source);
    return Result::Success();
}

bool RecoveryCopy::Discard(const OrphanCopy& copy, QString* reason)
{
    return store && store->Discard(copy, reason);
}

void RecoveryCopy::Keep()
{
    if (store)
        store->ReleaseOrphans();
}

bool RecoveryCopy::Untouchable() const
{
    // A map the user opened under this very name is theirs, not a copy.
    return !store || SameFile(work.FilePath(), store->OwnPath());
}

void RecoveryCopy::NoteChanged()
{
    timer->start();
}

void RecoveryCopy::WriteLater()
{
    if (Untouchable())
        return;
    // A snapshot: the worker never sees the document.
    if (work.Modified())
        store->Write(MapFileBytes(work.Doc()), work.FilePath());
    else
        store->Remove();
}

Result RecoveryCopy::WriteNow()
{
    if (Untouchable())
        return Result::Success();
    QString reason;
    if (store->WriteNow(MapFileBytes(work.Doc()), work.FilePath(), &reason))
        return Result::Success();
    emit writeFailed(reason);
    return Result::Failure(reason.toStdString());
}

void RecoveryCopy::Remove()
{
    timer->stop();
    if (!Untouchable())
        store->Remove();
}

Result RecoveryCopy::OnClose(bool fromOutside)
{
    timer->stop();
    if (fromOutside && work.Modified())
        return WriteNow();
    if (!Untouchable())
        store->RemoveNow();
    return Result::Success();
}
