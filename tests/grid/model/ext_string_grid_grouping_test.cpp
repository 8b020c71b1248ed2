// The string grid's grouping: header nodes and summary rows by the values of one column, the
// group calculations landing in them, sub-groups, and ungrouping restoring the table.
#include "grid/model/cell_graphic.h"
#include "grid/model/cell_node.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/grouping.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace gw::test {
namespace {

class TGroupGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FGroupColumn;
    using TExtStringGrid::FNumNodes;
    using TExtStringGrid::SubGroup;
    using TExtStringGrid::SubUnGroup;
    using TExtStringGrid::TExtStringGrid;
};

using Table = std::vector<std::vector<String>>;
using Nodes = std::vector<std::pair<Integer, Integer>>;

class ExtStringGridGrouping : public ::testing::Test {
protected:
    THarness h;
    TGroupGrid g{nullptr};

    // Name, city, amount, kind; one fixed row and column.
    void Fill(const Table& Rows)
    {
        g.SetColCount(5);
        g.SetRowCount(Integer(Rows.size()) + 1);
        g.SetFixedRows(1);
        g.SetFixedCols(1);
        const std::vector<String> caption{u"Name", u"City", u"Amount", u"Kind"};
        for (Integer c = 1; c < 5; ++c) g.SetGridCell(c, 0, caption[c - 1]);
        for (Integer r = 0; r < Integer(Rows.size()); ++r)
            for (Integer c = 1; c < 5; ++c) g.SetGridCell(c, r + 1, Rows[r][c - 1]);
    }
    void FillCities() { Fill({{u"a", u"X", u"1", u"p"}, {u"b", u"X", u"2", u"q"}, {u"c", u"Y", u"4", u"p"}}); }

    Table Texts()
    {
        Table t;
        for (Integer r = 0; r < g.RowCount(); ++r) {
            std::vector<String> row;
            for (Integer c = 1; c < g.ColCount(); ++c) row.push_back(g.GetGridCell(c, r));
            t.push_back(row);
        }
        return t;
    }
    Nodes NodeRows()
    {
        Nodes n;
        for (Integer r = 0; r < g.RowCount(); ++r)
            if (g.IsNode(r)) n.push_back({r, g.GetNodeSpan(r)});
        return n;
    }
    std::vector<Integer> SummaryRows()
    {
        std::vector<Integer> s;
        for (Integer r = 0; r < g.RowCount(); ++r)
            if (g.IsSummary(r)) s.push_back(r);
        return s;
    }
};

TEST_F(ExtStringGridGrouping, GroupMakesAHeaderNodePerRunAndTakesTheColumnOut)
{
    struct Case {
        bool Summary;
        std::vector<String> FirstColumn;
        Nodes Spans;
        std::vector<Integer> Summaries;
    };
    // Every span counts the header and its data rows only, the summary row below never.
    const Case cases[] = {
        {false, {u"Name", u"X", u"a", u"b", u"Y", u"c"}, {{1, 3}, {4, 2}}, {}},
        {true, {u"Name", u"X", u"a", u"b", u"", u"Y", u"c", u""}, {{1, 3}, {5, 2}}, {4, 7}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Summary);
        FillCities();
        g.Grouping()->Summary = k.Summary;
        g.Group(2);
        EXPECT_EQ(g.FGroupColumn, 2);
        EXPECT_EQ(g.ColCount(), 4) << "the grouped column leaves the grid";
        std::vector<String> first;
        for (Integer r = 0; r < g.RowCount(); ++r) first.push_back(g.GetGridCell(1, r));
        EXPECT_EQ(first, k.FirstColumn);
        EXPECT_EQ(g.GetGridCell(2, 0), u"Amount");
        EXPECT_EQ(NodeRows(), k.Spans);
        EXPECT_EQ(SummaryRows(), k.Summaries);
        g.UnGroup();
    }
}

TEST_F(ExtStringGridGrouping, GroupCalculationsLandInEachGroupsOwnSummaryRow)
{
    FillCities();
    g.Grouping()->Summary = true;
    g.Group(2);
    g.GroupSum(2);  // amounts, now in column 2
    EXPECT_EQ(g.GetFloats(2, 4), 3.0) << "X: 1 + 2";
    EXPECT_EQ(g.GetFloats(2, 7), 4.0) << "Y's sum in Y's summary row, inside the grid";
    EXPECT_EQ(g.RowCount(), 8);
    g.GroupCount(3);
    EXPECT_EQ(g.GetGridCell(3, 4), u"2");
    EXPECT_EQ(g.GetGridCell(3, 7), u"1");
    g.UnGroup();
    EXPECT_EQ(g.RowCount(), 4) << "Y's summary row goes too";
    EXPECT_TRUE(SummaryRows().empty());
}

TEST_F(ExtStringGridGrouping, GroupingTheFirstColumnLeavesTheHeadersInColumnOne)
{
    Fill({{u"a", u"X", u"1", u"p"}, {u"a", u"Y", u"2", u"q"}, {u"b", u"Y", u"4", u"p"}});
    g.Group(1);
    EXPECT_EQ(NodeRows(), (Nodes{{1, 3}, {4, 2}}));
    EXPECT_EQ(g.GetGridCell(1, 1), u"a");
    EXPECT_EQ(g.GetGridCell(1, 2), u"X");
    EXPECT_EQ(g.GetGridCell(1, 4), u"b");
    EXPECT_EQ(g.GetGridCell(1, 0), u"City");
}

TEST_F(ExtStringGridGrouping, HeaderAndSummaryRowsTakeTheirLookWholeOrMerged)
{
    for (const bool merged : {false, true}) {
        SCOPED_TRACE(merged);
        FillCities();
        g.Grouping()->Summary = true;
        g.Grouping()->MergeHeader = merged;
        g.Grouping()->MergeSummary = merged;
        g.Grouping()->HeaderColor = clYellow;
        g.Grouping()->SummaryColor = clLime;
        g.Group(2);
        // Rows: X, a, b, summary, Y, c, summary.
        for (Integer r : {1, 5}) {
            EXPECT_EQ(g.GetColors(1, r), clYellow) << r;
            EXPECT_EQ(g.IsMergedCell(1, r), merged) << r;
        }
        for (Integer r : {4, 7}) {
            EXPECT_EQ(g.GetColors(1, r), clLime) << r;
            EXPECT_EQ(g.IsMergedCell(1, r), merged) << r;
        }
        for (Integer r : {2, 3, 6}) {
            EXPECT_NE(g.GetColors(1, r), clYellow) << r;
            EXPECT_NE(g.GetColors(1, r), clLime) << r;
            EXPECT_FALSE(g.IsMergedCell(1, r)) << r;
        }
        g.UnGroup();
        for (Integer r = 1; r < g.RowCount(); ++r) {
            EXPECT_NE(g.GetColors(1, r), clYellow) << r;
            EXPECT_NE(g.GetColors(1, r), clLime) << r;
        }
    }
}

TEST_F(ExtStringGridGrouping, AFooterRowStaysBelowTheGroupsAndGetsItsTextBack)
{
    FillCities();
    g.SetRowCount(g.RowCount() + 1);
    g.SetGridCell(1, 4, u"Total");
    g.SetGridCell(2, 4, u"cities");
    g.SetFixedFooters(1);
    g.Grouping()->Summary = true;
    const Table before = Texts();
    g.Group(2);
    EXPECT_EQ(NodeRows(), (Nodes{{1, 3}, {5, 2}}));
    EXPECT_EQ(SummaryRows(), (std::vector<Integer>{4, 7}));
    EXPECT_EQ(g.GetGridCell(1, g.RowCount() - 1), u"Total");
    g.UnGroup();
    EXPECT_EQ(Texts(), before);
}

TEST_F(ExtStringGridGrouping, WithExpandOneOnlyTheFirstGroupStaysOpen)
{
    FillCities();
    g.CellNode()->ExpandOne = true;
    g.Group(2);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_TRUE(g.GetNodeState(4));
    EXPECT_EQ(g.RowCount(), 5) << "Y's data row is hidden";
    g.UnGroup();
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.GetGridCell(2, 3), u"Y");
    EXPECT_TRUE(g.CellNode()->ExpandOne) << "switched back on";
    EXPECT_EQ(g.FNumNodes, 0);
}

TEST_F(ExtStringGridGrouping, UnGroupRestoresTheTable)
{
    struct Case {
        bool Summary, MergeHeader, MergeSummary, AutoSort;
        Integer Column;
    };
    const Case cases[] = {
        {false, false, false, true, 2}, {true, false, false, true, 2}, {true, true, true, true, 2},
        {false, true, false, false, 4}, {true, false, true, false, 4}, {true, false, false, true, 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.Summary << k.MergeHeader << k.MergeSummary << k.AutoSort << k.Column);
        // Already in order of every grouped column, or with the sort off: ungrouping gives the
        // rows back as they were (kind p, q, p makes three groups unsorted).
        Fill({{u"a", u"X", u"1", u"p"}, {u"b", u"X", u"2", u"q"}, {u"c", u"Y", u"4", u"p"}});
        g.Grouping()->Summary = k.Summary;
        g.Grouping()->MergeHeader = k.MergeHeader;
        g.Grouping()->MergeSummary = k.MergeSummary;
        g.Grouping()->HeaderColor = clYellow;
        g.SortSettings()->AutoSortForGrouping = k.AutoSort;
        g.SetColWidths(k.Column, 77);
        const Table before = Texts();
        g.Group(k.Column);
        EXPECT_GT(g.FNumNodes, 0);
        g.UnGroup();
        EXPECT_EQ(Texts(), before);
        EXPECT_EQ(g.ColWidths(k.Column), 77);
        EXPECT_EQ(g.FGroupColumn, -1);
        EXPECT_EQ(g.FNumNodes, 0);
        EXPECT_TRUE(NodeRows().empty());
        EXPECT_TRUE(SummaryRows().empty());
        for (Integer r = 1; r < g.RowCount(); ++r) EXPECT_FALSE(g.IsMergedCell(1, r)) << r;
    }
}

TEST_F(ExtStringGridGrouping, KindPQPUnsortedMakesThreeGroups)
{
    FillCities();
    g.SortSettings()->AutoSortForGrouping = false;
    g.Group(4);
    EXPECT_EQ(NodeRows(), (Nodes{{1, 2}, {3, 2}, {5, 2}}));
    EXPECT_EQ(g.GetGridCell(1, 5), u"p");
    EXPECT_EQ(g.GetGridCell(1, 6), u"c");
}

TEST_F(ExtStringGridGrouping, TheSortForGroupingBringsEqualValuesTogether)
{
    FillCities();
    g.Group(4);
    EXPECT_EQ(NodeRows(), (Nodes{{1, 3}, {4, 2}}));
    EXPECT_EQ(g.GetGridCell(1, 1), u"p");
    EXPECT_EQ(g.GetGridCell(1, 4), u"q");
}

TEST_F(ExtStringGridGrouping, NothingHappensForAFixedColumnOrWhenUngrouped)
{
    FillCities();
    const Table before = Texts();
    g.Group(0);
    g.UnGroup();
    EXPECT_EQ(Texts(), before);
    EXPECT_EQ(g.FGroupColumn, -1);
    EXPECT_EQ(g.FNumNodes, 0);
}

TEST_F(ExtStringGridGrouping, TheGroupColumnPropertyGroupsAndUngroups)
{
    FillCities();
    const Table before = Texts();
    g.SetGroupColumn(0);
    EXPECT_EQ(g.GroupColumn(), -1) << "0 is ignored";
    EXPECT_EQ(Texts(), before);
    g.SetGroupColumn(2);
    EXPECT_EQ(g.GroupColumn(), 2);
    EXPECT_EQ(NodeRows(), (Nodes{{1, 3}, {4, 2}}));
    g.SetGroupColumn(0);
    EXPECT_EQ(g.GroupColumn(), 2) << "0 leaves the grouping alone";
    EXPECT_EQ(NodeRows(), (Nodes{{1, 3}, {4, 2}}));
    g.SetGroupColumn(-1);
    EXPECT_EQ(g.GroupColumn(), -1);
    EXPECT_EQ(Texts(), before);
    g.SetGroupColumn(-1);
    EXPECT_EQ(Texts(), before) << "ungrouping an ungrouped grid does nothing";
}

TEST_F(ExtStringGridGrouping, GroupingAgainUngroupsFirst)
{
    FillCities();
    const Table before = Texts();
    g.Group(2);
    g.Group(4);
    EXPECT_EQ(g.FGroupColumn, 4);
    g.UnGroup();
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.FNumNodes, 0);
    EXPECT_EQ(Texts().size(), before.size());
}

TEST_F(ExtStringGridGrouping, SubGroupNestsNodesAndSubUnGroupTakesThemBack)
{
    Fill({{u"a", u"X", u"p", u"k1"}, {u"b", u"X", u"p", u"k2"}, {u"c", u"Y", u"q", u"k3"}});
    g.Group(2);
    const Table grouped = Texts();
    // Rows: X, a, b, Y, c; the sub-group values now in column 2, the sub-headers' texts in 3.
    g.SubGroup(2);
    EXPECT_EQ(NodeRows(), (Nodes{{1, 4}, {2, 3}, {5, 3}, {6, 2}}));
    EXPECT_EQ(g.GetGridCell(3, 2), u"p");
    EXPECT_EQ(g.GetGridCell(3, 6), u"q");
    EXPECT_EQ(g.GetGridCell(2, 3), u"") << "the values stand in the sub-headers";
    EXPECT_EQ(g.GetGridCell(1, 3), u"a");
    EXPECT_EQ(g.GetGridCell(3, 4), u"k2");
    EXPECT_EQ(g.GetNodeLevel(2), 2) << "a sub-group sits inside its group";
    EXPECT_EQ(g.GetParentRow(3), 2);
    EXPECT_EQ(g.GetParentRow(2), 1);
    g.SubUnGroup();
    EXPECT_EQ(Texts(), grouped);
    EXPECT_EQ(NodeRows(), (Nodes{{1, 3}, {4, 2}}));
    g.UnGroup();
    EXPECT_EQ(g.FNumNodes, 0);
}

TEST_F(ExtStringGridGrouping, SubGroupWithSummaryAddsOneSummaryRowAfterTheLastSubGroupAndSubUnGroupRemovesIt)
{
    Fill({{u"a", u"X", u"p", u"k1"}, {u"b", u"X", u"q", u"k2"}, {u"c", u"Y", u"q", u"k3"}});
    g.Grouping()->Summary = true;
    g.Group(2);
    const Table grouped = Texts();
    const auto before = SummaryRows();
    g.SubGroup(2);
    const auto after = SummaryRows();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back(), g.RowCount() - 1);
    g.SubUnGroup();
    EXPECT_EQ(SummaryRows(), before) << "the sub-groups' summary row goes with them";
    EXPECT_EQ(Texts(), grouped);
}

}  // namespace
}  // namespace gw::test
