// The string grid's find and replace over a small table: Find per parameter, FindFirst/FindNext
// runs to the end and again from the top, the go-to, Replace counts and texts, and Search keys.
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

// Columns 0..3, rows 0..4; row 0 and column 0 fixed. Normal cells:
//        col 1     col 2     col 3
// row 1  apple     Banana    cherry
// row 2  (empty)   apple pie APPLE
// row 3  grape     <b>kiwi</b>  banana
// row 4  Apple     melon     (empty)
class ExtStringGridFind : public ::testing::Test {
protected:
    ExtStringGridFind()
    {
        g.SetColCount(4);
        g.SetRowCount(5);
        g.SetFixedCols(1);
        g.SetFixedRows(1);
        const std::vector<std::vector<const char16_t*>> rows = {
            {u"h0", u"First", u"Second", u"Third"}, {u"1", u"apple", u"Banana", u"cherry"},
            {u"2", u"", u"apple pie", u"APPLE"},    {u"3", u"grape", u"<b>kiwi</b>", u"banana"},
            {u"4", u"Apple", u"melon", u""},
        };
        for (Integer r = 0; r < 5; ++r)
            for (Integer c = 0; c < 4; ++c) g.SetGridCell(c, r, rows[size_t(r)][size_t(c)]);
    }
    THarness h;
    TExtStringGrid g{nullptr};
};

struct TFindCase {
    TPoint Start;
    const char16_t* Text;
    TFindParams Params;
    TPoint Expected;
};

TEST_F(ExtStringGridFind, FindPerParameter)
{
    const TPoint none{-1, -1};
    const std::vector<TFindCase> cases = {
        {none, u"apple", 0, {1, 1}},
        {{1, 1}, u"apple", 0, {1, 4}},
        {{1, 4}, u"apple", 0, {2, 2}},
        {none, u"apple", FindParams(fnDirectionLeftRight), {1, 1}},
        {{1, 1}, u"apple", FindParams(fnDirectionLeftRight), {2, 2}},
        {{2, 2}, u"apple", FindParams(fnDirectionLeftRight), {3, 2}},
        {none, u"apple", FindParams(fnMatchCase, fnDirectionLeftRight, fnBackward), {2, 2}},
        {none, u"Apple", FindParams(fnMatchCase), {1, 4}},
        {none, u"apple", FindParams(fnMatchFull, fnBackward), {3, 2}},
        {none, u"pie", FindParams(fnMatchStart), none},
        {none, u"pie", 0, {2, 2}},
        {none, u"kiwi", 0, {2, 3}},
        {none, u"kiwi", FindParams(fnMatchFull), none},
        {none, u"kiwi", FindParams(fnMatchFull, fnIgnoreHTMLTags), {2, 3}},
        {none, u"\"\"", 0, {1, 2}},
        {none, u"\"\"", FindParams(fnBackward), {3, 4}},
        {none, u"", 0, none},
        {none, u"Third", 0, none},
        {none, u"Third", FindParams(fnIncludeFixed), {3, 0}},
        {none, u"b*", FindParams(fnMatchRegular), {2, 1}},
        {none, u"banana", FindParams(fnFindInCurrentRow, fnDirectionLeftRight), {2, 1}},
        {none, u"banana", FindParams(fnFindInCurrentCol), none},
        {none, u"melon", FindParams(fnFindInPresetCol), {2, 4}},
        {none, u"melon", FindParams(fnFindInPresetRow), none},
    };
    g.FindCol = 2;
    g.FindRow = 3;
    for (const TFindCase& c : cases) {
        const TPoint got = g.Find(c.Start, c.Text, c.Params);
        EXPECT_EQ(got, c.Expected) << "case " << (&c - cases.data()) << " got (" << got.X << ", " << got.Y << ")";
    }
}

TEST_F(ExtStringGridFind, FindNextRunsToTheEndThenStartsAgainFromTheTop)
{
    const std::vector<TPoint> expected = {{1, 1}, {2, 2}, {3, 2}, {1, 4}, {-1, -1}, {1, 1}};
    std::vector<TPoint> got = {g.FindFirst(u"APPLE", FindParams(fnDirectionLeftRight))};
    for (size_t i = 1; i < expected.size(); ++i) got.push_back(g.FindNext());
    EXPECT_EQ(got, expected);
    EXPECT_EQ(g.SearchCell(), (TPoint{1, 1}));
    EXPECT_FALSE(g.FindBusy());
}

TEST_F(ExtStringGridFind, FindNextInTheCurrentRowStaysInItAndEnds)
{
    g.SetRowEx(2);
    std::vector<TPoint> got = {g.FindFirst(u"", FindParams(fnFindInCurrentRow, fnDirectionLeftRight))};
    EXPECT_EQ(got[0], (TPoint{-1, -1}));
    got = {g.FindFirst(u"p", FindParams(fnFindInCurrentRow, fnDirectionLeftRight))};
    for (int i = 0; i < 3; ++i) got.push_back(g.FindNext());
    EXPECT_EQ(got, (std::vector<TPoint>{{2, 2}, {3, 2}, {-1, -1}, {2, 2}}));
}

TEST_F(ExtStringGridFind, AutoGotoMakesTheFoundCellCurrent)
{
    EXPECT_EQ(g.FindFirst(u"melon", FindParams(fnAutoGoto)), (TPoint{2, 4}));
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 4);
    // A match in a fixed cell is a result, but the current cell stays.
    EXPECT_EQ(g.FindFirst(u"h0", FindParams(fnAutoGoto, fnIncludeFixed)), (TPoint{0, 0}));
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 4);
}

TEST_F(ExtStringGridFind, RowByRowScanSkipsIgnoredColumnsColumnScanDoesNot)
{
    g.IgnoreColumns()->Add(1);
    EXPECT_EQ(g.Find({-1, -1}, u"apple", FindParams(fnDirectionLeftRight)), (TPoint{2, 2}));
    EXPECT_EQ(g.Find({-1, -1}, u"apple", 0), (TPoint{1, 1}));
}

TEST_F(ExtStringGridFind, NothingIsSearchedWhenEveryRowIsFixed)
{
    // An emptied table that keeps its header row: even the fixed cells are not searched.
    g.FixedRowAlways = true;
    g.SetRowCount(1);
    ASSERT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FindFirst(u"h0", FindParams(fnIncludeFixed)), (TPoint{-1, -1}));
    g.SetRowCount(3);
    EXPECT_EQ(g.FindFirst(u"h0", FindParams(fnIncludeFixed)), (TPoint{0, 0}));
}

TEST_F(ExtStringGridFind, ReplaceCountsCellsAndReplacesEveryCase)
{
    // Counts and texts as Python's re.sub(re.escape(orig), new, text, flags=re.IGNORECASE) gives.
    EXPECT_EQ(g.Replace(u"apple", u"pear", 0), 4);
    EXPECT_EQ(g.GetGridCell(1, 1), u"pear");
    EXPECT_EQ(g.GetGridCell(2, 2), u"pear pie");
    EXPECT_EQ(g.GetGridCell(3, 2), u"pear");
    EXPECT_EQ(g.GetGridCell(1, 4), u"pear");
    EXPECT_EQ(g.GetGridCell(2, 1), u"Banana");
}

TEST_F(ExtStringGridFind, ReplaceWithMatchCaseFindsExactCellsButReplacesAnyCase)
{
    g.SetGridCell(3, 3, u"Banana BANANA banana");
    EXPECT_EQ(g.Replace(u"Banana", u"x", FindParams(fnMatchCase)), 2);
    EXPECT_EQ(g.GetGridCell(2, 1), u"x");
    EXPECT_EQ(g.GetGridCell(3, 3), u"x x x");
}

TEST_F(ExtStringGridFind, ReplaceEndsWhenTheNewTextStillMatches)
{
    // Row 1 holds "a", "A", "cherry"; column 1 holds "a", "", "grape", "Apple".
    struct TCase {
        TFindParams Params;
        Integer Expected;
    };
    const std::vector<TCase> cases = {
        {FindParams(fnFindInCurrentRow, fnDirectionLeftRight), 2},
        {FindParams(fnFindInCurrentRow, fnDirectionLeftRight, fnBackward), 2},
        {FindParams(fnFindInCurrentRow), 2},
        {FindParams(fnFindInCurrentCol), 3},
        {FindParams(fnFindInCurrentCol, fnDirectionLeftRight), 3},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Params);
        g.SetGridCell(1, 1, u"a");
        g.SetGridCell(2, 1, u"A");
        g.SetRowEx(1);
        g.SetCol(1);
        EXPECT_EQ(g.Replace(u"a", u"aa", c.Params), c.Expected);
        EXPECT_EQ(g.GetGridCell(1, 1), u"aa");
    }
}

TEST_F(ExtStringGridFind, SearchLooksUpAKeyAtTheStartOfTheSortColumn)
{
    for (Integer r = 1; r < 5; ++r)
        g.SetGridCell(2, r, std::vector<const char16_t*>{u"Alpha", u"<i>be</i>ta", u"Gamma", u"bet"}[size_t(r - 1)]);
    // Without a sort column shown: the first normal column (apple, "", grape, Apple).
    EXPECT_EQ(g.Search(u"GR"), 3);
    EXPECT_EQ(g.Search(u"AP"), 1);
    EXPECT_EQ(g.Search(u"ap"), -1);
    EXPECT_EQ(g.Search(u"BE"), -1);
    g.SortSettings()->SetShow(true);
    g.SortSettings()->Column = 2;
    EXPECT_EQ(g.Search(u"BE"), 2);
    EXPECT_EQ(g.Search(u"BETA"), 2);
    EXPECT_EQ(g.Search(u"BETAX"), -1);
    g.SortSettings()->Column = -1;
    EXPECT_EQ(g.Search(u"AP"), -1);
    g.SetRowCount(1);
    EXPECT_EQ(g.Search(u""), -1);
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// A tall grid in a short window: the go-to of Find also scrolls one row further, FindWide's not.
TEST(ExtStringGridFindScroll, FindKeepsTheFoundRowOffTheBottomLineFindWideDoesNot)
{
    THarness h;
    auto make = [](TExtStringGrid& g) {
        g.SetBounds(0, 0, 300, 150);
        g.SetColCount(3);
        g.SetRowCount(60);
        g.SetFixedRows(1);
        g.SetFixedCols(1);
        g.SetGridCell(1, 40, u"needle");
    };
    TExtStringGrid plain{nullptr};
    make(plain);
    ASSERT_GT(plain.VisibleRowCount(), 1);
    ASSERT_LT(plain.VisibleRowCount() + 1, 60);
    plain.SetRowEx(40);
    const Integer scrolledTo = plain.TopRow();
    ASSERT_GT(scrolledTo, 1);

    TExtStringGrid found{nullptr};
    make(found);
    EXPECT_EQ(found.Find({-1, -1}, u"needle", FindParams(fnAutoGoto)), (TPoint{1, 40}));
    EXPECT_EQ(found.Row(), 40);
    EXPECT_EQ(found.TopRow(), scrolledTo + 1);

    TExtStringGrid wide{nullptr};
    make(wide);
    EXPECT_EQ(wide.FindWide({-1, -1}, u"needle", FindParams(fnAutoGoto)), (TPoint{1, 40}));
    EXPECT_EQ(wide.TopRow(), scrolledTo);
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// The export notifications of a run: start, one per tested cell with its row, and the end state.
class TNotifiedGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void ExportNotification(TGridExportState AState, Integer ARow) override { Seen.push_back({AState, ARow}); }
    std::vector<std::pair<TGridExportState, Integer>> Seen;
};

TEST(ExtStringGridFindNotify, RunReportsStartEachTestedRowAndItsEnd)
{
    THarness h;
    TNotifiedGrid g{nullptr};
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetGridCell(2, 1, u"x");
    EXPECT_EQ(g.FindFirst(u"x", FindParams(fnDirectionLeftRight)), (TPoint{2, 1}));
    using S = std::vector<std::pair<TGridExportState, Integer>>;
    EXPECT_EQ(g.Seen, (S{{esExportStart, -1}, {esExportNewRow, 1}, {esExportNewRow, 1}, {esExportFail, -1}}));
    g.Seen.clear();
    EXPECT_EQ(g.FindNext(), (TPoint{-1, -1}));
    EXPECT_EQ(g.Seen, (S{{esExportStart, -1}, {esExportNewRow, 2}, {esExportNewRow, 2}, {esExportDone, -1}}));
}

}  // namespace
}  // namespace gw::test
