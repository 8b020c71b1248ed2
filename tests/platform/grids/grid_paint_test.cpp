// Painting: DrawCell for each shown cell once with its draw state, only what the update covers,
// and the focus rectangle of the current cell or row.
#include "platform/controls/edit.h"
#include "platform/graphics/bitmap.h"
#include "platform/ui/window_system.h"
#include "tests/platform/grids/grid_fixture.h"

#include <map>

namespace gw::test {
namespace {

class GridPaintTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetScrollBars(ssNone);
        grid->SetColCount(9);
        grid->SetRowCount(100);
        grid->SetColWidths(2, 20);
        grid->SetRowHeights(42, 40);
        grid->OnDrawCell = [this](TObject*, Integer c, Integer r, TRect, TGridDrawState s) {
            ++drawn[{c, r}];
            states[{c, r}] = s;
        };
    }
    // Paints the whole grid into a bitmap as its window would be painted.
    void PaintAll()
    {
        drawn.clear();
        states.clear();
        picture = std::make_unique<TBitmap>(grid->Width(), grid->Height());
        grid->PaintTo(*picture->Canvas(), 0, 0);
    }
    TGridDrawState State(Integer ACol, Integer ARow) { return states.at({ACol, ARow}); }
    // Changes of colour along the top row of a span: a dotted frame changes at every pixel, a
    // plain background never.
    int DotsOnTopEdge(Integer Left, Integer Right, Integer Top)
    {
        int n = 0;
        for (Integer x = Left; x + 1 < Right; ++x) n += picture->PixelColor(x, Top) != picture->PixelColor(x + 1, Top);
        return n;
    }
    int DotsOnTopEdge(const TRect& R) { return DotsOnTopEdge(R.Left, R.Right, R.Top); }

    std::map<std::pair<Integer, Integer>, int> drawn;
    std::map<std::pair<Integer, Integer>, TGridDrawState> states;
    std::unique_ptr<TBitmap> picture;
};

TEST_F(GridPaintTest, EachShownCellIsDrawnOnceAndNoOther)
{
    grid->SetTopRow(40);
    grid->SetLeftCol(3);
    PaintAll();
    int shown = 0;
    for (Integer r = 0; r < grid->RowCount(); ++r)
        for (Integer c = 0; c < grid->ColCount(); ++c) {
            const bool visible = !IsRectEmpty(grid->CellRect(c, r));
            shown += visible;
            const auto it = drawn.find({c, r});
            EXPECT_EQ(it == drawn.end() ? 0 : it->second, visible ? 1 : 0) << c << "," << r;
        }
    EXPECT_GT(shown, 20);
    EXPECT_EQ(drawn.count({1, 40}), 0u) << "a scrolled-out column";
    EXPECT_EQ(drawn.count({3, 0}), 1u) << "the header of the first column shown";
}

TEST_F(GridPaintTest, AnUpdateOfOneCellDrawsThatCellAlone)
{
    const HWND wnd = grid->Handle();
    UpdateWindow(wnd);
    drawn.clear();
    grid->InvalidateCell(4, 3);
    UpdateWindow(wnd);
    EXPECT_EQ(drawn, (std::map<std::pair<Integer, Integer>, int>{{{4, 3}, 1}}));
    drawn.clear();
    grid->InvalidateRow(2);
    UpdateWindow(wnd);
    EXPECT_EQ(drawn.size(), size_t(grid->VisibleColCount() + 1 + 1)) << "the row's shown cells, the partial one too";
    EXPECT_EQ(drawn.count({0, 2}), 1u) << "its fixed cell";
}

TEST_F(GridPaintTest, DrawStatesFollowTheSelectionTheFocusAndTheOptions)
{
    grid->MoveColRow(3, 4, true, true);
    grid->SetSelection({1, 2, 3, 4});  // the anchor (1, 2), the current cell (3, 4)
    struct Case {
        const char* What;
        TGridOptions Add;
        bool Focused;
        TGridDrawState Current, OtherSelected, Outside;
    };
    const Case cases[] = {
        {"focused", 0, true, gdFocused, gdSelected, 0},
        {"focused, drawn selected", goDrawFocusSelected, true, gdFocused | gdSelected, gdSelected, 0},
        {"not focused: the current cell is one of the selection", 0, false, gdSelected, gdSelected, 0},
        {"whole rows: the current cell is selected too", goRowSelect, true, gdFocused | gdSelected, gdSelected,
         gdSelected},
    };
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(450, 10, 100, 21);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | c.Add);
        if (c.Focused)
            grid->SetFocus();
        else
            other->SetFocus();
        PaintAll();
        EXPECT_EQ(State(3, 4), c.Current);
        EXPECT_EQ(State(2, 3), c.OtherSelected);
        EXPECT_EQ(State(1, 2), c.OtherSelected) << "the anchor";
        EXPECT_EQ(State(5, 4), c.Outside) << "right of the selection, in the current row";
        EXPECT_EQ(State(2, 6), 0) << "below the selection";
        EXPECT_EQ(State(0, 3), gdFixed) << "a fixed cell beside the selection";
        EXPECT_EQ(State(2, 0), gdFixed);
    }
}

TEST_F(GridPaintTest, EachLineOptionDrawsItsOwnLinesOnly)
{
    auto middleRight = [this](Integer ACol, Integer ARow) {
        const TRect r = grid->CellRect(ACol, ARow);
        return TPoint{r.Right, (r.Top + r.Bottom) / 2};
    };
    auto middleBelow = [this](Integer ACol, Integer ARow) {
        const TRect r = grid->CellRect(ACol, ARow);
        return TPoint{(r.Left + r.Right) / 2, r.Bottom};
    };
    // The line right of a data cell, below it, right of a fixed cell and below a header.
    const TPoint probes[] = {middleRight(2, 3), middleBelow(2, 3), middleRight(0, 3), middleBelow(2, 0)};
    const TColor drawn[] = {clSilver, clSilver, clBlack, clBlack};
    const TColor gap[] = {clWindow, clWindow, clBtnFace, clBtnFace};
    const TGridOptions lines[] = {goVertLine, goHorzLine, goFixedVertLine, goFixedHorzLine};
    for (size_t off = 0; off <= 4; ++off) {
        SCOPED_TRACE(off);
        TGridOptions options = goVertLine | goHorzLine | goFixedVertLine | goFixedHorzLine;
        if (off < 4) options &= ~lines[off];
        grid->SetOptions(options);
        PaintAll();
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(picture->PixelColor(probes[i].X, probes[i].Y), ColorToRGB(i == off ? gap[i] : drawn[i])) << i;
    }
}

TEST_F(GridPaintTest, TheFocusRectangleShowsOnlyInAFocusedGrid)
{
    grid->MoveColRow(3, 4, true, true);
    const TRect cell = grid->CellRect(3, 4), below = grid->CellRect(3, 5);
    PaintAll();
    EXPECT_GT(DotsOnTopEdge(cell), cell.Width() / 2) << "the dotted frame";
    EXPECT_EQ(DotsOnTopEdge(below), 0);

    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(450, 10, 100, 21);
    other->SetFocus();
    PaintAll();
    EXPECT_EQ(DotsOnTopEdge(cell), 0) << "no frame without the focus";

    // Whole rows: one frame around the data cells of the current row.
    grid->SetOptions(grid->Options() | goRowSelect);
    grid->SetFocus();
    PaintAll();
    const TRect first = grid->CellRect(1, 4);
    EXPECT_GT(DotsOnTopEdge(first.Left, grid->GridWidth() - 1, first.Top), (grid->GridWidth() - first.Left) / 2)
        << "the frame along the row";
    EXPECT_EQ(DotsOnTopEdge(grid->CellRect(3, 3)), 0) << "the row above has none";
}

}  // namespace
}  // namespace gw::test
