// How a selected cell's colour blends with the selection colour, and which value a display
// format is given.
#include "grid/model/cell_format.h"
#include "grid/model/colour_mix.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

TEST(ColourMix, MixesByPercentWithNoneAndTheLimits)
{
    struct Case {
        TColor A, B;
        Integer Percent;
        TColor Expected;
    };
    const std::vector<Case> cases = {
        {TColor(0x0000FF), TColor(0xFF0000), 100, TColor(0x0000FF)},
        {TColor(0x0000FF), TColor(0xFF0000), 150, TColor(0x0000FF)},
        {TColor(0x0000FF), TColor(0xFF0000), 0, TColor(0xFF0000)},
        {TColor(0x0000FF), TColor(0xFF0000), -5, TColor(0xFF0000)},
        {TColor(0x0000FF), TColor(0xFF0000), 50, TColor(0x800080)},  // 127.5 to even 128
        {TColor(0x000064), TColor(0x000000), 25, TColor(0x000019)},
        {TColor(0x000000), TColor(0x0000FF), 1, TColor(0x0000FC)},  // 252.45
        {clNone, TColor(0x123456), 50, TColor(0x123456)},
        {TColor(0x123456), clNone, 50, TColor(0x123456)},
        {clWhite, clBlack, 50, TColor(0x808080)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MixColor(c.A, c.B, c.Percent), c.Expected)
            << std::hex << c.A << " " << c.B << std::dec << " " << c.Percent;
    EXPECT_EQ(MixColorIf(TColor(0x0000FF), TColor(0xFF0000), false, 50), TColor(0x0000FF));
    EXPECT_EQ(MixColorIf(TColor(0x0000FF), TColor(0xFF0000), true, 50), TColor(0x800080));
}

TEST(CellFormat, TheConversionCharacterChoosesTheIntegerValue)
{
    struct Case {
        const char16_t* Format;
        bool Integer;
    };
    const std::vector<Case> cases = {
        {u"%d", true},
        {u"%5d", true},
        {u"%-3.2d", true},
        {u"%x", true},
        {u"%u pcs", true},
        {u"%1:d", true},
        {u"%.1f dB", false},
        {u"%.2f", false},
        {u"%e", false},
        {u"%g", false},
        {u"%n", false},
        {u"%m", false},
        {u"%s", false},
        {u"d%.1f", false},
        {u"100%% %d", true},
        {u"100%% %.1f done", false},
        {u"no specifier", false},
        {u"%", false},
        {u"%-", false},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatTakesInteger(c.Format), c.Integer) << StringToUtf8(c.Format);
}

}  // namespace
}  // namespace gw::test
