// Window scroll bars: the bars of WS_VSCROLL / WS_HSCROLL windows, their scroll information,
// their drawing and the scroll messages a press or a thumb drag sends.
#include "platform/graphics/colour.h"
#include "platform/ui/backend.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system_state.h"

#include <algorithm>

namespace gw {

namespace detail {

Integer BarSize() { return GetSystemMetrics(SM_CXVSCROLL); }

// The rectangle of a scroll bar in window coordinates (empty when the window has none).
TRect BarRect(const TWindowRecord& r, Integer Bar)
{
    TRect c = ClientOf(r);
    if (Bar == SB_VERT && (r.Style & WS_VSCROLL)) return Rect(c.Right, 0, r.Bounds.Width(), c.Bottom);
    if (Bar == SB_HORZ && (r.Style & WS_HSCROLL)) return Rect(0, c.Bottom, c.Right, r.Bounds.Height());
    return {};
}

struct TBarGeometry {
    Integer Length = 0;  // along the bar
    Integer Arrow = 0;
    bool HasThumb = false;
    Integer ThumbStart = 0;
    Integer ThumbLength = 0;
    Integer Span = 0;  // positions the thumb can take, less one
};

Integer MaxScrollPos(const TScrollInfo& i) { return i.nMax - std::max<Integer>(Integer(i.nPage) - 1, 0); }

TBarGeometry GeometryOf(const TWindowRecord& r, Integer Bar, Integer Pos)
{
    TBarGeometry g;
    TRect rect = BarRect(r, Bar);
    g.Length = Bar == SB_VERT ? rect.Height() : rect.Width();
    g.Arrow = std::min(BarSize(), g.Length / 2);
    const TScrollInfo& i = r.Scroll[Bar];
    Integer track = g.Length - 2 * g.Arrow;
    Integer range = i.nMax - i.nMin + 1;
    g.Span = MaxScrollPos(i) - i.nMin;
    if (track < 8 || range <= 0 || g.Span <= 0) return g;
    g.HasThumb = true;
    g.ThumbLength =
        i.nPage > 0 ? std::max<Integer>(8, Integer(int64_t(track) * i.nPage / range)) : std::min(BarSize(), track);
    g.ThumbLength = std::min(g.ThumbLength, track);
    g.ThumbStart = g.Arrow + Integer(int64_t(Pos - i.nMin) * (track - g.ThumbLength) / g.Span);
    return g;
}

void ClampScroll(TScrollInfo& i)
{
    if (i.nMax < i.nMin) i.nMax = i.nMin;
    UINT range = UINT(i.nMax - i.nMin + 1);
    if (i.nPage > range) i.nPage = range;
    i.nPos = std::clamp(i.nPos, i.nMin, std::max(i.nMin, MaxScrollPos(i)));
    i.nTrackPos = std::clamp(i.nTrackPos, i.nMin, std::max(i.nMin, MaxScrollPos(i)));
}

void SetRgb(cairo_t* Cr, TColor Color)
{
    TColor c = ColorToRGB(Color);
    cairo_set_source_rgb(Cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

void FillBox(cairo_t* Cr, const TRect& R, TColor Fill, bool Raised)
{
    SetRgb(Cr, Fill);
    cairo_rectangle(Cr, R.Left, R.Top, R.Width(), R.Height());
    cairo_fill(Cr);
    if (!Raised || R.Width() < 2 || R.Height() < 2) return;
    SetRgb(Cr, clBtnShadow);
    cairo_rectangle(Cr, R.Left, R.Bottom - 1, R.Width(), 1);
    cairo_rectangle(Cr, R.Right - 1, R.Top, 1, R.Height());
    cairo_fill(Cr);
}

void DrawArrow(cairo_t* Cr, const TRect& R, int Direction /*0 up, 1 down, 2 left, 3 right*/, bool Enabled)
{
    FillBox(Cr, R, clBtnFace, true);
    SetRgb(Cr, Enabled ? clBtnText : clGrayText);
    double cx = R.Left + R.Width() / 2, cy = R.Top + R.Height() / 2;
    switch (Direction) {
    case 0: cairo_move_to(Cr, cx - 4, cy + 2), cairo_line_to(Cr, cx + 4, cy + 2), cairo_line_to(Cr, cx, cy - 2); break;
    case 1: cairo_move_to(Cr, cx - 4, cy - 2), cairo_line_to(Cr, cx + 4, cy - 2), cairo_line_to(Cr, cx, cy + 2); break;
    case 2: cairo_move_to(Cr, cx + 2, cy - 4), cairo_line_to(Cr, cx + 2, cy + 4), cairo_line_to(Cr, cx - 2, cy); break;
    default: cairo_move_to(Cr, cx - 2, cy - 4), cairo_line_to(Cr, cx - 2, cy + 4), cairo_line_to(Cr, cx + 2, cy); break;
    }
    cairo_close_path(Cr);
    cairo_fill(Cr);
}

// Draws the window's scroll bars (and the corner between two) straight onto its pixels.
void DrawScrollBars(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !(r->Style & (WS_VSCROLL | WS_HSCROLL)) || !HasBackend() || !IsWindowVisible(Wnd)) return;
    HWND top = GetTopLevelWindow(Wnd);
    cairo_surface_t* surface = Backend().WindowSurface(top);
    TRect vis = VisibleClientRect(Wnd, true);
    if (!surface || IsRectEmpty(vis)) return;
    TPoint off = OffsetInTopLevel(Wnd);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_translate(cr, off.X, off.Y);
    cairo_rectangle(cr, vis.Left, vis.Top, vis.Width(), vis.Height());
    cairo_clip(cr);
    for (Integer bar : {SB_HORZ, SB_VERT}) {
        TRect rect = BarRect(*r, bar);
        if (IsRectEmpty(rect)) continue;
        const TScrollInfo& i = r->Scroll[bar];
        bool tracking = State().Track.Wnd == Wnd && State().Track.Bar == bar && State().Track.Thumb;
        TBarGeometry g = GeometryOf(*r, bar, tracking ? i.nTrackPos : i.nPos);
        FillBox(cr, rect, clScrollBar, false);
        bool vert = bar == SB_VERT;
        auto part = [&](Integer From, Integer Length) {
            return vert ? Bounds(rect.Left, rect.Top + From, rect.Width(), Length)
                        : Bounds(rect.Left + From, rect.Top, Length, rect.Height());
        };
        DrawArrow(cr, part(0, g.Arrow), vert ? 0 : 2, g.HasThumb);
        DrawArrow(cr, part(g.Length - g.Arrow, g.Arrow), vert ? 1 : 3, g.HasThumb);
        if (g.HasThumb) FillBox(cr, part(g.ThumbStart, g.ThumbLength), clBtnFace, true);
    }
    if ((r->Style & WS_VSCROLL) && (r->Style & WS_HSCROLL)) {
        TRect c = ClientOf(*r);
        FillBox(cr, Rect(c.Right, c.Bottom, r->Bounds.Width(), r->Bounds.Height()), clBtnFace, false);
    }
    cairo_destroy(cr);
    TRect shown = vis;
    OffsetRect(shown, off.X, off.Y);
    Backend().WindowPainted(top, shown);
}

// The scroll bar under a point in window coordinates, -1 for none.
Integer BarAt(const TWindowRecord& r, TPoint P)
{
    for (Integer bar : {SB_VERT, SB_HORZ})
        if (PtInRect(BarRect(r, bar), P)) return bar;
    return -1;
}

void SendScroll(HWND Wnd, Integer Bar, Word Code, Integer Pos = 0)
{
    SendMessage(Wnd, Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MakeWParam(Code, Pos), 0);
}

// A left press on a scroll bar: an arrow scrolls a line, the track a page, the thumb is taken.
void PressBar(HWND Wnd, Integer Bar, TPoint P)
{
    TWindowRecord* r = Find(Wnd);
    TBarGeometry g = GeometryOf(*r, Bar, r->Scroll[Bar].nPos);
    if (!g.HasThumb) return;  // a bar with nothing to scroll is disabled
    TRect rect = BarRect(*r, Bar);
    Integer along = Bar == SB_VERT ? P.Y - rect.Top : P.X - rect.Left;
    TBarTrack& t = State().Track;
    t = TBarTrack{Wnd, Bar, false, 0};
    if (along < g.Arrow)
        SendScroll(Wnd, Bar, SB_LINEUP);
    else if (along >= g.Length - g.Arrow)
        SendScroll(Wnd, Bar, SB_LINEDOWN);
    else if (along < g.ThumbStart)
        SendScroll(Wnd, Bar, SB_PAGEUP);
    else if (along >= g.ThumbStart + g.ThumbLength)
        SendScroll(Wnd, Bar, SB_PAGEDOWN);
    else {
        t.Thumb = true;
        t.Grab = along - g.ThumbStart;
        if ((r = Find(Wnd))) r->Scroll[Bar].nTrackPos = r->Scroll[Bar].nPos;
    }
}

// Mouse input while a scroll bar is held; true when it was taken.
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
        TRect rect = BarRect(*r, t.Bar);
        TPoint p = ScreenToClient(t.Wnd, In.Point);
        TBarGeometry g = GeometryOf(*r, t.Bar, r->Scroll[t.Bar].nPos);
        Integer along = (t.Bar == SB_VERT ? p.Y - rect.Top : p.X - rect.Left) - t.Grab;
        Integer track = g.Length - 2 * g.Arrow - g.ThumbLength;
        TScrollInfo& i = r->Scroll[t.Bar];
        Integer pos = i.nMin + (track > 0 ? Integer(int64_t(along - g.Arrow) * g.Span / track) : 0);
        pos = std::clamp(pos, i.nMin, std::max(i.nMin, MaxScrollPos(i)));
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

}  // namespace gw
