// The grid's balloon tooltips: one tooltip window however often they are switched on, freed when
// switched off, its delays and transparency from the settings.
#include "grid/model/balloon_settings.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/controls/balloon_tooltip.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

class TBalloonGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FBalloonTip;
    using TExtStringGrid::TExtStringGrid;
};

class BalloonsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 400, 300);
        grid = new TBalloonGrid(form);
        grid->SetParent(form);
        form->Show();
        h.ProcessMessages();
    }
    void TearDown() override { delete form; }
    TToolTipInfo Info() const
    {
        TToolTipInfo i;
        EXPECT_TRUE(GetToolTipInfo(grid->FBalloonTip, i));
        return i;
    }
    THarness h;
    TForm* form = nullptr;
    TBalloonGrid* grid = nullptr;
};

TEST_F(BalloonsTest, OneTooltipWindowHoweverOftenSwitchedOn)
{
    EXPECT_EQ(grid->FBalloonTip, HWND(0));
    grid->Balloon()->SetEnable(true);
    const HWND first = grid->FBalloonTip;
    ASSERT_TRUE(IsWindow(first));
    grid->Balloon()->SetEnable(true);
    EXPECT_EQ(grid->FBalloonTip, first) << "enabled twice: still the one window";
    const TToolTipInfo i = Info();
    EXPECT_EQ(i.Style & (TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON), Cardinal(67));
    EXPECT_EQ(i.ToolCount, 1);
    EXPECT_EQ(i.Title, u"ToolTipText");
    EXPECT_EQ(i.Icon, WPARAM(TTI_ERROR));

    grid->Balloon()->SetEnable(false);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(grid->FBalloonTip, HWND(0));
    grid->Balloon()->SetEnable(true);
    EXPECT_TRUE(IsWindow(grid->FBalloonTip));
    EXPECT_EQ(Info().ToolCount, 1);
}

TEST_F(BalloonsTest, DelaysAndTransparencyFromTheSettings)
{
    const TToolTipInfo defaults;
    grid->Balloon()->InitialDelay = -1;
    grid->Balloon()->ReshowDelay = 40;
    grid->Balloon()->AutoHideDelay = 9000;
    grid->Balloon()->SetEnable(true);
    TToolTipInfo i = Info();
    EXPECT_EQ(i.InitialDelay, defaults.InitialDelay) << "-1 leaves the control's own delay";
    EXPECT_EQ(i.ReshowDelay, 40);
    EXPECT_EQ(i.AutoPopDelay, 9000);
    EXPECT_EQ(GetWindowExStyle(grid->FBalloonTip) & WS_EX_LAYERED, 0u) << "transparency 0: opaque";

    grid->Balloon()->SetEnable(false);
    grid->Balloon()->Transparency = 55;
    grid->Balloon()->SetEnable(true);
    EXPECT_NE(GetWindowExStyle(grid->FBalloonTip) & WS_EX_LAYERED, 0u);
}

TEST(Balloons, AGridWithoutAWindowStartsThemWithItsWindow)
{
    THarness h;
    auto* form = new TForm(Application);
    auto* grid = new TBalloonGrid(form);
    grid->Balloon()->SetEnable(true);
    EXPECT_EQ(grid->FBalloonTip, HWND(0));
    grid->SetParent(form);
    form->Show();
    h.ProcessMessages();
    EXPECT_TRUE(IsWindow(grid->FBalloonTip));
    const HWND tip = grid->FBalloonTip;
    delete form;
    EXPECT_FALSE(IsWindow(tip)) << "freed with the grid";
}

}  // namespace
}  // namespace gw
