// TGridCombo: the string grid's combo cell editor - keys, commit, cursor walk, type-ahead, wheel.
#include "grid/interaction/grid_combo.h"

#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/interaction/cell_editor_owner.h"
#include "grid/interaction/combo_type_ahead.h"
#include "grid/interaction/editor_grid_access.h"
#include "grid/model/ext_string_grid.h"
#include "platform/controls/edit_messages.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/string_list.h"
#include "platform/ui/application.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <vector>

namespace gw {

namespace {

bool IsArrow(Word Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

}  // namespace

TGridCombo::TGridCombo(TComponent* AOwner) : TEsgComboBox(AOwner), m_grid(OwningGrid(AOwner, u"TGridCombo"))
{
    SetButtonWidth(16);
    // The completion is the grid's (Lookup, LookupItems), not the platform combo's own.
    AutoComplete = false;
}

void TGridCombo::Dispatch(TMessage& M)
{
    if (M.Msg == WM_MOUSEWHEEL || (Grid().wheelmsg != 0 && M.Msg == UINT(Grid().wheelmsg))) {
        WMMouseWheel(M);
        return;
    }
    switch (M.Msg) {
    case CM_WANTSPECIALKEY: {
        const Word key = Word(M.WParam);
        M.Result = key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && Grid().EditorWantsTab());
        if (!M.Result) TEsgComboBox::Dispatch(M);
        return;
    }
    case WM_SETFOCUS: WMSetFocus(M); return;
    case WM_CHAR: WMChar(M); return;
    default: TEsgComboBox::Dispatch(M); return;
    }
}

// The keys the combo acts on: with the list showing (or a pick list) the arrows across move the
// grid's cursor; with a closed editable list the page and vertical keys leave the cell.
bool TGridCombo::ActsOn(Word Key, TShiftState Shift) const
{
    if (Key == VK_DOWN && (Shift & ssAlt)) return false;  // opens the list
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) return true;
    if (IsPickList() || DroppedDown()) return Key == VK_LEFT || Key == VK_RIGHT;
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_UP || Key == VK_DOWN;
}

void TGridCombo::KeyDown(Word& Key, TShiftState Shift)
{
    WorkMode = !(Key == VK_BACK || Key == VK_DELETE);
    if ((Key == VK_UP || Key == VK_DOWN) && !DroppedDown() && !(Shift & ssAlt) &&
        !Grid().Navigation()->ComboGetUpDown) {
        UpDownToGrid(Key, Shift);
        return;
    }
    if (!ActsOn(Key, Shift)) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        EscapeKey();
        Key = 0;
        return;
    }
    if ((Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) && !Commit(Key, false)) return;
    if (Key == VK_TAB && Grid().EditorWantsTab() && TabKey(Key, Shift)) return;
    if (IsPickList() || DroppedDown()) {
        {
            const TTemporaryChange noDirectClose(Grid().MouseActions()->DirectComboClose, false);
            Grid().HideInplaceEdit();
        }
        if (Key == VK_LEFT || Key == VK_RIGHT) Grid().KeyDown(Key, Shift);
        if (Key == VK_PRIOR || Key == VK_NEXT || IsArrow(Key)) Key = 0;
    } else if (Key == VK_END) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    EndByKey(Key, Shift);
}

void TGridCombo::UpDownToGrid(Word& Key, TShiftState Shift)
{
    TExtStringGrid& grid = Grid();
    grid.HideInplaceEdit();
    {
        const TTemporaryChange noAlwaysEdit(grid.Navigation()->AlwaysEdit, false);
        if (grid.CanFocus()) grid.SetFocus();
    }
    grid.KeyDown(Key, Shift);
    Key = 0;
}

void TGridCombo::EscapeKey()
{
    TExtStringGrid& grid = Grid();
    SetText(grid.GetCurrentCell());
    SelectItem(Text());
    // The cell keeps the text it had when the edit began, whatever the list can show.
    {
        const TTemporaryChange cancelled(grid.FEditCancelled, true);
        grid.HideInplaceEdit();
    }
    if (grid.CanFocus()) grid.SetFocus();
}

bool TGridCombo::Commit(Word& Key, bool TabKey)
{
    TExtStringGrid& grid = Grid();
    const String text = Text();
    {
        const TTemporaryChange writing(grid.FValidating, true);
        grid.SetCurrentCell(text);
    }
    if (!grid.ValidateCell(text)) {
        SetText(grid.FNewCellText);
        if (TabKey) {
            SetSelStart(Integer(Text().size()));
        } else if (!IsPickList()) {
            SelectAll();
        }
        Invalidate();
        if (Key == VK_RETURN) grid.FNoAutoAdvance = true;
        Key = 0;
        return false;
    }
    const String accepted = grid.GetCurrentCell();
    if (IsPickList()) {
        SelectItem(accepted);
    } else {
        SetText(accepted);
    }
    return true;
}

bool TGridCombo::TabKey(Word& Key, TShiftState Shift)
{
    TExtStringGrid& grid = Grid();
    if (!Commit(Key, true)) return true;
    if (!(grid.Options() & goTabs)) {
        PostMessage(grid.HandleIfAllocated(), WM_KEYDOWN, VK_TAB, 0);
        return false;
    }
    grid.HideInplaceEdit();
    // The grid's Tab walk (backwards with Shift held down now), over read-only and merged cells.
    TSpecialEditorAccess::TabToNextCell(grid, KeyboardStateToShiftState());
    (void)Shift;
    Key = 0;
    return true;
}

void TGridCombo::EndByKey(Word& Key, TShiftState Shift)
{
    TExtStringGrid& grid = Grid();
    grid.DoneInplaceEdit(Key, Shift);
    if (grid.Navigation()->AdvanceOnEnter && grid.Navigation()->AdvanceAutoEdit) grid.ShowInplaceEdit();
    Key = 0;
    TEsgComboBox::KeyDown(Key, Shift);
}

void TGridCombo::KeyPress(Char& Key)
{
    TExtStringGrid& grid = Grid();
    if (grid.OnKeyPress) grid.OnKeyPress(this, Key);
    if (Key == VK_ESCAPE) Key = 0;
    if (Key == VK_RETURN && OnReturnKey) OnReturnKey(this);
    if (Key == VK_RETURN || Key == VK_TAB) Key = 0;
    TEsgComboBox::KeyPress(Key);
}

// A typed character that selects another item reports it (the pick list's type-to-select).
void TGridCombo::WMChar(TMessage& M)
{
    const Integer before = ItemIndex();
    TEsgComboBox::Dispatch(M);
    // Typing that merely leaves the items (index -1) is reported by the edit change itself.
    const Integer index = ItemIndex();
    if (index == before || index < 0) return;
    TExtStringGrid& grid = Grid();
    grid.ReportComboChange(grid.RealColIndex(grid.Col()), grid.GetRowEx(), index, Items()->Get(index));
}

void TGridCombo::KeyUp(Word& Key, TShiftState Shift)
{
    TExtStringGrid& grid = Grid();
    const bool walk = Style() == csDropDown && grid.Navigation()->CursorWalkEditor &&
        !(KeyboardStateToShiftState() & ssShift) && !(Shift & ssShift);
    if (walk && Key == VK_LEFT && SelStart() == 0 && SelLength() == 0) WalkLeft(Key);
    if (walk && Key == VK_RIGHT && SelStart() == Integer(Text().size()) && SelLength() == 0) WalkRight(Key);
    grid.FNoAutoAdvance = false;
    if (Key != VK_RETURN) TEsgComboBox::KeyUp(Key, Shift);
    DoChange();
}

void TGridCombo::WalkLeft(Word& Key)
{
    Key = 0;
    TExtStringGrid& grid = Grid();
    if (grid.Col() <= grid.FixedCols()) return;
    const Integer row = grid.GetRowEx();
    if (grid.HasControlGraphic(grid.RealColIndex(grid.Col() - 1), row)) {
        if (grid.ValidateCell(Text())) {
            grid.HideInplaceEdit();
            grid.SetCol(grid.Col() - 1);
        }
        return;
    }
    WalkToNeighbour(false);
}

void TGridCombo::WalkRight(Word& Key)
{
    Key = 0;
    TExtStringGrid& grid = Grid();
    const Integer row = grid.GetRowEx();
    const Integer step = grid.CellSpan(grid.RealColIndex(grid.Col()), row).X + 1;
    if (grid.Col() >= grid.ColCount() - 1 - grid.FixedRightCols()) return;
    if (grid.Col() + step < grid.ColCount() && grid.HasControlGraphic(grid.RealColIndex(grid.Col() + step), row)) {
        if (grid.ValidateCell(Text())) {
            grid.HideInplaceEdit();
            grid.SetCol(grid.Col() + step);
        }
        return;
    }
    WalkToNeighbour(true);
}

void TGridCombo::WalkToNeighbour(bool Forward)
{
    TExtStringGrid& grid = Grid();
    TNavigation& nav = *grid.Navigation();
    if (grid.CanFocus()) grid.SetFocus();
    const TAdvanceDirection direction = nav.AdvanceDirection();
    nav.SetAdvanceDirection(adLeftRight);
    const TScopeExit restore([&] { nav.SetAdvanceDirection(direction); });
    grid.AdvanceToNextCell(grid.Col(), grid.GetRowEx(), true, true, Forward, false, true);
    // The advance opened the new cell's editor; it stays open only with CursorWalkAlwaysEdit.
    if (nav.CursorWalkAlwaysEdit)
        grid.ShowInplaceEdit();
    else
        grid.HideInplaceEdit();
}

void TGridCombo::DoChange()
{
    TExtStringGrid& grid = Grid();
    if (!WorkMode || !grid.Lookup) return;
    const TTypeAheadResult r =
        CompleteTypeAhead(Text(), SelStart(), *Items(), grid.LookupItems(), grid.LookupCaseSensitive);
    if (!r.Found) return;
    // Selecting the item shows it as stored; the text keeps the letters as typed.
    if (r.ItemIndex >= 0) SetItemIndex(r.ItemIndex);
    SetText(r.Text);
    SetSelStart(r.SelStart);
    SetSelLength(r.SelLength);
}

void TGridCombo::DoExit()
{
    TExtStringGrid& grid = Grid();
    if (grid.LookupHistory && !Text().empty() && Items()->IndexOf(Text()) < 0) Items()->Add(Text());
    grid.HideInplaceEdit();
    TEsgComboBox::DoExit();
}

void TGridCombo::Change()
{
    TEsgComboBox::Change();
    TExtStringGrid& grid = Grid();
    if (grid.OnEditChange) grid.OnEditChange(&grid, grid.Col(), grid.GetRowEx(), Text());
}

void TGridCombo::WMSetFocus(TMessage& M)
{
    TEsgComboBox::Dispatch(M);
    TExtStringGrid& grid = Grid();
    const bool editable = Style() == csDropDown;
    if (editable && !grid.Navigation()->EditSelectAll) SetSelStart(Integer(Text().size()));
    if (!grid.LButFlg) return;
    const TPoint p = ScreenToClient(Mouse->CursorPos());
    if (p.X < 0 || p.X > Width() || p.Y < 0 || p.Y > Height()) return;
    const LRESULT at = Perform(EM_CHARFROMPOS, 0, MakeLParam(p.X, p.Y));
    SetSelStart(Integer(at & 0xFFFF));
    SetSelLength(0);
    grid.LButFlg = false;
}

// The wheel steps through the items and is not passed on (the grid would scroll away).
void TGridCombo::WMMouseWheel(TMessage& M)
{
    M.Result = 1;
    const Integer delta = TWMMouseWheel(M).WheelDelta;
    const Integer count = Items()->Count();
    if (delta == 0 || count == 0) return;
    const Integer index = ItemIndex();
    // Towards the previous item with none selected there is nothing to step to.
    if (delta > 0 && index < 0) return;
    SelectByWheel(delta < 0 ? std::min(index + 1, count - 1) : std::max(index - 1, 0));
}

void TGridCombo::SelectByWheel(Integer Index)
{
    SetItemIndex(Index);
    TExtStringGrid& grid = Grid();
    const Integer real = grid.RealColIndex(grid.Col());
    const String text = Items()->Get(Index);
    if (grid.OnEditChange) grid.OnEditChange(&grid, real, grid.GetRowEx(), text);
    grid.ReportComboChange(real, grid.GetRowEx(), Index, text);
}

void TGridCombo::SizeDropDownWidth()
{
    std::vector<Integer> widths;
    TCanvas* canvas = Grid().Canvas();
    for (Integer i = 0; i < Items()->Count(); ++i) widths.push_back(canvas->TextWidth(Items()->Get(i)));
    Perform(CB_SETDROPPEDWIDTH, WPARAM(DropDownWidthFor(Width(), DropDownCount, widths)));
}

}  // namespace gw
