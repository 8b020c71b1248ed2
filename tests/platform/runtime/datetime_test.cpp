// Dates and times: serials checked against values computed outside the code, text forms, reading.
#include "platform/runtime/datetime.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gw {
namespace {

using DateTimeTest = test::FormatSettingsTest;

// Serials and weekdays from Python:
//   (date(y, m, d) - date(1899, 12, 30)).days   and   date(y, m, d).isoweekday() % 7 + 1
TEST(DateTime, EncodeAndDecodeMatchPythonSerials)
{
    struct Case {
        Word y, m, d;
        Int64 serial;
        Word dayOfWeek;  // 1 = Sunday
    };
    const Case cases[] = {
        {1, 1, 1, -693593, 2},   {1582, 10, 15, -115858, 6}, {1899, 12, 29, -1, 6},    {1899, 12, 30, 0, 7},
        {1899, 12, 31, 1, 1},    {1900, 2, 28, 60, 4},       {1900, 3, 1, 61, 5},      {1970, 1, 1, 25569, 5},
        {2000, 2, 29, 36585, 3}, {2024, 2, 29, 45351, 5},    {2026, 12, 10, 46366, 5}, {9999, 12, 31, 2958465, 6},
    };
    for (const auto& c : cases) {
        const TDateTime d = EncodeDate(c.y, c.m, c.d);
        EXPECT_EQ(d, static_cast<double>(c.serial)) << c.y << "-" << c.m << "-" << c.d;
        Word y = 0, m = 0, day = 0;
        DecodeDate(d < 0 ? d - 0.75 : d + 0.75, y, m, day);  // 18:00 of that day
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(m, c.m);
        EXPECT_EQ(day, c.d);
        EXPECT_EQ(DayOfWeek(d), c.dayOfWeek) << c.serial;
    }
}

// Joining and splitting agree with DecodeDate/DecodeTime on both sides of the epoch.
TEST(DateTime, DatesAndTimesJoinAndSplitAsTheyDecode)
{
    struct TCase {
        TDateTime Value, Date, Time;
    };
    for (const TCase c : {TCase{-1.25, -1, 0.25}, TCase{-693519.5, -693519, 0.5}, TCase{1.75, 1, 0.75},
                          TCase{0.5, 0, 0.5}, TCase{-2.0, -2, 0}}) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(DateOf(c.Value), c.Date);
        EXPECT_EQ(TimeOf(c.Value), c.Time);
        EXPECT_EQ(ComposeDateTime(c.Date, c.Time), c.Value);
    }
    // A date with a time of its own takes only its day; a time only its time of day.
    EXPECT_EQ(ComposeDateTime(-1.9, 2.25), -1.25);
    EXPECT_EQ(ComposeDateTime(3.1, -5.5), 3.5);
}

TEST(DateTime, ImpossibleDatesAndTimesRaise)
{
    struct Case {
        Word y, m, d;
    };
    for (const auto& c : {Case{2023, 2, 29}, Case{1900, 2, 29}, Case{2024, 4, 31}, Case{2024, 13, 1}, Case{2024, 0, 1},
                          Case{2024, 1, 0}, Case{0, 1, 1}, Case{10000, 1, 1}}) {
        TDateTime v = 123;
        EXPECT_FALSE(TryEncodeDate(c.y, c.m, c.d, v)) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(v, 123);
        try {
            EncodeDate(c.y, c.m, c.d);
            ADD_FAILURE() << c.y << "-" << c.m << "-" << c.d;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), u"Invalid argument to date encode");
        }
    }
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    for (const auto& t : {std::array<Word, 4>{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}}) {
        try {
            EncodeTime(t[0], t[1], t[2], t[3]);
            ADD_FAILURE() << t[0] << ":" << t[1] << ":" << t[2] << "." << t[3];
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), u"Invalid argument to time encode");
        }
    }
}

// Fractions from Python: (h * 3600000 + m * 60000 + s * 1000 + ms) / 86400000
TEST(DateTime, TimesSplitToTheMillisecond)
{
    struct Case {
        Word h, m, s, ms;
        double fraction;
    };
    const Case cases[] = {
        {6, 0, 0, 0, 0.25},
        {12, 0, 0, 0, 0.5},
        {23, 59, 59, 999, 0.999999988425926},
        {13, 45, 30, 250, 0.5732667824074074},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(EncodeTime(c.h, c.m, c.s, c.ms), c.fraction, 1e-15);
        for (const double date : {45351.0, -10.0}) {
            // Before 1899-12-30 the fraction still counts forward from midnight.
            const TDateTime value = date < 0 ? date - c.fraction : date + c.fraction;
            Word h = 0, m = 0, s = 0, ms = 0;
            DecodeTime(value, h, m, s, ms);
            EXPECT_EQ((std::array<Word, 4>{h, m, s, ms}), (std::array<Word, 4>{c.h, c.m, c.s, c.ms})) << value;
            Word y = 0, mo = 0, d = 0;
            DecodeDate(value, y, mo, d);
            EXPECT_EQ(EncodeDate(y, mo, d), date) << value;
        }
    }
    // A value a hair below midnight rounds to the next day, and date and time agree on it.
    Word h = 9, m = 9, s = 9, ms = 9, y = 0, mo = 0, d = 0;
    DecodeTime(45351.9999999999, h, m, s, ms);
    DecodeDate(45351.9999999999, y, mo, d);
    EXPECT_EQ(h + m + s + ms, 0);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(mo, 3);
    // Values no calendar date can name decode as zeros rather than as some real day.
    for (const double bad : {2958466.0, -693594.0, 1e300, std::nan("")}) {
        DecodeDate(bad, y, mo, d);
        EXPECT_EQ(y + mo + d, 0) << bad;
    }
}

// Expected serials from Python: the same day n months on, clipped with calendar.monthrange.
TEST(DateTime, WeekOfTheYearIsTheIsoWeekAsPythonCountsIt)
{
    // Expected values from Python's datetime.date.isocalendar(); the year's turn both ways.
    struct Case {
        Word y, m, d;
        Word isoYear, week;
    };
    const Case cases[] = {
        {1899, 12, 30, 1899, 52},  // Sat
        {1900, 1, 1, 1900, 1},  // Mon
        {2004, 12, 31, 2004, 53},  // Fri
        {2005, 1, 1, 2004, 53},  // Sat
        {2005, 1, 2, 2004, 53},  // Sun
        {2005, 1, 3, 2005, 1},  // Mon
        {2007, 12, 31, 2008, 1},  // Mon
        {2008, 12, 28, 2008, 52},  // Sun
        {2008, 12, 29, 2009, 1},  // Mon
        {2009, 12, 31, 2009, 53},  // Thu
        {2010, 1, 3, 2009, 53},  // Sun
        {2010, 1, 4, 2010, 1},  // Mon
        {2015, 12, 31, 2015, 53},  // Thu
        {2016, 1, 3, 2015, 53},  // Sun
        {2020, 12, 31, 2020, 53},  // Thu
        {2021, 1, 3, 2020, 53},  // Sun
        {2021, 1, 4, 2021, 1},  // Mon
        {2024, 3, 15, 2024, 11},  // Fri
        {2024, 12, 30, 2025, 1},  // Mon
        {2026, 12, 10, 2026, 50},  // Thu
        {2027, 1, 1, 2026, 53},  // Fri
        {1, 1, 1, 1, 1},  // Mon
        {9999, 12, 31, 9999, 52},  // Fri
    };
    for (const Case& c : cases) {
        const TDateTime date = EncodeDate(c.y, c.m, c.d);
        Word year = 0;
        EXPECT_EQ(WeekOfTheYear(date, year), c.week) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(year, c.isoYear) << c.y << "-" << c.m << "-" << c.d;
        const TDateTime evening = date < 0 ? date - 0.75 : date + 0.75;  // the time counts away from day 0
        EXPECT_EQ(WeekOfTheYear(evening), c.week) << "the time of day does not count";
    }
}

TEST(DateTime, IncMonthClipsTheDay)
{
    struct Case {
        Int64 from;
        Integer months;
        Int64 to;
    };
    const Case cases[] = {
        {45322, 1, 45351},  // 2024-01-31 -> 2024-02-29
        {44957, 1, 44985},  // 2023-01-31 -> 2023-02-28
        {45382, -1, 45351},  // 2024-03-31 -> 2024-02-29
        {45641, 1, 45672},  // 2024-12-15 -> 2025-01-15
        {45306, -1, 45275},  // 2024-01-15 -> 2023-12-15
        {45351, 12, 45716},  // 2024-02-29 -> 2025-02-28
        {45443, -17, 44926},  // 2024-05-31 -> 2022-12-31
        {-29, 1, 2},  // 1899-12-01 -> 1900-01-01
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IncMonth(static_cast<double>(c.from), c.months), static_cast<double>(c.to)) << c.from;
        const double sixAm = c.from < 0 ? c.from - 0.25 : c.from + 0.25;
        EXPECT_DOUBLE_EQ(IncMonth(sixAm, c.months), c.to + 0.25) << "the time stays";
    }
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
}

TEST_F(DateTimeTest, FormatDateTimePictures)
{
    // 2024-02-29 13:05:09.042, a Thursday.
    const TDateTime t = EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 42);
    const TDateTime morning = EncodeDate(2024, 2, 9) + EncodeTime(0, 7, 0, 0);
    struct Case {
        const char16_t* format;
        TDateTime value;
        const char16_t* text;
    };
    const Case cases[] = {
        {u"yyyy-mm-dd hh:nn:ss.zzz", t, u"2024-02-29 13:05:09.042"},
        {u"d/m/yy", t, u"29/2/24"},
        {u"ddd dddd mmm mmmm", t, u"Thu Thursday Feb February"},
        {u"ddddd", t, u"29/02/2024"},
        {u"dddddd", t, u"Thursday, 29 February 2024"},
        {u"c", t, u"29/02/2024 13:05:09"},
        {u"c", EncodeDate(2024, 2, 29), u"29/02/2024"},
        {u"", t, u"29/02/2024 13:05:09"},
        {u"t|tt", t, u"13:05|13:05:09"},
        {u"hh:mm", t, u"13:05"},  // m after an hour means minutes
        {u"h:m d/m", t, u"13:5 29/2"},
        {u"h:nn am/pm", t, u"1:05 pm"},
        {u"h:nn AM/PM", morning, u"12:07 AM"},
        {u"h a/p", t, u"1 p"},
        {u"hh ampm", morning, u"12 AM"},
        {u"s z", t, u"9 42"},
        {u"\"yyyy\" 'mm' yyyy", t, u"yyyy mm 2024"},
        {u"yyyy\u00e9mm", t, u"2024\u00e902"},
        {u"dd/mm/yyyy", EncodeDate(1, 1, 1), u"01/01/0001"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, c.value), c.text) << StringToUtf8(c.format);

    EXPECT_EQ(DateToStr(t), u"29/02/2024");
    EXPECT_EQ(TimeToStr(t), u"13:05:09");
    EXPECT_EQ(DateTimeToStr(t), u"29/02/2024 13:05:09");

    FormatSettings.DateSeparator = u'.';
    FormatSettings.TimeSeparator = u'-';
    FormatSettings.ShortDateFormat = u"d/m/yyyy";
    FormatSettings.LongMonthNames[1] = u"Februar";
    EXPECT_EQ(DateTimeToStr(t), u"29.2.2024 13-05-09");
    EXPECT_EQ(FormatDateTime(u"mmmm", t), u"Februar");

    // A settings text that names itself ends after a bounded depth instead of recursing forever.
    FormatSettings.ShortDateFormat = u"ddddd|";
    EXPECT_EQ(DateToStr(t).find_first_not_of(u'|'), String::npos);
}

TEST_F(DateTimeTest, StrToDateReadsTheShortDateOrder)
{
    struct Case {
        const char16_t* shortFormat;
        const char16_t* text;
        bool ok;
        Word y, m, d;
    };
    const Case cases[] = {
        {u"dd/mm/yyyy", u"29/02/2024", true, 2024, 2, 29},
        {u"dd/mm/yyyy", u" 1/2/2024 ", true, 2024, 2, 1},
        {u"m/d/yyyy", u"2/1/2024", true, 2024, 2, 1},
        {u"yyyy/mm/dd", u"2024/02/01", true, 2024, 2, 1},
        {u"dd/mm/yyyy", u"2024/02/01", false, 0, 0, 0},  // the year read where the day goes
        {u"dd/mm/yyyy", u"29/02/2023", false, 0, 0, 0},
        {u"dd/mm/yyyy", u"31/04/2024", false, 0, 0, 0},
        {u"dd/mm/yyyy", u"1/2/2024x", false, 0, 0, 0},
        {u"dd/mm/yyyy", u"1/2/", false, 0, 0, 0},
        {u"dd/mm/yyyy", u"1", false, 0, 0, 0},
        {u"dd/mm/yyyy", u"1-2-2024", false, 0, 0, 0},
        {u"dd/mm/yyyy", u"", false, 0, 0, 0},
        {u"dd/mm/yyyy", u"1/2/3/4", false, 0, 0, 0},
        {u"dd/mm/yyyy", u"1/2/20245", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        FormatSettings.ShortDateFormat = c.shortFormat;
        TDateTime v = -1;
        EXPECT_EQ(TryStrToDate(c.text, v), c.ok) << StringToUtf8(c.text);
        if (c.ok) {
            EXPECT_EQ(v, EncodeDate(c.y, c.m, c.d)) << StringToUtf8(c.text);
        } else {
            EXPECT_EQ(v, -1) << StringToUtf8(c.text);
            try {
                StrToDate(c.text);
                ADD_FAILURE() << StringToUtf8(c.text);
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.Message(), u"'" + String(c.text) + u"' is not a valid date");
            }
        }
    }
}

TEST_F(DateTimeTest, StrToDateFillsAndWindowsTheYear)
{
    Word thisYear = 0, m = 0, d = 0;
    DecodeDate(Date(), thisYear, m, d);
    EXPECT_EQ(StrToDate(u"3/4"), EncodeDate(thisYear, 4, 3));
    // Two-digit years fall in the 100 years starting TwoDigitYearCenturyWindow years ago.
    const Word justInside = static_cast<Word>((thisYear - 50) % 100);
    const Word justOutside = static_cast<Word>((thisYear - 51) % 100);
    Word y = 0;
    DecodeDate(StrToDate(u"1/1/" + String(justInside < 10 ? u"0" : u"") + Utf8ToString(std::to_string(justInside))), y,
               m, d);
    EXPECT_EQ(y, thisYear - 50);
    DecodeDate(StrToDate(u"1/1/" + Utf8ToString(std::to_string(justOutside))), y, m, d);
    EXPECT_EQ(y, thisYear + 49);
    DecodeDate(StrToDate(u"1/1/0024"), y, m, d);
    EXPECT_EQ(y, 24) << "four digits are taken as written";
    FormatSettings.DateSeparator = u'.';
    EXPECT_EQ(StrToDate(u"29.2.2024"), EncodeDate(2024, 2, 29));
}

TEST_F(DateTimeTest, StrToTimeReadsClockTimes)
{
    struct Case {
        const char16_t* text;
        bool ok;
        Word h, m, s, ms;
    };
    const Case cases[] = {
        {u"13:05", true, 13, 5, 0, 0},        {u" 13:05:09 ", true, 13, 5, 9, 0},
        {u"13:05:09.5", true, 13, 5, 9, 500}, {u"13:05:09.042", true, 13, 5, 9, 42},
        {u"1:05 PM", true, 13, 5, 0, 0},      {u"12:00 am", true, 0, 0, 0, 0},
        {u"12:00 PM", true, 12, 0, 0, 0},     {u"11:59 p", true, 23, 59, 0, 0},
        {u"13:05 PM", false, 0, 0, 0, 0},     {u"0:05 AM", false, 0, 0, 0, 0},
        {u"24:00", false, 0, 0, 0, 0},        {u"12:60", false, 0, 0, 0, 0},
        {u"12", false, 0, 0, 0, 0},           {u"12:", false, 0, 0, 0, 0},
        {u"12:05x", false, 0, 0, 0, 0},       {u"", false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        TDateTime v = -1;
        EXPECT_EQ(TryStrToTime(c.text, v), c.ok) << StringToUtf8(c.text);
        if (c.ok)
            EXPECT_EQ(v, EncodeTime(c.h, c.m, c.s, c.ms)) << StringToUtf8(c.text);
        else
            EXPECT_THROW(StrToTime(c.text), EConvertError) << StringToUtf8(c.text);
    }
    try {
        StrToTime(u"25:00");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"'25:00' is not a valid time");
    }
}

TEST_F(DateTimeTest, TryStrToDateTimeReadsADateATimeOrBoth)
{
    struct Case {
        const char16_t* text;
        bool ok;
        TDateTime value;
    };
    const TDateTime day = EncodeDate(2020, 2, 1);
    const TDateTime time = EncodeTime(10, 30, 0, 0);
    const Case cases[] = {
        {u"1/2/2020", true, day},
        {u"10:30", true, time},
        {u"1/2/2020 10:30", true, day + time},
        {u" 1/2/2020   10:30 PM ", true, day + EncodeTime(22, 30, 0, 0)},
        {u"1/2/2020 10", false, 0},
        {u"1/2/2020 10:30 x", false, 0},
        {u"10:30 1/2/2020", false, 0},
        {u"1/2/2020T10:30", false, 0},
        {u"31/2/2020 10:30", false, 0},
        {u"", false, 0},
    };
    for (const auto& c : cases) {
        TDateTime v = -1;
        EXPECT_EQ(TryStrToDateTime(c.text, v), c.ok) << StringToUtf8(c.text);
        EXPECT_EQ(v, c.ok ? c.value : -1) << StringToUtf8(c.text);
    }
    // A date before 1899-12-30 counts its time forward from midnight, as everywhere else.
    TDateTime v = 0;
    ASSERT_TRUE(TryStrToDateTime(u"29/12/1899 06:00", v));
    EXPECT_EQ(v, -1.25);
}

TEST(DateTime, NowAndDateAgreeWithTheSystemClock)
{
    const TDateTime now = Now();
    const TDateTime today = Date();
    EXPECT_EQ(today, std::floor(today));
    EXPECT_GE(now, today);
    EXPECT_LT(now - today, 1.0 + 1e-6);
    // The Unix clock in days, corrected by the local offset, lands within a day of Now.
    const double unixDays = static_cast<double>(std::time(nullptr)) / 86400.0 + 25569.0;
    EXPECT_LT(std::fabs(now - unixDays), 1.0);
}

}  // namespace
}  // namespace gw
