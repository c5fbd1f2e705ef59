#pragma once
// What one operation changed in the figures, as the status bar says it.
#include <cstdint>
#include <string>

#include "document/IslandStats.h"

// After - before, pinned to the int64 range.
int64_t FigureDifference(int64_t before, int64_t after);

// "1,200", "-300": thousands separated by commas, ASCII minus.
std::string GroupedNumber(int64_t n);

// "人口 +1,200  食料増加量 −300": the figures whose shown value changed,
// largest absolute change first (ties in the tab's order), at most four,
// with the tab's labels and a true minus sign; empty when none changed.
std::string FigureDeltaText(const IslandStats& before, const IslandStats& after);
