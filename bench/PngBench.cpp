// Writing the map picture as PNG, on a 31 x 31 map with masks, side by side:
// the hand-written encoder we had before (its recorded figure), ours on
// libdeflate at several levels and row filters, and Qt's general-purpose
// writer at its default and its fastest setting.
#include <benchmark/benchmark.h>

#include <QBuffer>

#include "BenchCatalogue.h"
#include "view/MapRenderer.h"
#include "view/PngEncoder.h"

namespace {

QImage MapPicture()
{
    TTileData doc;
    MapRenderer renderer(doc);
    LoadShippedCatalogue(doc);
    doc.SetLastX(30);
    doc.SetLastY(30);
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            doc.SetCell(x, y, {static_cast<uint8_t>((x * 31 + y) % doc.TileCount), static_cast<uint8_t>(x % 7),
                               static_cast<uint8_t>((x + y) % 3 ? 0 : 1 + (x * y) % doc.MaskCount)});
    renderer.Show(doc.TakeChange());
    return renderer.Picture();
}

// Measured with this benchmark on the same picture just before it was
// replaced (one greedy pass with deflate's fixed codes), CPU time. On the
// same machine libdeflate level 1 without a row filter took about as long
// (14 ms) for 76 % of the bytes; level 2 gave 63 % but took 60 % longer, and
// the sub and up filters only made the file larger.
void BM_OldEncoderRecorded(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(state.iterations());
    state.counters["bytes"] = 1224161;
    state.counters["ms"] = 13.4;
}
BENCHMARK(BM_OldEncoderRecorded)->Iterations(1);

// Arguments: libdeflate level, row filter (0 none, 1 sub, 2 up).
void BM_EncodePng(benchmark::State& state)
{
    const QImage picture = MapPicture();
    const PngSettings settings{static_cast<int>(state.range(0)), static_cast<PngFilter>(state.range(1))};
    size_t bytes = 0;
    for (auto _ : state)
        bytes = EncodePng(picture, settings).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EncodePng)->ArgsProduct({{1, 2, 4, 6}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

// quality -1: Qt's default compression; 85: zlib's fastest level.
void BM_QtPngWriter(benchmark::State& state)
{
    const QImage picture = MapPicture();
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG", static_cast<int>(state.range(0)));
        bytes = data.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_QtPngWriter)->Arg(-1)->Arg(85)->Unit(benchmark::kMillisecond);

}  // namespace
