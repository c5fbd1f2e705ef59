#include "settings/IniFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

#include "filesystem/CheckedFile.h"
#include "settings/ShiftJisText.h"

namespace {

using namespace ini_bytes;

const char* const LineEnds[] = {"", "\n", "\r\n"};

// "[name]" -> name; false when the line is not a section header.
bool HeaderName(std::string_view text, std::string_view* name)
{
    const std::string_view t = TrimView(text);
    if (t.size() == 0 || *t.data() != '[') return false;
    const auto* close = static_cast<const char*>(std::memchr(t.data(), ']', t.size()));
    if (!close) return false;
    *name = TrimView(std::string_view(t.data() + 1, static_cast<size_t>(close - t.data() - 1)));
    return true;
}

constexpr size_t EolBytes(uint8_t eol) { return eol; }  // "", "\n", "\r\n"

} // namespace

std::string_view IniFile::Text(const Line& line) const
{
    return line.text == None ? Raw(line) : std::string_view(decoded_.data() + line.text, line.valueEnd);
}

std::string_view IniFile::KeyView(const Line& line) const
{
    return std::string_view(Text(line).data() + line.keyBegin, line.keyEnd - line.keyBegin);
}

std::string_view IniFile::ValueView(const Line& line) const
{
    const char* begin = Text(line).data();
    const char* end = begin + line.valueEnd;
    begin += line.valueStart;
    while (begin != end && IsBlank(*begin)) ++begin;
    return std::string_view(begin, static_cast<size_t>(end - begin));
}

uint8_t IniFile::EolIndex() const
{
    return eol_ == "\n" ? 1 : 2;
}

IniFile::Line IniFile::MakeLine(size_t begin, size_t size, uint8_t eol, bool eolStored, bool headers, bool plain)
{
    Line line;
    line.begin = static_cast<uint32_t>(begin);
    line.size = static_cast<uint32_t>(size);
    line.eol = eol;
    line.eolStored = eolStored;
    std::string_view text = Raw(line);
    if (!plain && !PlainAscii(text)) {
        // Trailing blanks are never part of a character, but the decoder
        // would fold a cut lead byte and a CR into one: decoded apart, the
        // text stays the same when a lone CR at the end becomes a line end.
        size_t body = text.size();
        while (body > 0 && IsBlank(text[body - 1])) --body;
        line.text = static_cast<uint32_t>(decoded_.size());
        DecodeInto(text.substr(0, body), decoded_);
        decoded_ += text.substr(body);
        text = std::string_view(decoded_).substr(line.text);
    }
    // Only key and header lines keep their decoded text.
    const auto dropText = [&] {
        if (line.text != None) decoded_.resize(line.text);
        line.text = None;
    };
    if (std::string_view name; headers && HeaderName(text, &name)) {
        line.kind = Kind::Header;
        line.keyBegin = static_cast<uint32_t>(name.data() - text.data());
        line.keyEnd = line.valueStart = line.valueEnd = static_cast<uint32_t>(line.keyBegin + name.size());
        return line;
    }
    // The blank trimming goes through TrimView, which fuzzing builds leave
    // untraced; the decisions about the line stay here.
    const char* const t = text.data();
    const std::string_view trimmed = TrimView(text);
    if (trimmed.size() == 0) { dropText(); return line; }
    const char first = *trimmed.data();
    if (first == ';' || first == '#' || first == '[') { dropText(); return line; }
    const auto* equals = static_cast<const char*>(std::memchr(trimmed.data(), '=', trimmed.size()));
    if (!equals) { dropText(); return line; }
    const std::string_view key = TrimView(std::string_view(trimmed.data(), static_cast<size_t>(equals - trimmed.data())));
    if (key.size() == 0) { dropText(); return line; }
    const auto b = static_cast<size_t>(key.data() - t);
    const size_t keyEnd = b + key.size();
    const size_t start = SkipSpaceTab(text, static_cast<size_t>(equals - t) + 1);
    // Trailing blanks go, but never from before the value's start.
    const size_t end = std::max(static_cast<size_t>(trimmed.data() - t) + trimmed.size(), start);
    line.kind = Kind::Key;
    line.keyBegin = static_cast<uint32_t>(b);
    line.keyEnd = static_cast<uint32_t>(keyEnd);
    line.valueStart = static_cast<uint32_t>(start);
    line.valueEnd = static_cast<uint32_t>(end);
    return line;
}

IniFile::Line IniFile::MakeLineFromText(std::initializer_list<std::string_view> pieces, uint8_t eol, bool headers)
{
    // Re-read from the encoded bytes, so memory holds what the file will.
    // Each piece ends on a whole character, so encoding piece by piece
    // gives the bytes of the whole; plain ones need no converter.
    // Most lines are plain as a whole: put as they are, checked once.
    const size_t begin = store_.size();
    for (const std::string_view piece : pieces) store_ += piece;
    const bool plain = PlainAscii(std::string_view(store_).substr(begin));
    if (!plain) {
        store_.resize(begin);
        for (const std::string_view piece : pieces)
            store_ += PlainAscii(piece) ? piece : std::string_view(Encode(piece));
    }
    return MakeLine(begin, store_.size() - begin, eol, false, headers, plain);
}

IniFile::Line IniFile::PlainLine(std::initializer_list<std::string_view> pieces, uint8_t eol, const Line& shape)
{
    Line line = shape;
    line.begin = static_cast<uint32_t>(store_.size());
    for (const std::string_view piece : pieces) store_ += piece;
    line.size = static_cast<uint32_t>(store_.size() - line.begin);
    line.text = None;
    line.eol = eol;
    line.eolStored = false;
    line.next = None;
    line.valueEnd = line.kind == Kind::Header ? line.keyEnd : line.size;
    if (line.kind == Kind::Header) line.valueStart = line.keyEnd;
    return line;
}

// At the end of the file.
uint32_t IniFile::Append(const Line& line)
{
    const auto id = static_cast<uint32_t>(lines_.size());
    lines_.push_back(line);
    lines_.back().next = None;
    (tail_ == None ? head_ : lines_[tail_].next) = id;
    tail_ = id;
    return id;
}

Result IniFile::Load(const std::string& path)
{
    LoadFromBytes({});
    std::string bytes;
    if (Result read = ReadRegularFile(path, MaxFileBytes, OverLimit::Refuse, bytes); !read) return read;
    store_ = std::move(bytes);
    Parse();  // any bytes are some ini text
    return Result::Success();
}

bool IniFile::LoadFromBytes(std::string_view bytes)
{
    store_.assign(bytes);
    Parse();
    return true;
}

void IniFile::Parse()
{
    // Cleared, not freed: an object loaded again reuses its memory.
    lines_.clear();
    head_ = tail_ = None;
    sections_.clear();
    aliases_.clear();
    lastFound_ = NoSection;
    decoded_.clear();
    eol_ = "\r\n";
    // Offsets are 32-bit; the file is capped far below that.
    if (store_.size() > UINT32_MAX / 2) store_.resize(UINT32_MAX / 2);
    const size_t firstBreak = store_.find('\n');
    if (firstBreak != std::string::npos && (firstBreak == 0 || store_[firstBreak - 1] != '\r')) eol_ = "\n";

    // Sized for the keys and sections the file can hold, so a small file's
    // tables never grow; a big one's grow as the names turn out distinct.
    keyIndex_.Reserve(CountUpTo(store_, '=', 4096));
    sectionIndex_.Reserve(CountUpTo(store_, '[', 4096));

    size_t section = NoSection;  // the section keys now belong to
    // 0x0A is never the second byte of a Shift-JIS character, so splitting
    // the raw bytes on it cannot cut a character in two.
    const char* const bytes = store_.data();
    const size_t total = store_.size();
    for (size_t pos = 0; pos < total;) {
        size_t size = 0;
        uint8_t eol = 0;
        const size_t begin = pos;
        pos = SplitLine(bytes, total, pos, &size, &eol);
        // An empty line joins the run before it without being looked at.
        if (size == 0 && tail_ != None && lines_[tail_].kind == Kind::Opaque) {
            lines_[tail_].size = static_cast<uint32_t>(begin - lines_[tail_].begin);
            lines_[tail_].eol = eol;
            continue;
        }
        Line line = MakeLine(begin, size, eol, true, true);
        if (line.kind == Kind::Header) {
            const std::string_view name = KeyView(line);
            if (FindSectionIndex(name) == NoSection) {
                section = sections_.size();
                const uint32_t id = Append(line);
                sections_.push_back(Section{id, id});
                sectionIndex_.Add(SectionSlot{static_cast<uint32_t>(section + 1), FoldHash(name, 0)});
                continue;
            }
            section = NoSection;
        } else if (line.kind == Kind::Key && section != NoSection) {
            const uint32_t hash = KeyHash(section, KeyView(line));
            if (FindKeyLine(section, KeyView(line), hash) == None) {
                const uint32_t id = Append(line);
                sections_[section].lastKey = id;
                AddKeyIndex(section, id, hash);
                continue;
            }
        }
        // Lines before any section, in a later section of a name already
        // seen, later keys of a name and all other lines are only ever
        // written back: kept as bytes, a run of them as one entry, so memory
        // stays close to the file's size.
        if (line.text != None) decoded_.resize(line.text);
        if (tail_ != None && lines_[tail_].kind == Kind::Opaque) {
            Line& run = lines_[tail_];
            run.size = line.begin + line.size - run.begin;
            run.eol = line.eol;
            continue;
        }
        line.kind = Kind::Opaque;
        line.text = None;
        Append(line);
    }
}

size_t IniFile::FindSectionIndex(std::string_view name) const
{
    // Settings are read and written section by section.
    if (lastFound_ != NoSection && SameFold(name, lastName_)) return lastFound_;
    for (const auto& [alias, index] : aliases_)
        if (SameFold(name, alias)) return index;
    if (sectionIndex_.size == 0) return NoSection;
    const SectionSlot* table = sectionIndex_.table.data();
    const uint32_t hash = FoldHash(name, 0);
    const size_t mask = sectionIndex_.size - 1;
    for (size_t i = hash & mask; table[i].section != 0; i = (i + 1) & mask) {
        if (table[i].hash != hash) continue;
        const size_t index = table[i].section - 1;
        if (SameFold(KeyView(lines_[sections_[index].header]), name)) {
            lastName_.assign(name);
            lastFound_ = index;
            return index;
        }
    }
    return NoSection;
}

uint32_t IniFile::FindKeyLine(size_t section, std::string_view key) const
{
    return FindKeyLine(section, key, KeyHash(section, key));
}

uint32_t IniFile::FindKeyLine(size_t section, std::string_view key, uint32_t hash) const
{
    if (keyIndex_.size == 0) return None;
    const KeySlot* table = keyIndex_.table.data();
    const size_t mask = keyIndex_.size - 1;
    for (size_t i = hash & mask; table[i].section != 0; i = (i + 1) & mask) {
        const KeySlot& slot = table[i];
        if (slot.hash == hash && slot.section == section + 1 && SameFold(KeyView(lines_.data()[slot.line]), key))
            return slot.line;
    }
    return None;
}

void IniFile::AddKeyIndex(size_t section, uint32_t line, uint32_t hash)
{
    keyIndex_.Add(KeySlot{static_cast<uint32_t>(section + 1), line, hash});
}

// After a key line reads back under another name (bytes that do not
// survive Shift-JIS): the first line of each name in its section counts.
void IniFile::RebuildKeyIndex()
{
    keyIndex_.Clear();
    for (size_t s = 0; s < sections_.size(); ++s)
        for (uint32_t id = lines_[sections_[s].header].next; id != None && lines_[id].kind != Kind::Header;
             id = lines_[id].next)
            if (const uint32_t hash = KeyHash(s, KeyView(lines_[id]));
                lines_[id].kind == Kind::Key && FindKeyLine(s, KeyView(lines_[id]), hash) == None)
                AddKeyIndex(s, id, hash);
}

const IniFile::Line* IniFile::FindKey(std::string_view section, std::string_view key) const
{
    const size_t s = FindSectionIndex(TrimView(section));
    if (s == NoSection) return nullptr;
    const uint32_t line = FindKeyLine(s, TrimView(key));
    return line == None ? nullptr : &lines_[line];
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
    // Stored as it reads back: blanks around a value are not read, and
    // kept before it they would pile up with every write of the same value.
    std::string_view sectionText = sectionName, key = keyName, trimmed = value;
    if (!TrimUnbroken(sectionText, key, trimmed))
        return WriteString(OneLine(sectionName), OneLine(keyName), OneLine(value));
    value = trimmed;

    size_t index = FindSectionIndex(sectionText);
    if (index == NoSection) {
        Line shape;
        shape.kind = Kind::Header;
        shape.keyBegin = 1;
        shape.keyEnd = static_cast<uint32_t>(1 + sectionText.size());
        const uint32_t id = Append(PlainSectionName(sectionText) ? PlainLine({"[", sectionText, "]"}, EolIndex(), shape)
                                                                 : MakeLineFromText({"[", sectionText, "]"}, EolIndex(), true));
        index = sections_.size();
        sections_.push_back(Section{id, id});
        const std::string_view read = KeyView(lines_[id]);
        // The name as asked for was not found; one that reads back the same
        // needs no second look.
        const bool same = SameFold(read, sectionText);
        if (same || FindSectionIndex(read) == NoSection)
            sectionIndex_.Add(SectionSlot{static_cast<uint32_t>(index + 1), FoldHash(read, 0)});
        // Encoding may have altered the name; repeated writes must still
        // find this section by the name they ask for.
        if (!same) aliases_.emplace_back(NormName(sectionText), index);
    }
    const uint32_t keyHash = KeyHash(index, key);
    if (const uint32_t id = FindKeyLine(index, key, keyHash); id != None) {
        // The same text leaves the line's bytes untouched.
        if (SameBytes(ValueView(lines_[id]), value)) return;
        // Copied: writing the new line may move the old line's text.
        const Line old = lines_[id];
        const std::string prefix(Text(old).substr(0, old.valueStart));
        Line made = old.text == None && PlainAscii(value) ? PlainLine({prefix, value}, old.eol, old)
                                                           : MakeLineFromText({prefix, value}, old.eol, false);
        made.next = old.next;
        lines_[id] = made;
        if (made.kind != Kind::Key || KeyView(made) != KeyView(old)) RebuildKeyIndex();
        return;
    }
    Line shape;
    shape.kind = Kind::Key;
    shape.keyEnd = static_cast<uint32_t>(key.size());
    shape.valueStart = static_cast<uint32_t>(key.size() + 1);
    const bool plain = PlainKey(key) && PlainAscii(value);
    const Line added = plain ? PlainLine({key, "=", value}, EolIndex(), shape)
                             : MakeLineFromText({key, "=", value}, EolIndex(), false);
    Section& section = sections_[index];
    const auto id = static_cast<uint32_t>(lines_.size());
    lines_.push_back(added);
    lines_[id].next = lines_[section.lastKey].next;
    lines_[section.lastKey].next = id;
    if (tail_ == section.lastKey) tail_ = id;
    if (added.kind != Kind::Key) return;  // the name reads as a comment: nothing to find
    section.lastKey = id;
    if (plain) return AddKeyIndex(index, id, keyHash);
    // As with sections: only a name altered by encoding can be there already.
    if (const uint32_t hash = KeyHash(index, KeyView(added));
        SameFold(KeyView(added), key) || FindKeyLine(index, KeyView(added), hash) == None)
        AddKeyIndex(index, id, hash);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    char digits[16];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    WriteString(section, key, std::string_view(digits, static_cast<size_t>(end - digits)));
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
    ToBytes(out);
    return out;
}

void IniFile::ToBytes(std::string& out) const
{
    out.clear();
    out.reserve(store_.size());
    // Lines as read lie in store_ one after the other with their endings:
    // runs of them are copied at once.
    size_t from = 0, to = 0;
    const auto flush = [&](size_t next) {
        out.append(store_, from, to - from);
        from = to = next;
    };
    bool needBreak = false;  // the previous line was the old unterminated last line
    for (uint32_t id = head_; id != None; id = lines_[id].next) {
        const Line& line = lines_[id];
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
    }
    flush(0);
}

void IniFile::Expect(size_t sections, size_t keys)
{
    // Only while the file holds fewer: most names are then new, and a
    // large file's tables never grow for names it already has.
    if (sectionIndex_.used < sections) sectionIndex_.Grow(sectionIndex_.used + sections);
    if (keyIndex_.used < keys) keyIndex_.Grow(keyIndex_.used + keys);
}

Result IniFile::Save(const std::string& path) const
{
    return WriteFileChecked(path, ToBytes());
}
