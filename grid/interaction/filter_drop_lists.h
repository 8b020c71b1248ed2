// The lists a string grid drops down under a header's filter glyph: a single choice (TDropList)
// or ticks (TDropCheckList). Both close when the user presses the mouse outside them.
#pragma once

#include "platform/controls/list_box.h"

#include <functional>

namespace gw {

// ItemIndex: the chosen item, -1 for none (the check list always reports -1: apply the ticks).
using TDropSelectEvent = std::function<void(TObject* Sender, Integer ItemIndex)>;

// Hides List when the cursor is outside it at a cancel-mode message, calling OnLost first (the
// grid forgets its open filter column there).
void LoseDropDown(TWinControl& List, const TNotifyEvent& OnLost);

class TDropList : public TListBox {
public:
    explicit TDropList(TComponent* AOwner) : TListBox(AOwner) {}
    String ClassName() const override { return u"TDropList"; }
    void Dispatch(TMessage& Message) override;

    TDropSelectEvent OnSelect;
    TNotifyEvent OnLost;

protected:
    // Enter reaches the list: it chooses.
    LRESULT DialogCode() const override { return TListBox::DialogCode() | DLGC_WANTALLKEYS; }
    void KeyPress(Char& Key) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    void Choose();
};

class TDropCheckList : public TCheckListBox {
public:
    explicit TDropCheckList(TComponent* AOwner);
    String ClassName() const override { return u"TDropCheckList"; }
    void Dispatch(TMessage& Message) override;

    TDropSelectEvent OnSelect;
    TNotifyEvent OnLost;
};

}  // namespace gw
