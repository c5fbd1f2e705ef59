#include "view/PngEncoder.h"

#include <libdeflate.h>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

void PutBigEndian(std::string& s, uint32_t v)
{
    const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    s.append(b, 4);
}

void PutChunk(std::string& png, const char* type, const unsigned char* body, size_t size)
{
    PutBigEndian(png, static_cast<uint32_t>(size));
    const size_t from = png.size();
    png.append(type, 4);
    png.append(reinterpret_cast<const char*>(body), size);
    PutBigEndian(png, libdeflate_crc32(0, png.data() + from, png.size() - from));
}

struct CompressorFree {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

}  // namespace

std::string EncodePng(const QImage& image, PngSettings settings)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const size_t width = static_cast<size_t>(rgb.width());
    const size_t height = static_cast<size_t>(rgb.height());

    // Each row: its filter byte, then R, G, B per pixel, filtered.
    // Buffers are left uninitialised: every byte is written before use.
    const size_t stride = 1 + 3 * width;
    const size_t rawSize = stride * height;
    const std::unique_ptr<unsigned char[]> raw(new unsigned char[rawSize]);
    const std::unique_ptr<unsigned char[]> rows(new unsigned char[2 * 3 * width]);
    unsigned char* previous = rows.get();
    unsigned char* current = rows.get() + 3 * width;
    std::fill(previous, previous + 3 * width, 0);
    for (size_t y = 0; y < height; ++y) {
        unsigned char* row = raw.get() + stride * y;
        *row++ = static_cast<unsigned char>(settings.Filter);
        // Unfiltered rows are written in place.
        unsigned char* rgbRow = settings.Filter == PngFilter::None ? row : current;
        const auto* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(y)));
        for (size_t x = 0; x < width; ++x) {
            rgbRow[3 * x] = static_cast<unsigned char>(qRed(px[x]));
            rgbRow[3 * x + 1] = static_cast<unsigned char>(qGreen(px[x]));
            rgbRow[3 * x + 2] = static_cast<unsigned char>(qBlue(px[x]));
        }
        if (settings.Filter == PngFilter::None)
            continue;
        for (size_t i = 0; i < 3 * width; ++i) {
            const unsigned char before = settings.Filter == PngFilter::Sub ? (i >= 3 ? current[i - 3] : 0)
                                                                           : previous[i];
            row[i] = static_cast<unsigned char>(current[i] - before);
        }
        std::swap(previous, current);
    }

    const std::unique_ptr<libdeflate_compressor, CompressorFree> compressor(
        libdeflate_alloc_compressor(std::clamp(settings.Level, 1, 12)));
    if (!compressor)
        return {};
    const size_t bound = libdeflate_zlib_compress_bound(compressor.get(), rawSize);
    const std::unique_ptr<unsigned char[]> stream(new unsigned char[bound]);
    const size_t streamSize = libdeflate_zlib_compress(compressor.get(), raw.get(), rawSize, stream.get(), bound);
    if (streamSize == 0)
        return {};

    constexpr size_t ChunkData = size_t(1) << 20;
    std::string png;
    png.reserve(8 + 25 + streamSize + 12 * (streamSize / ChunkData + 1) + 12);
    png.append("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, filters, not interlaced
    PutChunk(png, "IHDR", reinterpret_cast<const unsigned char*>(header.data()), header.size());
    for (size_t at = 0; at < streamSize;) {
        const size_t part = std::min(streamSize - at, ChunkData);
        PutChunk(png, "IDAT", stream.get() + at, part);
        at += part;
    }
    PutChunk(png, "IEND", nullptr, 0);
    return png;
}
