// Text routines: 1-based positions, case, trimming, replacing, comparing and quoting.
#include "platform/runtime/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace gw {
namespace {

TEST(Strings, PositionsAreOneBasedAndClipped)
{
    EXPECT_EQ(Pos(u"c", u"abcabc"), 3);
    EXPECT_EQ(Pos(u"x", u"abc"), 0);
    EXPECT_EQ(Pos(u"", u"abc"), 0);
    EXPECT_EQ(PosEx(u"c", u"abcabc", 4), 6);
    EXPECT_EQ(PosEx(u"c", u"abcabc", 7), 0);
    EXPECT_EQ(PosEx(u"c", u"abcabc", 0), 0);

    EXPECT_EQ(Copy(u"abcdef", 2, 3), u"bcd");
    EXPECT_EQ(Copy(u"abcdef", 0, 2), u"ab");
    EXPECT_EQ(Copy(u"abcdef", 5, 100), u"ef");
    EXPECT_EQ(Copy(u"abcdef", 7, 1), u"");
    EXPECT_EQ(Copy(u"abcdef", 2, -1), u"");

    struct DeleteCase {
        Integer index, count;
        const char16_t* result;
    };
    for (const auto& c : {DeleteCase{2, 2, u"adef"}, DeleteCase{5, 10, u"abcd"}, DeleteCase{0, 2, u"abcdef"},
                          DeleteCase{7, 1, u"abcdef"}, DeleteCase{1, 0, u"abcdef"}}) {
        String s = u"abcdef";
        Delete(s, c.index, c.count);
        EXPECT_EQ(s, c.result) << c.index << "," << c.count;
    }
    struct InsertCase {
        Integer index;
        const char16_t* result;
    };
    for (const auto& c : {InsertCase{1, u"XYabc"}, InsertCase{3, u"abXYc"}, InsertCase{4, u"abcXY"},
                          InsertCase{99, u"abcXY"}, InsertCase{-3, u"XYabc"}}) {
        String s = u"abc";
        Insert(u"XY", s, c.index);
        EXPECT_EQ(s, c.result) << c.index;
    }
}

TEST(Strings, PlainCaseIsAsciiOnlyAnsiCaseIsUnicode)
{
    EXPECT_EQ(UpperCase(u"abc\u00e9\u03b1z"), u"ABC\u00e9\u03b1Z");
    EXPECT_EQ(LowerCase(u"ABC\u00c9Z"), u"abc\u00c9z");
    EXPECT_EQ(AnsiUpperCase(u"stra\u00dfe \u00e9t\u00e9 \u03b1\u03b2 \u0161"),
              u"STRA\u00dfE \u00c9T\u00c9 \u0391\u0392 \u0160");
    EXPECT_EQ(AnsiLowerCase(u"\u00c9COLE \u0160"), u"\u00e9cole \u0161");
    // Letters outside the basic plane keep their surrogate pairs intact.
    EXPECT_EQ(AnsiUpperCase(u"\U00010428x"), u"\U00010400X");
    EXPECT_EQ(UpCase(u'q'), u'Q');
    EXPECT_EQ(UpCase(u'\u00e9'), u'\u00e9');
}

TEST(Strings, TrimRemovesBlanksAndControlsOnly)
{
    EXPECT_EQ(Trim(u" \t\r\n a b \x01"), u"a b");
    EXPECT_EQ(TrimLeft(u"  a "), u"a ");
    EXPECT_EQ(TrimRight(u"  a \n"), u"  a");
    EXPECT_EQ(Trim(u"\u00A0a\u00A0"), u"\u00A0a\u00A0");  // a no-break space is text
    EXPECT_EQ(Trim(u"   "), u"");
}

TEST(Strings, StringReplaceHonoursItsFlags)
{
    struct Case {
        const char16_t *s, *from, *to;
        TReplaceFlags flags;
        const char16_t* result;
    };
    const Case cases[] = {
        {u"aXbXc", u"X", u"--", 0, u"a--bXc"},
        {u"aXbXc", u"X", u"--", rfReplaceAll, u"a--b--c"},
        {u"aXbxc", u"x", u"-", rfReplaceAll, u"aXb-c"},
        {u"aXbxc", u"x", u"-", rfReplaceAll | rfIgnoreCase, u"a-b-c"},
        {u"\u00c9t\u00e9", u"\u00e9", u"e", rfReplaceAll | rfIgnoreCase, u"ete"},
        {u"aaa", u"aa", u"a", rfReplaceAll, u"aa"},  // no rescanning of replaced text
        {u"abc", u"", u"x", rfReplaceAll, u"abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.result) << static_cast<int>(c.flags);
}

int sign(Integer v) { return (v > 0) - (v < 0); }

TEST(Strings, ComparisonsOrdinalAndCollating)
{
    struct Case {
        const char16_t *a, *b;
        int str, text, ansiStr, ansiText;
    };
    const Case cases[] = {
        {u"abc", u"abc", 0, 0, 0, 0},
        {u"a", u"B", 1, -1, -1, -1},
        {u"a", u"A", 1, 0, -1, 0},
        {u"ab", u"abc", -1, -1, -1, -1},
        {u"\u00e9", u"f", 1, 1, -1, -1},  // accented letters sort with their base letter
        {u"e", u"\u00e9", -1, -1, -1, -1},
        {u"\u00e9a", u"eb", 1, 1, -1, -1},
        {u"\u00c9", u"\u00e9", -1, -1, 1, 0},  // CompareText folds ASCII only
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(&c - cases);
        EXPECT_EQ(sign(CompareStr(c.a, c.b)), c.str) << what;
        EXPECT_EQ(sign(CompareText(c.a, c.b)), c.text) << what;
        EXPECT_EQ(sign(AnsiCompareStr(c.a, c.b)), c.ansiStr) << what;
        EXPECT_EQ(sign(AnsiCompareText(c.a, c.b)), c.ansiText) << what;
        EXPECT_EQ(sign(AnsiCompareStr(c.b, c.a)), -c.ansiStr) << what;
    }
    std::vector<String> words{u"b", u"\u00c9cole", u"B", u"ecole", u"a", u"Ecole", u"\u00e9cole", u"A"};
    std::sort(words.begin(), words.end(), [](const String& x, const String& y) { return AnsiCompareStr(x, y) < 0; });
    const std::vector<String> expected{u"a", u"A", u"b", u"B", u"ecole", u"Ecole", u"\u00e9cole", u"\u00c9cole"};
    EXPECT_EQ(words, expected);

    EXPECT_TRUE(SameText(u"AbC", u"aBc"));
    EXPECT_FALSE(SameText(u"\u00c9", u"\u00e9"));
    EXPECT_TRUE(AnsiSameText(u"\u00c9t\u00c9", u"\u00e9t\u00e9"));
    EXPECT_FALSE(AnsiSameStr(u"a", u"A"));
    EXPECT_TRUE(StartsText(u"HTTP://", u"http://x"));
    EXPECT_FALSE(StartsText(u"http://xy", u"http://x"));
    EXPECT_TRUE(EndsText(u".XML", u"table.xml"));
    EXPECT_FALSE(EndsText(u".xml", u"xml"));
}

TEST(Strings, QuotingRoundTrips)
{
    struct Case {
        const char16_t* plain;
        const char16_t* quoted;
    };
    for (const auto& c :
         {Case{u"abc", u"'abc'"}, Case{u"it's", u"'it''s'"}, Case{u"", u"''"}, Case{u"''", u"''''''"}}) {
        EXPECT_EQ(QuotedStr(c.plain), c.quoted);
        EXPECT_EQ(AnsiDequotedStr(c.quoted, u'\''), c.plain);
    }
    EXPECT_EQ(AnsiQuotedStr(u"say \"hi\"", u'"'), u"\"say \"\"hi\"\"\"");
    EXPECT_EQ(AnsiDequotedStr(u"\"a\"\"b\"", u'"'), u"a\"b");
    EXPECT_EQ(AnsiDequotedStr(u"abc", u'\''), u"abc");  // not quoted
    EXPECT_EQ(AnsiDequotedStr(u"'abc", u'\''), u"'abc");  // never closed
    EXPECT_EQ(AnsiDequotedStr(u"'ab'cd", u'\''), u"ab");  // text after the closing quote dropped
}

TEST(Strings, SmallHelpers)
{
    EXPECT_EQ(StringOfChar(u'-', 3), u"---");
    EXPECT_EQ(StringOfChar(u'-', -1), u"");
    EXPECT_TRUE(IsDelimiter(u"/\\", u"a/b", 2));
    EXPECT_FALSE(IsDelimiter(u"/\\", u"a/b", 1));
    EXPECT_FALSE(IsDelimiter(u"/\\", u"a/b", 4));
    EXPECT_EQ(LastDelimiter(u"/.", u"dir/file.tar.gz"), 13);
    EXPECT_EQ(LastDelimiter(u"/.", u"plain"), 0);
}

}  // namespace
}  // namespace gw
