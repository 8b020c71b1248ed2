// Colour conversions and the table of colour names.
#include "platform/graphics/colour.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <array>
#include <cstdio>

namespace gw {

namespace {

// The classic ("Windows Standard") desktop scheme, indexed by system colour number.
constexpr std::array<TColor, COLOR_ENDCOLORS + 1> kSysColors = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),  // background
    RGB(10, 36, 106),  // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),  // window frame
    RGB(0, 0, 0),  // menu text
    RGB(0, 0, 0),  // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // app workspace
    RGB(10, 36, 106),  // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),  // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),  // 3D dark shadow
    RGB(212, 208, 200),  // 3D light
    RGB(0, 0, 0),  // info text
    RGB(255, 255, 225),  // info background
    RGB(0, 0, 0),  // (unused)
    RGB(0, 0, 128),  // hot light
    RGB(166, 202, 240),  // gradient active caption
    RGB(192, 192, 192),  // gradient inactive caption
    RGB(10, 36, 106),  // menu highlight
    RGB(212, 208, 200),  // menu bar
};

struct NamedColour {
    TColor value;
    const char* name;
};

// Order matters where two names share a value: the first is the one ColorToIdent gives.
constexpr NamedColour kNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
};

bool SameAsciiNoCase(StringView a, const char* b)
{
    size_t i = 0;
    for (; b[i] != 0; ++i) {
        if (i >= a.size()) return false;
        auto lower = [](char32_t c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
        if (lower(a[i]) != lower(static_cast<unsigned char>(b[i]))) return false;
    }
    return i == a.size();
}

int HexDigit(Char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Integer text as the runtime reads it: optional sign, decimal or "$"/"0x" hex, 32 bits.
bool ParseInteger(StringView s, Integer& value)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size()) return false;
    uint64_t v = 0;
    for (; i < s.size(); ++i) {
        int d = HexDigit(s[i]);
        if (d < 0 || d >= base) return false;
        v = v * base + d;
        if (v > 0xFFFFFFFFull) return false;
    }
    if (base == 10 && v > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
    value = static_cast<Integer>(negative ? uint32_t(0) - uint32_t(v) : uint32_t(v));
    return true;
}

}  // namespace

TColor GetSysColor(Integer Index)
{
    if (Index < 0 || Index > COLOR_ENDCOLORS) return clBlack;
    return kSysColors[Index];
}

TColor ColorToRGB(TColor Color)
{
    if ((static_cast<uint32_t>(Color) & 0xFF000000u) == 0xFF000000u) return GetSysColor(Color & 0xFF);
    return Color;
}

bool ColorToIdent(Integer Color, String& Ident)
{
    for (const auto& n : kNames) {
        if (n.value == Color) {
            Ident = S(n.name);
            return true;
        }
    }
    return false;
}

bool IdentToColor(StringView Ident, Integer& Color)
{
    for (const auto& n : kNames) {
        if (SameAsciiNoCase(Ident, n.name)) {
            Color = n.value;
            return true;
        }
    }
    return false;
}

String ColorToString(TColor Color)
{
    String ident;
    if (ColorToIdent(Color, ident)) return ident;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%.8X", static_cast<uint32_t>(Color));
    return S(buf);
}

TColor StringToColor(StringView Str)
{
    Integer value = 0;
    if (IdentToColor(Str, value)) return value;
    if (ParseInteger(Str, value)) return value;
    throw EConvertError(u"'" + String(Str) + u"' is not a valid integer value");
}

}  // namespace gw
