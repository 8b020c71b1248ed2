// TCustomGrid: the mouse - a press picks a state (selecting, sizing or moving a column or row,
// or a plain click) that moves and the release finish, or WM_CANCELMODE ends.
#include "platform/grids/custom_grid.h"

#include "platform/ui/application.h"
#include "platform/ui/backend.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

constexpr UINT AutoScrollInterval = 60;
// A press this near a grid line of the fixed cells sizes the column (row) before the line.
constexpr Integer SizingZone = 4;
// The moving mark is this wide.
constexpr Integer MarkWidth = 2;

}  // namespace

TGridState TCustomGrid::CalcSizingState(Integer X, Integer Y, Integer& Index, Integer& Offset) const
{
    return SizingStateAt(MirrorClientX(X), Y, Index, Offset);
}

TGridState TCustomGrid::SizingStateAt(Integer X, Integer Y, Integer& Index, Integer& Offset) const
{
    const TAxisView h = HorzView(), v = VertView();
    // The last line near the point wins, so that a column sized to nothing can be grown again.
    auto nearLine = [](const TGridAxis& Axis, const TAxisView& V, Integer P, Integer& I, Integer& Ofs) {
        const Integer last = V.LastPartial >= V.First ? V.LastPartial : V.Fixed - 1;
        for (Integer i = last; i >= 0; i = i == V.First ? V.Fixed - 1 : i - 1) {
            const int64_t distance = P - (V.PixelOf(Axis, i) + Axis.Size(i));
            if (distance >= SizingZone) return false;  // the lines further on lie left of this one
            if (distance > -SizingZone) {
                I = i;
                Ofs = Integer(distance);
                return true;
            }
        }
        return false;
    };
    if ((m_options & goColSizing) && Y < v.FixedExtent && nearLine(m_cols, h, X, Index, Offset)) return gsColSizing;
    if ((m_options & goRowSizing) && X < h.FixedExtent && nearLine(m_rows, v, Y, Index, Offset)) return gsRowSizing;
    return gsNormal;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    // A press focuses the grid; when the focus did not come (a control kept it), that is all.
    if (!(ComponentState() & csDesigning) && !Focused() && CanFocus()) SetFocus();
    if (!(ComponentState() & csDesigning) && !Focused()) return;
    if (Shift & ssDouble) DblClick();
    if (Button == mbLeft && m_gridState == gsNormal) {
        Integer index = 0, offset = 0;
        const Integer x = MirrorClientX(X);
        const TGridState sizing = SizingStateAt(x, Y, index, offset);
        const TGridCoord cell = MouseCoord(X, Y);
        const bool headerRow = cell.Y >= 0 && cell.Y < m_fixedRows, headerCol = cell.X >= 0 && cell.X < m_fixedCols;
        if (sizing != gsNormal) {
            m_gridState = sizing;
            m_sizingIndex = index;
            m_sizingOfs = offset;
            m_sizingPos = (sizing == gsColSizing ? x : Y) - offset;
            SetMouseCapture(true);
            InvalidateMirrored(SizingLineRect());
        } else if ((m_options & goColMoving) && headerRow && cell.X >= m_fixedCols) {
            m_gridState = gsColMoving;
            m_moveIndex = m_movePos = cell.X;
            SetMouseCapture(true);
            SetTimer(HandleIfAllocated(), AutoScrollTimer, AutoScrollInterval);
        } else if ((m_options & goRowMoving) && headerCol && cell.Y >= m_fixedRows) {
            m_gridState = gsRowMoving;
            m_moveIndex = m_movePos = cell.Y;
            SetMouseCapture(true);
            SetTimer(HandleIfAllocated(), AutoScrollTimer, AutoScrollInterval);
        } else if (cell.X >= m_fixedCols && cell.Y >= m_fixedRows) {
            if (m_options & goEditing) {
                // Editing: the current cell opens its editor; another cell only becomes current
                // (the editor follows it with goAlwaysShowEditor).
                if (cell == m_current)
                    ShowEditor();
                else
                    FocusCell(cell.X, cell.Y, true);
            } else {
                StartSelecting();
                const bool extend = (Shift & ssShift) && (m_options & goRangeSelect);
                MoveCurrent(cell.X, cell.Y, !extend, true);
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    const Integer x = MirrorClientX(X);
    switch (m_gridState) {
    case gsSelecting: SelectAt(x, Y); break;
    case gsColSizing:
    case gsRowSizing: SizingMoved(x, Y); break;
    case gsColMoving:
    case gsRowMoving: MovingMoved(x, Y); break;
    case gsNormal: break;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) {
        switch (m_gridState) {
        case gsSelecting:
            SelectAt(MirrorClientX(X), Y);
            SetGridState(gsNormal);
            Click();
            break;
        case gsColSizing:
        case gsRowSizing: EndSizing(MirrorClientX(X), Y); break;
        case gsColMoving:
        case gsRowMoving: EndMoving(); break;
        case gsNormal: break;
        }
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

Integer TCustomGrid::ShownItemAt(const TGridAxis& Axis, const TAxisView& V, Integer P)
{
    if (V.LastPartial < V.First || P < V.FixedExtent) return V.First;
    // Past the end the last item shown whole, so that it is seen.
    if (P >= V.Client) return V.LastFull >= V.First ? V.LastFull : V.LastPartial;
    return std::clamp(Axis.IndexAt(V.FirstStart + P - V.FixedExtent), V.First, V.LastPartial);
}

void TCustomGrid::StartSelecting()
{
    m_gridState = gsSelecting;
    SetMouseCapture(true);
    SetTimer(HandleIfAllocated(), AutoScrollTimer, AutoScrollInterval);
}

// The cell under the point (x from the edge the columns start at), held to the scrolling cells
// shown, becomes the current one (as PointedCell answers for it); with goRangeSelect the anchor
// stays where the press was.
void TCustomGrid::SelectAt(Integer X, Integer Y)
{
    const TGridCoord cell = PointedCell(ShownItemAt(m_cols, HorzView(), X), ShownItemAt(m_rows, VertView(), Y));
    if (cell == m_current) return;
    MoveCurrent(cell.X, cell.Y, !(m_options & goRangeSelect), false);
}

TRect TCustomGrid::SizingLineRect() const
{
    const TRect c = ClientRect();
    const Integer w = std::max(GridLineWidth(), 1);
    return m_gridState == gsColSizing ? Rect(m_sizingPos, 0, m_sizingPos + w, c.Bottom)
                                      : Rect(0, m_sizingPos, c.Right, m_sizingPos + w);
}

void TCustomGrid::SizingMoved(Integer X, Integer Y)
{
    const Integer pos = (m_gridState == gsColSizing ? X : Y) - m_sizingOfs;
    if (pos == m_sizingPos) return;
    InvalidateMirrored(SizingLineRect());
    m_sizingPos = pos;
    InvalidateMirrored(SizingLineRect());
}

void TCustomGrid::InvalidateMirrored(const TRect& R)
{
    if (const HWND h = HandleIfAllocated()) {
        const TRect r = MirrorClientRect(R);
        InvalidateRect(h, &r, false);
    }
}

void TCustomGrid::EndSizing(Integer X, Integer Y)
{
    SizingMoved(X, Y);
    const bool columns = m_gridState == gsColSizing;
    const Integer index = m_sizingIndex;
    const TAxisView view = columns ? HorzView() : VertView();
    const int64_t start = view.PixelOf(columns ? m_cols : m_rows, index);
    const Integer size = Integer(std::max<int64_t>(m_sizingPos - start, 0));
    SetGridState(gsNormal);
    if (columns)
        SetColWidths(index, size);
    else
        SetRowHeights(index, size);
}

TRect TCustomGrid::MovingMarkRect() const
{
    const bool columns = m_gridState == gsColMoving;
    const TAxisView view = columns ? HorzView() : VertView();
    const TGridAxis& axis = columns ? m_cols : m_rows;
    // The mark shows where the item goes: before the item under the mouse when moving towards
    // the start, after it when moving towards the end.
    const Integer at = m_movePos > m_moveIndex ? m_movePos + 1 : m_movePos;
    const Integer pos = Integer(view.PixelOf(axis, at)) - (m_movePos > m_moveIndex ? axis.LineWidth() : 0);
    const TRect c = ClientRect();
    return columns ? Rect(pos - MarkWidth / 2, 0, pos + MarkWidth - MarkWidth / 2, c.Bottom)
                   : Rect(0, pos - MarkWidth / 2, c.Right, pos + MarkWidth - MarkWidth / 2);
}

void TCustomGrid::MovingMoved(Integer X, Integer Y)
{
    const bool columns = m_gridState == gsColMoving;
    const TAxisView view = columns ? HorzView() : VertView();
    const TGridAxis& axis = columns ? m_cols : m_rows;
    const Integer target = ShownItemAt(axis, view, columns ? X : Y);
    if (target == m_movePos) return;
    InvalidateMirrored(MovingMarkRect());
    m_movePos = target;
    InvalidateMirrored(MovingMarkRect());
}

void TCustomGrid::EndMoving()
{
    const bool columns = m_gridState == gsColMoving;
    const Integer from = m_moveIndex, to = m_movePos;
    SetGridState(gsNormal);
    if (from == to) return;
    if (columns)
        MoveColumn(from, to);
    else
        MoveRow(from, to);
}

void TCustomGrid::SetGridState(TGridState Value)
{
    if (Value == m_gridState) return;
    if (Value == gsSelecting) {
        CancelMode();
        StartSelecting();
        return;
    }
    if (Value == gsNormal) CancelMode();
    m_gridState = Value;
}

void TCustomGrid::CancelMode()
{
    const HWND h = HandleIfAllocated();
    switch (m_gridState) {
    case gsColSizing:
    case gsRowSizing: InvalidateMirrored(SizingLineRect()); break;
    case gsColMoving:
    case gsRowMoving: InvalidateMirrored(MovingMarkRect()); break;
    case gsSelecting:
    case gsNormal: break;
    }
    const bool active = m_gridState != gsNormal;
    m_gridState = gsNormal;
    m_sizingIndex = m_moveIndex = m_movePos = -1;
    if (h) KillTimer(h, AutoScrollTimer);
    if (active && MouseCapture()) SetMouseCapture(false);
}

void TCustomGrid::WMSetCursor(TMessage& M)
{
    TGridState state = m_gridState;
    if (state == gsNormal && TWMSetCursor(M).HitTest == HTCLIENT) {
        const TPoint p = ScreenToClient(GetCursorPos());
        Integer index = 0, offset = 0;
        state = CalcSizingState(p.X, p.Y, index, offset);
    }
    const bool screenCursor = Screen && Screen->Cursor() != crDefault;
    TCursor cursor = state == gsColSizing              ? crHSplit
        : state == gsRowSizing                         ? crVSplit
        : state == gsColMoving || state == gsRowMoving ? crDrag
                                                       : crDefault;
    if (cursor == crDefault || screenCursor) {
        TCustomControl::WMSetCursor(M);
        return;
    }
    if (HasBackend()) Backend().SetCursorShape(Screen ? Screen->Cursors(cursor) : cursor);
    M.Result = 1;
}

}  // namespace gw
