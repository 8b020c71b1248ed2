// Rows compared over several columns: ties broken by the following columns, ignored columns, and
// the indexed sort's list with a direction per column; shown as the orders they sort rows into.
#include "grid/model/row_compare_columns.h"

#include "grid/model/row_compare.h"
#include "grid/model/row_sort.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace gw {
namespace {

using RowCompareColumns = test::FormatSettingsTest;

// Name, amount, date (day first), and a last column of notes.
const std::vector<std::vector<String>> kRows = {
    {u"pear", u"10", u"1/2/2020", u"n0"},  //
    {u"apple", u"9", u"3/4/2021", u"n1"},  //
    {u"pear", u"9", u"3/4/2021", u"n2"},  //
    {u"apple", u"10", u"1/2/2020", u"n3"},  //
    {u"pear", u"10", u"1/2/2020", u"n4"},  //
    {u"apple", u"9", u"1/2/2020", u"n5"},  //
};

Integer Cell(Integer ACol, Integer A, Integer B, TSortDirection Direction)
{
    const TCellSortRule rule{.Style = ssAutomatic, .Direction = Direction};
    return CompareCells(rule, kRows[static_cast<size_t>(A)][static_cast<size_t>(ACol)],
                        kRows[static_cast<size_t>(B)][static_cast<size_t>(ACol)]);
}

std::vector<Integer> PlainOrder(Integer ACol, bool Full, TSortDirection Direction, std::set<Integer> Ignored = {})
{
    const Integer sign = Direction == sdAscending ? 1 : -1;
    return SortRowOrder(0, static_cast<Integer>(kRows.size()) - 1, [&](Integer A, Integer B) {
        return sign *
            CompareRowsFrom(
                   ACol, 3, Full, [&](Integer C) { return Ignored.contains(C); },
                   [&](Integer C) { return Cell(C, A, B, Direction); });
    });
}

std::vector<Integer> IndexedOrder(const char16_t* List, bool Full, std::set<Integer> Ignored = {})
{
    TSortIndexList indexes;
    indexes.LoadFromString(List);
    return SortRowOrder(0, static_cast<Integer>(kRows.size()) - 1, [&](Integer A, Integer B) {
        return CompareRowsIndexed(
            indexes, 0, Full, [&](Integer C) { return Ignored.contains(C); },
            [&](Integer C, TSortDirection D) { return Cell(C, A, B, D); });
    });
}

using Order = std::vector<Integer>;

TEST_F(RowCompareColumns, TiesGoToTheFollowingColumnsWithFull)
{
    EXPECT_EQ(PlainOrder(0, true, sdAscending), (Order{5, 1, 3, 2, 0, 4})) << "name, amount, date, note";
    EXPECT_EQ(PlainOrder(0, false, sdAscending), (Order{1, 3, 5, 0, 2, 4})) << "the name alone; equal rows stay";
    EXPECT_EQ(PlainOrder(0, true, sdDescending), (Order{4, 0, 2, 3, 1, 5}));
    EXPECT_EQ(PlainOrder(1, true, sdAscending), (Order{5, 1, 2, 0, 3, 4})) << "9 before 10, then date and note";
    EXPECT_EQ(PlainOrder(2, true, sdAscending), (Order{0, 3, 4, 5, 1, 2}))
        << "dates, then the note, never the columns before";
    EXPECT_EQ(PlainOrder(3, true, sdAscending), (Order{0, 1, 2, 3, 4, 5})) << "the last column has no next";
    // An ignored column compares equal and hands the tie on.
    EXPECT_EQ(PlainOrder(0, true, sdAscending, {1}), (Order{3, 5, 1, 0, 4, 2}));
    EXPECT_EQ(PlainOrder(0, true, sdAscending, {0}), (Order{5, 1, 2, 0, 3, 4}));
    EXPECT_EQ(PlainOrder(0, false, sdAscending, {0}), (Order{0, 1, 2, 3, 4, 5}));
}

TEST_F(RowCompareColumns, EachListEntryHasItsOwnDirection)
{
    EXPECT_EQ(IndexedOrder(u"u0;d1", true), (Order{3, 1, 5, 0, 4, 2}));
    EXPECT_EQ(IndexedOrder(u"d0;u1", true), (Order{2, 0, 4, 1, 5, 3}));
    EXPECT_EQ(IndexedOrder(u"u0;d1;d2;d3", true), (Order{3, 1, 5, 4, 0, 2}));
    EXPECT_EQ(IndexedOrder(u"u0;d1", false), (Order{1, 3, 5, 0, 2, 4})) << "only the first entry decides";
    EXPECT_EQ(IndexedOrder(u"d1", false), (Order{0, 3, 4, 1, 2, 5}));
    EXPECT_EQ(IndexedOrder(u"u1;u0", true, {1}), (Order{1, 3, 5, 0, 2, 4})) << "ignored: the next entry";
    EXPECT_EQ(IndexedOrder(u"", true), (Order{0, 1, 2, 3, 4, 5}));
    TSortIndexList list;
    list.LoadFromString(u"u0;d1");
    EXPECT_EQ(CompareRowsIndexed(
                  list, 1, true, [](Integer) { return false; }, [](Integer, TSortDirection) { return 1; }),
              -1)
        << "from entry 1: its direction only";
    EXPECT_EQ(CompareRowsIndexed(
                  list, 2, true, [](Integer) { return false; }, [](Integer, TSortDirection) { return 1; }),
              0);
}

// Blank cells stay first (or last) whatever an indexed entry's direction, as in the plain sort.
TEST_F(RowCompareColumns, BlanksKeepTheirPlaceInDescendingEntries)
{
    const std::vector<String> texts = {u"5", u"", u"7", u"", u"1"};
    for (const TSortBlankPosition pos : {blFirst, blLast}) {
        TSortIndexList list;
        list.AddIndex(0, false);
        const auto order = SortRowOrder(0, 4, [&](Integer A, Integer B) {
            return CompareRowsIndexed(
                list, 0, true, [](Integer) { return false; },
                [&](Integer, TSortDirection D) {
                    const TCellSortRule rule{.Style = ssNumeric, .IgnoreBlanks = true, .BlankPos = pos, .Direction = D};
                    return CompareCells(rule, texts[static_cast<size_t>(A)], texts[static_cast<size_t>(B)]);
                });
        });
        EXPECT_EQ(order, pos == blFirst ? (Order{1, 3, 2, 0, 4}) : (Order{2, 0, 4, 1, 3}));
    }
}

}  // namespace
}  // namespace gw
