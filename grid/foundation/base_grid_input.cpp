// The grid cell store's moves: selecting repaints the merged cells left and entered, keys step
// over merged cells and land on base cells, the wheel keeps the hidden last row hidden.
#include "grid/foundation/base_grid.h"

#include "platform/ui/messages.h"

namespace gw {

bool TBaseGrid::SelectCell(Integer ACol, Integer ARow)
{
    if (UseRightToLeftAlignment()) {
        // Mirrored, the merged cells' pieces are found again by a whole repaint.
        const bool allowed = TStringGrid::SelectCell(ACol, ARow);
        Invalidate();
        return allowed;
    }
    RepaintCell(Col(), Row());
    const bool allowed = TStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return allowed;
}

void TBaseGrid::KeyDown(Word& Key, TShiftState Shift)
{
    const TCellProperties* here = Props(Col(), Row());
    const TPoint base = BaseCell(Col(), Row());
    const TCellProperties* baseProps = here ? Props(base.X, base.Y) : nullptr;
    // With right-to-left alignment Left steps on to the next column and Right back.
    const bool rtl = UseRightToLeftAlignment();
    const Word onward = rtl && (Key == VK_LEFT || Key == VK_RIGHT) ? Word(Key == VK_LEFT ? VK_RIGHT : VK_LEFT) : Key;
    switch (onward) {
    case VK_NEXT:
        if (VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && FHideLastRow && RowCount() > 1)
            SetRow(RowCount() - 2);
        break;
    case VK_RIGHT:
        // To the merge's last column, so that the ordinary step lands after it.
        if (baseProps) {
            const Integer last = base.X + baseProps->CellSpanX;
            if (last >= Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1 && last < ColCount()) SetCol(last);
        }
        break;
    case VK_DOWN:
        if (baseProps) {
            const Integer last = base.Y + baseProps->CellSpanY;
            if (last >= Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1 && last < RowCount()) SetRow(last);
        }
        break;
    case VK_LEFT:
        // From inside a merge to its first column: the ordinary step then leaves the merge.
        if (here && base.X < Col() && Col() > FixedCols() && base.X > 0) SetCol(base.X);
        break;
    case VK_UP:
        if (here && base.Y < Row() && Row() > FixedRows() && base.Y > 0) SetRow(base.Y);
        break;
    default: break;
    }
    TStringGrid::KeyDown(Key, Shift);
    MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool handled = TStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
    MoveToBaseCell();
    return handled;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool handled = TStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return handled;
}

void TBaseGrid::TopLeftChanged()
{
    TStringGrid::TopLeftChanged();
    RepaintMergedFixedCells();
}

void TBaseGrid::RepaintMergedFixedCells()
{
    // Their rectangles span scrolled cells, so scrolling moves what they show.
    if (FixedCols() > 0)
        for (Integer c = 0; c < FixedCols(); ++c)
            for (Integer r = TopRow(); r <= TopRow() + VisibleRowCount() && r < RowCount(); ++r)
                if (IsMergedCell(c, r)) RepaintCell(c, r);
    if (FixedRows() > 0)
        for (Integer r = 0; r < FixedRows(); ++r)
            for (Integer c = LeftCol(); c <= LeftCol() + VisibleColCount() && c < ColCount(); ++c)
                if (IsMergedCell(c, r)) RepaintCell(c, r);
}

}  // namespace gw
