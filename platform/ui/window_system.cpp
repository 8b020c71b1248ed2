// The window system's state and rules: one tree of windows, one queue, one focus, one capture.
#include "platform/ui/window_system.h"

#include "platform/graphics/colour.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/backend.h"
#include "platform/ui/system_metrics.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace gw {

namespace {

struct TWindowRecord {
    HWND Handle = 0;
    HWND Parent = 0;  // WS_CHILD windows
    HWND Owner = 0;  // top-level windows
    std::vector<HWND> Children;  // top of the z-order first
    Cardinal Style = 0;
    Cardinal ExStyle = 0;
    Cardinal ClassStyle = 0;
    TRect Bounds;
    String Text;
    std::shared_ptr<const TWndProc> Proc;
    bool Redraw = true;
    bool HasUpdate = false;
    bool UpdateErase = false;
    // The frame needs WM_NCPAINT after the next paint (an invalid area reached the edge).
    bool FrameDirty = false;
    TScrollInfo Scroll[2];  // SB_HORZ, SB_VERT
    TRect Update;
    // Times BeginPaint or ValidateRect emptied the update region: a paint handler that did is
    // known to have painted, and what it invalidated meanwhile stays for the next paint.
    Cardinal Validations = 0;
    bool Destroying = false;
};

struct TTimerRecord {
    HWND Wnd = 0;
    uintptr_t Id = 0;
    UINT Elapse = 0;
    Cardinal Due = 0;
};

struct TInputEvent {
    bool IsKey = true;
    Word VirtKey = 0;
    bool Down = false;
    Char PacketChar = 0;
    bool HasScan = false;  // ScanCode and Extended come from the display
    Word ScanCode = 0;
    bool Extended = false;
    TMouseAction Action = TMouseAction::Move;
    TPoint Point;
    TMouseButton Button = mbLeft;
    Integer WheelDelta = 0;
    Cardinal Time = 0;  // when the display saw it, on the tick clock; 0 = when taken
};

// A press on a window scroll bar, held until the button is released.
struct TBarTrack {
    HWND Wnd = 0;
    Integer Bar = SB_VERT;
    bool Thumb = false;
    Integer Grab = 0;  // where in the thumb it was taken
};

struct TLastClick {
    bool Valid = false;
    HWND Wnd = 0;
    TMouseButton Button = mbLeft;
    Cardinal Time = 0;
    TPoint Point;
};

struct TState {
    std::unordered_map<HWND, std::unique_ptr<TWindowRecord>> Windows;
    std::vector<HWND> TopLevels;  // top of the z-order first
    HWND NextHandle = 0x10;  // never reset: handles are not reused
    std::mutex PostLock;
    std::deque<TMsg> Posted;
    std::deque<TInputEvent> Input;
    std::vector<TTimerRecord> Timers;
    std::vector<HWND> Invalid;
    HWND Focus = 0;
    // The window told WM_SETFOCUS and not yet WM_KILLFOCUS, and the one being told it lost it.
    HWND Announced = 0;
    HWND Losing = 0;
    HWND Active = 0;
    HWND Capture = 0;
    std::array<uint8_t, 256> Keys{};
    TPoint Cursor;
    TLastClick LastClick;
    TBarTrack Track;
    Cardinal MessageTime = 0;
    Cardinal Paints = 0;
    Cardinal Invalidations = 0;
    std::thread::id UiThread = std::this_thread::get_id();
};

TState& State()
{
    static TState state;
    return state;
}

TWindowRecord* Find(HWND Wnd)
{
    if (!Wnd) return nullptr;
    auto& w = State().Windows;
    auto it = w.find(Wnd);
    return it == w.end() ? nullptr : it->second.get();
}

bool IsTopLevel(const TWindowRecord& r) { return r.Parent == 0; }

Integer BarSize() { return GetSystemMetrics(SM_CXVSCROLL); }

// The client area: the window less its scroll bars, which lie along the right and bottom edges.
TRect ClientOf(const TWindowRecord& r)
{
    Integer w = r.Bounds.Width() - ((r.Style & WS_VSCROLL) ? BarSize() : 0);
    Integer h = r.Bounds.Height() - ((r.Style & WS_HSCROLL) ? BarSize() : 0);
    return Rect(0, 0, std::max(0, w), std::max(0, h));
}

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

std::vector<HWND>& SiblingList(const TWindowRecord& r)
{
    if (r.Parent) return Find(r.Parent)->Children;
    return State().TopLevels;
}

// True when Wnd is Ancestor or lies inside it.
bool IsWithin(HWND Wnd, HWND Ancestor)
{
    for (TWindowRecord* r = Find(Wnd); r; r = Find(r->Parent))
        if (r->Handle == Ancestor) return true;
    return false;
}

// Enabled itself and through all its ancestors.
bool IsEnabledDeep(HWND Wnd)
{
    for (TWindowRecord* r = Find(Wnd); r; r = Find(r->Parent))
        if (r->Style & WS_DISABLED) return false;
    return Find(Wnd) != nullptr;
}

bool CanActivate(const TWindowRecord& r)
{
    return IsTopLevel(r) && !r.Destroying && (r.Style & WS_VISIBLE) && !(r.Style & WS_DISABLED) &&
        !(r.ExStyle & WS_EX_NOACTIVATE);
}

// The offset of a window's client area within its top-level window's client area.
TPoint OffsetInTopLevel(HWND Wnd)
{
    TPoint p;
    for (TWindowRecord* r = Find(Wnd); r && r->Parent; r = Find(r->Parent)) {
        p.X += r->Bounds.Left;
        p.Y += r->Bounds.Top;
    }
    return p;
}

// The part of the window not cut off by its ancestors, in its own client coordinates.
// The part of the window (WholeWindow) or of its client area not cut off by its ancestors, in
// its own coordinates.
TRect VisibleClientRect(HWND Wnd, bool WholeWindow = false)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return {};
    TRect vis = WholeWindow ? Rect(0, 0, r->Bounds.Width(), r->Bounds.Height()) : ClientOf(*r);
    TPoint off;
    for (TWindowRecord* c = r; c->Parent; c = Find(c->Parent)) {
        off.X += c->Bounds.Left;
        off.Y += c->Bounds.Top;
        TRect pc = ClientOf(*Find(c->Parent));
        TRect pr = Rect(-off.X, -off.Y, -off.X + pc.Right, -off.Y + pc.Bottom);
        if (!IntersectRect(vis, vis, pr)) return {};
    }
    return vis;
}

void BringToTop(TWindowRecord& r)
{
    auto& list = SiblingList(r);
    list.erase(std::find(list.begin(), list.end(), r.Handle));
    auto pos = list.begin();
    if (!(r.ExStyle & WS_EX_TOPMOST)) {
        while (pos != list.end() && Find(*pos) && (Find(*pos)->ExStyle & WS_EX_TOPMOST)) ++pos;
    }
    list.insert(pos, r.Handle);
}

// The window to activate when Leaving stops being active: its owner, else the topmost one.
HWND NextActivationCandidate(HWND Leaving)
{
    TWindowRecord* l = Find(Leaving);
    if (l && l->Owner) {
        TWindowRecord* o = Find(GetTopLevelWindow(l->Owner));
        if (o && o->Handle != Leaving && CanActivate(*o)) return o->Handle;
    }
    for (HWND h : State().TopLevels) {
        TWindowRecord* r = Find(h);
        if (h != Leaving && r && CanActivate(*r)) return h;
    }
    return 0;
}

void CollectSubtree(HWND Wnd, std::vector<HWND>& Out)
{
    Out.push_back(Wnd);
    if (TWindowRecord* r = Find(Wnd))
        for (HWND c : r->Children) CollectSubtree(c, Out);
}

Cardinal Now() { return GetTickCountUI(); }

bool IsDue(Cardinal Due, Cardinal NowTick) { return int32_t(NowTick - Due) >= 0; }

WPARAM MouseKeyFlags()
{
    auto& k = State().Keys;
    WPARAM f = 0;
    if (k[VK_LBUTTON] & 0x80) f |= MK_LBUTTON;
    if (k[VK_RBUTTON] & 0x80) f |= MK_RBUTTON;
    if (k[VK_MBUTTON] & 0x80) f |= MK_MBUTTON;
    if (k[VK_SHIFT] & 0x80) f |= MK_SHIFT;
    if (k[VK_CONTROL] & 0x80) f |= MK_CONTROL;
    return f;
}

void SetKeyDown(Word Vk, bool Down)
{
    auto& k = State().Keys;
    if (Down) {
        if (!(k[Vk] & 0x80)) k[Vk] ^= 0x01;
        k[Vk] |= 0x80;
    } else {
        k[Vk] &= 0x7F;
    }
}

// Left/right variants and the generic modifier keys move together.
void UpdateKeyState(Word Vk, bool Down)
{
    SetKeyDown(Vk, Down);
    auto pair = [&](Word generic, Word left, Word right) {
        if (Vk == generic) SetKeyDown(left, Down);
        if (Vk == left || Vk == right) SetKeyDown(generic, Down || (State().Keys[left == Vk ? right : left] & 0x80));
    };
    pair(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    pair(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    pair(VK_MENU, VK_LMENU, VK_RMENU);
}

bool KeyDown(Word Vk) { return (State().Keys[Vk] & 0x80) != 0; }

// The character a key gives on the standard layout, 0 for none.
Char CharOfKey(Word Vk)
{
    bool shift = KeyDown(VK_SHIFT);
    bool ctrl = KeyDown(VK_CONTROL);
    bool caps = (State().Keys[VK_CAPITAL] & 0x01) != 0;
    if (Vk >= 'A' && Vk <= 'Z') {
        if (ctrl) return Char(Vk - 'A' + 1);
        return (shift != caps) ? Char(Vk) : Char(Vk - 'A' + 'a');
    }
    if (ctrl) {
        if (Vk == VK_RETURN) return 10;
        if (Vk == VK_BACK) return 127;
        if (Vk == VK_ESCAPE) return 27;
        return 0;
    }
    if (Vk >= '0' && Vk <= '9') {
        static const char16_t shifted[] = u")!@#$%^&*(";
        return shift ? shifted[Vk - '0'] : Char(Vk);
    }
    if (Vk >= VK_NUMPAD0 && Vk <= VK_NUMPAD0 + 9) return Char('0' + (Vk - VK_NUMPAD0));
    switch (Vk) {
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    case VK_SPACE: return 32;
    case VK_MULTIPLY: return u'*';
    case VK_ADD: return u'+';
    case VK_SUBTRACT: return u'-';
    case VK_DECIMAL: return u'.';
    case VK_DIVIDE: return u'/';
    case VK_OEM_1: return shift ? u':' : u';';
    case VK_OEM_PLUS: return shift ? u'+' : u'=';
    case VK_OEM_COMMA: return shift ? u'<' : u',';
    case VK_OEM_MINUS: return shift ? u'_' : u'-';
    case VK_OEM_PERIOD: return shift ? u'>' : u'.';
    case VK_OEM_2: return shift ? u'?' : u'/';
    default: return 0;
    }
}

bool TrackBar(const TInputEvent& In);
Integer BarAt(const TWindowRecord& r, TPoint P);
void PressBar(HWND Wnd, Integer Bar, TPoint P);

bool ConvertKey(const TInputEvent& In, TMsg& M)
{
    bool wasDown = KeyDown(In.VirtKey);
    if (In.VirtKey != VK_PACKET) UpdateKeyState(In.VirtKey, In.Down);
    HWND target = State().Focus ? State().Focus : State().Active;
    if (!target) return false;
    bool alt = KeyDown(VK_MENU);
    bool sys = (alt && !KeyDown(VK_CONTROL)) || In.VirtKey == VK_F10 || In.VirtKey == VK_MENU;
    bool ext = false;
    Word scan = ScanCodeOfKey(In.VirtKey, ext);
    if (In.HasScan) {
        scan = In.ScanCode;
        ext = In.Extended;
    }
    LPARAM data = 1 | (LPARAM(scan) << 16);
    if (ext) data |= KF_EXTENDED_BIT;
    if (alt) data |= KF_ALTDOWN_BIT;
    if (In.Down ? wasDown : true) data |= KF_REPEAT_BIT;
    if (!In.Down) data |= KF_UP_BIT;
    M.hwnd = target;
    M.message = In.Down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    M.wParam = In.VirtKey;
    M.lParam = data;
    M.packetChar = In.PacketChar;
    return true;
}

UINT ButtonMessage(TMouseButton B, int Kind /*0 down, 1 up, 2 double*/)
{
    UINT base = B == mbLeft ? WM_LBUTTONDOWN : B == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    return base + UINT(Kind);
}

Word ButtonKey(TMouseButton B) { return B == mbLeft ? VK_LBUTTON : B == mbRight ? VK_RBUTTON : VK_MBUTTON; }

bool ConvertMouse(const TInputEvent& In, TMsg& M)
{
    TState& s = State();
    s.Cursor = In.Point;
    if (In.Action == TMouseAction::Down) SetKeyDown(ButtonKey(In.Button), true);
    if (In.Action == TMouseAction::Up) SetKeyDown(ButtonKey(In.Button), false);
    if (In.Action == TMouseAction::Wheel) {
        HWND target = s.Focus ? s.Focus : s.Active;
        if (!target) return false;
        M.hwnd = target;
        M.message = WM_MOUSEWHEEL;
        M.wParam = MakeWParam(Integer(MouseKeyFlags()), In.WheelDelta);
        M.lParam = MakeLParam(In.Point.X, In.Point.Y);
        return true;
    }
    if (s.Track.Wnd && TrackBar(In)) return false;
    HWND target = s.Capture ? s.Capture : WindowFromPoint(In.Point);
    if (!target || !IsEnabledDeep(target)) return false;
    // Outside the client area (on a scroll bar) only a left press means something.
    Integer bar = s.Capture ? -1 : BarAt(*Find(target), ScreenToClient(target, In.Point));
    if (bar >= 0 && !(In.Action == TMouseAction::Down && In.Button == mbLeft)) return false;
    UINT msg = WM_MOUSEMOVE;
    if (In.Action == TMouseAction::Down) {
        msg = ButtonMessage(In.Button, 0);
        HWND top = GetTopLevelWindow(target);
        if (top != s.Active && !s.Capture) {
            LRESULT r =
                SendMessage(target, WM_MOUSEACTIVATE, top, MakeLParam(bar >= 0 ? HTCAPTION : HTCLIENT, Integer(msg)));
            if (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) SetActiveWindow(top);
            if (r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT) return false;
            if (!IsWindow(target) || !IsEnabledDeep(target)) return false;
        }
        if (bar >= 0) {
            PressBar(target, bar, ScreenToClient(target, In.Point));
            return false;
        }
        TLastClick& lc = s.LastClick;
        // A program busy between two presses takes them together: their own times decide.
        Cardinal pressTime = In.Time ? In.Time : Now();
        Integer dx = GetSystemMetrics(SM_CXDOUBLECLK) / 2, dy = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        bool dbl = lc.Valid && lc.Wnd == target && lc.Button == In.Button && (GetClassStyle(target) & CS_DBLCLKS) &&
            pressTime - lc.Time <= GetDoubleClickTime() && std::abs(lc.Point.X - In.Point.X) <= dx &&
            std::abs(lc.Point.Y - In.Point.Y) <= dy;
        if (dbl) {
            msg = ButtonMessage(In.Button, 2);
            lc.Valid = false;
        } else {
            lc = {true, target, In.Button, pressTime, In.Point};
        }
    } else if (In.Action == TMouseAction::Up) {
        msg = ButtonMessage(In.Button, 1);
    }
    if (msg != ButtonMessage(In.Button, 1)) {
        SendMessage(target, WM_SETCURSOR, target, MakeLParam(HTCLIENT, Integer(msg)));
        if (!IsWindow(target)) return false;
    }
    TPoint cp = ScreenToClient(target, In.Point);
    M.hwnd = target;
    M.message = msg;
    M.wParam = MouseKeyFlags();
    M.lParam = MakeLParam(cp.X, cp.Y);
    return true;
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

// Windows here have no frame outside the client area: a frame is drawn over the client's edge,
// so WM_NCPAINT follows the client's paint whenever that paint reached the edge.
void PaintFrame(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !r->FrameDirty) return;
    r->FrameDirty = false;
    SendMessage(Wnd, WM_NCPAINT, 1, 0);
}

// WM_PAINT, then the frame. A handler that never validated would be asked again for ever, so
// its update region goes; one that validated keeps what it invalidated while painting.
LRESULT SendPaint(HWND Wnd, WPARAM WParam = 0, LPARAM LParam = 0)
{
    ++State().Paints;
    TWindowRecord* r = Find(Wnd);
    Cardinal validations = r ? r->Validations : 0;
    LRESULT result = SendMessage(Wnd, WM_PAINT, WParam, LParam);
    if ((r = Find(Wnd)) && r->Validations == validations) r->HasUpdate = false;
    PaintFrame(Wnd);
    return result;
}

bool TakePosted(TMsg& M)
{
    TState& s = State();
    std::lock_guard<std::mutex> lock(s.PostLock);
    if (s.Posted.empty()) return false;
    M = s.Posted.front();
    s.Posted.pop_front();
    return true;
}

// The outermost invalid, paintable window of the first invalid tree; parents paint first.
bool TakePaint(TMsg& M)
{
    auto& list = State().Invalid;
    for (std::size_t i = 0; i < list.size();) {
        TWindowRecord* r = Find(list[i]);
        if (!r || !r->HasUpdate) {
            list.erase(list.begin() + std::ptrdiff_t(i));
            continue;
        }
        if (r->Redraw && IsWindowVisible(r->Handle)) {
            HWND pick = r->Handle;
            for (TWindowRecord* p = Find(r->Parent); p; p = Find(p->Parent))
                if (p->HasUpdate && p->Redraw) pick = p->Handle;
            M = TMsg{};
            M.hwnd = pick;
            M.message = WM_PAINT;
            return true;
        }
        ++i;
    }
    return false;
}

bool TakeTimer(TMsg& M)
{
    TState& s = State();
    Cardinal now = Now();
    TTimerRecord* best = nullptr;
    for (auto& t : s.Timers)
        if (IsDue(t.Due, now) && (!best || int32_t(t.Due - best->Due) < 0)) best = &t;
    if (!best) return false;
    M = TMsg{};
    M.hwnd = best->Wnd;
    M.message = WM_TIMER;
    M.wParam = best->Id;
    best->Due = now + best->Elapse;
    return true;
}

void NotifyBackendShown(TWindowRecord& r, bool Visible)
{
    if (IsTopLevel(r) && HasBackend()) Backend().WindowShown(r.Handle, Visible);
}

void InvalidateInParent(TWindowRecord& r)
{
    if (r.Parent) InvalidateRect(r.Parent, &r.Bounds, true);
}

// Focus held inside Wnd goes somewhere else when Wnd hides or goes away: a top-level window
// hands the activation on first, a child window hands the focus to its parent.
void MoveFocusOutOf(HWND Wnd)
{
    TState& s = State();
    TWindowRecord* r = Find(Wnd);
    if (!r) return;
    if (IsTopLevel(*r) && s.Active == Wnd) {
        if (HWND next = NextActivationCandidate(Wnd)) {
            SetActiveWindow(next);
        } else {
            s.Active = 0;
            if (HasBackend()) Backend().WindowActivated(0);
            SendMessage(Wnd, WM_ACTIVATE, WA_INACTIVE, 0);
        }
    }
    r = Find(Wnd);  // activation handlers may have destroyed it
    if (!r || !s.Focus || !IsWithin(s.Focus, Wnd)) return;
    if (TWindowRecord* p = Find(r->Parent)) SetFocus(p->Handle);
    if (s.Focus && IsWithin(s.Focus, Wnd)) SetFocus(0);
}

}  // namespace

// --- windows -----------------------------------------------------------------------------------

HWND CreateWindow(const TCreateWindowParams& P)
{
    TState& s = State();
    bool child = (P.Style & WS_CHILD) != 0;
    if (child && !Find(P.Parent)) throw EInvalidOperation(u"Control has no parent window");
    if (child && Find(P.Parent)->Destroying) throw EInvalidOperation(u"The parent window is being destroyed");
    auto rec = std::make_unique<TWindowRecord>();
    rec->Handle = s.NextHandle++;
    rec->Style = P.Style;
    rec->ExStyle = P.ExStyle;
    rec->ClassStyle = P.ClassStyle;
    rec->Bounds = P.Bounds;
    rec->Text = P.Caption;
    rec->Proc = std::make_shared<const TWndProc>(P.WndProc ? P.WndProc : TWndProc(DefWindowProc));
    if (child)
        rec->Parent = P.Parent;
    else
        rec->Owner = Find(P.Parent) ? P.Parent : 0;
    HWND h = rec->Handle;
    TWindowRecord& r = *rec;
    s.Windows.emplace(h, std::move(rec));
    SiblingList(r).insert(SiblingList(r).begin(), h);
    BringToTop(r);
    if (!child && HasBackend()) {
        TNativeKind kind = (P.ExStyle & WS_EX_NOACTIVATE) ? TNativeKind::NonActivatingPopup
            : (P.Style & WS_POPUP)                        ? TNativeKind::ActivatingPopup
                                                          : TNativeKind::Normal;
        Backend().WindowCreated(h, kind, r.Owner, r.Bounds);
    }
    SendMessage(h, WM_CREATE, 0, 0);
    if (Find(h) && (Find(h)->Style & WS_VISIBLE)) {
        InvalidateRect(h, nullptr, true);
        NotifyBackendShown(*Find(h), true);
    }
    return h;
}

bool DestroyWindow(HWND Wnd)
{
    TState& s = State();
    TWindowRecord* r = Find(Wnd);
    if (!r || r->Destroying) return false;
    // Owned windows go first, as they cannot outlive their owner.
    std::vector<HWND> owned;
    for (HWND t : s.TopLevels)
        if (Find(t)->Owner == Wnd) owned.push_back(t);
    for (HWND t : owned) DestroyWindow(t);
    r = Find(Wnd);
    if (!r || r->Destroying) return false;
    if (s.Capture && IsWithin(s.Capture, Wnd)) ReleaseCapture();
    MoveFocusOutOf(Wnd);
    std::vector<HWND> tree;
    CollectSubtree(Wnd, tree);
    for (HWND h : tree)
        if (TWindowRecord* x = Find(h)) x->Destroying = true;
    if (s.Focus && IsWithin(s.Focus, Wnd)) s.Focus = 0;
    if (s.Announced && IsWithin(s.Announced, Wnd)) s.Announced = 0;
    if (s.Active == Wnd) s.Active = 0;
    for (HWND h : tree) SendMessage(h, WM_DESTROY, 0, 0);
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) SendMessage(*it, WM_NCDESTROY, 0, 0);
    r = Find(Wnd);
    if (r->Parent) InvalidateInParent(*r);
    auto& siblings = SiblingList(*r);
    siblings.erase(std::find(siblings.begin(), siblings.end(), Wnd));
    bool top = IsTopLevel(*r);
    std::erase_if(s.Timers,
                  [&](const TTimerRecord& t) { return std::find(tree.begin(), tree.end(), t.Wnd) != tree.end(); });
    if (s.LastClick.Valid && std::find(tree.begin(), tree.end(), s.LastClick.Wnd) != tree.end())
        s.LastClick.Valid = false;
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
        if (s.Focus == *it) s.Focus = 0;
        if (s.Announced == *it) s.Announced = 0;
        if (s.Capture == *it) s.Capture = 0;
        s.Windows.erase(*it);
    }
    for (auto& t : s.TopLevels)
        if (Find(t)->Owner == Wnd) Find(t)->Owner = 0;
    if (top && HasBackend()) Backend().WindowDestroyed(Wnd);
    return true;
}

bool IsWindow(HWND Wnd) { return Find(Wnd) != nullptr; }

HWND GetParent(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Parent : 0;
}

HWND GetWindowOwner(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Owner : 0;
}

HWND GetTopLevelWindow(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    while (r && r->Parent) r = Find(r->Parent);
    return r ? r->Handle : 0;
}

bool IsChild(HWND Parent, HWND Wnd) { return Wnd != Parent && IsWithin(Wnd, Parent); }

std::vector<HWND> GetChildWindows(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Children : std::vector<HWND>{};
}

std::vector<HWND> GetTopLevelWindows() { return State().TopLevels; }

HWND SetParent(HWND Wnd, HWND NewParent)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !(r->Style & WS_CHILD) || !Find(NewParent) || IsWithin(NewParent, Wnd)) return 0;
    HWND old = r->Parent;
    if (old == NewParent) return old;
    InvalidateInParent(*r);
    auto& siblings = SiblingList(*r);
    siblings.erase(std::find(siblings.begin(), siblings.end(), Wnd));
    r->Parent = NewParent;
    Find(NewParent)->Children.insert(Find(NewParent)->Children.begin(), Wnd);
    InvalidateInParent(*r);
    return old;
}

void SetWindowZOrder(HWND Wnd, HWND InsertAfter)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return;
    if (!InsertAfter) {
        BringToTop(*r);
    } else {
        auto& list = SiblingList(*r);
        auto it = std::find(list.begin(), list.end(), InsertAfter);
        if (it == list.end() || InsertAfter == Wnd) return;
        list.erase(std::find(list.begin(), list.end(), Wnd));
        it = std::find(list.begin(), list.end(), InsertAfter);
        list.insert(it + 1, Wnd);
    }
    if (r->Parent) InvalidateRect(Wnd, nullptr, true);
}

Cardinal GetWindowStyle(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Style : 0;
}

void SetWindowStyle(HWND Wnd, Cardinal Style)
{
    if (TWindowRecord* r = Find(Wnd)) {
        Cardinal keep = WS_VISIBLE | WS_DISABLED | WS_CHILD;
        r->Style = (Style & ~keep) | (r->Style & keep);
    }
}

Cardinal GetWindowExStyle(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->ExStyle : 0;
}

void SetWindowExStyle(HWND Wnd, Cardinal ExStyle)
{
    if (TWindowRecord* r = Find(Wnd)) r->ExStyle = ExStyle;
}

Cardinal GetClassStyle(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->ClassStyle : 0;
}

String GetWindowText(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Text : String();
}

void SetWindowText(HWND Wnd, const String& Text)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || r->Text == Text) return;
    r->Text = Text;
    if (IsTopLevel(*r) && HasBackend()) Backend().WindowCaptionChanged(Wnd, Text);
}

// --- procedures and messages --------------------------------------------------------------------

LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return 0;
    std::shared_ptr<const TWndProc> proc = r->Proc;
    return (*proc)(Wnd, Msg, WParam, LParam);
}

bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TState& s = State();
    bool uiThread = std::this_thread::get_id() == s.UiThread;
    if (Wnd && uiThread && !IsWindow(Wnd)) return false;
    {
        std::lock_guard<std::mutex> lock(s.PostLock);
        TMsg m;
        m.hwnd = Wnd;
        m.message = Msg;
        m.wParam = WParam;
        m.lParam = LParam;
        s.Posted.push_back(m);
    }
    if (!uiThread && HasBackend()) Backend().WakeUp();
    return true;
}

void PostQuitMessage(Integer ExitCode) { PostMessage(0, WM_QUIT, WPARAM(ExitCode), 0); }

LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return 0;
    switch (Msg) {
    case WM_SETCURSOR:
        if (r->Parent && SendMessage(r->Parent, Msg, WParam, LParam)) return 1;
        if (!r->Parent && HasBackend()) Backend().SetCursorShape(-2 /* arrow */);
        return 0;
    case WM_MOUSEACTIVATE:
        if (r->Parent) {
            if (LRESULT a = SendMessage(r->Parent, Msg, WParam, LParam)) return a;
            return 0;
        }
        return (r->ExStyle & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU: return r->Parent ? SendMessage(r->Parent, Msg, WParam, LParam) : 0;
    case WM_RBUTTONUP: {
        TPoint p = ClientToScreen(Wnd, {GetXLParam(LParam), GetYLParam(LParam)});
        SendMessage(Wnd, WM_CONTEXTMENU, Wnd, MakeLParam(p.X, p.Y));
        return 0;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (WParam == VK_APPS) SendMessage(Wnd, WM_CONTEXTMENU, Wnd, MakeLParam(-1, -1));
        return 0;
    case WM_ACTIVATE:
        if ((WParam & 0xFFFF) != WA_INACTIVE && State().Active == Wnd && !IsWithin(State().Focus, Wnd)) SetFocus(Wnd);
        return 0;
    case WM_PAINT: ValidateRect(Wnd, nullptr); return 0;
    case WM_CLOSE: DestroyWindow(Wnd); return 0;
    case WM_CANCELMODE:
        if (State().Capture == Wnd) ReleaseCapture();
        return 0;
    case WM_SETREDRAW: r->Redraw = WParam != 0; return 0;
    case WM_NCPAINT: DrawScrollBars(Wnd); return 0;
    case WM_SETTEXT: SetWindowText(Wnd, LParam ? String(reinterpret_cast<const Char*>(LParam)) : String()); return 1;
    default: return 0;
    }
}

LRESULT CallWindowProc(const TWndProc& Proc, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    return Proc ? Proc(Wnd, Msg, WParam, LParam) : DefWindowProc(Wnd, Msg, WParam, LParam);
}

TWndProc GetWindowProc(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? *r->Proc : TWndProc();
}

TWndProc SetWindowProc(HWND Wnd, TWndProc Proc)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return {};
    TWndProc old = *r->Proc;
    r->Proc = std::make_shared<const TWndProc>(Proc ? std::move(Proc) : TWndProc(DefWindowProc));
    return old;
}

namespace {
struct TRegisteredNames {
    std::mutex Lock;
    std::map<String, UINT> Numbers;  // by name in upper case
    std::vector<String> Names;  // by number - RegisteredMessageBase, as first given
};
TRegisteredNames& RegisteredNames()
{
    static TRegisteredNames names;
    return names;
}
}  // namespace

UINT RegisterWindowMessage(StringView Name)
{
    TRegisteredNames& r = RegisteredNames();
    String key(Name);
    for (Char& c : key)
        if (c < 128) c = Char(std::toupper(int(c)));
    std::lock_guard<std::mutex> guard(r.Lock);
    auto it = r.Numbers.find(key);
    if (it != r.Numbers.end()) return it->second;
    UINT id = RegisteredMessageBase + UINT(r.Numbers.size());
    r.Numbers.emplace(key, id);
    r.Names.emplace_back(Name);
    return id;
}

String RegisteredMessageName(UINT Msg)
{
    TRegisteredNames& r = RegisteredNames();
    std::lock_guard<std::mutex> guard(r.Lock);
    if (Msg < RegisteredMessageBase || Msg - RegisteredMessageBase >= r.Names.size()) return {};
    return r.Names[Msg - RegisteredMessageBase];
}

// --- the loop -------------------------------------------------------------------------------------

bool PeekMessage(TMsg& M)
{
    TState& s = State();
    if (HasBackend()) Backend().PollEvents();
    for (;;) {
        if (TakePosted(M)) {
            if (M.hwnd && !IsWindow(M.hwnd)) continue;
        } else if (!s.Input.empty()) {
            TInputEvent in = s.Input.front();
            s.Input.pop_front();
            M = TMsg{};
            if (!(in.IsKey ? ConvertKey(in, M) : ConvertMouse(in, M))) continue;
        } else if (!TakePaint(M) && !TakeTimer(M)) {
            return false;
        }
        M.time = Now();
        M.pt = s.Cursor;
        s.MessageTime = M.time;
        return true;
    }
}

bool TranslateMessage(const TMsg& M)
{
    if (M.message != WM_KEYDOWN && M.message != WM_SYSKEYDOWN) return false;
    // A display's layout may give another character than the standard one.
    Char c = (M.wParam == VK_PACKET || M.packetChar) ? M.packetChar : CharOfKey(Word(M.wParam));
    if (!c) return false;
    UINT msg = M.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    return PostMessage(M.hwnd, msg, c, M.lParam);
}

LRESULT DispatchMessage(const TMsg& M)
{
    if (!M.hwnd) return 0;
    if (M.message == WM_PAINT) return SendPaint(M.hwnd, M.wParam, M.lParam);
    return SendMessage(M.hwnd, M.message, M.wParam, M.lParam);
}

void WaitMessage()
{
    if (HasBackend()) Backend().WaitForEvents(NextTimerDue());
}

bool HasPendingMessages()
{
    TState& s = State();
    std::lock_guard<std::mutex> lock(s.PostLock);
    return !s.Posted.empty() || !s.Input.empty();
}

Cardinal GetMessageTime() { return State().MessageTime; }

Cardinal GetTickCountUI()
{
    if (HasBackend()) return Backend().TickCount();
    using namespace std::chrono;
    return Cardinal(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// --- visibility, enabling, geometry ----------------------------------------------------------------

bool ShowWindow(HWND Wnd, bool Visible)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return false;
    bool was = (r->Style & WS_VISIBLE) != 0;
    if (was == Visible) return was;
    SendMessage(Wnd, WM_SHOWWINDOW, Visible, 0);
    r = Find(Wnd);
    if (!r) return was;
    if (Visible) {
        r->Style |= WS_VISIBLE;
        if (IsTopLevel(*r)) BringToTop(*r);
        NotifyBackendShown(*r, true);
        InvalidateRect(Wnd, nullptr, true);
    } else {
        r->Style &= ~WS_VISIBLE;
        InvalidateInParent(*r);
        if (State().Capture && IsWithin(State().Capture, Wnd)) ReleaseCapture();
        MoveFocusOutOf(Wnd);
        if ((r = Find(Wnd))) NotifyBackendShown(*r, false);
    }
    return was;
}

bool IsWindowVisible(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return false;
    for (; r; r = Find(r->Parent))
        if (!(r->Style & WS_VISIBLE)) return false;
    return true;
}

bool EnableWindow(HWND Wnd, bool Enable)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return false;
    bool wasDisabled = (r->Style & WS_DISABLED) != 0;
    if (wasDisabled == !Enable) return wasDisabled;
    if (!Enable) {
        SendMessage(Wnd, WM_CANCELMODE, 0, 0);
        if (!(r = Find(Wnd))) return wasDisabled;
        r->Style |= WS_DISABLED;
        if (State().Focus && IsWithin(State().Focus, Wnd)) SetFocus(0);
        if (State().Capture && IsWithin(State().Capture, Wnd)) ReleaseCapture();
    } else {
        r->Style &= ~WS_DISABLED;
    }
    SendMessage(Wnd, WM_ENABLE, Enable, 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r && !(r->Style & WS_DISABLED);
}

void MoveWindow(HWND Wnd, const TRect& Bounds, bool Repaint)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || r->Bounds == Bounds) return;
    TRect old = r->Bounds;
    if (Repaint) InvalidateInParent(*r);
    r->Bounds = Bounds;
    if (Repaint) {
        InvalidateInParent(*r);
        InvalidateRect(Wnd, nullptr, true);
    }
    if (IsTopLevel(*r) && HasBackend()) Backend().WindowMoved(Wnd, Bounds);
    SendMessage(Wnd, WM_WINDOWPOSCHANGED, 0, 0);
    if (old.TopLeft() != Bounds.TopLeft()) SendMessage(Wnd, WM_MOVE, 0, MakeLParam(Bounds.Left, Bounds.Top));
    if (old.Width() != Bounds.Width() || old.Height() != Bounds.Height()) {
        TRect c = GetClientRect(Wnd);
        SendMessage(Wnd, WM_SIZE, 0, MakeLParam(c.Width(), c.Height()));
    }
}

TRect GetWindowBounds(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? r->Bounds : TRect{};
}

TRect GetWindowRect(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return {};
    TPoint p = ClientToScreen(Wnd, {0, 0});
    return Bounds(p.X, p.Y, r->Bounds.Width(), r->Bounds.Height());
}

TRect GetClientRect(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r ? ClientOf(*r) : TRect{};
}

TPoint ClientToScreen(HWND Wnd, TPoint P)
{
    for (TWindowRecord* r = Find(Wnd); r; r = Find(r->Parent)) {
        P.X += r->Bounds.Left;
        P.Y += r->Bounds.Top;
    }
    return P;
}

TPoint ScreenToClient(HWND Wnd, TPoint P)
{
    TPoint o = ClientToScreen(Wnd, {0, 0});
    return {P.X - o.X, P.Y - o.Y};
}

namespace {
HWND ChildAt(TWindowRecord& r, TPoint P)
{
    if (!PtInRect(ClientOf(r), P)) return r.Handle;  // on its scroll bars
    for (HWND c : r.Children) {
        TWindowRecord* cr = Find(c);
        if (!cr || !(cr->Style & WS_VISIBLE) || (cr->Style & WS_DISABLED)) continue;
        if (PtInRect(cr->Bounds, P)) return ChildAt(*cr, {P.X - cr->Bounds.Left, P.Y - cr->Bounds.Top});
    }
    return r.Handle;
}
}  // namespace

HWND WindowFromPoint(TPoint P)
{
    for (HWND t : State().TopLevels) {
        TWindowRecord* r = Find(t);
        if (!r || !(r->Style & WS_VISIBLE) || !PtInRect(r->Bounds, P)) continue;
        return ChildAt(*r, {P.X - r->Bounds.Left, P.Y - r->Bounds.Top});
    }
    return 0;
}

// --- focus, activation, capture ---------------------------------------------------------------------

HWND SetFocus(HWND Wnd)
{
    TState& s = State();
    HWND old = s.Focus;
    if (Wnd) {
        TWindowRecord* r = Find(Wnd);
        if (!r || r->Destroying || !IsWindowVisible(Wnd) || !IsEnabledDeep(Wnd)) return 0;
        HWND top = GetTopLevelWindow(Wnd);
        if (Find(top)->ExStyle & WS_EX_NOACTIVATE) return 0;
        if (top != s.Active) {
            SetActiveWindow(top);
            if (!IsWindow(Wnd) || s.Active != top) return 0;
            old = s.Focus;
        }
        if (s.Focus == Wnd && s.Announced == Wnd) return Wnd;
    } else if (!old && !s.Announced) {
        return 0;
    }
    s.Focus = Wnd;
    // Only a window that was told it has the focus is told it lost it; a window that got the
    // focus and lost it again inside another's WM_KILLFOCUS hears nothing.
    HWND loser = s.Announced;
    if (loser && loser != Wnd && IsWindow(loser)) {
        s.Announced = 0;
        s.Losing = loser;
        SendMessage(loser, WM_KILLFOCUS, Wnd, 0);
        s.Losing = 0;
        if (s.Focus != Wnd || (Wnd && s.Announced == Wnd)) return old;
    }
    if (!Wnd) return old;
    s.Announced = Wnd;
    SendMessage(Wnd, WM_SETFOCUS, loser ? loser : s.Losing, 0);
    return old;
}

HWND GetFocus() { return State().Focus; }

HWND GetActiveWindow() { return State().Active; }

HWND SetActiveWindow(HWND Wnd)
{
    TState& s = State();
    HWND old = s.Active;
    HWND top = GetTopLevelWindow(Wnd);
    TWindowRecord* r = Find(top);
    if (!r || !CanActivate(*r)) return 0;
    if (top == old) return old;
    s.Active = top;
    BringToTop(*r);
    if (old && IsWindow(old)) {
        SendMessage(old, WM_ACTIVATE, WA_INACTIVE, LPARAM(top));
        if (s.Active != top) return old;
    }
    if (HasBackend()) Backend().WindowActivated(top);
    SendMessage(top, WM_ACTIVATE, WA_ACTIVE, LPARAM(old));
    // The new window keeps the focus it set; the focus never stays behind in another window.
    if (s.Active == top && s.Focus && !IsWithin(s.Focus, top)) SetFocus(top);
    return old;
}

void NotifyActivated(HWND Wnd)
{
    if (Wnd) {
        SetActiveWindow(Wnd);
        return;
    }
    TState& s = State();
    HWND old = s.Active;
    if (!old) return;
    s.Active = 0;
    SendMessage(old, WM_ACTIVATE, WA_INACTIVE, 0);
    if (s.Active == 0 && s.Focus) SetFocus(0);
}

HWND SetCapture(HWND Wnd)
{
    TState& s = State();
    HWND old = s.Capture;
    if (!IsWindow(Wnd) || old == Wnd) return old;
    s.Capture = Wnd;
    if (old && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, LPARAM(Wnd));
    return old;
}

bool ReleaseCapture()
{
    TState& s = State();
    HWND old = s.Capture;
    if (!old) return true;
    s.Capture = 0;
    SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() { return State().Capture; }

// --- painting -----------------------------------------------------------------------------------------

void InvalidateRect(HWND Wnd, const TRect* R, bool Erase)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || r->Destroying) return;
    TRect client = ClientOf(*r);
    TRect area = client;
    if (R && !IntersectRect(area, *R, client)) return;
    if (IsRectEmpty(area)) return;
    ++State().Invalidations;
    if (r->HasUpdate) {
        UnionRect(r->Update, r->Update, area);
    } else {
        r->Update = area;
        r->HasUpdate = true;
        State().Invalid.push_back(Wnd);
    }
    r->UpdateErase = r->UpdateErase || Erase;
    if (area.Left == 0 || area.Top == 0 || area.Right == client.Right || area.Bottom == client.Bottom)
        r->FrameDirty = true;
}

void ValidateRect(HWND Wnd, const TRect* R)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !r->HasUpdate) return;
    // The update region is kept as one rectangle; validating a part that covers it empties it.
    if (R) {
        TRect covered;
        UnionRect(covered, *R, r->Update);
        if (!(covered == *R)) return;
    }
    r->HasUpdate = false;
    r->UpdateErase = false;
    ++r->Validations;
}

bool GetUpdateRect(HWND Wnd, TRect& R)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !r->HasUpdate) {
        R = {};
        return false;
    }
    R = r->Update;
    return true;
}

void UpdateWindow(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    if (!r || !IsWindowVisible(Wnd)) return;
    if (r->HasUpdate && r->Redraw) SendPaint(Wnd);
    for (HWND c : GetChildWindows(Wnd)) UpdateWindow(c);
}

bool IsRedrawEnabled(HWND Wnd)
{
    TWindowRecord* r = Find(Wnd);
    return r && r->Redraw;
}

namespace {
TWindowPixels PixelsFor(HWND Wnd, const TRect& Clip)
{
    TWindowPixels px;
    if (!HasBackend() || !IsWindowVisible(Wnd)) return px;
    TRect vis;
    if (!IntersectRect(vis, VisibleClientRect(Wnd), Clip)) return px;
    px.Surface = Backend().WindowSurface(GetTopLevelWindow(Wnd));
    px.Origin = OffsetInTopLevel(Wnd);
    px.Clip = vis;
    OffsetRect(px.Clip, px.Origin.X, px.Origin.Y);
    return px;
}

void Present(HWND Wnd, const TWindowPixels& Px)
{
    if (HasBackend() && Px.Surface) Backend().WindowPainted(GetTopLevelWindow(Wnd), Px.Clip);
}
}  // namespace

void BeginPaint(HWND Wnd, TPaintStruct& PS)
{
    PS = TPaintStruct{};
    TWindowRecord* r = Find(Wnd);
    if (!r) return;
    PS.Paint = r->HasUpdate ? r->Update : GetClientRect(Wnd);
    PS.Erase = r->HasUpdate && r->UpdateErase;
    r->HasUpdate = false;
    r->UpdateErase = false;
    ++r->Validations;
    // Child windows are drawn over their parent, so whatever the parent repaints they repaint.
    for (HWND c : r->Children) {
        TWindowRecord* cr = Find(c);
        TRect part;
        if (cr && (cr->Style & WS_VISIBLE) && IntersectRect(part, cr->Bounds, PS.Paint)) {
            OffsetRect(part, -cr->Bounds.Left, -cr->Bounds.Top);
            InvalidateRect(c, &part, false);
        }
    }
    PS.Pixels = PixelsFor(Wnd, PS.Paint);
}

void EndPaint(HWND Wnd, TPaintStruct& PS)
{
    Present(Wnd, PS.Pixels);
    PS.Pixels = {};
}

TWindowPixels GetWindowPixels(HWND Wnd) { return PixelsFor(Wnd, GetClientRect(Wnd)); }

void ReleaseWindowPixels(HWND Wnd, const TWindowPixels& Pixels) { Present(Wnd, Pixels); }

Cardinal PaintCount() { return State().Paints; }
Cardinal InvalidateCount() { return State().Invalidations; }

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

// --- timers ------------------------------------------------------------------------------------------

uintptr_t SetTimer(HWND Wnd, uintptr_t Id, UINT Elapse)
{
    if (!IsWindow(Wnd)) return 0;
    Elapse = std::max<UINT>(Elapse, 1);
    for (auto& t : State().Timers)
        if (t.Wnd == Wnd && t.Id == Id) {
            t.Elapse = Elapse;
            t.Due = Now() + Elapse;
            return Id;
        }
    State().Timers.push_back({Wnd, Id, Elapse, Now() + Elapse});
    return Id;
}

bool KillTimer(HWND Wnd, uintptr_t Id)
{
    auto& timers = State().Timers;
    auto before = timers.size();
    std::erase_if(timers, [&](const TTimerRecord& t) { return t.Wnd == Wnd && t.Id == Id; });
    return timers.size() != before;
}

Cardinal NextTimerDue()
{
    Cardinal now = Now();
    Cardinal best = TBackend::Infinite;
    for (auto& t : State().Timers) {
        int32_t left = int32_t(t.Due - now);
        Cardinal wait = left <= 0 ? 0 : Cardinal(left);
        best = std::min(best, wait);
    }
    return best;
}

// --- keyboard and mouse -------------------------------------------------------------------------------

int16_t GetKeyState(Integer VirtKey)
{
    uint8_t k = State().Keys[Byte(VirtKey)];
    return int16_t(((k & 0x80) ? 0xFF80 : 0) | (k & 0x01));
}

int16_t GetAsyncKeyState(Integer VirtKey) { return int16_t(GetKeyState(VirtKey) & 0x8000); }

TShiftState KeyboardStateToShiftState()
{
    TShiftState s = 0;
    if (KeyDown(VK_SHIFT)) s |= ssShift;
    if (KeyDown(VK_CONTROL)) s |= ssCtrl;
    if (KeyDown(VK_MENU)) s |= ssAlt;
    if (KeyDown(VK_LBUTTON)) s |= ssLeft;
    if (KeyDown(VK_RBUTTON)) s |= ssRight;
    if (KeyDown(VK_MBUTTON)) s |= ssMiddle;
    return s;
}

TShiftState KeyDataToShiftState(LPARAM KeyData)
{
    TShiftState s = 0;
    if (KeyDown(VK_SHIFT)) s |= ssShift;
    if (KeyDown(VK_CONTROL)) s |= ssCtrl;
    if (KeyData & KF_ALTDOWN_BIT) s |= ssAlt;
    return s;
}

TPoint GetCursorPos() { return State().Cursor; }
void SetCursorPos(TPoint P) { State().Cursor = P; }

Word ScanCodeOfKey(Word Vk, bool& Extended)
{
    Extended = false;
    static const char* letters =
        "\x1E\x30\x2E\x20\x12\x21\x22\x23\x17\x24\x25\x26\x32\x31\x18\x19\x10\x13\x1F\x14\x16\x2F\x11\x2D\x15\x2C";
    if (Vk >= 'A' && Vk <= 'Z') return Word(Byte(letters[Vk - 'A']));
    if (Vk >= '1' && Vk <= '9') return Word(Vk - '1' + 0x02);
    if (Vk == '0') return 0x0B;
    if (Vk >= VK_F1 && Vk <= VK_F10) return Word(0x3B + (Vk - VK_F1));
    static const Byte numpad[] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};
    if (Vk >= VK_NUMPAD0 && Vk <= VK_NUMPAD0 + 9) return numpad[Vk - VK_NUMPAD0];
    auto ext = [&](Word code) {
        Extended = true;
        return code;
    };
    switch (Vk) {
    case VK_ESCAPE: return 0x01;
    case VK_OEM_MINUS: return 0x0C;
    case VK_OEM_PLUS: return 0x0D;
    case VK_BACK: return 0x0E;
    case VK_TAB: return 0x0F;
    case VK_RETURN: return 0x1C;
    case VK_CONTROL:
    case VK_LCONTROL: return 0x1D;
    case VK_RCONTROL: return ext(0x1D);
    case VK_OEM_1: return 0x27;
    case VK_SHIFT:
    case VK_LSHIFT: return 0x2A;
    case VK_OEM_COMMA: return 0x33;
    case VK_OEM_PERIOD: return 0x34;
    case VK_OEM_2: return 0x35;
    case VK_RSHIFT: return 0x36;
    case VK_MULTIPLY: return 0x37;
    case VK_MENU:
    case VK_LMENU: return 0x38;
    case VK_RMENU: return ext(0x38);
    case VK_SPACE: return 0x39;
    case VK_CAPITAL: return 0x3A;
    case VK_NUMLOCK: return 0x45;
    case VK_SCROLL: return 0x46;
    case VK_SUBTRACT: return 0x4A;
    case VK_ADD: return 0x4E;
    case VK_DECIMAL: return 0x53;
    case VK_F11: return 0x57;
    case VK_F12: return 0x58;
    case VK_DIVIDE: return ext(0x35);
    case VK_HOME: return ext(0x47);
    case VK_UP: return ext(0x48);
    case VK_PRIOR: return ext(0x49);
    case VK_LEFT: return ext(0x4B);
    case VK_RIGHT: return ext(0x4D);
    case VK_END: return ext(0x4F);
    case VK_DOWN: return ext(0x50);
    case VK_NEXT: return ext(0x51);
    case VK_INSERT: return ext(0x52);
    case VK_DELETE: return ext(0x53);
    case VK_APPS: return ext(0x5D);
    default: return 0;
    }
}

void InjectKey(Word VirtKey, bool Down, Char PacketChar)
{
    TInputEvent e;
    e.IsKey = true;
    e.VirtKey = VirtKey;
    e.Down = Down;
    e.PacketChar = PacketChar;
    State().Input.push_back(e);
}

void InjectKeyEx(Word VirtKey, bool Down, Word ScanCode, bool Extended, Char LayoutChar)
{
    InjectKey(VirtKey, Down, LayoutChar);
    TInputEvent& e = State().Input.back();
    e.HasScan = true;
    e.ScanCode = ScanCode;
    e.Extended = Extended;
}

void InjectMouse(TMouseAction Action, TPoint ScreenPoint, TMouseButton Button, Integer WheelDelta, Cardinal Time)
{
    TInputEvent e;
    e.IsKey = false;
    e.Action = Action;
    e.Point = ScreenPoint;
    e.Button = Button;
    e.WheelDelta = WheelDelta;
    e.Time = Time;
    State().Input.push_back(e);
}

// --- lifetime -----------------------------------------------------------------------------------------

void ResetWindowSystem()
{
    TState& s = State();
    while (!s.TopLevels.empty()) {
        HWND h = s.TopLevels.back();
        if (!DestroyWindow(h)) s.TopLevels.pop_back();
    }
    s.Windows.clear();
    {
        std::lock_guard<std::mutex> lock(s.PostLock);
        s.Posted.clear();
    }
    s.Input.clear();
    s.Timers.clear();
    s.Invalid.clear();
    s.Focus = s.Announced = s.Losing = s.Active = s.Capture = 0;
    s.Keys.fill(0);
    s.Cursor = {};
    s.LastClick = {};
    s.Track = {};
    s.MessageTime = 0;
    s.UiThread = std::this_thread::get_id();
}

Cardinal WindowCount() { return Cardinal(State().Windows.size()); }

}  // namespace gw
