// Any bytes as isplan.ini: load, read the configuration, start with it as
// the window does, write it back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/Config.h"
#include "settings/IniFile.h"
#include "document/File1.h"

namespace {

// Cell n (in x, then y order) gets entry n modulo the count, and a counter
// of its own.
void PaintEveryEntry(TTileData& doc)
{
    for (int x = 0, entry = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y, entry = entry + 1 < doc.TileCount ? entry + 1 : 0)
            doc.Map[x][y] = MapCell{static_cast<uint8_t>(doc.Tile[entry].No), static_cast<uint8_t>(x * 8 + y), 0};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Loaded again for every input: they keep their memory between inputs.
    static IniFile ini;
    static IniFile again;
    static std::string out, rewritten;
    ini.LoadFromBytes(bytes);
    // Lines nobody wrote must come back exactly as read.
    ini.ToBytes(out);
    if (out != bytes) std::abort();

    const ConfigData config = ReadConfig(ini, "/x/");

    // The window's start-up: entries through AddTile, the stored size, and
    // the figures of a map painted with every entry.
    // Built once (it is large); entries a previous input left beyond this
    // one's are cleared below, so every input starts from the same state.
    static TTileData started;
    const int32_t previousTiles = started.TileCount;
    const int32_t previousMasks = started.MaskCount;
    started.TileCount = 0;
    started.MaskCount = 0;
    started.SetLastX(0);
    started.SetLastY(0);
    ApplyConfig(config, started);
    for (int32_t i = started.TileCount; i < previousTiles; ++i) started.Tile[i] = TTileList{};
    for (int32_t i = started.MaskCount; i < previousMasks; ++i) started.Mask[i] = TMaskTileList{};
    ApplyStoredMapSize(started);
    if (started.LastX < 0 || started.LastX >= GridSize || started.LastY < 0 || started.LastY >= GridSize)
        std::abort();
    PaintEveryEntry(started);
    started.ComputeStats();
    static TTileData doc;  // large; built once
    doc.Sys = config.Sys;
    doc.Food1 = config.Food1;
    doc.Food2 = config.Food2;
    doc.Gold = config.Gold;
    doc.TileCount = static_cast<int32_t>(config.Tiles.size());
    for (size_t i = 0; i < config.Tiles.size(); ++i) doc.Tile[i] = config.Tiles[i];
    doc.MaskCount = static_cast<int32_t>(config.Masks.size());
    for (size_t i = 0; i < config.Masks.size(); ++i) doc.Mask[i] = config.Masks[i];
    WriteConfig(ini, doc);
    ini.ToBytes(out);

    // What was written must read back as the same configuration, and
    // writing it again must change nothing.
    again.LoadFromBytes(out);
    const ConfigData reread = ReadConfig(again, "/x/");
    if (reread.Sys != config.Sys || reread.Tiles.size() != config.Tiles.size() ||
        reread.Masks.size() != config.Masks.size())
        std::abort();
    WriteConfig(again, doc);
    again.ToBytes(rewritten);
    if (rewritten != out) std::abort();
    return 0;
}
