// TExtStringGrid: the mouse wheel (scrolling, moving the current row, zooming with Ctrl), the
// zoom itself, the base grid's wheel steps, and middle-button panning with its picture.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/interaction/pan_indicator.h"
#include "grid/interaction/pointer_rules.h"
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"
#include "platform/ui/application.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

constexpr Integer ZoomLimit = 10;
constexpr UINT PanInterval = 10;

bool SameRect(const TGridRect& A, const TGridRect& B)
{
    return A.Left == B.Left && A.Top == B.Top && A.Right == B.Right && A.Bottom == B.Bottom;
}

// The cursor shape of a pan cursor number: the program's own cursor when it carries one,
// else the four-way arrow.
TCursor PanCursorShape(Integer Number)
{
    if (Screen->Cursors(Number) != 0) return TCursor(Number);
    const Integer handle = LoadCursorFromResource(u"#" + IntToStr(Number));
    if (handle == 0) return crSizeAll;
    Screen->SetCursors(Number, handle);
    return TCursor(Number);
}

}  // namespace

// --- zoom ------------------------------------------------------------------------------------

void TExtStringGrid::Zoom(Integer Factor)
{
    const Integer factor = FZoomFactor + Factor;
    if (factor < -ZoomLimit || factor > ZoomLimit) return;
    FZoomFactor = factor;
    {
        TTemporaryChange<bool> lock(FScrollLock, true);
        for (Integer c = 0; c < ColCount(); ++c)
            if (ColWidths(c) > 0 && ColWidths(c) + Factor > 0) SetColWidths(c, ColWidths(c) + Factor);
        for (Integer r = 0; r < RowCount(); ++r)
            if (RowHeights(r) > 0 && RowHeights(r) + Factor > 0) SetRowHeights(r, RowHeights(r) + Factor);
    }
    if (!m_scrollProportional) return;
    UpdateVertProportionalScroll();
    UpdateHorzProportionalScroll();
}

// --- the wheel message -----------------------------------------------------------------------

void TExtStringGrid::ReportSelectionChange(const TGridRect& Before)
{
    const TGridRect now = Selection();
    if (!SameRect(now, Before)) DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

void TExtStringGrid::WMWheel(TMessage& Message)
{
    const TGridRect before = Selection();
    const TWMMouseWheel wheel(Message);
    const bool down = wheel.WheelDelta < 0;
    // A parent that takes the wheel itself (a scrolling box) has it; the grid only keeps its
    // synchronised grid in step.
    if (Parent() && Parent()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam) != 0) {
        TBaseGrid::WndProc(Message);
        return;
    }
    if ((wheel.Shift() & ssCtrl) && IntelliZoom) {
        Zoom(down ? wheelscrl : -wheelscrl);
        AutoSizeCells(true, 4, 4);
        return;
    }
    if (!EnableWheel || (FixedRowAlways && RowCount() == 1)) return;
    const Integer n = WheelStep(MouseActions()->WheelIncrement, wheelscrl);
    const bool moves = MouseActions()->WheelAction() == waMoveSelection;
    Integer target = Row();
    if (moves)
        target = down ? Row() + n : Row() - n;
    else
        SetTopRow(WheelScrolledTopRow(TopRow(), n, down, FixedRows(), RowCount(), VisibleRowCount()));
    target = std::clamp(target, FixedRows(), std::max(FixedRows(), RowCount() - 1 - FFixedFooters));
    if (Col() < FixedCols() || Col() > ColCount() - 1) SetCol(std::clamp(Col(), FixedCols(), ColCount() - 1));
    Integer delta = 0;
    if (target >= 0 && target < RowCount()) {
        ++FUpdateCount;
        TScopeExit reset([this] { --FUpdateCount; });
        if (MouseActions()->DisjunctRowSelect() && moves) ClearRowSelect();
        delta = target - Row();
        const Integer leftCol = LeftCol();
        if (moves) WheelMoveRow(target);
        if ((Options() & goRowSelect) && Navigation()->KeepHorizScroll) SetLeftCol(leftCol);
    }
    bool handled = true;
    WheelRowMoved(delta, handled);
    if ((MouseActions()->WheelIncrement != 0 || MouseActions()->DisjunctRowSelect()) && handled) {
        Message.Result = 1;
        bool eventHandled = false;
        const TMouseWheelUpDownEvent& event = down ? OnMouseWheelDown : OnMouseWheelUp;
        if (event) event(this, KeyboardStateToShiftState(), wheel.Pos, eventHandled);
    }
    ReportSelectionChange(before);
    if (SearchFooter()->Visible() && TopRow() == RowCount() - VisibleRowCount()) KeepLastRowAboveSearchPanel();
}

// The row the wheel aims at, or, when the grid will not go there at once (a disabled row, a
// refusing handler), half the way to it with the view one row up.
void TExtStringGrid::WheelMoveRow(Integer Target)
{
    SetRowEx(Target);
    if (Row() == Target) return;
    const Integer step = WheelHalfStep(Target - Row());
    if (step != 0) SetRowEx(Row() + step);
    if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
}

void TExtStringGrid::WheelRowMoved(Integer /*Delta*/, bool& /*Handled*/) {}

// --- the base grid's wheel steps ---------------------------------------------------------------

bool TExtStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    return BaseWheelStep(true, Shift, MousePos);
}

bool TExtStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    return BaseWheelStep(false, Shift, MousePos);
}

bool TExtStringGrid::BaseWheelStep(bool Down, TShiftState Shift, TPoint MousePos)
{
    auto baseStep = [&] {
        return Down ? TBaseGrid::DoMouseWheelDown(Shift, MousePos) : TBaseGrid::DoMouseWheelUp(Shift, MousePos);
    };
    if (MouseActions()->WheelAction() == waScroll || !EnableWheel) {
        bool handled = false;
        const TMouseWheelUpDownEvent& event = Down ? OnMouseWheelDown : OnMouseWheelUp;
        if (event) event(this, Shift, MousePos, handled);
        return handled;
    }
    TTemporaryChange<bool> directEdit(MouseActions()->DirectEdit, false);
    if ((Options() & goRowSelect) && Navigation()->KeepHorizScroll) {
        const Integer leftCol = LeftCol();
        ++FUpdateCount;
        TScopeExit reset([this] { --FUpdateCount; });
        const bool result = baseStep();
        SetLeftCol(leftCol);
        return result;
    }
    const bool editing = EditMode();
    const bool result = Down || (Row() < RowCount() && Col() < ColCount()) ? baseStep() : true;
    if (editing && CanFocus()) SetFocus();
    return result;
}

// --- panning ------------------------------------------------------------------------------------

void TExtStringGrid::WMMButtonDown(TMessage& Message)
{
    if (wheelmsg != 0 && !wheelpan && IntelliPan != ipNone && RowCount() > FixedRows()) {
        prevcurs = Cursor();
        FPanCursor = PanCursor({0, 0});
        SetCursor(PanCursorShape(FPanCursor));
        wheelpan = true;
        SetTimer(Handle(), PanTimerIdentifier, PanInterval);
        wheelpanpos = TWMMouse(Message).Pos;
        SetCapture(Handle());
        SetShowHint(false);
        DrawPanIndicator();
    }
    TBaseGrid::WndProc(Message);
}

// While panning: a timer message steps it, a button press or key ends it (the press or key
// then does what it does). True when the message was handled whole here.
bool TExtStringGrid::PanningMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_TIMER:
        if (wheelmsg != 0 && IntelliPan != ipNone) PanStep();
        return false;
    case WM_MBUTTONDOWN:
        StopPanning();
        TBaseGrid::WndProc(Message);
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN: StopPanning(); return false;
    default: return false;
    }
}

void TExtStringGrid::StopPanning()
{
    ReleaseCapture();
    KillTimer(HandleIfAllocated(), PanTimerIdentifier);
    SetCursor(prevcurs);
    SetShowHint(true);
    wheelpan = false;
    FPanCursor = PanCursor({0, 0});
    ErasePanIndicator();
}

void TExtStringGrid::PanStep()
{
    const TGridRect before = Selection();
    const TPoint at = ScreenToClient(GetCursorPos());
    const TPoint dir = PanDirection({at.X - wheelpanpos.X, at.Y - wheelpanpos.Y}, IntelliPan);
    FPanCursor = PanCursor(dir);
    const Integer lastRow = std::max(FixedRows(), RowCount() - 1 - FFixedFooters);
    const Integer lastCol = std::max(FixedCols(), ColCount() - FFixedRightCols - 1);
    if (Row() < FixedRows() || Row() > lastRow) SetRowEx(std::clamp(Row(), FixedRows(), lastRow));
    if (Col() < FixedCols() || Col() > lastCol) SetCol(std::clamp(Col(), FixedCols(), lastCol));
    if (MouseActions()->WheelAction() == waScroll) {
        const Integer left =
            std::clamp(LeftCol() + dir.X, FixedCols(), std::max(FixedCols(), ColCount() - VisibleColCount()));
        const Integer top =
            std::clamp(TopRow() + dir.Y, FixedRows(), std::max(FixedRows(), RowCount() - VisibleRowCount()));
        if (left != LeftCol()) {
            ErasePanIndicator();
            SetLeftCol(left);
        }
        if (top != TopRow()) {
            ErasePanIndicator();
            SetTopRow(top);
        }
    } else {
        Integer col = Col(), row = Row();
        if ((dir.X < 0 && col > FixedCols()) || (dir.X > 0 && col < lastCol)) col += dir.X;
        if ((dir.Y < 0 && row > FixedRows()) || (dir.Y > 0 && row < lastRow)) row += dir.Y;
        const bool outOfView = row < TopRow() || row >= TopRow() + VisibleRowCount() || col < LeftCol() ||
            col >= LeftCol() + VisibleColCount();
        if (outOfView) ErasePanIndicator();
        if (col != Col()) SetCol(col);
        if (row != Row()) SetRowEx(row);
    }
    SetCursor(PanCursorShape(FPanCursor));
    DrawPanIndicator();
    ReportSelectionChange(before);
}

void TExtStringGrid::DrawPanIndicator()
{
    DrawOnWindow(false, [this](TCanvas& c) { DrawPanIndicatorShape(c, wheelpanpos, IntelliPan); });
}

void TExtStringGrid::ErasePanIndicator()
{
    if (!HandleAllocated()) return;
    const TRect r{wheelpanpos.X, wheelpanpos.Y, wheelpanpos.X + PanIndicatorEraseSize,
                  wheelpanpos.Y + PanIndicatorEraseSize};
    InvalidateRect(HandleIfAllocated(), &r, false);
}

}  // namespace gw
