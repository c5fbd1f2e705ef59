#include "settings/Config.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <type_traits>
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

// How a key of "System" reaches the file: always (a file that lacks it gets
// it), or only once it differs from how the window started, so a file that
// never had it stays as it was.
enum class Kept { Always, OnceChanged };
// Whose it is: the program's settings and rates (the document holds them,
// "System設定" changes them) or one window's view.
enum class Owner { Program, Window };

// The one table of "System": key, field, how it is kept, whose it is. It
// visits the same field of two configurations side by side (the file as
// read and as it stands now, or a configuration and itself).
template <typename A, typename B, typename Visit>
void ForEachSystemKey(A& a, B& b, Visit&& visit)
{
    visit("MapSize", a.Sys.MapSize, b.Sys.MapSize, Kept::Always, Owner::Program);
    visit("MapY", a.Sys.MapY, b.Sys.MapY, Kept::Always, Owner::Program);
    visit("MapX", a.Sys.MapX, b.Sys.MapX, Kept::Always, Owner::Program);
    visit("Window", a.Sys.Window, b.Sys.Window, Kept::Always, Owner::Program);
    visit("Load", a.Sys.Load, b.Sys.Load, Kept::Always, Owner::Program);
    visit("LoadFile", a.Sys.LoadFile, b.Sys.LoadFile, Kept::Always, Owner::Program);
    visit("Food1", a.Food1, b.Food1, Kept::Always, Owner::Program);
    visit("Food2", a.Food2, b.Food2, Kept::Always, Owner::Program);
    visit("Gold", a.Gold, b.Gold, Kept::Always, Owner::Program);
    visit("UndoByOperation", a.UndoByOperation, b.UndoByOperation, Kept::OnceChanged, Owner::Program);
    visit("Zoom", a.View.Zoom, b.View.Zoom, Kept::Always, Owner::Window);
    visit("LiveFigures", a.View.LiveFigures, b.View.LiveFigures, Kept::OnceChanged, Owner::Window);
    visit("ShowValues", a.View.ShowValues, b.View.ShowValues, Kept::OnceChanged, Owner::Window);
    visit("MenuBar", a.View.MenuBar, b.View.MenuBar, Kept::OnceChanged, Owner::Window);
    visit("Language", a.View.Language, b.View.Language, Kept::OnceChanged, Owner::Window);
}

void Read(const IniFile& ini, const char* key, bool& value) { value = ini.ReadBool(kSystem, key, value); }
void Read(const IniFile& ini, const char* key, int32_t& value) { value = ini.ReadInteger(kSystem, key, value); }
void Read(const IniFile& ini, const char* key, std::string& value) { value = ini.ReadString(kSystem, key, value); }
void Write(IniFile& ini, const char* key, bool value) { ini.WriteBool(kSystem, key, value); }
void Write(IniFile& ini, const char* key, int32_t value) { ini.WriteInteger(kSystem, key, value); }
void Write(IniFile& ini, const char* key, const std::string& value) { ini.WriteString(kSystem, key, value); }

bool Lacks(const IniFile& ini, const std::string& section, const std::string& key)
{
    // No value read from a file can hold a line break.
    return ini.ReadString(section, key, "\n") == "\n";
}

// The document's settings and rates, with a window's view.
ConfigData SettingsOf(const TTileData& doc, const WindowPrefs& view)
{
    ConfigData c;
    c.Sys = doc.Sys;
    c.Food1 = doc.Food1;
    c.Food2 = doc.Food2;
    c.Gold = doc.Gold;
    c.UndoByOperation = doc.UndoByOperation;
    c.View = view;
    return c;
}

} // namespace

std::vector<std::string> SystemKeys()
{
    std::vector<std::string> keys;
    ConfigData c;
    ForEachSystemKey(c, c, [&keys](const char* key, auto&, auto&, Kept, Owner) { keys.push_back(key); });
    return keys;
}

std::string ReadLanguageSetting(const IniFile& ini)
{
    ConfigData c;
    ForEachSystemKey(c, c, [&ini](const char* key, auto& value, auto&, Kept, Owner) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
            if (std::string_view(key) == "Language")
                Read(ini, key, value);
    });
    return c.View.Language;
}

std::string LastPathComponent(const std::string& path)
{
    const size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

ConfigData ReadConfig(const IniFile& ini, const std::string& exePath)
{
    ConfigData c;
    ForEachSystemKey(c, c, [&ini](const char* key, auto& value, auto&, Kept, Owner) { Read(ini, key, value); });
    c.View.Zoom = view_zoom::Valid(c.View.Zoom);  // an unknown zoom is 100

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
    const ConfigData now = SettingsOf(doc, {});
    const ConfigData defaults;
    ForEachSystemKey(now, defaults, [&ini](const char* key, const auto& value, const auto& start, Kept kept, Owner owner) {
        if (owner == Owner::Program && (kept == Kept::Always || value != start || !Lacks(ini, kSystem, key)))
            Write(ini, key, value);
    });

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
    return WriteConfigChanges(onDisk, start, doc, start.View, exePath, overwriteClashes);
}

CatalogueClash WriteConfigChanges(IniFile& onDisk, const ConfigData& start, const TTileData& doc,
                                  const WindowPrefs& view, const std::string& exePath, bool overwriteClashes)
{
    IniFile mine;
    WriteConfig(mine, doc);
    const ConfigData settings = SettingsOf(doc, view);
    ForEachSystemKey(settings, start, [&onDisk](const char* key, const auto& value, const auto& read, Kept kept, Owner) {
        if (value != read || (kept == Kept::Always && Lacks(onDisk, kSystem, key)))
            Write(onDisk, key, value);
    });

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
