// Typing into a cell of the string grid through the headless back end: a character opens the
// text editor, ten characters and Enter validate, write the cell and move on. Measured at row 500
// of 1,000 rows and at row 500,000 of 1,000,000, in the same run; goal: within 1.2x (nothing in
// an edit costs by the number of rows).
#include "bench/cell_figures.h"
#include "bench/grid_pair.h"
#include "grid/foundation/navigation.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/ui/forms.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace gw;
using bench::Milliseconds;

constexpr Integer kCols = 6;

// Until the rows room and the painting room land, the current cell's text, the change report and
// the cell alignment fall back to their plain forms.
class TBenchGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;

protected:
    String GetCurrentCell() override
    {
        try {
            return TExtStringGrid::GetCurrentCell();
        } catch (const ENotBuiltYet&) {
            return GetCellEx(RealColIndex(Col()), GetRowEx());
        }
    }
    void NotifyCellsChanged(const TGridRect& R) override
    {
        try {
            TExtStringGrid::NotifyCellsChanged(R);
        } catch (const ENotBuiltYet&) {
            if (OnCellsChanged) OnCellsChanged(this, R);
        }
    }
    TAlignment EditAlignment(Integer ACol, Integer ARow) override
    {
        try {
            return TExtStringGrid::EditAlignment(ACol, ARow);
        } catch (const ENotBuiltYet&) {
            return taLeftJustify;
        }
    }
};
constexpr int kEdits = 200;

TExtStringGrid* MakeGrid(TForm* Form, Integer Rows)
{
    auto* g = new TBenchGrid(Form);
    g->SetColCount(kCols);
    g->SetRowCount(Rows + 1);
    g->SetFixedCols(0);
    g->SetOptions(g->Options() | goEditing);
    g->Navigation()->AdvanceOnEnter = true;
    g->Navigation()->AdvanceAutoEdit = false;
    for (Integer r = 1; r <= Rows; r += 997) g->SetCellEx(1, r, u"10.0.0.1");
    return g;
}

// Best time of an edit (ten characters and Enter) at the grid's middle row, over a few rounds.
double MillisecondsPerEdit(THarness& H, TExtStringGrid* Grid)
{
    const Integer row = (Grid->RowCount() - 1) / 2;
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        Grid->SetFocus();
        Grid->FocusCell(0, row);
        H.ProcessMessages();
        const double ms = Milliseconds([&] {
            for (int i = 0; i < kEdits; ++i) {
                Grid->FocusCell(i % (kCols - 1), row);
                H.Type(u"192.168.07\r");
            }
        });
        best = std::min(best, ms / kEdits);
    }
    return best;
}

void BM_Grid_TypeToEdit(benchmark::State& state)
{
    bench::TGridPair grids(MakeGrid);
    TExtStringGrid* small = grids.Small();
    double s = 1e300, l = 1e300;
    for (auto _ : state) grids.Measure(MillisecondsPerEdit, s, l);
    if (small->GetCellEx(1, 500) != u"192.168.07") state.SkipWithError("the typed text did not reach the cell");
    state.counters["edit_ms_1k"] = s;
    state.counters["edit_ms_1m"] = l;
    state.counters["edit_x"] = l / s;
}
BENCHMARK(BM_Grid_TypeToEdit)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
