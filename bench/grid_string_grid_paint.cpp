// The string grid's whole frame on a full-HD viewport, against the bare canvas drawing of the
// same fills, lines and texts, measured in the same run.
//
// The viewport (bench/grid_viewport.h) at 1,000 and 1,000,000 rows. BM_GridPaint_Grid paints
// every visible cell through the grid's cell painter with default settings (every step of the
// painter runs), then pages down one screen, and reports the bare canvas frame measured alongside
// ("canvas_ms") and the ratio ("x_canvas"), and the time per painted cell. BM_GridPaint_Canvas is
// that bare frame alone: for each visible cell its background, its text in a single-line
// rectangle, then the grid lines.
#include "bench/grid_viewport.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"

#include <benchmark/benchmark.h>


namespace {

using namespace gw;
using namespace gw::bench;

using TGridWorld = TViewportWorld<TExtStringGrid>;

TGridWorld& World(Integer RowCount) { return KeptWorld<TGridWorld>(RowCount); }

void BM_GridPaint_Grid(benchmark::State& state)
{
    TGridWorld& w = World(Integer(state.range(0)));
    TExtStringGrid& g = *w.Grid;
    TBitmap bmp(kViewWidth, kViewHeight);
    Integer cells = 0;
    for (auto _ : state) RepaintAndPage(g, [&] { cells = PaintGridFrame(g, *bmp.Canvas()); });
    const double gridMs = MillisecondsPer([&] { RepaintAndPage(g, [&] { PaintGridFrame(g, *bmp.Canvas()); }); });
    const double canvasMs = MillisecondsPer([&] { RepaintAndPage(g, [&] { PaintCanvasFrame(g, *bmp.Canvas()); }); });
    state.counters["grid_ms"] = gridMs;
    state.counters["canvas_ms"] = canvasMs;
    state.counters["x_canvas"] = gridMs / canvasMs;
    state.counters["cells"] = cells;
    state.counters["us_per_cell"] = gridMs * 1000.0 / (2.0 * cells);
    state.counters["canvas_us_per_cell"] = canvasMs * 1000.0 / (2.0 * cells);
}
BENCHMARK(BM_GridPaint_Grid)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_GridPaint_Canvas(benchmark::State& state)
{
    TGridWorld& w = World(Integer(state.range(0)));
    TBitmap bmp(kViewWidth, kViewHeight);
    for (auto _ : state) RepaintAndPage(*w.Grid, [&] { PaintCanvasFrame(*w.Grid, *bmp.Canvas()); });
}
BENCHMARK(BM_GridPaint_Canvas)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
