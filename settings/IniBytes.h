#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Byte helpers and hash tables of the settings file. Every name and line
// passes through these; fuzzing builds leave the small ones untraced (see
// fuzz/coverage-ignore.txt), while the decisions about lines stay in
// IniFile and the reading of numbers stays traced.
namespace ini_bytes {

// Blank: space, tab or CR.
bool IsBlank(char c);
std::string_view TrimView(std::string_view s);
// ASCII letters to lower case; other bytes as they are.
char Fold(char c);
// The same name once both are folded.
bool SameFold(std::string_view a, std::string_view b);
bool SameBytes(std::string_view a, std::string_view b);
// Trimmed and folded.
std::string NormName(std::string_view s);
// Names SameFold matches hash equal.
uint32_t FoldHash(std::string_view s, uint32_t seed);
uint32_t KeyHash(size_t section, std::string_view key);
bool HasBreak(std::string_view s);
// All three trimmed, when none holds a line break.
bool TrimUnbroken(std::string_view& a, std::string_view& b, std::string_view& c);
// LF and CRLF become a space.
std::string OneLine(std::string_view s);
// Whether the bytes read the same in Shift-JIS and UTF-8.
bool PlainAscii(std::string_view raw);
// Plain, and as a key that reads back as itself: not empty, no comment
// or header, no "=".
bool PlainKey(std::string_view key);
// Plain, and as a section name that reads back as itself: no "]".
bool PlainSectionName(std::string_view name);
// The line from `pos`: its size without the line ending and the ending
// (0: none, 1: LF, 2: CRLF). Returns where the next line starts.
size_t SplitLine(const char* bytes, size_t total, size_t pos, size_t* size, uint8_t* eol);
// The first byte from `pos` on that is not a space or tab.
size_t SkipSpaceTab(std::string_view s, size_t pos);
// Decimal with optional sign, or 0x/0X hexadecimal up to 0xFFFFFFFF
// (taken as a 32-bit pattern); false for anything else.
bool ParseInt32(std::string_view s, int32_t* out);
// At most `limit` bytes equal to c.
size_t CountUpTo(std::string_view s, char c, size_t limit);

// Shift-JIS bytes appended to `out` as UTF-8.
void DecodeInto(std::string_view raw, std::string& out);
// UTF-8 text as Shift-JIS bytes.
std::string Encode(std::string_view text);

// Open addressing over hashes of case-folded names: a slot holds the hash
// and where the name is, which is read again to compare, so no name is
// stored twice. `section` is the section's index + 1; 0 is a free slot.
struct SectionSlot {
    uint32_t section = 0;
    uint32_t hash = 0;
};
struct KeySlot {
    uint32_t section = 0;
    uint32_t line = 0;
    uint32_t hash = 0;
};
template <class Slot>
struct HashIndex {
    std::vector<Slot> table;  // the first `size` slots are in use
    std::vector<Slot> spare;  // the table before it grew; kept for the next load
    size_t size = 0;
    size_t used = 0;
    void Reserve(size_t names);  // empties the table
    void Add(Slot slot);
    void Grow(size_t names);  // room for `names` in all; keeps the slots
    void Clear() { size = used = 0; }
};
extern template struct HashIndex<SectionSlot>;
extern template struct HashIndex<KeySlot>;

}  // namespace ini_bytes
