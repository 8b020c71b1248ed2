// Page controls: switching by click, arrows and Ctrl+Tab, the changing veto, hidden tabs.
#include "platform/controls/button.h"
#include "platform/controls/page_control.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class PageControlTest : public StdControlsTest {
protected:
    void Build()
    {
        pc = new TPageControl(form);
        pc->SetParent(form);
        pc->SetBounds(10, 10, 400, 300);
        for (const char16_t* caption : {u"Language", u"Connection", u"Settings"}) {
            auto* s = new TTabSheet(form);
            s->SetPageControl(pc);
            s->SetCaption(caption);
            sheets.push_back(s);
        }
        pc->OnChange = [this](TObject*) { changes.push_back(pc->ActivePageIndex()); };
    }

    TPageControl* pc = nullptr;
    std::vector<TTabSheet*> sheets;
    std::vector<Integer> changes;
};

TEST_F(PageControlTest, ActivePageShowsOneSheetInTheDisplayRect)
{
    Build();
    EXPECT_EQ(pc->PageCount(), 3);
    EXPECT_EQ(pc->ActivePage(), nullptr);
    pc->SetActivePage(sheets[1]);
    EXPECT_TRUE(sheets[1]->Visible());
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_EQ(sheets[1]->BoundsRect(), pc->DisplayRect());
    EXPECT_GT(pc->DisplayRect().Top, pc->TabHeight());
    EXPECT_TRUE(changes.empty()) << "the program's switch raises no OnChange";
    pc->SetActivePageIndex(2);
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    EXPECT_EQ(sheets[2]->PageIndex(), 2);
}

TEST_F(PageControlTest, ClickingATabSwitchesUnlessVetoed)
{
    Build();
    pc->SetActivePage(sheets[0]);
    ShowForm();
    TRect tab2 = pc->TabRect(2);
    Click(pc, (tab2.Left + tab2.Right) / 2, (tab2.Top + tab2.Bottom) / 2);
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    EXPECT_EQ(changes, std::vector<Integer>{2});

    bool allow = false;
    pc->OnChanging = [&](TObject*, bool& Allow) { Allow = allow; };
    TRect tab0 = pc->TabRect(0);
    Click(pc, (tab0.Left + tab0.Right) / 2, (tab0.Top + tab0.Bottom) / 2);
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    allow = true;
    Click(pc, (tab0.Left + tab0.Right) / 2, (tab0.Top + tab0.Bottom) / 2);
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
    // Below the tabs nothing switches.
    Click(pc, 200, 200);
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
}

TEST_F(PageControlTest, CtrlTabCyclesFromInsideAPageAndSkipsHiddenTabs)
{
    Build();
    auto* inside = new TButton(form);
    inside->SetParent(sheets[0]);
    auto* outside = new TButton(form);
    outside->SetParent(form);
    outside->SetBounds(10, 320, 75, 25);
    pc->SetActivePage(sheets[0]);
    sheets[1]->SetTabVisible(false);
    ShowForm();
    inside->SetFocus();
    Key(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    EXPECT_TRUE(pc->Focused()) << "the focus leaves the page that went away";
    Key(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
    Key(VK_TAB, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    EXPECT_EQ(changes, (std::vector<Integer>{2, 0, 2}));
    EXPECT_EQ(pc->TabCount(), 2);
    EXPECT_EQ(sheets[2]->TabIndex(), 1);
    // Arrows on the focused page control move between neighbouring tabs.
    Key(VK_LEFT);
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
    // Ctrl+Tab elsewhere on the form leaves the pages alone.
    outside->SetFocus();
    Key(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
}

TEST_F(PageControlTest, RemovingTheActivePageActivatesAnother)
{
    Build();
    pc->SetActivePage(sheets[1]);
    sheets[1]->SetPageControl(nullptr);
    EXPECT_EQ(pc->PageCount(), 2);
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    delete sheets[1];
    sheets[2]->SetPageIndex(0);
    EXPECT_EQ(pc->Pages(0), sheets[2]);
}

}  // namespace
}  // namespace gw::test
