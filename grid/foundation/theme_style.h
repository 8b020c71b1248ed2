// The style vocabulary that styled controls share: styles, office themes, colour tones and the
// interfaces through which a style or a tone set is applied.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/ui/messages.h"

namespace gw {

enum TZEQStyle : uint8_t {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black,
};

enum TOfficeTheme : uint8_t {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown,
};

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
    friend bool operator==(const TColorTone&, const TColorTone&) = default;
};

// The button faces take normal, hot, pressed and disabled colours from Background, Hover,
// Selected and Disabled.
struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
    friend bool operator==(const TColorTones&, const TColorTones&) = default;
};

// Implemented by every styled control (the grid, the drop-down controls).
class IZEQStyle {
public:
    virtual void SetComponentStyle(TZEQStyle AStyle) = 0;

protected:
    ~IZEQStyle() = default;
};

// Implemented by the controls that accept a tone set.
class IZEQTones {
public:
    virtual void SetColorTones(const TColorTones& ATones) = 0;

protected:
    ~IZEQTones() = default;
};

// Sent (blocking) to the registered windows when the office theme changes; the parameters are
// the watched registry root and key path, which receivers do not use: they re-read the theme.
constexpr UINT WM_OFFICETHEMECHANGE = 2993;

}  // namespace gw
