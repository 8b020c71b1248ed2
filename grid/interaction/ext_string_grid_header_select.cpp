// TExtStringGrid: selecting whole rows and columns with the mouse - a press on the top-left
// corner, a row header or a column header, dragging on over the headers, the select mode the
// pointer's place gives - and the disjunct row and column marks a press and release keep.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/text_utils.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/ui/application.h"
#include "platform/ui/backend.h"
#include "platform/ui/cursors.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

// Dragging over the row headers this near the grid's bottom edge scrolls one row a move.
constexpr Integer ScrollDownZone = 4;

TGridRect Ordered(Integer Left, Integer Top, Integer Right, Integer Bottom)
{
    return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
}

bool SameRect(const TGridRect& A, const TGridRect& B)
{
    return A.Left == B.Left && A.Top == B.Top && A.Right == B.Right && A.Bottom == B.Bottom;
}

}  // namespace

// --- the press ----------------------------------------------------------------------------------

// Before a press on a body cell: Shift spans the rows from the press to the selection's corner
// and ends the press; Ctrl (or DisjunctRowSelectNoCtrl) on a marked row or column notes it for
// the release to unmark; a plain press forgets every mark (Alt keeps the row marks).
bool TExtStringGrid::PressDisjunct(Integer ACol, Integer ARow, TShiftState Shift, const TGridRect& Before,
                                   TMessage& Message)
{
    TMouseActions& actions = *MouseActions();
    const bool hotmailBox = ACol == 0 && actions.HotmailRowSelect();
    if (actions.DisjunctRowSelect() && ARow >= FixedRows() && !hotmailBox) {
        if (Shift & ssShift) {
            TBaseGrid::WndProc(Message);
            SetSelection(Ordered(ACol, ARow, Before.Left, Before.Top));
            return true;
        }
        if ((Shift & ssCtrl) || actions.DisjunctRowSelectNoCtrl) {
            FDeselectState = GetRowSelect(SelectionRow(ARow));
        } else {
            FMouseDown = true;
            if (!(Shift & ssAlt)) ClearRowSelect();
        }
    }
    if (actions.DisjunctColSelect() && ACol >= FixedCols()) {
        if (Shift & ssCtrl) {
            FDeselectState = FDeselectState || GetColSelect(ACol);
        } else {
            FMouseDown = true;
            ClearColSelect();
        }
    }
    return false;
}

// A press on a header: the top-left corner selects every body cell, a row header its row and a
// column header its column (Shift: up to the selection), in the select mode the pointer gave.
// (The column or row a move carries is taken when the move starts, FollowMove.)
void TExtStringGrid::PressHeaderSelect(Integer ACol, Integer ARow, TShiftState Shift)
{
    TMouseActions& actions = *MouseActions();
    const bool rangeSelect = (Options() & goRangeSelect) != 0;
    const TGridRect sel = Selection();
    const Integer oldCol = Col(), oldRow = Row();
    TGridRect chosen{-1, -1, -1, -1};
    if (ACol < FixedCols() && ARow < FixedRows()) {
        if (actions.AllSelect && rangeSelect && MouseSelectMode == msAll) {
            if (CanFocus()) SetFocus();
            chosen = {FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
            AdjustClickSelection(chosen);
        }
    } else if (ACol < FixedCols() && ARow >= FixedRows()) {
        if (actions.RowSelect && MouseSelectMode == msRow) {
            if (EditorMode() && CanFocus()) SetFocus();
            chosen = {FixedCols(), (Shift & ssShift) ? std::min(ARow, sel.Top) : ARow, ColCount() - 1,
                      (Shift & ssShift) ? std::max(ARow, sel.Top) : ARow};
            FMouseSelectStart = ARow;
        }
    } else if (ARow < FixedRows() && ACol >= FixedCols()) {
        if (actions.ColSelect && rangeSelect && MouseSelectMode == msColumn) {
            if (CanFocus()) SetFocus();
            const Integer from = (Shift & ssShift) ? (ACol < sel.Left ? sel.Right : sel.Left) : ACol;
            chosen = Ordered(from, FixedRows(), ACol, RowCount() - 1);
            FMouseSelectStart = ACol;
        }
    }
    if (chosen.Left >= 0) {
        if (actions.DisjunctCellSelect()) m_selectedCells->Clear();
        SetSelection(chosen);
        if (ActiveCellShow()) RepaintActiveHeaders(oldCol, oldRow, Col(), Row());
    }
}

// --- the move -----------------------------------------------------------------------------------

// Dragging on from a row (column) header press spans the rows (columns) from where it began to
// the one under the pointer; near the bottom edge, or above the body, the rows scroll along.
void TExtStringGrid::DragSelectHeaders(Integer ACol, Integer ARow, Integer Y)
{
    if (FMouseSelectStart < 0) return;
    TMouseActions& actions = *MouseActions();
    TGridRect chosen{-1, -1, -1, -1};
    if (actions.RowSelect && MouseSelectMode == msRow) {
        if (ARow >= FixedRows() && ARow <= RowCount() - FixedFooters())
            chosen = Ordered(FixedCols(), FMouseSelectStart, ColCount() - 1, std::max(FixedRows(), ARow));
        if (Y > Height() - ScrollDownZone && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
        if (FixedRows() > 0 && Y < CellRect(0, 0).Bottom && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    } else if (actions.ColSelect && MouseSelectMode == msColumn && ACol >= 0) {
        chosen = Ordered(FMouseSelectStart, FixedRows(), std::max(FixedCols(), ACol), RowCount() - 1);
    }
    if (chosen.Left < 0 || SameRect(chosen, Selection())) return;
    SetSelection(chosen);
    if (SelectionRectangle) {
        FMoveSelection = chosen;
        Invalidate();
    }
}

// What a press here would select: every cell from the top-left corner, a column from a column
// header, a row from a row header; off the sizing edges and node glyphs only. Over a link: msURL.
void TExtStringGrid::NoteSelectMode(Integer ACol, Integer ARow, Integer X, Integer Y)
{
    if (IsDesigning() || FMouseSelectStart >= 0) return;
    MouseSelectMode = OnSelectionResizer(X, Y) ? msResize : msNormal;
    if (ACol < 0 || ARow < 0 || MouseSelectMode == msResize) return;
    TMouseActions& actions = *MouseActions();
    const bool onEdge = IsOnSizingEdge({X, Y});
    const bool floating =
        m_floatingFooter && m_floatingFooter->Visible() && m_floatingFooter->FooterStyle() == fsFixedLastRow;
    const Integer lastRow = RowCount() - (floating ? 2 : 1);
    if (ACol < FixedCols() && ARow < FixedRows()) {
        if (actions.AllSelect) MouseSelectMode = msAll;
    } else if (ARow < FixedRows()) {
        if (actions.ColSelect && !onEdge) MouseSelectMode = msColumn;
    } else if (ACol < FixedCols() && ARow <= lastRow) {
        const TRect r = CellRect(ACol, ARow);
        const bool onGlyph = ACol == 0 && IsNode(ARow) && IsOnNodeGlyph(ARow, X - r.Left);
        if (actions.RowSelect && !onEdge && !onGlyph) MouseSelectMode = msRow;
    }
    if (MouseSelectMode == msNormal && URLShow()) {
        // A plain text that is a link shows the hand; msURL keeps it when the cursor is asked for.
        const String text = GetCellEx(RealColIndex(ACol), ARow);
        if (ClassifyCellText(text, EnableHTML) != ctkMarkup && IsURL(text)) {
            MouseSelectMode = msURL;
            if (HasBackend()) Backend().SetCursorShape(Screen ? Screen->Cursors(crHandPoint) : crHandPoint);
        }
    }
}

// --- the release --------------------------------------------------------------------------------

// The marks follow the selection the press and drag made; a Ctrl press on a marked row or
// column takes its mark away.
void TExtStringGrid::ReleaseDisjunct(Integer ACol, Integer ARow)
{
    TMouseActions& actions = *MouseActions();
    if (actions.DisjunctRowSelect() && ACol >= 0 && !(ACol == 0 && IsNode(ARow))) {
        if (!(ACol == 0 && actions.HotmailRowSelect())) UpdateRowSelectFromSelection(false);
        if (FDeselectState && ARow >= FixedRows() && ARow < RowCount() - FixedFooters())
            SetRowSelect(SelectionRow(ARow), false);
        if (actions.HotmailRowSelect()) RepaintCell(0, 0);
        Invalidate();
    }
    if (actions.DisjunctColSelect()) {
        UpdateColSelectFromSelection(false);
        if (FDeselectState && ACol >= FixedCols() && ACol < ColCount() - FixedRightCols()) SetColSelect(ACol, false);
        Invalidate();
    }
    FDeselectState = false;
}

}  // namespace gw
