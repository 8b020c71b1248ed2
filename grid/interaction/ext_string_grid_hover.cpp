// TExtStringGrid: the hover looks the pointer gives - the row under it with HoverRow, the fixed
// cell under it with HoverFixedCells - and their end when the pointer leaves the grid.
#include "grid/model/ext_string_grid.h"
#include "platform/ui/message_records.h"

namespace gw {

// Repaints only the cells whose look changes: the old and the new hover row, the old and the
// new hover fixed cell.
void TExtStringGrid::HoverMove(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0 || IsDesigning()) return;
    if (HoverRow && ARow != FHoverRowIdx) {
        const Integer old = FHoverRowIdx;
        FHoverRowIdx = ARow;
        RepaintRow(ARow);
        if (old >= 0 && old < RowCount()) RepaintRow(old);
    }
    if (HoverFixedCells == hfNone || FNoMouseLeave || (ACol == FHoverFixedX && ARow == FHoverFixedY)) return;
    const Integer oldX = FHoverFixedX, oldY = FHoverFixedY;
    FHoverFixedX = ACol;
    FHoverFixedY = ARow;
    const auto inFixed = [this](Integer C, Integer R) {
        return C >= 0 && R >= 0 && C < ColCount() && R < RowCount() && (C < FixedCols() || R < FixedRows());
    };
    if (inFixed(oldX, oldY)) RepaintCell(oldX, oldY);
    if (inFixed(ACol, ARow)) RepaintCell(ACol, ARow);
}

// A cell's button (or expand glyph) under the pointer is drawn hot; moving off it, or off the
// grid, draws it plain again.
void TExtStringGrid::HoverButtonMove(Integer ACol, Integer ARow, Integer X, Integer Y)
{
    TPoint cell{-1, -1};
    if (ACol >= 0 && ARow >= 0) {
        const TPoint at{X, Y};
        const TPoint base = BaseCell(ACol, ARow);
        if ((HasButton(base.X, base.Y) && PtInRect(CellButtonRect(base.X, base.Y), at)) ||
            (HasExpand(base.X, base.Y) && PtInRect(CellExpandRect(base.X, base.Y), at)))
            cell = base;
    }
    if (cell == FHoverButton) return;
    const TPoint old = FHoverButton;
    FHoverButton = cell;
    if (old.X >= 0 && old.X < ColCount() && old.Y < RowCount()) RepaintCell(old.X, old.Y);
    if (cell.X >= 0) RepaintCell(cell.X, cell.Y);
}

// In the list-view look the fixed cell under the pointer is drawn hot (pressed while a button is
// held): a move onto another cell repaints the fixed cell left and the fixed cell entered.
void TExtStringGrid::HotFixedCellMove(Integer ACol, Integer ARow)
{
    if (Look() != glListView) return;
    const TPoint cell{ACol, ARow};
    if (cell == FHotFixedCell) return;
    RepaintHotFixedCell();
    FHotFixedCell = cell;
    RepaintHotFixedCell();
}

void TExtStringGrid::RepaintHotFixedCell()
{
    const TPoint c = FHotFixedCell;
    if (c.X < 0 || c.Y < 0 || c.X >= ColCount() || c.Y >= RowCount()) return;
    if (c.X < FixedCols() || c.Y < FixedRows()) RepaintCell(c.X, c.Y);
}

// A release ends any pressed look of the list-view headers: row 0 and, with fixed columns,
// column 0 are drawn again.
void TExtStringGrid::RepaintListViewHeaders()
{
    if (Look() != glListView) return;
    RepaintRow(0);
    if (FixedCols() > 0) RepaintCol(0);
}

void TExtStringGrid::CMMouseLeave(TMessage& Message)
{
    TBaseGrid::WndProc(Message);
    if (TCMMouseEnterLeave(Message).Child) return;
    MouseSelectMode = msNormal;
    FSizeFixed = FSizeFixedR = false;
    // Leaving the grid leaves the anchor under the pointer too.
    LeaveAnchor();
    SetHoverLink({-1, -1}, -1);
    HoverButtonMove(-1, -1, 0, 0);
    if (Look() == glListView) RepaintHotFixedCell();
    if (!FNoMouseLeave && HoverFixedCells != hfNone && FHoverFixedX >= 0) {
        const Integer oldX = FHoverFixedX, oldY = FHoverFixedY;
        FHoverFixedX = FHoverFixedY = -1;
        if (oldX < ColCount() && oldY < RowCount()) RepaintCell(oldX, oldY);
    }
    if (HoverRow && FHoverRowIdx >= 0) {
        const Integer old = FHoverRowIdx;
        FHoverRowIdx = -1;
        if (old < RowCount()) RepaintRow(old);
    }
}

}  // namespace gw
