// TExtStringGrid: the window and component messages beyond editing and the mouse - the grid
// timer's tick, painting under the update lock, sizing with proportional and stretched columns,
// and the enabled and colour changes.
#include "grid/foundation/int_list.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/model/column_size.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/runtime/strings.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <cmath>

namespace gw {

void TExtStringGrid::WMTimer(TMessage& Message)
{
    if (TWMTimer(Message).TimerId != GridTimerIdentifier) {
        TBaseGrid::WndProc(Message);
        return;
    }
    ++FTimerTicks;
    if (Navigation()->AutoGotoIncremental && ++SearchTics >= 4) {
        // The incremental search forgets its text on the fourth quiet tick.
        SearchInc.clear();
        SearchTics = 0;
    }
    if (Hovering && !IsDesigning()) HoverCellUnderMouse();
    if (EnableBlink) {
        FGridBlink = !FGridBlink;
        BlinkCells();
    }
}

void TExtStringGrid::HoverCellUnderMouse()
{
    if (!HandleAllocated()) return;
    const TPoint screen = GetCursorPos();
    if (WindowFromPoint(screen) != Handle()) return;
    const TPoint p = ScreenToClient(screen);
    if (p.X < 0 || p.Y < 0 || p.X >= ClientWidth() || p.Y >= ClientHeight()) return;
    Integer c = -1, r = -1;
    MouseToCell(p.X, p.Y, c, r);
    if (c < FixedCols() || c >= ColCount() || r < FixedRows() || r >= RowCount()) return;
    if (CanFocus()) SetFocus();
    SetRowEx(r);
    SetCol(c);
}

// Only shown cells whose text holds the blink tag repaint; the fixed corner does not.
void TExtStringGrid::BlinkCells()
{
    const Integer top = GetTopRowEx(), rows = VisibleRowCount(), left = LeftCol(), cols = VisibleColCount();
    const Integer lastRow = std::min(top + rows - 1, RowCount() - 1);
    const Integer lastReal = std::min(left + cols + NumHiddenColumns() - 1, ColCount() + NumHiddenColumns() - 1);
    auto blink = [this](Integer Real, Integer R) {
        if (UpperCase(GetGridCell(Real, R)).find(u"<BLI") != String::npos) RepaintCell(DisplColIndex(Real), R);
    };
    for (Integer r = top; r <= lastRow; ++r)
        for (Integer c = left; c <= lastReal; ++c) blink(c, r);
    const Integer lastFixedRowCol = std::min(left + cols - 1, ColCount() + NumHiddenColumns() - 1);
    for (Integer r = 0; r < FixedRows() && r < RowCount(); ++r)
        for (Integer c = left; c <= lastFixedRowCol; ++c) blink(c, r);
    for (Integer c = 0; c < FixedCols(); ++c)
        for (Integer r = top; r <= lastRow; ++r) blink(c, r);
}

void TExtStringGrid::WMPaint(TMessage& Message)
{
    if (FUpdateCount >= 1)
        Message.Result = 0;
    else
        TBaseGrid::WMPaint(Message);
    if (!TabStop() && FPaintCount == 0) {
        FPaintCount = 1;
        UpdateVertProportionalScroll();
    }
}

// The grid paints its whole area: the background is never erased.
void TExtStringGrid::WMEraseBkgnd(TMessage& Message) { Message.Result = 0; }

void TExtStringGrid::WMSize(TMessage& Message)
{
    const Integer width = Integer(Message.LParam & 0xFFFF);
    RealignSearchPanel();
    TColumnSize& size = *ColumnSize();
    if (FOldSize > 0 && size.SynchWithGrid) {
        HideInplaceEdit();
        // A single border takes a pixel on each side of the client width.
        const double factor = double(BorderStyle == bsSingle ? width + 2 : width) / FOldSize;
        const Integer from = size.SynchNormalCellsOnly ? FixedCols() : 0;
        const Integer to = size.SynchNormalCellsOnly ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
        for (Integer i = from; i <= to && i < m_origColSizes->Count(); ++i)
            SetColWidths(i, Integer(std::trunc(m_origColSizes->GetInteger(i) * factor)));
    }
    const bool stretched = StretchOnSize();
    if (stretched && ScrollBarAlways == saNone) {
        if (OnResize) OnResize(this);
        return;
    }
    TBaseGrid::WndProc(Message);
    if (ScrollProportional()) {
        UpdateHorzProportionalScroll();
        UpdateVertProportionalScroll();
    }
    if (stretched || FDisableSize) return;
    FDisableSize = true;
    SyncFlatVertScrollBar();
    SyncFlatHorzScrollBar();
    ShowFlatScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
    ShowFlatScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
    if (HandleAllocated()) {
        if (ScrollBars() != ssHorizontal && ScrollBars() != ssBoth) ShowScrollBar(Handle(), SB_HORZ, false);
        if (ScrollBars() != ssVertical && ScrollBars() != ssBoth) ShowScrollBar(Handle(), SB_VERT, false);
    }
    FDisableSize = false;
}

// The stretch column fills the client width; true when the size counts as stretched.
bool TExtStringGrid::StretchOnSize()
{
    TColumnSize& size = *ColumnSize();
    if (!size.Stretch() || (ScrollBarAlways != saNone && ScrollBarAlways != saVert)) return false;
    const Integer stretch = size.StretchColumn == -1 ? ColCount() - 1 : size.StretchColumn;
    Integer sum = 0;
    for (Integer c = 0; c < ColCount(); ++c)
        if (c != stretch) sum += ColWidths(c);
    bool stretched = false;
    if (sum < Width()) {
        StretchColumnToClient(size.StretchColumn);
        stretched = true;
    }
    if (ScrollBarAlways == saNone && HandleAllocated()) {
        if (ScrollBars() == ssHorizontal || ScrollBars() == ssBoth)
            ShowScrollBar(Handle(), SB_HORZ, sum + ColWidths(stretch) > ClientWidth());
        if (ScrollBars() == ssVertical || ScrollBars() == ssBoth)
            ShowScrollBar(Handle(), SB_VERT, RowCount() - FixedRows() > VisibleRowCount());
    }
    return stretched;
}

void TExtStringGrid::CMEnabledChanged(TMessage& Message)
{
    TBaseGrid::WndProc(Message);
    Invalidate();
}

void TExtStringGrid::CMColorChanged(TMessage& Message)
{
    TBaseGrid::WndProc(Message);
    if (m_floatingFooter->Visible()) FFooterPanel->Invalidate();
}

// Accelerators of the search footer's buttons; with the footer hidden the character is nobody's
// here and does not go on to the grid's children.
void TExtStringGrid::CMDialogChar(TMessage& Message)
{
    Message.Result = 0;
    if (!m_searchFooter->Visible()) return;
    if (SearchPanelAccelerator(Char(TWMChar(Message).CharCode))) Message.Result = 1;
}

// A cursor change the mouse-move handling did not announce ends a header select mode.
void TExtStringGrid::CMCursorChanged(TMessage& Message)
{
    TBaseGrid::WndProc(Message);
    if (!Invokedchange) MouseSelectMode = msNormal;
    Invokedchange = false;
}

void TExtStringGrid::ResetFixedCellHighlight()
{
    FSizeFixed = false;
    FSizeFixedR = false;
    FNoMouseLeave = false;
    if (HoverFixedCells == hfNone || (FHoverFixedX == -1 && FHoverFixedY == -1)) return;
    const Integer col = FHoverFixedX, row = FHoverFixedY;
    FHoverFixedX = -1;
    FHoverFixedY = -1;
    RepaintCell(col, row);
}

void TExtStringGrid::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

}  // namespace gw
