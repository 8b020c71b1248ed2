// The canvas's part of a full-HD grid frame, against the same drawing done straight with cairo.
//
// The viewport (1920 x 1080) shows the generator's rows (shared/bench/gen_grid_csv.py) as a grid
// does: a fixed header row and column, cell backgrounds, one-pixel grid lines and a clipped
// single line of text per cell (numbers right-aligned, the rest cut with an end ellipsis).
// BM_GridFrame_Canvas draws it through TCanvas; BM_GridFrame_Cairo draws the same pixels' worth
// straight with cairo and glyphs shaped once beforehand, the floor the canvas is held to. The
// canvas benchmark reports that floor measured in the same run as "cairo_ms" and the ratio as
// "x_cairo". With GW_BENCH_PNG_DIR set, both pictures are written there.
#include "bench/grid_rows.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/unicode.h"

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace gw;

constexpr Integer kWidth = 1920, kHeight = 1080, kRowHeight = 24, kRows = 200;
// The header column, then the generator's ten columns.
const Integer kColWidths[] = {48, 110, 120, 170, 100, 130, 80, 100, 150, 520, 100};
constexpr Integer kCols = 11;

// ---- the generator's rows ----------------------------------------------------------------------

const std::vector<std::vector<String>>& GridRows()
{
    static const std::vector<std::vector<String>> rows = bench::GeneratorRows(kRows);
    return rows;
}

// ---- the frame as a grid lays it out ----------------------------------------------------------

struct Cell {
    TRect rect;  // the cell without its grid lines
    TRect textRect;
    String text;
    bool fixed = false;
    bool selected = false;
    bool rightAligned = false;
};

struct Frame {
    std::vector<Cell> cells;
    std::vector<TRect> lines;  // one-pixel grid lines as rectangles
};

const Frame& TheFrame()
{
    static const Frame frame = [] {
        Frame f;
        const auto& rows = GridRows();
        Integer y = 0;
        for (Integer r = 0; y < kHeight; ++r, y += kRowHeight) {
            Integer x = 0;
            for (Integer c = 0; c < kCols; ++c) {
                Cell cell;
                cell.rect = {x, y, x + kColWidths[c] - 1, y + kRowHeight - 1};
                cell.textRect = {cell.rect.Left + 2, cell.rect.Top, cell.rect.Right - 2, cell.rect.Bottom};
                cell.fixed = r == 0 || c == 0;
                cell.selected = !cell.fixed && r >= 5 && r <= 9 && c >= 2 && c <= 4;
                if (r == 0 && c > 0)
                    cell.text = u"Column " + Utf8ToString(std::to_string(c));
                else if (c == 0 && r > 0)
                    cell.text = Utf8ToString(std::to_string(r));
                else if (r > 0)
                    cell.text = rows[size_t(r - 1) % rows.size()][size_t(c - 1)];
                // Ids, amounts, quantities and ratios are numbers, shown right-aligned.
                cell.rightAligned = r > 0 && (c == 1 || c == 2 || c == 6 || c == 7);
                f.cells.push_back(std::move(cell));
                x += kColWidths[c];
            }
            f.lines.push_back({0, y + kRowHeight - 1, kWidth, y + kRowHeight});
        }
        Integer x = 0;
        for (Integer c = 0; c < kCols; ++c) {
            x += kColWidths[c];
            f.lines.push_back({x - 1, 0, x, kHeight});
        }
        return f;
    }();
    return frame;
}

// ---- through the canvas -----------------------------------------------------------------------

void PaintWithCanvas(TCanvas& c, const Frame& f)
{
    c.Font()->SetName(u"Tahoma");
    c.Font()->SetHeight(-11);
    for (const Cell& cell : f.cells) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(cell.fixed ? clBtnFace : cell.selected ? clHighlight : clWindow);
        c.FillRect(cell.rect);
        c.Font()->SetColor(cell.selected ? clHighlightText : clWindowText);
        c.Brush()->SetStyle(bsClear);
        TRect r = cell.textRect;
        Cardinal format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        if (cell.rightAligned) format |= DT_RIGHT;
        c.DrawText(cell.text, r, format);
    }
    c.Pen()->SetColor(clSilver);
    for (const TRect& l : f.lines) {
        c.MoveTo(l.Left, l.Top);
        if (l.Width() == 1)
            c.LineTo(l.Left, l.Bottom);
        else
            c.LineTo(l.Right, l.Top);
    }
}

// ---- straight with cairo ----------------------------------------------------------------------

// The glyphs of one cell, shaped once by pango (with the ellipsis the canvas chooses).
struct GlyphRun {
    std::vector<cairo_glyph_t> glyphs;
    cairo_scaled_font_t* font = nullptr;
    double x = 0, y = 0;
};

struct CairoFrame {
    std::vector<GlyphRun> runs;  // one per cell of TheFrame()
};

void AppendRun(PangoLayoutRun* run, double x0, double baseline, GlyphRun& out)
{
    PangoGlyphString* g = run->glyphs;
    out.font = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(run->item->analysis.font));
    double x = x0;
    for (int i = 0; i < g->num_glyphs; ++i) {
        const PangoGlyphInfo& gi = g->glyphs[i];
        if (!(gi.glyph & PANGO_GLYPH_UNKNOWN_FLAG) && gi.glyph != PANGO_GLYPH_EMPTY)
            out.glyphs.push_back({gi.glyph, x + double(gi.geometry.x_offset) / PANGO_SCALE,
                                  baseline + double(gi.geometry.y_offset) / PANGO_SCALE});
        x += double(gi.geometry.width) / PANGO_SCALE;
    }
}

const CairoFrame& TheCairoFrame()
{
    static const CairoFrame cf = [] {
        CairoFrame out;
        const Frame& f = TheFrame();
        PangoFontMap* map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
        pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(map), 96.0);
        PangoContext* context = pango_font_map_create_context(map);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
        pango_cairo_context_set_font_options(context, options);
        pango_cairo_context_set_resolution(context, 96.0);
        PangoLayout* layout = pango_layout_new(context);
        PangoFontDescription* desc = pango_font_description_from_string("DejaVu Sans");
        pango_font_description_set_absolute_size(desc, 11 * PANGO_SCALE);
        pango_layout_set_font_description(layout, desc);
        PangoAttrList* attrs = pango_attr_list_new();
        pango_attr_list_insert(attrs, pango_attr_font_features_new("kern 0, liga 0, clig 0"));
        pango_layout_set_attributes(layout, attrs);
        // The canvas decides which text fits; the floor only draws it.
        TCanvas measure;
        for (const Cell& cell : f.cells) {
            GlyphRun run;
            auto lines = measure.LayoutText(cell.text, cell.textRect,
                                            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
            String shown = lines.empty() ? String() : lines[0].Text;
            Integer width = lines.empty() ? 0 : lines[0].Width;
            auto utf8 = StringToUtf8(shown);
            pango_layout_set_text(layout, utf8.data(), int(utf8.size()));
            PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
            TTextMetric tm = measure.GetTextMetrics();
            run.x = cell.rightAligned ? cell.textRect.Right - width : cell.textRect.Left;
            run.y = cell.textRect.Top + (cell.textRect.Height() - tm.tmHeight) / 2 + tm.tmAscent;
            double x = 0;
            for (GSList* l = line->runs; l; l = l->next) {
                auto* r = static_cast<PangoLayoutRun*>(l->data);
                AppendRun(r, run.x + x, run.y, run);
                x += double(pango_glyph_string_get_width(r->glyphs)) / PANGO_SCALE;
            }
            if (run.font) cairo_scaled_font_reference(run.font);
            out.runs.push_back(std::move(run));
        }
        pango_attr_list_unref(attrs);
        pango_font_description_free(desc);
        cairo_font_options_destroy(options);
        g_object_unref(layout);
        g_object_unref(context);
        // The font map stays: the scaled fonts live as long as the program.
        return out;
    }();
    return cf;
}

void SetRgb(cairo_t* cr, TColor colour)
{
    uint32_t rgb = uint32_t(ColorToRGB(colour));
    cairo_set_source_rgb(cr, (rgb & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, ((rgb >> 16) & 0xFF) / 255.0);
}

void PaintWithCairo(cairo_surface_t* surface, const Frame& f, const CairoFrame& cf)
{
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    for (size_t i = 0; i < f.cells.size(); ++i) {
        const Cell& cell = f.cells[i];
        SetRgb(cr, cell.fixed ? clBtnFace : cell.selected ? clHighlight : clWindow);
        cairo_rectangle(cr, cell.rect.Left, cell.rect.Top, cell.rect.Width(), cell.rect.Height());
        cairo_fill(cr);
        const GlyphRun& run = cf.runs[i];
        if (run.glyphs.empty()) continue;
        cairo_save(cr);
        cairo_rectangle(cr, cell.textRect.Left, cell.textRect.Top, cell.textRect.Width(), cell.textRect.Height());
        cairo_clip(cr);
        SetRgb(cr, cell.selected ? clHighlightText : clWindowText);
        cairo_set_scaled_font(cr, run.font);
        cairo_show_glyphs(cr, run.glyphs.data(), int(run.glyphs.size()));
        cairo_restore(cr);
    }
    SetRgb(cr, clSilver);
    for (const TRect& l : f.lines) cairo_rectangle(cr, l.Left, l.Top, l.Width(), l.Height());
    cairo_fill(cr);
    cairo_destroy(cr);
}

// Milliseconds per frame of a drawing, the best of a few rounds.
template <class F>
double MillisecondsPerFrame(F paint)
{
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 5; ++i) paint();
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / 5);
    }
    return best;
}

void BM_GridFrame_Cairo(benchmark::State& state)
{
    TBitmap bmp(kWidth, kHeight);
    const Frame& f = TheFrame();
    const CairoFrame& cf = TheCairoFrame();
    for (auto _ : state) {
        PaintWithCairo(bmp.Surface(), f, cf);
        cairo_surface_flush(bmp.Surface());
        benchmark::DoNotOptimize(bmp.PixelColor(0, 0));
    }
}
BENCHMARK(BM_GridFrame_Cairo)->Unit(benchmark::kMillisecond);

void BM_GridFrame_Canvas(benchmark::State& state)
{
    TBitmap bmp(kWidth, kHeight);
    const Frame& f = TheFrame();
    for (auto _ : state) {
        PaintWithCanvas(*bmp.Canvas(), f);
        benchmark::DoNotOptimize(bmp.PixelColor(0, 0));
    }
    TBitmap floor(kWidth, kHeight);
    const CairoFrame& cf = TheCairoFrame();
    double canvasMs = MillisecondsPerFrame([&] { PaintWithCanvas(*bmp.Canvas(), f); });
    double cairoMs = MillisecondsPerFrame([&] {
        PaintWithCairo(floor.Surface(), f, cf);
        cairo_surface_flush(floor.Surface());
    });
    state.counters["canvas_ms"] = canvasMs;
    state.counters["cairo_ms"] = cairoMs;
    state.counters["x_cairo"] = canvasMs / cairoMs;
    // For a person to compare the two pictures.
    if (const char* dir = std::getenv("GW_BENCH_PNG_DIR")) {
        SaveSurfaceToPng(bmp.Surface(), Utf8ToString(std::string(dir) + "/grid_frame_canvas.png"));
        SaveSurfaceToPng(floor.Surface(), Utf8ToString(std::string(dir) + "/grid_frame_cairo.png"));
    }
}
BENCHMARK(BM_GridFrame_Canvas)->Unit(benchmark::kMillisecond);

}  // namespace
