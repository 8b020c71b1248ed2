// Speed of the string grid's filtering and row hiding on 100,000 rows, each beside the work it
// cannot beat (its floor), in the same run.
//
// ApplyFilter hiding every other row plus RemoveLastFilter, against the condition matcher over
// the texts plus std::stable_partition of the rows; UnHideRows of 50,000 rows against
// RemoveLastFilter showing as many.
#include "grid/model/column_filter_values.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

using namespace gw;

constexpr Integer kRows = 100000;
const String kCondition = u"even*";

// One fixed row, then kRows rows whose column 1 alternates "even<n>" and "odd<n>".
void FillGrid(TExtStringGrid& Grid)
{
    Grid.SetColCount(3);
    Grid.SetRowCount(kRows + 1);
    Grid.SetFixedRows(1);
    for (Integer r = 1; r <= kRows; ++r) {
        Grid.SetCellEx(0, r, IntToStr(r));
        Grid.SetCellEx(1, r, (r % 2 ? u"odd" : u"even") + IntToStr(r));
    }
    TFilterData* condition = Grid.Filter()->Add();
    condition->Column = 1;
    condition->Condition = kCondition;
}

// A filled grid on the headless back end, for one benchmark.
struct TFilledGrid {
    THarness Harness;
    TExtStringGrid Grid{nullptr};
    TFilledGrid() { FillGrid(Grid); }
};

void BM_Floor_MatchAndPartition(benchmark::State& state)
{
    std::vector<String> texts;
    for (Integer r = 1; r <= kRows; ++r) texts.push_back((r % 2 ? u"odd" : u"even") + IntToStr(r));
    for (auto _ : state) {
        std::vector<char> keep(texts.size());
        for (size_t i = 0; i < texts.size(); ++i)
            keep[i] = FilterConditionMatches(kCondition, fmExpression, true, texts[i]);
        std::vector<Integer> rows(texts.size());
        std::iota(rows.begin(), rows.end(), 0);
        std::stable_partition(rows.begin(), rows.end(), [&](Integer r) { return keep[static_cast<size_t>(r)] != 0; });
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_Floor_MatchAndPartition)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

void BM_Grid_ApplyFilterAndRemoveLastFilter(benchmark::State& state)
{
    TFilledGrid filled;
    TExtStringGrid& grid = filled.Grid;
    for (auto _ : state) {
        grid.ApplyFilter();
        grid.RemoveLastFilter();
    }
    if (grid.RowCount() != kRows + 1) state.SkipWithError("rows lost");
}
BENCHMARK(BM_Grid_ApplyFilterAndRemoveLastFilter)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

void BM_Grid_RemoveLastFilter50k(benchmark::State& state)
{
    TFilledGrid filled;
    TExtStringGrid& grid = filled.Grid;
    for (auto _ : state) {
        state.PauseTiming();
        grid.ApplyFilter();
        state.ResumeTiming();
        grid.RemoveLastFilter();
    }
}
BENCHMARK(BM_Grid_RemoveLastFilter50k)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

void BM_Grid_UnHideRows50k(benchmark::State& state)
{
    TFilledGrid filled;
    TExtStringGrid& grid = filled.Grid;
    for (auto _ : state) {
        state.PauseTiming();
        grid.HideRows(1, kRows / 2);
        state.ResumeTiming();
        grid.UnHideRows(1, kRows / 2);
    }
    if (grid.RowCount() != kRows + 1) state.SkipWithError("rows lost");
}
BENCHMARK(BM_Grid_UnHideRows50k)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

}  // namespace
