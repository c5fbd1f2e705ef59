#include "session/DiskStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

DiskStamp DiskStamp::Of(const QString& path)
{
    DiskStamp stamp;
    const QFileInfo info(path);
    if (!info.isFile())
        return stamp;
    stamp.Exists = true;
    stamp.Size = info.size();
    stamp.Modified = info.lastModified();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&file);
        stamp.Hash = hash.result();
    }
    return stamp;
}

bool DiskStamp::ContentDiffers(const DiskStamp& now) const
{
    return Exists != now.Exists || Size != now.Size || Hash != now.Hash;
}
