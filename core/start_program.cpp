// The launcher of the update program: start, then poll the exit every 10 ms up to the limit.
#include "core/start_program.h"

#include "platform/net/process.h"
#include "platform/runtime/clock.h"

namespace gw {

TStartResult Start_Program(const String& NomeSW, const String& Parameter, bool tipo, Cardinal LimitMs)
{
    if (!Parameter.empty()) return TStartResult::srNotStarted;
    // A program still running when this returns is reaped by the process object when it ends.
    TProcess process;
    try {
        process.Start(NomeSW, String(), tipo);
    } catch (const EProcessError&) {
        return TStartResult::srNotStarted;
    }
    const Cardinal start = GetTickCount();
    while (!process.HasEnded()) {
        // Unsigned difference: a wrap of the tick count does no harm.
        if (GetTickCount() - start >= LimitMs) return TStartResult::srTimedOut;
        Sleep(Start_Program_Poll_Ms);
    }
    return TStartResult::srEnded;
}

}  // namespace gw
