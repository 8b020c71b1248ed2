// Paints every drawing of the grid's painting utilities, progress cells and shapes into one
// picture (grid_painting.png in the test's working folder) for a person to look at.
#include "grid/foundation/bitmap_drawing.h"
#include "grid/foundation/cell_button_faces.h"
#include "grid/foundation/cell_shapes.h"
#include "grid/foundation/colour_arithmetic.h"
#include "grid/foundation/error_underline.h"
#include "grid/foundation/gradients.h"
#include "grid/foundation/progress_drawing.h"
#include "grid/foundation/text_placement.h"

#include "painting_fixture.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/runtime/resources.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gw::test {
namespace {

class Picture {
public:
    Picture() { Clear(bitmap, TColor(0xF8F7ED)); }
    TCanvas& C() { return *bitmap.Canvas(); }

    void Label(Integer X, Integer Y, StringView Text)
    {
        C().Font()->SetColor(clBlack);
        C().Font()->SetHeight(-11);
        C().Font()->SetOrientation(0);
        C().Brush()->SetStyle(bsClear);
        C().TextOut(X, Y, Text);
    }

    TBitmap bitmap{980, 690};
};

TColorTones Tones()
{
    TColorTones t;
    t.Background = {TColor(0xF5E6D8), TColor(0xA0785A), TColor(0x402010)};
    t.Hover = {TColor(0xC8F0FF), TColor(0x3CA0E6), TColor(0x402010)};
    t.Selected = {TColor(0x78C8FF), TColor(0x1E78C8), TColor(0x402010)};
    t.Disabled = {TColor(0xE6E6E6), TColor(0xB4B4B4), TColor(0x909090)};
    return t;
}

void Gradients(Picture& p)
{
    p.Label(10, 4, u"Gradients: rect (16 steps), bands (8), box, mirror, rounded pieces");
    DrawGradientRect(p.C(), clNavy, clSkyBlue, 16, Rect(10, 20, 110, 60), false);
    DrawGradientRect(p.C(), clMaroon, clYellow, 16, Rect(120, 20, 220, 60), true);
    PaintGradientBands(p.C(), clGreen, clWhite, 8, Rect(230, 20, 330, 60), true);
    DrawGradientBox(p.C(), Rect(340, 20, 440, 60), TColor(0xC0C0C0), clWhite, clBlack, 1, true);
    DrawMirrorGradientRect(p.C(), Rect(450, 20, 550, 60), TColor(0xFDEADA), TColor(0xF8D8B8), TColor(0xF0C898),
                           TColor(0xFDEADA), true, TColor(0x9C7050), false, true);
    DrawMirrorGradientRect(p.C(), Rect(560, 20, 660, 60), TColor(0xE8F4FF), TColor(0x9CD0FF), clNone, clNone, false,
                           clNavy, true, true);
    const TColor fill = TColor(0xFFF4E3), to = TColor(0xFFE0B8), low = TColor(0xFFD49C), lowTo = TColor(0xFFF0D8);
    DrawRoundedGradientBox(p.C(), fill, to, low, lowTo, clWhite, TColor(0xE8C8A0), TColor(0x9C7050), TColor(0xC8A888),
                           TColor(0xF8F7ED), Rect(670, 20, 740, 42), rbSingle);
    const TRoundedBoxKind row[] = {rbLeftEnd, rbMiddle, rbMiddle, rbRightEnd};
    for (Integer i = 0; i < 4; ++i)
        DrawRoundedGradientBox(p.C(), fill, to, clNone, clNone, clWhite, TColor(0xE8C8A0), TColor(0x9C7050),
                               TColor(0xC8A888), TColor(0xF8F7ED), Rect(750 + 50 * i, 20, 800 + 50 * i, 42), row[i]);

    p.Label(10, 66, u"Blends: BlendColors 0..10, ByPercent, ShiftColorBrightness, ChangeColorByPercent, HalveColor");
    for (Integer i = 0; i <= 10; ++i) {
        FillRectColor(p.C(), Bounds(10 + 20 * i, 82, 18, 18), BlendColors(clRed, clBlue, 0, 10, i));
        FillRectColor(p.C(), Bounds(240 + 20 * i, 82, 18, 18), BlendColorsByPercent(clLime, clNavy, i * 10));
        FillRectColor(p.C(), Bounds(470 + 20 * i, 82, 18, 18), ChangeColorByPercent(TColor(0x3080C0), (i - 5) * 10));
    }
    FillRectColor(p.C(), Bounds(700, 82, 18, 18), ShiftColorBrightness(clRed, -10, 20, 20));
    FillRectColor(p.C(), Bounds(720, 82, 18, 18), HalveColor(clWhite));
}

void Buttons(Picture& p)
{
    p.Label(10, 108, u"Cell buttons: classic / flat / custom, states normal, hot, pressed, disabled");
    const TCellButtonLook looks[] = {TCellButtonLook::Classic, TCellButtonLook::Flat, TCellButtonLook::Custom};
    const TCellButtonState states[] = {TCellButtonState::Normal, TCellButtonState::Hot, TCellButtonState::Pressed,
                                       TCellButtonState::Disabled};
    for (Integer l = 0; l < 3; ++l)
        for (Integer s = 0; s < 4; ++s) {
            const Integer x = 10 + 240 * s, y = 124 + 26 * l;
            DrawCellButtonFace(p.C(), 0, Bounds(x, y, 60, 22), looks[l], states[s], Tones());
            FillRectColor(p.C(), Bounds(x + 66, y, 80, 22), clWindow);
            DrawComboDropButton(p.C(), 0, Bounds(x + 66, y, 80, 22), looks[l], states[s], Tones());
            FillRectColor(p.C(), Bounds(x + 152, y, 70, 22), clWindow);
            DrawSpinButtons(p.C(), 0, Bounds(x + 152, y, 70, 22), looks[l], states[s], Tones());
        }
}

void BitmapsAndText(Picture& p, TWinControl& Owner)
{
    p.Label(10, 206,
            u"Transparent bitmap over yellow, drop-down variant cut to 10 x 10, from a resource, triangle, text "
            u"placement, mark-up in a rectangle");
    TBitmap glyph(16, 16);
    Clear(glyph, clFuchsia);
    DrawCellShape(*glyph.Canvas(), 1, 1, 14, 14, csDiamond, clTeal, clNavy);
    DrawTransparentBitmap(p.C(), &glyph, clYellow, Bounds(10, 222, 16, 16));
    ExtDropDown::DrawTransparentBitmap(p.C(), &glyph, clYellow, Bounds(30, 222, 10, 10));
    static const std::string bytes = glyph.SaveToBytes();
    RegisterResource("GWPICTUREGLYPH", "BITMAP", reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    DrawResourceBitmap(p.C(), clAqua, Bounds(44, 222, 16, 16), u"GWPICTUREGLYPH");
    DrawSmallDownTriangle(p.C(), 70, 228, clBlack);

    TImageList images;
    images.AddMasked(&glyph, clFuchsia);
    p.C().Font()->SetColor(clBlack);
    p.C().Brush()->SetStyle(bsClear);
    DrawGradientBox(p.C(), Bounds(80, 218, 200, 24), TColor(0xC0C0C0), clWhite, clBlack, 1, true);
    DrawImageAndText(p.C(), Bounds(80, 218, 200, 24), u"Image and a caption that is too long to fit", 0, &images);
    DrawGradientBox(p.C(), Bounds(290, 218, 140, 24), TColor(0xC0C0C0), clWhite, clBlack, 1, true);
    DrawImageAndText(p.C(), Bounds(290, 218, 140, 24), u"Centred", -1, &images);
    p.Label(440, 222, FitTextWithEllipsis(p.C(), u"FitTextWithEllipsis cuts this", 120, true));

    const TRect edit = Bounds(600, 218, 200, 22);
    FillRectColor(p.C(), edit, clWindow);
    p.C().Font()->SetColor(clBlack);
    p.C().Brush()->SetStyle(bsClear);
    p.C().TextOut(edit.Left + 3, edit.Top + 3, u"Gatway addres");  // where the edit places its text
    DrawErrorUnderline(Owner, p.C(), u"Gatway addres", edit, p.C().TextHeight(u"G") - 2, 0, 6);

    const TRect markup = Bounds(810, 218, 160, 24);
    FillRectColor(p.C(), markup, clWindow);
    p.C().Font()->SetColor(clBlack);
    p.C().Font()->SetHeight(-11);
    TSize size;
    DrawMarkupTextInRect(p.C(), u"<b>Bold</b>, <i>italic</i> and <a href=\"x\">a link</a>", markup, nullptr, true, 0,
                         size);
}

void Progress(Picture& p)
{
    p.Label(10, 250, u"DrawCellProgressBar at 0, 1, 50, 99, 100, 150, -5 and a format; pies; range indicators");
    const double values[] = {0, 1, 50, 99, 100, 150, -5};
    for (Integer i = 0; i < 7; ++i) {
        p.C().Brush()->SetColor(clWindow);
        DrawCellProgressBar(p.C(), Bounds(10 + 110 * i, 266, 104, 22), TColor(0x0000C0), clWhite, TColor(0xE0E0E0),
                            clBlack, values[i], 2, 2, 0, 100, u"", clGray, false);
    }
    DrawCellProgressBar(p.C(), Bounds(780, 266, 150, 22), TColor(0x008000), clWhite, clWhite, clBlack, 7, 2, 2, 0, 20,
                        u"%d of 20", clGray, false);
    const Integer pies[] = {-5, 0, 1, 25, 50, 75, 99, 100, 150};
    for (Integer i = 0; i < 9; ++i) {
        p.C().Brush()->SetColor(clWhite);
        DrawCellProgressPie(p.C(), Bounds(10 + 30 * i, 296, 20, 20), clLime, pies[i], false);
    }
    const Integer ranges[] = {-15, -5, 0, 3, 10};
    for (Integer i = 0; i < 5; ++i) {
        FillRectColor(p.C(), Bounds(290 + 110 * i, 296, 104, 20), clWindow);
        p.C().Font()->SetColor(clBlack);
        DrawRangeIndicator(p.C(), Bounds(290 + 110 * i, 296, 104, 20), ranges[i], 10, true, clRed, clGreen);
    }
}

void XPBars(Picture& p)
{
    p.Label(10, 324,
            u"DrawXPProgressBar: smooth, stacked, blocks, plain, without text; at -5, 0, 1, 20, 50, 99, 100, 150");
    TFont font;
    font.SetName(u"Tahoma");
    font.SetSize(8);
    const Integer percents[] = {-5, 0, 1, 20, 50, 99, 100, 150};
    for (Integer style = 0; style < 5; ++style)
        for (Integer i = 0; i < 8; ++i) {
            TProgressLook look;
            look.Font = &font;
            look.ShowBorder = true;
            look.BorderColor = clGray;
            look.Stacked = style == 1;
            look.CompletionSmooth = style != 2;
            look.ShowGradient = style != 3;
            look.ShowPercentage = style != 4;
            DrawXPProgressBar(p.C(), Bounds(10 + 110 * i, 340 + 24 * style, 104, 20), percents[i], look);
        }
}

void VerticalXPBars(Picture& p)
{
    p.Label(10, 544, u"Vertical DrawXPProgressBar, smooth and in blocks, at -5, 0, 1, 20, 50, 99, 100, 150");
    TFont font;
    font.SetName(u"Tahoma");
    font.SetSize(8);
    TProgressLook vertical;
    vertical.Font = &font;
    vertical.ShowBorder = true;
    vertical.Vertical = true;
    const Integer percents[] = {-5, 0, 1, 20, 50, 99, 100, 150};
    for (Integer smooth = 0; smooth < 2; ++smooth)
        for (Integer i = 0; i < 8; ++i) {
            vertical.CompletionSmooth = smooth == 0;
            DrawXPProgressBar(p.C(), Bounds(10 + 30 * i + 250 * smooth, 560, 24, 116), percents[i], vertical);
        }
}

void Shapes(Picture& p)
{
    p.Label(10, 464, u"DrawCellShape: the nineteen shapes, then a rating of 2.5 in stars");
    for (Integer s = 0; s <= csHalfStar; ++s)
        DrawCellShape(p.C(), 10 + 40 * s, 482, 32, 24, TCellShape(s), TColor(0x40C0FF), TColor(0x2060A0));
    for (Integer i = 0; i < 5; ++i) {
        DrawCellShape(p.C(), 10 + 18 * i, 516, 16, 16, csStar, i < 2 ? clYellow : clSilver, clGray);
        if (i == 2) DrawCellShape(p.C(), 10 + 18 * i, 516, 16, 16, csHalfStar, clYellow, clGray);
    }
}

TEST(PaintingPicture, EveryDrawingForAPersonToLookAt)
{
    THeadlessBackend backend;
    InitializeUI();
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetBounds(0, 0, 980, 760);
    form->Show();
    Application->ProcessMessages();

    Picture p;
    Gradients(p);
    Buttons(p);
    BitmapsAndText(p, *form);
    Progress(p);
    XPBars(p);
    VerticalXPBars(p);
    Shapes(p);
    FinalizeUI();

    const std::filesystem::path file = picturePath("grid_painting.png");
    SaveSurfaceToPng(p.bitmap.Surface(), Utf8ToString(file.string()));
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_GT(std::filesystem::file_size(file), 10000u);
}

}  // namespace
}  // namespace gw::test
