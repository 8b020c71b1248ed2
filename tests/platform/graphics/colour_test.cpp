// Colour values, names and the system palette; fonts, pens and brushes.
#include "platform/graphics/brush.h"
#include "platform/graphics/colour.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

TEST(Colour, SystemColoursResolveToTheClassicPalette)
{
    struct Case {
        TColor colour;
        TColor rgb;
    };
    const Case cases[] = {
        {clBtnFace, RGB(212, 208, 200)},
        {clBtnShadow, RGB(128, 128, 128)},
        {clBtnHighlight, clWhite},
        {cl3DDkShadow, RGB(64, 64, 64)},
        {cl3DLight, RGB(212, 208, 200)},
        {clWindow, clWhite},
        {clWindowText, clBlack},
        {clHighlight, RGB(10, 36, 106)},
        {clHighlightText, clWhite},
        {clGrayText, RGB(128, 128, 128)},
        {clInfoBk, RGB(255, 255, 225)},
        {clInfoText, clBlack},
        {clActiveCaption, RGB(10, 36, 106)},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorToRGB(c.colour), c.rgb) << std::hex << c.colour;
    // Plain colours, clNone and clDefault pass unchanged.
    EXPECT_EQ(ColorToRGB(clSkyBlue), clSkyBlue);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    EXPECT_EQ(clNone, 0x1FFFFFFF);
    EXPECT_EQ(static_cast<uint32_t>(clBtnFace), 0xFF00000Fu);
}

TEST(Colour, NamesRoundTripAndUnknownValuesUseHex)
{
    const std::pair<TColor, const char*> cases[] = {
        {clRed, "clRed"},     {clSkyBlue, "clSkyBlue"}, {clMoneyGreen, "clMoneyGreen"},
        {clCream, "clCream"}, {clMedGray, "clMedGray"}, {clBtnFace, "clBtnFace"},
        {clNone, "clNone"},   {clDefault, "clDefault"}, {cl3DDkShadow, "cl3DDkShadow"},
    };
    for (const auto& [colour, name] : cases) {
        EXPECT_EQ(ColorToString(colour), S(name));
        EXPECT_EQ(StringToColor(S(name)), colour);
    }
    EXPECT_EQ(ColorToString(0x00123456), u"$00123456");
    EXPECT_EQ(ColorToString(clGray), u"clGray");  // clDkGray shares the value; the first name wins
    EXPECT_EQ(StringToColor(u"CLRED"), clRed);
    EXPECT_EQ(StringToColor(u"$00ABCDEF"), 0xABCDEF);
    EXPECT_EQ(StringToColor(u"255"), 255);
    EXPECT_EQ(StringToColor(u"-16777201"), clBtnFace);
    String ident;
    EXPECT_FALSE(ColorToIdent(0x123456, ident));
    EXPECT_THROW(StringToColor(u"clRedish"), EConvertError);
    EXPECT_THROW(StringToColor(u"$FFFFFFFFF"), EConvertError);
    EXPECT_THROW(StringToColor(u""), EConvertError);
}

TEST(Font, SizeAndHeightAreTwoViewsAt96Dpi)
{
    TFont font;
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    EXPECT_EQ(font.Size(), 10);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
}

TEST(Font, ChangesAreReportedAndAssignCopiesEverythingAsOneChange)
{
    TFont a, b;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.SetColor(clRed);
    b.SetColor(clRed);  // no change, no event
    EXPECT_EQ(changes, 1);
    a.SetName(u"Arial");
    a.SetStyle(fsBold | fsItalic);
    a.SetHeight(-20);
    a.SetOrientation(900);
    changes = 0;
    b.Assign(&a);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.Name(), u"Arial");
    EXPECT_EQ(b.Style(), fsBold | fsItalic);
    EXPECT_EQ(b.Height(), -20);
    EXPECT_EQ(b.Color(), a.Color());
    EXPECT_EQ(b.Orientation(), 900);
    TPen pen;
    EXPECT_THROW(b.Assign(&pen), EConvertError);
}

TEST(Font, FacesResolveToInstalledFamiliesDeterministically)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Verdana", "DejaVu Sans"},
        {"Tahoma", "DejaVu Sans"},
        {"MS Sans Serif", "DejaVu Sans"},
        {"Segoe UI", "DejaVu Sans"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        {"No Such Face 123", "DejaVu Sans"},
        {"dejavu sans mono", "DejaVu Sans Mono"},
    };
    for (const auto& [name, family] : cases) EXPECT_EQ(ResolveFontFamily(S(name)), S(family)) << name;
    EXPECT_EQ(ResolveFontFamily(u"No Such Face 123", fpFixed), u"Liberation Mono");
}

TEST(PenBrush, DefaultsChangesAndModes)
{
    TPen pen;
    EXPECT_EQ(pen.Color(), clBlack);
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Mode(), pmCopy);
    pen.SetWidth(0);
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_EQ(ApplyPenMode(pmXor, 0xFFFFFF, 0x123456), 0xEDCBA9u);
    EXPECT_EQ(ApplyPenMode(pmNot, 0, 0x00FF00), 0xFF00FFu);
    EXPECT_EQ(ApplyPenMode(pmNotXor, 0x0000FF, 0x0000FF), 0xFFFFFFu);
    EXPECT_EQ(ApplyPenMode(pmMask, 0x0F0F0F, 0xFFFF00), 0x0F0F00u);

    TBrush brush;
    int changes = 0;
    brush.OnChange = [&](TObject*) { ++changes; };
    brush.SetStyle(bsClear);
    brush.SetColor(clRed);  // a colour makes a clear brush solid again
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_EQ(changes, 2);
    TBrush copy;
    copy.Assign(&brush);
    EXPECT_EQ(copy.Color(), clRed);
}

}  // namespace
}  // namespace gw
