// Fonts: face, size, style and colour of text, and the fixed substitution to installed faces.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/graphics_object.h"

#include <cstdint>

namespace gw {

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// A set of TFontStyle bits.
using TFontStyles = uint8_t;

enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = Byte;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;

// Screen resolution of the platform: sizes in points become pixels at this density.
constexpr Integer ScreenPixelsPerInch = 96;

class TFont : public TGraphicsObject {
public:
    String ClassName() const override { return u"TFont"; }
    void Assign(TPersistent* Source) override;

    const String& Name() const { return m_name; }
    void SetName(const String& Value);
    // Points; Size and Height are two views of one value (Height = -Size * 96 / 72, rounded).
    Integer Size() const;
    void SetSize(Integer Value);
    // Pixels: negative is the character height (em), positive the cell height (ascent+descent).
    Integer Height() const { return m_height; }
    void SetHeight(Integer Value);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles Value);
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    TFontCharset Charset() const { return m_charset; }
    void SetCharset(TFontCharset Value);
    // Tenths of a degree, counter-clockwise: the angle at which text is drawn.
    Integer Orientation() const { return m_orientation; }
    void SetOrientation(Integer Value);
    TFontPitch Pitch() const { return m_pitch; }
    void SetPitch(TFontPitch Value);

    // The installed family the name resolves to (see ResolveFontFamily).
    String ResolvedFamily() const;
    // Counts changes, for caches of derived data (the canvas keeps a layout font).
    Integer ChangeCount() const { return m_changeCount; }

private:
    void Touch();

    String m_name = u"Tahoma";
    Integer m_height = -11;
    TFontStyles m_style = 0;
    TColor m_color = clWindowText;
    TFontCharset m_charset = DEFAULT_CHARSET;
    Integer m_orientation = 0;
    TFontPitch m_pitch = fpDefault;
    Integer m_changeCount = 0;
};

// The installed family used for a face name. Fixed rules first, so that text measures the same
// on every machine: Verdana, Tahoma, MS Sans Serif, Segoe UI and unknown sans faces give
// "DejaVu Sans"; Arial "Liberation Sans"; Times New Roman "Liberation Serif"; Courier New
// "Liberation Mono". An installed family is used as it is; anything else gives "DejaVu Sans".
String ResolveFontFamily(StringView Name, TFontPitch Pitch = fpDefault);

}  // namespace gw
