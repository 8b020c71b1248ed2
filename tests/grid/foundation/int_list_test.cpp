// Integer lists and the sort index list: change events, the comma text, the saved sort text
// and the list errors.
#include "grid/foundation/int_list.h"

#include "platform/runtime/exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace gw {
namespace {

// Counts the list's change events and checks that each names the list's cell.
struct ChangeCounter {
    explicit ChangeCounter(TIntList& List)
    {
        List.OnChange = [this, &List](TObject* Sender, Integer ACol, Integer ARow) {
            EXPECT_EQ(Sender, &List);
            EXPECT_EQ(ACol, List.Col());
            EXPECT_EQ(ARow, List.Row());
            ++Count;
        };
    }
    int Count = 0;
};

std::vector<Integer> Entries(const TIntList& List)
{
    std::vector<Integer> r;
    for (Integer i = 0; i < List.Count(); ++i) r.push_back(List.GetInteger(i));
    return r;
}

TEST(IntList, WhichOperationsReportAChange)
{
    struct Case {
        const char* what;
        std::function<void(TIntList&)> op;
        std::vector<Integer> after;
        int events;
    };
    const Case cases[] = {
        {"Add", [](TIntList& l) { l.Add(9); }, {4, 5, 4, 9}, 1},
        {"Insert", [](TIntList& l) { l.Insert(1, 9); }, {4, 9, 5, 4}, 0},
        {"Insert at the end", [](TIntList& l) { l.Insert(3, 9); }, {4, 5, 4, 9}, 0},
        {"Delete", [](TIntList& l) { l.Delete(1); }, {4, 4}, 1},
        {"DeleteValue", [](TIntList& l) { l.DeleteValue(4); }, {5, 4}, 1},
        {"DeleteValue absent", [](TIntList& l) { l.DeleteValue(7); }, {4, 5, 4}, 0},
        {"SetInteger", [](TIntList& l) { l.SetInteger(2, -1); }, {4, 5, -1}, 1},
        {"Clear", [](TIntList& l) { l.Clear(); }, {}, 0},
    };
    for (const Case& c : cases) {
        TIntList list(3, 8);
        for (Integer v : {4, 5, 4}) list.Add(v);
        ChangeCounter changes(list);
        c.op(list);
        EXPECT_EQ(Entries(list), c.after) << c.what;
        EXPECT_EQ(changes.Count, c.events) << c.what;
    }
}

TEST(IntList, QueriesFindTheFirstEntry)
{
    TIntList list(0, 0);
    for (Integer v : {7, -3, 7}) list.Add(v);
    EXPECT_EQ(list.IndexOf(7), 0);
    EXPECT_EQ(list.IndexOf(-3), 1);
    EXPECT_EQ(list.IndexOf(8), -1);
    EXPECT_TRUE(list.HasValue(-3));
    EXPECT_FALSE(list.HasValue(3));
}

TEST(IntList, PositionsOutsideTheListRaiseTheListError)
{
    TIntList list(0, 0);
    list.Add(1);
    list.Add(2);
    ChangeCounter changes(list);
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"GetInteger past the end", [&] { list.GetInteger(2); }}, {"GetInteger below 0", [&] { list.GetInteger(-1); }},
        {"SetInteger", [&] { list.SetInteger(2, 0); }},           {"Delete", [&] { list.Delete(2); }},
        {"Insert beyond the end", [&] { list.Insert(3, 0); }},    {"Insert below 0", [&] { list.Insert(-1, 0); }},
    };
    for (const auto& [what, op] : cases) EXPECT_THROW(op(), EListError) << what;
    try {
        list.GetInteger(5);
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), u"List index out of bounds (5)");
    }
    EXPECT_EQ(Entries(list), (std::vector<Integer>{1, 2}));
    EXPECT_EQ(changes.Count, 0);
}

TEST(IntList, StrValueIsTheCommaTextOfTheEntries)
{
    TIntList list(0, 0);
    EXPECT_EQ(list.StrValue(), u"");
    for (Integer v : {1, -2, 3}) list.Add(v);
    EXPECT_EQ(list.StrValue(), u"1,-2,3");
    list.Clear();
    list.Add(-2147483647 - 1);
    EXPECT_EQ(list.StrValue(), u"-2147483648");
}

TEST(IntList, SettingStrValueReadsCommaText)
{
    struct Case {
        const char16_t* text;
        std::vector<Integer> entries;
    };
    const Case cases[] = {
        {u"", {}},
        {u"1,-2,3", {1, -2, 3}},
        {u"1 2  3", {1, 2, 3}},  // blanks separate as commas do
        {u" 4 , 5 ", {4, 5}},
        {u"\"6\",\" 7\"", {6, 7}},  // quoted items; the conversion allows leading blanks
        {u"2147483647,-2147483648", {2147483647, -2147483647 - 1}},
    };
    for (const Case& c : cases) {
        TIntList list(0, 0);
        list.Add(99);
        ChangeCounter changes(list);
        list.SetStrValue(c.text);
        EXPECT_EQ(Entries(list), c.entries) << StringView(c.text).size();
        EXPECT_EQ(changes.Count, int(c.entries.size()));  // one per item, none for the clearing
    }
}

TEST(IntList, ANonNumericItemRaisesAfterTheItemsBeforeIt)
{
    for (const char16_t* text : {u"1,2,x,4", u"1,2,,4", u"1,2,2147483648,4", u"1,2,\"3 3\""}) {
        TIntList list(0, 0);
        ChangeCounter changes(list);
        EXPECT_THROW(list.SetStrValue(text), EConvertError);
        EXPECT_EQ(Entries(list), (std::vector<Integer>{1, 2}));
        EXPECT_EQ(changes.Count, 2);
    }
}

// --- the sort index list -------------------------------------------------------------------------

std::vector<std::pair<Integer, bool>> SortEntries(const TSortIndexList& List)
{
    std::vector<std::pair<Integer, bool>> r;
    for (Integer i = 0; i < List.Count(); ++i) r.emplace_back(List.GetSortColumns(i), List.GetSortDirections(i));
    return r;
}

TEST(SortIndexList, LoadFromStringReadsEachItem)
{
    struct Case {
        const char16_t* text;
        std::vector<std::pair<Integer, bool>> entries;  // column, ascending
    };
    const Case cases[] = {
        {u"u2;d5", {{2, true}, {5, false}}},
        {u"U2", {{2, false}}},  // only a lower-case "u" is ascending
        {u"u", {}},  // too short: skipped
        {u"x7", {{7, false}}},  // any other letter is descending
        {u"u12abc", {{12, true}}},  // the leading digits
        {u"ud", {{0, true}}},  // no digits: column 0
        {u"d-5", {{0, false}}},
        {u"", {}},
        {u";;u3;;d", {{3, true}}},
        {u"u4;d4", {{4, true}, {4, false}}},
        {u"u99999999999", {{2147483647, true}}},  // beyond any column: the largest
        {u"d 3", {{0, false}}},
    };
    for (const Case& c : cases) {
        TSortIndexList list;
        list.AddIndex(1, true);
        list.LoadFromString(c.text);
        EXPECT_EQ(SortEntries(list), c.entries) << StringView(c.text).size();
    }
}

TEST(SortIndexList, SaveToStringWritesDirectionAndColumn)
{
    TSortIndexList list;
    EXPECT_EQ(list.SaveToString(), u"");
    list.AddIndex(2, true);
    list.AddIndex(5, false);
    EXPECT_EQ(list.SaveToString(), u"u2;d5");
    TSortIndexList wide;
    wide.AddIndex(70000, true);  // only the low 16 bits are written
    EXPECT_EQ(wide.SaveToString(), u"u4464");
    TSortIndexList again;
    again.LoadFromString(list.SaveToString());
    EXPECT_EQ(SortEntries(again), SortEntries(list));
}

TEST(SortIndexList, EntriesKeepColumnAndDirectionApart)
{
    TSortIndexList list;
    list.AddIndex(3, false);
    list.AddIndex(8, true);
    list.AddIndex(3, true);
    EXPECT_EQ(list.GetInteger(0), Integer(0x80000003u));
    EXPECT_EQ(list.GetInteger(1), 8);
    EXPECT_EQ(list.FindIndex(3), 0);
    EXPECT_EQ(list.FindIndex(8), 1);
    EXPECT_EQ(list.FindIndex(4), -1);

    list.ToggleIndex(3);  // the first entry of the column only
    EXPECT_EQ(SortEntries(list), (std::vector<std::pair<Integer, bool>>{{3, true}, {8, true}, {3, true}}));
    list.SetSortColumns(1, 12);
    list.SetSortDirections(0, false);
    EXPECT_EQ(SortEntries(list), (std::vector<std::pair<Integer, bool>>{{3, false}, {12, true}, {3, true}}));
    list.SetSortColumns(0, 6);  // keeps the descending bit
    EXPECT_EQ(SortEntries(list)[0], (std::pair<Integer, bool>{6, false}));
    // A column never reaches into the direction bit.
    list.AddIndex(-1, true);
    EXPECT_EQ(SortEntries(list)[3], (std::pair<Integer, bool>{2147483647, true}));
}

TEST(SortIndexList, ChangesAreReportedPerEntry)
{
    TSortIndexList list;
    ChangeCounter changes(list);
    list.LoadFromString(u"u1;d2;u3");
    EXPECT_EQ(changes.Count, 3);
    list.ToggleIndex(9);  // absent: nothing
    EXPECT_EQ(changes.Count, 3);
    list.ToggleIndex(2);
    list.SetSortColumns(0, 4);
    list.SetSortDirections(1, true);
    EXPECT_EQ(changes.Count, 6);
    EXPECT_EQ(list.SaveToString(), u"u4;u2;u3");
}

}  // namespace
}  // namespace gw
