#include "settings/RecentFiles.h"

#include <algorithm>

#include "settings/IniFile.h"

namespace {

const char* const kRecent = "Recent";

std::string Key(int i) { return "File" + std::to_string(i); }

}  // namespace

void RecentFiles::Read(const IniFile& ini)
{
    paths_.clear();
    for (int i = 0; i < Capacity; ++i) {
        const std::string path = ini.ReadString(kRecent, Key(i), "");
        if (!path.empty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end())
            paths_.push_back(path);
    }
}

void RecentFiles::Write(IniFile& ini) const
{
    for (int i = 0; i < Capacity; ++i)
        ini.WriteString(kRecent, Key(i), i < static_cast<int>(paths_.size()) ? paths_[i] : std::string());
}

void RecentFiles::Add(const std::string& path)
{
    // A line break would not survive the file either, nor blanks at either
    // end, which reading a value trims: such a name could never be opened.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos || blank(path.front()) ||
        blank(path.back()) || !IniFile::CanEncode(path))
        return;
    Remove(path);
    std::erase(removed_, path);
    paths_.insert(paths_.begin(), path);
    added_.insert(added_.begin(), path);
    if (paths_.size() > static_cast<size_t>(Capacity))
        paths_.resize(Capacity);
}

void RecentFiles::Remove(const std::string& path)
{
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
    std::erase(added_, path);
    removed_.push_back(path);
}

void RecentFiles::MergeSession(const RecentFiles& onDisk)
{
    std::vector<std::string> merged = added_;
    for (const std::string& path : onDisk.paths_)
        if (std::find(merged.begin(), merged.end(), path) == merged.end() &&
            std::find(removed_.begin(), removed_.end(), path) == removed_.end())
            merged.push_back(path);
    if (merged.size() > static_cast<size_t>(Capacity))
        merged.resize(Capacity);
    paths_ = std::move(merged);
}
