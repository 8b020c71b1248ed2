// Focus, activation and capture: who receives keys, which top-level window is active, who
// holds the mouse.
#include "platform/ui/backend.h"
#include "platform/ui/window_system_state.h"

namespace gw {

namespace detail {

bool CanActivate(const TWindowRecord& r)
{
    return IsTopLevel(r) && !r.Destroying && (r.Style & WS_VISIBLE) && !(r.Style & WS_DISABLED) &&
        !(r.ExStyle & WS_EX_NOACTIVATE);
}

namespace {

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

}  // namespace

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

}  // namespace detail

using namespace detail;

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

}  // namespace gw
