// TCustomComboBox's programmatic messages (CB_*, the text through WM_SETTEXT, and the edit
// field's EM_* and clipboard messages): what a program asks of the combo box, apart from what
// the mouse and keys do (combo_box.cpp).
#include "platform/controls/combo_box.h"

#include "platform/controls/control_message_records.h"
#include "platform/controls/edit_messages.h"
#include "platform/runtime/strings.h"

#include <algorithm>

namespace gw {

bool TCustomComboBox::ComboMessage(TMessage& M)
{
    switch (M.Msg) {
    case CB_GETCURSEL: M.Result = ItemIndex(); return true;
    case CB_SETCURSEL: CBSetCurSel(M); return true;
    case CB_GETCOUNT: M.Result = Items()->Count(); return true;
    case CB_GETLBTEXTLEN:
    case CB_GETLBTEXT: CBGetLBText(M); return true;
    case CB_ADDSTRING: M.Result = Items()->Add(TWMText(M).Value()); return true;
    case CB_INSERTSTRING: CBInsertString(M); return true;
    case CB_DELETESTRING: CBDeleteString(M); return true;
    case CB_RESETCONTENT: Clear(); return true;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING: CBFindString(M); return true;
    case CB_SHOWDROPDOWN: CBShowDropDown(M); return true;
    case CB_GETDROPPEDSTATE: M.Result = m_dropped ? 1 : 0; return true;
    case CB_SETITEMHEIGHT: CBSetItemHeight(M); return true;
    case CB_GETITEMHEIGHT: CBGetItemHeight(M); return true;
    case CB_SETDROPPEDWIDTH: CBSetDroppedWidth(M); return true;
    case CB_GETDROPPEDWIDTH: M.Result = ListWidth(); return true;
    case CB_LIMITTEXT: CBLimitText(M); return true;
    case CB_GETEDITSEL: CBGetEditSel(M); return true;
    case CB_SETEDITSEL: CBSetEditSel(M); return true;
    case WM_SETTEXT: WMSetText(M); return true;
    case WM_GETTEXTLENGTH: M.Result = LRESULT(Text().size()); return true;
    case EM_SHOWBALLOONTIP: EMShowBalloonTip(M); return true;
    case EM_HIDEBALLOONTIP: M.Result = m_balloon.Hide(); return true;
    default: return EditFieldMessage(M);
    }
}

bool TCustomComboBox::EditFieldMessage(TMessage& M)
{
    const bool edit = (M.Msg >= EM_GETSEL && M.Msg <= EM_CHARFROMPOS) || M.Msg == WM_CUT || M.Msg == WM_COPY ||
        M.Msg == WM_PASTE || M.Msg == WM_CLEAR || M.Msg == WM_UNDO;
    return edit && HasEdit() && m_engine.HandleMessage(M);
}

// The edit part has no window, so the balloon sits on the combo: under the caret where there is
// an edit part, at the field's left otherwise, along the field's bottom.
void TCustomComboBox::EMShowBalloonTip(TMessage& M)
{
    const Integer bottom = std::min(FieldHeight() + 6, Height());
    const TPoint caret = CaretBalloonStem(m_engine, {Width(), bottom});
    const TPoint stem{HasEdit() ? caret.X : 0, bottom};
    M.Result = m_balloon.Show(Handle(), TWMRecord<const TEditBalloonTip>(M).Data, stem) ? 1 : 0;
}

void TCustomComboBox::CBSetCurSel(TMessage& M)
{
    SetItemIndex(TWMIndex(M).Value);
    M.Result = ItemIndex() >= 0 ? ItemIndex() : CB_ERR;
}

void TCustomComboBox::CBGetLBText(TMessage& M)
{
    const Integer i = TWMIndex(M).Value;
    if (i < 0 || i >= Items()->Count()) {
        M.Result = CB_ERR;
        return;
    }
    const String s = Items()->Strings(i);
    // CB_GETLBTEXT copies the item, with its terminating null, to the caller's buffer.
    if (M.Msg == CB_GETLBTEXT)
        if (Char* out = TWMRecord<Char>(M).Data) {
            std::copy(s.begin(), s.end(), out);
            out[s.size()] = 0;
        }
    M.Result = LRESULT(s.size());
}

void TCustomComboBox::CBInsertString(TMessage& M)
{
    // -1 appends.
    const Integer i = TWMIndex(M).Value;
    Items()->Insert(i < 0 ? Items()->Count() : i, TWMText(M).Value());
    M.Result = i < 0 ? Items()->Count() - 1 : i;
}

void TCustomComboBox::CBDeleteString(TMessage& M)
{
    const Integer i = TWMIndex(M).Value;
    if (i < 0 || i >= Items()->Count()) {
        M.Result = CB_ERR;
        return;
    }
    Items()->Delete(i);
    M.Result = Items()->Count();
}

void TCustomComboBox::CBFindString(TMessage& M)
{
    // The search starts after the item WParam names and wraps round.
    const String s = TWMText(M).Value();
    const Integer n = Items()->Count();
    const Integer start = TWMIndex(M).Value + 1;
    M.Result = CB_ERR;
    for (Integer k = 0; k < n; ++k) {
        const Integer i = (std::max(0, start) + k) % n;
        const String item = Items()->Strings(i);
        if (M.Msg == CB_FINDSTRINGEXACT ? SameText(item, s) : StartsText(s, item)) {
            M.Result = i;
            break;
        }
    }
    if (M.Msg == CB_SELECTSTRING && M.Result != CB_ERR) SetItemIndex(Integer(M.Result));
}

void TCustomComboBox::CBShowDropDown(TMessage& M)
{
    TWMFlag(M).Value ? OpenList() : CloseList(true);
    M.Result = 1;
}

void TCustomComboBox::CBSetItemHeight(TMessage& M)
{
    // -1 names the selection field, any other index the list's items.
    const Integer height = TWMLParamValue(M).AsInteger();
    if (TWMIndex(M).Value == -1) {
        m_fieldHeight = std::max(0, height);
        SetBounds(Left(), Top(), Width(), Height());
    } else {
        m_list->SetItemHeight(height);
    }
    Invalidate();
}

void TCustomComboBox::CBGetItemHeight(TMessage& M)
{
    M.Result = TWMIndex(M).Value == -1 ? FieldHeight() : m_list->ItemHeight();
}

void TCustomComboBox::CBSetDroppedWidth(TMessage& M)
{
    m_droppedWidth = std::max(0, TWMIndex(M).Value);
    M.Result = ListWidth();
}

void TCustomComboBox::CBLimitText(TMessage& M)
{
    m_engine.Buffer.MaxLength = TWMIndex(M).Value;
    M.Result = 1;
}

void TCustomComboBox::CBGetEditSel(TMessage& M)
{
    TMessage m{EM_GETSEL, M.WParam, M.LParam, 0};
    m_engine.HandleMessage(m);
    M.Result = m.Result;
}

void TCustomComboBox::CBSetEditSel(TMessage& M)
{
    const TWMPackedSel sel(M);
    m_engine.SetSel(sel.Start, sel.End);
    M.Result = 1;
}

void TCustomComboBox::WMSetText(TMessage& M)
{
    SetText(TWMText(M).Value());
    M.Result = 1;
}

}  // namespace gw
