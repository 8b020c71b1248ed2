// TTimer: a hidden window receives WM_TIMER and raises OnTimer.
#include "platform/ui/timer.h"

#include "platform/ui/application.h"

namespace gw {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
    m_window = AllocateHWnd([this](HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) -> LRESULT {
        if (Msg != WM_TIMER) return DefWindowProc(Wnd, Msg, WParam, LParam);
        try {
            Timer();
        } catch (...) {
            HandleControlException(this);
        }
        return 0;
    });
    UpdateTimer();
}

TTimer::~TTimer()
{
    Destroying();
    DeallocateHWnd(m_window);
}

void TTimer::SetEnabled(bool Value)
{
    if (m_enabled == Value) return;
    m_enabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(Cardinal Value)
{
    m_interval = Value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    KillTimer(m_window, 1);
    if (m_enabled && m_interval > 0) SetTimer(m_window, 1, m_interval);
}

void TTimer::Timer()
{
    if (m_enabled && OnTimer) OnTimer(this);
}

}  // namespace gw
