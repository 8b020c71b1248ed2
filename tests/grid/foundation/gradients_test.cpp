// Tests of the gradient fills and boxes: band positions, lengths and colours, borders, and the
// pixels of the rounded box.
#include "grid/foundation/gradients.h"

#include "painting_fixture.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

using Rects = std::vector<DrawnRect>;

TEST(DrawGradientRect, TopToBottomBandsLoweredToTheSpan)
{
    TRecordingCanvas c;
    // 10 pixels high: 16 steps lowered to the span of 9, ten bands of 2 pixels, the last cut.
    DrawGradientRect(c, RGB(0, 0, 0), RGB(90, 180, 9), 16, Rect(5, 0, 25, 10), false);
    Rects expected;
    for (Integer i = 0; i <= 9; ++i)
        expected.push_back(Solid(5, i, 25, std::min(i + 2, 10), RGB(Byte(10 * i), Byte(20 * i), Byte(i))));
    EXPECT_EQ(RectsOf(c), expected);
    EXPECT_EQ(c.Calls().back().PenWidth, 1);
}

TEST(DrawGradientRect, AcrossWithFractionalBandsAndEvenRounding)
{
    TRecordingCanvas c;
    // Span 9 in 4 steps: band size 2.25, offsets Trunc(i * 2.25), length 3; red 2.5 -> 2, 7.5 -> 8.
    DrawGradientRect(c, RGB(0, 0, 0), RGB(10, 0, 0), 4, Rect(0, 0, 10, 5), true);
    EXPECT_EQ(RectsOf(c),
              (Rects{Solid(0, 0, 3, 5, RGB(0, 0, 0)), Solid(2, 0, 5, 5, RGB(2, 0, 0)), Solid(4, 0, 7, 5, RGB(5, 0, 0)),
                     Solid(6, 0, 9, 5, RGB(8, 0, 0)), Solid(9, 0, 10, 5, RGB(10, 0, 0))}));
}

TEST(DrawGradientRect, EdgeRectanglesAndMissingColours)
{
    struct Case {
        const char* what;
        TColor first, second;
        TRect r;
        Rects expected;
    };
    const Case cases[] = {
        {"one pixel high: two bands",
         clBlack,
         clWhite,
         Rect(0, 5, 20, 6),
         {Solid(0, 5, 20, 6, clBlack), Solid(0, 5, 20, 6, clWhite)}},
        {"top equal to bottom: nothing", clBlack, clWhite, Rect(0, 5, 20, 5), {}},
        {"bottom above top: swapped",
         clBlack,
         clWhite,
         Rect(0, 6, 20, 5),
         {Solid(0, 5, 20, 6, clBlack), Solid(0, 5, 20, 6, clWhite)}},
        {"no first colour: solid second", clNone, clRed, Rect(0, 0, 8, 8), {Solid(0, 0, 8, 8, clRed)}},
        {"no second colour: solid first", clRed, clNone, Rect(0, 0, 8, 8), {Solid(0, 0, 8, 8, clRed)}},
        {"no colour at all: nothing", clNone, clNone, Rect(0, 0, 8, 8), {}},
        {"system colours resolved",
         clBtnFace,
         clBtnFace,
         Rect(0, 0, 4, 1),
         {Solid(0, 0, 4, 1, ColorToRGB(clBtnFace)), Solid(0, 0, 4, 1, ColorToRGB(clBtnFace))}},
    };
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DrawGradientRect(c, k.first, k.second, 16, k.r, false);
        EXPECT_EQ(RectsOf(c), k.expected) << k.what;
    }
}

// A gradient from a colour to itself is drawn as one fill; on pixels it must be exactly its bands
// drawn one by one (their places taken from a two-colour gradient of the same rectangle), also
// where a band is a lone pixel, whose outline paints nothing, and under a pen that is not copied.
TEST(DrawGradientRect, OneColourPaintsWhatItsBandsPaint)
{
    struct Case {
        const char* what;
        TRect r;
        bool across;
        TPenMode mode;
    };
    const Case cases[] = {
        {"a cell, top to bottom", Rect(3, 2, 67, 26), false, pmCopy},
        {"a cell, across", Rect(3, 2, 67, 26), true, pmCopy},
        {"two by two", Rect(5, 5, 7, 7), false, pmCopy},
        {"one pixel wide: lone-pixel bands", Rect(10, 0, 11, 24), false, pmCopy},
        {"one pixel high across", Rect(0, 10, 40, 11), true, pmCopy},
        {"bands under a xor pen", Rect(3, 2, 67, 26), false, pmXor},
    };
    const TColor colour = RGB(40, 90, 200);
    for (const Case& k : cases) {
        TRecordingCanvas recorded;
        DrawGradientRect(recorded, colour, RGB(41, 90, 200), 64, k.r, k.across);
        TBitmap bands{72, 30}, gradient{72, 30};
        Clear(bands, clYellow);
        Clear(gradient, clYellow);
        TCanvas& b = *bands.Canvas();
        b.Pen()->SetMode(k.mode);
        b.Pen()->SetColor(colour);
        b.Brush()->SetColor(colour);
        for (const DrawnRect& d : RectsOf(recorded)) b.Rectangle(d.R);
        gradient.Canvas()->Pen()->SetMode(k.mode);
        DrawGradientRect(*gradient.Canvas(), colour, colour, 64, k.r, k.across);
        for (Integer y = 0; y < 30; ++y)
            for (Integer x = 0; x < 72; ++x)
                ASSERT_EQ(gradient.PixelColor(x, y), bands.PixelColor(x, y)) << k.what << " at " << x << "," << y;
    }
    TRecordingCanvas c;
    DrawGradientRect(c, colour, colour, 64, Rect(3, 2, 67, 26), false);
    EXPECT_EQ(RectsOf(c), (Rects{Solid(3, 2, 67, 26, colour)}));
}

TEST(PaintGradientBands, BandsStopShortOfTheSecondColourAndAreNotCut)
{
    TRecordingCanvas c;
    // 11 wide across loses a pixel: 10 in 4 bands of 2.5, starts Round(i * 2.5) = 0, 2, 5, 8,
    // each Round(2.5) + 1 = 3 long; colours i * 40 / 4 (the fourth band 30, not 40).
    PaintGradientBands(c, RGB(0, 0, 0), RGB(40, 80, 120), 4, Rect(0, 0, 11, 6), true);
    EXPECT_EQ(RectsOf(c),
              (Rects{Solid(0, 0, 3, 6, RGB(0, 0, 0)), Solid(2, 0, 5, 6, RGB(10, 20, 30)),
                     Solid(5, 0, 8, 6, RGB(20, 40, 60)), Solid(8, 0, 11, 6, RGB(30, 60, 90))}));
}

TEST(PaintGradientBands, TopToBottomAndCountZero)
{
    TRecordingCanvas c;
    PaintGradientBands(c, RGB(0, 0, 0), RGB(0, 0, 30), 3, Rect(2, 0, 6, 10), false);
    // Height 10 less one: 9 in 3 bands of 3.
    EXPECT_EQ(
        RectsOf(c),
        (Rects{Solid(2, 0, 6, 4, RGB(0, 0, 0)), Solid(2, 3, 6, 7, RGB(0, 0, 10)), Solid(2, 6, 6, 10, RGB(0, 0, 20))}));
    c.ClearCalls();
    PaintGradientBands(c, clRed, clBlue, 0, Rect(0, 0, 10, 10), false);
    EXPECT_EQ(RectsOf(c), (Rects{Solid(0, 0, 10, 10, clRed)}));
}

TEST(DrawGradientBox, GradientOrFillThenBorder)
{
    TRecordingCanvas c;
    DrawGradientBox(c, Rect(0, 0, 10, 100), clRed, clBlue, clGreen, 2, true);
    Rects bands = RectsOf(c);
    ASSERT_EQ(bands.size(), 81u);  // 80 bands and the frame
    EXPECT_EQ(bands[0], Solid(0, 0, 10, 2, clRed));  // 99 / 80 = 1.2375 per band, top to bottom
    EXPECT_EQ(bands[1].R, Rect(0, 1, 10, 3));
    EXPECT_EQ(bands[80].R, Rect(0, 0, 10, 100));
    EXPECT_EQ(c.Calls().back().BrushStyle, bsClear);
    EXPECT_EQ(c.Calls().back().PenColor, clGreen);
    EXPECT_EQ(c.Calls().back().PenWidth, 2);

    c.ClearCalls();
    DrawGradientBox(c, Rect(0, 0, 100, 10), clRed, clBlue, clNone, 1, false);
    bands = RectsOf(c);
    ASSERT_EQ(bands.size(), 80u);  // no frame without a border colour
    EXPECT_EQ(bands[1].R, Rect(1, 0, 3, 10));  // left to right

    c.ClearCalls();
    DrawGradientBox(c, Rect(0, 0, 10, 10), clRed, clNone, clGreen, 0, true);
    EXPECT_EQ(c.Log(), (std::vector<std::string>{"FillRect(0,0,10,10)"}));  // a width of 0: no frame
    EXPECT_EQ(c.Calls()[0].BrushColor, clRed);

    c.ClearCalls();
    DrawGradientBox(c, Rect(0, 0, 10, 10), clNone, clNone, clNone, 1, true);
    EXPECT_TRUE(c.Calls().empty());
}

TEST(DrawMirrorGradientRect, FillsAndBorders)
{
    const TColor a = RGB(0, 0, 0), b = RGB(19, 0, 0), m = RGB(0, 100, 0), mt = RGB(0, 109, 0);
    {
        TRecordingCanvas c;  // one colour: solid, one pixel lower
        DrawMirrorGradientRect(c, Rect(0, 0, 10, 20), a, clNone, clNone, clNone, true, clNone, false, true);
        EXPECT_EQ(RectsOf(c), (Rects{Solid(0, 0, 10, 21, a)}));
    }
    {
        TRecordingCanvas c;  // no mirror colour: one 128-step gradient, lowered to 19 steps
        DrawMirrorGradientRect(c, Rect(0, 0, 10, 20), a, b, clNone, clNone, true, clNone, false, true);
        const Rects r = RectsOf(c);
        ASSERT_EQ(r.size(), 20u);
        EXPECT_EQ(r.front(), Solid(0, 0, 10, 2, a));
        EXPECT_EQ(r.back(), Solid(0, 19, 10, 20, b));
    }
    {
        TRecordingCanvas c;  // mirror: top half colour -> second, bottom half mirror -> mirror second
        DrawMirrorGradientRect(c, Rect(0, 0, 10, 20), a, b, m, mt, true, clNone, false, true);
        const Rects r = RectsOf(c);
        ASSERT_EQ(r.size(), 20u);
        EXPECT_EQ(r[0], Solid(0, 0, 10, 2, a));
        EXPECT_EQ(r[9], Solid(0, 9, 10, 10, b));
        EXPECT_EQ(r[10], Solid(0, 10, 10, 12, m));
        EXPECT_EQ(r[19], Solid(0, 19, 10, 20, mt));
    }
    {
        TRecordingCanvas c;  // not vertical: left and right halves, colour changing left to right
        DrawMirrorGradientRect(c, Rect(0, 0, 20, 6), a, b, m, mt, false, clNone, false, true);
        const Rects r = RectsOf(c);
        ASSERT_EQ(r.size(), 20u);
        EXPECT_EQ(r[0], Solid(0, 0, 2, 6, a));
        EXPECT_EQ(r[10], Solid(10, 0, 12, 6, m));
    }
    {
        TRecordingCanvas c;  // no fill: only the frame
        DrawMirrorGradientRect(c, Rect(1, 2, 10, 20), a, b, m, mt, true, clRed, false, false);
        EXPECT_EQ(c.Log(), (std::vector<std::string>{"Rectangle(1,2,10,20)"}));
        EXPECT_EQ(c.Calls()[0].BrushStyle, bsClear);
        EXPECT_EQ(c.Calls()[0].PenColor, clRed);
    }
    {
        TRecordingCanvas c;  // no colour: no fill; side lines only
        DrawMirrorGradientRect(c, Rect(1, 2, 10, 20), clNone, b, m, mt, true, clRed, true, true);
        EXPECT_EQ(c.Log(), (std::vector<std::string>{"MoveTo(1,2)", "LineTo(1,20)", "MoveTo(9,2)", "LineTo(9,20)"}));
    }
}

// The rounded box on pixels: each colour is distinct, so every pixel tells which step drew it.
class RoundedBox : public ::testing::Test {
protected:
    static constexpr TColor Fill = TColor(0x101010), Light = TColor(0x202020), Dark = TColor(0x303030),
                            Border = TColor(0x404040), Inner = TColor(0x505050), Outer = TColor(0x606060),
                            Back = clWhite;

    void Draw(TRoundedBoxKind Kind, TColor FillTo = clNone, TColor Lower = clNone, TColor LowerTo = clNone)
    {
        Clear(bmp, Back);
        DrawRoundedGradientBox(*bmp.Canvas(), Fill, FillTo, Lower, LowerTo, Light, Dark, Border, Inner, Outer,
                               Rect(0, 0, 20, 12), Kind);
    }
    TColor At(Integer x, Integer y) const { return bmp.PixelColor(x, y); }

    TBitmap bmp{22, 14};
};

TEST_F(RoundedBox, SingleBoxLinesCornersAndFill)
{
    Draw(rbSingle);  // L 0, T 0, R 19, B 10, middle 5
    struct P {
        Integer x, y;
        TColor c;
    };
    const P pixels[] = {
        {0, 0, Outer},    {0, 10, Outer}, {18, 0, Outer}, {18, 10, Outer},  // outer corners
        {1, 0, Inner},    {1, 1, Inner},  {0, 1, Inner},  {1, 10, Inner},  {1, 9, Inner},
        {0, 9, Inner},    {17, 0, Inner}, {17, 1, Inner}, {18, 1, Inner},  {17, 10, Inner},
        {17, 9, Inner},   {18, 9, Inner}, {2, 0, Border}, {16, 0, Border}, {2, 10, Border},
        {16, 10, Border}, {0, 2, Border}, {0, 8, Border}, {18, 2, Border}, {18, 8, Border},  // border rows and columns
        {2, 1, Light},    {16, 1, Light}, {1, 2, Light},  {1, 4, Light},   {17, 2, Light},
        {17, 4, Light},   {2, 9, Dark},   {16, 9, Dark},  {1, 5, Dark},    {1, 8, Dark},
        {17, 5, Dark},    {17, 8, Dark},  {2, 2, Fill},   {16, 8, Fill},  // the inner rectangle (2, 2, 17, 9)
        {19, 5, Back},    {5, 11, Back},  // the right edge 1 pixel in, the bottom 2
    };
    for (const auto& p : pixels) EXPECT_EQ(At(p.x, p.y), p.c) << p.x << "," << p.y;
}

TEST_F(RoundedBox, PiecesOfAJoinedBox)
{
    Draw(rbMiddle);  // no ends: border and fill run from edge to edge, no corners
    EXPECT_EQ(At(0, 0), Border);
    EXPECT_EQ(At(18, 10), Border);
    EXPECT_EQ(At(0, 1), Light);
    EXPECT_EQ(At(0, 2), Fill);
    EXPECT_EQ(At(18, 8), Fill);
    EXPECT_EQ(At(19, 5), Back);

    Draw(rbLeftEnd);
    EXPECT_EQ(At(0, 0), Outer);
    EXPECT_EQ(At(18, 0), Border);
    EXPECT_EQ(At(18, 5), Fill);

    Draw(rbRightEnd);
    EXPECT_EQ(At(0, 0), Border);
    EXPECT_EQ(At(0, 5), Fill);
    EXPECT_EQ(At(18, 0), Outer);
    EXPECT_EQ(At(17, 5), Dark);
}

TEST_F(RoundedBox, GradientFills)
{
    const TColor to = TColor(0x1010F0), lower = TColor(0x10F010), lowerTo = TColor(0xF01010);
    Draw(rbSingle, to);  // one gradient over rows 2..8
    EXPECT_EQ(At(5, 2), Fill);
    EXPECT_EQ(At(5, 8), to);

    Draw(rbSingle, to, lower, lowerTo);  // upper half rows 2..4, lower half rows 5..8
    EXPECT_EQ(At(5, 2), Fill);
    EXPECT_EQ(At(5, 4), to);
    EXPECT_EQ(At(5, 5), lower);
    EXPECT_EQ(At(5, 8), lowerTo);
}

TEST(RoundedGradientBox, GradientsOfSixteenSteps)
{
    const TColor fill = RGB(0, 0, 0), to = RGB(160, 0, 0), lower = RGB(0, 160, 0), lowerTo = RGB(0, 0, 160);
    TRecordingCanvas c;
    // Inner rectangle (2, 2, 17, 37): a span of 34 takes the 16 steps whole, 17 bands.
    DrawRoundedGradientBox(c, fill, to, clNone, clNone, clWhite, clGray, clBlack, clSilver, clNone, Rect(0, 0, 20, 40),
                           rbSingle);
    Rects bands = RectsOf(c);
    ASSERT_EQ(bands.size(), 17u);
    EXPECT_EQ(bands[0], Solid(2, 2, 17, 5, fill));  // 34 / 16 = 2.125 a band, 3 long
    EXPECT_EQ(bands[1], Solid(2, 4, 17, 7, RGB(10, 0, 0)));
    EXPECT_EQ(bands[16], Solid(2, 36, 17, 37, to));

    c.ClearCalls();  // two halves, (2, 2, 17, 19) and (2, 19, 17, 37), 17 bands each
    DrawRoundedGradientBox(c, fill, to, lower, lowerTo, clWhite, clGray, clBlack, clSilver, clNone, Rect(0, 0, 20, 40),
                           rbSingle);
    bands = RectsOf(c);
    ASSERT_EQ(bands.size(), 34u);
    EXPECT_EQ(bands[0], Solid(2, 2, 17, 4, fill));
    EXPECT_EQ(bands[16], Solid(2, 18, 17, 19, to));
    EXPECT_EQ(bands[17], Solid(2, 19, 17, 21, lower));
    EXPECT_EQ(bands[33], Solid(2, 36, 17, 37, lowerTo));
}

TEST(DrawMirrorGradientRect, OneHundredAndTwentyEightSteps)
{
    TRecordingCanvas c;
    // 200 high: a span of 199 takes the 128 steps whole, 129 bands of Trunc(1.55 + 1) = 2.
    DrawMirrorGradientRect(c, Rect(0, 0, 10, 200), RGB(0, 0, 0), RGB(128, 0, 0), clNone, clNone, true, clNone, false,
                           true);
    const Rects bands = RectsOf(c);
    ASSERT_EQ(bands.size(), 129u);
    EXPECT_EQ(bands[1], Solid(0, 1, 10, 3, RGB(1, 0, 0)));
    EXPECT_EQ(bands[2], Solid(0, 3, 10, 5, RGB(2, 0, 0)));  // Trunc(3.109)
    EXPECT_EQ(bands[128], Solid(0, 199, 10, 200, RGB(128, 0, 0)));
}

}  // namespace
}  // namespace gw::test
