// Format: the runtime's printf-like formatter over typed arguments.
#include "platform/runtime/format.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/format_settings.h"

#include <cstdint>

namespace gw {

namespace {

// Widths and precisions beyond this are refused as a bad format: format texts come from language
// files, and "%999999999d" would otherwise ask for gigabytes of padding.
constexpr Int64 Max_Width = 0xFFFF;

// Walks one format string, taking arguments in order or by index.
class Formatter {
public:
    Formatter(StringView fmt, std::initializer_list<TVarRec> args) : m_fmt(fmt), m_args(args) {}

    String run()
    {
        String out;
        size_t i = 0;
        while (i < m_fmt.size()) {
            const size_t pct = m_fmt.find(u'%', i);
            out.append(m_fmt.substr(i, pct == StringView::npos ? StringView::npos : pct - i));
            if (pct == StringView::npos) break;
            m_pos = pct + 1;
            out += specifier();
            i = m_pos;
        }
        return out;
    }

private:
    [[noreturn]] void invalid() const
    {
        throw EConvertError(u"Format '" + String(m_fmt) + u"' invalid or incompatible with argument");
    }

    [[noreturn]] void missing() const { throw EConvertError(u"No argument for format '" + String(m_fmt) + u"'"); }

    Char peek() const
    {
        if (m_pos >= m_fmt.size()) invalid();
        return m_fmt[m_pos];
    }

    const TVarRec::Value& nextArg()
    {
        if (m_argIndex >= m_args.size()) missing();
        return m_args.begin()[m_argIndex++].value();
    }

    Int64 intArg()
    {
        const auto& v = nextArg();
        if (!std::holds_alternative<Int64>(v)) invalid();
        return std::get<Int64>(v);
    }

    // A decimal number, '*' (taken from the arguments) or nothing (-1).
    Int64 number()
    {
        if (peek() == u'*') {
            ++m_pos;
            return intArg();
        }
        Int64 n = -1;
        while (peek() >= u'0' && peek() <= u'9') {
            n = (n < 0 ? 0 : n) * 10 + (m_fmt[m_pos++] - u'0');
            if (n > 0x7FFFFFFF) invalid();
        }
        return n;
    }

    String specifier()
    {
        if (peek() == u'%') {
            ++m_pos;
            return u"%";
        }
        Int64 width = number();
        if (peek() == u':') {
            ++m_pos;
            if (width < 0) invalid();
            m_argIndex = static_cast<size_t>(width);
            width = -1;
        }
        bool left = false;
        if (width < 0 && peek() == u'-') {
            left = true;
            ++m_pos;
        }
        if (width < 0) width = number();
        Int64 precision = -1;
        if (peek() == u'.') {
            ++m_pos;
            precision = number();
            if (precision < 0) precision = 0;
        }
        if (width > Max_Width || precision > Max_Width) invalid();
        const Char type = peek();
        ++m_pos;
        String text = convert(type, precision);
        if (width > 0 && static_cast<Int64>(text.size()) < width) {
            const String pad(static_cast<size_t>(width) - text.size(), u' ');
            text = left ? text + pad : pad + text;
        }
        return text;
    }

    static String minDigits(String digits, Int64 precision)
    {
        if (precision > static_cast<Int64>(digits.size()))
            digits.insert(0, static_cast<size_t>(precision) - digits.size(), u'0');
        return digits;
    }

    // Negative values that fit 32 bits show as the 32-bit pattern, as the runtime's Integer does.
    static uint64_t unsignedPattern(Int64 v)
    {
        if (v < 0 && v >= INT32_MIN) return static_cast<uint32_t>(v);
        return static_cast<uint64_t>(v);
    }

    double floatArg()
    {
        const auto& v = nextArg();
        if (!std::holds_alternative<double>(v)) invalid();
        return std::get<double>(v);
    }

    String convert(Char type, Int64 precision)
    {
        const auto prec = [&](Integer fallback) {
            return precision < 0 ? fallback : static_cast<Integer>(std::min<Int64>(precision, 99));
        };
        switch (type) {
        case u'd':
        case u'D': {
            const Int64 v = intArg();
            const uint64_t magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
            const String digits = minDigits(utf16(std::to_string(magnitude)), precision);
            return v < 0 ? u"-" + digits : digits;
        }
        case u'u':
        case u'U': return minDigits(utf16(std::to_string(unsignedPattern(intArg()))), precision);
        case u'x':
        case u'X': return minDigits(IntToHex(static_cast<Int64>(unsignedPattern(intArg())), 0), precision);
        case u's':
        case u'S': {
            const auto& v = nextArg();
            if (!std::holds_alternative<String>(v)) invalid();
            const String& s = std::get<String>(v);
            return precision >= 0 ? s.substr(0, static_cast<size_t>(precision)) : s;
        }
        case u'f':
        case u'F': return FloatToStrF(floatArg(), ffFixed, 18, prec(2));
        case u'e':
        case u'E': return FloatToStrF(floatArg(), ffExponent, prec(15), 3);
        case u'g':
        case u'G': return FloatToStrF(floatArg(), ffGeneral, prec(15), 0);
        case u'n':
        case u'N': return FloatToStrF(floatArg(), ffNumber, 18, prec(2));
        case u'm':
        case u'M': return FloatToStrF(floatArg(), ffCurrency, 18, prec(FormatSettings.CurrencyDecimals));
        case u'p':
        case u'P': {
            const auto& v = nextArg();
            if (!std::holds_alternative<const void*>(v)) invalid();
            return IntToHex(static_cast<Int64>(reinterpret_cast<uintptr_t>(std::get<const void*>(v))), 16);
        }
        default: invalid();
        }
    }

    static String utf16(const std::string& ascii) { return String(ascii.begin(), ascii.end()); }

    StringView m_fmt;
    std::initializer_list<TVarRec> m_args;  // lives as long as the Format call
    size_t m_pos = 0;
    size_t m_argIndex = 0;
};

}  // namespace

String Format(StringView Fmt, std::initializer_list<TVarRec> Args) { return Formatter(Fmt, Args).run(); }

}  // namespace gw
