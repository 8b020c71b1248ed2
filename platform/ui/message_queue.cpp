// The message loop's queue: posted messages, then input, then paint, then due timers; and the
// timers themselves.
#include "platform/ui/backend.h"
#include "platform/ui/window_system_state.h"

#include <algorithm>
#include <chrono>

namespace gw {

namespace detail {

Cardinal Now() { return GetTickCountUI(); }

}  // namespace detail

using namespace detail;

namespace {

bool IsDue(Cardinal Due, Cardinal NowTick) { return int32_t(NowTick - Due) >= 0; }

bool TakePosted(TMsg& M)
{
    TState& s = State();
    std::lock_guard<std::mutex> lock(s.PostLock);
    if (s.Posted.empty()) return false;
    M = s.Posted.front();
    s.Posted.pop_front();
    return true;
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

}  // namespace

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

LRESULT DispatchMessage(const TMsg& M)
{
    if (!M.hwnd) return 0;
    if (M.message == WM_PAINT) return SendPaint(M.hwnd, M.wParam, M.lParam);
    return CallProcedure(M.hwnd, M.message, M.wParam, M.lParam);
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

}  // namespace gw
