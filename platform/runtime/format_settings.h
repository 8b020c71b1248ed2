// The program-wide regional settings every conversion and date routine reads at each call.
#pragma once

#include "platform/runtime/types.h"

#include <array>

namespace gw {

// Separators, formats and names. The default is a neutral English set that does not depend on
// the machine's locale, so that output and tests are the same everywhere:
//   decimal '.', thousand ',', currency "$" in front (CurrencyFormat 0, NegCurrFormat 1 = "-$1"),
//   two currency decimals, date separator '/', time separator ':',
//   ShortDateFormat "dd/mm/yyyy" (day first), LongDateFormat "dddd, d mmmm yyyy",
//   ShortTimeFormat "hh:nn", LongTimeFormat "hh:nn:ss" (24-hour clock), AM/PM strings "AM"/"PM",
//   English month and day names (day names start with Sunday), list separator ','.
// In date formats '/' stands for DateSeparator and ':' for TimeSeparator.
struct TFormatSettings {
    Char DecimalSeparator = u'.';
    Char ThousandSeparator = u',';
    String CurrencyString = u"$";
    Byte CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    Byte NegCurrFormat = 1;  // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-" ... 15 "(1 $)", the system numbering
    Byte CurrencyDecimals = 2;
    Char DateSeparator = u'/';
    Char TimeSeparator = u':';
    String ShortDateFormat = u"dd/mm/yyyy";
    String LongDateFormat = u"dddd, d mmmm yyyy";
    String ShortTimeFormat = u"hh:nn";
    String LongTimeFormat = u"hh:nn:ss";
    String TimeAMString = u"AM";
    String TimePMString = u"PM";
    std::array<String, 12> ShortMonthNames{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                           u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    std::array<String, 12> LongMonthNames{u"January", u"February", u"March",     u"April",   u"May",      u"June",
                                          u"July",    u"August",   u"September", u"October", u"November", u"December"};
    std::array<String, 7> ShortDayNames{u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
    std::array<String, 7> LongDayNames{u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                       u"Thursday", u"Friday", u"Saturday"};
    Char ListSeparator = u',';
    // A year StrToDate reads with one or two digits lands in the 100 years that start this many
    // years before the current one (50: in 2026, "76" is 1976 and "75" is 2075); 0 puts it in
    // the current century.
    Word TwoDigitYearCenturyWindow = 50;
};

// The one program-wide instance. Tests may assign to it and restore a saved copy afterwards;
// `FormatSettings = TFormatSettings{}` brings back the default.
extern TFormatSettings FormatSettings;

}  // namespace gw
