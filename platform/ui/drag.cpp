// The drag session: the mouse captured to a hidden window, a nested loop that turns mouse moves
// into drag-over notices and the release into a drop, while other messages are handled as usual.
#include "platform/ui/drag.h"

#include "platform/ui/application.h"
#include "platform/ui/backend.h"
#include "platform/ui/control.h"
#include "platform/ui/win_control.h"

#include <cstdlib>

namespace gw {

namespace {

struct TDragSession {
    TControl* Source = nullptr;
    TObject* DragObject = nullptr;
    TPoint Start;
    bool Started = false;
    Integer Threshold = 5;
    TControl* Target = nullptr;
    bool Accepted = false;
    bool Active = true;
    HWND Window = 0;
};

TDragSession* g_session = nullptr;

TPoint TargetPoint(TControl* Target, TPoint Screen) { return Target->ScreenToClient(Screen); }

void SetDragCursor(TDragSession& S)
{
    if (HasBackend() && S.Source) Backend().SetCursorShape(S.Accepted ? S.Source->DragCursor : crNoDrop);
}

void DragTo(TDragSession& S, TPoint P)
{
    TControl* t = FindDragTarget(P, false);
    TDragState state = dsDragMove;
    if (t != S.Target) {
        if (TControl* old = S.Target) {
            bool ignored = false;
            TPoint l = TargetPoint(old, P);
            old->DragOver(S.Source, l.X, l.Y, dsDragLeave, ignored);
        }
        S.Target = t;
        state = dsDragEnter;
    }
    S.Accepted = false;
    if (S.Target && S.Source) {
        TPoint l = TargetPoint(S.Target, P);
        S.Target->DragOver(S.Source, l.X, l.Y, state, S.Accepted);
    }
    SetDragCursor(S);
}

void Finish(TDragSession& S, bool Drop)
{
    if (!S.Active) return;
    S.Active = false;
    if (GetCapture() == S.Window) ReleaseCapture();
    TPoint p = GetCursorPos();
    bool dropIt = Drop && S.Started && S.Target && S.Accepted && S.Source;
    TPoint l = S.Target ? TargetPoint(S.Target, p) : TPoint{};
    if (S.Target && S.Started && !dropIt) {
        bool ignored = false;
        S.Target->DragOver(S.Source, l.X, l.Y, dsDragLeave, ignored);
    }
    if (dropIt) S.Target->DragDrop(S.Source, l.X, l.Y);
    if (S.Source) S.Source->DoEndDrag(dropIt ? S.Target : nullptr, dropIt ? l.X : 0, dropIt ? l.Y : 0);
    if (HasBackend()) Backend().SetCursorShape(crArrow);
}

void Move(TDragSession& S, TPoint P)
{
    if (!S.Started) {
        if (std::abs(P.X - S.Start.X) <= S.Threshold && std::abs(P.Y - S.Start.Y) <= S.Threshold) return;
        S.Started = true;
    }
    DragTo(S, P);
}

}  // namespace

TControl* FindDragTarget(TPoint ScreenPos, bool AllowDisabled)
{
    TWinControl* w = FindControl(WindowFromPoint(ScreenPos));
    if (!w) return nullptr;
    TControl* g = w->ControlAtPos(w->ScreenToClient(ScreenPos), AllowDisabled);
    return g ? g : w;
}

TControl* DragControl() { return g_session && g_session->Active ? g_session->Source : nullptr; }

void FinishDrag(bool Drop)
{
    if (g_session) Finish(*g_session, Drop);
}

void DragControlDestroying(TControl* Control)
{
    if (!g_session) return;
    if (g_session->Target == Control) g_session->Target = nullptr;
    if (g_session->Source == Control) {
        g_session->Source = nullptr;
        Finish(*g_session, false);
    }
}

void RunDrag(TControl* Source, bool Immediate, Integer Threshold)
{
    if (g_session) return;  // one drag at a time
    TDragSession s;
    s.Source = Source;
    s.Start = GetCursorPos();
    s.Started = Immediate;
    s.Threshold = Threshold < 0 ? (Mouse ? Mouse->DragThreshold : 5) : Threshold;
    s.Window = AllocateHWnd(DefWindowProc);
    g_session = &s;
    // Whatever ends the loop (an error included) ends the drag and gives the mouse back.
    struct TEnd {
        TDragSession& S;
        ~TEnd()
        {
            try {
                Finish(S, false);
            } catch (...) {
                // The drag is over regardless.
            }
            g_session = nullptr;
            DeallocateHWnd(S.Window);
        }
    } end{s};
    Source->DoStartDrag(s.DragObject);
    SetCapture(s.Window);
    if (s.Started) DragTo(s, s.Start);
    while (s.Active) {
        TMsg m;
        if (!PeekMessage(m)) {
            WaitMessage();
            continue;
        }
        switch (m.message) {
        case WM_MOUSEMOVE: Move(s, m.pt); break;
        case WM_LBUTTONUP: Finish(s, true); break;
        case WM_RBUTTONDOWN: Finish(s, false); break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
        case WM_MOUSEWHEEL:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSKEYUP: break;  // the drag owns the mouse and the keyboard
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (m.wParam == VK_ESCAPE) Finish(s, false);
            break;
        case WM_QUIT:
            PostQuitMessage(Integer(m.wParam));
            Finish(s, false);
            break;
        default:
            TranslateMessage(m);
            DispatchMessage(m);
            break;
        }
        if (s.Active && GetCapture() != s.Window) Finish(s, false);  // the capture was taken away
    }
}

}  // namespace gw
