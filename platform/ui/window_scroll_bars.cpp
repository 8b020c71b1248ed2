// Window scroll bars: the bars of WS_VSCROLL / WS_HSCROLL windows, their scroll information,
// their drawing and the scroll messages a press or a thumb drag sends.
#include "platform/graphics/canvas.h"
#include "platform/graphics/region.h"
#include "platform/ui/backend.h"
#include "platform/ui/scroll_bar_painter.h"
#include "platform/ui/scroll_bar_side.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_canvas.h"
#include "platform/ui/window_system_state.h"

#include <algorithm>

namespace gw {

namespace detail {

Integer BarSize() { return GetSystemMetrics(SM_CXVSCROLL); }

// The rectangle of a scroll bar in window coordinates (empty when the window has none). The
// vertical bar stands at the left edge with WS_EX_LEFTSCROLLBAR, the client area right of it.
TRect BarRect(const TWindowRecord& r, Integer Bar)
{
    TRect c = ClientOf(r);
    const TPoint client = ClientOffsetOf(r);
    OffsetRect(c, client.X, client.Y);
    const bool left = client.X > 0;
    if (Bar == SB_VERT && (r.Style & WS_VSCROLL))
        return left ? Rect(0, 0, c.Left, c.Bottom) : Rect(c.Right, 0, r.Bounds.Width(), c.Bottom);
    if (Bar == SB_HORZ && (r.Style & WS_HSCROLL)) return Rect(c.Left, c.Bottom, c.Right, r.Bounds.Height());
    return {};
}

// The square where the two bars meet, in window coordinates.
TRect BarCorner(const TWindowRecord& r)
{
    const TRect v = BarRect(r, SB_VERT), h = BarRect(r, SB_HORZ);
    return Rect(v.Left, h.Top, v.Right, h.Bottom);
}

// Presses reach the bars in client coordinates, which do not begin at a left bar's edge.
TPoint ClientToWindow(const TWindowRecord& r, TPoint P)
{
    const TPoint client = ClientOffsetOf(r);
    return {P.X + client.X, P.Y + client.Y};
}

namespace {

Integer MaxScrollPos(const TScrollInfo& i) { return i.nMax - std::max<Integer>(Integer(i.nPage) - 1, 0); }

void ClampScroll(TScrollInfo& i)
{
    if (i.nMax < i.nMin) i.nMax = i.nMin;
    UINT range = UINT(i.nMax - i.nMin + 1);
    if (i.nPage > range) i.nPage = range;
    i.nPos = std::clamp(i.nPos, i.nMin, std::max(i.nMin, MaxScrollPos(i)));
    i.nTrackPos = std::clamp(i.nTrackPos, i.nMin, std::max(i.nMin, MaxScrollPos(i)));
}

TScrollBarKind KindOf(Integer Bar) { return Bar == SB_VERT ? sbVertical : sbHorizontal; }

// The bar's layout with the thumb at Pos (the position, or the tracked one during a drag).
TScrollBarLayout LayoutOf(const TWindowRecord& r, Integer Bar, Integer Pos)
{
    TRect rect = BarRect(r, Bar);
    const TScrollInfo& i = r.Scroll[Bar];
    TScrollBarLayout l;
    l.Length = Bar == SB_VERT ? rect.Height() : rect.Width();
    l.Thickness = BarSize();
    l.Min = i.nMin;
    l.Max = i.nMax;
    l.PageSize = Integer(i.nPage);
    l.Position = Pos;
    l.StartArrowOff = (r.ArrowsOff[Bar] & ESB_DISABLE_LTUP) != 0;
    l.EndArrowOff = (r.ArrowsOff[Bar] & ESB_DISABLE_RTDN) != 0;
    return l;
}

// The offset of a client point along a bar.
Integer AlongBar(const TWindowRecord& r, Integer Bar, TPoint P)
{
    TRect rect = BarRect(r, Bar);
    P = ClientToWindow(r, P);
    return Bar == SB_VERT ? P.Y - rect.Top : P.X - rect.Left;
}

void SendScroll(HWND Wnd, Integer Bar, Word Code, Integer Pos = 0)
{
    SendMessage(Wnd, Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MakeWParam(Code, Pos), 0);
}

}  // namespace

void DrawScrollBars(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !(r->Style & (WS_VSCROLL | WS_HSCROLL))) return;
    TWindowCanvas window(Wnd, true);
    if (!window.Canvas()) return;
    TCanvas& canvas = *window.Canvas();
    const TScrollBarPaint& paint = r->ScrollBarPaint ? r->ScrollBarPaint : TScrollBarPaint(DrawScrollBar);
    const TBarTrack& t = State().Track;
    for (Integer bar : {SB_HORZ, SB_VERT}) {
        TRect rect = BarRect(*r, bar);
        if (IsRectEmpty(rect)) continue;
        const TScrollInfo& i = r->Scroll[bar];
        bool tracking = t.Wnd == Wnd && t.Bar == bar && t.Thumb;
        paint(canvas, rect, KindOf(bar), LayoutOf(*r, bar, tracking ? i.nTrackPos : i.nPos), true,
              tracking ? TScrollBarPart::Thumb : TScrollBarPart::None);
    }
    if ((r->Style & WS_VSCROLL) && (r->Style & WS_HSCROLL)) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(BarCorner(*r));
    }
}

Integer BarAt(const TWindowRecord& r, TPoint P)
{
    P = ClientToWindow(r, P);
    for (Integer bar : {SB_VERT, SB_HORZ})
        if (PtInRect(BarRect(r, bar), P)) return bar;
    return -1;
}

// An arrow scrolls a line, the track a page, the thumb is taken; a bar with nothing to scroll
// takes no press.
void PressBar(HWND Wnd, Integer Bar, TPoint P)
{
    TWindowRecord* r = Find(Wnd);
    TScrollBarLayout l = LayoutOf(*r, Bar, r->Scroll[Bar].nPos);
    Integer along = AlongBar(*r, Bar, P);
    TBarTrack& t = State().Track;
    switch (l.PartAt(along)) {
    case TScrollBarPart::None: return;
    case TScrollBarPart::StartArrow: t = TBarTrack{Wnd, Bar, false, 0}, SendScroll(Wnd, Bar, SB_LINEUP); return;
    case TScrollBarPart::EndArrow: t = TBarTrack{Wnd, Bar, false, 0}, SendScroll(Wnd, Bar, SB_LINEDOWN); return;
    case TScrollBarPart::StartPage: t = TBarTrack{Wnd, Bar, false, 0}, SendScroll(Wnd, Bar, SB_PAGEUP); return;
    case TScrollBarPart::EndPage: t = TBarTrack{Wnd, Bar, false, 0}, SendScroll(Wnd, Bar, SB_PAGEDOWN); return;
    case TScrollBarPart::Thumb:
        t = TBarTrack{Wnd, Bar, true, along - l.ThumbStart()};
        r->Scroll[Bar].nTrackPos = r->Scroll[Bar].nPos;
        return;
    }
}

bool TrackBar(const TInputEvent& In)
{
    TState& s = State();
    TBarTrack t = s.Track;
    TWindowRecord* r = Find(t.Wnd);
    if (!r) {
        s.Track = {};
        return false;
    }
    if (In.Action == TMouseAction::Move && t.Thumb) {
        TScrollInfo& i = r->Scroll[t.Bar];
        TScrollBarLayout l = LayoutOf(*r, t.Bar, i.nPos);
        Integer pos = l.PositionAt(AlongBar(*r, t.Bar, ScreenToClient(t.Wnd, In.Point)) - t.Grab);
        if (pos != i.nTrackPos) {
            i.nTrackPos = pos;
            SendScroll(t.Wnd, t.Bar, SB_THUMBTRACK, pos);
            DrawScrollBars(t.Wnd);
        }
        return true;
    }
    if (In.Action == TMouseAction::Up && In.Button == mbLeft) {
        s.Track = {};
        if (t.Thumb) SendScroll(t.Wnd, t.Bar, SB_THUMBPOSITION, r->Scroll[t.Bar].nTrackPos);
        if (IsWindow(t.Wnd)) SendScroll(t.Wnd, t.Bar, SB_ENDSCROLL);
        DrawScrollBars(t.Wnd);
        return true;
    }
    return In.Action != TMouseAction::Wheel;
}

}  // namespace detail

using namespace detail;

// --- window scroll bars ------------------------------------------------------------------------

Integer SetScrollInfo(HWND Wnd, Integer Bar, const TScrollInfo& Info, bool Redraw)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || (Bar != SB_HORZ && Bar != SB_VERT)) return 0;
    TScrollInfo& i = r->Scroll[Bar];
    if (Info.fMask & SIF_RANGE) i.nMin = Info.nMin, i.nMax = Info.nMax;
    if (Info.fMask & SIF_PAGE) i.nPage = Info.nPage;
    if (Info.fMask & SIF_POS) i.nPos = Info.nPos;
    if (Info.fMask & SIF_TRACKPOS) i.nTrackPos = Info.nTrackPos;
    ClampScroll(i);
    if (!(State().Track.Wnd == Wnd && State().Track.Thumb)) i.nTrackPos = i.nPos;
    if (Redraw) DrawScrollBars(Wnd);
    return i.nPos;
}

bool GetScrollInfo(HWND Wnd, Integer Bar, TScrollInfo& Info)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || (Bar != SB_HORZ && Bar != SB_VERT)) return false;
    const TScrollInfo& i = r->Scroll[Bar];
    if (Info.fMask & SIF_RANGE) Info.nMin = i.nMin, Info.nMax = i.nMax;
    if (Info.fMask & SIF_PAGE) Info.nPage = i.nPage;
    if (Info.fMask & SIF_POS) Info.nPos = i.nPos;
    if (Info.fMask & SIF_TRACKPOS) Info.nTrackPos = i.nTrackPos;
    return true;
}

Integer SetScrollPos(HWND Wnd, Integer Bar, Integer Pos, bool Redraw)
{
    Integer old = GetScrollPos(Wnd, Bar);
    TScrollInfo i;
    i.fMask = SIF_POS;
    i.nPos = Pos;
    SetScrollInfo(Wnd, Bar, i, Redraw);
    return old;
}

Integer GetScrollPos(HWND Wnd, Integer Bar)
{
    TScrollInfo i;
    i.fMask = SIF_POS;
    return GetScrollInfo(Wnd, Bar, i) ? i.nPos : 0;
}

bool SetScrollRange(HWND Wnd, Integer Bar, Integer Min, Integer Max, bool Redraw)
{
    TScrollInfo i;
    i.fMask = SIF_RANGE;
    i.nMin = Min;
    i.nMax = Max;
    if (!IsWindow(Wnd)) return false;
    SetScrollInfo(Wnd, Bar, i, Redraw);
    return true;
}

bool GetScrollRange(HWND Wnd, Integer Bar, Integer& Min, Integer& Max)
{
    TScrollInfo i;
    i.fMask = SIF_RANGE;
    if (!GetScrollInfo(Wnd, Bar, i)) return false;
    Min = i.nMin;
    Max = i.nMax;
    return true;
}

void SetScrollBarPainter(HWND Wnd, TScrollBarPaint Paint)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return;
    r->ScrollBarPaint = std::move(Paint);
    DrawScrollBars(Wnd);
}

bool ShowScrollBar(HWND Wnd, Integer Bar, bool Show)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return false;
    Cardinal bits = Bar == SB_VERT ? WS_VSCROLL
        : Bar == SB_HORZ           ? WS_HSCROLL
        : Bar == SB_BOTH           ? (WS_VSCROLL | WS_HSCROLL)
                                   : 0;
    Cardinal style = Show ? (r->Style | bits) : (r->Style & ~bits);
    if (style == r->Style) return true;
    r->Style = style;
    InvalidateRect(Wnd, nullptr, true);
    TRect c = ClientOf(*r);
    SendMessage(Wnd, WM_SIZE, 0, MakeLParam(c.Width(), c.Height()));
    return true;
}

bool EnableScrollBar(HWND Wnd, Integer Bar, UINT Arrows)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || Bar < SB_HORZ || Bar > SB_BOTH || Bar == SB_CTL) return false;
    Arrows &= ESB_DISABLE_BOTH;
    bool changed = false;
    for (Integer b : {SB_HORZ, SB_VERT}) {
        if (Bar != SB_BOTH && Bar != b) continue;
        changed = changed || r->ArrowsOff[b] != Arrows;
        r->ArrowsOff[b] = Arrows;
    }
    if (changed) DrawScrollBars(Wnd);
    return changed;
}

UINT GetScrollBarArrowsOff(HWND Wnd, Integer Bar)
{
    TWindowRecord* r = Find(Wnd);
    return r && (Bar == SB_HORZ || Bar == SB_VERT) ? r->ArrowsOff[Bar] : ESB_ENABLE_BOTH;
}

}  // namespace gw
