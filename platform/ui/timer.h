// TTimer: OnTimer every Interval milliseconds while Enabled, through the window system's timers.
#pragma once

#include "platform/runtime/component.h"
#include "platform/ui/messages.h"

namespace gw {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    String ClassName() const override { return u"TTimer"; }

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    Cardinal Interval() const { return m_interval; }
    // 0 stops the timer; a new interval starts counting from now.
    void SetInterval(Cardinal Value);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();

    bool m_enabled = true;
    Cardinal m_interval = 1000;
    HWND m_window = 0;
};

}  // namespace gw
