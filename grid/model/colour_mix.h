// How a selected cell's colour blends with the selection colour.
#pragma once

#include "platform/graphics/colour.h"

namespace gw {

// Percent of Color1 and the rest of Color2 per channel (halves to even): 100 or more gives
// Color1; below 1, or Color1 none, gives Color2; Color2 none gives Color1.
TColor MixColor(TColor Color1, TColor Color2, Integer Percent);
// MixColor when Mix, else Color1.
TColor MixColorIf(TColor Color1, TColor Color2, bool Mix, Integer Percent);

}  // namespace gw
