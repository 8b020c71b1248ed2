// The filter drop-down lists: choosing, ticking and closing on a press outside.
#include "grid/interaction/filter_drop_lists.h"

#include "platform/ui/window_system.h"

namespace gw {

void LoseDropDown(TWinControl& List, const TNotifyEvent& OnLost)
{
    const TPoint p = List.ScreenToClient(GetCursorPos());
    if (p.X >= 0 && p.Y >= 0 && p.X < List.Width() && p.Y < List.Height()) return;
    if (OnLost) OnLost(&List);
    List.SetVisible(false);
}

void TDropList::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_CANCELMODE) LoseDropDown(*this, OnLost);
    TListBox::Dispatch(Message);
}

void TDropList::Choose()
{
    SetVisible(false);
    if (OnSelect) OnSelect(this, ItemIndex());
}

void TDropList::KeyPress(Char& Key)
{
    TListBox::KeyPress(Key);
    if (Key == VK_RETURN) Choose();
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TListBox::MouseUp(Button, Shift, X, Y);
    Choose();
}

TDropCheckList::TDropCheckList(TComponent* AOwner) : TCheckListBox(AOwner)
{
    OnClickCheck = [this](TObject*) {
        if (OnSelect) OnSelect(this, -1);
    };
}

void TDropCheckList::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_CANCELMODE) LoseDropDown(*this, OnLost);
    TCheckListBox::Dispatch(Message);
}

}  // namespace gw
