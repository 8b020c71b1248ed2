// The program's office-theme notifier: windows register to hear WM_OFFICETHEMECHANGE.
//
// An office suite's theme would be watched by a thread that sends the message to every
// registered window. This platform has no office suite (DetectOfficeVersion is 0), so the
// notifier has neither watcher nor window, registering has no effect and no message is sent.
#pragma once

#include "platform/runtime/component.h"
#include "platform/ui/messages.h"

namespace gw {

class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* AOwner);
    ~TThemeNotifier() override;
    String ClassName() const override { return u"TThemeNotifier"; }

    // True while an office suite's theme is watched.
    bool Watching() const { return false; }
    // Adds the window to the watcher's list (once); nothing without a watcher.
    void RegisterWindow(HWND Wnd);
    // Removes the window from that list; nothing without a watcher or when it is not there.
    void UnRegisterWindow(HWND Wnd);

    TNotifyEvent OnOfficeThemeChange;
};

// The program's notifier, created on the first call. Its owner is the application's main form
// when that has a window, else AOwner; destroying it lets the next call create a new one.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);

}  // namespace gw
