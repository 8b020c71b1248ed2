// The string grid's keys: Home and End, the Tab walk, appending, inserting and deleting rows,
// select-all, scrolling without moving, wrap-around, disabled rows, moving rows, check boxes by
// Space and the clipboard keys, driven as key presses on the headless back end.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/foundation/sync_grid.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/button.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/clipboard.h"

#include <gtest/gtest.h>

#include <string>

namespace gw::test {
namespace {

std::string Cell(Integer C, Integer R) { return std::to_string(C) + "," + std::to_string(R); }

// The grid with its check-box report noted.
class TKeyTestGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    TEventLog* Log = nullptr;

protected:
    void DoCheckBoxClick(Integer ACol, Integer ARow, bool State) override
    {
        if (Log) Log->Add("check box click " + Cell(ACol, ARow) + (State ? " on" : " off"));
    }
    // Stands in for the inline editors of mark-up controls.
    void ShowNextControlEditor(Integer ACol, Integer ARow, const String& ID) override
    {
        if (Log) Log->Add("next control " + Cell(ACol, ARow) + " after '" + StringToUtf8(ID) + "'");
    }
};

// 6 columns (column 0 fixed, column 5 fixed right) by 8 rows (row 0 fixed, row 7 a footer):
// data cells are columns 1-4 of rows 1-6. Each data cell holds its own "c,r".
class KeyGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 640, 480);
        grid = new TKeyTestGrid(form);
        grid->Log = &h.Log;
        grid->SetParent(form);
        grid->SetBounds(10, 10, 560, 400);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetFixedRightCols(1);
        grid->SetFixedFooters(1);
        grid->Navigation()->AdvanceAutoEdit = false;
        for (Integer c = 0; c < 6; ++c)
            for (Integer r = 0; r < 8; ++r) grid->SetCellEx(c, r, Utf8ToString(Cell(c, r)));
        form->Show();
        grid->SetFocus();
        grid->FocusCell(3, 4);
        h.ProcessMessages();
        h.Log.Clear();
    }

    std::string Current() const { return Cell(grid->Col(), grid->Row()); }
    std::string Text(Integer C, Integer R) const { return StringToUtf8(grid->GetCellEx(C, R)); }
    void HideEditorIfShown()
    {
        if (grid->EditorMode()) grid->HideInplaceEdit();
    }

    THarness h;
    TForm* form = nullptr;
    TKeyTestGrid* grid = nullptr;
};

TEST_F(KeyGridTest, HomeAndEndJumpByTheirSettingModifiersAndRowSelection)
{
    struct Case {
        THomeEndAction Action;
        Word Key;
        TShiftState Shift;
        bool RowSelect;
        std::string Current;
        TGridRect Selection;
    };
    const Case cases[] = {
        {heFirstLastCell, VK_HOME, 0, false, "1,1", {1, 1, 1, 1}},
        // The very last cell: fixed right column and footer row included.
        {heFirstLastCell, VK_END, 0, false, "5,7", {5, 7, 5, 7}},
        {heFirstLastRow, VK_HOME, 0, false, "3,1", {3, 1, 3, 1}},
        {heFirstLastRow, VK_END, 0, false, "3,6", {3, 6, 3, 6}},
        // Shift: from column 0 of the start row to the last column of the target row.
        {heFirstLastRow, VK_END, ssShift, false, "5,6", {0, 4, 5, 6}},
        {heFirstLastColumn, VK_HOME, 0, false, "1,4", {1, 4, 1, 4}},
        {heFirstLastColumn, VK_END, 0, false, "5,4", {5, 4, 5, 4}},
        {heFirstLastColumn, VK_HOME, ssCtrl, false, "1,1", {1, 1, 1, 1}},
        // Shift keeps the anchor in the former column; End stops before the fixed right column.
        {heFirstLastColumn, VK_HOME, ssShift, false, "1,4", {1, 4, 3, 4}},
        {heFirstLastColumn, VK_END, ssShift, false, "4,4", {3, 4, 4, 4}},
        // Under row selection the column variants are the base grid's: Home goes to the top.
        {heFirstLastColumn, VK_HOME, 0, true, "3,1", {1, 1, 4, 1}},
        {heFirstLastColumn, VK_END, 0, true, "3,7", {}},
        {heFirstLastRow, VK_END, 0, true, "3,6", {}},
        {heFirstLastCell, VK_HOME, 0, true, "1,1", {}},
        // Shift Home: from column 0 of the start row up to the last column of the first data row.
        {heFirstLastRow, VK_HOME, ssShift, false, "5,1", {0, 1, 5, 4}},
        // Ctrl with the row variant is the base grid's: the first data cell, not the column's top.
        {heFirstLastRow, VK_HOME, ssCtrl, false, "1,1", {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Action) + " key " + std::to_string(c.Key) + " shift " + std::to_string(c.Shift) +
                     (c.RowSelect ? " row select" : ""));
        grid->SetOptions(c.RowSelect ? grid->Options() | goRowSelect : grid->Options() & ~TGridOptions(goRowSelect));
        grid->SetOptions(grid->Options() | goRangeSelect);
        grid->Navigation()->HomeEndKey = c.Action;
        grid->FocusCell(3, 4);
        h.Press(c.Key, c.Shift);
        EXPECT_EQ(Current(), c.Current);
        if (!c.RowSelect) {
            EXPECT_EQ(grid->Selection(), c.Selection);
        }
    }
}

TEST_F(KeyGridTest, HomeAndEndReportTheKeyOnceAndKeepTheRowSelection)
{
    grid->OnKeyDown = [this](TObject*, Word& Key, TShiftState) { h.Log.Add("keydown " + std::to_string(Key)); };
    grid->Navigation()->HomeEndKey = heFirstLastRow;
    h.Press(VK_HOME);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"keydown 36"}));
    EXPECT_EQ(Current(), "3,1");
}

// Each walk: where it ends, what TabToNextCell answers, whether the Tab went on to the parent
// (the next control took the focus) and whether a row was appended above the footer.
TEST_F(KeyGridTest, TabWalksOverMergedReadOnlyFixedRightAndFooterCellsBothWays)
{
    enum TEnd { eWrap, eAppend, eHandOver };
    struct Case {
        std::string Name;
        TAdvanceDirection Direction;
        bool Backward;
        TPoint Start;
        std::string Current;
        Integer ReadOnlyCol = -1;  // with goEditing, the column OnCanEditCell refuses
        TEnd End = eWrap;
        bool Result = true, Posted = false, Appended = false;
    };
    const Case cases[] = {
        {"next column", adLeftRight, false, {1, 1}, "2,1"},
        {"over the merged cell", adLeftRight, false, {2, 2}, "4,2"},
        {"row end skips the fixed right column", adLeftRight, false, {4, 1}, "1,2"},
        {"last data row wraps above the footer", adLeftRight, false, {4, 6}, "1,1"},
        {"back onto the merged base", adLeftRight, true, {4, 2}, "2,2"},
        {"back from the first cell to the last data cell", adLeftRight, true, {1, 1}, "4,6"},
        {"back to the previous row end", adLeftRight, true, {1, 3}, "4,2"},
        {"down the column", adTopBottom, false, {1, 1}, "1,2"},
        {"column end to the next column's top", adTopBottom, false, {1, 6}, "2,1"},
        {"up from the top to the previous column's last data row", adTopBottom, true, {2, 1}, "1,6"},
        {"in-row direction walks the column too", adLeftRightInRow, false, {1, 1}, "1,2"},
        {"over a read-only cell", adLeftRight, false, {2, 3}, "4,3", 3},
        {"back over a read-only cell", adLeftRight, true, {4, 3}, "2,3", 3},
        {"read-only down the column: on to the next column", adTopBottom, false, {1, 6}, "3,1", 2},
        {"last data cell appends a row above the footer", adLeftRight, false, {4, 6}, "1,7", -1, eAppend, true, false,
         true},
        {"last data cell hands the Tab on", adLeftRight, false, {4, 6}, "1,1", -1, eHandOver, false, true},
        {"back from the first cell never hands on", adLeftRight, true, {1, 1}, "4,6", -1, eHandOver},
    };
    auto* next = new TButton(form);
    next->SetParent(form);
    next->SetBounds(10, 420, 80, 24);
    grid->MergeCells(2, 2, 2, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->SetRowCount(8);
        grid->SetOptions(c.ReadOnlyCol >= 0 ? grid->Options() | goEditing : grid->Options() & ~TGridOptions(goEditing));
        grid->OnCanEditCell = [&c](TObject*, Integer, Integer ACol, bool& CanEdit) { CanEdit = ACol != c.ReadOnlyCol; };
        grid->Navigation()->SetAdvanceInsert(c.End == eAppend);
        grid->Navigation()->TabToNextAtEnd = c.End == eHandOver;
        grid->Navigation()->TabAdvanceDirection = c.Direction;
        grid->SetFocus();
        grid->FocusCell(c.Start.X, c.Start.Y);
        h.ProcessMessages();
        EXPECT_EQ(grid->TabToNextCell(c.Backward), c.Result);
        h.ProcessMessages();
        EXPECT_EQ(Current(), c.Current);
        EXPECT_EQ(next->Focused(), c.Posted);
        EXPECT_EQ(grid->RowCount(), c.Appended ? 9 : 8);
        if (c.Appended) {
            EXPECT_EQ(Text(1, 8), "1,7") << "the footer row stays last";
        }
        HideEditorIfShown();
    }
    grid->OnCanEditCell = nullptr;
}

TEST_F(KeyGridTest, TabSkipsCellsThatMayNotBeEditedAndEndsWhenNoneMay)
{
    grid->SetOptions(grid->Options() | goEditing);
    grid->OnCanEditCell = [](TObject*, Integer, Integer ACol, bool& CanEdit) { CanEdit = ACol != 2; };
    grid->FocusCell(1, 1);
    EXPECT_TRUE(grid->TabToNextCell(false));
    EXPECT_EQ(Current(), "3,1");

    // Nothing may be edited: the walk ends after one round instead of walking for ever.
    grid->OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
    EXPECT_TRUE(grid->TabToNextCell(false));
}

TEST_F(KeyGridTest, TabAtTheEndAppendsARowOrHandsTheTabToTheParent)
{
    auto* next = new TButton(form);
    next->SetParent(form);
    next->SetBounds(10, 420, 80, 24);
    grid->OnAutoAddRow = [this](TObject*, Integer ARow) { h.Log.Add("auto add " + std::to_string(ARow)); };
    grid->Navigation()->SetAdvanceInsert(true);
    grid->FocusCell(4, 6);
    EXPECT_TRUE(grid->TabToNextCell(false));
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(Current(), "1,7");
    EXPECT_EQ(Text(1, 8), "1,7") << "the footer row stays last";
    EXPECT_EQ(Text(1, 7), "");
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"auto add 7"}));

    grid->OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; };
    grid->FocusCell(4, 7);
    EXPECT_TRUE(grid->TabToNextCell(false));
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(Current(), "1,1");

    grid->Navigation()->TabToNextAtEnd = true;
    grid->FocusCell(4, 7);
    EXPECT_FALSE(grid->TabToNextCell(false));
    EXPECT_EQ(Current(), "1,1");
    h.ProcessMessages();
    EXPECT_TRUE(next->Focused()) << "the parent took the posted Tab to the next control";
}

TEST_F(KeyGridTest, TabKeyWalksWithGoTabsAndAKeyHandlerChangingTheKeyStopsIt)
{
    grid->SetOptions(grid->Options() | goTabs);
    h.Press(VK_TAB);
    EXPECT_EQ(Current(), "4,4");
    h.Press(VK_TAB, ssShift);
    EXPECT_EQ(Current(), "3,4");
    grid->OnKeyDown = [](TObject*, Word& Key, TShiftState) {
        if (Key == VK_TAB) Key = 0;
    };
    EXPECT_TRUE(grid->TabToNextCell(false));
    EXPECT_EQ(Current(), "3,4");
}

TEST_F(KeyGridTest, DownOnTheLastDataRowAppendsARowWhenAllowed)
{
    grid->Navigation()->AppendOnArrowDown = true;
    grid->OnAutoAddRow = [this](TObject*, Integer ARow) { h.Log.Add("auto add " + std::to_string(ARow)); };
    grid->FocusCell(2, 6);
    h.Press(VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(Text(2, 8), "2,7") << "the fixed footer row stays last";
    EXPECT_EQ(Text(2, 7), "");
    EXPECT_EQ(Current(), "2,7");
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"auto add 7"}));

    grid->OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; };
    h.Press(VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 9);
}

TEST_F(KeyGridTest, AppendingKeepsTheFloatingFooterRowLast)
{
    grid->SetFixedFooters(0);
    grid->FloatingFooter()->SetVisible(true);
    const Integer rows = grid->RowCount();
    const String footer = grid->GetCellEx(1, rows - 1);
    grid->FocusCell(1, rows - 2);
    grid->AutoAppendRow();
    EXPECT_EQ(grid->RowCount(), rows + 1);
    EXPECT_EQ(grid->GetCellEx(1, rows), footer);
    EXPECT_EQ(grid->GetCellEx(1, rows - 1), u"");
    EXPECT_EQ(grid->Row(), rows - 1);
}

TEST_F(KeyGridTest, InsertAndDeleteRowsByKeyWithRefusals)
{
    grid->Navigation()->AllowInsertRow = true;
    grid->Navigation()->AllowDeleteRow = true;
    grid->OnAutoInsertRow = [this](TObject*, Integer ARow) { h.Log.Add("inserted " + std::to_string(ARow)); };

    h.Press(VK_INSERT);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(Text(3, 4), "");
    EXPECT_EQ(Text(3, 5), "3,4");
    EXPECT_EQ(Current(), "3,4");
    EXPECT_TRUE(grid->Modified);

    grid->Navigation()->InsertPosition = pInsertAfter;
    grid->FocusCell(3, 5);
    h.Press(VK_INSERT);
    EXPECT_EQ(Text(3, 6), "");
    EXPECT_EQ(Current(), "3,6");
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"inserted 4", "inserted 6"}));

    grid->OnCanInsertRow = [](TObject*, Integer, bool& CanInsert) { CanInsert = false; };
    h.Press(VK_INSERT);
    EXPECT_EQ(grid->RowCount(), 10);

    grid->FocusCell(3, 5);
    h.Press(VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(Text(3, 5), "");

    grid->OnCanDeleteRow = [this](TObject*, Integer ARow, bool& CanDelete) {
        h.Log.Add("can delete " + std::to_string(ARow) + (grid->FilterActive() ? " filtered" : " unfiltered"));
        CanDelete = false;
    };
    grid->SetFilterActive(true);
    h.Press(VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_TRUE(grid->FilterActive()) << "the filter comes back after the refusal";
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"can delete 5 unfiltered"}));

    // Alt held, or with Ctrl/Shift for Insert: no row changes.
    grid->OnCanDeleteRow = nullptr;
    grid->OnCanInsertRow = nullptr;
    h.Press(VK_INSERT, ssCtrl);
    EXPECT_EQ(grid->RowCount(), 9);
}

TEST_F(KeyGridTest, CtrlASelectsTheDataAreaOnlyWithRowOrRangeSelection)
{
    grid->SetOptions(grid->Options() & ~TGridOptions(goRangeSelect | goRowSelect));
    h.Press('A', ssCtrl);
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 4, 3, 4}));
    grid->SetOptions(grid->Options() | goRangeSelect);
    h.Press('A', ssCtrl);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 4, 6}));
    EXPECT_EQ(Current(), "4,6");
}

TEST_F(KeyGridTest, MoveScrollOnlyScrollsWithoutMovingTheCell)
{
    grid->SetRowCount(60);
    grid->SetFixedFooters(0);
    grid->Navigation()->MoveScrollOnly = true;
    const Integer page = grid->VisibleRowCount();
    struct Case {
        Integer Top;
        Word Key;
        Integer NewTop;
    };
    const Case cases[] = {
        {1, VK_DOWN, 2},         {5, VK_UP, 4},    {1, VK_UP, 1},    {1, VK_NEXT, 1 + page},
        {3 + page, VK_PRIOR, 3}, {3, VK_PRIOR, 1}, {10, VK_HOME, 1}, {1, VK_END, 60 - page},
    };
    grid->FocusCell(2, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.Key) + " from top row " + std::to_string(c.Top));
        grid->SetTopRow(c.Top);
        h.Press(c.Key);
        EXPECT_EQ(grid->TopRow(), c.NewTop);
        EXPECT_EQ(Current(), "2,3");
    }
}

TEST_F(KeyGridTest, ArrowsWrapAroundInLoopAndSnakeMode)
{
    struct Case {
        TCursorAdvance Mode;
        TPoint Start;
        Word Key;
        std::string Current;
        bool Footer = true;
    };
    const Case cases[] = {
        {caDefault, {5, 3}, VK_RIGHT, "5,3"},
        {caLoop, {5, 3}, VK_RIGHT, "1,3"},
        {caSnake, {5, 3}, VK_RIGHT, "1,4"},
        // Not onto the footer row.
        {caSnake, {5, 6}, VK_RIGHT, "1,6"},
        {caLoop, {1, 3}, VK_LEFT, "5,3"},
        {caSnake, {1, 3}, VK_LEFT, "5,2"},
        {caSnake, {1, 1}, VK_LEFT, "5,1"},
        // Up wraps to the last row before the footer.
        {caLoop, {2, 1}, VK_UP, "2,6"},
        {caSnake, {2, 1}, VK_UP, "1,6"},
        // Down wraps only from the grid's very last row.
        {caLoop, {2, 6}, VK_DOWN, "2,6"},
        {caSnake, {2, 7}, VK_DOWN, "3,1", false},
    };
    grid->SetFixedRightCols(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Mode) + " key " + std::to_string(c.Key) + " from " + Cell(c.Start.X, c.Start.Y));
        grid->SetFixedFooters(c.Footer ? 1 : 0);
        grid->Navigation()->CursorAdvance = c.Mode;
        grid->FocusCell(c.Start.X, c.Start.Y);
        h.Press(c.Key);
        EXPECT_EQ(Current(), c.Current);
    }
}

TEST_F(KeyGridTest, DownAndUpSkipDisabledRows)
{
    grid->SetRowEnabled(4, false);
    grid->SetRowEnabled(5, false);
    grid->FocusCell(2, 3);
    h.Press(VK_DOWN);
    EXPECT_EQ(Current(), "2,6");
    h.Press(VK_UP);
    EXPECT_EQ(Current(), "2,3");
    grid->SetRowEnabled(6, false);
    grid->SetRowEnabled(7, false);
    h.Press(VK_DOWN);
    EXPECT_EQ(Current(), "2,3") << "no enabled row follows: the cursor stays";
}

TEST_F(KeyGridTest, CtrlDownAndUpMoveTheSelectedRows)
{
    grid->Navigation()->CursorMoveRows = true;
    grid->FocusCell(2, 2);
    h.Press(VK_DOWN, ssCtrl);
    EXPECT_EQ(Text(2, 3), "2,2");
    EXPECT_EQ(Text(2, 2), "2,3");
    EXPECT_EQ(Current(), "2,3");

    grid->SetOptions(grid->Options() | goRangeSelect);
    grid->SetSelection({1, 3, 1, 5});
    h.Press(VK_UP, ssCtrl);
    // Rows 3-5 held "1,2", "1,4", "1,5" after the first move; they go up by one over row 2.
    EXPECT_EQ(Text(1, 2), "1,2");
    EXPECT_EQ(Text(1, 3), "1,4");
    EXPECT_EQ(Text(1, 4), "1,5");
    EXPECT_EQ(Text(1, 5), "1,3");
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 5, 4}));

    grid->FocusCell(2, 7);
    const std::string last = Text(2, 7);
    h.Press(VK_DOWN, ssCtrl);
    EXPECT_EQ(Text(2, 7), last) << "the last row has nowhere to go";
}

TEST_F(KeyGridTest, SpaceOnACheckBoxTogglesItBeforeTheKeyEventAndEnterDoesNot)
{
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddCheckBox(2, 3, false, false);
    grid->OnKeyDown = [this](TObject*, Word& Key, TShiftState) { h.Log.Add("keydown " + std::to_string(Key)); };
    grid->FocusCell(2, 3);
    h.Press(VK_RETURN);
    bool state = true;
    grid->GetCheckBoxState(2, 3, state);
    EXPECT_FALSE(state);
    h.Log.Clear();
    h.Press(VK_SPACE);
    grid->GetCheckBoxState(2, 3, state);
    EXPECT_TRUE(state);
    ASSERT_GE(h.Log.Items().size(), 2u);
    EXPECT_EQ(h.Log.Items()[0], "check box click 2,3 on");
    EXPECT_EQ(h.Log.Items()[1], "keydown 32");
}

TEST_F(KeyGridTest, EnterOnACellThatMayNotBeEditedOnlyReportsTheKey)
{
    grid->SetOptions(grid->Options() | goEditing);
    grid->OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
    grid->OnKeyDown = [this](TObject*, Word& Key, TShiftState) { h.Log.Add("keydown " + std::to_string(Key)); };
    h.Press(VK_RETURN);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"keydown 13"}));
    EXPECT_FALSE(grid->EditMode());
}

TEST_F(KeyGridTest, EnterAndF2StartEditingUnderTheEditingStartModes)
{
    grid->OnKeyDown = [this](TObject*, Word& Key, TShiftState) { h.Log.Add("keydown " + std::to_string(Key)); };
    grid->OnCanEditCell = [](TObject*, Integer ARow, Integer, bool& CanEdit) { CanEdit = CanEdit && ARow != 2; };
    grid->MouseActions()->RangeSelectAndEdit = true;
    ASSERT_FALSE(grid->Options() & goEditing);
    grid->FocusCell(3, 2);
    h.Press(VK_F2);
    EXPECT_FALSE(grid->Options() & goEditing) << "a cell that may not be edited";
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"keydown 113"}));
    grid->FocusCell(3, 4);
    h.Press(VK_F2);
    EXPECT_TRUE(grid->Options() & goEditing);
    EXPECT_TRUE(grid->EditMode()) << "range-select-and-edit opens the editor";

    grid->MouseActions()->RangeSelectAndEdit = false;
    grid->HideInplaceEdit();
    grid->SetOptions(grid->Options() & ~TGridOptions(goEditing));
    grid->MouseActions()->SetEditOnDblClickOnly(true);
    grid->FocusCell(3, 2);
    h.Press(VK_RETURN);
    EXPECT_FALSE(grid->Options() & goEditing);
    grid->FocusCell(3, 4);
    h.Press(VK_RETURN);
    EXPECT_TRUE(grid->Options() & goEditing) << "double-click-only editing takes Enter as its start";
}

TEST_F(KeyGridTest, EnterAndF2OnMarkupControlsShownAsTextStartTheFirstControlsEditor)
{
    grid->SetOptions(grid->Options() | goEditing);
    const String controls = u"IP <control type=\"EDIT\" id=\"ip\" value=\"1\"> mask";
    const struct {
        const char* Name;
        bool Html;
        String Text;
        Word Key;
        std::vector<std::string> Log;
    } cases[] = {
        {"Enter", false, controls, VK_RETURN, {"next control 3,4 after ''"}},
        {"F2", false, controls, VK_F2, {"next control 3,4 after ''"}},
        {"shown as mark-up the key stops at the cell", true, controls, VK_RETURN, {}},
        {"no control", false, u"<b>bold</b>", VK_F2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->HideInplaceEdit();
        grid->EnableHTML = c.Html;
        grid->SetCellEx(3, 4, c.Text);
        grid->FocusCell(3, 4);
        h.Log.Clear();
        h.Press(c.Key);
        EXPECT_EQ(h.Log.Take(), c.Log);
    }
}

TEST_F(KeyGridTest, TabWithAutoEditOpensTheEditorAsAClickOnTheCellWould)
{
    grid->SetOptions(grid->Options() | goTabs);
    grid->Navigation()->AdvanceAutoEdit = true;
    // A click on the current cell switches editing on under range-select-and-edit; a Tab that
    // only showed the editor would find editing off and open nothing.
    grid->MouseActions()->RangeSelectAndEdit = true;
    ASSERT_FALSE(grid->Options() & goEditing);
    h.Press(VK_TAB);
    EXPECT_EQ(Current(), "4,4");
    EXPECT_TRUE(grid->Options() & goEditing);
    EXPECT_TRUE(grid->EditMode());
    grid->HideInplaceEdit();
    grid->Navigation()->AdvanceAutoEdit = false;
    h.Press(VK_TAB, ssShift);
    EXPECT_EQ(Current(), "3,4");
    EXPECT_FALSE(grid->EditMode()) << "without AdvanceAutoEdit";
}

TEST_F(KeyGridTest, ClipboardKeysAskTheirEventThenReachTheClipboard)
{
    struct Case {
        Word Key;
        TShiftState Shift;
        std::string Event;
        const char* Clipboard;  // after the key, which starts as "p"
        const char* Cell;       // the current cell 3,4 after the key
    };
    const Case cases[] = {
        {'C', ssCtrl, "copy", "3,4", "3,4"},
        {VK_INSERT, ssCtrl, "copy", "3,4", "3,4"},
        {'X', ssCtrl, "cut", "3,4", ""},
        {VK_DELETE, ssShift, "cut", "3,4", ""},
        {'V', ssCtrl, "paste", "p", "p"},
        {VK_INSERT, ssShift, "paste", "p", "p"},
    };
    bool allow = true;
    auto note = [&](const char* Name) {
        return [&, Name](TObject*, bool& Allow) {
            h.Log.Add(Name);
            Allow = allow;
        };
    };
    grid->OnClipboardCopy = note("copy");
    grid->OnClipboardCut = note("cut");
    grid->OnClipboardPaste = note("paste");
    grid->SetOptions(grid->Options() | goEditing);
    grid->Navigation()->AllowClipboardShortCuts = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Event + " " + std::to_string(c.Key));
        for (const bool allowed : {false, true}) {
            allow = allowed;
            grid->SetCellEx(3, 4, u"3,4");
            grid->FocusCell(3, 4);
            Clipboard()->SetAsText(u"p");
            h.Press(c.Key, c.Shift);
            EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{c.Event}));
            EXPECT_EQ(StringToUtf8(Clipboard()->AsText()), allowed ? c.Clipboard : "p") << allowed;
            EXPECT_EQ(Text(3, 4), allowed ? c.Cell : "3,4") << allowed;
            EXPECT_FALSE(grid->EditMode()) << "the key's character does not reach an editor";
        }
    }
    // Off, the keys reach no grid operation (an open editor may still take its own paste): a
    // grid paste would spread the two fields over two cells, a grid cut or copy replace them.
    grid->Navigation()->AllowClipboardShortCuts = false;
    Clipboard()->SetAsText(u"p\tq");
    for (const Case& c : cases) h.Press(c.Key, c.Shift);
    EXPECT_TRUE(h.Log.Items().empty());
    EXPECT_EQ(StringToUtf8(Clipboard()->AsText()), "p\tq");
    EXPECT_EQ(Text(4, 4), "4,4");
}

TEST_F(KeyGridTest, ArrowsJumpOverFixedCellsInsideTheDataArea)
{
    grid->OnIsFixedCell = [](TObject*, Integer ARow, Integer ACol, bool& IsFixed) {
        IsFixed = IsFixed || ACol == 2 || ARow == 3;
    };
    struct Case {
        TPoint Start;
        Word Key;
        std::string Current;
        TBiDiMode Mode = bdLeftToRight;
    };
    const Case cases[] = {
        {{1, 4}, VK_RIGHT, "3,4"},
        {{3, 4}, VK_LEFT, "1,4"},
        {{1, 4}, VK_UP, "1,2"},
        {{1, 2}, VK_DOWN, "1,4"},
        // With right-to-left alignment the columns run leftwards: Left jumps on, Right back.
        {{1, 4}, VK_LEFT, "3,4", bdRightToLeft},
        {{3, 4}, VK_RIGHT, "1,4", bdRightToLeft},
        // No fixed cell that way: the ordinary step, which runs leftwards too.
        {{3, 4}, VK_LEFT, "4,4", bdRightToLeft},
        {{4, 4}, VK_RIGHT, "3,4", bdRightToLeft},
        {{1, 4}, VK_UP, "1,2", bdRightToLeft},
        // Right-to-left reading alone keeps the layout, and so the arrows.
        {{1, 4}, VK_RIGHT, "3,4", bdRightToLeftNoAlign},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.Key) + " from " + Cell(c.Start.X, c.Start.Y) + " mode " +
                     std::to_string(c.Mode));
        grid->SetBiDiMode(c.Mode);
        grid->FocusCell(c.Start.X, c.Start.Y);
        h.Press(c.Key);
        EXPECT_EQ(Current(), c.Current);
    }
}

TEST_F(KeyGridTest, CtrlFShowsTheSearchFooter)
{
    ASSERT_FALSE(grid->SearchFooter()->Visible());
    h.Press('F', ssCtrl);
    EXPECT_TRUE(grid->SearchFooter()->Visible());
}

TEST_F(KeyGridTest, ASynchronisedGridFollowsTheKeys)
{
    auto* other = new TExtStringGrid(form);
    other->SetParent(form);
    other->SetBounds(10, 420, 300, 50);
    other->SetColCount(6);
    other->SetRowCount(8);
    grid->SyncGrid()->SetGrid(other);
    grid->SyncGrid()->SelectionColumn = true;
    grid->SyncGrid()->SelectionRow = true;
    h.Press(VK_DOWN);
    h.Press(VK_RIGHT);
    EXPECT_EQ(Cell(other->Col(), other->Row()), "4,5");
}

}  // namespace
}  // namespace gw::test
