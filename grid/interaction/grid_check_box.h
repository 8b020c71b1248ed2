// TGridCheckBox: the string grid's check-box cell editor (edCheckBox) - toggled by a press or
// Space, left by the keys that move the grid's cursor.
#pragma once

#include "platform/controls/check_box.h"

namespace gw {

class TExtStringGrid;

class TGridCheckBox : public TCheckBox {
public:
    // AOwner must be a TExtStringGrid (EInvalidCast otherwise).
    explicit TGridCheckBox(TComponent* AOwner);
    String ClassName() const override { return u"TGridCheckBox"; }

    void Dispatch(TMessage& Message) override;
    // A new window before every edit.
    void ReCreate();

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DoExit() override;
    void Toggle() override;

private:
    TExtStringGrid& Grid() const { return *m_grid; }
    void ToggleNow();
    void EndByKey(Word Key, TShiftState Shift);

    TExtStringGrid* m_grid;
    // The press or Space toggled already: the click that completes it does not toggle again.
    bool m_toggled = false;
};

}  // namespace gw
