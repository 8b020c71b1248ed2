// Reading dates from cell text and stepping date series, in the locale's or a fixed order.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// Date and optional time ("h:n" or "h:n:s" after a space) in the order of the short date format.
// Years are taken as written. False for anything unreadable or impossible; Value is written only
// for a valid date (also when a time part without separator makes the result false).
bool ParseDateTimeText(StringView Text, TDateTime& Value);

// Month/day/year and day/month/year with "/", "." or "-" (the first found, used for both
// separators). One- and two-digit years are windowed (<= 25 -> 20xx, else 19xx); longer years
// are taken as written. 0 when the text is not three integers; an impossible date raises
// EConvertError.
TDateTime ParseShortDateUS(StringView Text);
TDateTime ParseShortDateEU(StringView Text);

// A date separator at position 2 or later, and a second one with at least one unit between.
bool IsDateLike(StringView Text);

// The next member of a date series whose first two members differed by the given steps; see the
// rules in the source. A date that does not exist raises EConvertError.
TDateTime IncrementDate(int16_t YearStep, int16_t MonthStep, int16_t DayStep, TDateTime Date, TDateTime FullStep);

}  // namespace gw
