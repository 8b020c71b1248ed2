// The string grid's hidden columns and rows: widths kept and given back, the conversions, cells,
// heights and cell properties (by identity) held while hidden and put back in place, filter
// levels, cells by real row, the used cells and the save range.
#include "grid/foundation/int_list.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/labelled_cells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace gw::test {
namespace {

class ExtStringGridHidden : public ::testing::Test {
protected:
    THarness h;
    TExtStringGrid g{nullptr};

    // Rows 0 .. Rows - 1 of "r:c" texts, each row its own height, column 1 of every row with
    // properties; Props[r] is that cell's properties, to check identity after moves.
    void Fill(Integer Cols, Integer Rows)
    {
        FillLabelled(g, Cols, Rows);
        Props.clear();
        for (Integer r = 0; r < Rows; ++r) {
            g.SetRowHeights(r, 20 + r);
            Props.push_back(g.GetCellProperties(1, r));
        }
    }

    // Every real row holds its own texts, height and properties, shown in place or hidden.
    void ExpectEveryRowInPlace(Integer Rows, const char* Where)
    {
        ASSERT_EQ(g.TotalRowCount(), Rows) << Where;
        Integer shown = 0;
        for (Integer r = 0; r < Rows; ++r) {
            EXPECT_EQ(g.GetCellsEx(0, r), CellText(0, r)) << Where << " row " << r;
            EXPECT_EQ(g.GetCellsEx(2, r), CellText(2, r)) << Where << " row " << r;
            EXPECT_EQ(g.RealRowGridObject(1, r), Props[static_cast<size_t>(r)]) << Where << " row " << r;
            if (g.IsHiddenRow(r)) continue;
            const Integer d = g.DisplRowIndex(r);
            EXPECT_EQ(d, shown++) << Where << " row " << r;
            EXPECT_EQ(g.RealRowIndex(d), r) << Where;
            EXPECT_EQ(g.GetCellEx(2, d), CellText(2, r)) << Where << " row " << r;
            EXPECT_EQ(g.RowHeights(d), 20 + r) << Where << " row " << r;
        }
        EXPECT_EQ(shown, g.RowCount()) << Where;
        EXPECT_EQ(g.RealRowIndex(g.RowCount()), Rows) << Where;
        EXPECT_EQ(g.RealRowIndex(-1), -1) << Where;
        EXPECT_EQ(g.DisplRowIndex(-1), -1) << Where;
    }

    std::vector<TCellProperties*> Props;
};

// --- columns -------------------------------------------------------------------------------------

TEST_F(ExtStringGridHidden, AHiddenColumnKeepsItsCellsAndTheIndexesConvert)
{
    Fill(6, 4);
    g.HideColumn(2);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    EXPECT_EQ(g.TotalColCount(), 6);
    EXPECT_EQ(g.RealColIndex(2), 3);
    EXPECT_EQ(g.DisplColIndex(3), 2);
    EXPECT_TRUE(g.IsHiddenColumn(2));
    EXPECT_EQ(g.GetCellEx(2, 1), CellText(2, 1)) << "cells stay at their real column";
    EXPECT_EQ(g.GetCellsEx(5, 3), CellText(5, 3));

    g.HideColumn(2);  // already hidden
    g.HideColumn(600);  // beyond the hideable columns
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_FALSE(g.IsHiddenColumn(600));
    g.UnHideColumn(4);  // not hidden
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
}

TEST_F(ExtStringGridHidden, HidingEveryColumnLeavesTheLastOneShown)
{
    Fill(6, 2);
    g.HideColumns(0, 5);
    EXPECT_EQ(g.ColCount(), 1);
    EXPECT_EQ(g.NumHiddenColumns(), 5);
    EXPECT_EQ(g.RealColIndex(0), 5);
    EXPECT_FALSE(g.IsHiddenColumn(5));
}

TEST_F(ExtStringGridHidden, WidthsFollowTheShownColumnsAndComeBack)
{
    Fill(6, 2);
    for (Integer c = 0; c < 6; ++c) g.SetColWidths(c, 10 * (c + 1));
    g.SetColWidths(1, 200);
    const std::vector<Integer> all = {10, 200, 30, 40, 50, 60};
    const auto widths = [&] {
        std::vector<Integer> w;
        for (Integer c = 0; c < g.ColCount(); ++c) w.push_back(g.ColWidths(c));
        return w;
    };

    g.HideColumn(1);
    EXPECT_EQ(widths(), (std::vector<Integer>{10, 30, 40, 50, 60}));
    g.UnHideColumn(1);
    EXPECT_EQ(widths(), all);

    g.HideColumn(1);
    g.HideColumn(3);
    EXPECT_EQ(widths(), (std::vector<Integer>{10, 30, 50, 60}));
    g.UnHideColumn(3);  // shown back between columns 2 and 4 while 1 stays hidden
    EXPECT_EQ(widths(), (std::vector<Integer>{10, 30, 40, 50, 60}));
    g.HideColumn(3);
    g.UnHideColumnsAll();
    EXPECT_EQ(widths(), all);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
}

TEST_F(ExtStringGridHidden, HidingTheCurrentLastColumnMovesTheCurrentColumnLeft)
{
    Fill(5, 4);
    g.SetCol(4);
    g.HideColumn(4);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.GetRealCol(), 3);
    g.HideColumn(1);
    EXPECT_EQ(g.GetRealCol(), g.RealColIndex(g.Col()));
}

TEST_F(ExtStringGridHidden, IgnoredColumnsAreThoseListed)
{
    g.IgnoreColumns()->Add(2);
    EXPECT_TRUE(g.IsIgnoredColumn(2));
    EXPECT_FALSE(g.IsIgnoredColumn(1));
    EXPECT_FALSE(g.IsIgnoredColumn(-1));
}

// --- rows ----------------------------------------------------------------------------------------

TEST_F(ExtStringGridHidden, HiddenRowsLeaveTheDisplayAndComeBackWithTheirCells)
{
    Fill(4, 10);
    g.HideRows(3, 5);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.NumHiddenRows(), 3);
    EXPECT_EQ(g.TotalRowCount(), 10);
    EXPECT_EQ(g.RealRowIndex(3), 6);
    EXPECT_EQ(g.DisplRowIndex(6), 3);
    EXPECT_TRUE(g.IsHiddenRow(4));
    EXPECT_FALSE(g.IsHiddenRow(6));
    ExpectEveryRowInPlace(10, "hidden 3-5");
    EXPECT_EQ(g.GetCellEx(0, 7), u"") << "the rows below the display hold nothing";

    g.UnHideRows(3, 5);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.NumHiddenRows(), 0);
    ExpectEveryRowInPlace(10, "shown again");
}

TEST_F(ExtStringGridHidden, RowsHandedOverWholeAtTheEdgesComeBackToTheirOwnPlaces)
{
    struct Case {
        const char* Name;
        std::vector<Integer> Rows;  // displayed rows hidden as one list
    };
    const Case cases[] = {
        {"the first row", {0}},
        {"the last row", {9}},
        {"first and last", {0, 9}},
        {"two neighbours", {4, 5}},
        {"every other row", {1, 3, 5, 7, 9}},
        {"all but the first", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Fill(4, 10);
        TIntList list(0, 0);
        for (Integer r : c.Rows) list.Add(r);
        g.HideRowList(list);
        ExpectEveryRowInPlace(10, "hidden");
        // The rows vacated below the display hold nothing: no text, no properties.
        for (Integer d = g.RowCount(); d < 10; ++d)
            for (Integer col = 0; col < 4; ++col) {
                EXPECT_EQ(g.GetGridCell(col, d), u"") << "vacated row " << d;
                EXPECT_EQ(g.GetGridObject(col, d), nullptr) << "vacated row " << d;
            }
        g.UnHideRowList();
        EXPECT_EQ(g.RowCount(), 10);
        ExpectEveryRowInPlace(10, "shown");
        g.RemoveLastFilter();
    }
}

TEST_F(ExtStringGridHidden, HidingAndShowingRangesThatOverlapHiddenRows)
{
    Fill(4, 10);
    g.HideRow(4);
    g.HideRows(3, 5);  // row 4 stays as it is, 3 and 5 join it
    EXPECT_EQ(g.NumHiddenRows(), 3);
    ExpectEveryRowInPlace(10, "3-5 around 4");
    g.UnHideRows(3, 5);
    ExpectEveryRowInPlace(10, "shown");

    g.HideRow(3);
    g.UnHideRows(4, 5);  // 4 is not hidden: nothing happens
    EXPECT_TRUE(g.IsHiddenRow(3));
    EXPECT_EQ(g.RowCount(), 9);
    g.UnHideRow(5);  // not hidden
    EXPECT_EQ(g.RowCount(), 9);
    g.UnHideRow(3);
    EXPECT_EQ(g.RowCount(), 10);
    ExpectEveryRowInPlace(10, "one row back");

    g.HideRows(8, 40);  // beyond the last row: only the rows that exist
    EXPECT_EQ(g.NumHiddenRows(), 2);
    g.UnHideRowsAll();
    ExpectEveryRowInPlace(10, "all back");
}

TEST_F(ExtStringGridHidden, RowListsHideAsFilterLevelsTakenBackLastFirst)
{
    Fill(4, 10);
    TIntList first(0, 0);
    first.Add(2);
    first.Add(5);
    g.HideRowList(first);
    EXPECT_EQ(g.RowCount(), 8);
    const std::vector<Integer> shown = {0, 1, 3, 4, 6, 7, 8, 9};
    for (Integer d = 0; d < 8; ++d) EXPECT_EQ(g.GetCellEx(0, d), CellText(0, shown[static_cast<size_t>(d)]));
    ExpectEveryRowInPlace(10, "level 0");

    TIntList second(0, 0);  // displayed rows: real rows 1 and 9
    second.Add(1);
    second.Add(7);
    g.HideRowList(second);
    EXPECT_EQ(g.RowCount(), 6);
    ExpectEveryRowInPlace(10, "level 1");
    g.HideRow(3);  // by index, beside the filters
    g.UnHideRowList();
    EXPECT_TRUE(g.IsHiddenRow(2));
    EXPECT_TRUE(g.IsHiddenRow(5));
    EXPECT_TRUE(g.IsHiddenRow(3)) << "a row hidden by index stays hidden";
    EXPECT_FALSE(g.IsHiddenRow(1));
    EXPECT_FALSE(g.IsHiddenRow(9));
    ExpectEveryRowInPlace(10, "level 1 back");
    g.UnHideRowsAll();
    EXPECT_TRUE(g.IsHiddenRow(2)) << "filtered rows stay hidden";
    EXPECT_FALSE(g.IsHiddenRow(3));

    TIntList unordered(0, 0);
    unordered.Add(4);
    unordered.Add(1);
    EXPECT_THROW(g.HideRowList(unordered), EListError);
    TIntList outside(0, 0);
    outside.Add(g.RowCount());
    EXPECT_THROW(g.HideRowList(outside), EListError);
    ExpectEveryRowInPlace(10, "after refused lists");
}

TEST_F(ExtStringGridHidden, CellsByRealRowReachHiddenRows)
{
    Fill(4, 6);
    g.HideRows(2, 3);
    g.SetCellsEx(3, 2, u"hidden write");
    g.SetCellsEx(6, 3, u"past the row");
    g.SetCellsEx(1, 4, u"shown write");
    EXPECT_EQ(g.GetCellsEx(3, 2), u"hidden write");
    EXPECT_EQ(g.GetCellEx(1, 2), u"shown write") << "real row 4 is displayed row 2";
    EXPECT_EQ(g.GetCellsEx(-1, 2), u"");
    EXPECT_EQ(g.GetCellsEx(1, -1), u"");
    EXPECT_EQ(g.RealRowGridObject(1, -1), nullptr);
    g.UnHideRows(2, 3);
    EXPECT_EQ(g.GetCellEx(3, 2), u"hidden write");
    EXPECT_EQ(g.GetCellEx(6, 3), u"past the row");
    EXPECT_EQ(g.GetCellEx(1, 4), u"shown write");
}

TEST_F(ExtStringGridHidden, HidingRowsExKeepsTheCurrentRowOnItsRow)
{
    Fill(4, 12);
    g.SetFixedRows(1);
    g.SetRow(8);
    g.HideRowsEx(2, 4);
    EXPECT_EQ(g.RowCount(), 9);
    EXPECT_EQ(g.RealRowIndex(g.Row()), 8);
    g.HideRowsEx(2, 5);  // row 2 is hidden already: nothing
    EXPECT_EQ(g.RowCount(), 9);
    g.SetRow(g.DisplRowIndex(6));
    g.HideRowsEx(6, 6);  // the current row goes: the first normal row becomes current
    EXPECT_EQ(g.Row(), 1);
    g.UnHideRowsAll();
    ExpectEveryRowInPlace(12, "all back");
}

TEST_F(ExtStringGridHidden, TheFixedRowsStayFixedWhenEveryRowBelowThemWasHidden)
{
    Fill(4, 4);
    g.SetFixedRows(1);
    g.HideRows(1, 3);
    EXPECT_EQ(g.RowCount(), 1);
    g.UnHideRows(1, 3);
    EXPECT_EQ(g.FixedRows(), 1);
    ExpectEveryRowInPlace(4, "shown again");
    TIntList all(0, 0);
    for (Integer r = 1; r < 4; ++r) all.Add(r);
    g.HideRowList(all);
    g.UnHideRowList();
    EXPECT_EQ(g.FixedRows(), 1);
}

// Check boxes address rows by their real index: a hidden row's box is read and set in its item.
TEST_F(ExtStringGridHidden, CheckBoxStatesFollowRealRowsWhileRowsAreHidden)
{
    Fill(4, 8);
    for (Integer r = 1; r < 8; ++r) g.AddCheckBox(3, r, r % 2 == 1, false);
    g.AddCheckBox(2, 5, true, true);  // a data check box: its text holds the state
    g.HideRows(2, 5);
    struct Case {
        Integer Col, Row;
        bool Checked;
    };
    for (const Case& c : {Case{3, 1, true}, Case{3, 2, false}, Case{3, 3, true}, Case{3, 6, false}, Case{3, 7, true},
                          Case{2, 5, true}}) {
        bool state = !c.Checked;
        EXPECT_TRUE(g.GetCheckBoxState(c.Col, c.Row, state)) << c.Col << "," << c.Row;
        EXPECT_EQ(state, c.Checked) << c.Col << "," << c.Row;
    }
    EXPECT_TRUE(g.SetCheckBoxState(3, 2, true));  // hidden
    EXPECT_TRUE(g.SetCheckBoxState(2, 5, false));  // hidden, data
    EXPECT_TRUE(g.SetCheckBoxState(3, 7, false));  // shown, displayed row 3
    EXPECT_EQ(g.GetCellsEx(2, 5), g.CheckFalse);
    g.UnHideRowsAll();
    for (const Case& c : {Case{3, 2, true}, Case{2, 5, false}, Case{3, 7, false}, Case{3, 6, false}}) {
        bool state = !c.Checked;
        EXPECT_TRUE(g.GetCheckBoxState(c.Col, c.Row, state));
        EXPECT_EQ(state, c.Checked) << c.Col << "," << c.Row << " shown again";
    }
}

// Random hiding and showing of every kind, one filter level open at a time, keeps every row in
// its real place; showing all restores the grid; the grid is destroyed with rows still hidden.
TEST_F(ExtStringGridHidden, RandomHidingKeepsEveryRowInItsRealPlace)
{
    std::mt19937 random(26);
    for (Integer round = 0; round < 25; ++round) {
        Fill(4, 30);
        bool filterOpen = false;
        for (Integer step = 0; step < 30; ++step) {
            const Integer a = static_cast<Integer>(random() % 30);
            const Integer b = a + static_cast<Integer>(random() % 5);
            switch (random() % 7) {
            case 0: g.HideRows(a, b); break;
            case 1: g.HideRowsEx(a, b); break;
            case 2: g.UnHideRows(a, b); break;
            case 3: g.UnHideRow(a); break;
            case 4: g.UnHideRowsAll(); break;
            default:
                if (filterOpen) {
                    g.UnHideRowList();
                } else {
                    TIntList rows(0, 0);
                    for (Integer d = 0; d < g.RowCount() - 1; ++d)
                        if (random() % 3 == 0) rows.Add(d);
                    g.HideRowList(rows);
                }
                filterOpen = !filterOpen;
            }
            ExpectEveryRowInPlace(30, "random step");
            if (HasFailure()) return;
        }
        if (filterOpen) g.UnHideRowList();
        g.UnHideRowsAll();
        EXPECT_EQ(g.RowCount(), 30);
        ExpectEveryRowInPlace(30, "all shown");
    }
    g.HideRows(3, 6);  // left hidden for the destructor
}

// --- used cells, save range ------------------------------------------------

TEST_F(ExtStringGridHidden, UsedCellsSpanTheNonEmptyCells)
{
    g.SetColCount(7);
    g.SetRowCount(6);
    const TGridRect none = g.GetUsedCells();
    EXPECT_EQ((std::vector<Integer>{none.Left, none.Top, none.Right, none.Bottom}), (std::vector<Integer>{0, 0, 0, 0}));
    g.SetCellEx(2, 3, u"a");
    g.SetCellEx(5, 1, u"b");
    const TGridRect used = g.GetUsedCells();
    EXPECT_EQ((std::vector<Integer>{used.Left, used.Top, used.Right, used.Bottom}), (std::vector<Integer>{2, 1, 5, 3}));
}

TEST_F(ExtStringGridHidden, TheSaveRangeLeavesOutFixedCellsUnlessTheyAreSaved)
{
    g.SetColCount(6);
    g.SetRowCount(8);
    g.SetFixedCols(1);
    g.SetFixedRows(2);
    g.SetFixedRightCols(1);
    g.SetFixedFooters(1);
    struct Case {
        bool Cells, Cols, Rows;
        std::vector<Integer> Expected;  // start, end, count: columns then rows
    };
    for (const Case& c : {Case{false, false, false, {1, 4, 4, 2, 6, 5}}, Case{true, false, false, {0, 5, 6, 0, 7, 8}},
                          Case{false, true, false, {0, 5, 6, 2, 6, 5}}, Case{false, false, true, {1, 4, 4, 0, 7, 8}}}) {
        g.SaveFixedCells = c.Cells;
        g.SaveFixedCols = c.Cols;
        g.SaveFixedRows = c.Rows;
        EXPECT_EQ((std::vector<Integer>{g.SaveStartCol(), g.SaveEndCol(), g.SaveColCount(), g.SaveStartRow(),
                                        g.SaveEndRow(), g.SaveRowCount()}),
                  c.Expected)
            << c.Cells << c.Cols << c.Rows;
    }
}

}  // namespace
}  // namespace gw::test
