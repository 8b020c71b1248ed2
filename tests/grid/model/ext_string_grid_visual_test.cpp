// The looks of a cell before it is painted: the order in which cell properties, bands, fixed
// colours, look gradients, hooks and the selection decide them; the formatted text; the text
// alignment; the look and style setters.
#include "grid/foundation/bands.h"
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/colour_presets.h"
#include "grid/model/control_look.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/paint_grid.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gw::test {
namespace {

constexpr TColor FixedTone = TColor(0x00C0C0);
constexpr TColor Band1 = TColor(0x0000AA);
constexpr TColor Band2 = TColor(0x00AA00);
constexpr TColor Own = TColor(0x123456);

// What the visual properties gave one cell.
struct Looks {
    TGridDrawState State = 0;
    TBrush Brush;
    TFont Font;
    TCellLook Look;
};

class ExtStringGridVisual : public ::testing::Test {
protected:
    static std::unique_ptr<TPaintGrid> NewGrid()
    {
        auto g = std::make_unique<TPaintGrid>(nullptr);
        g->SetColor(clWhite);
        g->SetFixedColor(FixedTone);
        g->Select(1, 1, 1, 1);
        return g;
    }
    // The visual properties of a cell as the base painter asks for them.
    static std::unique_ptr<Looks> Ask(TPaintGrid& G, Integer ACol, Integer ARow, TGridDrawState In = 0)
    {
        auto l = std::make_unique<Looks>();
        l->State = In;
        G.GetVisualProperties(ACol, ARow, l->State, false, true, true, l->Brush, l->Font, l->Look);
        return l;
    }
    static void UseBands(TPaintGrid& G)
    {
        G.Bands()->SetPrimaryColor(Band1);
        G.Bands()->SetSecondaryColor(Band2);
        G.Bands()->SetActive(true);
    }
    THarness h;
};

TEST_F(ExtStringGridVisual, PrecedenceOfBrushAndGradientColours)
{
    struct Case {
        const char* Name;
        std::function<void(TPaintGrid&)> Setup;
        Integer Col, Row;
        TColor Brush, ColorTo;
        bool Fixed;
    };
    const std::vector<Case> cases = {
        {"normal cell: the grid colour", [](TPaintGrid&) {}, 2, 2, clWhite, clNone, false},
        {"fixed row, XP look: the look gradient", [](TPaintGrid&) {}, 2, 0, TColor(0xFFFFFF), ColorToRGB(clBtnFace),
         true},
        {"fixed column, classic look: the fixed colour", [](TPaintGrid& G) { G.FLook = glClassic; }, 0, 3, FixedTone,
         clNone, true},
        {"first normal row: the primary band", UseBands, 2, 1, Band1, clNone, false},
        {"second normal row: the secondary band", UseBands, 2, 2, Band2, clNone, false},
        {"third normal row: the primary band again", UseBands, 3, 3, Band1, clNone, false},
        {"bands never paint a fixed cell",
         [](TPaintGrid& G) {
             UseBands(G);
             G.FLook = glClassic;
         },
         0, 2, FixedTone, clNone, true},
        {"own brush of a plain cell survives in a fixed column",
         [](TPaintGrid& G) {
             G.FLook = glClassic;
             G.GetCellProperties(0, 2)->SetBrushColor(Own);
         },
         0, 2, Own, clNone, false},
        {"own brush of a check-box cell gives way to the fixed colours",
         [](TPaintGrid& G) {
             G.FLook = glClassic;
             G.GetCellProperties(0, 2)->SetBrushColor(Own);
             G.AddGraphic(0, 2, ctCheckBox);
         },
         0, 2, FixedTone, clNone, true},
        {"cell brush and its gradient end",
         [](TPaintGrid& G) {
             G.GetCellProperties(3, 3)->SetBrushColor(Own);
             G.GetCellProperties(3, 3)->SetBrushColorTo(clRed);
         },
         3, 3, Own, clRed, false},
        {"the colour event has the last word before the selection",
         [](TPaintGrid& G) {
             G.OnGetCellColor = [](TObject*, Integer, Integer, TGridDrawState, TBrush* B, TFont*) {
                 B->SetColor(TColor(0x010203));
             };
         },
         2, 2, TColor(0x010203), clNone, false},
        {"the gradient event may replace colour and end",
         [](TPaintGrid& G) {
             G.OnGetCellGradient = [](TObject*, Integer, Integer, TColor& C, TColor& To, TColor&, TColor&,
                                      TCellGradientDirection&) {
                 C = TColor(0x0A0B0C);
                 To = TColor(0x0C0B0A);
             };
         },
         2, 2, TColor(0x0A0B0C), TColor(0x0C0B0A), false},
    };
    for (const Case& c : cases) {
        auto g = NewGrid();
        c.Setup(*g);
        const auto l = Ask(*g, c.Col, c.Row);
        EXPECT_EQ(l->Brush.Color(), c.Brush) << c.Name;
        EXPECT_EQ(l->Look.ColorTo, c.ColorTo) << c.Name;
        EXPECT_EQ((l->State & gdFixed) != 0, c.Fixed) << c.Name;
    }
}

TEST_F(ExtStringGridVisual, SelectedCellsTakeTheSelectionColoursMixedByTheFactor)
{
    struct Case {
        const char* Name;
        bool Bands, Mixer;
        Integer Factor;
        TColor Brush;
    };
    const TColor sel = TColor(0x0000FF);
    const std::vector<Case> cases = {
        {"plain cell: pure selection colour", false, true, 50, sel},
        {"band, no mixer: pure selection colour", true, false, 50, sel},
        {"band, mixer 100: pure selection colour", true, true, 100, sel},
        {"band, mixer 0: the band", true, true, 0, Band1},
        {"band, mixer 50: half of each", true, true, 50, TColor(0x0000D4)},  // (255 + 170) / 2, half to even
    };
    for (const Case& c : cases) {
        auto g = NewGrid();
        g->SetSelectionColor(sel);
        g->SetSelectionTextColor(clYellow);
        g->SelectionColorMixer = c.Mixer;
        g->SetSelectionColorMixerFactor(c.Factor);
        if (c.Bands) UseBands(*g);
        g->Select(2, 1, 3, 1);
        const auto l = Ask(*g, 2, 1);
        EXPECT_EQ(l->Brush.Color(), c.Brush) << c.Name;
        EXPECT_EQ(l->Font.Color(), clYellow) << c.Name;
        EXPECT_TRUE(l->State & gdSelected) << c.Name;
        const auto outside = Ask(*g, 2, 2);
        EXPECT_FALSE(outside->State & gdSelected) << c.Name;
    }
    // A fixed cell is never selected, also inside the selection; nor any cell with ShowSelection off.
    auto g = NewGrid();
    g->Select(0, 0, 3, 3);
    EXPECT_FALSE(Ask(*g, 0, 2)->State & gdSelected);
    g->ShowSelection = false;
    EXPECT_EQ(Ask(*g, 2, 2)->Brush.Color(), clWhite);
}

TEST_F(ExtStringGridVisual, FontsOfFixedNormalAndDisabledCells)
{
    auto g = NewGrid();
    g->Font()->SetColor(TColor(0x111111));
    g->FixedFont()->SetColor(TColor(0x222222));
    EXPECT_EQ(Ask(*g, 2, 2)->Font.Color(), TColor(0x111111));
    EXPECT_EQ(Ask(*g, 2, 0)->Font.Color(), TColor(0x222222));
    g->GetCellProperties(3, 3)->FontColor = TColor(0x333333);
    EXPECT_EQ(Ask(*g, 3, 3)->Font.Color(), TColor(0x333333));
    g->SetEnabled(false);
    EXPECT_EQ(Ask(*g, 2, 2)->Font.Color(), g->DisabledFontColor);
    g->UseDisabledFont = false;
    EXPECT_EQ(Ask(*g, 2, 2)->Font.Color(), TColor(0x111111));
}

TEST_F(ExtStringGridVisual, FormattedTextChoosesTheValueByTheConversion)
{
    struct Case {
        const char16_t* Text;
        const char16_t* Format;
        const char16_t* Shown;
    };
    const std::vector<Case> cases = {
        {u"3.14159", u"%.2f", u"3.14"},
        {u"3.5", u"%.1f dB", u"3.5 dB"},  // a "d" in the literal text does not make it an integer format
        {u"12", u"%d pcs", u"12 pcs"},
        {u"3.5", u"%d", u"3.5"},  // no integer value: the text stays
        {u"abc", u"%.2f", u"abc"},  // not a number: never formatted
        {u"2", u"%s", u"2"},  // a format the value does not fit: the text stays
        {u"7", u"", u"7"},
    };
    auto g = NewGrid();
    Integer calls = 0;
    String format;
    g->OnGetFloatFormat = [&](TObject*, Integer, Integer, bool&, String& F) {
        ++calls;
        F = format;
    };
    for (const Case& c : cases) {
        format = c.Format;
        g->SetCells(2, 2, c.Text);
        EXPECT_EQ(StringToUtf8(g->GetFormattedCell(2, 2)), StringToUtf8(c.Shown)) << StringToUtf8(c.Format);
    }
    EXPECT_EQ(calls, 6) << "the event is not asked about a text that is no number";
    g->OnGetFloatFormat = [](TObject*, Integer, Integer, bool& IsFloat, String&) { IsFloat = false; };
    g->SetCells(2, 2, u"3.14159");
    EXPECT_EQ(g->GetFormattedCell(2, 2), u"3.14159");
    g->OnGetFloatFormat = nullptr;
    EXPECT_EQ(g->GetFormattedCell(2, 2), u"3.14159");
}

TEST_F(ExtStringGridVisual, AlignmentFromDefaultsNumbersPropertiesAndTheEvent)
{
    struct Case {
        const char16_t* Text;
        bool AutoNum, Props;
        TAlignment Expected;
    };
    const std::vector<Case> cases = {
        {u" 12 ", true, false, taRightJustify},  {u"12a", true, false, taCenter},
        {u"1.5e3", true, false, taRightJustify}, {u" 12 ", false, false, taCenter},
        {u" 12 ", true, true, taLeftJustify},  // the cell's own alignment replaces the number rule
    };
    for (const Case& c : cases) {
        auto g = NewGrid();
        g->SetDefaultAlignment(taCenter);
        g->AutoNumAlign = c.AutoNum;
        g->SetCells(2, 2, c.Text);
        if (c.Props) g->GetCellProperties(2, 2)->Alignment = taLeftJustify;
        EXPECT_EQ(g->GetCellAlignment(2, 2), c.Expected) << StringToUtf8(c.Text);
    }
    auto g = NewGrid();
    g->VAlignment = vtaBottom;
    g->OnGetAlignment = [](TObject*, Integer ARow, Integer, TAlignment& HA, TVAlignment&) {
        if (ARow == 3) HA = taRightJustify;
    };
    EXPECT_EQ(g->GetCellAlignment(2, 3), taRightJustify);
    EXPECT_EQ(g->GetCellAlignment(2, 2), taLeftJustify);
    EXPECT_EQ(Ask(*g, 2, 2)->Look.VA, vtaBottom);
}

TEST_F(ExtStringGridVisual, TheLookSetterRecoloursByLook)
{
    // The gradient setters keep colours as red, green and blue.
    struct Case {
        TGridLook Look;
        TColor Selection, ActiveCell, GradientTo;
        TGridSelectionStyle Style;
    };
    const std::vector<Case> cases = {
        {glStandard, clHighlight, clGray, clNone, ssDefault},
        {glClassic, clHighlight, clGray, clNone, ssDefault},
        {glListView, clHighlight, clGray, ColorToRGB(clBtnFace), ssDefault},
        {glZEQ, TColor(0xEACAB6), TColor(0xEACAB6), ColorToRGB(clSilver), ssDefault},
        {glVista, TColor(0xEACAB6), TColor(0xEACAB6), TColor(0xFBF7F1), ssVista},
    };
    for (const Case& c : cases) {
        auto g = NewGrid();
        g->SetLook(glSoft);
        g->SetLook(c.Look);
        EXPECT_EQ(g->Look(), c.Look);
        EXPECT_EQ(g->SelectionStyle(), c.Style) << StringToUtf8(g->GetLookName(c.Look));
        if (c.Look == glVista) continue;  // the Vista style's colours are the presets' own table
        EXPECT_EQ(g->SelectionColor(), c.Selection) << StringToUtf8(g->GetLookName(c.Look));
        EXPECT_EQ(g->ActiveCellColor(), c.ActiveCell) << StringToUtf8(g->GetLookName(c.Look));
        EXPECT_EQ(g->ZEQGradientTo(), c.GradientTo) << StringToUtf8(g->GetLookName(c.Look));
        EXPECT_EQ(g->BorderColor(), TColor(0xB99D7F));
    }
    // The same look again changes nothing; the custom look keeps every colour.
    auto g = NewGrid();
    g->SetSelectionColor(clRed);
    g->SetLook(glXP);
    EXPECT_EQ(g->SelectionColor(), clRed);
    g->SetLook(glCustom);
    EXPECT_EQ(g->SelectionColor(), clRed);
    EXPECT_EQ(g->GetLookName(glXP), u"Windows XP");
    EXPECT_EQ(g->GetLookName(glOffice2007), u"Office2007");
    EXPECT_EQ(g->GetLookName(glCustom), u"");
}

TEST_F(ExtStringGridVisual, AStyleWritesItsPresetAndTheComponentStyleKeepsIt)
{
    auto g = NewGrid();
    g->SetStyle(tsWindows7);
    EXPECT_EQ(g->Look(), glWin7);
    EXPECT_EQ(g->SelectionStyle(), ssWin7);
    EXPECT_EQ(g->SortSettings()->HeaderColor(), TColor(0xFCF9F2));
    g->SetStyle(tsCustom);
    EXPECT_EQ(g->SelectionColor(), clHighlight) << "every style starts from the default selection";
    EXPECT_EQ(g->SortSettings()->HeaderColor(), clNone);
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(ExtStringGridVisual, TextSizeOfLinesRotationAndWrapping)
{
    auto g = NewGrid();
    g->SetCells(2, 2, u"ab\r\nthe longer line");
    const auto measure = [&](StringView Text) {
        TRecordingCanvas m;
        m.SetFont(g->Font());
        return TSize{m.TextWidth(Text), m.TextHeight(u"gh")};
    };
    const TSize line = measure(u"the longer line");
    EXPECT_EQ(g->GetCellTextSize(2, 2, false, false), (TSize{line.cx, 2 * line.cy}));
    // Turned by 90 degrees, width and height swap and each gains 12.
    g->SetCells(3, 3, u"turned");
    g->AddGraphic(3, 3, ctRotated).CellAngle = 90;
    const TSize turned = measure(u"turned");
    EXPECT_EQ(g->GetCellTextSize(3, 3, false, false), (TSize{turned.cy + 12, turned.cx + 12}));
    // Wrapped in the cell's width: the width is the cell's less the offsets, 17 less for a scroll bar.
    g->SetCells(2, 3, u"many words that wrap inside the cell");
    const TRect cell = g->CellRect(2, 3);
    const TSize wrapped = g->GetCellTextSize(2, 3, false, true);
    EXPECT_EQ(wrapped.cx, cell.Right - cell.Left - 4 - 4);
    EXPECT_GT(wrapped.cy, line.cy);
    EXPECT_EQ(g->GetCellTextSize(2, 3, true, true).cx, cell.Right - cell.Left - 4 - 4 - 17);
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(ExtStringGridVisual, ThemesAndColourTones)
{
    auto g = NewGrid();
    g->SetSelectionColor(clRed);
    TStyleColours expected;
    expected.Look = g->Look();
    const TStyleColours blue = ApplyTheme(expected, xpBlue);
    g->SetTheme(xpBlue);
    EXPECT_EQ(g->ZEQGradientFrom(), ColorToRGB(blue.Normal.From));
    EXPECT_EQ(g->ActiveCellColor(), blue.ActiveCellColor);
    EXPECT_EQ(g->SelectionColor(), clRed) << "a theme leaves the selection";

    TColorTones tones;
    tones.Background = {TColor(0xFFFFFF), TColor(0xAAAAAA), TColor(0x111111)};
    tones.Foreground = {TColor(0xF0F0F0), TColor(0x999999), TColor(0x222222)};
    tones.Selected = {TColor(0xCC8844), TColor(0x884400), TColor(0xFFFFFF)};
    tones.Hover = {TColor(0xEEDDCC), TColor(0x886644), TColor(0x000000)};
    tones.Disabled = {TColor(0xDDDDDD), TColor(0xBBBBBB), TColor(0x777777)};
    g->SetColorTones(tones);
    const TColorTonesLook t = ColorTonesLook(tones);
    EXPECT_EQ(g->Look(), glClassic);
    EXPECT_TRUE(g->Flat());
    EXPECT_EQ(g->ScrollType(), ssMetro);
    EXPECT_EQ(g->FixedColor(), t.FixedColor);
    EXPECT_EQ(g->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(g->SelectionColor(), TColor(0xCC8844));
    EXPECT_EQ(g->SelectionTextColor(), TColor(0xFFFFFF));
    EXPECT_EQ(g->GridLineColor(), TColor(0xE6E6E6));
    EXPECT_EQ(g->ControlLook()->ControlStyle(), csGlyph);
    ASSERT_NE(g->ControlLook()->CheckedGlyph(), nullptr);
    EXPECT_FALSE(g->ControlLook()->CheckedGlyph()->Empty()) << "the metro glyphs come from the resources";
    EXPECT_EQ(g->ColorTones(), tones);
}

}  // namespace
}  // namespace gw::test
