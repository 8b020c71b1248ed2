// The mark-up renderer's tags: what each one does to the font, the colours, the line and the
// anchors in a layout pass and in a replay.
#include "grid/foundation/markup_renderer_impl.h"
#include "grid/foundation/text_utils.h"
#include "platform/graphics/font.h"
#include "platform/runtime/strings.h"

#include <algorithm>

namespace gw::detail {

namespace {

// A font size in points as a pixel height, as the font computes it; absurd sizes are held to
// a thousand points so that a cell text cannot ask for a font the size of a house.
Integer HeightOfPoints(Integer Points)
{
    TFont font;
    font.SetSize(std::clamp(Points, -1000, 1000));
    return font.Height();
}

void SetStyle(TMarkupFont& Font, TFontStyle Style, bool On)
{
    Font.Style = On ? (Font.Style | Style) : (Font.Style & ~Style);
}

}  // namespace

void TMarkupRenderer::ActOnTag(TPass& P, StringView Tag)
{
    TPassState& st = *P.State;
    const bool drawing = P.Drawing();
    switch (RecognizeMarkupTag(Tag)) {
    case TMarkupTag::mtUnknown: break;
    case TMarkupTag::mtBold: SetStyle(st.Font, fsBold, true); break;
    case TMarkupTag::mtBoldOff: SetStyle(st.Font, fsBold, false); break;
    case TMarkupTag::mtFontColorOff: st.Font.Color = m_base.Color; break;
    case TMarkupTag::mtBreak:
        if (P.Kind == TPassKind::Layout) m_result.PlainText += u'\r';
        P.LineEnd = true;
        break;
    case TMarkupTag::mtBlink:
        if (drawing && !m_args.BlinkOn) st.Font.Color = m_background;
        break;
    case TMarkupTag::mtBody:
        if (drawing) OnBody(P, UpperCaseKeepLength(Tag));
        break;
    case TMarkupTag::mtItalic: SetStyle(st.Font, fsItalic, true); break;
    case TMarkupTag::mtItalicOff: SetStyle(st.Font, fsItalic, false); break;
    case TMarkupTag::mtIndent: OnIndent(P, UpperCaseKeepLength(Tag)); break;
    case TMarkupTag::mtImage: OnImage(P, UpperCaseKeepLength(Tag)); break;
    case TMarkupTag::mtUnderline: SetStyle(st.Font, fsUnderline, true); break;
    case TMarkupTag::mtUnderlineOff: SetStyle(st.Font, fsUnderline, false); break;
    case TMarkupTag::mtListOpen:
        ++st.ListLevel;
        P.LineEnd = true;
        break;
    case TMarkupTag::mtListClose:
        if (st.ListLevel >= 1)
            --st.ListLevel;
        else
            SetStyle(st.Font, fsUnderline, false);
        break;
    case TMarkupTag::mtListItem: OnListItem(P); break;
    case TMarkupTag::mtListItemOff: P.LineEnd = true; break;
    case TMarkupTag::mtStrike: SetStyle(st.Font, fsStrikeOut, true); break;
    case TMarkupTag::mtStrikeOff: SetStyle(st.Font, fsStrikeOut, false); break;
    case TMarkupTag::mtShadow: st.Shadow = true; break;
    case TMarkupTag::mtShadowOff: st.Shadow = false; break;
    case TMarkupTag::mtSubscript: st.Subscript = true; break;
    case TMarkupTag::mtSuperscript: st.Superscript = true; break;
    case TMarkupTag::mtSubSupOff: st.Subscript = st.Superscript = false; break;
    case TMarkupTag::mtFont: OnFont(P, UpperCaseKeepLength(Tag)); break;
    case TMarkupTag::mtFontOff: OnFontOff(P); break;
    case TMarkupTag::mtAnchor: OnAnchor(P, Tag); break;
    case TMarkupTag::mtAnchorOff: OnAnchorOff(P); break;
    case TMarkupTag::mtParagraph: OnParagraph(P, UpperCaseKeepLength(Tag)); break;
    case TMarkupTag::mtParagraphOff: OnParagraphOff(P); break;
    case TMarkupTag::mtRule: OnRule(P); break;
    case TMarkupTag::mtHighlight:
        if (drawing) OnHighlight(P, true);
        break;
    case TMarkupTag::mtHighlightOff:
        if (drawing) OnHighlight(P, false);
        break;
    case TMarkupTag::mtError:
    case TMarkupTag::mtErrorOff:
        if (drawing) st.ErrorMarking = RecognizeMarkupTag(Tag) == TMarkupTag::mtError;
        break;
    case TMarkupTag::mtRotate: OnRotate(P, UpperCaseKeepLength(Tag), true); break;
    case TMarkupTag::mtRotateOff: OnRotate(P, {}, false); break;
    case TMarkupTag::mtHidden: st.Hidden = true; break;
    case TMarkupTag::mtHiddenOff: st.Hidden = false; break;
    case TMarkupTag::mtControl: OnControl(P, Tag); break;
    }
}

// Anchors are counted from 1; the one with keyboard focus is FocusAnchor + 1. Underline and
// hover colours go to every anchor, or with HoverMode to the hovered one alone.
void TMarkupRenderer::OnAnchor(TPass& P, StringView Tag)
{
    TPassState& st = *P.State;
    if (P.Drawing() && st.AnchorCount == m_args.FocusAnchor) {
        st.FocusOpen = true;
        st.FocusRect = {DrawingX(P), P.Rect.Top, 0, 0};
    }
    ++st.AnchorCount;
    const bool hovered = m_args.HoverAnchor == st.AnchorCount;
    if (P.Drawing() && (!m_args.HoverMode || hovered)) {
        SetStyle(st.Font, fsUnderline, true);
        if (m_args.HoverColor != clNone) {
            st.BrushBeforeHover = st.Brush;
            st.Brush = m_args.HoverColor;
        }
        if (m_args.HoverFontColor != clNone) {
            st.FontBeforeHover = st.Font.Color;
            st.Font.Color = m_args.HoverFontColor;
        }
    }
    if (!m_args.Selected && !(m_args.HoverMode && hovered && m_args.HoverFontColor != clNone))
        st.Font.Color = m_args.AnchorColor;
    const String upper = UpperCaseKeepLength(Tag);
    String value;
    String title;
    const bool hasTitle = GetMarkupAttribute(Tag, upper, u"TITLE", title);
    if (GetMarkupAttribute(Tag, upper, u"HREF", value)) {
        st.AnchorValue = value;
        st.InAnchor = true;
        st.AnchorTitle = title;  // an anchor without TITLE has none, not the one before it
    } else if (hasTitle) {
        st.AnchorTitle = title;
    }
    st.AnchorStart = P.Used;
    st.AnchorLine = P.LineIndex;
}

void TMarkupRenderer::OnAnchorOff(TPass& P)
{
    TPassState& st = *P.State;
    if (P.Drawing() && (!m_args.HoverMode || m_args.HoverAnchor == st.AnchorCount)) {
        SetStyle(st.Font, fsUnderline, false);
        if (m_args.HoverColor != clNone) st.Brush = st.BrushBeforeHover;
        if (m_args.HoverFontColor != clNone) st.Font.Color = st.FontBeforeHover;
    }
    if (!m_args.Selected) st.Font.Color = m_base.Color;
    st.InAnchor = false;
    if (st.AnchorPending) {
        // The anchor's part on this line.
        const Integer from = st.AnchorLine == P.LineIndex ? st.AnchorStart : 0;
        const Integer left = PlaceLeft(P, from, P.Used - from);
        m_lineAnchor.Closed = true;
        m_lineAnchor.HoverRect = Rect(left, P.Rect.Top, left + P.Used - from, P.Rect.Bottom);
        m_lineAnchor.Number = st.AnchorCount;
        st.AnchorPending = false;
    }
    if (P.Drawing() && st.FocusOpen && st.AnchorCount - 1 == m_args.FocusAnchor) {
        const Integer bottom = P.Rect.Bottom - P.Line->Raise;
        TRect frame = FocusPart(P, 1);
        frame.Top = bottom - P.Line->GhHeight;
        frame.Bottom = bottom;
        m_canvas.DrawFocusRect(frame);
        st.FocusOpen = false;
    }
}

void TMarkupRenderer::OnBody(TPass& P, StringView Upper)
{
    TPassState& st = *P.State;
    String value;
    if (GetMarkupAttribute(Upper, Upper, u"BACKGROUND", value)) TileBackground(value);
    TColor colour = clNone;
    if (GetMarkupAttribute(Upper, Upper, u"BGCOLOR", value) && MarkupBodyColor(value, colour)) {
        ApplyBrush(colour);
        m_canvas.FillRect(m_args.Rect);
        st.BrushBeforeFont = st.Brush;
        st.Brush = colour;
    }
}

void TMarkupRenderer::OnFont(TPass& P, StringView Upper)
{
    TPassState& st = *P.State;
    String value;
    if (GetMarkupAttribute(Upper, Upper, u"FACE", value) && !value.empty()) st.Font.Name = value;
    if (!m_args.Selected && GetMarkupAttribute(Upper, Upper, u" COLOR", value)) st.Font.Color = MarkupColor(value);
    if (P.Drawing() && !m_args.Selected && GetMarkupAttribute(Upper, Upper, u"BGCOLOR", value)) {
        st.BrushBeforeFont = st.Brush;
        st.Brush = MarkupColor(value);
    }
    if (GetMarkupAttribute(Upper, Upper, u"SIZE", value))
        st.Font.Height = HeightOfPoints(MarkupFontSize(MarkupNumber(value)));
}

void TMarkupRenderer::OnFontOff(TPass& P)
{
    TPassState& st = *P.State;
    st.Font.Name = m_base.Name;
    st.Font.Height = m_base.Height;
    if (P.Drawing() && !m_args.Selected) {
        st.Font.Color = m_base.Color;
        st.Brush = st.BrushBeforeFont;
    }
}

void TMarkupRenderer::OnIndent(TPass& P, StringView Upper)
{
    String value;
    Integer x = 0;
    if (GetMarkupAttribute(Upper, Upper, u"X", value) && MarkupStrictNumber(value, x) && x > P.Used) P.Used = x;
}

// A bullet at level n takes n × 12 pixels, drawn in the last 12 (right to left at their far
// side); a second one on a line starts the next line.
void TMarkupRenderer::OnListItem(TPass& P)
{
    TPassState& st = *P.State;
    P.Used += st.ListLevel * 12;
    if (P.BulletPlaced) {
        P.Overflow = P.Kind == TPassKind::Layout;
        return;
    }
    P.BulletPlaced = true;
    if (!P.Drawing()) return;
    TMarkupFont symbol = st.Font;
    symbol.Name = u"Symbol";
    ApplyFont(symbol);
    ApplyBrush(st.Brush);
    const Integer left = PlaceLeft(P, P.Used - 12, 12);
    TRect r = Rect(left, P.Rect.Top, left + 12, P.Rect.Bottom);
    const Cardinal side = RightToLeft() ? DT_RIGHT : DT_LEFT;
    m_canvas.DrawText(st.ListLevel % 2 == 1 ? u"\u2022" : u"o", r, side | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
    ApplyFont(st.Font);
}

void TMarkupRenderer::OnParagraph(TPass& P, StringView Upper)
{
    TPassState& st = *P.State;
    String value;
    if (GetMarkupAttribute(Upper, Upper, u"ALIGN", value)) {
        if (value.find(u"RIGHT") != String::npos)
            st.Alignment = 1;
        else if (value.find(u"LEFT") != String::npos)
            st.Alignment = 0;
        else if (value.find(u"CENTER") != String::npos)
            st.Alignment = 2;
    }
    if (GetMarkupAttribute(Upper, Upper, u"INDENT", value)) st.Indent = MarkupNumber(value);
    if (P.Drawing() && GetMarkupAttribute(Upper, Upper, u"BGCOLOR", value)) {
        st.ParagraphBackground = true;
        st.BrushBeforeParagraph = st.Brush;
        st.Brush = MarkupColor(value);
        ApplyBrush(st.Brush);
        m_canvas.Pen()->SetColor(st.Brush);
        m_canvas.FillRect(Rect(m_args.Rect.Left, P.Rect.Top, m_args.Rect.Right, P.Rect.Bottom));
        m_canvas.Pen()->SetColor(m_savedPenColor);
    }
}

void TMarkupRenderer::OnParagraphOff(TPass& P)
{
    TPassState& st = *P.State;
    P.LineEnd = true;
    if (!P.Drawing()) return;
    st.Brush = st.BrushBeforeParagraph;
    st.ParagraphBackground = false;
}

void TMarkupRenderer::OnRule(TPass& P)
{
    P.LineEnd = true;
    if (!P.Drawing()) return;
    m_canvas.Pen()->SetColor(clBlack);
    m_canvas.MoveTo(P.Rect.Left, P.Rect.Bottom + 1);
    m_canvas.LineTo(P.Rect.Right, P.Rect.Bottom + 1);
    m_canvas.Pen()->SetColor(m_savedPenColor);
}

void TMarkupRenderer::OnHighlight(TPass& P, bool On)
{
    TPassState& st = *P.State;
    if (On) {
        st.BrushBeforeHighlight = st.Brush;
        st.FontBeforeHighlight = st.Font.Color;
        const TMarkupHighlightColors colours = MarkupHighlightColors();
        st.Brush = colours.Background;
        st.Font.Color = colours.Text;
    } else {
        st.Brush = st.BrushBeforeHighlight;
        st.Font.Color = st.FontBeforeHighlight;
    }
}

// R does not nest: "</R>" gives back the turn before the first R.
void TMarkupRenderer::OnRotate(TPass& P, StringView Upper, bool On)
{
    TPassState& st = *P.State;
    if (!On) {
        if (st.Rotated) st.Font.Orientation = st.RotationBefore;
        st.Rotated = false;
        return;
    }
    String value;
    const Integer degrees = GetMarkupAttribute(Upper, Upper, u"A", value) ? MarkupNumber(value) % 3600 : 0;
    if (!st.Rotated) st.RotationBefore = st.Font.Orientation;
    st.Rotated = true;
    st.Font.Orientation = degrees * 10;
}

}  // namespace gw::detail
