#include "settings/IniFile.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include "document/CheckedFile.h"
#include "dialogs/ShiftJisText.h"

namespace {

constexpr const char* kCodec = "Shift_JIS";
constexpr QStringConverter::Flags kFlags = QStringConverter::Flag::Stateless;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Trim(const std::string& s)
{
    size_t b = 0;
    size_t e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// Only ASCII letters fold; the bytes of multi-byte UTF-8 are all >= 0x80.
std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string NormName(const std::string& s) { return Lower(Trim(s)); }

// A line break inside a name or value would split the line on the next
// load. A lone CR does not break a line, so text read from the file never
// changes here.
std::string OneLine(const std::string& s)
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
std::string Decode(const std::string& raw)
{
    thread_local QStringDecoder decoder(kCodec, kFlags);
    decoder.resetState();
    const QString text = decoder.decode(QByteArrayView(raw.data(), static_cast<qsizetype>(raw.size())));
    return text.toStdString();
}

std::string Encode(const std::string& text)
{
    thread_local QStringEncoder encoder(kCodec, kFlags);
    encoder.resetState();
    const QByteArray bytes = encoder.encode(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool IsHexDigit(char c, uint32_t* v)
{
    if (c >= '0' && c <= '9') { *v = static_cast<uint32_t>(c - '0'); return true; }
    if (c >= 'a' && c <= 'f') { *v = static_cast<uint32_t>(c - 'a' + 10); return true; }
    if (c >= 'A' && c <= 'F') { *v = static_cast<uint32_t>(c - 'A' + 10); return true; }
    return false;
}

bool ParseInt32(const std::string& s, int32_t* out)
{
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        uint64_t v = 0;
        for (size_t i = 2; i < s.size(); ++i) {
            uint32_t d = 0;
            if (!IsHexDigit(s[i], &d)) return false;
            v = v * 16 + d;
            if (v > 0xFFFFFFFFull) return false;
        }
        *out = static_cast<int32_t>(static_cast<uint32_t>(v));
        return true;
    }
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i == s.size()) return false;
    int64_t v = 0;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
        if (v > limit) return false;
    }
    *out = static_cast<int32_t>(negative ? -v : v);
    return true;
}

// Bytes that read the same in Shift-JIS and UTF-8 need no converter, which
// keeps a long file of blank or ASCII lines cheap to read.
bool PlainAscii(const std::string& raw)
{
    for (const char c : raw)
        if (!(c == '\t' || c == '\r' || (c >= 0x20 && c < 0x7E && c != '\\')))
            return false;
    return true;
}

} // namespace

IniFile::Line IniFile::MakeLine(std::string raw, std::string eol)
{
    Line line;
    line.text = PlainAscii(raw) ? raw : Decode(raw);
    line.raw = std::move(raw);
    line.eol = std::move(eol);
    // Key lines are recognised here; headers are recognised by the caller,
    // which knows where sections begin.
    const std::string trimmed = Trim(line.text);
    if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#' || trimmed[0] == '[') return line;
    const size_t eq = line.text.find('=');
    if (eq == std::string::npos) return line;
    const std::string key = Trim(line.text.substr(0, eq));
    if (key.empty()) return line;
    line.isKey = true;
    line.keyLower = Lower(key);
    size_t start = eq + 1;
    while (start < line.text.size() && (line.text[start] == ' ' || line.text[start] == '\t')) ++start;
    line.valueStart = start;
    line.value = Trim(line.text.substr(start));
    return line;
}

IniFile::Line IniFile::MakeLineFromText(const std::string& text, const std::string& eol)
{
    // Re-read from the encoded bytes, so memory holds what the file will.
    return MakeLine(Encode(text), eol);
}

namespace {

// "[name]" -> name; false when the line is not a section header.
bool HeaderName(const std::string& text, std::string* name)
{
    const std::string t = Trim(text);
    if (t.empty() || t[0] != '[') return false;
    const size_t close = t.find(']');
    if (close == std::string::npos) return false;
    *name = Trim(t.substr(1, close - 1));
    return true;
}

} // namespace

Result IniFile::Load(const std::string& path)
{
    sections_.clear();
    sectionIndex_.clear();
    eol_ = "\r\n";
    std::string bytes;
    if (Result read = ReadRegularFile(path, MaxFileBytes, OverLimit::Refuse, bytes); !read) return read;
    LoadFromBytes(bytes);  // any bytes are some ini text
    return Result::Success();
}

bool IniFile::LoadFromBytes(const std::string& bytes)
{
    sections_.clear();
    sectionIndex_.clear();
    eol_ = "\r\n";
    const size_t firstBreak = bytes.find('\n');
    if (firstBreak != std::string::npos && (firstBreak == 0 || bytes[firstBreak - 1] != '\r')) eol_ = "\n";

    // 0x0A is never the second byte of a Shift-JIS character, so splitting
    // the raw bytes on it cannot cut a character in two.
    size_t pos = 0;
    while (pos < bytes.size()) {
        const size_t nl = bytes.find('\n', pos);
        std::string raw;
        std::string eol;
        if (nl == std::string::npos) {
            raw = bytes.substr(pos);
            pos = bytes.size();
        } else {
            raw = bytes.substr(pos, nl - pos);
            eol = "\n";
            if (!raw.empty() && raw.back() == '\r') {
                raw.pop_back();
                eol = "\r\n";
            }
            pos = nl + 1;
        }
        Line line = MakeLine(std::move(raw), std::move(eol));
        std::string name;
        if (HeaderName(line.text, &name)) {
            Section section;
            section.hasHeader = true;
            section.header = std::move(line);
            section.nameLower = Lower(name);
            sectionIndex_.emplace(section.nameLower, sections_.size());
            sections_.push_back(std::move(section));
        } else {
            if (sections_.empty()) sections_.emplace_back();  // lines before any section
            std::vector<Line>& body = sections_.back().body;
            if (!line.isKey) {
                // Only key lines are ever looked up or changed: other lines
                // are kept as bytes, and a run of them as one entry, so
                // memory stays close to the file's size.
                line.text.clear();
                if (!body.empty() && !body.back().isKey) {
                    Line& run = body.back();
                    run.raw += run.eol;
                    run.raw += line.raw;
                    run.eol = std::move(line.eol);
                    continue;
                }
            }
            body.push_back(std::move(line));
        }
    }
    return true;
}

const IniFile::Section* IniFile::FindSection(const std::string& section) const
{
    const auto it = sectionIndex_.find(NormName(section));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniFile::Line* IniFile::FindKey(const std::string& section, const std::string& key) const
{
    const Section* s = FindSection(section);
    if (!s) return nullptr;
    const std::string k = NormName(key);
    for (const Line& line : s->body)
        if (line.isKey && line.keyLower == k) return &line;
    return nullptr;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const
{
    const Line* line = FindKey(section, key);
    return line ? line->value : defaultValue;
}

int32_t IniFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const
{
    const Line* line = FindKey(section, key);
    int32_t v = 0;
    return line && ParseInt32(line->value, &v) ? v : defaultValue;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const
{
    const Line* line = FindKey(section, key);
    int32_t v = 0;
    return line && ParseInt32(line->value, &v) ? v != 0 : defaultValue;
}

void IniFile::WriteString(const std::string& sectionName, const std::string& keyName, const std::string& rawValue)
{
    const std::string sectionText = Trim(OneLine(sectionName));
    const std::string key = Trim(OneLine(keyName));
    const std::string value = OneLine(rawValue);

    const std::string wanted = Lower(sectionText);
    size_t index = 0;
    if (const auto it = sectionIndex_.find(wanted); it != sectionIndex_.end()) {
        index = it->second;
    } else {
        Section added;
        added.hasHeader = true;
        added.header = MakeLineFromText("[" + sectionText + "]", eol_);
        std::string name;
        HeaderName(added.header.text, &name);
        added.nameLower = Lower(name);
        index = sections_.size();
        sectionIndex_.emplace(added.nameLower, index);
        // Encoding may have altered the name; repeated writes must still
        // find this section by the name they ask for.
        sectionIndex_.emplace(wanted, index);
        sections_.push_back(std::move(added));
    }
    Section& section = sections_[index];

    const std::string k = Lower(key);
    size_t insertAt = 0;
    for (size_t i = 0; i < section.body.size(); ++i) {
        Line& line = section.body[i];
        if (!line.isKey) continue;
        if (line.keyLower == k) {
            // The same text leaves the line's bytes untouched.
            if (line.value == value) return;
            line = MakeLineFromText(line.text.substr(0, line.valueStart) + value, line.eol);
            return;
        }
        insertAt = i + 1;
    }
    section.body.insert(section.body.begin() + static_cast<std::ptrdiff_t>(insertAt),
                        MakeLineFromText(key + "=" + value, eol_));
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

bool IniFile::CanEncode(const std::string& text)
{
    return ShiftJisCanEncode(text);
}

std::string IniFile::ToBytes() const
{
    std::string out;
    bool needBreak = false;  // the previous line was the old unterminated last line
    const auto put = [&](const Line& line) {
        if (needBreak) out += eol_;
        out += line.raw;
        out += line.eol;
        needBreak = line.eol.empty();
    };
    for (const Section& section : sections_) {
        if (section.hasHeader) put(section.header);
        for (const Line& line : section.body) put(line);
    }
    return out;
}

Result IniFile::Save(const std::string& path) const
{
    return WriteFileChecked(path, ToBytes());
}
