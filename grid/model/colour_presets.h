// The grid's colour presets as data: the sixteen office and Windows styles, the XP colour
// schemes, the style that follows an office theme, and the flat look built from colour tones.
//
// Each function maps the colours a grid has to the colours it has after the preset, so that the
// grid's SetStyle, SetTheme and SetColorTones only write the result into their properties (a
// property's own setter may still convert, as ZEQGradientFrom turns system colours into RGB).
#pragma once

#include "grid/foundation/base_grid.h"
#include "grid/foundation/theme_style.h"
#include "grid/model/grid_look.h"
#include "platform/graphics/colour.h"

#include <optional>

namespace gw {

// Lists the same sixteen styles as TZEQStyle, in the same order: they convert by ordinal.
enum TExtGridStyle : uint8_t {
    gsOffice2003Blue,
    gsOffice2003Silver,
    gsOffice2003Olive,
    gsOffice2003Classic,
    gsOffice2007Luna,
    gsOffice2007Obsidian,
    gsWindowsXP,
    gsWhidbey,
    gsCustom,
    gsOffice2007Silver,
    gsWindowsVista,
    gsWindows7,
    gsTerminal,
    gsOffice2010Blue,
    gsOffice2010Silver,
    gsOffice2010Black,
};

// The desktop's XP colour schemes, numbered as the theme detection reports them.
enum TXPColorScheme : uint8_t { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

// The gradient of one state of the fixed cells.
struct TFixedGradient {
    TColor From = clNone;
    TColor To = clNone;
    TColor MirrorFrom = clNone;
    TColor MirrorTo = clNone;
    TColor Border = clNone;
    friend bool operator==(const TFixedGradient&, const TFixedGradient&) = default;
};

// Every property the style and theme presets write, as the grid holds it.
struct TStyleColours {
    TGridLook Look = glXP;
    // ZEQGradientFrom, To, MirrorFrom, MirrorTo (the normal state has no border colour).
    TFixedGradient Normal;
    // ZEQGradientHover... and ZEQGradientDown...
    TFixedGradient Hover;
    TFixedGradient Down;
    TColor ActiveCellColor = clNone;
    TColor ActiveCellColorTo = clNone;
    TColor SelectionColor = clHighlight;
    TColor SelectionColorTo = clNone;
    TColor SelectionTextColor = clHighlightText;
    TGridSelectionStyle SelectionStyle = ssDefault;
    TColor GridLineColor = clSilver;
    TColor GridFixedLineColor = clGray;
    // SortSettings.HeaderColor, HeaderColorTo, HeaderMirrorColor, HeaderMirrorColorTo.
    TColor SortHeaderColor = clNone;
    TColor SortHeaderColorTo = clNone;
    TColor SortHeaderMirrorColor = clNone;
    TColor SortHeaderMirrorColorTo = clNone;
    // SearchFooter.Color and ColorTo.
    TColor SearchFooterColor = clNone;
    TColor SearchFooterColorTo = clNone;
    // ControlLook.FixedGradientFrom and FixedGradientTo.
    TColor LookGradientFrom = clNone;
    TColor LookGradientTo = clNone;
    friend bool operator==(const TStyleColours&, const TStyleColours&) = default;
};

// One style's values; nullopt leaves what the grid has (or, for the selection colours, what the
// common first step set).
struct TStylePreset {
    std::optional<TGridLook> Look = std::nullopt;
    std::optional<TColor> GradientFrom = std::nullopt;
    std::optional<TColor> GradientTo = std::nullopt;
    std::optional<TColor> GradientMirrorFrom = std::nullopt;
    std::optional<TColor> GradientMirrorTo = std::nullopt;
    std::optional<TColor> ActiveCellColor = std::nullopt;
    std::optional<TColor> ActiveCellColorTo = std::nullopt;
    std::optional<TColor> SelectionColor = std::nullopt;
    std::optional<TColor> SelectionColorTo = std::nullopt;
    std::optional<TColor> SelectionTextColor = std::nullopt;
    TGridSelectionStyle SelectionStyle = ssDefault;
    std::optional<TColor> GridLineColor = std::nullopt;
    std::optional<TColor> GridFixedLineColor = std::nullopt;
    // nullopt: From, To and Border kept, the mirrors none.
    std::optional<TFixedGradient> Hover = std::nullopt;
    std::optional<TFixedGradient> Down = std::nullopt;
    TColor SortHeaderColor = clNone;
    TColor SortHeaderColorTo = clNone;
    TColor SortHeaderMirrorColor = clNone;
    TColor SortHeaderMirrorColorTo = clNone;
    // The search footer takes the gradient's From and MirrorTo.
    bool SearchFooterFollows = true;
    // The control look's fixed gradient takes the style's From and To (else none).
    bool LookGradient = false;
};

const TStylePreset& StylePreset(TExtGridStyle Style);

// SetStyle: the common first step (default selection, no sort-header colours, the control look's
// colours re-initialised, so the hover and pressed mirrors become none), then the style's values.
TStyleColours ApplyStyle(TStyleColours Grid, TExtGridStyle Style);

// SetTheme: the fixed-cell gradient, active cell and search footer of an XP colour scheme (any
// value outside the enumeration counts as xpNone); the rest stays.
TStyleColours ApplyTheme(TStyleColours Grid, TXPColorScheme Scheme);

// The style an office theme calls for; nullopt for otUnknown.
std::optional<TZEQStyle> OfficeThemeStyle(TOfficeTheme Theme);

// What SetColorTones derives from the five tones.
struct TColorTonesLook {
    TColor FixedColor = clNone;
    TColor FixedFontColor = clNone;
    TColor Color = clNone;
    TColor FontColor = clNone;
    TColor SelectionColor = clNone;
    TColor SelectionTextColor = clNone;
    TColor SelectionColorTo = clNone;
    TColor GridLineColor = clNone;
    TColor GridFixedLineColor = clNone;
    // The in-place editors' buttons: normal, hot, pressed and border colours; the combo editor's
    // border and the date picker's border.
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ComboBorderColor = clNone;
    TColor DatePickerBorderColor = clNone;
    // FloatingFooter.Color, SearchFooter.Color and SearchFooter.ColorTo.
    TColor FooterColor = clNone;
    TColor SearchFooterColor = clNone;
    TColor SearchFooterColorTo = clNone;
    friend bool operator==(const TColorTonesLook&, const TColorTonesLook&) = default;
};

TColorTonesLook ColorTonesLook(const TColorTones& Tones);

}  // namespace gw
