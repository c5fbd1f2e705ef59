#include "view/BitmapCache.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "filesystem/CheckedFile.h"

namespace {

// Artwork is 32 pixels high; anything far larger is not artwork, and
// decoding it whole would cost time and memory for pixels never shown.
constexpr qint64 kMaxBitmapBytes = 4 << 20;
constexpr int kMaxBitmapSide = 1024;

}  // namespace

QImage ReadBitmapPart(const QString& path, QSize part)
{
    std::string bytes;
    if (!ReadRegularFile(QFile::encodeName(path).toStdString(), kMaxBitmapBytes, OverLimit::Refuse, bytes))
        return {};
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxBitmapSide || size.height() > kMaxBitmapSide)
        return {};
    reader.setClipRect(QRect(QPoint(0, 0), size.boundedTo(part)));
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

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
        scratch_ = ReadBitmapPart(qpath);
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
            e.image = exists ? ReadBitmapPart(qpath) : QImage();
        }
    }
    return e.image.isNull() ? nullptr : &e.image;
}
