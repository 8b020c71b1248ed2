// Colour arithmetic of the grid's painting.
#include "grid/foundation/colour_arithmetic.h"

#include "platform/runtime/convert.h"

#include <algorithm>

namespace gw {

namespace {

Byte ClampChannel(Int64 Value) { return Byte(std::clamp<Int64>(Value, 0, 255)); }

// Round(Numerator / Denominator) with halves to even; the quotient of two integers is exact
// enough in a double that a true half stays a half.
Int64 RoundQuotient(Int64 Numerator, Int64 Denominator) { return Round(double(Numerator) / double(Denominator)); }

// Applies F to the three channels of C.
template <class F>
TColor PerChannel(TColor C, F&& Fn)
{
    return RGB(Fn(GetRValue(C)), Fn(GetGValue(C)), Fn(GetBValue(C)));
}

// Applies F to the matching channels of A and B.
template <class F>
TColor PerChannelPair(TColor A, TColor B, F&& Fn)
{
    return RGB(Fn(GetRValue(A), GetRValue(B)), Fn(GetGValue(A), GetGValue(B)), Fn(GetBValue(A), GetBValue(B)));
}

}  // namespace

TColor BlendColors(TColor First, TColor Second, Integer RangeStart, Integer RangeEnd, Integer Position)
{
    if (Second == clNone) return First;
    const TColor a = ColorToRGB(First), b = ColorToRGB(Second);
    const Int64 span = Int64(RangeEnd) - RangeStart;
    if (span == 0) return a;
    return PerChannelPair(
        a, b, [&](Byte f, Byte s) { return ClampChannel(f + RoundQuotient((Int64(s) - f) * Position, span)); });
}

TColor BlendColorsByPercent(TColor First, TColor Second, Integer Percent)
{
    if (Percent >= 100) return First;
    if (Percent <= 0) return Second;
    const TColor a = ColorToRGB(First), b = ColorToRGB(Second);
    return PerChannelPair(a, b, [&](Byte f, Byte s) {
        return ClampChannel(RoundQuotient(Int64(Percent) * f + Int64(100 - Percent) * s, 100));
    });
}

TColor ShiftColorBrightness(TColor Color, Integer RedChange, Integer GreenChange, Integer BlueChange)
{
    const TColor c = ColorToRGB(Color);
    auto shift = [](Byte channel, Integer change) {
        if (channel == 0) return ClampChannel(std::max(0, change));
        return ClampChannel(RoundQuotient(Int64(channel) * std::min(100, 100 + change), 100));
    };
    return RGB(shift(GetRValue(c), RedChange), shift(GetGValue(c), GreenChange), shift(GetBValue(c), BlueChange));
}

TColor ChangeColorByPercent(TColor Color, Integer Percent)
{
    return PerChannel(ColorToRGB(Color),
                      [&](Byte c) { return ClampChannel(RoundQuotient(Int64(c) * (100 + Int64(Percent)), 100)); });
}

TColor HalveColor(TColor Color)
{
    return PerChannel(ColorToRGB(Color), [](Byte c) { return Byte(c >> 1); });
}

}  // namespace gw
