// A cached bitmap follows its file on disk: changed, removed, restored.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "view/BitmapCache.h"

namespace {

void WriteBmp(const QString& path, QRgb colour, const QDateTime& stamp)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "BMP"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

}  // namespace

TEST(BitmapCache, FollowsTheFileOnDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tile.bmp");
    const std::string key = path.toStdString();
    const QDateTime t0 = QDateTime::currentDateTime().addSecs(-100);
    BitmapCache cache;

    EXPECT_EQ(cache.Get(key), nullptr);  // not there yet
    WriteBmp(path, qRgb(10, 20, 30), t0);
    ASSERT_NE(cache.Get(key), nullptr);
    EXPECT_EQ(cache.Get(key)->pixel(5, 5), qRgb(10, 20, 30));

    // Same size, new time: the new picture shows.
    WriteBmp(path, qRgb(200, 100, 50), t0.addSecs(10));
    EXPECT_EQ(cache.Get(key)->pixel(5, 5), qRgb(200, 100, 50));

    QFile::remove(path);
    EXPECT_EQ(cache.Get(key), nullptr);
    WriteBmp(path, qRgb(1, 2, 3), t0.addSecs(20));
    EXPECT_EQ(cache.Get(key)->pixel(5, 5), qRgb(1, 2, 3));
    EXPECT_EQ(cache.Get(""), nullptr);
}

TEST(BitmapCache, AFolderOrAnUnreadableFileIsNoPicture)
{
    QTemporaryDir dir;
    BitmapCache cache;
    EXPECT_EQ(cache.Get(dir.path().toStdString()), nullptr);
    QFile junk(dir.filePath("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM not really a bitmap");
    junk.close();
    EXPECT_EQ(cache.Get(dir.filePath("junk.bmp").toStdString()), nullptr);
}

TEST(BitmapCache, KeepsOnlyTheDrawnPartAndRefusesAbsurdBitmaps)
{
    QTemporaryDir dir;
    struct Case {
        int width, height;
        QSize kept;  // empty: refused
    };
    const Case cases[] = {{32, 32, {32, 32}}, {200, 40, {96, 32}}, {5500, 40, {}}, {40, 5500, {}}};
    BitmapCache cache;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString("b%1x%2.bmp").arg(c.width).arg(c.height));
        QImage image(c.width, c.height, QImage::Format_RGB32);
        image.fill(qRgb(7, 8, 9));
        ASSERT_TRUE(image.save(path, "BMP"));
        const QImage* got = cache.Get(path.toStdString());
        EXPECT_EQ(got ? got->size() : QSize(), c.kept) << c.width << "x" << c.height;
        if (got)
            EXPECT_EQ(got->pixel(c.kept.width() - 1, c.kept.height() - 1), qRgb(7, 8, 9));
    }
}
