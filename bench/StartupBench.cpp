// Start-up cost: reading a 256-panel isplan.ini and filling the palettes.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <QTreeWidget>
#include <sys/resource.h>

#include "document/CheckedFile.h"

#include "settings/Config.h"
#include "settings/IniFile.h"
#include "app/Palette.h"
#include "document/File1.h"

namespace {

std::string BigCatalogue()
{
    IniFile ini;
    ini.WriteInteger("Tile", "Max", 255);
    const char* bitmaps[] = {"sea.bmp", "plains.bmp", "town.bmp", "farm.bmp", "factory.bmp"};
    for (int i = 0; i < 256; ++i) {
        const std::string s = std::to_string(i);
        ini.WriteInteger(s, "No", i);
        ini.WriteString(s, "Name", "パネル" + s);
        ini.WriteString(s, "Bmp", bitmaps[i % 5]);
        ini.WriteInteger(s, "Type", i % 6);
        ini.WriteInteger(s, "Min", 100);
        ini.WriteInteger(s, "Count", 10);
        ini.WriteInteger(s, "Max", 9);
        ini.WriteString(s, "Ext", "人");
        ini.WriteBool(s, "Land", true);
        ini.WriteInteger(s, "Code", 97 + i % 26);
    }
    return ini.ToBytes();
}

void BM_ReadConfigAndFillPalettes(benchmark::State& state)
{
    const std::string bytes = BigCatalogue();
    for (auto _ : state) {
        QTreeWidget buttons, masks;
        Palette palette(&buttons, &masks);
        TTileData doc;
        doc.Palette = &palette;
        IniFile ini;
        ini.LoadFromBytes(bytes);
        const ConfigData config = ReadConfig(ini, ISPLN_DATA_DIR "/");
        for (const TTileList& t : config.Tiles)
            doc.AddTile(t);
        for (const TMaskTileList& m : config.Masks)
            doc.AddMaskTile(m);
        benchmark::DoNotOptimize(doc.TileCount);
    }
}
BENCHMARK(BM_ReadConfigAndFillPalettes)->Unit(benchmark::kMillisecond);

// The largest isplan.ini read, from disk: 4 MiB of empty lines (arg 0) or
// of short keys (arg 1). Peak memory is the whole process's; run this one
// alone (--benchmark_filter=BM_LoadLargestIni) for a clean figure.
void BM_LoadLargestIni(benchmark::State& state)
{
    const std::string line = state.range(0) ? "k=1\n" : "\n";
    std::string bytes = "[S]\n";
    while (bytes.size() + line.size() <= IniFile::MaxFileBytes)
        bytes += line;
    QTemporaryDir dir;
    const std::string path = dir.filePath("isplan.ini").toStdString();
    if (!WriteFileChecked(path, bytes))
        state.SkipWithError("cannot write the settings file");
    for (auto _ : state) {
        IniFile ini;
        benchmark::DoNotOptimize(ini.Load(path));
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_LoadLargestIni)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
