#include "stats/Breakdown.h"

#include <algorithm>
#include <array>

#include "document/File1.h"

namespace {

struct PanelTally {
    int64_t Min = 0;
    int64_t Max = 0;
    int64_t Total = 0;
    int64_t Count = 0;

    void Add(int64_t v)
    {
        // The first cell sets both ends, so a kind of only negative values
        // shows its true largest value rather than 0.
        if (Count == 0 || v < Min)
            Min = v;
        if (Count == 0 || v > Max)
            Max = v;
        Total += v;
        ++Count;
    }
};

// A cell's panel number is one byte, so 256 records cover every cell.
using TallyTable = std::array<PanelTally, 256>;

TallyTable TallyShownMap(const TTileData& doc)
{
    TallyTable table{};
    const int32_t lastX = std::min(doc.LastX, GridSize - 1);
    const int32_t lastY = std::min(doc.LastY, GridSize - 1);
    for (int32_t x = 0; x <= lastX; ++x)
        for (int32_t y = 0; y <= lastY; ++y)
            table[doc.GetCell(x, y).Panel].Add(doc.CellValue(x, y));
    return table;
}

}  // namespace

std::vector<BreakdownRow> BuildBreakdown(const TTileData& doc)
{
    const TallyTable table = TallyShownMap(doc);
    const int32_t count = std::clamp(doc.TileCount, 0, MaxTiles);
    std::vector<BreakdownRow> rows;
    rows.reserve(count);
    for (int32_t i = 0; i < count; ++i) {
        const TTileList& entry = doc.Tile[i];
        BreakdownRow row;
        row.Name = entry.Name;
        row.No = entry.No;
        // A No outside 0..255 no cell can carry: its figures stay 0.
        if (entry.No >= 0 && entry.No < static_cast<int32_t>(table.size())) {
            const PanelTally& tally = table[entry.No];
            row.Min = tally.Min;
            row.Max = tally.Max;
            row.Total = tally.Total;
            row.Count = tally.Count;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}
