// The colour presets' tables and the functions that apply them.
#include "grid/model/colour_presets.h"

#include "grid/foundation/colour_arithmetic.h"

#include <array>

namespace gw {

namespace {

// Hover and pressed gradients of the styles that have their own.
constexpr TFixedGradient Luna2007Hover{0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87};
constexpr TFixedGradient Luna2007Down{0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D};
constexpr TFixedGradient VistaHover{0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993};
constexpr TFixedGradient VistaDown{0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F};
constexpr TFixedGradient Win7Hover{0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3};
constexpr TFixedGradient Win7Down{0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA};
constexpr TFixedGradient Office2010Hover{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
constexpr TFixedGradient Office2010Down{0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};

// An Office 2003 style: XP look, no mirror gradient, the orange active cell and selection.
TStylePreset Office2003(TColor From, TColor To)
{
    return {.Look = glXP,
            .GradientFrom = From,
            .GradientTo = To,
            .GradientMirrorFrom = clNone,
            .GradientMirrorTo = clNone,
            .ActiveCellColor = 0x94E6FB,
            .ActiveCellColorTo = 0x1595EE,
            .SelectionColor = 0x94E6FB,
            .SelectionColorTo = 0x1595EE,
            .SelectionTextColor = clBlack,
            .GridLineColor = clSilver,
            .GridFixedLineColor = clGray,
            .LookGradient = true};
}

// An Office 2010 style: one colour over the whole gradient and its mirror.
TStylePreset Office2010(TColor Gradient, TColor FixedLine, TColor SortHeader)
{
    return {.Look = glOffice2007,
            .GradientFrom = Gradient,
            .GradientTo = Gradient,
            .GradientMirrorFrom = Gradient,
            .GradientMirrorTo = Gradient,
            .ActiveCellColor = 0x5BD5FF,
            .ActiveCellColorTo = 0x71EFFF,
            .SelectionColor = 0xFFDBB7,
            .SelectionColorTo = clNone,
            .SelectionTextColor = clBlack,
            .GridLineColor = clSilver,
            .GridFixedLineColor = FixedLine,
            .Hover = Office2010Hover,
            .Down = Office2010Down,
            .SortHeaderColor = SortHeader,
            .SortHeaderColorTo = SortHeader,
            .SortHeaderMirrorColor = SortHeader,
            .SortHeaderMirrorColorTo = SortHeader};
}

// In TExtGridStyle order.
const std::array<TStylePreset, 16> StylePresets = {
    Office2003(0xFCE1CB, 0xE0A57D),
    Office2003(0xECE2E1, 0xB39698),
    Office2003(0xCFF0EA, 0x8CC0B1),
    // gsOffice2003Classic
    TStylePreset{.Look = glXP,
                 .GradientFrom = clWhite,
                 .GradientTo = 0xCCD4D8,
                 .GradientMirrorFrom = clNone,
                 .GradientMirrorTo = clNone,
                 .ActiveCellColor = 0xD8D5D4,
                 .ActiveCellColorTo = 0xD8D5D4,
                 .GridLineColor = clSilver,
                 .GridFixedLineColor = clGray},
    // gsOffice2007Luna
    TStylePreset{.Look = glOffice2007,
                 .GradientFrom = 0xFBF9F6,
                 .GradientTo = 0xE8DBD2,
                 .GradientMirrorFrom = clNone,
                 .GradientMirrorTo = clNone,
                 .ActiveCellColor = 0x9DD8F9,
                 .ActiveCellColorTo = 0x5EC1F1,
                 .SelectionColor = 0x5EC1F1,
                 .SelectionColorTo = clNone,
                 .SelectionTextColor = clBlack,
                 .SelectionStyle = ssOffice2007,
                 .GridLineColor = 0xF1EDEB,
                 .GridFixedLineColor = 0xD1BBA4,
                 .Hover = Luna2007Hover,
                 .Down = Luna2007Down,
                 .LookGradient = true},
    // gsOffice2007Obsidian
    TStylePreset{.Look = glOffice2007,
                 .GradientFrom = 0xF7F7F7,
                 .GradientTo = 0xDEDEDE,
                 .GradientMirrorFrom = clNone,
                 .GradientMirrorTo = clNone,
                 .ActiveCellColor = 0x9DD8F9,
                 .ActiveCellColorTo = 0x5EC1F1,
                 .SelectionColor = 0x5EC1F1,
                 .SelectionColorTo = clNone,
                 .SelectionTextColor = clBlack,
                 .GridLineColor = 0xE5D7D0,
                 .GridFixedLineColor = clGray,
                 .LookGradient = true},
    // gsWindowsXP
    TStylePreset{.Look = glXP,
                 .GradientFrom = clBtnFace,
                 .GradientTo = clBtnFace,
                 .GradientMirrorFrom = clNone,
                 .GradientMirrorTo = clNone,
                 .ActiveCellColor = clBtnFace,
                 .ActiveCellColorTo = clBtnFace,
                 .GridLineColor = clSilver,
                 .GridFixedLineColor = clGray},
    // gsWhidbey
    TStylePreset{.GradientFrom = clWhite,
                 .GradientTo = clBtnFace,
                 .GradientMirrorFrom = clNone,
                 .GradientMirrorTo = clNone,
                 .ActiveCellColor = 0x94E6FB,
                 .ActiveCellColorTo = 0x1595EE,
                 .GridLineColor = clSilver,
                 .GridFixedLineColor = clGray},
    // gsCustom: only the common first step.
    TStylePreset{.SearchFooterFollows = false},
    // gsOffice2007Silver: the mirror gradient stays.
    TStylePreset{.Look = glOffice2007,
                 .GradientFrom = 0xF3F3F1,
                 .GradientTo = 0xCAC9C8,
                 .ActiveCellColor = 0x99CCFF,
                 .ActiveCellColorTo = 0x699CFF,
                 .SelectionColor = 0x95C7F5,
                 .SelectionColorTo = clNone,
                 .SelectionTextColor = clBlack,
                 .GridLineColor = 0xE5D7D0,
                 .GridFixedLineColor = clGray,
                 .LookGradient = true},
    // gsWindowsVista
    TStylePreset{.Look = glVista,
                 .GradientFrom = clWhite,
                 .GradientTo = clWhite,
                 .GradientMirrorFrom = 0xFAF8F7,
                 .GradientMirrorTo = 0xF4F2F1,
                 .ActiveCellColor = 0xFDF8F1,
                 .ActiveCellColorTo = 0xFCEFD5,
                 .SelectionColor = 0xEACAB6,
                 .SelectionColorTo = clNone,
                 .SelectionTextColor = clBlack,
                 .SelectionStyle = ssVista,
                 .GridLineColor = 0xECECF0,
                 .GridFixedLineColor = 0xD4D2D1,
                 .Hover = VistaHover,
                 .Down = VistaDown,
                 .SortHeaderColor = 0xFCF9F2,
                 .SortHeaderColorTo = 0xFCF9F2,
                 .SortHeaderMirrorColor = 0xF9F1E1,
                 .SortHeaderMirrorColorTo = 0xF6ECD8},
    // gsWindows7
    TStylePreset{.Look = glWin7,
                 .GradientFrom = 0xFDFCFA,
                 .GradientTo = 0xFAF0E6,
                 .GradientMirrorFrom = 0xF4E6DC,
                 .GradientMirrorTo = 0xF7E9DD,
                 .ActiveCellColor = 0xFCEBDC,
                 .ActiveCellColorTo = 0xFCDBC1,
                 .SelectionColor = 0xEACAB6,
                 .SelectionColorTo = clNone,
                 .SelectionTextColor = clBlack,
                 .SelectionStyle = ssWin7,
                 .GridLineColor = 0xECECF0,
                 .GridFixedLineColor = 0xD4D2D1,
                 .Hover = Win7Hover,
                 .Down = Win7Down,
                 .SortHeaderColor = 0xFCF9F2,
                 .SortHeaderColorTo = 0xFCF9F2,
                 .SortHeaderMirrorColor = 0xF9F1E1,
                 .SortHeaderMirrorColorTo = 0xF6ECD8},
    // gsTerminal
    TStylePreset{.Look = glStandard, .SearchFooterFollows = false},
    Office2010(0xF5E7DA, 0xC7B0A0, 0xD6CEC7),
    Office2010(0xE8E3DF, 0xBAB5B1, 0xAAAAAA),
    Office2010(0x6A6A6A, 0x444444, 0xBABABA),
};

template <class T>
void Take(T& Field, const std::optional<T>& Value)
{
    if (Value) Field = *Value;
}

// The common first step of every style.
void ResetStyle(TStyleColours& G)
{
    G.SelectionColor = clHighlight;
    G.SelectionColorTo = clNone;
    G.SelectionTextColor = clHighlightText;
    G.SelectionStyle = ssDefault;
    G.SortHeaderColor = G.SortHeaderColorTo = G.SortHeaderMirrorColor = G.SortHeaderMirrorColorTo = clNone;
    // The control look's colours go back to their defaults; of them, only the hover and pressed
    // mirrors reach the grid.
    G.LookGradientFrom = G.LookGradientTo = clNone;
    G.Hover.MirrorFrom = G.Hover.MirrorTo = G.Down.MirrorFrom = G.Down.MirrorTo = clNone;
}

struct TThemePreset {
    TFixedGradient Normal;
    TColor ActiveCellColor;
    TColor ActiveCellColorTo;
    TColor SearchFooterColor;
    TColor SearchFooterColorTo;
    bool LookGradient;
};

// In TXPColorScheme order.
constexpr std::array<TThemePreset, 5> ThemePresets = {{
    {{clWhite, clBtnFace, clNone, clNone}, clWhite, 0xFFD9B3, clWhite, 0xFFD9B3, false},
    {{0xFCE1CB, 0xE0A57D, clNone, clNone}, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, true},
    {{0xCFF0EA, 0x8CC0B1, clNone, clNone}, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, true},
    {{0xECE2E1, 0xB39698, clNone, clNone}, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
    {{clWhite, clWhite, 0xFAF8F7, 0xF4F2F1}, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
}};

}  // namespace

const TStylePreset& StylePreset(TExtGridStyle Style) { return StylePresets.at(Style); }

TStyleColours ApplyStyle(TStyleColours Grid, TExtGridStyle Style)
{
    const TStylePreset& p = StylePreset(Style);
    ResetStyle(Grid);
    Take(Grid.Look, p.Look);
    Take(Grid.Normal.From, p.GradientFrom);
    Take(Grid.Normal.To, p.GradientTo);
    Take(Grid.Normal.MirrorFrom, p.GradientMirrorFrom);
    Take(Grid.Normal.MirrorTo, p.GradientMirrorTo);
    Take(Grid.ActiveCellColor, p.ActiveCellColor);
    Take(Grid.ActiveCellColorTo, p.ActiveCellColorTo);
    Take(Grid.SelectionColor, p.SelectionColor);
    Take(Grid.SelectionColorTo, p.SelectionColorTo);
    Take(Grid.SelectionTextColor, p.SelectionTextColor);
    Grid.SelectionStyle = p.SelectionStyle;
    Take(Grid.GridLineColor, p.GridLineColor);
    Take(Grid.GridFixedLineColor, p.GridFixedLineColor);
    Take(Grid.Hover, p.Hover);
    Take(Grid.Down, p.Down);
    Grid.SortHeaderColor = p.SortHeaderColor;
    Grid.SortHeaderColorTo = p.SortHeaderColorTo;
    Grid.SortHeaderMirrorColor = p.SortHeaderMirrorColor;
    Grid.SortHeaderMirrorColorTo = p.SortHeaderMirrorColorTo;
    if (p.SearchFooterFollows) {
        Grid.SearchFooterColor = Grid.Normal.From;
        Grid.SearchFooterColorTo = Grid.Normal.MirrorTo;
    }
    if (p.LookGradient) {
        Grid.LookGradientFrom = Grid.Normal.From;
        Grid.LookGradientTo = Grid.Normal.To;
    }
    return Grid;
}

TStyleColours ApplyTheme(TStyleColours Grid, TXPColorScheme Scheme)
{
    const TThemePreset& t = ThemePresets[Scheme < ThemePresets.size() ? Scheme : xpNone];
    Grid.Normal.From = t.Normal.From;
    Grid.Normal.To = t.Normal.To;
    Grid.Normal.MirrorFrom = t.Normal.MirrorFrom;
    Grid.Normal.MirrorTo = t.Normal.MirrorTo;
    Grid.ActiveCellColor = t.ActiveCellColor;
    Grid.ActiveCellColorTo = t.ActiveCellColorTo;
    Grid.SearchFooterColor = t.SearchFooterColor;
    Grid.SearchFooterColorTo = t.SearchFooterColorTo;
    Grid.LookGradientFrom = t.LookGradient ? t.Normal.From : clNone;
    Grid.LookGradientTo = t.LookGradient ? t.Normal.To : clNone;
    return Grid;
}

std::optional<TZEQStyle> OfficeThemeStyle(TOfficeTheme Theme)
{
    switch (Theme) {
    case ot2003Blue: return tsOffice2003Blue;
    case ot2003Silver: return tsOffice2003Silver;
    case ot2003Olive: return tsOffice2003Olive;
    case ot2003Classic: return tsOffice2003Classic;
    case ot2007Blue: return tsOffice2007Luna;
    case ot2007Silver: return tsOffice2007Silver;
    case ot2007Black: return tsOffice2007Obsidian;
    case ot2010Blue: return tsOffice2010Blue;
    case ot2010Silver: return tsOffice2010Silver;
    case ot2010Black: return tsOffice2010Black;
    case otUnknown: break;
    }
    return std::nullopt;
}

TColorTonesLook ColorTonesLook(const TColorTones& Tones)
{
    const TColor foreground = Tones.Foreground.BrushColor;
    const TColor background = Tones.Background.BrushColor;
    return {.FixedColor = foreground,
            .FixedFontColor = Tones.Foreground.TextColor,
            .Color = background,
            .FontColor = Tones.Background.TextColor,
            .SelectionColor = Tones.Selected.BrushColor,
            .SelectionTextColor = Tones.Selected.TextColor,
            .SelectionColorTo = clNone,
            .GridLineColor = 0xE6E6E6,
            .GridFixedLineColor = ChangeColorByPercent(foreground, -20),
            .ButtonColor = background,
            .ButtonColorHot = Tones.Hover.BrushColor,
            .ButtonColorDown = Tones.Selected.BrushColor,
            .ButtonBorderColor = Tones.Background.BorderColor,
            .ComboBorderColor = background,
            .DatePickerBorderColor = background,
            .FooterColor = foreground,
            .SearchFooterColor = foreground,
            .SearchFooterColorTo = foreground};
}

}  // namespace gw
