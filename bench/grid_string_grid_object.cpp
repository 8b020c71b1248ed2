// The string grid object's own costs, each beside its floor measured in the same run:
//
// BM_Grid_CreateDestroy: creating and destroying a string grid on a shown form (window made),
// against creating and destroying the hidden controls it makes (focus window, four arrow
// windows) in a plain windowed control on the same form (goal: within 3x).
// BM_Grid_RowCount: RowCount from 10 to 100,000 and back, through the string grid's setter and
// through the base grid's own setter on a base grid of the same shape (goal: within 1.5x).
#include "bench/cell_figures.h"
#include "grid/foundation/arrow_window.h"
#include "grid/foundation/base_grid.h"
#include "grid/foundation/focus_window.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/ui/forms.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <functional>

namespace {

using namespace gw;
using bench::Milliseconds;

constexpr int kGrids = 200;
constexpr int kRounds = 5;

// The best of a few rounds, as the machine's load weighs on single runs.
double Best(const std::function<void()>& Step)
{
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) best = std::min(best, Milliseconds(Step));
    return best;
}

TForm* ShownForm()
{
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 800, 600);
    form->Show();
    return form;
}

void BM_Grid_CreateDestroy(benchmark::State& state)
{
    THarness h;
    TForm* form = ShownForm();
    auto* host = new TWinControl(form);
    host->SetParent(form);
    host->HandleNeeded();
    double grid = 0, floor = 0;
    for (auto _ : state) {
        floor = Best([&] {
            for (int i = 0; i < kGrids; ++i) {
                auto* focus = new TGridFocusWindow(host);
                std::array<TArrowWindow*, 4> arrows{};
                for (Integer d = arrUp; d <= arrRight; ++d) arrows[d] = new TArrowWindow(host, TArrowDirection(d));
                for (TArrowWindow* a : arrows) delete a;
                delete focus;
            }
        });
        grid = Best([&] {
            for (int i = 0; i < kGrids; ++i) {
                auto* g = new TExtStringGrid(form);
                g->SetParent(form);
                g->HandleNeeded();
                delete g;
            }
        });
    }
    state.counters["floor_ms"] = floor;
    state.counters["grid_ms"] = grid;
    state.counters["x"] = grid / floor;
}
BENCHMARK(BM_Grid_CreateDestroy)->Iterations(1)->Unit(benchmark::kMillisecond);

// Ten rounds of 10 -> 100,000 -> 10 rows.
template <class TGridClass>
double RowCountUpAndDown(TGridClass* Grid, void (TGridClass::*SetRowCount)(Integer))
{
    return Best([&] {
        for (int i = 0; i < 10; ++i) {
            (Grid->*SetRowCount)(100000);
            (Grid->*SetRowCount)(10);
        }
    });
}

void BM_Grid_RowCount(benchmark::State& state)
{
    THarness h;
    TForm* form = ShownForm();
    auto* grid = new TExtStringGrid(form);
    grid->SetParent(form);
    auto* base = new TBaseGrid(form);
    base->SetParent(form);
    base->SetBounds(0, 0, grid->Width(), grid->Height());
    base->SetDefaultRowHeight(grid->DefaultRowHeight());
    base->SetRowCount(grid->RowCount());
    grid->HandleNeeded();
    base->HandleNeeded();
    double gridMs = 0, baseMs = 0;
    for (auto _ : state) {
        baseMs = RowCountUpAndDown<TBaseGrid>(base, &TBaseGrid::SetRowCount);
        gridMs = RowCountUpAndDown<TExtStringGrid>(grid, &TExtStringGrid::SetRowCount);
    }
    state.counters["base_ms"] = baseMs;
    state.counters["grid_ms"] = gridMs;
    state.counters["x"] = gridMs / baseMs;
}
BENCHMARK(BM_Grid_RowCount)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
