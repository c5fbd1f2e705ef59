#pragma once
#include <cstdint>
#include <string>
#include <vector>

class TTileData;

// One row of the per-panel breakdown: a catalogue entry and the figures of
// the shown map's cells that carry its panel number.
struct BreakdownRow {
    std::string Name;
    int32_t No = 0;
    int64_t Min = 0;    // smallest cell value
    int64_t Max = 0;    // largest cell value
    int64_t Total = 0;  // sum of the cell values
    int64_t Count = 0;  // number of cells

    friend bool operator==(const BreakdownRow&, const BreakdownRow&) = default;
};

// A row for every loaded catalogue entry, in catalogue order, whether or not
// the map holds it. Entries sharing a No show the same figures.
std::vector<BreakdownRow> BuildBreakdown(const TTileData& doc);
