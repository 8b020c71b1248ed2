// The combo editor's pure rules: completion of the typed prefix, and the drop-down width.
#include "grid/interaction/combo_type_ahead.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

struct CompletionCase {
    const char* Name;
    const char16_t* Text;
    Integer Caret;
    bool CaseSensitive;
    Integer Item;  // -2: no match
    const char16_t* Result;  // the completed text
};

class TypeAhead : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(TypeAhead, CompletesTheTypedPrefixToTheFirstMatchingEntry)
{
    const CompletionCase& c = GetParam();
    TStringList items;
    items.SetCommaText(u"Abc,Abd,x");
    TStringList lookup;
    lookup.SetCommaText(u"Lookup,Loop");
    const TTypeAheadResult r = CompleteTypeAhead(c.Text, c.Caret, items, &lookup, c.CaseSensitive);
    ASSERT_EQ(r.Found, c.Item != -2);
    if (!r.Found) return;
    EXPECT_EQ(r.ItemIndex, c.Item);
    EXPECT_EQ(StringToUtf8(r.Text), StringToUtf8(c.Result));
    EXPECT_EQ(r.SelStart, c.Caret) << "the completion after the typed letters is selected";
    EXPECT_EQ(r.SelStart + r.SelLength, Integer(r.Text.size()));
}

INSTANTIATE_TEST_SUITE_P(Cases, TypeAhead,
                         ::testing::Values(CompletionCase{"FirstOfTwoWins", u"ab", 2, false, 0, u"abc"},
                                           CompletionCase{"OnlyTheTextBeforeTheCaret", u"abz", 2, false, 0, u"abc"},
                                           CompletionCase{"CaseSensitiveMisses", u"ab", 2, true, -2, u""},
                                           CompletionCase{"CaseSensitiveHits", u"Abd", 3, true, 1, u"Abd"},
                                           CompletionCase{"EmptyPrefixMatchesNothing", u"abc", 0, false, -2, u""},
                                           CompletionCase{"LookupListWhenNoItem", u"LOOK", 4, false, -1, u"LOOKup"},
                                           CompletionCase{"NoEntryAtAll", u"q", 1, false, -2, u""}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(TypeAheadLimit, ACompletionAddsAtMost255Characters)
{
    TStringList items;
    items.Add(u"a" + String(400, u'b'));
    const TTypeAheadResult r = CompleteTypeAhead(u"a", 1, items, nullptr, false);
    ASSERT_TRUE(r.Found);
    EXPECT_EQ(r.Text.size(), 256u);
}

TEST(DropDownWidth, WidensForTheWidestTextWithRoomForTheScrollBarOnlyWhenThereIsOne)
{
    EXPECT_EQ(DropDownWidthFor(100, 8, {50, 96}), 104) << "no scroll bar: text + 8 once within 5 pixels";
    EXPECT_EQ(DropDownWidthFor(100, 8, {50, 95}), 100);
    EXPECT_EQ(DropDownWidthFor(100, 1, {50, 80}), 105) << "scroll bar: text + 25";
    EXPECT_EQ(DropDownWidthFor(100, 2, {75, 60}), 100);
    EXPECT_EQ(DropDownWidthFor(100, 8, {}), 100);
}

}  // namespace
}  // namespace gw
