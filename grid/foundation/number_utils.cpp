// Character tests and number-text routines of the grid's cells.
#include "grid/foundation/number_utils.h"

#include "grid/foundation/text_utils.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace gw {

namespace {

struct TUnitRange {
    Char First;
    Char Last;
};

// The UTF-16 units of the general categories Nd, Nl and No (Unicode 14), in ascending order.
constexpr std::array<TUnitRange, 67> kNumberRanges{{
    {0x0030, 0x0039}, {0x00B2, 0x00B3}, {0x00B9, 0x00B9}, {0x00BC, 0x00BE}, {0x0660, 0x0669}, {0x06F0, 0x06F9},
    {0x07C0, 0x07C9}, {0x0966, 0x096F}, {0x09E6, 0x09EF}, {0x09F4, 0x09F9}, {0x0A66, 0x0A6F}, {0x0AE6, 0x0AEF},
    {0x0B66, 0x0B6F}, {0x0B72, 0x0B77}, {0x0BE6, 0x0BF2}, {0x0C66, 0x0C6F}, {0x0C78, 0x0C7E}, {0x0CE6, 0x0CEF},
    {0x0D58, 0x0D5E}, {0x0D66, 0x0D78}, {0x0DE6, 0x0DEF}, {0x0E50, 0x0E59}, {0x0ED0, 0x0ED9}, {0x0F20, 0x0F33},
    {0x1040, 0x1049}, {0x1090, 0x1099}, {0x1369, 0x137C}, {0x16EE, 0x16F0}, {0x17E0, 0x17E9}, {0x17F0, 0x17F9},
    {0x1810, 0x1819}, {0x1946, 0x194F}, {0x19D0, 0x19DA}, {0x1A80, 0x1A89}, {0x1A90, 0x1A99}, {0x1B50, 0x1B59},
    {0x1BB0, 0x1BB9}, {0x1C40, 0x1C49}, {0x1C50, 0x1C59}, {0x2070, 0x2070}, {0x2074, 0x2079}, {0x2080, 0x2089},
    {0x2150, 0x2182}, {0x2185, 0x2189}, {0x2460, 0x249B}, {0x24EA, 0x24FF}, {0x2776, 0x2793}, {0x2CFD, 0x2CFD},
    {0x3007, 0x3007}, {0x3021, 0x3029}, {0x3038, 0x303A}, {0x3192, 0x3195}, {0x3220, 0x3229}, {0x3248, 0x324F},
    {0x3251, 0x325F}, {0x3280, 0x3289}, {0x32B1, 0x32BF}, {0xA620, 0xA629}, {0xA6E6, 0xA6EF}, {0xA830, 0xA835},
    {0xA8D0, 0xA8D9}, {0xA900, 0xA909}, {0xA9D0, 0xA9D9}, {0xA9F0, 0xA9F9}, {0xAA50, 0xAA59}, {0xABF0, 0xABF9},
    {0xFF10, 0xFF19},
}};

bool IsExponentChar(Char C) { return C == u'e' || C == u'E'; }
bool IsAsciiDigit(Char C) { return C >= u'0' && C <= u'9'; }

}  // namespace

bool IsNumberChar(Char C)
{
    if (C < 0x80) return IsAsciiDigit(C);
    auto it = std::upper_bound(kNumberRanges.begin(), kNumberRanges.end(), C,
                               [](Char c, const TUnitRange& r) { return c < r.First; });
    return it != kNumberRanges.begin() && C <= std::prev(it)->Last;
}

bool IsNumberOrMinusChar(Char C) { return IsNumberChar(C) || C == u'-'; }

bool IsNumberPartChar(Char C)
{
    return IsNumberChar(C) || C == GetThousandSeparatorChar() || C == GetDecimalSeparatorChar() || IsExponentChar(C);
}

bool IsSignedNumberPartChar(Char C) { return IsNumberPartChar(C) || C == u'+' || C == u'-'; }

bool IsPlainNumberChar(Char C) { return IsNumberChar(C) || C == u'-' || C == u'.' || IsExponentChar(C) || C == u'+'; }

bool IsWordBreakChar(Char C) { return C == u' ' || C == u'\'' || C == u',' || C == u'-' || C == u'.'; }

bool IsRangeSeparator(Char C) { return C == u',' || C == u'-' || C == u';'; }

Integer HexDigitValue(Char C)
{
    if (IsAsciiDigit(C)) return C - u'0';
    if (C >= u'A' && C <= u'F') return C - u'A' + 10;
    if (C >= u'a' && C <= u'f') return C - u'a' + 10;
    return 0;
}

String CleanNumberText(StringView Text)
{
    if (Text.empty()) return {};
    bool negative = Text.front() == u'(' && Text.back() == u')';
    while (Text.size() >= 2 && !IsNumberPartChar(Text.front())) {
        if (Text.front() == u'-') negative = true;
        Text.remove_prefix(1);
    }
    const Char thousand = GetThousandSeparatorChar();
    const Char decimal = GetDecimalSeparatorChar();
    String result;
    for (Char c : Text) {
        if (c == thousand) continue;
        if (c == decimal)
            result += u'.';
        else if (IsPlainNumberChar(c))
            result += c;
        else
            break;
    }
    if (negative) result.insert(result.begin(), u'-');
    return result;
}

String NumberTextToInvariant(StringView Text)
{
    const Char thousand = GetThousandSeparatorChar();
    const Char decimal = GetDecimalSeparatorChar();
    String result;
    result.reserve(Text.size());
    for (Char c : Text) {
        if (c == decimal)
            result += u'.';
        else if (c != thousand)
            result += c;
    }
    return result;
}

String RemoveThousandSeparators(StringView Text)
{
    const Char thousand = GetThousandSeparatorChar();
    String result;
    for (Char c : Text)
        if (c != thousand) result += c;
    return result;
}

TNumberTextClass ClassifyNumberText(StringView Text)
{
    if (Text.empty()) return ntNotANumber;
    const Char thousand = GetThousandSeparatorChar();
    const Char decimal = GetDecimalSeparatorChar();
    const size_t n = Text.size();
    bool integerOk = true, decimalOk = true, scientificOk = true, exponent = false;
    Integer minusCount = 0, decimalCount = 0;
    size_t lastThousand = 0;  // 1-based; 0 = none yet
    for (size_t i = 1; i <= n; ++i) {
        const Char c = Text[i - 1];
        if (!IsNumberOrMinusChar(c)) integerOk = false;
        if (IsExponentChar(c)) {
            if (exponent) scientificOk = false;
            exponent = true;
        }
        if (i > 1 && c == u'-') integerOk = decimalOk = false;
        if (i == 1 && IsExponentChar(c)) scientificOk = false;
        if (i == n && (IsExponentChar(c) || c == u'+' || c == u'-')) scientificOk = false;
        if (!IsNumberChar(c) && c != u'-' && c != thousand && c != decimal) decimalOk = false;
        if (!IsSignedNumberPartChar(c) || c == thousand) scientificOk = false;
        if (c == thousand) {
            if (lastThousand != 0 && i - lastThousand < 4) decimalOk = false;
            lastThousand = i;
        }
        if (c == decimal) ++decimalCount;
        if (c == u'-') ++minusCount;
    }
    TNumberTextClass result = ntNotANumber;
    if (integerOk) {
        result = ntInteger;
    } else if (decimalOk && !exponent) {
        result = ntDecimal;
    } else if (scientificOk && exponent) {
        result = ntScientific;
        if (minusCount == 2)  // the mantissa's sign and the exponent's
            minusCount = 1;
    }
    if (minusCount > 1 || decimalCount > 1) return ntNotANumber;
    return result;
}

namespace ExtDropDown {

TNumberTextClass ClassifyNumberText(StringView Text)
{
    if (Text.empty()) return ntNotANumber;
    const Char thousand = GetThousandSeparatorChar();
    const Char decimal = GetDecimalSeparatorChar();
    bool integerOk = true, decimalOk = true, hexOk = true;
    Integer minusCount = 0, decimalCount = 0;
    size_t lastThousand = 0;  // 1-based; 0 = none yet
    for (size_t i = 1; i <= Text.size(); ++i) {
        const Char c = Text[i - 1];
        const bool digit = IsAsciiDigit(c);
        if (!digit && c != u'-') integerOk = false;
        if (!digit && c != u'-' && c != u',' && c != u'.') decimalOk = false;
        if (c == thousand) {
            if (i == 1 || (lastThousand != 0 && i - lastThousand < 3)) decimalOk = false;
            lastThousand = i;
        }
        if (!digit && c != u'-' && !(c >= u'A' && c <= u'F') && !(c >= u'a' && c <= u'f')) hexOk = false;
        if (c == u'-') ++minusCount;
        if (c == decimal) ++decimalCount;
    }
    if (minusCount > 1 || decimalCount > 1) return ntNotANumber;
    if (integerOk) return ntInteger;
    if (decimalOk) return ntDecimal;
    return hexOk ? ntHexadecimal : ntNotANumber;
}

}  // namespace ExtDropDown

Integer HexTextToInt(StringView Text)
{
    uint32_t result = 0;
    uint32_t weight = 1;
    for (size_t i = Text.size(); i-- > 0;) {
        result += static_cast<uint32_t>(HexDigitValue(Text[i])) * weight;
        weight *= 16u;
    }
    return static_cast<Integer>(result);
}

String ColorToHex(TColor Color)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    const auto value = static_cast<uint32_t>(Color);
    String result;
    for (int shift : {0, 8, 16}) {
        const uint32_t byte = (value >> shift) & 0xFFu;
        result += kDigits[byte >> 4];
        result += kDigits[byte & 0xFu];
    }
    return result;
}

}  // namespace gw
