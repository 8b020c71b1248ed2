// Sending and posting messages, window procedures, the default procedure and registered
// message numbers.
#include "platform/ui/backend.h"
#include "platform/ui/cursors.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system_state.h"

#include <algorithm>
#include <map>
#include <utility>

namespace gw {

using namespace detail;

namespace detail {

LRESULT CallProcedure(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TWindowRecord* r = Find(Wnd);
    if (!r) return 0;
    std::shared_ptr<const TWndProc> proc = r->Proc;
    return (*proc)(Wnd, Msg, WParam, LParam);
}

}  // namespace detail

namespace {

// Runs the observers registered when the send began, in order; ids rise along the list, so after
// each call the next is the first with a higher id, whatever an observer added or removed.
void NotifyObservers(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    const Cardinal end = State().NextObserverId;
    Cardinal last = 0;
    for (;;) {
        const std::vector<TObserverRecord>& list = State().Observers;
        auto next = std::find_if(list.begin(), list.end(), [last](const TObserverRecord& o) { return o.Id > last; });
        if (next == list.end() || next->Id >= end) return;
        last = next->Id;
        std::shared_ptr<const TSendMessageObserver> keep = next->Observer;
        (*keep)(Wnd, Msg, WParam, LParam);
    }
}

}  // namespace

LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (!Find(Wnd)) return 0;
    if (!State().Observers.empty()) NotifyObservers(Wnd, Msg, WParam, LParam);
    return CallProcedure(Wnd, Msg, WParam, LParam);
}

TSendMessageObservation::TSendMessageObservation(TSendMessageObserver Observer)
{
    if (!Observer) return;
    TState& s = State();
    m_id = s.NextObserverId++;
    s.Observers.push_back({m_id, std::make_shared<const TSendMessageObserver>(std::move(Observer))});
}

TSendMessageObservation::TSendMessageObservation(TSendMessageObservation&& Other) noexcept
    : m_id(std::exchange(Other.m_id, 0))
{
}

TSendMessageObservation& TSendMessageObservation::operator=(TSendMessageObservation&& Other) noexcept
{
    if (this != &Other) {
        Reset();
        m_id = std::exchange(Other.m_id, 0);
    }
    return *this;
}

TSendMessageObservation::~TSendMessageObservation() { Reset(); }

void TSendMessageObservation::Reset()
{
    if (!m_id) return;
    std::erase_if(State().Observers, [this](const TObserverRecord& o) { return o.Id == m_id; });
    m_id = 0;
}

Cardinal SendMessageObserverCount() { return Cardinal(State().Observers.size()); }

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
    const TMessage m{Msg, WParam, LParam, 0};
    switch (Msg) {
    case WM_SETCURSOR:
        if (r->Parent && SendMessage(r->Parent, Msg, WParam, LParam)) return 1;
        if (!r->Parent && HasBackend()) Backend().SetCursorShape(crArrow);
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
        TPoint p = ClientToScreen(Wnd, TWMMouse(m).Pos);
        SendMessage(Wnd, WM_CONTEXTMENU, Wnd, MakeLParam(p.X, p.Y));
        return 0;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (TWMKey(m).Key == VK_APPS) SendMessage(Wnd, WM_CONTEXTMENU, Wnd, MakeLParam(-1, -1));
        return 0;
    case WM_ACTIVATE:
        if (TWMActivate(m).Active() && State().Active == Wnd && !IsWithin(State().Focus, Wnd)) SetFocus(Wnd);
        return 0;
    case WM_PAINT: ValidateRect(Wnd, nullptr); return 0;
    case WM_CLOSE: DestroyWindow(Wnd); return 0;
    case WM_CANCELMODE:
        if (State().Capture == Wnd) ReleaseCapture();
        return 0;
    case WM_SETREDRAW: r->Redraw = WParam != 0; return 0;
    case WM_NCPAINT: DrawScrollBars(Wnd); return 0;
    case WM_SETTEXT: SetWindowText(Wnd, TWMText(m).Value()); return 1;
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

}  // namespace gw
