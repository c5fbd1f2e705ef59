#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/Result.h"
#include "settings/IniBytes.h"

// isplan.ini: Shift-JIS (CP932) on disk, UTF-8 in this interface.
//
// Every line is kept with its own bytes and line ending, so lines the
// program never writes (comments, blank lines, unknown keys and sections,
// even bytes that are not valid Shift-JIS) come back out exactly as read.
// Only lines whose value actually changes are re-encoded.
//
// Section and key names compare case-insensitively (ASCII letters only).
// When a key appears twice in a section, the first one is read and written.
class IniFile {
public:
    // The largest isplan.ini read; a settings file is a few kilobytes.
    static constexpr size_t MaxFileBytes = 4 << 20;

    // Reads the file when it is a regular file of at most MaxFileBytes; a
    // missing or unreadable one leaves the object empty and says why.
    Result Load(const std::string& path);
    // Same as Load, from the file's bytes.
    bool LoadFromBytes(std::string_view bytes);

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // Decimal with optional sign, or 0x/0X hexadecimal up to 0xFFFFFFFF
    // (taken as a 32-bit pattern). Anything else yields the default.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    // An integer; any non-zero value is true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Replaces the key's value in place, or appends the key after the last
    // key of its section, or appends the section at the end of the file.
    // A line break (LF or CRLF) inside the arguments becomes a space; blanks
    // around the value are dropped, as reading would drop them.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Whether the text survives the trip through Shift-JIS unchanged.
    static bool CanEncode(const std::string& text);

    // Writes through WriteFileChecked: on failure the previous file stays
    // whole and the result gives the system's reason.
    Result Save(const std::string& path) const;
    // The bytes Save would write.
    std::string ToBytes() const;
    // The same into `out`, whose memory is reused.
    void ToBytes(std::string& out) const;

    // Room for this many more sections and keys, so a long run of writes
    // does not grow the tables step by step.
    void Expect(size_t sections, size_t keys);

    // The line ending used for new lines: the file's own, CRLF for a new file.
    const std::string& LineEnding() const { return eol_; }

private:
    // A line, or a run of lines nothing looks up, as a slice of store_: a
    // 4 MiB file of a million short lines stays within a few dozen bytes a
    // line. Lines are kept in one list in the order they were made and
    // chained in file order, so a line's index never changes and inserting
    // a key moves nothing. Offsets of key (or a header's name) and value are
    // into the line's text: its raw bytes when they read the same in UTF-8,
    // otherwise decoded_ from `text` on.
    static constexpr uint32_t None = UINT32_MAX;
    enum class Kind : uint8_t { Opaque, Key, Header };
    struct Line {
        uint32_t begin = 0;
        uint32_t size = 0;  // without the line ending
        uint32_t text = None;
        uint32_t keyBegin = 0, keyEnd = 0;  // trimmed key, or a header's trimmed name
        uint32_t valueStart = 0;            // after "=" and the blanks after it
        uint32_t valueEnd = 0;              // end of the trimmed value (of the name for a header)
        uint32_t next = None;               // the line after this one in the file
        uint8_t eol = 0;                    // 0: none (the last line), 1: LF, 2: CRLF
        Kind kind = Kind::Opaque;
        bool eolStored = false;  // the line ending follows in store_ (lines as read)
    };
    // The first section of each name; later ones are opaque lines.
    struct Section {
        uint32_t header = 0;   // its header line
        uint32_t lastKey = 0;  // new keys go after this line (the header when there is no key)
    };

    // Bytes [begin, begin + size) of store_; `headers`: a "[name]" line is
    // a header (only the loader and a new section want that); `plain`: the
    // caller knows the bytes read the same in UTF-8.
    Line MakeLine(size_t begin, size_t size, uint8_t eol, bool eolStored, bool headers, bool plain = false);
    Line MakeLineFromText(std::initializer_list<std::string_view> pieces, uint8_t eol, bool headers);
    // The pieces put as they are, when the writer knows how they read back:
    // `shape` gives kind and name, the value runs to the end.
    Line PlainLine(std::initializer_list<std::string_view> pieces, uint8_t eol, const Line& shape);
    void Parse();  // store_ into lines
    uint32_t Append(const Line& line);
    std::string_view Raw(const Line& line) const { return std::string_view(store_.data() + line.begin, line.size); }
    std::string_view Text(const Line& line) const;
    std::string_view KeyView(const Line& line) const;
    std::string_view ValueView(const Line& line) const;
    uint8_t EolIndex() const;
    const Line* FindKey(std::string_view section, std::string_view key) const;

    std::string store_;    // the file's bytes, then every line written since
    std::string decoded_;  // UTF-8 text of key and header lines that are not plain ASCII
    std::vector<Line> lines_;
    uint32_t head_ = None, tail_ = None;
    std::vector<Section> sections_;

    using SectionSlot = ini_bytes::SectionSlot;
    using KeySlot = ini_bytes::KeySlot;
    static constexpr size_t NoSection = SIZE_MAX;
    // `name` is trimmed; letters of either case match.
    size_t FindSectionIndex(std::string_view name) const;
    uint32_t FindKeyLine(size_t section, std::string_view key) const;
    uint32_t FindKeyLine(size_t section, std::string_view key, uint32_t hash) const;
    void AddKeyIndex(size_t section, uint32_t line, uint32_t hash);
    void RebuildKeyIndex();
    // Section name -> its first section. A later section of the same name
    // is never read or written, so it is kept as opaque lines.
    // (section, key) -> its first line in the section; a later key of the
    // same name in a section is never read or written either.
    ini_bytes::HashIndex<SectionSlot> sectionIndex_;
    ini_bytes::HashIndex<KeySlot> keyIndex_;
    // Names a written header does not read back as (Shift-JIS altered them).
    std::vector<std::pair<std::string, size_t>> aliases_;
    mutable std::string lastName_;  // the latest name found, as asked for, and where
    mutable size_t lastFound_ = NoSection;
    std::string eol_ = "\r\n";
};
