// The island figures and the per-panel breakdown on a full 31 x 31 map with
// a catalogue of 256 panel kinds.
#include <benchmark/benchmark.h>

#include "document/File1.h"
#include "stats/Breakdown.h"
#include "stats/FigureDelta.h"
#include "stats/Unit5.h"

namespace {

// 256 kinds of every Type; later entries reuse earlier Nos so that lookups
// scan deep into the catalogue.
void FillBigIsland(TTileData& doc)
{
    const char* bitmaps[] = {"sea.bmp", "plains.bmp", "town.bmp", "farm.bmp", "factory.bmp", "missing.bmp"};
    for (int i = 0; i < MaxTiles; ++i) {
        TTileList t;
        t.No = 255 - i;
        t.Name = "パネル" + std::to_string(i);
        t.Bmp = std::string(ISPLN_DATA_DIR "/Image/") + bitmaps[i % 6];
        t.Type = i % 6;
        t.Min = 100;
        t.Count = 10;
        t.Max = 9;
        t.Land = i % 2 == 0;
        doc.AddTile(t);
    }
    doc.LastX = doc.LastY = GridSize - 1;
    doc.Food1 = 200;
    doc.Food2 = 1000;
    doc.Gold = 15;
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            doc.SetCell(x, y, MapCell{static_cast<uint8_t>((x * GridSize + y) % 256),
                                      static_cast<uint8_t>(y % 12), 0});
}

void BM_ComputeStats(benchmark::State& state)
{
    TTileData doc;
    FillBigIsland(doc);
    for (auto _ : state) {
        doc.ComputeStats();
        benchmark::DoNotOptimize(doc.Stats);
    }
}
BENCHMARK(BM_ComputeStats)->Unit(benchmark::kMicrosecond);

// What live figures add to one edit: the figures again and the status text.
void BM_LiveFiguresAfterEdit(benchmark::State& state)
{
    TTileData doc;
    FillBigIsland(doc);
    doc.ComputeStats();
    uint8_t counter = 0;
    for (auto _ : state) {
        const IslandStats before = doc.Stats;
        doc.SetCell(15, 15, MapCell{2, static_cast<uint8_t>(++counter % 12), 0});
        doc.ComputeStats();
        benchmark::DoNotOptimize(FigureDeltaText(before, doc.Stats));
    }
}
BENCHMARK(BM_LiveFiguresAfterEdit)->Unit(benchmark::kMicrosecond);

void BM_BuildBreakdown(benchmark::State& state)
{
    TTileData doc;
    FillBigIsland(doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildBreakdown(doc));
}
BENCHMARK(BM_BuildBreakdown)->Unit(benchmark::kMicrosecond);

// What the user waits for between pressing "個別情報" and seeing the list.
void BM_FillBreakdownDialog(benchmark::State& state)
{
    TTileData doc;
    FillBigIsland(doc);
    TForm5 form;
    for (auto _ : state)
        form.Fill(doc);
}
BENCHMARK(BM_FillBreakdownDialog)->Unit(benchmark::kMillisecond);

}  // namespace
