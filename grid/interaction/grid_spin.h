// TGridSpin: the string grid's spin cell editor (integer, decimal, date and time spins) - the
// keys that end its edit, its commit through the grid's validation, Home and End to the limits,
// and the spin events.
#pragma once

#include "grid/foundation/spin_edit.h"

namespace gw {

class TExtStringGrid;

// Made on first use by the grid's SpinEdit, hidden, disabled and borderless; the grid sets its
// spin type for each edit.
class TGridSpin : public TEsgSpinEdit {
public:
    // AOwner must be a TExtStringGrid (EInvalidCast otherwise).
    explicit TGridSpin(TComponent* AOwner);
    String ClassName() const override { return u"TGridSpin"; }

    void Dispatch(TMessage& Message) override;
    // A new window before every edit.
    void ReCreate();
    void UpClick(TObject* Sender) override;
    void DownClick(TObject* Sender) override;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(Char& Key) override;
    void DoExit() override;
    void Change() override;

private:
    TExtStringGrid& Grid() const { return *m_grid; }
    void ToLimit(bool Maximum);
    void Restore();
    bool Commit(Word& Key);
    void ReportClick(bool Up);

    TExtStringGrid* m_grid;
};

}  // namespace gw
