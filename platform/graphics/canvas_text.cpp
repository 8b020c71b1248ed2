// Text on the canvas: TextOut, TextRect, measurement and the formatted DrawText.
#include "platform/graphics/canvas_internal.h"

#include <algorithm>
#include <optional>

namespace gw {

using detail::FaceOf;
using detail::FontFace;
using detail::MeasureText;
using detail::Rgb;

namespace {

struct Line {
    String text;
    Integer underline = -1;  // index of the accelerator character in text, -1 none
};

// Measures and draws lines of DrawText, with tab stops when they are expanded.
class Typesetter {
public:
    Typesetter(const FontFace& face, bool expandTabs) : m_face(face), m_expandTabs(expandTabs)
    {
        m_tabWidth = std::max(1, 8 * face.aveCharWidth);
    }

    // True when the width of s is that of its characters added up (no tabs, simple text).
    bool PerCharacter(StringView s) const { return detail::IsSimpleText(s); }
    Integer CharWidth(Char c) const { return detail::CharWidth(m_face, c); }

    Integer Width(StringView s) const
    {
        Integer x = 0;
        ForSegments(s, [&](StringView seg, Integer, Integer segX) { x = segX + MeasureText(m_face, seg); });
        return x;
    }

    // Calls f(segment, index of its first unit, x offset) for each run between tabs.
    template <class F>
    void ForSegments(StringView s, F f) const
    {
        Integer x = 0;
        size_t start = 0;
        for (size_t i = 0; i <= s.size(); ++i) {
            if (i < s.size() && s[i] != u'\t') continue;
            StringView seg = s.substr(start, i - start);
            f(seg, static_cast<Integer>(start), x);
            x += MeasureText(m_face, seg);
            if (i < s.size() && m_expandTabs) x = (x / m_tabWidth + 1) * m_tabWidth;
            start = i + 1;
        }
    }

private:
    const FontFace& m_face;
    bool m_expandTabs;
    Integer m_tabWidth = 64;
};

// Removes accelerator marks: "&&" is one "&", "&x" underlines x (unless hidden).
Line StripPrefix(StringView text, bool hide)
{
    Line out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 >= text.size()) break;
            ++i;
            if (text[i] != u'&' && out.underline < 0 && !hide) out.underline = static_cast<Integer>(out.text.size());
        }
        out.text += text[i];
    }
    return out;
}

// Splits at CR, LF and CR LF, carrying the accelerator into its line.
std::vector<Line> SplitLines(const Line& all)
{
    std::vector<Line> lines(1);
    for (size_t i = 0; i < all.text.size(); ++i) {
        Char c = all.text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < all.text.size() && all.text[i + 1] == u'\n') ++i;
            lines.emplace_back();
            continue;
        }
        if (static_cast<Integer>(i) == all.underline)
            lines.back().underline = static_cast<Integer>(lines.back().text.size());
        lines.back().text += c;
    }
    return lines;
}

Line Sub(const Line& l, size_t start, size_t count)
{
    Line out{l.text.substr(start, count), -1};
    if (l.underline >= static_cast<Integer>(start) && l.underline < static_cast<Integer>(start + out.text.size()))
        out.underline = l.underline - static_cast<Integer>(start);
    return out;
}

// Greedy breaking at spaces; a word wider than the line is broken between characters only
// when breakWords is set (the edit-control look).
std::vector<Line> WrapLine(const Line& line, Integer width, const Typesetter& ts, bool breakWords)
{
    std::vector<Line> out;
    const String& s = line.text;
    // A text as wide as its characters is measured as it grows, not again from its start.
    const bool perCharacter = ts.PerCharacter(s);
    size_t start = 0;
    while (start < s.size()) {
        size_t lastBreak = String::npos;
        size_t end = start;
        Integer grown = 0;
        while (end < s.size()) {
            size_t next = end + 1;
            // Measure without the trailing spaces: they may hang over the edge.
            if (perCharacter) {
                grown += ts.CharWidth(s[end]);
                if (s[end] != u' ' && grown > width) break;
            } else {
                size_t trimmed = next;
                while (trimmed > start && s[trimmed - 1] == u' ') --trimmed;
                if (trimmed > start && ts.Width(StringView(s).substr(start, trimmed - start)) > width) break;
            }
            if (s[end] == u' ') lastBreak = next;
            end = next;
        }
        if (end >= s.size()) {
            out.push_back(Sub(line, start, String::npos));
            break;
        }
        size_t cut;
        if (lastBreak != String::npos && lastBreak > start) {
            cut = lastBreak;
        } else if (breakWords) {
            cut = std::max(end, start + 1);
        } else {
            // The word does not fit: it keeps its own line and runs over the edge.
            cut = start;
            while (cut < s.size() && s[cut] != u' ') ++cut;
            while (cut < s.size() && s[cut] == u' ') ++cut;
        }
        size_t len = cut - start;
        while (len > 0 && s[start + len - 1] == u' ') --len;
        out.push_back(Sub(line, start, len));
        start = cut;
        if (breakWords)
            while (start < s.size() && s[start] == u' ') ++start;
    }
    if (out.empty()) out.push_back(Line{});
    return out;
}

const String kEllipsis = u"...";

// Drops characters from the end, adding "...", until the line fits.
Line EndEllipsis(Line line, Integer width, const Typesetter& ts, bool always = false)
{
    if (!always && ts.Width(line.text) <= width) return line;
    String base = line.text;
    if (ts.PerCharacter(base)) {
        // The longest start that fits beside the ellipsis, from the widths added up once.
        Integer room = width - ts.Width(kEllipsis), used = 0;
        size_t keep = 0;
        while (keep < base.size() && used + ts.CharWidth(base[keep]) <= room) used += ts.CharWidth(base[keep++]);
        base.resize(keep);
    }
    while (!base.empty() && ts.Width(base + kEllipsis) > width) base.pop_back();
    Line out{base + kEllipsis, line.underline < static_cast<Integer>(base.size()) ? line.underline : -1};
    return out;
}

// Keeps the last path element and shortens what is before it.
Line PathEllipsis(Line line, Integer width, const Typesetter& ts)
{
    if (ts.Width(line.text) <= width) return line;
    size_t sep = line.text.find_last_of(u"\\/");
    if (sep == String::npos) return EndEllipsis(line, width, ts);
    String head = line.text.substr(0, sep);
    String tail = line.text.substr(sep);
    while (!head.empty() && ts.Width(head + kEllipsis + tail) > width) head.pop_back();
    if (head.empty() && ts.Width(kEllipsis + tail) > width) return EndEllipsis(Line{kEllipsis + tail, -1}, width, ts);
    return Line{head + kEllipsis + tail, line.underline < static_cast<Integer>(head.size()) ? line.underline : -1};
}

}  // namespace

// ---- measurement ----------------------------------------------------------------------------

Integer TCanvas::TextWidth(StringView Text) const { return MeasureText(m_impl->Face(*m_font), Text); }

Integer TCanvas::TextHeight(StringView) const
{
    const FontFace& f = m_impl->Face(*m_font);
    return f.ascent + f.descent;
}

TSize TCanvas::TextExtent(StringView Text) const { return {TextWidth(Text), TextHeight(Text)}; }

TTextMetric TCanvas::GetTextMetrics() const
{
    const FontFace& f = m_impl->Face(*m_font);
    TTextMetric m;
    m.tmAscent = f.ascent;
    m.tmDescent = f.descent;
    m.tmHeight = f.ascent + f.descent;
    m.tmInternalLeading = std::max(0, m.tmHeight - static_cast<Integer>(f.emPixels + 0.5));
    m.tmExternalLeading = f.externalLeading;
    m.tmAveCharWidth = f.aveCharWidth;
    m.tmMaxCharWidth = f.maxCharWidth;
    return m;
}

// ---- drawing --------------------------------------------------------------------------------

namespace {

// Draws the pieces of one text call in device space: text cairo would ink in whole pixels of
// one colour, and plain boxes, are written straight into the pixels (a grid paints hundreds of
// cell texts a frame, and cairo's per-call set-up dominates them); the rest goes through cairo.
class TextPainter {
public:
    TextPainter(const TCanvas& canvas, const std::optional<TRect>& within)
        : m_canvas(canvas), m_within(within), m_px(canvas.Handle())
    {
        const TRegion& clip = canvas.Internals().Clip(canvas);
        for (Integer i = 0; i < clip.RectCount(); ++i) {
            TRect r = clip.RectAt(i);
            if (!within || IntersectRect(r, r, *within)) m_clip.push_back(r);
        }
    }
    ~TextPainter() { Direct(false); }
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    void Fill(const TRect& R, uint32_t rgb)
    {
        if (!detail::FillableSurface(m_px.surface)) {
            Direct(false);
            cairo_t* cr = Cairo();
            detail::SetSourceRgb(cr, rgb);
            cairo_rectangle(cr, R.Left, R.Top, R.Width(), R.Height());
            cairo_fill(cr);
            return;
        }
        Direct(true);
        const uint32_t pixel = detail::ToPixel(rgb);
        for (const TRect& c : m_clip) {
            TRect part;
            if (!IntersectRect(part, R, c)) continue;
            for (Integer y = part.Top; y < part.Bottom; ++y)
                std::fill(m_px.Row(y) + part.Left, m_px.Row(y) + part.Right, pixel);
        }
    }

    void Text(const FontFace& face, uint32_t rgb, Integer x, Integer y, StringView text, Integer underlineAt,
              Integer angle)
    {
        if (angle == 0 && underlineAt < 0) {
            Direct(true);
            if (detail::FillText(m_px, m_clip, face, rgb, x, y, text)) return;
        }
        Direct(false);
        detail::ShowText(Cairo(), face, rgb, x, y, text, underlineAt, angle);
    }

private:
    cairo_t* Cairo()
    {
        if (!m_scope) m_scope.emplace(m_canvas, m_within);
        m_cairoDrew = true;
        return m_scope->cr;
    }

    // Direct writes and cairo's drawing meet on one surface: cairo is told of the pixels written
    // behind its back before it draws again, and has finished its own before they are written.
    void Direct(bool on)
    {
        if (on && m_cairoDrew) cairo_surface_flush(m_px.surface);
        if (on) m_cairoDrew = false;
        if (!on && m_written) m_px.MarkDirty();
        m_written = on;
    }

    const TCanvas& m_canvas;
    std::optional<TRect> m_within;
    detail::Pixels m_px;
    std::vector<TRect> m_clip;
    std::optional<detail::DrawScope> m_scope;
    bool m_written = false;
    bool m_cairoDrew = false;
};

// R in device pixels, empty when R is inverted.
TRect DeviceRect(const TCanvas& canvas, const TRect& R)
{
    return canvas.LogicalToDevice({R.Left, R.Top, R.Left + std::max(0, R.Width()), R.Top + std::max(0, R.Height())});
}

}  // namespace

void TCanvas::TextOut(Integer X, Integer Y, StringView Text)
{
    m_penPos = {X + TextWidth(Text), Y};
    if (!m_surface) return;
    Changing();
    const FontFace& face = m_impl->Face(*m_font);
    {
        TextPainter painter(*this, std::nullopt);
        const Integer width = MeasureText(face, Text), x = DeviceLeft(X, width), y = Y + m_origin.Y;
        if (m_bkMode == OPAQUE && m_font->Orientation() == 0)
            painter.Fill({x, y, x + width, y + face.ascent + face.descent}, Rgb(m_brush->Color()));
        painter.Text(face, Rgb(m_font->Color()), x, y, Text, -1, m_font->Orientation());
    }
    Changed();
}

void TCanvas::TextRect(const TRect& R, Integer X, Integer Y, StringView Text)
{
    if (!m_surface) return;
    Changing();
    const FontFace& face = m_impl->Face(*m_font);
    {
        const TRect box = DeviceRect(*this, R);
        TextPainter painter(*this, box);
        if (m_brush->Style() != bsClear) painter.Fill(box, Rgb(m_brush->Color()));
        const Integer x = m_rightToLeft ? DeviceLeft(X, MeasureText(face, Text)) : LogicalToDeviceX(X);
        painter.Text(face, Rgb(m_font->Color()), x, Y + m_origin.Y, Text, -1, m_font->Orientation());
    }
    Changed();
}

std::vector<TTextLine> TCanvas::LayoutText(StringView Text, const TRect& R, Cardinal Format) const
{
    const FontFace& face = m_impl->Face(*m_font);
    Typesetter ts(face, Format & DT_EXPANDTABS);
    Integer lineHeight = face.ascent + face.descent + ((Format & DT_EXTERNALLEADING) ? face.externalLeading : 0);
    bool single = Format & DT_SINGLELINE;
    Integer width = R.Width();
    Line all = (Format & DT_NOPREFIX) ? Line{String(Text), -1} : StripPrefix(Text, Format & DT_HIDEPREFIX);
    std::vector<Line> lines;
    if (single) {
        // Line breaks do not break a single line; they are left out.
        Line l;
        for (size_t i = 0; i < all.text.size(); ++i) {
            if (all.text[i] == u'\r' || all.text[i] == u'\n') continue;
            if (static_cast<Integer>(i) == all.underline) l.underline = static_cast<Integer>(l.text.size());
            l.text += all.text[i];
        }
        lines.push_back(l);
    } else {
        std::vector<Line> paragraphs = SplitLines(all);
        // A final line break ends the last line; it starts none.
        if (paragraphs.size() > 1 && paragraphs.back().text.empty()) paragraphs.pop_back();
        for (const Line& para : paragraphs) {
            if (Format & DT_WORDBREAK) {
                for (Line& l : WrapLine(para, width, ts, Format & DT_EDITCONTROL)) lines.push_back(std::move(l));
            } else {
                lines.push_back(para);
            }
        }
    }

    // The edit-control look shows only whole lines; with an end ellipsis the last one shown
    // then says that more follows.
    bool cutLines = false;
    if (!(Format & DT_CALCRECT) && !single && (Format & DT_EDITCONTROL) && lineHeight > 0) {
        size_t fit = static_cast<size_t>(std::max(1, R.Height() / lineHeight));
        if (lines.size() > fit) {
            lines.resize(fit);
            cutLines = true;
        }
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        if (Format & DT_PATH_ELLIPSIS)
            lines[i] = PathEllipsis(lines[i], width, ts);
        else if (Format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS))
            lines[i] = EndEllipsis(lines[i], width, ts, cutLines && i + 1 == lines.size());
    }

    std::vector<TTextLine> out;
    for (const Line& l : lines) out.push_back({l.text, l.underline, ts.Width(l.text)});
    return out;
}

Integer TCanvas::DrawText(StringView Text, TRect& R, Cardinal Format)
{
    const FontFace& face = m_impl->Face(*m_font);
    Typesetter ts(face, Format & DT_EXPANDTABS);
    Integer lineHeight = face.ascent + face.descent + ((Format & DT_EXTERNALLEADING) ? face.externalLeading : 0);
    bool single = Format & DT_SINGLELINE;
    Integer width = R.Width();
    std::vector<TTextLine> lines = LayoutText(Text, R, Format);
    Integer maxWidth = 0;
    for (const TTextLine& l : lines) maxWidth = std::max(maxWidth, l.Width);
    Integer textHeight = lineHeight * static_cast<Integer>(lines.size());
    if (Format & DT_CALCRECT) {
        // An empty text needs no room on several lines, yet the height returned is a line's.
        bool none = Text.empty() && !single;
        R.Right = R.Left + maxWidth;
        R.Bottom = R.Top + (none ? 0 : textHeight);
        return textHeight;
    }

    Integer y = R.Top;
    if (single && (Format & DT_VCENTER))
        y = R.Top + (R.Height() - lineHeight) / 2;
    else if (single && (Format & DT_BOTTOM))
        y = R.Bottom - lineHeight;
    Integer result = (single && (Format & (DT_VCENTER | DT_BOTTOM))) ? y + textHeight - R.Top : textHeight;
    if (!m_surface) return result;

    Changing();
    {
        std::optional<TRect> within;
        if (!(Format & DT_NOCLIP)) within = DeviceRect(*this, R);
        TextPainter painter(*this, within);
        const uint32_t textColour = Rgb(m_font->Color());
        const uint32_t bk = Rgb(m_brush->Color());
        for (size_t i = 0; i < lines.size(); ++i, y += lineHeight) {
            Integer x = R.Left;
            if (Format & DT_CENTER)
                x = R.Left + (width - lines[i].Width) / 2;
            else if (Format & DT_RIGHT)
                x = R.Right - lines[i].Width;
            x = DeviceLeft(x, lines[i].Width);
            const Integer top = y + m_origin.Y;
            if (m_bkMode == OPAQUE && lines[i].Width > 0) painter.Fill({x, top, x + lines[i].Width, top + lineHeight}, bk);
            const TTextLine& l = lines[i];
            ts.ForSegments(l.Text, [&](StringView seg, Integer start, Integer segX) {
                Integer u = (l.Underline >= start && l.Underline < start + static_cast<Integer>(seg.size()))
                    ? l.Underline - start
                    : -1;
                painter.Text(face, textColour, x + segX, top, seg, u, 0);
            });
        }
    }
    Changed();
    return result;
}

}  // namespace gw
