// Fonts and the substitution of the program's face names by installed families.
#include "platform/graphics/font.h"

#include "platform/graphics/canvas_internal.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace gw {

namespace {

// MulDiv as the platform computes it: rounded, halves away from zero.
Integer MulDiv(Integer a, Integer b, Integer c)
{
    double v = double(a) * double(b) / double(c);
    return static_cast<Integer>(v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5));
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

const char* FixedSubstitute(const std::string& lowerName)
{
    static const std::map<std::string, const char*> table = {
        {"", "DejaVu Sans"},
        {"verdana", "DejaVu Sans"},
        {"tahoma", "DejaVu Sans"},
        {"ms sans serif", "DejaVu Sans"},
        {"microsoft sans serif", "DejaVu Sans"},
        {"ms shell dlg", "DejaVu Sans"},
        {"ms shell dlg 2", "DejaVu Sans"},
        {"segoe ui", "DejaVu Sans"},
        {"default", "DejaVu Sans"},
        {"arial", "Liberation Sans"},
        {"helvetica", "Liberation Sans"},
        {"times new roman", "Liberation Serif"},
        {"times", "Liberation Serif"},
        {"ms serif", "Liberation Serif"},
        {"courier new", "Liberation Mono"},
        {"courier", "Liberation Mono"},
        {"lucida console", "Liberation Mono"},
        {"consolas", "Liberation Mono"},
        {"fixedsys", "Liberation Mono"},
    };
    auto it = table.find(lowerName);
    return it == table.end() ? nullptr : it->second;
}

// The installed family spelled like the name (without case), or "" when none is.
std::string InstalledFamily(const std::string& name)
{
    static std::mutex lock;
    static std::map<std::string, std::string> cache;
    std::lock_guard guard(lock);
    auto key = Lower(name);
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    std::string found;
    for (const auto& family : detail::InstalledFamilies()) {
        if (Lower(family) == key) {
            found = family;
            break;
        }
    }
    cache[key] = found;
    return found;
}

}  // namespace

String ResolveFontFamily(StringView Name, TFontPitch Pitch)
{
    auto lower = Lower(StringToUtf8(Name));
    while (!lower.empty() && lower.back() == ' ') lower.pop_back();
    if (const char* fixed = FixedSubstitute(lower)) return S(fixed);
    auto installed = InstalledFamily(lower);
    if (!installed.empty()) return S(installed);
    return Pitch == fpFixed ? u"Liberation Mono" : u"DejaVu Sans";
}

void TFont::Assign(TPersistent* Source)
{
    if (auto* font = SourceAs<TFont>(Source)) {
        BeginUpdate();
        SetName(font->m_name);
        SetHeight(font->m_height);
        SetStyle(font->m_style);
        SetColor(font->m_color);
        SetCharset(font->m_charset);
        SetOrientation(font->m_orientation);
        SetPitch(font->m_pitch);
        EndUpdate();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::Touch()
{
    ++m_changeCount;
    Changed();
}

void TFont::SetName(const String& Value)
{
    if (Value == m_name || Value.empty()) return;
    m_name = Value;
    Touch();
}

Integer TFont::Size() const { return -MulDiv(m_height, 72, ScreenPixelsPerInch); }

void TFont::SetSize(Integer Value) { SetHeight(-MulDiv(Value, ScreenPixelsPerInch, 72)); }

void TFont::SetHeight(Integer Value)
{
    if (Value == m_height) return;
    m_height = Value;
    Touch();
}

void TFont::SetStyle(TFontStyles Value)
{
    if (Value == m_style) return;
    m_style = Value;
    Touch();
}

void TFont::SetColor(TColor Value)
{
    if (Value == m_color) return;
    m_color = Value;
    Touch();
}

void TFont::SetCharset(TFontCharset Value)
{
    if (Value == m_charset) return;
    m_charset = Value;
    Touch();
}

void TFont::SetOrientation(Integer Value)
{
    if (Value == m_orientation) return;
    m_orientation = Value;
    Touch();
}

void TFont::SetPitch(TFontPitch Value)
{
    if (Value == m_pitch) return;
    m_pitch = Value;
    Touch();
}

String TFont::ResolvedFamily() const { return ResolveFontFamily(m_name, m_pitch); }

}  // namespace gw
