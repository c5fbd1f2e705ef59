#include "settings/RecentFiles.h"

#include <QByteArray>
#include <algorithm>

#include "settings/IniFile.h"

namespace {

const char* const kRecent = "Recent";

std::string Key(int i) { return "File" + std::to_string(i); }

// A name the file cannot hold as it is (not Shift-JIS, a line break, blanks
// at an end, which reading trims) is kept as a file URL, whose escapes are
// plain ASCII; a plain name never begins with "file:".
const std::string kUrl = "file:";

bool HeldAsItIs(const std::string& path)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return path.find_first_of("\r\n") == std::string::npos && !blank(path.front()) && !blank(path.back()) &&
           path.compare(0, kUrl.size(), kUrl) != 0 && IniFile::CanEncode(path);
}

// The name's bytes as they are, escaped: it need not be UTF-8 either.
const std::string kUrlStart = "file://";

std::string Stored(const std::string& path)
{
    if (HeldAsItIs(path))
        return path;
    return kUrlStart + QByteArray::fromStdString(path).toPercentEncoding("/").toStdString();
}

std::string FromStored(const std::string& value)
{
    if (value.compare(0, kUrl.size(), kUrl) != 0)
        return value;
    if (value.compare(0, kUrlStart.size(), kUrlStart) != 0)
        return std::string();
    return QByteArray::fromPercentEncoding(QByteArray::fromStdString(value.substr(kUrlStart.size()))).toStdString();
}

}  // namespace

void RecentFiles::Read(const IniFile& ini)
{
    paths_.clear();
    for (int i = 0; i < Capacity; ++i) {
        const std::string path = FromStored(ini.ReadString(kRecent, Key(i), ""));
        if (!path.empty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end())
            paths_.push_back(path);
    }
}

void RecentFiles::Write(IniFile& ini) const
{
    for (int i = 0; i < Capacity; ++i)
        ini.WriteString(kRecent, Key(i), i < static_cast<int>(paths_.size()) ? Stored(paths_[i]) : std::string());
}

void RecentFiles::Add(const std::string& path)
{
    if (path.empty())
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
