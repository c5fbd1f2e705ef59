// Writing the map picture as PNG: our encoder against Qt's general-purpose
// writer at its default and its fastest setting, on a 31 x 31 map with masks.
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
    doc.View = &renderer;
    doc.SetLastX(30);
    doc.SetLastY(30);
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            doc.SetCell(x, y, {static_cast<uint8_t>((x * 31 + y) % doc.TileCount), static_cast<uint8_t>(x % 7),
                               static_cast<uint8_t>((x + y) % 3 ? 0 : 1 + (x * y) % doc.MaskCount)});
    doc.RedrawMap();
    doc.View = nullptr;
    return renderer.Picture();
}

void BM_EncodePng(benchmark::State& state)
{
    const QImage picture = MapPicture();
    size_t bytes = 0;
    for (auto _ : state)
        bytes = EncodePng(picture).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);

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
