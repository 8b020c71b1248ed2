// TCustomGrid: the scrolled view - top-left cell, window scroll bars on the 0..127 range, the
// wheel and the auto-scroll of a drag past the edges.
#include "platform/grids/custom_grid.h"

#include "platform/runtime/scope.h"
#include "platform/ui/message_records.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

// The scroll bars' range: a position p stands for the first scrolling item
// MulDiv(p, Count - Visible - Fixed, ScrollRange) + Fixed.
constexpr Integer ScrollRange = 127;

// Value * Num / Den rounded to the nearest, halves away from zero, as the platform's MulDiv.
Integer MulDiv(int64_t Value, int64_t Num, int64_t Den)
{
    if (Den == 0) return -1;
    const int64_t p = Value * Num;
    const int64_t q = (p >= 0) == (Den > 0) ? (std::abs(p) + std::abs(Den) / 2) / std::abs(Den)
                                            : -((std::abs(p) + std::abs(Den) / 2) / std::abs(Den));
    return Integer(q);
}

}  // namespace

void TCustomGrid::SetLeftCol(Integer Value)
{
    MoveTopLeft(std::clamp(Value, m_fixedCols, ColCount() - 1), m_topLeft.Y);
}

void TCustomGrid::SetTopRow(Integer Value) { MoveTopLeft(m_topLeft.X, std::clamp(Value, m_fixedRows, RowCount() - 1)); }

void TCustomGrid::MoveTopLeft(Integer ALeft, Integer ATop)
{
    if (ALeft == m_topLeft.X && ATop == m_topLeft.Y) return;
    const TGridCoord old = m_topLeft;
    m_topLeft = {ALeft, ATop};
    if (const HWND h = HandleIfAllocated()) {
        // What scrolls: the rows below the fixed ones, the columns right of the fixed ones.
        const TRect client = ClientRect();
        if (ATop != old.Y) {
            const TRect r = Rect(0, Integer(std::min<int64_t>(m_rows.Start(m_fixedRows), client.Bottom)), client.Right,
                                 client.Bottom);
            ::gw::InvalidateRect(h, &r, false);
        }
        if (ALeft != old.X) {
            const TRect r = MirrorClientRect(Rect(Integer(std::min<int64_t>(m_cols.Start(m_fixedCols), client.Right)),
                                                  0, client.Right, client.Bottom));
            ::gw::InvalidateRect(h, &r, false);
        }
    }
    UpdateScrollPos();
    PlaceEditor();
    TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {}

void TCustomGrid::ClampInView(TGridCoord Cell)
{
    TGridCoord tl = m_topLeft;
    if (Cell.X >= m_fixedCols) {
        const TAxisView h = HorzView();
        if (Cell.X < tl.X)
            tl.X = Cell.X;
        else if (Cell.X > h.LastFull)
            tl.X = std::max(tl.X, FirstShowing(m_cols, m_fixedCols, h.Client, Cell.X));
    }
    if (Cell.Y >= m_fixedRows) {
        const TAxisView v = VertView();
        if (Cell.Y < tl.Y)
            tl.Y = Cell.Y;
        else if (Cell.Y > v.LastFull)
            tl.Y = std::max(tl.Y, FirstShowing(m_rows, m_fixedRows, v.Client, Cell.Y));
    }
    MoveTopLeft(tl.X, tl.Y);
}

// --- window scroll bars ----------------------------------------------------------------------------

void TCustomGrid::UpdateScrollRange()
{
    const HWND h = HandleIfAllocated();
    if (!h || m_updatingScrollBars) return;
    TTemporaryChange busy(m_updatingScrollBars, true);
    const Integer bar = GetSystemMetrics(SM_CXVSCROLL);
    const bool wantV = m_scrollBars == ssVertical || m_scrollBars == ssBoth;
    const bool wantH = m_scrollBars == ssHorizontal || m_scrollBars == ssBoth;
    // Whether an axis has something to scroll in a client extent.
    auto scrolls = [](const TGridAxis& Axis, Integer Fixed, Integer Client) {
        return MaxFirst(Axis, Fixed, Client) > Fixed;
    };
    bool needV = wantV && scrolls(m_rows, m_fixedRows, Height());
    const bool needH = wantH && scrolls(m_cols, m_fixedCols, Width() - (needV ? bar : 0));
    if (needH && !needV) needV = wantV && scrolls(m_rows, m_fixedRows, Height() - bar);
    for (auto [which, need] : {std::pair{SB_VERT, needV}, std::pair{SB_HORZ, needH}}) {
        if (need) SetScrollRange(h, which, 0, ScrollRange, false);
        ShowScrollBar(h, which, need || KeepsIdleScrollBar(which));
    }
    // Where everything fits, nothing may stay scrolled out of reach.
    TGridCoord tl = m_topLeft;
    if (!scrolls(m_cols, m_fixedCols, ClientWidth())) tl.X = m_fixedCols;
    if (!scrolls(m_rows, m_fixedRows, ClientHeight())) tl.Y = m_fixedRows;
    MoveTopLeft(tl.X, tl.Y);
    UpdateScrollPos();
}

Integer TCustomGrid::FirstToScrollPos(bool Vertical) const
{
    const Integer count = Vertical ? RowCount() : ColCount();
    const Integer fixed = Vertical ? m_fixedRows : m_fixedCols;
    const Integer visible = Vertical ? VisibleRowCount() : VisibleColCount();
    const Integer first = Vertical ? m_topLeft.Y : m_topLeft.X;
    const Integer span = count - visible - fixed;
    if (span <= 0) return 0;
    return std::clamp(MulDiv(first - fixed, ScrollRange, span), 0, ScrollRange);
}

Integer TCustomGrid::ScrollPosToFirst(bool Vertical, Integer Pos) const
{
    const Integer count = Vertical ? RowCount() : ColCount();
    const Integer fixed = Vertical ? m_fixedRows : m_fixedCols;
    const Integer visible = Vertical ? VisibleRowCount() : VisibleColCount();
    const Integer span = std::max(count - visible - fixed, 0);
    return MulDiv(std::clamp(Pos, 0, ScrollRange), span, ScrollRange) + fixed;
}

void TCustomGrid::UpdateScrollPos()
{
    const HWND h = HandleIfAllocated();
    if (!h) return;
    const Cardinal style = GetWindowStyle(h);
    if (style & WS_VSCROLL) SetScrollPos(h, SB_VERT, FirstToScrollPos(true), true);
    if (style & WS_HSCROLL) SetScrollPos(h, SB_HORZ, HorzBarPos(FirstToScrollPos(false)), true);
}

// With right-to-left alignment the horizontal bar runs the other way: its right end shows the
// first columns, so its position and its steps are mirrored.
Integer TCustomGrid::HorzBarPos(Integer Pos) const { return UseRightToLeftAlignment() ? ScrollRange - Pos : Pos; }

Word TCustomGrid::HorzBarCode(Word Code) const
{
    if (!UseRightToLeftAlignment()) return Code;
    switch (Code) {
    case SB_LINEUP: return SB_LINEDOWN;
    case SB_LINEDOWN: return SB_LINEUP;
    case SB_PAGEUP: return SB_PAGEDOWN;
    case SB_PAGEDOWN: return SB_PAGEUP;
    case SB_TOP: return SB_BOTTOM;
    case SB_BOTTOM: return SB_TOP;
    default: return Code;
    }
}

void TCustomGrid::ScrollMessage(bool Vertical, Word Code, Integer Pos)
{
    if (!Vertical) {
        Code = HorzBarCode(Code);
        Pos = HorzBarPos(Pos);
    }
    const TGridAxis& axis = Vertical ? m_rows : m_cols;
    const Integer fixed = Vertical ? m_fixedRows : m_fixedCols;
    const Integer client = Vertical ? ClientHeight() : ClientWidth();
    const Integer page = std::max(Vertical ? VisibleRowCount() : VisibleColCount(), 1);
    const Integer last = std::max(MaxFirst(axis, fixed, client), fixed);
    Integer first = Vertical ? m_topLeft.Y : m_topLeft.X;
    switch (Code) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_THUMBTRACK:
        if (!(m_options & goThumbTracking)) return;  // the view follows when the thumb is let go
        first = ScrollPosToFirst(Vertical, Pos);
        break;
    case SB_THUMBPOSITION: first = ScrollPosToFirst(Vertical, Pos); break;
    case SB_TOP: first = fixed; break;
    case SB_BOTTOM: first = last; break;
    case SB_ENDSCROLL: UpdateScrollPos(); return;
    default: return;
    }
    first = std::clamp(first, fixed, last);
    if (Vertical)
        MoveTopLeft(m_topLeft.X, first);
    else
        MoveTopLeft(first, m_topLeft.Y);
}

void TCustomGrid::WMSize(TMessage& M)
{
    TCustomControl::Dispatch(M);
    UpdateScrollRange();
    Invalidate();
    PlaceEditor();
}

// --- the wheel and the auto-scroll -------------------------------------------------------------------

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    if (Row() < RowCount() - 1) FocusCell(Col(), Row() + 1, true);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    if (Row() > m_fixedRows) FocusCell(Col(), Row() - 1, true);
    return true;
}

void TCustomGrid::TimedScroll()
{
    if (m_gridState == gsNormal) {
        KillTimer(HandleIfAllocated(), AutoScrollTimer);
        return;
    }
    TPoint p = ScreenToClient(GetCursorPos());
    p.X = MirrorClientX(p.X);
    const TAxisView h = HorzView(), v = VertView();
    auto step = [](const TAxisView& V, Integer P, Integer Last) -> Integer {
        if (P < V.FixedExtent && V.First > V.Fixed) return -1;
        if (P >= V.Client && V.First < Last) return 1;
        return 0;
    };
    const bool byRows = m_gridState != gsColSizing && m_gridState != gsColMoving;
    const bool byCols = m_gridState != gsRowSizing && m_gridState != gsRowMoving;
    const Integer dx = byCols ? step(h, p.X, MaxFirst(m_cols, m_fixedCols, h.Client)) : 0;
    const Integer dy = byRows ? step(v, p.Y, MaxFirst(m_rows, m_fixedRows, v.Client)) : 0;
    if (dx == 0 && dy == 0) return;
    MoveTopLeft(m_topLeft.X + dx, m_topLeft.Y + dy);
    // The selection (or the moving mark) follows to the edge the view moved to.
    if (m_gridState == gsSelecting)
        SelectAt(p.X, p.Y);
    else if (m_gridState == gsColMoving || m_gridState == gsRowMoving)
        MovingMoved(p.X, p.Y);
}

}  // namespace gw
