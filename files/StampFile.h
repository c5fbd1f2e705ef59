#pragma once
// Stamps: prepared layouts (a town around its city, a ring of shallows, a
// whole island) kept as small JSON files in a stamps folder, one subfolder
// per group, and placed on a map like a pasted block.
//
//   {"format": "ispln-stamp", "version": 1, "name": "…", "description": "…",
//    "columns": 5, "rows": 3, "oddTopRow": false,
//    "cells": [[panel, counter, mask], …, null, …]}
//
// Cells run row by row, columns x rows of them; null is a cell the stamp
// leaves out. Text is UTF-8.
#include <QImage>
#include <string>
#include <vector>

#include "document/Result.h"
#include "view/MapShapes.h"

class MapRenderer;
class TTileData;

struct Stamp {
    std::string Name;
    std::string Description;  // may be empty
    map_shapes::Block Cells;
};

inline constexpr char StampSuffix[] = ".stamp";
// A stamp of 31 x 31 cells written by hand with generous spacing stays far
// below this; anything longer is no stamp.
inline constexpr size_t StampFileLimit = 1 << 20;

// The file's bytes; compact JSON.
std::string StampBytes(const Stamp& stamp);

struct StampRead {
    Result Status;
    ::Stamp Stamp;
};
// The stamp the bytes hold, or why they hold none.
StampRead ParseStamp(const std::string& bytes);
// Reads only a regular file: a link, a FIFO or a device is refused without
// being opened, and so is a file longer than StampFileLimit.
StampRead ReadStampFile(const std::string& path);
// Atomic and checked, through WriteFileChecked; a stamp that could not be
// read back is refused before anything is written.
Result WriteStampFile(const std::string& path, const Stamp& stamp);

struct StampEntry {
    std::string Group;  // the subfolder it lies in ("" directly in the folder)
    std::string Name;
    std::string Description;
    int Columns = 0;
    int Rows = 0;
    std::string Path;
};
struct StampList {
    std::vector<StampEntry> Entries;  // by group, then name
    std::vector<std::string> Refused; // "path: reason" of files that are no stamp
};
// Every "*.stamp" in the folder and its subfolders; links are not followed.
StampList ListStamps(const std::string& folder);

// The panel numbers the stamp's cells use that no entry of the catalogue
// carries, smallest first.
std::vector<int> MissingPanels(const map_shapes::Block& block, const TTileData& doc);
// The block without the cells of those panels, for placing the rest.
map_shapes::Block WithoutPanels(map_shapes::Block block, const std::vector<int>& panels);

// The block drawn by the map renderer on a map of its own size (a block
// whose top row is odd starts on row 1), cells it leaves out as the first
// panel. `scratch` holds the catalogue and is used as that map; `renderer`
// draws it (kept across calls, its decoded tiles are read once).
QImage StampPicture(TTileData& scratch, MapRenderer& renderer, const map_shapes::Block& block, bool lines = false);
