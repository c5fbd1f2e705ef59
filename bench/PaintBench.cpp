// The painting tools on a 31 x 31 map with the shipped artwork: a fill of
// the whole map and its undo (goal: < 1 ms each), one cell of a brush stroke
// changed, drawn and repainted at each zoom (goal: < 1 ms), at a level too,
// the counters of a whole-map selection raised (goal: < 1 ms), and the paste
// preview following the pointer (goal: well inside one frame, 16 ms).
#include <benchmark/benchmark.h>

#include <QPainter>

#include "BenchCatalogue.h"
#include "view/MapRenderer.h"
#include "view/PaintTools.h"
#include "view/ToolPreview.h"
#include "view/ViewZoom.h"

namespace {

struct PaintFixture {
    TTileData doc;
    MapRenderer renderer{doc};
    PaintTools tools{doc};
    QRect changed;  // what the picture reported since the last look
    bool draw = true;  // the change drawn into the picture, as the window's renderer does

    PaintFixture()
    {
        LoadShippedCatalogue(doc);
        doc.SetLastX(30);
        doc.SetLastY(30);
        doc.MaskShow = true;
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y)
                doc.SetCell(x, y, {static_cast<uint8_t>(doc.Tile[0].No), 0, static_cast<uint8_t>(1 + (x + y) % 3)});
        renderer.Show(doc.TakeChange());  // warm the cache
        QObject::connect(&renderer, &MapRenderer::changed, [this](const QRect& r) { changed |= r; });
    }

    void Apply(const PaintTools::Action& a)
    {
        doc.ApplyEdits(a.edits);
        Show();
    }
    void Show()
    {
        const MapChange change = doc.TakeChange();
        if (draw)
            renderer.Show(change);
    }
};

// draw:0 measures the change and its history alone, draw:1 adds drawing
// every cell into the picture.
void BM_FillWholeMap(benchmark::State& state)
{
    PaintFixture f;
    f.draw = state.range(0) != 0;
    f.tools.SetTool(PaintTool::Fill);
    int i = 0;
    for (auto _ : state) {
        f.doc.Selected = 1 + (i++ % 2);  // alternate, so every fill changes all 961 cells
        f.Apply(f.tools.Press({15, 15}, true, MouseButton::Left));
    }
    state.counters["cells"] = f.doc.BufList->GetIndex() - f.doc.BufList->OperationFirst(f.doc.BufList->GetIndex()) + 1;
}
BENCHMARK(BM_FillWholeMap)->Arg(0)->Arg(1)->ArgName("draw")->Unit(benchmark::kMillisecond);

void BM_UndoWholeMapFill(benchmark::State& state)
{
    PaintFixture f;
    f.draw = state.range(0) != 0;
    f.tools.SetTool(PaintTool::Fill);
    f.doc.Selected = 1;
    f.Apply(f.tools.Press({15, 15}, true, MouseButton::Left));
    for (auto _ : state) {
        f.doc.Undo();
        f.Show();
        state.PauseTiming();
        f.doc.Redo();
        f.Show();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoWholeMapFill)->Arg(0)->Arg(1)->ArgName("draw")->Unit(benchmark::kMillisecond);

// The first kind with counter steps, for the level benchmarks.
int CountedPanel(const TTileData& doc)
{
    for (int i = 0; i < doc.TileCount; ++i)
        if (doc.Tile[i].Max > 0)
            return i;
    return 0;
}

// A brush cell that sets the counter to the level as well, drawn.
void BM_StrokeCellAtLevel(benchmark::State& state)
{
    PaintFixture f;
    f.tools.SetTool(PaintTool::Brush);
    f.doc.Selected = CountedPanel(f.doc);
    f.tools.SetLevel(3);
    f.Apply(f.tools.Press({0, 15}, true, MouseButton::Left));
    int x = 0, direction = 1;
    for (auto _ : state) {
        if (x + direction < 0 || x + direction > 30) {
            direction = -direction;
            f.tools.SetLevel(f.tools.Level() == 3 ? 2 : 3);  // so every cell changes
        }
        x += direction;
        f.Apply(f.tools.Move({x, 15}, true));
    }
}
BENCHMARK(BM_StrokeCellAtLevel)->Unit(benchmark::kMicrosecond);

// "+" on a selection of the whole map: 961 counters, one step, drawn.
void BM_WholeMapCountersUp(benchmark::State& state)
{
    PaintFixture f;
    const int panel = CountedPanel(f.doc);
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            f.doc.SetCell(x, y, {static_cast<uint8_t>(f.doc.Tile[panel].No), 0, 0});
    f.tools.SetTool(PaintTool::Select);
    f.Apply(f.tools.Press({0, 0}, true, MouseButton::Left));
    f.Apply(f.tools.Move({30, 30}, true));
    f.Apply(f.tools.Release({30, 30}, MouseButton::Left));
    bool up = true;
    for (auto _ : state) {
        const auto edits = f.tools.ChangeCounters(up ? PaintTools::CounterChange::ToMax : PaintTools::CounterChange::ToZero);
        f.doc.ApplyEdits(edits);
        f.Show();
        up = !up;
    }
}
BENCHMARK(BM_WholeMapCountersUp)->Unit(benchmark::kMillisecond);

// One cell a stroke enters: the change, its drawing into the picture, and
// the repaint of what changed on a screen at the zoom.
void BM_StrokeCell(benchmark::State& state)
{
    PaintFixture f;
    const int zoom = static_cast<int>(state.range(0));
    QImage screen(view_zoom::ToView(f.renderer.Picture().rect(), zoom).size(), QImage::Format_RGB32);
    f.tools.SetTool(PaintTool::Brush);
    f.doc.Selected = 1;
    f.Apply(f.tools.Press({0, 15}, true, MouseButton::Left));
    int x = 0, direction = 1;
    for (auto _ : state) {
        if (x + direction < 0 || x + direction > 30) {
            // Back along the row with the other panel, so every cell changes.
            direction = -direction;
            f.doc.Selected = 3 - f.doc.Selected;
        }
        x += direction;
        f.changed = QRect();
        f.Apply(f.tools.Move({x, 15}, true));
        QPainter p(&screen);
        view_zoom::Paint(p, f.renderer.Picture(), view_zoom::ToView(f.changed, zoom), zoom);
    }
    state.counters["history"] = f.doc.BufList->GetCount();
}
BENCHMARK(BM_StrokeCell)->Arg(50)->Arg(100)->Arg(200)->ArgName("zoom")->Unit(benchmark::kMicrosecond);

// The paste preview for one pointer move, as the window has it each frame:
// the block as it would land, and the repaint of the area it left and
// entered (map and preview) on a screen at the zoom.
void BM_PastePreview(benchmark::State& state)
{
    PaintFixture f;
    const int zoom = static_cast<int>(state.range(0));
    QImage screen(view_zoom::ToView(f.renderer.Picture().rect(), zoom).size(), QImage::Format_RGB32);
    ToolPreview preview(f.renderer);
    f.tools.SetTool(PaintTool::Select);
    f.tools.Press({0, 0}, true, MouseButton::Left);
    f.tools.Release({9, 9}, MouseButton::Left);
    f.tools.Paste(f.tools.Copy());
    int i = 0;
    for (auto _ : state) {
        f.tools.Move({i % 20, (i / 20) % 20}, true);
        const QRect changed = view_zoom::ToView(preview.Set(f.tools.Preview(), f.tools.SelectionCells()), zoom);
        QPainter p(&screen);
        p.setClipRect(changed);
        view_zoom::Paint(p, f.renderer.Picture(), changed, zoom);
        preview.Paint(p, changed, zoom);
        ++i;
    }
}
BENCHMARK(BM_PastePreview)->Arg(50)->Arg(100)->Arg(200)->ArgName("zoom")->Unit(benchmark::kMicrosecond);

}  // namespace
