// The string grid's moves of columns and rows and bringing a cell into view.
#include "grid/model/ext_string_grid.h"
#include "grid/model/row_block_move.h"
#include "platform/backends/headless/harness.h"
#include "tests/grid/model/labelled_cells.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

TEST(MovedRowsTarget, ATargetAtOrAfterTheBlocksEndMovesUpByTheBlock)
{
    struct Case {
        Integer From, To, Count, Expected;
    };
    // (2, 6, 3) puts rows 2-4 before old row 6, (2, 5, 3) before old row 5: both lie at or after
    // the block's end.
    for (const Case& c :
         {Case{2, 8, 3, 5}, Case{2, 6, 3, 3}, Case{2, 5, 3, 2}, Case{2, 4, 3, 4}, Case{6, 2, 3, 2}, Case{0, 1, 1, 0}}) {
        EXPECT_EQ(MovedRowsTarget(c.From, c.To, c.Count), c.Expected) << c.From << " " << c.To << " " << c.Count;
    }
}

class ExtStringGridMoves : public ::testing::Test {
protected:
    THarness h;
    TExtStringGrid g{nullptr};

    void Fill(Integer Cols, Integer Rows) { FillLabelled(g, Cols, Rows); }
};

TEST_F(ExtStringGridMoves, ColumnsAndRowsMoveWithTheirCells)
{
    Fill(4, 5);
    g.MoveColumn(1, 3);
    EXPECT_EQ(g.GetCellEx(3, 2), u"2:1");
    EXPECT_EQ(g.GetCellEx(1, 2), u"2:2");
    g.MoveRow(4, 1);
    EXPECT_EQ(g.GetCellEx(0, 1), u"4:0");
    EXPECT_EQ(g.GetCellEx(0, 2), u"1:0");
    g.MoveRows(2, 2, 3);  // nothing to move
    g.MoveRows(1, 3, 0);
    EXPECT_EQ(g.GetCellEx(0, 1), u"4:0");
}

TEST_F(ExtStringGridMoves, ScrollInViewCentresACellOutOfView)
{
    g.SetBounds(0, 0, 300, 200);
    Fill(3, 100);
    g.SetFixedRows(1);
    const Integer visible = g.VisibleRowCount();
    ASSERT_GT(visible, 2);
    ASSERT_LT(visible, 50);
    g.ScrollInView(1, 50);
    EXPECT_EQ(g.Row(), 50);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.TopRow(), 50 - visible / 2);

    const Integer top = g.TopRow();
    g.ScrollInView(2, top + 1);  // already shown: nothing moves
    EXPECT_EQ(g.TopRow(), top);
    EXPECT_EQ(g.Row(), 50);

    g.ScrollInView(1, 99);  // the last rows: the top row stops where they fit
    EXPECT_EQ(g.Row(), 99);
    EXPECT_GE(g.TopRow(), 100 - visible - 1);
    g.ScrollInView(1, 100);  // outside the grid
    g.ScrollInView(-1, 5);
    EXPECT_EQ(g.Row(), 99);
}

}  // namespace
}  // namespace gw::test
