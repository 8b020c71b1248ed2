// TExtStringGrid: the end of every edit - the snapshot a typed value is compared with, the
// validation that accepts, replaces or refuses it, and the focus guards around a commit.
#include "grid/foundation/focus_window.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/undo_redo.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/show_modified.h"
#include "platform/controls/edit_messages.h"
#include "platform/grids/inplace_edit.h"
#include "platform/runtime/scope.h"

namespace gw {

void TExtStringGrid::SaveEditSnapshot() { TakeEditSnapshot(Col(), GetRowEx()); }

void TExtStringGrid::TakeEditSnapshot(Integer ACol, Integer ARow)
{
    FOldCol = ACol;
    FOldRow = ARow;
    FOldCellText = GetGridCell(RealColIndex(ACol), ARow);
    FOldCellTextWide = FOldCellText;
    FOldModifiedValue = FModified;
}

bool TExtStringGrid::ValidateCell(const String& NewValue)
{
    if (!FEditing || FValidating) return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    FNewCellText = NewValue;
    try {
        if (NewValue != FOldCellText || AlwaysValidate) valid = ValidateValue(RealColIndex(FOldCol), NewValue);
    } catch (...) {
        // A handler that raises leaves a fresh snapshot and no validation running.
        TakeEditSnapshot(Col(), GetRowEx());
        FValidating = false;
        throw;
    }
    TakeEditSnapshot(Col(), GetRowEx());
    FValidating = false;
    if (valid && FocusHelper()->Enabled) HideFocusWindow();
    return valid;
}

bool TExtStringGrid::ValidateValue(Integer ARealCol, const String& NewValue)
{
    bool valid = true;
    const bool changed = NewValue != FOldCellText;
    String value = NewValue;
    {
        // Moving on is the caller's business, not the handler's.
        const TTemporaryChange noAdvance(Navigation()->AdvanceOnEnter, false);
        if (OnCellValidate) OnCellValidate(this, ARealCol, FOldRow, value, valid);
        if (value != FOldCellText) MarkEdited(FOldRow);
        if (valid && FloatingFooter()) ColumnCalcChanged();
        if (valid && UndoRedo()) UndoRedo()->RegisterChange(ARealCol, FOldRow, FOldCellText, value);
        if (valid && changed) NotifyCellsChanged(TGridRect{ARealCol, FOldRow, ARealCol, FOldRow});
    }
    FNewCellText = value;
    if (valid) {
        if (IsMergedNonBaseCell(ARealCol, FOldRow)) SetGridCell(ARealCol, FOldRow, value);
        SetCellEx(ARealCol, FOldRow, value);
    } else {
        RefuseValue(ARealCol, NewValue, value);
    }
    FOldCellText = GetGridCell(ARealCol, FOldRow);
    return valid;
}

// The wide form: the footer first and whatever the answer, no checker, no undo, no balloon; the
// row is marked only where modified rows show. Texts are UTF-16 throughout, so a wide cell is
// stored like any other.
bool TExtStringGrid::ValidateCellWide(const String& NewValue)
{
    if (!FEditing || FValidating) return true;
    FEditing = false;
    FValidating = true;
    const TScopeExit done([this] { FValidating = false; });
    bool valid = true;
    const Integer real = RealColIndex(FOldCol);
    FNewCellText = NewValue;
    if (NewValue != FOldCellTextWide || AlwaysValidate) {
        const bool changed = NewValue != FOldCellTextWide;
        String value = NewValue;
        if (FloatingFooter()) ColumnCalcChanged();
        if (OnCellValidateWide) OnCellValidateWide(this, real, FOldRow, value, valid);
        if (changed) {
            Modified = true;
            if (ShowModified()->Enabled && FixedCols() > 0) {
                SetRowModified(FOldRow, true);
                RepaintCell(0, FOldRow);
            }
        }
        if (valid && changed) NotifyCellsChanged(TGridRect{real, FOldRow, real, FOldRow});
        FNewCellText = value;
        if (valid) {
            if (IsMergedNonBaseCell(real, FOldRow)) SetGridCell(real, FOldRow, value);
            SetCellEx(real, FOldRow, value);
        } else {
            const bool replaced = value != NewValue;
            HideEditor();
            SetCellEx(real, FOldRow, replaced ? value : FOldCellTextWide);
            MoveColRow(FOldCol, FOldRow, true, true);
            FValidating = false;
            FEditing = true;
            ShowInplaceEdit();
            FModified = FOldModifiedValue;
        }
        FOldCellTextWide = GetGridCell(real, FOldRow);
    }
    TakeEditSnapshot(Col(), GetRowEx());
    return valid;
}

void TExtStringGrid::MarkEdited(Integer ARow)
{
    Modified = true;
    if (FixedCols() <= 0) return;
    SetRowModified(RealRowIndex(ARow), true);
    if (ShowModified()->Enabled) RepaintCell(0, ARow);
}

// The editor opens again on the old cell, holding the handler's replacement or the old text.
void TExtStringGrid::RefuseValue(Integer ARealCol, const String& NewValue, const String& Value)
{
    FLastValidation = false;
    const bool replaced = Value != NewValue;
    if (!replaced && FEditMode) FValidating = false;
    HideEditor();
    SetCellEx(ARealCol, FOldRow, replaced ? Value : FOldCellText);
    MoveColRow(FOldCol, FOldRow, true, true);
    FValidating = false;
    FEditing = true;
    ShowInplaceEdit();
    if (!replaced && Col() != FOldCol && InplaceEditor()) InplaceEditor()->Invalidate();
    FModified = FOldModifiedValue;
    ShowRefusalBalloon();
}

void TExtStringGrid::ShowRefusalBalloon()
{
    if (InvalidEntryTitle.empty() && InvalidEntryText.empty()) return;
    TWinControl* target = !FSpecialEditor && FEditMode ? InplaceEditor() : EditCtrl;
    if (!target) return;
    TEditBalloonTip tip;
    tip.pszTitle = InvalidEntryTitle.c_str();
    tip.pszText = InvalidEntryText.c_str();
    tip.ttiIcon = Integer(InvalidEntryIcon);
    target->Perform(EM_SHOWBALLOONTIP, 0, LPARAM(&tip));
}

// A click (or a key's move) on a cell: the next edit is compared with the cell as it is now.
void TExtStringGrid::Click()
{
    TBaseGrid::Click();
    FEntered = false;
    SaveEditSnapshot();
}

void TExtStringGrid::DoEnter()
{
    if (FBlockFocus) return;
    try {
        TBaseGrid::DoEnter();
        if ((Options() & goEditing) || MouseActions()->RangeSelectAndEdit) SelectCell(Col(), GetRowEx());
    } catch (...) {
        SaveEditSnapshot();
        throw;
    }
    SaveEditSnapshot();
}

void TExtStringGrid::DoExit()
{
    if (FBlockKill) return;
    if (FSelChange && MouseActions()->DisjunctRowSelect()) UpdateRowSelectFromSelection(true);
    FSelChange = false;
    TBaseGrid::DoExit();
}

}  // namespace gw
