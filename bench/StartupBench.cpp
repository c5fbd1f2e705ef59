// Start-up cost: reading a 256-panel isplan.ini and making the palettes'
// pictures (what the window's palette does for each catalogue entry).
#include <benchmark/benchmark.h>

#include <QList>
#include <QTemporaryDir>
#include <sys/resource.h>

#include "filesystem/CheckedFile.h"

#include "settings/Config.h"
#include "settings/IniFile.h"
#include "document/File1.h"
#include "view/PaletteImage.h"

namespace {

// The palettes' pictures without their list widgets, as the window's
// palette makes them when the catalogue arrives.
struct PalettePictures {
    QList<QImage> tiles, masks;
    void Show(const TTileData& doc)
    {
        for (int i = 0; i < doc.TileCount; ++i)
            tiles.append(PaletteTileImage(doc.Tile[i].Bmp));
        for (int i = 0; i < doc.MaskCount; ++i)
            masks.append(PaletteTileImage(doc.Mask[i].Bmp));
    }
};

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
        PalettePictures palette;
        TTileData doc;
        IniFile ini;
        ini.LoadFromBytes(bytes);
        const ConfigData config = ReadConfig(ini, ISPLN_DATA_DIR "/");
        for (const TTileList& t : config.Tiles)
            doc.AddTile(t);
        for (const TMaskTileList& m : config.Masks)
            doc.AddMaskTile(m);
        if (doc.TakeChange().Catalogue)
            palette.Show(doc);
        benchmark::DoNotOptimize(doc.TileCount);
    }
}
BENCHMARK(BM_ReadConfigAndFillPalettes)->Unit(benchmark::kMillisecond);

// The largest isplan.ini read, from disk, in the shapes that cost most: 4 MiB
// of empty lines (arg 0), of short keys (1), of "[]" headers (2) and of
// distinct section names (3). Peak memory is the whole process's; run one
// shape alone (--benchmark_filter=BM_LoadLargestIni/2) for a clean figure.
void BM_LoadLargestIni(benchmark::State& state)
{
    std::string bytes = "[S]\n";
    for (int i = 0; bytes.size() < IniFile::MaxFileBytes; ++i) {
        const std::string shapes[] = {"\n", "k=1\n", "[]\n", "[" + std::to_string(i) + "]\n"};
        bytes += shapes[state.range(0)];
    }
    bytes.resize(IniFile::MaxFileBytes);
    QTemporaryDir dir;
    const std::string path = dir.filePath("isplan.ini").toStdString();
    if (!WriteFileChecked(path, bytes))
        state.SkipWithError("cannot write the settings file");
    for (auto _ : state) {
        IniFile ini;
        benchmark::DoNotOptimize(ini.Load(path));
        benchmark::DoNotOptimize(ReadConfig(ini, "/nonexistent/"));
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_LoadLargestIni)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
