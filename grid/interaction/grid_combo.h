// TGridCombo: the string grid's combo cell editor (edComboEdit editable, edComboList pick list) -
// the keys it keeps or hands to the grid, its commit through the grid's validation, the cursor
// walk out of it, type-ahead completion, the wheel and the change reports.
#pragma once

#include "grid/foundation/esg_combo.h"

namespace gw {

class TExtStringGrid;

// The notifications the grid relays for its combo editor: selection change, edit change, the
// list dropping down and closing.
constexpr bool IsComboNotification(Word Code)
{
    return Code == CBN_SELCHANGE || Code == CBN_EDITCHANGE || Code == CBN_DROPDOWN || Code == CBN_CLOSEUP;
}

// Made hidden and disabled by its grid, which shows it for each combo edit and reads it back.
class TGridCombo : public TEsgComboBox {
public:
    // AOwner must be a TExtStringGrid (EInvalidCast otherwise).
    explicit TGridCombo(TComponent* AOwner);
    String ClassName() const override { return u"TGridCombo"; }

    void Dispatch(TMessage& Message) override;
    // Widens the drop-down list to its widest item.
    void SizeDropDownWidth();
    // Type-ahead: completes the text before the caret to the first item it begins.
    void DoChange();

    // Type-ahead is on; Backspace and Delete switch it off until the next other key.
    bool WorkMode = true;
    TNotifyEvent OnReturnKey;

protected:
    // The grid runs the change handling when it forces the first item of a pick list.
    friend class TExtStringGrid;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void KeyPress(Char& Key) override;
    void DoExit() override;
    void Change() override;

private:
    TExtStringGrid& Grid() const { return *m_grid; }
    bool IsPickList() const { return Style() == csDropDownList; }
    bool ActsOn(Word Key, TShiftState Shift) const;
    // The text into the current cell, then validated; false (editor kept open with the
    // validated text, Key cleared) when refused.
    bool Commit(Word& Key, bool TabKey);
    void EscapeKey();
    void UpDownToGrid(Word& Key, TShiftState Shift);
    // Tab with the grid wanting it; true when the key is done with.
    bool TabKey(Word& Key, TShiftState Shift);
    void EndByKey(Word& Key, TShiftState Shift);
    void WalkLeft(Word& Key);
    void WalkRight(Word& Key);
    void WalkToNeighbour(bool Forward);
    void WMSetFocus(TMessage& Message);
    void WMChar(TMessage& Message);
    void WMMouseWheel(TMessage& Message);
    void SelectByWheel(Integer Index);

    TExtStringGrid* m_grid;
};

}  // namespace gw
