// Right-to-left orientation of the canvas: shapes, lines and points land on the mirror image of
// their left-to-right pixels, while text and pictures keep their
// direction at their mirrored place; clipping, saving and the scope follow the orientation.
#include "pixel_map.h"

#include "platform/graphics/canvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace gw {
namespace {

using test::PixelMap;
using test::WhiteBitmap;
using Rows = std::vector<std::string>;

const std::map<TColor, char> kLegend = {{clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}, {clBlue, 'b'}, {clLime, 'g'}};
constexpr Integer W = 12, H = 6;

// Each row reversed, then moved right by Shift (what falls off is dropped, the gap is white).
Rows Mirror(const Rows& In, int Shift)
{
    Rows out;
    for (const std::string& row : In) {
        std::string m(row.rbegin(), row.rend());
        std::string shifted(m.size(), '.');
        for (size_t x = 0; x < m.size(); ++x)
            if (x + Shift < m.size()) shifted[x + Shift] = m[x];
        out.push_back(shifted);
    }
    return out;
}

Rows Drawn(bool RightToLeft, const std::function<void(TCanvas&)>& Paint)
{
    auto bmp = WhiteBitmap(W, H);
    TCanvas& c = *bmp->Canvas();
    c.Brush()->SetColor(clRed);
    const TCanvasOrientationScope rtl(c, RightToLeft, W);
    Paint(c);
    return PixelMap(*bmp, kLegend);
}

struct ShapeCase {
    const char* Name;
    std::function<void(TCanvas&)> Paint;
    // How far right of the mirror image it lands (0: exactly on it).
    int Shift;
};

TEST(CanvasOrientation, ShapesLandOnTheMirrorImageOfTheirLeftToRightPixels)
{
    const std::vector<ShapeCase> cases = {
        {"FillRect", [](TCanvas& c) { c.FillRect(Rect(1, 1, 5, 4)); }, 0},
        {"FrameRect", [](TCanvas& c) { c.FrameRect(Rect(0, 0, 4, 5)); }, 0},
        {"Rectangle", [](TCanvas& c) { c.Rectangle(2, 1, 7, 5); }, 0},
        {"Ellipse", [](TCanvas& c) { c.Ellipse(1, 0, 7, 6); }, 0},
        {"RoundRect", [](TCanvas& c) { c.RoundRect(0, 0, 8, 6, 4, 4); }, 0},
        {"inverted Rectangle", [](TCanvas& c) { c.Rectangle(7, 5, 2, 1); }, 0},
        {"clipped fill",
         [](TCanvas& c) {
             c.IntersectClipRect(Rect(0, 0, 3, 6));
             c.FillRect(Rect(0, 1, W, 3));
         },
         0},
        {"excluded fill",
         [](TCanvas& c) {
             c.ExcludeClipRect(Rect(2, 0, 4, 6));
             c.FillRect(Rect(0, 2, 6, 4));
         },
         0},
        {"lines",
         [](TCanvas& c) {
             c.MoveTo(1, 1);
             c.LineTo(6, 1);
             c.LineTo(6, 5);
             c.LineTo(2, 3);
         },
         0},
        {"pixels",
         [](TCanvas& c) {
             c.SetPixel(0, 0, clBlue);
             c.SetPixel(3, 2, clLime);
         },
         0},
        {"outlined polygon",
         [](TCanvas& c) {
             c.Brush()->SetStyle(bsClear);
             const TPoint p[] = {{0, 0}, {6, 0}, {6, 4}, {0, 4}};
             c.Polygon(p);
         },
         0},
        // Wide pens: an even width's edges run through pixel centres, which the rasteriser takes
        // on one side only; and a rectangle's outline joins its corners in the order of the path.
        {"lines of a 2-pixel pen",
         [](TCanvas& c) {
             c.Pen()->SetWidth(2);
             c.MoveTo(1, 1);
             c.LineTo(6, 1);
             c.LineTo(6, 4);
             c.LineTo(2, 3);
         },
         0},
        {"Rectangle of a 2-pixel pen",
         [](TCanvas& c) {
             c.Pen()->SetWidth(2);
             c.Pen()->SetColor(clBlue);
             c.Rectangle(2, 1, 7, 5);
         },
         0},
        {"Rectangle of a 3-pixel pen",
         [](TCanvas& c) {
             c.Pen()->SetWidth(3);
             c.Rectangle(7, 4, 3, 1);
         },
         0},
        // the dots keep their phase across the mirror: an odd-width rectangle at an even x
        {"dotted focus rectangle", [](TCanvas& c) { c.DrawFocusRect(Rect(2, 1, 7, 5)); }, 0},
        {"pixels read back",
         [](TCanvas& c) {
             c.SetPixel(2, 1, clBlue);
             if (c.Pixels(2, 1) == clBlue) c.SetPixel(2, 3, clLime);
         },
         0},
    };
    for (const ShapeCase& k : cases) {
        const Rows ltr = Drawn(false, k.Paint), rtl = Drawn(true, k.Paint);
        EXPECT_NE(ltr, Rows(H, std::string(W, '.'))) << k.Name << " draws something";
        EXPECT_EQ(rtl, Mirror(ltr, k.Shift)) << k.Name;
    }
}

TEST(CanvasOrientation, TextAndPicturesKeepTheirDirectionAtTheMirroredPlace)
{
    const String text = u"Ab";
    // Text: drawn at x right to left is drawn at W - x - width left to right, not mirror-image.
    Integer width = 0;
    const Rows rtlText = Drawn(true, [&](TCanvas& c) {
        c.Brush()->SetStyle(bsClear);
        width = c.TextWidth(text);
        c.TextOut(1, 0, text);
    });
    const Rows ltrText = Drawn(false, [&](TCanvas& c) {
        c.Brush()->SetStyle(bsClear);
        c.TextOut(W - 1 - width, 0, text);
    });
    EXPECT_EQ(rtlText, ltrText);
    EXPECT_NE(rtlText, Mirror(ltrText, 0)) << "the letters are not mirrored";

    // DrawText: left alignment right to left hugs the device right edge, as right alignment in
    // the mirrored rectangle does left to right.
    const Rows rtlDraw = Drawn(true, [&](TCanvas& c) {
        TRect r = Rect(1, 0, 9, H);
        c.DrawText(text, r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    });
    const Rows ltrDraw = Drawn(false, [&](TCanvas& c) {
        TRect r = Rect(W - 9, 0, W - 1, H);
        c.DrawText(text, r, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    });
    EXPECT_EQ(rtlDraw, ltrDraw);

    // A picture: red, blue, green from left to right wherever it lands.
    TBitmap pic(3, 1);
    pic.Canvas()->SetPixel(0, 0, clRed);
    pic.Canvas()->SetPixel(1, 0, clBlue);
    pic.Canvas()->SetPixel(2, 0, clLime);
    const Rows rtlPic = Drawn(true, [&](TCanvas& c) { c.Draw(1, 2, &pic); });
    EXPECT_EQ(rtlPic[2], "........rbg.") << "its extent 1..4 maps onto 8..11";
    const Rows rtlStretch = Drawn(true, [&](TCanvas& c) { c.StretchDraw(Rect(0, 0, 6, 1), &pic); });
    EXPECT_EQ(rtlStretch[0], "......rrbbgg");
}

TEST(CanvasOrientation, ClipOriginSavingAndTheScopeFollowTheOrientation)
{
    auto bmp = WhiteBitmap(W, H);
    TCanvas& c = *bmp->Canvas();
    c.SetOrigin(Point(2, 0));
    {
        const TCanvasOrientationScope rtl(c, true, 8);
        EXPECT_TRUE(c.RightToLeftOrientation());
        EXPECT_EQ(c.LogicalToDeviceX(0), 10) << "origin plus width";
        EXPECT_EQ(c.LogicalToDevice(Rect(1, 1, 3, 2)), Rect(7, 1, 9, 2));
        EXPECT_EQ(c.DeviceToLogical(Rect(7, 1, 9, 2)), Rect(1, 1, 3, 2));
        c.IntersectClipRect(Rect(0, 0, 3, H));
        EXPECT_EQ(c.ClipRect(), Rect(0, 0, 3, H)) << "the clip reads back in the logical measure";
        const Integer saved = c.SaveDC();
        c.SetRightToLeftOrientation(false, 0);
        c.RestoreDC(saved);
        EXPECT_TRUE(c.RightToLeftOrientation()) << "RestoreDC brings the orientation back";
        EXPECT_EQ(c.MirrorWidth(), 8);
        c.Brush()->SetColor(clBlue);
        c.FillRect(Rect(0, 0, W, 1));
        {
            const TCanvasOrientationScope ltr(c, false, 0);
            EXPECT_EQ(c.LogicalToDeviceX(0), 2);
        }
        EXPECT_TRUE(c.RightToLeftOrientation()) << "an inner scope gives the outer one back";
    }
    EXPECT_FALSE(c.RightToLeftOrientation());
    EXPECT_EQ(PixelMap(*bmp, kLegend)[0], ".......bbb..") << "device 7..9 from logical 0..3";
}

}  // namespace
}  // namespace gw
