// TCustomRichEdit and TRichEdit: the memo with character formats, RTF in and out, and drawing
// of a formatted range onto any canvas.
#include "platform/controls/rich_edit.h"

#include "platform/graphics/frame_controls.h"
#include "platform/runtime/atomic_file.h"
#include "platform/runtime/files.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

using namespace detail;

// --- TTextAttributes ------------------------------------------------------------------------------

TCharFormat TTextAttributes::Get() const
{
    if (m_default) return m_edit.m_default;
    const TEditBuffer& b = m_edit.m_engine.Buffer;
    if (b.HasSelection()) return m_edit.FormatAt(b.SelStart());
    if (m_edit.m_hasInsertFormat) return m_edit.m_insertFormat;
    return m_edit.FormatAt(b.Caret() - 1);
}

void TTextAttributes::Set(const TCharFormat& Value, Cardinal Fields)
{
    if (m_default) {
        TCharFormat& d = m_edit.m_default;
        if (Fields & fStyle) d.Style = Value.Style;
        if (Fields & fColor) d.Color = Value.Color;
        if (Fields & fSize) d.Size = Value.Size;
        if (Fields & fOffset) d.Offset = Value.Offset;
        m_edit.Invalidate();
        return;
    }
    const TEditBuffer& b = m_edit.m_engine.Buffer;
    if (b.HasSelection()) {
        m_edit.ApplyFormat(b.SelStart(), b.SelEnd(), Value, Fields);
        return;
    }
    TCharFormat f = Get();
    if (Fields & fStyle) f.Style = Value.Style;
    if (Fields & fColor) f.Color = Value.Color;
    if (Fields & fSize) f.Size = Value.Size;
    if (Fields & fOffset) f.Offset = Value.Offset;
    m_edit.m_insertFormat = f;
    m_edit.m_hasInsertFormat = true;
}

void TTextAttributes::SetStyle(TFontStyles Value) { Set({Value, 0, 0, 0}, fStyle); }
void TTextAttributes::SetColor(TColor Value) { Set({0, Value, 0, 0}, fColor); }
void TTextAttributes::SetSize(Integer Value) { Set({0, 0, Value, 0}, fSize); }
void TTextAttributes::SetOffset(Integer Value) { Set({0, 0, 0, Value}, fOffset); }

// --- TRichEditStrings -------------------------------------------------------------------------------

TRichEditStrings::TRichEditStrings(TCustomRichEdit& Edit) : TMemoStrings(Edit), m_rich(Edit) {}

void TRichEditStrings::LoadFromStream(TStream* Stream)
{
    const std::string bytes = Stream->ReadRest();
    if (!m_rich.PlainText && IsRtf(bytes)) {
        m_rich.SetRtfText(bytes);
        return;
    }
    TMemoryStream copy;
    copy.WriteBuffer(bytes);
    copy.SetPosition(0);
    TMemoStrings::LoadFromStream(&copy);
}

void TRichEditStrings::SaveToStream(TStream* Stream) const
{
    if (m_rich.PlainText) {
        TMemoStrings::SaveToStream(Stream);
        return;
    }
    Stream->WriteBuffer(m_rich.RtfText());
}

void TRichEditStrings::LoadFromFile(const String& FileName)
{
    TMemoryStream s;
    s.WriteBuffer(FileToBytes(FileName));
    s.SetPosition(0);
    LoadFromStream(&s);
}

void TRichEditStrings::SaveToFile(const String& FileName) const
{
    if (m_rich.PlainText) {
        TMemoStrings::SaveToFile(FileName);
        return;
    }
    WriteFileAtomic(FileName, m_rich.RtfText());
}

// --- TCustomRichEdit ---------------------------------------------------------------------------------

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner) : TCustomMemo(AOwner)
{
    auto lines = std::make_unique<TRichEditStrings>(*this);
    m_richLines = lines.get();
    ReplaceLines(std::move(lines));
    m_default = DefaultFormat();
    m_engine.OnSelChange = [this] { CheckSelChange(); };
}

TCharFormat TCustomRichEdit::DefaultFormat() const
{
    TCharFormat f;
    f.Size = Font()->Size();
    f.Style = Font()->Style();
    f.Color = clWindowText;
    return f;
}

void TCustomRichEdit::CreateWnd()
{
    TCustomMemo::CreateWnd();
    m_lastSize = {-1, -1};
}

TCharFormat TCustomRichEdit::FormatAt(Integer Position) const
{
    if (m_formats.empty()) return m_default;
    return m_formats[std::size_t(std::clamp(Position, 0, Integer(m_formats.size()) - 1))];
}

void TCustomRichEdit::ApplyFormat(Integer Start, Integer End, const TCharFormat& Value, Cardinal Fields)
{
    Start = std::clamp(Start, 0, Integer(m_formats.size()));
    End = std::clamp(End, Start, Integer(m_formats.size()));
    for (Integer i = Start; i < End; ++i) {
        TCharFormat& f = m_formats[std::size_t(i)];
        if (Fields & fStyle) f.Style = Value.Style;
        if (Fields & fColor) f.Color = Value.Color;
        if (Fields & fSize) f.Size = Value.Size;
        if (Fields & fOffset) f.Offset = Value.Offset;
    }
    Invalidate();
    CheckResize(false);
}

void TCustomRichEdit::EditTextChanged()
{
    const String& now = m_engine.Buffer.Text();
    if (m_loading) {
        m_shadow = now;
        return;
    }
    if (m_resetFormats) {
        m_formats.assign(now.size(), m_default);
        m_hasInsertFormat = false;
    } else {
        // Splice the formats where the text changed: the common ends keep theirs.
        const std::size_t oldLen = m_shadow.size(), newLen = now.size();
        std::size_t prefix = 0;
        while (prefix < oldLen && prefix < newLen && m_shadow[prefix] == now[prefix]) ++prefix;
        std::size_t suffix = 0;
        while (suffix < oldLen - prefix && suffix < newLen - prefix &&
               m_shadow[oldLen - 1 - suffix] == now[newLen - 1 - suffix])
            ++suffix;
        m_formats.resize(oldLen, m_default);
        const TCharFormat insert = m_hasInsertFormat ? m_insertFormat
            : prefix > 0                             ? m_formats[prefix - 1]
            : !m_formats.empty()                     ? m_formats[0]
                                                     : m_default;
        m_formats.erase(m_formats.begin() + std::ptrdiff_t(prefix),
                        m_formats.begin() + std::ptrdiff_t(oldLen - suffix));
        m_formats.insert(m_formats.begin() + std::ptrdiff_t(prefix), newLen - prefix - suffix, insert);
        if (newLen - prefix - suffix > 0) m_hasInsertFormat = false;
    }
    m_shadow = now;
    CheckSelChange();
    CheckResize(false);
}

std::string TCustomRichEdit::RtfText() const
{
    TRichText t;
    t.Text = m_engine.Buffer.Text();
    t.Formats = m_formats;
    t.Formats.resize(t.Text.size(), m_default);
    return WriteRtf(t, Font()->Name());
}

void TCustomRichEdit::SetRtfText(std::string_view Rtf)
{
    const TRichText t = ReadRtf(Rtf, m_default);
    TScopeExit loaded{[this] { m_loading = false; }};
    m_loading = true;
    Perform(WM_SETTEXT, 0, LPARAM(t.Text.c_str()));
    m_formats = t.Formats;
    m_formats.resize(m_engine.Buffer.Length(), m_default);
    m_hasInsertFormat = false;
    Invalidate();
    CheckResize(false);
}

void TCustomRichEdit::SendNotify(NMHDR& Header)
{
    const HWND h = HandleIfAllocated();
    Header.hwndFrom = h;
    const HWND parent = h ? GetParent(h) : 0;
    if (parent)
        SendMessage(parent, WM_NOTIFY, 0, LPARAM(&Header));
    else
        Perform(CN_NOTIFY, 0, LPARAM(&Header));
}

void TCustomRichEdit::CheckSelChange()
{
    const TCharRange sel{m_engine.Buffer.SelStart(), m_engine.Buffer.SelEnd()};
    if (sel.cpMin == m_lastSel.cpMin && sel.cpMax == m_lastSel.cpMax) return;
    m_lastSel = sel;
    if (!(m_eventMask & ENM_SELCHANGE)) return;
    TSelChange n;
    n.nmhdr.code = EN_SELCHANGE;
    n.chrg = sel;
    SendNotify(n.nmhdr);
}

void TCustomRichEdit::SelectFormat(TCanvas& Canvas, const TCharFormat& F) const
{
    Canvas.Font()->Assign(Font());
    Canvas.Font()->SetSize(F.Size);
    Canvas.Font()->SetStyle(F.Style);
    Canvas.Font()->SetColor(F.Color == clWindowText ? Font()->Color() : F.Color);
}

Integer TCustomRichEdit::LineHeightOf(Integer Start, Integer End) const
{
    TCanvas c;
    SelectFormat(c, m_default);
    Integer h = c.TextHeight(u"Wg");
    for (Integer i = Start; i < End && i < Integer(m_formats.size()); ++i) {
        if (i > Start && m_formats[std::size_t(i)] == m_formats[std::size_t(i - 1)]) continue;
        SelectFormat(c, m_formats[std::size_t(i)]);
        h = std::max(h, c.TextHeight(u"Wg") + std::abs(m_formats[std::size_t(i)].Offset) / TwipsPerPixel);
    }
    return h;
}

TSize TCustomRichEdit::ContentSize() const
{
    TCanvas c;
    const String& t = m_engine.Buffer.Text();
    Integer width = 0, height = 0;
    std::size_t start = 0;
    while (true) {
        std::size_t end = t.find_first_of(u"\r\n", start);
        if (end == String::npos) end = t.size();
        Integer w = 0;
        for (std::size_t i = start; i < end;) {
            std::size_t j = i + 1;
            const TCharFormat f = FormatAt(Integer(i));
            while (j < end && FormatAt(Integer(j)) == f) ++j;
            SelectFormat(c, f);
            w += c.TextWidth(StringView(t).substr(i, j - i));
            i = j;
        }
        width = std::max(width, w);
        height += LineHeightOf(Integer(start), Integer(end));
        if (end >= t.size()) break;
        start = end + ((t[end] == u'\r' && end + 1 < t.size() && t[end + 1] == u'\n') ? 2 : 1);
    }
    return {width, height};
}

void TCustomRichEdit::CheckResize(bool Force)
{
    const TSize content = ContentSize();
    const TRect fr = m_engine.FormatRect;
    const TSize size{content.cx + fr.Left + (Width() - fr.Right), content.cy + fr.Top + (Height() - fr.Bottom)};
    if (!Force && size.cx == m_lastSize.cx && size.cy == m_lastSize.cy) return;
    m_lastSize = size;
    if (!(m_eventMask & ENM_REQUESTRESIZE)) return;
    TReqResize n;
    n.nmhdr.code = EN_REQUESTRESIZE;
    n.rc = Rect(0, 0, size.cx, size.cy);
    SendNotify(n.nmhdr);
}

Integer TCustomRichEdit::DrawRange(TCanvas& Canvas, const TRect& R, Integer First, Integer Last) const
{
    const String& t = m_engine.Buffer.Text();
    if (Last < 0 || Last > Integer(t.size())) Last = Integer(t.size());
    First = std::clamp(First, 0, Last);
    const Integer saved = Canvas.SaveDC();
    Canvas.IntersectClipRect(R);
    Canvas.Brush()->SetStyle(bsClear);
    Integer y = R.Top;
    Integer pos = First;
    while (pos <= Last) {
        Integer end = pos;
        while (end < Last && t[std::size_t(end)] != u'\r' && t[std::size_t(end)] != u'\n') ++end;
        const Integer lh = LineHeightOf(pos, end);
        if (y + lh > R.Bottom && y > R.Top) break;
        // The runs of one format share a baseline at the bottom of the line.
        Integer x = R.Left;
        for (Integer i = pos; i < end;) {
            Integer j = i + 1;
            const TCharFormat f = FormatAt(i);
            while (j < end && FormatAt(j) == f) ++j;
            SelectFormat(Canvas, f);
            const StringView run = StringView(t).substr(std::size_t(i), std::size_t(j - i));
            const Integer h = Canvas.TextHeight(u"Wg");
            Canvas.TextOut(x, y + lh - h - f.Offset / TwipsPerPixel, run);
            x += Canvas.TextWidth(run);
            i = j;
        }
        y += lh;
        if (end >= Last) {
            pos = Last + 1;
            break;
        }
        pos = end +
            ((t[std::size_t(end)] == u'\r' && end + 1 < Integer(t.size()) && t[std::size_t(end) + 1] == u'\n') ? 2 : 1);
    }
    Canvas.RestoreDC(saved);
    return std::min(pos, Last);
}

void TCustomRichEdit::PaintWindow(TCanvas& Canvas)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect(ClientRect());
    // The selection behind the text, then the formatted text, then the caret.
    const TEditBuffer& b = m_engine.Buffer;
    const bool focused = Focused();
    if (b.HasSelection() && (focused || !HideSelection())) {
        Canvas.Brush()->SetColor(focused ? clHighlight : clBtnFace);
        const TEditLayout& l = m_engine.Layout();
        for (Integer i = 0; i < l.LineCount(); ++i) {
            const TEditLine& line = l.Line(i);
            const Integer a = std::max(b.SelStart(), line.Start), e = std::min(b.SelEnd(), line.Start + line.Length);
            if (a >= e) continue;
            const TPoint p1 = m_engine.PosFromChar(a), p2 = m_engine.PosFromChar(e);
            Canvas.FillRect(Rect(p1.X, p1.Y, p2.X, p1.Y + m_engine.LineHeight()));
        }
    }
    TRect r = m_engine.FormatRect;
    r.Top -= m_engine.TopLine() * m_engine.LineHeight();
    DrawRange(Canvas, r, 0, -1);
    if (focused && Enabled() && !b.HasSelection()) {
        const TPoint c = m_engine.PosFromChar(b.Caret());
        Canvas.Pen()->SetColor(clWindowText);
        Canvas.MoveTo(c.X, c.Y);
        Canvas.LineTo(c.X, c.Y + m_engine.LineHeight());
    }
    if (BorderStyle() == bsSingle) {
        TRect frame = ClientRect();
        Canvas.Brush()->SetStyle(bsSolid);
        DrawEdge(Canvas, frame, EDGE_SUNKEN, BF_RECT);
    }
}

// --- messages -----------------------------------------------------------------------------------------

void TCustomRichEdit::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CN_NOTIFY: CNNotify(M); return;
    case CM_FONTCHANGED: CMFontChanged(M); return;
    default: TCustomMemo::Dispatch(M); return;
    }
}

void TCustomRichEdit::CNNotify(TMessage& M)
{
    switch (TWMNotify(M).Code()) {
    case EN_SELCHANGE:
        if (OnSelectionChange) OnSelectionChange(this);
        return;
    case EN_REQUESTRESIZE: RequestResize(TWMNotify(M).Record<TReqResize>()); return;
    default: return;
    }
}

void TCustomRichEdit::RequestResize(const TReqResize& Request)
{
    TRect rc = Request.rc;
    if (OnResizeRequest) OnResizeRequest(this, rc);
}

void TCustomRichEdit::CMFontChanged(TMessage& M)
{
    m_default = DefaultFormat();
    TCustomMemo::Dispatch(M);
}

// DefaultHandler, the rich edit's own messages: rich_edit_messages.cpp.

}  // namespace gw
