#include "view/BitmapCache.h"

#include <QFileInfo>

void BitmapCache::BeginBatch()
{
    ++batch_;
    inBatch_ = true;
}

void BitmapCache::EndBatch()
{
    inBatch_ = false;
}

const QImage* BitmapCache::Get(const std::string& path)
{
    if (path.empty())
        return nullptr;
    const QString qpath = QString::fromStdString(path);
    if (bypass) {
        scratch_ = QFileInfo(qpath).isFile() ? QImage(qpath).convertToFormat(QImage::Format_RGB32) : QImage();
        return scratch_.isNull() ? nullptr : &scratch_;
    }
    if (!inBatch_)
        ++batch_;  // a lone draw always looks at the disk
    Entry& e = entries_[path];
    if (e.checkedIn != batch_) {
        e.checkedIn = batch_;
        const QFileInfo info(qpath);
        const bool exists = info.isFile();
        const qint64 size = exists ? info.size() : -1;
        const qint64 mtime = exists ? info.lastModified().toMSecsSinceEpoch() : 0;
        if (exists != e.exists || size != e.size || mtime != e.mtime) {
            e.exists = exists;
            e.size = size;
            e.mtime = mtime;
            e.image = exists ? QImage(qpath).convertToFormat(QImage::Format_RGB32) : QImage();
        }
    }
    return e.image.isNull() ? nullptr : &e.image;
}
