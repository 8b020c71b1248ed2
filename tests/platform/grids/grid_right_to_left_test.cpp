// Right-to-left alignment: the columns laid out from the client's right edge - cell rectangles
// and hit tests mirrored and inverse of each other, the horizontal bar running the other way,
// arrows and sizing edges on the mirrored side, and a picture that is the mirror of the
// left-to-right one.
#include "platform/graphics/bitmap.h"
#include "platform/ui/window_system.h"
#include "tests/platform/grids/grid_fixture.h"

namespace gw::test {
namespace {

class GridRightToLeftTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetColCount(12);
        grid->SetRowCount(40);
        grid->SetFixedCols(2);
        grid->SetColWidths(1, 30);
        grid->SetColWidths(5, 90);
        grid->SetRowHeights(3, 40);
    }
    TRect Mirror(const TRect& R) const
    {
        const Integer w = grid->ClientWidth();
        return {w - R.Right, R.Top, w - R.Left, R.Bottom};
    }
    // The cell rectangle left to right and right to left.
    std::pair<TRect, TRect> BothWays(Integer ACol, Integer ARow)
    {
        grid->SetBiDiMode(bdLeftToRight);
        const TRect ltr = grid->CellRect(ACol, ARow);
        grid->SetBiDiMode(bdRightToLeft);
        return {ltr, grid->CellRect(ACol, ARow)};
    }
    HWND Wnd() { return grid->Handle(); }
    void HScroll(Word Code, Integer Pos = 0)
    {
        SendMessage(Wnd(), WM_HSCROLL, MakeWParam(Code, Pos), 0);
        h.ProcessMessages();
    }
};

TEST_F(GridRightToLeftTest, CellRectanglesMirrorAndTheHitTestFindsTheirCellsBack)
{
    struct Case {
        const char* Name;
        Integer LeftCol, Col, Row;
    };
    const Case cases[] = {
        {"fixed corner", 2, 0, 0},    {"narrow fixed column", 2, 1, 5}, {"first scrolling column", 2, 2, 3},
        {"wide column", 2, 5, 7},     {"scrolled to column 4", 4, 4, 1}, {"fixed column when scrolled", 4, 1, 3},
        {"header when scrolled", 6, 7, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Name);
        grid->SetLeftCol(k.LeftCol);
        const auto [ltr, rtl] = BothWays(k.Col, k.Row);
        ASSERT_FALSE(IsRectEmpty(ltr));
        EXPECT_EQ(rtl, Mirror(ltr));
        // Its first and last pixel columns, its middle and its grid line, now at its left,
        // lie in the cell; the pixels beyond do not.
        for (Integer x : {rtl.Left, rtl.Right - 1, (rtl.Left + rtl.Right) / 2, rtl.Left - 1})
            EXPECT_EQ(grid->MouseCoord(x, rtl.Top + 1), (TGridCoord{k.Col, k.Row})) << x;
        EXPECT_NE(grid->MouseCoord(rtl.Left - 2, rtl.Top + 1).X, k.Col);
        EXPECT_NE(grid->MouseCoord(rtl.Right, rtl.Top + 1).X, k.Col);
    }
}

TEST_F(GridRightToLeftTest, EveryClientXHitsTheCellOfItsMirrorImage)
{
    grid->SetLeftCol(3);
    const Integer w = grid->ClientWidth(), y = 30;
    std::vector<Integer> ltr(w), rtl(w);
    grid->SetBiDiMode(bdLeftToRight);
    for (Integer x = 0; x < w; ++x) ltr[x] = grid->MouseCoord(x, y).X;
    grid->SetBiDiMode(bdRightToLeft);
    for (Integer x = 0; x < w; ++x) rtl[x] = grid->MouseCoord(x, y).X;
    for (Integer x = 0; x < w; ++x) ASSERT_EQ(rtl[x], ltr[w - 1 - x]) << x;
    EXPECT_EQ(rtl[w - 1], 0) << "the first fixed column at the right edge";
    EXPECT_EQ(grid->MouseCoord(-1, y).X, -1);
    EXPECT_EQ(grid->MouseCoord(w, y).X, -1);
}

TEST_F(GridRightToLeftTest, TheLastColumnShownInPartEndsAtTheLeftEdge)
{
    grid->SetColCount(8);
    grid->SetLeftCol(2);
    const auto [ltr, rtl] = BothWays(6, 2);
    ASSERT_FALSE(IsRectEmpty(ltr));
    ASSERT_GT(ltr.Right, grid->ClientWidth()) << "the fixture cuts column 6 at the client's end";
    EXPECT_EQ(rtl, Mirror(ltr));
    EXPECT_LT(rtl.Left, 0);
    EXPECT_EQ(grid->MouseCoord(0, 30).X, 6);
    EXPECT_EQ(grid->VisibleColCount(), 4) << "counting is the same either way";
}

TEST_F(GridRightToLeftTest, TheHorizontalBarRunsFromTheRightAndItsStepsTurnAround)
{
    grid->SetBiDiMode(bdRightToLeft);
    ASSERT_TRUE(GetWindowStyle(Wnd()) & WS_HSCROLL);
    EXPECT_EQ(GetScrollPos(Wnd(), SB_HORZ), 127) << "the first columns: the thumb at the right";
    struct Step {
        Word Code;
        Integer Pos;
        Integer LeftCol;
    };
    const Step steps[] = {
        {SB_LINEUP, 0, 3},  // the left arrow goes on to further columns
        {SB_LINEUP, 0, 4},   {SB_LINEDOWN, 0, 3}, {SB_PAGEUP, 0, 7}, {SB_TOP, 0, 8},
        {SB_BOTTOM, 0, 2},   {SB_THUMBPOSITION, 127, 2},
    };
    for (const Step& s : steps) {
        HScroll(s.Code, s.Pos);
        EXPECT_EQ(grid->LeftCol(), s.LeftCol) << s.Code;
    }
    HScroll(SB_THUMBPOSITION, 0);
    const Integer last = grid->LeftCol();
    EXPECT_EQ(GetScrollPos(Wnd(), SB_HORZ), 0) << "the last columns: the thumb at the left";
    grid->SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(GetScrollPos(Wnd(), SB_HORZ), 127) << "a change of mode turns the bar";
    EXPECT_EQ(grid->LeftCol(), last);
}

TEST_F(GridRightToLeftTest, ArrowsFollowTheColumnsAndTheMouseSizesOnTheMirroredLine)
{
    grid->SetBiDiMode(bdRightToLeft);
    grid->SetOptions(grid->Options() | goColSizing);
    grid->SetCol(3);
    h.Press(VK_LEFT);
    EXPECT_EQ(grid->Col(), 4) << "Left goes to the next column, shown left of this one";
    h.Press(VK_RIGHT);
    h.Press(VK_RIGHT);
    EXPECT_EQ(grid->Col(), 2);

    // The grid line after column 3 is at its cell's left edge.
    const TRect r = grid->CellRect(3, 0);
    Integer index = 0, offset = 0;
    EXPECT_EQ(grid->CalcSizingState(r.Left - 1, 5, index, offset), gsColSizing);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(grid->CalcSizingState(r.Right - 6, 5, index, offset), gsNormal) << "its other side is no edge of it";
    h.Drag(grid, {r.Left - 1, 5}, {r.Left - 21, 5});
    EXPECT_EQ(grid->ColWidths(3), 64 + 20) << "dragging leftwards widens it";
    EXPECT_EQ(grid->CellRect(3, 0).Right, r.Right) << "its right edge stays";

    h.Click(grid, {r.Right - 3, 30});
    EXPECT_EQ(grid->Col(), 3) << "a click picks the cell under it";
}

TEST_F(GridRightToLeftTest, ThePictureIsTheMirrorOfTheLeftToRightOne)
{
    grid->SetScrollBars(ssNone);
    grid->SetLeftCol(3);
    // The current cell (11, 7) is scrolled out: its dotted focus frame, drawn by pixel parity,
    // is the one thing that would not mirror.
    grid->SetSelection({2, 6, 11, 7});
    // A mark at the start of each cell's row of text stands in for what reads left to right.
    grid->OnDrawCell = [this](TObject*, Integer c, Integer r, TRect R, TGridDrawState) {
        TCanvas& cv = *grid->Canvas();
        cv.Brush()->SetColor(clRed);
        cv.FillRect(Rect(R.Left + 2, R.Top + 2, R.Left + 2 + (c + r) % 5 + 1, R.Top + 5));
    };
    auto paint = [&](TBiDiMode Mode) {
        grid->SetBiDiMode(Mode);
        auto picture = std::make_unique<TBitmap>(grid->Width(), grid->Height());
        grid->PaintTo(*picture->Canvas(), 0, 0);
        return picture;
    };
    const auto ltr = paint(bdLeftToRight), rtl = paint(bdRightToLeft);
    const Integer w = grid->ClientWidth();
    ASSERT_EQ(w, grid->Width());
    Integer differences = 0, marks = 0;
    for (Integer y = 0; y < grid->Height(); ++y)
        for (Integer x = 0; x < w; ++x) {
            differences += rtl->PixelColor(x, y) != ltr->PixelColor(w - 1 - x, y);
            marks += rtl->PixelColor(x, y) == clRed;
        }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(marks, 100);
    EXPECT_EQ(rtl->PixelColor(w - 1 - 2, 3), clRed) << "the corner cell's mark near the right edge";
}

}  // namespace
}  // namespace gw::test
