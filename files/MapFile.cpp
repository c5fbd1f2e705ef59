#include "files/MapFile.h"

#include <algorithm>
#include <string_view>
#include <sys/stat.h>

#include "document/BufList.h"
#include "filesystem/CheckedFile.h"

namespace {

constexpr std::string_view CurrentIdentifier("KPL03\0", 6);
constexpr std::string_view OlderIdentifier("KPL02\0", 6);

uint8_t ByteAt(const std::string& bytes, size_t offset)
{
    return static_cast<uint8_t>(bytes[offset]);
}

}  // namespace

bool ReadMapBytes(const std::string& bytes, MapFileInfo& info, MapFileFault* fault)
{
    const std::string_view head = std::string_view(bytes).substr(0, CurrentIdentifier.size());
    MapFileFault found = MapFileFault::None;
    MapLayout layout = MapLayout::Current;
    if (head == CurrentIdentifier)
        layout = MapLayout::Current;
    else if (head == OlderIdentifier)
        layout = MapLayout::Older;
    else
        found = MapFileFault::UnknownIdentifier;

    const size_t cellBytes = layout == MapLayout::Current ? 3 : 2;
    const size_t needed = layout == MapLayout::Current ? CurrentMapFileSize : OlderMapFileSize;
    if (found == MapFileFault::None && bytes.size() < needed)
        found = MapFileFault::TooShort;
    if (fault)
        *fault = found;
    if (found != MapFileFault::None)
        return false;

    info.Layout = layout;
    info.LastY = ByteAt(bytes, 6);
    info.LastX = ByteAt(bytes, 7);
    for (size_t x = 0; x < GridSize; ++x)
        for (size_t y = 0; y < GridSize; ++y) {
            const size_t at = MapHeaderSize + cellBytes * (GridSize * x + y);
            MapCell& cell = info.Cells[x][y];
            cell.Panel = ByteAt(bytes, at);
            cell.Counter = ByteAt(bytes, at + 1);
            cell.Mask = cellBytes == 3 ? ByteAt(bytes, at + 2) : 0;
        }
    return true;
}

std::string MapFileBytes(const MapFileInfo& info)
{
    std::string bytes(CurrentIdentifier);
    bytes.reserve(CurrentMapFileSize);
    bytes.push_back(static_cast<char>(info.LastY));
    bytes.push_back(static_cast<char>(info.LastX));
    for (const auto& column : info.Cells)
        for (const MapCell& cell : column) {
            bytes.push_back(static_cast<char>(cell.Panel));
            bytes.push_back(static_cast<char>(cell.Counter));
            bytes.push_back(static_cast<char>(cell.Mask));
        }
    return bytes;
}

std::string MapFileBytes(const TTileData& doc)
{
    MapFileInfo info;
    // Only the low byte of each index is stored.
    info.LastY = static_cast<uint8_t>(doc.LastY);
    info.LastX = static_cast<uint8_t>(doc.LastX);
    std::copy(&doc.Map[0][0], &doc.Map[0][0] + GridSize * GridSize, &info.Cells[0][0]);
    return MapFileBytes(info);
}

bool MapFilePresent(const std::string& path)
{
    // Only a regular file (or a link to one) counts: a folder, a pipe or a
    // device is treated as missing.
    struct stat info;
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

MapRead ReadMapFile(const std::string& path)
{
    MapRead read;
    const auto fail = [&read](MapFileFault fault, std::string reason) {
        read.Fault = fault;
        read.Status = Result::Failure(std::move(reason));
        return read;
    };
    // By the name's bytes, as given: it need not be UTF-8.
    struct stat info;
    if (path.empty() || ::stat(path.c_str(), &info) != 0)
        return fail(MapFileFault::Missing, "no such file");
    if (!S_ISREG(info.st_mode))
        return fail(MapFileFault::NotRegularFile, "not a regular file");
    // Nothing past the current layout matters, however large the file.
    std::string bytes;
    if (Result got = ReadRegularFile(path, CurrentMapFileSize, OverLimit::Truncate, bytes); !got)
        return fail(got.Reason == "not a regular file" ? MapFileFault::NotRegularFile : MapFileFault::Unreadable,
                    "cannot be read (" + got.Reason + ")");
    MapFileFault fault = MapFileFault::None;
    if (ReadMapBytes(bytes, read.Map, &fault))
        return read;
    if (fault == MapFileFault::UnknownIdentifier)
        return fail(fault, "not a map file: it does not begin with \"KPL03\" or \"KPL02\" and a zero byte");
    const bool current = bytes.compare(0, 5, "KPL03") == 0;
    const size_t needed = current ? CurrentMapFileSize : OlderMapFileSize;
    return fail(fault, std::string("incomplete map file: a ") + (current ? "KPL03" : "KPL02") + " file needs " +
                           std::to_string(needed) + " bytes, this one has " + std::to_string(bytes.size()));
}

Result TTileData::SaveMapFile(const std::string& fileName) const
{
    // A failed save never damages the file that was there.
    return WriteFileChecked(fileName, MapFileBytes(*this));
}

Result TTileData::LoadMapFile(const std::string& fileName)
{
    MapRead read = ReadMapFile(fileName);
    if (read.Status)
        TakeMap(read.Map);
    return read.Status;
}

void TTileData::TakeMap(const MapFileInfo& info)
{
    std::copy(&info.Cells[0][0], &info.Cells[0][0] + GridSize * GridSize, &Map[0][0]);
    // Each setter ignores a value above 30 and keeps that direction's size.
    SetLastY(info.LastY);
    SetLastX(info.LastX);
    // Even when both were ignored the picture is sized again and its header
    // strip drawn afresh before the full redraw.
    ResizePicture();
    RedrawMap();
    BufList->Clear();
}
