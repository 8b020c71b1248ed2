// Tests of filter expressions and wildcard patterns.
//
// The documented cases, the inner steps, agreement with plain backtracking, and the guarantees
// that a pathological pattern is fast and an unclosed "(" runs to the end of the expression.
#include "grid/foundation/filter_match.h"

#include "platform/runtime/format_settings.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

namespace gw {
namespace {

class FilterMatch : public test::FormatSettingsTest {
protected:
    void SetUp() override
    {
        FormatSettings.ShortDateFormat = u"dd/mm/yyyy";
        FormatSettings.DateSeparator = u'/';
        FormatSettings.DecimalSeparator = u'.';
        FormatSettings.ThousandSeparator = u',';
    }
};

struct Case {
    const char16_t* condition;
    const char16_t* text;
    bool caseSensitive;
    bool matches;
};

TEST_F(FilterMatch, Expressions)
{
    const Case cases[] = {
        // wildcards and case
        {u"A*", u"Apple", true, true},
        {u"A*", u"A", true, true},
        {u"A*", u"apple", false, true},
        {u"A*", u"apple", true, false},
        {u"?pple", u"Apple", true, true},
        {u"?pple", u"pple", true, false},
        {u"*", u"anything", true, true},
        {u"*", u"", true, true},
        {u"", u"", true, true},
        {u"", u"x", true, false},
        {u"a?c", u"abc", true, true},
        {u"a?c", u"ac", true, false},
        {u"abc", u"abcd", true, false},
        {u"abcd", u"abc", true, false},
        {u"*b*", u"abc", true, true},
        {u"*x*", u"abc", true, false},
        {u"a**c", u"abbbc", true, true},
        {u"*a?", u"ba", true, false},
        {u"*a?", u"bab", true, true},
        {u"*ab*cd", u"xabyabcd", true, true},
        {u"*ab*cd", u"xabcdy", true, false},
        {u"*?", u"", true, false},
        {u"\"a b\"", u"a b", true, true},
        // negation
        {u"!A*", u"Banana", true, true},
        {u"!A*", u"Apple", true, false},
        {u"A*!e", u"Apple", true, true},
        {u"A*!e", u"Axe", true, true},
        {u"A*!e", u"Bxe", true, false},
        {u"!!a", u"b", true, true},
        // comparisons
        {u">5", u"10", true, true},
        {u">5", u"5.5", true, true},
        {u">5", u" 6", true, true},
        {u">5", u"5", true, false},
        {u">=5", u"5", true, true},
        {u"<10", u"9", true, true},
        {u"<10", u"-3", true, true},
        {u"<10", u"10", true, false},
        {u"<=10", u"10", true, true},
        {u">5", u"abc", true, true},
        {u">5", u"+6", true, true},
        {u"<-5", u"-6e0", true, true},
        {u">1e300", u"1e999", true, true},  // beyond double: still larger
        {u"<1e-300", u"1e-999", true, true},  // below double: zero
        {u">1,000", u"999.5", true, false},
        {u">1,000", u"1,000.5", true, true},
        {u">5&<10", u"7", true, true},
        {u">5&<10", u"12", true, false},
        {u"<3|>8", u"1", true, true},
        {u"<3|>8", u"9", true, true},
        {u"<3|>8", u"5", true, false},
        {u"<3;>8", u"9", true, true},
        {u"<3^>8", u"9", true, true},
        {u"= >5", u"6", true, true},
        {u"= >5", u"4", true, false},
        {u">", u"a", true, true},
        {u"<5", u"<5", true, true},
        {u">\"b c d\"", u"b c e", true, true},
        {u">\"b c d\"", u"b c c", true, false},
        {u"<\"b c\"", u"a", true, true},
        {u">1/1/2020", u"2/1/2020", true, true},
        {u">1/1/2020", u"31/12/2019", true, false},
        {u">\"1/1/2020 12:00\"", u"1/1/2020 12:30", true, true},
        {u">\"1/1/2020 12:00\"", u"1/1/2020 11:59", true, false},
        // grouping and order
        {u"(a*|b*)&*z", u"abz", true, true},
        {u"(a*|b*)&*z", u"abc", true, false},
        {u"(a*|b*)&*z", u"cbz", true, false},
        {u"a|b&c", u"a", true, false},
        {u"x&(a*|b*)", u"x", true, false},
        {u"x*&(a*|x*)", u"xy", true, true},
        {u"((a*))", u"ab", true, true},
        {u"\"a|b\"", u"a|b", true, true},
        {u"\"a&b\"|c", u"a&b", true, true},
        {u" a  b ", u"ab", true, true},
        // a "(" that is never closed opens a group that runs to the end: what matched before it
        // still counts
        {u"a*|(", u"abc", true, true},
        {u"a*&(", u"abc", true, false},
        {u"(a*", u"abc", true, true},
        {u"(a*", u"xbc", true, false},
        {u"a|(b", u"a", true, true},
        {u"a|(b", u"c", true, false},
        {u"x&(a|b", u"x", true, false},
        {u"((a)", u"a", true, true},
        {u"((a)|b", u"b", true, true},
        {u"(", u"", true, true},
        {u"(=a", u"a", true, true},
        // comparisons joined inside one quoted term: "&" needs both, "^" either
        {u"\">5&<10\"", u"7", true, true},
        {u"\">5&<10\"", u"12", true, false},
        {u"\">5&<10\"", u"3", true, false},
        {u"\"<3^>8\"", u"9", true, true},
        {u"\"<3^>8\"", u"1", true, true},
        {u"\"<3^>8\"", u"5", true, false},
        // a "<" operand ends at a blank even inside quotes: "b a" is compared with "b" alone
        {u"<\"b c\"", u"b a", true, false},
        {u"<\"b c\"", u"a z", true, true},
        {u">\"b c\"", u"b a", true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchFilterExpression(c.condition, c.text, c.caseSensitive), c.matches)
            << "condition '" << StringToUtf8(c.condition) << "' text '" << StringToUtf8(c.text) << "'";
}

TEST_F(FilterMatch, NumbersFollowTheLocaleSeparators)
{
    // With a decimal comma the operand and the cell text still compare as numbers: as texts
    // "10" would sort before "9,5".
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    const Case cases[] = {
        {u">9,5", u"10", true, true},
        {u">9,5", u"9,25", true, false},
        {u"<1.000", u"999,5", true, true},
        {u">=2,5", u"2,50", true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchFilterExpression(c.condition, c.text, c.caseSensitive), c.matches)
            << "condition '" << StringToUtf8(c.condition) << "' text '" << StringToUtf8(c.text) << "'";
}

TEST_F(FilterMatch, TermsUpperCaseBothSidesWhenCaseIsIgnored)
{
    EXPECT_TRUE(MatchFilterTermCased(u"\u00E9*", u"\u00C9t\u00E9", false));
    EXPECT_FALSE(MatchFilterTermCased(u"\u00E9*", u"\u00C9t\u00E9", true));
    EXPECT_TRUE(MatchFilterTermCased(u"\u00E9*", u"\u00E9cole", true));
}

TEST_F(FilterMatch, InnerSteps)
{
    EXPECT_EQ(RemoveSpacesOutsideQuotes(u" a \"b c\" d "), u"a\"b c\"d");
    EXPECT_EQ(RemoveSpacesOutsideQuotes(u"\"a\" \"b\""), u"\"a\"\"b\"");
    Integer at = 0;
    EXPECT_EQ(FindFirstDelimiter(u"&|", u"\"a&b\"|c", at), u'|');
    EXPECT_EQ(at, 6);
    EXPECT_EQ(FindFirstDelimiter(u"&|", u"\"a&b", at), 0);
    EXPECT_EQ(at, -1);
    EXPECT_EQ(FindClosingParenthesis(u"(a(b)c)d"), 7);
    EXPECT_EQ(FindClosingParenthesis(u"(a(b)"), 0);
    EXPECT_EQ(FindClosingParenthesis(u"a)"), 0);  // one ")" against no "(" never balances first
    EXPECT_EQ(FindClosingParenthesis(u""), 0);
}

TEST_F(FilterMatch, StarsTakeLinearTimeOnPathologicalInput)
{
    // Plain backtracking needs about n^4 steps here; the memoised matcher needs a few times n.
    const String text(20000, u'a');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(MatchFilterTerm(u"*a*a*a*a*b", text));
    EXPECT_TRUE(MatchFilterTerm(u"*a*a*a*a*a", text));
    EXPECT_TRUE(MatchFilterTerm(u"*a*a*a*a*b", text + u"b"));
    EXPECT_FALSE(MatchFilterExpression(u"*a*a*a*a*a*a*a*a*a*b", text, false));
    // Thousands of star groups neither recurse nor take quadratic time.
    String manyStars;
    for (int i = 0; i < 5000; ++i) manyStars += u"*a";
    EXPECT_FALSE(MatchFilterTerm(manyStars + u"*b", text));
    EXPECT_TRUE(MatchFilterTerm(manyStars + u"*b", text + u"b"));
    EXPECT_FALSE(MatchFilterTerm(manyStars + u"*b", String(4999, u'a') + u"b"));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

// A comparison after a star is tried on every tail of the cell; long tails are not read as
// numbers or dates, so a long cell stays linear (the fuzzer's input, kept as a fixture: "*a*>5"
// and 16,000 blanks took over ten seconds).
TEST_F(FilterMatch, ComparisonAfterAStarStaysLinearOnLongCells)
{
    std::string input = test::readBytes(test::fixture("fuzz-regress-filter-blanks.bin"));
    const size_t nul = input.find('\0');
    ASSERT_NE(nul, std::string::npos);
    const String condition = Utf8ToString(input.substr(0, nul));
    const String blanks = Utf8ToString(input.substr(nul + 1));
    ASSERT_EQ(condition, u"*a*>5");
    ASSERT_EQ(blanks, String(16000, u' '));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(MatchFilterExpression(condition, blanks, false));
    EXPECT_TRUE(MatchFilterExpression(condition, blanks + u"a 7", false));
    // Groups never closed, however many, are neither recursed into nor re-read.
    EXPECT_TRUE(MatchFilterExpression(u"a|" + String(60000, u'('), u"a", false));
    EXPECT_FALSE(MatchFilterExpression(String(60000, u'(') + u"b", u"a", false));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

// The matching rules transcribed as plain backtracking, for patterns without comparisons.
bool ReferenceTerm(StringView P, StringView T)
{
    const bool bang = P.find(u'!') != StringView::npos;
    if (bang && (P.find(u'^') != StringView::npos || P.find(u'&') != StringView::npos))
        return true;  // both sides count as evaluated and true
    bool negate = false, matched = true;
    size_t i = 0, j = 0;
    while (matched && !(i == P.size() && j == T.size())) {
        if (i < P.size() && P[i] == u'!') {
            negate = true;
            ++i;
        } else if (i < P.size() && P[i] == u'"') {
            ++i;
        } else if (i < P.size() && P[i] == u'*') {
            while (i < P.size() && P[i] == u'*') ++i;
            matched = false;
            for (size_t k = T.size() + 1; k-- > j;)
                if (ReferenceTerm(P.substr(i), T.substr(k))) {
                    matched = true;
                    break;
                }
            break;
        } else if (i < P.size() && P[i] == u'?') {
            matched = j < T.size();
            ++i;
            ++j;
        } else {
            matched = i < P.size() && j < T.size() && P[i] == T[j];
            ++i;
            ++j;
        }
    }
    return matched != negate;
}

TEST_F(FilterMatch, AgreesWithPlainBacktrackingOnRandomPatterns)
{
    std::mt19937 random(2024);
    const char16_t patternChars[] = u"ab*?*a!\"^&";
    for (int round = 0; round < 20000; ++round) {
        String pattern, text;
        for (size_t n = random() % 9; n-- > 0;) pattern += patternChars[random() % 10];
        for (size_t n = random() % 9; n-- > 0;) text += random() % 3 ? u'a' : u'b';
        ASSERT_EQ(MatchFilterTerm(pattern, text), ReferenceTerm(pattern, text))
            << "pattern '" << StringToUtf8(pattern) << "' text '" << StringToUtf8(text) << "'";
    }
}

TEST_F(FilterMatch, StarRestIsATermOfItsOwn)
{
    // After "*" the rest is matched as a whole term against each suffix, from the empty one on.
    EXPECT_TRUE(MatchFilterTerm(u"*!x", u"x"));  // the empty suffix is not "x"
    EXPECT_TRUE(MatchFilterTerm(u"a*<5", u"a3"));  // "<5" holds for the empty suffix
    EXPECT_FALSE(MatchFilterTerm(u"x*<5", u"a3"));  // but the "x" must still match first
}

}  // namespace
}  // namespace gw
