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
// Splits at the nearest millisecond, as DecodeTime does, so both agree on the day.
// A value outside years 1..9999 (or NaN) decodes as 0/0/0.
void DecodeDate(TDateTime Date, Word& Year, Word& Month, Word& Day);
// Hour < 24, Min < 60, Sec < 60, MSec < 1000, else EConvertError "Invalid argument to time encode".
TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec);
bool TryEncodeTime(Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Time);
void DecodeTime(TDateTime Time, Word& Hour, Word& Min, Word& Sec, Word& MSec);

// The whole days and the time of day of a value as DecodeDate and DecodeTime split it, and a
// date and a time joined: before the epoch the time counts forward from midnight, so joining is
// no plain sum (-1 day at 06:00 is -1.25).
TDateTime DateOf(TDateTime Value);
TDateTime TimeOf(TDateTime Value);
TDateTime ComposeDateTime(TDateTime Date, TDateTime Time);

// The local wall clock: date and time, and the date alone.
TDateTime Now();
TDateTime Date();

// ShortDateFormat / LongTimeFormat; DateTimeToStr leaves out a midnight time.
String DateToStr(TDateTime Date);
String TimeToStr(TDateTime Time);
String DateTimeToStr(TDateTime DateTime);
// Reads two or three numbers in the order of ShortDateFormat, separated by DateSeparator, blanks
// allowed around them; a missing year is the current one, and a year written with one or two
// digits follows TwoDigitYearCenturyWindow. EConvertError "'<S>' is not a valid date" on failure;
// the Try form leaves Value alone then.
TDateTime StrToDate(StringView S);
bool TryStrToDate(StringView S, TDateTime& Value);
// "h:n", "h:n:s" or "h:n:s<DecimalSeparator>zzz", then optionally TimeAMString/TimePMString,
// "AM"/"PM" or "A"/"P" (hours 1..12 then). EConvertError "'<S>' is not a valid time" on failure.
TDateTime StrToTime(StringView S);
bool TryStrToTime(StringView S, TDateTime& Value);
// A date as TryStrToDate reads it, a time as TryStrToTime reads it, or a date, blanks and a time;
// false (Value left alone) for anything else.
bool TryStrToDateTime(StringView S, TDateTime& Value);

// The runtime's picture codes, case-insensitive: c (short date, then long time unless midnight),
// d dd ddd dddd ddddd (short date) dddddd (long date), m mm mmm mmmm, yy yyyy, h hh, n nn, s ss,
// z zzz, t (short time) tt (long time), am/pm a/p (as written) ampm (TimeAMString/TimePMString,
// any of them makes h a 12-hour clock), / (DateSeparator), : (TimeSeparator), "quoted" and
// 'quoted' text. An m after an h token means minutes ("hh:mm"). Anything else is copied.
// An empty format is "c".
String FormatDateTime(StringView Format, TDateTime DateTime);

// Same day NumberOfMonths later (or earlier); the day is clipped to the target month's length.
TDateTime IncMonth(TDateTime Date, Integer NumberOfMonths = 1);
// 1 = Sunday .. 7 = Saturday.
Word DayOfWeek(TDateTime Date);
// The ISO 8601 week: weeks run Monday to Sunday and week 1 is the one holding the year's first
// Thursday, so the first days of January may lie in the last week of the year before and the last
// days of December in week 1 of the next; Year receives the year the week belongs to.
Word WeekOfTheYear(TDateTime Date, Word& Year);
Word WeekOfTheYear(TDateTime Date);
bool IsLeapYear(Word Year);

}  // namespace gw
