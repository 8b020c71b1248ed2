// Cost of one line-down scroll message on the string grid with proportional thumbs, on 1,000 and
// on 1,000,000 rows: the thumb's sums come from the base grid's row starts, so the cost must not
// grow with the rows (goal: within 1.5x).
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"

#include <benchmark/benchmark.h>

namespace gw {
namespace {

void LineDownProportional(benchmark::State& state)
{
    THarness h;
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 600, 700);
    auto* grid = new TExtStringGrid(form);
    grid->SetRowCount(static_cast<Integer>(state.range(0)));
    grid->SetParent(form);
    grid->SetBounds(0, 0, 400, 500);
    form->Show();
    h.ProcessMessages();
    grid->SetScrollProportional(true);
    const HWND wnd = grid->Handle();
    // The view goes back to the top every 500 lines, on both grids alike.
    int lines = 0;
    for (auto _ : state) {
        SendMessage(wnd, WM_VSCROLL, MakeWParam(SB_LINEDOWN, 0), 0);
        if (++lines == 500) {
            lines = 0;
            grid->SetTopRow(1);
        }
    }
    state.SetItemsProcessed(state.iterations());
    delete form;
}
BENCHMARK(LineDownProportional)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gw
