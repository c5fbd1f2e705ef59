#pragma once
// What a file on disk looked like when this window last read or wrote it,
// so that a change by another window or program can be told apart from
// our own save.
#include <QByteArray>
#include <QDateTime>
#include <QString>

struct DiskStamp {
    bool Exists = false;
    qint64 Size = 0;
    QDateTime Modified;
    QByteArray Hash;  // of the content; a touch alone is no change

    // Reads the file's state now (a map file is a few kilobytes).
    static DiskStamp Of(const QString& path);
    // Whether `now` holds other content than this stamp.
    bool ContentDiffers(const DiskStamp& now) const;
};
