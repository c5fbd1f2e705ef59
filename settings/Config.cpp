#include "settings/Config.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

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
// "..") is looked for by its last component inside Image/, which keeps that
// name for the next write, and shows the placeholder when it is not there.
std::string ImagePath(const std::string& exePath, std::string name)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    bool leaves = !name.empty() && name[0] == '/';
    for (size_t start = 0; start <= name.size() && !leaves;) {
        const size_t end = std::min(name.find('/', start), name.size());
        leaves = name.compare(start, end - start, "..") == 0;
        start = end + 1;
    }
    std::string path;
    path.reserve(exePath.size() + 6 + name.size());
    path += exePath;
    path += "Image/";
    if (!leaves) {
        path += name;
        return path;
    }
    const std::string last = LastPathComponent(name);
    // ".." as the last component would still leave the folder.
    if (last != "..") path += last;
    return path;
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
    c.UndoByOperation = ini.ReadBool(kSystem, "UndoByOperation", c.UndoByOperation);

    const int32_t lastTile = std::min(ini.ReadInteger(kTile, "Max", -1), kLastTile);
    c.Tiles.reserve(static_cast<size_t>(std::max(lastTile + 1, 0)));
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
    c.Masks.reserve(static_cast<size_t>(std::max(lastMask + 1, 0)));
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
    // Written once turned on, so a file of the start-up defaults stays as it was.
    if (doc.UndoByOperation || ini.ReadString(kSystem, "UndoByOperation", "\n") != "\n")
        ini.WriteBool(kSystem, "UndoByOperation", doc.UndoByOperation);

    const int32_t tiles = std::clamp(doc.TileCount, 0, MaxTiles);
    const int32_t masks = std::clamp(doc.MaskCount, 0, MaxMasks);
    ini.Expect(static_cast<size_t>(tiles + masks), static_cast<size_t>(tiles * 10 + masks * 4));
    ini.WriteInteger(kTile, "Max", tiles - 1);
    for (int32_t i = 0; i < tiles; ++i) {
        const std::string s = std::to_string(i);
        const TTileList& t = doc.Tile[i];  // i is within the table
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

    ini.WriteInteger(kMask, "Max", masks - 1);
    for (int32_t i = 0; i < masks; ++i) {
        const std::string s = MaskSection(i);
        const TMaskTileList& m = doc.Mask[i];
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

// A switch that is off by default is written once turned on, so a file that
// never had it stays as it was.
void WriteSwitch(IniFile& ini, const char* key, bool on)
{
    if (on || ini.ReadString(kSystem, key, "\n") != "\n")
        ini.WriteBool(kSystem, key, on);
}

bool ReadSwitch(const IniFile& ini, const char* key)
{
    return ini.ReadBool(kSystem, key, false);
}

bool ReadLiveFigures(const IniFile& ini)
{
    return ini.ReadBool(kSystem, "LiveFigures", false);
}

void WriteLiveFigures(IniFile& ini, bool on)
{
    WriteSwitch(ini, "LiveFigures", on);
}

void ApplyConfig(const ConfigData& config, TTileData& doc)
{
    doc.Sys = config.Sys;
    doc.Food1 = config.Food1;
    doc.Food2 = config.Food2;
    doc.Gold = config.Gold;
    doc.UndoByOperation = config.UndoByOperation;
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

namespace {

bool Lacks(const IniFile& ini, const std::string& section, const std::string& key)
{
    // No value read from a file can hold a line break.
    return ini.ReadString(section, key, "\n") == "\n";
}

void CopyKey(const IniFile& from, IniFile& to, const std::string& section, const std::string& key)
{
    to.WriteString(section, key, from.ReadString(section, key, ""));
}

std::vector<TTileList> TilesOf(const TTileData& doc)
{
    std::vector<TTileList> tiles;
    for (int32_t i = 0; i < std::clamp(doc.TileCount, 0, MaxTiles); ++i)
        tiles.push_back(doc.GetTile(i));
    return tiles;
}

std::vector<TMaskTileList> MasksOf(const TTileData& doc)
{
    std::vector<TMaskTileList> masks;
    for (int32_t i = 0; i < std::clamp(doc.MaskCount, 0, MaxMasks); ++i)
        masks.push_back(doc.GetMaskTile(i));
    return masks;
}

// Copies a whole catalogue as `mine` holds it: the count, then each entry.
void CopyCatalogue(const IniFile& mine, IniFile& to, const char* countSection, int32_t count,
                   std::string (*sectionOf)(int32_t), std::initializer_list<const char*> keys)
{
    CopyKey(mine, to, countSection, "Max");
    for (int32_t i = 0; i < count; ++i)
        for (const char* key : keys)
            CopyKey(mine, to, sectionOf(i), key);
}

std::string TileSection(int32_t i) { return std::to_string(i); }

} // namespace

CatalogueClash WriteConfigChanges(IniFile& onDisk, const ConfigData& start, const TTileData& doc,
                                  const std::string& exePath, bool overwriteClashes)
{
    IniFile mine;
    WriteConfig(mine, doc);
    const std::pair<const char*, bool> system[] = {
        {"MapSize", doc.Sys.MapSize != start.Sys.MapSize}, {"MapY", doc.Sys.MapY != start.Sys.MapY},
        {"MapX", doc.Sys.MapX != start.Sys.MapX},          {"Window", doc.Sys.Window != start.Sys.Window},
        {"Load", doc.Sys.Load != start.Sys.Load},          {"LoadFile", doc.Sys.LoadFile != start.Sys.LoadFile},
        {"Food1", doc.Food1 != start.Food1},               {"Food2", doc.Food2 != start.Food2},
        {"Gold", doc.Gold != start.Gold},
    };
    for (const auto& [key, changed] : system)
        if (changed || Lacks(onDisk, kSystem, key))
            CopyKey(mine, onDisk, kSystem, key);
    // Only ever written once changed, so a file of the defaults stays as it was.
    if (doc.UndoByOperation != start.UndoByOperation)
        onDisk.WriteBool(kSystem, "UndoByOperation", doc.UndoByOperation);

    const ConfigData now = ReadConfig(onDisk, exePath);
    CatalogueClash clash;
    const std::vector<TTileList> tiles = TilesOf(doc);
    if (tiles != start.Tiles || Lacks(onDisk, kTile, "Max")) {
        clash.Panels = tiles != start.Tiles && now.Tiles != start.Tiles && !Lacks(onDisk, kTile, "Max");
        if (!clash.Panels || overwriteClashes)
            CopyCatalogue(mine, onDisk, kTile, static_cast<int32_t>(tiles.size()), TileSection,
                          {"No", "Name", "Bmp", "Type", "Min", "Count", "Max", "Ext", "Land", "Code"});
    }
    const std::vector<TMaskTileList> masks = MasksOf(doc);
    if (masks != start.Masks || Lacks(onDisk, kMask, "Max")) {
        clash.Masks = masks != start.Masks && now.Masks != start.Masks && !Lacks(onDisk, kMask, "Max");
        if (!clash.Masks || overwriteClashes)
            CopyCatalogue(mine, onDisk, kMask, static_cast<int32_t>(masks.size()), MaskSection,
                          {"No", "Name", "Bmp", "Type"});
    }
    return clash;
}
