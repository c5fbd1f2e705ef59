#pragma once
// The shipped catalogue loaded into a document, for benchmarks.
#include "app/Config.h"
#include "app/IniFile.h"
#include "document/File1.h"

inline void LoadShippedCatalogue(TTileData& doc)
{
    IniFile ini;
    ini.Load(ISPLN_DATA_DIR "/isplan.ini");
    const ConfigData config = ReadConfig(ini, ISPLN_DATA_DIR "/");
    doc.Sys = config.Sys;
    doc.Food1 = config.Food1;
    doc.Food2 = config.Food2;
    doc.Gold = config.Gold;
    for (const TTileList& t : config.Tiles)
        doc.AddTile(t);
    for (const TMaskTileList& m : config.Masks)
        doc.AddMaskTile(m);
}
