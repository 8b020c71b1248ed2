// Single-byte code pages (Windows-1252, OEM 437 and 850) and the byte-order-mark rules of text files.
#include "platform/runtime/text_encoding.h"

#include "platform/runtime/unicode.h"

#include <array>

namespace gw {

namespace {

// Bytes 0x80-0xFF -> UTF-16 unit; below 0x80 every page here is ASCII, its control range kept as
// control characters (no glyph substitution), as the system's conversion does by default. The
// five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control
// of the same value, as Windows does, so that any byte sequence survives a round trip.
using TUpperHalf = std::array<char16_t, 128>;

constexpr TUpperHalf kCp1252{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
    0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
    0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
    0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
    0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
    0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

constexpr TUpperHalf kCp437{
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

constexpr TUpperHalf kCp850{
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

const TUpperHalf& tableFor(int codePage)
{
    switch (codePage) {
    case 437: return kCp437;
    case 850: return kCp850;
    default: return kCp1252;
    }
}

String decodeSingleByte(std::string_view bytes, const TUpperHalf& table)
{
    String out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        out += byte < 0x80 ? static_cast<Char>(byte) : table[byte - 0x80];
    }
    return out;
}

// Characters outside the table become one '?' each; a surrogate pair is one character.
std::string encodeSingleByte(StringView text, const TUpperHalf& table)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const Char c = text[i];
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        char byte = '?';
        for (size_t b = 0; b < table.size(); ++b) {
            if (table[b] == c) {
                byte = static_cast<char>(0x80 + b);
                break;
            }
        }
        out += byte;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
    }
    return out;
}

String decodeUtf16(std::string_view bytes, bool bigEndian)
{
    String out;
    out.reserve(bytes.size() / 2 + 1);
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        out += static_cast<Char>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
    }
    if (i < bytes.size()) out += u'\uFFFD';  // a dangling odd byte is reported, not silently dropped
    return out;
}

std::string encodeUtf16(StringView text, bool bigEndian)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (const Char c : text) {
        const char hi = static_cast<char>(c >> 8);
        const char lo = static_cast<char>(c & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

constexpr std::string_view kBomUtf8{"\xEF\xBB\xBF"};
constexpr std::string_view kBomUtf16LE{"\xFF\xFE"};
constexpr std::string_view kBomUtf16BE{"\xFE\xFF"};

std::string_view MarkOf(TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::Utf8: return kBomUtf8;
    case TTextEncoding::Utf16LE: return kBomUtf16LE;
    case TTextEncoding::Utf16BE: return kBomUtf16BE;
    default: return {};
    }
}

}  // namespace

String AnsiToString(std::string_view bytes) { return decodeSingleByte(bytes, kCp1252); }

std::string StringToAnsi(StringView text) { return encodeSingleByte(text, kCp1252); }

String OemToString(std::string_view bytes, int codePage) { return decodeSingleByte(bytes, tableFor(codePage)); }

std::string StringToOem(StringView text, int codePage) { return encodeSingleByte(text, tableFor(codePage)); }

std::optional<TTextEncoding> ByteOrderMark(std::string_view bytes)
{
    for (const TTextEncoding e : {TTextEncoding::Utf8, TTextEncoding::Utf16LE, TTextEncoding::Utf16BE})
        if (bytes.starts_with(MarkOf(e))) return e;
    return std::nullopt;
}

String DecodeBytesAs(std::string_view bytes, TTextEncoding encoding)
{
    const std::string_view mark = MarkOf(encoding);
    if (!mark.empty() && bytes.starts_with(mark)) bytes.remove_prefix(mark.size());
    switch (encoding) {
    case TTextEncoding::Utf8: return Utf8ToString(bytes);
    case TTextEncoding::Utf16LE: return decodeUtf16(bytes, false);
    case TTextEncoding::Utf16BE: return decodeUtf16(bytes, true);
    case TTextEncoding::Oem437: return OemToString(bytes, 437);
    case TTextEncoding::Oem850: return OemToString(bytes, 850);
    case TTextEncoding::Ansi: break;
    }
    return AnsiToString(bytes);
}

String DecodeTextBytes(std::string_view bytes, TTextEncoding* detected)
{
    TTextEncoding found = TTextEncoding::Ansi;
    if (const auto marked = ByteOrderMark(bytes))
        found = *marked;
    else if (IsValidUtf8(bytes))
        found = TTextEncoding::Utf8;
    if (detected) *detected = found;
    return DecodeBytesAs(bytes, found);
}

std::string EncodeTextBytes(StringView text, TTextEncoding encoding, bool withBom)
{
    switch (encoding) {
    case TTextEncoding::Utf8: return std::string(withBom ? kBomUtf8 : "") + StringToUtf8(text);
    case TTextEncoding::Utf16LE: return std::string(withBom ? kBomUtf16LE : "") + encodeUtf16(text, false);
    case TTextEncoding::Utf16BE: return std::string(withBom ? kBomUtf16BE : "") + encodeUtf16(text, true);
    case TTextEncoding::Oem437: return StringToOem(text, 437);
    case TTextEncoding::Oem850: return StringToOem(text, 850);
    case TTextEncoding::Ansi: break;
    }
    return StringToAnsi(text);
}

}  // namespace gw
