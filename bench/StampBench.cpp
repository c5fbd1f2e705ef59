// Turning and mirroring a whole 31 x 31 block, as a key press on a floating
// island stamp does (goal: well under 2 ms), and a selection of that size
// turned in place on the map.
#include <benchmark/benchmark.h>

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

}  // namespace
