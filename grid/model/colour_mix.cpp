// How a selected cell's colour blends with the selection colour.
#include "grid/model/colour_mix.h"

#include "grid/foundation/colour_arithmetic.h"

namespace gw {

TColor MixColor(TColor Color1, TColor Color2, Integer Percent)
{
    if (Percent >= 100) return Color1;
    if (Percent < 1 || Color1 == clNone) return Color2;
    if (Color2 == clNone) return Color1;
    return BlendColorsByPercent(Color1, Color2, Percent);
}

TColor MixColorIf(TColor Color1, TColor Color2, bool Mix, Integer Percent)
{
    return Mix ? MixColor(Color1, Color2, Percent) : Color1;
}

}  // namespace gw
