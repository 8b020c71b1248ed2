// The canvas's pixel rules: exclusive edges, lines that stop short, clipping, modes, fills.
#include "pixel_map.h"

#include "platform/graphics/canvas.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

using test::PixelMap;
using test::WhiteBitmap;
using Rows = std::vector<std::string>;

const std::map<TColor, char> kLegend = {{clWhite, '.'}, {clBlack, '#'},  {clRed, 'r'},   {clBlue, 'b'},
                                        {clLime, 'g'},  {0xFFFF00, 'a'}, {0x00FFFF, 'y'}};

TEST(Canvas, RectangleOutlinesItsEdgePixelsAndFillsTheInside)
{
    auto bmp = WhiteBitmap(6, 6);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(clRed);
    c->Rectangle(0, 0, 4, 4);
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{"####..", "#rr#..", "#rr#..", "####..", "......", "......"}));
}

TEST(Canvas, ARectangleOutlinedInItsFillColourCoversExactlyTheOutlineAndTheFill)
{
    // Drawn in one go (pen and brush alike) against the outline alone plus the fill inside it.
    const TRect rects[] = {Rect(1, 1, 2, 2), Rect(1, 1, 6, 2), Rect(1, 1, 2, 5), Rect(1, 1, 3, 3),
                           Rect(0, 1, 7, 5)};
    for (const TRect& r : rects) {
        SCOPED_TRACE(testing::Message() << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom);
        auto whole = WhiteBitmap(8, 6);
        whole->Canvas()->Pen()->SetColor(clRed);
        whole->Canvas()->Brush()->SetColor(clRed);
        whole->Canvas()->Rectangle(r);
        auto parts = WhiteBitmap(8, 6);
        TCanvas* c = parts->Canvas();
        c->Pen()->SetColor(clRed);
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(r);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clRed);
        c->Pen()->SetStyle(psClear);
        c->Rectangle(r.Left + 1, r.Top + 1, r.Right, r.Bottom);
        EXPECT_EQ(PixelMap(*whole, kLegend), PixelMap(*parts, kLegend));
    }
}

TEST(Canvas, RectangleWithoutPenIsOnePixelSmaller)
{
    auto bmp = WhiteBitmap(5, 5);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(clRed);
    c->Pen()->SetStyle(psClear);
    c->Rectangle(1, 1, 4, 4);
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{".....", ".rr..", ".rr..", ".....", "....."}));
}

TEST(Canvas, FillAndFrameRectCoverLeftTopButNotRightBottom)
{
    auto bmp = WhiteBitmap(6, 5);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(clBlue);
    c->FillRect(Rect(1, 1, 3, 3));
    c->Brush()->SetColor(clRed);
    c->FrameRect(Rect(2, 0, 6, 5));
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{"..rrrr", ".br..r", ".br..r", "..r..r", "..rrrr"}));
    // Empty and inverted rectangles draw nothing.
    auto before = PixelMap(*bmp, kLegend);
    c->FillRect(Rect(3, 3, 3, 5));
    c->FillRect(Rect(4, 4, 2, 2));
    c->FrameRect(Rect(4, 4, 2, 2));
    EXPECT_EQ(PixelMap(*bmp, kLegend), before);
}

TEST(Canvas, LinesStopOnePixelShortAndFollowTheStepPattern)
{
    auto bmp = WhiteBitmap(6, 4);
    TCanvas* c = bmp->Canvas();
    c->MoveTo(0, 0);
    c->LineTo(4, 0);
    EXPECT_EQ(c->PenPos(), Point(4, 0));
    c->LineTo(4, 3);
    c->MoveTo(0, 1);
    c->LineTo(4, 3);
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{"#####.", "##..#.", "..###.", "......"}));
    // A line of no length draws nothing.
    auto empty = WhiteBitmap(3, 3);
    empty->Canvas()->MoveTo(1, 1);
    empty->Canvas()->LineTo(1, 1);
    EXPECT_EQ(PixelMap(*empty, kLegend), (Rows{"...", "...", "..."}));
}

TEST(Canvas, PolylineAndPolygon)
{
    auto bmp = WhiteBitmap(7, 6);
    TCanvas* c = bmp->Canvas();
    const TPoint tri[] = {{0, 0}, {6, 0}, {0, 5}};
    c->Brush()->SetColor(clRed);
    c->Polygon(tri);
    auto rows = PixelMap(*bmp, kLegend);
    EXPECT_EQ(rows[0], "#######");
    EXPECT_EQ(rows[1].substr(0, 2), "#r");
    EXPECT_EQ(rows[5][0], '#');
    EXPECT_EQ(rows[5].substr(1), "......");
    auto line = WhiteBitmap(5, 2);
    const TPoint pts[] = {{0, 0}, {4, 0}, {4, 2}};
    line->Canvas()->Polyline(pts);
    // The last point is not drawn, the corner is.
    EXPECT_EQ(PixelMap(*line, kLegend), (Rows{"#####", "....#"}));
}

TEST(Canvas, PenStylesWidthsAndModes)
{
    auto bmp = WhiteBitmap(12, 3);
    TCanvas* c = bmp->Canvas();
    c->Pen()->SetStyle(psDot);
    c->MoveTo(0, 0);
    c->LineTo(12, 0);
    c->Pen()->SetStyle(psClear);
    c->MoveTo(0, 1);
    c->LineTo(12, 1);
    EXPECT_EQ(PixelMap(*bmp, kLegend)[0], "###...###...");
    EXPECT_EQ(PixelMap(*bmp, kLegend)[1], "............");

    // XOR twice restores; NOT inverts whatever is there.
    auto x = WhiteBitmap(4, 1);
    x->Canvas()->Pen()->SetMode(pmXor);
    x->Canvas()->Pen()->SetColor(clRed);
    x->Canvas()->MoveTo(0, 0);
    x->Canvas()->LineTo(3, 0);
    EXPECT_EQ(PixelMap(*x, kLegend)[0], "aaa.");
    x->Canvas()->MoveTo(0, 0);
    x->Canvas()->LineTo(2, 0);
    EXPECT_EQ(PixelMap(*x, kLegend)[0], "..a.");
    x->Canvas()->Pen()->SetMode(pmNot);
    x->Canvas()->MoveTo(0, 0);
    x->Canvas()->LineTo(4, 0);
    EXPECT_EQ(PixelMap(*x, kLegend)[0], "##r#");

    auto wide = WhiteBitmap(9, 9);
    wide->Canvas()->Pen()->SetWidth(3);
    wide->Canvas()->MoveTo(1, 4);
    wide->Canvas()->LineTo(7, 4);
    auto rows = PixelMap(*wide, kLegend);
    EXPECT_EQ(rows[3].substr(2, 5), "#####");
    EXPECT_EQ(rows[4].substr(2, 5), "#####");
    EXPECT_EQ(rows[5].substr(2, 5), "#####");
    EXPECT_EQ(rows[1], ".........");
}

TEST(Canvas, EllipseAndRoundRectStayInsideTheirBox)
{
    auto bmp = WhiteBitmap(12, 10);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(clRed);
    c->Ellipse(1, 1, 11, 9);
    auto rows = PixelMap(*bmp, kLegend);
    EXPECT_EQ(rows[0], "............");
    EXPECT_EQ(rows[9], "............");
    for (const auto& r : rows) {
        EXPECT_EQ(r[0], '.');
        EXPECT_EQ(r[11], '.');
    }
    EXPECT_EQ(rows[4][1], '#');
    EXPECT_EQ(rows[4][10], '#');
    EXPECT_EQ(rows[1][5], '#');
    EXPECT_EQ(rows[8][5], '#');
    EXPECT_EQ(rows[4][5], 'r');
    EXPECT_EQ(rows[1][1], '.');  // corners of the box stay clear

    auto rr = WhiteBitmap(10, 8);
    rr->Canvas()->Brush()->SetColor(clRed);
    rr->Canvas()->RoundRect(0, 0, 10, 8, 6, 6);
    rows = PixelMap(*rr, kLegend);
    EXPECT_EQ(rows[0][0], '.');
    EXPECT_EQ(rows[0][5], '#');
    EXPECT_EQ(rows[4][0], '#');
    EXPECT_EQ(rows[4][9], '#');
    EXPECT_EQ(rows[7][5], '#');
    EXPECT_EQ(rows[4][4], 'r');
}

TEST(Canvas, ClippingByRectanglesAndRegions)
{
    auto bmp = WhiteBitmap(6, 4);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(clRed);
    c->IntersectClipRect(Rect(1, 1, 5, 3));
    c->ExcludeClipRect(Rect(2, 1, 3, 3));
    EXPECT_EQ(c->ClipRect(), Rect(1, 1, 5, 3));
    c->FillRect(Rect(0, 0, 6, 4));
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{"......", ".r.rr.", ".r.rr.", "......"}));
    EXPECT_EQ(c->Pixels(0, 0), clNone);  // outside the clip
    c->SelectClipRgn(nullptr);
    EXPECT_EQ(c->Pixels(0, 0), clWhite);

    // A polygon region with winding fill, combined with a rectangle.
    auto poly = WhiteBitmap(6, 6);
    const TPoint diamond[] = {{3, 0}, {6, 3}, {3, 6}, {0, 3}};
    TRegion region = TRegion::FromPolygon(diamond, WINDING);
    TRegion cut(Rect(0, 3, 6, 6));
    region.Combine(region, cut, RGN_DIFF);
    poly->Canvas()->SelectClipRgn(&region);
    poly->Canvas()->Brush()->SetColor(clBlue);
    poly->Canvas()->FillRect(Rect(0, 0, 6, 6));
    // Pixels are inside when their top-left corner is (left and top edges in, right and bottom out).
    EXPECT_EQ(PixelMap(*poly, kLegend), (Rows{"......", "..bb..", ".bbbb.", "......", "......", "......"}));
}

TEST(Canvas, RegionCombinations)
{
    TRegion a(Rect(0, 0, 4, 4)), b(Rect(2, 2, 6, 6)), r;
    r.Combine(a, b, RGN_AND);
    EXPECT_EQ(r.Bounds(), Rect(2, 2, 4, 4));
    r.Combine(a, b, RGN_OR);
    EXPECT_EQ(r.Bounds(), Rect(0, 0, 6, 6));
    EXPECT_FALSE(r.Contains(5, 0));
    r.Combine(a, b, RGN_XOR);
    EXPECT_FALSE(r.Contains(3, 3));
    EXPECT_TRUE(r.Contains(1, 1));
    r.Combine(a, b, RGN_DIFF);
    EXPECT_FALSE(r.Contains(3, 3));
    EXPECT_TRUE(r.Contains(3, 1));
    // Two overlapping squares: winding fills the overlap, alternate leaves it out.
    const TPoint twice[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}, {4, 0}, {4, 4}, {0, 4}};
    EXPECT_TRUE(TRegion::FromPolygon(twice, WINDING).Contains(2, 2));
    EXPECT_FALSE(TRegion::FromPolygon(twice, ALTERNATE).Contains(2, 2));
}

TEST(Canvas, OriginShiftsDrawingAndSaveRestoreBringsStateBack)
{
    auto bmp = WhiteBitmap(4, 4);
    TCanvas* c = bmp->Canvas();
    Integer saved = c->SaveDC();
    c->SetOrigin(Point(2, 1));
    c->IntersectClipRect(Rect(0, 0, 1, 1));
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(-5, -5, 5, 5));
    c->RestoreDC(saved);
    EXPECT_EQ(c->Origin(), Point(0, 0));
    EXPECT_EQ(c->Brush()->Color(), clWhite);
    EXPECT_EQ(c->ClipRect(), Rect(0, 0, 4, 4));
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{"....", "..r.", "....", "...."}));
}

TEST(Canvas, FocusRectIsDottedXorAndDrawnTwiceDisappears)
{
    auto bmp = WhiteBitmap(5, 4);
    TCanvas* c = bmp->Canvas();
    c->DrawFocusRect(Rect(0, 0, 5, 4));
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{"#.#.#", ".....", "#...#", ".#.#."}));
    c->DrawFocusRect(Rect(0, 0, 5, 4));
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{".....", ".....", ".....", "....."}));
}

TEST(Canvas, FloodFillBorderAndSurface)
{
    auto bmp = WhiteBitmap(6, 5);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(0, 0, 5, 5);
    c->Brush()->SetColor(clRed);
    c->FloodFill(2, 2, clBlack, fsBorder);
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{"#####.", "#rrr#.", "#rrr#.", "#rrr#.", "#####."}));
    c->Brush()->SetColor(clBlue);
    c->FloodFill(5, 0, clWhite, fsSurface);
    EXPECT_EQ(PixelMap(*bmp, kLegend)[4], "#####b");
    // Starting on a border pixel fills nothing.
    c->FloodFill(0, 0, clBlack, fsBorder);
    EXPECT_EQ(PixelMap(*bmp, kLegend)[0], "#####b");
}

TEST(Canvas, PixelsOutsideTheSurfaceAndHatchedBrushes)
{
    auto bmp = WhiteBitmap(8, 2);
    TCanvas* c = bmp->Canvas();
    c->SetPixel(-1, 0, clRed);
    c->SetPixel(8, 0, clRed);
    c->SetPixel(1, 1, clRed);
    EXPECT_EQ(c->Pixels(1, 1), clRed);
    EXPECT_EQ(c->Pixels(100, 100), clNone);
    c->Brush()->SetColor(clBlue);
    c->Brush()->SetStyle(bsVertical);
    c->FillRect(Rect(0, 0, 8, 1));
    EXPECT_EQ(PixelMap(*bmp, kLegend)[0], ".......b");
    EXPECT_EQ(c->BkMode(), TRANSPARENT);
    c->Brush()->SetStyle(bsSolid);
    EXPECT_EQ(c->BkMode(), OPAQUE);
}

TEST(Canvas, InvertedAndEnormousShapesAreSafe)
{
    auto bmp = WhiteBitmap(5, 5);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(clRed);
    c->Rectangle(4, 4, 0, 0);  // corners given the other way round
    EXPECT_EQ(PixelMap(*bmp, kLegend), (Rows{"####.", "#rr#.", "#rr#.", "####.", "....."}));
    // Coordinates far outside the surface only cost the visible pixels.
    c->MoveTo(-2000000000, 2);
    c->LineTo(2000000000, 2);
    EXPECT_EQ(PixelMap(*bmp, kLegend)[2], "#####");
    const TPoint huge[] = {{-1000000000, -1000000000}, {1000000000, -1000000000}, {0, 1000000000}};
    c->Brush()->SetColor(clBlue);
    c->Polygon(huge);
    EXPECT_EQ(PixelMap(*bmp, kLegend)[0], "bbbbb");
    c->Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
    EXPECT_EQ(PixelMap(*bmp, kLegend)[4], "bbbbb");
}

TEST(Canvas, WithoutSurfaceNothingIsDrawnButTextMeasures)
{
    TCanvas c;
    c.Rectangle(0, 0, 10, 10);
    c.TextOut(0, 0, u"x");
    EXPECT_GT(c.TextWidth(u"Hello"), 0);
    EXPECT_EQ(GetDeviceCaps(c, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(c, LOGPIXELSY), 96);
}

}  // namespace
}  // namespace gw
