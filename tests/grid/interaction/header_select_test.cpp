// Selecting with the mouse over the headers and the hover looks: the select mode the pointer's
// place gives, whole rows and columns by a header press and drag, the top-left corner, the
// disjunct row and column marks kept by press and release, the hover row and hover header.
#include "grid/foundation/mouse_actions.h"
#include "platform/graphics/bitmap.h"
#include "platform/ui/window_system.h"
#include "tests/grid/interaction/mouse_grid_fixture.h"
#include "tests/support/test_support.h"

#include <string>

namespace gw::test {
namespace {

// The header grid of the mouse tests with one fixed column and range selection.
class HeaderSelectTest : public MouseGridTest {
protected:
    void SetUp() override
    {
        MouseGridTest::SetUp();
        grid->SetFixedCols(1);
        grid->SetOptions(grid->Options() | goRangeSelect);
        h.ProcessMessages();
    }
    std::string Sel() const
    {
        const TGridRect s = grid->Selection();
        return std::to_string(s.Left) + "," + std::to_string(s.Top) + "-" + std::to_string(s.Right) + "," +
            std::to_string(s.Bottom);
    }
    // The rows (columns) marked, as digits.
    std::string RowMarks() const
    {
        std::string s;
        for (Integer r = grid->FixedRows(); r < grid->RowCount(); ++r)
            if (grid->GetRowSelect(r)) s += std::to_string(r);
        return s;
    }
    std::string ColMarks() const
    {
        std::string s;
        for (Integer c = grid->FixedCols(); c < grid->ColCount(); ++c)
            if (grid->GetColSelect(c)) s += std::to_string(c);
        return s;
    }
    void ClickCell(Integer ACol, Integer ARow, TShiftState Shift = 0)
    {
        h.Advance(1000);
        h.MoveTo(grid, Centre(ACol, ARow));
        h.Click(grid, Centre(ACol, ARow), mbLeft, Shift);
    }
    // Press at one cell, move over the other, release there.
    void DragCells(TPoint From, TPoint To)
    {
        h.Advance(1000);
        h.MoveTo(grid, From);
        h.MouseDown(grid, From);
        h.MoveTo(grid, To);
        h.MouseUp(grid, To);
    }
};

TEST_F(HeaderSelectTest, ThePointersPlaceGivesTheSelectModeItsOptionsAllow)
{
    grid->SetOptions(grid->Options() | goColSizing);
    TMouseActions& a = *grid->MouseActions();
    a.AllSelect = a.ColSelect = a.RowSelect = true;
    const TRect header = grid->CellRect(2, 0);
    struct TCase {
        const char* Name;
        TPoint At;
        bool AllSelect, ColSelect, RowSelect;
        TMouseSelectMode Mode;
    };
    const TCase cases[] = {
        {"corner", Centre(0, 0), true, true, true, msAll},
        {"corner without AllSelect", Centre(0, 0), false, true, true, msNormal},
        {"column header", Centre(2, 0), true, true, true, msColumn},
        {"column header without ColSelect", Centre(2, 0), true, false, true, msNormal},
        {"column header on its sizing edge", {header.Right - 1, Centre(2, 0).Y}, true, true, true, msNormal},
        {"row header", Centre(0, 2), true, true, true, msRow},
        {"row header without RowSelect", Centre(0, 2), true, true, false, msNormal},
        {"body cell", Centre(2, 2), true, true, true, msNormal},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        a.AllSelect = c.AllSelect;
        a.ColSelect = c.ColSelect;
        a.RowSelect = c.RowSelect;
        h.MoveTo(grid, Centre(3, 3));
        h.MoveTo(grid, c.At);
        EXPECT_EQ(grid->MouseSelectMode, c.Mode);
    }
}

TEST_F(HeaderSelectTest, APlainLinkShowsTheHandAndOnlyWithURLShow)
{
    grid->SetCellEx(2, 3, u"http://example.org/a");
    grid->SetCellEx(3, 3, u"mailto:someone@example.org");
    grid->SetCellEx(4, 3, u"example.org");
    struct TCase {
        const char* Name;
        Integer Col;
        bool URLShow;
        bool Hand;
    };
    const TCase cases[] = {
        {"web link", 2, true, true},    {"mail link", 3, true, true},         {"no scheme", 4, true, false},
        {"plain text", 1, true, false}, {"without URLShow", 2, false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->SetURLShow(c.URLShow);
        h.MoveTo(grid, Centre(1, 1));
        h.Display().SetCursorShape(crDefault);
        h.MoveTo(grid, Centre(c.Col, 3));
        EXPECT_EQ(grid->MouseSelectMode == msURL, c.Hand);
        EXPECT_EQ(h.Display().CursorShape() == crHandPoint, c.Hand);
    }
}

TEST_F(HeaderSelectTest, PressingAndDraggingOverRowHeadersSelectsWholeRowsEitherWay)
{
    grid->MouseActions()->RowSelect = true;
    DragCells(Centre(0, 2), Centre(0, 4));
    EXPECT_EQ(Sel(), "1,2-5,4") << "rows 2 to 4, every body column";
    DragCells(Centre(0, 3), Centre(0, 1));
    EXPECT_EQ(Sel(), "1,1-5,3") << "dragged upwards";
    EXPECT_EQ(grid->MouseSelectMode, msNormal) << "the release ends the drag";
    ClickCell(0, 4, ssShift);
    EXPECT_EQ(Sel(), "1,1-5,4") << "Shift spans from the selection's top row";
    ClickCell(0, 2);
    EXPECT_EQ(Sel(), "1,2-5,2") << "a plain press takes its row alone";
    grid->MouseActions()->RowSelect = false;
    ClickCell(2, 3);
    ClickCell(0, 1);
    EXPECT_EQ(Sel(), "2,3-2,3") << "without RowSelect a row header selects nothing";
}

TEST_F(HeaderSelectTest, PressingAndDraggingOverColumnHeadersSelectsWholeColumns)
{
    grid->MouseActions()->ColSelect = true;
    DragCells(Centre(2, 0), Centre(4, 0));
    EXPECT_EQ(Sel(), "2,1-4,4") << "columns 2 to 4, every body row";
    DragCells(Centre(4, 0), Centre(0, 0));
    EXPECT_EQ(Sel(), "1,1-4,4") << "dragged onto the fixed column: stops at the first body column";
    ClickCell(3, 0);
    ClickCell(5, 0, ssShift);
    EXPECT_EQ(Sel(), "3,1-5,4") << "Shift to the right spans from the selection's left column";
    ClickCell(2, 0, ssShift);
    EXPECT_EQ(Sel(), "2,1-5,4") << "Shift to the left spans to the selection's right column";
    grid->SetOptions(grid->Options() & ~TGridOptions(goRangeSelect));
    ClickCell(2, 2);
    ClickCell(4, 0);
    EXPECT_EQ(Sel(), "2,2-2,2") << "columns need range selection";
}

// The corner selects every body cell through AdjustClickSelection.
class TCornerGrid : public TMouseGrid {
public:
    using TMouseGrid::TMouseGrid;
    Integer Adjusted = 0;

protected:
    void AdjustClickSelection(TGridRect& R) override
    {
        ++Adjusted;
        R.Bottom = 3;
    }
};

TEST_F(HeaderSelectTest, TheCornerSelectsEveryBodyCellAsTheHookLeavesIt)
{
    grid->MouseActions()->AllSelect = true;
    ClickCell(0, 0);
    EXPECT_EQ(Sel(), "1,1-5,4");
    ClickCell(2, 2);
    auto* corner = new TCornerGrid(form);
    corner->SetParent(form);
    corner->SetBounds(10, 320, 300, 150);
    corner->SetColCount(4);
    corner->SetRowCount(6);
    corner->SetOptions(corner->Options() | goRangeSelect);
    corner->MouseActions()->AllSelect = true;
    h.ProcessMessages();
    const TRect r = corner->CellRect(0, 0);
    h.MoveTo(corner, {r.Left + 3, r.Top + 3});
    h.Click(corner, {r.Left + 3, r.Top + 3});
    EXPECT_EQ(corner->Adjusted, 1);
    EXPECT_EQ(corner->Selection().Bottom, 3);
    EXPECT_EQ(corner->Selection().Right, 3);
}

TEST_F(HeaderSelectTest, DisjunctRowMarksFollowPlainCtrlAndShiftPresses)
{
    grid->MouseActions()->SetDisjunctRowSelect(true);
    struct TStep {
        const char* Name;
        Integer Row;
        TShiftState Shift;
        const char* Marks;
    };
    const TStep steps[] = {
        {"a plain press marks its row", 1, 0, "1"},          {"Ctrl adds a row", 3, ssCtrl, "13"},
        {"Ctrl on a marked row unmarks it", 1, ssCtrl, "3"}, {"a plain press leaves only its row", 2, 0, "2"},
        {"Shift spans to the selection", 4, ssShift, "234"}, {"a plain press again", 4, 0, "4"},
    };
    for (const TStep& s : steps) {
        SCOPED_TRACE(s.Name);
        ClickCell(2, s.Row, s.Shift);
        EXPECT_EQ(RowMarks(), s.Marks);
    }
    grid->MouseActions()->DisjunctRowSelectNoCtrl = true;
    ClickCell(2, 2);
    EXPECT_EQ(RowMarks(), "24") << "without Ctrl each press flips its row";
    ClickCell(2, 4);
    EXPECT_EQ(RowMarks(), "2");
}

TEST_F(HeaderSelectTest, DisjunctColumnMarksFollowPlainAndCtrlPresses)
{
    grid->MouseActions()->SetDisjunctColSelect(true);
    ClickCell(2, 2);
    EXPECT_EQ(ColMarks(), "2");
    ClickCell(4, 2, ssCtrl);
    EXPECT_EQ(ColMarks(), "24");
    ClickCell(2, 3, ssCtrl);
    EXPECT_EQ(ColMarks(), "4") << "Ctrl on a marked column unmarks it";
    ClickCell(3, 1);
    EXPECT_EQ(ColMarks(), "3") << "a plain press forgets the others";
}

// --- hover looks --------------------------------------------------------------------------------

TColor PixelAt(TWinControl* Control, TPoint P)
{
    TBitmap b;
    b.SetSize(Control->Width(), Control->Height());
    Control->PaintTo(*b.Canvas(), 0, 0);
    return b.Canvas()->Pixels(P.X, P.Y);
}

TEST_F(HeaderSelectTest, TheHoverRowFollowsThePointerAndEndsWhenItLeaves)
{
    grid->HoverRow = true;
    grid->HoverRowColor = clLime;
    grid->HoverRowColorTo = clNone;
    const TPoint inRow2{grid->CellRect(3, 2).Left + 4, grid->CellRect(3, 2).Top + 4};
    const TPoint inRow3{grid->CellRect(3, 3).Left + 4, grid->CellRect(3, 3).Top + 4};
    EXPECT_NE(PixelAt(grid, inRow2), clLime);
    h.MoveTo(grid, Centre(2, 2));
    EXPECT_EQ(PixelAt(grid, inRow2), clLime) << "another cell of the row under the pointer";
    EXPECT_NE(PixelAt(grid, inRow3), clLime);
    h.MoveTo(grid, Centre(4, 3));
    EXPECT_NE(PixelAt(grid, inRow2), clLime) << "the old row loses the look";
    EXPECT_EQ(PixelAt(grid, inRow3), clLime);
    h.MoveTo(form, {5, 460});
    EXPECT_NE(PixelAt(grid, inRow3), clLime) << "leaving the grid ends the look";
}

TEST_F(HeaderSelectTest, OnlyTheHoverFixedCellsOfTheChosenKindTakeTheHoverLook)
{
    grid->SetLook(glVista);
    grid->SetZEQGradientHoverFrom(clLime);
    grid->SetZEQGradientHoverTo(clLime);
    grid->SetZEQGradientHoverMirrorFrom(clLime);
    grid->SetZEQGradientHoverMirrorTo(clLime);
    h.ProcessMessages();
    const auto pixel = [&](Integer ACol, Integer ARow) {
        const TRect r = grid->CellRect(ACol, ARow);
        return PixelAt(grid, {r.Right - 4, (r.Top + r.Bottom) / 2});
    };
    struct TCase {
        THoverFixedCells Kind;
        bool Header, RowHeader;
    };
    for (const TCase& c : {TCase{hfAll, true, true}, TCase{hfFixedRows, true, false},
                           TCase{hfFixedColumns, false, true}, TCase{hfNone, false, false}}) {
        SCOPED_TRACE(int(c.Kind));
        grid->HoverFixedCells = c.Kind;
        h.MoveTo(grid, Centre(2, 0));
        EXPECT_EQ(pixel(2, 0) == clLime, c.Header);
        EXPECT_NE(pixel(3, 0), clLime) << "only the cell under the pointer";
        h.MoveTo(grid, Centre(0, 2));
        EXPECT_NE(pixel(2, 0), clLime) << "the header left behind loses the look";
        EXPECT_EQ(pixel(0, 2) == clLime, c.RowHeader);
        h.MoveTo(form, {5, 460});
        EXPECT_NE(pixel(0, 2), clLime) << "leaving the grid ends the look";
    }
}

}  // namespace
}  // namespace gw::test
