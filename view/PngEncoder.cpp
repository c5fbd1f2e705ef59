#include "view/PngEncoder.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Deflate packs bits least significant first. Whole bytes are stored on
// every call, so no branch decides when to flush; at most 7 bits wait.
class BitWriter {
public:
    explicit BitWriter(unsigned char* out) : out_(out) {}

    void Put(uint64_t bits, int count)  // count <= 56
    {
        acc_ |= bits << used_;
        used_ += count;
        for (int k = 0; k < 8; ++k)
            out_[k] = static_cast<unsigned char>(acc_ >> (8 * k));
        const int whole = used_ >> 3;
        out_ += whole;
        acc_ >>= 8 * whole;
        used_ &= 7;
    }

    unsigned char* Finish()
    {
        if (used_ > 0)
            *out_++ = static_cast<unsigned char>(acc_);
        return out_;
    }

private:
    unsigned char* out_;
    uint64_t acc_ = 0;
    int used_ = 0;
};

uint32_t Reversed(uint32_t code, int length)
{
    uint32_t r = 0;
    for (int i = 0; i < length; ++i, code >>= 1)
        r = (r << 1) | (code & 1);
    return r;
}

constexpr int MinMatch = 4;
constexpr int MaxMatch = 258;
constexpr size_t Window = 32768;

// The fixed Huffman codes of deflate (RFC 1951, 3.2.6), bit-reversed for the
// writer, with lengths and distances resolved to code plus extra bits.
struct FixedCodes {
    std::array<uint16_t, 288> Code{};
    std::array<uint8_t, 288> Bits{};
    std::array<uint32_t, MaxMatch + 1> LengthCode{};  // code | extra bits above it
    std::array<uint8_t, MaxMatch + 1> LengthBits{};
    std::array<uint16_t, 30> DistanceBase{};
    std::array<uint8_t, 30> DistanceExtra{};

    FixedCodes()
    {
        for (int s = 0; s < 288; ++s) {
            const auto [bits, first, base] = s < 144   ? std::array{8, 0, 0x30}
                                             : s < 256 ? std::array{9, 144, 0x190}
                                             : s < 280 ? std::array{7, 256, 0}
                                                       : std::array{8, 280, 0xC0};
            Code[s] = static_cast<uint16_t>(Reversed(base + s - first, bits));
            Bits[s] = static_cast<uint8_t>(bits);
        }
        // Length symbols 257..284 cover 3..257 in groups of four per extra
        // bit count; 285 is 258 alone.
        int length = 3;
        for (int symbol = 257; symbol <= 284; ++symbol) {
            const int extra = symbol < 265 ? 0 : (symbol - 261) / 4;
            for (int e = 0; e < (1 << extra); ++e, ++length) {
                LengthCode[length] = Code[symbol] | (static_cast<uint32_t>(e) << Bits[symbol]);
                LengthBits[length] = static_cast<uint8_t>(Bits[symbol] + extra);
            }
        }
        LengthCode[MaxMatch] = Code[285];
        LengthBits[MaxMatch] = Bits[285];
        int distance = 1;
        for (int d = 0; d < 30; ++d) {
            DistanceExtra[d] = static_cast<uint8_t>(d < 4 ? 0 : d / 2 - 1);
            DistanceBase[d] = static_cast<uint16_t>(distance);
            distance += 1 << DistanceExtra[d];
        }
    }

    void PutLiteral(BitWriter& w, unsigned char byte) const { w.Put(Code[byte], Bits[byte]); }

    void PutMatch(BitWriter& w, size_t length, uint32_t distance) const
    {
        w.Put(LengthCode[length], LengthBits[length]);
        // Distance codes come in pairs per power of two above 4.
        int d = static_cast<int>(distance) - 1;
        if (distance > 4) {
            const int top = 31 - __builtin_clz(distance - 1);
            d = 2 * top + static_cast<int>(((distance - 1) >> (top - 1)) & 1);
        }
        // Five fixed bits, bit-reversed, then the extra bits.
        w.Put(Reversed(static_cast<uint32_t>(d), 5) | (uint64_t(distance - DistanceBase[d]) << 5),
              5 + DistanceExtra[d]);
    }
};

const FixedCodes& Codes()
{
    static const FixedCodes codes;
    return codes;
}

// One final fixed-Huffman block: greedy matches found through a hash of the
// next four bytes; stretches without matches are searched more sparsely.
// `out` must hold DeflateBound(n) bytes; returns the bytes written.
size_t DeflateBound(size_t n)
{
    // A literal costs at most 9 bits, and a match less than its bytes would;
    // the writer stores 8 bytes at a time.
    return n + n / 8 + 64;
}

size_t Deflate(const unsigned char* data, size_t n, unsigned char* out)
{
    const FixedCodes& c = Codes();
    BitWriter w(out);
    w.Put(0b011, 3);  // last block, fixed codes

    // Positions are kept as their low 16 bits: any earlier position within
    // the window whose bytes agree is a valid match, so a stale entry only
    // costs a failed comparison.
    constexpr int HashBits = 14;
    std::vector<uint16_t> head(size_t(1) << HashBits, 0);
    const auto hash = [data](size_t i) {
        uint32_t v;
        std::memcpy(&v, data + i, 4);
        return (v * 2654435761u) >> (32 - HashBits);
    };
    const auto matchLength = [data](size_t from, size_t at, size_t max) {
        size_t length = MinMatch;
        while (length + 8 <= max) {
            uint64_t a, b;
            std::memcpy(&a, data + from + length, 8);
            std::memcpy(&b, data + at + length, 8);
            if (a != b)
                return length + (std::countr_zero(a ^ b) >> 3);  // first differing byte
            length += 8;
        }
        while (length < max && data[from + length] == data[at + length])
            ++length;
        return length;
    };
    // Four literal codes (at most 36 bits) go out in one call.
    const auto literals = [&](size_t from, size_t to) {
        for (; from + 4 <= to; from += 4) {
            const unsigned char* p = data + from;
            const uint64_t b0 = c.Bits[p[0]], b1 = c.Bits[p[1]], b2 = c.Bits[p[2]], b3 = c.Bits[p[3]];
            w.Put(c.Code[p[0]] | (uint64_t(c.Code[p[1]]) << b0) | (uint64_t(c.Code[p[2]]) << (b0 + b1)) |
                      (uint64_t(c.Code[p[3]]) << (b0 + b1 + b2)),
                  static_cast<int>(b0 + b1 + b2 + b3));
        }
        for (; from < to; ++from)
            c.PutLiteral(w, data[from]);
    };

    size_t i = 0;
    size_t pending = 0;  // first byte not yet written
    size_t misses = 0;
    while (i + 8 <= n) {
        const uint32_t h = hash(i);
        const size_t distance = (i - head[h]) & 0xffff;
        head[h] = static_cast<uint16_t>(i);
        if (distance != 0 && distance <= Window && distance <= i &&
            std::memcmp(data + i - distance, data + i, MinMatch) == 0) {
            literals(pending, i);
            const size_t length = matchLength(i - distance, i, std::min<size_t>(MaxMatch, n - i));
            c.PutMatch(w, length, static_cast<uint32_t>(distance));
            i += length;
            pending = i;
            if (i + 3 <= n)
                head[hash(i - 1)] = static_cast<uint16_t>(i - 1);
            misses = 0;
        } else {
            i += 1 + (misses++ >> 5);
        }
    }
    literals(pending, n);
    w.Put(c.Code[256], c.Bits[256]);  // end of block
    return static_cast<size_t>(w.Finish() - out);
}

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
    const auto* typed = reinterpret_cast<const Bytef*>(png.data() + from);
    PutBigEndian(png, static_cast<uint32_t>(crc32(0, typed, static_cast<uInt>(png.size() - from))));
}

uint32_t Adler32(const unsigned char* data, size_t n)
{
    uLong adler = adler32(0, nullptr, 0);
    for (size_t at = 0; at < n;) {  // zlib counts in 32-bit lengths
        const size_t part = std::min<size_t>(n - at, size_t(1) << 30);
        adler = adler32(adler, data + at, static_cast<uInt>(part));
        at += part;
    }
    return static_cast<uint32_t>(adler);
}

}  // namespace

std::string EncodePng(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const size_t width = static_cast<size_t>(rgb.width());
    const size_t height = static_cast<size_t>(rgb.height());

    // Rows of filter byte 0 ("none") and R, G, B: tile rows repeat exactly.
    // Buffers are left uninitialised: every byte is written before use.
    const size_t stride = 1 + 3 * width;
    const size_t rawSize = stride * height;
    const std::unique_ptr<unsigned char[]> raw(new unsigned char[rawSize]);
    for (size_t y = 0; y < height; ++y) {
        unsigned char* row = raw.get() + stride * y;
        *row++ = 0;
        const auto* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(y)));
        for (size_t x = 0; x < width; ++x) {
            *row++ = static_cast<unsigned char>(qRed(px[x]));
            *row++ = static_cast<unsigned char>(qGreen(px[x]));
            *row++ = static_cast<unsigned char>(qBlue(px[x]));
        }
    }

    // zlib stream: header (deflate, 32 KiB window, fastest), data, Adler-32.
    const std::unique_ptr<unsigned char[]> stream(new unsigned char[2 + DeflateBound(rawSize) + 4]);
    stream[0] = 0x78;
    stream[1] = 0x01;
    size_t streamSize = 2 + Deflate(raw.get(), rawSize, stream.get() + 2);
    const uint32_t adler = Adler32(raw.get(), rawSize);
    for (int k = 3; k >= 0; --k)
        stream[streamSize++] = static_cast<unsigned char>(adler >> (8 * k));

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
