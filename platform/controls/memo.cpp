// TCustomMemo and TMemo: the multi-line edit with its lines as a string list and scroll bars.
#include "platform/controls/memo.h"

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
        if (t[i] != u'\r' && t[i] != u'\n') continue;
        lines.push_back(t.substr(start, i - start));
        if (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < t.size()) lines.push_back(t.substr(start));
    return lines;
}

void TMemoStrings::Join(const std::vector<String>& Lines)
{
    String t;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0) t += u"\r\n";
        t += Lines[i];
    }
    m_memo.SetText(t);
}

Integer TMemoStrings::Count() const { return Integer(Split().size()); }

String TMemoStrings::Get(Integer Index) const
{
    const auto lines = Split();
    if (Index < 0 || Index >= Integer(lines.size())) IndexError(Index);
    return lines[std::size_t(Index)];
}

void TMemoStrings::Put(Integer Index, const String& S)
{
    auto lines = Split();
    if (Index < 0 || Index >= Integer(lines.size())) IndexError(Index);
    lines[std::size_t(Index)] = S;
    Join(lines);
}

void TMemoStrings::Clear() { m_memo.SetText(u""); }

void TMemoStrings::Delete(Integer Index)
{
    auto lines = Split();
    if (Index < 0 || Index >= Integer(lines.size())) IndexError(Index);
    lines.erase(lines.begin() + Index);
    Join(lines);
}

void TMemoStrings::Insert(Integer Index, const String& S)
{
    auto lines = Split();
    if (Index < 0 || Index > Integer(lines.size())) IndexError(Index);
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
    m_engine.OnScrolled = [this] { UpdateScrollBars(); };
    ApplyStyle(EditStyle());
}

TCustomMemo::~TCustomMemo() = default;

Cardinal TCustomMemo::EditStyle() const
{
    Cardinal style = TCustomEdit::EditStyle() | ES_MULTILINE;
    if (m_wordWrapProp) style &= ~Cardinal(ES_AUTOHSCROLL);
    if (m_wantReturns) style |= ES_WANTRETURN;
    if (HasVScroll()) style |= WS_VSCROLL;
    if (HasHScroll()) style |= WS_HSCROLL;
    return style;
}

void TCustomMemo::ApplyStyle(Cardinal Style)
{
    TCustomEdit::ApplyStyle(Style);
    m_engine.WantTabs = m_wantTabs;
    m_engine.WantReturns = true;  // an Enter that reaches the memo is a line break
    if (!CustomFormatRect()) m_engine.FormatRect = DefaultFormatRect();
}

void TCustomMemo::CreateWnd()
{
    TCustomEdit::CreateWnd();
    UpdateScrollBars();
}

void TCustomMemo::UpdateScrollBars()
{
    const HWND h = HandleIfAllocated();
    if (!h) return;
    if (HasVScroll()) {
        TScrollInfo si;
        si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        si.nMax = std::max(0, m_engine.Layout().LineCount() - 1);
        si.nPage = UINT(std::max(1, m_engine.FormatRect.Height() / m_engine.LineHeight()));
        si.nPos = m_engine.TopLine();
        SetScrollInfo(h, SB_VERT, si);
    }
    if (HasHScroll()) {
        TScrollInfo si;
        si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        si.nMax = std::max(0, m_engine.Layout().MaxLineWidth());
        si.nPage = UINT(std::max(1, m_engine.FormatRect.Width()));
        si.nPos = m_engine.ScrollX();
        SetScrollInfo(h, SB_HORZ, si);
    }
}

void TCustomMemo::Scroll(bool Vertical, Word Code, Integer Thumb)
{
    const Integer page = Vertical ? std::max(1, m_engine.FormatRect.Height() / m_engine.LineHeight())
                                  : std::max(1, m_engine.FormatRect.Width() * 3 / 4);
    const Integer line = Vertical ? 1 : std::max(1, m_engine.Measure().TextWidth(u"W"));
    const Integer pos = Vertical ? m_engine.TopLine() : m_engine.ScrollX();
    Integer target = pos;
    switch (Code) {
    case SB_LINEUP: target = pos - line; break;
    case SB_LINEDOWN: target = pos + line; break;
    case SB_PAGEUP: target = pos - page; break;
    case SB_PAGEDOWN: target = pos + page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: target = Thumb; break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = 1 << 30; break;
    default: return;
    }
    if (Vertical)
        m_engine.SetTopLine(std::min(target, std::max(0, m_engine.Layout().LineCount() - page)));
    else
        m_engine.SetScrollX(target);
}

void TCustomMemo::SetScrollBars(TScrollStyle Value)
{
    if (Value == m_scrollBars) return;
    m_scrollBars = Value;
    StyleChanged();
}

void TCustomMemo::SetWordWrap(bool Value)
{
    if (Value == m_wordWrapProp) return;
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
    if (Key == u'\r' && !m_wantReturns) Key = 0;
    if (Key == u'\t' && !m_wantTabs) Key = 0;
}

TPoint TCustomMemo::CaretPos() const
{
    const String& t = m_engine.Buffer.Text();
    const Integer caret = m_engine.Buffer.Caret();
    Integer line = 0, lineStart = 0;
    for (Integer i = 0; i < caret; ++i) {
        if (t[std::size_t(i)] == u'\n' ||
            (t[std::size_t(i)] == u'\r' && (i + 1 >= Integer(t.size()) || t[std::size_t(i + 1)] != u'\n'))) {
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
        if (t[std::size_t(pos)] == u'\n' ||
            (t[std::size_t(pos)] == u'\r' && (pos + 1 >= Integer(t.size()) || t[std::size_t(pos + 1)] != u'\n')))
            ++line;
        ++pos;
    }
    Integer end = pos;
    while (end < Integer(t.size()) && t[std::size_t(end)] != u'\r' && t[std::size_t(end)] != u'\n') ++end;
    const Integer p = std::min(pos + std::max(0, Value.X), end);
    Perform(EM_SETSEL, WPARAM(p), p);
}

void TCustomMemo::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL: WMScroll(M); return;
    default: TCustomEdit::Dispatch(M); return;
    }
}

void TCustomMemo::WMScroll(TMessage& M)
{
    const TWMScroll scroll(M);
    Scroll(M.Msg == WM_VSCROLL, scroll.Code, scroll.Pos);
}

LRESULT TCustomMemo::DialogCode() const
{
    LRESULT code = TCustomEdit::DialogCode();
    if (m_wantTabs)
        code |= DLGC_WANTTAB;
    else
        code &= ~LRESULT(DLGC_WANTTAB);
    if (!m_wantReturns) code &= ~LRESULT(DLGC_WANTALLKEYS);
    return code;
}

void TCustomMemo::DefaultHandler(TMessage& M)
{
    switch (M.Msg) {
    case WM_MOUSEWHEEL: NativeWheel(M); return;
    default: TCustomEdit::DefaultHandler(M); return;
    }
}

void TCustomMemo::NativeWheel(TMessage& M)
{
    // The memo's own wheel behaviour: reached only when no OnMouseWheel up to the form took it.
    const Integer delta = TWMMouseWheel(M).WheelDelta;
    m_engine.SetTopLine(m_engine.TopLine() - delta / WHEEL_DELTA * WheelScrollLines());
    M.Result = 1;
}

}  // namespace gw
