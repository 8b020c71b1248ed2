// Formatted text for the rich edit: characters with their formats, and the RTF subset it reads
// and writes (paragraphs, bold, italic, underline, colour, size, raised and lowered text).
#include "platform/controls/rich_text.h"

#include "platform/runtime/text_encoding.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <cstdlib>

namespace gw {

namespace {

// Windows-1252 to UTF-16 for one byte.
Char Ansi(unsigned char B)
{
    static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    return B >= 0x80 && B < 0xA0 ? Char(high[B - 0x80]) : Char(B);
}

struct TReadState {
    TCharFormat Format;
    bool Skip = false;  // inside a destination that holds no text
    Integer UcSkip = 1;  // characters after \uN that stand in for it
};

class TRtfReader {
public:
    TRtfReader(std::string_view Rtf, const TCharFormat& Default) : m_rtf(Rtf), m_default(Default)
    {
        m_state.Format = Default;
    }

    TRichText Read()
    {
        while (m_pos < m_rtf.size()) {
            const char c = m_rtf[m_pos];
            if (c == '{') {
                m_stack.push_back(m_state);
                ++m_pos;
                m_groupStart = true;
                continue;
            }
            if (c == '}') {
                if (!m_stack.empty()) {
                    m_state = m_stack.back();
                    m_stack.pop_back();
                }
                ++m_pos;
                continue;
            }
            const bool first = m_groupStart;
            m_groupStart = false;
            if (c == '\\') {
                ControlWord(first);
                continue;
            }
            ++m_pos;
            if (c == '\r' || c == '\n') continue;
            Emit(Ansi(static_cast<unsigned char>(c)));
        }
        // A final paragraph mark ends the document rather than starting an empty line.
        if (m_out.Text.size() >= 2 && m_out.Text.compare(m_out.Text.size() - 2, 2, u"\r\n") == 0 && m_lastWasPar) {
            m_out.Text.resize(m_out.Text.size() - 2);
            m_out.Formats.resize(m_out.Formats.size() - 2);
        }
        return m_out;
    }

private:
    void Emit(Char C)
    {
        if (m_state.Skip) return;
        m_out.Text += C;
        m_out.Formats.push_back(m_state.Format);
        m_lastWasPar = false;
    }

    void ControlWord(bool FirstInGroup)
    {
        ++m_pos;  // the backslash
        if (m_pos >= m_rtf.size()) return;
        const char c = m_rtf[m_pos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            switch (c) {
            case '\\':
            case '{':
            case '}': Emit(Char(c)); break;
            case '~': Emit(0xA0); break;
            case '_': Emit(0x2011); break;
            case '*': m_state.Skip = true; break;  // an optional destination we do not know
            case '\'': {
                if (m_pos + 2 <= m_rtf.size()) {
                    const std::string hex(m_rtf.substr(m_pos, 2));
                    m_pos += 2;
                    Emit(Ansi(static_cast<unsigned char>(std::strtol(hex.c_str(), nullptr, 16))));
                }
                break;
            }
            case '\r':
            case '\n': Par(); break;
            default: break;
            }
            return;
        }
        std::string word;
        while (m_pos < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_pos]))) word += m_rtf[m_pos++];
        bool hasParam = false;
        long param = 0;
        {
            const std::size_t start = m_pos;
            if (m_pos < m_rtf.size() && m_rtf[m_pos] == '-') ++m_pos;
            while (m_pos < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf[m_pos]))) ++m_pos;
            if (m_pos > start && !(m_pos == start + 1 && m_rtf[start] == '-')) {
                hasParam = true;
                // Parameters are signed 16-bit numbers; a longer run of digits is held at the
                // range's end, so that no arithmetic on it can overflow.
                param = std::clamp(std::strtol(std::string(m_rtf.substr(start, m_pos - start)).c_str(), nullptr, 10),
                                   -32768L, 32767L);
            } else {
                m_pos = start;
            }
        }
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') ++m_pos;  // the delimiter belongs to the word
        Apply(word, hasParam, param, FirstInGroup);
    }

    void Par()
    {
        Emit(u'\r');
        Emit(u'\n');
        m_lastWasPar = !m_state.Skip;
    }

    void Apply(const std::string& W, bool HasParam, long P, bool FirstInGroup)
    {
        TCharFormat& f = m_state.Format;
        const bool on = !HasParam || P != 0;
        auto style = [&](TFontStyles bit, bool value) { f.Style = value ? (f.Style | bit) : (f.Style & ~bit); };
        if (FirstInGroup &&
            (W == "fonttbl" || W == "stylesheet" || W == "info" || W == "pict" || W == "object" || W == "header" ||
             W == "footer" || W == "listtable" || W == "listoverridetable" || W == "generator" || W == "themedata" ||
             W == "latentstyles")) {
            m_state.Skip = true;
            return;
        }
        if (FirstInGroup && W == "colortbl") {
            ReadColorTable();
            return;
        }
        if (W == "par" || W == "line")
            Par();
        else if (W == "tab")
            Emit(u'\t');
        else if (W == "b")
            style(fsBold, on);
        else if (W == "i")
            style(fsItalic, on);
        else if (W == "ul")
            style(fsUnderline, on);
        else if (W == "ulnone")
            style(fsUnderline, false);
        else if (W == "strike")
            style(fsStrikeOut, on);
        else if (W == "cf")
            f.Color = (HasParam && P > 0 && std::size_t(P) <= m_colors.size()) ? m_colors[std::size_t(P - 1)]
                                                                               : m_default.Color;
        else if (W == "fs")
            f.Size = HasParam && P > 0 ? Integer((P + 1) / 2) : m_default.Size;
        else if (W == "up")
            f.Offset = HasParam ? Integer(P * 10) : 60;  // half-points to twips
        else if (W == "dn")
            f.Offset = -(HasParam ? Integer(P * 10) : 60);
        else if (W == "super")
            f.Offset = 40;
        else if (W == "sub")
            f.Offset = -40;
        else if (W == "nosupersub")
            f.Offset = 0;
        else if (W == "plain")
            f = m_default;
        else if (W == "uc")
            m_state.UcSkip = HasParam ? Integer(P) : 1;
        else if (W == "u" && HasParam) {
            Emit(Char(P < 0 ? P + 65536 : P));
            SkipFallback();
        } else if (W == "emdash")
            Emit(0x2014);
        else if (W == "endash")
            Emit(0x2013);
        else if (W == "lquote")
            Emit(0x2018);
        else if (W == "rquote")
            Emit(0x2019);
        else if (W == "ldblquote")
            Emit(0x201C);
        else if (W == "rdblquote")
            Emit(0x201D);
        else if (W == "bullet")
            Emit(0x2022);
    }

    // Skips the characters that stand in for a \uN character in older readers.
    void SkipFallback()
    {
        Integer n = m_state.UcSkip;
        while (n > 0 && m_pos < m_rtf.size()) {
            const char c = m_rtf[m_pos];
            if (c == '{' || c == '}') break;
            if (c == '\\') {
                if (m_pos + 1 < m_rtf.size() && m_rtf[m_pos + 1] == '\'') {
                    m_pos += 4;
                } else {
                    // Another control word counts as one character.
                    ++m_pos;
                    while (m_pos < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_pos]))) ++m_pos;
                    while (m_pos < m_rtf.size() &&
                           (std::isdigit(static_cast<unsigned char>(m_rtf[m_pos])) || m_rtf[m_pos] == '-'))
                        ++m_pos;
                    if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') ++m_pos;
                }
            } else {
                ++m_pos;
            }
            --n;
        }
    }

    void ReadColorTable()
    {
        // Entries end with ';'; the first (empty) one is the automatic colour, index 0.
        Integer r = 0, g = 0, b = 0;
        bool any = false, first = true;
        while (m_pos < m_rtf.size() && m_rtf[m_pos] != '}') {
            const char c = m_rtf[m_pos];
            if (c == ';') {
                if (!first || any) m_colors.push_back(RGB(Byte(r), Byte(g), Byte(b)));
                first = false;
                r = g = b = 0;
                any = false;
                ++m_pos;
                continue;
            }
            if (c == '\\') {
                ++m_pos;
                std::string w;
                while (m_pos < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_pos])))
                    w += m_rtf[m_pos++];
                const std::size_t start = m_pos;
                while (m_pos < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf[m_pos]))) ++m_pos;
                const Integer v =
                    m_pos > start ? std::atoi(std::string(m_rtf.substr(start, m_pos - start)).c_str()) : 0;
                if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') ++m_pos;
                if (w == "red")
                    r = v, any = true;
                else if (w == "green")
                    g = v, any = true;
                else if (w == "blue")
                    b = v, any = true;
                continue;
            }
            ++m_pos;
        }
    }

    std::string_view m_rtf;
    TCharFormat m_default;
    std::size_t m_pos = 0;
    TReadState m_state;
    std::vector<TReadState> m_stack;
    std::vector<TColor> m_colors;
    TRichText m_out;
    bool m_groupStart = false;
    bool m_lastWasPar = false;
};

}  // namespace

bool IsRtf(std::string_view Bytes)
{
    std::size_t i = 0;
    while (i < Bytes.size() && (Bytes[i] == ' ' || Bytes[i] == '\r' || Bytes[i] == '\n' || Bytes[i] == '\t')) ++i;
    return Bytes.substr(i, 5) == "{\\rtf";
}

TRichText ReadRtf(std::string_view Rtf, const TCharFormat& Default) { return TRtfReader(Rtf, Default).Read(); }

std::string WriteRtf(const TRichText& Text, const String& FontName)
{
    // Colour table: the automatic colour first (index 0), then every colour used.
    std::vector<TColor> colors;
    for (const TCharFormat& f : Text.Formats)
        if (f.Color != clWindowText && std::find(colors.begin(), colors.end(), f.Color) == colors.end())
            colors.push_back(f.Color);
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil ";
    for (Char c : FontName) out += (c < 128 && c != '{' && c != '}' && c != '\\' && c != ';') ? char(c) : '?';
    out += ";}}";
    if (!colors.empty()) {
        out += "{\\colortbl ;";
        for (TColor c : colors) {
            const uint32_t rgb = uint32_t(ColorToRGB(c));
            out += "\\red" + std::to_string(rgb & 0xFF) + "\\green" + std::to_string((rgb >> 8) & 0xFF) + "\\blue" +
                std::to_string((rgb >> 16) & 0xFF) + ";";
        }
        out += "}";
    }
    out += "\\uc1\\pard\\f0";
    TCharFormat cur;
    cur.Size = -1;  // forces the first size out
    cur.Color = clWindowText;
    bool pendingSpace = false;
    auto word = [&](const std::string& W) {
        out += W;
        pendingSpace = true;
    };
    const TCharFormat none;
    for (std::size_t i = 0; i < Text.Text.size(); ++i) {
        const Char c = Text.Text[i];
        const TCharFormat& f = i < Text.Formats.size() ? Text.Formats[i] : none;
        if (c == u'\n' && i > 0 && Text.Text[i - 1] == u'\r') continue;
        if ((f.Style & fsBold) != (cur.Style & fsBold)) word((f.Style & fsBold) ? "\\b" : "\\b0");
        if ((f.Style & fsItalic) != (cur.Style & fsItalic)) word((f.Style & fsItalic) ? "\\i" : "\\i0");
        if ((f.Style & fsUnderline) != (cur.Style & fsUnderline)) word((f.Style & fsUnderline) ? "\\ul" : "\\ulnone");
        if ((f.Style & fsStrikeOut) != (cur.Style & fsStrikeOut))
            word((f.Style & fsStrikeOut) ? "\\strike" : "\\strike0");
        if (f.Color != cur.Color) {
            const auto it = std::find(colors.begin(), colors.end(), f.Color);
            word("\\cf" + std::to_string(it == colors.end() ? 0 : (it - colors.begin()) + 1));
        }
        if (f.Size != cur.Size) word("\\fs" + std::to_string(f.Size * 2));
        if (f.Offset != cur.Offset) {
            if (f.Offset == 0)
                word("\\up0");
            else if (f.Offset > 0)
                word("\\up" + std::to_string(f.Offset / 10));
            else
                word("\\dn" + std::to_string(-f.Offset / 10));
        }
        cur = f;
        if (c == u'\r' || c == u'\n') {
            word("\\par\r\n");
            pendingSpace = false;
            continue;
        }
        if (pendingSpace && (c == u' ' || std::isalnum(c < 128 ? int(c) : 0) || c == u'-')) out += ' ';
        pendingSpace = false;
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c == u'\t') {
            word("\\tab");
        } else if (c >= 32 && c < 128) {
            out += char(c);
        } else {
            word("\\u" + std::to_string(c >= 0x8000 ? long(c) - 65536 : long(c)) + "?");
            pendingSpace = false;
        }
    }
    out += "\\par\r\n}";
    return out;
}

}  // namespace gw
