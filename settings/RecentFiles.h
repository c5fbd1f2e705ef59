#pragma once
#include <string>
#include <vector>

class IniFile;

// The map files last opened or saved, newest first, as isplan.ini keeps
// them (section "Recent", keys File0..File7, Shift-JIS like the rest).
class RecentFiles {
public:
    static constexpr int Capacity = 8;

    // Empty values and repeats are skipped.
    void Read(const IniFile& ini);
    // Writes every key; those past the list are emptied.
    void Write(IniFile& ini) const;

    // Puts path first. A path the file cannot hold as it is (not Shift-JIS,
    // with a line break, or beginning or ending with a blank) is written as
    // a file URL of its bytes ("file:///maps/%F0%9F%8F%9D.kpl") and read back
    // as the path.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Paths() const { return paths_; }

    // Another window may have written its own list since this one read the
    // file: the list becomes the entries added here, newest first, then
    // those of `onDisk`, without the ones this window found gone.
    void MergeSession(const RecentFiles& onDisk);

private:
    std::vector<std::string> paths_;
    std::vector<std::string> added_;    // this session's, newest first
    std::vector<std::string> removed_;  // this session's
};
