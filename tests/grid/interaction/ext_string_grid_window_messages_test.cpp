// The string grid's window messages and shared cell tests: the grid timer's ticks (incremental
// search, hovering, blinking), the update lock against painting, sizing with proportional and
// stretched columns, following the owner form, and which cells hover and take the cursor.
#include "grid/foundation/navigation.h"
#include "grid/model/column_size.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <set>
#include <string>
#include <vector>

namespace gw::test {
namespace {

std::string Cell(Integer C, Integer R) { return std::to_string(C) + "," + std::to_string(R); }

// The grid with its repaints and paints counted and its search text reachable.
class TMessageTestGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    std::multiset<std::string> Repainted;
    Integer Paints = 0;
    void SetSearchText(const String& Text)
    {
        SearchInc = Text;
        SearchTics = 0;
    }
    Integer Ticks() const { return FTimerTicks; }
    void AnnounceCursorChange() { Invokedchange = true; }
    void MarkFixedCellHover(Integer ACol, Integer ARow)
    {
        FHoverFixedX = ACol;
        FHoverFixedY = ARow;
        FSizeFixed = FSizeFixedR = FNoMouseLeave = true;
    }
    // The hover cell and the three edge flags, as "col,row edge-flags".
    std::string FixedCellMarks() const
    {
        return Cell(FHoverFixedX, FHoverFixedY) + " " + std::to_string(FSizeFixed) + std::to_string(FSizeFixedR) +
            std::to_string(FNoMouseLeave);
    }
    bool Blink() const { return FGridBlink; }
    void RepaintCell(Integer ACol, Integer ARow) override
    {
        Repainted.insert(Cell(ACol, ARow));
        TExtStringGrid::RepaintCell(ACol, ARow);
    }

protected:
    void Paint() override
    {
        ++Paints;
        TExtStringGrid::Paint();
    }
};

// 6 columns (column 0 fixed, column 5 fixed right) by 20 rows (row 0 fixed, row 19 a footer).
class GridMessagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 640, 480);
        grid = new TMessageTestGrid(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 420, 200);
        grid->SetColCount(6);
        grid->SetRowCount(20);
        grid->SetFixedRightCols(1);
        grid->SetFixedFooters(1);
        form->Show();
        grid->SetFocus();
        grid->FocusCell(1, 1);
        h.ProcessMessages();
    }

    // Moves the virtual clock on until the grid timer has ticked Count more times.
    void Ticks(Integer Count)
    {
        const Integer until = grid->Ticks() + Count;
        while (grid->Ticks() < until) h.Advance(50);
    }
    TPoint CellCentre(Integer ACol, Integer ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    std::string Current() const { return Cell(grid->Col(), grid->Row()); }

    THarness h;
    TForm* form = nullptr;
    TMessageTestGrid* grid = nullptr;
};

TEST_F(GridMessagesTest, TheIncrementalSearchTextIsForgottenOnTheFourthQuietTick)
{
    grid->Navigation()->AutoGotoIncremental = true;
    grid->SetSearchText(u"ab");
    Ticks(3);
    EXPECT_EQ(grid->IncrSearchText(), u"ab");
    Ticks(1);
    EXPECT_EQ(grid->IncrSearchText(), u"");

    grid->Navigation()->AutoGotoIncremental = false;
    grid->SetSearchText(u"ab");
    Ticks(5);
    EXPECT_EQ(grid->IncrSearchText(), u"ab");
}

TEST_F(GridMessagesTest, HoveringMakesTheDataCellUnderTheRestingMouseCurrent)
{
    grid->Hovering = true;
    h.MoveTo(grid, CellCentre(0, 4));
    Ticks(1);
    EXPECT_EQ(Current(), "1,1") << "a fixed cell changes nothing";
    h.MoveTo(grid, CellCentre(3, 4));
    Ticks(1);
    EXPECT_EQ(Current(), "3,4");
    grid->Hovering = false;
    h.MoveTo(grid, CellCentre(2, 2));
    Ticks(1);
    EXPECT_EQ(Current(), "3,4");
}

TEST_F(GridMessagesTest, ABlinkTickRepaintsOnlyShownCellsWithTheBlinkTag)
{
    grid->EnableHTML = true;
    grid->EnableBlink = true;
    const String blink = u"<BLINK>x</BLINK>";
    grid->SetCellEx(2, 2, blink);
    grid->SetCellEx(3, 3, u"<blink>lower case</blink>");
    grid->SetCellEx(0, 3, blink);
    grid->SetCellEx(2, 0, blink);
    grid->SetCellEx(0, 0, blink);  // the fixed corner
    grid->SetCellEx(4, 18, blink);  // below the shown rows
    grid->SetCellEx(4, 2, u"plain");
    ASSERT_LT(grid->TopRow() + grid->VisibleRowCount(), 18);
    const bool phase = grid->Blink();
    grid->Repainted.clear();
    Ticks(1);
    EXPECT_NE(grid->Blink(), phase);
    EXPECT_EQ(grid->Repainted, (std::multiset<std::string>{"2,2", "3,3", "0,3", "2,0"}));

    grid->EnableBlink = false;
    grid->Repainted.clear();
    Ticks(1);
    EXPECT_TRUE(grid->Repainted.empty());
}

TEST_F(GridMessagesTest, TheUpdateLockPaintsOnceWhenItsLastLevelEnds)
{
    grid->Paints = 0;
    grid->BeginUpdate();
    grid->BeginUpdate();
    grid->Invalidate();
    h.ProcessMessages();
    EXPECT_EQ(grid->Paints, 0);
    grid->EndUpdate();
    h.ProcessMessages();
    EXPECT_EQ(grid->Paints, 0);
    EXPECT_TRUE(grid->LockUpdate());
    grid->EndUpdate();
    h.ProcessMessages();
    EXPECT_EQ(grid->Paints, 1);
    EXPECT_FALSE(grid->LockUpdate());

    // Unmatched: the count stays 0 and the grid repaints.
    grid->EndUpdate();
    h.ProcessMessages();
    EXPECT_EQ(grid->Paints, 2);
    EXPECT_FALSE(grid->LockUpdate());

    // StartUpdate locks painting without the redraw switch; ResetUpdate drops every level.
    grid->StartUpdate();
    grid->StartUpdate();
    grid->Invalidate();
    h.ProcessMessages();
    EXPECT_EQ(grid->Paints, 2);
    grid->ResetUpdate();
    EXPECT_FALSE(grid->LockUpdate());
}

// The grid's pixels on its form's picture, row by row.
std::vector<uint32_t> GridPixels(THarness& H, TForm* Form, TControl* Grid)
{
    cairo_surface_t* s = H.Display().NativeWindow(Form->Handle())->Surface.get();
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    std::vector<uint32_t> pixels;
    for (Integer y = Grid->Top(); y < Grid->Top() + Grid->Height(); ++y)
        for (Integer x = Grid->Left(); x < Grid->Left() + Grid->Width(); ++x)
            pixels.push_back(*reinterpret_cast<const uint32_t*>(data + y * stride + x * 4));
    return pixels;
}

// Cells written under the lock mark nothing one by one (a table's row moves write thousands);
// the lock's end repaints the grid whole, so the screen equals a full repaint of the new text.
TEST_F(GridMessagesTest, CellsWrittenUnderTheLockShowWhenItEnds)
{
    const std::vector<uint32_t> before = GridPixels(h, form, grid);
    const Cardinal invalidations = h.Invalidations();
    grid->Paints = 0;
    grid->BeginUpdate();
    for (Integer r = 1; r < 19; ++r)
        for (Integer c = 0; c < 6; ++c) grid->SetCellEx(c, r, u"W" + IntToStr(c * 100 + r));
    EXPECT_EQ(h.Invalidations(), invalidations) << "no cell is marked while the lock holds";
    h.ProcessMessages();
    EXPECT_EQ(grid->Paints, 0);
    grid->EndUpdate();
    h.ProcessMessages();
    EXPECT_EQ(grid->Paints, 1);
    const std::vector<uint32_t> shown = GridPixels(h, form, grid);
    EXPECT_NE(shown, before) << "the new text is on the screen";
    grid->Invalidate();
    h.ProcessMessages();
    EXPECT_EQ(shown, GridPixels(h, form, grid)) << "what the lock's end showed is the whole new picture";

    // Without the lock a write marks its cell at once.
    const Cardinal unlocked = h.Invalidations();
    grid->SetCellEx(2, 3, u"Z");
    EXPECT_GT(h.Invalidations(), unlocked);
    h.ProcessMessages();
    EXPECT_EQ(grid->Paints, 3);
}

TEST_F(GridMessagesTest, AHiddenGridTakesNoUpdateLock)
{
    grid->SetVisible(false);
    grid->SetLockUpdate(true);
    EXPECT_FALSE(grid->LockUpdate());
    grid->SetVisible(true);
    grid->SetLockUpdate(true);
    EXPECT_TRUE(grid->LockUpdate());
    grid->SetLockUpdate(false);
    EXPECT_FALSE(grid->LockUpdate());
}

TEST_F(GridMessagesTest, ResizingScalesSynchronisedColumnsByTheRecordedWidths)
{
    grid->SetColCount(5);
    for (Integer c = 0; c < 5; ++c) grid->SetColWidths(c, 80);
    grid->SetBounds(10, 10, 400, 200);
    grid->InitOrigColSizes();
    grid->SetColCount(6);
    grid->SetColWidths(5, 33);
    grid->ColumnSize()->SynchWithGrid = true;
    grid->SetBounds(10, 10, 600, 200);
    h.ProcessMessages();
    // A single border adds two pixels to the client width the scale is taken from.
    const Integer expected = Integer(80.0 * (grid->ClientWidth() + 2) / 400);
    EXPECT_GT(expected, 80);
    for (Integer c = 0; c < 5; ++c) EXPECT_EQ(grid->ColWidths(c), expected) << c;
    EXPECT_EQ(grid->ColWidths(5), 33) << "a column beyond the record keeps its width";

    grid->ColumnSize()->SynchNormalCellsOnly = true;
    grid->BorderStyle = bsNone;
    grid->SetBounds(10, 10, 400, 200);
    EXPECT_EQ(grid->ColWidths(0), expected) << "the fixed column is left alone";
    EXPECT_EQ(grid->ColWidths(1), Integer(80.0 * grid->ClientWidth() / 400));
}

TEST_F(GridMessagesTest, ResizingFillsTheStretchColumnAndReportsTheResize)
{
    Integer resized = 0;
    grid->OnResize = [&](TObject*) { ++resized; };
    for (Integer c = 0; c < 6; ++c) grid->SetColWidths(c, 40);
    grid->ColumnSize()->SetStretch(true);
    resized = 0;
    grid->SetBounds(10, 10, 500, 200);
    h.ProcessMessages();
    Integer total = 0;
    for (Integer c = 0; c < 6; ++c) total += grid->ColWidths(c);
    EXPECT_EQ(grid->ColWidths(0), 40);
    EXPECT_GT(grid->ColWidths(5), 40);
    EXPECT_GE(total, grid->ClientWidth() - 6) << "the last column fills the client width";
    EXPECT_GE(resized, 1);
}

TEST_F(GridMessagesTest, AFormShrinkingTheGridToNothingIsIgnoredAndGrowingBackRestoresIt)
{
    grid->SizeWithForm = true;
    form->SetBounds(100, 100, 640, 480);
    const Integer width = grid->Width();
    form->SetBounds(100, 100, 640 - width - 10, 480);
    EXPECT_EQ(grid->Width(), width);
    form->SetBounds(100, 100, 700, 480);
    EXPECT_EQ(grid->Width(), width + 60) << "measured from the form's last accepted size";
}

TEST_F(GridMessagesTest, HoverFixedCellsByTheSetting)
{
    struct Case {
        THoverFixedCells Setting;
        std::string Hovering;  // of 0,0 / 0,3 / 3,0 / 3,3 / fixed right 5,3 / footer 3,19
    };
    const Case cases[] = {
        {hfNone, "000000"},
        {hfAll, "111000"},
        {hfFixedRows, "101000"},
        {hfFixedColumns, "110000"},
    };
    const TPoint cells[] = {{0, 0}, {0, 3}, {3, 0}, {3, 3}, {5, 3}, {3, 19}};
    for (const Case& c : cases) {
        grid->HoverFixedCells = c.Setting;
        std::string got;
        for (TPoint p : cells) got += grid->IsHoverFixedCell(p.X, p.Y) ? '1' : '0';
        EXPECT_EQ(got, c.Hovering) << int(c.Setting);
    }
}

TEST_F(GridMessagesTest, SelectableCellsSkipFixedReadOnlyAndRefusedCells)
{
    EXPECT_EQ(grid->FirstSelectableCol(3), 1);
    EXPECT_EQ(grid->LastSelectableCol(3), 4) << "not the fixed right column";
    EXPECT_EQ(grid->FirstSelectableCol(0), -1) << "a fixed row";

    grid->OnSelectCell = [](TObject*, Integer ACol, Integer, bool& CanSelect) { CanSelect = CanSelect && ACol != 1; };
    EXPECT_EQ(grid->FirstSelectableCol(3), 2);
    grid->OnSelectCell = [](TObject*, Integer, Integer, bool& CanSelect) { CanSelect = false; };
    EXPECT_EQ(grid->FirstSelectableCol(3), -1);
    EXPECT_EQ(grid->LastSelectableCol(3), -1);
    grid->OnSelectCell = nullptr;

    grid->SetOptions(grid->Options() | goEditing);
    grid->OnCanEditCell = [](TObject*, Integer, Integer ACol, bool& CanEdit) { CanEdit = ACol >= 3; };
    EXPECT_EQ(grid->FirstSelectableCol(3), 3);
}

TEST_F(GridMessagesTest, OnlyACursorChangeTheMouseMoveAnnouncedKeepsTheHeaderSelectMode)
{
    grid->MouseSelectMode = msColumn;
    grid->AnnounceCursorChange();
    grid->SetCursor(crHandPoint);
    EXPECT_EQ(grid->MouseSelectMode, msColumn);
    grid->SetCursor(crDefault);
    EXPECT_EQ(grid->MouseSelectMode, msNormal) << "the announcement covered one change only";

    grid->MouseSelectMode = msRow;
    grid->SetCursor(crHandPoint);
    EXPECT_EQ(grid->MouseSelectMode, msNormal);
}

TEST_F(GridMessagesTest, ResettingTheFixedCellHighlightUnmarksAndRepaintsTheHoverCell)
{
    const struct {
        THoverFixedCells Setting;
        TPoint Hover;
        std::string Marks;
        std::multiset<std::string> Repainted;
    } cases[] = {
        {hfAll, {2, 0}, "-1,-1 000", {"2,0"}},
        {hfFixedRows, {-1, 0}, "-1,-1 000", {"-1,0"}},
        {hfNone, {2, 0}, "2,0 000", {}},  // no hover look to end: only the edge flags go
        {hfAll, {-1, -1}, "-1,-1 000", {}},
    };
    for (const auto& c : cases) {
        grid->HoverFixedCells = c.Setting;
        grid->MarkFixedCellHover(c.Hover.X, c.Hover.Y);
        grid->Repainted.clear();
        grid->ResetFixedCellHighlight();
        EXPECT_EQ(grid->FixedCellMarks(), c.Marks) << int(c.Setting);
        EXPECT_EQ(grid->Repainted, c.Repainted) << int(c.Setting);
    }
}

TEST_F(GridMessagesTest, VisibleFixedRightColumnsLeaveHiddenOnesOut)
{
    grid->SetFixedRightCols(2);
    EXPECT_EQ(grid->VisibleFixedRightCols(), 2);
    grid->HideColumn(5);
    EXPECT_EQ(grid->VisibleFixedRightCols(), 1);
    EXPECT_EQ(grid->FirstNavigableCol(), 1);
}

}  // namespace
}  // namespace gw::test
