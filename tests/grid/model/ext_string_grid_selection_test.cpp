// The string grid's selections: disjunct row and column flags with their events and repaints,
// modified and enabled rows, IsSelected's precedence, SelectedText, the counts and the moves.
#include "grid/foundation/int_list.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/application.h"
#include "platform/ui/window_system.h"
#include "tests/grid/model/ext_string_grid_rows_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace gw::test {
namespace {

// Records the rows it is asked to repaint.
class TSpyGrid : public TExtStringGrid {
public:
    using TExtStringGrid::CalcSizingState;
    using TExtStringGrid::FUseEnabledRows;
    using TExtStringGrid::TExtStringGrid;
    std::vector<Integer> RepaintedRows;
    void RepaintRow(Integer ARow) override
    {
        RepaintedRows.push_back(ARow);
        TExtStringGrid::RepaintRow(ARow);
    }
};

class ExtStringGridSelection : public ::testing::Test {
protected:
    ExtStringGridSelection()
    {
        g.SetColCount(4);
        g.SetRowCount(8);
        g.SetFixedCols(1);
        g.SetFixedRows(1);
    }
    void Disjunct() { g.MouseActions()->SetDisjunctRowSelect(true); }

    THarness h;
    TSpyGrid g{nullptr};
};

TEST_F(ExtStringGridSelection, SelectRowsWithoutDisjunctSelectionCutsTheRangeAtTheLastRow)
{
    g.SelectRows(5, 10);
    const TGridRect s = g.Selection();
    EXPECT_EQ((std::vector<Integer>{s.Left, s.Top, s.Right, s.Bottom}), (std::vector<Integer>{1, 5, 3, 7}));
    EXPECT_EQ(g.RowSelectCount(), 3);
    for (const auto& [row, selected] : std::vector<std::pair<Integer, bool>>{{4, false}, {5, true}, {7, true}})
        EXPECT_EQ(g.GetRowSelect(row), selected) << row;
}

TEST_F(ExtStringGridSelection, DisjunctRowsKeepTheirFlagsAndTheSelectedRowsList)
{
    Disjunct();
    g.SelectRows(2, 2);
    EXPECT_EQ(g.RowSelectCount(), 2);
    EXPECT_EQ(Entries(*g.SelectedRows()), (std::vector<Integer>{2, 3}));
    EXPECT_TRUE(g.GetRowSelect(3));
    EXPECT_FALSE(g.GetRowSelect(4));
    g.SetRowSelect(6, true);
    g.SetRowSelect(2, false);
    EXPECT_EQ(Entries(*g.SelectedRows()), (std::vector<Integer>{3, 6})) << "kept in the order selected";
    g.UnSelectRows(3, 1);
    EXPECT_EQ(Entries(*g.SelectedRows()), (std::vector<Integer>{6}));
    g.ClearRowSelect();
    EXPECT_EQ(g.RowSelectCount(), 0);
    EXPECT_EQ(g.SelectedRows()->Count(), 0);
    EXPECT_FALSE(g.GetRowSelect(6));
}

TEST_F(ExtStringGridSelection, TheSelectEventFiresExactlyWhenAFlagChanges)
{
    Disjunct();
    std::vector<std::string> log;
    g.OnRowDisjunctSelect = [&](TObject*, Integer ARow, bool AState, bool&) {
        log.push_back("select " + std::to_string(ARow) + (AState ? " on" : " off"));
    };
    g.OnRowDisjunctSelected = [&](TObject*, Integer ARow) { log.push_back("selected " + std::to_string(ARow)); };
    g.SetRowSelect(5, false);  // past the list's end, already clear
    g.SetRowSelect(5, true);
    g.RepaintedRows.clear();
    g.SetRowSelect(5, true);  // already set
    EXPECT_TRUE(g.RepaintedRows.empty()) << "an unchanged flag repaints nothing";
    g.SetRowSelect(7, true);  // beyond the list's end
    EXPECT_EQ(log,
              (std::vector<std::string>{"selected 5", "select 5 on", "selected 5", "selected 5", "select 7 on",
                                        "selected 7"}));
}

TEST_F(ExtStringGridSelection, ARefusedSelectChangesNothing)
{
    Disjunct();
    g.SetRowSelect(3, true);
    g.OnRowDisjunctSelect = [](TObject*, Integer, bool, bool& Allow) { Allow = false; };
    bool told = false;
    g.OnRowDisjunctSelected = [&](TObject*, Integer) { told = true; };
    g.SetRowSelect(3, false);
    g.SetRowSelect(4, true);
    EXPECT_TRUE(g.GetRowSelect(3));
    EXPECT_FALSE(g.GetRowSelect(4));
    EXPECT_EQ(Entries(*g.SelectedRows()), (std::vector<Integer>{3}));
    EXPECT_FALSE(told);
}

TEST_F(ExtStringGridSelection, AFixedRowIsFlaggedButNotListed)
{
    Disjunct();
    g.SetRowSelect(0, true);
    EXPECT_TRUE(g.GetRowSelect(0));
    EXPECT_EQ(g.SelectedRows()->Count(), 0);
    EXPECT_EQ(g.RowSelectCount(), 1);
}

TEST_F(ExtStringGridSelection, RowAndColumnFlagsRefuseIndexesOutsideTheGrid)
{
    struct Case {
        const char* Name;
        bool Persistent;
        std::function<void()> Call;
        const char16_t* Message;
    };
    const std::vector<Case> cases = {
        {"read -1", false, [&] { g.GetRowSelect(-1); }, u"Invalid row -1 accessed"},
        {"read -1 persistent", true, [&] { g.GetRowSelect(-1); }, u"Invalid row -1 accessed"},
        {"read past the rows", false, [&] { g.GetRowSelect(12); }, u"Invalid row 12 accessed"},
        {"write -1", false, [&] { g.SetRowSelect(-1, true); }, u"Invalid row accessed"},
        {"write past the rows", false, [&] { g.SetRowSelect(8, true); }, u"Invalid row accessed"},
        {"column -1", false, [&] { g.GetColSelect(-1); }, u"Invalid column accessed"},
        {"column past", false, [&] { g.SetColSelect(4, true); }, u"Invalid column accessed"},
    };
    for (const bool disjunct : {false, true}) {
        g.MouseActions()->SetDisjunctRowSelect(disjunct);
        for (const Case& c : cases) {
            g.MouseActions()->RowSelectPersistent = c.Persistent;
            try {
                c.Call();
                ADD_FAILURE() << c.Name;
            } catch (const EExtGridError& e) {
                EXPECT_EQ(e.Message(), c.Message) << c.Name;
            }
        }
    }
    g.MouseActions()->RowSelectPersistent = true;
    Disjunct();
    EXPECT_FALSE(g.GetRowSelect(1000)) << "a persistent read past the end is no selection";
    EXPECT_EQ(g.RowSelectCount(), 0);
}

TEST_F(ExtStringGridSelection, ColumnFlagsAndTheirRanges)
{
    g.SelectCols(2, 5);
    EXPECT_EQ(g.Selection().Left, 2);
    EXPECT_EQ(g.Selection().Right, 3);
    EXPECT_EQ(g.Selection().Top, 1);
    EXPECT_EQ(g.ColSelectCount(), 2);
    g.MouseActions()->SetDisjunctColSelect(true);
    g.SelectCols(2, 5);
    EXPECT_EQ(g.ColSelectCount(), 2);
    EXPECT_TRUE(g.GetColSelect(3));
    g.UnSelectCols(3, 1);
    EXPECT_FALSE(g.GetColSelect(3));
    EXPECT_TRUE(g.GetColSelect(2));
    g.ClearColSelect();
    EXPECT_EQ(g.ColSelectCount(), 0);
}

TEST_F(ExtStringGridSelection, TheRectangleCopiesIntoTheRowFlags)
{
    Disjunct();
    g.SetRowSelect(6, true);
    g.SetFixedFooters(1);
    g.SelectCells(1, 3, 2, 7);
    g.UpdateRowSelectFromSelection(false);
    EXPECT_EQ(Entries(*g.SelectedRows()), (std::vector<Integer>{6, 3, 4, 5})) << "the footer row stays out";
    g.SelectCells(1, 4, 1, 4);
    g.UpdateRowSelectFromSelection(true);
    EXPECT_EQ(Entries(*g.SelectedRows()), (std::vector<Integer>{4}));
}

TEST_F(ExtStringGridSelection, ModifiedAndEnabledRows)
{
    EXPECT_FALSE(g.GetRowModified(5));
    EXPECT_TRUE(g.GetRowEnabled(5));
    g.SetRowModified(5, true);
    g.SetRowModified(2, true);
    g.SetRowModified(2, false);
    EXPECT_TRUE(g.GetRowModified(5));
    EXPECT_FALSE(g.GetRowModified(4));
    EXPECT_EQ(g.ModifiedRowCount(), 1);
    g.ClearModifiedRows();
    EXPECT_EQ(g.ModifiedRowCount(), 0);

    g.SetRowEx(1);
    g.SetRowEnabled(1, false);
    EXPECT_FALSE(g.GetRowEnabled(1));
    EXPECT_TRUE(g.FUseEnabledRows);
    EXPECT_EQ(g.Row(), 2) << "the current row moves to the first enabled row";
    for (Integer r = 3; r < 8; ++r) g.SetRowEnabled(r, false);
    g.SetRowEnabled(2, false);
    EXPECT_EQ(g.Row(), 2) << "no other enabled row: it stays";
    g.SetRowEnabled(1, true);
    EXPECT_TRUE(g.GetRowEnabled(1));
}

TEST_F(ExtStringGridSelection, IsSelectedFollowsTheActiveKindInOrder)
{
    g.SelectCells(1, 2, 2, 3);
    g.SetSelectedCells(3, 6, true);
    g.SetColSelect(3, true);
    struct Case {
        const char* Kind;
        bool Cell, Row, ColSel;
        std::vector<std::pair<TGridCoord, bool>> Expected;
    };
    const std::vector<Case> cases = {
        {"rectangle", false, false, false, {{{1, 2}, true}, {{3, 6}, false}, {{0, 2}, false}, {{1, 5}, false}}},
        {"columns", false, false, true, {{{1, 2}, false}, {{3, 5}, true}, {{3, 0}, false}}},
        {"rows", false, true, true, {{{1, 2}, false}, {{2, 5}, true}, {{0, 5}, false}, {{3, 6}, false}}},
        {"cells", true, true, true, {{{3, 6}, true}, {{2, 5}, false}, {{1, 2}, false}}},
    };
    g.SetRowSelect(5, true);
    for (const Case& c : cases) {
        g.MouseActions()->SetDisjunctCellSelect(c.Cell);
        g.MouseActions()->SetDisjunctRowSelect(c.Row);
        g.MouseActions()->SetDisjunctColSelect(c.ColSel);
        for (const auto& [cell, selected] : c.Expected)
            EXPECT_EQ(g.IsSelected(cell.X, cell.Y), selected) << c.Kind << " " << cell.X << "," << cell.Y;
    }
}

TEST_F(ExtStringGridSelection, SelectedTextJoinsCellsWithTabsAndRowsWithLineBreaks)
{
    g.SetCellEx(1, 2, u"a");
    g.SetCellEx(2, 2, u"b");
    g.SetCellEx(1, 3, u"c");
    g.SetCellEx(2, 3, u"d");
    g.SelectCells(1, 2, 2, 3);
    EXPECT_EQ(g.SelectedText(), u"a\tb\r\nc\td");

    Disjunct();
    for (const Integer r : {7, 2, 5}) {
        g.SetCellEx(1, r, u"r" + Utf8ToString(std::to_string(r)));
        g.SetRowSelect(r, true);
    }
    EXPECT_EQ(g.SelectedText(), u"r2\tb\r\nr5\t\r\nr7\t");
}

TEST_F(ExtStringGridSelection, SelectedTextTakesThePlainTextOfRichCellsOnly)
{
    struct Case {
        const char16_t* Cell;
        bool Excel;
        const char16_t* Expected;
    };
    const std::vector<Case> cases = {
        {u"{\\rtf1\\ansi {\\b bold} text}", false, u"bold text"},
        {u"x{\\b y}", false, u"x{\\b y}"},  // braces inside a plain text are no rich text
        {u"one\r\ntwo", true, u"\"one\x0Btwo\""},
        {u"one\r\ntwo", false, u"one\r\ntwo"},
        {u"single", true, u"single"},
    };
    g.SelectCells(2, 4, 2, 4);
    for (const Case& c : cases) {
        g.ExcelClipboardFormat = c.Excel;
        g.SetCellEx(2, 4, c.Cell);
        EXPECT_EQ(g.SelectedText(), c.Expected) << StringToUtf8(c.Cell);
    }
}

TEST_F(ExtStringGridSelection, CountsAndListsOfTheRectangle)
{
    g.SelectCells(2, 3, 2, 3);
    EXPECT_EQ(g.SelectedCellsCount(), 1);
    g.SelectCells(1, 2, 3, 3);
    EXPECT_EQ(g.SelectedCellsCount(), 6);
    EXPECT_EQ(g.SelectedCell(0), (TGridCoord{1, 2}));
    EXPECT_EQ(g.SelectedRowCount(), 2);
    EXPECT_EQ(g.SelectedColCount(), 3);
    EXPECT_EQ(g.SelectedRow(1), 3);
    EXPECT_EQ(g.SelectedRow(2), -1);

    g.MergeCells(1, 2, 1, 4);
    g.SelectCells(1, 3, 1, 4);
    EXPECT_EQ(g.SelectedRowCount(), 4) << "a selection inside a merge over four rows";
    g.SelectCells(1, 1, 2, 1);
    g.MergeCells(2, 1, 2, 1);
    EXPECT_EQ(g.SelectedColCount(), 3) << "the merge at the right edge reaches one column further";
}

TEST_F(ExtStringGridSelection, DisjunctCellsKeepRowsFrom32768On)
{
    g.SetRowCount(40010);
    g.MouseActions()->SetDisjunctCellSelect(true);
    g.SetSelectedCells(3, 40000, true);
    g.SetSelectedCells(2, 5, true);
    EXPECT_EQ(g.SelectedCellsCount(), 2);
    EXPECT_EQ(g.SelectedCell(0), (TGridCoord{3, 40000}));
    EXPECT_TRUE(g.GetSelectedCells(3, 40000));
    EXPECT_TRUE(g.IsSelected(3, 40000));
    EXPECT_FALSE(g.IsSelected(3, 40000 - 32768)) << "no sign slip folds the row onto another";
    g.SetSelectedCells(3, 40000, false);
    EXPECT_EQ(g.SelectedCellsCount(), 1);
    g.ClearSelectedCells();
    EXPECT_EQ(g.SelectedCellsCount(), 0);
}

TEST_F(ExtStringGridSelection, SwapCellsExchangesTextsAndObjects)
{
    g.SetCellEx(1, 1, u"one");
    g.SetColors(1, 1, clRed);
    g.SetCellEx(2, 5, u"two");
    TCellProperties* props = g.GetGridObject(1, 1);
    g.SwapCells({1, 1}, {2, 5});
    EXPECT_EQ(g.GetGridCell(1, 1), u"two");
    EXPECT_EQ(g.GetGridCell(2, 5), u"one");
    EXPECT_EQ(g.GetGridObject(2, 5), props);
    EXPECT_EQ(g.GetGridObject(1, 1), nullptr);
    EXPECT_EQ(g.GetColors(2, 5), clRed);
}

TEST_F(ExtStringGridSelection, GotoCellAndSelectRangeMoveTheCurrentCell)
{
    g.GotoCell(3, 6);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Row(), 6);
    g.SelectRange(1, 2, 3, 4);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 4);
    EXPECT_EQ(g.Selection().Left, 1);
    EXPECT_EQ(g.Selection().Top, 3);
}

// A grid on a shown form, for what needs a window.
struct TShownGrid {
    TShownGrid()
    {
        Form->SetBounds(0, 0, 500, 400);
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 480, 380);
        Form->Show();
    }
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(Application);
    TSpyGrid* Grid = new TSpyGrid(Form.get());
};

TEST(ExtStringGridRepaint, RepaintRectInvalidatesTheCellsBetweenItsCorners)
{
    THarness h;
    TShownGrid shown;
    TSpyGrid* grid = shown.Grid;
    h.ProcessMessages();
    struct Case {
        TGridRect Cells;
        bool Repaints;
    };
    for (const Case& c : std::vector<Case>{{{-1, 1, 2, 2}, false}, {{1, 1, 2, -3}, false}, {{1, 1, 2, 2}, true}}) {
        const Cardinal before = h.Invalidations();
        grid->RepaintRect(c.Cells);
        EXPECT_EQ(h.Invalidations() > before, c.Repaints) << c.Cells.Left << "," << c.Cells.Bottom;
    }
    TRect update;
    ASSERT_TRUE(GetUpdateRect(grid->Handle(), update));
    TRect expected;
    UnionRect(expected, grid->CellRect(1, 1), grid->CellRect(2, 2));
    EXPECT_EQ(update, expected);
}

TEST(ExtStringGridSizing, ColumnAndRowSizingFromTheFixedCellsMayBeVetoed)
{
    THarness h;
    TShownGrid shown;
    TSpyGrid* grid = shown.Grid;
    grid->SetOptions(grid->Options() | goColSizing | goRowSizing);
    h.ProcessMessages();
    const Integer colLine = grid->CellRect(1, 0).Right + 1;
    const Integer rowLine = grid->CellRect(0, 1).Bottom + 1;
    std::vector<std::string> log;
    bool allow = true;
    grid->OnColumnSize = [&](TObject*, Integer ACol, bool& Allow) {
        log.push_back("column " + std::to_string(ACol));
        Allow = allow;
    };
    grid->OnRowSize = [&](TObject*, Integer ARow, bool& Allow) {
        log.push_back("row " + std::to_string(ARow));
        Allow = allow;
    };
    EXPECT_TRUE(grid->CalcSizingState(colLine, 5));
    EXPECT_TRUE(grid->CalcSizingState(5, rowLine));
    allow = false;
    EXPECT_FALSE(grid->CalcSizingState(colLine, 5));
    EXPECT_FALSE(grid->CalcSizingState(5, rowLine));
    EXPECT_FALSE(grid->CalcSizingState(colLine + 30, rowLine + 30)) << "no line near: nothing to veto";
    EXPECT_EQ(log, (std::vector<std::string>{"column 1", "row 1", "column 1", "row 1"}));
}

}  // namespace
}  // namespace gw::test
