// Tests of dates in cell text, with values checked against python3's datetime.
//
// data/date_values.txt holds the reference values; failures and the century rule of the
// short-date parsers come from tables of cases.
#include "grid/foundation/date_utils.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace gw {
namespace {

class DateUtils : public test::FormatSettingsTest {
protected:
    void DayMonthYear()
    {
        FormatSettings.ShortDateFormat = u"dd/MM/yyyy";
        FormatSettings.DateSeparator = u'/';
        FormatSettings.TimeSeparator = u':';
    }
};

std::vector<std::vector<std::string>> ReadCases()
{
    std::ifstream in(test::fixture("date_values.txt"));
    EXPECT_TRUE(in) << "missing fixture";
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string f; std::getline(split, f, '|');) fields.push_back(f);
        rows.push_back(fields);
    }
    return rows;
}

TEST_F(DateUtils, ValuesAgreeWithPythonDatetime)
{
    int checked = 0;
    for (const auto& row : ReadCases()) {
        SCOPED_TRACE(row[0] + " " + row[row.size() - 2]);
        const double expected = std::stod(row.back());
        if (row[0] == "parse") {
            FormatSettings.ShortDateFormat = Utf8ToString(row[1]);
            FormatSettings.DateSeparator = Utf8ToString(row[2])[0];
            TDateTime value = 0;
            ASSERT_TRUE(ParseDateTimeText(Utf8ToString(row[3]), value));
            EXPECT_NEAR(value, expected, 1e-9);
        } else if (row[0] == "eu") {
            EXPECT_DOUBLE_EQ(ParseShortDateEU(Utf8ToString(row[1])), expected);
        } else if (row[0] == "us") {
            EXPECT_DOUBLE_EQ(ParseShortDateUS(Utf8ToString(row[1])), expected);
        } else if (row[0] == "inc") {
            int y = 0, m = 0, d = 0, full = 0;
            ASSERT_EQ(std::sscanf(row[1].c_str(), "%d,%d,%d,%d", &y, &m, &d, &full), 4);
            EXPECT_NEAR(IncrementDate(static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d),
                                      std::stod(row[2]), full),
                        expected, 1e-9);
        }
        ++checked;
    }
    EXPECT_GE(checked, 30);
}

TEST_F(DateUtils, ParseDateTimeTextRejects)
{
    DayMonthYear();
    const char16_t* rejected[] = {
        u"30/02/2023",
        u"32/01/2023",
        u"1/1",
        u"1/13/2023",
        u"31/04/2023",
        u"29/02/2023",
        u"a/1/2023",
        u"1/1/2023x",
        u"1/1/2023 24:00",
        u"1/1/2023 12:60",
        u"1/1/2023 12:00:61",
        u"1/1/2023 12:00:60",
        u"1/1/0",
        u"1/1/10000",
        u"-1/1/2023",
        u"1/1/65537",
        u"",
        u"1/1/2023 a:1",
    };
    for (const char16_t* text : rejected) {
        TDateTime value = 123.0;
        EXPECT_FALSE(ParseDateTimeText(text, value)) << StringToUtf8(text);
        EXPECT_EQ(value, 123.0) << StringToUtf8(text);  // not written
    }
}

TEST_F(DateUtils, ParseDateTimeTextTimeWithoutSeparatorWritesTheDate)
{
    DayMonthYear();
    TDateTime value = 123.0;
    EXPECT_FALSE(ParseDateTimeText(u"31/12/2023 12", value));
    EXPECT_EQ(value, 45291.0);
}

TEST_F(DateUtils, ShortDatesWindowOnlyShortYears)
{
    // Full years stay as written (they used to gain 1900: 2023 became 3923, 8100 raised).
    EXPECT_EQ(ParseShortDateEU(u"31.12.2023"), ParseShortDateEU(u"31.12.23"));
    EXPECT_EQ(ParseShortDateUS(u"1/1/8100"), 2264506.0);
    EXPECT_EQ(ParseShortDateEU(u"1.1.25"), ParseShortDateEU(u"1.1.2025"));
    EXPECT_EQ(ParseShortDateEU(u"1.1.26"), ParseShortDateEU(u"1.1.1926"));
    EXPECT_EQ(ParseShortDateEU(u"1.1. +7"), ParseShortDateEU(u"1.1.2007"));
    // Shorter than four digits, a year is windowed by its value, leading zeros or not; four
    // digits stay as typed.
    EXPECT_EQ(ParseShortDateEU(u"1.1.025"), ParseShortDateEU(u"1.1.2025"));
    EXPECT_EQ(ParseShortDateEU(u"1.1.099"), ParseShortDateEU(u"1.1.1999"));
    EXPECT_EQ(ParseShortDateUS(u"1/1/007"), ParseShortDateUS(u"1/1/2007"));
    EXPECT_EQ(ParseShortDateEU(u"1.1.0025"), -684827.0);  // 1 January of the year 25
    EXPECT_EQ(ParseShortDateEU(u"1.1.100"), ParseShortDateEU(u"1.1.2000"));
    EXPECT_LT(ParseShortDateEU(u"31.12.1999"), ParseShortDateEU(u"1.1.2000"));
    const char16_t* zero[] = {u"", u"31122023", u"1.2/2023", u"a.1.2023", u"1.1.", u"1.1.2023 "};
    for (const char16_t* text : zero) EXPECT_EQ(ParseShortDateEU(text), 0.0) << StringToUtf8(text);
    const char16_t* impossible[] = {u"31.4.2023", u"29.2.2023", u"1.13.2023", u"0.1.2023", u"1.1.10000"};
    for (const char16_t* text : impossible) EXPECT_THROW(ParseShortDateEU(text), EConvertError) << StringToUtf8(text);
    EXPECT_THROW(ParseShortDateUS(u"13/1/2023"), EConvertError);
}

TEST_F(DateUtils, IsDateLike)
{
    DayMonthYear();
    const std::pair<const char16_t*, bool> cases[] = {
        {u"1/2/3", true}, {u"/1/2", false}, {u"1//2", false}, {u"1/2", false}, {u"ab/cd/", true}, {u"", false},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(IsDateLike(text), expected) << StringToUtf8(text);
}

// A locale with "." or "-" between the date parts and "." between hours and minutes (with ","
// decimals and "." thousands, as in much of Europe).
TEST_F(DateUtils, OtherSeparatorsFollowTheLocale)
{
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    FormatSettings.TimeSeparator = u'.';
    for (const Char sep : {u'.', u'-'}) {
        FormatSettings.DateSeparator = sep;
        FormatSettings.ShortDateFormat = String(u"dd") + sep + u"mm" + sep + u"yyyy";
        auto text = [&](const char16_t* pattern) {
            String out = pattern;
            for (Char& c : out)
                if (c == u'|') c = sep;
            return out;
        };
        const std::pair<String, bool> dateLike[] = {
            {text(u"1|2|3"), true},
            {text(u"|1|2"), false},
            {text(u"1||2"), false},
            {u"1/2/3", false},
        };
        for (const auto& [t, expected] : dateLike) EXPECT_EQ(IsDateLike(t), expected) << StringToUtf8(t);
        TDateTime value = 0;
        ASSERT_TRUE(ParseDateTimeText(text(u"31|12|2023 23.59.58"), value)) << static_cast<char>(sep);
        EXPECT_DOUBLE_EQ(value, 45291.0 + (23 * 3600 + 59 * 60 + 58) / 86400.0);
        ASSERT_TRUE(ParseDateTimeText(text(u"31|12|2023 12.30"), value));
        EXPECT_DOUBLE_EQ(value, 45291.5 + 30 * 60 / 86400.0);
        EXPECT_FALSE(ParseDateTimeText(text(u"31|12|2023 12:30"), value));  // ":" is no separator here
        EXPECT_FALSE(ParseDateTimeText(u"31/12/2023", value));
    }
}

TEST_F(DateUtils, IncrementDateFailures)
{
    const TDateTime jan31 = 45322.0;  // 31 January 2024
    EXPECT_THROW(IncrementDate(0, 1, 0, jan31, 0), EConvertError);
    EXPECT_THROW(IncrementDate(1, 0, 0, 45351.0, 0), EConvertError);  // 29 Feb 2024 + 1 year
    EXPECT_THROW(IncrementDate(0, -2, 0, jan31, 0), EConvertError);  // below minus the month
    EXPECT_THROW(IncrementDate(0, 25, 0, 45306.0, 0), EConvertError);  // beyond 24 - month
    EXPECT_NO_THROW(IncrementDate(0, 23, 0, 45306.0, 0));
}

}  // namespace
}  // namespace gw
