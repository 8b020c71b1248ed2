// Format: conversions, width/precision/index specifiers and the errors of a bad format.
#include "platform/runtime/format.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

using FormatTest = test::FormatSettingsTest;

TEST_F(FormatTest, ConvertsEachArgumentKind)
{
    const String abc = u"abc";
    struct Case {
        String result;
        const char16_t* expected;
    };
    const Case cases[] = {
        {Format(u"%d", {12}), u"12"},
        {Format(u"%d", {-2147483647LL - 1}), u"-2147483648"},
        {Format(u"%d", {static_cast<long long>(INT64_MIN)}), u"-9223372036854775808"},
        {Format(u"%5d|%-5d|", {12, 12}), u"   12|12   |"},
        {Format(u"%.4d", {-12}), u"-0012"},
        {Format(u"%u", {-1}), u"4294967295"},
        {Format(u"%u", {7u}), u"7"},
        {Format(u"%x", {255}), u"FF"},
        {Format(u"%.4x", {255}), u"00FF"},
        {Format(u"%x", {-1}), u"FFFFFFFF"},
        {Format(u"%s", {abc}), u"abc"},
        {Format(u"%s|%s", {u"lit", StringView(u"view")}), u"lit|view"},
        {Format(u"%.2s", {abc}), u"ab"},
        {Format(u"%5s|%-5s|", {u"ab", u"ab"}), u"   ab|ab   |"},
        {Format(u"%f", {1.5}), u"1.50"},
        {Format(u"%.3f", {2.0005}), u"2.001"},
        {Format(u"%.2f", {2.675}), u"2.68"},
        {Format(u"%.0f", {2.5}), u"3"},
        {Format(u"%f", {-0.001}), u"0.00"},
        {Format(u"%e", {1234.5}), u"1.23450000000000E+003"},
        {Format(u"%.3e", {1234.5}), u"1.23E+003"},
        {Format(u"%e", {0.0}), u"0.00000000000000E+000"},
        {Format(u"%g", {1234.5}), u"1234.5"},
        {Format(u"%g", {1e20}), u"1E20"},
        {Format(u"%.3g", {1234.5}), u"1.23E3"},
        {Format(u"%n", {1234567.891}), u"1,234,567.89"},
        {Format(u"%.0n", {1234.5}), u"1,235"},
        {Format(u"%m", {-1234.5}), u"-$1,234.50"},
        {Format(u"%m", {1234.5}), u"$1,234.50"},
        {Format(u"%p", {static_cast<const void*>(nullptr)}), u"0000000000000000"},
        {Format(u"100%% of %d", {3}), u"100% of 3"},
        {Format(u"no specifiers", {}), u"no specifiers"},
        {Format(u"%D %S %X", {1, u"s", 10}), u"1 s A"},
        {Format(u"[%s]", {u'.'}), u"[.]"},
        {Format(u"[%s]", {static_cast<const Char*>(nullptr)}), u"[]"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << &c - cases;
}

TEST_F(FormatTest, StarsAndIndexesTakeArgumentsInOrder)
{
    EXPECT_EQ(Format(u"%1:s %0:s %s", {u"a", u"b"}), u"b a b");
    EXPECT_EQ(Format(u"%0:s-%0:s", {u"x"}), u"x-x");
    EXPECT_EQ(Format(u"%*d", {5, 3}), u"    3");
    EXPECT_EQ(Format(u"%-*.*f|", {8, 2, 3.14159}), u"3.14    |");
    EXPECT_EQ(Format(u"%*:s", {1, u"zero", u"one"}), u"zero");  // index 1 from '*': "zero"
    EXPECT_EQ(Format(u"%2:-6s|", {u"a", u"b", u"c"}), u"c     |");
}

TEST_F(FormatTest, FollowsTheSettings)
{
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    FormatSettings.CurrencyString = u"\u20AC";
    FormatSettings.CurrencyFormat = 3;
    FormatSettings.CurrencyDecimals = 0;
    EXPECT_EQ(Format(u"%n|%.1f|%m", {1234.5, 0.25, 1234.0}), u"1.234,50|0,3|1.234 \u20AC");
}

TEST_F(FormatTest, BadFormatsRaiseTheRuntimeMessage)
{
    struct Case {
        const char16_t* format;
        bool missing;  // "No argument" rather than "invalid or incompatible"
        std::function<String(const char16_t*)> call;
    };
    const auto one = [](const char16_t* f) { return Format(f, {1}); };
    const auto oneFloat = [](const char16_t* f) { return Format(f, {1.5}); };
    const auto oneString = [](const char16_t* f) { return Format(f, {u"s"}); };
    const Case cases[] = {
        {u"%d", false, oneFloat},  // an integer conversion of a float
        {u"%f", false, one},  // and the other way round, as the runtime insists
        {u"%s", false, one},
        {u"%d", false, oneString},
        {u"%d", false, [](const char16_t* f) { return Format(f, {u'x'}); }},
        {u"%p", false, one},
        {u"%z", false, one},
        {u"%", false, one},
        {u"abc%", false, one},
        {u"%5", false, one},
        {u"%-", false, one},
        {u"%.", false, one},
        {u"%*d", false, oneFloat},  // width from a non-integer
        {u"%99999999999d", false, one},
        {u"%d %d", true, one},
        {u"%2:d", true, one},
        {u"%d", true, [](const char16_t* f) { return Format(f, {}); }},
    };
    for (const auto& c : cases) {
        const std::string what = StringToUtf8(c.format);
        try {
            c.call(c.format);
            ADD_FAILURE() << what << " was accepted";
        } catch (const EConvertError& e) {
            const String expected = c.missing
                ? u"No argument for format '" + String(c.format) + u"'"
                : u"Format '" + String(c.format) + u"' invalid or incompatible with argument";
            EXPECT_EQ(e.Message(), expected) << what;
        }
    }
}

}  // namespace
}  // namespace gw

namespace gw {
namespace {

// Format texts come from language files: a width or precision nobody can mean (found by fuzzing:
// "%-*.f" with a huge argument asked for terabytes) is a bad format, not an allocation failure.
TEST_F(FormatTest, HugeWidthsAndPrecisionsAreRefused)
{
    const std::string lines = test::readBytes(test::fixture("fuzz-regress-format-widths.txt"));
    ASSERT_FALSE(lines.empty());
    size_t start = 0;
    while (start < lines.size()) {
        const size_t end = lines.find('\n', start);
        const String format = Utf8ToString(lines.substr(start, end - start));
        start = end == std::string::npos ? lines.size() : end + 1;
        const Int64 huge = Int64{1} << 40;
        EXPECT_THROW(Format(format, {huge, huge, 1.5, huge}), EConvertError) << StringToUtf8(format);
    }
    // The largest width still allowed is honoured.
    EXPECT_EQ(Format(u"%65535d", {7}).size(), 65535u);
    EXPECT_EQ(Format(u"%*d", {3, 7}), u"  7");
}

}  // namespace
}  // namespace gw
