// TLabel and TLinkLabel: measuring, painting and the keys and clicks they answer.
#include "platform/controls/label.h"

#include "platform/controls/accelerator.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"

namespace gw {

// --- TCustomLabel ----------------------------------------------------------------------------------

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    ControlStyle |= csOpaque | csReplicatable;
    SetBounds(0, 0, 65, 17);
}

TCustomLabel::~TCustomLabel() { SetFocusControl(nullptr); }

void TCustomLabel::SetAutoSize(bool Value)
{
    if (m_autoSize == Value) return;
    m_autoSize = Value;
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool Value)
{
    if (m_wordWrap == Value) return;
    m_wordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment Value)
{
    if (m_alignment == Value) return;
    m_alignment = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value)
{
    if (m_layout == Value) return;
    m_layout = Value;
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value)
{
    if (m_transparent == Value) return;
    m_transparent = Value;
    if (Value)
        ControlStyle &= ~csOpaque;
    else
        ControlStyle |= csOpaque;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value)
{
    if (m_showAccelChar == Value) return;
    m_showAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value)
{
    if (m_focusControl == Value) return;
    if (m_focusControl) RemoveFreeNotification(m_focusControl);
    m_focusControl = Value;
    if (Value) FreeNotification(Value);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_focusControl) m_focusControl = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

Cardinal TCustomLabel::DrawFlags() const
{
    Cardinal f = DT_EXPANDTABS;
    if (m_wordWrap) f |= DT_WORDBREAK;
    if (m_alignment == taRightJustify)
        f |= DT_RIGHT;
    else if (m_alignment == taCenter)
        f |= DT_CENTER;
    return f;
}

void TCustomLabel::DoDrawText(TCanvas& Canvas, TRect& R, Cardinal Flags) const
{
    String text = Caption();
    // An empty caption still takes one line, so an auto-sized label does not vanish.
    if ((Flags & DT_CALCRECT) && (text.empty() || (m_showAccelChar && text == u"&"))) text += u' ';
    if (!m_showAccelChar) Flags |= DT_NOPREFIX;
    Canvas.Font()->Assign(Font());
    Canvas.Brush()->SetStyle(bsClear);
    if (!Enabled() && !(Flags & DT_CALCRECT)) {
        OffsetRect(R, 1, 1);
        Canvas.Font()->SetColor(clBtnHighlight);
        Canvas.DrawText(text, R, Flags);
        OffsetRect(R, -1, -1);
        Canvas.Font()->SetColor(clBtnShadow);
    }
    Canvas.DrawText(text, R, Flags);
}

TRect TCustomLabel::MeasureText() const
{
    TCanvas measure;
    TRect r = Rect(0, 0, m_wordWrap ? Width() : 0x3FFF, 0);
    DoDrawText(measure, r, DrawFlags() | DT_CALCRECT);
    return r;
}

void TCustomLabel::AdjustBounds()
{
    if (!m_autoSize || m_adjusting || (ComponentState() & (csReading | csLoading))) return;
    TRect r = MeasureText();
    Integer x = Left();
    if (m_alignment == taRightJustify) x += Width() - r.Right;  // the right edge stays put
    TTemporaryChange adjusting(m_adjusting, true);
    SetBounds(x, Top(), r.Right, r.Bottom);
}

void TCustomLabel::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    bool widthChanged = AWidth != Width();
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    // A wrapped label re-measures its height for the new width.
    if (widthChanged && m_wordWrap) AdjustBounds();
}

void TCustomLabel::Paint()
{
    TCanvas& c = *Canvas();
    TRect client = ClientRect();
    if (!m_transparent) {
        c.Brush()->SetColor(Color());
        c.Brush()->SetStyle(bsSolid);
        c.FillRect(client);
    }
    TRect r = client;
    Cardinal flags = DrawFlags();
    if (m_layout != tlTop) {
        TRect calc = r;
        DoDrawText(c, calc, flags | DT_CALCRECT);
        Integer dy = m_layout == tlBottom ? Height() - calc.Bottom : (Height() - calc.Bottom) / 2;
        OffsetRect(r, 0, dy);
    }
    DoDrawText(c, r, flags);
}

void TCustomLabel::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: CaptionChanged(M); return;
    case CM_DIALOGCHAR: CMDialogChar(M); return;
    default: TGraphicControl::Dispatch(M); return;
    }
}

void TCustomLabel::CaptionChanged(TMessage& /*M*/)
{
    Invalidate();
    AdjustBounds();
}

void TCustomLabel::CMDialogChar(TMessage& M)
{
    // The accelerator of the caption focuses the control the label names.
    if (m_focusControl && Enabled() && m_showAccelChar && IsAccel(TWMKey(M).Key, Caption()) &&
        m_focusControl->CanFocus()) {
        m_focusControl->SetFocus();
        M.Result = 1;
    }
}

// --- link caption parsing ----------------------------------------------------------------------------

namespace {

bool StartsWithNoCase(StringView S, std::size_t At, StringView What)
{
    if (At + What.size() > S.size()) return false;
    return SameText(S.substr(At, What.size()), What);
}

// Reads name="value" pairs of an opening tag's inside.
String AttributeOf(StringView Tag, StringView Name)
{
    std::size_t i = 0;
    while (i < Tag.size()) {
        while (i < Tag.size() && (Tag[i] == u' ' || Tag[i] == u'\t')) ++i;
        std::size_t nameStart = i;
        while (i < Tag.size() && Tag[i] != u'=' && Tag[i] != u' ') ++i;
        StringView name = Tag.substr(nameStart, i - nameStart);
        if (i >= Tag.size() || Tag[i] != u'=') {
            ++i;
            continue;
        }
        ++i;
        String value;
        if (i < Tag.size() && (Tag[i] == u'"' || Tag[i] == u'\'')) {
            Char quote = Tag[i++];
            std::size_t end = Tag.find(quote, i);
            if (end == StringView::npos) end = Tag.size();
            value = String(Tag.substr(i, end - i));
            i = end + 1;
        } else {
            std::size_t end = i;
            while (end < Tag.size() && Tag[end] != u' ') ++end;
            value = String(Tag.substr(i, end - i));
            i = end;
        }
        if (SameText(name, Name)) return value;
    }
    return String();
}

void AppendText(std::vector<TLinkSegment>& Out, StringView Text)
{
    if (Text.empty()) return;
    if (!Out.empty() && !Out.back().IsLink)
        Out.back().Text += Text;
    else
        Out.push_back({String(Text), false, String(), sltURL});
}

}  // namespace

std::vector<TLinkSegment> ParseLinkCaption(StringView Caption)
{
    std::vector<TLinkSegment> out;
    std::size_t i = 0;
    while (i < Caption.size()) {
        std::size_t lt = Caption.find(u'<', i);
        bool opening = lt != StringView::npos && StartsWithNoCase(Caption, lt, u"<a") && lt + 2 < Caption.size() &&
            (Caption[lt + 2] == u'>' || Caption[lt + 2] == u' ');
        std::size_t gt = opening ? Caption.find(u'>', lt) : StringView::npos;
        if (lt == StringView::npos || !opening || gt == StringView::npos) {
            // Not an anchor: the text up to and including this '<' is plain.
            std::size_t end = lt == StringView::npos ? Caption.size() : lt + 1;
            AppendText(out, Caption.substr(i, end - i));
            i = end;
            continue;
        }
        AppendText(out, Caption.substr(i, lt - i));
        StringView tag = Caption.substr(lt + 2, gt - lt - 2);
        std::size_t textStart = gt + 1, close = textStart;
        while (close < Caption.size() && !StartsWithNoCase(Caption, close, u"</a>")) ++close;
        TLinkSegment seg;
        seg.IsLink = true;
        seg.Text = String(Caption.substr(textStart, close - textStart));
        seg.Link = AttributeOf(tag, u"href");
        seg.LinkType = sltURL;
        if (seg.Link.empty()) {
            seg.Link = AttributeOf(tag, u"id");
            seg.LinkType = sltID;
        }
        out.push_back(seg);
        i = std::min(Caption.size(), close + 4);
    }
    return out;
}

// --- TLinkLabel ------------------------------------------------------------------------------------

TLinkLabel::TLinkLabel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetBounds(0, 0, 53, 17);
}

void TLinkLabel::SetAutoSize(bool Value)
{
    if (m_autoSize == Value) return;
    m_autoSize = Value;
    AdjustBounds();
}

std::vector<TLinkLabel::TRun> TLinkLabel::LayoutRuns()
{
    std::vector<TRun> runs;
    TCanvas& c = *Canvas();
    c.Font()->Assign(Font());
    Integer lineHeight = c.TextHeight(u"Wg");
    Integer total = 0;
    for (std::size_t i = 0; i < m_segments.size(); ++i) {
        Integer w = c.TextWidth(m_segments[i].Text);
        runs.push_back({i, Rect(total, 0, total + w, lineHeight)});
        total += w;
    }
    Integer dx = 0;
    if (Alignment == taRightJustify)
        dx = ClientWidth() - total;
    else if (Alignment == taCenter)
        dx = (ClientWidth() - total) / 2;
    for (TRun& r : runs) OffsetRect(r.Bounds, dx, 0);
    return runs;
}

std::vector<TRect> TLinkLabel::LinkRects()
{
    std::vector<TRect> out;
    for (const TRun& r : LayoutRuns())
        if (m_segments[r.Segment].IsLink) out.push_back(r.Bounds);
    return out;
}

Integer TLinkLabel::LinkAt(TPoint P)
{
    std::vector<TRect> rects = LinkRects();
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(rects[i], P)) return Integer(i);
    return -1;
}

void TLinkLabel::ClickLink(Integer LinkIndex)
{
    Integer n = 0;
    for (const TLinkSegment& s : m_segments) {
        if (!s.IsLink) continue;
        if (n++ == LinkIndex) {
            if (OnLinkClick) OnLinkClick(this, s.Link, s.LinkType);
            return;
        }
    }
}

void TLinkLabel::AdjustBounds()
{
    if (!m_autoSize || (ComponentState() & csLoading)) return;
    TCanvas& c = *Canvas();
    c.Font()->Assign(Font());
    Integer w = 0;
    for (const TLinkSegment& s : m_segments) w += c.TextWidth(s.Text);
    SetBounds(Left(), Top(), w, c.TextHeight(u"Wg"));
}

void TLinkLabel::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(ClientRect());
    c.Brush()->SetStyle(bsClear);
    Integer linkNo = 0;
    for (const TRun& r : LayoutRuns()) {
        const TLinkSegment& s = m_segments[r.Segment];
        c.Font()->Assign(Font());
        if (!Enabled()) {
            c.Font()->SetColor(clGrayText);
        } else if (s.IsLink) {
            c.Font()->SetColor(clHotLight);
            c.Font()->SetStyle(Font()->Style() | fsUnderline);
        }
        c.TextOut(r.Bounds.Left, r.Bounds.Top, s.Text);
        if (s.IsLink) {
            if (Focused() && linkNo == m_focusedLink) c.DrawFocusRect(r.Bounds);
            ++linkNo;
        }
    }
}

void TLinkLabel::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_TEXTCHANGED: CMTextChanged(M); return;
    case CM_FONTCHANGED: CMFontChanged(M); return;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

void TLinkLabel::CMTextChanged(TMessage& /*M*/)
{
    m_segments = ParseLinkCaption(Caption());
    m_focusedLink = 0;
    AdjustBounds();
    Invalidate();
}

void TLinkLabel::CMFontChanged(TMessage& M)
{
    TCustomControl::Dispatch(M);
    AdjustBounds();
}

void TLinkLabel::CMWantSpecialKey(TMessage& M)
{
    // Enter opens the focused link rather than pressing the dialog's default button.
    M.Result = TWMKey(M).Key == VK_RETURN && !m_segments.empty() ? 1 : 0;
}

void TLinkLabel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    Integer link = LinkAt({X, Y});
    if (link >= 0) {
        m_focusedLink = link;
        ClickLink(link);
    }
}

void TLinkLabel::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    SetCursor(LinkAt({X, Y}) >= 0 ? crHandPoint : crDefault);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TLinkLabel::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_RETURN || Key == VK_SPACE) {
        Key = 0;
        ClickLink(m_focusedLink);
    }
}

}  // namespace gw
