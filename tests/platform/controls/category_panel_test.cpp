// Category panels: order, surfaces, heights, collapsing and the group's vertical scrolling.
#include "platform/controls/category_panel.h"
#include "platform/controls/check_box.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class CategoryPanelTest : public StdControlsTest {
protected:
    void Build()
    {
        form->SetClientWidth(460);
        form->SetClientHeight(300);
        group = new TCategoryPanelGroup(form);
        group->SetParent(form);
        group->SetAlign(alClient);
        master = new TCategoryPanel(form);
        master->SetPanelGroup(group);
        master->SetCaption(u"2. RarudUra/ZU Vidira");
        hidden = new TCategoryPanel(form);
        hidden->SetPanelGroup(group);
        hidden->SetVisible(false);
        ethernet = new TCategoryPanel(form);
        ethernet->SetPanelGroup(group);
        ethernet->SetCaption(u"1. Ethernet");
        // The window's panel order: the network panel on top, the master below it.
        ethernet->SetTop(0);
        master->SetTop(ethernet->Top() + ethernet->Height());
        udp = new TCheckBox(form);
        udp->SetParent(ethernet);
        udp->SetBounds(8, 121, 120, 21);
        ethernet->SetHeight(udp->Top() + udp->Height() + group->HeaderHeight() + 12);
    }

    TCategoryPanelGroup* group = nullptr;
    TCategoryPanel* master = nullptr;
    TCategoryPanel* hidden = nullptr;
    TCategoryPanel* ethernet = nullptr;
    TCheckBox* udp = nullptr;
};

TEST_F(CategoryPanelTest, PanelsStackInOrderAndControlsSitBelowTheHeader)
{
    Build();
    auto panels = group->Panels();
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(panels[0], ethernet);
    EXPECT_EQ(ethernet->Top(), 0);
    EXPECT_EQ(ethernet->Height(), 121 + 21 + 24 + 12);
    EXPECT_EQ(master->Top(), ethernet->Height()) << "the hidden panel takes no room";
    EXPECT_EQ(ethernet->Width(), group->ClientRect().Width());
    EXPECT_EQ(udp->Parent(), ethernet->Surface());
    EXPECT_EQ(ethernet->Surface()->Top(), group->HeaderHeight());
    // The control ends 12 pixels above the panel's bottom.
    TPoint bottom = udp->ClientToScreen({0, udp->Height()});
    EXPECT_EQ(ethernet->ClientToScreen({0, ethernet->Height()}).Y - bottom.Y, 12);
}

TEST_F(CategoryPanelTest, CollapseAndExpandByHeaderClick)
{
    Build();
    int collapses = 0, expands = 0;
    ethernet->OnCollapse = [&](TObject*) { ++collapses; };
    ethernet->OnExpand = [&](TObject*) { ++expands; };
    Integer full = ethernet->Height();
    ShowForm();
    Click(ethernet, 40, 10);
    EXPECT_TRUE(ethernet->Collapsed());
    EXPECT_EQ(ethernet->Height(), group->HeaderHeight());
    EXPECT_EQ(master->Top(), group->HeaderHeight());
    EXPECT_FALSE(ethernet->Surface()->Visible());
    EXPECT_EQ(collapses, 1);
    // A click below the header of an expanded panel does not collapse it.
    Click(master, 40, group->HeaderHeight() + 20);
    EXPECT_FALSE(master->Collapsed());
    Click(ethernet, 40, 10);
    EXPECT_FALSE(ethernet->Collapsed());
    EXPECT_EQ(ethernet->Height(), full);
    EXPECT_EQ(expands, 1);
    // A height set while collapsed is the next expanded height.
    ethernet->Collapse();
    ethernet->SetHeight(100);
    EXPECT_EQ(ethernet->Height(), group->HeaderHeight());
    ethernet->Expand();
    EXPECT_EQ(ethernet->Height(), 100);
}

TEST_F(CategoryPanelTest, GroupScrollsWithScrollMessagesAndTheFormsWheelHandler)
{
    Build();
    master->SetHeight(400);
    ShowForm();
    TControlScrollBar* bar = group->VertScrollBar();
    ASSERT_TRUE(bar->IsScrollBarVisible());
    EXPECT_EQ(bar->Range(), ethernet->Height() + 400);
    EXPECT_LT(ethernet->Width(), 460) << "the bar takes its strip";
    group->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    group->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(bar->Position(), 8);
    EXPECT_EQ(ethernet->Top(), -8);
    EXPECT_EQ(master->Top(), ethernet->Height() - 8);

    // The window's wheel handler turns the wheel into line requests to the group.
    form->OnMouseWheel = [&](TObject*, TShiftState, Integer Delta, TPoint MousePos, bool& Handled) {
        TPoint p = group->ScreenToClient(MousePos);
        if (!PtInRect(group->ClientRect(), p)) return;
        Handled = true;
        for (Integer i = 0; i < 3; ++i) {
            group->Perform(WM_VSCROLL, Delta < 1 ? SB_LINEDOWN : SB_LINEUP, 0);
            group->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
        }
    };
    udp->SetFocus();
    Wheel(group, 50, 50, -WHEEL_DELTA);
    EXPECT_EQ(bar->Position(), 8 + 24);
    Wheel(group, 50, 50, WHEEL_DELTA);
    EXPECT_EQ(bar->Position(), 8);

    // At the end it stops; collapsing everything removes the bar and scrolls back.
    group->Perform(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(bar->Position(), bar->Range() - group->ClientRect().Height());
    group->CollapseAll();
    EXPECT_FALSE(bar->IsScrollBarVisible());
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(ethernet->Top(), 0);
}

}  // namespace
}  // namespace gw::test
