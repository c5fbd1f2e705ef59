#pragma once
#include <QImage>
#include <QSize>
#include <QString>
#include <unordered_map>

// The top-left `part` of a bitmap file, in RGB32: read only from a regular
// file of sane size, and never decoded larger than the artwork can be
// (tiles are 32 x 32, mask strips 96 x 32). Null when missing or refused.
QImage ReadBitmapPart(const QString& path, QSize part = QSize(96, 32));

// Decoded bitmap files, keyed by path and checked against the file's size
// and modification time, so a changed or removed file shows at the next
// draw exactly as if nothing were cached.
class BitmapCache {
public:
    // The decoded file, or nullptr when it does not exist or cannot be read.
    const QImage* Get(const std::string& path);
    // Starts a batch in which each file is checked on disk at most once.
    void BeginBatch();
    void EndBatch();
    void Clear() { entries_.clear(); }
    // Skip the cache entirely (for measuring its worth).
    bool bypass = false;

private:
    struct Entry {
        qint64 size = -1;
        qint64 mtime = 0;
        bool exists = false;
        quint64 checkedIn = 0;  // batch in which the file was last checked
        QImage image;
    };
    std::unordered_map<std::string, Entry> entries_;
    QImage scratch_;
    quint64 batch_ = 1;
    bool inBatch_ = false;
};
