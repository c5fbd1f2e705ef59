// The PNG writer: whatever it writes, an independent reader must give back
// exactly the same pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "view/PngEncoder.h"

namespace {

QImage Filled(int w, int h, const std::function<QRgb(int, int)>& pixel)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, pixel(x, y));
    return image;
}

// Reproducible noise: a mixed hash of seed and position.
QRgb Noise(uint32_t seed, int x, int y)
{
    uint64_t z = (uint64_t(seed) << 42) ^ (uint64_t(uint32_t(y)) << 21) ^ uint32_t(x);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return 0xff000000u | static_cast<QRgb>((z ^ (z >> 31)) & 0xffffff);
}

// A random 32 x 32 tile repeated, as map pictures repeat their panels.
QImage Tiled(int w, int h)
{
    return Filled(w, h, [](int x, int y) { return Noise(7, x % 32, y % 32); });
}

QImage Decoded(const std::string& png)
{
    return QImage::fromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

TEST(PngEncoder, AnIndependentReaderGetsTheSamePixels)
{
    const struct {
        const char* Name;
        QImage Image;
    } cases[] = {
        {"one black pixel", Filled(1, 1, [](int, int) { return qRgb(0, 0, 0); })},
        {"one white pixel", Filled(1, 1, [](int, int) { return qRgb(255, 255, 255); })},
        {"three by two", Filled(3, 2, [](int x, int y) { return qRgb(x * 100, y * 200, 7); })},
        {"noise, no matches to find", Filled(97, 53, [](int x, int y) { return Noise(1, x, y); })},
        // Runs longer than the longest match, at distances 1 to 3.
        {"one colour", Filled(2000, 2, [](int, int) { return qRgb(10, 200, 30); })},
        {"two-pixel stripes", Filled(777, 3, [](int x, int) { return x % 2 ? qRgb(1, 2, 3) : qRgb(250, 2, 3); })},
        // Equal rows 32761 bytes apart: just inside the 32 KiB window.
        {"rows inside the window", Filled(10920, 3, [](int x, int) { return Noise(2, x, 0); })},
        // Equal rows 33001 bytes apart: beyond the window, never referenced.
        {"rows beyond the window", Filled(11000, 3, [](int x, int) { return Noise(3, x, 0); })},
        {"tiles", Tiled(31 * 32 + 16, 31 * 32 + 16)},
        {"alpha image", Filled(40, 9, [](int x, int y) { return Noise(4, x, y); })
                            .convertToFormat(QImage::Format_ARGB32)},
    };
    // Every row filter, at the fastest and the strongest level.
    const PngSettings settings[] = {{}, {1, PngFilter::Sub}, {1, PngFilter::Up}, {12, PngFilter::Up}};
    for (const auto& c : cases)
        for (const PngSettings& setting : settings) {
            const std::string png = EncodePng(c.Image, setting);
            const QImage back = Decoded(png);
            ASSERT_FALSE(back.isNull()) << c.Name;
            EXPECT_TRUE(back == c.Image.convertToFormat(QImage::Format_RGB32))
                << c.Name << " level " << setting.Level << " filter " << int(setting.Filter);
        }
}

TEST(PngEncoder, RepeatedTilesAreCompressed)
{
    const QImage picture = Tiled(31 * 32 + 16, 31 * 32 + 16);
    const size_t raw = static_cast<size_t>(picture.width()) * picture.height() * 3;
    EXPECT_LT(EncodePng(picture).size(), raw / 4);
}

TEST(PngEncoder, ANullImageGivesNothing)
{
    EXPECT_EQ(EncodePng(QImage()), "");
}

}  // namespace
