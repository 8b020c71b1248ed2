// The grid's editors with an ellipsis button: TGridEditBtn (plain, numeric, float and masked
// cells) and TGridUnitEditBtn (a value and its unit). Both hand the button to the grid's
// OnEllipsClick, commit through the grid's validation and leave the cell by Tab, Enter and Esc.
#pragma once

#include "grid/foundation/unit_edit_button.h"
#include "grid/interaction/editor_grid_access.h"

namespace gw {

class TExtStringGrid;

// The character filter the button editors share: Enter always dropped, Tab only by the plain
// button editor; numeric and float types filtered as the text editor filters them.
bool EditButtonTakesChar(TExtStringGrid& Grid, TCustomMaskEdit& Edit, Char& Ch, bool DropTab);

class TGridEditBtn : public TEsgEditBtn {
public:
    explicit TGridEditBtn(TComponent* AOwner);
    String ClassName() const override { return u"TGridEditBtn"; }
    void Dispatch(TMessage& Message) override;
    // Recreates the window before the editor shows.
    void ReCreate();

    // Type-ahead completion from the grid's lookup list; off after Backspace or Delete.
    bool WorkMode = true;
    bool StopEditAfterClick = false;

protected:
    void DoExit() override;
    void Change() override;
    void KeyPress(Char& Key) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;

private:
    void ButtonClicked();
    void WMChar(TMessage& Message);
    void WMPaste(TMessage& Message);
    // Tab, Enter, Up and Down: false after a refusal (handled, the key cleared).
    bool CommitForKey(Word& Key);
    bool TabOn(Word& Key, TShiftState Shift);
    void CompleteFromLookup();

    TExtStringGrid* FGrid = nullptr;
    Integer FSelKeyDown = 0;
};

class TGridUnitEditBtn : public TEsgUnitEditBtn, public TEscapeMark {
public:
    explicit TGridUnitEditBtn(TComponent* AOwner);
    String ClassName() const override { return u"TGridUnitEditBtn"; }
    void Dispatch(TMessage& Message) override;
    void ReCreate();
    // Loads a cell's value: split into number and unit when one of the units ends it, else the
    // whole value as the text and no unit.
    void LoadValue(const String& Value);

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    void ButtonClicked();

    TExtStringGrid* FGrid = nullptr;
};

}  // namespace gw
