// Controls shown inside cells follow their cells: placed over the cell, hidden while the cell is
// scrolled out of view or its row is hidden; and the block-focus notifications.
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/button.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class TBlockFocusGrid : public TExtStringGrid {
public:
    using TExtStringGrid::DoEndBlockFocus;
    using TExtStringGrid::DoStartBlockFocus;
    using TExtStringGrid::TExtStringGrid;
};

class CellControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 640, 480);
        grid = new TBlockFocusGrid(form);
        grid->SetParent(form);
        grid->SetColCount(5);
        grid->SetRowCount(30);
        grid->SetDefaultRowHeight(20);
        grid->SetBounds(10, 10, 400, 240);
        form->Show();
        h.ProcessMessages();
        button = new TButton(form);
        grid->SetCellControls(2, 3, button);
    }

    void ExpectOverCell(Integer ACol, Integer ARow)
    {
        const TRect r = grid->CellRect(ACol, ARow);
        EXPECT_TRUE(button->Visible());
        EXPECT_EQ(button->Left(), r.Left - 1);
        EXPECT_EQ(button->Top(), r.Top - 1);
        EXPECT_EQ(button->Width(), r.Right - r.Left + 1);
        EXPECT_EQ(button->Height(), r.Bottom - r.Top + 1);
    }

    THarness h;
    TForm* form = nullptr;
    TBlockFocusGrid* grid = nullptr;
    TButton* button = nullptr;
};

TEST_F(CellControls, AControlFollowsItsCellInAndOutOfView)
{
    ExpectOverCell(2, 3);
    grid->SetTopRow(10);
    grid->CellControlsUpdate(false);
    EXPECT_FALSE(button->Visible()) << "scrolled out of view";
    grid->SetTopRow(2);
    grid->CellControlsUpdate(false);
    ExpectOverCell(2, 3);
    grid->SetRowHeights(1, 40);
    grid->SetTopRow(1);
    grid->CellControlsUpdate(false);
    ExpectOverCell(2, 3);
}

TEST_F(CellControls, AHiddenRowHidesItsControl)
{
    grid->HideRow(3);
    grid->CellControlsUpdate(false);
    EXPECT_FALSE(button->Visible());
}

TEST_F(CellControls, RebuildingFindsTheControlsOfTheCells)
{
    auto* other = new TButton(form);
    grid->SetCellControls(1, 4, other);
    EXPECT_EQ(grid->CellControlCount(), 2);
    grid->CellControlsUpdate(true);
    EXPECT_EQ(grid->CellControlCount(), 2);
    ExpectOverCell(2, 3);
    const TRect r = grid->CellRect(1, 4);
    EXPECT_EQ(other->Left(), r.Left - 1);
}

TEST_F(CellControls, BlockFocusHooksFireTheirEvents)
{
    std::vector<std::string> log;
    grid->DoStartBlockFocus();
    grid->OnStartBlockFocus = [&](TObject* Sender) { log.push_back(Sender == grid ? "start" : "?"); };
    grid->OnEndBlockFocus = [&](TObject* Sender) { log.push_back(Sender == grid ? "end" : "?"); };
    grid->DoStartBlockFocus();
    grid->DoEndBlockFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"start", "end"}));
}

}  // namespace
}  // namespace gw::test
