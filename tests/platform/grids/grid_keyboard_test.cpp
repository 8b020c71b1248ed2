// The keys: moving the current cell with and without fixed cells, Shift extending the selection,
// whole rows, Tab, and the keys the grid asks the form for.
#include "platform/controls/edit.h"
#include "tests/platform/grids/grid_fixture.h"

namespace gw::test {
namespace {

class GridKeyboardTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(30);
        grid->OnClick = [this](TObject*) { ++clicks; };
    }
    int clicks = 0;
};

struct TKeyCase {
    const char* What;
    TGridCoord Start;
    Word Key;
    TShiftState Shift;
    TGridCoord Expected;
};

void RunKeyCases(THarness& h, TTestGrid* grid, const std::vector<TKeyCase>& Cases)
{
    for (const TKeyCase& c : Cases) {
        SCOPED_TRACE(c.What);
        grid->SetTopRow(grid->FixedRows());
        grid->MoveColRow(c.Start.X, c.Start.Y, true, true);
        h.Press(c.Key, c.Shift);
        EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), c.Expected);
        EXPECT_EQ(grid->Selection(), (TGridRect{c.Expected.X, c.Expected.Y, c.Expected.X, c.Expected.Y}))
            << "without Shift the selection is the cell";
    }
}

TEST_F(GridKeyboardTest, ArrowsPagesHomeAndEndMoveWithinTheScrollingCells)
{
    const Integer page = grid->VisibleRowCount();
    ASSERT_GT(page, 3);
    RunKeyCases(h, grid,
                {
                    {"down", {2, 2}, VK_DOWN, 0, {2, 3}},
                    {"up", {2, 2}, VK_UP, 0, {2, 1}},
                    {"up stops at the fixed row", {2, 1}, VK_UP, 0, {2, 1}},
                    {"left stops at the fixed column", {1, 2}, VK_LEFT, 0, {1, 2}},
                    {"right", {2, 2}, VK_RIGHT, 0, {3, 2}},
                    {"right stops at the last column", {5, 2}, VK_RIGHT, 0, {5, 2}},
                    {"down stops at the last row", {2, 29}, VK_DOWN, 0, {2, 29}},
                    {"home", {4, 7}, VK_HOME, 0, {1, 7}},
                    {"end", {2, 7}, VK_END, 0, {5, 7}},
                    {"ctrl home", {4, 7}, VK_HOME, ssCtrl, {1, 1}},
                    {"ctrl end", {2, 7}, VK_END, ssCtrl, {5, 29}},
                    {"page down", {2, 1}, VK_NEXT, 0, {2, 1 + page}},
                    {"page down stops at the last row", {2, 27}, VK_NEXT, 0, {2, 29}},
                    {"page up", {3, 20}, VK_PRIOR, 0, {3, 20 - page}},
                    {"page up stops at the first row", {3, 2}, VK_PRIOR, 0, {3, 1}},
                    {"ctrl page up: the top row", {3, 5}, VK_PRIOR, ssCtrl, {3, 1}},
                    {"ctrl page down: the last row shown whole", {3, 2}, VK_NEXT, ssCtrl, {3, page}},
                });
}

TEST_F(GridKeyboardTest, WithoutFixedCellsTheFirstRowAndColumnAreReached)
{
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    RunKeyCases(h, grid,
                {
                    {"up to row 0", {2, 1}, VK_UP, 0, {2, 0}},
                    {"up stops at row 0", {2, 0}, VK_UP, 0, {2, 0}},
                    {"left to column 0", {1, 2}, VK_LEFT, 0, {0, 2}},
                    {"home", {4, 3}, VK_HOME, 0, {0, 3}},
                    {"ctrl home", {4, 3}, VK_HOME, ssCtrl, {0, 0}},
                });
}

TEST_F(GridKeyboardTest, TheViewFollowsAndPagesKeepTheCellsPlaceInIt)
{
    const Integer page = grid->VisibleRowCount();
    grid->SetRow(1);
    h.Press(VK_NEXT);
    EXPECT_EQ(grid->TopRow(), 1 + page) << "the view moves by a page with the cell";
    EXPECT_EQ(grid->Row() - grid->TopRow(), 0);
    h.Press(VK_DOWN);
    h.Press(VK_PRIOR);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->Row(), 2);
    // Ctrl+Down scrolls the view and leaves the cell.
    h.Press(VK_DOWN, ssCtrl);
    h.Press(VK_DOWN, ssCtrl);
    EXPECT_EQ(grid->TopRow(), 3);
    EXPECT_EQ(grid->Row(), 2);
    h.Press(VK_END, ssCtrl);
    EXPECT_EQ(grid->Row(), 29);
    const TRect last = grid->CellRect(5, 29);
    ASSERT_FALSE(IsRectEmpty(last));
    EXPECT_LE(last.Bottom, grid->ClientHeight()) << "the last row is shown whole";
}

TEST_F(GridKeyboardTest, ShiftExtendsTheSelectionFromTheAnchorWithRangeSelect)
{
    grid->MoveColRow(2, 2, true, true);
    h.Press(VK_DOWN, ssShift);
    h.Press(VK_DOWN, ssShift);
    h.Press(VK_RIGHT, ssShift);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 3, 4}));
    EXPECT_EQ(Current(), (TGridCoord{3, 4}));
    EXPECT_EQ(grid->Anchor(), (TGridCoord{2, 2}));
    h.Press(VK_UP, ssShift | ssCtrl);  // Ctrl+Up scrolls; the selection stays
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 3, 4}));
    h.Press(VK_HOME, ssShift);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 2, 4})) << "the anchor may be the right corner";
    h.Press(VK_DOWN);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 5, 1, 5})) << "a plain move collapses it";

    grid->SetOptions(grid->Options() & ~goRangeSelect);
    h.Press(VK_DOWN, ssShift);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 6, 1, 6})) << "no range without goRangeSelect";
    EXPECT_EQ(clicks, 6) << "every key that changed the selection clicked";
    grid->SetRow(9);
    EXPECT_EQ(clicks, 6) << "the program's moves do not click";
}

TEST_F(GridKeyboardTest, RowSelectSelectsWholeRowsAndScrollsSideways)
{
    grid->SetColCount(20);
    grid->SetOptions(grid->Options() | goRowSelect);
    grid->MoveColRow(1, 3, true, true);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 3, 19, 3}));
    h.Press(VK_DOWN, ssShift);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 3, 19, 4}));
    h.Press(VK_RIGHT);
    h.Press(VK_RIGHT);
    EXPECT_EQ(grid->LeftCol(), 3) << "Right scrolls the columns";
    EXPECT_EQ(grid->Col(), 1) << "and leaves the current column";
    h.Press(VK_LEFT);
    EXPECT_EQ(grid->LeftCol(), 2);
    h.Press(VK_END);
    EXPECT_EQ(grid->Row(), 29) << "End goes to the last row";
    h.Press(VK_HOME);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(GridKeyboardTest, TabWalksTheCellsWithGoTabsAndLeavesTheGridWithout)
{
    grid->SetOptions(grid->Options() | goTabs);
    RunKeyCases(h, grid,
                {
                    {"tab", {2, 3}, VK_TAB, 0, {3, 3}},
                    {"tab at the row's end: the next row", {5, 3}, VK_TAB, 0, {1, 4}},
                    {"tab in the last cell: the first one", {5, 29}, VK_TAB, 0, {1, 1}},
                    {"shift tab", {3, 3}, VK_TAB, ssShift, {2, 3}},
                    {"shift tab at the row's start", {1, 4}, VK_TAB, ssShift, {5, 3}},
                    {"shift tab in the first cell: the last one", {1, 1}, VK_TAB, ssShift, {5, 29}},
                });
    EXPECT_TRUE(grid->Focused());

    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(450, 10, 100, 21);
    grid->SetFocus();
    grid->SetOptions(grid->Options() & ~goTabs);
    const TGridCoord before = Current();
    h.Press(VK_TAB);
    EXPECT_TRUE(other->Focused()) << "without goTabs Tab goes to the next control";
    EXPECT_EQ(Current(), before);
}

TEST_F(GridKeyboardTest, TheGridAsksForArrowsTabsAndCharactersByItsOptions)
{
    struct Case {
        TGridOptions Options;
        LRESULT Expected;
    };
    const Case cases[] = {
        {0, DLGC_WANTARROWS},
        {goTabs, DLGC_WANTARROWS | DLGC_WANTTAB},
        {goEditing, DLGC_WANTARROWS | DLGC_WANTCHARS},
        {goEditing | goTabs | goRowSelect, DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB},
    };
    for (const Case& c : cases) {
        grid->SetOptions(c.Options);
        EXPECT_EQ(grid->Perform(WM_GETDLGCODE), c.Expected) << c.Options;
    }
    // Enter opens the editor of an editable grid rather than pressing the form's default button.
    EXPECT_EQ(grid->Perform(CM_WANTSPECIALKEY, VK_RETURN), 1);
    grid->SetOptions(0);
    EXPECT_EQ(grid->Perform(CM_WANTSPECIALKEY, VK_RETURN), 0);
}

}  // namespace
}  // namespace gw::test
