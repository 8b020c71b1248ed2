// Filter drop-down values, the chosen entry, literal and substring matching of one condition.
#include "grid/model/column_filter_values.h"

#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

namespace gw {
namespace {

using Texts = std::vector<String>;

TEST(ColumnFilterValues, SortsTrimsAndDropsRepeats)
{
    struct Case {
        Texts cells, values;
    };
    const Case cases[] = {
        {{u"a", u"b c", u"a"}, {u"a", u"b c"}},
        {{u" a ", u"a", u"\tb"}, {u"a", u"b"}},  // hidden rows' texts come untrimmed
        {{u"B", u"a", u"b", u"A", u"b"}, {u"a", u"A", u"b", u"B"}},  // each case is its own literal
        {{u"x", u"", u"  ", u""}, {u"", u"x"}},  // the blank rows get one blank entry
        {{u"\u00e9", u"f", u"e"}, {u"e", u"\u00e9", u"f"}},  // the collating order, not code units
        {{}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ColumnFilterValues(c.cells), c.values) << c.values.size();
}

// Against a set of trimmed texts: every text once, in strictly rising list order.
TEST(ColumnFilterValues, RandomColumnsGiveEachTrimmedTextOnceInOrder)
{
    std::mt19937 random(26);
    const String alphabet = u"aAbB <*=&\u00e9";
    for (int round = 0; round < 200; ++round) {
        Texts cells(random() % 60);
        for (auto& cell : cells) {
            for (size_t n = random() % 4; n > 0; --n) cell += alphabet[random() % alphabet.size()];
        }
        const Texts values = ColumnFilterValues(cells);
        std::set<String> expected;
        for (const auto& cell : cells) expected.insert(Trim(cell));
        ASSERT_EQ(std::set<String>(values.begin(), values.end()), expected) << round;
        ASSERT_EQ(values.size(), expected.size()) << round;
        for (size_t i = 1; i < values.size(); ++i) ASSERT_LE(AnsiCompareStr(values[i - 1], values[i]), 0) << round;
    }
}

// The column of the fixture, with texts that act as operators when read as an expression.
const Texts kColumn = {u"R&D", u"R", u"D", u"<5",  u"4", u"x*", u"xy",    u"a=b",
                       u"a",   u"b", u"",  u"b c", u"c", u"!a", u"(All)", u"B"};

Texts Matching(const TFilterChoice& Choice, bool CaseSensitive)
{
    Texts rows;
    for (const auto& cell : kColumn)
        if (FilterConditionMatches(Choice.Condition, Choice.Method, CaseSensitive, cell)) rows.push_back(cell);
    return rows;
}

// A picked value shows exactly its own rows; read as an expression "R&D" showed no row, "<5"
// showed "4", "x*" showed "xy", "a=b" (split at "=") showed "b", and the blank entry showed all.
TEST(FilterChoice, ACollectedValueMatchesItsRowsLiterally)
{
    for (const auto& value : ColumnFilterValues(kColumn)) {
        const TFilterChoice choice = FilterChoiceOf(value, true, u"(All)");
        EXPECT_EQ(choice.FriendlyName, value);
        EXPECT_EQ(choice.Condition, value);
        EXPECT_EQ(choice.Method, fmLiteral);
        EXPECT_FALSE(RemovesCondition(choice)) << "'" << StringToUtf8(value) << "'";
        for (const bool caseSensitive : {true, false})
            EXPECT_EQ(Matching(choice, caseSensitive), Texts{value}) << "'" << StringToUtf8(value) << "'";
    }
}

TEST(FilterChoice, OtherEntriesSplitAtTheFirstEqualsSign)
{
    struct Case {
        String entry, name, condition;
        bool removes;
    };
    const Case cases[] = {
        {u"(All)", u"(All)", u"", true}, {u"Small=<5", u"Small", u"<5", false}, {u"Pair=a=b", u"Pair", u"a=b", false},
        {u"x*", u"x*", u"x*", false},    {u"=b*", u"", u"b*", false},           {u"Any=", u"Any", u"", true},
    };
    for (const auto& c : cases) {
        const TFilterChoice choice = FilterChoiceOf(c.entry, false, u"(All)");
        EXPECT_EQ(choice.FriendlyName, c.name) << StringToUtf8(c.entry);
        EXPECT_EQ(choice.Condition, c.condition) << StringToUtf8(c.entry);
        EXPECT_EQ(choice.Method, fmExpression) << StringToUtf8(c.entry);
        EXPECT_EQ(RemovesCondition(choice), c.removes) << StringToUtf8(c.entry);
    }
    EXPECT_EQ(Matching(FilterChoiceOf(u"Bees=b*", false, u"(All)"), true), (Texts{u"b", u"b c"}));
    // Without a clear entry, "(All)" is an ordinary program entry.
    EXPECT_EQ(FilterChoiceOf(u"(All)", false, u"").Condition, u"(All)");
}

// The select and check events may rewrite the condition: their text is then an expression.
TEST(FilterChoice, AConditionChangedByTheEventIsAnExpression)
{
    const TFilterChoice offered = FilterChoiceOf(u"x*", true, u"(All)");
    EXPECT_EQ(AfterFilterEvent(offered, u"x*").Method, fmLiteral);
    const TFilterChoice rewritten = AfterFilterEvent(offered, u"x*|a");
    EXPECT_EQ(rewritten.FriendlyName, u"x*");
    EXPECT_EQ(rewritten.Method, fmExpression);
    EXPECT_EQ(Matching(rewritten, true), (Texts{u"x*", u"xy", u"a"}));
    EXPECT_TRUE(RemovesCondition(AfterFilterEvent(offered, u"")));

    const TFilterChoice blank = FilterChoiceOf(u"", true, u"(All)");
    EXPECT_FALSE(RemovesCondition(AfterFilterEvent(blank, u""))) << "the blank value still selects blank rows";
}

TEST(FilterConditionMatches, EachMethod)
{
    struct Case {
        String condition;
        TFilterMethod method;
        bool caseSensitive;
        String text;
        bool matches;
    };
    const Case cases[] = {
        {u"", fmExpression, true, u"anything", true},
        {u"b*", fmExpression, true, u"banana", true},
        {u"b*", fmExpression, true, u"Banana", false},
        {u"b*", fmExpression, false, u"Banana", true},
        {u"Apple", fmLiteral, false, u"apple", false},
        {u"", fmLiteral, true, u"x", false},
        {u"", fmLiteral, true, u"", true},
        {u"an", fmContains, true, u"bANana", true},
        {u"AN", fmContains, true, u"banana", false},
        {u"AN", fmContains, false, u"banana", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilterConditionMatches(c.condition, c.method, c.caseSensitive, c.text), c.matches)
            << StringToUtf8(c.condition) << " / " << StringToUtf8(c.text) << " method " << int(c.method);
}

// What is typed is looked for as it is: the characters that act as operators in an expression
// ("<", ">", "!", "*", "?", "&", "|", "=", quotes) are plain text here.
TEST(NarrowDown, MatchesTheTypedTextAsAPlainSubstringWithoutCase)
{
    struct Case {
        String typed, text;
        bool matches;
    };
    const Case cases[] = {
        {u"b", u"abc", true},
        {u"B", u"abc", true},
        {u"ba", u"Banana", true},
        {u"ba", u"cab", false},
        {u"", u"anything", true},
        {u"<5", u"4", false},
        {u"<5", u"x<5y", true},
        {u">5", u"9", false},
        {u"x*", u"xyz", false},
        {u"x*", u"ax*b", true},
        {u"?", u"a", false},
        {u"?", u"what?", true},
        {u"!a", u"b", false},
        {u"!a", u"!A", true},
        {u"R&D", u"r&d dept", true},
        {u"R&D", u"R", false},
        {u"a|b", u"a", false},
        {u"a=b", u"b", false},
        {u"a=b", u"xa=b", true},
        {u"a b", u"xa by", true},
        {u"a b", u"ab", false},
        {u"\"a\"", u"a", false},
        {u"\u00e9", u"CAF\u00c9", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NarrowDownMatches(c.typed, c.text), c.matches)
            << StringToUtf8(c.typed) << " in " << StringToUtf8(c.text);
}

}  // namespace
}  // namespace gw
