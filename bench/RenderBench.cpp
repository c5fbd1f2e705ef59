// Drawing the map: the full redraw against its floor (the same picture
// composed from already-decoded images with no other work), one cell, one
// mouse edit, and the redraw with the tile cache bypassed.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <chrono>

#include "BenchCatalogue.h"
#include "view/CellValues.h"
#include "view/MapArtwork.h"
#include "view/MapRenderer.h"
#include "view/ViewZoom.h"

namespace {

struct Fixture {
    TTileData doc;
    MapRenderer renderer{doc};

    explicit Fixture(bool masks)
    {
        LoadShippedCatalogue(doc);
        doc.SetLastX(30);
        doc.SetLastY(30);
        doc.LineMode = true;
        doc.MaskShow = masks;
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y)
                doc.SetCell(x, y, {static_cast<uint8_t>((x + y) % doc.TileCount), 0,
                                   static_cast<uint8_t>(1 + (x * y) % doc.MaskCount)});
        renderer.Show(doc.TakeChange());  // warm the cache
    }
};

// The floor: pre-decoded tiles and frames, one painter, no lookups, no
// file checks.
struct Floor {
    QImage picture{TTileData::CellRect(30, 0).Right + 16, 32 * 30 + 48, QImage::Format_RGB32};
    std::vector<QImage> tiles, silhouettes, markers, ruler;

    explicit Floor(const TTileData& doc)
    {
        for (int i = 0; i < doc.TileCount; ++i)
            tiles.push_back(QImage(QString::fromStdString(doc.Tile[i].Bmp)).convertToFormat(QImage::Format_RGB32));
        for (int i = 0; i < doc.MaskCount; ++i) {
            const QImage strip = QImage(QString::fromStdString(doc.Mask[i].Bmp)).convertToFormat(QImage::Format_RGB32);
            markers.push_back(strip.copy(32, 0, 32, 32));
            silhouettes.push_back(strip.copy(64, 0, 32, 32));
        }
        for (int i = 0; i < GridSize; ++i)
            ruler.push_back(artwork::RulerImage(i));
    }

    void Compose(const TTileData& doc, bool masks)
    {
        QPainter p(&picture);
        p.setPen(Qt::white);
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y) {
                const CellRectangle r = TTileData::CellRect(x, y);
                const MapCell c = doc.Map[x][y];
                p.drawImage(r.Left, r.Top, tiles[c.Panel]);
                if (masks) {
                    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
                    p.drawImage(r.Left, r.Top, silhouettes[c.Mask - 1]);
                    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
                    p.drawImage(r.Left, r.Top, markers[c.Mask - 1]);
                    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
                }
                p.drawRect(r.Left, r.Top, 31, 31);
            }
        for (int y = 0; y < GridSize; ++y)
            p.drawImage(y % 2 ? 32 * 30 + 32 : 0, 32 * y + 16, ruler[y]);
    }
};

void BM_RedrawMap(benchmark::State& state)
{
    Fixture f(state.range(0) != 0);
    for (auto _ : state)
        f.renderer.RedrawMap();
}
BENCHMARK(BM_RedrawMap)->Arg(1)->Arg(0)->ArgName("masks")->Unit(benchmark::kMillisecond);

// "数値表示" over a full 31 x 31 map where every cell counts (goal: within
// a fifth of BM_RedrawMap).
void BM_CellValues(benchmark::State& state)
{
    Fixture f(true);
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            f.doc.Map[x][y].Counter = static_cast<uint8_t>(1 + (x * 7 + y) % 200);
    QImage view = f.renderer.Picture().copy();
    for (auto _ : state) {
        QPainter painter(&view);
        DrawCellValues(painter, f.doc, view.rect(), 100);
    }
}
BENCHMARK(BM_CellValues)->Unit(benchmark::kMillisecond);

void BM_RedrawFloor(benchmark::State& state)
{
    Fixture f(state.range(0) != 0);
    Floor floor(f.doc);
    for (auto _ : state)
        floor.Compose(f.doc, state.range(0) != 0);
}
BENCHMARK(BM_RedrawFloor)->Arg(1)->Arg(0)->ArgName("masks")->Unit(benchmark::kMillisecond);

// The full redraw divided by its floor, measured side by side (goal: < 2).
void BM_RedrawOverFloor(benchmark::State& state)
{
    const bool masks = state.range(0) != 0;
    Fixture f(masks);
    Floor floor(f.doc);
    using Clock = std::chrono::steady_clock;
    Clock::duration full{}, bare{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        f.renderer.RedrawMap();
        const auto t1 = Clock::now();
        floor.Compose(f.doc, masks);
        bare += Clock::now() - t1;
        full += t1 - t0;
    }
    state.counters["ratio"] = static_cast<double>(full.count()) / static_cast<double>(bare.count());
}
BENCHMARK(BM_RedrawOverFloor)->Arg(1)->Arg(0)->ArgName("masks")->Unit(benchmark::kMillisecond);

// One cell against the whole map (goal: < 5 %).
void BM_DrawCellShareOfRedraw(benchmark::State& state)
{
    Fixture f(true);
    using Clock = std::chrono::steady_clock;
    Clock::duration cell{}, map{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        f.renderer.DrawCell(15, 15);
        const auto t1 = Clock::now();
        f.renderer.RedrawMap();
        map += Clock::now() - t1;
        cell += t1 - t0;
    }
    state.counters["percent"] = 100.0 * static_cast<double>(cell.count()) / static_cast<double>(map.count());
}
BENCHMARK(BM_DrawCellShareOfRedraw)->Unit(benchmark::kMillisecond);

void BM_RedrawMapUncached(benchmark::State& state)
{
    Fixture f(true);
    f.renderer.Cache().bypass = true;
    for (auto _ : state)
        f.renderer.RedrawMap();
}
BENCHMARK(BM_RedrawMapUncached)->Unit(benchmark::kMillisecond);

void BM_DrawCell(benchmark::State& state)
{
    Fixture f(true);
    for (auto _ : state)
        f.renderer.DrawCell(15, 15);
}
BENCHMARK(BM_DrawCell)->Unit(benchmark::kMicrosecond);

void BM_MouseEdit(benchmark::State& state)
{
    Fixture f(true);
    const CellRectangle r = TTileData::CellRect(15, 15);
    int i = 0;
    for (auto _ : state) {
        f.doc.Selected = 1 + (i++ % 2);  // alternate panels so every press changes the cell
        f.doc.EditAt(r.Left + 10, r.Top + 10, MouseButton::Left);
        f.renderer.Show(f.doc.TakeChange());
    }
    state.counters["history"] = f.doc.BufList->GetCount();
}
BENCHMARK(BM_MouseEdit)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Repainting a full 31 x 31 view from the cached picture at a zoom, against
// 100 %; and the repaint one cell's edit asks for at that zoom.
void BM_ZoomedRepaint(benchmark::State& state)
{
    Fixture f(true);
    const int zoom = static_cast<int>(state.range(0));
    const QImage& picture = f.renderer.Picture();
    const QRect view = view_zoom::ToView(picture.rect(), zoom);
    QImage screen(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&screen);
        view_zoom::Paint(p, picture, view, zoom);
    }
    state.counters["view_px"] = view.width();
}
BENCHMARK(BM_ZoomedRepaint)->Arg(50)->Arg(100)->Arg(200)->ArgName("zoom")->Unit(benchmark::kMillisecond);

void BM_ZoomedCellRepaint(benchmark::State& state)
{
    Fixture f(true);
    const int zoom = static_cast<int>(state.range(0));
    const CellRectangle c = TTileData::CellRect(15, 15);
    const QRect cell = view_zoom::ToView(QRect(c.Left, c.Top, 32, 32), zoom);
    QImage screen(view_zoom::ToView(f.renderer.Picture().rect(), zoom).size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&screen);
        view_zoom::Paint(p, f.renderer.Picture(), cell, zoom);
    }
}
BENCHMARK(BM_ZoomedCellRepaint)->Arg(50)->Arg(100)->Arg(200)->ArgName("zoom")->Unit(benchmark::kMicrosecond);

}  // namespace
