// Text measurement and DrawText layout against the installed fonts.
#include "pixel_map.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/canvas_internal.h"

#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

std::vector<String> Texts(const std::vector<TTextLine>& lines)
{
    std::vector<String> out;
    for (const auto& l : lines) out.push_back(l.Text);
    return out;
}

class DrawTextTest : public ::testing::Test {
protected:
    TCanvas canvas;  // no surface: layout and measurement only
    Integer lineHeight = canvas.TextHeight(u"Ag");
};

TEST_F(DrawTextTest, MeasurementIsFixedByTheSubstitutedFaces)
{
    // The default font (Tahoma 8) is DejaVu Sans at 11 pixels: ascent 10, descent 3.
    EXPECT_EQ(canvas.TextHeight(u"x"), 13);
    EXPECT_EQ(canvas.TextWidth(u"Hello"), 28);
    EXPECT_EQ(canvas.TextWidth(u""), 0);
    EXPECT_EQ(canvas.TextExtent(u"Hello"), (TSize{28, 13}));
    canvas.Font()->SetName(u"Arial");
    canvas.Font()->SetSize(10);
    EXPECT_EQ(canvas.TextWidth(u"Hello"), 29);
    EXPECT_EQ(canvas.TextHeight(u"x"), 15);
    canvas.Font()->SetStyle(fsBold);
    EXPECT_GT(canvas.TextWidth(u"Hello"), 29);
    // A positive height is the cell height.
    canvas.Font()->SetHeight(20);
    EXPECT_EQ(canvas.TextHeight(u"x"), 20);
}

// Texts of characters below U+0300 in faces of every kind the program uses. Among them: the values
// a table shows, characters some faces take from another font (alone and between spaces), and
// those pango draws by their neighbours (soft hyphen, no-break space, a control).
const char16_t* const kSimpleTexts[] = {u"Hello world",
                                        u"AVAWAY To",
                                        u"fi fl ffi",
                                        u"caf\u00e9 na\u00efve Z\u00fcrich",
                                        u"\u0141\u00f3d\u017a \u0218tefan \u01c4",
                                        u"  (12,34) [x] {y} ~!@#$%^&*_+|",
                                        u"-12.50 0.123456 31/12/2024 10.0.0.255 AB-1234",
                                        u"\u0237 \u0237j\u0237 \u01c4 \u02ea\u02eb x",
                                        u"co\u00adop a\u00a0b c\u007fd"};
const std::pair<const char16_t*, Integer> kFonts[] = {
    {u"Tahoma", -11}, {u"Arial", -13}, {u"Times New Roman", 16}, {u"Courier New", -12}, {u"Verdana", -20}};

// The texts of kSimpleTexts whose characters some faces take from another font.
bool MayComeFromAFallbackFont(const char16_t* Text) { return Text == kSimpleTexts[7] || Text == kSimpleTexts[8]; }

// Calls Check(face, name) for every font of kFonts, plain and bold italic.
template <class Check>
void ForEachFace(Check check)
{
    for (const auto& [name, height] : kFonts) {
        for (TFontStyles style : {TFontStyles(0), TFontStyles(fsBold | fsItalic)}) {
            TFont font;
            font.SetName(name);
            font.SetHeight(height);
            font.SetStyle(style);
            check(detail::FaceOf(font), StringToUtf8(name));
        }
    }
}

// The first pixel (x, y) where two surfaces of one size differ in any byte, or (-1, -1).
TPoint FirstDifference(cairo_surface_t* a, cairo_surface_t* b)
{
    cairo_surface_flush(a);
    cairo_surface_flush(b);
    const Integer w = cairo_image_surface_get_width(a), h = cairo_image_surface_get_height(a);
    for (Integer y = 0; y < h; ++y) {
        auto rowA = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(a) + y * cairo_image_surface_get_stride(a));
        auto rowB = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(b) + y * cairo_image_surface_get_stride(b));
        for (Integer x = 0; x < w; ++x)
            if (rowA[x] != rowB[x]) return {x, y};
    }
    return {-1, -1};
}

// Texts below U+0300 are drawn from glyphs shaped once and kept (put together from their
// characters' glyphs where they all come from one font); they must be the pixels pango draws, for
// every face, at whole and odd positions, and a second draw (from the cache) too.
TEST(TextRuns, CachedGlyphsDrawWhatPangoDraws)
{
    ForEachFace([](const detail::FontFace& face, const std::string& name) {
        for (const char16_t* t : kSimpleTexts) {
            ASSERT_TRUE(detail::IsSimpleText(t));
            std::vector<std::unique_ptr<TBitmap>> pictures;
            for (int way = 0; way < 3; ++way) {
                pictures.push_back(std::make_unique<TBitmap>(320, 40));
                cairo_t* cr = cairo_create(pictures.back()->Surface());
                cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
                if (way == 0)
                    detail::ShowTextWithPango(cr, face, 0xFFFFFF, 3, 7, t);
                else
                    detail::ShowText(cr, face, 0xFFFFFF, 3, 7, t);
                cairo_destroy(cr);
            }
            for (int way = 1; way < 3; ++way)
                for (Integer y = 0; y < 40; ++y)
                    for (Integer x = 0; x < 320; ++x)
                        ASSERT_EQ(pictures[size_t(way)]->PixelColor(x, y), pictures[0]->PixelColor(x, y))
                            << name << " " << StringToUtf8(t) << " at " << x << "," << y;
        }
    });
}

// Filling a text's pixels straight into the surface must give cairo's pixels byte for byte:
// through a clip that cuts glyphs, one of two rectangles, partly off the surface, on surfaces
// with and without alpha, the first time (the mask is made) and from the kept mask.
TEST(TextRuns, FilledTextIsWhatCairoDrawsThroughTheSameClip)
{
    const std::vector<TRect> clips[] = {
        {Rect(0, 0, 320, 40)}, {Rect(11, 9, 37, 16)}, {Rect(0, 0, 20, 12), Rect(25, 14, 200, 40)}};
    const TPoint places[] = {{3, 7}, {-4, -5}, {290, 30}};
    const uint32_t colour = 0x3060C0;
    ForEachFace([&](const detail::FontFace& face, const std::string& name) {
        for (const char16_t* t : kSimpleTexts)
            for (TPixelFormat format : {pf24bit, pf32bit})
                for (const auto& clip : clips)
                    for (const TPoint& at : places)
                        for (int time = 0; time < 2; ++time) {
                            auto cairoDrawn = test::WhiteBitmap(320, 40);
                            auto filled = test::WhiteBitmap(320, 40);
                            cairoDrawn->SetPixelFormat(format);
                            filled->SetPixelFormat(format);
                            cairo_t* cr = cairo_create(cairoDrawn->Surface());
                            // As the canvas draws: glyphs a fallback font gives are not smoothed.
                            cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
                            for (const TRect& r : clip) cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
                            cairo_clip(cr);
                            detail::ShowTextWithPango(cr, face, colour, at.X, at.Y, t);
                            cairo_destroy(cr);
                            detail::Pixels px(filled->Surface());
                            if (!detail::FillText(px, clip, face, colour, at.X, at.Y, t)) {
                                // Only a text with characters some faces take from another font
                                // may be left to cairo; then nothing is written.
                                ASSERT_TRUE(MayComeFromAFallbackFont(t)) << name << " \"" << StringToUtf8(t) << "\"";
                                ASSERT_EQ(FirstDifference(filled->Surface(), test::WhiteBitmap(320, 40)->Surface()),
                                          (TPoint{-1, -1}));
                                continue;
                            }
                            px.MarkDirty();
                            const TPoint d = FirstDifference(filled->Surface(), cairoDrawn->Surface());
                            ASSERT_EQ(d, (TPoint{-1, -1})) << name << " \"" << StringToUtf8(t) << "\" at " << at.X
                                                           << "," << at.Y << " format " << format;
                        }
    });
}

// What only cairo draws exactly is declined, and nothing is written: decorations, characters from
// U+0300 on, a surface of 8 bits a pixel.
TEST(TextRuns, FillingDeclinesWhatOnlyCairoDraws)
{
    TFont font;
    const detail::FontFace& plain = detail::FaceOf(font);
    font.SetStyle(fsUnderline);
    const detail::FontFace& underlined = detail::FaceOf(font);
    font.SetStyle(fsStrikeOut);
    const detail::FontFace& struck = detail::FaceOf(font);
    const std::vector<TRect> all{Rect(0, 0, 100, 20)};
    auto white = test::WhiteBitmap(100, 20);
    detail::Pixels px(white->Surface());
    struct TCase {
        const detail::FontFace& face;
        const char16_t* text;
    };
    for (const TCase& c : {TCase{underlined, u"Hello"}, TCase{struck, u"Hello"}, TCase{plain, u"c\u0301a"},
                           TCase{plain, u"\u05e9\u05dc\u05d5\u05dd"}, TCase{plain, u"\u4e2d"}}) {
        EXPECT_FALSE(detail::FillText(px, all, c.face, 0, 2, 2, c.text)) << StringToUtf8(c.text);
    }
    for (Integer y = 0; y < 20; ++y)
        for (Integer x = 0; x < 100; ++x) ASSERT_EQ(white->PixelColor(x, y), clWhite);
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> grey(
        cairo_image_surface_create(CAIRO_FORMAT_A8, 100, 20), cairo_surface_destroy);
    detail::Pixels greyPixels(grey.get());
    EXPECT_FALSE(detail::FillText(greyPixels, all, plain, 0, 2, 2, u"Hello"));
    EXPECT_TRUE(detail::FillText(px, all, plain, 0, 2, 2, u""));
}

// A line whose tab-separated parts go different ways (one written straight into the pixels, one
// with a combining mark through cairo) shows both, each where pango puts it.
TEST(DrawTextPixels, PartsWrittenDirectlyAndThroughCairoMeet)
{
    auto drawn = test::WhiteBitmap(200, 30);
    auto expected = test::WhiteBitmap(200, 30);
    TCanvas& c = *drawn->Canvas();
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetColor(clNavy);
    TRect r = Rect(5, 4, 200, 30);
    const String second = u"c\u0301d";
    for (const String& first : {String(u"ab"), String(u"a\u0301b")}) {
        for (auto* bmp : {drawn.get(), expected.get()}) {
            bmp->Canvas()->Brush()->SetColor(clWhite);
            bmp->Canvas()->Brush()->SetStyle(bsSolid);
            bmp->Canvas()->FillRect(Rect(0, 0, 200, 30));
        }
        c.Brush()->SetStyle(bsClear);
        c.DrawText(first + u"\t" + second + u"\tef", r, DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
        const detail::FontFace& face = detail::FaceOf(*c.Font());
        const Integer tab = 8 * c.GetTextMetrics().tmAveCharWidth;
        cairo_t* cr = cairo_create(expected->Surface());
        detail::ShowTextWithPango(cr, face, detail::Rgb(clNavy), 5, 4, first);
        detail::ShowTextWithPango(cr, face, detail::Rgb(clNavy), 5 + tab, 4, second);
        detail::ShowTextWithPango(cr, face, detail::Rgb(clNavy), 5 + 2 * tab, 4, u"ef");
        cairo_destroy(cr);
        EXPECT_EQ(FirstDifference(drawn->Surface(), expected->Surface()), (TPoint{-1, -1})) << StringToUtf8(first);
    }
}

TEST_F(DrawTextTest, MeasuringByCharacterAgreesWithShapingTheWholeText)
{
    const char16_t* texts[] = {u"Hello world", u"AVAWAY To", u"fi fl ffi", u"Gateway 12 (COM3)", u"1234567890.,;"};
    const std::pair<const char16_t*, TFontStyles> fonts[] = {
        {u"Tahoma", 0}, {u"Tahoma", fsBold}, {u"Arial", fsItalic}, {u"Courier New", 0}, {u"Times New Roman", 0}};
    for (const auto& [name, style] : fonts) {
        canvas.Font()->SetName(name);
        canvas.Font()->SetStyle(style);
        for (const char16_t* t : texts) {
            const detail::FontFace& face = detail::FaceOf(*canvas.Font());
            EXPECT_EQ(detail::MeasureText(face, t), detail::ShapedWidth(face, t)) << StringToUtf8(t);
            TRect r = Rect(0, 0, 1000, 100);
            auto lines = canvas.LayoutText(t, r, DT_SINGLELINE | DT_NOPREFIX);
            // The pixels drawn span what was measured: draw and find the last inked column.
            auto bmp = test::WhiteBitmap(400, 30);
            bmp->Canvas()->SetFont(canvas.Font());
            bmp->Canvas()->Brush()->SetStyle(bsClear);
            bmp->Canvas()->TextOut(0, 0, t);
            Integer last = -1;
            for (Integer y = 0; y < 30; ++y)
                for (Integer x = 0; x < 400; ++x)
                    if (bmp->PixelColor(x, y) != clWhite) last = std::max(last, x);
            EXPECT_LE(last, lines[0].Width + 1) << StringToUtf8(t);
            EXPECT_GE(last, lines[0].Width - 4) << StringToUtf8(t);
        }
    }
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing)
{
    TRect r = Rect(10, 20, 1000, 20);
    EXPECT_EQ(canvas.DrawText(u"Hello", r, DT_CALCRECT | DT_SINGLELINE), lineHeight);
    EXPECT_EQ(r, Rect(10, 20, 10 + canvas.TextWidth(u"Hello"), 20 + lineHeight));

    // Word break in 40 pixels: two lines; the rectangle takes the widest one.
    r = Rect(0, 0, 40, 0);
    EXPECT_EQ(canvas.DrawText(u"Hello world", r, DT_CALCRECT | DT_WORDBREAK), 2 * lineHeight);
    EXPECT_EQ(r.Bottom, 2 * lineHeight);
    EXPECT_EQ(r.Right, std::max(canvas.TextWidth(u"Hello"), canvas.TextWidth(u"world")));

    // Line breaks count without word break; an empty text is one line high.
    r = Rect(0, 0, 100, 0);
    EXPECT_EQ(canvas.DrawText(u"a\r\nb\nc", r, DT_CALCRECT), 3 * lineHeight);
    r = Rect(0, 0, 100, 0);
    EXPECT_EQ(canvas.DrawText(u"", r, DT_CALCRECT), lineHeight);
    EXPECT_EQ(r.Right, 0);
}

TEST_F(DrawTextTest, WordBreakKeepsLongWordsWholeUnlessInEditControlLook)
{
    TRect r = Rect(0, 0, 40, 200);
    EXPECT_EQ(Texts(canvas.LayoutText(u"Hello world again", r, DT_WORDBREAK)),
              (std::vector<String>{u"Hello", u"world", u"again"}));
    EXPECT_EQ(Texts(canvas.LayoutText(u"a b c d e f", Rect(0, 0, 1000, 0), DT_WORDBREAK)),
              (std::vector<String>{u"a b c d e f"}));
    auto whole = canvas.LayoutText(u"Unbreakablewordhere x", r, DT_WORDBREAK);
    ASSERT_EQ(whole.size(), 2u);
    EXPECT_EQ(whole[0].Text, u"Unbreakablewordhere");
    EXPECT_GT(whole[0].Width, 40);
    auto broken = canvas.LayoutText(u"Unbreakablewordhere", r, DT_WORDBREAK | DT_EDITCONTROL);
    ASSERT_GT(broken.size(), 1u);
    String joined;
    for (const auto& l : broken) {
        EXPECT_LE(l.Width, 40);
        joined += l.Text;
    }
    EXPECT_EQ(joined, u"Unbreakablewordhere");
    // Single-line ignores word break and line breaks.
    EXPECT_EQ(Texts(canvas.LayoutText(u"Hello\r\nworld", r, DT_SINGLELINE | DT_WORDBREAK)),
              (std::vector<String>{u"Helloworld"}));
}

TEST_F(DrawTextTest, EllipsesShortenToTheWidth)
{
    Integer w = canvas.TextWidth(u"Hello w...");
    auto end = canvas.LayoutText(u"Hello world", Rect(0, 0, w, 20), DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(end[0].Text, u"Hello w...");
    EXPECT_LE(end[0].Width, w);
    // Fitting text is left alone; with no room at all only the ellipsis remains.
    EXPECT_EQ(canvas.LayoutText(u"Hi", Rect(0, 0, 100, 20), DT_END_ELLIPSIS)[0].Text, u"Hi");
    EXPECT_EQ(canvas.LayoutText(u"Hello", Rect(0, 0, 2, 20), DT_END_ELLIPSIS)[0].Text, u"...");

    auto path = canvas.LayoutText(u"C:\\Program Files\\Gateway\\config.xml", Rect(0, 0, 120, 20),
                                  DT_SINGLELINE | DT_PATH_ELLIPSIS);
    const String& p = path[0].Text;
    EXPECT_LE(path[0].Width, 120);
    EXPECT_TRUE(p.ends_with(u"...\\config.xml")) << StringToUtf8(p);
    EXPECT_TRUE(p.starts_with(u"C:\\"));

    // Edit-control look: only whole lines, the last one shown ends in an ellipsis.
    auto cut = canvas.LayoutText(u"one two three four five six", Rect(0, 0, 60, 2 * lineHeight + 3),
                                 DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_TRUE(cut[1].Text.ends_with(u"...")) << StringToUtf8(cut[1].Text);
}

// At every width the end ellipsis keeps the longest start that fits beside "...", exact fits
// included, for simple texts (found from added-up widths) and others (measured whole) alike.
TEST_F(DrawTextTest, EndEllipsisKeepsTheLongestStartThatFitsAtEveryWidth)
{
    for (const char16_t* text : {u"Gateway 12 (COM3)", u"Wi\u0301ndow\u0300s \u65e5\u672c"}) {
        String s = text;
        Integer full = canvas.TextWidth(s);
        for (Integer w = 0; w <= full + 1; ++w) {
            String expected = s;
            if (full > w) {
                size_t keep = s.size();
                while (keep > 0 && canvas.TextWidth(s.substr(0, keep) + u"...") > w) --keep;
                expected = s.substr(0, keep) + u"...";
            }
            auto lines = canvas.LayoutText(s, Rect(0, 0, w, 20), DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
            ASSERT_EQ(lines[0].Text, expected) << "width " << w;
        }
    }
}

TEST_F(DrawTextTest, AcceleratorPrefixes)
{
    struct Case {
        const char16_t* text;
        Cardinal flags;
        const char16_t* shown;
        Integer underline;
    };
    const Case cases[] = {
        {u"&File", 0, u"File", 0},
        {u"Save &as", 0, u"Save as", 5},
        {u"A&&B", 0, u"A&B", -1},
        {u"&File", DT_HIDEPREFIX, u"File", -1},
        {u"&File", DT_NOPREFIX, u"&File", -1},
        {u"End&", 0, u"End", -1},
        {u"x\r\n&y", DT_SINGLELINE, u"xy", 1},
    };
    for (const auto& c : cases) {
        auto lines = canvas.LayoutText(c.text, Rect(0, 0, 500, 50), c.flags | DT_SINGLELINE);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].Text, c.shown);
        EXPECT_EQ(lines[0].Underline, c.underline) << StringToUtf8(c.text);
    }
}

TEST_F(DrawTextTest, TabsExpandToEightAverageCharacters)
{
    Integer ave = canvas.GetTextMetrics().tmAveCharWidth;
    auto lines = canvas.LayoutText(u"a\tb", Rect(0, 0, 500, 50), DT_SINGLELINE | DT_EXPANDTABS);
    EXPECT_EQ(lines[0].Width, 8 * ave + canvas.TextWidth(u"b"));
}

TEST(DrawTextPixels, AlignmentVerticalCentreUnderlineAndClip)
{
    auto bmp = test::WhiteBitmap(100, 40);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetStyle(bsClear);
    TRect r = Rect(0, 0, 100, 40);
    Integer h = c->TextHeight(u"W");
    Integer ret = c->DrawText(u"W", r, DT_SINGLELINE | DT_RIGHT | DT_VCENTER);
    EXPECT_EQ(ret, (40 - h) / 2 + h);
    // Ink only in the right-hand part and the middle rows.
    Integer w = c->TextWidth(u"W");
    for (Integer y = 0; y < 40; ++y)
        for (Integer x = 0; x < 100; ++x)
            if (bmp->PixelColor(x, y) != clWhite) {
                EXPECT_GE(x, 100 - w);
                EXPECT_GE(y, (40 - h) / 2);
                EXPECT_LT(y, (40 - h) / 2 + h);
            }

    // The accelerator adds an underline: more ink than the hidden one.
    auto count = [](const TBitmap& b) {
        int n = 0;
        for (Integer y = 0; y < b.Height(); ++y)
            for (Integer x = 0; x < b.Width(); ++x) n += b.PixelColor(x, y) != clWhite;
        return n;
    };
    auto shown = test::WhiteBitmap(60, 20), hidden = test::WhiteBitmap(60, 20);
    TRect a = Rect(0, 0, 60, 20), b = a;
    shown->Canvas()->DrawText(u"&Mm", a, DT_SINGLELINE);
    hidden->Canvas()->DrawText(u"&Mm", b, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_GT(count(*shown), count(*hidden));

    // Text is clipped to the rectangle unless NOCLIP; opaque mode fills behind it.
    auto clip = test::WhiteBitmap(60, 20);
    clip->Canvas()->Brush()->SetColor(clRed);
    TRect small = Rect(0, 0, 10, 20);
    clip->Canvas()->DrawText(u"Hello", small, DT_SINGLELINE);
    for (Integer y = 0; y < 20; ++y)
        for (Integer x = 10; x < 60; ++x) EXPECT_EQ(clip->PixelColor(x, y), clWhite);
    EXPECT_EQ(clip->PixelColor(0, 0), clRed);

    // Drawing is repeatable pixel for pixel.
    auto again = test::WhiteBitmap(60, 20);
    again->Canvas()->Brush()->SetColor(clRed);
    small = Rect(0, 0, 10, 20);
    again->Canvas()->DrawText(u"Hello", small, DT_SINGLELINE);
    EXPECT_EQ(test::PixelMap(*again, {{clWhite, '.'}, {clRed, 'r'}, {clBlack, '#'}}),
              test::PixelMap(*clip, {{clWhite, '.'}, {clRed, 'r'}, {clBlack, '#'}}));
}

// The box that holds every pixel of ink on a white bitmap; empty when there is none.
TRect InkBounds(const TBitmap& bmp)
{
    TRect ink = Rect(bmp.Width(), bmp.Height(), 0, 0);
    for (Integer y = 0; y < bmp.Height(); ++y)
        for (Integer x = 0; x < bmp.Width(); ++x)
            if (bmp.PixelColor(x, y) != clWhite)
                ink = Rect(std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                           std::max(ink.Bottom, y + 1));
    return ink;
}

TEST(DrawTextPixels, SingleLinePlacementFollowsTheAlignmentFlags)
{
    // A 100 x 40 box at (10, 5); the one line "W" is w wide and h high.
    TCanvas measure;
    const Integer w = measure.TextWidth(u"W");
    const Integer h = measure.TextHeight(u"W");
    struct Case {
        const char* name;
        Cardinal flags;
        Integer left, top;  // where the line's cell must start
        Integer result;  // DrawText's answer
    };
    const Case cases[] = {
        {"left top", DT_LEFT | DT_TOP, 10, 5, h},
        {"centre", DT_CENTER | DT_VCENTER, 10 + (100 - w) / 2, 5 + (40 - h) / 2, (40 - h) / 2 + h},
        {"right bottom", DT_RIGHT | DT_BOTTOM, 110 - w, 45 - h, 40},
        {"centre top", DT_CENTER, 10 + (100 - w) / 2, 5, h},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto bmp = test::WhiteBitmap(120, 50);
        bmp->Canvas()->Brush()->SetStyle(bsClear);
        TRect r = Rect(10, 5, 110, 45);
        EXPECT_EQ(bmp->Canvas()->DrawText(u"W", r, DT_SINGLELINE | c.flags), c.result);
        const TRect ink = InkBounds(*bmp);
        ASSERT_LT(ink.Left, ink.Right) << "nothing drawn";
        EXPECT_GE(ink.Left, c.left);
        EXPECT_LE(ink.Right, c.left + w);
        EXPECT_GE(ink.Top, c.top);
        EXPECT_LE(ink.Bottom, c.top + h);
        // The glyph fills most of its cell, so a wrong offset cannot hide inside the slack.
        EXPECT_LE(ink.Left - c.left, 2);
        EXPECT_GE(ink.Right, c.left + w - 2);
    }
}

TEST(DrawTextPixels, NoClipDrawsBeyondTheRectangleAndExternalLeadingSpacesLines)
{
    auto bmp = test::WhiteBitmap(80, 20);
    TRect small = Rect(0, 0, 10, 20);
    bmp->Canvas()->Brush()->SetStyle(bsClear);
    bmp->Canvas()->DrawText(u"Hello", small, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkBounds(*bmp).Right, 20);

    // Arial at 20 points (Liberation Sans here) asks for a pixel between lines, as on Windows.
    TCanvas c;
    c.Font()->SetName(u"Arial");
    c.Font()->SetSize(20);
    const TTextMetric m = c.GetTextMetrics();
    ASSERT_GT(m.tmExternalLeading, 0);
    TRect r = Rect(0, 0, 100, 0);
    EXPECT_EQ(c.DrawText(u"a\nb", r, DT_CALCRECT | DT_EXTERNALLEADING), 2 * (m.tmHeight + m.tmExternalLeading));
    r = Rect(0, 0, 100, 0);
    EXPECT_EQ(c.DrawText(u"a\nb", r, DT_CALCRECT), 2 * m.tmHeight);
}

// Drawn without anti-aliasing, pango's decoration lines of small fonts are thinner than a pixel;
// they must still show as one full row in the text colour at their rounded place, for simple
// texts and for texts shaped through pango alike.
TEST(TextOutPixels, StrikeOutAndUnderlineAreOneFullRowAtEverySize)
{
    struct Case {
        Integer pixels;
        Integer strikeAboveBaseline;
    };
    const Case cases[] = {{8, 2}, {9, 2}, {11, 3}, {13, 3}};
    for (const String& text : {String(u"Hello"), String(u"Hello\u0416")})
        for (const Case& c : cases)
            for (TFontStyles style : {TFontStyles(fsStrikeOut), TFontStyles(fsUnderline)}) {
                SCOPED_TRACE(testing::Message() << c.pixels << " px, style " << int(style) << ", " << text.size());
                auto bmp = test::WhiteBitmap(80, 30);
                TCanvas* cv = bmp->Canvas();
                cv->Font()->SetHeight(-c.pixels);
                cv->Font()->SetStyle(style);
                cv->Font()->SetColor(clBlue);
                cv->TextOut(4, 5, text);
                const Integer baseline = 5 + cv->GetTextMetrics().tmAscent;
                const Integer width = cv->TextWidth(text);
                std::vector<Integer> full;
                for (Integer y = 0; y < 30; ++y) {
                    Integer blue = 0;
                    for (Integer x = 4; x < 4 + width; ++x) blue += bmp->PixelColor(x, y) == clBlue;
                    if (blue == width) full.push_back(y);
                }
                const Integer row = style == fsStrikeOut ? baseline - c.strikeAboveBaseline : baseline;
                EXPECT_EQ(full, std::vector<Integer>{row});
                EXPECT_NE(bmp->PixelColor(4 + width, row), clBlue);  // no wider than the text
            }
}

TEST(TextOutPixels, OpaqueTransparentAndRectClipping)
{
    auto bmp = test::WhiteBitmap(60, 20);
    TCanvas* c = bmp->Canvas();
    c->Font()->SetColor(clBlue);
    c->Brush()->SetColor(clLime);
    c->TextOut(2, 2, u"Hi");
    EXPECT_EQ(c->PenPos(), Point(2 + c->TextWidth(u"Hi"), 2));
    EXPECT_EQ(bmp->PixelColor(2, 2), clLime);  // opaque background cell
    bool blue = false;
    for (Integer y = 0; y < 20; ++y)
        for (Integer x = 0; x < 60; ++x) {
            TColor p = bmp->PixelColor(x, y);
            EXPECT_TRUE(p == clWhite || p == clLime || p == clBlue);  // no anti-aliasing
            blue = blue || p == clBlue;
        }
    EXPECT_TRUE(blue);
    auto t = test::WhiteBitmap(30, 20);
    t->Canvas()->Brush()->SetStyle(bsClear);
    t->Canvas()->TextOut(0, 0, u"Hi");
    EXPECT_EQ(t->PixelColor(0, 0), clWhite);

    auto r = test::WhiteBitmap(30, 20);
    r->Canvas()->Brush()->SetColor(clRed);
    r->Canvas()->TextRect(Rect(5, 5, 10, 10), 0, 0, u"WWWW");
    // R is filled and the text drawn inside it only.
    bool red = false;
    for (Integer y = 0; y < 20; ++y)
        for (Integer x = 0; x < 30; ++x) {
            TColor p = r->PixelColor(x, y);
            if (x < 5 || x >= 10 || y < 5 || y >= 10)
                EXPECT_EQ(p, clWhite) << x << "," << y;
            else
                EXPECT_TRUE(p == clRed || p == clBlack) << x << "," << y;
            red = red || p == clRed;
        }
    EXPECT_TRUE(red);
}

}  // namespace
}  // namespace gw
