// Which value a cell's display format is given: the integer or the floating value.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// True when the first conversion of Format ("%%" skipped; flags, width and precision passed
// over) is d, u or x: the format is given the cell's integer value. Any other format, also one
// whose literal text holds a "d" ("%.1f dB"), is given the floating value.
bool FormatTakesInteger(StringView Format);

}  // namespace gw
