// Dates in cell text: the locale's order, the fixed US and European short forms, date series.
#include "grid/foundation/date_utils.h"

#include "grid/foundation/text_utils.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace gw {

namespace {

enum TDatePart { dpDay, dpMonth, dpYear };

// The order of day, month and year as the short date format writes them.
std::array<TDatePart, 3> DatePartOrder()
{
    const String format = UpperCaseKeepLength(GetShortDateFormat());
    std::array<std::pair<Integer, TDatePart>, 3> at{
        {{Pos(u"D", format), dpDay}, {Pos(u"M", format), dpMonth}, {Pos(u"Y", format), dpYear}}};
    std::stable_sort(at.begin(), at.end(), [](auto a, auto b) { return a.first < b.first; });
    return {at[0].second, at[1].second, at[2].second};
}

bool FitsWord(Integer V) { return V >= 0 && V <= 0xFFFF; }

bool TryEncodeParts(Integer Year, Integer Month, Integer Day, TDateTime& Date)
{
    return FitsWord(Year) && FitsWord(Month) && FitsWord(Day) &&
        TryEncodeDate(static_cast<Word>(Year), static_cast<Word>(Month), static_cast<Word>(Day), Date);
}

// Splits off the text before the first Sep; false when there is none.
bool SplitAt(StringView& Rest, Char Sep, StringView& Head)
{
    const size_t at = Rest.find(Sep);
    if (at == StringView::npos) return false;
    Head = Rest.substr(0, at);
    Rest.remove_prefix(at + 1);
    return true;
}

enum class TTimeResult { Ok, NoSeparator, Invalid };

TTimeResult ParseTimePart(StringView Text, TDateTime& Time)
{
    const Char sep = GetTimeSeparatorChar();
    StringView rest = Text, hourText;
    if (!SplitAt(rest, sep, hourText)) return TTimeResult::NoSeparator;
    Integer hour = 0, minute = 0, second = 0;
    if (!TryStrToInt(hourText, hour) || hour > 23) return TTimeResult::Invalid;
    StringView minuteText;
    if (SplitAt(rest, sep, minuteText)) {
        if (!TryStrToInt(minuteText, minute) || !TryStrToInt(rest, second) || second > 60) return TTimeResult::Invalid;
    } else if (!TryStrToInt(rest, minute)) {
        return TTimeResult::Invalid;
    }
    if (minute > 59 || !FitsWord(hour) || !FitsWord(minute) || !FitsWord(second)) return TTimeResult::Invalid;
    return TryEncodeTime(static_cast<Word>(hour), static_cast<Word>(minute), static_cast<Word>(second), 0, Time)
        ? TTimeResult::Ok
        : TTimeResult::Invalid;
}

// A date plus a time of day, with the time counting forward from midnight also before 1899.
TDateTime CombineDateTime(TDateTime Date, TDateTime Time) { return Date < 0 ? Date - Time : Date + Time; }

TDateTime TimeOfDay(TDateTime Value)
{
    const double whole = std::trunc(Value);
    return std::fabs(Value - whole);
}

}  // namespace

bool ParseDateTimeText(StringView Text, TDateTime& Value)
{
    const Char sep = GetDateSeparatorChar();
    StringView rest = Text, first, second;
    if (!SplitAt(rest, sep, first) || !SplitAt(rest, sep, second)) return false;
    const String third = Trim(rest);
    StringView thirdPart = third, timePart;
    const size_t space = third.find(u' ');
    const bool hasTime = space != String::npos;
    if (hasTime) {
        thirdPart = StringView(third).substr(0, space);
        timePart = StringView(third).substr(space);
    }
    const std::array<StringView, 3> texts{first, second, thirdPart};
    const std::array<TDatePart, 3> order = DatePartOrder();
    Integer parts[3] = {0, 0, 0};
    for (size_t i = 0; i < 3; ++i)
        if (!TryStrToInt(texts[i], parts[order[i]])) return false;
    if (parts[dpDay] > 31 || parts[dpMonth] > 12) return false;
    TDateTime date = 0, time = 0;
    if (!TryEncodeParts(parts[dpYear], parts[dpMonth], parts[dpDay], date)) return false;
    if (hasTime) {
        switch (ParseTimePart(timePart, time)) {
        case TTimeResult::NoSeparator: Value = date; return false;
        case TTimeResult::Invalid: return false;
        case TTimeResult::Ok: break;
        }
    }
    Value = CombineDateTime(date, time);
    return true;
}

namespace {

// Both separators must be the first of "/", "." and "-" that the text holds.
bool SplitShortDate(StringView Text, std::array<StringView, 3>& Parts)
{
    for (Char sep : {u'/', u'.', u'-'}) {
        if (Text.find(sep) == StringView::npos) continue;
        StringView rest = Text;
        if (!SplitAt(rest, sep, Parts[0]) || !SplitAt(rest, sep, Parts[1])) return false;
        Parts[2] = rest;
        return true;
    }
    return false;
}

// A year written in full (four digits or more) stays as it is (adding 1900 to it made 2023 into
// 3923 and years from 8100 on invalid); a shorter one is moved into a century by its value, so
// that "025" is 2025 like "25".
Integer WindowedYear(StringView YearText, Integer Year)
{
    const auto digits = std::count_if(YearText.begin(), YearText.end(), [](Char c) { return c >= u'0' && c <= u'9'; });
    if (digits >= 4) return Year;
    return Year <= 25 ? Year + 2000 : Year + 1900;
}

TDateTime ParseShortDate(StringView Text, bool MonthFirst)
{
    std::array<StringView, 3> parts;
    if (!SplitShortDate(Text, parts)) return 0;
    Integer first = 0, second = 0, year = 0;
    if (!TryStrToInt(parts[0], first) || !TryStrToInt(parts[1], second) || !TryStrToInt(parts[2], year)) return 0;
    const Integer month = MonthFirst ? first : second;
    const Integer day = MonthFirst ? second : first;
    TDateTime date = 0;
    if (!TryEncodeParts(WindowedYear(parts[2], year), month, day, date))
        throw EConvertError(u"Invalid argument to date encode");
    return date;
}

}  // namespace

TDateTime ParseShortDateUS(StringView Text) { return ParseShortDate(Text, true); }
TDateTime ParseShortDateEU(StringView Text) { return ParseShortDate(Text, false); }

bool IsDateLike(StringView Text)
{
    const Char sep = GetDateSeparatorChar();
    const size_t first = Text.find(sep);
    if (first == StringView::npos || first < 1) return false;
    const size_t second = Text.find(sep, first + 1);
    return second != StringView::npos && second > first + 1;
}

TDateTime IncrementDate(int16_t YearStep, int16_t MonthStep, int16_t DayStep, TDateTime Date, TDateTime FullStep)
{
    if (DayStep != 0 && YearStep == 0 && MonthStep == 0) return Date + DayStep;
    Word year = 0, month = 0, day = 0;
    DecodeDate(Date, year, month, day);
    Integer newYear = year;
    Integer newMonth = month;
    if (YearStep != 0 && MonthStep == 0 && DayStep == 0) {
        newYear = year + YearStep;
    } else if (MonthStep != 0 && YearStep == 0 && DayStep == 0) {
        // 16-bit arithmetic as the series always did: a step below -month wraps and fails.
        const Word m = static_cast<Word>(month + MonthStep);
        newMonth = m;
        if (m == 0) {
            newMonth = 12;
            --newYear;
        } else if (m > 12) {
            newMonth = m - 12;
            ++newYear;
        }
    } else {
        return Date + FullStep;
    }
    TDateTime result = 0;
    if (!TryEncodeParts(newYear, newMonth, day, result)) throw EConvertError(u"Invalid argument to date encode");
    return CombineDateTime(result, TimeOfDay(Date));
}

}  // namespace gw
