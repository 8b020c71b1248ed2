// Number <-> text conversions: the integer rule, float reading and writing, pictures, rounding.
#include "platform/runtime/convert.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace gw {
namespace {

// Restores the program-wide settings after a test that changes them.
using ConvertTest = test::FormatSettingsTest;

struct IntCase {
    const char16_t* text;
    bool ok;
    Int64 value;
};

TEST(Convert, StrToIntFollowsTheIntegerRule)
{
    const IntCase cases[] = {
        {u"12", true, 12},
        {u"  -12", true, -12},
        {u"+12", true, 12},
        {u"\t5", true, 5},
        {u"0012", true, 12},
        {u"$1F", true, 31},
        {u"-$10", true, -16},
        {u"0x1f", true, 31},
        {u"0X1F", true, 31},
        {u"x1F", false, 0},  // only "$" and "0x" introduce hexadecimal
        {u"X1f", false, 0},
        {u"2147483647", true, 2147483647},
        {u"-2147483648", true, -2147483647 - 1},
        {u"$7FFFFFFF", true, 2147483647},
        {u"$FFFFFFFF", true, -1},  // a full 32-bit pattern
        {u"-$80000000", true, -2147483647 - 1},
        {u"2147483648", false, 0},  // one past the range is an error, not a wrap
        {u"-2147483649", false, 0},
        {u"99999999999", false, 0},
        {u"$100000000", false, 0},
        {u"-$80000001", false, 0},
        {u"12 ", false, 0},  // nothing after the digits
        {u"12a", false, 0},
        {u"1e3", false, 0},
        {u"1.0", false, 0},
        {u"", false, 0},
        {u" ", false, 0},
        {u"-", false, 0},
        {u"+-1", false, 0},
        {u"--1", false, 0},
        {u"- 5", false, 0},
        {u"$", false, 0},
        {u"0x", false, 0},
        {u"$ 5", false, 0},
        {u"$-5", false, 0},
        {u"00x12", false, 0},
        {u"#12", false, 0},
        {u"\uFF11", false, 0},  // a full-width digit is not a digit here
    };
    for (const auto& c : cases) {
        const std::string what = StringToUtf8(c.text);
        Integer value = 77;
        EXPECT_EQ(TryStrToInt(c.text, value), c.ok) << what;
        EXPECT_EQ(StrToIntDef(c.text, -5), c.ok ? c.value : -5) << what;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << what;
            EXPECT_EQ(StrToInt(c.text), c.value) << what;
        } else {
            EXPECT_EQ(value, 77) << what << ": failure leaves the target alone";
            try {
                StrToInt(c.text);
                ADD_FAILURE() << what << " was accepted";
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.Message(), u"'" + String(c.text) + u"' is not a valid integer value");
            }
        }
    }
}

TEST(Convert, StrToInt64HasItsOwnRange)
{
    const IntCase cases[] = {
        {u"2147483648", true, 2147483648LL},
        {u"9223372036854775807", true, std::numeric_limits<Int64>::max()},
        {u"-9223372036854775808", true, std::numeric_limits<Int64>::min()},
        {u"$FFFFFFFFFFFFFFFF", true, -1},
        {u"0x8000000000000000", true, std::numeric_limits<Int64>::min()},
        {u"9223372036854775808", false, 0},
        {u"-9223372036854775809", false, 0},
        {u"$10000000000000000", false, 0},
        {u"7 7", false, 0},
    };
    for (const auto& c : cases) {
        Int64 value = 0;
        EXPECT_EQ(TryStrToInt64(c.text, value), c.ok) << StringToUtf8(c.text);
        EXPECT_EQ(StrToInt64Def(c.text, 3), c.ok ? c.value : 3) << StringToUtf8(c.text);
    }
    EXPECT_THROW(StrToInt64(u"x"), EConvertError);
}

TEST(Convert, IntToStrAndIntToHex)
{
    EXPECT_EQ(IntToStr(0), u"0");
    EXPECT_EQ(IntToStr(-2147483648LL), u"-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::min()), u"-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 1), u"FF");
    EXPECT_EQ(IntToHex(255, 4), u"00FF");
    EXPECT_EQ(IntToHex(-1, 4), u"FFFFFFFF");
    EXPECT_EQ(IntToHex(Int64{-1}, 4), u"FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(Cardinal{0x80000000u}, 0), u"80000000");
    EXPECT_EQ(IntToHex(0, 0), u"0");
}

TEST_F(ConvertTest, StrToFloatUsesTheDecimalSeparator)
{
    struct Case {
        const char16_t* text;
        bool ok;
        double value;
    };
    const Case dot[] = {
        {u"1.5", true, 1.5},  {u" -1.5 ", true, -1.5}, {u"+.5", true, 0.5},
        {u"5.", true, 5},     {u"1e3", true, 1000},    {u"1.25E-2", true, 0.0125},
        {u"0.1", true, 0.1},  {u"1e-400", true, 0},  // underflow reads as zero
        {u"1e400", false, 0},  // overflow is an error
        {u"1,5", false, 0},   {u"1,000.5", false, 0},  {u".", false, 0},
        {u"", false, 0},      {u"1e", false, 0},       {u"e5", false, 0},
        {u"1.5x", false, 0},  {u"--1", false, 0},      {u"INF", false, 0},
        {u"NAN", false, 0},
    };
    for (const auto& c : dot) {
        double v = -7;
        EXPECT_EQ(TryStrToFloat(c.text, v), c.ok) << StringToUtf8(c.text);
        EXPECT_EQ(v, c.ok ? c.value : -7) << StringToUtf8(c.text);
    }
    EXPECT_EQ(StrToFloatDef(u"zz", 2.5), 2.5);
    try {
        StrToFloat(u"1,5");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"'1,5' is not a valid floating point value");
    }
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(StrToFloat(u"1,5"), 1.5);
    EXPECT_THROW(StrToFloat(u"1.5"), EConvertError);
}

TEST_F(ConvertTest, FloatToStrIsShortestUpToFifteenDigits)
{
    struct Case {
        double value;
        const char16_t* text;
    };
    const Case cases[] = {
        {0, u"0"},
        {-0.0, u"0"},
        {1.5, u"1.5"},
        {-1.5, u"-1.5"},
        {0.1 + 0.2, u"0.3"},
        {1e15, u"1E15"},
        {123456789012345.6, u"123456789012346"},
        {1e20, u"1E20"},
        {1.5e-7, u"1.5E-7"},
        {0.0001, u"0.0001"},
        {0.00001, u"1E-5"},
        {1.0 / 3.0, u"0.333333333333333"},
        {std::numeric_limits<double>::infinity(), u"INF"},
        {-std::numeric_limits<double>::infinity(), u"-INF"},
        {std::nan(""), u"NAN"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(FloatToStr(1.5), u"1,5");
    EXPECT_EQ(FloatToStr(1.5e-7), u"1,5E-7");
}

TEST_F(ConvertTest, FloatToStrFFormats)
{
    struct Case {
        double value;
        TFloatFormat format;
        Integer precision, digits;
        const char16_t* text;
    };
    const Case cases[] = {
        {1234.5, ffGeneral, 3, 0, u"1.23E3"},
        {1234.5, ffGeneral, 15, 0, u"1234.5"},
        {1234.5, ffExponent, 4, 2, u"1.235E+03"},
        {1234.5, ffExponent, 4, 0, u"1.235E+3"},
        {-0.000123, ffExponent, 3, 3, u"-1.23E-004"},
        {0, ffExponent, 3, 2, u"0.00E+00"},
        {1.5, ffFixed, 15, 2, u"1.50"},
        {123.456, ffFixed, 4, 2, u"123.50"},  // precision limits the significant digits
        {2.675, ffFixed, 15, 2, u"2.68"},  // halves as displayed round away from zero
        {0.125, ffFixed, 15, 2, u"0.13"},
        {-0.001, ffFixed, 15, 2, u"0.00"},  // no "-0.00"
        {0.5, ffFixed, 15, 0, u"1"},
        {1e20, ffFixed, 15, 2, u"1E20"},
        {1234567.891, ffNumber, 15, 2, u"1,234,567.89"},
        {-1234.5, ffNumber, 15, 0, u"-1,235"},
        {999.999, ffNumber, 15, 2, u"1,000.00"},
        {-1234.5, ffCurrency, 15, 2, u"-$1,234.50"},
        {1234.5, ffCurrency, 15, 2, u"$1,234.50"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.text) << &c - cases;

    FormatSettings.CurrencyString = u"EUR";
    FormatSettings.CurrencyFormat = 3;
    FormatSettings.NegCurrFormat = 8;
    FormatSettings.ThousandSeparator = u'.';
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), u"1.234,50 EUR");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2), u"-1.234,50 EUR");
    FormatSettings.NegCurrFormat = 0;
    FormatSettings.CurrencyString = u"$";
    EXPECT_EQ(FloatToStrF(-1, ffCurrency, 15, 0), u"($1)");
}

TEST_F(ConvertTest, FormatFloatPictures)
{
    struct Case {
        const char16_t* format;
        double value;
        const char16_t* text;
    };
    const Case cases[] = {
        {u"0.00", 1.5, u"1.50"},
        {u"#,##0.00", 1234567.891, u"1,234,567.89"},
        {u"#,##0", -1234, u"-1,234"},
        {u"#,##0", 12, u"12"},
        {u"#.##", 0.5, u".5"},
        {u"0.0#", 1.25, u"1.25"},
        {u"0.0#", 1.5, u"1.5"},
        {u"0000", 12, u"0012"},
        {u"00", 12345, u"12345"},
        {u"0.00E+00", 12345, u"1.23E+04"},
        {u"0.###E-0", 0.00012345, u"1.235E-4"},
        {u"00.0E+0", 12345, u"12.3E+3"},
        {u"0.00;(0.00);zero", -3.5, u"(3.50)"},
        {u"0.00;(0.00);zero", 0, u"zero"},
        {u"0.00;(0.00);zero", 0.001, u"zero"},  // shows as zero, so it is the zero section
        {u"0.00;;zero", -3.5, u"-3.50"},  // empty negative section: the positive one, signed
        {u"", 1.5, u"1.5"},
        {u"\"abc\"0", 5, u"abc5"},
        {u"'#'0", 5, u"#5"},
        {u"x0y", 5, u"x5y"},
        {u"#", 0, u""},
        {u"#,###", 0, u""},
        {u"0.", 1, u"1"},
        {u"0.00", 0.125, u"0.13"},
        {u"0.00", -0.001, u"0.00"},
        {u"0", 2.5, u"3"},
        {u"0 %", 42, u"42 %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.format, c.value), c.text) << StringToUtf8(c.format) << " " << c.value;
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    EXPECT_EQ(FormatFloat(u"#,##0.00", 1234.5), u"1.234,50");
}

TEST(Convert, RoundHalvesToEvenTruncCutsTowardZero)
{
    struct Case {
        double value;
        Int64 rounded, truncated;
    };
    const Case cases[] = {
        {0.5, 0, 0},    {1.5, 2, 1},
        {2.5, 2, 2},    {-0.5, 0, 0},
        {-1.5, -2, -1}, {-2.5, -2, -2},
        {2.4999, 2, 2}, {2.5001, 3, 2},
        {-2.7, -3, -2}, {1e15 + 0.5, 1000000000000000, 1000000000000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Round(c.value), c.rounded) << c.value;
        EXPECT_EQ(Trunc(c.value), c.truncated) << c.value;
    }
    EXPECT_THROW(Round(1e19), EMathError);
    EXPECT_THROW(Trunc(std::nan("")), EMathError);
    EXPECT_EQ(BoolToStr(true), u"-1");
    EXPECT_EQ(BoolToStr(false, true), u"False");
}

}  // namespace
}  // namespace gw
