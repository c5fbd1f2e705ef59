#include "cli/JsonText.h"

#include <QString>
#include <cstdio>

std::string JsonString(const std::string& utf8)
{
    // The round trip through QString replaces malformed UTF-8.
    const std::string text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdString();
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7f) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}
