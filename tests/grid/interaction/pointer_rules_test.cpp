// The pointer's window-free arithmetic: wheel steps and their half-to-even correction, pan
// directions and cursors, ratings, radio item spans and cell anchors; and the pan picture.
#include "grid/interaction/pan_indicator.h"
#include "grid/interaction/pointer_rules.h"
#include "platform/graphics/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace gw {
namespace {

TEST(PointerRules, HalfStepsRoundAnExactHalfToEvenAsPythonsRoundDoes)
{
    // round(r / 2) in Python: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, 3.5 -> 4, and the same below zero.
    const struct {
        Integer Remaining, Step;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {5, 2}, {7, 4}, {9, 4}, {-1, 0}, {-3, -2}, {-5, -2}, {-7, -4}};
    for (const auto& c : cases) EXPECT_EQ(WheelHalfStep(c.Remaining), c.Step) << "remaining " << c.Remaining;
    EXPECT_EQ(RoundHalfEven(0.4), 0);
    EXPECT_EQ(RoundHalfEven(0.6), 1);
}

TEST(PointerRules, WheelStepIsTheSettingOrTheSystemLines)
{
    EXPECT_EQ(WheelStep(0, 3), 3);
    EXPECT_EQ(WheelStep(-2, 3), 3);
    EXPECT_EQ(WheelStep(1, 3), 1);
    EXPECT_EQ(WheelStep(5, 3), 5);
}

TEST(PointerRules, ScrollingNotchesStopAtBothEnds)
{
    // 1 fixed row, 21 rows, 10 visible: the top row runs from 1 to 11.
    const struct {
        Integer Top, N;
        bool Down;
        Integer Expected;
        const char* What;
    } cases[] = {
        {1, 3, true, 4, "down by the step"},
        {10, 3, true, 13, "down while the last rows are not all shown, the base grid holds it to its end"},
        {11, 3, true, 11, "the last rows shown: down does nothing"},
        {5, 3, false, 2, "up by the step"},
        {2, 3, false, 1, "up is cut at the first scrolling row"},
        {1, 3, false, 1, "at the first scrolling row up does nothing"},
        {4, 3, false, 1, "up exactly onto the first scrolling row"},
    };
    for (const auto& c : cases) EXPECT_EQ(WheelScrolledTopRow(c.Top, c.N, c.Down, 1, 21, 10), c.Expected) << c.What;
}

TEST(PointerRules, PanDirectionsAndCursors)
{
    const struct {
        TPoint Offset;
        TIntelliPan Pan;
        TPoint Direction;
        Integer Cursor;
    } cases[] = {
        {{0, 0}, ipBoth, {0, 0}, 8000},        {{5, -5}, ipBoth, {0, 0}, 8000},
        {{0, 6}, ipBoth, {0, 1}, 8001},        {{-6, 0}, ipBoth, {-1, 0}, 8002},
        {{6, 0}, ipBoth, {1, 0}, 8003},        {{0, -6}, ipBoth, {0, -1}, 8004},
        {{6, -6}, ipBoth, {1, -1}, 8005},      {{-6, -6}, ipBoth, {-1, -1}, 8006},
        {{6, 6}, ipBoth, {1, 1}, 8007},        {{-6, 6}, ipBoth, {-1, 1}, 8008},
        {{-6, -6}, ipVertical, {0, -1}, 8004}, {{-6, -6}, ipHorizontal, {-1, 0}, 8002},
    };
    for (const auto& c : cases) {
        const TPoint d = PanDirection(c.Offset, c.Pan);
        EXPECT_EQ(d.X, c.Direction.X) << c.Offset.X << "," << c.Offset.Y;
        EXPECT_EQ(d.Y, c.Direction.Y) << c.Offset.X << "," << c.Offset.Y;
        EXPECT_EQ(PanCursor(d), c.Cursor) << c.Offset.X << "," << c.Offset.Y;
    }
}

TEST(PointerRules, RatingIsHalfAStarPerNinePixelsStarted)
{
    const struct {
        Integer Offset;
        double Rate;
    } cases[] = {{0, 0}, {8, 0}, {9, 0.5}, {17, 0.5}, {18, 1.0}, {27, 1.5}, {44, 2.0}, {45, 2.5}};
    for (const auto& c : cases) EXPECT_EQ(RatingAtOffset(c.Offset), c.Rate) << "offset " << c.Offset;
}

TEST(PointerRules, ItemSpansHitStrictlyInside)
{
    const std::vector<Integer> sizes{16, 16, 20};
    const struct {
        Integer P, Item;
    } cases[] = {{0, -1}, {1, 0}, {15, 0}, {16, -1}, {17, 1}, {31, 1}, {32, -1}, {33, 2}, {51, 2}, {52, -1}, {60, -1}};
    for (const auto& c : cases) EXPECT_EQ(ItemAtOffset(sizes, c.P), c.Item) << "at " << c.P;
    EXPECT_EQ(ItemAtOffset({}, 3), -1);
}

TEST(PointerRules, CellAnchorsNameTheirCell)
{
    Integer col = -1, row = -1;
    EXPECT_TRUE(CellAnchorTarget(u"CELL://R3C2", col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
    EXPECT_TRUE(CellAnchorTarget(u"cell://r10c4", col, row)) << "any case";
    EXPECT_EQ(col, 4);
    EXPECT_EQ(row, 10);
    col = row = -1;
    EXPECT_FALSE(CellAnchorTarget(u"CELL://nowhere", col, row)) << "a reference that does not parse";
    EXPECT_EQ(col, -1);
    EXPECT_FALSE(CellAnchorTarget(u"http://example.com", col, row));
    EXPECT_TRUE(IsCellAnchor(u"cell://R1C1"));
    EXPECT_FALSE(IsCellAnchor(u"https://cell.example.com"));
}

// The picture: a white disc at the start point with an arrow per direction the pan may run.
TEST(PanIndicator, ShowsTheDirectionsThePanMayRun)
{
    auto polygons = [](const TRecordingCanvas& C) {
        const auto log = C.Log();
        return std::count_if(log.begin(), log.end(), [](const std::string& L) { return L.rfind("Polygon", 0) == 0; });
    };
    const struct {
        TIntelliPan Pan;
        long Arrows;
    } cases[] = {{ipBoth, 4}, {ipVertical, 2}, {ipHorizontal, 2}, {ipNone, 0}};
    for (const auto& c : cases) {
        TRecordingCanvas canvas;
        canvas.Pen()->SetColor(clRed);
        canvas.Brush()->SetColor(clGreen);
        DrawPanIndicatorShape(canvas, {40, 30}, c.Pan);
        EXPECT_EQ(polygons(canvas), c.Arrows) << int(c.Pan);
        EXPECT_EQ(canvas.Pen()->Color(), clRed) << "the pen is given back";
        EXPECT_EQ(canvas.Brush()->Color(), clGreen) << "the brush is given back";
    }
    TRecordingCanvas canvas;
    DrawPanIndicatorShape(canvas, {40, 30}, ipVertical);
    const auto log = canvas.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log.front().find("40,30,66,56"), std::string::npos) << log.front();
    // The up arrow's tip lies 3 pixels inside the disc's top, on the centre line.
    EXPECT_NE(log[1].find("53,33"), std::string::npos) << log[1];
}

}  // namespace
}  // namespace gw
