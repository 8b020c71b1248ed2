// TCustomMemo and TMemo: the multi-line edit with its lines as a string list and scroll bars.
#include "platform/controls/memo.h"

#include "platform/graphics/frame_controls.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

// --- TMemoStrings --------------------------------------------------------------------------------

std::vector<String> TMemoStrings::Split() const
{
    std::vector<String> lines;
    const String& t = m_memo.Text();
    std::size_t start = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != u'\r' && t[i] != u'\n')
            continue;
        lines.push_back(t.substr(start, i - start));
        if (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < t.size())
        lines.push_back(t.substr(start));
    return lines;
}

void TMemoStrings::Join(const std::vector<String>& Lines)
{
    String t;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0)
            t += u"\r\n";
        t += Lines[i];
    }
    m_memo.SetText(t);
}

Integer TMemoStrings::Count() const { return Integer(Split().size()); }

String TMemoStrings::Get(Integer Index) const
{
    const auto lines = Split();
    if (Index < 0 || Index >= Integer(lines.size()))
        IndexError(Index);
    return lines[std::size_t(Index)];
}

void TMemoStrings::Put(Integer Index, const String& S)
{
    auto lines = Split();
    if (Index < 0 || Index >= Integer(lines.size()))
        IndexError(Index);
    lines[std::size_t(Index)] = S;
    Join(lines);
}

void TMemoStrings::Clear() { m_memo.SetText(u""); }

void TMemoStrings::Delete(Integer Index)
{
    auto lines = Split();
    if (Index < 0 || Index >= Integer(lines.size()))
        IndexError(Index);
    lines.erase(lines.begin() + Index);
    Join(lines);
}

void TMemoStrings::Insert(Integer Index, const String& S)
{
    auto lines = Split();
    if (Index < 0 || Index > Integer(lines.size()))
        IndexError(Index);
    lines.insert(lines.begin() + Index, S);
    Join(lines);
}

String TMemoStrings::Text() const { return m_memo.Text(); }

void TMemoStrings::SetText(StringView Value) { m_memo.SetText(String(Value)); }

// --- TCustomMemo -----------------------------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), m_lines(std::make_unique<TMemoStrings>(*this))
{
    SetBounds(0, 0, 185, 89);
    AutoSelect = false;
    ApplyStyle(EditStyle());
}

TCustomMemo::~TCustomMemo() = default;

Cardinal TCustomMemo::EditStyle() const
{
    Cardinal style = TCustomEdit::EditStyle() | ES_MULTILINE;
    if (m_wordWrapProp)
        style &= ~Cardinal(ES_AUTOHSCROLL);
    if (m_wantReturns)
        style |= ES_WANTRETURN;
    if (HasVScroll())
        style |= WS_VSCROLL;
    if (HasHScroll())
        style |= WS_HSCROLL;
    return style;
}

void TCustomMemo::ApplyStyle(Cardinal Style)
{
    TCustomEdit::ApplyStyle(Style);
    m_engine.WantTabs = m_wantTabs;
    m_engine.WantReturns = true;  // an Enter that reaches the memo is a line break
    if (!CustomFormatRect())
        m_engine.FormatRect = DefaultFormatRect();
}

TRect TCustomMemo::VScrollRect() const
{
    const Integer b = BorderStyle() == bsSingle ? 2 : 0;
    const Integer w = GetSystemMetrics(SM_CXVSCROLL);
    return Rect(Width() - b - w, b, Width() - b, Height() - b - (HasHScroll() ? GetSystemMetrics(SM_CYHSCROLL) : 0));
}

TRect TCustomMemo::HScrollRect() const
{
    const Integer b = BorderStyle() == bsSingle ? 2 : 0;
    const Integer h = GetSystemMetrics(SM_CYHSCROLL);
    return Rect(b, Height() - b - h, Width() - b - (HasVScroll() ? GetSystemMetrics(SM_CXVSCROLL) : 0), Height() - b);
}

TRect TCustomMemo::DefaultFormatRect() const
{
    TRect r = TCustomEdit::DefaultFormatRect();
    if (HasVScroll())
        r.Right = std::max(r.Left, VScrollRect().Left - 1);
    if (HasHScroll())
        r.Bottom = std::max(r.Top, HScrollRect().Top);
    return r;
}

void TCustomMemo::SetScrollBars(TScrollStyle Value)
{
    if (Value == m_scrollBars)
        return;
    m_scrollBars = Value;
    StyleChanged();
}

void TCustomMemo::SetWordWrap(bool Value)
{
    if (Value == m_wordWrapProp)
        return;
    m_wordWrapProp = Value;
    StyleChanged();
}

void TCustomMemo::SetWantReturns(bool Value) { m_wantReturns = Value; }

void TCustomMemo::SetWantTabs(bool Value)
{
    m_wantTabs = Value;
    m_engine.WantTabs = Value;
}

void TCustomMemo::KeyPress(Char& Key)
{
    TCustomEdit::KeyPress(Key);
    if (Key == u'\r' && !m_wantReturns)
        Key = 0;
    if (Key == u'\t' && !m_wantTabs)
        Key = 0;
}

TPoint TCustomMemo::CaretPos() const
{
    const String& t = m_engine.Buffer.Text();
    const Integer caret = m_engine.Buffer.Caret();
    Integer line = 0, lineStart = 0;
    for (Integer i = 0; i < caret; ++i) {
        if (t[std::size_t(i)] == u'\n' || (t[std::size_t(i)] == u'\r' && (i + 1 >= Integer(t.size()) || t[std::size_t(i + 1)] != u'\n'))) {
            ++line;
            lineStart = i + 1;
        }
    }
    return {caret - lineStart, line};
}

void TCustomMemo::SetCaretPos(TPoint Value)
{
    const String& t = m_engine.Buffer.Text();
    Integer line = 0, pos = 0;
    while (line < Value.Y && pos < Integer(t.size())) {
        if (t[std::size_t(pos)] == u'\n' || (t[std::size_t(pos)] == u'\r' && (pos + 1 >= Integer(t.size()) || t[std::size_t(pos + 1)] != u'\n')))
            ++line;
        ++pos;
    }
    Integer end = pos;
    while (end < Integer(t.size()) && t[std::size_t(end)] != u'\r' && t[std::size_t(end)] != u'\n')
        ++end;
    const Integer p = std::min(pos + std::max(0, Value.X), end);
    Perform(EM_SETSEL, WPARAM(p), p);
}

void TCustomMemo::Dispatch(TMessage& M)
{
    if (M.Msg == WM_MOUSEWHEEL) {
        const Integer delta = int16_t(M.WParamHi());
        m_engine.SetTopLine(m_engine.TopLine() - delta / WHEEL_DELTA * WheelScrollLines());
        M.Result = 1;
        return;
    }
    TCustomEdit::Dispatch(M);
}

bool TCustomMemo::ScrollBarClick(TPoint P)
{
    if (!HasVScroll() || !PtInRect(VScrollRect(), P))
        return false;
    const TRect r = VScrollRect();
    const Integer arrow = std::min(GetSystemMetrics(SM_CYVSCROLL), r.Height() / 2);
    if (P.Y < r.Top + arrow)
        m_engine.SetTopLine(m_engine.TopLine() - 1);
    else if (P.Y >= r.Bottom - arrow)
        m_engine.SetTopLine(m_engine.TopLine() + 1);
    else {
        const Integer page = std::max(1, m_engine.FormatRect.Height() / m_engine.LineHeight());
        m_engine.SetTopLine(m_engine.TopLine() + (P.Y < (r.Top + r.Bottom) / 2 ? -page : page));
    }
    return true;
}

void TCustomMemo::DefaultHandler(TMessage& M)
{
    switch (M.Msg) {
    case WM_GETDLGCODE:
        TCustomEdit::DefaultHandler(M);
        if (m_wantTabs)
            M.Result |= DLGC_WANTTAB;
        else
            M.Result &= ~LRESULT(DLGC_WANTTAB);
        if (!m_wantReturns)
            M.Result &= ~LRESULT(DLGC_WANTALLKEYS);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (ScrollBarClick({GetXLParam(M.LParam), GetYLParam(M.LParam)}))
            return;
        break;
    default: break;
    }
    TCustomEdit::DefaultHandler(M);
}

void TCustomMemo::PaintScrollBars(TCanvas& Canvas)
{
    auto bar = [&](TRect r, bool Vertical) {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(clScrollBar);
        Canvas.FillRect(r);
        const Integer size = Vertical ? std::min(r.Width(), r.Height() / 2) : std::min(r.Height(), r.Width() / 2);
        TRect a = Vertical ? Rect(r.Left, r.Top, r.Right, r.Top + size) : Rect(r.Left, r.Top, r.Left + size, r.Bottom);
        TRect b = Vertical ? Rect(r.Left, r.Bottom - size, r.Right, r.Bottom) : Rect(r.Right - size, r.Top, r.Right, r.Bottom);
        const Cardinal off = Enabled() ? 0 : DFCS_INACTIVE;
        DrawFrameControl(Canvas, a, DFC_SCROLL, (Vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | off);
        DrawFrameControl(Canvas, b, DFC_SCROLL, (Vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | off);
        if (!Vertical)
            return;
        // The thumb shows the visible part of the lines.
        const Integer lines = std::max(1, m_engine.Layout().LineCount());
        const Integer visible = std::max(1, m_engine.FormatRect.Height() / m_engine.LineHeight());
        if (lines <= visible || !Enabled())
            return;
        const Integer track = r.Height() - 2 * size;
        const Integer thumb = std::max(8, track * visible / lines);
        const Integer top = r.Top + size + (track - thumb) * m_engine.TopLine() / std::max(1, lines - visible);
        TRect t = Rect(r.Left, top, r.Right, std::min(top + thumb, r.Bottom - size));
        DrawEdge(Canvas, t, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    };
    if (HasVScroll())
        bar(VScrollRect(), true);
    if (HasHScroll())
        bar(HScrollRect(), false);
    if (HasVScroll() && HasHScroll()) {
        Canvas.Brush()->SetColor(clBtnFace);
        Canvas.FillRect(Rect(VScrollRect().Left, HScrollRect().Top, VScrollRect().Right, HScrollRect().Bottom));
    }
}

void TCustomMemo::PaintWindow(TCanvas& Canvas)
{
    TCustomEdit::PaintWindow(Canvas);
    PaintScrollBars(Canvas);
}

}  // namespace gw
