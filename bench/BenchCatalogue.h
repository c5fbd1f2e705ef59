#pragma once
// The shipped catalogue loaded into a document, for benchmarks.
#include "settings/Config.h"
#include "settings/IniFile.h"
#include "document/File1.h"

inline void LoadShippedCatalogue(TTileData& doc)
{
    IniFile ini;
    ini.Load(ISPLN_DATA_DIR "/isplan.ini");
    ApplyConfig(ReadConfig(ini, ISPLN_DATA_DIR "/"), doc);
}
