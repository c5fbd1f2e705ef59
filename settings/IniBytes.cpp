#include "settings/IniBytes.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <charconv>
#include <cstring>

namespace ini_bytes {

namespace {

constexpr const char* kCodec = "Shift_JIS";
constexpr QStringConverter::Flags kFlags = QStringConverter::Flag::Stateless;

// Byte classes by table: every name and line passes through these. Plain
// arrays and pointer loops: with the sanitizers on, each library accessor
// below would be a call of its own.
struct ByteClasses {
    bool blank[256] = {};
    char fold[256] = {};
    bool plain[256] = {};  // reads the same in Shift-JIS and UTF-8
    constexpr ByteClasses()
    {
        for (const unsigned char c : {' ', '\t', '\r'}) blank[c] = plain[c] = true;
        for (int c = 0; c < 256; ++c)
            fold[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        for (int c = 0x20; c < 0x7E; ++c) plain[c] = c != '\\';
    }
};
constexpr ByteClasses kBytes;

// Open addressing with linear probing over the first `size` slots (a power
// of two); slot.section == 0 is free. The table stays at most half full.
template <class Slot>
void Insert(Slot* table, size_t size, Slot slot)
{
    const size_t mask = size - 1;
    size_t i = slot.hash & mask;
    while (table[i].section != 0) i = (i + 1) & mask;
    table[i] = slot;
}

// The first `size` slots of `table`, all free. The vector only grows, so a
// table of the next load reuses it without a fill loop.
template <class Slot>
Slot* FreeSlots(std::vector<Slot>& table, size_t size)
{
    if (table.size() < size) table.resize(size);
    std::memset(static_cast<void*>(table.data()), 0, size * sizeof(Slot));
    return table.data();
}

}  // namespace

// Most bytes are above the blanks: one comparison lets them through.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && kBytes.blank[static_cast<unsigned char>(c)]; }

std::string_view TrimView(std::string_view s)
{
    const char* begin = s.data();
    const char* end = begin + s.size();
    while (begin != end && IsBlank(*begin)) ++begin;
    while (end != begin && IsBlank(end[-1])) --end;
    return std::string_view(begin, static_cast<size_t>(end - begin));
}

char Fold(char c) { return kBytes.fold[static_cast<unsigned char>(c)]; }

// The same name as Lower would make both. Names are mostly asked for as
// the file spells them, so a byte is folded only when it differs.
bool SameFold(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    const char* p = a.data();
    const char* q = b.data();
    for (const char* end = p + a.size(); p != end; ++p, ++q)
        if (*p != *q && Fold(*p) != Fold(*q)) return false;
    return true;
}

// A loop of ours, not memcmp: values are short, and with the sanitizers on
// every memcmp goes through a checking wrapper.
bool SameBytes(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (const char *p = a.data(), *q = b.data(), *end = p + a.size(); p != end; ++p, ++q)
        if (*p != *q) return false;
    return true;
}

std::string NormName(std::string_view s)
{
    std::string out(TrimView(s));
    for (char& c : out) c = Fold(c);
    return out;
}

// FNV-1a. Bit 5 is ignored, which is all that folding a letter changes, so
// names SameFold matches hash equal without folding each byte.
uint32_t FoldHash(std::string_view s, uint32_t seed)
{
    uint32_t h = 2166136261u ^ seed;
    for (const char c : s) {
        h ^= static_cast<unsigned char>(c) | 0x20u;
        h *= 16777619u;
    }
    return h;
}

uint32_t KeyHash(size_t section, std::string_view key)
{
    return FoldHash(key, static_cast<uint32_t>(section) * 0x9E3779B1u);
}

bool HasBreak(std::string_view s)
{
    for (const char* p = s.data(); p != s.data() + s.size(); ++p)
        if (*p == '\n') return true;
    return false;
}

bool TrimUnbroken(std::string_view& a, std::string_view& b, std::string_view& c)
{
    if (HasBreak(a) || HasBreak(b) || HasBreak(c)) return false;
    a = TrimView(a);
    b = TrimView(b);
    c = TrimView(c);
    return true;
}

// A line break inside a name or value would split the line on the next
// load. A lone CR does not break a line, so text read from the file never
// changes here.
std::string OneLine(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
        out += s[i] == '\n' ? ' ' : s[i];
    }
    return out;
}

// Opening a converter costs far more than a short line; keep one per
// thread. Stateless, so nothing carries over from one line to the next.
// Appends the UTF-8 text to `out` through buffers kept between calls.
void DecodeInto(std::string_view raw, std::string& out)
{
    thread_local QStringDecoder decoder(kCodec, kFlags);
    thread_local QStringEncoder utf8(QStringConverter::Utf8, kFlags);
    thread_local std::vector<QChar> wide;
    decoder.resetState();
    utf8.resetState();
    const auto size = static_cast<qsizetype>(raw.size());
    wide.resize(static_cast<size_t>(decoder.requiredSpace(size)));
    const QChar* end = decoder.appendToBuffer(wide.data(), QByteArrayView(raw.data(), size));
    const qsizetype count = end - wide.data();
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(utf8.requiredSpace(count)));
    const char* written = utf8.appendToBuffer(out.data() + at, QStringView(wide.data(), count));
    out.resize(static_cast<size_t>(written - out.data()));
}

std::string Encode(std::string_view text)
{
    thread_local QStringEncoder encoder(kCodec, kFlags);
    encoder.resetState();
    const QByteArray bytes = encoder.encode(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Bytes that read the same in Shift-JIS and UTF-8 need no converter, which
// keeps a long file of blank or ASCII lines cheap to read. Eight bytes are
// checked at once for any byte below 0x20 or above 0x7D or a backslash;
// only a word with one is looked at byte by byte (tab and CR are plain).
bool PlainAscii(std::string_view raw)
{
    constexpr uint64_t ones = 0x0101010101010101ull;
    constexpr uint64_t highs = ones * 0x80;
    const auto plainBytes = [&](size_t from, size_t to) {
        for (const char* p = raw.data() + from; p != raw.data() + to; ++p)
            if (!kBytes.plain[static_cast<unsigned char>(*p)]) return false;
        return true;
    };
    const auto plainWord = [&](size_t at) {
        uint64_t w = 0;
        std::memcpy(&w, raw.data() + at, 8);
        const uint64_t below = (w - ones * 0x20) & ~w;
        const uint64_t above = (w + ones * (0x7F - 0x7D)) | w;
        const uint64_t x = w ^ (ones * '\\');
        const uint64_t backslash = (x - ones) & ~x;
        return ((below | above | backslash) & highs) == 0 || plainBytes(at, at + 8);
    };
    const size_t size = raw.size();
    if (size < 8) return plainBytes(0, size);
    for (size_t at = 0; at + 8 <= size; at += 8)
        if (!plainWord(at)) return false;
    // The rest as the last eight bytes, which overlap the word before.
    return size % 8 == 0 || plainWord(size - 8);
}

bool PlainKey(std::string_view key)
{
    if (key.empty() || key[0] == ';' || key[0] == '#' || key[0] == '[') return false;
    return std::memchr(key.data(), '=', key.size()) == nullptr && PlainAscii(key);
}

bool PlainSectionName(std::string_view name)
{
    return std::memchr(name.data(), ']', name.size()) == nullptr && PlainAscii(name);
}

size_t SplitLine(const char* bytes, size_t total, size_t pos, size_t* size, uint8_t* eol)
{
    const auto* found = static_cast<const char*>(std::memchr(bytes + pos, '\n', total - pos));
    if (!found) {
        *size = total - pos;
        *eol = 0;
        return total;
    }
    const auto nl = static_cast<size_t>(found - bytes);
    const bool crlf = nl > pos && bytes[nl - 1] == '\r';
    *size = nl - pos - (crlf ? 1 : 0);
    *eol = crlf ? 2 : 1;
    return nl + 1;
}

size_t SkipSpaceTab(std::string_view s, size_t pos)
{
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
    return pos;
}

bool ParseInt32(std::string_view s, int32_t* out)
{
    const char* p = s.data();
    const char* const end = p + s.size();
    uint64_t v = 0;
    if (s.size() > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        const auto [stop, error] = std::from_chars(p + 2, end, v, 16);
        if (error != std::errc() || stop != end || v > 0xFFFFFFFFull) return false;
        *out = static_cast<int32_t>(static_cast<uint32_t>(v));
        return true;
    }
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-')) ++p;
    // Digits only: the sign is taken above, and from_chars of an unsigned
    // value takes none.
    const auto [stop, error] = std::from_chars(p, end, v);
    if (p == end || error != std::errc() || stop != end || v > (negative ? 2147483648ull : 2147483647ull))
        return false;
    *out = static_cast<int32_t>(negative ? -static_cast<int64_t>(v) : static_cast<int64_t>(v));
    return true;
}

// At most `limit` bytes equal to c, found by memchr.
size_t CountUpTo(std::string_view s, char c, size_t limit)
{
    size_t n = 0;
    for (const char* p = s.data(); n < limit; ++p, ++n) {
        p = static_cast<const char*>(std::memchr(p, c, static_cast<size_t>(s.data() + s.size() - p)));
        if (!p) break;
    }
    return n;
}

template <class Slot>
void HashIndex<Slot>::Reserve(size_t names)
{
    size = 16;
    while (size < names * 2) size *= 2;
    FreeSlots(table, size);
    used = 0;
}

template <class Slot>
void HashIndex<Slot>::Grow(size_t names)
{
    if (names * 2 <= size) return;
    size_t grown = std::max<size_t>(16, size * 2);
    while (grown < names * 2) grown *= 2;
    Slot* const to = FreeSlots(spare, grown);
    for (const Slot* from = table.data(); from != table.data() + size; ++from)
        if (from->section != 0) Insert(to, grown, *from);
    spare.swap(table);
    size = grown;
}

template <class Slot>
void HashIndex<Slot>::Add(Slot slot)
{
    Grow(used + 1);
    Insert(table.data(), size, slot);
    ++used;
}

template struct HashIndex<SectionSlot>;
template struct HashIndex<KeySlot>;

}  // namespace ini_bytes
