// Tests of character tests and number text, with number characters checked against unicodedata.
//
// data/number_categories.txt lists python3's categories of every UTF-16 unit; classifiers and
// cleaners come from tables of cases.
#include "grid/foundation/number_utils.h"

#include "platform/runtime/format_settings.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace gw {
namespace {

using NumberUtils = test::FormatSettingsTest;

TEST(NumberChars, EveryUtf16UnitFollowsTheUnicodeNumberCategories)
{
    std::ifstream in(test::fixture("number_categories.txt"));
    ASSERT_TRUE(in) << "missing fixture";
    std::string category(0x10000, '?');
    std::vector<std::pair<unsigned, std::string>> runs;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string unit, cat;
        fields >> unit >> cat;
        runs.emplace_back(std::stoul(unit, nullptr, 16), cat);
    }
    ASSERT_EQ(runs.front().first, 0u);
    int numbers = 0;
    for (size_t r = 0; r < runs.size(); ++r) {
        const unsigned end = r + 1 < runs.size() ? runs[r + 1].first : 0x10000;
        const bool number = runs[r].second == "Nd" || runs[r].second == "Nl" || runs[r].second == "No";
        for (unsigned u = runs[r].first; u < end; ++u) {
            ASSERT_EQ(IsNumberChar(static_cast<Char>(u)), number) << std::hex << u << " " << runs[r].second;
            numbers += number;
        }
    }
    EXPECT_GT(numbers, 600);  // the fixture really lists the number ranges
}

TEST(NumberChars, AsciiDigitsOnlyAndThePartTests)
{
    for (unsigned c = 0; c < 0x80; ++c) EXPECT_EQ(IsNumberChar(static_cast<Char>(c)), c >= '0' && c <= '9') << c;
    struct Case {
        Char c;
        bool part, signedPart, plain, orMinus;
    };
    const Case cases[] = {
        {u'5', true, true, true, true},     {u'\u00BD', true, true, true, true}, {u',', true, true, false, false},
        {u'.', true, true, true, false},    {u'e', true, true, true, false},     {u'E', true, true, true, false},
        {u'-', false, true, true, true},    {u'+', false, true, true, false},    {u'$', false, false, false, false},
        {u' ', false, false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNumberPartChar(c.c), c.part) << static_cast<int>(c.c);
        EXPECT_EQ(IsSignedNumberPartChar(c.c), c.signedPart) << static_cast<int>(c.c);
        EXPECT_EQ(IsPlainNumberChar(c.c), c.plain) << static_cast<int>(c.c);
        EXPECT_EQ(IsNumberOrMinusChar(c.c), c.orMinus) << static_cast<int>(c.c);
    }
    for (Char c : {u' ', u'\'', u',', u'-', u'.'}) EXPECT_TRUE(IsWordBreakChar(c));
    EXPECT_FALSE(IsWordBreakChar(u'_'));
    for (Char c : {u',', u'-', u';'}) EXPECT_TRUE(IsRangeSeparator(c));
    EXPECT_FALSE(IsRangeSeparator(u'.'));
}

TEST_F(NumberUtils, PartTestsFollowTheLocaleSeparators)
{
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'\'';
    EXPECT_TRUE(IsNumberPartChar(u'\''));
    EXPECT_TRUE(IsNumberPartChar(u','));
    EXPECT_FALSE(IsNumberPartChar(u'.'));
}

TEST_F(NumberUtils, CleanNumberText)
{
    const std::pair<const char16_t*, const char16_t*> cases[] =
        {
            {u"", u""},        {u"$ 1,234.50", u"1234.50"}, {u"(12)", u"-12"},
            {u"-7 kg", u"-7"}, {u"(1,234.5)", u"-1234.5"},  {u"$", u""},
            {u"+3e5", u"3e5"}, {u"EUR 12.5", u"E"},  // "E" is an exponent letter: kept, and the scan stops at "U"
            {u"abc", u""},     {u"12abc34", u"12"},
        };
    for (const auto& [in, out] : cases) EXPECT_EQ(CleanNumberText(in), out) << StringToUtf8(in);
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    EXPECT_EQ(CleanNumberText(u"€ 1.234,5"), u"1234.5");
    EXPECT_EQ(NumberTextToInvariant(u"1.234,5 x"), u"1234.5 x");
    EXPECT_EQ(RemoveThousandSeparators(u"1.234.567,5"), u"1234567,5");
}

TEST_F(NumberUtils, ClassifyNumberTextGridSet)
{
    const std::pair<const char16_t*, TNumberTextClass> cases[] =
        {
            {u"", ntNotANumber},          {u"42", ntInteger},
            {u"-42", ntInteger},          {u"-", ntInteger},
            {u"1,234.5", ntDecimal},      {u"1,234,567", ntDecimal},
            {u"1,23,456", ntNotANumber},  {u"12,34,567", ntNotANumber},
            {u"1.5.6", ntNotANumber},     {u"+5", ntNotANumber},
            {u"1e5", ntScientific},       {u"1.5E3", ntScientific},
            {u"-1e-5", ntScientific},     {u"1e", ntNotANumber},
            {u"e5", ntNotANumber},        {u"1e5e6", ntNotANumber},
            {u"1-2", ntNotANumber},       {u"--1", ntNotANumber},
            {u"\u0663\u0664", ntInteger},  // Arabic-Indic digits are number characters
            {u"1e+5", ntScientific},      {u"1e5-", ntNotANumber},
            {u"1,5e3", ntNotANumber},
        };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ClassifyNumberText(text), expected) << StringToUtf8(text);
}

TEST_F(NumberUtils, ClassifyNumberTextDropDownSet)
{
    const std::pair<const char16_t*, TNumberTextClass> cases[] = {
        {u"", ntNotANumber},      {u"1-2", ntInteger},      {u"FF", ntHexadecimal}, {u"-1a", ntHexadecimal},
        {u"1.5", ntDecimal},      {u"1.5.5", ntNotANumber}, {u"1,234", ntDecimal},  {u",123", ntNotANumber},
        {u"1,2,3", ntNotANumber}, {u"1g", ntNotANumber},    {u"--1", ntNotANumber}, {u"1,234,567", ntDecimal},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ExtDropDown::ClassifyNumberText(text), expected) << StringToUtf8(text);
}

// With "," decimals and "." thousands the classifiers read the same texts the other way round.
TEST_F(NumberUtils, ClassifiersUnderACommaDecimalLocale)
{
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    const std::pair<const char16_t*, TNumberTextClass> grid[] = {
        {u"1.234,5", ntDecimal},  {u"1.234.567", ntDecimal},  {u"1.23.456", ntNotANumber},
        {u"1,5", ntDecimal},      {u"1,5,6", ntNotANumber},   {u"1,5e3", ntScientific},
        {u"1.5e3", ntNotANumber}, {u"-1,5e-3", ntScientific}, {u"42", ntInteger},
    };
    for (const auto& [text, expected] : grid) EXPECT_EQ(ClassifyNumberText(text), expected) << StringToUtf8(text);
    const std::pair<const char16_t*, TNumberTextClass> dropDown[] = {
        {u"1.234,5", ntDecimal},  {u".123", ntNotANumber},   {u"1,2,3", ntNotANumber},
        {u"1.2.3", ntNotANumber}, {u"1.234.567", ntDecimal}, {u"1,5.5", ntDecimal},
    };
    for (const auto& [text, expected] : dropDown)
        EXPECT_EQ(ExtDropDown::ClassifyNumberText(text), expected) << StringToUtf8(text);
    EXPECT_TRUE(IsNumberPartChar(u'.'));
    EXPECT_TRUE(IsNumberPartChar(u','));
    EXPECT_EQ(CleanNumberText(u"-1.234,5"), u"-1234.5");
}

TEST(NumberConversions, HexDigitsAndColours)
{
    EXPECT_EQ(HexDigitValue(u'7'), 7);
    EXPECT_EQ(HexDigitValue(u'b'), 11);
    EXPECT_EQ(HexDigitValue(u'F'), 15);
    EXPECT_EQ(HexDigitValue(u'G'), 0);
    EXPECT_EQ(HexTextToInt(u"1F"), 31);
    EXPECT_EQ(HexTextToInt(u"1G"), 16);
    EXPECT_EQ(HexTextToInt(u""), 0);
    EXPECT_EQ(HexTextToInt(u"FFFFFFFF"), -1);
    EXPECT_EQ(HexTextToInt(u"100000001"), 1);  // wraps
    EXPECT_EQ(ColorToHex(TColorOf(0x030201)), u"010203");
    EXPECT_EQ(ColorToHex(TColorOf(0xFF00000D)), u"0D0000");  // system colour not resolved
}

}  // namespace
}  // namespace gw
