// Opening and committing a combo cell of the string grid through the headless back end: F2
// opens the combo editor over the cell, a typed letter and Enter commit it. Measured at row 500
// of 1,000 rows and of 1,000,000, in the same run; goal: within 1.2x (nothing in a combo edit
// costs by the number of rows).
#include "bench/cell_figures.h"
#include "bench/grid_pair.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/ui/forms.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace gw;
using bench::Milliseconds;

constexpr Integer kCols = 4;
constexpr Integer kComboCol = 2;
constexpr Integer kRow = 500;
constexpr int kEdits = 200;

TExtStringGrid* MakeGrid(TForm* Form, Integer Rows)
{
    auto* g = new TExtStringGrid(Form);
    g->SetColCount(kCols);
    g->SetRowCount(Rows + 1);
    g->SetFixedCols(0);
    g->SetOptions(g->Options() | goEditing);
    g->OnGetEditorType = [](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
        if (ACol == kComboCol) AEditor = edComboEdit;
    };
    g->OnGetEditorProp = [g](TObject*, Integer, Integer) {
        g->ClearComboString();
        for (const char16_t* item : {u"Default", u"Dim Header", u"Disabled"}) g->AddComboString(item);
    };
    for (Integer r = 1; r <= Rows; r += 997) g->SetCellEx(kComboCol, r, u"Default");
    return g;
}

// Best time of an edit (open, one letter, commit) at row 500, over a few rounds.
double MillisecondsPerEdit(THarness& H, TExtStringGrid* Grid)
{
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        Grid->SetFocus();
        Grid->FocusCell(kComboCol, kRow);
        H.ProcessMessages();
        const double ms = Milliseconds([&] {
            for (int i = 0; i < kEdits; ++i) {
                H.Press(VK_F2);
                H.Type(u"D");
                H.Press(VK_RETURN);
                H.ProcessMessages();
            }
        });
        best = std::min(best, ms / kEdits);
    }
    return best;
}

void BM_Grid_ComboEdit(benchmark::State& state)
{
    bench::TGridPair grids(MakeGrid);
    TExtStringGrid* small = grids.Small();
    TExtStringGrid* large = grids.Large();
    double s = 1e300, l = 1e300;
    for (auto _ : state) grids.Measure(MillisecondsPerEdit, s, l);
    if (small->GetCellEx(kComboCol, kRow) != u"D" || large->GetCellEx(kComboCol, kRow) != u"D")
        state.SkipWithError("the combo's text did not reach the cell");
    state.counters["combo_ms_1k"] = s;
    state.counters["combo_ms_1m"] = l;
    state.counters["combo_x"] = l / s;
}
BENCHMARK(BM_Grid_ComboEdit)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
