// The text editor's rules: which typed characters each editor type takes, how a paste merges,
// and lookup completion.
#include "grid/interaction/edit_text_rules.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

using V = TCharVerdict;

struct TCharCase {
    const char* What;
    TEditorType Type;
    Char Decimal;  // the locale's decimal separator; the thousand separator is the other of "." and ","
    const char16_t* Text;
    Integer SelStart, SelLength;
    Char Ch;
    bool Ctrl;
    V Expected;
    Char Inserted;  // 0: the character itself
};

void PrintTo(const TCharCase& C, std::ostream* Out) { *Out << C.What; }

class CharFilter : public testing::TestWithParam<TCharCase> {};

TEST_P(CharFilter, PassesDropsOrRefuses)
{
    const TCharCase& c = GetParam();
    TCharFilterInput in;
    in.Type = c.Type;
    in.Text = c.Text;
    in.SelStart = c.SelStart;
    in.SelLength = c.SelLength;
    in.Ch = c.Ch;
    in.Ctrl = c.Ctrl;
    in.DecimalSeparator = c.Decimal;
    in.ThousandSeparator = c.Decimal == u'.' ? u',' : u'.';
    in.ValidChars = u"ABC";
    const TCharFilterResult r = FilterEditChar(in);
    EXPECT_EQ(r.Verdict, c.Expected);
    if (r.Verdict == V::Pass) {
        EXPECT_EQ(r.Ch, c.Inserted ? c.Inserted : c.Ch);
    }
}

const TCharCase CharCases[] = {
    {"normal takes anything", edNormal, u'.', u"ab", 2, 0, u'%', false, V::Pass, 0},
    {"password takes anything", edPassword, u'.', u"", 0, 0, u'x', false, V::Pass, 0},
    {"numeric digit", edNumeric, u'.', u"12", 2, 0, u'7', false, V::Pass, 0},
    {"numeric letter beeps", edNumeric, u'.', u"12", 2, 0, u'x', false, V::Refuse, 0},
    {"numeric minus in front", edNumeric, u'.', u"12", 0, 0, u'-', false, V::Pass, 0},
    {"numeric minus elsewhere beeps", edNumeric, u'.', u"12", 1, 0, u'-', false, V::Refuse, 0},
    {"numeric second minus beeps", edNumeric, u'.', u"-12", 0, 0, u'-', false, V::Refuse, 0},
    {"numeric backspace, tab, enter, escape", edNumeric, u'.', u"1", 1, 0, 8, false, V::Pass, 0},
    {"numeric tab passes", edNumeric, u'.', u"1", 1, 0, 9, false, V::Pass, 0},
    {"numeric separator beeps", edNumeric, u'.', u"1", 1, 0, u'.', false, V::Refuse, 0},
    {"positive numeric minus beeps", edPositiveNumeric, u'.', u"", 0, 0, u'-', false, V::Refuse, 0},
    {"positive numeric digit", edPositiveNumeric, u'.', u"", 0, 0, u'0', false, V::Pass, 0},
    {"float first decimal point", edFloat, u'.', u"1", 1, 0, u'.', false, V::Pass, 0},
    {"float second decimal point dropped", edFloat, u'.', u"1.5", 3, 0, u'.', false, V::Drop, 0},
    {"float decimal point over the selected one", edFloat, u'.', u"1.5", 1, 1, u'.', false, V::Pass, 0},
    {"float thousand separator dropped", edFloat, u'.', u"1", 1, 0, u',', false, V::Drop, 0},
    {"comma locale: point is the thousand separator", edFloat, u',', u"1", 1, 0, u'.', false, V::Drop, 0},
    {"comma locale: first comma", edFloat, u',', u"1", 1, 0, u',', false, V::Pass, 0},
    {"comma locale: second comma dropped", edFloat, u',', u"1,2", 3, 0, u',', false, V::Drop, 0},
    {"comma locale: comma over the selected comma", edFloat, u',', u"1,2", 0, 3, u',', false, V::Pass, 0},
    {"float minus in front", edFloat, u'.', u"1", 0, 0, u'-', false, V::Pass, 0},
    {"float minus elsewhere beeps", edFloat, u'.', u"1", 1, 0, u'-', false, V::Refuse, 0},
    {"float minus over the selected minus", edFloat, u'.', u"-1", 0, 1, u'-', false, V::Pass, 0},
    {"float letter dropped", edFloat, u'.', u"1", 1, 0, u'x', false, V::Drop, 0},
    {"float letter with Ctrl passes", edFloat, u'.', u"1", 1, 0, 22, true, V::Pass, 0},
    {"positive float minus dropped silently", edPositiveFloat, u'.', u"", 0, 0, u'-', false, V::Drop, 0},
    {"capital upper-cases", edCapital, u'.', u"", 0, 0, u'q', false, V::Pass, u'Q'},
    {"upper case upper-cases", edUpperCase, u'.', u"", 0, 0, u'\u00e9', false, V::Pass, u'\u00c9'},
    {"lower case lower-cases", edLowerCase, u'.', u"", 0, 0, u'Q', false, V::Pass, u'q'},
    {"mixed case passes as typed", edMixedCase, u'.', u"", 0, 0, u'q', false, V::Pass, 0},
    {"valid chars: listed", edValidChars, u'.', u"", 0, 0, u'B', false, V::Pass, 0},
    {"valid chars: other case beeps", edValidChars, u'.', u"", 0, 0, u'a', false, V::Refuse, 0},
    {"valid chars: tab beeps", edValidChars, u'.', u"", 0, 0, 9, false, V::Refuse, 0},
    {"valid chars: escape beeps", edValidChars, u'.', u"", 0, 0, 27, false, V::Refuse, 0},
    {"valid chars: backspace", edValidChars, u'.', u"A", 1, 0, 8, false, V::Pass, 0},
    {"valid chars: enter", edValidChars, u'.', u"A", 1, 0, 13, false, V::Pass, 0},
    {"a special editor's type takes nothing", edComboList, u'.', u"", 0, 0, u'a', false, V::Drop, 0},
};

INSTANTIATE_TEST_SUITE_P(Types, CharFilter, testing::ValuesIn(CharCases));

TEST(CharFilterLimit, AFullTextTakesOnlyTheEditKeysAndALimitAbove32767IsALimit)
{
    TCharFilterInput in;
    in.Text = u"abcde";
    in.SelStart = 5;
    in.LengthLimit = 5;
    for (Char c : {u'x', Char(9)}) {
        in.Ch = c;
        EXPECT_EQ(FilterEditChar(in).Verdict, V::Drop) << int(c);
    }
    for (Char c : {Char(8), Char(13), Char(27)}) {
        in.Ch = c;
        EXPECT_EQ(FilterEditChar(in).Verdict, V::Pass) << int(c);
    }
    in.Ch = u'x';
    in.SelLength = 1;
    EXPECT_EQ(FilterEditChar(in).Verdict, V::Pass) << "a selection is typed over";

    // A 16-bit signed limit would read 40,000 as "none" and 70,000 as 4,464.
    for (Integer limit : {40000, 70000}) {
        in.Text.assign(size_t(limit), u'1');
        in.SelStart = limit;
        in.SelLength = 0;
        in.LengthLimit = limit;
        EXPECT_EQ(FilterEditChar(in).Verdict, V::Drop) << limit;
        in.Text.pop_back();
        EXPECT_EQ(FilterEditChar(in).Verdict, V::Pass) << limit << " - 1";
    }
}

TEST(KeypadDecimal, OnlyTheKeypadKeyTypesTheLocaleSeparator)
{
    const intptr_t keypad = intptr_t(1) << 22;
    EXPECT_EQ(KeypadDecimal(u'.', keypad, true, u','), u',');
    EXPECT_EQ(KeypadDecimal(u'.', 0, true, u','), u'.') << "the main keyboard's point";
    EXPECT_EQ(KeypadDecimal(u'.', keypad, false, u','), u'.') << "only with the Excel style";
    EXPECT_EQ(KeypadDecimal(u'5', keypad, true, u','), u'5');
}

struct TPasteCase {
    const char* What;
    TEditorType Type;
    const char16_t* Text;
    Integer SelStart, SelLength;
    const char16_t* Pasted;
    Integer Limit;
    bool Fits;
    const char16_t* Result;
    Integer ResultSelStart, ResultSelLength;
};

void PrintTo(const TPasteCase& C, std::ostream* Out) { *Out << C.What; }

class Paste : public testing::TestWithParam<TPasteCase> {};

TEST_P(Paste, MergesByType)
{
    const TPasteCase& c = GetParam();
    TPasteInput in;
    in.Type = c.Type;
    in.Text = c.Text;
    in.SelStart = c.SelStart;
    in.SelLength = c.SelLength;
    in.Pasted = c.Pasted;
    in.ValidChars = u"AB";
    in.LengthLimit = c.Limit;
    const TPasteResult r = MergePaste(in);
    EXPECT_EQ(r.Fits, c.Fits);
    EXPECT_EQ(StringToUtf8(r.Text), StringToUtf8(c.Result));
    if (c.Fits) {
        EXPECT_EQ(r.SelStart, c.ResultSelStart);
        EXPECT_EQ(r.SelLength, c.ResultSelLength);
    }
}

const TPasteCase PasteCases[] = {
    {"inserted at the caret, caret after it", edNormal, u"abcd", 2, 0, u"XY", 0, true, u"abXYcd", 4, 0},
    {"a selection is replaced and stays selected", edNormal, u"abcd", 1, 2, u"XYZ", 0, true, u"aXYZd", 1, 3},
    {"one trailing line break goes", edNormal, u"", 0, 0, u"row\r\n", 0, true, u"row", 3, 0},
    {"two lines keep their breaks", edNormal, u"", 0, 0, u"a\r\nb\r\n", 0, true, u"a\r\nb\r\n", 6, 0},
    {"pasted text longer than the limit does nothing", edNormal, u"", 0, 0, u"123456", 5, false, u"", 0, 0},
    {"merged text longer than the limit does nothing", edNormal, u"1234", 4, 0, u"56", 5, false, u"1234", 0, 0},
    {"numeric takes an integer", edNumeric, u"1", 1, 0, u"23", 0, true, u"123", 3, 0},
    {"numeric refuses a minus inside", edNumeric, u"1", 1, 0, u"-2", 0, true, u"1", 3, 0},
    {"numeric takes a negative integer", edNumeric, u"", 0, 0, u"-12", 0, true, u"-12", 3, 0},
    {"numeric refuses a word, the text stays", edNumeric, u"1", 1, 0, u"x", 0, true, u"1", 2, 0},
    {"positive numeric refuses a minus", edPositiveNumeric, u"", 0, 0, u"-12", 0, true, u"", 3, 0},
    {"float takes a decimal", edFloat, u"", 0, 0, u"-1.5", 0, true, u"-1.5", 4, 0},
    {"positive float refuses a minus", edPositiveFloat, u"", 0, 0, u"-1.5", 0, true, u"", 4, 0},
    {"mixed case proper-cases the whole text", edMixedCase, u"", 0, 0, u"john smith", 0, true, u"John Smith", 10, 0},
    {"lower case", edLowerCase, u"a", 1, 0, u"BC", 0, true, u"abc", 3, 0},
    {"upper case, the whole merged text", edUpperCase, u"a", 1, 0, u"bc", 0, true, u"ABC", 3, 0},
    {"capital leaves the paste as it is", edCapital, u"", 0, 0, u"bc", 0, true, u"bc", 2, 0},
    {"valid chars all listed", edValidChars, u"A", 1, 0, u"BA", 0, true, u"ABA", 3, 0},
    {"valid chars with one unlisted", edValidChars, u"A", 1, 0, u"Bc", 0, true, u"A", 3, 0},
};

INSTANTIATE_TEST_SUITE_P(Types, Paste, testing::ValuesIn(PasteCases));

TEST(LookupComplete, TheFirstItemBeginningWithTheTypedTextCompletesIt)
{
    const std::vector<String> items{u"Abacus", u"Abbey"};
    String text;
    Integer from = -1;
    ASSERT_TRUE(LookupComplete(u"ab", 2, items, false, text, from));
    EXPECT_EQ(StringToUtf8(text), "abacus") << "typed letters stay as typed";
    EXPECT_EQ(from, 2);
    ASSERT_TRUE(LookupComplete(u"abb", 3, items, false, text, from));
    EXPECT_EQ(StringToUtf8(text), "abbey");
    EXPECT_FALSE(LookupComplete(u"ab", 2, items, true, text, from)) << "case-sensitive: no item begins with ab";
    EXPECT_FALSE(LookupComplete(u"abx", 3, items, false, text, from));
    EXPECT_FALSE(LookupComplete(u"ab", 0, items, false, text, from)) << "nothing typed before the caret";
    ASSERT_TRUE(LookupComplete(u"Abzz", 2, items, true, text, from)) << "only the text before the caret counts";
    EXPECT_EQ(StringToUtf8(text), "Abacus");
}

}  // namespace
}  // namespace gw
