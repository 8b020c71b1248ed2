// The string grid's sizes from its contents: column width margins and limits, the columns spread
// over the control, rows sized for lines, the control fitted to its cells, numbering, exchanges.
// Text measuring belongs to the painting room: the column cases here measure no cell (the fixed
// rows decide and there are none), so only the margins, limits and hooks show.
#include "grid/model/column_size.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/ui/system_metrics.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

class SizedGrid : public TExtStringGrid {
public:
    SizedGrid() : TExtStringGrid(nullptr) {}
    std::vector<std::pair<TGridExportState, Integer>> Progress;

protected:
    void ExportNotification(TGridExportState AState, Integer ARow) override { Progress.push_back({AState, ARow}); }
};

class ExtStringGridSize : public ::testing::Test {
protected:
    THarness h;
    SizedGrid g;

    std::vector<Integer> Widths()
    {
        std::vector<Integer> widths;
        for (Integer c = 0; c < g.ColCount(); ++c) widths.push_back(g.ColWidths(c));
        return widths;
    }
    void SetWidths(const std::vector<Integer>& Widths)
    {
        g.SetColCount(Integer(Widths.size()));
        for (size_t c = 0; c < Widths.size(); ++c) g.SetColWidths(Integer(c), Widths[c]);
    }
};

TEST_F(ExtStringGridSize, AColumnWithoutMeasuredCellsTakesItsMarginsWithinTheLimits)
{
    g.SetFixedRows(0);
    g.ColumnSize()->Rows = arFixed;
    g.SetColWidths(1, 64);
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), 2 * 2 + 2 * (1 + 1)) << "XYOffset on both sides and the line margins";
    g.XYOffsetTopLeftOnly = true;
    g.AutoSizeCol(1, 5);
    EXPECT_EQ(g.ColWidths(1), 2 + 4 + 5) << "one offset, then the padding";
    g.SizeGrowOnly = true;
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), 11) << "grow only keeps the wider column";
    g.SizeGrowOnly = false;
    g.MinColWidth = 30;
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), 30);
    g.MaxColWidth = 30;
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), 6) << "equal limits are no limits";
    g.OnUpdateColumnSize = [](TObject*, Integer ACol, Integer& AWidth) { AWidth += 100 * ACol; };
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), 106) << "the hook sees the width before it is set";
}

TEST_F(ExtStringGridSize, AutoSizeFitsTheNormalColumnsWithItsPadding)
{
    g.SetFixedRows(0);
    g.SetFixedCols(1);
    g.SetFixedRightCols(1);
    g.ColumnSize()->Rows = arFixed;
    SetWidths({50, 50, 50, 50, 50});
    g.SetAutoSize(true);
    EXPECT_TRUE(g.AutoSize());
    EXPECT_EQ(Widths(), (std::vector<Integer>{50, 18, 18, 18, 50}));
    g.AutoSizeColumns(true, 0);
    EXPECT_EQ(Widths(), (std::vector<Integer>{8, 8, 8, 8, 8}));
}

TEST_F(ExtStringGridSize, AutoFitSpreadsTheColumnsOverTheControl)
{
    g.SetRowCount(2);
    ASSERT_EQ(g.Width(), 400);
    // Normal columns 100 and 50 share 400 - 50 - 4 (border) with 2 lines between them:
    // f = 344 / 150, widths 229 and 115, the rest 2 to the widest.
    SetWidths({50, 100, 50});
    g.SetFixedCols(1);
    g.AutoFitColumns(false);
    EXPECT_EQ(Widths(), (std::vector<Integer>{50, 231, 115}));
    g.AutoFitColumns(false);
    EXPECT_EQ(Widths(), (std::vector<Integer>{50, 231, 115})) << "columns that fill the room stay";
    // All columns: 400 - 4 less 2 lines and the fixed line: 131 each, the rest 3 to the first.
    SetWidths({100, 100, 100});
    g.SetFixedCols(1);
    g.AutoFitColumns(true);
    EXPECT_EQ(Widths(), (std::vector<Integer>{134, 131, 131}));
    // Rows beyond the view bring the vertical scroll bar's width out of the room.
    const Integer sb = GetSystemMetrics(SM_CXVSCROLL);
    g.SetRowCount(100);
    SetWidths({100, 100, 100});
    g.SetFixedCols(1);
    g.AutoFitColumns(false);
    EXPECT_EQ(g.ColWidths(1) + g.ColWidths(2), 400 - 100 - 4 - sb);
    g.SetRowCount(2);
    g.SetScrollBarAlways(saVert);
    SetWidths({10});
    g.AutoFitColumns(false);
    EXPECT_EQ(g.ColWidths(0), 400 - sb - 5) << "one column";
}

TEST_F(ExtStringGridSize, RowsTakeTheirLinesHeight)
{
    TBitmap measure;
    measure.Canvas()->SetFont(g.Font());
    const Integer gh = measure.Canvas()->TextHeight(u"gh");
    ASSERT_GT(gh, 0);
    g.SetRowHeightForLines(2, 2, 3);
    EXPECT_EQ(g.RowHeights(2), 3 + 2 * (gh + gh / 8));
    g.SetColCount(3);
    g.SetCells(1, 3, u"a\rb\rc");
    EXPECT_EQ(g.MaxLinesInRow(3), 1) << "without Multilinecells every row has one line";
    g.Multilinecells = true;
    EXPECT_EQ(g.MaxLinesInRow(3), 3);
    g.SetWordWrap(false);
    g.SetRowCount(4);
    g.SetFixedRows(1);
    g.AutoSizeRows(false, 0);
    EXPECT_EQ(g.RowHeights(3), 3 * (gh + gh / 8));
    EXPECT_EQ(g.RowHeights(1), gh + gh / 8);
    using P = std::pair<TGridExportState, Integer>;
    EXPECT_EQ(g.Progress,
              (std::vector<P>{{esExportStart, -1},
                              {esExportNextRow, 1},
                              {esExportNextRow, 2},
                              {esExportNextRow, 3},
                              {esExportDone, -1}}));
}

TEST_F(ExtStringGridSize, TheControlTakesItsCellsSize)
{
    SetWidths({30, 40, 50});
    g.SetRowCount(3);
    for (Integer r = 0; r < 3; ++r) g.SetRowHeights(r, 10 + r);
    g.SizeToCells();
    EXPECT_EQ(g.ClientWidth(), 120);
    EXPECT_EQ(g.ClientHeight(), 33);
}

TEST_F(ExtStringGridSize, NumberingRunsFromTheTopOrTheBottom)
{
    g.SetColCount(2);
    g.SetRowCount(6);
    g.SetFixedRows(1);
    g.SetFixedFooters(1);
    auto column = [&] {
        std::vector<String> texts;
        for (Integer r = 0; r < 6; ++r) texts.push_back(g.GetGridCell(1, r));
        return texts;
    };
    g.AutoNumberCol(1);
    EXPECT_EQ(column(), (std::vector<String>{u"", u"1", u"2", u"3", u"4", u""}));
    g.AutoNumberDirection = sdDescending;
    g.AutoNumberCol(1);
    EXPECT_EQ(column(), (std::vector<String>{u"", u"4", u"3", u"2", u"1", u""}));
    g.AutoNumberDirection = sdAscending;
    g.AutoNumberStart = 1;
    g.AutoNumberOffset = 10;
    for (Integer r = 1; r < 5; ++r) g.SetGridCell(1, r, u"");
    g.AutoNumberCol(1);
    EXPECT_EQ(column(), (std::vector<String>{u"", u"", u"12", u"13", u"14", u""}));
    g.SetColCount(4);
    g.SetFixedCols(1);
    g.AutoNumberStart = 0;
    g.AutoNumberOffset = 0;
    g.AutoNumberRow(0);
    EXPECT_EQ(g.GetGridCell(1, 0) + g.GetGridCell(2, 0) + g.GetGridCell(3, 0), u"123");
}

TEST_F(ExtStringGridSize, SwapsExchangeCellsSizesAndTheSortColumn)
{
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetGridCell(0, 1, u"a");
    g.SetGridCell(2, 1, u"c");
    TCellProperties* props = g.GetCellProperties(2, 2);
    g.SetColWidths(2, 77);
    g.SortSettings()->Column = 2;
    g.SwapColumns(0, 2);
    EXPECT_EQ(g.GetGridCell(0, 1), u"c");
    EXPECT_EQ(g.GetGridCell(2, 1), u"a");
    EXPECT_EQ(g.GetGridObject(0, 2), props);
    EXPECT_EQ(g.GetGridObject(2, 2), nullptr);
    EXPECT_EQ(g.ColWidths(0), 77);
    EXPECT_EQ(g.SortSettings()->Column, 0);
    g.SetRowHeights(1, 40);
    g.SwapRows(1, 2);
    EXPECT_EQ(g.GetGridCell(0, 2), u"c");
    EXPECT_EQ(g.GetGridObject(0, 1), props);
    EXPECT_EQ(g.RowHeights(2), 40);
    // Outside the grid nothing moves: no row or column is made and left half-exchanged.
    EXPECT_THROW(g.SwapRows(1, 3), EInvalidGridOperation);
    EXPECT_THROW(g.SwapColumns(-1, 0), EInvalidGridOperation);
    EXPECT_EQ(g.GetGridCell(0, 1), u"");
    EXPECT_EQ(g.GetGridCell(0, 2), u"c");
    EXPECT_EQ(g.GetGridCell(0, 3), u"");
}

}  // namespace
}  // namespace gw::test
