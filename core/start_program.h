// Starting an external program and waiting, with a limit, until it ends.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// How long the configurator waits for a program it started.
inline constexpr Cardinal Start_Program_Limit_Ms = 150000;
// How often the wait looks whether the program has ended.
inline constexpr Cardinal Start_Program_Poll_Ms = 10;

enum class TStartResult {
    srNotStarted,  // the program could not be started; nothing runs
    srEnded,  // the program ended within the limit
    srTimedOut  // the limit passed; the program goes on alone and is reaped when it ends
};

struct TStartOutcome {
    TStartResult Result = TStartResult::srNotStarted;
    // The program's exit code once it ended (srEnded).
    int32_t ExitCode = 0;
    // Why it could not be started (srNotStarted).
    String Reason;
};

// Starts the program NomeSW (hidden when tipo is true) and holds the calling thread until it
// ends or LimitMs have passed. Parameters are refused for now: the process layer starts a
// program without arguments, and dropping them would run the program with the wrong ones.
// Shows nothing to the user; the caller decides what to say about the outcome.
TStartOutcome Start_Program(const String& NomeSW, const String& Parameter, bool tipo,
                            Cardinal LimitMs = Start_Program_Limit_Ms);

}  // namespace gw
