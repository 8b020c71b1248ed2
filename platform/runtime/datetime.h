// Dates and times: building, splitting, reading and writing TDateTime values.
// A TDateTime counts days since 1899-12-30; the fraction is the time of day. Before that day the
// value is negative and the fraction still counts forward from midnight (-1.25 = 29 Dec 1899 06:00).
// Text forms follow the program-wide FormatSettings.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// Years 1..9999. An impossible date raises EConvertError "Invalid argument to date encode".
TDateTime EncodeDate(Word Year, Word Month, Word Day);
bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date);
void DecodeDate(TDateTime Date, Word& Year, Word& Month, Word& Day);
// Hour < 24, Min < 60, Sec < 60, MSec < 1000, else EConvertError "Invalid argument to time encode".
TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec);
bool TryEncodeTime(Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Time);
void DecodeTime(TDateTime Time, Word& Hour, Word& Min, Word& Sec, Word& MSec);

// The local wall clock: date and time, and the date alone.
TDateTime Now();
TDateTime Date();

// ShortDateFormat / LongTimeFormat; DateTimeToStr leaves out a midnight time.
String DateToStr(TDateTime Date);
String TimeToStr(TDateTime Time);
String DateTimeToStr(TDateTime DateTime);
// Reads numbers in the order of ShortDateFormat, separated by DateSeparator; a missing year is the
// current one, and a two-digit year follows TwoDigitYearCenturyWindow. EConvertError
// "'<S>' is not a valid date" on failure.
TDateTime StrToDate(StringView S);
bool TryStrToDate(StringView S, TDateTime& Value);
// "h:n", "h:n:s" or "h:n:s.z", with an optional AM/PM suffix. EConvertError
// "'<S>' is not a valid time" on failure.
TDateTime StrToTime(StringView S);
bool TryStrToTime(StringView S, TDateTime& Value);

// The runtime's picture codes: c d dd ddd dddd ddddd dddddd e? m mm mmm mmmm yy yyyy h hh n nn
// s ss z zzz t tt am/pm a/p ampm / : "quoted" 'quoted'. An m right after h or hh means minutes.
String FormatDateTime(StringView Format, TDateTime DateTime);

// Same day NumberOfMonths later (or earlier); the day is clipped to the target month's length.
TDateTime IncMonth(TDateTime Date, Integer NumberOfMonths = 1);
// 1 = Sunday .. 7 = Saturday.
Word DayOfWeek(TDateTime Date);
bool IsLeapYear(Word Year);

}  // namespace gw
