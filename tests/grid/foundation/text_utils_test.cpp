// Tests of the free text routines, with the OEM conversions checked against iconv fixtures.
//
// Locale accessors, integer helpers, searching, splitting, proper case, URL linking and cell
// references.
#include "grid/foundation/text_utils.h"

#include "platform/runtime/format_settings.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/text_encoding.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

using TextUtils = test::FormatSettingsTest;

TEST_F(TextUtils, LocaleValuesAreReadAtEveryCall)
{
    EXPECT_EQ(GetDecimalSeparatorChar(), u'.');
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    FormatSettings.DateSeparator = u'-';
    FormatSettings.TimeSeparator = u'.';
    FormatSettings.ShortDateFormat = u"yyyy-mm-dd";
    EXPECT_EQ(GetDecimalSeparatorChar(), u',');
    EXPECT_EQ(GetThousandSeparatorChar(), u'.');
    EXPECT_EQ(GetDateSeparatorChar(), u'-');
    EXPECT_EQ(GetTimeSeparatorChar(), u'.');
    EXPECT_EQ(GetShortDateFormat(), u"yyyy-mm-dd");
}

TEST(TextIntegers, ClampAndMinMax)
{
    struct Case {
        Integer value, lower, upper, expected;
    };
    const Case cases[] = {
        {5, 0, 0, 5},    {5, 10, 10, 5},    {5, 10, 0, 10},   {50, 10, 40, 40},
        {50, 0, 40, 40}, {-5, -10, -1, -5}, {20, 10, 40, 20}, {5, 10, 40, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClampToLimits(c.value, c.lower, c.upper), c.expected) << c.value << " " << c.lower << " " << c.upper;
    EXPECT_EQ(IntMax(-3, 2), 2);
    EXPECT_EQ(IntMin(-3, 2), -3);
    struct Rect {
        Integer Left, Top, Right, Bottom;
    } r{1, 2, 3, 4};
    EXPECT_TRUE(CellInGridRect(r, 1, 2));
    EXPECT_TRUE(CellInGridRect(r, 3, 4));
    EXPECT_FALSE(CellInGridRect(r, 0, 3));
    EXPECT_FALSE(CellInGridRect(r, 2, 5));
}

TEST(TextSearch, PositionsAndOutParameters)
{
    Integer at = 99;
    EXPECT_EQ(FirstCharPos(u'b', u"abcb"), 2);
    EXPECT_EQ(FindCharPos(u'z', u"abc", at), 0);
    EXPECT_EQ(at, 99);  // written only when found
    EXPECT_EQ(FindCharPos(u'c', u"abc", at), 3);
    EXPECT_EQ(at, 3);
    EXPECT_EQ(FindTextPos(u"zz", u"abc", at), 0);
    EXPECT_EQ(at, 0);  // always written
    EXPECT_EQ(FindTextPos(u"bc", u"abc", at), 2);
    EXPECT_EQ(PosInUpperCase(u"ÉTÉ", u"un été"), 4);
    EXPECT_EQ(PosInUpperCase(u"été", u"un été"), 0);  // the sub-text is not upper-cased
    EXPECT_EQ(WideTextPos(u"\u20AC", u"5 \u20AC"), 3);
}

TEST(TextSearch, TakeDelimitedFieldAndConcat)
{
    String source = u"ab;cd;";
    EXPECT_EQ(TakeDelimitedField(source, u';'), u"ab");
    EXPECT_EQ(source, u"cd;");
    EXPECT_EQ(TakeDelimitedField(source, u';'), u"cd");
    EXPECT_EQ(source, u"");
    source = u"no delimiter";
    EXPECT_EQ(TakeDelimitedField(source, u';'), u"");
    EXPECT_EQ(source, u"no delimiter");
    source = u";x";
    EXPECT_EQ(TakeDelimitedField(source, u';'), u"");
    EXPECT_EQ(source, u"x");

    TStringList lines;
    lines.Add(u"a");
    lines.Add(u"");
    lines.Add(u"bc");
    EXPECT_EQ(ConcatLines(lines), u"abc");
    String secret = u"pass word";
    FillWithChar(secret, u'*');
    EXPECT_EQ(secret, u"*********");
}

TEST(TextCase, ProperCaseText)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"mcdonald", u"McDonald"},
        {u"old mcdonald", u"Old McDonald"},
        {u"henry iii", u"Henry III"},
        {u"old mcdonald mcgregor", u"Old McDonald Mcgregor"},
        {u"o'neil-smith", u"O'Neil-Smith"},
        {u"mcdonald mcgregor", u"McDonald McGregor"},
        {u"henry iv", u"Henry IV"},
        {u"HELLO wORLD", u"Hello World"},
        {u"élan vital", u"Élan Vital"},
        {u"", u""},
        {u"ivan", u"Ivan"},
        {u"i", u"I"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(ProperCaseText(in), out) << StringToUtf8(in);
    EXPECT_EQ(MatchCaseText(u"Straße é", true), u"Straße é");
    EXPECT_EQ(MatchCaseText(u"abc é", false), u"ABC É");
}

TEST(TextOem, ConversionsMatchIconvForEveryOemCharacter)
{
    // The bytes 0x20..0xFF (without 0x7F) of code page 850 and what iconv makes of them.
    const std::string oemBytes = test::readBytes(test::fixture("text_oem850_bytes.bin"));
    const String unicode = Utf8ToString(test::readBytes(test::fixture("text_oem850_utf8.txt")));
    ASSERT_EQ(oemBytes.size(), 223u);
    ASSERT_EQ(unicode.size(), 223u);

    // Written in the 8-bit code page, the converted text is the OEM bytes.
    String text = unicode;
    TextToOEM(text);
    EXPECT_EQ(StringToAnsi(text), oemBytes);
    OEMToText(text);
    EXPECT_EQ(text, unicode);

    // A text read from an OEM file through the 8-bit code page comes back as Unicode.
    String read = AnsiToString(oemBytes);
    OEMToText(read);
    EXPECT_EQ(read, unicode);
}

TEST(TextOem, TheEightBitSideMatchesIconv)
{
    const std::string bytes = test::readBytes(test::fixture("text_cp1252_bytes.bin"));
    const String unicode = Utf8ToString(test::readBytes(test::fixture("text_cp1252_utf8.txt")));
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(AnsiToString(bytes), unicode);
    String e = u"é";
    TextToOEM(e);
    EXPECT_EQ(StringToAnsi(e), std::string("\x82"));  // é is 0x82 in code page 850
}

TEST(TextUrl, DetectAndStrip)
{
    EXPECT_TRUE(IsURL(u"see http://x.org"));
    EXPECT_TRUE(IsURL(u"mailto:a@b.c"));
    EXPECT_FALSE(IsURL(u"MAILTO:a@b.c"));  // case as written
    EXPECT_FALSE(IsURL(u"www.example.com"));
    const std::pair<const char16_t*, const char16_t*> strips[] = {
        {u"http://x.org/a", u"x.org/a"},
        {u"mailto:a@b.c", u"a@b.c"},
        {u"mailto:x://y", u"y"},
        {u"plain", u"plain"},
    };
    for (const auto& [in, out] : strips) {
        String s = in;
        StripURLProtocol(s);
        EXPECT_EQ(s, out);
    }
}

TEST(TextUrl, AutoLinkURL)
{
    struct Case {
        const char16_t* text;
        Integer result;
        const char16_t* out;
    };
    const Case cases[] = {
        {u"go to http://example.com/a?q=1 now", 1,
         u"go to <a href=\"http://example.com/a\">http://example.com/a</a>?q=1 now"},
        {u"<b>HTTP://X.ORG</b>", 1, u"&lt;b&gt;<a href=\"HTTP://X.ORG\">HTTP://X.ORG</a>&lt;/b&gt;"},
        {u"a http://x.org and http://y.org", 1, u"a <a href=\"http://x.org\">http://x.org</a> and http://y.org"},
        {u"Http://x.org/\u00E9t\u00E9", 1, u"<a href=\"Http://x.org/\">Http://x.org/</a>\u00E9t\u00E9"},
        {u"<b>no link</b>", 0, u"untouched"},
    };
    for (const auto& c : cases) {
        String out = u"untouched";
        EXPECT_EQ(AutoLinkURL(c.text, u"HTTP://", out), c.result) << StringToUtf8(c.text);
        EXPECT_EQ(out, c.out) << StringToUtf8(c.text);
    }
}

TEST(TextReference, ParseRowColReference)
{
    struct Case {
        const char16_t* text;
        bool ok;
        Integer col, row;
    };
    const Case cases[] = {
        {u"r12c3", true, 3, 12},   {u"R0C0", true, 0, 0},     {u"R1C", false, -1, -1},
        {u"RC12", false, -1, -1},  {u"R5C7X", false, -1, -1}, {u"X1C1", false, -1, -1},
        {u"R-2C-3", true, -3, -2}, {u"R1 C2", false, -1, -1}, {u"R 1C 2", true, 2, 1},
    };
    for (const auto& c : cases) {
        Integer col = -1, row = -1;
        EXPECT_EQ(ParseRowColReference(c.text, col, row), c.ok) << StringToUtf8(c.text);
        EXPECT_EQ(col, c.col) << StringToUtf8(c.text);
        EXPECT_EQ(row, c.row) << StringToUtf8(c.text);
    }
}

}  // namespace
}  // namespace gw
