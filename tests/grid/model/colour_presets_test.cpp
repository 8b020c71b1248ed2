// The colour presets, written out again from the documented tables: each style, each XP scheme,
// the office-theme choice and the tones look, applied to a grid whose every colour is a marker
// value, so that what a preset leaves alone shows as well as what it writes.
#include "grid/model/colour_presets.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace gw {

void PrintTo(const TFixedGradient& g, std::ostream* os)
{
    *os << std::hex << "{" << g.From << " " << g.To << " " << g.MirrorFrom << " " << g.MirrorTo << " " << g.Border
        << "}" << std::dec;
}

void PrintTo(const TStyleColours& c, std::ostream* os)
{
    *os << "look " << int(c.Look) << " normal ";
    PrintTo(c.Normal, os);
    *os << " hover ";
    PrintTo(c.Hover, os);
    *os << " down ";
    PrintTo(c.Down, os);
    *os << std::hex << " active " << c.ActiveCellColor << "/" << c.ActiveCellColorTo << " selection "
        << c.SelectionColor << "/" << c.SelectionColorTo << "/" << c.SelectionTextColor << std::dec << " style "
        << int(c.SelectionStyle) << std::hex << " lines " << c.GridLineColor << "/" << c.GridFixedLineColor << " sort "
        << c.SortHeaderColor << "/" << c.SortHeaderColorTo << "/" << c.SortHeaderMirrorColor << "/"
        << c.SortHeaderMirrorColorTo << " search " << c.SearchFooterColor << "/" << c.SearchFooterColorTo
        << " look gradient " << c.LookGradientFrom << "/" << c.LookGradientTo << std::dec;
}

namespace {

// A grid whose every colour is a marker no preset writes.
TStyleColours Marked()
{
    TStyleColours g;
    g.Look = glCustom;
    g.Normal = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5};
    g.Hover = {0xB1, 0xB2, 0xB3, 0xB4, 0xB5};
    g.Down = {0xC1, 0xC2, 0xC3, 0xC4, 0xC5};
    g.ActiveCellColor = 0xD1;
    g.ActiveCellColorTo = 0xD2;
    g.SelectionColor = 0xE1;
    g.SelectionColorTo = 0xE2;
    g.SelectionTextColor = 0xE3;
    g.SelectionStyle = ssWin7;
    g.GridLineColor = 0xF1;
    g.GridFixedLineColor = 0xF2;
    g.SortHeaderColor = 0x11;
    g.SortHeaderColorTo = 0x12;
    g.SortHeaderMirrorColor = 0x13;
    g.SortHeaderMirrorColorTo = 0x14;
    g.SearchFooterColor = 0x21;
    g.SearchFooterColorTo = 0x22;
    g.LookGradientFrom = 0x31;
    g.LookGradientTo = 0x32;
    return g;
}

// The marked grid after the step every style begins with.
TStyleColours AfterFirstStep()
{
    TStyleColours g = Marked();
    g.SelectionColor = clHighlight;
    g.SelectionColorTo = clNone;
    g.SelectionTextColor = clHighlightText;
    g.SelectionStyle = ssDefault;
    g.SortHeaderColor = g.SortHeaderColorTo = g.SortHeaderMirrorColor = g.SortHeaderMirrorColorTo = clNone;
    g.Hover.MirrorFrom = g.Hover.MirrorTo = g.Down.MirrorFrom = g.Down.MirrorTo = clNone;
    g.LookGradientFrom = g.LookGradientTo = clNone;
    return g;
}

void Gradient(TStyleColours& g, TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo)
{
    g.Normal.From = From;
    g.Normal.To = To;
    g.Normal.MirrorFrom = MirrorFrom;
    g.Normal.MirrorTo = MirrorTo;
}

void Active(TStyleColours& g, TColor From, TColor To)
{
    g.ActiveCellColor = From;
    g.ActiveCellColorTo = To;
}

void Selection(TStyleColours& g, TColor Color, TColor ColorTo, TColor Text, TGridSelectionStyle Style)
{
    g.SelectionColor = Color;
    g.SelectionColorTo = ColorTo;
    g.SelectionTextColor = Text;
    g.SelectionStyle = Style;
}

void Lines(TStyleColours& g, TColor Line, TColor FixedLine)
{
    g.GridLineColor = Line;
    g.GridFixedLineColor = FixedLine;
}

void SortHeader(TStyleColours& g, TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo)
{
    g.SortHeaderColor = From;
    g.SortHeaderColorTo = To;
    g.SortHeaderMirrorColor = MirrorFrom;
    g.SortHeaderMirrorColorTo = MirrorTo;
}

// The search footer follows the gradient's start and its mirror's end.
void SearchFollows(TStyleColours& g)
{
    g.SearchFooterColor = g.Normal.From;
    g.SearchFooterColorTo = g.Normal.MirrorTo;
}

void LookGradient(TStyleColours& g)
{
    g.LookGradientFrom = g.Normal.From;
    g.LookGradientTo = g.Normal.To;
}

void Office2003(TStyleColours& g, TColor From, TColor To)
{
    g.Look = glXP;
    Gradient(g, From, To, clNone, clNone);
    Active(g, 0x94E6FB, 0x1595EE);
    Selection(g, 0x94E6FB, 0x1595EE, 0x000000, ssDefault);
    Lines(g, 0xC0C0C0, 0x808080);
    SearchFollows(g);
    LookGradient(g);
}

void Office2010(TStyleColours& g, TColor Gradient4, TColor FixedLine, TColor Sort)
{
    g.Look = glOffice2007;
    Gradient(g, Gradient4, Gradient4, Gradient4, Gradient4);
    Active(g, 0x5BD5FF, 0x71EFFF);
    Selection(g, 0xFFDBB7, clNone, 0x000000, ssDefault);
    Lines(g, 0xC0C0C0, FixedLine);
    g.Hover = {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
    g.Down = {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
    SortHeader(g, Sort, Sort, Sort, Sort);
    SearchFollows(g);
}

struct StyleRow {
    TExtGridStyle Style;
    std::function<void(TStyleColours&)> Expect;
};

TEST(ColourPresets, EachStyleWritesItsTableRows)
{
    const std::vector<StyleRow> rows = {
        {gsOffice2003Blue, [](TStyleColours& g) { Office2003(g, 0xFCE1CB, 0xE0A57D); }},
        {gsOffice2003Silver, [](TStyleColours& g) { Office2003(g, 0xECE2E1, 0xB39698); }},
        {gsOffice2003Olive, [](TStyleColours& g) { Office2003(g, 0xCFF0EA, 0x8CC0B1); }},
        {gsOffice2003Classic,
         [](TStyleColours& g) {
             g.Look = glXP;
             Gradient(g, 0xFFFFFF, 0xCCD4D8, clNone, clNone);
             Active(g, 0xD8D5D4, 0xD8D5D4);
             Lines(g, 0xC0C0C0, 0x808080);
             SearchFollows(g);
         }},
        {gsOffice2007Luna,
         [](TStyleColours& g) {
             g.Look = glOffice2007;
             Gradient(g, 0xFBF9F6, 0xE8DBD2, clNone, clNone);
             Active(g, 0x9DD8F9, 0x5EC1F1);
             Selection(g, 0x5EC1F1, clNone, 0x000000, ssOffice2007);
             Lines(g, 0xF1EDEB, 0xD1BBA4);
             g.Hover = {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87};
             g.Down = {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D};
             SearchFollows(g);
             LookGradient(g);
         }},
        {gsOffice2007Obsidian,
         [](TStyleColours& g) {
             g.Look = glOffice2007;
             Gradient(g, 0xF7F7F7, 0xDEDEDE, clNone, clNone);
             Active(g, 0x9DD8F9, 0x5EC1F1);
             Selection(g, 0x5EC1F1, clNone, 0x000000, ssDefault);
             Lines(g, 0xE5D7D0, 0x808080);
             SearchFollows(g);
             LookGradient(g);
         }},
        {gsWindowsXP,
         [](TStyleColours& g) {
             g.Look = glXP;
             Gradient(g, clBtnFace, clBtnFace, clNone, clNone);
             Active(g, clBtnFace, clBtnFace);
             Lines(g, 0xC0C0C0, 0x808080);
             SearchFollows(g);
         }},
        {gsWhidbey,
         [](TStyleColours& g) {
             Gradient(g, 0xFFFFFF, clBtnFace, clNone, clNone);
             Active(g, 0x94E6FB, 0x1595EE);
             Lines(g, 0xC0C0C0, 0x808080);
             SearchFollows(g);
         }},
        {gsCustom, [](TStyleColours&) {}},
        {gsOffice2007Silver,
         [](TStyleColours& g) {
             g.Look = glOffice2007;
             g.Normal.From = 0xF3F3F1;
             g.Normal.To = 0xCAC9C8;
             Active(g, 0x99CCFF, 0x699CFF);
             Selection(g, 0x95C7F5, clNone, 0x000000, ssDefault);
             Lines(g, 0xE5D7D0, 0x808080);
             SearchFollows(g);
             LookGradient(g);
         }},
        {gsWindowsVista,
         [](TStyleColours& g) {
             g.Look = glVista;
             Gradient(g, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1);
             Active(g, 0xFDF8F1, 0xFCEFD5);
             Selection(g, 0xEACAB6, clNone, 0x000000, ssVista);
             Lines(g, 0xECECF0, 0xD4D2D1);
             g.Hover = {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993};
             g.Down = {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F};
             SortHeader(g, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8);
             SearchFollows(g);
         }},
        {gsWindows7,
         [](TStyleColours& g) {
             g.Look = glWin7;
             Gradient(g, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD);
             Active(g, 0xFCEBDC, 0xFCDBC1);
             Selection(g, 0xEACAB6, clNone, 0x000000, ssWin7);
             Lines(g, 0xECECF0, 0xD4D2D1);
             g.Hover = {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3};
             g.Down = {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA};
             SortHeader(g, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8);
             SearchFollows(g);
         }},
        {gsTerminal, [](TStyleColours& g) { g.Look = glStandard; }},
        {gsOffice2010Blue, [](TStyleColours& g) { Office2010(g, 0xF5E7DA, 0xC7B0A0, 0xD6CEC7); }},
        {gsOffice2010Silver, [](TStyleColours& g) { Office2010(g, 0xE8E3DF, 0xBAB5B1, 0xAAAAAA); }},
        {gsOffice2010Black, [](TStyleColours& g) { Office2010(g, 0x6A6A6A, 0x444444, 0xBABABA); }},
    };
    ASSERT_EQ(rows.size(), 16u);
    for (const StyleRow& row : rows) {
        SCOPED_TRACE(int(row.Style));
        TStyleColours expected = AfterFirstStep();
        row.Expect(expected);
        EXPECT_EQ(ApplyStyle(Marked(), row.Style), expected);
    }
}

TEST(ColourPresets, StylesConvertToTheComponentStylesByOrdinal)
{
    static_assert(int(gsCustom) == int(tsCustom) && int(gsCustom) == 8);
    static_assert(int(gsOffice2007Silver) == int(tsOffice2007Silver));
    static_assert(int(gsOffice2010Black) == int(tsOffice2010Black) && int(gsOffice2010Black) == 15);
}

TEST(ColourPresets, ThemesWriteTheFixedGradientActiveCellAndSearchFooterOnly)
{
    struct Row {
        TXPColorScheme Scheme;
        TFixedGradient Normal;
        TColor Active;
        TColor ActiveTo;
        TColor Search;
        TColor SearchTo;
        bool LookGradient;
    };
    const std::vector<Row> rows = {
        {xpBlue, {0xFCE1CB, 0xE0A57D, clNone, clNone}, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, true},
        {xpGreen, {0xCFF0EA, 0x8CC0B1, clNone, clNone}, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, true},
        {xpGray, {0xECE2E1, 0xB39698, clNone, clNone}, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
        {vistaAero, {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1}, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
        {xpNone, {0xFFFFFF, clBtnFace, clNone, clNone}, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3, false},
        {TXPColorScheme(9), {0xFFFFFF, clBtnFace, clNone, clNone}, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.Scheme));
        TStyleColours expected = Marked();
        expected.Normal = row.Normal;
        expected.Normal.Border = Marked().Normal.Border;
        Active(expected, row.Active, row.ActiveTo);
        expected.SearchFooterColor = row.Search;
        expected.SearchFooterColorTo = row.SearchTo;
        expected.LookGradientFrom = row.LookGradient ? row.Normal.From : clNone;
        expected.LookGradientTo = row.LookGradient ? row.Normal.To : clNone;
        EXPECT_EQ(ApplyTheme(Marked(), row.Scheme), expected);
    }
}

TEST(ColourPresets, OfficeThemesChooseTheirStyle)
{
    const std::vector<std::pair<TOfficeTheme, std::optional<TZEQStyle>>> rows = {
        {ot2003Blue, tsOffice2003Blue},       {ot2003Silver, tsOffice2003Silver}, {ot2003Olive, tsOffice2003Olive},
        {ot2003Classic, tsOffice2003Classic}, {ot2007Blue, tsOffice2007Luna},     {ot2007Silver, tsOffice2007Silver},
        {ot2007Black, tsOffice2007Obsidian},  {ot2010Blue, tsOffice2010Blue},     {ot2010Silver, tsOffice2010Silver},
        {ot2010Black, tsOffice2010Black},     {otUnknown, std::nullopt},
    };
    for (auto [theme, style] : rows) EXPECT_EQ(OfficeThemeStyle(theme), style) << int(theme);
}

TEST(ColourPresets, TonesBuildAFlatLook)
{
    TColorTones tones;
    tones.Background = {0x101010, 0x111111, 0x121212};
    tones.Foreground = {RGB(200, 100, 250), 0x212121, 0x222222};
    tones.Selected = {0x303030, 0x313131, 0x323232};
    tones.Hover = {0x404040, 0x414141, 0x424242};
    tones.Disabled = {0x505050, 0x515151, 0x525252};
    const TColorTonesLook look = ColorTonesLook(tones);
    EXPECT_EQ(look.FixedColor, RGB(200, 100, 250));
    EXPECT_EQ(look.FixedFontColor, 0x222222);
    EXPECT_EQ(look.Color, 0x101010);
    EXPECT_EQ(look.FontColor, 0x121212);
    EXPECT_EQ(look.SelectionColor, 0x303030);
    EXPECT_EQ(look.SelectionTextColor, 0x323232);
    EXPECT_EQ(look.SelectionColorTo, clNone);
    EXPECT_EQ(look.GridLineColor, 0xE6E6E6);
    EXPECT_EQ(look.GridFixedLineColor, RGB(160, 80, 200)) << "the fixed colour darkened by 20 per cent";
    EXPECT_EQ(look.ButtonColor, 0x101010);
    EXPECT_EQ(look.ButtonColorHot, 0x404040);
    EXPECT_EQ(look.ButtonColorDown, 0x303030);
    EXPECT_EQ(look.ButtonBorderColor, 0x111111);
    EXPECT_EQ(look.ComboBorderColor, 0x101010);
    EXPECT_EQ(look.DatePickerBorderColor, 0x101010);
    EXPECT_EQ(look.FooterColor, RGB(200, 100, 250));
    EXPECT_EQ(look.SearchFooterColor, RGB(200, 100, 250));
    EXPECT_EQ(look.SearchFooterColorTo, RGB(200, 100, 250));
}

}  // namespace
}  // namespace gw
