// Internal to the graphics library: pixel access, the canvas's private state and text shaping.
#pragma once

#include "platform/graphics/canvas.h"

#include <cairo.h>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

typedef struct _PangoAttrList PangoAttrList;

namespace gw::detail {

// $00BBGGRR to cairo's native 0xAARRGGBB (opaque) and back.
inline uint32_t ToPixel(uint32_t bgr)
{
    return 0xFF000000u | ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
inline uint32_t FromPixel(uint32_t px) { return ((px >> 16) & 0xFF) | (px & 0xFF00) | ((px & 0xFF) << 16); }
// A colour as an RGB value (system colours resolved, clNone/clDefault as black).
inline uint32_t Rgb(TColor c) { return static_cast<uint32_t>(ColorToRGB(c)) & 0xFFFFFF; }
// Makes an RGB value ($00BBGGRR) the solid source of a cairo context.
inline void SetSourceRgb(cairo_t* cr, uint32_t rgb)
{
    cairo_set_source_rgb(cr, (rgb & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, ((rgb >> 16) & 0xFF) / 255.0);
}

// Direct access to the pixels of an image surface (flushed on creation, marked dirty by
// MarkDirty).
struct Pixels {
    explicit Pixels(cairo_surface_t* surface);
    uint32_t* Row(Integer y) const { return reinterpret_cast<uint32_t*>(data + size_t(y) * stride); }
    bool Inside(Integer x, Integer y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    void MarkDirty() const;

    cairo_surface_t* surface = nullptr;
    unsigned char* data = nullptr;
    Integer stride = 0;
    Integer width = 0;
    Integer height = 0;
};

// Owns a cairo context (of a mask or a scratch surface).
struct Context {
    explicit Context(cairo_t* c) : cr(c) {}
    ~Context() { cairo_destroy(cr); }
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;
    cairo_t* cr;
};

// The families of the fonts installed (from the text engine's font map).
std::vector<std::string> InstalledFamilies();

// A text as pango shaped it once: its glyphs (x from the start of the text, y from the
// baseline) in pieces of one font each, and its width.
struct GlyphRun {
    struct Piece {
        cairo_scaled_font_t* font = nullptr;  // referenced by the run
        size_t first = 0;
        size_t count = 0;
    };
    GlyphRun() = default;
    ~GlyphRun();
    GlyphRun(GlyphRun&& other) noexcept;
    GlyphRun& operator=(GlyphRun&&) = delete;
    GlyphRun(const GlyphRun&) = delete;

    // The pixels cairo inks for the run with its start on the baseline at (0, 0), as spans of
    // rows, made the first time the run is filled: a repeat text is then a few span fills.
    struct Mask {
        struct Span {
            Integer y = 0;
            Integer left = 0;
            Integer right = 0;
        };
        std::vector<Span> spans;
        TRect bounds{};
        // False when cairo's pixels do not follow the run about whole pixels (a glyph at a
        // fraction of a pixel, grey or coloured ink): then only cairo draws it.
        bool exact = false;
    };

    std::vector<cairo_glyph_t> glyphs;
    std::vector<Piece> pieces;
    Integer width = 0;
    // False when only pango can draw the text (a character it has no glyph for).
    bool drawable = true;
    mutable std::optional<Mask> mask;
};

// Hashes texts and their views alike, so that a view finds its text without a copy.
struct TextHash {
    using is_transparent = void;
    size_t operator()(StringView s) const { return std::hash<StringView>()(s); }
};

// The glyphs of single characters of a face (the text engine's own).
struct CharGlyphs;

// One font as laid out: family, pixel size and its metrics.
struct FontFace {
    String family;
    double emPixels = 11;
    Integer ascent = 0;
    Integer descent = 0;
    Integer externalLeading = 0;
    Integer aveCharWidth = 0;
    Integer maxCharWidth = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // Widths of the characters below U+0300, -1 until measured.
    mutable std::array<Integer, 0x300> advances;
    // The layout attributes of the face (features, underline, strike-out), built once.
    std::shared_ptr<PangoAttrList> attributes;
    // Texts shaped in this face, by text.
    mutable std::unordered_map<String, GlyphRun, TextHash, std::equal_to<>> runs;
    // The characters below U+0300 each shaped on its own, made on first use: a text of them is
    // put together from these glyphs instead of being shaped whole.
    mutable std::shared_ptr<CharGlyphs> charGlyphs;
    FontFace() { advances.fill(-1); }
};

// True when every character lies in U+0020..U+02FF: below the combining marks, where each
// character is shaped on its own and a text is as wide as its characters together.
bool IsSimpleText(StringView text);
// The face a font resolves to (cached by its properties).
const FontFace& FaceOf(const TFont& font);
// Width of a single line of text as pango shapes it.
Integer ShapedWidth(const FontFace& face, StringView text);
// Width of a single line of text in pixels: simple texts add up their characters' widths,
// others are shaped once and kept with the face.
Integer MeasureText(const FontFace& face, StringView text);
// Width of one character below U+0300 (measured once per face).
Integer CharWidth(const FontFace& face, Char c);
// The text shaped in the face, kept for the next call. A simple text whose characters all come
// from one font is put together from its characters' glyphs, which is what shaping it whole gives
// with kerning and ligatures off, without asking pango again.
const GlyphRun& ShapedRun(const FontFace& face, StringView text);
// Draws one line with the top of its cell at (x, y) (cairo user space); UnderlineAt is a
// UTF-16 index to underline additionally (-1 none); Angle in tenths of a degree.
void ShowText(cairo_t* cr, const FontFace& face, uint32_t rgb, double x, double y, StringView text,
              Integer underlineAt = -1, Integer angle = 0);
// True for the surfaces whose pixels are written directly: images of 32 bits a pixel.
bool FillableSurface(cairo_surface_t* surface);
// Writes one line of text with the top of its cell at device (x, y) straight into the pixels,
// inside Clip (device rectangles); false, drawing nothing, when only ShowText draws it exactly
// (decorations, characters from U+0300, a glyph missing or not on whole pixels, a surface of
// another format).
bool FillText(const Pixels& px, std::span<const TRect> clip, const FontFace& face, uint32_t rgb, Integer x, Integer y,
              StringView text);
// The same through a pango layout, whatever the text: what ShowText falls back to.
void ShowTextWithPango(cairo_t* cr, const FontFace& face, uint32_t rgb, double x, double y, StringView text,
                       Integer underlineAt = -1, Integer angle = 0);

}  // namespace gw::detail

namespace gw {

struct TCanvas::Impl {
    struct Saved {
        TPoint origin;
        bool rightToLeft = false;
        Integer mirrorWidth = 0;
        std::optional<TRegion> appClip;
        TBkMode bkMode;
        TCopyMode copyMode;
        TPoint penPos;
        std::unique_ptr<TFont> font;
        std::unique_ptr<TPen> pen;
        std::unique_ptr<TBrush> brush;
    };

    Impl() = default;
    ~Impl() { DropContext(); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    std::optional<TRegion> deviceClip;
    std::optional<TRegion> appClip;
    std::vector<Saved> saved;

    mutable std::optional<TRegion> clipCache;
    // Of the clip cache: its bounds and whether it is one rectangle (asked by every fill).
    mutable TRect clipBounds{};
    mutable bool clipSingle = true;
    mutable const detail::FontFace* face = nullptr;
    mutable Integer faceChange = -1;
    // What the face was looked up by: a change of colour or angle keeps the face.
    mutable String faceName;
    mutable Integer faceHeight = 0;
    mutable TFontStyles faceStyle = 0;
    mutable TFontPitch facePitch = fpDefault;

    // The face of the canvas font, looked up again only after its face, size or style changed.
    const detail::FontFace& Face(const TFont& font) const
    {
        if (face && faceChange == font.ChangeCount()) return *face;
        faceChange = font.ChangeCount();
        if (face && faceName == font.Name() && faceHeight == font.Height() && faceStyle == font.Style() &&
            facePitch == font.Pitch())
            return *face;
        face = &detail::FaceOf(font);
        faceName = font.Name();
        faceHeight = font.Height();
        faceStyle = font.Style();
        facePitch = font.Pitch();
        return *face;
    }

    // The effective clip in device pixels: surface bounds, device clip and program clip.
    const TRegion& Clip(const TCanvas& canvas) const;
    void ClipChanged() { clipCache.reset(); }
    // The one cairo context of the canvas on its surface, made when first needed.
    cairo_t* Cairo(const TCanvas& canvas) const;
    void DropContext();

    mutable cairo_t* cr = nullptr;
};

}  // namespace gw

namespace gw::detail {

// The canvas's cairo context for one drawing operation: clipped, without anti-aliasing, in
// device space; what the operation changes in its state is undone when the scope ends.
class DrawScope {
public:
    // Within, when given, narrows the clip to a device rectangle as well.
    explicit DrawScope(const TCanvas& canvas, const std::optional<TRect>& within = std::nullopt);
    ~DrawScope() { cairo_restore(cr); }
    DrawScope(const DrawScope&) = delete;
    DrawScope& operator=(const DrawScope&) = delete;
    cairo_t* const cr;
};

// Copies Src (a rectangle of the source pixels, device space) onto Dest (logical rectangle of
// the canvas), stretching by nearest pixel, through the clip, with a raster operation.
// A transparent colour (>= 0) leaves destination pixels where the source has that colour;
// useAlpha blends ARGB32 sources by their alpha instead.
void Blit(TCanvas& canvas, const TRect& dest, const Pixels& source, const TRect& src, TCopyMode rop,
          int64_t transparentColour, bool useAlpha);

}  // namespace gw::detail
