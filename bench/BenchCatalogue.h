#pragma once
// The shipped catalogue loaded into a document, for benchmarks.
#include "settings/Config.h"
#include "settings/IniFile.h"
#include "document/File1.h"

#include <cstdlib>

inline void LoadShippedCatalogue(TTileData& doc)
{
    IniFile ini;
    if (!ini.Load(ISPLN_DATA_DIR "/isplan.ini"))
        std::abort();  // every figure would measure the wrong thing
    ApplyConfig(ReadConfig(ini, ISPLN_DATA_DIR "/"), doc);
}
