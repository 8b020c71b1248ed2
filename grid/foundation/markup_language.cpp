// Tables and small readers of the cell mark-up language.
#include "grid/foundation/markup_language.h"

#include "grid/foundation/number_utils.h"
#include "grid/foundation/text_utils.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/strings.h"

#include <cstdint>

namespace gw {

namespace {

TMarkupTag RecognizeClosing(Char First, Char Second)
{
    switch (First) {
    case u'B': return Second == u'>' ? TMarkupTag::mtBoldOff : TMarkupTag::mtFontColorOff;
    case u'I': return TMarkupTag::mtItalicOff;
    case u'U': return Second == u'>' ? TMarkupTag::mtUnderlineOff : TMarkupTag::mtListClose;
    case u'L': return TMarkupTag::mtListItemOff;
    case u'S':
        if (Second == u'H') return TMarkupTag::mtShadowOff;
        return Second == u'U' ? TMarkupTag::mtSubSupOff : TMarkupTag::mtStrikeOff;
    case u'F': return TMarkupTag::mtFontOff;
    case u'A': return TMarkupTag::mtAnchorOff;
    case u'P': return TMarkupTag::mtParagraphOff;
    case u'H': return TMarkupTag::mtHighlightOff;
    case u'E': return TMarkupTag::mtErrorOff;
    case u'R': return TMarkupTag::mtRotateOff;
    case u'Z': return TMarkupTag::mtHiddenOff;
    default: return TMarkupTag::mtUnknown;
    }
}

TMarkupTag RecognizeOpening(const String& Tag, Char First, Char Second)
{
    switch (First) {
    case u'B':
        switch (Second) {
        case u'>': return TMarkupTag::mtBold;
        case u'R': return TMarkupTag::mtBreak;
        case u'L': return TMarkupTag::mtBlink;
        case u'O': return TMarkupTag::mtBody;
        default: return TMarkupTag::mtUnknown;
        }
    case u'I':
        switch (Second) {
        case u'>': return TMarkupTag::mtItalic;
        case u'N': return TMarkupTag::mtIndent;
        case u'M': return TMarkupTag::mtImage;
        default: return TMarkupTag::mtUnknown;
        }
    case u'U': return Second == u'>' ? TMarkupTag::mtUnderline : TMarkupTag::mtListOpen;
    case u'L': return TMarkupTag::mtListItem;
    case u'S':
        if (Second == u'>') return TMarkupTag::mtStrike;
        if (Second == u'H') return TMarkupTag::mtShadow;
        if (Tag.starts_with(u"<SUB>")) return TMarkupTag::mtSubscript;
        if (Tag.starts_with(u"<SUP>")) return TMarkupTag::mtSuperscript;
        return TMarkupTag::mtUnknown;
    case u'F': return TMarkupTag::mtFont;
    case u'A': return TMarkupTag::mtAnchor;
    case u'P': return TMarkupTag::mtParagraph;
    case u'H':
        if (Second == u'R') return TMarkupTag::mtRule;
        return Second == u'I' ? TMarkupTag::mtHighlight : TMarkupTag::mtUnknown;
    case u'E': return TMarkupTag::mtError;
    case u'R': return TMarkupTag::mtRotate;
    case u'Z': return TMarkupTag::mtHidden;
    case u'C': return TMarkupTag::mtControl;
    default: return TMarkupTag::mtUnknown;
    }
}

bool IsDecimalDigit(Char C) { return C >= u'0' && C <= u'9'; }

bool IsHexDigit(Char C) { return IsDecimalDigit(C) || (C >= u'A' && C <= u'F') || (C >= u'a' && C <= u'f'); }

constexpr TMarkupEntity kRendererEntities[] = {
    {u"&amp;", u'&'},       {u"&quot;", u'"'},      {u"&sect;", u'\u00A7'}, {u"&permil;", u'\u2030'},
    {u"&reg;", u'\u00AE'},  {u"&copy;", u'\u00A9'}, {u"&para;", u'\u00B6'}, {u"&trade;", u'\u2122'},
    {u"&euro;", u'\u20AC'}, {u"&nbsp;", u'\u00A0'}, {u"&lt;", u'<'},        {u"&gt;", u'>'},
};

constexpr TMarkupEntity kConversionEntities[] = {
    {u"&eacute;", u'\u00E9'}, {u"&egrave;", u'\u00E8'}, {u"&euml;", u'\u00EB'},   {u"&ecirc;", u'\u00EA'},
    {u"&oacute;", u'\u00F3'}, {u"&ograve;", u'\u00F2'}, {u"&ouml;", u'\u00F6'},   {u"&ocirc;", u'\u00F4'},
    {u"&iacute;", u'\u00ED'}, {u"&igrave;", u'\u00EC'}, {u"&iuml;", u'\u00EF'},   {u"&icirc;", u'\u00EE'},
    {u"&uacute;", u'\u00FA'}, {u"&ugrave;", u'\u00F9'}, {u"&uuml;", u'\u00FC'},   {u"&ucirc;", u'\u00FB'},
    {u"&aacute;", u'\u00E1'}, {u"&agrave;", u'\u00E0'}, {u"&auml;", u'\u00E4'},   {u"&acirc;", u'\u00E2'},
    {u"&Eacute;", u'\u00C9'}, {u"&Egrave;", u'\u00C8'}, {u"&Euml;", u'\u00CB'},   {u"&Ecirc;", u'\u00CA'},
    {u"&Oacute;", u'\u00D3'}, {u"&Ograve;", u'\u00D2'}, {u"&Ouml;", u'\u00D6'},   {u"&Ocirc;", u'\u00D4'},
    {u"&Iacute;", u'\u00CD'}, {u"&Igrave;", u'\u00CC'}, {u"&Iuml;", u'\u00CF'},   {u"&Icirc;", u'\u00CE'},
    {u"&Uacute;", u'\u00DA'}, {u"&Ugrave;", u'\u00D9'}, {u"&Uuml;", u'\u00DC'},   {u"&Ucirc;", u'\u00DB'},
    {u"&Aacute;", u'\u00C1'}, {u"&Agrave;", u'\u00C0'}, {u"&Auml;", u'\u00C4'},   {u"&Acirc;", u'\u00C2'},
    {u"&ccedil;", u'\u00E7'}, {u"&Ccedil;", u'\u00C7'}, {u"&oslash;", u'\u00F8'}, {u"&Oslash;", u'\u00D8'},
    {u"&aring;", u'\u00E5'},  {u"&Aring;", u'\u00C5'},  {u"&copy;", u'\u00A9'},   {u"&reg;", u'\u00AE'},
    {u"&euro;", u'\u20AC'},   {u"&laquo;", u'\u00AB'},  {u"&raquo;", u'\u00BB'},
};
static_assert(std::size(kConversionEntities) == 51);

constexpr TMarkupColorName kColorNames[] = {
    {u"clred", TColorOf(0x0000FF)},
    {u"clblack", TColorOf(0x000000)},
    {u"clblue", TColorOf(0xFF0000)},
    {u"clgreen", TColorOf(0x008000)},
    {u"claqua", TColorOf(0xFFFF00)},
    {u"clyellow", TColorOf(0x00FFFF)},
    {u"clfuchsia", TColorOf(0xFF00FF)},
    {u"clwhite", TColorOf(0xFFFFFF)},
    {u"cllime", TColorOf(0x00FF00)},
    {u"clsilver", TColorOf(0xC0C0C0)},
    {u"clgray", TColorOf(0x808080)},
    {u"clolive", TColorOf(0x008080)},
    {u"clnavy", TColorOf(0x800000)},
    {u"clpurple", TColorOf(0x800080)},
    {u"clteal", TColorOf(0x808000)},
    {u"clmaroon", TColorOf(0x000080)},
    {u"clbackground", TColorOf(0xFF000001)},
    {u"clactivecaption", TColorOf(0xFF000002)},
    {u"clinactivecaption", TColorOf(0xFF000003)},
    {u"clmenu", TColorOf(0xFF000004)},
    {u"clwindow", TColorOf(0xFF000005)},
    {u"clwindowframe", TColorOf(0xFF000006)},
    {u"clmenutext", TColorOf(0xFF000007)},
    {u"clwindowtext", TColorOf(0xFF000008)},
    {u"clcaptiontext", TColorOf(0xFF000009)},
    {u"clactiveborder", TColorOf(0xFF00000A)},
    {u"clinactiveborder", TColorOf(0xFF00000B)},
    {u"clappworkspace", TColorOf(0xFF00000C)},
    {u"clhighlight", TColorOf(0xFF00000D)},
    {u"clhighlighttext", TColorOf(0xFF00000E)},
    {u"clbtnface", TColorOf(0xFF00000F)},
    {u"clbtnshadow", TColorOf(0xFF000010)},
    {u"clgraytext", TColorOf(0xFF000011)},
    {u"clbtntext", TColorOf(0xFF000012)},
    {u"clinactivecaptiontext", TColorOf(0xFF000013)},
    {u"clbtnhighlight", TColorOf(0xFF000014)},
    {u"cl3ddkshadow", TColorOf(0xFF000015)},
    {u"cl3dlight", TColorOf(0xFF000016)},
    {u"clinfotext", TColorOf(0xFF000017)},
    {u"clinfobk", TColorOf(0xFF000018)},
};

}  // namespace

TMarkupTag RecognizeMarkupTag(StringView Tag)
{
    // Only the first five units decide ("<SUB>"), so only they are upper-cased.
    const String t = UpperCaseKeepLength(Tag.substr(0, 5));
    auto at = [&](size_t i) -> Char { return i < t.size() ? t[i] : Char(0); };
    if (at(0) != u'<') return TMarkupTag::mtUnknown;
    if (at(1) == u'/' && Tag.size() >= 4) return RecognizeClosing(at(2), at(3));
    return RecognizeOpening(t, at(1), at(2));
}

namespace {

// First position of Name in the upper-cased tag outside quoted values, so that a value holding
// text such as "TYPE=" is never taken for an attribute of its own.
size_t FindAttributeName(StringView UpperTag, StringView UpperName)
{
    bool quoted = false;
    for (size_t i = 0; i + UpperName.size() <= UpperTag.size(); ++i) {
        if (!quoted && UpperTag.substr(i, UpperName.size()) == UpperName) return i;
        if (UpperTag[i] == u'"') quoted = !quoted;
    }
    return StringView::npos;
}

}  // namespace

bool GetMarkupAttribute(StringView Tag, StringView Name, String& Value)
{
    return GetMarkupAttribute(Tag, UpperCaseKeepLength(Tag), Name, Value);
}

bool GetMarkupAttribute(StringView Tag, StringView UpperTag, StringView Name, String& Value)
{
    const String upperName = UpperCaseKeepLength(Name);
    const size_t at = FindAttributeName(UpperTag, upperName);
    if (at == StringView::npos || Name.empty()) return false;
    Value.clear();
    const size_t open = Tag.find(u'"', at + Name.size());
    if (open == StringView::npos) return true;
    const size_t close = Tag.find(u'"', open + 1);
    if (close == StringView::npos) return true;
    Value = String(Tag.substr(open + 1, close - open - 1));
    return true;
}

Integer MarkupNumber(StringView Value)
{
    Integer whole = 0;
    if (TryStrToInt(Value, whole)) return whole;
    size_t i = 0;
    while (i < Value.size() && Value[i] == u' ') ++i;
    int base = 10;
    if (i < Value.size() && (Value[i] == u'$' || Value[i] == u'x' || Value[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < Value.size() && Value[i] == u'0' && (Value[i + 1] | 0x20) == u'x') {
        base = 16;
        i += 2;
    }
    int64_t result = 0;
    for (; i < Value.size(); ++i) {
        const Char c = Value[i];
        if (base == 10 ? !IsDecimalDigit(c) : !IsHexDigit(c)) break;
        if (result <= INT32_MAX)  // saturate instead of overflowing on absurd lengths
            result = result * base + HexDigitValue(c);
    }
    return static_cast<Integer>(result > INT32_MAX ? INT32_MAX : result);
}

bool MarkupStrictNumber(StringView Value, Integer& Number) { return TryStrToInt(Value, Number); }

bool MarkupColorByName(StringView Name, TColor& Color)
{
    for (const auto& entry : kColorNames) {
        if (AnsiSameText(entry.Name, Name)) {
            Color = entry.Color;
            return true;
        }
    }
    return false;
}

namespace {

TColor HexColor(StringView Value)
{
    // "#RRGGBB": a missing or bad digit counts as 0, since mark-up never reports errors.
    auto digit = [&](size_t i) { return i < Value.size() ? HexDigitValue(Value[i]) : 0; };
    const uint32_t red = static_cast<uint32_t>(digit(1) * 16 + digit(2));
    const uint32_t green = static_cast<uint32_t>(digit(3) * 16 + digit(4));
    const uint32_t blue = static_cast<uint32_t>(digit(5) * 16 + digit(6));
    return TColorOf(red | green << 8 | blue << 16);
}

TColor NamedColor(StringView Value)
{
    TColor color = TColorOf(0);
    MarkupColorByName(Value, color);
    return color;
}

}  // namespace

TColor MarkupColor(StringView Value)
{
    if (!Value.empty() && Value.front() == u'#') return HexColor(Value);
    return NamedColor(Value);
}

bool MarkupBodyColor(StringView Value, TColor& Color)
{
    const String upper = UpperCaseKeepLength(Value);
    if (Pos(u"CL", upper) > 0) {
        Color = NamedColor(Value);
        return true;
    }
    if (const Integer hash = Pos(u"#", upper); hash > 0) {
        Color = HexColor(Value.substr(static_cast<size_t>(hash) - 1));
        return true;
    }
    return false;
}

Integer MarkupFontSize(Integer Size)
{
    if (Size >= 1 && Size <= 5) return 6 + 2 * Size;
    return Size;
}

namespace {

TMarkupHighlightColors& HighlightColors()
{
    static TMarkupHighlightColors colors;
    return colors;
}

}  // namespace

TMarkupHighlightColors MarkupHighlightColors() { return HighlightColors(); }

void SetMarkupHighlightColors(TColor Background, TColor Text) { HighlightColors() = {Background, Text}; }

std::span<const TMarkupEntity> MarkupRendererEntities() { return kRendererEntities; }
std::span<const TMarkupEntity> MarkupConversionEntities() { return kConversionEntities; }
std::span<const TMarkupColorName> MarkupColorNames() { return kColorNames; }

}  // namespace gw
