// TExtStringGrid: the start of a drag of cells (or of a header's column) from the grid to another
// window - the press on a selected cell that may become one, the few pixels the mouse must move
// first, the events, and what a move does to the source cells once the drop has landed. The
// drag itself and the drop belong to the data exchange.
#include "grid/foundation/mouse_actions.h"
#include "grid/model/drag_drop_settings.h"
#include "grid/model/ext_string_grid.h"
#include "platform/ui/window_system.h"

#include <cstdlib>

namespace gw {

namespace {

// The mouse must move more than this many pixels from the press before a drag starts.
constexpr Integer DragThreshold = 3;
// A press this near a cell's left or right edge may size its column rather than drag.
constexpr Integer DragEdgeMargin = 3;
constexpr Integer DropEffectMove = 2;

bool Inside(const TGridRect& S, Integer ACol, Integer ARow)
{
    return ACol >= S.Left && ACol <= S.Right && ARow >= S.Top && ARow <= S.Bottom;
}

}  // namespace

// A press on a selected cell (without EnhRowColMove also on a header) that may start a drag:
// the selection stays as it is; the release selects the cell when no drag came of it.
bool TExtStringGrid::PressSelectionForDrag(Integer ACol, Integer ARow, Integer X, Integer Y, const TRect& R)
{
    const TMouseActions& actions = *MouseActions();
    const bool header = ARow < FixedRows();
    if (!Inside(Selection(), ACol, ARow) && !(header && !EnhRowColMove)) return false;
    const Integer real = RealColIndex(ACol);
    if ((Options() & goEditing) || HasButton(real, ARow) || HasCheckBox(real, ARow)) return false;
    if (!DragDropSettings()->OleDropSource || ACol < FixedCols()) return false;
    if (header && (actions.ColSelect || actions.AllSelect)) return false;
    const bool clearOfEdges = X > R.Left + DragEdgeMargin && X < R.Right - DragEdgeMargin;
    if (!clearOfEdges && (Options() & goColSizing)) return false;
    if (CanFocus()) SetFocus();
    if (OnMouseDown) OnMouseDown(this, mbLeft, KeyboardStateToShiftState(), X, Y);
    FSelectionClick = true;
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    return true;
}

// The drag starts once the held button has moved the mouse past the threshold: OnOleDrag may
// refuse it; a header drags its column, cells their selection. After a move the source cells
// are emptied (or their rows removed), except those a drop on this grid wrote.
void TExtStringGrid::StartCellDrag(Integer ACol, Integer ARow, Integer X, Integer Y)
{
    if (!FSelectionClick || ACol < 0 || ARow < 0 || GetKeyState(VK_LBUTTON) >= 0) return;
    if (std::abs(X - Clickposx) <= DragThreshold && std::abs(Y - Clickposy) <= DragThreshold) return;
    const TDragDropSettings& settings = *DragDropSettings();
    if (!settings.OleDropSource || GridState() == gsColSizing) return;
    FSelectionClick = false;
    const Integer real = RealColIndex(ACol);
    bool allow = !(settings.OleColumnsOnly && ARow >= FixedRows());
    if (OnOleDrag) OnOleDrag(this, ARow, real, GetCellEx(real, ARow), allow);
    if (!allow) {
        if (GridState() == gsNormal) SetGridState(gsSelecting);
        return;
    }
    if (OnOleDragStart) OnOleDragStart(this, ARow, real);
    DoStartBlockFocus();
    if (ARow < FixedRows() && settings.OleColumnDragDrop) {
        const TCellDragResult result = RunColumnDrag(real);
        if (!result.Cancelled && OnOleDragStop) OnOleDragStop(this, result.Effect);
        return;
    }
    FDropSelection = Selection();
    FDroppedBlock = {-1, -1, -1, -1};
    const TCellDragResult result = RunCellDrag(SelectedText(), GetCellEx(real, ARow));
    if (result.Cancelled) return;
    if (!settings.OleCopyAlways && result.Effect == DropEffectMove) RemoveDraggedCells();
    if (OnOleDragStop) OnOleDragStop(this, result.Effect);
}

void TExtStringGrid::RemoveDraggedCells()
{
    const bool disjunctRows = MouseActions()->DisjunctRowSelect();
    if (DragDropSettings()->OleRemoveRows && (Options() & goRowSelect)) {
        if (disjunctRows)
            RemoveSelectedRows();
        else
            DeleteRowRange(FDropSelection.Top, FDropSelection.Bottom - FDropSelection.Top + 1);
    } else if (disjunctRows) {
        ClearSelection();
    } else {
        ClearDraggedCells();
    }
}

// The release of a press that did not become a drag selects the released cell (its row under
// row selection).
void TExtStringGrid::ReleaseSelectionClick(Integer ACol, Integer ARow)
{
    if (!FSelectionClick) return;
    FSelectionClick = false;
    if (ACol < FixedCols() || ARow < FixedRows()) return;
    if (Options() & goRowSelect)
        SetSelection({FixedCols(), ARow, ColCount() - 1, ARow});
    else
        FocusCell(ACol, ARow);
}

// The data exchange runs the drag and tells where the drop landed; until it is built nothing
// is dragged and the answer is a cancel.
TExtStringGrid::TCellDragResult TExtStringGrid::RunCellDrag(const String& /*Text*/, const String& /*RichText*/)
{
    return {};
}

TExtStringGrid::TCellDragResult TExtStringGrid::RunColumnDrag(Integer /*RealCol*/) { return {}; }

}  // namespace gw
