// Cost of the table windows' Insert Row plus Delete Row at row 1 of a 2,001 x 8 column grid, each
// followed by its repaint, beside the same cell copies in a plain vector of rows (the floor), in
// the same run. Goal: within 3x of the floor. The grid has the size of the slaves window's table;
// its two repaints alone are measured too, to tell the moves from the painting.
#include "grid/model/ext_column_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "tables/table_operations.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace gw {
namespace {

constexpr Integer kRows = 2001;
constexpr Integer kCols = 8;

using TRow = std::array<String, kCols>;

String Cell(Integer C, Integer R) { return u"r" + IntToStr(R) + u"c" + IntToStr(C); }

void BM_Floor_VectorRows(benchmark::State& state)
{
    std::vector<TRow> rows(kRows);
    for (Integer r = 0; r < kRows; ++r)
        for (Integer c = 0; c < kCols; ++c) rows[r][c] = Cell(c, r);
    for (auto _ : state) {
        // Insert at row 1: rows move down one by one, the last is lost, row 1 emptied.
        for (Integer r = kRows - 2; r >= 1; --r)
            for (Integer c = 1; c < kCols; ++c) rows[r + 1][c] = rows[r][c];
        for (Integer c = 1; c < kCols; ++c) rows[1][c].clear();
        rows[1][1] = u"Y";
        // Delete row 1: rows move up, the last emptied.
        for (Integer r = 1; r < kRows - 1; ++r)
            for (Integer c = 1; c < kCols; ++c) rows[r][c] = rows[r + 1][c];
        for (Integer c = 1; c < kCols; ++c) rows[kRows - 1][c].clear();
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_Floor_VectorRows)->Unit(benchmark::kMicrosecond);

// The grid on a shown form, its cells filled.
struct TGridBench {
    THarness h;
    TForm* form = new TForm(Application);
    TExtColumnGrid* grid = new TExtColumnGrid(form);

    TGridBench()
    {
        form->SetBounds(0, 0, 1200, 260);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 1180, 228);
        grid->SetColCount(kCols);
        grid->SetRowCount(kRows);
        for (Integer r = 1; r < kRows; ++r)
            for (Integer c = 0; c < kCols; ++c) grid->SetCellEx(c, r, Cell(c, r));
        form->Show();
        h.ProcessMessages();
    }
    ~TGridBench() { delete form; }
};

void BM_GridInsertDelete(benchmark::State& state)
{
    TGridBench b;
    THarness& h = b.h;
    TExtColumnGrid* grid = b.grid;
    const Cardinal paints = h.Paints();
    for (auto _ : state) {
        Grid_Ins_Row(*grid, 1, true);
        h.ProcessMessages();
        Grid_Del_Row(*grid, 1);
        h.ProcessMessages();
    }
    state.counters["paints_per_operation"] =
        static_cast<double>(h.Paints() - paints) / (2.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_GridInsertDelete)->Unit(benchmark::kMicrosecond);

void BM_GridTwoRepaintsOnly(benchmark::State& state)
{
    TGridBench b;
    for (auto _ : state) {
        b.grid->Invalidate();
        b.h.ProcessMessages();
        b.grid->Invalidate();
        b.h.ProcessMessages();
    }
}
BENCHMARK(BM_GridTwoRepaintsOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gw
