#pragma once
// The ten figures of the "情報" tab in the tab's order, as every output
// names them: the tab's label and the key of `stats --json`.
#include <array>
#include <cstdint>
#include <string>

#include "document/IslandStats.h"

struct ShownFigureEntry {
    std::string Label;  // the caption on the tab, in the interface's language
    const char* Key;    // the JSON field name
    int64_t Value;      // what the box shows
};

constexpr int FigureCount = 10;

std::array<ShownFigureEntry, FigureCount> ShownFigures(const IslandStats& stats);
