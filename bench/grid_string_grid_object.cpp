// The string grid object's own costs, each beside its floor measured in the same run:
//
// BM_Grid_CreateDestroy: creating and destroying a string grid on a shown form (window made),
// against creating and destroying the hidden in-place editors the grid can own - one of each
// class, the text edit, combo, spin, check box, date and date-and-time pickers, edit-with-button
// and unit editors, cell button, rich edit, fixed-cell edit and combo, mark-up edit and combo -
// alone, made as the grid makes them (hidden, disabled, children of a grid made beforehand on
// the same form) (goal: within 3x). Also reported: a grid made, every one of those editors made by
// its first use, and destroyed ("grid_all_editors_ms").
// BM_Grid_RowCount: RowCount from 10 to 100,000 and back, through the string grid's setter and
// through the base grid's own setter on a base grid of the same shape (goal: within 1.5x).
#include "bench/cell_figures.h"
#include "grid/foundation/base_grid.h"
#include "grid/interaction/ext_inplace_edit.h"
#include "grid/interaction/ext_rich_edit.h"
#include "grid/interaction/fixed_cell_editors.h"
#include "grid/interaction/grid_button.h"
#include "grid/interaction/grid_check_box.h"
#include "grid/interaction/grid_combo.h"
#include "grid/interaction/grid_date_pickers.h"
#include "grid/interaction/grid_edit_buttons.h"
#include "grid/interaction/grid_spin.h"
#include "grid/interaction/markup_control_editors.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/ui/forms.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <vector>

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

// A grid whose in-place editors are all made, each by the accessor its editing path uses.
class TEveryEditorGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    // The count of editors made (children the grid gained).
    Integer UseEveryEditor()
    {
        const Integer before = ControlCount();
        SetOptions(Options() | goEditing);
        SetFocus();
        ShowEditor();  // the text edit
        HideEditor();
        ComboEditor();
        SpinEdit();
        CheckEditor();
        DatePicker();
        DateAndTimePicker();
        ButtonEditor();
        UnitButtonEditor();
        CellButton();
        InplaceRichEditor();
        FixedCellEdit();
        FixedCellCombo();
        MarkupEdit();
        MarkupCombo();
        return ControlCount() - before;
    }
};

// Made as the grid makes them: hidden, disabled, a child of the grid.
template <class T>
TWinControl* Hidden(TExtStringGrid* Grid)
{
    auto* control = new T(Grid);
    control->SetVisible(false);
    control->SetEnabled(false);
    control->SetParent(Grid);
    return control;
}

// One in-place editor of each class the grid makes, in Grid: the editors talk to the grid that
// owns them, so one is there already, made before the stopwatch starts.
std::vector<TWinControl*> MakeEditors(TExtStringGrid* Grid)
{
    return {Hidden<TExtInplaceEdit>(Grid), Hidden<TGridCombo>(Grid),       Hidden<TGridSpin>(Grid),
            Hidden<TGridCheckBox>(Grid),   Hidden<TGridDatePicker>(Grid),  Hidden<TGridDateTimePicker>(Grid),
            Hidden<TGridEditBtn>(Grid),    Hidden<TGridUnitEditBtn>(Grid), Hidden<TGridButton>(Grid),
            Hidden<TExtRichEdit>(Grid),    Hidden<TGridTransEdit>(Grid),   Hidden<TGridTransCombo>(Grid),
            Hidden<TControlEdit>(Grid),    Hidden<TControlCombo>(Grid)};
}

void BM_Grid_CreateDestroy(benchmark::State& state)
{
    THarness h;
    TForm* form = ShownForm();
    auto* editorGrid = new TExtStringGrid(form);
    editorGrid->SetParent(form);
    editorGrid->HandleNeeded();
    double grid = 0, floor = 0, allEditors = 0;
    size_t editors = 0;
    Integer firstUsed = 0;
    for (auto _ : state) {
        floor = Best([&] {
            for (int i = 0; i < kGrids; ++i) {
                std::vector<TWinControl*> made = MakeEditors(editorGrid);
                editors = made.size();
                for (auto it = made.rbegin(); it != made.rend(); ++it) delete *it;
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
        allEditors = Best([&] {
            for (int i = 0; i < kGrids; ++i) {
                auto* g = new TEveryEditorGrid(form);
                g->SetParent(form);
                g->HandleNeeded();
                firstUsed = g->UseEveryEditor();
                delete g;
            }
        });
    }
    state.counters["editor_classes"] = double(editors);
    state.counters["floor_ms"] = floor;
    state.counters["grid_ms"] = grid;
    state.counters["x"] = grid / floor;
    state.counters["editors_first_used"] = firstUsed;
    state.counters["grid_all_editors_ms"] = allEditors;
    state.counters["x_all_editors"] = allEditors / floor;
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
