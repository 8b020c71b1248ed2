// Shapes and bevels: where their pixels go (a one-pixel line, an outline inside the bounds).
#include "platform/controls/bevel.h"
#include "platform/controls/panel.h"
#include "platform/controls/shape.h"
#include "platform/graphics/bitmap.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class ShapeTest : public StdControlsTest {};

TEST_F(ShapeTest, LineAndFrameStayInsideTheirBounds)
{
    auto* p = new TPanel(form);
    p->SetParent(form);
    p->SetBounds(0, 0, 200, 100);
    p->SetBevelOuter(bvNone);
    p->SetColor(clWhite);
    auto* line = new TShape(form);
    line->SetParent(p);
    line->SetBounds(10, 50, 100, 1);  // the separator under the last step
    line->Pen()->SetColor(clRed);
    auto* frame = new TShape(form);
    frame->SetParent(p);
    frame->SetBounds(120, 10, 40, 30);
    frame->Pen()->SetColor(clBlue);
    frame->Brush()->SetStyle(bsClear);
    ShowForm();
    EXPECT_EQ(PixelAt(p, 10, 50), clRed);
    EXPECT_EQ(PixelAt(p, 109, 50), clRed);
    EXPECT_EQ(PixelAt(p, 110, 50), clWhite);
    EXPECT_EQ(PixelAt(p, 50, 49), clWhite);
    EXPECT_EQ(PixelAt(p, 50, 51), clWhite);
    // The outline's four corners are inside the bounds; the inside shows the panel.
    EXPECT_EQ(PixelAt(p, 120, 10), clBlue);
    EXPECT_EQ(PixelAt(p, 159, 39), clBlue);
    EXPECT_EQ(PixelAt(p, 160, 39), clWhite);
    EXPECT_EQ(PixelAt(p, 140, 25), clWhite);
    // A thicker pen grows inwards.
    frame->Pen()->SetWidth(3);
    EXPECT_EQ(PixelAt(p, 120, 10), clBlue);
    EXPECT_EQ(PixelAt(p, 122, 25), clBlue);
    EXPECT_EQ(PixelAt(p, 160, 25), clWhite);
}

TEST_F(ShapeTest, RoundedShapesLeaveTheCornersAndSquaresKeepTheCentre)
{
    auto* p = new TPanel(form);
    p->SetParent(form);
    p->SetBounds(0, 0, 200, 100);
    p->SetBevelOuter(bvNone);
    p->SetColor(clWhite);
    auto* shape = new TShape(form);
    shape->SetParent(p);
    shape->SetBounds(20, 20, 80, 40);  // centre (60, 40)
    shape->Pen()->SetColor(clBlue);
    shape->Brush()->SetColor(clYellow);
    ShowForm();
    struct Case {
        TShapeType Type;
        TColor Corner;  // the bounds' top left pixel
        TColor NearLeft;  // (25, 40): inside the bounds, left of a centred square or circle
        TPoint Edge;  // a point on the outline
    } cases[] = {
        {stRectangle, clBlue, clYellow, {20, 40}}, {stRoundRect, clWhite, clYellow, {20, 40}},
        {stEllipse, clWhite, clYellow, {60, 20}},  {stSquare, clWhite, clWhite, {40, 40}},
        {stCircle, clWhite, clWhite, {40, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.Type));
        shape->SetShape(c.Type);
        EXPECT_EQ(PixelAt(p, 20, 20), c.Corner);
        EXPECT_EQ(PixelAt(p, 25, 40), c.NearLeft);
        EXPECT_EQ(PixelAt(p, 60, 40), clYellow) << "the brush fills the inside";
        TColor edge = PixelAt(p, c.Edge.X, c.Edge.Y);
        EXPECT_NE(edge, clWhite);
        EXPECT_NE(edge, clYellow) << "the pen draws the outline";
    }
}

TEST_F(ShapeTest, BevelLinesUseShadowAndHighlight)
{
    auto* p = new TPanel(form);
    p->SetParent(form);
    p->SetBounds(0, 0, 100, 60);
    p->SetBevelOuter(bvNone);
    p->SetColor(clWhite);
    auto* b = new TBevel(form);
    b->SetParent(p);
    b->SetBounds(10, 10, 50, 20);
    b->SetShape(bsTopLine);
    ShowForm();
    EXPECT_EQ(PixelAt(p, 20, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(p, 20, 11), ColorToRGB(clBtnHighlight));
    b->SetStyle(bsRaised);
    EXPECT_EQ(PixelAt(p, 20, 10), ColorToRGB(clBtnHighlight));
}

}  // namespace
}  // namespace gw::test
