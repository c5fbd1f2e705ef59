#include "files/NativePath.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

bool Escaped(char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

// The length of the UTF-8 sequence starting at `at`, or 0 when it is none.
size_t Utf8Sequence(const std::string& s, size_t at)
{
    const auto byte = [&s](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    const size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4                                  ? 4
                                                                                          : 0;
    if (length == 0 || at + length > s.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    const unsigned char second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

}  // namespace

std::string NativePath(const QString& path)
{
    std::string bytes;
    qsizetype plainFrom = 0;
    const auto flush = [&](qsizetype to) {
        bytes += path.mid(plainFrom, to - plainFrom).toStdString();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (!Escaped(c) || (i > 0 && QChar::isHighSurrogate(path[i - 1].unicode())))
            continue;
        flush(i);
        bytes += static_cast<char>(c - 0xDC00);
        plainFrom = i + 1;
    }
    flush(path.size());
    return bytes;
}

QString PathFromNative(const std::string& bytes)
{
    QString path;
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t length = Utf8Sequence(bytes, at);
        if (length == 0) {
            path += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        path += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(length));
        at += length;
    }
    return path;
}

QString ReadablePath(const QString& path)
{
    if (std::none_of(path.begin(), path.end(), [](QChar c) { return Escaped(c.unicode()); }))
        return path;
    const QByteArray bytes = QByteArray::fromStdString(NativePath(path));
    QStringDecoder shiftJis("Shift_JIS");
    const QString read = shiftJis.decode(bytes);
    if (!shiftJis.hasError())
        return read;
    QString marked = path;
    for (QChar& c : marked)
        if (Escaped(c.unicode()))
            c = QChar::ReplacementCharacter;
    return marked;
}
