// TEditEngine's programmatic messages (EM_* and the clipboard and undo messages): what a
// program asks of an edit box, apart from what the keys and the mouse do (edit_engine.cpp).
#include "platform/controls/control_message_records.h"
#include "platform/controls/edit_engine.h"
#include "platform/controls/edit_messages.h"

namespace gw {

bool TEditEngine::EditMessage(TMessage& M)
{
    switch (M.Msg) {
    case WM_CUT: CutToClipboard(); return true;
    case WM_COPY: CopyToClipboard(); return true;
    case WM_PASTE: PasteFromClipboard(); return true;
    case WM_CLEAR: Clear(); return true;
    case WM_UNDO:
    case EM_UNDO: M.Result = Undo() ? 1 : 0; return true;
    case EM_CANUNDO: M.Result = Buffer.CanUndo() ? 1 : 0; return true;
    case EM_EMPTYUNDOBUFFER: Buffer.EmptyUndoBuffer(); return true;
    case EM_GETSEL: EMGetSel(M); return true;
    case EM_SETSEL: EMSetSel(M); return true;
    case EM_REPLACESEL: EMReplaceSel(M); return true;
    case EM_LIMITTEXT: EMLimitText(M); return true;
    case EM_GETLIMITTEXT: M.Result = Buffer.MaxLength > 0 ? Buffer.MaxLength : 0x7FFFFFFE; return true;
    case EM_GETRECT: EMGetRect(M); return true;
    case EM_SETRECT:
    case EM_SETRECTNP: EMSetRect(M); return true;
    case EM_POSFROMCHAR: EMPosFromChar(M); return true;
    case EM_CHARFROMPOS: EMCharFromPos(M); return true;
    case EM_LINEFROMCHAR: EMLineFromChar(M); return true;
    case EM_LINEINDEX: EMLineIndex(M); return true;
    case EM_LINELENGTH: EMLineLength(M); return true;
    case EM_GETLINECOUNT: M.Result = Layout().LineCount(); return true;
    case EM_GETFIRSTVISIBLELINE: M.Result = m_topLine; return true;
    case EM_SCROLLCARET: ScrollCaret(); return true;
    case EM_GETMODIFY: M.Result = Modified ? 1 : 0; return true;
    case EM_SETMODIFY: EMSetModify(M); return true;
    case EM_SETREADONLY: EMSetReadOnly(M); return true;
    case EM_SETPASSWORDCHAR: EMSetPasswordChar(M); return true;
    case EM_GETPASSWORDCHAR: M.Result = PasswordChar; return true;
    default: return false;
    }
}

void TEditEngine::EMGetSel(TMessage& M)
{
    const TWMGetSel sel(M);
    const Cardinal s = Cardinal(Buffer.SelStart()), e = Cardinal(Buffer.SelEnd());
    if (sel.Start) *sel.Start = s;
    if (sel.End) *sel.End = e;
    M.Result = LRESULT(MakeLParam(Integer(s), Integer(e))) & 0xFFFFFFFF;
}

void TEditEngine::EMSetSel(TMessage& M)
{
    const TWMSetSel sel(M);
    SetSel(sel.Start, sel.End);
}

void TEditEngine::EMReplaceSel(TMessage& M)
{
    // WParam says whether the replacement can be undone.
    InsertText(TWMText(M).View(), TWMFlag(M).Value);
}

void TEditEngine::EMLimitText(TMessage& M) { Buffer.MaxLength = TWMIndex(M).Value; }

void TEditEngine::EMGetRect(TMessage& M)
{
    if (TRect* r = TWMRecord<TRect>(M).Data) *r = FormatRect;
}

void TEditEngine::EMSetRect(TMessage& M)
{
    if (const TRect* r = TWMRecord<const TRect>(M).Data) FormatRect = *r;
    InvalidateLayout();
    ScrollCaret();
    // EM_SETRECTNP leaves the repaint to the caller.
    if (M.Msg == EM_SETRECT) Invalidate();
}

void TEditEngine::EMPosFromChar(TMessage& M)
{
    const Integer i = TWMIndex(M).Value;
    if (i < 0 || i >= Buffer.Length()) {
        M.Result = -1;
        return;
    }
    const TPoint p = PosFromChar(i);
    M.Result = MakeLParam(p.X, p.Y);
}

void TEditEngine::EMCharFromPos(TMessage& M)
{
    const Integer i = CharFromPos(TWMPoint(M).Pos);
    M.Result = MakeLParam(i, Layout().LineFromChar(i));
}

void TEditEngine::EMLineFromChar(TMessage& M)
{
    const Integer i = TWMIndex(M).Value;
    M.Result = Layout().LineFromChar(i < 0 ? Buffer.SelStart() : i);
}

void TEditEngine::EMLineIndex(TMessage& M)
{
    Integer line = TWMIndex(M).Value;
    if (line < 0) line = Layout().LineFromChar(Buffer.Caret());
    M.Result = line < Layout().LineCount() ? Layout().Line(line).Start : -1;
}

void TEditEngine::EMLineLength(TMessage& M)
{
    const Integer i = TWMIndex(M).Value;
    M.Result = Layout().Line(Layout().LineFromChar(i < 0 ? Buffer.Caret() : i)).Length;
}

void TEditEngine::EMSetModify(TMessage& M) { Modified = TWMFlag(M).Value; }

void TEditEngine::EMSetReadOnly(TMessage& M)
{
    ReadOnly = TWMFlag(M).Value;
    M.Result = 1;
    Invalidate();
}

void TEditEngine::EMSetPasswordChar(TMessage& M)
{
    PasswordChar = TWMChar(M).CharCode;
    InvalidateLayout();
    Invalidate();
}

}  // namespace gw
