// The string grid's hidden selection: hiding puts it past the last cell with its corners kept,
// showing brings it back cut to the grid or, when its top-left cell has gone, on the first normal
// cell; the row operations that leave a grid with only its header row hide it and bring it back.
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace gw::test {
namespace {

using Corners = std::vector<Integer>;  // anchor column, anchor row, current column, current row

Corners CornersOf(const TExtStringGrid& G) { return {G.Anchor().X, G.Anchor().Y, G.Col(), G.Row()}; }

class ExtStringGridHiddenSelection : public ::testing::Test {
protected:
    ExtStringGridHiddenSelection()
    {
        g.SetColCount(5);
        g.SetRowCount(8);
        g.SetFixedCols(1);
        g.SetFixedRows(1);
    }

    THarness h;
    TExtStringGrid g{nullptr};
};

struct TUnhideCase {
    const char* What;
    std::function<void(TExtStringGrid&)> Meanwhile;
    Corners After;
};

TEST_F(ExtStringGridHiddenSelection, ShowingAgainRestoresTheCornersCutToWhatIsLeft)
{
    const TUnhideCase cases[] = {
        {"nothing changed: both corners as they were, the current one above the anchor",
         [](TExtStringGrid&) {},
         {3, 5, 2, 3}},
        {"rows below the top gone: cut at the last row", [](TExtStringGrid& G) { G.SetRowCount(5); }, {3, 4, 2, 3}},
        {"columns right of the left gone: cut at the last column",
         [](TExtStringGrid& G) { G.SetColCount(3); },
         {2, 5, 2, 3}},
        {"the top row gone: the first normal cell", [](TExtStringGrid& G) { G.SetRowCount(3); }, {1, 1, 1, 1}},
        {"the left column gone: the first normal cell", [](TExtStringGrid& G) { G.SetColCount(2); }, {1, 1, 1, 1}},
    };
    for (const TUnhideCase& c : cases) {
        SCOPED_TRACE(c.What);
        g.SetColCount(5);
        g.SetRowCount(8);
        g.SetSelection({3, 5, 2, 3});  // dragged up and left: the anchor is the lower corner
        ASSERT_EQ(CornersOf(g), (Corners{3, 5, 2, 3}));

        g.HideSelection();
        const TGridRect s = g.Selection();
        EXPECT_EQ((Corners{s.Left, s.Top, s.Right, s.Bottom}), (Corners{5, 8, 5, 8})) << "one cell past the last";
        for (Integer r = 0; r < g.RowCount(); ++r)
            for (Integer col = 0; col < g.ColCount(); ++col) EXPECT_FALSE(g.IsSelected(col, r)) << col << "," << r;
        g.HideSelection();  // hiding twice keeps the first corners

        c.Meanwhile(g);
        g.UnHideSelection();
        EXPECT_EQ(CornersOf(g), c.After);
    }
}

TEST_F(ExtStringGridHiddenSelection, WithOnlyTheHeaderLeftTheHeaderCellIsTakenAsFirstCell)
{
    struct TCase {
        bool RowAlways, ColAlways;
        TGridCoord Cell;
    };
    for (const TCase& c : {TCase{true, true, {0, 0}}, TCase{true, false, {1, 0}}, TCase{false, true, {0, 1}}}) {
        TExtStringGrid grid(nullptr);
        grid.SetColCount(2);
        grid.SetRowCount(2);
        grid.FixedRowAlways = c.RowAlways;
        grid.FixedColAlways = c.ColAlways;
        grid.SetFixedRows(1);
        grid.SetFixedCols(1);
        grid.FocusCell(1, 1);
        grid.HideSelection();
        // Only the fixed row (column) is left where its flag is set: the kept cell has gone.
        grid.SetRowCount(c.RowAlways ? 1 : 2);
        grid.SetColCount(c.ColAlways ? 1 : 2);
        grid.HideSelection();
        grid.UnHideSelection();
        EXPECT_EQ(grid.Col(), c.Cell.X) << c.RowAlways << c.ColAlways;
        EXPECT_EQ(grid.Row(), c.Cell.Y) << c.RowAlways << c.ColAlways;
    }
}

TEST_F(ExtStringGridHiddenSelection, RemovingTheLastNormalRowHidesTheSelectionAndAnInsertShowsItAgain)
{
    g.FixedRowAlways = true;
    g.SetRowCount(2);
    g.FocusCell(2, 1);
    g.RemoveRows(1, 1);
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.FixedRows(), 1) << "the header stays a header";
    EXPECT_EQ(g.Row(), 1) << "no cell of the header row is current";
    EXPECT_EQ(g.Col(), 5);

    g.InsertRows(1, 1, true);
    EXPECT_EQ(CornersOf(g), (Corners{2, 1, 2, 1})) << "the kept cell exists again";
    g.SetRowCount(4);
    EXPECT_EQ(g.FixedRows(), 1);
}

}  // namespace
}  // namespace gw::test
