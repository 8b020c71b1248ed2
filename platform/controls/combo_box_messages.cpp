// TCustomComboBox's programmatic messages (CB_*, and the text through WM_SETTEXT): what a
// program asks of the combo box, apart from what the mouse and keys do (combo_box.cpp).
#include "platform/controls/combo_box.h"

#include "platform/controls/edit_messages.h"
#include "platform/runtime/strings.h"

#include <algorithm>

namespace gw {

bool TCustomComboBox::ComboMessage(TMessage& M)
{
    switch (M.Msg) {
    case CB_GETCURSEL: M.Result = ItemIndex(); return true;
    case CB_SETCURSEL:
        SetItemIndex(Integer(int32_t(M.WParam)));
        M.Result = ItemIndex() >= 0 ? ItemIndex() : CB_ERR;
        return true;
    case CB_GETCOUNT: M.Result = Items()->Count(); return true;
    case CB_GETLBTEXTLEN:
    case CB_GETLBTEXT: {
        const Integer i = Integer(int32_t(M.WParam));
        if (i < 0 || i >= Items()->Count()) {
            M.Result = CB_ERR;
            return true;
        }
        const String s = Items()->Strings(i);
        if (M.Msg == CB_GETLBTEXT && M.LParam) {
            Char* out = reinterpret_cast<Char*>(M.LParam);
            std::copy(s.begin(), s.end(), out);
            out[s.size()] = 0;
        }
        M.Result = LRESULT(s.size());
        return true;
    }
    case CB_ADDSTRING: M.Result = Items()->Add(TWMText(M).Value()); return true;
    case CB_INSERTSTRING: {
        const Integer i = Integer(int32_t(M.WParam));
        Items()->Insert(i < 0 ? Items()->Count() : i, TWMText(M).Value());
        M.Result = i < 0 ? Items()->Count() - 1 : i;
        return true;
    }
    case CB_DELETESTRING: {
        const Integer i = Integer(int32_t(M.WParam));
        if (i < 0 || i >= Items()->Count()) {
            M.Result = CB_ERR;
            return true;
        }
        Items()->Delete(i);
        M.Result = Items()->Count();
        return true;
    }
    case CB_RESETCONTENT: Clear(); return true;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING: {
        const String s = TWMText(M).Value();
        const Integer n = Items()->Count();
        const Integer start = Integer(int32_t(M.WParam)) + 1;
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
        return true;
    }
    case CB_SHOWDROPDOWN:
        M.WParam ? OpenList() : CloseList(true);
        M.Result = 1;
        return true;
    case CB_GETDROPPEDSTATE: M.Result = m_dropped ? 1 : 0; return true;
    case CB_SETITEMHEIGHT:
        if (int32_t(M.WParam) == -1) {
            m_fieldHeight = std::max(0, Integer(M.LParam));
            SetBounds(Left(), Top(), Width(), Height());
        } else {
            m_list->SetItemHeight(Integer(M.LParam));
        }
        Invalidate();
        return true;
    case CB_GETITEMHEIGHT: M.Result = int32_t(M.WParam) == -1 ? FieldHeight() : m_list->ItemHeight(); return true;
    case CB_SETDROPPEDWIDTH:
        m_droppedWidth = std::max(0, Integer(M.WParam));
        M.Result = std::max(m_droppedWidth, Width());
        return true;
    case CB_GETDROPPEDWIDTH: M.Result = std::max(m_droppedWidth, Width()); return true;
    case CB_LIMITTEXT:
        m_engine.Buffer.MaxLength = Integer(M.WParam);
        M.Result = 1;
        return true;
    case CB_GETEDITSEL: {
        TMessage m{EM_GETSEL, M.WParam, M.LParam, 0};
        m_engine.HandleMessage(m);
        M.Result = m.Result;
        return true;
    }
    case CB_SETEDITSEL:
        m_engine.SetSel(int16_t(M.LParam & 0xFFFF), int16_t((M.LParam >> 16) & 0xFFFF));
        M.Result = 1;
        return true;
    case WM_SETTEXT:
        SetText(TWMText(M).Value());
        M.Result = 1;
        return true;
    case WM_GETTEXTLENGTH: M.Result = LRESULT(Text().size()); return true;
    default: return false;
    }
}

}  // namespace gw
