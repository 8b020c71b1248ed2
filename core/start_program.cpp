// The launcher of the update program: start, then poll the exit every 10 ms up to the limit.
#include "core/start_program.h"

#include "platform/net/process.h"
#include "platform/runtime/clock.h"

namespace gw {

TStartOutcome Start_Program(const String& NomeSW, const String& Parameter, bool tipo, Cardinal LimitMs)
{
    TStartOutcome outcome;
    if (!Parameter.empty()) {
        outcome.Reason = u"Cannot start \"" + NomeSW + u"\" with parameters";
        return outcome;
    }
    // A program still running when this returns is reaped by the process object when it ends.
    TProcess process;
    try {
        process.Start(NomeSW, String(), tipo);
    } catch (const EProcessError& E) {
        outcome.Reason = E.Message();
        return outcome;
    }
    const Cardinal start = GetTickCount();
    while (!process.HasEnded()) {
        // Unsigned difference: a wrap of the tick count does no harm.
        if (GetTickCount() - start >= LimitMs) {
            outcome.Result = TStartResult::srTimedOut;
            return outcome;
        }
        Sleep(Start_Program_Poll_Ms);
    }
    outcome.Result = TStartResult::srEnded;
    outcome.ExitCode = process.ExitCode();
    return outcome;
}

}  // namespace gw
