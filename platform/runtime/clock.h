// The program's clock: a monotonic millisecond tick count and Sleep, which a test back end
// can replace with virtual time.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

class TClockSource {
public:
    virtual ~TClockSource() = default;
    // Milliseconds from an arbitrary start; wraps around like the system's 32-bit count.
    virtual Cardinal TickCount() = 0;
    virtual void Sleep(Cardinal Milliseconds) = 0;
};

// Installs a clock (not owned); nullptr restores the real one.
void SetClockSource(TClockSource* Source);
TClockSource* ClockSource();

Cardinal GetTickCount();
void Sleep(Cardinal Milliseconds);

}  // namespace gw
