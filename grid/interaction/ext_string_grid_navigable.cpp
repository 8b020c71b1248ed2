// TExtStringGrid: the cell tests keyboard navigation, painting and the mouse share - which cells
// may take the cursor, where navigation starts and ends in a row, and which fixed cells hover.
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"

namespace gw {

Integer TExtStringGrid::FirstNavigableCol() const
{
    // Column 0 holds the node buttons of a grid without fixed columns.
    return FixedCols() == 0 && const_cast<TExtStringGrid*>(this)->HasNodes() ? 1 : FixedCols();
}

Integer TExtStringGrid::VisibleFixedRightCols() const
{
    if (NumHiddenColumns() <= 0) return FFixedRightCols;
    Integer shown = 0;
    const Integer last = ColCount() + NumHiddenColumns() - 1;
    for (Integer real = last; real > last - FFixedRightCols && real >= 0; --real)
        if (!IsHiddenColumn(real)) ++shown;
    return shown;
}

bool TExtStringGrid::IsSelectableCell(Integer ACol, Integer ARow)
{
    // The leading fixed columns and rows never take the cursor, whatever the other rules say.
    bool canSelect = ACol >= FixedCols() && ARow >= FixedRows();
    if (canSelect) canSelect = (Options() & goEditing) ? IsEditable(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

Integer TExtStringGrid::FirstSelectableCol(Integer ARow)
{
    for (Integer c = 0; c < ColCount(); ++c)
        if (IsSelectableCell(c, ARow)) return c;
    return -1;
}

Integer TExtStringGrid::LastSelectableCol(Integer ARow)
{
    for (Integer c = ColCount() - 1; c >= 0; --c)
        if (IsSelectableCell(c, ARow)) return c;
    return -1;
}

bool TExtStringGrid::IsHoverFixedCell(Integer ACol, Integer ARow)
{
    switch (HoverFixedCells) {
    case hfAll: return ACol < FixedCols() || ARow < FixedRows();
    case hfFixedRows: return ARow < FixedRows();
    case hfFixedColumns: return ACol < FixedCols();
    case hfNone: break;
    }
    return false;
}

bool TExtStringGrid::IsOnLastRow() const
{
    const bool floating = m_floatingFooter && m_floatingFooter->Visible();
    return Row() == RowCount() - FFixedFooters - 1 || (floating && Row() == RowCount() - 2);
}

void TExtStringGrid::GoToFirstRow() { SetRowEx(FixedRows()); }

void TExtStringGrid::AdjustSelectAllRect(TGridRect& /*R*/) {}

}  // namespace gw
