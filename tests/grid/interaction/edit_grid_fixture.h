// A string grid set up as the slaves table's columns (an Enable check box, a text column, an
// editable combo), on a shown form with an OK button, its editing events written to the
// harness's log.
#pragma once

#include "grid/foundation/navigation.h"
#include "grid/interaction/ext_inplace_edit.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/button.h"
#include "platform/controls/edit_messages.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace gw::test {

inline std::string Utf8(StringView S) { return StringToUtf8(S); }

// The text editor, noting the balloons it is asked to show.
class TBalloonNotingEdit : public TExtInplaceEdit {
public:
    using TExtInplaceEdit::TExtInplaceEdit;
    std::vector<std::string> Balloons;  // "title|text|icon"
    void Dispatch(TMessage& M) override
    {
        if (M.Msg == EM_SHOWBALLOONTIP) {
            const auto* tip = reinterpret_cast<const TEditBalloonTip*>(M.LParam);
            Balloons.push_back(StringToUtf8(tip->pszTitle) + "|" + StringToUtf8(tip->pszText) + "|" +
                               std::to_string(tip->ttiIcon));
        }
        TExtInplaceEdit::Dispatch(M);
    }
};

// The grid with its protected edit operations reachable. The members other rooms build are
// reached through their stubs until those rooms land; until then the overrides below stand in
// with the plain behaviour (the current cell's text, the change event, the cell alignment hook).
class TEditTestGrid : public TExtStringGrid {
public:
    using TExtStringGrid::AdvanceToNextCell;
    using TExtStringGrid::EditControl;
    using TExtStringGrid::FBlockKill;
    using TExtStringGrid::FCellSelectorMode;
    using TExtStringGrid::FEditing;
    using TExtStringGrid::FFocusWindow;
    using TExtStringGrid::FOldCellText;
    using TExtStringGrid::FSizeFixed;
    using TExtStringGrid::FSizeFixedR;
    using TExtStringGrid::FSizingFixed;
    using TExtStringGrid::FSizingFixedR;
    using TExtStringGrid::FValidating;
    using TExtStringGrid::InvokedFocusChange;
    using TExtStringGrid::KeyPress;
    using TExtStringGrid::SelectCell;
    using TExtStringGrid::SetGridState;
    using TExtStringGrid::ShowCellControlEditor;
    using TExtStringGrid::ShowEditor;
    using TExtStringGrid::ShowNextControlEditor;
    using TExtStringGrid::StoreCellControlValue;
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::ValidateCell;
    using TExtStringGrid::ValidateCellWide;

    Integer FullInvalidations = 0;
    // Stands in for a descendant's use of the text editor's key hook.
    std::function<void(Word& Key, TShiftState Shift)> KeyHook;
    void EditorKeyHook(Word& Key, TShiftState Shift) override
    {
        if (KeyHook) KeyHook(Key, Shift);
    }
    void Invalidate() override
    {
        if (!FEditChange) ++FullInvalidations;
        TExtStringGrid::Invalidate();
    }

protected:
    TInplaceEdit* CreateEditor() override { return new TBalloonNotingEdit(this); }
    String GetCurrentCell() override
    {
        try {
            return TExtStringGrid::GetCurrentCell();
        } catch (const ENotBuiltYet&) {
            return GetCellEx(RealColIndex(Col()), GetRowEx());
        }
    }
    void SetCurrentCell(const String& Value) override
    {
        try {
            TExtStringGrid::SetCurrentCell(Value);
        } catch (const ENotBuiltYet&) {
            SetCellEx(RealColIndex(Col()), GetRowEx(), Value);
        }
    }
    void SetCurrentCellEditText(const String& Value) override
    {
        try {
            TExtStringGrid::SetCurrentCellEditText(Value);
        } catch (const ENotBuiltYet&) {
            SetCellEx(RealColIndex(Col()), GetRowEx(), Value);
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
            TAlignment h = taLeftJustify;
            TVAlignment v = vtaTop;
            GetCellAlign(ACol, ARow, h, v);
            return h;
        }
    }
};

// The grid with the slaves table's editors on a form: 5 columns, row 0 the headers and rows 1 to 5
// data, no fixed column, editing on.
inline TEditTestGrid* MakeSlavesGrid(TForm* Form)
{
    auto* grid = new TEditTestGrid(Form);
    grid->SetParent(Form);
    grid->SetColCount(5);
    grid->SetRowCount(6);
    grid->SetFixedCols(0);
    grid->SetOptions(grid->Options() | goEditing);
    grid->OnGetEditorType = [](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
        if (ACol == 0) AEditor = edDataCheckBox;
        if (ACol == 2) AEditor = edComboEdit;
    };
    return grid;
}

// Columns: 0 Enable (data check box), 1 IP address (text), 2 Mnemonic (editable combo), 3 and 4
// further text columns; row 0 the headers, rows 1 to 5 data. No fixed column: the row-number
// column's modified mark comes with the rows room.
class EditGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 640, 480);
        grid = MakeSlavesGrid(form);
        grid->SetBounds(10, 10, 500, 300);
        for (Integer r = 1; r < 6; ++r) {
            grid->SetCellEx(0, r, u"Y");
            grid->SetCellEx(1, r, u"10.0.0." + IntToStr(r));
        }
        ok = new TButton(form);
        ok->SetParent(form);
        ok->SetBounds(16, 400, 110, 28);
        ok->SetCaption(u"OK");
        other = new TButton(form);
        other->SetParent(form);
        other->SetBounds(134, 400, 110, 28);
        BeforeShow();
        form->Show();
        grid->SetFocus();
        grid->FocusCell(1, 1);
        h.ProcessMessages();
    }

    // Sizes and further controls are set before the form shows.
    virtual void BeforeShow() {}

    // Enter moves on to the next cell, wrapping at the table's end (the tables' own Enter).
    void EnterMovesOn()
    {
        grid->OnKeyPress = [this](TObject*, Char& Key) {
            h.Log.Add("keypress " + (Key == VK_RETURN ? std::string("Enter") : Utf8(String(1, Key))));
            if (Key != VK_RETURN) return;
            if (grid->Col() < grid->ColCount() - 1) {
                grid->SetCol(grid->Col() + 1);
            } else {
                grid->SetCol(0);
                grid->SetRowEx(grid->GetRowEx() < grid->RowCount() - 1 ? grid->GetRowEx() + 1 : 1);
            }
            Key = 0;
        };
    }

    void LogEvents()
    {
        auto cell = [](Integer c, Integer r) { return std::to_string(c) + "," + std::to_string(r); };
        grid->OnEditChange = [=, this](TObject*, Integer c, Integer r, const String& v) {
            h.Log.Add("change " + cell(c, r) + " " + Utf8(v));
        };
        grid->OnCellsChanged = [=, this](TObject*, const TGridRect& R) {
            h.Log.Add("cells changed " + cell(R.Left, R.Top) + "-" + cell(R.Right, R.Bottom));
        };
        grid->OnColChanging = [this](TObject*, Integer o, Integer n, bool&) {
            h.Log.Add("col changing " + std::to_string(o) + "->" + std::to_string(n));
        };
        grid->OnRowChanging = [this](TObject*, Integer o, Integer n, bool&) {
            h.Log.Add("row changing " + std::to_string(o) + "->" + std::to_string(n));
        };
        grid->OnEditingDone = [this](TObject*) { h.Log.Add("editing done"); };
        grid->OnEditCellDone = [=, this](TObject*, Integer c, Integer r) { h.Log.Add("edit cell done " + cell(c, r)); };
        ok->OnClick = [this](TObject*) { h.Log.Add("ok click, cell holds " + Utf8(grid->GetCellEx(1, 1))); };
    }

    TBalloonNotingEdit* Editor() const { return dynamic_cast<TBalloonNotingEdit*>(grid->InplaceEditor()); }
    bool EditorShown() const { return Editor() && Editor()->Visible(); }
    TPoint CellCentre(Integer ACol, Integer ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    THarness h;
    TForm* form = nullptr;
    TEditTestGrid* grid = nullptr;
    TButton* ok = nullptr;
    TButton* other = nullptr;
};

}  // namespace gw::test
