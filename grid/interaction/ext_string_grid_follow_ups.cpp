// TExtStringGrid: what follows a scroll or a key release while editing - the open special editor
// closed by a scroll, the linked grid kept in step, the always-edit editor reopened, the disjunct
// cell selection - and the dialog code filter of an editor link's control.
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/sync_grid.h"
#include "grid/interaction/ext_rich_edit.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/grids/inplace_edit.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

bool IsArrow(Word Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

TGridRect Normalised(TGridRect R)
{
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    return R;
}

// A cell of the disjunct selection: the row in the high half, the column in the low half, formed
// without a signed overflow for rows from 32768 on.
Integer DisjunctKey(Integer ACol, Integer ARow)
{
    return static_cast<Integer>((uint32_t(ARow) << 16) | (uint32_t(ACol) & 0xFFFFu));
}

}  // namespace

void TExtStringGrid::TopLeftChanged()
{
    TBaseGrid::TopLeftChanged();
    // A scroll commits and closes a special editor; the text editor is the base grid's to place.
    if (FEditMode && EditControl != edNormal) HideInplaceEdit();
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (IsDesigning()) Invalidate();
    if (TExtStringGrid* linked = m_syncGrid->Grid()) {
        if (m_syncGrid->ScrollVertical) linked->SetTopRow(TopRow());
        if (m_syncGrid->ScrollHorizontal) linked->SetLeftCol(LeftCol());
    }
}

void TExtStringGrid::KeyUp(Word& Key, TShiftState Shift)
{
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || IsArrow(Key) || Key == VK_INSERT || Key == VK_DELETE)
        SearchInc.clear();
    const TGridRect oldSelection = Normalised(Selection());
    TBaseGrid::KeyUp(Key, Shift);
    const Integer row = GetRowEx();
    const Integer real = RealColIndex(Col());
    const bool graphic = CellHasProperties(real, row) && HasControlGraphic(real, row);
    if (Navigation()->AlwaysEdit && (IsArrow(Key) || (Key == VK_TAB && (Options() & goTabs))) && !graphic)
        ShowInplaceEdit();
    if (!MouseActions()->DisjunctCellSelect() || (Options() & goEditing)) return;
    const TGridRect now = Normalised(Selection());
    if (Shift & ssShift) {
        for (Integer r = oldSelection.Top; r <= oldSelection.Bottom; ++r)
            for (Integer c = oldSelection.Left; c <= oldSelection.Right; ++c) SelectDisjunctCell(c, r, false);
        for (Integer r = now.Top; r <= now.Bottom; ++r)
            for (Integer c = now.Left; c <= now.Right; ++c)
                if (c != Col() || r != row) SelectDisjunctCell(c, r, true);
    }
    if (Key != VK_SPACE) return;
    const TPoint base = BaseCell(real, row);
    const Integer baseCol = DisplColIndex(base.X);
    if (IsFixed(baseCol, base.Y)) return;
    bool allow = true;
    if (OnSelectCell) OnSelectCell(this, baseCol, base.Y, allow);
    if (!allow) return;
    ChooseDisjunctCell(baseCol, base.Y, (Shift & ssCtrl) != 0);
    if (now.Left != now.Right || now.Top != now.Bottom) AddSelectionToDisjunctCells(now, baseCol, base.Y);
    RepaintCell(Col(), row);
}

// Ctrl toggles the base cell; otherwise it alone stays in the disjunct cell list.
void TExtStringGrid::ChooseDisjunctCell(Integer BaseCol, Integer BaseRow, bool Toggle)
{
    TIntList& cells = *m_selectedCells;
    if (Toggle) {
        SelectDisjunctCell(BaseCol, BaseRow, !cells.HasValue(DisjunctKey(BaseCol, BaseRow)));
        return;
    }
    RepaintDisjunctCells();
    cells.Clear();
    SelectDisjunctCell(BaseCol, BaseRow, true);
}

// A range selection's cells other than the base cell join the list; every listed cell repaints.
void TExtStringGrid::AddSelectionToDisjunctCells(const TGridRect& S, Integer BaseCol, Integer BaseRow)
{
    for (Integer r = S.Top; r <= S.Bottom; ++r)
        for (Integer c = S.Left; c <= S.Right; ++c)
            if (c != BaseCol || r != BaseRow) SelectDisjunctCell(c, r, true);
    RepaintDisjunctCells();
}

void TExtStringGrid::RepaintDisjunctCells()
{
    const TIntList& cells = *m_selectedCells;
    for (Integer i = 0; i < cells.Count(); ++i)
        RepaintCell(cells.GetInteger(i) & 0xFFFF, Integer(uint32_t(cells.GetInteger(i)) >> 16));
}

bool TExtStringGrid::DisjunctCellClick(Integer ACol, Integer ARow, TShiftState Shift)
{
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    const Integer baseCol = DisplColIndex(base.X);
    if (!IsFixed(baseCol, base.Y)) {
        bool allow = true;
        if (OnSelectCell) OnSelectCell(this, baseCol, base.Y, allow);
        if (!allow) return false;
        // Shift adds the clicked cell itself, also inside a merged block.
        if (Shift & ssShift)
            SelectDisjunctCell(ACol, ARow, true);
        else
            ChooseDisjunctCell(baseCol, base.Y, (Shift & ssCtrl) != 0);
    } else if (!(Shift & ssCtrl) && !IsFixed(ACol, ARow)) {
        m_selectedCells->Clear();
        Invalidate();
    }
    const TGridRect s = Normalised(Selection());
    if (s.Left == s.Right && s.Top == s.Bottom) {
        RepaintCell(s.Left, s.Top);
        return true;
    }
    AddSelectionToDisjunctCells(s, baseCol, base.Y);
    RepaintCell(ACol, ARow);
    return true;
}

void TExtStringGrid::SelectDisjunctCell(Integer ACol, Integer ARow, bool Selected)
{
    const Integer key = DisjunctKey(ACol, ARow);
    if (Selected && !m_selectedCells->HasValue(key))
        m_selectedCells->Add(key);
    else if (!Selected)
        m_selectedCells->DeleteValue(key);
}

void TExtStringGrid::ControlDlgCodeFilter(TMessage& Message, const TWndMethod& Saved)
{
    if (Message.Msg == WM_GETDLGCODE && (Options() & goTabs)) {
        Message.Result |= DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS;
        return;
    }
    if (Saved) Saved(Message);
}

}  // namespace gw

namespace gw {

// While a commit holds the focus guard the grid behaves as if it kept the focus.
void TExtStringGrid::WMKillFocus(TMessage& Message)
{
    if (FBlockKill) {
        Message.Result = 1;
        return;
    }
    TBaseGrid::WndProc(Message);
    const Integer real = RealColIndex(Col());
    if (IsMergedCell(real, GetRowEx())) RepaintCell(Col(), GetRowEx());
    if (FCtrlDown) {
        FCtrlDown = false;
        RepaintCell(Col(), GetRowEx());
    }
}

// With AlwaysEdit the text editor comes back with the focus, unless the focus comes from it; a
// cell whose combo opens at once gets it even before the text editor was ever made.
void TExtStringGrid::WMSetFocus(TMessage& Message)
{
    if (InvokedFocusChange) {
        // The gain an editor link's pop-up causes as it closes. Left set, the flag would swallow
        // every later focus gain too, so it covers this one only.
        InvokedFocusChange = false;
        return;
    }
    const HWND from = TWMFocus(Message).Other;
    TBaseGrid::WndProc(Message);
    const Integer row = GetRowEx();
    const Integer real = RealColIndex(Col());
    if (HasCheckBox(real, row)) return;
    // A rich-text edit left open while another control had the focus ends as the grid takes it.
    if (InplaceRichEdit && InplaceRichEdit->Visible()) HideInplaceEdit();
    if (InplaceEditor() && Navigation()->AlwaysEdit && EditControl == edNormal &&
        from != InplaceEditor()->HandleIfAllocated() && GridState() == gsNormal) {
        if (CurrentCellInView() && CanEditCurrentCell()) {
            ShowInplaceEdit();
            Message.Result = 0;
            return;
        }
    } else if (!InplaceEditor() && Navigation()->AlwaysEdit && CanEditCurrentCell() && CurrentCellInView() &&
               !MouseActions()->DirectEdit && !ControlLook()->DropDownAlwaysVisible() && HasComboBox(real, row)) {
        ShowInplaceEdit();
    }
    if (IsMergedCell(real, row)) RepaintCell(Col(), row);
}

bool TExtStringGrid::CurrentCellInView() const
{
    const Integer row = GetRowEx();
    return Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && row >= TopRow() &&
        row < TopRow() + VisibleRowCount();
}

bool TExtStringGrid::CanEditCurrentCell()
{
    bool canEdit = true;
    CanEditCell(RealColIndex(Col()), GetRowEx(), canEdit);
    return canEdit;
}

}  // namespace gw
