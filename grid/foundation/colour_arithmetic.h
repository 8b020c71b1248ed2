// Colour arithmetic of the grid's painting: blends, brightness changes and halving.
//
// Every function resolves system colours to red-green-blue first (ColorToRGB) unless it says
// otherwise, and rounds halves to the even neighbour, computed so that an exact half stays exact.
#pragma once

#include "platform/graphics/colour.h"

namespace gw {

// The colour at Position of the range RangeStart..RangeEnd from First to Second; per channel
// First + Round((Second - First) * Position / (RangeEnd - RangeStart)). Position is not reduced
// by RangeStart (callers pass 0). Second = clNone gives First unresolved; an empty range
// (RangeStart = RangeEnd) gives First resolved. Channels are held to 0..255.
TColor BlendColors(TColor First, TColor Second, Integer RangeStart, Integer RangeEnd, Integer Position);

// Percent of First and the rest of Second, per channel; 100 or more gives First and 0 or less
// Second, both unresolved.
TColor BlendColorsByPercent(TColor First, TColor Second, Integer Percent);

// Per channel: a channel that is not 0 is scaled to min(100, 100 + change) per cent, so only a
// negative change darkens; a channel that is 0 becomes the change when it is positive.
TColor ShiftColorBrightness(TColor Color, Integer RedChange, Integer GreenChange, Integer BlueChange);

// Per channel Round(c + Percent * c / 100), held to 0..255.
TColor ChangeColorByPercent(TColor Color, Integer Percent);

// Each channel halved (shifted right by one).
TColor HalveColor(TColor Color);

}  // namespace gw
