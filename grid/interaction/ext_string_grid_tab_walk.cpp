// TExtStringGrid: the Tab walk the grid and every in-place editor share - along the row or down
// the column, over merged, read-only and fixed-right cells, appending a row or handing the Tab to
// the parent at the end.
#include "grid/foundation/navigation.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/ui/window_system.h"

namespace gw {

bool TExtStringGrid::TabToNextCell(bool Backward)
{
    if (OnKeyDown) {
        Word key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState(ssShift) : TShiftState(0));
        if (key != VK_TAB) return true;
    }
    if (Col() == FLastTabCell.X && Row() == FLastTabCell.Y) return true;
    // A walk that calls itself again ends after one visit of every cell, so a grid without a
    // cell to stop at leaves the cursor where the round ended.
    const bool outermost = FTabVisits == 0;
    if (++FTabVisits > ColCount() * RowCount()) return true;
    FLastTabCell = {Col(), Row()};
    bool kept = TabWalk(Backward);
    // Landing on a cell that may not be edited switches goEditing off for it (FEditDisable
    // remembers that the grid edits); the walk goes on past it all the same.
    const bool editing = (Options() & goEditing) || FEditDisable;
    if (editing && !IsEditable(RealColIndex(Col()), Row())) kept = TabToNextCell(Backward);
    if (outermost) FTabVisits = 0;
    const Integer real = RealColIndex(Col());
    const bool control = CellHasProperties(real, Row()) && HasControlGraphic(real, Row());
    // The editor opens as a click on the new cell would open it.
    if (Navigation()->AdvanceAutoEdit && !control) SimulateCellClick(Col(), Row());
    FLastTabCell = {-1, -1};
    if (Navigation()->AlwaysEdit && CanFocus()) SetFocus();
    return kept;
}

bool TExtStringGrid::TabWalk(bool Backward)
{
    const bool alongRow = Navigation()->TabAdvanceDirection == adLeftRight;
    const Integer lastData = RowCount() - FFixedFooters - 1;
    const Integer lastCol = ColCount() - VisibleFixedRightCols() - 1;
    if (Backward && !alongRow) {
        if (Row() > FixedRows())
            SetRowEx(Row() - 1);
        else
            FocusCell(Col() > FirstNavigableCol() ? Col() - 1 : lastCol, lastData);
        return true;
    }
    if (Backward) {
        TabBackwardInRow();
        return true;
    }
    if (!alongRow) {
        const TPoint span = CellSpan(RealColIndex(Col()), Row());
        if (Row() + span.Y + 1 < RowCount() - FFixedFooters) {
            SetRowEx(Row() + span.Y + 1);
            return true;
        }
        const Integer col = Col();
        GoToFirstRow();
        if (col < lastCol) {
            SetCol(col + 1);
            return true;
        }
        SetCol(FirstNavigableCol());
        return TabEndOfWalk();
    }
    return TabForwardInRow();
}

void TExtStringGrid::TabBackwardInRow()
{
    const Integer row = Row(), lastData = RowCount() - FFixedFooters - 1;
    if (Col() > FirstNavigableCol()) {
        for (Integer c = Col() - 1; c >= FirstNavigableCol(); --c) {
            if (IsSelectableCell(c, row) && IsBaseCell(RealColIndex(c), row)) {
                SetCol(c);
                return;
            }
        }
        const Integer target = row > FixedRows() ? row - 1 : lastData;
        const Integer c = LastSelectableCol(target);
        if (c >= 0) {
            SetSelection({c, target, c, target});
            ScrollInView(c, target);
        }
        if (!IsBaseCell(RealColIndex(Col()), Row())) MoveToBaseCell();
        return;
    }
    const Integer target = row > FixedRows() ? row - 1 : lastData;
    for (Integer c = ColCount() - VisibleFixedRightCols() - 1; c >= FixedCols(); --c) {
        if (IsSelectableCell(c, target)) {
            FocusCell(c, target);
            return;
        }
    }
    // No column of that row may take the cursor: it stays.
}

bool TExtStringGrid::TabForwardInRow()
{
    const Integer row = Row(), lastData = RowCount() - FFixedFooters - 1;
    const Integer x = Col() + CellSpan(RealColIndex(Col()), row).X;
    const Integer limit = ColCount() - VisibleFixedRightCols();
    if (x + 1 < limit) {
        for (Integer c = x + 1; c < limit; ++c) {
            if (!IsSelectableCell(c, row)) continue;
            SetCol(c);
            if (!IsBaseCell(RealColIndex(c), row)) return TabToNextCell(false);
            return true;
        }
        // The row ends: into the next row without asking the cell selection again.
        bool kept = true;
        FForceSel = true;
        if (row < lastData) {
            const Integer n = FirstSelectableCol(row + 1);
            bool allow = true;
            if (OnRowChanging) OnRowChanging(this, row, row + 1, allow);
            if (OnCellChanging) OnCellChanging(this, row, Col(), row + 1, n, allow);
            if (OnColChanging) OnColChanging(this, Col(), n, allow);
            if (allow) FocusCell(n < 0 ? FixedCols() : n, row + 1);
        } else {
            const Integer n = FirstSelectableCol(FixedRows());
            if (n >= 0) SetSelection({n, FixedRows(), n, FixedRows()});
            kept = TabEndOfWalk();
        }
        FForceSel = false;
        return kept;
    }
    if (row < lastData) {
        for (Integer c = FirstNavigableCol(); c < ColCount(); ++c) {
            if (IsBaseCell(RealColIndex(c), row + 1) && IsSelectableCell(c, row + 1)) {
                FForceSel = true;
                FocusCell(c, row + 1);
                FForceSel = false;
                return true;
            }
        }
        for (Integer r = row + 2; r < RowCount(); ++r) {
            const Integer c = FirstSelectableCol(r);
            if (c >= 0) {
                FocusCell(c, r);
                return true;
            }
        }
        FocusCell(ColCount() - 1, RowCount() - 1);
        return TabToNextCell(false);
    }
    return TabPastLastCell();
}

// Tab past the last cell of the last data row: a new row when allowed, else back to the top.
bool TExtStringGrid::TabPastLastCell()
{
    const TNavigation& nav = *Navigation();
    bool added = false;
    if (!nav.TabToNextAtEnd && nav.AdvanceInsert()) {
        bool canAdd = true;
        DoCanAddRow(canAdd);
        if (canAdd) {
            // The new data row goes before the footer rows, which stay last.
            const bool floating = m_floatingFooter->Visible();
            const Integer at = floating ? RowCount() - 1 : RowCount() - FFixedFooters;
            InsertRows(at, 1, true);
            SetRowEx(at);
            if (OnAutoAddRow) OnAutoAddRow(this, at);
            added = true;
        }
    }
    if (!added) GoToFirstRow();
    const Integer first = FirstSelectableCol(Row());
    if (first >= 0) SetCol(first);
    return TabEndOfWalk();
}

bool TExtStringGrid::TabEndOfWalk()
{
    TWinControl* parent = Parent();
    if (!parent || !Navigation()->TabToNextAtEnd) return true;
    PostMessage(parent->Handle(), WM_KEYDOWN, VK_TAB, 0);
    return false;
}

}  // namespace gw
