// The short sound controls give for refused input; counted so that tests can see it.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// Gives the beep; displays here have no sound of their own, so it is only counted.
void MessageBeep(Cardinal Type);
// Beeps since the program started.
Cardinal BeepCount();

}  // namespace gw
