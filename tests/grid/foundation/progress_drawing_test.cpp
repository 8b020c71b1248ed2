// Tests of the progress cells' drawings: the bar with text, the pie, the range indicator and
// the styled bar in its stacked, smooth and block forms, at 0, 1, 50, 99, 100 and outside.
#include "grid/foundation/progress_drawing.h"

#include "painting_fixture.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

using Rects = std::vector<DrawnRect>;

// --- DrawCellProgressBar ---------------------------------------------------------------------

constexpr TColor Done = TColor(0x0000C0), DoneText = clWhite, Todo = TColor(0xE0E0E0), TodoText = clBlack;

struct BarCase {
    double value;
    const char16_t* format;
    Integer min, max;
    const char16_t* text;
    Integer percent;
};

TEST(DrawCellProgressBar, TextAndCompletedPartFromTheValue)
{
    const BarCase cases[] = {
        {0, u"", 0, 100, u"0%", 0},
        {1, u"", 0, 100, u"1%", 1},
        {50, u"", 0, 100, u"50%", 50},
        {99, u"", 0, 100, u"99%", 99},
        {100, u"", 0, 100, u"100%", 100},
        {150, u"", 0, 100, u"150%", 100},  // the text keeps the value over a full bar
        {-5, u"", 0, 100, u"-5%", 0},
        {50.5, u"", 0, 100, u"50%", 50},  // halves to even
        {7, u"%d items", 0, 20, u"7 items", 35},
        {30, u"%d", 20, 40, u"30", 50},
        {45, u"%d", 20, 40, u"45", 100},
        {7.3, u"%.1f V", 5, 10, u"7.3 V", 46},
        {2.5, u"%.1f units", 0, 10, u"2.5 units", 25},  // the "u" of "units" asks for an integer
        {5, u"%d", 7, 7, u"5", 0},  // no range: an empty bar
        {5, u"%s", 0, 10, u"5", 50},  // a format that takes no number: the value plainly
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(StringToUtf8(k.text));
        TRecordingCanvas c;
        c.Brush()->SetColor(clYellow);
        DrawCellProgressBar(c, Rect(0, 0, 104, 24), Done, DoneText, Todo, TodoText, k.value, 2, 2, k.min, k.max,
                            k.format, clNone, false);
        const TSize size = c.TextExtent(k.text);
        const Integer x = 2 + (100 - size.cx) / 2, y = 2 + (20 - size.cy) / 2;
        const Integer split = 2 + k.percent;
        ASSERT_EQ(c.Calls().size(), 2u);
        const TCanvasCall& done = c.Calls()[0];
        const TCanvasCall& todo = c.Calls()[1];
        EXPECT_EQ(done.Name, "TextRect");
        EXPECT_EQ(done.Args, (std::vector<Integer>{2, 2, split, 22, x, y}));
        EXPECT_EQ(done.Text, k.text);
        EXPECT_EQ(done.BrushColor, Done);
        EXPECT_EQ(done.FontColor, DoneText);
        EXPECT_EQ(todo.Args, (std::vector<Integer>{split, 2, 102, 22, x, y}));
        EXPECT_EQ(todo.BrushColor, Todo);
        EXPECT_EQ(todo.FontColor, TodoText);
    }
}

TEST(DrawCellProgressBar, BorderPrintingAndRounding)
{
    TRecordingCanvas c;
    c.Brush()->SetColor(clYellow);
    // Width 75: 50 % is 37.5 pixels, rounded to the even 38.
    DrawCellProgressBar(c, Rect(10, 10, 79, 30), Done, DoneText, Todo, TodoText, 50, -3, 4, 0, 100, u"", clNavy, true);
    const TSize size = c.TextExtent(u"50%");
    const Integer y = 14 + (12 + size.cy) / 2;  // printing: below the middle
    ASSERT_EQ(c.Calls().size(), 4u);
    EXPECT_EQ(c.Calls()[0].Args[2], 7 + 38);
    EXPECT_EQ(c.Calls()[0].Args[5], y);
    const Rects frames = RectsOf(c, "FrameRect");
    EXPECT_EQ(frames, (Rects{{Rect(6, 13, 83, 27), clNavy, Todo}, {Rect(5, 12, 84, 28), clYellow, Todo}}));
}

// --- DrawCellProgressPie ---------------------------------------------------------------------

TEST(DrawCellProgressPie, RadiiAndFill)
{
    struct Case {
        Integer percent;
        std::vector<std::string> log;
    };
    const std::string circle = "Ellipse(0,5,20,25)", up = "MoveTo(10,5)", radius = "LineTo(10,15)";
    const std::string fill = "FloodFill(11,7," + std::to_string(0x808080) + ",1)";
    const Case cases[] = {
        {0, {circle, up, radius, "LineTo(10,5)"}},  // the 12 o'clock radius twice, no fill
        {-10, {circle, up, radius, "LineTo(10,5)"}},
        {1, {circle, up, radius, "LineTo(11,5)", fill}},  // 10.5 x sin 3.6 degrees = 0.66 -> 1
        {99, {circle, up, radius, "LineTo(9,5)", fill}},
        {25, {circle, up, radius, "LineTo(20,15)", fill}},  // Round(10.5) = 10
        {50, {circle, up, radius, "LineTo(10,25)", fill}},
        {75, {circle, up, radius, "LineTo(0,15)", fill}},
        {100, {circle, up, radius, "LineTo(10,5)", fill}},
        {150, {circle, up, radius, "LineTo(10,5)", fill}},
    };
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DrawCellProgressPie(c, Rect(0, 5, 20, 25), clLime, k.percent, false);
        EXPECT_EQ(c.Log(), k.log) << k.percent;
        EXPECT_EQ(c.Calls()[0].PenColor, TColor(0x808080));
        if (k.log.size() == 5) {
            EXPECT_EQ(c.Calls().back().BrushColor, clLime);
        }
    }
    TRecordingCanvas print;
    DrawCellProgressPie(print, Rect(0, 5, 20, 25), clLime, 30, true);
    EXPECT_EQ(print.Log().back(), "FloodFill(11,3," + std::to_string(0x808080) + ",1)");
}

TEST(DrawCellProgressPie, FillsTheSectorClockwiseFromTwelve)
{
    TBitmap b(24, 24);
    Clear(b);
    DrawCellProgressPie(*b.Canvas(), Rect(2, 2, 22, 22), clLime, 25, false);
    EXPECT_EQ(b.PixelColor(16, 6), clLime);  // upper right quarter
    EXPECT_EQ(b.PixelColor(6, 6), clWhite);
    EXPECT_EQ(b.PixelColor(6, 16), clWhite);
    EXPECT_EQ(b.PixelColor(16, 16), clWhite);

    Clear(b);
    DrawCellProgressPie(*b.Canvas(), Rect(2, 2, 22, 22), clLime, 100, false);
    for (TPoint p : {TPoint{16, 6}, TPoint{6, 6}, TPoint{6, 16}, TPoint{16, 16}})
        EXPECT_EQ(b.PixelColor(p.X, p.Y), clLime);
    EXPECT_EQ(b.PixelColor(0, 0), clWhite);  // nothing outside the circle
}

// --- DrawRangeIndicator ----------------------------------------------------------------------

TEST(DrawRangeIndicator, BarFromTheMiddle)
{
    struct Case {
        Integer value, range;
        Rects expected;
    };
    const TColor neg = clRed, pos = clGreen;
    // R (0, 0, 104, 20) less 2 pixels: (2, 2, 102, 18), half 50, middle 52.
    const Case cases[] = {
        {0, 10, {Solid(52, 2, 52, 18, pos)}},
        {5, 10, {Solid(52, 2, 77, 18, pos)}},
        {-5, 10, {Solid(27, 2, 52, 18, neg)}},
        {15, 10, {Solid(52, 2, 102, 18, pos)}},  // beyond the range: half the width
        {-15, 10, {Solid(2, 2, 52, 18, neg)}},
        {1, 3, {Solid(52, 2, 69, 18, pos)}},  // 16.67 -> 17
        {1, 4, {Solid(52, 2, 64, 18, pos)}},  // 12.5 -> 12
        {-1, 4, {Solid(40, 2, 52, 18, neg)}},  // -12.5 -> -12
        {1, 100, {Solid(52, 2, 52, 18, pos)}},  // 0.5 -> 0: too small to show
        {50, 100, {Solid(52, 2, 77, 18, pos)}},
        {99, 100, {Solid(52, 2, 102, 18, pos)}},  // 49.5 -> 50
        {100, 100, {Solid(52, 2, 102, 18, pos)}},
        {-99, 100, {Solid(2, 2, 52, 18, neg)}},  // -49.5 -> -50
        {3, 100, {Solid(52, 2, 54, 18, pos)}},  // 1.5 -> 2
        {5, 0, {}},  // no range: no bar
        {5, -3, {}},
    };
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DrawRangeIndicator(c, Rect(0, 0, 104, 20), k.value, k.range, false, neg, pos);
        EXPECT_EQ(RectsOf(c), k.expected) << k.value << "/" << k.range;
        EXPECT_EQ(c.Calls().size(), k.expected.size());
    }
}

TEST(DrawRangeIndicator, ShowsTheValueInTheMiddle)
{
    TRecordingCanvas c;
    DrawRangeIndicator(c, Rect(0, 0, 104, 20), 15, 10, true, clRed, clGreen);
    const TSize size = c.TextExtent(u"15");
    ASSERT_EQ(c.Calls().size(), 2u);
    EXPECT_EQ(c.Calls()[1].ToString(),
              "TextOut(" + std::to_string(2 + (100 - size.cx) / 2) + "," + std::to_string(2 + (16 - size.cy) / 2) +
                  ") \"15\"");
    EXPECT_EQ(c.BkMode(), TRANSPARENT);
}

// --- DrawXPProgressBar -----------------------------------------------------------------------

TProgressLook PlainLook()
{
    TProgressLook look;
    look.ShowGradient = false;
    look.ShowPercentage = false;
    look.ShowBorder = true;
    look.BorderColor = clNavy;
    look.UnCompleteColor = clWhite;
    return look;
}

// The pieces drawn (fills between the two frame rectangles).
Rects Pieces(const TRecordingCanvas& c) { return RectsOf(c, "FillRect"); }

DrawnRect Piece(Integer L, Integer T, Integer R, Integer B, TColor C) { return {{L, T, R, B}, C, clNavy}; }

TEST(DrawXPProgressBar, FrameDrawnBeforeAndAfterTheBar)
{
    TRecordingCanvas c;
    DrawXPProgressBar(c, Rect(0, 0, 102, 20), 50, PlainLook());
    const auto& calls = c.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].ToString(), "Rectangle(0,0,102,20)");
    EXPECT_EQ(calls[0].BrushColor, clWhite);
    EXPECT_EQ(calls[0].PenColor, clNavy);
    EXPECT_EQ(calls[2].ToString(), "Rectangle(0,0,102,20)");
    EXPECT_EQ(calls[2].BrushStyle, bsClear);
    EXPECT_EQ(calls[2].PenColor, clNavy);

    TProgressLook noBorder = PlainLook();
    noBorder.ShowBorder = false;
    c.ClearCalls();
    DrawXPProgressBar(c, Rect(0, 0, 102, 20), 50, noBorder);
    EXPECT_EQ(c.Calls()[0].PenColor, clWhite);
    EXPECT_EQ(c.Calls()[2].PenColor, clWhite);
}

TEST(DrawXPProgressBar, SmoothPieceInTheLevelColour)
{
    const TProgressLook look = PlainLook();
    struct Case {
        Integer p;
        Rects expected;
    };
    // L = 100; the piece starts one pixel inside the border.
    const Case cases[] = {
        {0, {}},
        {-5, {}},
        {1, {Piece(1, 1, 2, 19, look.Level0Color)}},
        {50, {Piece(1, 1, 51, 19, look.Level0Color)}},
        {70, {Piece(1, 1, 71, 19, look.Level1Color)}},
        {90, {Piece(1, 1, 91, 19, look.Level2Color)}},
        {99, {Piece(1, 1, 100, 19, look.Level2Color)}},
        {100, {Piece(1, 1, 101, 19, look.Level3Color)}},
        {150, {Piece(1, 1, 101, 19, look.Level3Color)}},  // held inside the cell
    };
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DrawXPProgressBar(c, Rect(0, 0, 102, 20), k.p, look);
        EXPECT_EQ(Pieces(c), k.expected) << k.p;
    }
}

TEST(DrawXPProgressBar, StackedPiecesEndToEnd)
{
    TProgressLook look = PlainLook();
    look.Stacked = true;
    struct Case {
        Integer p;
        Rects expected;
    };
    const TColor l0 = look.Level0Color, l1 = look.Level1Color, l3 = look.Level3Color;
    const Case cases[] = {
        {0, {}},
        {-5, {}},
        {1, {Piece(1, 1, 2, 19, l0)}},
        {50, {Piece(1, 1, 51, 19, l0)}},
        {70, {Piece(1, 1, 71, 19, l0)}},  // the second piece starts at its level, with no pixels yet
        {80, {Piece(1, 1, 71, 19, l0), Piece(71, 1, 81, 19, l1)}},
        {95, {Piece(1, 1, 71, 19, l0), Piece(71, 1, 91, 19, l1), Piece(91, 1, 96, 19, l3)}},
        {99, {Piece(1, 1, 71, 19, l0), Piece(71, 1, 91, 19, l1), Piece(91, 1, 100, 19, l3)}},
        {100, {Piece(1, 1, 71, 19, l0), Piece(71, 1, 91, 19, l1), Piece(91, 1, 101, 19, l3)}},
        {150, {Piece(1, 1, 71, 19, l0), Piece(71, 1, 91, 19, l1), Piece(91, 1, 101, 19, l3)}},
    };
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DrawXPProgressBar(c, Rect(0, 0, 102, 20), k.p, look);
        EXPECT_EQ(Pieces(c), k.expected) << k.p;
    }
}

TEST(DrawXPProgressBar, StackedFullBarFillsExactlyItsLength)
{
    TProgressLook look = PlainLook();
    look.Stacked = true;
    look.Level1Perc = 33;
    look.Level2Perc = 66;
    TRecordingCanvas c;
    // L = 10: 3.3 and 3.3 round to 3 each; the rest is 4, not Round(3.4) = 3.
    DrawXPProgressBar(c, Rect(0, 0, 12, 8), 100, look);
    EXPECT_EQ(Pieces(c),
              (Rects{Piece(1, 1, 4, 7, look.Level0Color), Piece(4, 1, 7, 7, look.Level1Color),
                     Piece(7, 1, 11, 7, look.Level3Color)}));
    c.ClearCalls();
    DrawXPProgressBar(c, Rect(0, 0, 12, 8), 99, look);
    EXPECT_EQ(Pieces(c).back(), Piece(7, 1, 10, 7, look.Level3Color));
}

TEST(DrawXPProgressBar, BlocksOfSevenWithGaps)
{
    TProgressLook look = PlainLook();
    look.CompletionSmooth = false;
    auto blocks = [](std::initializer_list<std::pair<Integer, Integer>> spans, TColor colour) {
        Rects out;
        for (auto [from, to] : spans) out.push_back(Piece(from, 2, to, 18, colour));
        return out;
    };
    std::vector<std::pair<Integer, Integer>> eleven;
    for (Integer i = 0; i < 11; ++i) eleven.push_back({2 + 9 * i, 9 + 9 * i});
    Rects full99, full100;
    for (auto [from, to] : eleven) {
        full99.push_back(Piece(from, 2, to, 18, look.Level2Color));
        full100.push_back(Piece(from, 2, to, 18, look.Level3Color));
    }
    struct Case {
        Integer p;
        Rects expected;
    };
    const TColor l0 = look.Level0Color;
    const Case cases[] = {
        {0, {}},
        {-5, {}},
        {1, {}},  // t = 1: nothing
        {2, blocks({{2, 3}}, l0)},  // t = 2: one block one pixel wide
        {9, blocks({{2, 10}}, l0)},
        {10, blocks({{2, 9}}, l0)},  // one full block, a remainder of 1 draws nothing
        {11, blocks({{2, 9}, {11, 12}}, l0)},  // a remainder of 2: a 1-pixel block
        {18, blocks({{2, 9}, {11, 18}}, l0)},  // exactly two blocks
        {20, blocks({{2, 9}, {11, 18}, {20, 21}}, l0)},  // two full blocks and a 1-pixel block
        {26, blocks({{2, 9}, {11, 18}, {20, 27}}, l0)},  // a remainder of 8: a 7-pixel block
        {50, blocks({{2, 9}, {11, 18}, {20, 27}, {29, 36}, {38, 45}, {47, 51}}, l0)},
        {99, full99},
        {100, full100},
        {150, full100},  // held inside the cell
    };
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DrawXPProgressBar(c, Rect(0, 0, 102, 20), k.p, look);
        EXPECT_EQ(Pieces(c), k.expected) << k.p;
    }
}

TEST(DrawXPProgressBar, VerticalBarsGrowFromTheBottom)
{
    TProgressLook look = PlainLook();
    look.Vertical = true;
    TRecordingCanvas c;
    DrawXPProgressBar(c, Rect(0, 0, 20, 102), 30, look);
    EXPECT_EQ(Pieces(c), (Rects{Piece(1, 71, 19, 101, look.Level0Color)}));
    // Outside the range the bar stays inside the cell: full, or nothing.
    c.ClearCalls();
    DrawXPProgressBar(c, Rect(0, 0, 20, 102), 150, look);
    EXPECT_EQ(Pieces(c), (Rects{Piece(1, 1, 19, 101, look.Level3Color)}));
    c.ClearCalls();
    DrawXPProgressBar(c, Rect(0, 0, 20, 102), -5, look);
    EXPECT_TRUE(Pieces(c).empty());

    look.CompletionSmooth = false;
    c.ClearCalls();
    DrawXPProgressBar(c, Rect(0, 0, 20, 102), 20, look);
    EXPECT_EQ(Pieces(c),
              (Rects{Piece(2, 93, 18, 100, look.Level0Color), Piece(2, 84, 18, 91, look.Level0Color),
                     Piece(2, 81, 18, 82, look.Level0Color)}));
}

TEST(DrawXPProgressBar, GradientPiecesMeetInTheMiddle)
{
    TProgressLook look = PlainLook();
    look.ShowGradient = true;
    look.Level0Color = RGB(0, 0, 0);
    look.Level0ColorTo = RGB(80, 0, 0);
    TRecordingCanvas c;
    DrawXPProgressBar(c, Rect(0, 0, 102, 20), 50, look);
    const Rects bands = RectsOf(c);
    // The frame, then two gradients over (1, 1, 51, 10) and (1, 10, 51, 19), 9 bands each.
    ASSERT_EQ(bands.size(), 1u + 9 + 9 + 1);
    EXPECT_EQ(bands[1], Solid(1, 1, 51, 3, look.Level0ColorTo));
    EXPECT_EQ(bands[9], Solid(1, 9, 51, 10, look.Level0Color));
    EXPECT_EQ(bands[10], Solid(1, 10, 51, 12, look.Level0Color));
    EXPECT_EQ(bands[18], Solid(1, 18, 51, 19, look.Level0ColorTo));

    look.Vertical = true;  // halves side by side, colour changing left to right
    c.ClearCalls();
    DrawXPProgressBar(c, Rect(0, 0, 20, 102), 50, look);
    const Rects across = RectsOf(c);
    EXPECT_EQ(across[1], Solid(1, 51, 3, 101, look.Level0ColorTo));

    look.Vertical = false;  // the steps come from the look: 4 steps, 5 bands a half
    look.Steps = 4;
    c.ClearCalls();
    DrawXPProgressBar(c, Rect(0, 0, 102, 20), 50, look);
    const Rects few = RectsOf(c);
    ASSERT_EQ(few.size(), 1u + 5 + 5 + 1);
    EXPECT_EQ(few[2], Solid(1, 3, 51, 6, RGB(60, 0, 0)));  // 8 / 4 = 2 a band, 3 long, ColorTo first
    EXPECT_EQ(few[5], Solid(1, 9, 51, 10, look.Level0Color));
}

TEST(DrawXPProgressBar, PercentageTextShowsTheValueAsGiven)
{
    TFont font;
    font.SetName(u"Verdana");
    font.SetSize(12);
    font.SetStyle(fsBold);
    TProgressLook look = PlainLook();
    look.ShowPercentage = true;
    look.Font = &font;
    look.CompleteFontColor = clPurple;
    for (const auto& [p, text] : {std::pair{150, u"150%"}, std::pair{-5, u"-5%"}, std::pair{50, u"50%"}}) {
        TRecordingCanvas c;
        DrawXPProgressBar(c, Rect(0, 0, 102, 20), p, look);
        c.Font()->SetOrientation(0);
        const TSize size = c.TextExtent(text);
        const TCanvasCall& t = c.Calls()[c.Calls().size() - 2];
        EXPECT_EQ(t.ToString(),
                  "TextOut(" + std::to_string((102 - size.cx) / 2) + "," + std::to_string((20 - size.cy) / 2) + ") \"" +
                      StringToUtf8(text) + "\"");
        EXPECT_EQ(t.FontColor, clPurple);
        EXPECT_EQ(t.BrushStyle, bsClear);
        EXPECT_EQ(t.FontStyle, fsBold);
        EXPECT_EQ(c.Font()->Name(), u"Verdana");
    }
    look.Vertical = true;
    TRecordingCanvas c;
    DrawXPProgressBar(c, Rect(0, 0, 20, 102), 40, look);
    const TSize size = c.TextExtent(u"40%");
    const TCanvasCall& t = c.Calls()[c.Calls().size() - 2];
    EXPECT_EQ(t.FontOrientation, 900);
    EXPECT_EQ(t.Args, (std::vector<Integer>{10 - size.cy / 2, 51 + size.cx / 2}));
}

}  // namespace
}  // namespace gw::test
