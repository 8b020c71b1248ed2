// The string grid's shape operations at their edges: ranges past the end, the current row, the
// hidden-row indexes, the modified flags, columns with a hidden one, removal by selection and of
// duplicates, and the change notification.
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/show_modified.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/ext_string_grid_rows_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class ExtStringGridRows : public ::testing::Test {
protected:
    ExtStringGridRows()
    {
        g.SetColCount(4);
        g.SetRowCount(8);
        g.SetFixedCols(1);
        g.SetFixedRows(1);
        for (Integer r = 0; r < 8; ++r) g.SetGridCell(1, r, Utf8ToString("r" + std::to_string(r)));
    }
    std::vector<std::string> Column(Integer Col)
    {
        std::vector<std::string> v;
        for (Integer r = 0; r < g.RowCount(); ++r) v.push_back(StringToUtf8(g.GetGridCell(Col, r)));
        return v;
    }

    THarness h;
    TRowsGrid g{nullptr};
};

TEST_F(ExtStringGridRows, RemovalsTakeOnlyTheRowsThatLieInTheRange)
{
    struct Case {
        const char* Name;
        std::function<void(Integer, Integer)> Remove;
        Integer At, Count;
        std::vector<std::string> Expected;
    };
    const auto remove = [&](Integer At, Integer Count) { g.RemoveRows(At, Count); };
    const auto removeEx = [&](Integer At, Integer Count) { g.RemoveRowsEx(At, Count); };
    const std::vector<std::string> all = {"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7"};
    const std::vector<Case> cases = {
        {"RemoveRows at RowCount", remove, 8, 2, all},
        {"RemoveRows past the end", remove, 12, 2, all},
        {"RemoveRows negative", remove, -1, 2, all},
        {"RemoveRows of nothing", remove, 3, 0, all},
        {"RemoveRows cut at the end", remove, 6, 5, {"r0", "r1", "r2", "r3", "r4", "r5"}},
        {"RemoveRowsEx at RowCount", removeEx, 8, 2, all},
        {"RemoveRowsEx cut at the end", removeEx, 6, 5, {"r0", "r1", "r2", "r3", "r4", "r5"}},
        {"RemoveRows inside", remove, 2, 2, {"r0", "r1", "r4", "r5", "r6", "r7"}},
        {"RemoveRowsEx inside", removeEx, 2, 2, {"r0", "r1", "r4", "r5", "r6", "r7"}},
    };
    for (const Case& c : cases) {
        g.SetRowCount(8);
        for (Integer r = 0; r < 8; ++r) g.SetGridCell(1, r, Utf8ToString("r" + std::to_string(r)));
        c.Remove(c.At, c.Count);
        EXPECT_EQ(Column(1), c.Expected) << c.Name;
    }
}

TEST_F(ExtStringGridRows, VacatedRowsAreEmptySoGrowingSharesNoObject)
{
    for (Integer r = 1; r < 8; ++r) g.SetColors(2, r, clRed);
    g.RemoveRowsEx(2, 3);
    g.SetRowCount(8);
    std::vector<const TCellProperties*> seen;
    for (Integer r = 0; r < 8; ++r) {
        const TCellProperties* p = g.GetGridObject(2, r);
        if (!p) continue;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), p), 0) << "row " << r;
        seen.push_back(p);
    }
    EXPECT_EQ(seen.size(), 4u);
    for (Integer r = 5; r < 8; ++r) EXPECT_EQ(g.GetGridCell(1, r), u"") << r;
}

TEST_F(ExtStringGridRows, TheCurrentRowStaysOrMovesToTheLastNormalRow)
{
    struct Case {
        Integer Current, At, Count, Footers, Expected;
    };
    for (const Case& c : std::vector<Case>{
             {3, 3, 1, 0, 3}, {3, 1, 1, 0, 3}, {6, 5, 3, 0, 4}, {7, 6, 2, 0, 5}, {3, 5, 1, 1, 3}, {6, 3, 1, 1, 5}}) {
        g.SetRowCount(8);
        g.SetFixedFooters(c.Footers);
        g.SetRowEx(c.Current);
        g.RemoveRows(c.At, c.Count);
        EXPECT_EQ(g.Row(), c.Expected) << "current " << c.Current << " removing " << c.At << "+" << c.Count;
    }
}

TEST_F(ExtStringGridRows, RemovingRowsAboveAHiddenRowLowersItsIndex)
{
    const std::vector<std::pair<const char*, std::function<void()>>> removals = {
        {"RemoveRows", [&] { g.RemoveRows(2, 2); }},
        {"RemoveRowsEx", [&] { g.RemoveRowsEx(2, 2); }},
        {"DeleteRowRange", [&] { g.DeleteRowRange(2, 2); }},
    };
    for (const auto& [name, remove] : removals) {
        g.SetRowCount(8);
        for (Integer r = 0; r < 8; ++r) g.SetGridCell(1, r, Utf8ToString("r" + std::to_string(r)));
        g.HideRowForTest(6);
        ASSERT_EQ(g.FHiddenRows.Items(0).Idx().Value(), 6);
        remove();
        EXPECT_EQ(g.FHiddenRows.Items(0).Idx().Value(), 4) << name;
        EXPECT_EQ(g.FHiddenRows.Items(0).Items.Strings(1), u"r6") << name;
        EXPECT_EQ(g.GetGridCell(1, 4), u"r7") << name;
        g.FHiddenRows.UnHideRowsAll();
    }
}

TEST_F(ExtStringGridRows, InsertingMovesHiddenRowsFlagsAndHeightsDown)
{
    g.ShowModified()->Enabled = true;
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowHeights(3, 40);
    g.SetRowModified(3, true);
    g.SetRowModified(6, true);
    g.SetRowSelect(4, true);
    g.HideRowForTest(5);
    g.InsertRows(3, 2, false);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"r0", "r1", "r2", "", "", "r3", "r4", "r6", "r7"}));
    EXPECT_FALSE(g.GetRowModified(3)) << "a new row is not modified";
    EXPECT_TRUE(g.GetRowModified(5));
    EXPECT_EQ(g.RowHeights(3), g.DefaultRowHeight());
    EXPECT_EQ(g.RowHeights(5), 40);
    EXPECT_EQ(g.FHiddenRows.Items(0).Idx().Value(), 7);
    EXPECT_TRUE(g.GetRowSelect(6));
    EXPECT_EQ(g.SelectedRows()->GetInteger(0), 6);

    g.RemoveRows(3, 1);
    EXPECT_FALSE(g.GetRowModified(3));
    EXPECT_TRUE(g.GetRowModified(4)) << "old row 5's flag is row 4's";
}

TEST_F(ExtStringGridRows, APersistentSelectionNamesRealRowsAndOutlivesHiding)
{
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.MouseActions()->RowSelectPersistent = true;
    g.HideRowForTest(3);
    g.SelectRows(3, 2);  // displayed rows 3 and 4 are real rows 4 and 5
    EXPECT_EQ(Entries(*g.SelectedRows()), (std::vector<Integer>{4, 5}));
    EXPECT_TRUE(g.IsSelected(1, 3));
    EXPECT_FALSE(g.GetRowSelect(3)) << "the hidden row itself is not selected";
    EXPECT_EQ(g.SelectedText(), u"r4\r\nr5");
    g.HideRowForTest(3);  // real row 4 hides: its flag stays with it
    EXPECT_TRUE(g.GetRowSelect(4));
    EXPECT_TRUE(g.IsSelected(1, 3)) << "displayed row 3 is real row 5 now";
}

TEST_F(ExtStringGridRows, AddRowAppendsAnEmptyRow)
{
    g.SetGridCell(2, 8, u"left over");
    g.AddRow();
    EXPECT_EQ(g.RowCount(), 9);
    EXPECT_EQ(g.GetGridCell(2, 8), u"");
    EXPECT_EQ(g.GetGridCell(1, 7), u"r7");
}

TEST_F(ExtStringGridRows, ColumnsMoveWithTheirWidthsAroundAHiddenColumn)
{
    g.SetColCount(5);
    for (Integer c = 0; c < 5; ++c) {
        g.SetGridCell(c, 0, Utf8ToString("c" + std::to_string(c)));
        g.SetColWidths(c, 10 + c);
    }
    g.HideColumnForTest(2);
    g.InsertCols(1, 1);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.GetGridCell(3, 0), u"c2");
    EXPECT_TRUE(g.IsHiddenColumn(3)) << "the hidden column moved with its cells";
    EXPECT_EQ(g.ColWidths(1), g.DefaultColWidth());
    EXPECT_EQ(g.ColWidths(2), 11);
    EXPECT_EQ(g.ColWidths(3), 13);

    g.RemoveCols(3, 1);  // the hidden column itself
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    EXPECT_EQ(g.GetGridCell(3, 0), u"c3");
    g.RemoveCols(3, 10);  // cut at the stored columns
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.GetGridCell(2, 0), u"c1");
    EXPECT_EQ(g.ColWidths(2), 11);
}

TEST_F(ExtStringGridRows, RemoveDuplicatesKeepsTheFirstOfEachText)
{
    for (const bool doCase : {false, true}) {
        g.SetRowCount(5);
        const std::vector<const char16_t*> texts = {u"head", u"a", u"A", u"b", u"a"};
        for (Integer r = 0; r < 5; ++r) g.SetGridCell(2, r, texts[r]);
        g.RemoveDuplicates(2, doCase);
        EXPECT_EQ(Column(2),
                  doCase ? (std::vector<std::string>{"head", "a", "A", "b"})
                         : (std::vector<std::string>{"head", "a", "b"}));
    }
}

TEST_F(ExtStringGridRows, RemovalBySelection)
{
    g.SelectCells(1, 2, 2, 3);
    g.RemoveSelectedRows();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"r0", "r1", "r4", "r5", "r6", "r7"}));

    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(1, true);
    g.SetRowSelect(4, true);
    g.RemoveSelectedRows();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"r0", "r4", "r5", "r7"}));
    EXPECT_EQ(g.RowSelectCount(), 0);

    g.SetRowSelect(2, true);
    g.RemoveUnSelectedRows();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"r0", "r5"}));

    g.SetColCount(5);
    for (Integer c = 0; c < 5; ++c) g.SetGridCell(c, 0, Utf8ToString("c" + std::to_string(c)));
    g.MouseActions()->SetDisjunctColSelect(true);
    g.SetColSelect(1, true);
    g.SetColSelect(3, true);
    g.RemoveSelectedCols();
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.GetGridCell(1, 0), u"c2");
    EXPECT_EQ(g.ColSelectCount(), 0);
    g.SetColSelect(2, true);
    g.RemoveUnSelectedCols();
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.GetGridCell(1, 0), u"c4");
}

TEST_F(ExtStringGridRows, EveryChangeOfShapeIsNotifiedWithItsRectangle)
{
    std::vector<std::string> log;
    g.OnCellsChanged = [&](TObject*, const TGridRect& R) {
        log.push_back(std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
                      std::to_string(R.Bottom));
    };
    g.InsertRows(2, 2, false);
    g.RemoveRows(3, 1);
    g.InsertCols(1, 1);
    g.ClearRows(4, 2);
    EXPECT_EQ(log, (std::vector<std::string>{"0,2,3,4", "0,3,3,4", "1,0,2,8", "0,4,4,5"}));
}

}  // namespace
}  // namespace gw::test
