// Tests of the cell shapes: the outline of each of the nineteen, with odd sizes so that halves,
// even-lowered sizes and quarters show.
#include "grid/foundation/cell_shapes.h"

#include "painting_fixture.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

struct Case {
    TCellShape shape;
    Integer w, h;
    const char* call;
};

TEST(DrawCellShape, EveryShapeAtItsPoints)
{
    const Case cases[] = {
        {csRectangle, 30, 20, "Rectangle(11,21,39,39)"},
        {csSquare, 30, 20, "Rectangle(11,21,29,39)"},  // the smaller side
        {csCircle, 30, 20, "Ellipse(10,20,30,40)"},  // a 20 x 20 circle at the left
        {csEllips, 30, 20, "Ellipse(10,20,40,40)"},
        {csRoundRect, 30, 20, "RoundRect(10,20,40,40,10,10)"},
        {csRoundSquare, 30, 20, "RoundRect(10,20,30,40,10,10)"},
        {csTriangleLeft, 31, 21, "Polygon(41,20,41,41,10,30)"},
        {csTriangleRight, 31, 21, "Polygon(10,20,10,41,41,30)"},
        {csTriangleUp, 31, 21, "Polygon(10,41,41,41,25,20)"},
        {csTriangleDown, 31, 21, "Polygon(10,20,41,20,25,41)"},
        {csDiamond, 31, 21, "Polygon(10,30,25,20,40,30,25,40)"},
        {csLineVert, 31, 21, "FillRect(25,20,26,41)"},
        {csLineHorz, 31, 21, "FillRect(10,30,41,31)"},
        {csArrowUp, 31, 21, "Polygon(10,30,25,20,40,30,31,30,31,41,17,41,17,30)"},
        {csArrowDown, 31, 21, "Polygon(10,30,25,41,40,30,31,30,31,20,17,20,17,30)"},
        {csArrowLeft, 31, 21, "Polygon(10,30,25,20,25,25,41,25,41,35,25,35,25,40)"},
        {csArrowRight, 31, 21, "Polygon(41,30,25,20,25,25,10,25,10,35,25,35,25,40)"},
        {csStar, 16, 16, "Polygon(18,20,20,26,26,26,21,29,23,34,18,31,13,34,15,29,10,26,16,26)"},
        {csHalfStar, 16, 16, "Polygon(18,20,18,31,13,34,15,29,10,26,16,26)"},
    };
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DrawCellShape(c, 10, 20, k.w, k.h, k.shape, clYellow, clMaroon);
        ASSERT_EQ(c.Calls().size(), 1u) << int(k.shape);
        EXPECT_EQ(c.Calls()[0].ToString(), k.call) << int(k.shape);
        EXPECT_EQ(c.Calls()[0].BrushColor, clYellow);
        EXPECT_EQ(c.Calls()[0].PenColor, clMaroon);
    }
}

TEST(DrawCellShape, ValuesBeyondTheLastShapeDrawNothing)
{
    TRecordingCanvas c;
    DrawCellShape(c, 0, 0, 16, 16, TCellShape(19), clYellow, clMaroon);
    DrawCellShape(c, 0, 0, 16, 16, TCellShape(255), clYellow, clMaroon);
    EXPECT_TRUE(c.Calls().empty());
}

TEST(DrawCellShape, StarTipAndFillOnPixels)
{
    TBitmap b(20, 20);
    Clear(b);
    DrawCellShape(*b.Canvas(), 2, 2, 16, 16, csStar, clYellow, clMaroon);
    EXPECT_EQ(b.PixelColor(10, 2), clMaroon);  // the top tip at (x + 8, y)
    EXPECT_EQ(b.PixelColor(10, 10), clYellow);  // the middle is filled
    EXPECT_EQ(b.PixelColor(3, 3), clWhite);
}

}  // namespace
}  // namespace gw::test
