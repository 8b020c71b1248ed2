// The comparison of two cells of a column: format detection, the twenty formats, prefix and
// suffix, the strict number reading, blanks, the grid's answers, and the locale order.
#include "grid/model/row_compare.h"

#include "grid/model/row_sort.h"
#include "grid/model/sort_settings.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <unicode/ucol.h>

#include <fstream>
#include <memory>
#include <type_traits>
#include <vector>

namespace gw {
namespace {

using RowCompare = test::FormatSettingsTest;

// The settings and the comparison share one vocabulary: the rule is filled from the settings.
static_assert(std::is_same_v<decltype(TSortSettings::Direction), decltype(TCellSortRule::Direction)>);
static_assert(std::is_same_v<decltype(TSortSettings::BlankPos), decltype(TCellSortRule::BlankPos)>);

std::string Show(StringView A, StringView B) { return StringToUtf8(String(A) + u" | " + String(B)); }

// The default settings: day-first dates with "/", ":" for times, "." decimal, "," thousands.
TEST_F(RowCompare, AutoFormatDecidesOnTheFirstText)
{
    struct Case {
        const char16_t* a;
        const char16_t* b;
        TSortStyle style;
    };
    const Case cases[] = {
        {u"10", u"abc", ssNumeric},
        {u"abc", u"10", ssAlphabetic},
        {u"1,000", u"x", ssNumeric},
        {u"-2.5e3", u"x", ssNumeric},
        {u"1/2/2020", u"3/4/2021", ssDate},
        {u"12/1/2021", u"x/y", ssDate},  // B only needs the separator
        {u"1/2/2020 10:30", u"3/4/2021", ssDateTime},
        {u"123/4", u"5/6", ssAlphabetic},  // the separator lies past the third character
        {u"1/", u"5/6", ssAlphabetic},  // nothing after the separator
        {u"/1/2", u"5/6", ssAlphabetic},  // nor before it
        {u"a/2", u"5/6", ssAlphabetic},
        {u"1/2/2020", u"2020", ssAlphabetic},
        {u"\u00B2/3/2020", u"1/2/3", ssDate},  // a superscript two is a number character
        {u"9:15", u"10:30", ssTime},
        {u"10:30", u"abc", ssAlphabetic},
        {u"123:4", u"5:6", ssAlphabetic},
        {u"12/x", u"10:30", ssAlphabetic},  // a date separator in the window rules out the time test
        {u"", u"5", ssAlphabetic},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResolveSortFormat(ssAutomatic, c.a, c.b, false, false), c.style) << Show(c.a, c.b);
        const TSortStyle noCase = c.style == ssAlphabetic ? ssAlphaNoCase : c.style;
        EXPECT_EQ(ResolveSortFormat(ssAutomatic, c.a, c.b, true, false), noCase) << Show(c.a, c.b);
    }
    EXPECT_EQ(ResolveSortFormat(ssAutomatic, u"10", u"9", false, true), ssCheckBox);
    EXPECT_EQ(ResolveSortFormat(ssAlphaNumeric, u"10", u"9.5", false, false), ssNumeric);
    EXPECT_EQ(ResolveSortFormat(ssAlphaNumeric, u"10", u"9x", false, false), ssAlphabetic);
    EXPECT_EQ(ResolveSortFormat(ssAlphaNumericNoCase, u"10", u"9", false, false), ssNumeric);
    EXPECT_EQ(ResolveSortFormat(ssAlphaNumericNoCase, u"x", u"9", false, false), ssAlphaNoCase);
    EXPECT_EQ(ResolveSortFormat(ssNumeric, u"a", u"b", false, true), ssNumeric) << "a set format stays";
    EXPECT_EQ(StartSortFormat(true, true), ssAutomatic);
    EXPECT_EQ(StartSortFormat(false, true), ssAlphaNoCase);
    EXPECT_EQ(StartSortFormat(false, false), ssAlphabetic);
}

struct TCompareCase {
    TSortStyle style;
    const char16_t* a;
    const char16_t* b;
    Integer result;
    const char16_t* prefix = u"";
    const char16_t* suffix = u"";
};

void ExpectCompares(std::initializer_list<TCompareCase> Cases)
{
    for (const auto& c : Cases) {
        const TCellSortRule rule{.Style = c.style, .Prefix = c.prefix, .Suffix = c.suffix};
        EXPECT_EQ(CompareCells(rule, c.a, c.b), c.result) << Show(c.a, c.b) << " style " << int(c.style);
    }
}

// Under AutoFormat the first text decides, so a number against a word and a word against a
// number can both come out "greater": no strict weak order.
TEST_F(RowCompare, AutoFormatComparesByTheFormatFound)
{
    ExpectCompares({
        {ssAutomatic, u"0", u"x", 0},  // numeric: the word counts as 0
        {ssAutomatic, u"x", u"0", 1},  // alphabetic
        {ssAutomatic, u"7", u"abc", 1},  // numeric
        {ssAutomatic, u"abc", u"7", 1},  // alphabetic
        {ssAutomatic, u"-5", u"abc", -1},  // numeric
        {ssAutomatic, u"abc", u"-5", 1},  // alphabetic
        {ssAutomatic, u"1/2/2020", u"3/4/2021", -1},
        {ssAutomatic, u"12/1/2021", u"3/4/2020", 1},  // as text it would be below
        {ssAutomatic, u"123/4", u"05/6", 1},  // as text; as dates 0 against a date
        {ssAutomatic, u"9:15", u"10:30", -1},
        {ssAutomatic, u"1/2/2020 9:15", u"1/2/2020 10:30", -1},
        {ssAutomatic, u"$10", u"$9", -1},  // no number without the prefix: as text
        {ssAutomatic, u"1,000", u"999", -1},  // a number to the classifier, but no thousand removal
    });
}

TEST_F(RowCompare, NumbersAfterPrefixSuffixAndThousandSeparators)
{
    ExpectCompares({
        {ssNumeric, u"$10", u"$9", 1, u"$"},
        {ssNumeric, u"$10", u"9", 1, u"$"},
        {ssNumeric, u"10 kg", u"9 kg", 1, u"", u" kg"},
        {ssNumeric, u"EUR 10 net", u"EUR 9 net", 1, u"EUR ", u" net"},
        {ssNumeric, u"$1$0", u"9", -1, u"$"},  // only the first prefix goes: "1$0" is no number
        {ssFinancial, u"1,000", u"999", 1},
        {ssFinancial, u"1,000,000.5", u"1,000,000.25", 1},
        {ssFinancial, u"$1,000", u"$999", 1, u"$"},
        {ssNumeric, u"1,000", u"999", -1},  // numeric keeps the separator and so reads no number
        {ssNumeric, u"2.5", u"10", -1},
        {ssNumeric, u"-3", u"-20", 1},
        {ssNumeric, u"1e3", u"999", 1},
        {ssNumeric, u"1E-3", u"0", 1},
        {ssNumeric, u".5", u"0.4", 1},
        {ssNumeric, u"5.", u"4.9", 1},
        {ssNumeric, u"+5", u"4", 1},
        {ssNumeric, u"  5", u"4", 1},
        {ssNumeric, u"1e-400", u"0", 0},  // too small for a double: 0
        {ssNumeric, u"5", u"5.0", 0},
    });
}

// An empty text and a text that does not convert both count as 0 against a number; two that
// do not convert are equal.
TEST_F(RowCompare, TextsThatAreNoNumberCountAsZero)
{
    ExpectCompares({
        {ssNumeric, u"", u"-1", 1},
        {ssNumeric, u"", u"1", -1},
        {ssNumeric, u"", u"0", 0},
        {ssNumeric, u"", u"", 0},
        {ssNumeric, u"abc", u"xyz", 0},
        {ssNumeric, u"abc", u"", 0},
    });
    // The strict reading: each of these is no number, so it is below 5 and above -5.
    for (const char16_t* text :
         {u"abc",   u"inf", u"INF", u"nan", u"infinity", u"0x10", u"$10", u"1e",           u"1e+",   u"12abc", u"12 ",
          u"1.2.3", u"--1", u"+-1", u".",   u"-",        u"e5",   u"1,5", u"\uFF11\uFF12", u"1e400", u"\u00B2"}) {
        ExpectCompares({{ssNumeric, text, u"5", -1}, {ssNumeric, text, u"-5", 1}, {ssNumeric, u"5", text, 1}});
    }
}

TEST_F(RowCompare, DatesAndTimesByTheLocaleReading)
{
    ExpectCompares({
        {ssDate, u"31/12/2020", u"1/1/2021", -1},
        {ssDate, u"1/2/2020 10:30", u"1/2/2020 9:15", 1},
        {ssDateTime, u"1/2/2020 10:30", u"1/2/2020", 1},
        {ssDate, u"", u"1/1/1900", -1},  // empty: 0
        {ssDate, u"x", u"1/1/1900", -1},  // no date: 0
        {ssDate, u"31/2/2020", u"", 0},
        {ssTime, u"9:15", u"10:30", -1},
        {ssTime, u"1:05 PM", u"12:30", 1},
        {ssTime, u"x", u"0:01", -1},
        {ssTime, u"1/2/2020", u"0:00", 0},
        {ssShortDateEU, u"31/12/2020", u"1.1.2021", -1},
        {ssShortDateUS, u"12/31/2020", u"1/1/2021", -1},
        {ssShortDateUS, u"31/12/2020", u"1/1/1900", -1},  // no such date: 0
        {ssShortDateEU, u"x", u"1/1/1900", -1},
    });
    FormatSettings.ShortDateFormat = u"m/d/yyyy";
    ExpectCompares({{ssDate, u"12/31/2020", u"1/1/2021", -1}, {ssAutomatic, u"10/1/2020", u"9/30/2020", 1}});
}

TEST_F(RowCompare, AnotherLocaleSeparators)
{
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    FormatSettings.DateSeparator = u'.';
    ExpectCompares({
        {ssNumeric, u"1,5", u"1,25", 1},
        {ssNumeric, u"1.5", u"1,25", 1},  // "." is read as it is
        {ssFinancial, u"1.000,5", u"999,9", 1},
        {ssAutomatic, u"12.1.2021", u"3.4.2020", 1},  // dates: as text it would be below
        {ssAutomatic, u"2,5", u"10", -1},
    });
    EXPECT_EQ(ResolveSortFormat(ssAutomatic, u"1.2.2020", u"3.4.2021", false, false), ssDate);
}

TEST_F(RowCompare, TextFormats)
{
    ExpectCompares({
        {ssAlphabetic, u"a", u"B", 1},
        {ssAlphaCase, u"a", u"B", 1},
        {ssAlphaNoCase, u"a", u"B", -1},
        {ssAlphaNoCase, u"abc", u"ABC", 0},
        {ssAlphaNoCase, u"\u00E9", u"\u00C9", 1},  // only a-z fold
        {ssAlphabetic, u"ab", u"abc", -1},
        {ssAlphabetic, u"abc", u"ab", 1},
        {ssAlphabetic, u"", u"a", -1},
        {ssAlphabetic, u"\u00E9", u"f", 1},
        {ssAlphabetic, u"\uFF41", u"\U0001F600", 1},  // code units: a surrogate is below U+FF41
        {ssHTML, u"<b>b</b>", u"a", 1},  // as given, "<" would be below "a"
        {ssHTML, u"<i>x</i>", u"x", 0},
        {ssAnsiAlphaCase, u"a", u"A", -1},
        {ssAnsiAlphaCase, u"A", u"b", -1},
        {ssAnsiAlphaCase, u"\u00E9", u"f", -1},
        {ssAnsiAlphaNoCase, u"a", u"A", 0},
        {ssAnsiAlphaNoCase, u"B", u"a", 1},
        {ssAlphaNumeric, u"10", u"9", 1},
        {ssAlphaNumeric, u"10", u"9x", -1},
        {ssAlphaNumericNoCase, u"a", u"B", -1},
    });
}

TEST_F(RowCompare, BlanksGoFirstOrLastInEitherDirection)
{
    struct Case {
        TSortBlankPosition pos;
        TSortDirection dir;
        Integer aEmpty, bEmpty;  // the result with A empty, with B empty
    };
    const Case cases[] = {
        {blFirst, sdAscending, -1, 1},
        {blLast, sdAscending, 1, -1},
        {blFirst, sdDescending, 1, -1},
        {blLast, sdDescending, -1, 1},
    };
    for (const auto& c : cases) {
        const TCellSortRule rule{.Style = ssNumeric, .IgnoreBlanks = true, .BlankPos = c.pos, .Direction = c.dir};
        for (const char16_t* other : {u"-1", u"0", u"5", u"abc"}) {
            EXPECT_EQ(CompareCells(rule, u"", other), c.aEmpty) << StringToUtf8(other);
            EXPECT_EQ(CompareCells(rule, other, u""), c.bEmpty) << StringToUtf8(other);
        }
        EXPECT_EQ(CompareCells(rule, u"", u""), 0);
        EXPECT_EQ(CompareCells(rule, u"2", u"10"), -1) << "non-blank texts by the format";
        // Blank as the format leaves the text: a lone prefix, mark-up without text.
        TCellSortRule prefixed = rule;
        prefixed.Prefix = u"$";
        EXPECT_EQ(CompareCells(prefixed, u"$", u"$-1"), c.aEmpty);
        TCellSortRule html = rule;
        html.Style = ssHTML;
        EXPECT_EQ(CompareCells(html, u"x", u"<b></b>"), c.bEmpty);
    }
    // Without IgnoreBlanks an empty numeric cell sorts with the zeros.
    EXPECT_EQ(CompareCells({.Style = ssNumeric}, u"", u"-1"), 1);
}

// What only the grid knows, asked for only when the format needs it.
class TFakeGrid : public TCellCompareGrid {
public:
    bool CheckBoxCell = false;
    std::pair<bool, bool> States{false, false};
    std::pair<Integer, Integer> Keys{-1, -1};
    Integer Custom = 0;
    Integer Raw = 0;
    mutable std::vector<std::string> Asked;

    bool IsCheckBoxCell() const override { return Ask("check box"), CheckBoxCell; }
    std::pair<bool, bool> CheckStates() const override { return Ask("states"), States; }
    std::pair<Integer, Integer> PictureKeys() const override { return Ask("pictures"), Keys; }
    Integer CustomCompare(StringView A, StringView B) const override
    {
        Ask("custom " + Show(A, B));
        return Custom;
    }
    Integer RawCompare() const override { return Ask("raw"), Raw; }
    void StripMarkup(String& A, String& B) const override
    {
        Ask("strip");
        A = u"b";
        B = u"a";
    }

private:
    void Ask(std::string What) const { Asked.push_back(std::move(What)); }
};

TEST_F(RowCompare, TheGridAnswersForEventsPicturesAndCheckBoxes)
{
    TFakeGrid grid;
    grid.Custom = 7;
    grid.Raw = -3;
    grid.Keys = {2, 5};
    grid.States = {true, false};
    EXPECT_EQ(CompareCells({.Style = ssCustom}, u"x", u"y", grid), 7) << "the handler's answer as it is";
    EXPECT_EQ(CompareCells({.Style = ssRaw}, u"x", u"y", grid), -3);
    EXPECT_EQ(CompareCells({.Style = ssImages}, u"x", u"y", grid), -1);
    EXPECT_EQ(CompareCells({.Style = ssCheckBox}, u"x", u"y", grid), 1);
    EXPECT_EQ(CompareCells({.Style = ssHTML}, u"x", u"y", grid), 1);
    EXPECT_EQ(grid.Asked, (std::vector<std::string>{"custom x | y", "raw", "pictures", "states", "strip"}));

    grid.Asked.clear();
    EXPECT_EQ(CompareCells({.Style = ssAlphabetic}, u"2", u"10", grid), 1);
    EXPECT_TRUE(grid.Asked.empty()) << "a format decided by the texts asks nothing";
    EXPECT_EQ(CompareCells({.Style = ssAutomatic}, u"2", u"10", grid), -1);
    EXPECT_EQ(grid.Asked, (std::vector<std::string>{"check box"}));

    grid.Asked.clear();
    grid.CheckBoxCell = true;
    grid.States = {false, true};
    EXPECT_EQ(CompareCells({.Style = ssAutomatic}, u"2", u"10", grid), -1);
    grid.States = {true, true};
    EXPECT_EQ(CompareCells({.Style = ssAutomatic}, u"2", u"10", grid), 0) << "check states, not the numbers";

    // Blanks are placed whatever an event answered.
    const TCellSortRule blanks{.Style = ssCustom, .IgnoreBlanks = true, .BlankPos = blLast};
    EXPECT_EQ(CompareCells(blanks, u"", u"y", grid), 1);
    EXPECT_EQ(CompareCells(blanks, u"x", u"y", grid), 7);

    // Without a grid: no events (0), no pictures (-1), nothing checked, mark-up stripped.
    EXPECT_EQ(CompareCells({.Style = ssCustom}, u"x", u"y"), 0);
    EXPECT_EQ(CompareCells({.Style = ssRaw}, u"x", u"y"), 0);
    EXPECT_EQ(CompareCells({.Style = ssImages}, u"x", u"y"), 0);
    EXPECT_EQ(CompareCells({.Style = ssCheckBox}, u"x", u"y"), 0);
}

// Words in the order of ICU 72's root collation, which the code does not use, derived once with
// a small program over this list (tertiary strength for the comparison with case, secondary for
// the one without, a stable sort keeping the list order of equal words) and kept here.
const char16_t* const kWords[] = {
    u"peach",
    u"P\u00E9ch\u00E9",
    u"p\u00E9ch\u00E9",
    u"p\u00EAche",
    u"p\u00EAch\u00E9",
    u"Peach",
    u"cote",
    u"c\u00F4te",
    u"cot\u00E9",
    u"c\u00F4t\u00E9",
    u"Cote",
    u"resume",
    u"r\u00E9sum\u00E9",
    u"Resume",
    u"Zebra",
    u"zebra",
    u"apple",
    u"\u00C4pfel",
    u"apfel",
    u"\u00D6l",
    u"ol",
    u"\u00F6l",
    u"na\u00EFve",
    u"naive",
    u"Naive",
    u"\u00E9cole",
    u"Ecole",
    u"eclair",
    u"\u00E9clair",
    u"\u00C1ngel",
    u"angel",
    u"Z\u00FCrich",
    u"zurich",
    u"Zurich",
    u"\u00C9clair",
    u"ANGEL",
};
const char16_t* const kWithCase[] = {
    u"angel",
    u"ANGEL",
    u"\u00C1ngel",
    u"apfel",
    u"\u00C4pfel",
    u"apple",
    u"cote",
    u"Cote",
    u"cot\u00E9",
    u"c\u00F4te",
    u"c\u00F4t\u00E9",
    u"eclair",
    u"\u00E9clair",
    u"\u00C9clair",
    u"Ecole",
    u"\u00E9cole",
    u"naive",
    u"Naive",
    u"na\u00EFve",
    u"ol",
    u"\u00F6l",
    u"\u00D6l",
    u"peach",
    u"Peach",
    u"p\u00E9ch\u00E9",
    u"P\u00E9ch\u00E9",
    u"p\u00EAche",
    u"p\u00EAch\u00E9",
    u"resume",
    u"Resume",
    u"r\u00E9sum\u00E9",
    u"zebra",
    u"Zebra",
    u"zurich",
    u"Zurich",
    u"Z\u00FCrich",
};
const char16_t* const kWithoutCase[] = {
    u"angel",
    u"ANGEL",
    u"\u00C1ngel",
    u"apfel",
    u"\u00C4pfel",
    u"apple",
    u"cote",
    u"Cote",
    u"cot\u00E9",
    u"c\u00F4te",
    u"c\u00F4t\u00E9",
    u"eclair",
    u"\u00E9clair",
    u"\u00C9clair",
    u"Ecole",
    u"\u00E9cole",
    u"naive",
    u"Naive",
    u"na\u00EFve",
    u"ol",
    u"\u00D6l",
    u"\u00F6l",
    u"peach",
    u"Peach",
    u"P\u00E9ch\u00E9",
    u"p\u00E9ch\u00E9",
    u"p\u00EAche",
    u"p\u00EAch\u00E9",
    u"resume",
    u"Resume",
    u"r\u00E9sum\u00E9",
    u"Zebra",
    u"zebra",
    u"zurich",
    u"Zurich",
    u"Z\u00FCrich",
};

template <size_t N>
std::vector<String> Sorted(TSortStyle Style, const char16_t* const (&Words)[N])
{
    const TCellSortRule rule{.Style = Style};
    const auto order = SortRowOrder(0, static_cast<Integer>(N) - 1,
                                    [&](Integer a, Integer b) { return CompareCells(rule, Words[a], Words[b]); });
    std::vector<String> sorted;
    for (const Integer row : order) sorted.emplace_back(Words[row]);
    return sorted;
}

TEST_F(RowCompare, LocaleOrderAgreesWithACollationTheCodeDoesNotUse)
{
    EXPECT_EQ(Sorted(ssAnsiAlphaCase, kWords), std::vector<String>(std::begin(kWithCase), std::end(kWithCase)));
    EXPECT_EQ(Sorted(ssAnsiAlphaNoCase, kWords), std::vector<String>(std::begin(kWithoutCase), std::end(kWithoutCase)));
}

// Every pair of many words against ICU's root collation, asked at run time: tertiary strength for
// the comparison with case, secondary for the one without. The words are letters only (accented,
// Greek, Nordic, in several cases); the order of punctuation is the platform's, no collation's.
TEST_F(RowCompare, LocaleOrderOfEveryPairAgreesWithICU)
{
    std::vector<String> words;
    std::ifstream in(test::fixture("collation_words.txt"));
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) words.push_back(Utf8ToString(line));
    ASSERT_GT(words.size(), 400u);
    using TCollator = std::unique_ptr<UCollator, decltype(&ucol_close)>;
    const auto open = [](UColAttributeValue Strength) {
        UErrorCode status = U_ZERO_ERROR;
        TCollator collator(ucol_open("", &status), &ucol_close);
        EXPECT_TRUE(U_SUCCESS(status));
        ucol_setStrength(collator.get(), Strength);
        return collator;
    };
    const TCollator withCase = open(UCOL_TERTIARY), withoutCase = open(UCOL_SECONDARY);
    const auto icu = [](const TCollator& Collator, const String& A, const String& B) {
        const auto* a = reinterpret_cast<const UChar*>(A.data());
        const auto* b = reinterpret_cast<const UChar*>(B.data());
        return static_cast<Integer>(
            ucol_strcoll(Collator.get(), a, static_cast<int32_t>(A.size()), b, static_cast<int32_t>(B.size())));
    };
    const TCellSortRule caseRule{.Style = ssAnsiAlphaCase}, noCaseRule{.Style = ssAnsiAlphaNoCase};
    int disagreements = 0;
    for (const String& a : words) {
        for (const String& b : words) {
            const Integer expectCase = icu(withCase, a, b), expectNoCase = icu(withoutCase, a, b);
            if (CompareCells(caseRule, a, b) == expectCase && CompareCells(noCaseRule, a, b) == expectNoCase) continue;
            if (++disagreements <= 10) ADD_FAILURE() << Show(a, b) << ": ICU " << expectCase << " / " << expectNoCase;
        }
    }
    EXPECT_EQ(disagreements, 0);
}

}  // namespace
}  // namespace gw
