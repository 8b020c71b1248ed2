// Keys through the string grid's WM_KEYDOWN handling on the headless back end: arrows, PageDown,
// Tab, Home and End (and their way back), 10,000 keys around the middle row of 1,000 rows and of
// 1,000,000 rows, in the same run; goal: within 1.2x (nothing done per key costs by the rows).
#include "bench/cell_figures.h"
#include "bench/grid_pair.h"
#include "grid/foundation/navigation.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/ui/forms.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

namespace {

using namespace gw;
using bench::Milliseconds;

constexpr int kKeys = 10000;
constexpr std::array<Word, 10> kCycle = {VK_DOWN, VK_RIGHT, VK_NEXT, VK_TAB,   VK_HOME,
                                         VK_END,  VK_UP,    VK_LEFT, VK_PRIOR, VK_HOME};

TExtStringGrid* MakeGrid(TForm* Form, Integer Rows)
{
    auto* g = new TExtStringGrid(Form);
    g->SetColCount(8);
    g->SetRowCount(Rows + 1);
    g->SetOptions(g->Options() | goTabs);
    g->Navigation()->AdvanceAutoEdit = false;
    for (Integer r = 1; r <= Rows; r += 997) g->SetCellEx(1, r, u"10.0.0.1");
    return g;
}

// Best time of 10,000 keys from the grid's middle row, over a few rounds.
double MillisecondsPerThousandKeys(THarness& H, TExtStringGrid* Grid)
{
    const Integer row = (Grid->RowCount() - 1) / 2;
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        Grid->SetFocus();
        Grid->FocusCell(2, row);
        H.ProcessMessages();
        const double ms = Milliseconds([&] {
            for (int i = 0; i < kKeys; ++i) Grid->Perform(WM_KEYDOWN, kCycle[std::size_t(i) % kCycle.size()], 0);
        });
        H.ProcessMessages();
        best = std::min(best, ms * 1000.0 / kKeys);
    }
    return best;
}

void BM_Grid_Keys(benchmark::State& state)
{
    bench::TGridPair grids(MakeGrid);
    TExtStringGrid* large = grids.Large();
    double s = 1e300, l = 1e300;
    for (auto _ : state) grids.Measure(MillisecondsPerThousandKeys, s, l);
    if (large->Row() < 400000 || large->Row() > 600000) state.SkipWithError("the keys left the middle rows");
    state.counters["keys_ms_per_1000_1k"] = s;
    state.counters["keys_ms_per_1000_1m"] = l;
    state.counters["keys_x"] = l / s;
}
BENCHMARK(BM_Grid_Keys)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
