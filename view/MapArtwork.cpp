#include "view/MapArtwork.h"

#include <string>

namespace {

// 3 x 5 pixel digits, one row per string, '#' = ink. Our own tiny font keeps
// the pictures identical on every machine, with or without fonts.
const char* const Digits[10][5] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", ".#.", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"},
};
constexpr int Scale = 2;  // each font pixel is 2 x 2 screen pixels
constexpr int DigitWidth = 3 * Scale;
constexpr int DigitGap = Scale;

QRgb SeaPixel(int x, int y)
{
    // A calm sea: deep blue with a faint diagonal swell.
    const int swell = ((x + 2 * y) % 12 < 2) ? 18 : 0;
    return qRgb(24 + swell / 2, 70 + swell, 150 + swell);
}

void FillSea(QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, SeaPixel(x, y));
}

int NumberWidth(int n)
{
    const int digits = static_cast<int>(std::to_string(n).size());
    return digits * DigitWidth + (digits - 1) * DigitGap;
}

// Draws n in white with its centre at (cx, cy).
void DrawNumber(QImage& image, int n, int cx, int cy)
{
    const std::string text = std::to_string(n);
    int left = cx - NumberWidth(n) / 2;
    const int top = cy - (5 * Scale) / 2;
    for (char ch : text) {
        const auto& glyph = Digits[ch - '0'];
        for (int gy = 0; gy < 5; ++gy)
            for (int gx = 0; gx < 3; ++gx)
                if (glyph[gy][gx] == '#')
                    for (int s = 0; s < Scale * Scale; ++s) {
                        const int px = left + gx * Scale + s % Scale;
                        const int py = top + gy * Scale + s / Scale;
                        if (image.rect().contains(px, py))
                            image.setPixel(px, py, qRgb(255, 255, 255));
                    }
        left += DigitWidth + DigitGap;
    }
}

}  // namespace

namespace artwork {

QImage HeaderStrip()
{
    QImage strip(HeaderWidth, HeaderHeight, QImage::Format_RGB32);
    FillSea(strip);
    for (int c = 0; c < 30; ++c)
        DrawNumber(strip, c, 24 + 32 * c, 8);
    return strip;
}

QImage RulerImage(int row)
{
    QImage image(16, 32, QImage::Format_RGB32);
    FillSea(image);
    DrawNumber(image, row, 8, 16);
    return image;
}

QImage PlaceholderTile()
{
    // Neutral grey with a dark cross: plainly "no picture", never a panel.
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(qRgb(128, 128, 128));
    for (int i = 4; i < 28; ++i) {
        image.setPixel(i, i, qRgb(64, 64, 64));
        image.setPixel(31 - i, i, qRgb(64, 64, 64));
    }
    return image;
}

}  // namespace artwork
