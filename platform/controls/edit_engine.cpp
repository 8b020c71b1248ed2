// The behaviour of a native edit box: keys, mouse, edit messages, scrolling and painting of the
// text, shared by the edit controls and the edit part of the combo box.
#include "platform/controls/edit_engine.h"

#include "platform/controls/edit_messages.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/message_records.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

bool Has(TShiftState S, TShiftStateBit B) { return (S & B) != 0; }

}  // namespace

bool ClipboardHasText() { return Clipboard()->HasFormat(CF_UNICODETEXT) || Clipboard()->HasFormat(CF_TEXT); }

String ClipboardText() { return Clipboard()->AsText(); }

void SetClipboardText(const String& Text) { Clipboard()->SetAsText(Text); }

TEditEngine::TEditEngine() : m_measure(std::make_unique<TCanvas>()) {}

Integer TEditEngine::LineHeight() const { return std::max(1, m_measure->TextHeight(u"Wg")); }

String TEditEngine::DisplayText() const
{
    if (PasswordChar != 0 && !Multiline) return String(std::size_t(Buffer.Length()), PasswordChar);
    return Buffer.Text();
}

const TEditLayout& TEditEngine::Layout() const
{
    const Integer width = FormatRect.Width();
    const Integer flags = (Multiline ? 1 : 0) | (WordWrap ? 2 : 0) | (Integer(PasswordChar) << 2);
    if (!m_layoutValid || m_layoutFlags != flags || m_layoutText != Buffer.Text() || m_layoutWidth != width ||
        m_layoutFont != m_measure->Font()->ChangeCount()) {
        TCanvas* canvas = m_measure.get();
        m_layout = TEditLayout(DisplayText(), Multiline, Multiline && WordWrap, width,
                               [canvas](StringView S) { return canvas->TextWidth(S); });
        m_layoutText = Buffer.Text();
        m_layoutWidth = width;
        m_layoutFont = m_measure->Font()->ChangeCount();
        m_layoutFlags = flags;
        m_layoutValid = true;
    }
    return m_layout;
}

Integer TEditEngine::VisibleLines() const { return std::max(1, FormatRect.Height() / LineHeight()); }

TPoint TEditEngine::PosFromChar(Integer Position) const
{
    const TEditLayout& l = Layout();
    const Integer line = l.LineFromChar(Position);
    Integer x = FormatRect.Left - m_scrollX + l.XOfChar(Position);
    const Integer lineWidth = l.XOfChar(l.Line(line).Start + l.Line(line).Length);
    if (Alignment == taRightJustify)
        x += std::max(0, FormatRect.Width() - lineWidth - 1);
    else if (Alignment == taCenter)
        x += std::max(0, (FormatRect.Width() - lineWidth) / 2);
    return {x, FormatRect.Top + (line - m_topLine) * LineHeight()};
}

Integer TEditEngine::CharFromPos(TPoint P) const
{
    const TEditLayout& l = Layout();
    const Integer line = std::clamp(m_topLine + (P.Y - FormatRect.Top) / LineHeight() - (P.Y < FormatRect.Top ? 1 : 0),
                                    0, l.LineCount() - 1);
    const Integer origin = PosFromChar(l.Line(line).Start).X;
    return l.CharFromX(line, P.X - origin);
}

void TEditEngine::SetTopLine(Integer Line)
{
    const Integer top = std::clamp(Line, 0, std::max(0, Layout().LineCount() - 1));
    if (top != m_topLine) {
        m_topLine = top;
        if (OnInvalidate) OnInvalidate();
    }
    if (OnScrolled) OnScrolled();
}

void TEditEngine::SetScrollX(Integer X)
{
    const Integer sx = std::clamp(X, 0, std::max(0, Layout().MaxLineWidth() - FormatRect.Width() + 2));
    if (sx != m_scrollX) {
        m_scrollX = sx;
        if (OnInvalidate) OnInvalidate();
    }
    if (OnScrolled) OnScrolled();
}

void TEditEngine::ScrollCaret()
{
    const TEditLayout& l = Layout();
    const Integer caret = Buffer.Caret();
    const Integer line = l.LineFromChar(caret);
    Integer top = m_topLine;
    if (line < top)
        top = line;
    else if (line >= top + VisibleLines())
        top = line - VisibleLines() + 1;
    Integer sx = 0;
    const Integer width = std::max(1, FormatRect.Width() - 1);
    // Text that fits is not scrolled (and keeps its alignment); longer text scrolls sideways
    // whatever its alignment, so that the caret stays in sight.
    if (!(Multiline && WordWrap) && l.MaxLineWidth() > width) {
        sx = m_scrollX;
        const Integer x = l.XOfChar(caret);
        if (x < sx)
            sx = std::max(0, x - width / 4);
        else if (x > sx + width)
            sx = x - width + width / 4;
    }
    if (top != m_topLine || sx != m_scrollX) {
        m_topLine = top;
        m_scrollX = sx;
        if (OnInvalidate) OnInvalidate();
    }
    if (OnScrolled) OnScrolled();
}

void TEditEngine::TextChanged()
{
    Modified = true;
    InvalidateLayout();
    m_desiredX = -1;
    ScrollCaret();
    if (OnInvalidate) OnInvalidate();
    if (OnChange) OnChange();
}

void TEditEngine::SelMoved()
{
    ScrollCaret();
    if (OnInvalidate) OnInvalidate();
    if (OnSelChange) OnSelChange();
}

void TEditEngine::SetText(StringView Value)
{
    Buffer.SetText(Value);
    Modified = false;
    m_topLine = 0;
    m_scrollX = 0;
    InvalidateLayout();
    if (OnInvalidate) OnInvalidate();
    if (OnScrolled) OnScrolled();
}

bool TEditEngine::InsertText(StringView S, bool CanUndo)
{
    if (ReadOnly) {
        if (OnBeep) OnBeep();
        return false;
    }
    const Integer wanted = Integer(Buffer.Normalize(S).size());
    const Integer room = Buffer.MaxLength > 0 ? Buffer.MaxLength - (Buffer.Length() - Buffer.SelLength()) : wanted;
    if (!Buffer.ReplaceSel(S, CanUndo)) return false;
    if (wanted > room && OnMaxText) OnMaxText();
    TextChanged();
    return true;
}

void TEditEngine::SetSel(Integer Start, Integer End)
{
    Buffer.SetSel(Start, End);
    m_desiredX = -1;
    SelMoved();
}

bool TEditEngine::CopyToClipboard()
{
    if (!Buffer.HasSelection() || (PasswordChar != 0 && !Multiline)) return false;
    SetClipboardText(Buffer.SelText());
    return true;
}

bool TEditEngine::CutToClipboard()
{
    if (ReadOnly || !CopyToClipboard()) return false;
    return Clear();
}

bool TEditEngine::PasteFromClipboard()
{
    if (!ClipboardHasText()) return false;
    return InsertText(ClipboardText());
}

bool TEditEngine::Clear()
{
    if (!Buffer.HasSelection()) return false;
    return InsertText(u"");
}

bool TEditEngine::Undo()
{
    if (ReadOnly || !Buffer.Undo()) return false;
    TextChanged();
    return true;
}

Integer TEditEngine::LineStartAt(Integer Line) const
{
    const TEditLayout& l = Layout();
    return l.Line(std::clamp(Line, 0, l.LineCount() - 1)).Start;
}

void TEditEngine::KeyDownDefault(Word Key, TShiftState Shift, TMessage& M)
{
    const bool shift = Has(Shift, ssShift);
    const bool ctrl = Has(Shift, ssCtrl);
    const TEditLayout& l = Layout();
    const Integer caret = Buffer.Caret();
    const Integer line = l.LineFromChar(caret);
    auto moveTo = [&](Integer P) {
        Buffer.MoveCaret(P, shift);
        SelMoved();
    };
    auto vertical = [&](Integer Lines) {
        if (!Multiline) return;
        if (m_desiredX < 0) m_desiredX = PosFromChar(caret).X;
        const Integer target = std::clamp(line + Lines, 0, l.LineCount() - 1);
        const Integer y = FormatRect.Top + (target - m_topLine) * LineHeight();
        const Integer keep = m_desiredX;
        Buffer.MoveCaret(CharFromPos({m_desiredX, y}), shift);
        SelMoved();
        m_desiredX = keep;
    };
    M.Result = 0;
    switch (Key) {
    case VK_LEFT:
        if (!shift && Buffer.HasSelection())
            moveTo(Buffer.SelStart());
        else
            moveTo(ctrl ? Buffer.PrevWordStart(caret) : Buffer.ClampPosition(caret - 1));
        m_desiredX = -1;
        break;
    case VK_RIGHT:
        if (!shift && Buffer.HasSelection()) {
            moveTo(Buffer.SelEnd());
        } else {
            Integer next = caret + 1;
            if (next < Buffer.Length() && Buffer.ClampPosition(next) != next) ++next;
            moveTo(ctrl ? Buffer.NextWordStart(caret) : next);
        }
        m_desiredX = -1;
        break;
    case VK_HOME:
        moveTo(ctrl ? 0 : l.Line(line).Start);
        m_desiredX = -1;
        break;
    case VK_END:
        moveTo(ctrl ? Buffer.Length() : l.Line(line).Start + l.Line(line).Length);
        m_desiredX = -1;
        break;
    case VK_UP: vertical(-1); break;
    case VK_DOWN: vertical(1); break;
    case VK_PRIOR: vertical(-VisibleLines()); break;
    case VK_NEXT: vertical(VisibleLines()); break;
    case VK_DELETE:
        if (shift)
            CutToClipboard();
        else if (ReadOnly) {
            if (OnBeep) OnBeep();
        } else if (Buffer.DeleteForward(ctrl))
            TextChanged();
        break;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (shift)
            PasteFromClipboard();
        break;
    default: break;
    }
}

bool TEditEngine::CharDefault(Char C)
{
    switch (C) {
    case 1:  // Ctrl+A
        SetSel(0, -1);
        return true;
    case 3: CopyToClipboard(); return true;
    case 0x16: PasteFromClipboard(); return true;
    case 0x18: CutToClipboard(); return true;
    case 0x1A: Undo(); return true;
    case 8:
    case 0x7F:
        if (ReadOnly) {
            if (OnBeep) OnBeep();
        } else if (Buffer.DeleteBackward(C == 0x7F)) {
            TextChanged();
        }
        return true;
    case 13:
    case 10:
        if (Multiline && WantReturns) InsertText(u"\r\n");
        return true;
    case 9:
        if (Multiline && WantTabs) InsertText(u"\t");
        return true;
    default: break;
    }
    if (C < 32) return true;
    if (ReadOnly) {
        if (OnBeep) OnBeep();
        return true;
    }
    if (Buffer.TypeChar(C)) {
        TextChanged();
    } else {
        if (OnMaxText) OnMaxText();
        if (OnBeep) OnBeep();
    }
    return true;
}

void TEditEngine::MouseDown(TPoint P, bool Extend, bool Double)
{
    const Integer pos = CharFromPos(P);
    if (Double) {
        Buffer.SelectWordAt(pos);
        SelMoved();
        return;
    }
    Buffer.MoveCaret(pos, Extend);
    m_desiredX = -1;
    m_dragging = true;
    SelMoved();
}

bool TEditEngine::HandleMessage(TMessage& M)
{
    switch (M.Msg) {
    case WM_KEYDOWN: KeyDownDefault(TWMKey(M).Key, KeyboardStateToShiftState(), M); return true;
    case WM_CHAR:
        CharDefault(TWMChar(M).CharCode);
        M.Result = 0;
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(LParamToPoint(M.LParam), (TWMMouse(M).Shift() & ssShift) != 0, M.Msg == WM_LBUTTONDBLCLK);
        return true;
    case WM_MOUSEMOVE:
        if (m_dragging && TWMMouse(M).LeftDown()) {
            Buffer.MoveCaret(CharFromPos(LParamToPoint(M.LParam)), true);
            SelMoved();
        }
        return true;
    case WM_LBUTTONUP: m_dragging = false; return true;
    case WM_CAPTURECHANGED: m_dragging = false; return false;
    case WM_CUT: CutToClipboard(); return true;
    case WM_COPY: CopyToClipboard(); return true;
    case WM_PASTE: PasteFromClipboard(); return true;
    case WM_CLEAR: Clear(); return true;
    case WM_UNDO:
    case EM_UNDO: M.Result = Undo() ? 1 : 0; return true;
    case EM_CANUNDO: M.Result = Buffer.CanUndo() ? 1 : 0; return true;
    case EM_EMPTYUNDOBUFFER: Buffer.EmptyUndoBuffer(); return true;
    case EM_GETSEL: {
        const Cardinal s = Cardinal(Buffer.SelStart()), e = Cardinal(Buffer.SelEnd());
        if (M.WParam) *reinterpret_cast<Cardinal*>(M.WParam) = s;
        if (M.LParam) *reinterpret_cast<Cardinal*>(M.LParam) = e;
        M.Result = LRESULT(MakeLParam(Integer(s), Integer(e))) & 0xFFFFFFFF;
        return true;
    }
    case EM_SETSEL: SetSel(Integer(int32_t(M.WParam)), Integer(int32_t(M.LParam))); return true;
    case EM_REPLACESEL: InsertText(TWMText(M).View(), M.WParam != 0); return true;
    case EM_LIMITTEXT: Buffer.MaxLength = Integer(M.WParam); return true;
    case EM_GETLIMITTEXT: M.Result = Buffer.MaxLength > 0 ? Buffer.MaxLength : 0x7FFFFFFE; return true;
    case EM_GETRECT:
        if (M.LParam) *reinterpret_cast<TRect*>(M.LParam) = FormatRect;
        return true;
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (M.LParam) FormatRect = *reinterpret_cast<const TRect*>(M.LParam);
        InvalidateLayout();
        ScrollCaret();
        if (M.Msg == EM_SETRECT && OnInvalidate) OnInvalidate();
        return true;
    case EM_POSFROMCHAR: {
        const Integer i = Integer(M.WParam);
        if (i < 0 || i >= Buffer.Length()) {
            M.Result = -1;
            return true;
        }
        const TPoint p = PosFromChar(i);
        M.Result = MakeLParam(p.X, p.Y);
        return true;
    }
    case EM_CHARFROMPOS: {
        const TPoint p = LParamToPoint(M.LParam);
        const Integer i = CharFromPos(p);
        M.Result = MakeLParam(i, Layout().LineFromChar(i));
        return true;
    }
    case EM_LINEFROMCHAR: {
        const Integer i = Integer(int32_t(M.WParam));
        M.Result = Layout().LineFromChar(i < 0 ? Buffer.SelStart() : i);
        return true;
    }
    case EM_LINEINDEX: {
        Integer line = Integer(int32_t(M.WParam));
        if (line < 0) line = Layout().LineFromChar(Buffer.Caret());
        M.Result = line < Layout().LineCount() ? Layout().Line(line).Start : -1;
        return true;
    }
    case EM_LINELENGTH: {
        const Integer i = Integer(int32_t(M.WParam));
        M.Result = Layout().Line(Layout().LineFromChar(i < 0 ? Buffer.Caret() : i)).Length;
        return true;
    }
    case EM_GETLINECOUNT: M.Result = Layout().LineCount(); return true;
    case EM_GETFIRSTVISIBLELINE: M.Result = m_topLine; return true;
    case EM_SCROLLCARET: ScrollCaret(); return true;
    case EM_GETMODIFY: M.Result = Modified ? 1 : 0; return true;
    case EM_SETMODIFY: Modified = M.WParam != 0; return true;
    case EM_SETREADONLY:
        ReadOnly = M.WParam != 0;
        M.Result = 1;
        if (OnInvalidate) OnInvalidate();
        return true;
    case EM_SETPASSWORDCHAR:
        PasswordChar = TWMChar(M).CharCode;
        InvalidateLayout();
        if (OnInvalidate) OnInvalidate();
        return true;
    case EM_GETPASSWORDCHAR: M.Result = PasswordChar; return true;
    default: return false;
    }
}

void TEditEngine::Paint(TCanvas& Canvas, const TPaintOptions& O) const
{
    Canvas.Font()->Assign(m_measure->Font());
    const Integer saved = Canvas.SaveDC();
    Canvas.IntersectClipRect(FormatRect);
    const TEditLayout& l = Layout();
    const Integer lh = LineHeight();
    const bool showSel = Buffer.HasSelection() && (O.Focused || !HideSelection) && O.Enabled;
    const TColor textColour = O.Enabled ? O.Text : clGrayText;
    for (Integer i = m_topLine; i < l.LineCount(); ++i) {
        const Integer y = FormatRect.Top + (i - m_topLine) * lh;
        if (y >= FormatRect.Bottom) break;
        const TEditLine& line = l.Line(i);
        const String text = l.LineText(i);
        const TPoint origin = PosFromChar(line.Start);
        Canvas.Brush()->SetStyle(bsClear);
        Canvas.Font()->SetColor(textColour);
        Canvas.TextOut(origin.X, y, text);
        if (!showSel) continue;
        const Integer a = std::max(Buffer.SelStart(), line.Start);
        const Integer b = std::min(Buffer.SelEnd(), line.Start + line.Length);
        const bool breakSelected = Buffer.SelEnd() > line.Start + line.Length && line.BreakLength > 0 &&
            Buffer.SelStart() <= line.Start + line.Length;
        if (a >= b && !breakSelected) continue;
        const Integer x1 = PosFromChar(a).X;
        const Integer x2 = a < b ? PosFromChar(b).X : x1;
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(O.Focused ? clHighlight : clBtnFace);
        Canvas.FillRect(Rect(x1, y, x2 + (breakSelected ? 4 : 0), y + lh));
        Canvas.Brush()->SetStyle(bsClear);
        Canvas.Font()->SetColor(O.Focused ? clHighlightText : clWindowText);
        if (a < b) Canvas.TextOut(x1, y, StringView(text).substr(std::size_t(a - line.Start), std::size_t(b - a)));
    }
    if (O.Focused && O.Enabled && O.Caret && !Buffer.HasSelection()) {
        const TPoint c = PosFromChar(Buffer.Caret());
        Canvas.Pen()->SetColor(clWindowText);
        Canvas.Pen()->SetWidth(1);
        Canvas.MoveTo(c.X, c.Y);
        Canvas.LineTo(c.X, c.Y + lh);
    }
    Canvas.RestoreDC(saved);
}

}  // namespace gw
