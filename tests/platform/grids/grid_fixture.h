// A string grid on a shown form in a headless session, with its protected operations reachable
// and its events written to the harness's log.
#pragma once

#include "platform/backends/headless/harness.h"
#include "platform/grids/inplace_edit.h"
#include "platform/grids/string_grid.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>

namespace gw::test {

class TTestGrid : public TStringGrid {
public:
    using TCustomGrid::CalcSizingState;
    using TCustomGrid::GridState;
    using TCustomGrid::MoveColRow;
    using TCustomGrid::MoveColumn;
    using TCustomGrid::MoveRow;
    using TCustomGrid::ParkSelectionOutside;
    using TCustomGrid::SetGridState;
    using TCustomGrid::ShowEditor;
    using TStringGrid::TStringGrid;

    // Attaches handlers to the editor as it is made.
    std::function<void(TInplaceEdit*)> OnEditorCreated;

protected:
    TInplaceEdit* CreateEditor() override
    {
        TInplaceEdit* e = TStringGrid::CreateEditor();
        if (OnEditorCreated) OnEditorCreated(e);
        return e;
    }
};

inline std::string Utf8(StringView S) { return StringToUtf8(S); }

class GridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 640, 480);
        grid = new TTestGrid(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 400, 300);
        form->Show();
        grid->SetFocus();
        h.ProcessMessages();
    }

    // The middle of a cell, in the grid's client coordinates.
    TPoint CellCentre(Integer ACol, Integer ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    TGridCoord Current() const { return {grid->Col(), grid->Row()}; }
    bool EditorShown() const { return grid->InplaceEditor() && grid->InplaceEditor()->Visible(); }

    // Logs the grid's editing and selection events as "select c,r", "get c,r", "set c,r text".
    void LogEvents()
    {
        grid->OnSelectCell = [this](TObject*, Integer c, Integer r, bool&) {
            h.Log.Add("select " + std::to_string(c) + "," + std::to_string(r));
        };
        grid->OnGetEditText = [this](TObject*, Integer c, Integer r, String&) {
            h.Log.Add("get " + std::to_string(c) + "," + std::to_string(r));
        };
        grid->OnSetEditText = [this](TObject*, Integer c, Integer r, const String& v) {
            h.Log.Add("set " + std::to_string(c) + "," + std::to_string(r) + " " + Utf8(v));
        };
    }

    THarness h;
    TForm* form = nullptr;
    TTestGrid* grid = nullptr;
};

}  // namespace gw::test
