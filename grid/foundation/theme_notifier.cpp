// The program's office-theme notifier.
#include "grid/foundation/theme_notifier.h"

#include "grid/foundation/theme_detection.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"

#include <memory>

namespace gw {

namespace {
TThemeNotifier* g_notifier = nullptr;
// A notifier created without any owner is freed at program end.
std::unique_ptr<TThemeNotifier> g_unowned;
}  // namespace

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner)
{
    // With office 2007 or 2010 installed a hidden notifier window and a watcher thread would be
    // set up here; DetectOfficeVersion finds no office suite on this platform.
}

TThemeNotifier::~TThemeNotifier()
{
    if (g_notifier == this) g_notifier = nullptr;
}

// Without a watcher there is no list to join or leave.
void TThemeNotifier::RegisterWindow(HWND) {}

void TThemeNotifier::UnRegisterWindow(HWND) {}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner)
{
    if (g_notifier) return g_notifier;
    TComponent* owner = AOwner;
    if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
        owner = Application->MainForm();
    if (owner) return g_notifier = new TThemeNotifier(owner);
    g_unowned = std::make_unique<TThemeNotifier>(nullptr);
    return g_notifier = g_unowned.get();
}

}  // namespace gw
