// The fields of a date or time as the date-time picker shows and edits them, one at a time.
#pragma once

#include "platform/runtime/types.h"

#include <vector>

namespace gw {

enum class TDateField : uint8_t { Literal, Day, Month, MonthName, Year, Hour, Hour12, Minute, Second, AmPm };

struct TDateFieldSpan {
    TDateField Kind = TDateField::Literal;
    String Picture;  // the format characters ("dd", "mmm", "/")
    Integer Start = 0;  // position in the shown text
    Integer Length = 0;
};

// A format of date and time picture characters (d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn
// s ss am/pm; '/' and ':' are the regional separators; quoted text is literal) laid out over a
// value. Editing keeps the value valid: a day beyond the month's end is clipped, a change
// that would leave [Min, Max] is clamped.
class TDateTimeFields {
public:
    explicit TDateTimeFields(StringView Format);

    // The text for a value, and the field spans in it (literals included).
    String Render(TDateTime Value);
    const std::vector<TDateFieldSpan>& Spans() const { return m_spans; }
    // Indices of the editable spans.
    std::vector<Integer> EditableSpans() const;
    // The editable span at or nearest to a text position; -1 when there is none.
    Integer SpanAt(Integer Position) const;

    // The value with one field stepped by Delta (wrapping inside the field: day 31 + 1 gives
    // day 1 of the same month; years do not wrap).
    TDateTime Step(TDateTime Value, Integer Span, Integer Delta) const;
    // The value with a field set to its lowest (Home) or highest (End) value.
    TDateTime Extreme(TDateTime Value, Integer Span, bool Highest) const;
    // A digit typed into a field: Pending holds the digits typed so far in it (cleared by the
    // caller when the field changes). Returns the new value; Complete is set when the field
    // can take no more digits, so the caret moves on.
    TDateTime TypeDigit(TDateTime Value, Integer Span, Char Digit, String& Pending, bool& Complete) const;

    TDateTime MinDate = -693593.0;  // 0001-01-01
    TDateTime MaxDate = 2958465.0;  // 9999-12-31

private:
    TDateTime Clamp(TDateTime Value) const;
    std::vector<TDateFieldSpan> m_spans;
};

// Days in a month of a year.
Word DaysInMonth(Word Year, Word Month);

}  // namespace gw
