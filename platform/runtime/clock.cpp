// The real clock and the switch to an installed (virtual) one.
#include "platform/runtime/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace gw {

namespace {

class TSystemClock final : public TClockSource {
public:
    Cardinal TickCount() override
    {
        const auto since = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<Cardinal>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }
    void Sleep(Cardinal Milliseconds) override { std::this_thread::sleep_for(std::chrono::milliseconds(Milliseconds)); }
};

TSystemClock g_system;
std::atomic<TClockSource*> g_source{&g_system};

}  // namespace

void SetClockSource(TClockSource* Source) { g_source = Source != nullptr ? Source : &g_system; }

TClockSource* ClockSource() { return g_source.load(); }

Cardinal GetTickCount() { return g_source.load()->TickCount(); }

void Sleep(Cardinal Milliseconds) { g_source.load()->Sleep(Milliseconds); }

}  // namespace gw
