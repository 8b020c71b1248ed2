// A grid of six columns on a shown form for the mouse tests: the header row and four data rows,
// with the members the tests look at reachable and the block focus hooks only noted.
#pragma once

#include "tests/grid/interaction/edit_grid_fixture.h"

#include <string>

namespace gw::test {

// The grid with the members the mouse tests look at; the block focus hooks (built elsewhere)
// only noted.
class TMouseGrid : public TExtStringGrid {
public:
    using TExtStringGrid::ClearDraggedCells;
    using TExtStringGrid::FDroppedBlock;
    using TExtStringGrid::FDropSelection;
    using TExtStringGrid::FFixedCellPushed;
    using TExtStringGrid::FixedCellCombo;
    using TExtStringGrid::FixedCellEdit;
    using TExtStringGrid::FLastHintPos;
    using TExtStringGrid::FNoMouseLeave;
    using TExtStringGrid::FPushedCellButton;
    using TExtStringGrid::FSizeFixed;
    using TExtStringGrid::FSizeFixedR;
    using TExtStringGrid::FSizingHintWnd;
    using TExtStringGrid::GridState;
    using TExtStringGrid::FHoverButton;
    using TExtStringGrid::FHotFixedCell;
    using TExtStringGrid::HeaderDragButton;
    using TExtStringGrid::HideEditor;
    using TExtStringGrid::MoveForm;
    using TExtStringGrid::TExtStringGrid;
    Integer BlockFocusStarts = 0;
    Integer BlockFocusEnds = 0;

protected:
    void DoStartBlockFocus() override { ++BlockFocusStarts; }
    void DoEndBlockFocus() override { ++BlockFocusEnds; }
};

// Five columns, the header row and four data rows; column 1 holds c, a, d, b.
class MouseGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 640, 480);
        grid = new TMouseGrid(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 600, 300);
        grid->SetColCount(6);
        grid->SetRowCount(5);
        grid->SetFixedCols(0);
        const char16_t* texts[] = {u"c", u"a", u"d", u"b"};
        for (Integer r = 1; r < 5; ++r) {
            grid->SetCellEx(0, r, IntToStr(r));
            grid->SetCellEx(1, r, texts[r - 1]);
            grid->SetCellEx(2, r, IntToStr(10 - r));
        }
        form->Show();
        grid->SetFocus();
        h.ProcessMessages();
    }

    TPoint Centre(Integer ACol, Integer ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // A click well apart in time from the one before, so that two never make a double click.
    void ClickHeader(Integer ACol, TShiftState Shift = 0)
    {
        h.Advance(1000);
        h.Click(grid, Centre(ACol, 0), mbLeft, Shift);
    }
    std::string Column(Integer ACol) const
    {
        std::string s;
        for (Integer r = 1; r < grid->RowCount(); ++r) s += Utf8(grid->GetCellEx(ACol, r));
        return s;
    }

    THarness h;
    TForm* form = nullptr;
    TMouseGrid* grid = nullptr;
};

}  // namespace gw::test
