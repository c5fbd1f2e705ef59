#include "settings/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Installed files may be read-only; the user's copies must not be.
bool CopyWritable(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to))
        return false;
    return QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

void Seed(const QString& shared, const QString& home)
{
    QDir().mkpath(home + QStringLiteral("/Image"));
    const QDir images(shared + QStringLiteral("/Image"));
    for (const QString& name : images.entryList(QDir::Files))
        if (!QFileInfo::exists(home + QStringLiteral("/Image/") + name))
            CopyWritable(images.filePath(name), home + QStringLiteral("/Image/") + name);
    // Last: an isplan.ini present means the seeding is complete.
    CopyWritable(shared + QStringLiteral("/isplan.ini"), home + QStringLiteral("/isplan.ini"));
}

}  // namespace

QString ProgramFolder(const QString& exeDir)
{
    const QDir bin(exeDir);
    const QString shared = QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/ispln")));
    if (bin.dirName() != QStringLiteral("bin") || !QFileInfo(shared + QStringLiteral("/isplan.ini")).isFile())
        return exeDir;
    const QString home =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/ispln");
    if (!QFileInfo::exists(home + QStringLiteral("/isplan.ini")))
        Seed(shared, home);
    return home;
}
