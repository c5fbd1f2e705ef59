#include "settings/Config.h"

#include <algorithm>

#include "document/File1.h"
#include "view/ViewZoom.h"

namespace {

const char* const kSystem = "System";
const char* const kTile = "Tile";
const char* const kMask = "Mask";
constexpr int32_t kLastTile = MaxTiles - 1;
constexpr int32_t kLastMask = MaxMasks - 1;

// Files written on other systems may use '\' between folders. Subfolders
// of Image/ are fine; a name that leaves it (absolute, or climbing out with
// "..") names no bitmap at all.
std::string ImagePath(const std::string& exePath, std::string name)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    if (!name.empty() && name[0] == '/')
        return {};
    for (size_t start = 0; start <= name.size();) {
        const size_t end = std::min(name.find('/', start), name.size());
        if (name.compare(start, end - start, "..") == 0)
            return {};
        start = end + 1;
    }
    return exePath + "Image/" + name;
}

std::string MaskSection(int32_t i) { return kMask + std::to_string(i); }

} // namespace

std::string LastPathComponent(const std::string& path)
{
    const size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

ConfigData ReadConfig(const IniFile& ini, const std::string& exePath)
{
    ConfigData c;
    c.Sys.MapSize = ini.ReadBool(kSystem, "MapSize", c.Sys.MapSize);
    c.Sys.MapY = ini.ReadInteger(kSystem, "MapY", c.Sys.MapY);
    c.Sys.MapX = ini.ReadInteger(kSystem, "MapX", c.Sys.MapX);
    c.Sys.Window = ini.ReadBool(kSystem, "Window", c.Sys.Window);
    c.Sys.Load = ini.ReadBool(kSystem, "Load", c.Sys.Load);
    c.Sys.LoadFile = ini.ReadString(kSystem, "LoadFile", c.Sys.LoadFile);
    c.Food1 = ini.ReadInteger(kSystem, "Food1", c.Food1);
    c.Food2 = ini.ReadInteger(kSystem, "Food2", c.Food2);
    c.Gold = ini.ReadInteger(kSystem, "Gold", c.Gold);

    const int32_t lastTile = std::min(ini.ReadInteger(kTile, "Max", -1), kLastTile);
    for (int32_t i = 0; i <= lastTile; ++i) {
        const std::string s = std::to_string(i);
        TTileList t;
        t.No = ini.ReadInteger(s, "No", -1);
        t.Name = ini.ReadString(s, "Name", "");
        t.Bmp = ImagePath(exePath, ini.ReadString(s, "Bmp", ""));
        t.Type = ini.ReadInteger(s, "Type", -1);
        t.Min = ini.ReadInteger(s, "Min", -1);
        t.Count = ini.ReadInteger(s, "Count", -1);
        t.Max = ini.ReadInteger(s, "Max", -1);
        t.Ext = ini.ReadString(s, "Ext", "");
        t.Land = ini.ReadBool(s, "Land", true);
        t.Code = static_cast<uint8_t>(ini.ReadInteger(s, "Code", 97));
        c.Tiles.push_back(std::move(t));
    }

    const int32_t lastMask = std::min(ini.ReadInteger(kMask, "Max", -1), kLastMask);
    for (int32_t i = 0; i <= lastMask; ++i) {
        const std::string s = MaskSection(i);
        TMaskTileList m;
        m.No = ini.ReadInteger(s, "No", -1);
        m.Name = ini.ReadString(s, "Name", "");
        m.Bmp = ImagePath(exePath, ini.ReadString(s, "Bmp", ""));
        m.Type = ini.ReadInteger(s, "Type", -1);
        c.Masks.push_back(std::move(m));
    }
    return c;
}

void WriteConfig(IniFile& ini, const TTileData& doc)
{
    ini.WriteBool(kSystem, "MapSize", doc.Sys.MapSize);
    ini.WriteInteger(kSystem, "MapY", doc.Sys.MapY);
    ini.WriteInteger(kSystem, "MapX", doc.Sys.MapX);
    ini.WriteBool(kSystem, "Window", doc.Sys.Window);
    ini.WriteBool(kSystem, "Load", doc.Sys.Load);
    ini.WriteString(kSystem, "LoadFile", doc.Sys.LoadFile);
    ini.WriteInteger(kSystem, "Food1", doc.Food1);
    ini.WriteInteger(kSystem, "Food2", doc.Food2);
    ini.WriteInteger(kSystem, "Gold", doc.Gold);

    const int32_t tiles = std::clamp(doc.TileCount, 0, MaxTiles);
    ini.WriteInteger(kTile, "Max", tiles - 1);
    for (int32_t i = 0; i < tiles; ++i) {
        const std::string s = std::to_string(i);
        const TTileList t = doc.GetTile(i);
        ini.WriteInteger(s, "No", t.No);
        ini.WriteString(s, "Name", t.Name);
        ini.WriteString(s, "Bmp", LastPathComponent(t.Bmp));
        ini.WriteInteger(s, "Type", t.Type);
        ini.WriteInteger(s, "Min", t.Min);
        ini.WriteInteger(s, "Count", t.Count);
        ini.WriteInteger(s, "Max", t.Max);
        ini.WriteString(s, "Ext", t.Ext);
        ini.WriteBool(s, "Land", t.Land);
        // The code is stored as a signed byte.
        ini.WriteInteger(s, "Code", static_cast<int8_t>(t.Code));
    }

    const int32_t masks = std::clamp(doc.MaskCount, 0, MaxMasks);
    ini.WriteInteger(kMask, "Max", masks - 1);
    for (int32_t i = 0; i < masks; ++i) {
        const std::string s = MaskSection(i);
        const TMaskTileList m = doc.GetMaskTile(i);
        ini.WriteInteger(s, "No", m.No);
        ini.WriteString(s, "Name", m.Name);
        ini.WriteString(s, "Bmp", LastPathComponent(m.Bmp));
        ini.WriteInteger(s, "Type", m.Type);
    }
}

int32_t ReadZoom(const IniFile& ini)
{
    return view_zoom::Valid(ini.ReadInteger(kSystem, "Zoom", view_zoom::Default));
}

void WriteZoom(IniFile& ini, int32_t percent)
{
    ini.WriteInteger(kSystem, "Zoom", percent);
}

void ApplyConfig(const ConfigData& config, TTileData& doc)
{
    doc.Sys = config.Sys;
    doc.Food1 = config.Food1;
    doc.Food2 = config.Food2;
    doc.Gold = config.Gold;
    for (const TTileList& entry : config.Tiles)
        doc.AddTile(entry);
    for (const TMaskTileList& entry : config.Masks)
        doc.AddMaskTile(entry);
}

void ApplyStoredMapSize(TTileData& doc)
{
    // Any stored value is possible; only 1..31 is a size.
    const auto last = [](int32_t size) { return size >= 1 && size <= GridSize ? size - 1 : -1; };
    doc.SetLastY(last(doc.Sys.MapY));
    doc.SetLastX(last(doc.Sys.MapX));
}
