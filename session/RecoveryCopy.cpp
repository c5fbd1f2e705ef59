#include "session/RecoveryCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "session/MapSession.h"

namespace {

constexpr int RecoveryDelayMs = 30 * 1000;

bool SameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

RecoveryCopy::RecoveryCopy(MapSession& session) : session(session)
{
    timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(RecoveryDelayMs);
    connect(timer, &QTimer::timeout, this, [this] {
        if (this->session.Modified())
            (void)WriteNow();  // a failure is signalled
        else
            Remove();
    });
}

void RecoveryCopy::SetFolder(const QString& folder)
{
    this->folder = folder;
}

QString RecoveryCopy::Path() const
{
    return folder + QStringLiteral("/isplan-recovery.kpl");
}

void RecoveryCopy::SetDelay(int milliseconds)
{
    timer->setInterval(milliseconds);
}

MapRead RecoveryCopy::Offered()
{
    MapRead read = ReadMapFile(QFile::encodeName(Path()).toStdString());
    // Not a map: nothing in it can be restored. One that cannot be read now
    // may still hold work; it is left alone.
    if (read.Fault == MapFileFault::UnknownIdentifier || read.Fault == MapFileFault::TooShort)
        QFile::remove(Path());
    return read;
}

bool RecoveryCopy::Untouchable() const
{
    // A map the user opened under this very name is theirs, not a copy.
    return kept || folder.isEmpty() || SameFile(session.FilePath(), Path());
}

void RecoveryCopy::NoteChanged()
{
    timer->start();
}

Result RecoveryCopy::WriteNow()
{
    if (Untouchable())
        return Result::Success();
    Result written = session.Doc().SaveMapFile(QFile::encodeName(Path()).toStdString());
    if (!written)
        emit writeFailed(QString::fromLocal8Bit(written.Reason.c_str()));
    return written;
}

void RecoveryCopy::Remove()
{
    if (!Untouchable())
        QFile::remove(Path());
}

void RecoveryCopy::OnClose(bool fromOutside)
{
    timer->stop();
    if (fromOutside && session.Modified())
        (void)WriteNow();  // a failure is signalled
    else
        Remove();
}
