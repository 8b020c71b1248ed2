// The mouse: a press that focuses (or gives up), selecting by dragging with capture and the
// auto-scroll timer, sizing and moving columns and rows with their cursors, double clicks, and
// WM_CANCELMODE ending any of it.
#include "platform/controls/edit.h"
#include "platform/ui/application.h"
#include "platform/ui/window_system.h"
#include "tests/platform/grids/grid_fixture.h"

namespace gw::test {
namespace {

class GridMouseTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetWidth(500);  // the columns end inside the client
        grid->SetColCount(6);
        grid->SetRowCount(30);
        for (Integer r = 0; r < 30; ++r)
            for (Integer c = 0; c < 6; ++c)
                grid->SetCells(c, r, Utf8ToString(std::to_string(c) + ":" + std::to_string(r)));
        grid->OnClick = [this](TObject*) { h.Log.Add("click"); };
        grid->OnDblClick = [this](TObject*) { h.Log.Add("double click"); };
    }
    // A point on the grid line right of column c in the header row, Dx pixels off it.
    TPoint ColumnLine(Integer ACol, Integer Dx = 0) const
    {
        const TRect r = grid->CellRect(ACol, 0);
        return {r.Right + Dx, r.Top + 5};
    }
    TPoint RowLine(Integer ARow, Integer Dy = 0) const
    {
        const TRect r = grid->CellRect(0, ARow);
        return {r.Left + 5, r.Bottom + Dy};
    }
    Integer Cursor() { return h.Display().CursorShape(); }
};

TEST_F(GridMouseTest, AClickMovesTheCurrentCellAndClicksOnRelease)
{
    h.MouseDown(grid, CellCentre(3, 4));
    EXPECT_EQ(Current(), (TGridCoord{3, 4})) << "the press moves";
    EXPECT_EQ(grid->GridState(), gsSelecting);
    EXPECT_TRUE(grid->MouseCapture());
    EXPECT_TRUE(h.Log.Items().empty()) << "no click before the release";
    h.MouseUp(grid, CellCentre(3, 4));
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"click"}));
    EXPECT_EQ(grid->GridState(), gsNormal);
    EXPECT_FALSE(grid->MouseCapture());
    // Fixed cells and the space beyond the cells take no press.
    h.Click(grid, CellCentre(0, 6));
    h.Click(grid, CellCentre(2, 0));
    h.Click(grid, {grid->GridWidth() + 2, 40});
    EXPECT_EQ(Current(), (TGridCoord{3, 4}));
    h.DoubleClick(grid, CellCentre(2, 2));
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"click", "double click", "click"}));
}

TEST_F(GridMouseTest, DraggingSelectsFromThePressAndShiftClickExtends)
{
    h.Drag(grid, CellCentre(1, 2), CellCentre(3, 5));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 3, 5}));
    EXPECT_EQ(grid->Anchor(), (TGridCoord{1, 2}));
    EXPECT_EQ(Current(), (TGridCoord{3, 5}));
    h.Click(grid, CellCentre(2, 7), mbLeft, ssShift);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 2, 7})) << "Shift extends from the same anchor";
    h.Drag(grid, CellCentre(4, 6), CellCentre(2, 3));
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 4, 6})) << "dragging up and left";
    grid->SetOptions(grid->Options() & ~goRangeSelect);
    h.Drag(grid, CellCentre(1, 1), CellCentre(3, 3));
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 3, 3, 3})) << "without goRangeSelect the cell follows alone";
}

TEST_F(GridMouseTest, HoldingTheButtonBelowTheGridScrollsOnTheTimer)
{
    h.MouseDown(grid, CellCentre(2, 3));
    h.MoveTo(grid, {CellCentre(2, 3).X, grid->ClientHeight() + 20});
    const Integer top = grid->TopRow();
    h.Advance(60);
    EXPECT_EQ(grid->TopRow(), top + 1);
    h.Advance(120);
    EXPECT_EQ(grid->TopRow(), top + 3);
    EXPECT_EQ(grid->Selection().Bottom, grid->TopRow() + grid->VisibleRowCount() - 1)
        << "the selection reaches the last row shown";
    h.MouseUp(grid, {CellCentre(2, 3).X, grid->ClientHeight() + 20});
    h.Advance(300);
    EXPECT_EQ(grid->TopRow(), top + 3) << "the release stops the timer";
}

TEST_F(GridMouseTest, SizingColumnsAndRowsOnTheHeaderLines)
{
    grid->SetOptions(grid->Options() | goColSizing | goRowSizing);
    Integer index = 0, offset = 0;
    struct Case {
        TPoint P;
        TGridState State;
        Integer Index, Offset;
    };
    const Case cases[] = {
        {ColumnLine(2, 0), gsColSizing, 2, 0},
        {ColumnLine(2, -3), gsColSizing, 2, -3},
        {ColumnLine(2, 3), gsColSizing, 2, 3},
        {ColumnLine(2, -4), gsNormal, 0, 0},
        {ColumnLine(2, 4), gsNormal, 0, 0},
        {RowLine(3, 1), gsRowSizing, 3, 1},
        {{ColumnLine(2).X, CellCentre(2, 3).Y}, gsNormal, 0, 0},  // a column line below the header
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.P.X << "," << c.P.Y);
        index = offset = 0;
        EXPECT_EQ(grid->CalcSizingState(c.P.X, c.P.Y, index, offset), c.State);
        if (c.State != gsNormal) {
            EXPECT_EQ(index, c.Index);
            EXPECT_EQ(offset, c.Offset);
        }
    }

    h.MoveTo(grid, ColumnLine(2, 1));
    EXPECT_EQ(Cursor(), Screen->Cursors(crHSplit)) << "the sizing cursor over the line";
    h.MoveTo(grid, CellCentre(2, 2));
    EXPECT_NE(Cursor(), Screen->Cursors(crHSplit));
    const TGridCoord before = Current();
    h.Drag(grid, ColumnLine(2, 1), ColumnLine(2, 31));
    EXPECT_EQ(grid->ColWidths(2), 64 + 30);
    EXPECT_EQ(Current(), before) << "sizing selects nothing";
    h.Drag(grid, RowLine(3, -1), RowLine(3, -11));
    EXPECT_EQ(grid->RowHeights(3), 24 - 10);
    h.Drag(grid, ColumnLine(1), {0, 5});
    EXPECT_EQ(grid->ColWidths(1), 0) << "sized to nothing";
    h.Drag(grid, ColumnLine(1), ColumnLine(1, 20));
    EXPECT_EQ(grid->ColWidths(1), 20) << "and grown back from its line";
    EXPECT_EQ(grid->ColWidths(0), 64);
}

TEST_F(GridMouseTest, CancelModeEndsAnySizingMovingOrSelectingWithoutChange)
{
    grid->SetOptions(grid->Options() | goColSizing | goColMoving);
    // Sizing.
    h.MouseDown(grid, ColumnLine(2));
    h.MoveTo(grid, ColumnLine(2, 25));
    EXPECT_EQ(grid->GridState(), gsColSizing);
    grid->Perform(WM_CANCELMODE);
    h.MouseUp(grid, ColumnLine(2, 25));
    EXPECT_EQ(grid->ColWidths(2), 64);
    // Moving.
    h.MouseDown(grid, CellCentre(2, 0));
    h.MoveTo(grid, CellCentre(4, 0));
    EXPECT_EQ(grid->GridState(), gsColMoving);
    EXPECT_EQ(Cursor(), Screen->Cursors(crDrag));
    grid->Perform(WM_CANCELMODE);
    h.MouseUp(grid, CellCentre(4, 0));
    EXPECT_EQ(grid->Cells(2, 1), u"2:1") << "nothing moved";
    // Selecting: the capture goes and the timer stops.
    h.MouseDown(grid, CellCentre(1, 1));
    grid->Perform(CM_CANCELMODE);
    EXPECT_EQ(grid->GridState(), gsNormal);
    EXPECT_FALSE(grid->MouseCapture());
    // Another window taking the capture ends the state the same way.
    h.MouseDown(grid, CellCentre(1, 2));
    SetCapture(form->Handle());
    EXPECT_EQ(grid->GridState(), gsNormal);
    ReleaseCapture();
}

TEST_F(GridMouseTest, MovingColumnsAndRowsCarriesTheirCellsAndSizes)
{
    grid->SetOptions(grid->Options() | goColMoving | goRowMoving);
    grid->OnColumnMoved = [this](TObject*, Integer f, Integer t) {
        h.Log.Add("column " + std::to_string(f) + "->" + std::to_string(t));
    };
    grid->OnRowMoved = [this](TObject*, Integer f, Integer t) {
        h.Log.Add("row " + std::to_string(f) + "->" + std::to_string(t));
    };
    grid->SetColWidths(1, 40);
    grid->MoveColRow(1, 5, true, true);
    h.Drag(grid, CellCentre(1, 0), CellCentre(3, 0));
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"column 1->3"}));
    EXPECT_EQ(grid->Cells(3, 5), u"1:5");
    EXPECT_EQ(grid->Cells(1, 5), u"2:5");
    EXPECT_EQ(grid->ColWidths(3), 40) << "the width goes with the column";
    EXPECT_EQ(grid->ColWidths(1), 64);
    EXPECT_EQ(grid->Col(), 3) << "the current cell goes with it";

    h.Drag(grid, CellCentre(0, 6), CellCentre(0, 2));
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"row 6->2"}));
    EXPECT_EQ(grid->Cells(0, 2), u"0:6");
    EXPECT_EQ(grid->Cells(0, 3), u"0:2");
    EXPECT_EQ(grid->Row(), 6) << "row 5 moved down by one";
    // A press and release on the same header moves nothing.
    h.Click(grid, CellCentre(2, 0));
    EXPECT_TRUE(h.Log.Items().empty());
}

TEST_F(GridMouseTest, APressWhoseFocusIsRefusedDoesNothing)
{
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(450, 10, 100, 21);
    edit->SetFocus();
    h.ProcessMessages();
    // The edit keeps the focus when it is left (as a validation would).
    edit->OnExit = [edit](TObject*) { edit->SetFocus(); };
    const TGridCoord before = Current();
    h.Click(grid, CellCentre(3, 3));
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(Current(), before);
    EXPECT_EQ(grid->GridState(), gsNormal);
    EXPECT_TRUE(h.Log.Items().empty());
    edit->OnExit = nullptr;
    h.Click(grid, CellCentre(3, 3));
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(Current(), (TGridCoord{3, 3}));
}

}  // namespace
}  // namespace gw::test
