// TExtStringGrid: the moves of the current cell an edit takes part in - SelectCell with its
// per-cell editing switch and pending validation, the changing events, the advance after Enter,
// and the grid's own character handling.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/model/ext_string_grid.h"
#include "platform/grids/inplace_edit.h"
#include "platform/runtime/scope.h"

namespace gw {

namespace {

bool HasOption(const TExtStringGrid& Grid, TGridOption Option) { return (Grid.Options() & Option) != 0; }

}  // namespace

bool TExtStringGrid::IsEditable(Integer ACol, Integer ARow)
{
    if ((Options() & goEditing) || MouseActions()->RangeSelectAndEdit || FEditDisable)
        return IsEditableCell(ACol, ARow);
    return false;
}

bool TExtStringGrid::IsEditableCell(Integer ACol, Integer ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    bool canEdit = true;
    CanEditCell(base.X, base.Y, canEdit);
    bool fixed = false;
    IsFixedCell(DisplColIndex(base.X), base.Y, fixed);
    return canEdit && !fixed;
}

void TExtStringGrid::DoCellChanging(Integer OldRow, Integer OldCol, Integer NewRow, Integer NewCol, bool& Allow)
{
    if (NewRow != OldRow && OnRowChanging) OnRowChanging(this, OldRow, NewRow, Allow);
    if (NewCol != OldCol && OnColChanging) OnColChanging(this, OldCol, NewCol, Allow);
    if ((NewRow != OldRow || NewCol != OldCol) && !FDisableChange && OnCellChanging)
        OnCellChanging(this, OldRow, OldCol, NewRow, NewCol, Allow);
}

bool TExtStringGrid::SelectCell(Integer ACol, Integer ARow)
{
    if (FForceSel || !HasParentWindow()) return true;
    if (ACol < 0 || ARow < 0) return false;
    FEditText = GetGridCell(RealColIndex(ACol), ARow);
    const Integer real = RealColIndex(ACol);
    if (IsMergedNonBaseCell(real, ARow) && !HasOption(*this, goRangeSelect)) {
        const TPoint base = BaseCell(real, ARow);
        MoveColRow(DisplColIndex(base.X), base.Y, true, true);
        RepaintCell(DisplColIndex(base.X), base.Y);
        if (MouseActions()->DirectEdit) ShowInplaceEdit();
        return false;
    }
    if (ACol == 0 && HasNodes() && !HasOption(*this, goRowSelect)) return false;
    if (FUseEnabledRows && Navigation()->SkipDisabledRows && !GetRowEnabled(ARow)) return false;
    return SelectEditableCell(ACol, ARow);
}

// Step into a cell that may become current: switch editing for it, ask the changing events
// (validating an edit still open first), then the follow-up of an accepted or refused move.
bool TExtStringGrid::SelectEditableCell(Integer ACol, Integer ARow)
{
    const Integer oldCol = Col(), oldRow = GetRowEx();
    const Integer real = RealColIndex(ACol);
    String newText = GetGridCell(real, ARow);
    const bool focused = InplaceEditor() && InplaceEditor()->Focused();
    if (SwitchEditingFor(ACol, ARow)) newText = GetGridCell(real, ARow);
    bool allow = true;
    bool answer = false;
    if (!FEditing || focused) {
        DoCellChanging(oldRow, oldCol, ARow, ACol, allow);
        if (IsFixed(ACol, ARow) || !allow)
            answer = (allow && HasOption(*this, goRowSelect)) || (FixedRowAlways && RowCount() == FixedRows());
        else
            answer = TBaseGrid::SelectCell(ACol, ARow);
    } else {
        const String kept = FCellCache;
        answer = ValidateCell(GetCurrentCell());
        DoCellChanging(oldRow, oldCol, ARow, ACol, allow);
        if (!allow) answer = false;
        if (answer) answer = TBaseGrid::SelectCell(ACol, ARow);
        if (!answer) newText = kept;
    }
    if (FISelect) FISelect->SelectionChanged(Col(), ARow);
    if (ActiveRowShow()) RepaintRow(ARow);
    if (!(ComponentState() & csLoading) && ARow != FOldRowSel && OnRowChanged) {
        const Integer reported = FOldRowSel;
        FOldRowSel = ARow;
        OnRowChanged(this, reported, ARow);
    }
    FCellCache = newText;
    return answer;
}

// goEditing follows the cell: on where it may be edited, off elsewhere, without repainting the
// whole grid. True when an open edit was closed (the cell's text may have changed).
bool TExtStringGrid::SwitchEditingFor(Integer ACol, Integer ARow)
{
    const Integer real = RealColIndex(ACol);
    TMouseActions& mouse = *MouseActions();
    if (CellHasProperties(real, ARow) && HasControlGraphic(real, ARow)) {
        bool canEdit = true;
        CanEditCell(real, ARow, canEdit);
        if (!FEditDisable) FEditDisable = !canEdit && (HasOption(*this, goEditing) || mouse.RangeSelectAndEdit);
        if (!HasOption(*this, goEditing) && !HasOption(*this, goRowSelect) && canEdit) {
            FEditChange = true;
            SetOptions(Options() | goEditing);
        }
        return false;
    }
    bool canEdit = HasOption(*this, goEditing) || FEditDisable;
    CanEditCell(real, ARow, canEdit);
    if (canEdit && mouse.DirectEdit) {
        EditControl = DefaultEditor;
        if (HasNoEditor(real, ARow)) canEdit = false;
    }
    if (mouse.EditOnDblClickOnly()) canEdit = false;
    bool closed = false;
    if (canEdit) {
        FEditDisable = false;
        if (!HasOption(*this, goEditing)) {
            FEditChange = true;
            if (!FEditing) TakeEditSnapshot(ACol, ARow);
            TGridOptions options = Options() | goEditing;
            if (mouse.RangeSelectAndEdit) options &= ~TGridOptions(goRowSelect);
            SetOptions(options);
        }
        if (FEditing && FEditMode) {
            HideInplaceEdit();
            closed = true;
        }
    } else {
        if (FEditing && FEditMode) {
            HideInplaceEdit();
            closed = true;
        }
        if (HasOption(*this, goEditing)) {
            FEditMode = false;
            FEditDisable = true;
            FEditChange = true;
            SetOptions(Options() & ~TGridOptions(goEditing));
            HideEditor();
        }
    }
    return closed;
}

void TExtStringGrid::AdvanceToNextCell(Integer ACol, Integer ARow, bool Force, bool AutoEdit, bool Forward,
                                       bool Repeated, bool EditAfter)
{
    TNavigation& nav = *Navigation();
    if (!nav.AdvanceOnEnter && !Force) return;
    if (MouseActions()->RangeSelectAndEdit && !(Options() & goEditing)) SetOptions(Options() | goEditing);
    if (!Repeated) {
        FAECol = ACol;
        FAERow = ARow;
        FAdvanceSteps = 0;
    }
    FStartEditChar = 0;
    TGridCoord target{ACol, ARow};
    if (!AdvanceTarget(ACol, ARow, Forward, target)) return;
    const Integer c = target.X, r = target.Y;
    bool canEdit = true;
    CanEditCell(RealColIndex(c), r, canEdit);
    if (canEdit) {
        MoveAdvanced(ACol, ARow, c, r);
    } else if (nav.AdvanceSkipReadOnlyCells) {
        // One round of the grid at most: a grid without an editable cell ahead stops here.
        if (++FAdvanceSteps <= ColCount() * RowCount()) {
            AdvanceToNextCell(c, r, Force, AutoEdit, Forward, true, EditAfter);
            return;
        }
    } else {
        SetCol(c);
        SetRowEx(r);
    }
    if (!EditAfter) return;
    if (AutoEdit && nav.AdvanceAutoEdit) {
        if (!IsEditable(RealColIndex(Col()), GetRowEx())) return;
        ShowEditor();
    }
    if (MouseActions()->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(GetRowEx(), true);
    }
}

void TExtStringGrid::MoveAdvanced(Integer FromCol, Integer FromRow, Integer ACol, Integer ARow)
{
    Integer c = ACol, r = ARow;
    bool allow = true;
    if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, r, c, allow);
    if (allow && OnCellChanging) OnCellChanging(this, FAERow, FAECol, r, c, allow);
    const TTemporaryChange disable(FDisableChange, true);
    if (allow) {
        SetCol(c);
        SetRowEx(r);
    } else {
        SelectCell(FromCol, FromRow);
    }
}

// Where the advance goes from (ACol, ARow); false when nothing moves (the end of a row, column or
// grid without a way on, or a new row without an editable cell).
bool TExtStringGrid::AdvanceTarget(Integer ACol, Integer ARow, bool Forward, TGridCoord& Target)
{
    TNavigation& nav = *Navigation();
    const TAdvanceDirection dir = nav.AdvanceDirection();
    const TPoint span = CellSpan(RealColIndex(ACol), ARow);
    const Integer first = FixedCols() == 0 && HasNodes() ? 1 : FixedCols();
    const Integer rightFixed = FFixedRightCols;
    const Integer lastDataRow = RowCount() - FFixedFooters - 1;
    Integer c = ACol, r = ARow;
    if (!Forward) {
        if (dir == adLeftRight) {
            if (c > first) {
                --c;
            } else {
                r = r > FixedRows() ? r - 1 : lastDataRow;
                c = ColCount() - rightFixed - 1;
            }
        } else if (dir == adTopBottom) {
            if (r > FixedRows()) {
                --r;
            } else {
                c = c > first ? c - 1 : ColCount() - rightFixed - 1;
                r = lastDataRow;
            }
        } else {
            return false;
        }
    } else if (dir == adLeftRight || dir == adLeftRightInRow) {
        if (c + span.X < ColCount() - rightFixed - 1) {
            c += span.X + 1;
        } else if (dir == adLeftRightInRow) {
            if (!nav.AdvanceOnEnterLoop) return false;
            c = first;
        } else if (r != lastDataRow) {
            ++r;
            c = first;
        } else if (nav.AdvanceInsert()) {
            bool canAdd = true;
            DoCanAddRow(canAdd);
            c = first;
            if (canAdd) {
                // The new data row goes before the fixed footer rows.
                TBaseGrid::InsertRows(RowCount() - FFixedFooters, 1);
                ++r;
                if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                if (!RowHasEditableCell(r)) return false;
            }
        } else if (nav.AdvanceOnEnterLoop) {
            r = FixedRows();
            c = first;
        } else {
            return false;
        }
    } else {
        if (r != lastDataRow) {
            ++r;
        } else if (dir == adTopBottomInCol) {
            r = FixedRows();
        } else {
            if (c + 1 != ColCount() - rightFixed) {
                r = FixedRows();
                c = c + 1 >= ColCount() ? first : c + 1;
            } else if (nav.AdvanceInsert()) {
                SetColCount(ColCount() + 1);
                c += span.X + 1;
                r = FixedRows();
                if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - rightFixed - 1);
            } else {
                r = FixedRows();
                c = first;
            }
            Invalidate();
        }
    }
    Target = {c, r};
    return true;
}

bool TExtStringGrid::RowHasEditableCell(Integer ARow)
{
    for (Integer c = FixedCols(); c < ColCount(); ++c)
        if (IsEditable(RealColIndex(c), ARow)) return true;
    return false;
}

void TExtStringGrid::KeyPress(Char& Key)
{
    if (Key == VK_ESCAPE) {
        if ((Options() & goEditing) && FEditing) RestoreCellCache();
        if (OnKeyPress) OnKeyPress(this, Key);
        return;
    }
    const Integer real = RealColIndex(Col());
    const Integer row = GetRowEx();
    const bool graphic = CellHasProperties(real, row) && HasControlGraphic(real, row);
    if (Key == VK_RETURN && !Navigation()->AdvanceOnEnter && !IsEditable(real, row)) {
        if (OnKeyPress) OnKeyPress(this, Key);
        Key = 0;
        return;
    }
    if (Key == VK_RETURN && (!Focused() || graphic)) {
        AdvanceToNextCell(Col(), row, false, false, true, false, FEditMode);
        if (!Navigation()->AdvanceAutoEdit) {
            if (OnKeyPress) OnKeyPress(this, Key);
            Key = 0;
            return;
        }
        const Integer nowRow = GetRowEx();
        if (CellHasProperties(real, nowRow) && HasControlGraphic(real, nowRow)) {
            if (OnKeyPress) OnKeyPress(this, Key);
            if (Navigation()->AdvanceOnEnter) ShowInplaceEdit();
            return;
        }
    }
    TBaseGrid::KeyPress(Key);
}

}  // namespace gw
