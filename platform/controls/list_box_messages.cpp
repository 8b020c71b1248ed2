// TCustomListBox's programmatic messages (LB_*): what a program asks of the list box, apart from
// what the mouse and keys do (list_box.cpp).
#include "platform/controls/control_message_records.h"
#include "platform/controls/list_box.h"

#include <algorithm>

namespace gw {

bool TCustomListBox::ListMessage(TMessage& M)
{
    switch (M.Msg) {
    case LB_GETCURSEL: M.Result = m_itemIndex; return true;
    case LB_SETCURSEL: LBSetCurSel(M); return true;
    case LB_GETTOPINDEX: M.Result = m_topIndex; return true;
    case LB_SETTOPINDEX: SetTopIndex(TWMIndex(M).Value); return true;
    case LB_GETCOUNT: M.Result = Count(); return true;
    case LB_GETITEMHEIGHT: M.Result = ItemHeight(); return true;
    case LB_SETITEMHEIGHT: SetItemHeight(TWMLParamValue(M).AsInteger()); return true;
    case LB_ITEMFROMPOINT: LBItemFromPoint(M); return true;
    default: return false;
    }
}

void TCustomListBox::LBSetCurSel(TMessage& M)
{
    SetItemIndex(TWMIndex(M).Value);
    M.Result = m_itemIndex;
}

void TCustomListBox::LBItemFromPoint(TMessage& M)
{
    // The nearest item in the low word; the high word says the point lies below the last one.
    const Integer i = ItemAtPos(TWMPoint(M).Pos, false);
    M.Result = MakeLParam(std::min(i, std::max(0, Count() - 1)), i >= Count() ? 1 : 0);
}

}  // namespace gw
