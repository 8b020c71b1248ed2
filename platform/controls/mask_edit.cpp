// TCustomMaskEdit and TMaskEdit: the edit box that takes its input through an edit mask.
#include "platform/controls/mask_edit.h"

#include "platform/controls/message_beep.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

void TCustomMaskEdit::SetEditMask(const String& Value)
{
    // The characters typed so far move over to the new mask's input positions.
    String typed;
    if (m_mask.IsMasked()) {
        for (Integer i = 0; i < m_mask.Length() && i < Integer(EditText().size()); ++i)
            if (!m_mask.IsLiteral(i))
                typed += EditText()[std::size_t(i)] == m_mask.BlankChar() ? u' ' : EditText()[std::size_t(i)];
    }
    const bool wasMasked = m_mask.IsMasked();
    const String text = Text();
    m_maskText = Value;
    m_mask = TEditMask(Value);
    m_engine.Buffer.MaxLength = m_mask.IsMasked() ? 0 : m_engine.Buffer.MaxLength;
    String edit;
    if (wasMasked && m_mask.IsMasked())
        edit = m_mask.EditTextFromInput(typed);
    else if (wasMasked)
        edit = typed;
    else
        edit = EditTextFor(text);
    m_engine.SetText(edit);
    SyncText();
    m_oldEditText = edit;
    Invalidate();
}

String TCustomMaskEdit::EditTextFor(const String& Value) const
{
    return m_mask.IsMasked() ? m_mask.EditTextFromText(Value) : Value;
}

String TCustomMaskEdit::TextForEditText(const String& EditText) const
{
    return m_mask.IsMasked() ? m_mask.TextFromEditText(EditText) : EditText;
}

void TCustomMaskEdit::SetEditText(const String& Value)
{
    if (!m_mask.IsMasked()) {
        SetText(Value);
        return;
    }
    // Position by position; characters a position does not take leave it empty.
    String edit = m_mask.EmptyEditText();
    for (Integer i = 0; i < m_mask.Length() && i < Integer(Value.size()); ++i)
        if (!m_mask.IsLiteral(i))
            if (const Char c = m_mask.Accept(i, Value[std::size_t(i)])) edit[std::size_t(i)] = c;
    SetEditTextRaw(edit);
}

void TCustomMaskEdit::Reset()
{
    if (!m_engine.Modified) return;
    SetEditTextRaw(m_oldEditText);
    m_engine.Modified = false;
}

void TCustomMaskEdit::ValidateEdit()
{
    if (!m_mask.IsMasked() || !m_engine.Modified) return;
    const Integer missing = m_mask.FirstMissing(EditText());
    if (missing < 0) return;
    if (!Focused() && CanFocus()) SetFocus();
    m_engine.SetSel(missing, missing);
    throw EDBEditError(SMaskEditErr);
}

void TCustomMaskEdit::DoEnter()
{
    m_oldEditText = EditText();
    TCustomEdit::DoEnter();
}

void TCustomMaskEdit::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_EXIT: CMExit(M); return;
    default: TCustomEdit::Dispatch(M); return;
    }
}

void TCustomMaskEdit::CMExit(TMessage& M)
{
    // Leaving with a required position empty raises, and the focus stays.
    if (m_mask.IsMasked()) {
        ValidateEdit();
        m_engine.Modified = false;
    }
    TCustomEdit::Dispatch(M);
}

void TCustomMaskEdit::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE && m_mask.IsMasked() && m_engine.Modified && Shift == 0) {
        Reset();
        SelectAll();
        Key = 0;
    }
}

void TCustomMaskEdit::Replace(Integer Start, const String& S)
{
    TEditBuffer& b = m_engine.Buffer;
    const Integer caret = b.Caret();
    b.SetSel(Start, Start + Integer(S.size()));
    b.ReplaceSel(S);
    b.SetSel(caret, caret);
}

bool TCustomMaskEdit::ClearRange(Integer Start, Integer End)
{
    if (m_engine.ReadOnly) {
        MessageBeep(0);
        return false;
    }
    const String empty = m_mask.EmptyEditText();
    Start = std::clamp(Start, 0, m_mask.Length());
    End = std::clamp(End, Start, m_mask.Length());
    if (End > Start) Replace(Start, empty.substr(std::size_t(Start), std::size_t(End - Start)));
    return true;
}

bool TCustomMaskEdit::SkipToLiteral(Integer From, Char C)
{
    // The next literal typed early: the positions before it stay empty.
    for (Integer i = From; i < m_mask.Length(); ++i) {
        if (m_mask.IsLiteral(i) && m_mask.Position(i).Literal == C) {
            m_engine.SetSel(i + 1, i + 1);
            return true;
        }
    }
    return false;
}

void TCustomMaskEdit::MaskedChar(Char C)
{
    TEditBuffer& b = m_engine.Buffer;
    if (m_engine.ReadOnly) {
        MessageBeep(0);
        return;
    }
    Integer pos = b.SelStart();
    const bool hadSelection = b.HasSelection();
    const String before = b.Text();
    // A literal typed where the mask has it just steps over it.
    if (pos < m_mask.Length() && m_mask.IsLiteral(pos) && m_mask.Position(pos).Literal == C) {
        m_engine.SetSel(pos + 1, pos + 1);
        return;
    }
    const Integer p = m_mask.NextInput(pos);
    const Char accepted = p >= 0 ? m_mask.Accept(p, C) : Char(0);
    if (accepted == 0) {
        if (!SkipToLiteral(pos, C)) MessageBeep(0);
        return;
    }
    if (hadSelection) ClearRange(b.SelStart(), b.SelEnd());
    Replace(p, String(1, accepted));
    const Integer next = m_mask.NextInput(p + 1);
    b.SetSel(next < 0 ? m_mask.Length() : next, next < 0 ? m_mask.Length() : next);
    if (b.Text() != before)
        m_engine.TextChanged();
    else
        m_engine.SetSel(b.Caret(), b.Caret());
}

void TCustomMaskEdit::MaskedPaste(const String& S)
{
    for (Char c : S) {
        if (c == u'\r' || c == u'\n') break;
        const Integer caret = m_engine.Buffer.SelStart();
        MaskedChar(c);
        if (m_engine.Buffer.SelStart() == caret) break;  // refused: the rest would land in the wrong places
    }
}

// --- messages -------------------------------------------------------------------------------------

void TCustomMaskEdit::DefaultHandler(TMessage& M)
{
    // Without a mask this is the plain edit.
    if (!m_mask.IsMasked()) {
        TCustomEdit::DefaultHandler(M);
        return;
    }
    switch (M.Msg) {
    case WM_CHAR: NativeChar(M); return;
    case WM_KEYDOWN: NativeKeyDown(M); return;
    case WM_CUT: MaskedCut(); return;
    case WM_CLEAR: MaskedClear(); return;
    case WM_PASTE: MaskedPasteClipboard(); return;
    case EM_REPLACESEL: MaskedPaste(TWMText(M).Value()); return;
    default: TCustomEdit::DefaultHandler(M); return;
    }
}

void TCustomMaskEdit::CommitIfChanged(const String& Before)
{
    if (m_engine.Buffer.Text() != Before) m_engine.TextChanged();
}

void TCustomMaskEdit::NativeChar(TMessage& M)
{
    const Char c = TWMChar(M).CharCode;
    if (c == 8)
        MaskedBackspace();
    else if (c >= 32 && c != 0x7F)
        MaskedChar(c);
    else if (c == 0x16)  // Ctrl+V
        MaskedPasteClipboard();
    else if (c == 0x18)  // Ctrl+X
        MaskedCut();
    else
        TCustomEdit::DefaultHandler(M);  // copy, select all, undo: as the plain edit
}

void TCustomMaskEdit::MaskedBackspace()
{
    // Backspace empties the selection, or the input position before the caret, and moves
    // the caret there; literals stay.
    TEditBuffer& b = m_engine.Buffer;
    const String before = b.Text();
    if (b.HasSelection()) {
        const Integer start = b.SelStart();
        if (ClearRange(start, b.SelEnd())) b.SetSel(start, start);
    } else if (const Integer p = m_mask.PrevInput(b.Caret() - 1); p >= 0) {
        if (ClearRange(p, p + 1)) b.SetSel(p, p);
    }
    if (b.Text() != before)
        m_engine.TextChanged();
    else
        m_engine.SetSel(b.SelStart(), b.SelEnd());
}

void TCustomMaskEdit::NativeKeyDown(TMessage& M)
{
    // Delete empties positions instead of pulling the text left; Shift+Delete cuts.
    if (TWMKey(M).Key != VK_DELETE || (KeyboardStateToShiftState() & ssShift)) {
        TCustomEdit::DefaultHandler(M);
        return;
    }
    TEditBuffer& b = m_engine.Buffer;
    const String before = b.Text();
    const Integer start = b.SelStart();
    ClearRange(start, b.HasSelection() ? b.SelEnd() : start + 1);
    CommitIfChanged(before);
}

void TCustomMaskEdit::MaskedCut()
{
    if (m_engine.CopyToClipboard()) MaskedClear();
}

void TCustomMaskEdit::MaskedClear()
{
    TEditBuffer& b = m_engine.Buffer;
    const String before = b.Text();
    const Integer start = b.SelStart();
    if (ClearRange(start, b.SelEnd())) b.SetSel(start, start);
    CommitIfChanged(before);
}

void TCustomMaskEdit::MaskedPasteClipboard()
{
    if (ClipboardHasText()) MaskedPaste(ClipboardText());
}

}  // namespace gw
