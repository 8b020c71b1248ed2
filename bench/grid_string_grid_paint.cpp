// The string grid's whole frame on a full-HD viewport, against the bare canvas drawing of the
// same fills, lines and texts, measured in the same run.
//
// The grid (1920 x 1080, a header row and column and the generator's ten columns, rows of 24
// pixels) holds the generator's rows (shared/bench/gen_grid_csv.py; 1,000 generated rows, cycled
// to fill 1,000,000). BM_GridPaint_Grid paints every visible cell through the grid's cell painter
// with default settings (every step of the painter runs), then pages down one screen, and
// reports the bare canvas frame measured alongside ("canvas_ms") and the ratio ("x_canvas"), and
// the time per painted cell. BM_GridPaint_Canvas is that bare frame alone: for each visible cell
// its background, its text in a single-line rectangle, then the grid lines.
#include "bench/cell_figures.h"
#include "bench/grid_rows.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/convert.h"
#include "platform/ui/forms.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <vector>

namespace {

using namespace gw;

constexpr Integer kWidth = 1920, kHeight = 1080, kRowHeight = 24, kCols = 11;
const Integer kColWidths[kCols] = {48, 110, 120, 170, 100, 130, 80, 100, 150, 520, 100};

const std::vector<std::vector<String>>& Rows()
{
    static const std::vector<std::vector<String>> rows = bench::GeneratorRows(1000);
    return rows;
}

struct TGridWorld {
    THarness Harness;
    TForm* Form = new TForm(Application);
    TExtStringGrid* Grid = nullptr;
    explicit TGridWorld(Integer RowCount)
    {
        Form->SetBounds(0, 0, kWidth + 40, kHeight + 40);
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, kWidth, kHeight);
        Grid->SetColCount(kCols);
        Grid->SetRowCount(RowCount + 1);
        Grid->SetDefaultRowHeight(kRowHeight);
        for (Integer c = 0; c < kCols; ++c) Grid->SetColWidths(c, kColWidths[c]);
        for (Integer c = 1; c < kCols; ++c) Grid->SetCells(c, 0, u"Column " + IntToStr(c));
        const auto& rows = Rows();
        for (Integer r = 1; r <= RowCount; ++r) {
            Grid->SetCells(0, r, IntToStr(r));
            const auto& row = rows[size_t(r - 1) % rows.size()];
            for (Integer c = 1; c < kCols; ++c) Grid->SetCells(c, r, row[size_t(c - 1)]);
        }
    }
    ~TGridWorld() { delete Form; }
};

// The visible cells of the grid at its current top row, as its paint pass visits them.
template <class F>
void VisibleCells(TExtStringGrid& G, F&& Visit)
{
    for (Integer r = 0; r < G.RowCount(); ++r) {
        if (r >= G.FixedRows() && r < G.TopRow()) r = G.TopRow();
        const TRect first = G.CellRect(0, r);
        if (IsRectEmpty(first) || first.Top >= kHeight) break;
        for (Integer c = 0; c < G.ColCount(); ++c) {
            const TRect cell = G.CellRect(c, r);
            if (!IsRectEmpty(cell)) Visit(c, r, cell);
        }
    }
}

Integer PaintGridFrame(TExtStringGrid& G, TCanvas& C)
{
    Integer cells = 0;
    VisibleCells(G, [&](Integer c, Integer r, const TRect& cell) {
        G.PaintCell(C, c, r, cell, 0);
        ++cells;
    });
    return cells;
}

// The same fills, lines and texts straight on the canvas.
void PaintCanvasFrame(TExtStringGrid& G, TCanvas& C)
{
    C.SetFont(G.Font());
    VisibleCells(G, [&](Integer c, Integer r, const TRect& cell) {
        const bool fixed = c == 0 || r == 0;
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(fixed ? clBtnFace : clWindow);
        C.FillRect(cell);
        C.Pen()->SetColor(clSilver);
        C.MoveTo(cell.Left, cell.Bottom - 1);
        C.LineTo(cell.Right, cell.Bottom - 1);
        C.MoveTo(cell.Right - 1, cell.Bottom - 1);
        C.LineTo(cell.Right - 1, cell.Top - 1);
        C.SetBkMode(TRANSPARENT);
        TRect t = Rect(cell.Left + 3, cell.Top + 3, cell.Right - 3, cell.Bottom - 1);
        C.DrawText(G.Cells(c, r), t, DT_SINGLELINE | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS);
    });
}

// Repaint, then page down one screen (back to the top at the end).
template <class F>
void RepaintAndPage(TExtStringGrid& G, F&& Frame)
{
    Frame();
    const Integer next = G.TopRow() + G.VisibleRowCount();
    G.SetTopRow(next < G.RowCount() - G.VisibleRowCount() ? next : G.FixedRows());
    Frame();
}

template <class F>
double MillisecondsPer(F&& Run, Integer Times = 20)
{
    return bench::Milliseconds([&] {
               for (Integer i = 0; i < Times; ++i) Run();
           }) /
        Times;
}

TGridWorld& World(Integer RowCount)
{
    static std::map<Integer, std::unique_ptr<TGridWorld>> worlds;
    auto& w = worlds[RowCount];
    if (!w) w = std::make_unique<TGridWorld>(RowCount);
    return *w;
}

void BM_GridPaint_Grid(benchmark::State& state)
{
    TGridWorld& w = World(Integer(state.range(0)));
    TExtStringGrid& g = *w.Grid;
    TBitmap bmp(kWidth, kHeight);
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
    TBitmap bmp(kWidth, kHeight);
    for (auto _ : state) RepaintAndPage(*w.Grid, [&] { PaintCanvasFrame(*w.Grid, *bmp.Canvas()); });
}
BENCHMARK(BM_GridPaint_Canvas)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
