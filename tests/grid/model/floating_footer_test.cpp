// The floating footer's settings and panel as the grid object uses them: defaults, what
// Visible, FooterStyle and Height change in the panel and the grid, Assign, the panel's window
// creation, and the footer row that stays the last row while RowCount changes.
#include "grid/foundation/cell_properties.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/font.h"
#include "platform/runtime/convert.h"
#include "platform/ui/forms.h"
#include "tests/grid/model/defaults_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

// Opens the footer row flag and panel; the footer calculation (the calculations' room) is
// recorded.
class TFooterGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FFooterPanel;
    using TExtStringGrid::FHideLastRow;
    using TExtStringGrid::TExtStringGrid;
    void CalcFooter(Integer ACol) override { Calcs.push_back(ACol); }
    std::vector<Integer> Calcs;
};

class FloatingFooter : public ::testing::Test {
protected:
    THarness h;
    TFooterGrid g{nullptr};
    TFloatingFooter& f = *g.FloatingFooter();
};

TEST_F(FloatingFooter, ANewFooterHasEveryDefault)
{
    const DefaultRow rows[] = {
        {"BorderColor", I(f.BorderColor()), I(0x1FFFFFFF)},
        {"CalculateHiddenRows", I(f.CalculateHiddenRows), I(true)},
        {"Color", I(f.Color()), I(clBtnFace)},
        {"Column", I(f.Column()), I(0)},
        {"CustomTemplate", S(f.CustomTemplate()), S(u"")},
        {"FooterStyle", I(f.FooterStyle()), I(fsFixedLastRow)},
        {"ShowHint", I(f.ShowHint()), I(false)},
        {"Visible", I(f.Visible()), I(false)},
        {"Height", I(f.Height()), I(g.DefaultRowHeight())},
        {"EnableCalculation", I(f.EnableCalculation), I(true)},
        {"panel align", I(g.FFooterPanel->Align()), I(alBottom)},
        {"panel border width", I(g.FFooterPanel->BorderWidth()), I(0)},
        {"panel is the grid's child", I(g.FFooterPanel->Parent() == &g), I(true)},
        {"panel hint column", I(g.FFooterPanel->FLastHintX), I(-1)},
    };
    for (const DefaultRow& r : rows) EXPECT_EQ(r.Actual, r.Expected) << r.Name << ": " << Show(r.Actual);
}

// Shown with fsFixedLastRow, the grid's last row is a fixed footer row the panel paints.
TEST_F(FloatingFooter, VisibleMakesTheLastRowTheFootersByStyle)
{
    struct TCase {
        TFooterStyle Style;
        bool Visible;
        Integer FixedFooters;
        bool HideLastRow;
    };
    const TCase cases[] = {{fsFixedLastRow, true, 1, true},   {fsFixedLastRow, false, 0, false},
                           {fsColumnPreview, true, 0, false}, {fsCustomPreview, true, 0, false},
                           {fsCustomPaint, true, 0, false},   {fsCustomPaint, false, 0, false}};
    f.SetHeight(30);
    for (const TCase& c : cases) {
        f.SetFooterStyle(c.Style);
        f.SetVisible(c.Visible);
        EXPECT_EQ(g.FixedFooters(), c.FixedFooters) << c.Style << " " << c.Visible;
        EXPECT_EQ(g.FHideLastRow, c.HideLastRow) << c.Style << " " << c.Visible;
        EXPECT_EQ(g.FFooterPanel->Visible(), c.Visible);
        EXPECT_FALSE(g.FFooterPanel->HandleAllocated()) << "no window before the grid has one";
        EXPECT_EQ(g.FFooterPanel->Height(), c.Visible ? 29 : 0) << "one less than Height while shown; " << c.Style;
    }
    f.SetVisible(true);
    f.SetFooterStyle(fsFixedLastRow);
    EXPECT_TRUE(g.FHideLastRow) << "the style alone brings the hidden last row back";
    f.SetHeight(0);
    f.SetVisible(true);
    EXPECT_EQ(g.FFooterPanel->Height(), 0) << "a footer of height 0 is 0 high, not -1";
}

TEST_F(FloatingFooter, AssignCopiesTheSettingsButNotSizeBorderOrEvent)
{
    TFooterGrid other(nullptr);
    TFloatingFooter& s = *other.FloatingFooter();
    s.CalculateHiddenRows = false;
    s.SetColor(clRed);
    s.SetColumn(3);
    s.SetCustomTemplate(u"<#1> ports");
    s.SetFooterStyle(fsFixedLastRow);
    s.SetVisible(true);
    s.SetShowHint(true);
    s.SetBorderColor(clBlue);
    s.SetHeight(40);
    s.EnableCalculation = false;
    s.OnCalcFooter = [](TObject*, Integer, Integer, String&) {};
    f.Assign(&s);
    EXPECT_FALSE(f.CalculateHiddenRows);
    EXPECT_EQ(f.Color(), clRed);
    EXPECT_EQ(f.Column(), 3);
    EXPECT_EQ(StringToUtf8(f.CustomTemplate()), "<#1> ports");
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(g.FixedFooters(), 1) << "Visible goes through its setter";
    EXPECT_TRUE(f.ShowHint());
    EXPECT_EQ(f.BorderColor(), clNone);
    EXPECT_EQ(f.Height(), 22);
    EXPECT_TRUE(f.EnableCalculation);
    EXPECT_FALSE(f.OnCalcFooter);
    TFont font;
    EXPECT_NO_THROW(f.Assign(&font));
    EXPECT_EQ(f.Column(), 3);
}

// The panel becomes the grid's child with the grid's window, shown as the footer is.
TEST_F(FloatingFooter, ThePanelComesWithTheGridsWindow)
{
    auto* form = new TForm(Application);
    auto* grid = new TFooterGrid(form);
    std::vector<TObject*> created;
    grid->OnCreatedFloatingFooter = [&](TObject* Sender) { created.push_back(Sender); };
    grid->FloatingFooter()->SetVisible(true);
    grid->FloatingFooter()->SetHeight(26);
    grid->SetParent(form);
    form->Show();
    grid->HandleNeeded();
    ASSERT_NE(grid->FFooterPanel, nullptr);
    EXPECT_EQ(grid->FFooterPanel->Parent(), grid);
    EXPECT_TRUE(grid->FFooterPanel->Visible());
    grid->FFooterPanel->HandleNeeded();
    EXPECT_EQ(created, std::vector<TObject*>{grid});
    EXPECT_EQ(grid->FFooterPanel->Height(), 25) << "one less than the footer's height, as Visible gives";
    delete form;
}

// The footer row stays the last row, texts and properties, and is recalculated once.
TEST_F(FloatingFooter, TheFooterRowMovesWithTheEndOfTheGrid)
{
    f.SetVisible(true);
    g.SetCells(1, 9, u"45");
    g.GetCellProperties(1, 9)->FontColor = clRed;
    g.SetRowCount(12);
    EXPECT_EQ(StringToUtf8(g.Cells(1, 11)), "45");
    EXPECT_EQ(StringToUtf8(g.Cells(1, 9)), "") << "the former last row is left empty";
    EXPECT_FALSE(g.CellHasProperties(1, 9));
    ASSERT_TRUE(g.CellHasProperties(1, 11));
    EXPECT_EQ(g.GetCellProperties(1, 11)->FontColor, clRed);
    g.SetRowCount(6);
    EXPECT_EQ(StringToUtf8(g.Cells(1, 5)), "45") << "shrinking keeps it too";
    EXPECT_EQ(g.GetCellProperties(1, 5)->FontColor, clRed);
    g.SetRowCount(6);
    EXPECT_EQ(g.Calcs, (std::vector<Integer>{-1, -1})) << "only a changed count moves the row";
    f.SetVisible(false);
    g.SetRowCount(8);
    EXPECT_EQ(StringToUtf8(g.Cells(1, 5)), "45") << "without a visible footer rows stay where they are";
    EXPECT_EQ(g.Calcs.size(), 2u);
}

// A row added under a visible footer goes before the footer row, empty; the footer keeps its
// text. Without a visible footer it is the last row.
TEST_F(FloatingFooter, AnAddedRowGoesBeforeTheFooterRow)
{
    for (const TFooterStyle style : {fsFixedLastRow, fsColumnPreview}) {
        g.SetRowCount(5);
        for (Integer r = 0; r < 5; ++r) g.SetCells(1, r, u"r" + IntToStr(r));
        f.SetFooterStyle(style);
        f.SetVisible(true);
        g.AddRow();
        ASSERT_EQ(g.RowCount(), 6) << style;
        EXPECT_EQ(StringToUtf8(g.Cells(1, 5)), "r4") << "the footer row stays last, style " << style;
        EXPECT_EQ(StringToUtf8(g.Cells(1, 3)), "r3") << style;
        if (style == fsFixedLastRow) {
            EXPECT_EQ(StringToUtf8(g.Cells(1, 4)), "") << "the new row is empty";
        }
        f.SetVisible(false);
    }
    g.SetRowCount(3);
    g.SetCells(1, 2, u"last");
    g.AddRow();
    EXPECT_EQ(StringToUtf8(g.Cells(1, 2)), "last");
    EXPECT_EQ(StringToUtf8(g.Cells(1, 3)), "");
}

TEST_F(FloatingFooter, TheDefaultRowHeightIsTheFootersHeight)
{
    g.SetDefaultRowHeight(30);
    EXPECT_EQ(f.Height(), 30);
    EXPECT_EQ(g.FFooterPanel->Height(), 29) << "a hidden footer's panel follows Height less one";
    f.SetVisible(true);
    g.SetDefaultRowHeight(24);
    EXPECT_EQ(g.FFooterPanel->Height(), 24) << "a shown footer's panel takes the row height";
}

}  // namespace
}  // namespace gw::test
