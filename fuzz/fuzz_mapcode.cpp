// Any text as pseudo-map code, on a map size and catalogue taken from the
// first bytes: cells are written only inside the shown map, and whatever the
// decoder built survives "Get" then "Set" when the letters allow it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "document/File1.h"

namespace {

bool Shown(const TTileData& doc, int x, int y)
{
    return x <= doc.LastX && y <= doc.LastY;
}

// Distinct letters a..z with "a" among them: the code can say everything.
bool RoundTrips(const TTileData& doc)
{
    std::set<uint8_t> codes;
    for (int i = 0; i < doc.TileCount; ++i) {
        const uint8_t c = doc.Tile[i].Code;
        if (c < 'a' || c > 'z' || !codes.insert(c).second)
            return false;
    }
    return codes.count('a') == 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    static TTileData doc;  // large; built once
    for (TTileList& t : doc.Tile)
        t = TTileList{};
    doc.TileCount = 0;
    doc.SetLastX(data[0] % GridSize);
    doc.SetLastY(data[1] % GridSize);
    const size_t entries = data[2] % 8;
    if (size < 3 + entries)
        return 0;
    for (size_t i = 0; i < entries; ++i)
        doc.AddTile(TTileList{.No = static_cast<int32_t>(i * 37 % 256), .Code = data[3 + i]});
    const std::string text(reinterpret_cast<const char*>(data) + 3 + entries, size - 3 - entries);

    // The bare decoder leaves everything outside the shown map alone.
    for (auto& column : doc.Map)
        for (auto& cell : column)
            cell = MapCell{201, 7, 9};
    (void)doc.TakeChange();
    const auto [px, py] = doc.DecodeMapCode(text);
    // Only shown cells are drawn, each once.
    const MapChange drawn = doc.TakeChange();
    std::set<std::pair<int, int>> seen;
    for (const CellPlace& c : drawn.Cells)
        if (c.X < 0 || c.Y < 0 || !Shown(doc, c.X, c.Y) || !seen.insert({c.X, c.Y}).second)
            std::abort();
    if (px < 0 || px > doc.LastX || py < 0 || py > doc.LastY + 1 || (py == doc.LastY + 1 && px != 0))
        std::abort();
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            if (!Shown(doc, x, y) && doc.Map[x][y] != MapCell{201, 7, 9})
                std::abort();

    // A size read from any text is a size the grid can show.
    if (const auto carried = MapCodeSizeOf(text); carried && (carried->Columns < 1 || carried->Columns > GridSize ||
                                                               carried->Rows < 1 || carried->Rows > GridSize))
        std::abort();
    if (MapCodeSizeOf(doc.EncodeMapCodeWithSize()) != MapCodeSize{doc.LastX + 1, doc.LastY + 1})
        std::abort();

    // "Set" leaves nothing but panel numbers, and those only on the shown map.
    if (doc.ApplyMapCode(text) < 0)
        std::abort();
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y) {
            const MapCell c = doc.Map[x][y];
            if (c.Counter != 0 || c.Mask != 0 || (!Shown(doc, x, y) && c.Panel != 0))
                std::abort();
        }

    if (RoundTrips(doc)) {
        MapCell before[GridSize][GridSize];
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y)
                before[x][y] = doc.Map[x][y];
        doc.ApplyMapCode(doc.EncodeMapCode());
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y)
                if (doc.Map[x][y].Panel != before[x][y].Panel)
                    std::abort();
    }
    return 0;
}
