#include "settings/IniFile.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <optional>

#include "document/CheckedFile.h"
#include "dialogs/ShiftJisText.h"

namespace {

constexpr const char* kCodec = "Shift_JIS";
constexpr QStringConverter::Flags kFlags = QStringConverter::Flag::Stateless;

// Byte classes by table: every name and line passes through these.
struct ByteClasses {
    std::array<bool, 256> blank{};
    std::array<char, 256> fold{};
    std::array<bool, 256> plain{};  // reads the same in Shift-JIS and UTF-8
    constexpr ByteClasses()
    {
        blank[' '] = blank['\t'] = blank['\r'] = true;
        for (int c = 0; c < 256; ++c)
            fold[static_cast<size_t>(c)] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        for (int c = 0x20; c < 0x7E; ++c) plain[static_cast<size_t>(c)] = c != '\\';
        plain['\t'] = plain['\r'] = true;
    }
};
constexpr ByteClasses kBytes;

bool IsBlank(char c) { return kBytes.blank[static_cast<unsigned char>(c)]; }

std::string_view TrimView(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Fold(char c) { return kBytes.fold[static_cast<unsigned char>(c)]; }

// The same name as Lower would make both.
bool SameFold(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

std::string NormName(std::string_view s)
{
    std::string out(TrimView(s));
    for (char& c : out) c = Fold(c);
    return out;
}

// FNV-1a over the folded bytes: names that compare equal hash equal.
uint32_t FoldHash(std::string_view s, uint32_t seed)
{
    uint32_t h = 2166136261u ^ seed;
    for (const char c : s) {
        h ^= static_cast<unsigned char>(Fold(c));
        h *= 16777619u;
    }
    return h;
}

uint32_t KeyHash(size_t section, std::string_view key)
{
    return FoldHash(key, static_cast<uint32_t>(section) * 0x9E3779B1u);
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
std::string Decode(std::string_view raw)
{
    thread_local QStringDecoder decoder(kCodec, kFlags);
    decoder.resetState();
    const QString text = decoder.decode(QByteArrayView(raw.data(), static_cast<qsizetype>(raw.size())));
    return text.toStdString();
}

std::string Encode(std::string_view text)
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

bool ParseInt32(std::string_view s, int32_t* out)
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
bool PlainAscii(std::string_view raw)
{
    for (const char c : raw)
        if (!kBytes.plain[static_cast<unsigned char>(c)])
            return false;
    return true;
}

const char* const LineEnds[] = {"", "\n", "\r\n"};



// "[name]" -> name; false when the line is not a section header.
bool HeaderName(std::string_view text, std::string_view* name)
{
    const std::string_view t = TrimView(text);
    if (t.empty() || t[0] != '[') return false;
    const size_t close = t.find(']');
    if (close == std::string_view::npos) return false;
    *name = TrimView(t.substr(1, close - 1));
    return true;
}

constexpr size_t EolBytes(uint8_t eol) { return eol; }  // "", "\n", "\r\n"

// Open addressing with linear probing; slot.section == 0 is free. The
// table stays at most half full.
template <class Slot>
void Insert(std::vector<Slot>& table, Slot slot)
{
    const size_t mask = table.size() - 1;
    size_t i = slot.hash & mask;
    while (table[i].section != 0) i = (i + 1) & mask;
    table[i] = slot;
}

} // namespace

template <class Slot>
void IniFile::HashIndex<Slot>::Add(Slot slot)
{
    if ((used + 1) * 2 > table.size()) {
        std::vector<Slot> old(std::max<size_t>(16, table.size() * 2));
        old.swap(table);
        for (const Slot& s : old)
            if (s.section != 0) Insert(table, s);
    }
    Insert(table, slot);
    ++used;
}

std::string_view IniFile::Text(const Line& line) const
{
    return line.text == NoText ? Raw(line) : std::string_view(texts_[line.text]);
}

std::string_view IniFile::KeyView(const Line& line) const
{
    return std::string_view(Text(line).data() + line.keyBegin, line.keyEnd - line.keyBegin);
}

std::string_view IniFile::ValueView(const Line& line) const
{
    std::string_view value(Text(line).data() + line.valueStart, line.valueEnd - line.valueStart);
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    return value;
}

uint8_t IniFile::EolIndex() const
{
    return eol_ == "\n" ? 1 : 2;
}

// Bytes [begin, begin + size) of store_. Key lines are recognised here, and
// headers when `header` is given (only the loader knows where sections begin).
IniFile::Line IniFile::MakeLine(size_t begin, size_t size, uint8_t eol, bool eolStored,
                                std::optional<std::string>* header)
{
    Line line;
    line.begin = static_cast<uint32_t>(begin);
    line.size = static_cast<uint32_t>(size);
    line.eol = eol;
    line.eolStored = eolStored;
    const std::string_view raw = Raw(line);
    const bool plain = PlainAscii(raw);
    std::string decoded = plain ? std::string() : Decode(raw);
    const std::string_view text = plain ? raw : std::string_view(decoded);
    if (std::string_view name; header && HeaderName(text, &name)) {
        header->emplace(name);
        return line;
    }
    size_t b = 0;
    while (b < text.size() && IsBlank(text[b])) ++b;
    if (b == text.size() || text[b] == ';' || text[b] == '#' || text[b] == '[') return line;
    const size_t eq = text.find('=', b);
    if (eq == std::string::npos) return line;
    size_t keyEnd = eq;
    while (keyEnd > b && IsBlank(text[keyEnd - 1])) --keyEnd;
    if (keyEnd == b) return line;
    size_t start = eq + 1;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    size_t end = text.size();
    while (end > start && IsBlank(text[end - 1])) --end;
    line.isKey = true;
    line.keyBegin = static_cast<uint32_t>(b);
    line.keyEnd = static_cast<uint32_t>(keyEnd);
    line.valueStart = static_cast<uint32_t>(start);
    line.valueEnd = static_cast<uint32_t>(end);
    if (!plain) {
        line.text = static_cast<uint32_t>(texts_.size());
        texts_.push_back(std::move(decoded));
    }
    return line;
}

IniFile::Line IniFile::MakeLineFromText(const std::string& text, uint8_t eol, std::optional<std::string>* header)
{
    // Re-read from the encoded bytes, so memory holds what the file will.
    const std::string bytes = Encode(text);
    const size_t begin = store_.size();
    store_ += bytes;
    return MakeLine(begin, bytes.size(), eol, false, header);
}

Result IniFile::Load(const std::string& path)
{
    LoadFromBytes({});
    std::string bytes;
    if (Result read = ReadRegularFile(path, MaxFileBytes, OverLimit::Refuse, bytes); !read) return read;
    LoadFromBytes(std::move(bytes));  // any bytes are some ini text
    return Result::Success();
}

bool IniFile::LoadFromBytes(std::string bytes)
{
    sections_.clear();
    sectionIndex_.Clear();
    keyIndex_.Clear();
    aliases_.clear();
    lastFound_ = NoSection;
    texts_.clear();
    store_ = std::move(bytes);
    eol_ = "\r\n";
    // Offsets are 32-bit; the file is capped far below that.
    if (store_.size() > UINT32_MAX / 2) store_.resize(UINT32_MAX / 2);
    const size_t firstBreak = store_.find('\n');
    if (firstBreak != std::string::npos && (firstBreak == 0 || store_[firstBreak - 1] != '\r')) eol_ = "\n";

    bool shadowed = false;  // inside a later section of a name already seen
    // 0x0A is never the second byte of a Shift-JIS character, so splitting
    // the raw bytes on it cannot cut a character in two.
    const size_t total = store_.size();
    for (size_t pos = 0; pos < total;) {
        const size_t nl = store_.find('\n', pos);
        size_t size = (nl == std::string::npos ? total : nl) - pos;
        uint8_t eol = 0;
        if (nl != std::string::npos) {
            eol = 1;
            if (size > 0 && store_[pos + size - 1] == '\r') {
                --size;
                eol = 2;
            }
        }
        std::optional<std::string> name;
        Line line = MakeLine(pos, size, eol, true, &name);
        pos = nl == std::string::npos ? total : nl + 1;
        if (name) {
            shadowed = FindSectionIndex(*name) != NoSection;
            if (!shadowed) {
                sectionIndex_.Add(SectionSlot{static_cast<uint32_t>(sections_.size() + 1), FoldHash(*name, 0)});
                Section& section = sections_.emplace_back();
                section.hasHeader = true;
                section.header = line;
                continue;
            }
        }
        if (sections_.empty()) sections_.emplace_back();  // lines before any section
        const size_t index = sections_.size() - 1;
        Section& section = sections_.back();
        std::vector<Line>& body = section.body;
        // Only the first key of a name in a section's first occurrence is
        // ever looked up or changed (lines before any section belong to
        // none); other lines are kept as bytes, a run of them as one entry,
        // so memory stays close to the file's size.
        if (line.isKey && !shadowed && section.hasHeader && FindKeyIndex(index, KeyView(line)) == NoLine) {
            AddKeyIndex(index, body.size(), KeyView(line));
            body.push_back(line);
            section.keysEnd = static_cast<uint32_t>(body.size());
            continue;
        }
        if (line.text != NoText) texts_.pop_back();
        line.isKey = false;
        line.text = NoText;
        if (!body.empty() && !body.back().isKey) {
            Line& run = body.back();
            run.size = line.begin + line.size - run.begin;
            run.eol = line.eol;
            continue;
        }
        body.push_back(line);
    }
    return true;
}

bool IniFile::SectionIs(size_t index, std::string_view name) const
{
    const std::string_view raw = Raw(sections_[index].header);
    const bool plain = PlainAscii(raw);
    const std::string decoded = plain ? std::string() : Decode(raw);
    std::string_view header;
    HeaderName(plain ? raw : std::string_view(decoded), &header);
    return SameFold(header, name);
}

size_t IniFile::FindSectionIndex(std::string_view name) const
{
    // Settings are read and written section by section.
    if (lastFound_ != NoSection && SameFold(name, lastName_)) return lastFound_;
    for (const auto& [alias, index] : aliases_)
        if (SameFold(name, alias)) return index;
    const std::vector<SectionSlot>& table = sectionIndex_.table;
    if (table.empty()) return NoSection;
    const uint32_t hash = FoldHash(name, 0);
    const size_t mask = table.size() - 1;
    for (size_t i = hash & mask; table[i].section != 0; i = (i + 1) & mask)
        if (table[i].hash == hash && SectionIs(table[i].section - 1, name)) {
            lastName_ = NormName(name);
            lastFound_ = table[i].section - 1;
            return lastFound_;
        }
    return NoSection;
}

size_t IniFile::FindKeyIndex(size_t section, std::string_view key) const
{
    const std::vector<KeySlot>& table = keyIndex_.table;
    if (table.empty()) return NoLine;
    const uint32_t hash = KeyHash(section, key);
    const size_t mask = table.size() - 1;
    for (size_t i = hash & mask; table[i].section != 0; i = (i + 1) & mask) {
        const KeySlot& slot = table[i];
        if (slot.hash != hash || slot.section != section + 1) continue;
        const Line& line = sections_[section].body[slot.line];
        if (line.keyEnd - line.keyBegin == key.size() && SameFold(KeyView(line), key)) return slot.line;
    }
    return NoLine;
}

void IniFile::AddKeyIndex(size_t section, size_t line, std::string_view key)
{
    keyIndex_.Add(KeySlot{static_cast<uint32_t>(section + 1), static_cast<uint32_t>(line), KeyHash(section, key)});
}

// After a key line reads back under another name (bytes that do not
// survive Shift-JIS): the first line of each name, in file order, counts.
void IniFile::RebuildKeyIndex()
{
    keyIndex_.Clear();
    for (size_t s = 0; s < sections_.size(); ++s) {
        const std::vector<Line>& body = sections_[s].body;
        for (size_t i = 0; i < body.size(); ++i)
            if (body[i].isKey && FindKeyIndex(s, KeyView(body[i])) == NoLine) AddKeyIndex(s, i, KeyView(body[i]));
    }
}

const IniFile::Line* IniFile::FindKey(std::string_view section, std::string_view key) const
{
    const size_t s = FindSectionIndex(TrimView(section));
    if (s == NoSection) return nullptr;
    const size_t line = FindKeyIndex(s, TrimView(key));
    return line == NoLine ? nullptr : &sections_[s].body[line];
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const Line* line = FindKey(section, key);
    return std::string(line ? ValueView(*line) : defaultValue);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const
{
    const Line* line = FindKey(section, key);
    int32_t v = 0;
    return line && ParseInt32(ValueView(*line), &v) ? v : defaultValue;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    const Line* line = FindKey(section, key);
    int32_t v = 0;
    return line && ParseInt32(ValueView(*line), &v) ? v != 0 : defaultValue;
}

void IniFile::WriteString(std::string_view sectionName, std::string_view keyName, std::string_view value)
{
    const auto broken = [](std::string_view text) { return text.find('\n') != std::string_view::npos; };
    if (broken(sectionName) || broken(keyName) || broken(value))
        return WriteString(OneLine(sectionName), OneLine(keyName), OneLine(value));
    const std::string_view sectionText = TrimView(sectionName);
    const std::string_view key = TrimView(keyName);

    size_t index = FindSectionIndex(sectionText);
    if (index == NoSection) {
        Section added;
        added.hasHeader = true;
        std::optional<std::string> name;
        added.header = MakeLineFromText("[" + std::string(sectionText) + "]", EolIndex(), &name);
        index = sections_.size();
        sections_.push_back(std::move(added));
        const std::string read = name.value_or(std::string());
        if (FindSectionIndex(read) == NoSection)
            sectionIndex_.Add(SectionSlot{static_cast<uint32_t>(index + 1), FoldHash(read, 0)});
        // Encoding may have altered the name; repeated writes must still
        // find this section by the name they ask for.
        if (!SameFold(read, sectionText)) aliases_.emplace_back(NormName(sectionText), index);
    }
    Section& section = sections_[index];
    std::vector<Line>& body = section.body;
    if (const size_t at = FindKeyIndex(index, key); at != NoLine) {
        const Line& line = body[at];
        // The same text leaves the line's bytes untouched.
        if (ValueView(line) == value) return;
        const std::string before(KeyView(line));
        std::string text(Text(line).substr(0, line.valueStart));
        text += value;
        body[at] = MakeLineFromText(text, line.eol);
        if (!body[at].isKey || KeyView(body[at]) != before) RebuildKeyIndex();
        return;
    }
    std::string text(key);
    text += '=';
    text += value;
    const Line added = MakeLineFromText(text, EolIndex());
    const size_t at = section.keysEnd;
    body.insert(body.begin() + static_cast<std::ptrdiff_t>(at), added);
    if (!added.isKey) return;  // the name reads as a comment or header: nothing to find
    section.keysEnd = static_cast<uint32_t>(at + 1);
    if (FindKeyIndex(index, KeyView(added)) == NoLine) AddKeyIndex(index, at, KeyView(added));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value)
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
    out.reserve(store_.size());
    // Lines as read lie in store_ one after the other with their endings:
    // runs of them are copied at once.
    size_t from = 0, to = 0;
    const auto flush = [&](size_t next) {
        out.append(store_, from, to - from);
        from = to = next;
    };
    bool needBreak = false;  // the previous line was the old unterminated last line
    const auto put = [&](const Line& line) {
        if (needBreak) {
            flush(line.begin);
            out += eol_;
        } else if (line.begin != to) {
            flush(line.begin);
        }
        to = line.begin + line.size;
        if (line.eolStored) {
            to += EolBytes(line.eol);
        } else {
            flush(to);
            out += LineEnds[line.eol];
        }
        needBreak = line.eol == 0;
    };
    for (const Section& section : sections_) {
        if (section.hasHeader) put(section.header);
        for (const Line& line : section.body) put(line);
    }
    flush(0);
    return out;
}

Result IniFile::Save(const std::string& path) const
{
    return WriteFileChecked(path, ToBytes());
}
