// Sorting rows as a permutation: the stable merge sort, its bounds under comparisons that are no
// order, and the exchanges that apply a permutation along its cycles.
#include "grid/model/row_sort.h"

#include "grid/model/row_compare.h"
#include "platform/runtime/exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace gw {
namespace {

// Keys with many repeats, so that stability shows; rows numbered from First.
struct TKeyedRows {
    Integer First = 0;
    std::vector<Integer> Keys;
    Integer Key(Integer Row) const { return Keys[static_cast<size_t>(Row - First)]; }
};

TKeyedRows RandomRows(std::mt19937& Random, Integer First, Integer Count, Integer Distinct)
{
    TKeyedRows rows{First, {}};
    std::uniform_int_distribution<Integer> key(0, Distinct - 1);
    for (Integer i = 0; i < Count; ++i) rows.Keys.push_back(key(Random));
    return rows;
}

bool IsPermutation(const std::vector<Integer>& Order, Integer First, Integer Count)
{
    std::vector<Integer> expected(static_cast<size_t>(Count));
    std::iota(expected.begin(), expected.end(), First);
    std::vector<Integer> sorted = Order;
    std::sort(sorted.begin(), sorted.end());
    return sorted == expected;
}

TEST(RowSort, StableAndEqualToTheLibrarysStableSort)
{
    std::mt19937 random(11);
    for (const Integer count : {0, 1, 2, 3, 15, 16, 17, 31, 32, 33, 100, 257, 1000, 4099}) {
        for (const Integer distinct : {1, 3, 50, 100000}) {
            const TKeyedRows rows = RandomRows(random, 5, count, distinct);
            const auto order =
                SortRowOrder(5, 5 + count - 1, [&](Integer a, Integer b) { return rows.Key(a) - rows.Key(b); });
            std::vector<Integer> expected(static_cast<size_t>(count));
            std::iota(expected.begin(), expected.end(), 5);
            std::stable_sort(expected.begin(), expected.end(),
                             [&](Integer a, Integer b) { return rows.Key(a) < rows.Key(b); });
            ASSERT_EQ(order, expected) << count << " rows, " << distinct << " keys";
        }
    }
}

TEST(RowSort, AnEmptyOrSingleRangeGivesItsRows)
{
    auto never = [](Integer, Integer) -> Integer {
        ADD_FAILURE() << "nothing to compare";
        return 0;
    };
    EXPECT_TRUE(SortRowOrder(4, 3, never).empty());
    EXPECT_EQ(SortRowOrder(4, 4, never), std::vector<Integer>{4});
}

// Comparisons as a merge sort needs them: about n log n, not n squared.
TEST(RowSort, ComparesAboutNLogNTimes)
{
    std::mt19937 random(3);
    const TKeyedRows rows = RandomRows(random, 0, 10000, 1000000);
    Integer compares = 0;
    SortRowOrder(0, 9999, [&](Integer a, Integer b) {
        ++compares;
        return rows.Key(a) - rows.Key(b);
    });
    EXPECT_LT(compares, static_cast<Integer>(1.5 * 10000 * std::log2(10000.0)));
    compares = 0;
    SortRowOrder(0, 9999, [&](Integer, Integer) {
        ++compares;
        return 0;
    });
    EXPECT_LT(compares, 2 * 10000) << "runs already in order are not merged again";
}

// Whatever the comparison answers, the result is a permutation of the rows and nothing is read
// outside them (the sanitizers watch); with AutoFormat on a column of numbers and words the
// answers contradict each other.
TEST(RowSort, StaysInBoundsWhateverTheComparisonAnswers)
{
    std::mt19937 random(5);
    const std::vector<String> texts{u"10", u"abc", u"-3", u"", u"7", u"x", u"1/2/2020", u"9:15", u"0", u"b"};
    std::vector<std::pair<const char*, std::function<Integer(Integer, Integer)>>> comparisons{
        {"random", [&](Integer, Integer) { return static_cast<Integer>(random() % 3) - 1; }},
        {"always below", [](Integer, Integer) { return -1; }},
        {"always above", [](Integer, Integer) { return 1; }},
        {"huge answers", [&](Integer, Integer) { return random() % 2 ? INT32_MIN : INT32_MAX; }},
        {"AutoFormat",
         [&](Integer a, Integer b) {
             return CompareCells({.Style = ssAutomatic}, texts[static_cast<size_t>(a) % texts.size()],
                                 texts[static_cast<size_t>(b) % texts.size()]);
         }},
    };
    for (const auto& [name, compare] : comparisons) {
        for (const Integer count : {2, 7, 16, 17, 100, 1000}) {
            const auto order = SortRowOrder(3, 3 + count - 1, compare);
            EXPECT_TRUE(IsPermutation(order, 3, count)) << name << " " << count;
        }
    }
}

// A column sorted both ways with blanks placed by BlankPos: descending compares the other way
// round (the grid's SortDir), and the blanks still go first or last.
TEST(RowSort, BlanksStayFirstOrLastInBothDirections)
{
    const std::vector<String> texts{u"3", u"", u"1", u"", u"2"};
    struct Case {
        TSortDirection dir;
        TSortBlankPosition pos;
        std::vector<Integer> rows;
    };
    const Case cases[] = {
        {sdAscending, blFirst, {1, 3, 2, 4, 0}},
        {sdAscending, blLast, {2, 4, 0, 1, 3}},
        {sdDescending, blFirst, {1, 3, 0, 4, 2}},
        {sdDescending, blLast, {0, 4, 2, 1, 3}},
    };
    for (const auto& c : cases) {
        const TCellSortRule rule{.Style = ssNumeric, .IgnoreBlanks = true, .BlankPos = c.pos, .Direction = c.dir};
        const Integer sortDir = c.dir == sdAscending ? 1 : -1;
        const auto order = SortRowOrder(0, 4, [&](Integer a, Integer b) {
            return sortDir * CompareCells(rule, texts[static_cast<size_t>(a)], texts[static_cast<size_t>(b)]);
        });
        EXPECT_EQ(order, c.rows) << int(c.dir) << " " << int(c.pos);
    }
}

// The rows as the grid keeps them: labels moved by exchanges only.
struct TSwapLog {
    Integer First = 0;
    std::vector<Integer> Rows;
    std::vector<std::pair<Integer, Integer>> Swaps;
    void operator()(Integer A, Integer B)
    {
        Swaps.emplace_back(A, B);
        std::swap(Rows[static_cast<size_t>(A - First)], Rows[static_cast<size_t>(B - First)]);
    }
};

TEST(RowSort, ApplyingAnOrderMovesRowsAlongItsCycles)
{
    // Positions 10..15 receive rows 12, 10, 11, 13, 15, 14: a 3-cycle, a fixed row, a 2-cycle.
    const std::vector<Integer> order{12, 10, 11, 13, 15, 14};
    TSwapLog log{10, {10, 11, 12, 13, 14, 15}, {}};
    EXPECT_EQ(ApplyRowOrder(10, order, std::ref(log)), 3);
    EXPECT_EQ(log.Rows, order);
    EXPECT_EQ(log.Swaps.size(), 3u);
    for (const auto& [a, b] : log.Swaps) {
        EXPECT_NE(a, 13);
        EXPECT_NE(b, 13) << "a row in place is never touched";
    }
    TSwapLog none{0, {0, 1, 2}, {}};
    EXPECT_EQ(ApplyRowOrder(0, {0, 1, 2}, std::ref(none)), 0);
    EXPECT_EQ(ApplyRowOrder(0, {}, std::ref(none)), 0);
    EXPECT_TRUE(none.Swaps.empty());
}

TEST(RowSort, RandomOrdersTakeRowsMinusCyclesExchanges)
{
    std::mt19937 random(9);
    for (int round = 0; round < 100; ++round) {
        const Integer count = std::uniform_int_distribution<Integer>(0, 300)(random);
        std::vector<Integer> order(static_cast<size_t>(count));
        std::iota(order.begin(), order.end(), 2);
        std::shuffle(order.begin(), order.end(), random);
        TSwapLog log{2, {}, {}};
        log.Rows.resize(order.size());
        std::iota(log.Rows.begin(), log.Rows.end(), 2);
        Integer cycles = 0;
        std::vector<bool> seen(order.size(), false);
        for (size_t i = 0; i < order.size(); ++i) {
            if (seen[i]) continue;
            ++cycles;
            for (size_t j = i; !seen[j]; j = static_cast<size_t>(order[j] - 2)) seen[j] = true;
        }
        EXPECT_EQ(ApplyRowOrder(2, order, std::ref(log)), count - cycles);
        ASSERT_EQ(log.Rows, order) << "round " << round;
    }
}

TEST(RowSort, AnOrderThatIsNoPermutationMovesNothing)
{
    for (const auto& order :
         {std::vector<Integer>{0, 0, 1}, std::vector<Integer>{0, 1, 3}, std::vector<Integer>{-1, 0, 1}}) {
        TSwapLog log{0, {0, 1, 2}, {}};
        EXPECT_THROW(ApplyRowOrder(0, order, std::ref(log)), EListError);
        EXPECT_TRUE(log.Swaps.empty());
    }
}

TEST(RowSort, GroupSortsTakeTheChildrenOfExpandedNodesAtTheDeepestLevel)
{
    // Rows 1..12: a level-1 node over a level-2 node (expanded, 3 children), a collapsed level-2
    // node, a level-2 node with one child, a level-2 node running past the last row, and a
    // level-1 node whose children are never sorted (its level is not the deepest).
    std::vector<TNodeRowInfo> rows(14);
    rows[1] = {true, 1, true, 9};
    rows[2] = {true, 2, true, 4};
    rows[6] = {true, 2, false, 3};
    rows[8] = {true, 2, true, 2};
    rows[10] = {true, 2, true, 5};
    rows[13] = {true, 1, true, 5};
    const auto groups = DeepestNodeGroups(1, 12, [&](Integer R) { return rows[size_t(R)]; });
    EXPECT_EQ(groups, (std::vector<TRowRange>{{3, 5}, {11, 12}})) << "cut at the last row";
    EXPECT_TRUE(DeepestNodeGroups(1, 3, [](Integer) { return TNodeRowInfo{}; }).empty());
    // Without nodes of level 2, the level-1 groups are the deepest.
    std::vector<TNodeRowInfo> flat(6);
    flat[0] = {true, 1, true, 3};
    flat[3] = {true, 1, true, 3};
    EXPECT_EQ(DeepestNodeGroups(0, 5, [&](Integer R) { return flat[size_t(R)]; }),
              (std::vector<TRowRange>{{1, 2}, {4, 5}}));
}

}  // namespace
}  // namespace gw
