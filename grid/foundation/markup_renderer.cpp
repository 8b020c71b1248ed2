// The mark-up renderer: preparing the text, the line loop, and the passes over a line's runs.
#include "grid/foundation/markup_renderer.h"

#include "grid/foundation/markup_renderer_impl.h"
#include "platform/graphics/font.h"
#include "platform/runtime/exceptions.h"

#include <algorithm>
#include <array>

namespace gw {

namespace detail {

namespace {

struct TEntity {
    StringView Name;
    Char Shown;  // "&amp;" shows "&&", the mnemonic form of one "&"
};

constexpr std::array<TEntity, 9> kEverywhere{{
    {u"&amp;", u'&'},
    {u"&quot;", u'"'},
    {u"&sect;", u'\u00A7'},
    {u"&permil;", u'\u2030'},
    {u"&reg;", u'\u00AE'},
    {u"&copy;", u'\u00A9'},
    {u"&para;", u'\u00B6'},
    {u"&trade;", u'\u2122'},
    {u"&euro;", u'\u20AC'},
}};

// The nine entities replaced until none is left, in one walk: "&amp;" becomes "&" followed by
// an "&" that may start another entity, and no other replacement can make a new one.
String ReplaceEntities(StringView Text)
{
    String s(Text);
    String out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] != u'&') {
            out += s[i++];
            continue;
        }
        const StringView rest = StringView(s).substr(i);
        const auto entity = std::find_if(kEverywhere.begin(), kEverywhere.end(),
                                         [&](const TEntity& e) { return rest.starts_with(e.Name); });
        if (entity == kEverywhere.end()) {
            out += s[i++];
        } else if (entity->Shown == u'&') {
            out += u'&';
            i += entity->Name.size() - 1;
            s[i] = u'&';
        } else {
            out += entity->Shown;
            i += entity->Name.size();
        }
    }
    return out;
}

// "<#" shows as "#": the "<" goes, and so does the first ">" after it. A "<" left before the "#"
// forms another "<#" and goes the same way.
String ShowHashTags(StringView Text)
{
    String out;
    out.reserve(Text.size());
    size_t pending = 0;
    for (Char c : Text) {
        if (c == u'#') {
            while (!out.empty() && out.back() == u'<') {
                out.pop_back();
                ++pending;
            }
        } else if (c == u'>' && pending > 0) {
            --pending;
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace

StringView PrepareMarkupText(StringView Text, String& Storage)
{
    const bool entities = Text.find(u'&') != StringView::npos;
    const bool hashTags = Text.find(u"<#") != StringView::npos;
    const bool lineBreaks = Text.find_first_of(u"\r\n") != StringView::npos;
    StringView s = Text;
    if (entities || hashTags || lineBreaks) {
        Storage = entities ? ReplaceEntities(Text) : String(Text);
        if (hashTags) Storage = ShowHashTags(Storage);
        if (lineBreaks) {
            String lines;
            lines.reserve(Storage.size() + 8);
            for (Char c : Storage) {
                if (c == u'\r')
                    lines += u"<BR>";
                else if (c != u'\n')
                    lines += c;
            }
            Storage = std::move(lines);
        }
        s = Storage;
    }
    // A "<" that no ">" follows ends the text.
    const size_t lastClose = s.rfind(u'>');
    const size_t open = s.find(u'<', lastClose == StringView::npos ? 0 : lastClose + 1);
    return open == StringView::npos ? s : s.substr(0, open);
}

TMarkupRenderer::TMarkupRenderer(const TMarkupDrawArgs& Args, TMarkupDrawResult& Result)
    : m_args(Args), m_result(Result), m_canvas(*Args.Canvas)
{
    m_savedPenColor = m_canvas.Pen()->Color();
    m_savedPenWidth = m_canvas.Pen()->Width();
    m_savedBrushColor = m_canvas.Brush()->Color();
    m_savedBrushStyle = m_canvas.Brush()->Style();
    const TFont& font = *m_canvas.Font();
    m_base = {font.Name(), font.Height(), font.Style(), font.Color(), font.Orientation()};
    m_background = m_savedBrushColor;
    m_canvas.Brush()->SetStyle(bsClear);  // text is drawn transparent until a tag sets a colour
    m_format = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;
    if (!m_args.WordWrap) m_format |= DT_END_ELLIPSIS;
    if (m_args.BiDiMode != 0) m_format |= DT_RTLREADING;
    if (m_args.BiDiMode == 1) m_format |= DT_RIGHT;  // the left alignment of the runs, turned
    if (m_args.HitTest) m_result.ControlID = String(m_args.ControlID);
}

TMarkupRenderer::~TMarkupRenderer()
{
    m_canvas.Pen()->SetColor(m_savedPenColor);
    m_canvas.Pen()->SetWidth(m_savedPenWidth);
    m_canvas.Brush()->SetColor(m_savedBrushColor);
    m_canvas.Brush()->SetStyle(m_savedBrushStyle);
    ApplyFont(m_base);  // the only font properties a tag changes
}

void TMarkupRenderer::Run()
{
    m_text = PrepareMarkupText(m_args.Text, m_preparedText);
    TPassState measure;
    measure.Font = m_base;
    TPassState draw = measure;
    TRect lineRect = m_args.Rect;
    // One pixel in from the edge the lines start at.
    if (RightToLeft())
        lineRect.Right -= 1;
    else
        lineRect.Left += 1;
    size_t pos = 0;
    for (Integer line = 0; pos < m_text.size(); ++line) {
        const size_t start = pos;
        ApplyFont(measure.Font, false);
        TLineMetrics metrics;
        metrics.GhHeight = TextHeight(u"gh");
        metrics.Height = metrics.GhHeight;
        measure.Subscript = measure.Superscript = false;
        draw.Subscript = draw.Superscript = false;
        m_lineAnchor = {};

        TPass layout{
            .Kind = TPassKind::Layout, .Rect = lineRect, .State = &measure, .Line = &metrics, .LineIndex = line};
        Pass(layout, pos, m_text.size());
        const size_t end = pos;
        if (m_dropRest) pos = m_text.size();
        if (!m_args.MeasureOnly) {
            TPass replay{.Kind = m_args.HitTest ? TPassKind::HitTest : TPassKind::Draw,
                         .Rect = PositionedLine(lineRect, measure, layout.Used),
                         .State = &draw,
                         .Line = &metrics,
                         .LineIndex = line};
            replay.Rect.Bottom = replay.Rect.Top + metrics.Band();
            const Integer bottom = replay.Rect.Bottom - metrics.Raise;
            ApplyFont(draw.Font);
            size_t at = start;
            Pass(replay, at, end);
            const bool onText = m_args.MouseY > bottom - metrics.GhHeight && m_args.MouseY < bottom;
            if ((replay.AnchorHit && onText) || replay.ElementHit) m_result.Hit = true;
        }
        // An anchor's text is under the mouse only on the line the mouse is on: the passes
        // compare the mouse with a line's top alone, which would report an anchor of a line
        // above it.
        if (m_args.MouseY >= lineRect.Top && m_args.MouseY < lineRect.Top + metrics.Band()) CommitLineAnchor();
        lineRect.Top += metrics.Band();
        m_result.UsedHeight += metrics.Band();
        if (pos == start) break;  // nothing could be placed: never loop on the same text
        if (!m_args.MeasureOnly && lineRect.Top + metrics.GhHeight > m_args.Rect.Bottom) break;
    }
    m_result.AnchorCount = measure.AnchorCount;
    if (m_result.UsedHeight == 0) {
        ApplyFont(m_base, false);
        m_result.UsedHeight = TextHeight(u"gh");
    }
}

// Right to left the line moves the other way: its far side is the left.
TRect TMarkupRenderer::PositionedLine(const TRect& LineRect, const TPassState& State, Integer Used) const
{
    TRect r = LineRect;
    Integer shift = State.Indent;
    if (State.Alignment == 1 && r.Width() > Used)
        shift += r.Width() - Used;
    else if (State.Alignment == 2 && r.Width() - Used > 0)
        shift += (r.Width() - Used) / 2;
    if (RightToLeft())
        r.Right -= shift;
    else
        r.Left += shift;
    return r;
}

Integer TMarkupRenderer::PlaceLeft(const TPass& P, Integer From, Integer Width) const
{
    return RightToLeft() ? P.Rect.Right - From - Width : P.Rect.Left + From;
}

Integer TMarkupRenderer::EdgeX(const TPass& P) const { return RightToLeft() ? P.Rect.Right : P.Rect.Left; }

Integer TMarkupRenderer::DrawingX(const TPass& P) const
{
    return RightToLeft() ? P.Rect.Right - P.Used : P.Rect.Left + P.Used;
}

// FocusRect.Left holds the x where the focused anchor's part on this line began.
TRect TMarkupRenderer::FocusPart(const TPass& P, Integer Widen) const
{
    const Integer start = P.State->FocusRect.Left, top = P.State->FocusRect.Top;
    if (RightToLeft()) return {DrawingX(P) - Widen, top, start + Widen, P.Rect.Bottom};
    return {start - Widen, top, DrawingX(P) + Widen, P.Rect.Bottom};
}

// Right to left the line's first pixel is the one left of its right edge.
Integer TMarkupRenderer::MouseOffset(const TPass& P) const
{
    return RightToLeft() ? P.Rect.Right - 1 - m_args.MouseX : m_args.MouseX - P.Rect.Left;
}

// A layout pass takes what fits from Pos on and leaves Pos after it; a replay goes over the
// stretch from Pos to End that the layout took.
void TMarkupRenderer::Pass(TPass& P, size_t& Pos, size_t End)
{
    TPassState& st = *P.State;
    P.Rect.Bottom -= P.Line->SubDepth;
    if (P.Drawing() && st.ParagraphBackground) {
        ApplyBrush(st.Brush);
        m_canvas.Pen()->SetColor(st.Brush);
        m_canvas.FillRect(Rect(m_args.Rect.Left, P.Rect.Top, m_args.Rect.Right, P.Rect.Top + P.Line->Height));
    }
    while (Pos < End && !P.LineEnd && !P.Overflow) {
        const size_t runEnd = RunEnd(Pos, End);
        if (runEnd > Pos && !TextRun(P, Pos, runEnd)) break;
        if (P.Kind == TPassKind::Layout && m_dropRest) break;
        if (Pos < End && m_text[Pos] == u'<' && !P.LineEnd) Tag(P, Pos);
    }
    EndPass(P);
}

// With word wrap a run ends after the first blank before the next tag; without, at the tag.
size_t TMarkupRenderer::RunEnd(size_t Pos, size_t End) const
{
    const auto first = m_text.begin() + static_cast<std::ptrdiff_t>(Pos);
    const auto last = m_text.begin() + static_cast<std::ptrdiff_t>(End);
    const auto tag = std::find(first, last, u'<');
    if (m_args.WordWrap) {
        const auto blank = std::find(first, tag, u' ');
        if (blank != tag) return static_cast<size_t>(blank - m_text.begin()) + 1;
    }
    return static_cast<size_t>(tag - m_text.begin());
}

namespace {

// "&nbsp;", "&lt;" and "&gt;" are replaced only now, so that they neither break a word nor
// start a tag.
String RunText(StringView Raw)
{
    String run(Raw);
    if (run.find(u'&') == String::npos) return run;
    for (const auto& [name, shown] :
         {std::pair<StringView, Char>{u"&nbsp;", u'\u00A0'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}})
        for (size_t at = run.find(name); at != String::npos; at = run.find(name, at + 1))
            run.replace(at, name.size(), 1, shown);
    return run;
}

// The text a mnemonic-processing drawing shows: "&&" is one "&", a single "&" goes.
String WithoutMnemonics(StringView Run)
{
    String shown;
    for (size_t i = 0; i < Run.size(); ++i) {
        if (Run[i] == u'&' && ++i >= Run.size()) break;
        shown += Run[i];
    }
    return shown;
}

}  // namespace

// False when the run does not fit and is left for the next line.
bool TMarkupRenderer::TextRun(TPass& P, size_t& Pos, size_t End)
{
    TPassState& st = *P.State;
    TLineMetrics& line = *P.Line;
    const String run = RunText(m_text.substr(Pos, End - Pos));
    ApplyFont(st.Font, P.Drawing());
    const Integer height = RunHeight(run);
    if (st.Subscript) line.SubDepth = std::max(line.SubDepth, height / 4);
    if (st.Superscript) line.SupHeight = std::max(line.SupHeight, height / 4);
    line.Height = std::max(line.Height, height);
    if (st.Hidden) {
        if (P.Kind == TPassKind::Layout) m_result.PlainText += run;
        Pos = End;
        return true;
    }
    const Integer width = RunWidth(run);
    const Integer start = P.Used;
    if (P.Drawing()) DrawRun(P, run, width);
    P.Used += width;
    if (P.Measuring()) TestAnchorHit(P, start);
    if (P.Kind == TPassKind::Layout) {
        // A run continuing a word, or too wide for any line, stays on this one.
        const bool fits = P.Used < P.Rect.Width() || width >= P.Rect.Width() || !P.EndsInBlank;
        if (!fits && m_args.WordWrap) {
            P.Used -= width;
            P.LineEnd = true;
            return false;
        }
        m_result.PlainText += run;
        if (!fits) m_dropRest = true;  // without word wrap the text is one line, cut here
    }
    Pos = End;
    P.EndsInBlank = run.back() == u' ';
    P.TrailingBlank = P.EndsInBlank ? RunWidth(u" ") : 0;
    return true;
}

void TMarkupRenderer::TestAnchorHit(TPass& P, Integer Start)
{
    TPassState& st = *P.State;
    if (!st.InAnchor) return;
    const Integer offset = MouseOffset(P);
    if (offset < Start || offset > P.Used) return;
    P.AnchorHit = true;
    if (m_args.MouseY <= P.Rect.Top) return;
    m_lineAnchor.Found = true;
    m_lineAnchor.Value = st.AnchorValue;
    m_lineAnchor.Title = st.AnchorTitle;
    st.AnchorPending = true;
}

void TMarkupRenderer::CommitLineAnchor()
{
    if (m_lineAnchor.Found) {
        m_result.AnchorValue = m_lineAnchor.Value;
        m_result.AnchorTitle = m_lineAnchor.Title;
    }
    if (m_lineAnchor.Closed) {
        m_result.HoverRect = m_lineAnchor.HoverRect;
        m_result.HoverAnchorNumber = m_lineAnchor.Number;
    }
}

void TMarkupRenderer::DrawRun(TPass& P, StringView Run, Integer Width)
{
    TPassState& st = *P.State;
    const TLineMetrics& line = *P.Line;
    // Right to left each run ends where the previous one began, counted from the right edge.
    const bool rightToLeft = RightToLeft();
    TRect r = rightToLeft ? TRect{P.Rect.Left, P.Rect.Top, P.Rect.Right - P.Used, P.Rect.Bottom}
                          : TRect{P.X(), P.Rect.Top, P.Rect.Right, P.Rect.Bottom};
    if (st.Superscript) r.Bottom -= line.SupHeight;
    if (st.Subscript) r.Bottom += line.SubDepth;
    r.Bottom -= line.Raise;
    ApplyBrush(st.Brush);
    auto draw = [&](TRect at) {
        if (m_canvas.Font()->Orientation() == 0) {
            m_canvas.DrawText(Run, at, m_format);
            return;
        }
        // Turned text: the canvas draws it from the top-left of its cell, without mnemonics.
        m_canvas.TextOut(at.Left, at.Bottom - RunHeight(Run), WithoutMnemonics(Run));
    };
    if (st.Shadow) {
        TMarkupFont shadow = st.Font;
        shadow.Color = m_args.ShadowColor;
        ApplyFont(shadow);
        TRect s = r;
        OffsetRect(s, m_args.ShadowOffset, m_args.ShadowOffset);
        draw(s);
        ApplyFont(st.Font);
    }
    draw(r);
    if (st.InAnchor && st.AnchorCount - 1 == m_args.FocusAnchor) m_result.FocusAnchorValue = st.AnchorValue;
    if (st.ErrorMarking) DrawErrorMarks(P, rightToLeft ? r.Right - Width : r.Left, rightToLeft ? r.Right : r.Left + Width);
}

// A red zig-zag along the line's bottom, starting below it on x multiples of 4, up 2 pixels on.
void TMarkupRenderer::DrawErrorMarks(const TPass& P, Integer Left, Integer Right)
{
    const Integer bottom = P.Rect.Bottom;
    std::vector<TPoint> points;
    for (Integer x = Left & ~1; x <= Right; x += 2) points.push_back({x, x % 4 == 0 ? bottom + 1 : bottom - 1});
    if (points.size() < 2) return;
    m_canvas.Pen()->SetColor(clRed);
    m_canvas.Pen()->SetWidth(1);
    m_canvas.Polyline(points);
    m_canvas.Pen()->SetColor(m_savedPenColor);
    m_canvas.Pen()->SetWidth(m_savedPenWidth);
}

void TMarkupRenderer::EndPass(TPass& P)
{
    TPassState& st = *P.State;
    P.Used -= P.TrailingBlank;
    m_result.UsedWidth = std::max(m_result.UsedWidth, P.Used);
    if (P.Drawing() && st.FocusOpen) {
        // The focused anchor goes on: this line's part is framed, the next starts one pixel in
        // from the edge its line starts at.
        m_canvas.DrawFocusRect(FocusPart(P, 0));
        const Integer inset = RightToLeft() ? -1 : 1;
        st.FocusRect = {EdgeX(P) + inset, P.Rect.Bottom, 0, 0};
    }
}

// Acts on the tag at Pos and takes it, unless the element it places starts the next line.
void TMarkupRenderer::Tag(TPass& P, size_t& Pos)
{
    const size_t close = m_text.find(u'>', Pos);  // always there: the text was cut before a "<" without one
    const StringView tag = m_text.substr(Pos, close - Pos + 1);
    if (tag.size() >= 3) ActOnTag(P, tag);
    if (P.Overflow) return;
    Pos = close + 1;
}

// Measuring needs no colour: leaving it alone spares the canvas a new look-up of its face.
void TMarkupRenderer::ApplyFont(const TMarkupFont& Font, bool WithColour)
{
    TFont& f = *m_canvas.Font();
    f.SetName(Font.Name);
    f.SetHeight(Font.Height);
    f.SetStyle(Font.Style);
    if (WithColour) f.SetColor(Font.Color);
    f.SetOrientation(Font.Orientation);
}

void TMarkupRenderer::ApplyBrush(TColor Color)
{
    if (Color == clNone)
        m_canvas.Brush()->SetStyle(bsClear);
    else
        m_canvas.Brush()->SetColor(Color);
}

Integer TMarkupRenderer::TextHeight(StringView Text) { return m_canvas.TextHeight(Text); }

// As the text drawing places it: the cell height and the font's external leading.
Integer TMarkupRenderer::RunHeight(StringView)
{
    const TTextMetric metric = m_canvas.GetTextMetrics();
    return metric.tmHeight + metric.tmExternalLeading;
}

// As drawn: mnemonic marks and tabs go through the canvas's text layout, plain text is summed.
Integer TMarkupRenderer::RunWidth(StringView Run)
{
    if (Run.find_first_of(u"&\t") == StringView::npos) return m_canvas.TextWidth(Run);
    TRect r;
    m_canvas.DrawText(Run, r, (m_format & ~DT_END_ELLIPSIS) | DT_CALCRECT);
    return r.Width();
}

Integer TMarkupRenderer::PixelsX(Integer Value) const { return Value * GetDeviceCaps(m_canvas, LOGPIXELSX) / 96; }
Integer TMarkupRenderer::PixelsY(Integer Value) const { return Value * GetDeviceCaps(m_canvas, LOGPIXELSY) / 96; }

}  // namespace detail

TMarkupDrawResult DrawMarkupText(const TMarkupDrawArgs& Args)
{
    TMarkupDrawResult result;
    if (!Args.Canvas) return result;
    try {
        detail::TMarkupRenderer renderer(Args, result);
        renderer.Run();
    } catch (const Exception&) {
        // Nothing is reported: what was laid out so far stands.
    } catch (const std::bad_alloc&) {
    }
    return result;
}

}  // namespace gw
