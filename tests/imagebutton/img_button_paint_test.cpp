// The image button's painting: presets, gradient, hot-track blend and the face of each style.
#include "imagebutton/img_button_paint.h"
#include "imagebutton/img_color_presets.h"
#include "platform/graphics/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>

namespace gw {
namespace {

using Log = std::vector<std::string>;

// --- presets ---------------------------------------------------------------------------------

struct PresetCase {
    Integer Style;
    TColor Face, Light, Shadow, WhenDown, HotTrack, Font;
    bool Flat, Modern, Quicken;
};

void PrintTo(const PresetCase& c, std::ostream* os) { *os << "style " << c.Style; }

class ImgColorPresets : public ::testing::TestWithParam<PresetCase> {};

TEST_P(ImgColorPresets, FillEveryOutput)
{
    const PresetCase& e = GetParam();
    TColor face = 1, light = 2, shadow = 3, down = 4, hot = 5, font = 6;
    bool flat = true, modern = true, quicken = true;
    GetImgColorStylePreset(e.Style, face, light, shadow, down, hot, font, flat, modern, quicken);
    EXPECT_EQ(face, e.Face);
    EXPECT_EQ(light, e.Light);
    EXPECT_EQ(shadow, e.Shadow);
    EXPECT_EQ(down, e.WhenDown);
    EXPECT_EQ(hot, e.HotTrack);
    EXPECT_EQ(font, e.Font);
    EXPECT_EQ(flat, e.Flat);
    EXPECT_EQ(modern, e.Modern);
    EXPECT_EQ(quicken, e.Quicken);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ImgColorPresets,
    ::testing::Values(
        // No preset: the colours stay as they were, the rest is reset.
        PresetCase{lcsCustom, 1, 2, 3, 4, 5, clBlack, false, false, false},
        PresetCase{lcsGold, 0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, clBlack, false, true, false},
        PresetCase{lcsChrome, 0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, true, false},
        PresetCase{lcsBlue, 0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, clBlack, false, true, false},
        PresetCase{lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, clBlack, false, true, false},
        PresetCase{lcsUltraFlat1, clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, clBlack, true, false, false},
        PresetCase{lcsUltraFlat2, clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, clBlack, true, false, false},
        PresetCase{lcsUltraFlatXP, 0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, clBlack, true, false, false},
        PresetCase{lcsAqua, 0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, clBlack, false, true, false},
        PresetCase{lcsDefault, clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, false, false},
        PresetCase{lcsQuicken, 0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, false, true},
        // The value is taken modulo 128; beyond the last preset nothing is filled in.
        PresetCase{128 + lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, clBlack, false, true, false},
        PresetCase{lcsQuicken + 1, 1, 2, 3, 4, 5, clBlack, false, false, false},
        PresetCase{127, 1, 2, 3, 4, 5, clBlack, false, false, false}));

// --- gradient and blend ---------------------------------------------------------------------------

TEST(ImgGradient, ThirtyOneRowsGiveTwoRowBandsAndAnEmptyLastBand)
{
    TRecordingCanvas c;
    c.Pen()->SetStyle(psDot);
    DrawImgGradient(c, clBlack, clWhite, 5, 10, 20, 41);
    ASSERT_EQ(c.Calls().size(), 32u);
    EXPECT_EQ(c.Calls()[0].ToString(), "FillRect(5,10,20,12)");
    EXPECT_EQ(c.Calls()[0].BrushColor, clBlack);
    EXPECT_EQ(c.Calls()[1].ToString(), "FillRect(5,11,20,13)");
    EXPECT_EQ(c.Calls()[1].BrushColor, 0x080808);  // 255 / 31 = 8.2, truncated
    EXPECT_EQ(c.Calls()[30].ToString(), "FillRect(5,40,20,41)");  // clipped at the bottom
    EXPECT_EQ(c.Calls()[30].BrushColor, 0xF6F6F6);
    EXPECT_EQ(c.Calls()[31].ToString(), "FillRect(5,41,20,41)");  // the 32nd band covers nothing
    for (const TCanvasCall& call : c.Calls()) EXPECT_EQ(call.PenStyle, psClear);
    EXPECT_EQ(c.Pen()->Style(), psDot);
}

TEST(ImgGradient, ZeroRowsPaintNothing)
{
    TBitmap bmp(10, 10);
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(Rect(0, 0, 10, 10));
    DrawImgGradient(*bmp.Canvas(), clRed, clBlue, 0, 4, 10, 4);
    for (Integer y = 0; y < 10; ++y)
        for (Integer x = 0; x < 10; ++x) ASSERT_EQ(bmp.PixelColor(x, y), clWhite) << x << "," << y;
}

TEST(ImgGradient, TallSpansUseTallerBandsAndSystemColoursAsRgb)
{
    TRecordingCanvas c;
    DrawImgGradient(c, clBtnFace, clBtnFace, 0, 0, 4, 93);  // 93 / 31 + 1 = 4 rows a band
    EXPECT_EQ(c.Calls()[0].ToString(), "FillRect(0,0,4,4)");
    EXPECT_EQ(c.Calls()[1].ToString(), "FillRect(0,3,4,7)");
    EXPECT_EQ(c.Calls()[0].BrushColor, ColorToRGB(clBtnFace));
}

struct BlendCase {
    TColor Color, Hot;
    Integer Step;
    TColor Expected;
};

TEST(ImgBlendHotTrackColor, Table)
{
    const BlendCase cases[] = {
        {clBlack, clWhite, 4, 0x7F7F7F},  // 127.5 truncated
        {clBlack, clWhite, 0, clBlack},
        {clBlack, clWhite, 8, clWhite},
        {0xEDF7F8, clYellow, 8, clYellow},
        {0xEDF7F8, clYellow, 1, 0xCFF8F8},  // 0.875 x channel + 0.125 x hot, truncated
        {clBtnFace, clBtnFace, 3, ColorToRGB(clBtnFace)},
    };
    for (const BlendCase& c : cases)
        EXPECT_EQ(BlendHotTrackColor(c.Color, c.Hot, c.Step), c.Expected) << std::hex << c.Color << " step " << c.Step;
}

// --- faces ---------------------------------------------------------------------------------------

// A strip of images of Size x Size, image i filled with Colors[i] except a white bottom-left
// pixel (the transparent colour) .
std::unique_ptr<TBitmap> Strip(std::initializer_list<TColor> Colors, Integer Size = 10)
{
    auto bmp = std::make_unique<TBitmap>(Integer(Colors.size()) * Size, Size);
    Integer x = 0;
    for (TColor c : Colors) {
        bmp->Canvas()->Brush()->SetColor(c);
        bmp->Canvas()->FillRect(Bounds(x, 0, Size, Size));
        bmp->Canvas()->SetPixel(x, Size - 1, clWhite);
        x += Size;
    }
    bmp->Canvas()->SetPixel(0, Size - 1, clWhite);
    return bmp;
}

TImgButtonFace Face(TImgButtonStyle Style, Integer W = 100, Integer H = 23)
{
    TImgButtonFace f;
    f.Width = W;
    f.Height = H;
    f.Style = Style;
    f.Color = 0xEDF7F8;
    f.LightColor = clGray;
    f.ShadowColor = clNavy;
    return f;
}

std::vector<const TCanvasCall*> Named(const TRecordingCanvas& c, const std::string& Name)
{
    std::vector<const TCanvasCall*> out;
    for (const TCanvasCall& call : c.Calls())
        if (call.Name == Name) out.push_back(&call);
    return out;
}

Log Lines(const TRecordingCanvas& c)
{
    Log out;
    for (const TCanvasCall& call : c.Calls())
        if (call.Name == "MoveTo" || call.Name == "LineTo") out.push_back(call.ToString());
    return out;
}

TEST(ImgButtonFace, EncartaUpDrawsFaceFrameAndCaption)
{
    TRecordingCanvas c;
    TImgButtonFace f = Face(bsEncarta);
    f.Caption = u"OK";
    DrawImgButtonFace(c, f);
    ASSERT_FALSE(c.Calls().empty());
    EXPECT_EQ(c.Calls()[0].ToString(), "Rectangle(-1,-1,101,24)");
    EXPECT_EQ(c.Calls()[0].BrushColor, 0xEDF7F8);
    EXPECT_EQ(Lines(c), (Log{"MoveTo(0,22)", "LineTo(0,0)", "LineTo(99,0)", "LineTo(99,22)", "LineTo(0,22)"}));
    EXPECT_EQ(c.Calls()[2].PenColor, clGray);  // light top-left
    EXPECT_EQ(c.Calls()[4].PenColor, clNavy);  // shadow bottom-right
    auto texts = Named(c, "DrawText");
    ASSERT_EQ(texts.size(), 2u);  // measure, then draw
    EXPECT_EQ(texts[1]->Text, u"OK");
    EXPECT_EQ(texts[1]->BrushStyle, bsClear);
    EXPECT_EQ(texts[1]->FontStyle, 0);
}

TEST(ImgButtonFace, PressedFramesSwapAndEncartaTurnsBoldWithoutOffset)
{
    TRecordingCanvas normal, encarta;
    TImgButtonFace f = Face(bsNormal);
    f.Caption = u"Go";
    f.Down = true;
    f.ColorWhenDown = 0x0080FF;
    DrawImgButtonFace(normal, f);
    f.Style = bsEncarta;
    DrawImgButtonFace(encarta, f);

    EXPECT_EQ(normal.Calls()[0].BrushColor, 0x0080FF);
    EXPECT_EQ(normal.Calls()[2].PenColor, clNavy);
    EXPECT_EQ(normal.Calls()[4].PenColor, clGray);
    auto nt = Named(normal, "DrawText"), et = Named(encarta, "DrawText");
    EXPECT_EQ(nt[1]->FontStyle, 0);
    EXPECT_EQ(et[1]->FontStyle, fsBold);
    // bsNormal moves the caption one pixel right and down, bsEncarta does not.
    EXPECT_EQ(nt[1]->Args[0], et[1]->Args[0] + 1);
    EXPECT_EQ(nt[1]->Args[1], et[1]->Args[1] + 1);
}

struct FrameCase {
    bool Enabled, Flat, Hot, Down, Framed;
};

TEST(ImgButtonFace, FlatFramesOnlyWhileHotOrPressed)
{
    const FrameCase cases[] = {
        {true, false, false, false, true}, {true, true, false, false, false},  {true, true, true, false, true},
        {true, true, false, true, true},   {false, false, false, false, true}, {false, true, true, true, false},
    };
    for (TImgButtonStyle style : {bsNormal, bsEncarta, bsOld})
        for (const FrameCase& k : cases) {
            TRecordingCanvas c;
            TImgButtonFace f = Face(style);
            f.Enabled = k.Enabled;
            f.Flat = k.Flat;
            f.Hot = k.Hot;
            f.Down = k.Down;
            DrawImgButtonFace(c, f);
            EXPECT_EQ(!Lines(c).empty(), k.Framed)
                << "style " << style << " enabled " << k.Enabled << " flat " << k.Flat << " hot " << k.Hot;
        }
}

TEST(ImgButtonFace, OldStyleLinesUpAndDown)
{
    TRecordingCanvas up, down;
    TImgButtonFace f = Face(bsOld, 50, 20);
    DrawImgButtonFace(up, f);
    f.Down = true;
    DrawImgButtonFace(down, f);
    EXPECT_EQ(Lines(up),
              (Log{"MoveTo(48,0)", "LineTo(48,18)", "LineTo(0,18)", "MoveTo(0,19)", "LineTo(0,0)", "LineTo(49,0)",
                   "LineTo(49,19)", "LineTo(-1,19)"}));
    EXPECT_EQ(Lines(down),
              (Log{"MoveTo(1,17)", "LineTo(1,1)", "LineTo(48,1)", "MoveTo(0,19)", "LineTo(0,0)", "LineTo(49,0)",
                   "LineTo(49,19)", "LineTo(-1,19)"}));
    auto pens = [](const TRecordingCanvas& c) {
        std::vector<TColor> v;
        for (const TCanvasCall& call : c.Calls())
            if (call.Name == "LineTo") v.push_back(call.PenColor);
        return v;
    };
    EXPECT_EQ(pens(up), (std::vector<TColor>{clNavy, clNavy, clGray, clGray, cl3DDkShadow, cl3DDkShadow}));
    EXPECT_EQ(pens(down), (std::vector<TColor>{clNavy, clNavy, cl3DDkShadow, cl3DDkShadow, clGray, clGray}));
}

TEST(ImgButtonFace, ModernFillsTwoGradientsAndARoundedFrame)
{
    TRecordingCanvas c;
    TImgButtonFace f = Face(bsModern, 60, 24);
    f.Down = true;  // p = 1
    DrawImgButtonFace(c, f);
    auto fills = Named(c, "FillRect");
    ASSERT_EQ(fills.size(), 64u);
    EXPECT_EQ(fills[0]->ToString(), "FillRect(2,2,58,3)");  // 2 .. 24 div 4 + 1
    EXPECT_EQ(fills[0]->BrushColor, clGray);  // from the light colour
    EXPECT_EQ(fills[32]->ToString(), "FillRect(2,7,58,8)");  // 7 .. 23, bands of 1
    EXPECT_EQ(fills[32]->BrushColor, 0xEDF7F8);
    auto rect = Named(c, "Rectangle"), round = Named(c, "RoundRect");
    ASSERT_EQ(rect.size(), 1u);
    EXPECT_EQ(rect[0]->ToString(), "Rectangle(1,1,59,23)");
    EXPECT_EQ(rect[0]->PenColor, clNavy);  // shadow colour while pressed
    EXPECT_EQ(rect[0]->BrushStyle, bsClear);
    ASSERT_EQ(round.size(), 1u);
    EXPECT_EQ(round[0]->ToString(), "RoundRect(0,0,60,24,6,6)");
}

TEST(ImgButtonFace, QuickenDrawsARoundedFaceAndTwoLines)
{
    TRecordingCanvas c;
    TImgButtonFace f = Face(bsQuicken, 60, 24);
    DrawImgButtonFace(c, f);
    auto round = Named(c, "RoundRect");
    ASSERT_EQ(round.size(), 1u);
    EXPECT_EQ(round[0]->ToString(), "RoundRect(0,1,60,24,4,4)");
    EXPECT_EQ(round[0]->PenStyle, psClear);
    EXPECT_EQ(round[0]->BrushStyle, bsSolid);
    EXPECT_EQ(round[0]->BrushColor, 0xEDF7F8);
    EXPECT_TRUE(Named(c, "Rectangle").empty());
    EXPECT_EQ(Lines(c), (Log{"MoveTo(4,0)", "LineTo(55,0)", "MoveTo(4,23)", "LineTo(55,23)"}));
}

TEST(ImgButtonFace, ShapeIsAllKeyColourWithoutFrameAndKeepsItsFontColourWhenDisabled)
{
    TRecordingCanvas c;
    TImgButtonFace f = Face(bsShape, 60, 24);
    TFont font;
    font.SetColor(clRed);
    f.Font = &font;
    f.Enabled = false;
    f.Caption = u"S";
    DrawImgButtonFace(c, f);
    EXPECT_EQ(c.Calls()[0].ToString(), "Rectangle(-1,-1,61,25)");
    EXPECT_EQ(c.Calls()[0].BrushColor, clFuchsia);
    EXPECT_TRUE(Lines(c).empty());
    EXPECT_TRUE(Named(c, "RoundRect").empty());
    auto texts = Named(c, "DrawText");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1]->FontColor, clRed);
    EXPECT_EQ(texts[1]->Args[2], 60);  // to the right edge
    EXPECT_EQ(texts[1]->Args[3], 24);
}

TEST(ImgButtonFace, DisabledEncartaDrawsUnpressedWithSecondImageAndGreyCaption)
{
    auto glyph = Strip({clRed, clLime});
    TBitmap target(100, 23);
    TRecordingCanvas c(target.Surface());
    TImgButtonFace f = Face(bsEncarta);
    f.ColorWhenDown = 0x0080FF;
    f.Enabled = false;
    f.Down = true;
    f.Glyph = glyph.get();
    f.NumGlyphs = 2;
    f.Caption = u"Off";
    DrawImgButtonFace(c, f);
    EXPECT_EQ(c.Calls()[0].BrushColor, 0xEDF7F8);  // not the pressed colour
    EXPECT_EQ(c.Calls()[2].PenColor, clGray);  // light top-left: unpressed
    auto texts = Named(c, "DrawText");
    EXPECT_EQ(texts[1]->FontColor, clGray);
    EXPECT_EQ(texts[1]->FontStyle, 0);
    auto draws = Named(c, "Draw");
    ASSERT_EQ(draws.size(), 1u);
    const Integer x = draws[0]->Args[0], y = draws[0]->Args[1];
    EXPECT_EQ(target.PixelColor(x + 5, y + 5), clLime);
    EXPECT_EQ(target.PixelColor(x, y + 9), 0xEDF7F8);  // the bottom-left colour is transparent
}

// Every button of the configurator has a one-image glyph: disabled, it shows that image.
TEST(ImgButtonFace, ADisabledOneImageGlyphShowsItsImage)
{
    for (const TImgButtonStyle style : {bsNormal, bsShape}) {
        auto glyph = Strip({clRed});
        TBitmap target(100, 23);
        TRecordingCanvas c(target.Surface());
        TImgButtonFace f = Face(style);
        f.Enabled = false;
        f.Glyph = glyph.get();
        f.NumGlyphs = 1;
        DrawImgButtonFace(c, f);
        auto draws = Named(c, "Draw");
        ASSERT_EQ(draws.size(), 1u);
        const Integer x = draws[0]->Args[0], y = draws[0]->Args[1];
        EXPECT_EQ(target.PixelColor(x + 5, y + 5), clRed) << "style " << style;
        EXPECT_NE(target.PixelColor(x, y + 9), clWhite) << "the bottom-left colour stays transparent";
    }
}

struct GlyphCase {
    Integer NumGlyphs;
    bool Hot, Down;
    TColor Shown;
};

TEST(ImgButtonFace, GlyphImageByState)
{
    const GlyphCase cases[] = {
        {1, false, false, clRed}, {2, true, false, clRed},    {2, false, true, clRed},  {3, false, true, clBlue},
        {3, true, false, clRed},  {4, true, false, clYellow}, {4, false, true, clBlue}, {4, true, true, clBlue},
    };
    auto glyph4 = Strip({clRed, clLime, clBlue, clYellow});
    for (const GlyphCase& k : cases) {
        auto glyph = k.NumGlyphs == 4 ? std::move(glyph4) : nullptr;
        TBitmap strip;
        strip.Assign(k.NumGlyphs == 4 ? glyph.get() : Strip({clRed, clLime, clBlue, clYellow}).get());
        strip.SetWidth(10 * k.NumGlyphs);
        TBitmap target(100, 23);
        TRecordingCanvas c(target.Surface());
        TImgButtonFace f = Face(bsEncarta);
        f.Glyph = &strip;
        f.NumGlyphs = k.NumGlyphs;
        f.Hot = k.Hot;
        f.Down = k.Down;
        DrawImgButtonFace(c, f);
        auto draws = Named(c, "Draw");
        ASSERT_EQ(draws.size(), 1u);
        EXPECT_EQ(target.PixelColor(draws[0]->Args[0] + 5, draws[0]->Args[1] + 5), k.Shown)
            << k.NumGlyphs << " hot " << k.Hot << " down " << k.Down;
        glyph4 = Strip({clRed, clLime, clBlue, clYellow});
    }
}

TEST(ImgButtonFace, LongCaptionIsCutUnlessItMayWrap)
{
    const String caption = u"A caption far too long for this button";
    TRecordingCanvas cut, wrap;
    TImgButtonFace f = Face(bsEncarta, 80, 40);
    f.Caption = caption;
    DrawImgButtonFace(cut, f);
    f.WordWrap = true;
    DrawImgButtonFace(wrap, f);

    auto ct = Named(cut, "DrawText");
    ASSERT_EQ(ct.size(), 2u);
    const String shown = ct[1]->Text;
    ASSERT_LT(shown.size(), caption.size());
    EXPECT_EQ(caption.substr(0, shown.size()), shown);
    EXPECT_LE(cut.TextWidth(shown), 72);
    EXPECT_GT(cut.TextWidth(caption.substr(0, shown.size() + 1)), 72);

    auto wt = Named(wrap, "DrawText");
    ASSERT_EQ(wt.size(), 2u);
    EXPECT_EQ(wt[1]->Text, caption);
    EXPECT_GT(wt[1]->Args[3] - wt[1]->Args[1], wrap.TextHeight(u"A"));  // more than one line
}

// Layouts: the caption's rectangle and the glyph's position, from the caption's measured size.
struct LayoutCase {
    TImgButtonLayout Layout;
    TAlignment Alignment;
    bool Down;
};

TEST(ImgButtonFace, GlyphAndCaptionPlacement)
{
    const Integer W = 120, H = 60, gw = 10, gh = 10;
    const LayoutCase cases[] = {
        {blGlyphLeft, taCenter, false},  {blGlyphLeft, taLeftJustify, false}, {blGlyphLeft, taRightJustify, true},
        {blGlyphRight, taCenter, false}, {blGlyphRight, taLeftJustify, true}, {blGlyphRight, taRightJustify, false},
        {blGlyphTop, taCenter, false},   {blGlyphTop, taLeftJustify, true},   {blGlyphBottom, taRightJustify, false},
        {blGlyphBottom, taCenter, true},
    };
    auto glyph = Strip({clRed});
    for (const LayoutCase& k : cases) {
        TRecordingCanvas c;
        TImgButtonFace f = Face(bsNormal, W, H);
        f.Glyph = glyph.get();
        f.NumGlyphs = 1;
        f.Caption = u"Caption";
        f.Layout = k.Layout;
        f.Alignment = k.Alignment;
        f.Down = k.Down;
        DrawImgButtonFace(c, f);
        const Integer p = k.Down ? 1 : 0;
        const bool vertical = k.Layout == blGlyphTop || k.Layout == blGlyphBottom;
        const Integer v = vertical ? W - 8 : W - 8 - gw - 4;
        TRect m = Rect(0, 0, v, 0);
        c.DrawText(f.Caption, m, ImgCaptionFormat(k.Alignment) | DT_CALCRECT);
        const Integer tw = m.Width(), th = m.Height(), t4 = tw + 4;

        Integer tl = p + 4, tt, gl, gt;
        if (vertical) {
            const Integer top = (H - th - gh - 4) / 2;
            gt = k.Layout == blGlyphTop ? top + p : top + th + p;
            tt = k.Layout == blGlyphTop ? top + gh + p : top + p;
            gl = k.Alignment == taLeftJustify   ? p + 4
                : k.Alignment == taRightJustify ? W - gw - 4 + p
                                                : (W - gw) / 2 + p;
        } else {
            tt = (H - th) / 2 + p;
            gt = (H - gh) / 2 + p;
            if (k.Layout == blGlyphLeft) {
                tl += gw + 4;
                gl = k.Alignment == taLeftJustify   ? p + 4
                    : k.Alignment == taRightJustify ? W - 4 - gw - t4 + p
                                                    : (W - gw) / 2 + p - t4 / 2;
            } else {
                gl = k.Alignment == taLeftJustify   ? tl + t4
                    : k.Alignment == taRightJustify ? W - 4 - gw + p
                                                    : (W - gw) / 2 + p + t4 / 2;
            }
        }
        auto texts = Named(c, "DrawText");
        auto draws = Named(c, "Draw");
        ASSERT_EQ(texts.size(), 3u);  // measure, draw, and ours
        ASSERT_EQ(draws.size(), 1u);
        EXPECT_EQ(texts[1]->Args,
                  (std::vector<Integer>{tl, tt, tl + v, tt + th, Integer(ImgCaptionFormat(k.Alignment))}))
            << "layout " << k.Layout << " alignment " << k.Alignment;
        EXPECT_EQ(draws[0]->Args, (std::vector<Integer>{gl, gt}))
            << "layout " << k.Layout << " alignment " << k.Alignment;
    }
}

TEST(ImgButtonFace, WordWrapKeepsTheGlyphBesideTheText)
{
    auto glyph = Strip({clRed});
    TRecordingCanvas c;
    TImgButtonFace f = Face(bsNormal, 120, 40);
    f.Glyph = glyph.get();
    f.NumGlyphs = 1;
    f.Caption = u"Text";
    f.WordWrap = true;
    f.Alignment = taRightJustify;
    f.Layout = blGlyphLeft;
    DrawImgButtonFace(c, f);
    EXPECT_EQ(Named(c, "Draw")[0]->Args[0], 4);
}

TEST(ImgButtonFace, PopupArrowSitsRightOfCentre)
{
    TBitmap target(100, 23);
    TRecordingCanvas c(target.Surface());
    TImgButtonFace f = Face(bsEncarta);
    f.HasPopupMenu = true;
    DrawImgButtonFace(c, f);
    auto draws = Named(c, "Draw");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0]->ToString(), "Draw(89,10) \"TBitmap\"");
    EXPECT_EQ(target.PixelColor(89, 10), clBlack);
    EXPECT_EQ(target.PixelColor(93, 10), clBlack);
    EXPECT_EQ(target.PixelColor(91, 12), clBlack);
    EXPECT_EQ(target.PixelColor(89, 12), 0xEDF7F8);  // the corners stay the face
}

TEST(ImgButtonFace, HotTrackStepBlendsTheFaceOnlyWhenEnabled)
{
    TRecordingCanvas on, off;
    TImgButtonFace f = Face(bsNormal);
    f.Color = clBlack;
    f.HotTrackColor = clWhite;
    f.HotTrackStep = 4;
    DrawImgButtonFace(on, f);
    f.Enabled = false;
    DrawImgButtonFace(off, f);
    EXPECT_EQ(on.Calls()[0].BrushColor, 0x7F7F7F);
    EXPECT_EQ(off.Calls()[0].BrushColor, clBlack);
}

}  // namespace
}  // namespace gw
