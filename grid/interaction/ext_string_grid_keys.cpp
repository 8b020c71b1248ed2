// TExtStringGrid: the keys - the grid's own WM_KEYDOWN handling before the key-down chain, the
// key-down override inside it (row moving, wrap-around, disabled rows, a synchronised grid) and
// the rows a key appends, inserts and deletes. The Tab walk is in ext_string_grid_tab_walk.cpp.
#include "grid/foundation/markup_text.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/foundation/sync_grid.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/show_modified.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"
#include "platform/ui/window_system.h"

#include <algorithm>
#include <utility>

namespace gw {

namespace {

bool Pressed(Integer VirtKey) { return GetKeyState(VirtKey) < 0; }

bool IsVertical(Word Key) { return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN; }

bool IsEditKey(Word Key) { return Key == VK_RETURN || Key == VK_F2; }

void Consume(TMessage& Message)
{
    Message.WParam = 0;
    Message.Result = 1;
}

}  // namespace

void TExtStringGrid::FireKeyDown(Word Key, TShiftState Shift)
{
    if (!OnKeyDown) return;
    Word copy = Key;
    OnKeyDown(this, copy, Shift);
}

void TExtStringGrid::ReportMovedSelection()
{
    const TGridRect now = Selection();
    if (now == FMoveSelection) return;
    DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    FMoveSelection = now;
}

void TExtStringGrid::WMKeyDown(TMessage& Message)
{
    const Word key = Word(Message.WParam);
    TShiftState shift = 0;
    if (Pressed(VK_CONTROL)) shift |= ssCtrl;
    if (Pressed(VK_SHIFT)) shift |= ssShift;
    if (Pressed(VK_LMENU)) shift |= ssAlt;
    TNavigation& nav = *Navigation();
    FMoveSelection = Selection();
    const Integer startCol = RealColIndex(Col()), startRow = Row(), leftCol = LeftCol();
    const bool keepHorz =
        IsVertical(key) && (Options() & goRowSelect) && LeftCol() != FixedCols() && nav.KeepHorizScroll;
    if (nav.MoveScrollOnly && ScrollOnlyKey(key)) {
        Message.Result = 1;
        return;
    }
    if (EditStartKey(Message, key, shift)) return;
    // Ctrl+F opens the search footer with its edit focused, so the text typed next is searched.
    if (key == 'F' && (shift & ssCtrl)) ShowSearchFooter();
    if (IsEditKey(key) || key == VK_SPACE) ControlCellKey(key);
    if (HomeEndKey(Message, key, shift)) return;
    if ((key == VK_LEFT || key == VK_RIGHT) && IsNode(RealRowIndex(Row())) &&
        IsMergedCell(RealColIndex(Col()), Row())) {
        if (key == VK_RIGHT)
            ExpandNode(RealRowIndex(Row()));
        else
            ContractNode(RealRowIndex(Row()));
    }
    if (RowSelectScrollKey(Message, key, shift)) return;
    if (key == VK_TAB && (Options() & goTabs)) {
        TabToNextCell(Pressed(VK_SHIFT));
        ReportMovedSelection();
        Message.Result = 0;
        return;
    }
    if (nav.SkipFixedCells && SkipFixedCellsKey(Message, key, shift)) return;
    if (key == VK_DOWN && IsOnLastRow() && nav.AppendOnArrowDown) AutoAppendRow();
    if (Selection() != FMoveSelection && SelectionRectangle) {
        InvalidateCellRange(Selection());
        FMoveSelection = Selection();
    }
    bool footerLocked = false;
    const Integer oldTopRow = TopRow();
    if (SearchFooterKeyBefore(Message, Word(Message.WParam), shift, footerLocked)) return;
    if (keepHorz) BeginUpdate();
    TBaseGrid::WndProc(Message);
    SearchFooterKeyAfter(key, oldTopRow, footerLocked);
    if (keepHorz) {
        SetLeftCol(leftCol);
        EndUpdate();
    }
    if (nav.AllowClipboardShortCuts && ClipboardKey(key, shift)) return;
    if (key == VK_INSERT && !(shift & (ssCtrl | ssShift)) && !Pressed(VK_MENU) && nav.AllowInsertRow) {
        InsertRowKey();
        return;
    }
    if (key == 'A' && (shift & ssCtrl)) {
        SelectAllKey();
        return;
    }
    DisjunctSelectionKey(key, shift);
    if (key == VK_DELETE && nav.AllowDeleteRow && !Pressed(VK_MENU) && RowCount() - FFixedFooters - FixedRows() >= 1)
        DeleteRowKey();
    // A key-down handler that made the key a Tab at the last scrolling column moves to the next row.
    if (key != VK_TAB && Word(Message.WParam) == VK_TAB && (Options() & goTabs) && FFixedRightCols > 0 &&
        startCol == ColCount() + NumHiddenColumns() - FFixedRightCols - 1) {
        const Integer lastData = RowCount() - FFixedFooters - 1;
        if (startRow == lastData)
            SetRowEx(FixedRows());
        else if (Row() + 1 < RowCount())
            SetRowEx(Row() + 1);
        SetCol(FirstNavigableCol());
    }
    if (IsEditKey(key)) {
        SaveEditSnapshot();
        // Mark-up with controls (shown as text here) edits its first edit-type control inline.
        if (HasControlTags(GetGridCell(RealColIndex(Col()), Row()))) ShowNextControlEditor(Col(), Row(), String());
        if (key == VK_F2) F2KeyHook();
    }
    ReportMovedSelection();
}

bool TExtStringGrid::ScrollOnlyKey(Word Key)
{
    const Integer top = TopRow(), visible = VisibleRowCount(), fixed = FixedRows(), count = RowCount();
    switch (Key) {
    case VK_PRIOR: SetTopRow(top > visible + fixed ? top - visible : fixed); return true;
    case VK_NEXT:
        if (top + visible < count) SetTopRow(top + visible);
        return true;
    case VK_END: SetTopRow(std::max(count - visible, fixed)); return true;
    case VK_HOME: SetTopRow(fixed); return true;
    case VK_UP:
        if (top > fixed) SetTopRow(top - 1);
        return true;
    case VK_DOWN:
        if (top + visible < count) SetTopRow(top + 1);
        return true;
    default: return false;
    }
}

// Enter and F2 under the editing-start modes: true when the key ended here.
bool TExtStringGrid::EditStartKey(TMessage& Message, Word Key, TShiftState Shift)
{
    if (!IsEditKey(Key)) return false;
    TMouseActions& mouse = *MouseActions();
    const Integer real = RealColIndex(Col());
    if (mouse.EditOnDblClickOnly() && !(Options() & goEditing)) {
        // Editable as under range-select-and-edit, which asks the cell whatever goEditing says.
        bool editable = false;
        {
            const bool kept = std::exchange(mouse.RangeSelectAndEdit, true);
            editable = IsEditable(real, Row());
            mouse.RangeSelectAndEdit = kept;
        }
        if (editable) SetOptions(Options() | goEditing);
    }
    if (mouse.RangeSelectAndEdit && !(Options() & goEditing)) {
        if (!IsEditable(real, Row())) {
            FireKeyDown(Key, Shift);
            Consume(Message);
            return true;
        }
        SetOptions(Options() | goEditing);
        ShowInplaceEdit();
        if (Key == VK_F2) {
            // The base grid's F2 switches the editor over: passed on, it would close it again.
            FireKeyDown(Key, Shift);
            SaveEditSnapshot();
            F2KeyHook();
            Message.WParam = 0;
            Message.Result = 0;
            return true;
        }
    }
    if ((Options() & goEditing) && !IsEditable(real, Row())) {
        FireKeyDown(Key, Shift);
        Consume(Message);
        return true;
    }
    if (EnableHTML && UpperCase(GetGridCell(real, Row())).find(u"<CONTROL") != String::npos) {
        Message.Result = 1;
        return true;
    }
    if (Key == VK_RETURN && !IsEditable(real, Row())) {
        TForm* form = OwnerForm();
        if (form && form->KeyPreview) {
            TBaseGrid::WndProc(Message);
            return true;
        }
        FireKeyDown(Key, Shift);
        Consume(Message);
        return true;
    }
    return false;
}

// Enter or Space on a cell holding a clickable control: the check box, radio or button acts.
void TExtStringGrid::ControlCellKey(Word Key)
{
    const Integer real = RealColIndex(Col()), row = Row();
    if (!HasControlGraphic(real, row)) return;
    bool canEdit = (Options() & goEditing) || MouseActions()->RangeSelectAndEdit;
    CanEditCell(real, row, canEdit);
    const TControlLook& look = *ControlLook();
    if (Key == VK_SPACE && (canEdit || look.CheckAlwaysActive) && HasCheckBox(real, row)) {
        ToggleCellCheckBox(real, row, true);
        if (ShowModified()->Enabled) {
            SetRowModified(row, true);
            RepaintCell(0, row);
        }
        bool state = false;
        GetCheckBoxState(real, RealRowIndex(row), state);
        DoCheckBoxClick(real, row, state);
    } else if (Key == VK_SPACE && (canEdit || look.RadioAlwaysActive) && IsRadio(real, row)) {
        SelectNextRadioItem(real, row, true);
        Integer index = -1;
        GetRadioIdx(real, row, index);
        if (OnRadioClick) OnRadioClick(this, real, row, index);
    } else if (Key == VK_SPACE && (canEdit || look.RadioAlwaysActive) && HasRadioButton(real, row)) {
        SetRadioButtonColumnIndex(real, row);
        if (OnRadioButtonClick) OnRadioButtonClick(this, real, row);
    } else if (canEdit && HasButton(real, row)) {
        DoButtonClick(real, row);
    }
    RepaintCell(Col(), row);
}

// Home and End by Navigation.HomeEndKey; true when the key ended here.
bool TExtStringGrid::HomeEndKey(TMessage& Message, Word Key, TShiftState Shift)
{
    if (Key != VK_HOME && Key != VK_END) return false;
    const THomeEndAction action = Navigation()->HomeEndKey;
    const bool ctrl = Shift & ssCtrl, shift = Shift & ssShift, home = Key == VK_HOME;
    const bool rowVariant = action == heFirstLastRow && !ctrl;
    const bool columnVariant = action == heFirstLastColumn && !ctrl && !(Options() & goRowSelect);
    if ((rowVariant || columnVariant) && FixedRowAlways && RowCount() == 1) {
        TBaseGrid::WndProc(Message);
        return true;
    }
    const Integer startRow = Row();
    const Integer lastData = RowCount() - FFixedFooters - 1;
    const bool floating = m_floatingFooter->Visible();
    if (action == heFirstLastCell && !ctrl) {
        if (home) {
            FocusCell(FixedCols(), FixedRows());
        } else {
            // The very last cell, a fixed right column's footer cell, is reached too.
            const TTemporaryChange force(FForceSel, true);
            FocusCell(ColCount() - 1, RowCount() - 1);
        }
        MoveToBaseCell();
    } else if (rowVariant) {
        const Integer leftCol = LeftCol();
        if (home) {
            SetRowEx(FixedRows());
            HomeEndRowSelection(startRow, Shift);
        } else {
            if (FFixedFooters > 0 && !floating) SetTopRow(std::max(RowCount() - VisibleRowCount(), FixedRows()));
            SetRowEx(floating && RowCount() > 2 ? RowCount() - 2 : lastData);
            HomeEndRowSelection(startRow, Shift);
            if (floating) SetTopRow(std::max(RowCount() - VisibleRowCount(), FixedRows()));
        }
        MoveToBaseCell();
        if ((Options() & goRowSelect) && Navigation()->KeepHorizScroll) {
            StartUpdate();
            SetLeftCol(leftCol);
            ResetUpdate();
        }
    } else if (action == heFirstLastColumn && ctrl && home) {
        const Integer first = FirstSelectableCol(FixedRows());
        if (first >= 0) FocusCell(first, FixedRows());
        SetLeftCol(FirstNavigableCol());
        MoveToBaseCell();
    } else if (columnVariant) {
        const Integer target = home ? FixedCols() : ColCount() - FFixedRightCols - 1;
        if (shift) {
            SetSelection({Col(), Row(), target, Row()});
            InvalidateRow(Row());
        } else if (home) {
            const Integer first = FirstSelectableCol(Row());
            if (first >= 0) FocusCell(first, Row());
            SetLeftCol(FirstNavigableCol());
            MoveToBaseCell();
        } else {
            const TTemporaryChange force(FForceSel, true);
            FocusCell(ColCount() - 1, Row());
            SetLeftCol(std::max(ColCount() - VisibleColCount(), FixedCols()));
            MoveToBaseCell();
        }
    } else {
        return false;
    }
    FireKeyDown(Key, Shift);
    Message.Result = 0;
    return true;
}

void TExtStringGrid::HomeEndRowSelection(Integer StartRow, TShiftState Shift)
{
    const bool disjunct = MouseActions()->DisjunctRowSelect();
    if (Shift & ssShift) {
        SetSelection({0, StartRow, ColCount() - 1, Row()});
        if (disjunct) UpdateRowSelectFromSelection(true);
    } else if (disjunct) {
        ClearRowSelect();
        UpdateRowSelectFromSelection(true);
    }
}

// Left and Right under row selection scroll the columns; true when the key ended here.
bool TExtStringGrid::RowSelectScrollKey(TMessage& Message, Word Key, TShiftState Shift)
{
    if ((Key != VK_LEFT && Key != VK_RIGHT) || !(Options() & goRowSelect)) return false;
    if (IsNode(RealRowIndex(Row())) || VisibleColCount() >= ColCount()) return false;
    auto scroll = [&] {
        if (Key == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
        if (Key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    };
    if (Navigation()->LeftRightRowSelect) {
        if (Shift & ssCtrl) scroll();
        return false;
    }
    scroll();
    FireKeyDown(Key, Shift);
    Message.Result = 0;
    return true;
}

// Arrows jump over fixed cells inside the data area; the key then goes on as no key. With
// right-to-left alignment the columns run leftwards, so Right goes back and Left on.
bool TExtStringGrid::SkipFixedCellsKey(TMessage& Message, Word Key, TShiftState Shift)
{
    const Integer c = Col(), r = Row();
    const Integer endCol = ColCount() - FFixedRightCols, lastData = RowCount() - FFixedFooters - 1;
    const bool rtl = UseRightToLeftAlignment();
    const Word back = rtl ? VK_RIGHT : VK_LEFT, onward = rtl ? VK_LEFT : VK_RIGHT;
    bool jumped = false;
    if (Key == back && c > FixedCols() && IsFixed(c - 1, r)) {
        Integer to = c - 1;
        while (to >= FixedCols() && IsFixed(to, r)) --to;
        if (to >= FixedCols()) SetCol(to);
        jumped = true;
    } else if (Key == onward && c + 1 < endCol && IsFixed(c + 1, r)) {
        Integer to = c + 1;
        while (to < endCol && IsFixed(to, r)) ++to;
        if (to < endCol) SetCol(to);
        jumped = true;
    } else if (Key == VK_UP && r > FixedRows() && IsFixed(c, r - 1)) {
        Integer to = r - 1;
        if (!(Options() & goRowSelect))
            while (to >= FixedRows() && IsFixed(c, to)) --to;
        if (to >= FixedRows()) SetRowEx(to);
        jumped = true;
    } else if (Key == VK_DOWN && r < lastData && IsFixed(c, r + 1)) {
        Integer to = r + 1;
        if (!(Options() & goRowSelect))
            while (to <= lastData && IsFixed(c, to)) ++to;
        if (to <= lastData) SetRowEx(to);
        jumped = true;
    }
    if (!jumped) return false;
    FireKeyDown(Key, Shift);
    Message.WParam = 0;
    return false;
}

// With the search footer shown and the grid scrolled to its end, the last row stays above it.
bool TExtStringGrid::SearchFooterKeyBefore(TMessage& Message, Word Key, TShiftState Shift, bool& Locked)
{
    if (!SearchFooter()->Visible() || TopRow() < RowCount() - VisibleRowCount()) return false;
    const bool lastRow = Row() >= RowCount() - 1;
    if (Key == VK_DOWN && lastRow) {
        KeepLastRowAboveSearchPanel();
        Message.Result = 1;
        FireKeyDown(Key, Shift);
        return true;
    }
    if (lastRow && ((Key == VK_RIGHT && Col() == ColCount() - 1) || (Key == VK_LEFT && Col() == FixedCols()))) {
        Message.Result = 1;
        FireKeyDown(Key, Shift);
        return true;
    }
    const bool navigation = Key >= VK_PRIOR && Key <= VK_DOWN;
    const bool modifier = Key == VK_SHIFT || Key == VK_MENU;
    const bool moving = Key == VK_NEXT || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DOWN;
    if (lastRow && (moving || (!navigation && !modifier))) {
        BeginUpdate();
        Locked = true;
    }
    return false;
}

void TExtStringGrid::SearchFooterKeyAfter(Word Key, Integer OldTopRow, bool Locked)
{
    const bool navigation = Key >= VK_PRIOR && Key <= VK_DOWN;
    if (Locked) {
        if (TopRow() >= RowCount() - VisibleRowCount() && !navigation && Key != VK_SHIFT && Key != VK_MENU)
            SetTopRow(OldTopRow);
        EndUpdate();
    }
    const bool moving = Key == VK_NEXT || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DOWN;
    if (moving && Row() == RowCount() - 1 && SearchFooter()->Visible()) KeepLastRowAboveSearchPanel();
}

bool TExtStringGrid::ClipboardKey(Word Key, TShiftState Shift)
{
    const bool ctrl = Shift & ssCtrl, shift = Shift & ssShift;
    auto run = [this](const TClipboardAllowEvent& Event, void (TExtStringGrid::*Operation)()) {
        bool allow = true;
        if (Event) Event(this, allow);
        if (allow) (this->*Operation)();
        return true;
    };
    if ((ctrl && Key == 'X') || (shift && Key == VK_DELETE))
        return run(OnClipboardCut, &TExtStringGrid::CutSelectionToClipboard);
    if ((ctrl && Key == 'V') || (shift && Key == VK_INSERT))
        return run(OnClipboardPaste, &TExtStringGrid::PasteSelectionFromClipboard);
    if (ctrl && (Key == 'C' || Key == VK_INSERT))
        return run(OnClipboardCopy, &TExtStringGrid::CopySelectionToClipboard);
    return false;
}

void TExtStringGrid::InsertRowKey()
{
    bool canInsert = true;
    DoCanInsertRow(Row(), canInsert);
    if (!canInsert) return;
    const Integer realRow = RealRowIndex(Row());
    Integer selectRow = Row();
    const bool filtered = FilterActive();
    SetFilterActive(false);
    if (realRow < RowCount()) SetRowEx(realRow);
    Integer at = realRow;
    if (Navigation()->InsertPosition == pInsertAfter) {
        if (FixedRowAlways && FixedRows() == RowCount()) {
            selectRow = 1;
        } else {
            at = realRow + 1;
            ++selectRow;
        }
    }
    AutoInsertRow(at);
    if (OnAutoInsertRow) OnAutoInsertRow(this, at);
    Modified = true;
    SetFilterActive(filtered);
    if (selectRow < RowCount()) SetRowEx(selectRow);
    CalcFooter(-1);
}

void TExtStringGrid::DeleteRowKey()
{
    const Integer realRow = RealRowIndex(Row());
    const bool filtered = FilterActive();
    SetFilterActive(false);
    bool canDelete = true;
    if (OnCanDeleteRow) OnCanDeleteRow(this, realRow, canDelete);
    if (!canDelete) {
        SetFilterActive(filtered);
        return;
    }
    AutoDeleteRow(realRow);
    SetFilterActive(filtered);
    if (m_floatingFooter->Visible() && Row() == RowCount() - 1) SetRowEx(RowCount() - 2);
    SaveEditSnapshot();
    Modified = true;
    CalcFooter(-1);
}

void TExtStringGrid::SelectAllKey()
{
    if (!(Options() & (goRowSelect | goRangeSelect))) return;
    const Integer lastData = RowCount() - FFixedFooters - 1;
    TGridRect all{FirstNavigableCol(), FixedRows(), ColCount() - FFixedRightCols - 1, lastData};
    if (all.Right < all.Left || all.Bottom < all.Top) return;
    if (MouseActions()->DisjunctRowSelect())
        for (Integer r = all.Top; r <= all.Bottom; ++r) SetRowSelect(r, true);
    AdjustSelectAllRect(all);
    SetSelection(all);
    FocusCell(all.Right, all.Bottom);
    const TRect cell = CellRect(all.Right, all.Bottom);
    MouseDown(mbLeft, 0, cell.Left + 2, cell.Top + 2);
    MouseUp(mbLeft, 0, cell.Left + 2, cell.Top + 2);
    FocusCell(all.Right, all.Bottom);
    SetSelection(all);
}

void TExtStringGrid::DisjunctSelectionKey(Word Key, TShiftState Shift)
{
    TMouseActions& mouse = *MouseActions();
    const Integer row = mouse.DisjunctRowSelect() && mouse.RowSelectPersistent ? MapDisplToRealRow(Row()) : Row();
    const bool ctrl = Shift & ssCtrl, shift = Shift & ssShift;
    if (Key >= VK_PRIOR && Key <= VK_DOWN) {
        if (mouse.DisjunctRowSelect()) {
            if (!shift && !ctrl)
                ClearRowSelect();
            else if (shift)
                UpdateRowSelectFromSelection(true);
            else
                SetRowSelect(row, true);
        }
        if (mouse.DisjunctColSelect()) {
            if (!shift && !ctrl)
                ClearColSelect();
            else if (!shift)
                SetColSelect(Col(), true);
        }
    }
    if (Key == VK_SPACE) {
        if (mouse.DisjunctRowSelect()) SetRowSelect(row, !GetRowSelect(row));
        if (mouse.DisjunctColSelect()) SetColSelect(Col(), !GetColSelect(Col()));
    }
}

void TExtStringGrid::AppendRow() { SetRowCount(RowCount() + 1); }

void TExtStringGrid::AutoAppendRow()
{
    bool canAdd = true;
    DoCanAddRow(canAdd);
    if (!canAdd) return;
    const bool floating = m_floatingFooter->Visible();
    if (floating || FFixedFooters == 0) {
        // The footer row keeps its place as the last row through the count change.
        AppendRow();
        ClearRows(floating ? RowCount() - 2 : RowCount() - 1, 1);
    } else {
        // Fixed footer rows stay the last rows: the new data row goes before them.
        InsertRows(RowCount() - FFixedFooters, 1, true);
    }
    if (floating || FFixedFooters > 0) SetRowEx(Row() + 1);
    if (floating) CalcFooter(-1);
    if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - (floating ? 2 : 1));
}

// --- the key-down override: row moving, wrap-around, disabled rows, a synchronised grid ----------

void TExtStringGrid::KeyDown(Word& Key, TShiftState Shift)
{
    FLastKeyCell = {Col(), GetRowEx()};
    const Integer startRow = GetRowEx();
    TBaseGrid::KeyDown(Key, Shift);
    const TNavigation& nav = *Navigation();
    if (nav.CursorMoveRows && (Shift & ssCtrl)) MoveSelectedRows(Key);
    if (nav.CursorAdvance != caDefault) WrapAround(Key);
    if (FUseEnabledRows && nav.SkipDisabledRows && GetRowEx() == startRow) SkipDisabledRow(Key, startRow);
    if (TExtStringGrid* other = m_syncGrid->Grid()) {
        if (m_syncGrid->SelectionColumn) other->SetCol(Col());
        if (m_syncGrid->SelectionRow) other->SetRowEx(GetRowEx());
    }
}

void TExtStringGrid::MoveSelectedRows(Word Key)
{
    const TGridRect sel = Selection();
    const Integer top = std::min(sel.Top, sel.Bottom), bottom = std::max(sel.Top, sel.Bottom);
    const Integer count = bottom - top + 1;
    if (Key == VK_DOWN && bottom < RowCount() - 1) {
        if (count == 1) {
            MoveRow(top, top + 1);
            FocusCell(Col(), top + 1);
        } else {
            MoveRows(top, top + 1, count);
            SetSelection({FixedCols(), top + 1, ColCount() - 1, bottom + 1});
        }
    } else if (Key == VK_UP && top > FixedRows()) {
        if (count == 1) {
            MoveRow(top, top - 1);
            FocusCell(Col(), top - 1);
        } else {
            MoveRows(top, top - 1, count);
            SetSelection({FixedCols(), top - 1, ColCount() - 1, bottom - 1});
        }
    }
}

void TExtStringGrid::WrapAround(Word Key)
{
    const bool snake = Navigation()->CursorAdvance == caSnake;
    const Integer lastRow = RowCount() - 1 - FFixedFooters, lastCol = ColCount() - 1 - FFixedRightCols;
    if (Key == VK_LEFT && FLastKeyCell.X == FixedCols()) {
        SetCol(lastCol);
        if (snake && GetRowEx() > FixedRows()) SetRowEx(GetRowEx() - 1);
    } else if (Key == VK_RIGHT && FLastKeyCell.X == ColCount() - 1) {
        SetCol(FixedCols());
        if (snake && GetRowEx() < lastRow) SetRowEx(GetRowEx() + 1);
    } else if (Key == VK_UP && FLastKeyCell.Y == FixedRows()) {
        SetRowEx(lastRow);
        if (snake && Col() > FixedCols()) SetCol(Col() - 1);
    } else if (Key == VK_DOWN && FLastKeyCell.Y == RowCount() - 1) {
        SetRowEx(FixedRows());
        if (snake && Col() < lastCol) SetCol(Col() + 1);
    }
}

void TExtStringGrid::SkipDisabledRow(Word Key, Integer StartRow)
{
    if (Key == VK_UP) {
        Integer r = StartRow - 1;
        while (r > FixedRows() && !GetRowEnabled(r)) --r;
        if (r >= FixedRows() && GetRowEnabled(r)) SetRowEx(r);
    } else if (Key == VK_DOWN) {
        Integer r = StartRow + 1;
        while (r < RowCount() - 1 && !GetRowEnabled(r)) ++r;
        if (r <= RowCount() - 1 && GetRowEnabled(r)) SetRowEx(r);
    }
}

}  // namespace gw
