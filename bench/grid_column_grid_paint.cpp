// The column grid's whole frame on the full-HD viewport of the painting benchmark, against the
// same frame on a string grid, measured in the same run (goal: within 1.2x).
//
// Both grids hold the same rows (bench/grid_viewport.h); the column grid has one column item per
// column, with its defaults, so every per-cell question goes to the column first. Each frame is
// repainted and paged down one screen; the better of a few rounds, taken in turn, is kept for
// each. Reported: both times ("column_ms", "string_ms"), the ratio ("x_string") and the time per
// painted cell of each.
#include "bench/grid_viewport.h"
#include "grid/model/ext_column_grid.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace gw;
using namespace gw::bench;

struct TPairWorld {
    TViewportWorld<TExtStringGrid> Strings;
    TViewportWorld<TExtColumnGrid> Columns;
    explicit TPairWorld(Integer RowCount) : Strings(RowCount), Columns(RowCount) {}
};

TPairWorld& World(Integer RowCount) { return KeptWorld<TPairWorld>(RowCount); }

double FrameMs(TExtStringGrid& G, TBitmap& Bmp)
{
    return MillisecondsPer([&] { RepaintAndPage(G, [&] { PaintGridFrame(G, *Bmp.Canvas()); }); });
}

void BM_ColumnGridPaint(benchmark::State& state)
{
    TPairWorld& w = World(Integer(state.range(0)));
    TExtStringGrid& strings = *w.Strings.Grid;
    TExtColumnGrid& columns = *w.Columns.Grid;
    TBitmap bmp(kViewWidth, kViewHeight);
    Integer cells = 0;
    for (auto _ : state) RepaintAndPage(columns, [&] { cells = PaintGridFrame(columns, *bmp.Canvas()); });
    double stringMs = 1e300, columnMs = 1e300;
    for (int round = 0; round < 5; ++round) {
        stringMs = std::min(stringMs, FrameMs(strings, bmp));
        columnMs = std::min(columnMs, FrameMs(columns, bmp));
    }
    state.counters["column_items"] = columns.Columns()->Count();
    state.counters["cells"] = cells;
    state.counters["string_ms"] = stringMs;
    state.counters["column_ms"] = columnMs;
    state.counters["x_string"] = columnMs / stringMs;
    state.counters["string_us_per_cell"] = stringMs * 1000.0 / (2.0 * cells);
    state.counters["column_us_per_cell"] = columnMs * 1000.0 / (2.0 * cells);
}
BENCHMARK(BM_ColumnGridPaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
