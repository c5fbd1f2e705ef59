#pragma once
// The map file (*.kpl) as bytes, with no file system and no document needed,
// so the program and command-line tools read and write it by one rule.
//
// Current layout, 2891 bytes:
//   0  6     "KPL03" and a zero byte
//   6  1     LastY (index of the last row)
//   7  1     LastX (index of the last column)
//   8  2883  all 31 x 31 cells column by column, 3 bytes each
//            (panel, counter, mask); cell (x, y) at 8 + 93*x + 3*y
// Older layout, 1930 bytes, read only:
//   "KPL02" and a zero byte, LastY, LastX, then 2 bytes per cell
//   (panel, counter) at 8 + 62*x + 2*y; masks read as 0.
// Bytes after the cell block are ignored. Header bytes are kept as stored:
// a value above 30 means "keep the current size in that direction".
#include <cstddef>
#include <cstdint>
#include <string>


#include "document/File1.h"
#include "document/MapCell.h"
#include "document/Result.h"

enum class MapLayout { Current, Older };

// Why a file or a byte string is not a map.
enum class MapFileFault {
    None,
    UnknownIdentifier,  // does not begin with "KPL03\0" or "KPL02\0"
    TooShort,           // identifier known, but the cell block is incomplete
    Missing,            // no such file
    NotRegularFile,     // a folder, pipe, device or socket
    Unreadable,         // the system refused to read it
};

constexpr size_t MapHeaderSize = 8;
constexpr size_t CurrentMapFileSize = MapHeaderSize + GridSize * GridSize * 3;  // 2891
constexpr size_t OlderMapFileSize = MapHeaderSize + GridSize * GridSize * 2;    // 1930

struct MapFileInfo {
    MapLayout Layout = MapLayout::Current;
    uint8_t LastY = 0;
    uint8_t LastX = 0;
    MapCell Cells[GridSize][GridSize] = {};  // [x][y], like TTileData::Map
};

// Parses a whole file's bytes. On false `info` is left untouched and
// `fault`, when given, says why; on true `fault` is None.
bool ReadMapBytes(const std::string& bytes, MapFileInfo& info, MapFileFault* fault = nullptr);

// The current layout for the given contents (an older file converts to the
// current layout through ReadMapBytes and this).
std::string MapFileBytes(const MapFileInfo& info);
// The current layout for the document's grid and shown size.
std::string MapFileBytes(const TTileData& doc);

// A map file read from disk: the map, or the fault and its reason in words.
struct MapRead {
    Result Status;
    MapFileFault Fault = MapFileFault::None;
    MapFileInfo Map;
};

// The one reader of map files: reads the file once (no byte past the
// current layout's length) and parses it.
MapRead ReadMapFile(const std::string& path);

// Whether the path names a file a map can be read from: a folder, a pipe or
// a device counts as missing.
// Paths are the file system's bytes (UTF-8 for names typed in the window).
bool MapFilePresent(const std::string& path);
