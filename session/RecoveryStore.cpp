#include "session/RecoveryStore.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "filesystem/CheckedFile.h"

namespace {

const QString BaseName = QStringLiteral("isplan-recovery");
const std::string Marker = "\nISPLN recovery copy\n";
constexpr int MaxSlots = 99;
// The map, the trailer and a source path of any length the system allows.
constexpr size_t MaxCopyBytes = CurrentMapFileSize + 16384;

QString SlotPath(const QString& folder, int slot)
{
    return folder + QLatin1Char('/') + BaseName +
           (slot == 1 ? QString() : QLatin1Char('-') + QString::number(slot)) + QStringLiteral(".kpl");
}

QString LockPath(const QString& copy) { return copy + QStringLiteral(".lock"); }

enum class Kind { Absent, Regular, Link, Other };

Kind KindOf(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return Kind::Absent;
    if (S_ISLNK(st.st_mode))
        return Kind::Link;
    return S_ISREG(st.st_mode) ? Kind::Regular : Kind::Other;
}

// Locked for as long as the window runs: a live owner is never taken for
// gone, however old its lock file. A lock name that is no regular file
// (a hostile FIFO would block the reader of a lock) is never touched.
std::unique_ptr<QLockFile> TryLock(const QString& copy, QLockFile::LockError* why = nullptr)
{
    const Kind lockKind = KindOf(LockPath(copy));
    if (lockKind != Kind::Absent && lockKind != Kind::Regular)
        return nullptr;
    auto lock = std::make_unique<QLockFile>(LockPath(copy));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    if (why)
        *why = lock->error();
    return nullptr;
}

// Whose is a lock QLockFile would not take? A running window holds an
// advisory lock on its lock file (QLockFile sets one beside the pid it
// records), so a lock nobody holds belongs to no live window, whatever it
// says: empty, garbage, another host's name or a pid reused since. Such a
// lock is removed while we hold it, so a window starting now cannot lose
// its own; a lock made this very moment may not be held yet and is left.
enum class Owner { Live, Gone, Unknown };

Owner JudgeLock(const QString& copy, QString* why)
{
    const QByteArray lockName = QFile::encodeName(LockPath(copy));
    switch (KindOf(LockPath(copy))) {
    case Kind::Absent: return Owner::Gone;
    case Kind::Regular: break;
    case Kind::Link: *why = QStringLiteral("its lock is a symbolic link"); return Owner::Unknown;
    case Kind::Other: *why = QStringLiteral("its lock is not a regular file"); return Owner::Unknown;
    }
    const int fd = ::open(lockName.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *why = QStringLiteral("its lock cannot be read: ") + QString::fromLocal8Bit(std::strerror(errno));
        return Owner::Unknown;
    }
    Owner owner = Owner::Gone;
    struct stat opened, named;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        *why = QStringLiteral("its lock is not a regular file");
        owner = Owner::Unknown;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        owner = errno == EWOULDBLOCK ? Owner::Live : Owner::Unknown;
        *why = QStringLiteral("its lock cannot be judged: ") + QString::fromLocal8Bit(std::strerror(errno));
    } else if (opened.st_size == 0 && std::abs(::time(nullptr) - opened.st_mtime) < 2) {
        owner = Owner::Live;  // being written by a window starting now
    } else if (::lstat(lockName.constData(), &named) != 0 || named.st_ino != opened.st_ino ||
               named.st_dev != opened.st_dev) {
        owner = Owner::Live;  // replaced under us: someone else took it
    } else if (::unlink(lockName.constData()) != 0) {
        *why = QStringLiteral("its lock cannot be removed: ") + QString::fromLocal8Bit(std::strerror(errno));
        owner = Owner::Unknown;
    }
    ::close(fd);
    return owner;
}

// The source and time after the map; a copy of an older build has none.
void ReadTrailer(const std::string& bytes, OrphanCopy& copy)
{
    if (bytes.size() < CurrentMapFileSize + Marker.size() ||
        bytes.compare(CurrentMapFileSize, Marker.size(), Marker) != 0)
        return;
    const QList<QByteArray> lines =
        QByteArray::fromStdString(bytes.substr(CurrentMapFileSize + Marker.size())).split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("saved="))
            copy.Written = QDateTime::fromMSecsSinceEpoch(line.mid(6).toLongLong());
        else if (line.startsWith("file="))
            copy.Source = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(5)));
    }
}

QString Reason(const std::string& error) { return QString::fromLocal8Bit(error.c_str()); }

}  // namespace

RecoveryStore::RecoveryStore(const QString& folder, QObject* parent) : QObject(parent), folder(folder)
{
    worker.setMaxThreadCount(1);
    worker.setExpiryTimeout(-1);
}

RecoveryStore::~RecoveryStore()
{
    Wait();
}

bool RecoveryStore::ClaimOwnSlot()
{
    for (int slot = 1; slot <= MaxSlots; ++slot) {
        const QString path = SlotPath(folder, slot);
        // A name in use holds an orphan to offer later, or something else.
        if (KindOf(path) != Kind::Absent)
            continue;
        QLockFile::LockError why = QLockFile::NoError;
        auto lock = TryLock(path, &why);
        if (why == QLockFile::PermissionError)
            claimFailure = QString::fromLocal8Bit(std::strerror(EACCES));
        if (!lock)
            continue;
        if (KindOf(path) != Kind::Absent)
            continue;  // written by a window that ended just now
        ownPath = path;
        ownLock = std::move(lock);
        return true;
    }
    return false;
}

QList<OrphanCopy> RecoveryStore::ClaimOrphans(QStringList* problems)
{
    RemoveStaleTemporaries(QFile::encodeName(folder).toStdString());
    const auto tell = [problems](const QString& path, const QString& why) {
        if (problems)
            problems->append(path + QStringLiteral(": ") + why);
    };
    QList<OrphanCopy> found;
    const QStringList names = QDir(folder).entryList({BaseName + QStringLiteral("*.kpl")},
                                                     QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        if (path == ownPath || claimed.count(path))
            continue;
        const Kind kind = KindOf(path);
        if (kind != Kind::Regular) {
            tell(path, kind == Kind::Link ? QStringLiteral("is a symbolic link") : QStringLiteral("is not a regular file"));
            continue;
        }
        auto lock = TryLock(path);
        if (!lock) {
            QString why;
            const Owner owner = JudgeLock(path, &why);
            if (owner == Owner::Gone)
                lock = TryLock(path);
            else if (owner == Owner::Unknown)
                tell(path, why);
            if (!lock)
                continue;  // a live window's copy
        }
        OrphanCopy copy{path, QString(), QFileInfo(path).lastModified()};
        MapFileInfo map;
        QString reason;
        claimed[path] = std::move(lock);
        if (!ReadCopy(copy, map, &reason)) {
            // Never removed: what cannot be read now may be readable later.
            claimed.erase(path);
            tell(path, reason);
            continue;
        }
        std::string bytes;
        if (ReadRegularFile(QFile::encodeName(path).toStdString(), MaxCopyBytes, OverLimit::Refuse, bytes))
            ReadTrailer(bytes, copy);
        found.append(copy);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const OrphanCopy& a, const OrphanCopy& b) { return a.Written > b.Written; });
    if (!ownLock)
        ClaimOwnSlot();
    return found;
}

bool RecoveryStore::ReadCopy(const OrphanCopy& copy, MapFileInfo& map, QString* reason) const
{
    std::string bytes;
    const Result read = ReadRegularFile(QFile::encodeName(copy.Path).toStdString(), MaxCopyBytes, OverLimit::Refuse, bytes);
    if (!read) {
        if (reason)
            *reason = Reason(read.Reason);
        return false;
    }
    if (!ReadMapBytes(bytes, map)) {
        if (reason)
            *reason = QStringLiteral("is not a map file");
        return false;
    }
    return true;
}

void RecoveryStore::Adopt(const OrphanCopy& copy)
{
    auto it = claimed.find(copy.Path);
    if (it == claimed.end())
        return;
    Wait();
    ownLock = std::move(it->second);  // the fresh slot's lock goes with it
    ownPath = copy.Path;
    claimed.erase(it);
}

bool RecoveryStore::Discard(const OrphanCopy& copy, QString* reason)
{
    auto it = claimed.find(copy.Path);
    if (it == claimed.end())
        return false;
    QFile file(copy.Path);
    const bool removed = KindOf(copy.Path) == Kind::Regular && file.remove();
    if (!removed && reason)
        *reason = KindOf(copy.Path) == Kind::Regular ? file.errorString() : QStringLiteral("is not a regular file");
    claimed.erase(it);
    return removed;
}

void RecoveryStore::ReleaseOrphans()
{
    claimed.clear();
}

std::string RecoveryStore::CopyBytes(const std::string& mapBytes, const QString& source)
{
    return mapBytes + Marker + "saved=" + std::to_string(QDateTime::currentMSecsSinceEpoch()) + "\nfile=" +
           source.toUtf8().toPercentEncoding("/ ").toStdString() + "\n";
}

RecoveryStore::Job RecoveryStore::MakeJob(bool write, std::string bytes)
{
    if (!ownLock)
        ClaimOwnSlot();
    return Job{write, std::move(bytes), ownPath, claimFailure};
}

void RecoveryStore::Queue(Job job)
{
    QMutexLocker locked(&mutex);
    pending = std::move(job);
    if (!draining) {
        draining = true;
        worker.start([this] { Drain(); });
    }
}

void RecoveryStore::Write(const std::string& mapBytes, const QString& source)
{
    Queue(MakeJob(true, CopyBytes(mapBytes, source)));
}

void RecoveryStore::Remove()
{
    if (ownLock)
        Queue(Job{false, {}, ownPath, {}});
}

void RecoveryStore::Drain()
{
    for (;;) {
        Job job;
        {
            QMutexLocker locked(&mutex);
            if (!pending) {
                draining = false;
                return;
            }
            job = std::move(*pending);
            pending.reset();
        }
        QString reason;
        const bool ok = Perform(job, &reason);
        const bool written = job.write;
        QMetaObject::invokeMethod(
            this, [this, written, ok, reason] { emit Finished(written, ok, reason); }, Qt::QueuedConnection);
    }
}

bool RecoveryStore::Perform(const Job& job, QString* reason)
{
    if (job.path.isEmpty()) {
        *reason = job.failure.isEmpty() ? QStringLiteral("no free name for a recovery copy") : job.failure;
        return !job.write;
    }
    if (!job.write) {
        // Only a regular file of ours: whatever else took the name stays.
        if (KindOf(job.path) == Kind::Regular)
            ::unlink(QFile::encodeName(job.path).constData());
        return true;
    }
    const Result written = WriteOwnFileChecked(QFile::encodeName(job.path).toStdString(), job.bytes);
    if (!written)
        *reason = Reason(written.Reason);
    return written.Ok;
}

bool RecoveryStore::WriteNow(const std::string& mapBytes, const QString& source, QString* reason)
{
    Wait();
    QString why;
    const bool ok = Perform(MakeJob(true, CopyBytes(mapBytes, source)), &why);
    if (reason)
        *reason = why;
    return ok;
}

void RecoveryStore::RemoveNow()
{
    Wait();
    QString unused;
    if (ownLock)
        Perform(Job{false, {}, ownPath, {}}, &unused);
}

void RecoveryStore::Wait()
{
    worker.waitForDone();
}
