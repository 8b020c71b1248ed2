// Where cells show: CellRect and MouseToCell agree on unequal sizes, fixed and scrolled parts,
// lines of any width; visible counts, the grid's extent, and the limits of the counts.
#include "tests/platform/grids/grid_fixture.h"

namespace gw::test {
namespace {

class GridLayoutTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetScrollBars(ssNone);
        grid->SetColCount(8);
        grid->SetRowCount(40);
        grid->SetFixedCols(2);
        grid->SetFixedRows(1);
        grid->SetColWidths(0, 30);
        grid->SetColWidths(3, 100);
        grid->SetColWidths(4, 1);
        grid->SetRowHeights(0, 30);
        grid->SetRowHeights(5, 50);
    }
};

TEST_F(GridLayoutTest, CellRectAndMouseToCellRoundTripOnEveryPixel)
{
    for (Integer line : {1, 0, 3}) {
        for (Integer top : {1, 4}) {
            SCOPED_TRACE(testing::Message() << "line " << line << ", top row " << top);
            grid->SetGridLineWidth(line);
            grid->SetLeftCol(3);
            grid->SetTopRow(top);
            const TRect client = grid->ClientRect();
            // Every shown cell's rectangle maps back to the cell, and its grid line too.
            for (Integer r = 0; r < grid->RowCount(); ++r)
                for (Integer c = 0; c < grid->ColCount(); ++c) {
                    const TRect cell = grid->CellRect(c, r);
                    if (IsRectEmpty(cell)) continue;
                    EXPECT_EQ(cell.Width(), grid->ColWidths(c));
                    EXPECT_EQ(cell.Height(), grid->RowHeights(r));
                    for (TPoint p : {cell.TopLeft(), TPoint{cell.Right - 1, cell.Bottom - 1}, cell.BottomRight()}) {
                        if (p.X >= client.Right || p.Y >= client.Bottom) continue;
                        const TGridCoord at = grid->MouseCoord(p.X, p.Y);
                        // A point on the lines right of or below a cell belongs to the cell.
                        const bool onLine = p.X == cell.Right || p.Y == cell.Bottom;
                        if (onLine && line == 0) continue;
                        EXPECT_EQ(at, (TGridCoord{c, r})) << "point " << p.X << "," << p.Y;
                    }
                }
            // Every client pixel hits a cell whose rectangle (with its lines) holds it, or none.
            for (Integer y = 0; y < client.Bottom; y += 3)
                for (Integer x = 0; x < client.Right; x += 2) {
                    Integer c = 0, r = 0;
                    grid->MouseToCell(x, y, c, r);
                    if (c < 0 || r < 0) continue;
                    TRect cell = grid->CellRect(c, r);
                    cell.Right += line;
                    cell.Bottom += line;
                    ASSERT_TRUE(PtInRect(cell, {x, y})) << x << "," << y << " -> " << c << "," << r;
                }
        }
    }
}

TEST_F(GridLayoutTest, CellsNotShownHaveNoRectangleAndPointsOutsideNoCell)
{
    grid->SetLeftCol(4);
    grid->SetTopRow(10);
    EXPECT_TRUE(IsRectEmpty(grid->CellRect(3, 12))) << "scrolled out to the left";
    EXPECT_TRUE(IsRectEmpty(grid->CellRect(4, 5))) << "scrolled out at the top";
    EXPECT_TRUE(IsRectEmpty(grid->CellRect(4, 39))) << "below the client";
    EXPECT_TRUE(IsRectEmpty(grid->CellRect(8, 12))) << "beyond the columns";
    EXPECT_TRUE(IsRectEmpty(grid->CellRect(-1, 12)));
    EXPECT_EQ(grid->CellRect(4, 10).Left, 30 + 1 + 64 + 1) << "the first scrolled column follows the fixed ones";
    EXPECT_EQ(grid->CellRect(1, 0), Bounds(31, 0, 64, 30)) << "fixed cells do not scroll";
    // The last column ends before the client's right edge: right of it is no cell.
    const Integer gridRight = grid->GridWidth();
    ASSERT_LT(gridRight, grid->ClientWidth());
    EXPECT_EQ(grid->MouseCoord(gridRight, 100).X, -1);
    EXPECT_EQ(grid->MouseCoord(gridRight - 1, 100).X, 7);
    EXPECT_EQ(grid->MouseCoord(-1, 100).X, -1);
    EXPECT_EQ(grid->MouseCoord(50, grid->ClientHeight()).Y, -1);
}

TEST_F(GridLayoutTest, VisibleCountsCountCellsShownWhole)
{
    grid->SetBounds(10, 10, 31 + 65 + 65 + 101 + 2 + 64, 31 + 25 * 3 + 10);
    // Columns after the two fixed ones: 2 (65), 3 (101), 4 (2) whole, 5 cut.
    EXPECT_EQ(grid->VisibleColCount(), 3);
    EXPECT_EQ(grid->VisibleRowCount(), 3);
    grid->SetTopRow(4);  // rows 4 (25) and 5 (51) fit in 85 pixels, 6 does not
    EXPECT_EQ(grid->VisibleRowCount(), 2);
    EXPECT_EQ(grid->GridHeight(), grid->ClientHeight()) << "a cut row reaches the bottom";
}

TEST_F(GridLayoutTest, CountsKeepAScrollingCellAndTheCurrentCellInside)
{
    grid->SetRow(30);
    grid->SetCol(7);
    grid->SetRowCount(10);
    grid->SetColCount(5);
    EXPECT_EQ(Current(), (TGridCoord{4, 9}));
    EXPECT_THROW(grid->SetFixedRows(10), EInvalidGridOperation);
    EXPECT_THROW(grid->SetFixedCols(-1), EInvalidGridOperation);
    EXPECT_THROW(grid->SetColWidths(5, 20), EInvalidGridOperation);
    EXPECT_EQ(grid->ColWidths(5), grid->DefaultColWidth()) << "reading outside gives the default";
    EXPECT_THROW(grid->SetRow(10), EInvalidGridOperation);
    grid->SetRowCount(0);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->FixedRows(), 0) << "one row left, and it scrolls";
    grid->SetFixedCols(3);
    EXPECT_EQ(grid->Col(), 4);
    grid->SetColCount(6);
    grid->SetCol(5);
    grid->SetFixedCols(5);
    EXPECT_EQ(grid->Col(), 5) << "the current cell leaves the fixed columns";
    EXPECT_EQ(grid->LeftCol(), 5);
}

TEST_F(GridLayoutTest, DefaultSizesGiveEveryItemTheNewSize)
{
    grid->SetDefaultColWidth(50);
    grid->SetDefaultRowHeight(18);
    EXPECT_EQ(grid->ColWidths(3), 50);
    EXPECT_EQ(grid->RowHeights(0), 18);
    EXPECT_EQ(grid->CellRect(1, 1), Bounds(51, 19, 50, 18));
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// A grid that tells which of its hooks ran.
class THookedGrid : public TTestGrid {
public:
    using TTestGrid::TTestGrid;
    std::vector<std::string> Calls;

protected:
    void SizeChanged(Integer OldColCount, Integer OldRowCount) override
    {
        Calls.push_back("size " + std::to_string(OldColCount) + "x" + std::to_string(OldRowCount));
        TTestGrid::SizeChanged(OldColCount, OldRowCount);
    }
    void ColWidthsChanged() override
    {
        Calls.push_back("widths");
        TTestGrid::ColWidthsChanged();
    }
    void RowHeightsChanged() override
    {
        Calls.push_back("heights");
        TTestGrid::RowHeightsChanged();
    }
};

TEST_F(GridTest, SizeHooksRunOncePerChange)
{
    auto* g = new THookedGrid(form);
    g->SetParent(form);
    g->SetColCount(7);
    g->SetColCount(7);
    g->SetRowCount(9);
    g->SetColWidths(2, 30);
    g->SetColWidths(2, 30);
    g->SetDefaultRowHeight(20);
    g->SetRowHeights(1, 5);
    EXPECT_EQ(g->Calls, (std::vector<std::string>{"size 5x5", "size 7x5", "widths", "heights", "heights"}));
}

TEST_F(GridTest, InvalidatingCellsRowsAndColumnsTouchesOnlyWhatShows)
{
    grid->SetRowCount(100);
    grid->SetTopRow(50);
    const HWND h = grid->Handle();
    auto invalidated = [&](const std::function<void()>& Step) {
        UpdateWindow(h);
        Step();
        TRect r;
        return GetUpdateRect(h, r) ? r : TRect{};
    };
    const TRect cell = grid->CellRect(2, 52);
    EXPECT_EQ(invalidated([&] { grid->InvalidateCell(2, 52); }),
              Rect(cell.Left, cell.Top, cell.Right + 1, cell.Bottom + 1))
        << "the cell with its grid lines";
    EXPECT_EQ(invalidated([&] { grid->InvalidateCell(2, 10); }), TRect{}) << "scrolled out: nothing";
    const TRect row = invalidated([&] { grid->InvalidateRow(53); });
    EXPECT_EQ(row.Left, 0);
    EXPECT_EQ(row.Top, grid->CellRect(0, 53).Top);
    EXPECT_EQ(row.Bottom - row.Top, 25);
    const TRect col = invalidated([&] { grid->InvalidateCol(3); });
    EXPECT_EQ(col.Top, 0) << "the header row too";
    EXPECT_EQ(col.Bottom, grid->ClientHeight());
    EXPECT_EQ(col.Left, grid->CellRect(3, 0).Left);
}

}  // namespace
}  // namespace gw::test
