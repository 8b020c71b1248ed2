// Scrolling: the window scroll bars on the 0..127 range, their messages, thumb tracking, the
// wheel, the bars shown only when something is hidden, and OnTopLeftChanged.
#include "platform/ui/window_system.h"
#include "tests/platform/grids/grid_fixture.h"

namespace gw::test {
namespace {

class GridScrollingTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetColCount(12);
        grid->SetRowCount(1000);
        grid->OnTopLeftChanged = [this](TObject*) { h.Log.Add("top left " + std::to_string(grid->TopRow())); };
        grid->OnClick = [this](TObject*) { h.Log.Add("click"); };
    }
    HWND Wnd() { return grid->Handle(); }
    void Scroll(UINT Msg, Word Code, Integer Pos = 0)
    {
        SendMessage(Wnd(), Msg, MakeWParam(Code, Pos), 0);
        h.ProcessMessages();
    }
    Integer BarPos(Integer Bar) { return GetScrollPos(Wnd(), Bar); }
};

TEST_F(GridScrollingTest, BarsShowOnlyWhileSomethingIsHiddenAndSpanZeroTo127)
{
    EXPECT_TRUE(GetWindowStyle(Wnd()) & WS_VSCROLL);
    EXPECT_TRUE(GetWindowStyle(Wnd()) & WS_HSCROLL);
    Integer lo = -1, hi = -1;
    GetScrollRange(Wnd(), SB_VERT, lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 127);
    grid->SetColCount(3);
    EXPECT_FALSE(GetWindowStyle(Wnd()) & WS_HSCROLL) << "three columns fit";
    grid->SetRow(500);
    grid->SetRowCount(5);
    EXPECT_FALSE(GetWindowStyle(Wnd()) & WS_VSCROLL);
    EXPECT_EQ(grid->TopRow(), 1) << "with every row shown, none stays scrolled out";
    grid->SetRowCount(1000);
    grid->SetScrollBars(ssHorizontal);
    EXPECT_FALSE(GetWindowStyle(Wnd()) & WS_VSCROLL) << "not wanted";
    grid->SetRow(900);
    EXPECT_GT(grid->TopRow(), 800) << "keys and code still scroll";
}

TEST_F(GridScrollingTest, ScrollMessagesMoveTheViewAndTheThumbFollowsOnTheRange)
{
    const Integer page = grid->VisibleRowCount();
    const Integer span = 1000 - page - 1;  // positions 0..127 cover top rows 1..1 + span
    struct Case {
        const char* What;
        Word Code;
        Integer Pos;
        Integer Top;  // the top row afterwards, from top row 100
    };
    const Case cases[] = {
        {"line down", SB_LINEDOWN, 0, 101},
        {"line up", SB_LINEUP, 0, 99},
        {"page down", SB_PAGEDOWN, 0, 100 + page},
        {"page up", SB_PAGEUP, 0, 100 - page},
        {"thumb at 64", SB_THUMBPOSITION, 64, (64 * span + 63) / 127 + 1},
        {"thumb at 127: the last page", SB_THUMBPOSITION, 127, 1000 - page},
        {"thumb at 0", SB_THUMBPOSITION, 0, 1},
        {"top", SB_TOP, 0, 1},
        {"bottom", SB_BOTTOM, 0, 1000 - page},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        grid->SetTopRow(100);
        Scroll(WM_VSCROLL, c.Code, c.Pos);
        EXPECT_EQ(grid->TopRow(), c.Top);
        EXPECT_EQ(BarPos(SB_VERT), (int64_t(c.Top - 1) * 127 + span / 2) / span) << "the thumb shows the view";
    }
    grid->SetTopRow(1);
    Scroll(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(grid->TopRow(), 1) << "not above the first scrolling row";
    const Integer left = grid->LeftCol();
    Scroll(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(grid->LeftCol(), left + 1);
    EXPECT_GT(BarPos(SB_HORZ), 0);
}

TEST_F(GridScrollingTest, TheThumbScrollsWhileDraggedOnlyWithThumbTracking)
{
    grid->SetTopRow(1);
    Scroll(WM_VSCROLL, SB_THUMBTRACK, 50);
    EXPECT_EQ(grid->TopRow(), 1) << "the view waits for the release";
    Scroll(WM_VSCROLL, SB_THUMBPOSITION, 50);
    const Integer at50 = grid->TopRow();
    EXPECT_GT(at50, 1);
    grid->SetTopRow(1);
    grid->SetOptions(grid->Options() | goThumbTracking);
    Scroll(WM_VSCROLL, SB_THUMBTRACK, 50);
    EXPECT_EQ(grid->TopRow(), at50);
}

TEST_F(GridScrollingTest, DraggingTheBarsThumbScrollsThroughTheWindowSystem)
{
    grid->SetOptions(grid->Options() | goThumbTracking);
    // The vertical bar lies along the right edge, outside the client area; its thumb starts
    // below the up arrow.
    const Integer bar = grid->ClientWidth() + 3, arrow = 17;
    h.Drag(grid, {bar, arrow + 4}, {bar, grid->ClientHeight() - arrow - 4});
    EXPECT_EQ(grid->TopRow(), 1000 - grid->VisibleRowCount()) << "the thumb at the bottom shows the last rows";
    EXPECT_EQ(BarPos(SB_VERT), 127);
    h.Click(grid, {bar, 5});  // the up arrow
    EXPECT_EQ(grid->TopRow(), 999 - grid->VisibleRowCount());
}

TEST_F(GridScrollingTest, TheWheelMovesTheCurrentRowAndTheViewFollows)
{
    grid->SetRow(5);
    h.Log.Clear();
    h.Wheel(grid, -3);
    EXPECT_EQ(grid->Row(), 8);
    EXPECT_EQ(h.Log.Count("click"), 3u) << "each notch moves, as a key would";
    h.Wheel(grid, 20);
    EXPECT_EQ(grid->Row(), 1) << "not into the fixed row";
    grid->SetRow(997);
    h.Wheel(grid, -5);
    EXPECT_EQ(grid->Row(), 999);
    EXPECT_EQ(grid->TopRow(), 1000 - grid->VisibleRowCount());
    // A handler that takes the wheel keeps it from the grid.
    grid->OnMouseWheelUp = [](TObject*, TShiftState, TPoint, bool& Handled) { Handled = true; };
    h.Wheel(grid, 1);
    EXPECT_EQ(grid->Row(), 999);
}

TEST_F(GridScrollingTest, TopLeftChangedComesOncePerChangeOfTheView)
{
    grid->SetTopRow(10);
    grid->SetTopRow(10);
    grid->SetRow(12);  // already in view
    h.Press(VK_DOWN, ssCtrl);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"top left 10", "top left 11"}));
    grid->SetTopRow(5000);
    EXPECT_EQ(grid->TopRow(), 999) << "code may scroll up to the last row";
}

}  // namespace
}  // namespace gw::test
