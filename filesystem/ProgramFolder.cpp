#include "filesystem/ProgramFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>


namespace {

// Bitmaps are small; anything this large is not one of ours.
constexpr qint64 LargestShippedFile = 16 * 1024 * 1024;

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QByteArray Path8(const QString& path) { return QFile::encodeName(path); }

// The user's configuration home; empty with `why` when there is none.
QString ConfigHome(const QString& home, QString& why)
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    if (!QDir::isAbsolutePath(home)) {
        why = QStringLiteral("HOME is not set");
        return {};
    }
    return QDir::cleanPath(home) + QStringLiteral("/.config");
}

bool ReadAll(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestShippedFile)
        return false;
    bytes = file.readAll();
    return file.error() == QFile::NoError;
}

QByteArray Hash(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Replaces in one step: a second program starting at the same time sees
// the old file or the new one, never half of one.
bool WriteWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

using Manifest = QMap<QString, QByteArray>;  // "Image/name" -> sha256 of what was seeded

Manifest ReadManifest(const QString& path)
{
    Manifest manifest;
    QByteArray bytes;
    if (!ReadAll(path, bytes))
        return manifest;
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype cut = line.indexOf("  ");
        if (cut == 64)
            manifest.insert(QString::fromUtf8(line.mid(cut + 2)), line.left(cut));
    }
    return manifest;
}

bool WriteManifest(const QString& path, const Manifest& manifest)
{
    QByteArray bytes;
    for (auto it = manifest.begin(); it != manifest.end(); ++it)
        bytes += it.value() + "  " + it.key().toUtf8() + '\n';
    return WriteWhole(path, bytes);
}

// Brings the shipped files of `sub` (Image/, Stamps/ with its groups) into
// the user's folder: missing ones are copied, seeded ones the user never
// changed follow the shipped ones. A file the user changed, or one we cannot
// tell about, is left alone; a seeded stamp the user deleted stays deleted
// (a bitmap comes back: the map needs it).
void UpdateShipped(const QString& shipped, const QString& folder, const QString& sub, bool restoreDeleted)
{
    const QString manifestPath = folder + QLatin1Char('/') + QLatin1String(SeededManifestName);
    Manifest manifest = ReadManifest(manifestPath);
    bool changed = false;
    const QDir from(shipped);
    QDirIterator files(shipped + QLatin1Char('/') + sub, QDir::Files, QDirIterator::Subdirectories);
    QStringList names;
    while (files.hasNext())
        names << from.relativeFilePath(files.next());
    names.sort();
    if (!names.isEmpty() || sub == QStringLiteral("Image"))
        QDir().mkpath(folder + QLatin1Char('/') + sub);
    for (const QString& key : names) {
        const QString mine = folder + QLatin1Char('/') + key;
        QByteArray theirs;
        if (!ReadAll(from.filePath(key), theirs))
            continue;
        const QByteArray theirHash = Hash(theirs);
        const QFileInfo info(mine);
        if (!info.exists() && !info.isSymLink()) {
            if (!restoreDeleted && manifest.contains(key))
                continue;
            QDir().mkpath(info.absolutePath());
            if (WriteWhole(mine, theirs)) {
                manifest.insert(key, theirHash);
                changed = true;
            }
            continue;
        }
        QByteArray current;
        if (!info.isFile() || !ReadAll(mine, current))
            continue;
        const QByteArray myHash = Hash(current);
        const auto seeded = manifest.constFind(key);
        if (seeded == manifest.constEnd()) {
            // Seeded before the manifest existed: ours only if still identical.
            if (myHash == theirHash) {
                manifest.insert(key, theirHash);
                changed = true;
            }
        } else if (*seeded == myHash && myHash != theirHash && WriteWhole(mine, theirs)) {
            manifest.insert(key, theirHash);
            changed = true;
        }
    }
    if (changed)
        WriteManifest(manifestPath, manifest);
}

// The user's folder is unusable: read the shipped files (or the user's own,
// if there are any to read) and write nothing.
SettingsFolder ReadOnly(SettingsFolder f, const QString& folder, const QString& reason)
{
    f.Problem = QCoreApplication::translate("ProgramFolder", "%1 に書き込めません: %2")
                    .arg(QDir::toNativeSeparators(folder), reason);
    const bool ownSettings = !folder.startsWith(QLatin1Char('~')) && QFileInfo(folder + QStringLiteral("/isplan.ini")).isFile();
    f.Folder = ownSettings ? folder : f.Shipped;
    return f;
}

}  // namespace

SettingsFolder LocateSettingsFolder(const QString& exeDir, const QString& dataFromBin)
{
    SettingsFolder f;
    f.Folder = exeDir;
    if (dataFromBin.isEmpty())
        return f;
    const QString shipped = QDir::cleanPath(QDir(exeDir).absoluteFilePath(dataFromBin));
    if (!QFileInfo(shipped + QStringLiteral("/isplan.ini")).isFile())
        return f;
    f.Shipped = shipped;
    QString why;
    const QString config = ConfigHome(qEnvironmentVariable("HOME"), why);
    f.Folder = config.isEmpty() ? QString() : config + QStringLiteral("/ispln");
    return f;
}

SettingsFolder OpenSettingsFolder(const QString& exeDir, const QString& dataFromBin, const QString& seedName)
{
    SettingsFolder f = LocateSettingsFolder(exeDir, dataFromBin);
    if (!f.Installed())
        return f;
    const QString home = qEnvironmentVariable("HOME");
    QString why;
    const QString config = ConfigHome(home, why);
    if (config.isEmpty())
        return ReadOnly(f, QStringLiteral("~/.config/ispln"), why);
    const QString folder = config + QStringLiteral("/ispln");
    // Only the user's own ~/.config is made; a $XDG_CONFIG_HOME must exist.
    if (QDir::isAbsolutePath(home) && config == QDir::cleanPath(home) + QStringLiteral("/.config") &&
        QFileInfo(QDir::cleanPath(home)).isDir())
        ::mkdir(Path8(config).constData(), 0700);
    if (::mkdir(Path8(folder).constData(), 0700) != 0 && errno != EEXIST)
        return ReadOnly(f, folder, Reason(errno));
    struct stat info;
    if (::stat(Path8(folder).constData(), &info) != 0)
        return ReadOnly(f, folder, Reason(errno));
    if (!S_ISDIR(info.st_mode))
        return ReadOnly(f, folder, Reason(ENOTDIR));
    if (::access(Path8(folder).constData(), W_OK | X_OK) != 0)
        return ReadOnly(f, folder, Reason(errno));

    UpdateShipped(f.Shipped, folder, QStringLiteral("Image"), true);
    UpdateShipped(f.Shipped, folder, QStringLiteral("Stamps"), false);
    // Last: an isplan.ini present means the seeding is complete. Once there
    // it is the user's and is never replaced.
    const QString ini = folder + QStringLiteral("/isplan.ini");
    if (!QFileInfo::exists(ini) && !QFileInfo(ini).isSymLink()) {
        QByteArray bytes;
        const QString seed = f.Shipped + QLatin1Char('/') + seedName;
        const QString source = QFileInfo(seed).isFile() ? seed : f.Shipped + QStringLiteral("/isplan.ini");
        if (!ReadAll(source, bytes) || !WriteWhole(ini, bytes))
            return ReadOnly(f, folder, Reason(errno ? errno : EIO));
    }
    f.Folder = folder;
    return f;
}
