// The short sound controls give for refused input; counted so that tests can see it.
#include "platform/controls/message_beep.h"

#include <atomic>

namespace gw {

namespace {
std::atomic<Cardinal> g_beeps{0};
}

void MessageBeep(Cardinal /*Type*/) { ++g_beeps; }

Cardinal BeepCount() { return g_beeps; }

}  // namespace gw
