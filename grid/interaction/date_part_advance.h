// Whether a digit typed into the grid's date or time editor moves the caret on to the next part
// of the value: only when the digit changed a part, and not past the last part of a format.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

struct TPickerParts {
    Word Year = 0, Month = 0, Day = 0;
    Word Hour = 0, Minute = 0, Second = 0;
};

TPickerParts PickerPartsOf(TDateTime Value);

// TimeKind: the hour, minute or second changed. A date with a format of its own: no move when a
// changed part is the one its last letter names (d, m or y in either case), else a move when the
// day, month or year changed. The default date format: a changed day or month (not the year).
bool PickerPartAdvances(bool TimeKind, const String& Format, const TPickerParts& Before, const TPickerParts& After);

}  // namespace gw
