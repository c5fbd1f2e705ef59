#pragma once
// The ten figures of the "情報" tab in the tab's order, as every output
// names them: the tab's label and the key of `stats --json`.
#include <array>
#include <cstdint>

#include "document/IslandStats.h"

struct ShownFigureEntry {
    const char* Label;  // the caption on the tab
    const char* Key;    // the JSON field name
    int64_t Value;      // what the box shows
};

constexpr int FigureCount = 10;

std::array<ShownFigureEntry, FigureCount> ShownFigures(const IslandStats& stats);
