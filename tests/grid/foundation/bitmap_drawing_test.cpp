// Tests of bitmaps drawn over a background colour and of the small drop-down triangle.
#include "grid/foundation/bitmap_drawing.h"

#include "painting_fixture.h"
#include "platform/runtime/resources.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

constexpr TColor Key = clFuchsia;

// 3 x 2: key, red, key / blue, key, lime.
TBitmap& Picture()
{
    static TBitmap picture(3, 2);
    const TColor pixels[2][3] = {{Key, clRed, Key}, {clBlue, Key, clLime}};
    for (Integer y = 0; y < 2; ++y)
        for (Integer x = 0; x < 3; ++x) picture.Canvas()->SetPixel(x, y, pixels[y][x]);
    return picture;
}

std::vector<TColor> Row(const TBitmap& b, Integer y, Integer from, Integer count)
{
    std::vector<TColor> out;
    for (Integer x = from; x < from + count; ++x) out.push_back(b.PixelColor(x, y));
    return out;
}

using Colors = std::vector<TColor>;

TEST(DrawTransparentBitmap, KeyColourBecomesTheBackground)
{
    TBitmap canvas(8, 8);
    Clear(canvas);
    DrawTransparentBitmap(*canvas.Canvas(), &Picture(), clYellow, Rect(2, 3, 4, 4));
    // Full size whatever the rectangle's size.
    EXPECT_EQ(Row(canvas, 3, 1, 5), (Colors{clWhite, clYellow, clRed, clYellow, clWhite}));
    EXPECT_EQ(Row(canvas, 4, 1, 5), (Colors{clWhite, clBlue, clYellow, clLime, clWhite}));
    EXPECT_EQ(Picture().PixelColor(0, 0), Key);  // the bitmap itself is left alone

    Clear(canvas);
    DrawTransparentBitmap(*canvas.Canvas(), &Picture(), clBtnFace, Rect(0, 0, 3, 2));
    EXPECT_EQ(canvas.PixelColor(0, 0), ColorToRGB(clBtnFace));

    Clear(canvas);  // no background colour: the key pixels are not drawn
    DrawTransparentBitmap(*canvas.Canvas(), &Picture(), clNone, Rect(0, 0, 3, 2));
    EXPECT_EQ(Row(canvas, 0, 0, 3), (Colors{clWhite, clRed, clWhite}));

    DrawTransparentBitmap(*canvas.Canvas(), nullptr, clYellow, Rect(0, 0, 3, 2));  // nothing, no failure
}

TEST(DrawTransparentBitmap, DropDownVariantCopiesOnlyTheRectangle)
{
    TBitmap canvas(8, 8);
    Clear(canvas);
    ExtDropDown::DrawTransparentBitmap(*canvas.Canvas(), &Picture(), clYellow, Rect(2, 3, 4, 4));
    EXPECT_EQ(Row(canvas, 3, 1, 4), (Colors{clWhite, clYellow, clRed, clWhite}));
    EXPECT_EQ(Row(canvas, 4, 1, 4), (Colors{clWhite, clWhite, clWhite, clWhite}));

    Clear(canvas);  // a rectangle larger than the bitmap takes the bitmap's size
    ExtDropDown::DrawTransparentBitmap(*canvas.Canvas(), &Picture(), clYellow, Rect(0, 0, 8, 8));
    EXPECT_EQ(Row(canvas, 1, 0, 4), (Colors{clBlue, clYellow, clLime, clWhite}));
}

TEST(DrawResourceBitmap, LoadsByNameOrDrawsNothing)
{
    static const std::string bytes = Picture().SaveToBytes();
    RegisterResource("GWTESTKEYED", "BITMAP", reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    TBitmap canvas(8, 8);
    Clear(canvas);
    DrawResourceBitmap(*canvas.Canvas(), clYellow, Rect(1, 1, 2, 2), u"gwTestKeyed");
    EXPECT_EQ(Row(canvas, 1, 1, 3), (Colors{clYellow, clRed, clYellow}));

    TRecordingCanvas rec;
    DrawResourceBitmap(rec, clYellow, Rect(1, 1, 2, 2), u"NOSUCHPICTURE");
    EXPECT_TRUE(rec.Calls().empty());
}

TEST(DrawSmallDownTriangle, FilledInOneColour)
{
    TRecordingCanvas c;
    DrawSmallDownTriangle(c, 10, 20, clMaroon);
    EXPECT_EQ(c.Log(), (std::vector<std::string>{"Polygon(7,20,13,20,10,23)"}));
    EXPECT_EQ(c.Calls()[0].BrushColor, clMaroon);
    EXPECT_EQ(c.Calls()[0].PenColor, clMaroon);
    EXPECT_EQ(c.Calls()[0].BrushStyle, bsSolid);
}

}  // namespace
}  // namespace gw::test
