// The base of a cell checker, which a string grid consults to correct and mark cell texts.
//
// The base does neither; descendants override the four operations.
#pragma once

#include "platform/runtime/component.h"

namespace gw {

class TExtStringGridCheck : public TComponent {
public:
    explicit TExtStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

    String ClassName() const override { return u"TExtStringGridCheck"; }

    // s with its errors marked (the grid's marking mark-up); the base returns s.
    virtual String MarkError(Integer ACol, Integer ARow, const String& s);
    // The corrected s; the base returns s.
    virtual String Correct(Integer ACol, Integer ARow, const String& s);
    // Called by the grid before and after it checks a range of cells.
    virtual void StartCheck();
    virtual void StopCheck();

    // While a range is checked, make each cell current first (and restore the current cell).
    bool GotoCell = false;
    // An edited cell's accepted text goes through Correct before the grid's validation event.
    bool AutoCorrect = false;
    // ... and through MarkError after it.
    bool AutoMarkError = false;
    // The grid's explicit checking passes each text through Correct.
    bool UseCorrect = false;
    // The grid's explicit checking passes each text through MarkError.
    bool UseMarkError = false;
};

}  // namespace gw
