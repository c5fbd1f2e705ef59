// Turning and mirroring a whole 31 x 31 block, as a key press on a floating
// island stamp does (goal: well under 2 ms), a selection of that size
// turned in place on the map, and the tab "スタンプ" listing 200 stamps with
// their pictures (goal: under 0.5 s the first time; again from the cache).
#include <benchmark/benchmark.h>

#include <QDirIterator>
#include <QTemporaryDir>

#include "BenchCatalogue.h"
#include "app/StampTab.h"
#include "document/File1.h"
#include "view/PaintTools.h"

namespace {

map_shapes::Block WholeIsland()
{
    map_shapes::Block b{GridSize, GridSize, false, {}};
    for (int i = 0; i < GridSize * GridSize; ++i)
        b.Cells.push_back({static_cast<uint8_t>(i % 24), static_cast<uint8_t>(i % 7), static_cast<uint8_t>(i % 5)});
    return b;
}

void BM_ReshapeBlock31(benchmark::State& state)
{
    const auto how = static_cast<map_shapes::Reshape>(state.range(0));
    map_shapes::Block block = WholeIsland();
    map_shapes::Cell pivot = map_shapes::MiddleOf(block);
    for (auto _ : state) {
        block = map_shapes::Reshaped(block, how, pivot);
        benchmark::DoNotOptimize(block.Cells.data());
    }
}
// 0 clockwise, 1 counter-clockwise, 2 mirror left-right, 3 top-bottom
BENCHMARK(BM_ReshapeBlock31)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_TurnSelection31(benchmark::State& state)
{
    static TTileData doc;
    doc.LastX = doc.LastY = GridSize - 1;
    PaintTools tools(doc);
    tools.SetTool(PaintTool::Select);
    tools.Press({0, 0}, true, MouseButton::Left);
    tools.Release({30, 30}, MouseButton::Left);
    for (auto _ : state)
        benchmark::DoNotOptimize(tools.TurnSelection(true).size());
}
BENCHMARK(BM_TurnSelection31)->Unit(benchmark::kMicrosecond);

// 200 stamps: the shipped ones again and again, each under a name of its own.
void BM_StampTab200(benchmark::State& state)
{
    QTemporaryDir folder;
    std::vector<std::string> shipped;
    QDirIterator it(QStringLiteral(ISPLN_DATA_DIR "/Stamps"), {QStringLiteral("*.stamp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        shipped.push_back(it.next().toStdString());
    for (int i = 0; i < 200 && !shipped.empty(); ++i) {
        StampRead read = ReadStampFile(shipped[static_cast<size_t>(i) % shipped.size()]);
        read.Stamp.Name += " " + std::to_string(i);
        const QString group = folder.path() + QStringLiteral("/group%1").arg(i % 6);
        QDir().mkpath(group);
        WriteStampFile((group + QStringLiteral("/s%1.stamp").arg(i)).toStdString(), read.Stamp);
    }
    TTileData doc;
    LoadShippedCatalogue(doc);
    const bool cached = state.range(0) == 1;
    StampTab tab(doc);
    if (cached)
        tab.SetFolder(folder.path());
    for (auto _ : state) {
        if (cached) {
            tab.Reload();
        } else {
            state.PauseTiming();
            tab.CatalogueChanged();  // forget every picture
            tab.SetFolder(QString());
            state.ResumeTiming();
            tab.SetFolder(folder.path());
        }
    }
    state.counters["stamps"] = tab.Count();
}
// 0: every picture drawn, 1: from the cache
BENCHMARK(BM_StampTab200)->Arg(0)->Arg(1)->ArgName("cached")->Unit(benchmark::kMillisecond);

}  // namespace
