// The footer panel and the pointer: the column found by adding widths from the left edge (the
// fixed columns, then from the first scrolled-in column), and a click passed on as the grid's.
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/hint_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace gw::test {
namespace {

class TPanelGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FFooterPanel;
    using TExtStringGrid::TExtStringGrid;
};

class FooterPanelInput : public ::testing::Test {
protected:
    THarness h;

    // A shown form holding a grid of three 50-pixel columns and 4 rows with a visible footer.
    static TPanelGrid* ShownGrid(std::unique_ptr<TForm>& Form)
    {
        Form.reset(new TForm(Application));
        Form->SetBounds(0, 0, 500, 400);
        auto* grid = new TPanelGrid(Form.get());
        grid->SetColCount(3);
        grid->SetRowCount(4);
        for (Integer c = 0; c < 3; ++c) grid->SetColWidths(c, 50);
        grid->FloatingFooter()->SetVisible(true);
        grid->FloatingFooter()->SetHeight(26);
        grid->SetParent(Form.get());
        Form->Show();
        grid->HandleNeeded();
        grid->FFooterPanel->HandleNeeded();
        return grid;
    }
};

TEST_F(FooterPanelInput, TheColumnUnderThePointerCountsTheFixedColumnsThenTheScrolledOnes)
{
    TPanelGrid g(nullptr);
    g.SetColCount(6);
    g.SetFixedCols(1);
    for (Integer c = 0; c < 6; ++c) g.SetColWidths(c, 40);
    const TFooterPanel& panel = *g.FFooterPanel;
    struct Case {
        Integer LeftCol;
        Integer X;
        Integer Column;
    };
    for (const Case& c : {Case{1, 0, 0}, Case{1, 40, 0}, Case{1, 41, 1}, Case{1, 120, 2}, Case{3, 41, 3},
                          Case{3, 121, 5}, Case{3, 161, -1}}) {
        g.SetLeftCol(c.LeftCol);
        EXPECT_EQ(panel.ColumnAt(c.X), c.Column) << "LeftCol " << c.LeftCol << ", x " << c.X;
    }
}

TEST_F(FooterPanelInput, RightToLeftTheColumnsAreCountedFromTheRightEdge)
{
    std::unique_ptr<TForm> form;
    TPanelGrid& g = *ShownGrid(form);
    g.SetBiDiMode(bdRightToLeft);
    const TFooterPanel& panel = *g.FFooterPanel;
    const Integer w = panel.ClientWidth();
    ASSERT_GT(w, 150);
    struct Case {
        Integer FromRight;  // pixels left of the right edge
        Integer Column;
    };
    for (const Case& c : {Case{0, 0}, Case{49, 0}, Case{51, 1}, Case{99, 1}, Case{101, 2}, Case{149, 2}, Case{151, -1}})
        EXPECT_EQ(panel.ColumnAt(w - 1 - c.FromRight), c.Column) << c.FromRight << " from the right";
}

TEST_F(FooterPanelInput, AClickIsTheGridsClickOnTheFooterRow)
{
    std::unique_ptr<TForm> form;
    TPanelGrid* grid = ShownGrid(form);
    std::vector<std::string> events;
    grid->OnClick = [&](TObject* Sender) { events.push_back(Sender == grid ? "click" : "click elsewhere"); };
    grid->OnClickCell = [&](TObject* Sender, Integer ARow, Integer ACol) {
        events.push_back((Sender == grid ? "cell " : "cell elsewhere ") + std::to_string(ARow) + "," +
                         std::to_string(ACol));
    };
    h.Click(grid->FFooterPanel, TPoint{75, 5});
    EXPECT_EQ(events, (std::vector<std::string>{"click", "cell 3,1"}));
}

TEST_F(FooterPanelInput, HintsAreTheColumnsAndOnlyWithTheFootersShowHint)
{
    std::unique_ptr<TForm> form;
    TPanelGrid* grid = ShownGrid(form);
    TFooterPanel* panel = grid->FFooterPanel;
    grid->OnGridHint = [](TObject*, Integer ARow, Integer ACol, String& HintStr) {
        HintStr = u"row " + IntToStr(ARow) + u" column " + IntToStr(ACol);
    };
    auto showing = [] { return Application->HintWindow() && Application->HintWindow()->IsShowing(); };

    grid->FloatingFooter()->SetShowHint(true);
    h.MoveTo(panel, {75, 5});
    h.Advance(600);
    ASSERT_TRUE(showing());
    EXPECT_EQ(Application->HintWindow()->Caption(), u"row 3 column 1");
    EXPECT_EQ(panel->FLastHintX, 1);
    h.MoveTo(panel, {20, 5});
    EXPECT_FALSE(showing()) << "another column cancels the hint";
    EXPECT_EQ(panel->FLastHintX, 0);
    h.MoveTo(grid, {5, 5});
    EXPECT_EQ(panel->FLastHintX, -1) << "leaving the panel forgets the column";

    grid->FloatingFooter()->SetShowHint(false);
    h.MoveTo(panel, {75, 5});
    h.Advance(600);
    EXPECT_FALSE(showing());
    EXPECT_EQ(panel->FLastHintX, -1);
}

}  // namespace
}  // namespace gw::test
