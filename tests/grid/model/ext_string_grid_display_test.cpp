// The string grid's display setters (those that copy into the grid's own objects, the offset,
// the program-wide highlight pair, the always-shown scroll bars, the theme switch) and its one
// selection listener, told by each cell change.
#include "grid/foundation/markup_language.h"
#include "grid/foundation/search_footer.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/progress_appearance.h"
#include "platform/backends/headless/harness.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/scope.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class CountingGrid : public TExtStringGrid {
public:
    CountingGrid() : TExtStringGrid(nullptr) {}
    void Invalidate() override
    {
        ++Invalidates;
        TExtStringGrid::Invalidate();
    }
    int Invalidates = 0;
};

struct Listener : ITExtStringGridSelect {
    void SelectionChanged(Integer ACol, Integer ARow) override
    {
        Told.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    }
    std::vector<std::string> Told;
};

class ExtStringGridDisplay : public ::testing::Test {
protected:
    THarness h;
    CountingGrid g;
};

TEST_F(ExtStringGridDisplay, TheRowIndicatorAndProgressAppearanceAreCopiedIn)
{
    TBitmap picture;
    picture.SetSize(12, 9);
    g.SetRowIndicator(&picture);
    ASSERT_NE(g.RowIndicator(), &picture);
    EXPECT_EQ(g.RowIndicator()->Width(), 12);
    EXPECT_EQ(g.RowIndicator()->Height(), 9);

    TGridProgressAppearance appearance;
    appearance.SetCompleteColor(TColor(0x123456));
    const int before = g.Invalidates;
    g.SetProgressAppearance(&appearance);
    ASSERT_NE(g.ProgressAppearance(), &appearance);
    EXPECT_EQ(g.ProgressAppearance()->CompleteColor(), TColor(0x123456));
    EXPECT_GT(g.Invalidates, before) << "the copied appearance repaints the grid";
}

TEST_F(ExtStringGridDisplay, OneSelectionListenerAtATime)
{
    Listener first, second;
    g.RegisterSelListener(&first);
    g.RegisterSelListener(&second);
    EXPECT_EQ(g.SelListener(), &second) << "the last one replaces the first";
    g.UnRegisterSelListener(&first);
    EXPECT_EQ(g.SelListener(), nullptr) << "unregistering clears whatever is registered";
}

TEST_F(ExtStringGridDisplay, TheOffsetRepaintsEveryTimeAndItsUpdateStoresOnly)
{
    EXPECT_EQ(g.XYOffset, (TPoint{2, 2}));
    int before = g.Invalidates;
    g.SetXYOffset(TPoint{5, 4});
    EXPECT_EQ(g.XYOffset, (TPoint{5, 4}));
    EXPECT_EQ(g.TotalXOffset(), 10);
    EXPECT_GT(g.Invalidates, before);
    before = g.Invalidates;
    g.SetXYOffset(TPoint{5, 4});
    EXPECT_GT(g.Invalidates, before) << "repaints also when unchanged";
    before = g.Invalidates;
    g.UpdateXYOffset(1, 3);
    EXPECT_EQ(g.XYOffset, (TPoint{1, 3}));
    EXPECT_EQ(g.Invalidates, before);
}

TEST_F(ExtStringGridDisplay, TheLastGridToChangeAHighlightColourSetsThePairForEveryGrid)
{
    const TMarkupHighlightColors saved = MarkupHighlightColors();
    TScopeExit restore{[&] { SetMarkupHighlightColors(saved.Background, saved.Text); }};
    CountingGrid other;
    g.SetHighlightColor(TColor(0x00FFFF));
    EXPECT_EQ(MarkupHighlightColors().Background, TColor(0x00FFFF));
    EXPECT_EQ(MarkupHighlightColors().Text, clHighlightText);
    other.SetHighlightTextColor(TColor(0x0000FF));
    // The other grid's pair: its own background (still the default) and its new text colour.
    EXPECT_EQ(MarkupHighlightColors().Background, clHighlight);
    EXPECT_EQ(MarkupHighlightColors().Text, TColor(0x0000FF));
    EXPECT_EQ(g.HighlightColor, TColor(0x00FFFF));
    EXPECT_EQ(other.HighlightTextColor, TColor(0x0000FF));
    // An unchanged colour neither repaints nor takes the pair back.
    const int before = g.Invalidates;
    g.SetHighlightColor(TColor(0x00FFFF));
    EXPECT_EQ(g.Invalidates, before);
    EXPECT_EQ(MarkupHighlightColors().Background, clHighlight);
    g.SetHighlightTextColor(TColor(0x00FF00));
    EXPECT_GT(g.Invalidates, before);
    EXPECT_EQ(MarkupHighlightColors().Background, TColor(0x00FFFF));
    EXPECT_EQ(MarkupHighlightColors().Text, TColor(0x00FF00));
}

TEST_F(ExtStringGridDisplay, AlwaysShownScrollBarsApplyAtOnce)
{
    std::unique_ptr<TForm> form(new TForm(Application));
    form->SetBounds(0, 0, 600, 500);
    auto* grid = new TExtStringGrid(form.get());
    grid->SetParent(form.get());
    grid->SetRowCount(5);
    grid->SetColCount(3);
    form->Show();
    h.ProcessMessages();
    ASSERT_EQ(GetWindowStyle(grid->Handle()) & WS_VSCROLL, 0u);
    grid->SetScrollBarAlways(saVert);
    EXPECT_EQ(grid->ScrollBarAlways, saVert);
    EXPECT_NE(GetWindowStyle(grid->Handle()) & WS_VSCROLL, 0u);
    EXPECT_EQ(GetScrollBarArrowsOff(grid->Handle(), SB_VERT), UINT(ESB_DISABLE_BOTH));
    grid->SetScrollBarAlways(saNone);
    EXPECT_EQ(GetWindowStyle(grid->Handle()) & WS_VSCROLL, 0u);
}

TEST_F(ExtStringGridDisplay, TheThemeSwitchReachesTheSearchFooterAndRepaintsWhenSwitchedOn)
{
    struct Step {
        bool Value;
        bool FooterAdapts;
        bool Repaints;
    };
    for (const Step& s : {Step{true, true, true}, Step{true, true, false}, Step{false, false, false}}) {
        const int before = g.Invalidates;
        g.SetAutoThemeAdapt(s.Value);
        EXPECT_EQ(g.AutoThemeAdapt, s.Value);
        EXPECT_EQ(g.SearchFooter()->AutoThemeAdapt(), s.FooterAdapts) << s.Value;
        EXPECT_EQ(g.Invalidates > before, s.Repaints) << s.Value;
    }
}

// The listener hears the grid's column and the row asked for on every cell change the grid
// takes part in, also when the move is refused.
TEST_F(ExtStringGridDisplay, TheSelectionListenerHearsEachCellChange)
{
    std::unique_ptr<TForm> form(new TForm(Application));
    form->SetBounds(0, 0, 600, 500);
    auto* grid = new TExtStringGrid(form.get());
    grid->SetParent(form.get());
    grid->SetRowCount(6);
    grid->SetColCount(4);
    form->Show();
    h.ProcessMessages();
    Listener listener;
    grid->RegisterSelListener(&listener);
    grid->SetRow(3);
    grid->SetCol(2);
    EXPECT_EQ(listener.Told, (std::vector<std::string>{"1,3", "1,3"}));
    listener.Told.clear();
    grid->OnCellChanging = [](TObject*, Integer, Integer, Integer, Integer, bool& Allow) { Allow = false; };
    grid->SetRow(5);
    EXPECT_EQ(listener.Told, (std::vector<std::string>{"2,5"}));
    EXPECT_EQ(grid->Row(), 3);
    grid->UnRegisterSelListener(&listener);
    grid->OnCellChanging = nullptr;
    listener.Told.clear();
    grid->SetRow(4);
    EXPECT_TRUE(listener.Told.empty());
}

}  // namespace
}  // namespace gw::test
