// The base grid at scale, on the generator's rows (shared/bench/gen_grid_csv.py).
//
// BM_Grid_Viewport paints a full-HD viewport and moves the current cell 10,000 times, in a grid
// of 1,000 rows and in one of 1,000,000, and reports both and their ratio (goal: near 1).
// The BM_Cells_* benchmarks hold the string grid's cells against a plain vector of rows of
// strings measured in the same run (goal: each within 1.5x): 10,000,000 cells set and read,
// rows inserted and deleted in a store of 1,000,000, and the memory of 1,000,000 rows x 10.
#include "bench/cell_figures.h"
#include "bench/grid_rows.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/grids/string_grid.h"
#include "platform/runtime/types.h"
#include "platform/ui/forms.h"
#include "platform/ui/system_metrics.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace gw;
using bench::FloorSet;
using bench::HeapInUse;
using bench::Milliseconds;
using bench::TRows;

constexpr Integer kWidth = 1920, kHeight = 1080;
constexpr std::size_t kMillion = 1'000'000;
// The header column, then the generator's ten columns.
const Integer kColWidths[] = {48, 110, 120, 170, 100, 130, 80, 100, 150, 520, 100};

const TRows& Rows()
{
    static const TRows rows = bench::GeneratorRows(kMillion);
    return rows;
}

// The best of a few rounds of a few frames.
double MillisecondsPerFrame(const std::function<void()>& Paint)
{
    double best = 1e300;
    for (int round = 0; round < 5; ++round)
        best = std::min(best,
                        Milliseconds([&] {
                            for (int i = 0; i < 5; ++i) Paint();
                        }) / 5);
    return best;
}

// A string grid of the first Count rows, its client area full HD.
TStringGrid* MakeGrid(TForm* Form, std::size_t Count)
{
    const TRows& rows = Rows();
    auto* g = new TStringGrid(Form);
    g->SetParent(Form);
    g->Font()->SetName(u"Tahoma");
    g->Font()->SetHeight(-11);
    g->SetColCount(11);
    g->SetRowCount(Integer(Count) + 1);
    for (Integer c = 0; c < 11; ++c) g->SetColWidths(c, kColWidths[c]);
    g->SetBounds(0, 0, kWidth + GetSystemMetrics(SM_CXVSCROLL), kHeight);
    for (Integer c = 1; c < 11; ++c) g->SetCells(c, 0, u"Column " + Utf8ToString(std::to_string(c)));
    for (std::size_t r = 0; r < Count; ++r) {
        g->SetCells(0, Integer(r) + 1, Utf8ToString(std::to_string(r + 1)));
        for (Integer c = 0; c < 10; ++c) g->SetCells(c + 1, Integer(r) + 1, rows[r][std::size_t(c)]);
    }
    return g;
}

struct TViewportFigures {
    double PaintMs = 0;
    double MoveMs = 0;
};

TViewportFigures MeasureViewport(TStringGrid* Grid)
{
    const Integer rows = Grid->RowCount() - 1;
    Grid->SetTopRow(rows / 2);
    Grid->SetSelection({2, rows / 2 + 5, 4, rows / 2 + 9});
    TBitmap bmp(kWidth, kHeight);
    TViewportFigures f;
    f.PaintMs = MillisecondsPerFrame([&] { Grid->PaintTo(*bmp.Canvas(), 0, 0); });
    // Moves all over the grid, each scrolling the cell into view.
    f.MoveMs = Milliseconds([&] {
        for (Integer i = 0; i < 10000; ++i) Grid->SetRow(1 + Integer((int64_t(i) * 7919 + 17) % rows));
    });
    benchmark::DoNotOptimize(bmp.PixelColor(0, 0));
    return f;
}

void BM_Grid_Viewport(benchmark::State& state)
{
    THarness h;
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, kWidth + 40, kHeight + 40);
    TStringGrid* small = MakeGrid(form, 1000);
    TStringGrid* large = MakeGrid(form, kMillion);
    form->Show();
    h.ProcessMessages();
    // The two grids take turns for a few rounds, each keeping its best, as the machine's load
    // weighs on single runs.
    TViewportFigures s{1e300, 1e300}, l{1e300, 1e300};
    for (auto _ : state) {
        for (int round = 0; round < 5; ++round) {
            for (auto [grid, best] : {std::pair{small, &s}, std::pair{large, &l}}) {
                const TViewportFigures f = MeasureViewport(grid);
                best->PaintMs = std::min(best->PaintMs, f.PaintMs);
                best->MoveMs = std::min(best->MoveMs, f.MoveMs);
            }
        }
    }
    state.counters["paint_ms_1k"] = s.PaintMs;
    state.counters["paint_ms_1m"] = l.PaintMs;
    state.counters["paint_x"] = l.PaintMs / s.PaintMs;
    state.counters["moves_ms_1k"] = s.MoveMs;
    state.counters["moves_ms_1m"] = l.MoveMs;
    state.counters["moves_x"] = l.MoveMs / s.MoveMs;
    if (const char* dir = std::getenv("GW_BENCH_PNG_DIR")) {
        TBitmap bmp(kWidth, kHeight);
        large->PaintTo(*bmp.Canvas(), 0, 0);
        SaveSurfaceToPng(bmp.Surface(), Utf8ToString(std::string(dir) + "/grid_viewport_1m.png"));
    }
}
BENCHMARK(BM_Grid_Viewport)->Iterations(1)->Unit(benchmark::kMillisecond);

// ---- the cells against a plain vector of rows of strings ----------------------------------------

// Ten million cells set, read as texts (a copy each, as Cells gives them) and read in place (a
// reference into the floor, a view into the store). The heap's state weighs on these figures, so
// the floor and the grid take turns for a few rounds and each keeps its best.
void BM_Cells_SetAndRead10M(benchmark::State& state)
{
    const TRows& rows = Rows();
    const Integer n = Integer(kMillion);
    double floorSet = 1e300, floorRead = 1e300, gridSet = 1e300, gridRead = 1e300, viewRead = 1e300, refRead = 1e300;
    std::size_t sum = 0;
    auto touch = [&sum](StringView S) { sum += S.size() + (S.empty() ? 0 : S[S.size() / 2]); };
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            {
                TRows floor;
                floorSet = std::min(floorSet, Milliseconds([&] {
                                        for (std::size_t r = 0; r < kMillion; ++r)
                                            for (std::size_t c = 0; c < 10; ++c) FloorSet(floor, c, r, rows[r][c]);
                                    }));
                floorRead = std::min(floorRead, Milliseconds([&] {
                                         for (std::size_t r = 0; r < kMillion; ++r)
                                             for (std::size_t c = 0; c < 10; ++c) {
                                                 const String text = floor[r][c];
                                                 touch(text);
                                             }
                                     }));
                refRead = std::min(refRead, Milliseconds([&] {
                                       for (std::size_t r = 0; r < kMillion; ++r)
                                           for (std::size_t c = 0; c < 10; ++c) touch(floor[r][c]);
                                   }));
            }
            TStringGrid grid(nullptr);
            grid.SetColCount(10);
            grid.SetRowCount(n);
            gridSet = std::min(gridSet, Milliseconds([&] {
                                   for (Integer r = 0; r < n; ++r)
                                       for (Integer c = 0; c < 10; ++c)
                                           grid.SetCells(c, r, rows[std::size_t(r)][std::size_t(c)]);
                               }));
            gridRead = std::min(gridRead, Milliseconds([&] {
                                    for (Integer r = 0; r < n; ++r)
                                        for (Integer c = 0; c < 10; ++c) touch(grid.Cells(c, r));
                                }));
            viewRead = std::min(viewRead, Milliseconds([&] {
                                    for (Integer r = 0; r < n; ++r)
                                        for (Integer c = 0; c < 10; ++c) touch(grid.CellText(c, r));
                                }));
        }
    }
    benchmark::DoNotOptimize(sum);
    state.counters["set_floor_ms"] = floorSet;
    state.counters["set_grid_ms"] = gridSet;
    state.counters["set_x"] = gridSet / floorSet;
    state.counters["read_floor_ms"] = floorRead;
    state.counters["read_grid_ms"] = gridRead;
    state.counters["read_x"] = gridRead / floorRead;
    state.counters["inplace_floor_ms"] = refRead;
    state.counters["inplace_grid_ms"] = viewRead;
    state.counters["inplace_x"] = viewRead / refRead;
}
BENCHMARK(BM_Cells_SetAndRead10M)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Cells_InsertDeleteRows(benchmark::State& state)
{
    const TRows& rows = Rows();
    constexpr Integer kOps = 1000;
    double floorMs = 0, storeMs = 0;
    for (auto _ : state) {
        TRows floor = rows;
        TGridCellStore store;
        store.ColumnHint = 10;
        for (Integer r = 0; r < Integer(kMillion); ++r)
            for (Integer c = 0; c < 10; ++c) store.SetText(c, r, rows[std::size_t(r)][std::size_t(c)]);
        auto at = [](Integer i) { return Integer((int64_t(i) * 104729 + 31) % int64_t(kMillion - 10)); };
        floorMs = Milliseconds([&] {
            for (Integer i = 0; i < kOps; ++i) floor.insert(floor.begin() + at(i), rows[std::size_t(i)]);
            for (Integer i = 0; i < kOps; ++i) floor.erase(floor.begin() + at(i + 7));
        });
        storeMs = Milliseconds([&] {
            for (Integer i = 0; i < kOps; ++i) {
                store.InsertRows(at(i), 1);
                for (Integer c = 0; c < 10; ++c) store.SetText(c, at(i), rows[std::size_t(i)][std::size_t(c)]);
            }
            for (Integer i = 0; i < kOps; ++i) store.DeleteRows(at(i + 7), 1);
        });
        // Both hold the same rows afterwards.
        for (Integer r : {0, 1, 500000, 999999})
            if (store.Text(3, r) != floor[std::size_t(r)][3]) state.SkipWithError("the store and the floor differ");
    }
    state.counters["floor_ms"] = floorMs;
    state.counters["store_ms"] = storeMs;
    state.counters["x_floor"] = storeMs / floorMs;
}
BENCHMARK(BM_Cells_InsertDeleteRows)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Cells_Memory1M(benchmark::State& state)
{
    const TRows& rows = Rows();
    double floorMb = 0, storeMb = 0;
    for (auto _ : state) {
        {
            const std::size_t before = HeapInUse();
            const TRows floor = rows;  // every string and row at its exact size
            floorMb = double(HeapInUse() - before) / (1 << 20);
        }
        const std::size_t before = HeapInUse();
        auto store = std::make_unique<TGridCellStore>();
        store->ColumnHint = 10;
        for (Integer r = 0; r < Integer(kMillion); ++r)
            for (Integer c = 0; c < 10; ++c) store->SetText(c, r, rows[std::size_t(r)][std::size_t(c)]);
        storeMb = double(HeapInUse() - before) / (1 << 20);
    }
    state.counters["floor_mb"] = floorMb;
    state.counters["store_mb"] = storeMb;
    state.counters["x_floor"] = storeMb / floorMb;
}
BENCHMARK(BM_Cells_Memory1M)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
