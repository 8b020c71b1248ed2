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

// The characters of WM_CHAR the edit acts on rather than types.
enum : Char {
    CtrlA = 0x01,
    CtrlC = 0x03,
    CharBackspace = 0x08,
    CharTab = 0x09,
    CharLineFeed = 0x0A,
    CharReturn = 0x0D,
    CtrlV = 0x16,
    CtrlX = 0x18,
    CtrlZ = 0x1A,
    CharCtrlBackspace = 0x7F,
};

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
        Invalidate();
    }
    if (OnScrolled) OnScrolled();
}

void TEditEngine::SetScrollX(Integer X)
{
    const Integer sx = std::clamp(X, 0, std::max(0, Layout().MaxLineWidth() - FormatRect.Width() + 2));
    if (sx != m_scrollX) {
        m_scrollX = sx;
        Invalidate();
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
        Invalidate();
    }
    if (OnScrolled) OnScrolled();
}

void TEditEngine::TextChanged()
{
    Modified = true;
    InvalidateLayout();
    m_desiredX = -1;
    ScrollCaret();
    Invalidate();
    if (OnChange) OnChange();
}

void TEditEngine::SelMoved()
{
    ScrollCaret();
    Invalidate();
    if (OnSelChange) OnSelChange();
}

void TEditEngine::SetText(StringView Value)
{
    Buffer.SetText(Value);
    Modified = false;
    m_topLine = 0;
    m_scrollX = 0;
    InvalidateLayout();
    Invalidate();
    if (OnScrolled) OnScrolled();
}

bool TEditEngine::InsertText(StringView S, bool CanUndo)
{
    if (ReadOnly) {
        Beep();
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

// --- input ------------------------------------------------------------------------------------------

bool TEditEngine::HandleMessage(TMessage& M) { return InputMessage(M) || EditMessage(M); }

bool TEditEngine::InputMessage(TMessage& M)
{
    switch (M.Msg) {
    case WM_KEYDOWN: WMKeyDown(M); return true;
    case WM_CHAR: WMChar(M); return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: WMLButtonDown(M); return true;
    case WM_MOUSEMOVE: WMMouseMove(M); return true;
    case WM_LBUTTONUP: m_dragging = false; return true;
    // The drag ends, and the control's own handling of the capture goes on.
    case WM_CAPTURECHANGED: m_dragging = false; return false;
    default: return false;
    }
}

void TEditEngine::WMKeyDown(TMessage& M)
{
    M.Result = 0;
    const TShiftState shift = KeyboardStateToShiftState();
    switch (TWMKey(M).Key) {
    case VK_LEFT: KeyLeft(shift); return;
    case VK_RIGHT: KeyRight(shift); return;
    case VK_HOME: KeyHome(shift); return;
    case VK_END: KeyEnd(shift); return;
    case VK_UP: MoveLines(-1, Has(shift, ssShift)); return;
    case VK_DOWN: MoveLines(1, Has(shift, ssShift)); return;
    case VK_PRIOR: MoveLines(-VisibleLines(), Has(shift, ssShift)); return;
    case VK_NEXT: MoveLines(VisibleLines(), Has(shift, ssShift)); return;
    case VK_DELETE: KeyDelete(shift); return;
    case VK_INSERT: KeyInsert(shift); return;
    default: return;
    }
}

void TEditEngine::MoveCaretTo(Integer Position, bool Extend)
{
    Buffer.MoveCaret(Position, Extend);
    SelMoved();
    m_desiredX = -1;
}

void TEditEngine::KeyLeft(TShiftState Shift)
{
    const bool extend = Has(Shift, ssShift);
    const Integer caret = Buffer.Caret();
    if (!extend && Buffer.HasSelection())
        MoveCaretTo(Buffer.SelStart(), false);
    else
        MoveCaretTo(Has(Shift, ssCtrl) ? Buffer.PrevWordStart(caret) : Buffer.ClampPosition(caret - 1), extend);
}

void TEditEngine::KeyRight(TShiftState Shift)
{
    const bool extend = Has(Shift, ssShift);
    const Integer caret = Buffer.Caret();
    if (!extend && Buffer.HasSelection()) {
        MoveCaretTo(Buffer.SelEnd(), false);
        return;
    }
    // A step never lands inside a surrogate pair.
    Integer next = caret + 1;
    if (next < Buffer.Length() && Buffer.ClampPosition(next) != next) ++next;
    MoveCaretTo(Has(Shift, ssCtrl) ? Buffer.NextWordStart(caret) : next, extend);
}

void TEditEngine::KeyHome(TShiftState Shift)
{
    const TEditLine& line = Layout().Line(Layout().LineFromChar(Buffer.Caret()));
    MoveCaretTo(Has(Shift, ssCtrl) ? 0 : line.Start, Has(Shift, ssShift));
}

void TEditEngine::KeyEnd(TShiftState Shift)
{
    const TEditLine& line = Layout().Line(Layout().LineFromChar(Buffer.Caret()));
    MoveCaretTo(Has(Shift, ssCtrl) ? Buffer.Length() : line.Start + line.Length, Has(Shift, ssShift));
}

void TEditEngine::MoveLines(Integer Lines, bool Extend)
{
    if (!Multiline) return;
    const TEditLayout& l = Layout();
    const Integer caret = Buffer.Caret();
    // The column the moves started from is kept across lines too short to reach it.
    if (m_desiredX < 0) m_desiredX = PosFromChar(caret).X;
    const Integer target = std::clamp(l.LineFromChar(caret) + Lines, 0, l.LineCount() - 1);
    const Integer y = FormatRect.Top + (target - m_topLine) * LineHeight();
    const Integer keep = m_desiredX;
    Buffer.MoveCaret(CharFromPos({m_desiredX, y}), Extend);
    SelMoved();
    m_desiredX = keep;
}

void TEditEngine::KeyDelete(TShiftState Shift)
{
    if (Has(Shift, ssShift))
        CutToClipboard();
    else if (ReadOnly)
        Beep();
    else if (Buffer.DeleteForward(Has(Shift, ssCtrl)))
        TextChanged();
}

void TEditEngine::KeyInsert(TShiftState Shift)
{
    if (Has(Shift, ssCtrl))
        CopyToClipboard();
    else if (Has(Shift, ssShift))
        PasteFromClipboard();
}

void TEditEngine::WMChar(TMessage& M)
{
    M.Result = 0;
    const Char c = TWMChar(M).CharCode;
    switch (c) {
    case CtrlA: SetSel(0, -1); return;
    case CtrlC: CopyToClipboard(); return;
    case CtrlV: PasteFromClipboard(); return;
    case CtrlX: CutToClipboard(); return;
    case CtrlZ: Undo(); return;
    case CharBackspace:
    case CharCtrlBackspace: TypeBackspace(c == CharCtrlBackspace); return;
    case CharReturn:
    case CharLineFeed: TypeBreak(); return;
    case CharTab: TypeTab(); return;
    default: TypeChar(c); return;
    }
}

void TEditEngine::TypeBackspace(bool WholeWord)
{
    if (ReadOnly)
        Beep();
    else if (Buffer.DeleteBackward(WholeWord))
        TextChanged();
}

void TEditEngine::TypeBreak()
{
    if (Multiline && WantReturns) InsertText(u"\r\n");
}

void TEditEngine::TypeTab()
{
    if (Multiline && WantTabs) InsertText(u"\t");
}

void TEditEngine::TypeChar(Char C)
{
    if (C < 32) return;  // other control characters type nothing
    if (ReadOnly) {
        Beep();
        return;
    }
    if (Buffer.TypeChar(C)) {
        TextChanged();
        return;
    }
    if (OnMaxText) OnMaxText();
    Beep();
}

void TEditEngine::WMLButtonDown(TMessage& M)
{
    const TWMMouse mouse(M);
    const Integer pos = CharFromPos(mouse.Pos);
    if (M.Msg == WM_LBUTTONDBLCLK) {
        Buffer.SelectWordAt(pos);
        SelMoved();
        return;
    }
    Buffer.MoveCaret(pos, Has(mouse.Shift(), ssShift));
    m_desiredX = -1;
    m_dragging = true;
    SelMoved();
}

void TEditEngine::WMMouseMove(TMessage& M)
{
    const TWMMouse mouse(M);
    if (!m_dragging || !mouse.LeftDown()) return;
    Buffer.MoveCaret(CharFromPos(mouse.Pos), true);
    SelMoved();
}

// --- painting ---------------------------------------------------------------------------------------

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
