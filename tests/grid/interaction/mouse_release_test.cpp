// The grid's mouse release, double click and right click, driven on the headless display: the
// header click's sort cycle, a header border's double click fitting its column, the right click
// with row marks and a pop-up menu, and the bookkeeping of a moved column.
#include "grid/foundation/int_list.h"
#include "grid/foundation/sync_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/sort_settings.h"
#include "platform/ui/menus.h"
#include "tests/grid/interaction/mouse_grid_fixture.h"

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

// --- the click sort -------------------------------------------------------------------------------

TEST_F(MouseGridTest, HeaderClicksCycleThroughBothDirectionsAndUndoTheSort)
{
    struct TCase {
        bool UndoSort;
        std::string Third;
        Integer ThirdColumn;
    };
    for (const TCase& c : {TCase{true, "cadb", -1}, TCase{false, "abcd", 1}}) {
        SCOPED_TRACE(c.UndoSort);
        SetUp();
        grid->SortSettings()->SetShow(true);
        grid->SortSettings()->UndoSort = c.UndoSort;
        Log sorts;
        grid->OnClickSort = [&](TObject*, Integer ACol) { sorts.push_back(std::to_string(ACol)); };
        ClickHeader(1);
        EXPECT_EQ(Column(1), "abcd");
        EXPECT_EQ(Column(0), "2413") << "whole rows move";
        ClickHeader(1);
        EXPECT_EQ(Column(1), "dcba");
        EXPECT_EQ(grid->SortSettings()->Direction, sdDescending);
        ClickHeader(1);
        EXPECT_EQ(Column(1), c.Third);
        EXPECT_EQ(grid->SortSettings()->Column, c.ThirdColumn);
        EXPECT_EQ(sorts, (Log{"1", "1", std::to_string(c.ThirdColumn)}));
        // Another column starts again in the initial direction.
        ClickHeader(2);
        EXPECT_EQ(Column(2), "6789");
        EXPECT_EQ(grid->SortSettings()->Column, 2);
        EXPECT_EQ(grid->SortSettings()->Direction, sdAscending);
    }
}

TEST_F(MouseGridTest, AHeaderClickSortsOnlyWhenEverythingAllowsIt)
{
    struct TCase {
        const char* Name;
        std::function<void(TMouseGrid&)> Setup;
        Integer Row;
    };
    const TCase cases[] = {
        {"sorting off", [](TMouseGrid& g) { g.SortSettings()->SetShow(false); }, 0},
        {"two rows only", [](TMouseGrid& g) { g.SetRowCount(2); }, 0},
        {"OnCanSort refuses",
         [](TMouseGrid& g) { g.OnCanSort = [](TObject*, Integer ACol, bool& DoSort) { DoSort = ACol != 1; }; }, 0},
        {"ignored column", [](TMouseGrid& g) { g.IgnoreColumns()->Add(1); }, 0},
        {"a data row", [](TMouseGrid&) {}, 2},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        grid->SortSettings()->SetShow(true);
        c.Setup(*grid);
        const std::string before = Column(1);
        Integer clickSorts = 0;
        grid->OnClickSort = [&](TObject*, Integer) { ++clickSorts; };
        h.Advance(1000);
        h.Click(grid, Centre(1, c.Row));
        EXPECT_EQ(Column(1), before);
        EXPECT_EQ(grid->SortSettings()->Column, -1);
        EXPECT_EQ(clickSorts, 0);
    }
}

TEST_F(MouseGridTest, IndexedSortAddsColumnsWithTheModifierAndStartsAnewWithout)
{
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->IndexShow = true;
    auto list = [this] { return Utf8(grid->SortIndexes().SaveToString()); };
    ClickHeader(3, ssShift);
    ClickHeader(5, ssShift);
    EXPECT_EQ(list(), "u3;u5");
    EXPECT_EQ(grid->SortSettings()->Column, 3);
    ClickHeader(3, ssShift);
    EXPECT_EQ(list(), "d3;u5") << "the modifier flips a listed column";
    ClickHeader(5);
    EXPECT_EQ(list(), "u5") << "a plain click leaves only its column";
    ClickHeader(5);
    EXPECT_EQ(list(), "d5") << "and flips it when it is the only one";
    grid->SortSettings()->IndexSortKey = ikCtrl;
    ClickHeader(1, ssShift);
    EXPECT_EQ(list(), "u1") << "with the Ctrl key set Shift is a plain click";
    ClickHeader(2, ssCtrl);
    EXPECT_EQ(list(), "u1;u2");
    EXPECT_EQ(Column(1), "abcd");
}

// --- column moves -------------------------------------------------------------------------------

TEST_F(MouseGridTest, TheSortColumnStaysWithItsCellsWhenAColumnMoves)
{
    struct TCase {
        Integer From, To, Sorted, Expected;
    };
    const TCase cases[] = {
        {1, 3, 1, 3}, {1, 3, 2, 1}, {1, 3, 3, 2}, {1, 3, 4, 4}, {1, 3, 0, 0},
        {3, 1, 3, 1}, {3, 1, 1, 2}, {3, 1, 2, 3}, {3, 1, 4, 4}, {3, 1, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.From) + "->" + std::to_string(c.To) + " sorted " + std::to_string(c.Sorted));
        grid->SortSettings()->Column = c.Sorted;
        grid->SortIndexes().Clear();
        grid->SortIndexes().AddIndex(c.Sorted, false);
        grid->MoveColumn(c.From, c.To);
        EXPECT_EQ(grid->SortSettings()->Column, c.Expected);
        EXPECT_EQ(grid->SortIndexes().GetSortColumns(0), c.Expected);
        EXPECT_FALSE(grid->SortIndexes().GetSortDirections(0)) << "the direction stays";
        grid->MoveColumn(c.To, c.From);
    }
}

TEST_F(MouseGridTest, ASynchronisedGridFollowsAMoveOnceWithoutMovingBack)
{
    auto* other = new TMouseGrid(form);
    other->SetParent(form);
    other->SetColCount(6);
    for (Integer c = 0; c < 6; ++c) {
        grid->SetCellEx(c, 0, IntToStr(c));
        other->SetCellEx(c, 0, IntToStr(c));
    }
    grid->SyncGrid()->SetGrid(other);
    grid->SyncGrid()->MoveColumn = true;
    other->SyncGrid()->SetGrid(grid);
    other->SyncGrid()->MoveColumn = true;
    grid->MoveColumn(1, 4);
    for (TMouseGrid* g : {grid, other}) {
        std::string headers;
        for (Integer c = 0; c < 6; ++c) headers += Utf8(g->GetCellEx(c, 0));
        EXPECT_EQ(headers, "023415");
    }
}

TEST_F(MouseGridTest, DraggingAHeaderMovesTheColumnWithItsWidthAndDoesNotSort)
{
    grid->SetOptions(grid->Options() | goColMoving);
    grid->SortSettings()->SetShow(true);
    grid->SetColWidths(1, 90);
    for (Integer c = 0; c < 6; ++c) grid->SetCellEx(c, 0, u"H" + IntToStr(c));
    h.Drag(grid, Centre(1, 0), Centre(3, 0));
    h.ProcessMessages();
    EXPECT_EQ(Utf8(grid->GetCellEx(3, 0)), "H1");
    EXPECT_EQ(grid->ColWidths(3), 90);
    EXPECT_EQ(grid->SortSettings()->Column, -1);
    EXPECT_EQ(grid->MoveForm, nullptr) << "the drag image is gone";
    EXPECT_EQ(grid->BlockFocusStarts, 1);
    EXPECT_EQ(grid->BlockFocusEnds, 1);
}

// --- the right button -----------------------------------------------------------------------------

TEST_F(MouseGridTest, ARightClickKeepsTheMarksForThePopupMenuOnlyOnAMarkedRow)
{
    struct TCase {
        const char* Name;
        bool Menu;
        Integer Row;
        TShiftState Shift;
        std::vector<bool> Marks;  // rows 1 to 4 afterwards
    };
    const TCase cases[] = {
        {"menu, marked row", true, 2, 0, {true, true, false, false}},
        {"menu, unmarked row", true, 3, 0, {false, false, true, false}},
        {"no menu, marked row", false, 2, 0, {false, true, false, false}},
        {"ctrl flips a marked row", true, 2, ssCtrl, {true, false, false, false}},
        {"ctrl flips an unmarked row", false, 4, ssCtrl, {true, true, false, true}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        grid->MouseActions()->SelectOnRightClick = true;
        grid->MouseActions()->SetDisjunctRowSelect(true);
        TPopupMenu menu(form);
        auto* item = new TMenuItem(&menu);
        item->Caption = u"Copy";
        menu.Items()->Add(item);
        if (c.Menu) grid->SetPopupMenu(&menu);
        grid->SetRowSelect(1, true);
        grid->SetRowSelect(2, true);
        Log clicks;
        grid->OnRightClickCell = [&](TObject*, Integer ARow, Integer ACol) {
            clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        };
        if (c.Menu) h.AnswerPopupMenu(u"");
        h.Advance(1000);
        h.Click(grid, Centre(2, c.Row), mbRight, c.Shift);
        std::vector<bool> marks;
        for (Integer r = 1; r < 5; ++r) marks.push_back(grid->GetRowSelect(r));
        EXPECT_EQ(marks, c.Marks);
        EXPECT_EQ(clicks, (Log{"2," + std::to_string(c.Row)}));
        EXPECT_EQ(grid->Row(), c.Row) << "the clicked cell became current";
        grid->SetPopupMenu(nullptr);
    }
}

TEST_F(MouseGridTest, ARightClickOnAHeaderOnlyReportsIt)
{
    grid->MouseActions()->SelectOnRightClick = true;
    Log clicks;
    grid->OnRightClickCell = [&](TObject*, Integer ARow, Integer ACol) {
        clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    };
    const Integer row = grid->Row();
    h.Click(grid, Centre(3, 0), mbRight);
    EXPECT_EQ(clicks, (Log{"3,0"}));
    EXPECT_EQ(grid->Row(), row);
}

TEST_F(MouseGridTest, WithEditOnDblClickOnlyADoubleClickOpensTheEditor)
{
    grid->MouseActions()->SetEditOnDblClickOnly(true);
    Log cells;
    grid->OnDblClickCell = [&](TObject*, Integer ARow, Integer ACol) {
        cells.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    };
    h.Advance(1000);
    h.DoubleClick(grid, Centre(1, 2));
    EXPECT_EQ(cells, (Log{"1,2"}));
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2);
}

// --- held cell buttons, the simulated click, the right release during a move --------------------

// --- the release's own steps ------------------------------------------------------------------------

TEST_F(MouseGridTest, AColumnSizingLetGoOutsideTheGridIsCancelled)
{
    grid->SetOptions(grid->Options() | goColSizing);
    const TRect header = grid->CellRect(4, 0);
    const TPoint edge{header.Right - 1, (header.Top + header.Bottom) / 2};
    const Integer width = grid->ColWidths(4);
    h.Drag(grid, edge, {grid->Width() + 30, edge.Y});
    EXPECT_EQ(grid->ColWidths(4), width);
    EXPECT_EQ(grid->GridState(), gsNormal);
    h.Advance(1000);
    h.Drag(grid, edge, {edge.X + 20, edge.Y});
    EXPECT_EQ(grid->ColWidths(4), width + 20) << "inside the grid the sizing takes";
}

TEST_F(MouseGridTest, ClicksChooseDisjunctCellsAndReportTheSelectionOnce)
{
    grid->MouseActions()->SetDisjunctCellSelect(true);
    Log reports;
    grid->OnSelectionChanged = [&](TObject*, Integer L, Integer T, Integer R, Integer B) {
        reports.push_back(std::to_string(L) + "," + std::to_string(T) + "-" + std::to_string(R) + "," +
                          std::to_string(B));
    };
    grid->OnSelectCell = [](TObject*, Integer ACol, Integer, bool& CanSelect) { CanSelect = ACol != 4; };
    const auto listed = [this] {
        std::string s;
        for (Integer i = 0; i < grid->SelectedCellsCount(); ++i) {
            const TGridCoord c = grid->SelectedCell(i);
            s += (s.empty() ? "" : " ") + std::to_string(c.X) + "," + std::to_string(c.Y);
        }
        return s;
    };
    const struct {
        TPoint Cell;
        TShiftState Shift;
        std::string Listed;
        Log Reports;
    } steps[] = {
        // already the current cell: listed, nothing to report
        {{1, 1}, 0, "1,1", {}},
        {{2, 2}, ssCtrl, "1,1 2,2", {"2,2-2,2"}},
        // Ctrl on a listed cell, the current one or another, takes only that cell out
        {{2, 2}, ssCtrl, "1,1", {}},
        {{2, 2}, ssCtrl, "1,1 2,2", {}},
        {{1, 1}, ssCtrl, "2,2", {"1,1-1,1"}},
        {{2, 2}, ssCtrl, "", {"2,2-2,2"}},
        {{3, 3}, 0, "3,3", {"3,3-3,3"}},
        {{4, 2}, ssCtrl, "3,3", {}},  // refused by OnSelectCell: the release ends
    };
    Integer step = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE("step " + std::to_string(step++));
        reports.clear();
        h.Advance(1000);
        h.Click(grid, Centre(s.Cell.X, s.Cell.Y), mbLeft, s.Shift);
        EXPECT_EQ(listed(), s.Listed);
        EXPECT_EQ(reports, s.Reports);
    }
}

TEST_F(MouseGridTest, AHeldCellButtonClicksOnlyWhenReleasedOnIt)
{
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddButton(2, 2, 24, 16, u"...", haRight, vaCenter);
    h.ProcessMessages();  // painting places the button in its cell
    Log clicks;
    grid->OnButtonClick = [&](TObject*, Integer ACol, Integer ARow) {
        clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    };
    const TRect button = grid->CellButtonRect(2, 2);
    struct TCase {
        const char* Name;
        TPoint At;
        Log Clicks;
    };
    const TCase cases[] = {
        {"on the button", {(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2}, {"2,2"}},
        {"in the cell beside it", {grid->CellRect(2, 2).Left + 2, (button.Top + button.Bottom) / 2}, {}},
        {"in another cell", Centre(4, 3), {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        clicks.clear();
        grid->FPushedCellButton = {2, 2};
        h.Advance(1000);
        h.MouseUp(grid, c.At);
        EXPECT_EQ(clicks, c.Clicks);
        EXPECT_EQ(grid->FPushedCellButton, (TPoint{-1, -1})) << "the release always lets it go";
    }
}

TEST_F(MouseGridTest, ASimulatedClickOpensTheEditorWithoutTheMouseEvents)
{
    grid->SetOptions(grid->Options() | goEditing);
    grid->FocusCell(1, 2);
    Log events;
    grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) { events.push_back("down"); };
    grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) { events.push_back("up"); };
    grid->SimulateCellClick(1, 2);
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_TRUE(events.empty());
    grid->HideEditor();
    h.Advance(1000);
    h.Click(grid, Centre(3, 3));
    EXPECT_EQ(events, (Log{"down", "up"})) << "the events are back afterwards";
}

TEST_F(MouseGridTest, TheRightReleaseDuringAColumnMoveOpensNoMenu)
{
    grid->SetOptions(grid->Options() | goColMoving);
    TPopupMenu menu(form);
    auto* item = new TMenuItem(&menu);
    item->Caption = u"Copy";
    menu.Items()->Add(item);
    grid->SetPopupMenu(&menu);
    h.MouseDown(grid, Centre(1, 0));
    h.MoveTo(grid, Centre(2, 0));
    ASSERT_EQ(grid->GridState(), gsColMoving);
    grid->Perform(WM_RBUTTONUP, 0, MakeLParam(Centre(2, 0).X, Centre(2, 0).Y));
    h.ProcessMessages();
    EXPECT_TRUE(h.MenusShown().empty());
    h.MouseUp(grid, Centre(2, 0));
    grid->SetPopupMenu(nullptr);
}

TEST_F(MouseGridTest, ARowMoveOntoTheFloatingFootersRowIsIgnored)
{
    for (Integer r = 1; r < 5; ++r) grid->SetCellEx(4, r, u"r" + IntToStr(r));
    grid->FloatingFooter()->SetVisible(true);
    grid->MoveRow(1, 4);
    EXPECT_EQ(Utf8(grid->GetCellEx(4, 1)), "r1") << "the footer row stays the last one";
    grid->FloatingFooter()->SetVisible(false);
    grid->MoveRow(1, 3);
    EXPECT_EQ(Utf8(grid->GetCellEx(4, 3)), "r1");
}

}  // namespace
}  // namespace gw::test
