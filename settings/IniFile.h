#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "document/Result.h"

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
    bool LoadFromBytes(const std::string& bytes);

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Decimal with optional sign, or 0x/0X hexadecimal up to 0xFFFFFFFF
    // (taken as a 32-bit pattern). Anything else yields the default.
    int32_t ReadInteger(const std::string& section, const std::string& key,
                        int32_t defaultValue) const;
    // An integer; any non-zero value is true.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // Replaces the key's value in place, or appends the key after the last
    // key of its section, or appends the section at the end of the file.
    // A line break (LF or CRLF) inside the arguments becomes a space.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Whether the text survives the trip through Shift-JIS unchanged.
    static bool CanEncode(const std::string& text);

    // Writes through WriteFileChecked: on failure the previous file stays
    // whole and the result gives the system's reason.
    Result Save(const std::string& path) const;
    // The bytes Save would write.
    std::string ToBytes() const;

    // The line ending used for new lines: the file's own, CRLF for a new file.
    const std::string& LineEnding() const { return eol_; }

private:
    struct Line {
        std::string raw;   // bytes on disk, without the line ending
        std::string eol;   // "\r\n", "\n", or "" for a last line without one
        std::string text;  // raw decoded to UTF-8
        bool isKey = false;
        std::string keyLower;
        std::string value;        // trimmed value (key lines only)
        size_t valueStart = 0;    // where the value begins in text
    };
    struct Section {
        bool hasHeader = false;   // false only for lines before the first section
        Line header;
        std::string nameLower;
        std::vector<Line> body;
    };

    static Line MakeLine(std::string raw, std::string eol);
    static Line MakeLineFromText(const std::string& text, const std::string& eol);
    const Section* FindSection(const std::string& section) const;
    const Line* FindKey(const std::string& section, const std::string& key) const;

    std::vector<Section> sections_;
    // Lower-case name -> index of its first section. Sections are only ever
    // appended, so the indices stay valid.
    std::unordered_map<std::string, size_t> sectionIndex_;
    std::string eol_ = "\r\n";
};
