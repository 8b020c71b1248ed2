// TExtStringGrid: the left button's release (the end of a column or row move, the click on a
// header that sorts), the double click (a header border fits its column, OnDblClickCell) and the
// right button (the cell under it selected, the row marks kept for a pop-up menu).
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/runtime/clock.h"
#include "platform/runtime/scope.h"
#include "platform/ui/message_records.h"

namespace gw {

namespace {

// A double click this near a header cell's edge fits the column left of that edge.
constexpr Integer AutoSizeZone = 3;
// A release this near a header cell's edge ends a sizing, not a click.
constexpr Integer SizingReleaseZone = 4;
// The drop-down button of a header cell takes its rightmost pixels.
constexpr Integer DropDownButtonWidth = 16;

}  // namespace

bool TExtStringGrid::EnhancedMoveUnderWay() const
{
    return EnhRowColMove && (GridState() == gsColMoving || GridState() == gsRowMoving);
}

// --- the left button's release ------------------------------------------------------------------

void TExtStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    const TGridRect taken = Selection();
    // A release on a header's filter glyph opens its list; any other release closes it.
    FilterDropDownMouseUp(X, Y);
    FDropDownDown = false;
    if (Button != mbLeft) {
        if (ReleaseSteps(Button, Shift, X, Y, taken) && !(Button == mbRight && EnhancedMoveUnderWay()))
            InheritedMouseUp(Button, Shift, X, Y);
        return;
    }
    Integer ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    ColMoveFlg = false;
    ColSizeFlg = false;
    FMouseDown = false;
    FMouseDownMove = false;
    MouseSelectMode = msNormal;
    FMouseSelectStart = -1;
    FCtrlDown = false;
    FDropDownDown = false;
    RepaintListViewHeaders();
    const bool sizing =
        GridState() == gsColSizing || GridState() == gsRowSizing || FSizingFixed || FSizingFixedR;
    ReleaseFixedSizing(X, Y);
    ReleaseFixedCellButton();
    const bool moving = GridState() == gsColMoving || GridState() == gsRowMoving;
    if (moving) EndMoveVisuals();
    if (FPushedCellButton.X >= 0 && !ReleaseCellButton(ACol, ARow, X, Y)) return;
    if (FScrollHintShow && (IsDesigning() || HintShowSizing)) ReleaseSizingHint();
    if (!ReleaseSteps(Button, Shift, X, Y, taken)) return;
    ReleaseSelectionClick(ACol, ARow);
    ReleaseDisjunct(ACol, ARow);
    // The base grid ends a sizing or a move here: its width change or MoveColumn sets the flags.
    InheritedMouseUp(Button, Shift, X, Y);
    ReleaseSelectionResizer();
    ColSizeFlg = ColSizeFlg || sizing;
    Movecell = -1;
    if (ColMoveFlg || ColSizeFlg || moving || ACol < 0 || ARow < 0) return;
    if (ACol >= FixedCols() || SortSettings()->FixedCols) ClickToSort(ACol, ARow, X, Y, Shift);
}

bool TExtStringGrid::ReleaseSteps(TMouseButton Button, TShiftState Shift, Integer X, Integer Y, const TGridRect& Taken)
{
    if ((GridState() == gsColSizing && X > Width()) || (GridState() == gsRowSizing && Y > Height())) {
        // A sizing let go outside the grid is cancelled: the width or height stays.
        SetGridState(gsNormal);
        SetMouseCapture(false);
        Invalidate();
        return false;
    }
    Integer ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (Button == mbLeft && ACol >= 0 && ARow >= 0 && MouseActions()->DisjunctCellSelect() &&
        !DisjunctCellClick(ACol, ARow, Shift))
        return false;
    if ((Button == mbLeft || (Button == mbRight && MouseActions()->SelectOnRightClick)) &&
        !(Taken == FPressSelection)) {
        DoSelectionChanged(Taken.Left, Taken.Top, Taken.Right, Taken.Bottom);
        FPressSelection = Taken;
    }
    return true;
}

// The base grid's release; a pressed header cell repaints, and a selection it changed is reported.
void TExtStringGrid::InheritedMouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    const TGridRect before = Selection();
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    Integer ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol >= 0 && ARow == FixedRows() - 1 && IsHoverFixedCell(ACol, ARow) &&
        ControlLook()->FixedGradientDownFrom() != TColor(0x1FFFFFFF))
        RepaintCell(ACol, ARow);
    ReportSelectionChange(before);
}

bool TExtStringGrid::ReleaseCellButton(Integer ACol, Integer ARow, Integer X, Integer Y)
{
    const TPoint held = FPushedCellButton;
    FPushedCellButton = {-1, -1};
    SetMouseCapture(false);
    const bool onCell = ACol >= 0 && ARow >= 0;
    const bool noDisabledLook = ControlLook()->NoDisabledButtonLook();
    const bool enabled = onCell && !noDisabledLook ? IsEditableCell(ACol, ARow) : (Options() & goEditing) != 0;
    const bool fixedCol = held.X < FixedCols(), fixedRow = held.Y < FixedRows();
    if (!enabled && !noDisabledLook && !fixedCol && !fixedRow) return true;
    if (!IsNode(held.Y)) PushButton(held.X, held.Y, false);
    if (!onCell) return true;
    const TPoint base = BaseCell(ACol, ARow);
    const TPoint at{X, Y};
    // A fixed cell acts as a whole button.
    const bool whole = (FixedAsButtons && fixedCol) || fixedRow;
    const bool onButton = HasButton(base.X, base.Y) && PtInRect(CellButtonRect(base.X, base.Y), at);
    const bool onExpand = HasExpand(base.X, base.Y) && PtInRect(CellExpandRect(base.X, base.Y), at);
    if (onButton || whole) DoButtonClick(held.X, held.Y);
    if (HasExpand(base.X, base.Y) && (onExpand || whole)) {
        ToggleExpand(held.X, held.Y);
        DoExpandClick(held.X, held.Y, GetExpandState(held.X, held.Y));
    }
    return !onButton && !onExpand;
}

void TExtStringGrid::SimulateCellClick(Integer ACol, Integer ARow)
{
    const TRect r = CellRect(ACol, ARow);
    const TTemporaryChange forced(FForceSel, true);
    const TTemporaryChange down(OnMouseDown, TMouseEvent{});
    const TTemporaryChange up(OnMouseUp, TMouseEvent{});
    MouseDown(mbLeft, 0, r.Left + 2, r.Top + 2);
    MouseUp(mbLeft, 0, r.Left + 2, r.Top + 2);
}

void TExtStringGrid::ClickToSort(Integer ACol, Integer ARow, Integer X, Integer Y, TShiftState Shift)
{
    const Integer col = RealColIndex(ACol);
    bool state = false;
    Integer index = -1;
    if (HasCheckBox(ACol, ARow) && GetCheckBoxState(ACol, ARow, state) && OnCheckBoxMouseUp)
        OnCheckBoxMouseUp(this, col, ARow, state);
    if (HasRadioButton(ACol, ARow) && GetRadioIdx(ACol, ARow, index) && OnRadioMouseUp)
        OnRadioMouseUp(this, col, ARow, index);
    if (FDblClk) {
        FDblClk = false;
        return;
    }
    const TRect r = CellRect(ACol, ARow);
    if (ARow == 0 && (Options() & goColSizing) && (X - r.Left < SizingReleaseZone || r.Right - X < SizingReleaseZone))
        return;
    Integer pressCol = -1, pressRow = -1;
    MouseToCell(Clickposx, Clickposy, pressCol, pressRow);
    if (X >= r.Right - DropDownButtonWidth &&
        ((ControlLook()->FixedDropDownButton && CanShowFixedDropDown(col)) || GetColumnFilter(col)))
        return;
    TSortSettings& sort = *SortSettings();
    const bool asked = ARow == sort.Row() && pressRow == sort.Row() && FixedRows() > 0 &&
        !IsInCheckBox(ACol, ARow, X, Y) && sort.Show() && RowCount() > 2;
    if (!asked) return;
    bool doSort = !IsIgnoredColumn(col);
    if (OnCanSort) OnCanSort(this, col, doSort);
    if (doSort)
        SortByClick(col, Shift);
    else
        InvalidateCell(ACol, sort.Row());
}

void TExtStringGrid::SortByClick(Integer RealCol, TShiftState Shift)
{
    TSortSettings& sort = *SortSettings();
    HideInplaceEdit();
    if (m_sortedRows->Count() != RowCount()) InitSortXRef();
    if (sort.AutoColumnMerge) SplitAllColumnCells();
    const Cardinal start = GetTickCount();
    const bool keepLeft = (Options() & goRowSelect) && Navigation()->KeepHorizScroll;
    const Integer left = LeftCol();
    if (sort.IndexShow)
        SortIndexedByClick(RealCol, (Shift & (sort.IndexSortKey == ikCtrl ? ssCtrl : ssShift)) != 0);
    else
        SortSingleByClick(RealCol);
    if (keepLeft) SetLeftCol(left);
    SortTime = GetTickCount() - start;
    if (sort.AutoColumnMerge) MergeAllColumnCells();
    if (CellControlCount() > 0) CellControlsUpdate(false);
    DoClickSort(sort.Column);
}

// The index list: the modifier adds a column or flips one already listed; a plain click flips
// the only column listed or starts the list anew with the clicked column.
void TExtStringGrid::SortIndexedByClick(Integer RealCol, bool Modifier)
{
    TSortSettings& sort = *SortSettings();
    TSortIndexList& list = SortIndexes();
    const bool initAscending = sort.InitSortDirection == sdAscending;
    if (Modifier) {
        if (list.FindIndex(RealCol) < 0)
            list.AddIndex(RealCol, initAscending);
        else
            list.ToggleIndex(RealCol);
    } else if (list.Count() == 1 && list.GetSortColumns(0) == RealCol) {
        list.ToggleIndex(RealCol);
    } else {
        list.Clear();
        list.AddIndex(RealCol, initAscending);
    }
    if (HasNodes())
        QSortGroupIndexed();
    else
        QSortIndexed();
    sort.Column = SortIndexes().Count() > 0 ? SortIndexes().GetSortColumns(0) : -1;
}

// The three-click cycle: the initial direction, the other one, and with UndoSort the unsorted
// order again.
void TExtStringGrid::SortSingleByClick(Integer RealCol)
{
    TSortSettings& sort = *SortSettings();
    bool undo = false;
    if (sort.Column == RealCol) {
        undo = sort.UndoSort && sort.Direction != sort.InitSortDirection;
        sort.ToggleDirection();
    } else {
        sort.Column = RealCol;
        sort.Direction = sort.InitSortDirection;
    }
    if (HasNodes()) {
        QSortGroup();
    } else if (undo) {
        QUnSort();
        sort.Column = -1;
    } else {
        QSort();
    }
}

void TExtStringGrid::DoClickSort(Integer ACol)
{
    if (OnClickSort) OnClickSort(this, ACol);
}

bool TExtStringGrid::CanShowFixedDropDown(Integer ACol)
{
    bool canShow = true;
    if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, canShow);
    return canShow;
}

// --- the double click ---------------------------------------------------------------------------

void TExtStringGrid::WMLButtonDblClk(TMessage& Message)
{
    const TWMMouse mouse(Message);
    const Integer X = mouse.Pos.X, Y = mouse.Pos.Y;
    Integer ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 && ARow >= 0) {
        if (FixedRowAlways) {
            TBaseGrid::WndProc(Message);
            return;
        }
        // Right of the last column counts as the last column's header.
        ACol = ColCount() - 1;
        ARow = 0;
    }
    if (ARow >= 0 && ARow < FixedRows() && (Options() & goColSizing) && MouseActions()->AutoSizeColOnDblClick) {
        const TRect r = CellRect(ACol, ARow);
        const bool leftEdge = X - r.Left <= AutoSizeZone, rightEdge = r.Right - X <= AutoSizeZone;
        if (leftEdge || (rightEdge && ACol >= FixedCols())) {
            FDblClk = true;
            const Integer sized = leftEdge ? ACol - 1 : ACol;
            if (sized >= FixedCols()) AutoSizeFromBorder(sized);
            TBaseGrid::WndProc(Message);
            return;
        }
    }
    if (ACol >= 0 && ARow >= 0) {
        const TPoint base = BaseCell(ACol, ARow);
        const TPoint at{X, Y};
        if ((HasButton(base.X, base.Y) && PtInRect(CellButtonRect(base.X, base.Y), at)) ||
            (HasExpand(base.X, base.Y) && PtInRect(CellExpandRect(base.X, base.Y), at)))
            return;
    }
    TBaseGrid::WndProc(Message);
    if (OnDblClickCell) OnDblClickCell(this, ARow, ACol);
    DblClickFixedCellEdit(ACol, ARow);
    if (!MouseActions()->EditOnDblClickOnly() || ACol < 0 || ARow < 0) return;
    // Editing is off between double clicks: the cell's own permission decides.
    const TTemporaryChange rangeEdit(MouseActions()->RangeSelectAndEdit, true);
    if (IsEditable(ACol, ARow)) {
        SetOptions(Options() | goEditing);
        FOldCol = ACol;
        FOldRow = ARow;
        ShowInplaceEdit();
    }
}

// OnColumnSize may refuse; an allowed fit ends with OnEndColumnSize.
bool TExtStringGrid::AutoSizeFromBorder(Integer ACol)
{
    bool allow = true;
    if (OnColumnSize) OnColumnSize(this, ACol, allow);
    if (!allow) return false;
    AutoSizeCol(ACol, 0);
    if (OnEndColumnSize) OnEndColumnSize(this, ACol);
    return true;
}

// --- the right button ---------------------------------------------------------------------------

void TExtStringGrid::WMRButtonDown(TMessage& Message)
{
    TBaseGrid::WndProc(Message);
    const TWMMouse mouse(Message);
    Integer ACol = -1, ARow = -1;
    MouseToCell(mouse.Pos.X, mouse.Pos.Y, ACol, ARow);
    const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() - FixedRightCols() &&
        ARow < RowCount() - FixedFooters();
    const bool keepSelected = MouseActions()->DisjunctCellSelect() && GetSelectedCells(ACol, ARow);
    if (MouseActions()->SelectOnRightClick && normalCell && !keepSelected) {
        RightClickSelect(ACol, ARow, mouse.Pos, mouse.Shift());
        if (MouseActions()->DisjunctRowSelect()) RightClickMarks(ARow, (mouse.Shift() & ssCtrl) != 0);
    }
    if (OnRightClickCell) OnRightClickCell(this, ARow, ACol);
}

void TExtStringGrid::RightClickSelect(Integer ACol, Integer ARow, TPoint At, TShiftState Shift)
{
    if (OnRightClickCell) {
        FocusCell(ACol, ARow);
    } else {
        MouseDown(mbLeft, Shift & ~TShiftState(ssRight), At.X, At.Y);
        MouseUp(mbLeft, Shift & ~TShiftState(ssRight), At.X, At.Y);
    }
    const TGridRect sel = Selection();
    const bool selected = ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
    if (selected) return;
    const TPoint base = BaseCell(ACol, ARow);
    const Integer left = LeftCol();
    MoveColRow(base.X, base.Y, true, true);
    if (Navigation()->KeepHorizScroll) SetLeftCol(left);
}

// Ctrl (or DisjunctRowSelectNoCtrl) flips the row's mark. With several rows marked and a pop-up
// menu attached, a click on a marked row keeps every mark for the menu; any other click leaves
// the clicked row the only one marked.
void TExtStringGrid::RightClickMarks(Integer ARow, bool Ctrl)
{
    if (Ctrl || MouseActions()->DisjunctRowSelectNoCtrl) {
        SetRowSelect(ARow, !GetRowSelect(ARow));
        return;
    }
    if (RowSelectCount() > 1 && PopupMenu() && GetRowSelect(ARow)) return;
    ClearRowSelect();
    SetRowSelect(ARow, true);
}

void TExtStringGrid::WMRButtonUp(TMessage& Message)
{
    // A right release during a move would open the pop-up menu over the dragged header.
    if (EnhancedMoveUnderWay()) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WndProc(Message);
}

}  // namespace gw
