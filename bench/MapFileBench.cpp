// Opening a 31 x 31 map file: reading it and redrawing the whole map, and
// the file read alone for comparison; saving it.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "BenchCatalogue.h"
#include "files/MapFile.h"
#include "view/MapRenderer.h"

namespace {

struct MapFileFixture {
    QTemporaryDir dir;
    std::string path = (dir.path() + "/big.kpl").toStdString();
    TTileData doc;
    MapRenderer renderer{doc};

    MapFileFixture()
    {
        LoadShippedCatalogue(doc);
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y)
                doc.SetCell(x, y, {static_cast<uint8_t>((x + 2 * y) % doc.TileCount), static_cast<uint8_t>(x % 4),
                                   static_cast<uint8_t>((x * y) % (doc.MaskCount + 1))});
        doc.SetLastX(30);
        doc.SetLastY(30);
        if (!doc.SaveMapFile(path))
            std::abort();  // nothing to load
    }
};

void BM_LoadMapFileAndRedraw(benchmark::State& state)
{
    MapFileFixture f;
    f.renderer.RedrawMap();  // warm the tile cache, as a running program has it
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.doc.LoadMapFile(f.path));
        f.renderer.Show(f.doc.TakeChange());
    }
}
BENCHMARK(BM_LoadMapFileAndRedraw)->Unit(benchmark::kMillisecond);

void BM_LoadMapFileOnly(benchmark::State& state)
{
    MapFileFixture f;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.doc.LoadMapFile(f.path));
}
BENCHMARK(BM_LoadMapFileOnly)->Unit(benchmark::kMicrosecond);

void BM_SaveMapFile(benchmark::State& state)
{
    MapFileFixture f;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.doc.SaveMapFile(f.path));
}
BENCHMARK(BM_SaveMapFile)->Unit(benchmark::kMicrosecond);

}  // namespace
