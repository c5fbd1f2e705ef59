#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "settings/IniFile.h"
#include "document/TileList.h"

class TTileData;

// A window's own view settings, kept in "System" beside the program's.
struct WindowPrefs {
    int32_t Zoom = 100;
    bool LiveFigures = false;  // "自動更新"
    bool ShowValues = false;   // "数値表示"
    bool MenuBar = false;      // the menu bar shown (Ctrl+M)
    // "ja", "en" or "auto": read once, before the first window; no window
    // changes it, so the merge at close leaves the file's value.
    std::string Language = "auto";
};

// Everything isplan.ini holds, as the program starts with it; the values
// here stand for keys the file lacks. Each key of "System" is named once,
// in Config.cpp's table, which reads, writes and merges them all.
struct ConfigData {
    TSysList Sys{.MapSize = false, .MapY = 12, .MapX = 12, .Window = false, .Load = false, .LoadFile = {}};
    int32_t Food1 = 200, Food2 = 1000, Gold = 1;
    bool UndoByOperation = false;
    WindowPrefs View;
    std::vector<TTileList> Tiles;
    std::vector<TMaskTileList> Masks;
};

// exePath is the program folder with its trailing separator; bitmap names
// are resolved inside its Image/ folder.
ConfigData ReadConfig(const IniFile& ini, const std::string& exePath);
// Hands the settings and rates to the document and appends every entry
// (through AddTile / AddMaskTile, so attached palettes follow).
void ApplyConfig(const ConfigData& config, TTileData& doc);
// The shown size the settings give when no file gives one at start-up; a
// stored value outside 1..31 keeps that direction's size.
void ApplyStoredMapSize(TTileData& doc);
// Writes the settings and catalogues of the document (no window's view).
// Sections of entries beyond the current counts are left as they are.
void WriteConfig(IniFile& ini, const TTileData& doc);
// [System] Language alone, as the table reads it, for the start before
// any window.
std::string ReadLanguageSetting(const IniFile& ini);
// Every key of "System" the table names, for tests that walk it.
std::vector<std::string> SystemKeys();
// What follows the last '\', '/' or ':'.
std::string LastPathComponent(const std::string& path);

// Catalogues that this window and another one sharing the file both
// changed since this window read it.
struct CatalogueClash {
    bool Panels = false;
    bool Masks = false;
    bool Any() const { return Panels || Masks; }
};
// For a file two windows may share: writes into `onDisk` (the file as it is
// now) only the settings, rates and catalogues the document changed since
// `start` (what this window read), and any key the file lacks. Keys this
// window did not change keep what the file holds now. A catalogue is
// written whole; one the file also changed since `start` is written only
// when `overwriteClashes`, and is named in the result either way.
// `view` is the window's view as it stands now.
CatalogueClash WriteConfigChanges(IniFile& onDisk, const ConfigData& start, const TTileData& doc,
                                  const WindowPrefs& view, const std::string& exePath, bool overwriteClashes);
// The same for a window whose view is as it started.
CatalogueClash WriteConfigChanges(IniFile& onDisk, const ConfigData& start, const TTileData& doc,
                                  const std::string& exePath, bool overwriteClashes);
