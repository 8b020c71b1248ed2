// Number <-> text conversions: the one integer parser of the program, float digits and pictures.
#include "platform/runtime/convert.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace gw {

namespace {

// ---- integers ---------------------------------------------------------------------------

int hexValue(Char c)
{
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Parses S into a value of `bits` width (32 or 64). Returns false on any deviation from the
// accepted form or when the value does not fit.
bool parseInteger(StringView s, int bits, Int64& result)
{
    size_t i = 0;
    while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < s.size() && s[i] == u'$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == s.size()) return false;
    const uint64_t typeMax = bits == 32 ? 0xFFFFFFFFull : ~0ull;  // widest bit pattern
    const uint64_t posMax = typeMax >> 1;  // largest positive value
    const uint64_t negMax = posMax + 1;  // magnitude of the minimum
    const uint64_t limit = negative ? negMax : (hex ? typeMax : posMax);
    const unsigned base = hex ? 16 : 10;
    uint64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        const int d = hexValue(s[i]);
        if (d < 0 || static_cast<unsigned>(d) >= base) return false;
        if (magnitude > (limit - static_cast<unsigned>(d)) / base) return false;
        magnitude = magnitude * base + static_cast<unsigned>(d);
    }
    uint64_t pattern = negative ? (~magnitude + 1) : magnitude;
    if (bits == 32)
        result = static_cast<int32_t>(static_cast<uint32_t>(pattern));
    else
        result = static_cast<Int64>(pattern);
    return true;
}

[[noreturn]] void invalidInteger(StringView s)
{
    throw EConvertError(u"'" + String(s) + u"' is not a valid integer value");
}

String hexDigits(uint64_t value, Integer digits)
{
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    String out;
    do {
        out.insert(out.begin(), kHex[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (digits > static_cast<Integer>(out.size())) out.insert(0, static_cast<size_t>(digits) - out.size(), u'0');
    return out;
}

// ---- float digits -----------------------------------------------------------------------

constexpr int kMaxDigits = 15;

// value = 0.<digits> x 10^exponent; digits has no trailing zeros, and is empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

void stripTrailingZeros(Decimal& d)
{
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.exponent = 0;
}

Decimal toDecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0) return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", kMaxDigits - 1, std::fabs(value));
    const std::string text(buf);
    const size_t e = text.find('e');
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.exponent = std::stoi(text.substr(e + 1)) + 1;
    stripTrailingZeros(d);
    return d;
}

// Keeps `keep` significant digits, rounding the decimal half away from zero.
void roundDigits(Decimal& d, int keep)
{
    if (static_cast<int>(d.digits.size()) <= keep) return;
    if (keep < 0) {
        d.digits.clear();
        stripTrailingZeros(d);
        return;
    }
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') d.digits[static_cast<size_t>(i--)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    stripTrailingZeros(d);
}

char digitAt(const Decimal& d, int index)
{
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(index)] : '0';
}

std::string exponentText(int exponent, int minDigits, bool plusSign)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
    if (exponent < 0) return "-" + digits;
    return (plusSign ? "+" : "") + digits;
}

// Integer part (grouped when asked) and exactly `decimals` fraction digits of a rounded value.
String fixedText(const Decimal& d, int decimals, bool grouped)
{
    const auto& fs = FormatSettings;
    String out;
    if (d.exponent <= 0) {
        out += u'0';
    } else {
        for (int i = 0; i < d.exponent; ++i) {
            if (grouped && i > 0 && (d.exponent - i) % 3 == 0) out += fs.ThousandSeparator;
            out += static_cast<Char>(digitAt(d, i));
        }
    }
    if (decimals > 0) {
        out += fs.DecimalSeparator;
        for (int i = 0; i < decimals; ++i) out += static_cast<Char>(digitAt(d, d.exponent + i));
    }
    return out;
}

String generalText(Decimal d, int precision, int expDigits)
{
    roundDigits(d, precision);
    if (d.digits.empty()) return u"0";
    String out = d.negative ? u"-" : u"";
    if (d.exponent > precision || d.exponent < -3) {
        out += static_cast<Char>(d.digits[0]);
        if (d.digits.size() > 1) {
            out += FormatSettings.DecimalSeparator;
            out += Utf8ToString(d.digits.substr(1));
        }
        return out + u"E" + Utf8ToString(exponentText(d.exponent - 1, expDigits, false));
    }
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
    return out + fixedText(d, decimals, false);
}

String exponentFormText(Decimal d, int precision, int expDigits)
{
    roundDigits(d, precision);
    String out = d.negative && !d.digits.empty() ? u"-" : u"";
    out += static_cast<Char>(digitAt(d, 0));
    if (precision > 1) out += FormatSettings.DecimalSeparator;
    for (int i = 1; i < precision; ++i) out += static_cast<Char>(digitAt(d, i));
    const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
    return out + u"E" + Utf8ToString(exponentText(exponent, expDigits, true));
}

String currencyText(const String& amount, bool negative)
{
    const auto& fs = FormatSettings;
    const String& c = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
        case 1: return amount + c;
        case 2: return c + u" " + amount;
        case 3: return amount + u" " + c;
        default: return c + amount;
        }
    }
    switch (fs.NegCurrFormat) {
    case 1: return u"-" + c + amount;
    case 2: return c + u"-" + amount;
    case 3: return c + amount + u"-";
    case 4: return u"(" + amount + c + u")";
    case 5: return u"-" + amount + c;
    case 6: return amount + u"-" + c;
    case 7: return amount + c + u"-";
    case 8: return u"-" + amount + u" " + c;
    case 9: return u"-" + c + u" " + amount;
    case 10: return amount + u" " + c + u"-";
    case 11: return c + u" " + amount + u"-";
    case 12: return c + u" -" + amount;
    case 13: return amount + u"- " + c;
    case 14: return u"(" + c + u" " + amount + u")";
    case 15: return u"(" + amount + u" " + c + u")";
    default: return u"(" + c + amount + u")";
    }
}

[[noreturn]] void invalidFloat(StringView s)
{
    throw EConvertError(u"'" + String(s) + u"' is not a valid floating point value");
}

bool parseFloat(StringView s, double& value)
{
    const Char sep = FormatSettings.DecimalSeparator;
    size_t i = 0;
    while (i < s.size() && s[i] <= u' ') ++i;
    size_t end = s.size();
    while (end > i && s[end - 1] <= u' ') --end;
    std::string ascii;
    if (i < end && (s[i] == u'+' || s[i] == u'-')) ascii += static_cast<char>(s[i++]);
    auto digits = [&](size_t& at) {
        const size_t from = at;
        while (at < end && s[at] >= u'0' && s[at] <= u'9') ascii += static_cast<char>(s[at++]);
        return at - from;
    };
    size_t mantissa = digits(i);
    if (i < end && s[i] == sep) {
        ascii += '.';
        ++i;
        mantissa += digits(i);
    }
    if (mantissa == 0) return false;
    bool negativeExponent = false;
    if (i < end && (s[i] == u'e' || s[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < end && (s[i] == u'+' || s[i] == u'-')) {
            negativeExponent = s[i] == u'-';
            ascii += static_cast<char>(s[i++]);
        }
        if (digits(i) == 0) return false;
    }
    if (i != end) return false;
    const char* first = ascii.data() + (ascii[0] == '+' ? 1 : 0);
    const auto r = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        if (!negativeExponent) return false;  // overflow: no double can hold it
        value = ascii[0] == '-' ? -0.0 : 0.0;  // underflow reads as zero
        return true;
    }
    return r.ec == std::errc() && r.ptr == ascii.data() + ascii.size();
}

// ---- picture formats --------------------------------------------------------------------

// What one section of a picture asks for.
struct Picture {
    StringView text;
    int intCount = 0;  // digit placeholders before the decimal point
    int minInt = 0;  // of which must show (from the first '0' on)
    int fracCount = 0;  // digit placeholders after the decimal point
    int minFrac = 0;  // up to and including the last '0'
    bool grouped = false;
    bool scientific = false;
    bool placeholders = false;
};

bool isExponentAt(StringView t, size_t i)
{
    return (t[i] == u'E' || t[i] == u'e') && i + 1 < t.size() && (t[i + 1] == u'+' || t[i + 1] == u'-');
}

Picture analyse(StringView text)
{
    Picture p;
    p.text = text;
    bool inFraction = false;
    int firstZero = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        const Char c = text[i];
        if (c == u'"' || c == u'\'') {
            const size_t close = text.find(c, i + 1);
            i = close == StringView::npos ? text.size() : close;
        } else if (c == u'0' || c == u'#') {
            p.placeholders = true;
            if (inFraction) {
                ++p.fracCount;
                if (c == u'0') p.minFrac = p.fracCount;
            } else {
                if (c == u'0' && firstZero < 0) firstZero = p.intCount;
                ++p.intCount;
            }
        } else if (c == u'.' && !inFraction) {
            inFraction = true;
        } else if (c == u',' && !inFraction) {
            p.grouped = true;
        } else if (isExponentAt(text, i) && p.placeholders) {
            p.scientific = true;
            break;
        }
    }
    p.minInt = firstZero < 0 ? 0 : p.intCount - firstZero;
    return p;
}

std::vector<StringView> splitSections(StringView format)
{
    std::vector<StringView> sections;
    size_t start = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        const Char c = format[i];
        if (c == u'"' || c == u'\'') {
            const size_t close = format.find(c, i + 1);
            i = close == StringView::npos ? format.size() - 1 : close;
        } else if (c == u';') {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    return sections;
}

// The digits a picture shows: integer digits (left-padded to minInt) and fraction digits.
struct PictureDigits {
    std::string intDigits;
    std::string fracDigits;
    int exponent = 0;
    bool zero = true;
};

PictureDigits pictureDigits(const Picture& p, double magnitude)
{
    PictureDigits out;
    Decimal d = toDecimal(magnitude);
    int intLength = 0;
    if (p.scientific) {
        const int intPlaces = std::max(1, p.intCount);
        roundDigits(d, intPlaces + p.fracCount);
        out.exponent = d.digits.empty() ? 0 : d.exponent - intPlaces;
        d.exponent = d.digits.empty() ? 0 : intPlaces;
        intLength = intPlaces;
    } else {
        roundDigits(d, d.exponent + p.fracCount);
        intLength = std::max(d.exponent, 0);
    }
    out.zero = d.digits.empty();
    for (int i = 0; i < intLength; ++i) out.intDigits += digitAt(d, i);
    if (!p.scientific) {
        const size_t nonZero = out.intDigits.find_first_not_of('0');
        out.intDigits.erase(0, nonZero == std::string::npos ? out.intDigits.size() : nonZero);
    }
    if (static_cast<int>(out.intDigits.size()) < p.minInt)
        out.intDigits.insert(0, static_cast<size_t>(p.minInt) - out.intDigits.size(), '0');
    for (int i = 0; i < p.fracCount; ++i) out.fracDigits += digitAt(d, d.exponent + i);
    while (static_cast<int>(out.fracDigits.size()) > p.minFrac && out.fracDigits.back() == '0')
        out.fracDigits.pop_back();
    return out;
}

String renderPicture(const Picture& p, const PictureDigits& n)
{
    const auto& fs = FormatSettings;
    const int length = static_cast<int>(n.intDigits.size());
    const int slots = std::max(p.intCount, length);
    const bool grouped = p.grouped && !p.scientific;
    String out;
    auto emitSlot = [&](int slot) {
        const int index = slot - (slots - length);
        if (index < 0) return;
        out += static_cast<Char>(n.intDigits[static_cast<size_t>(index)]);
        const int remaining = slots - 1 - slot;
        if (grouped && remaining > 0 && remaining % 3 == 0) out += fs.ThousandSeparator;
    };
    const StringView t = p.text;
    int intSeen = 0, fracSeen = 0;
    bool inFraction = false;
    for (size_t i = 0; i < t.size(); ++i) {
        const Char c = t[i];
        if (c == u'"' || c == u'\'') {
            const size_t close = t.find(c, i + 1);
            const size_t end = close == StringView::npos ? t.size() : close;
            out.append(t.substr(i + 1, end - i - 1));
            i = end;
        } else if ((c == u'0' || c == u'#') && !inFraction) {
            if (intSeen == 0) {
                for (int s = 0; s < slots - p.intCount; ++s) emitSlot(s);
            }
            emitSlot(slots - p.intCount + intSeen++);
        } else if (c == u'0' || c == u'#') {
            if (fracSeen < static_cast<int>(n.fracDigits.size()))
                out += static_cast<Char>(n.fracDigits[static_cast<size_t>(fracSeen)]);
            ++fracSeen;
        } else if (c == u'.' && !inFraction && p.placeholders) {
            inFraction = true;
            if (!n.fracDigits.empty()) out += fs.DecimalSeparator;
        } else if (c == u',' && p.placeholders) {
            // the grouping mark shows nothing itself
        } else if (p.scientific && isExponentAt(t, i)) {
            int digits = 0;
            size_t j = i + 2;
            while (j < t.size() && (t[j] == u'0' || t[j] == u'#')) digits += t[j++] == u'0' ? 1 : 0;
            out += c;
            out += Utf8ToString(exponentText(n.exponent, digits, t[i + 1] == u'+'));
            out.append(t.substr(j));  // the rest of the section is plain text
            return out;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

// ---- integers ---------------------------------------------------------------------------

String IntToStr(Int64 Value) { return Utf8ToString(std::to_string(Value)); }

String IntToHex(Integer Value, Integer Digits) { return hexDigits(static_cast<uint32_t>(Value), Digits); }

String IntToHex(Cardinal Value, Integer Digits) { return hexDigits(Value, Digits); }

String IntToHex(Int64 Value, Integer Digits) { return hexDigits(static_cast<uint64_t>(Value), Digits); }

Integer StrToInt(StringView S)
{
    Integer v = 0;
    if (!TryStrToInt(S, v)) invalidInteger(S);
    return v;
}

Integer StrToIntDef(StringView S, Integer Default)
{
    Integer v = 0;
    return TryStrToInt(S, v) ? v : Default;
}

bool TryStrToInt(StringView S, Integer& Value)
{
    Int64 v = 0;
    if (!parseInteger(S, 32, v)) return false;
    Value = static_cast<Integer>(v);
    return true;
}

Int64 StrToInt64(StringView S)
{
    Int64 v = 0;
    if (!TryStrToInt64(S, v)) invalidInteger(S);
    return v;
}

Int64 StrToInt64Def(StringView S, Int64 Default)
{
    Int64 v = 0;
    return TryStrToInt64(S, v) ? v : Default;
}

bool TryStrToInt64(StringView S, Int64& Value) { return parseInteger(S, 64, Value); }

// ---- floats -----------------------------------------------------------------------------

double StrToFloat(StringView S)
{
    double v = 0;
    if (!parseFloat(S, v)) invalidFloat(S);
    return v;
}

double StrToFloatDef(StringView S, double Default)
{
    double v = 0;
    return parseFloat(S, v) ? v : Default;
}

bool TryStrToFloat(StringView S, double& Value)
{
    double v = 0;
    if (!parseFloat(S, v)) return false;
    Value = v;
    return true;
}

String FloatToStr(double Value) { return FloatToStrF(Value, ffGeneral, kMaxDigits, 0); }

String FloatToStrF(double Value, TFloatFormat Format, Integer Precision, Integer Digits)
{
    if (std::isnan(Value)) return u"NAN";
    if (std::isinf(Value)) return Value < 0 ? u"-INF" : u"INF";
    const int precision = std::clamp(Precision, 1, kMaxDigits);
    const Decimal d = toDecimal(Value);
    switch (Format) {
    case ffGeneral: return generalText(d, precision, std::clamp(Digits, 0, 4));
    case ffExponent: return exponentFormText(d, std::clamp(Precision, 1, 18), std::clamp(Digits, 0, 4));
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        if (d.exponent > precision) return generalText(d, precision, 0);
        const int decimals = std::clamp(Digits, 0, 18);
        Decimal r = d;
        roundDigits(r, std::min(r.exponent + decimals, precision));
        const bool negative = r.negative && !r.digits.empty();
        const String amount = fixedText(r, decimals, Format != ffFixed);
        if (Format == ffCurrency) return currencyText(amount, negative);
        return negative ? u"-" + amount : amount;
    }
    }
    return FloatToStr(Value);
}

String FormatFloat(StringView Format, double Value)
{
    if (Format.empty() || std::isnan(Value) || std::isinf(Value)) return FloatToStr(Value);
    const std::vector<StringView> sections = splitSections(Format);
    const Picture positive = analyse(sections[0]);
    const PictureDigits rounded = pictureDigits(positive, std::fabs(Value));
    if (rounded.zero && sections.size() > 2 && !sections[2].empty()) {
        const Picture zero = analyse(sections[2]);
        return renderPicture(zero, pictureDigits(zero, 0.0));
    }
    if (Value < 0 && sections.size() > 1 && !sections[1].empty()) {
        const Picture negative = analyse(sections[1]);
        return renderPicture(negative, pictureDigits(negative, -Value));
    }
    const String text = renderPicture(positive, rounded);
    return Value < 0 && !rounded.zero ? u"-" + text : text;
}

Int64 Round(double Value)
{
    // Halves go to the even neighbour, independent of the floating-point environment.
    double r = std::floor(Value);
    const double rest = Value - r;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
        throw EMathError(u"Invalid floating point operation");
    return static_cast<Int64>(r);
}

Int64 Trunc(double Value)
{
    const double t = std::trunc(Value);
    if (!(t >= -9223372036854775808.0 && t < 9223372036854775808.0))
        throw EMathError(u"Invalid floating point operation");
    return static_cast<Int64>(t);
}

String BoolToStr(bool B, bool UseBoolStrs)
{
    if (UseBoolStrs) return B ? u"True" : u"False";
    return B ? u"-1" : u"0";
}

}  // namespace gw
