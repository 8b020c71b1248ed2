// Text through pango: one font map at 96 pixels per inch, no anti-aliasing, cached faces.
#include "platform/graphics/canvas_internal.h"

#include "platform/runtime/unicode.h"

#include <hb-ot.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace gw::detail {

namespace {

cairo_font_options_t* FontOptions()
{
    static cairo_font_options_t* options = [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_NONE);
        cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_FULL);
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_ON);
        return o;
    }();
    return options;
}

// One pango context and layout per thread, on a font map of our own so that the process's
// default settings do not change measurements.
struct Engine {
    Engine()
    {
        fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
        pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(fontMap), 96.0);
        context = pango_font_map_create_context(fontMap);
        pango_cairo_context_set_font_options(context, FontOptions());
        pango_cairo_context_set_resolution(context, 96.0);
        layout = pango_layout_new(context);
    }
    ~Engine()
    {
        g_object_unref(layout);
        g_object_unref(context);
        g_object_unref(fontMap);
    }
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    PangoFontMap* fontMap = nullptr;
    PangoContext* context = nullptr;
    PangoLayout* layout = nullptr;
    std::map<std::string, FontFace> faces;
    const FontFace* lastFace = nullptr;
    PangoAttrList* lastAttributes = nullptr;
};

Engine& TheEngine()
{
    thread_local Engine engine;
    return engine;
}

struct Description {
    explicit Description(const FontFace& face) : desc(pango_font_description_new())
    {
        auto family = StringToUtf8(face.family);
        pango_font_description_set_family(desc, family.c_str());
        pango_font_description_set_absolute_size(desc, face.emPixels * PANGO_SCALE);
        pango_font_description_set_weight(desc, face.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_font_description_set_style(desc, face.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    }
    ~Description() { pango_font_description_free(desc); }
    Description(const Description&) = delete;
    Description& operator=(const Description&) = delete;
    PangoFontDescription* desc;
};

// A font's design ascent and descent (above and below the baseline) in font units, as the
// platform sizes text by: the OS/2 table's clipping ascent and descent, else the horizontal
// header's; zero when the font cannot be loaded.
struct DesignMetrics {
    double ascent = 0;
    double descent = 0;
    double unitsPerEm = 0;
};

DesignMetrics DesignOf(Engine& engine, const PangoFontDescription* desc)
{
    DesignMetrics out;
    PangoFont* font = pango_font_map_load_font(engine.fontMap, engine.context, desc);
    if (!font) return out;
    hb_face_t* face = hb_font_get_face(pango_font_get_hb_font(font));
    hb_font_t* unscaled = hb_font_create(face);  // in font units
    hb_position_t ascent = 0, descent = 0;
    if (hb_ot_metrics_get_position(unscaled, HB_OT_METRICS_TAG_HORIZONTAL_CLIPPING_ASCENT, &ascent) &&
        hb_ot_metrics_get_position(unscaled, HB_OT_METRICS_TAG_HORIZONTAL_CLIPPING_DESCENT, &descent)) {
        out.ascent = std::abs(ascent);
        out.descent = std::abs(descent);
    } else {
        hb_font_extents_t e{};
        hb_font_get_h_extents(unscaled, &e);
        out.ascent = std::abs(e.ascender);
        out.descent = std::abs(e.descender);
    }
    out.unitsPerEm = hb_face_get_upem(face);
    hb_font_destroy(unscaled);
    g_object_unref(font);
    return out;
}

// Rounded to the nearest pixel, halves up.
Integer RoundPixels(double v) { return static_cast<Integer>(std::floor(v + 0.5)); }

// Ascent and descent are the design values scaled to the em and rounded each, as the platform
// does (a 13-pixel DejaVu Sans is 12 + 3, where rounding up would give 13 + 4).
void Measure(Engine& engine, FontFace& face, const DesignMetrics& design)
{
    Description d(face);
    PangoFontMetrics* m = pango_context_get_metrics(engine.context, d.desc, nullptr);
    if (design.unitsPerEm > 0) {
        face.ascent = RoundPixels(design.ascent * face.emPixels / design.unitsPerEm);
        face.descent = RoundPixels(design.descent * face.emPixels / design.unitsPerEm);
    } else {
        face.ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(m));
        face.descent = PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(m));
    }
    Integer height = PANGO_PIXELS_CEIL(pango_font_metrics_get_height(m));
    face.externalLeading = std::max(0, height - face.ascent - face.descent);
    face.aveCharWidth = PANGO_PIXELS(pango_font_metrics_get_approximate_char_width(m));
    face.maxCharWidth = PANGO_PIXELS(pango_font_metrics_get_approximate_digit_width(m)) * 2;
    pango_font_metrics_unref(m);
}

// Kerning and ligatures are off so that a text is as wide as the sum of its characters,
// which lets measurement work per character (see MeasureText).
std::shared_ptr<PangoAttrList> FaceAttributes(const FontFace& face)
{
    PangoAttrList* attrs = pango_attr_list_new();
    pango_attr_list_insert(attrs, pango_attr_font_features_new("kern 0, liga 0, clig 0"));
    if (face.underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (face.strikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    return {attrs, pango_attr_list_unref};
}

// Sets the layout's font and text; returns the layout.
PangoLayout* Prepare(const FontFace& face, StringView text, Integer underlineAt)
{
    Engine& engine = TheEngine();
    if (engine.lastFace != &face) {
        Description d(face);
        pango_layout_set_font_description(engine.layout, d.desc);
        engine.lastFace = &face;
    }
    auto utf8 = StringToUtf8(text);
    pango_layout_set_text(engine.layout, utf8.data(), static_cast<int>(utf8.size()));
    if (underlineAt >= 0 && size_t(underlineAt) < text.size()) {
        PangoAttrList* attrs = pango_attr_list_copy(face.attributes.get());
        auto start = StringToUtf8(text.substr(0, underlineAt)).size();
        auto len = StringToUtf8(text.substr(underlineAt, 1)).size();
        PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        a->start_index = static_cast<guint>(start);
        a->end_index = static_cast<guint>(start + len);
        pango_attr_list_insert(attrs, a);
        pango_layout_set_attributes(engine.layout, attrs);
        pango_attr_list_unref(attrs);
        engine.lastAttributes = nullptr;
    } else if (engine.lastAttributes != face.attributes.get()) {
        pango_layout_set_attributes(engine.layout, face.attributes.get());
        engine.lastAttributes = face.attributes.get();
    }
    return engine.layout;
}

// The glyphs of the layout's first line as pango would draw them; not drawable when a glyph
// is missing (pango draws a box for it).
GlyphRun RunOfLayout(PangoLayout* layout)
{
    GlyphRun run;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    run.width = logical.width;
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
    int x = 0;
    for (GSList* l = line->runs; l; l = l->next) {
        auto* item = static_cast<PangoLayoutRun*>(l->data);
        const PangoGlyphString* g = item->glyphs;
        GlyphRun::Piece piece;
        piece.font =
            cairo_scaled_font_reference(pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(item->item->analysis.font)));
        piece.first = run.glyphs.size();
        for (int i = 0; i < g->num_glyphs; ++i) {
            const PangoGlyphInfo& gi = g->glyphs[i];
            if (gi.glyph & PANGO_GLYPH_UNKNOWN_FLAG) run.drawable = false;
            if (gi.glyph != PANGO_GLYPH_EMPTY)
                run.glyphs.push_back({gi.glyph, double(x + gi.geometry.x_offset) / PANGO_SCALE,
                                      double(gi.geometry.y_offset) / PANGO_SCALE});
            x += gi.geometry.width;
        }
        piece.count = run.glyphs.size() - piece.first;
        run.pieces.push_back(piece);
    }
    return run;
}

// Pixel rows [top, bottom) that a decoration line of pango's placement covers: where pango's own
// rectangle covers no pixel centre (lines thinner than a pixel, as drawn without anti-aliasing),
// the one row at its rounded position, otherwise exactly the rows pango filled.
std::pair<int, int> DecorationRows(double baseline, int position, int thickness)
{
    double top = baseline - double(position) / PANGO_SCALE;
    double bottom = top + double(thickness) / PANGO_SCALE;
    int first = int(std::floor(top + 0.5));
    return {first, std::max(first + 1, int(std::floor(bottom + 0.5)))};
}

// Fills the underline and strike-out of each run of the line again, at least one pixel thick;
// the origin is the line's left end, baseline is the baseline's offset from it.
void ThickenDecorations(cairo_t* cr, PangoLayoutLine* line, double baseline)
{
    int x = 0;
    for (GSList* l = line->runs; l; l = l->next) {
        auto* run = static_cast<PangoLayoutRun*>(l->data);
        const int width = pango_glyph_string_get_width(run->glyphs);
        bool underline = false, strike = false;
        for (GSList* a = run->item->analysis.extra_attrs; a; a = a->next) {
            auto* attr = static_cast<PangoAttribute*>(a->data);
            if (attr->klass->type == PANGO_ATTR_UNDERLINE)
                underline = reinterpret_cast<PangoAttrInt*>(attr)->value != PANGO_UNDERLINE_NONE;
            if (attr->klass->type == PANGO_ATTR_STRIKETHROUGH)
                strike = reinterpret_cast<PangoAttrInt*>(attr)->value != 0;
        }
        if (underline || strike) {
            PangoFontMetrics* m = pango_font_get_metrics(run->item->analysis.font, run->item->analysis.language);
            const double left = std::floor(double(x) / PANGO_SCALE + 0.5);
            const double right = std::floor(double(x + width) / PANGO_SCALE + 0.5);
            auto fill = [&](std::pair<int, int> rows) {
                cairo_rectangle(cr, left, rows.first, right - left, rows.second - rows.first);
            };
            if (underline)
                fill(DecorationRows(baseline, pango_font_metrics_get_underline_position(m),
                                    pango_font_metrics_get_underline_thickness(m)));
            if (strike)
                fill(DecorationRows(baseline, pango_font_metrics_get_strikethrough_position(m),
                                    pango_font_metrics_get_strikethrough_thickness(m)));
            pango_font_metrics_unref(m);
        }
        x += width;
    }
    cairo_fill(cr);
}

bool Whole(double v) { return std::floor(v) == v; }

// What cairo inks for the run, drawn once on a scratch mask. Cairo puts a glyph's picture at its
// position rounded to the pixel, so with every glyph on a whole pixel the run's pixels move with
// its start unchanged; ink that is not full (grey edges, a colour glyph) is left to cairo.
GlyphRun::Mask MaskOf(const GlyphRun& run)
{
    GlyphRun::Mask m;
    for (const cairo_glyph_t& g : run.glyphs)
        if (!Whole(g.x) || !Whole(g.y)) return m;
    // Glyphs a fallback font gives may be drawn other than the mask shows: only one font's runs
    // are written straight into the pixels.
    if (std::count_if(run.pieces.begin(), run.pieces.end(), [](const GlyphRun::Piece& p) { return p.count > 0; }) > 1)
        return m;
    double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;
    for (const GlyphRun::Piece& p : run.pieces) {
        if (p.count == 0) continue;
        cairo_text_extents_t e;
        cairo_scaled_font_glyph_extents(p.font, run.glyphs.data() + p.first, static_cast<int>(p.count), &e);
        if (e.width <= 0 || e.height <= 0) continue;
        left = std::min(left, e.x_bearing);
        top = std::min(top, e.y_bearing);
        right = std::max(right, e.x_bearing + e.width);
        bottom = std::max(bottom, e.y_bearing + e.height);
    }
    m.exact = true;
    if (left > right) return m;  // no ink (spaces)
    // A margin round the extents: ink found on it means they were wrong, and the mask is not used.
    constexpr Integer margin = 2;
    const TRect box{Integer(std::floor(left)) - margin, Integer(std::floor(top)) - margin,
                    Integer(std::ceil(right)) + margin, Integer(std::ceil(bottom)) + margin};
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_A8, box.Width(), box.Height()), cairo_surface_destroy);
    {
        Context c(cairo_create(surface.get()));
        cairo_set_antialias(c.cr, CAIRO_ANTIALIAS_NONE);
        cairo_translate(c.cr, -box.Left, -box.Top);
        for (const GlyphRun::Piece& p : run.pieces) {
            if (p.count == 0) continue;
            cairo_set_scaled_font(c.cr, p.font);
            cairo_show_glyphs(c.cr, run.glyphs.data() + p.first, static_cast<int>(p.count));
        }
    }
    cairo_surface_flush(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const Integer stride = cairo_image_surface_get_stride(surface.get());
    m.bounds = {box.Right, box.Bottom, box.Left, box.Top};
    for (Integer y = 0; y < box.Height(); ++y) {
        const unsigned char* row = data + size_t(y) * stride;
        for (Integer x = 0; x < box.Width();) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            const bool edge = y < margin || y >= box.Height() - margin || x < margin;
            Integer end = x;
            while (end < box.Width() && row[end] == 0xFF) ++end;
            if (edge || end == x || end > box.Width() - margin) {
                m.exact = false;
                return m;
            }
            m.spans.push_back({y + box.Top, x + box.Left, end + box.Left});
            m.bounds = {std::min(m.bounds.Left, x + box.Left), std::min(m.bounds.Top, y + box.Top),
                        std::max(m.bounds.Right, end + box.Left), std::max(m.bounds.Bottom, y + box.Top + 1)};
            x = end;
        }
    }
    if (m.spans.empty()) m.bounds = {};
    return m;
}

}  // namespace

bool FillableSurface(cairo_surface_t* s)
{
    if (!s || cairo_surface_get_type(s) != CAIRO_SURFACE_TYPE_IMAGE) return false;
    const cairo_format_t f = cairo_image_surface_get_format(s);
    return f == CAIRO_FORMAT_RGB24 || f == CAIRO_FORMAT_ARGB32;
}

namespace {

// Texts kept per face before the cache starts anew (a grid's visible cells many times over).
constexpr size_t kRunsPerFace = 16384;

}  // namespace

// Each character below U+0300 as pango shapes it alone. With kerning and ligatures off such a
// character is shaped the same wherever it stands, so a text of them is its characters' glyphs
// side by side. A character that does not shape to one glyph (or none) of one font is not
// composed.
struct CharGlyphs {
    struct Glyph {
        enum Kind : uint8_t { Unknown, Composed, Whole } kind = Unknown;
        bool hasGlyph = false;  // false for a character pango draws as nothing
        unsigned long index = 0;
        int xOffset = 0;  // pango units
        int yOffset = 0;
        int advance = 0;
        Integer width = 0;  // pixels, as measured
        cairo_scaled_font_t* font = nullptr;  // referenced
    };
    std::array<Glyph, 0x300> glyphs;

    CharGlyphs() = default;
    ~CharGlyphs()
    {
        for (Glyph& g : glyphs)
            if (g.font) cairo_scaled_font_destroy(g.font);
    }
    CharGlyphs(const CharGlyphs&) = delete;
    CharGlyphs& operator=(const CharGlyphs&) = delete;
};

namespace {

const CharGlyphs::Glyph& GlyphOf(const FontFace& face, Char c)
{
    if (!face.charGlyphs) face.charGlyphs = std::make_shared<CharGlyphs>();
    CharGlyphs::Glyph& g = face.charGlyphs->glyphs[c];
    if (g.kind != CharGlyphs::Glyph::Unknown) return g;
    g.kind = CharGlyphs::Glyph::Whole;
    if (c < 0x20) return g;
    PangoLayout* layout = Prepare(face, StringView(&c, 1), -1);
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
    if (!line || !line->runs || line->runs->next) return g;
    const auto* run = static_cast<const PangoLayoutRun*>(line->runs->data);
    if (run->glyphs->num_glyphs != 1) return g;
    const PangoGlyphInfo& gi = run->glyphs->glyphs[0];
    if (gi.glyph & PANGO_GLYPH_UNKNOWN_FLAG) return g;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    g.hasGlyph = gi.glyph != PANGO_GLYPH_EMPTY;
    g.index = gi.glyph;
    g.xOffset = gi.geometry.x_offset;
    g.yOffset = gi.geometry.y_offset;
    g.advance = gi.geometry.width;
    g.width = logical.width;
    g.font = cairo_scaled_font_reference(pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(run->item->analysis.font)));
    g.kind = CharGlyphs::Glyph::Composed;
    return g;
}

// The text's glyphs from its characters' when they all compose and come from one font; false
// (Run left without pieces) otherwise.
bool ComposeRun(const FontFace& face, StringView text, GlyphRun& run)
{
    cairo_scaled_font_t* font = nullptr;
    int x = 0;
    Integer width = 0;
    run.glyphs.reserve(text.size());
    for (Char c : text) {
        if (c >= 0x300) return false;
        const CharGlyphs::Glyph& g = GlyphOf(face, c);
        if (g.kind != CharGlyphs::Glyph::Composed || (font && g.font != font)) return false;
        font = g.font;
        if (g.hasGlyph)
            run.glyphs.push_back({g.index, double(x + g.xOffset) / PANGO_SCALE, double(g.yOffset) / PANGO_SCALE});
        x += g.advance;
        width += g.width;
    }
    if (!font) return false;
    run.pieces.push_back({cairo_scaled_font_reference(font), 0, run.glyphs.size()});
    run.width = width;
    return true;
}

GlyphRun ShapeRun(const FontFace& face, StringView text)
{
    GlyphRun run;
    if (text.empty() || ComposeRun(face, text, run)) return run;
    return RunOfLayout(Prepare(face, text, -1));
}

}  // namespace

std::vector<std::string> InstalledFamilies()
{
    PangoFontFamily** families = nullptr;
    int count = 0;
    pango_font_map_list_families(TheEngine().fontMap, &families, &count);
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) out.emplace_back(pango_font_family_get_name(families[i]));
    g_free(families);
    return out;
}

const FontFace& FaceOf(const TFont& font)
{
    Engine& engine = TheEngine();
    String family = font.ResolvedFamily();
    std::string key = StringToUtf8(family) + "|" + std::to_string(font.Height()) + "|" + std::to_string(font.Style());
    if (auto it = engine.faces.find(key); it != engine.faces.end()) return it->second;
    FontFace face;
    face.family = family;
    face.bold = font.Style() & fsBold;
    face.italic = font.Style() & fsItalic;
    face.underline = font.Style() & fsUnderline;
    face.strikeOut = font.Style() & fsStrikeOut;
    Integer h = font.Height();
    face.emPixels = h < 0 ? -h : (h == 0 ? 11 : h);
    DesignMetrics design;
    {
        Description d(face);
        design = DesignOf(engine, d.desc);
    }
    // A positive height is the cell height: the em is what makes the design ascent and descent
    // together that tall.
    if (h > 0 && design.ascent + design.descent > 0)
        face.emPixels = h * design.unitsPerEm / (design.ascent + design.descent);
    Measure(engine, face, design);
    if (h > 0 && design.unitsPerEm <= 0 && face.ascent + face.descent > 0) {
        face.emPixels = face.emPixels * h / (face.ascent + face.descent);
        Measure(engine, face, design);
    }
    face.attributes = FaceAttributes(face);
    return engine.faces.emplace(key, std::move(face)).first->second;
}

GlyphRun::~GlyphRun()
{
    for (const Piece& p : pieces) cairo_scaled_font_destroy(p.font);
}

GlyphRun::GlyphRun(GlyphRun&& other) noexcept
    : glyphs(std::move(other.glyphs)), pieces(std::exchange(other.pieces, {})), width(other.width),
      drawable(other.drawable), mask(std::move(other.mask))
{
}

bool IsSimpleText(StringView text)
{
    for (Char c : text)
        if (c < 0x20 || c >= 0x300) return false;
    return true;
}

Integer ShapedWidth(const FontFace& face, StringView text)
{
    if (text.empty()) return 0;
    PangoLayout* layout = Prepare(face, text, -1);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    return logical.width;
}

const GlyphRun& ShapedRun(const FontFace& face, StringView text)
{
    if (auto it = face.runs.find(text); it != face.runs.end()) return it->second;
    if (face.runs.size() >= kRunsPerFace) face.runs.clear();
    return face.runs.emplace(String(text), ShapeRun(face, text)).first->second;
}

Integer CharWidth(const FontFace& face, Char c)
{
    Integer& w = face.advances[c];
    if (w < 0) w = ShapedWidth(face, StringView(&c, 1));
    return w;
}

Integer MeasureText(const FontFace& face, StringView text)
{
    if (!IsSimpleText(text)) return ShapedRun(face, text).width;
    Integer width = 0;
    for (Char c : text) width += CharWidth(face, c);
    return width;
}

void ShowText(cairo_t* cr, const FontFace& face, uint32_t rgb, double x, double y, StringView text, Integer underlineAt,
              Integer angle)
{
    if (text.empty()) return;
    SetSourceRgb(cr, rgb);
    // Texts of simple characters are drawn from the glyphs shaped before; pango draws the rest
    // and everything it decorates.
    if (angle == 0 && underlineAt < 0 && !face.underline && !face.strikeOut && IsSimpleText(text)) {
        const GlyphRun& run = ShapedRun(face, text);
        if (run.drawable) {
            thread_local std::vector<cairo_glyph_t> placed;
            placed.resize(run.glyphs.size());
            double baseline = y + face.ascent;
            for (size_t i = 0; i < placed.size(); ++i)
                placed[i] = {run.glyphs[i].index, x + run.glyphs[i].x, baseline + run.glyphs[i].y};
            for (const GlyphRun::Piece& p : run.pieces) {
                if (p.count == 0) continue;
                cairo_set_scaled_font(cr, p.font);
                cairo_show_glyphs(cr, placed.data() + p.first, static_cast<int>(p.count));
            }
            return;
        }
    }
    ShowTextWithPango(cr, face, rgb, x, y, text, underlineAt, angle);
}

bool FillText(const Pixels& px, std::span<const TRect> clip, const FontFace& face, uint32_t rgb, Integer x, Integer y,
              StringView text)
{
    if (text.empty()) return true;
    if (face.underline || face.strikeOut || !IsSimpleText(text) || !FillableSurface(px.surface)) return false;
    const GlyphRun& run = ShapedRun(face, text);
    if (!run.drawable) return false;
    if (!run.mask) run.mask = MaskOf(run);
    const GlyphRun::Mask& m = *run.mask;
    if (!m.exact) return false;
    const Integer baseline = y + face.ascent;
    const uint32_t pixel = ToPixel(rgb);
    const TRect inked{m.bounds.Left + x, m.bounds.Top + baseline, m.bounds.Right + x, m.bounds.Bottom + baseline};
    const TRect surface{0, 0, px.width, px.height};
    for (const TRect& c : clip) {
        TRect area;
        if (!IntersectRect(area, c, inked) || !IntersectRect(area, area, surface)) continue;
        for (const GlyphRun::Mask::Span& s : m.spans) {
            const Integer row = s.y + baseline;
            if (row < area.Top || row >= area.Bottom) continue;
            const Integer from = std::max(s.left + x, area.Left), to = std::min(s.right + x, area.Right);
            if (from < to) std::fill(px.Row(row) + from, px.Row(row) + to, pixel);
        }
    }
    return true;
}

void ShowTextWithPango(cairo_t* cr, const FontFace& face, uint32_t rgb, double x, double y, StringView text,
                       Integer underlineAt, Integer angle)
{
    if (text.empty()) return;
    PangoLayout* layout = Prepare(face, text, underlineAt);
    cairo_save(cr);
    SetSourceRgb(cr, rgb);
    cairo_set_font_options(cr, FontOptions());
    cairo_translate(cr, x, y);
    if (angle != 0) cairo_rotate(cr, -angle * M_PI / 1800.0);
    cairo_move_to(cr, 0, face.ascent);
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
    pango_cairo_show_layout_line(cr, line);
    if (angle == 0) ThickenDecorations(cr, line, face.ascent);
    cairo_restore(cr);
}

}  // namespace gw::detail

// Fontconfig keeps a block from parsing its configuration that it never frees; the leak
// checker of the sanitizer builds is told so here, where fontconfig is brought in. Weak, so
// that a program with its own list wins.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
