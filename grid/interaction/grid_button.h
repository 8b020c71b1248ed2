// TGridButton: the push button the grid shows over an edButton cell. Its release passes the
// caption through the grid's OnEllipsClick into the cell; the arrows and Esc go back to the grid.
#pragma once

#include "platform/controls/button.h"

namespace gw {

class TExtStringGrid;

class TGridButton : public TButton {
public:
    explicit TGridButton(TComponent* AOwner);
    String ClassName() const override { return u"TGridButton"; }
    void Dispatch(TMessage& Message) override;
    void ReCreate();

protected:
    // The platform button's window as it is: the grid's button asks nothing more of it.
    void CreateParams(TCreateParams& Params) override;
    void DoExit() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;

private:
    // The caption through OnEllipsClick, then into the caption and the cell.
    void ExchangeCaption();
    // Hidden and disabled, the edit ended, the focus back on the grid.
    void LeaveToGrid();

    TExtStringGrid* FGrid = nullptr;
};

}  // namespace gw
