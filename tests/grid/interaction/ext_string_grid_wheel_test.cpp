// The grid's wheel (scrolling, moving the current row, zooming with Ctrl), the zoom's limits and
// middle-button panning, on a shown form of the headless back end.
#include "grid/foundation/mouse_actions.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/ui/message_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

class TWheelGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::wheelscrl;
    std::vector<Integer> Deltas;
    bool HandleRowMove = true;

protected:
    void WheelRowMoved(Integer Delta, bool& Handled) override
    {
        Deltas.push_back(Delta);
        Handled = HandleRowMove;
    }
};

// 1 fixed row and 20 data rows of 20 pixels, 10 of them in view; 3 lines per notch.
class GridWheel : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 640, 480);
        grid = new TWheelGrid(form);
        grid->SetParent(form);
        grid->SetColCount(6);
        grid->SetRowCount(21);
        grid->SetDefaultRowHeight(20);
        grid->SetDefaultColWidth(60);
        grid->SetBounds(10, 10, 300, 240);
        form->Show();
        grid->SetFocus();
        h.ProcessMessages();
        grid->wheelscrl = 3;
        ASSERT_EQ(grid->VisibleRowCount(), 10);
    }

    // One notch (down: towards the user) straight to the grid.
    void Notch(bool Down, WPARAM Keys = 0)
    {
        grid->Perform(WM_MOUSEWHEEL, MakeWParam(Integer(Keys), Down ? -WHEEL_DELTA : WHEEL_DELTA), MakeLParam(50, 50));
    }

    THarness h;
    TForm* form = nullptr;
    TWheelGrid* grid = nullptr;
};

TEST_F(GridWheel, NotchesMoveTheCurrentRowOrScrollAndStopAtTheEnds)
{
    const struct {
        TWheelAction Action;
        bool Down;
        Integer Increment, Row, Top, ExpectedRow, ExpectedTop;
        const char* What;
    } cases[] = {
        {waMoveSelection, true, 0, 5, 1, 8, 1, "down by the system's lines"},
        {waMoveSelection, false, 0, 5, 1, 2, 1, "up by the system's lines"},
        {waMoveSelection, true, 1, 5, 1, 6, 1, "down by the setting"},
        {waMoveSelection, true, 3, 18, 11, 20, 11, "two rows from the end: onto the last data row"},
        {waMoveSelection, false, 3, 2, 1, 1, 1, "one row from the start: onto the first data row"},
        {waMoveSelection, true, 0, 20, 11, 20, 11, "at the last row nothing moves"},
        {waScroll, true, 0, 5, 1, 5, 4, "scrolling leaves the current row"},
        {waScroll, false, 3, 5, 2, 5, 1, "one row from the top: scrolls by one"},
        {waScroll, true, 0, 15, 11, 15, 11, "the last rows in view: nothing scrolls"},
        {waScroll, false, 0, 5, 1, 5, 1, "at the top nothing scrolls"},
    };
    for (const auto& c : cases) {
        grid->MouseActions()->SetWheelAction(c.Action);
        grid->MouseActions()->WheelIncrement = c.Increment;
        grid->SetTopRow(c.Top);
        grid->SetRow(c.Row);
        grid->SetTopRow(c.Top);
        ASSERT_EQ(grid->TopRow(), c.Top) << c.What;
        Notch(c.Down);
        EXPECT_EQ(grid->Row(), c.ExpectedRow) << c.What;
        EXPECT_EQ(grid->TopRow(), c.ExpectedTop) << c.What;
    }
}

TEST_F(GridWheel, ARefusedRowMovesHalfTheWayAndTheViewOneUp)
{
    // Row 8 will not be current: the notch from 5 goes half of the remaining 3 (1.5 -> 2) to 7.
    grid->OnSelectCell = [](TObject*, Integer, Integer ARow, bool& Allow) { Allow = ARow != 8; };
    grid->SetRow(5);
    grid->SetTopRow(3);
    Notch(true);
    EXPECT_EQ(grid->Row(), 7);
    EXPECT_EQ(grid->TopRow(), 2);
    // From 7 the target 10 is open again.
    Notch(true);
    EXPECT_EQ(grid->Row(), 10);
}

TEST_F(GridWheel, TheHookHearsTheMoveAndTheEventFiresOnlyWithAStepOfItsOwn)
{
    std::vector<std::string> log;
    grid->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& Handled) {
        log.push_back(Handled ? "down handled" : "down");
    };
    grid->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool&) { log.push_back("up"); };
    grid->SetRow(5);
    Notch(true);
    EXPECT_EQ(grid->Deltas, std::vector<Integer>{3});
    EXPECT_TRUE(log.empty()) << "no step of its own (the system's lines): no event";
    grid->MouseActions()->WheelIncrement = 2;
    Notch(false);
    EXPECT_EQ(grid->Deltas, (std::vector<Integer>{3, -2}));
    EXPECT_EQ(log, std::vector<std::string>{"up"});
    grid->HandleRowMove = false;
    Notch(true);
    EXPECT_EQ(log, std::vector<std::string>{"up"}) << "the hook took it: no event";
    EXPECT_EQ(grid->Row(), 8);
}

TEST_F(GridWheel, TheWheelIsIgnoredWhenSwitchedOffOrWithoutDataRows)
{
    grid->SetRow(5);
    grid->EnableWheel = false;
    Notch(true);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_TRUE(grid->Deltas.empty());
    grid->EnableWheel = true;
    grid->FixedRowAlways = true;
    grid->SetRowCount(1);
    Notch(true);
    EXPECT_TRUE(grid->Deltas.empty()) << "only the fixed row left";
}

TEST_F(GridWheel, CtrlWheelZoomsUntilTheLimitAndAutoSizes)
{
    std::vector<Integer> factors;
    for (int i = 0; i < 4; ++i) {
        Notch(true, MK_CONTROL);
        factors.push_back(grid->ZoomFactor());
    }
    EXPECT_EQ(factors, (std::vector<Integer>{3, 6, 9, 9})) << "a notch past 10 leaves the factor";
    EXPECT_EQ(grid->Row(), 1) << "a zooming notch moves no row";
    Notch(false, MK_CONTROL);
    EXPECT_EQ(grid->ZoomFactor(), 6);
}

TEST_F(GridWheel, ZoomChangesPositiveSizesWithinTheLimits)
{
    grid->SetColWidths(1, 0);
    grid->SetColWidths(2, 4);
    grid->Zoom(-5);
    EXPECT_EQ(grid->ZoomFactor(), -5);
    EXPECT_EQ(grid->ColWidths(0), 55);
    EXPECT_EQ(grid->ColWidths(1), 0) << "a hidden column stays hidden";
    EXPECT_EQ(grid->ColWidths(2), 4) << "a size that would not stay positive is kept";
    EXPECT_EQ(grid->RowHeights(3), 15);
    grid->Zoom(15);
    EXPECT_EQ(grid->ZoomFactor(), 10);
    EXPECT_EQ(grid->ColWidths(0), 70);
    grid->Zoom(1);
    EXPECT_EQ(grid->ZoomFactor(), 10) << "beyond 10: ignored as a whole";
    EXPECT_EQ(grid->ColWidths(0), 70);
    grid->Zoom(-21);
    EXPECT_EQ(grid->ZoomFactor(), 10) << "beyond -10: ignored as a whole";
    grid->Zoom(-20);
    EXPECT_EQ(grid->ZoomFactor(), -10);
}

class GridPanning : public GridWheel {
protected:
    void StartAt(TPoint P)
    {
        grid->Perform(WM_MBUTTONDOWN, 0, PointToLParam(P));
        ASSERT_TRUE(grid->Panning());
    }
};

TEST_F(GridPanning, ThePointerOffsetSteersRowsAndColumnsPerTick)
{
    const struct {
        TIntelliPan Pan;
        TWheelAction Action;
        TPoint Offset;
        Integer Cursor, Col, Row, LeftCol, TopRow;
    } cases[] = {
        {ipBoth, waMoveSelection, {-6, -6}, 8006, 2, 4, 1, 1},
        {ipVertical, waMoveSelection, {-6, -6}, 8004, 3, 4, 1, 1},
        {ipHorizontal, waMoveSelection, {6, 6}, 8003, 4, 5, 2, 1},
        {ipBoth, waMoveSelection, {3, 4}, 8000, 3, 5, 1, 1},
        {ipBoth, waScroll, {6, 6}, 8007, 3, 5, 2, 2},
    };
    for (const auto& c : cases) {
        grid->IntelliPan = c.Pan;
        grid->MouseActions()->SetWheelAction(c.Action);
        grid->SetLeftCol(1);
        grid->SetTopRow(1);
        grid->FocusCell(3, 5);
        const TPoint start{120, 100};
        StartAt(start);
        EXPECT_EQ(grid->PanCursorNumber(), 8000);
        EXPECT_EQ(grid->Cursor(), TCursor(8000)) << "the program's own picture, not a stock arrow";
        h.MoveTo(grid, {start.X + c.Offset.X, start.Y + c.Offset.Y});
        h.Advance(10);
        EXPECT_EQ(grid->PanCursorNumber(), c.Cursor) << int(c.Pan);
        EXPECT_EQ(grid->Cursor(), TCursor(c.Cursor)) << int(c.Pan);
        EXPECT_EQ(grid->Col(), c.Col) << int(c.Pan);
        EXPECT_EQ(grid->Row(), c.Row) << int(c.Pan);
        EXPECT_EQ(grid->LeftCol(), c.LeftCol) << int(c.Pan);
        EXPECT_EQ(grid->TopRow(), c.TopRow) << int(c.Pan);
        grid->Perform(WM_MBUTTONDOWN, 0, PointToLParam(start));
        EXPECT_FALSE(grid->Panning()) << "a second middle press ends it";
    }
}

TEST_F(GridPanning, AKeyEndsPanningAndIsHandledAsUsual)
{
    grid->FocusCell(2, 5);
    StartAt({100, 100});
    h.Press(VK_DOWN);
    EXPECT_FALSE(grid->Panning());
    EXPECT_EQ(grid->Row(), 6) << "the key still moves the current row";
    h.Advance(50);
    EXPECT_EQ(grid->Row(), 6) << "no pan step after the end";
}

TEST_F(GridPanning, PanningNeedsDataRowsAndADirection)
{
    grid->IntelliPan = ipNone;
    grid->Perform(WM_MBUTTONDOWN, 0, PointToLParam({100, 100}));
    EXPECT_FALSE(grid->Panning());
    grid->IntelliPan = ipBoth;
    grid->FixedRowAlways = true;
    grid->SetRowCount(1);
    ASSERT_EQ(grid->FixedRows(), 1);
    grid->Perform(WM_MBUTTONDOWN, 0, PointToLParam({100, 100}));
    EXPECT_FALSE(grid->Panning());
}

}  // namespace
}  // namespace gw::test
