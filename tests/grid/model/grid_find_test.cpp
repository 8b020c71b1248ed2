// The grid-free half of find and replace: the cell-text test under each parameter, the walk over a
// range in both scan orders and directions, the restrictions, and the replacement of a cell text.
#include "grid/model/grid_find.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace gw::test {
namespace {

struct TMatchCase {
    const char16_t* Cell;
    const char16_t* Search;
    TFindParams Params;
    bool Expected;
};

TEST(GridFind, CellTextMatchesUnderEachParameter)
{
    const std::vector<TMatchCase> cases = {
        {u"Alpha", u"lph", 0, true},
        {u"Alpha", u"LPH", 0, true},
        {u"Alpha", u"lph", FindParams(fnMatchCase), true},
        {u"Alpha", u"LPH", FindParams(fnMatchCase), false},
        {u"ÄRGER", u"ärg", 0, true},
        {u"Alpha", u"alp", FindParams(fnMatchStart), true},
        {u"xAlpha", u"alp", FindParams(fnMatchStart), false},
        {u"Alpha", u"ALPHA", FindParams(fnMatchFull), true},
        {u"Alphas", u"alpha", FindParams(fnMatchFull), false},
        {u"alpha", u"Alpha", FindParams(fnMatchFull, fnMatchCase), false},
        {u"Alpha", u"pha", FindParams(fnMatchStart, fnMatchFull), false},
        {u"", u"\"\"", 0, true},
        {u"x", u"\"\"", 0, false},
        {u"\"\"", u"\"\"", 0, false},
        {u"abc", u"", 0, false},
        {u"", u"", 0, false},
        {u"<b>Al</b>pha", u"alpha", FindParams(fnIgnoreHTMLTags), true},
        {u"<b>Al</b>pha", u"alpha", 0, false},
        {u"<b>x</b>", u"b>", 0, true},
        {u"<b>x</b>", u"b>", FindParams(fnIgnoreHTMLTags), false},
        {u"abc", u"a*", FindParams(fnMatchRegular), true},
        {u"abc", u"b*", FindParams(fnMatchRegular), false},
        {u"abc", u"A*", FindParams(fnMatchRegular, fnMatchCase), false},
        {u"15", u">10", FindParams(fnMatchRegular), true},
        {u"5", u">10", FindParams(fnMatchRegular), false},
    };
    for (const TMatchCase& c : cases) {
        const String cache = FindSearchCache(c.Search, c.Params);
        EXPECT_EQ(FindTextMatches(c.Cell, cache, c.Params), c.Expected) << "case " << (&c - cases.data());
    }
}

TEST(GridFind, SearchCacheIsUpperCasedUnlessMatchCase)
{
    EXPECT_EQ(FindSearchCache(u"aBç", 0), u"ABÇ");
    EXPECT_EQ(FindSearchCache(u"aBç", FindParams(fnMatchCase)), u"aBç");
}

// Walks a 3 x 3 range (columns and rows 1..3) of a grid whose matching cells are listed.
struct TWalk {
    std::set<std::pair<Integer, Integer>> Hits;
    std::vector<std::pair<Integer, Integer>> Tested;
    TPoint Run(TGridRect Range, TPoint Start, TFindParams Params)
    {
        return FindInRange(Range, Start, Params, [this](Integer c, Integer r) {
            Tested.emplace_back(c, r);
            return Hits.count({c, r}) > 0;
        });
    }
};

const TGridRect kRange{1, 1, 3, 3};

struct TWalkCase {
    TPoint Start;
    TFindParams Params;
    TPoint Expected;
};

TEST(GridFind, WalkFindsTheNextHitInScanOrderAndNeverWraps)
{
    const TFindParams rows = FindParams(fnDirectionLeftRight);
    const TFindParams back = FindParams(fnBackward);
    const TFindParams rowsBack = FindParams(fnDirectionLeftRight, fnBackward);
    // Hits at (3, 1) and (1, 2): row by row (3, 1) comes first, column by column (1, 2).
    const std::vector<TWalkCase> cases = {
        {{-1, -1}, 0, {1, 2}},  {{-1, -1}, rows, {3, 1}},   {{1, 2}, 0, {3, 1}},      {{3, 1}, rows, {1, 2}},
        {{3, 1}, 0, {-1, -1}},  {{1, 2}, rows, {-1, -1}},   {{-1, -1}, back, {3, 1}}, {{-1, -1}, rowsBack, {1, 2}},
        {{3, 1}, back, {1, 2}}, {{1, 2}, rowsBack, {3, 1}}, {{1, 2}, back, {-1, -1}}, {{3, 1}, rowsBack, {-1, -1}},
        {{3, 3}, 0, {-1, -1}},  {{1, 1}, back, {-1, -1}},   {{0, 0}, 0, {1, 2}},      {{2, 0}, rows, {3, 1}},
        {{5, 5}, back, {3, 1}}, {{2, 5}, rows, {-1, -1}},   {{1, 0}, 0, {1, 2}},      {{0, 2}, rows, {1, 2}},
        {{4, 1}, rows, {1, 2}},
    };
    for (const TWalkCase& c : cases) {
        TWalk w;
        w.Hits = {{3, 1}, {1, 2}};
        const TPoint got = w.Run(kRange, c.Start, c.Params);
        EXPECT_EQ(got, c.Expected) << "start (" << c.Start.X << ", " << c.Start.Y << ") params " << c.Params << " got ("
                                   << got.X << ", " << got.Y << ")";
    }
}

TEST(GridFind, BackwardFromNothingTestsTheBottomRightFirstAndEachCellOnce)
{
    for (TFindParams p : {TFindParams(0), FindParams(fnDirectionLeftRight), FindParams(fnBackward),
                          FindParams(fnDirectionLeftRight, fnBackward)}) {
        TWalk w;
        EXPECT_EQ(w.Run(kRange, {-1, -1}, p), (TPoint{-1, -1}));
        ASSERT_EQ(w.Tested.size(), 9u);
        std::set<std::pair<Integer, Integer>> unique(w.Tested.begin(), w.Tested.end());
        EXPECT_EQ(unique.size(), 9u);
        const auto first = w.Tested.front();
        if (HasFindParam(p, fnBackward))
            EXPECT_EQ(first, std::make_pair(3, 3));
        else
            EXPECT_EQ(first, std::make_pair(1, 1));
    }
    // Column by column goes down a column first; row by row along a row.
    TWalk cols;
    cols.Run(kRange, {-1, -1}, 0);
    EXPECT_EQ(cols.Tested[1], std::make_pair(1, 2));
    TWalk rows;
    rows.Run(kRange, {-1, -1}, FindParams(fnDirectionLeftRight));
    EXPECT_EQ(rows.Tested[1], std::make_pair(2, 1));
}

TEST(GridFind, EmptyRangeTestsNothing)
{
    TWalk w;
    w.Hits = {{1, 1}};
    EXPECT_EQ(w.Run({2, 1, 1, 3}, {-1, -1}, 0), (TPoint{-1, -1}));
    EXPECT_EQ(w.Run({1, 3, 3, 2}, {-1, -1}, FindParams(fnBackward)), (TPoint{-1, -1}));
    EXPECT_TRUE(w.Tested.empty());
}

// A run restricted to one line along the scan's inner axis steps on from each match and ends:
// repeating from the previous match visits every cell of the line once.
TEST(GridFind, RestrictedLineIsWalkedOnceFromMatchToMatch)
{
    struct TLine {
        TFindParams Params;
        std::vector<TPoint> Expected;
    };
    const std::vector<TLine> lines = {
        {FindParams(fnFindInCurrentRow, fnDirectionLeftRight), {{1, 2}, {2, 2}, {3, 2}}},
        {FindParams(fnFindInCurrentCol), {{2, 1}, {2, 2}, {2, 3}}},
        {FindParams(fnFindInCurrentRow, fnDirectionLeftRight, fnBackward), {{3, 2}, {2, 2}, {1, 2}}},
        {FindParams(fnFindInCurrentRow), {{1, 2}, {2, 2}, {3, 2}}},
        {FindParams(fnFindInCurrentRow, fnFindInCurrentCol), {{2, 2}}},
    };
    for (const TLine& l : lines) {
        const TGridRect range = NarrowFindRange(kRange, l.Params, {2, 2}, {0, 0});
        std::vector<TPoint> got;
        TPoint at{-1, -1};
        for (int guard = 0; guard < 20; ++guard) {
            at = FindInRange(range, at, l.Params, [](Integer, Integer) { return true; });
            if (at == TPoint{-1, -1}) break;
            got.push_back(at);
        }
        EXPECT_EQ(got, l.Expected) << "params " << l.Params;
    }
}

TEST(GridFind, RestrictionsNarrowToTheCurrentOrPresetLine)
{
    const TPoint current{2, 3};
    const TPoint preset{5, 6};
    auto narrow = [&](TFindParams p) { return NarrowFindRange({1, 1, 8, 9}, p, current, preset); };
    auto same = [](TGridRect a, TGridRect b) {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    };
    EXPECT_TRUE(same(narrow(0), {1, 1, 8, 9}));
    EXPECT_TRUE(same(narrow(FindParams(fnFindInCurrentRow)), {1, 3, 8, 3}));
    EXPECT_TRUE(same(narrow(FindParams(fnFindInCurrentCol)), {2, 1, 2, 9}));
    EXPECT_TRUE(same(narrow(FindParams(fnFindInPresetRow)), {1, 6, 8, 6}));
    EXPECT_TRUE(same(narrow(FindParams(fnFindInPresetCol)), {5, 1, 5, 9}));
    // The preset row is applied after the current row.
    EXPECT_TRUE(same(narrow(FindParams(fnFindInCurrentRow, fnFindInPresetRow)), {1, 6, 8, 6}));
    EXPECT_TRUE(same(narrow(FindParams(fnFindInCurrentCol, fnFindInPresetCol)), {5, 1, 5, 9}));
}

TEST(GridFind, SkippedCellsAreNotTested)
{
    TWalk w;
    w.Hits = {{2, 1}, {2, 2}, {3, 2}};
    const TPoint got = FindInRange(
        kRange, {-1, -1}, FindParams(fnDirectionLeftRight),
        [&](Integer c, Integer r) {
            return w.Hits.count({c, r}) > 0;
        },
        [](Integer c, Integer) { return c == 2; });
    EXPECT_EQ(got, (TPoint{3, 2}));
}

TEST(GridFind, ReplacementIgnoresCaseAndReplacesEveryOccurrence)
{
    EXPECT_EQ(ReplaceInCellText(u"Foo foo FOO", u"foo", u"bar"), u"bar bar bar");
    EXPECT_EQ(ReplaceInCellText(u"aaa", u"a", u"aa"), u"aaaaaa");
    EXPECT_EQ(ReplaceInCellText(u"a.b", u".", u"-"), u"a-b");
    EXPECT_EQ(ReplaceInCellText(u"abc", u"", u"x"), u"abc");
}

}  // namespace
}  // namespace gw::test
