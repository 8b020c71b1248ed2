// Fixed columns and rows sized by real presses at their edge in a data row (column): the drag,
// the events and the size hint on the way, the release setting the size, and a release outside
// the grid leaving it.
#include "grid/foundation/mouse_actions.h"
#include "grid/model/sort_settings.h"
#include "platform/ui/hint_window.h"
#include "tests/grid/interaction/mouse_grid_fixture.h"
#include "tests/support/test_support.h"

#include <string>

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

// Two fixed columns and the header row, sizable by their edges; every sizing event logged.
class FixedSizingTest : public MouseGridTest {
protected:
    void SetUp() override
    {
        MouseGridTest::SetUp();
        grid->SetFixedCols(2);
        grid->SetColWidths(0, 40);
        grid->SetColWidths(1, 50);
        grid->MouseActions()->SizeFixedCol = true;
        grid->MouseActions()->SizeFixedRow = true;
        grid->SortSettings()->SetShow(true);
        grid->OnColumnSizing = [this](TObject*, Integer ACol, Integer Size) { Add("col sizing", ACol, Size); };
        grid->OnRowSizing = [this](TObject*, Integer ARow, Integer Size) { Add("row sizing", ARow, Size); };
        grid->OnEndColumnSize = [this](TObject*, Integer ACol) { Add("end col", ACol); };
        grid->OnEndRowSize = [this](TObject*, Integer ARow) { Add("end row", ARow); };
        grid->OnClickSort = [this](TObject*, Integer ACol) { Add("sort", ACol); };
        grid->OnClickCell = [this](TObject*, Integer ARow, Integer ACol) { Add("click", ACol, ARow); };
        h.ProcessMessages();
    }
    // A report repeating the one before (the mouse moved onto the same point again) is logged once.
    void Add(const std::string& What, Integer A, Integer B = -1)
    {
        const std::string e = What + " " + std::to_string(A) + (B >= 0 ? "=" + std::to_string(B) : std::string());
        if (h.Log.Items().empty() || h.Log.Items().back() != e) h.Log.Add(e);
    }
    // The right edge of fixed column ACol and the bottom edge of fixed row ARow, as drawn.
    Integer ColEdge(Integer ACol) const { return grid->CellRect(ACol, 0).Right; }
    Integer RowEdge(Integer ARow) const { return grid->CellRect(0, ARow).Bottom; }
    // Press at From, move to To in two steps, release at To.
    void DragEdge(TPoint From, TPoint To)
    {
        h.Advance(1000);
        h.Log.Clear();
        h.MouseDown(grid, From);
        h.MoveTo(grid, {From.X + (To.X - From.X) / 2, From.Y + (To.Y - From.Y) / 2});
        h.MoveTo(grid, To);
        h.MouseUp(grid, To);
    }
};

TEST_F(FixedSizingTest, DraggingAFixedColumnsEdgeInADataRowSetsItsWidth)
{
    const Integer y = Centre(3, 3).Y;
    struct TCase {
        const char* Name;
        Integer Col, Dx;
    };
    const TCase cases[] = {
        {"first column wider", 0, 25},
        {"first column narrower", 0, -15},
        {"second column wider", 1, 30},
        {"second column narrower", 1, -20},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->SetColWidths(0, 40);
        grid->SetColWidths(1, 50);
        const Integer before = grid->ColWidths(c.Col), other = grid->ColWidths(1 - c.Col);
        const TGridRect selection = grid->Selection();
        const Integer edge = ColEdge(c.Col);
        DragEdge({edge, y}, {edge + c.Dx, y});
        const std::string sized = std::to_string(c.Col) + "=" + std::to_string(before + c.Dx);
        EXPECT_EQ(h.Log.Take(), (Log{"col sizing " + std::to_string(c.Col) + "=" + std::to_string(before + c.Dx / 2),
                                     "col sizing " + sized, "end col " + std::to_string(c.Col)}));
        EXPECT_EQ(grid->ColWidths(c.Col), before + c.Dx);
        EXPECT_EQ(grid->ColWidths(1 - c.Col), other) << "the other fixed column keeps its width";
        EXPECT_TRUE(grid->Selection() == selection) << "a sizing press selects nothing";
        EXPECT_EQ(grid->GridState(), gsNormal);
    }
}

TEST_F(FixedSizingTest, AFixedRowsEdgeSizesItFromADataColumnWithoutSorting)
{
    const Integer x = Centre(3, 1).X, edge = RowEdge(0), before = grid->RowHeights(0);
    DragEdge({x, edge}, {x, edge + 12});
    EXPECT_EQ(h.Log.Take(), (Log{"row sizing 0=" + std::to_string(before + 6),
                                 "row sizing 0=" + std::to_string(before + 12), "end row 0"}));
    EXPECT_EQ(grid->RowHeights(0), before + 12);
    EXPECT_EQ(grid->SortSettings()->Column, -1) << "the release on the header is a sizing's, not a click";
}

// A press let go where it was changes nothing, wherever in the edge's zone it was taken: the
// size follows the mouse from the press, and each column before the sized one counts its line.
TEST_F(FixedSizingTest, APressLetGoWhereItWasKeepsTheWidth)
{
    const Integer y = Centre(3, 3).Y;
    for (Integer col = 0; col < 2; ++col)
        for (Integer dx = -2; dx <= 2; ++dx) {
            SCOPED_TRACE(std::to_string(col) + " at " + std::to_string(dx));
            const Integer before = grid->ColWidths(col);
            DragEdge({ColEdge(col) + dx, y}, {ColEdge(col) + dx, y});
            EXPECT_EQ(grid->ColWidths(col), before);
        }
}

TEST_F(FixedSizingTest, AReleaseOutsideTheGridLeavesTheSizeAndEndsTheSizing)
{
    const Integer y = Centre(3, 3).Y, x = Centre(3, 1).X;
    struct TCase {
        const char* Name;
        TPoint From, To;
    };
    const TCase cases[] = {
        {"column released right of the grid", {ColEdge(1), y}, {grid->Width() + 15, y}},
        {"row released below the grid", {x, RowEdge(0)}, {x, grid->Height() + 15}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const Integer width = grid->ColWidths(1), height = grid->RowHeights(0);
        DragEdge(c.From, c.To);
        const Log log = h.Log.Take();
        EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string& e) { return e.starts_with("end"); }));
        EXPECT_EQ(grid->ColWidths(1), width);
        EXPECT_EQ(grid->RowHeights(0), height);
        EXPECT_FALSE(grid->MouseCapture()) << "the mouse is let go";
        // The next press is an ordinary one again.
        h.Advance(1000);
        h.Click(grid, Centre(4, 3));
        EXPECT_EQ(grid->Col(), 4);
        EXPECT_EQ(grid->Row(), 3);
        EXPECT_EQ(grid->ColWidths(1), width);
    }
}

TEST_F(FixedSizingTest, OnlyTheGridsSettingsMakeAnEdgeSizable)
{
    const Integer y = Centre(3, 3).Y;
    grid->MouseActions()->SizeFixedCol = false;
    const Integer width = grid->ColWidths(1);
    DragEdge({ColEdge(1), y}, {ColEdge(1) + 20, y});
    EXPECT_EQ(grid->ColWidths(1), width);
    EXPECT_TRUE(std::none_of(h.Log.Items().begin(), h.Log.Items().end(),
                             [](const std::string& e) { return e.starts_with("col sizing"); }));
    // An edge of a data column is never a fixed sizing edge.
    grid->MouseActions()->SizeFixedCol = true;
    const Integer data = grid->ColWidths(3);
    DragEdge({ColEdge(3), y}, {ColEdge(3) + 20, y});
    EXPECT_EQ(grid->ColWidths(3), data);
}

TEST_F(FixedSizingTest, TheSizeHintAndTheUpdateEventSeeTheWidthTheReleaseSets)
{
    grid->HintShowSizing = true;
    grid->OnUpdateColumnSize = [this](TObject*, Integer ACol, Integer& AWidth) {
        Add("update col", ACol, AWidth);
        AWidth = 77;
    };
    const Integer y = Centre(3, 3).Y, edge = ColEdge(1), before = grid->ColWidths(1);
    h.Log.Clear();
    h.MouseDown(grid, {edge, y});
    h.MoveTo(grid, {edge + 18, y});
    ASSERT_NE(grid->FSizingHintWnd, nullptr);
    EXPECT_TRUE(grid->FSizingHintWnd->IsShowing());
    EXPECT_EQ(Utf8(grid->FSizingHintWnd->Text()), "cw=<b>" + std::to_string(before + 18) + "</b>");
    EXPECT_EQ(grid->FSizingHintWnd->BoundsRect().TopLeft(), grid->ClientToScreen(grid->CellRect(1, 0).TopLeft()))
        << "at the sized column's header corner";
    h.MouseUp(grid, {edge + 18, y});
    EXPECT_FALSE(grid->FSizingHintWnd->IsShowing());
    EXPECT_EQ(h.Log.Take(), (Log{"col sizing 1=" + std::to_string(before + 18), "end col 1",
                                 "update col 1=" + std::to_string(before + 18)}));
    EXPECT_EQ(grid->ColWidths(1), 77) << "the handler's width is set";
}

}  // namespace
}  // namespace gw::test
