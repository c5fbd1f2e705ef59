// Any bytes as isplan.ini: load, read the configuration, write it back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/Config.h"
#include "app/IniFile.h"
#include "document/File1.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniFile ini;
    ini.LoadFromBytes(bytes);
    // Lines nobody wrote must come back exactly as read.
    if (ini.ToBytes() != bytes) std::abort();

    const ConfigData config = ReadConfig(ini, "/x/");
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
    const std::string out = ini.ToBytes();

    // What was written must read back as the same configuration, and
    // writing it again must change nothing.
    IniFile again;
    again.LoadFromBytes(out);
    const ConfigData reread = ReadConfig(again, "/x/");
    if (reread.Sys != config.Sys || reread.Tiles.size() != config.Tiles.size() ||
        reread.Masks.size() != config.Masks.size())
        std::abort();
    WriteConfig(again, doc);
    if (again.ToBytes() != out) std::abort();
    return 0;
}
