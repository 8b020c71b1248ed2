// Tests of the colour arithmetic: blends, brightness, percentage changes and halving, with the
// halves that must round to the even neighbour.
#include "grid/foundation/colour_arithmetic.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

struct BlendCase {
    const char* what;
    TColor first, second;
    Integer start, end, position;
    TColor expected;
};

TEST(ColourArithmetic, BlendColors)
{
    const TColor btnFace = ColorToRGB(clBtnFace);
    const BlendCase cases[] = {
        {"127.5 rounds to the even 128", RGB(0, 0, 0), RGB(255, 0, 0), 0, 100, 50, RGB(128, 0, 0)},
        {"position 0 is the first colour", RGB(10, 20, 30), RGB(200, 100, 0), 0, 100, 0, RGB(10, 20, 30)},
        {"the range end is the second colour", RGB(10, 20, 30), RGB(200, 100, 0), 0, 100, 100, RGB(200, 100, 0)},
        {"channels apart, 2.5 -> 2 and 7.5 -> 8", RGB(10, 20, 30), RGB(20, 40, 60), 0, 4, 1, RGB(12, 25, 38)},
        {"falling channel, -2.5 -> -2", RGB(100, 0, 0), RGB(95, 0, 0), 0, 2, 1, RGB(98, 0, 0)},
        {"the start is not taken from the position", RGB(0, 0, 0), RGB(100, 0, 0), 10, 20, 5, RGB(50, 0, 0)},
        {"beyond the range held to 255", RGB(200, 0, 0), RGB(250, 0, 0), 0, 1, 2, RGB(255, 0, 0)},
        {"system colours are resolved", clBtnFace, clBtnFace, 0, 10, 5, btnFace},
        {"no second colour: the first, unresolved", clBtnFace, clNone, 0, 10, 5, clBtnFace},
        {"an empty range gives the first colour", clBtnFace, clRed, 5, 5, 3, btnFace},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlendColors(c.first, c.second, c.start, c.end, c.position), c.expected) << c.what;
}

struct PercentCase {
    const char* what;
    TColor first, second;
    Integer percent;
    TColor expected;
};

TEST(ColourArithmetic, BlendColorsByPercent)
{
    const PercentCase cases[] = {
        {"100: the first, unresolved", clBtnFace, clRed, 100, clBtnFace},
        {"above 100: the first", clBtnFace, clRed, 150, clBtnFace},
        {"0: the second, unresolved", clRed, clBtnFace, 0, clBtnFace},
        {"below 0: the second", clRed, clBtnFace, -5, clBtnFace},
        {"half and half, 127.5 -> 128", clBlack, clWhite, 50, RGB(128, 128, 128)},
        {"the percentage weighs the first", RGB(200, 0, 0), RGB(0, 0, 100), 25, RGB(50, 0, 75)},
        {"1.5 -> 2, 2.5 -> 2, 3.5 -> 4", RGB(1, 2, 3), RGB(2, 3, 4), 50, RGB(2, 2, 4)},
        {"system colours are resolved", clBtnFace, clBtnFace, 40, ColorToRGB(clBtnFace)},
    };
    for (const auto& c : cases) EXPECT_EQ(BlendColorsByPercent(c.first, c.second, c.percent), c.expected) << c.what;
}

struct ShiftCase {
    const char* what;
    TColor color;
    Integer red, green, blue;
    TColor expected;
};

TEST(ColourArithmetic, ShiftColorBrightness)
{
    const ShiftCase cases[] = {
        {"positive changes leave channels, lift zeros", RGB(255, 0, 0), 20, 20, 20, RGB(255, 20, 20)},
        {"127.5 -> 128", RGB(255, 0, 0), -50, 0, 0, RGB(128, 0, 0)},
        {"every channel by its own change", RGB(100, 50, 200), -10, -20, -30, RGB(90, 40, 140)},
        {"22.5 -> 22; a zero stays at a negative change", RGB(25, 0, 0), -10, -10, 0, RGB(22, 0, 0)},
        {"a zero channel takes a positive change", RGB(0, 100, 200), 7, -10, 5, RGB(7, 90, 200)},
        {"system colours are resolved", clBtnFace, 0, 0, 0, ColorToRGB(clBtnFace)},
    };
    for (const auto& c : cases) EXPECT_EQ(ShiftColorBrightness(c.color, c.red, c.green, c.blue), c.expected) << c.what;
}

struct ChangeCase {
    const char* what;
    TColor color;
    Integer percent;
    TColor expected;
};

TEST(ColourArithmetic, ChangeColorByPercentAndHalveColor)
{
    const ChangeCase cases[] = {
        {"267.5 held to 255, 214, 16.05 -> 16", RGB(250, 200, 15), 7, RGB(255, 214, 16)},
        {"darkening by 20", RGB(200, 100, 5), -20, RGB(160, 80, 4)},
        {"5.5 -> 6, 16.5 -> 16", RGB(5, 15, 0), 10, RGB(6, 16, 0)},
        {"-100 is black", RGB(200, 100, 5), -100, clBlack},
        {"below -100 held to 0", RGB(200, 100, 5), -150, clBlack},
        {"system colours are resolved", clBtnFace, 0, ColorToRGB(clBtnFace)},
    };
    for (const auto& c : cases) EXPECT_EQ(ChangeColorByPercent(c.color, c.percent), c.expected) << c.what;

    EXPECT_EQ(HalveColor(RGB(255, 128, 1)), RGB(127, 64, 0));
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(HalveColor(clBtnFace), RGB(GetRValue(face) / 2, GetGValue(face) / 2, GetBValue(face) / 2));
}

}  // namespace
}  // namespace gw
