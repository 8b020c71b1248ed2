// Harness tests of TListBox and TCheckListBox: selection by mouse and keys, OnClick on user
// changes only, multiple selection, type-to-select, items moving under the selection, checks.
#include "platform/controls/list_box.h"

#include "platform/backends/headless/harness.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 300, 300);
        list = new TListBox(form);
        list->SetParent(form);
        list->SetBounds(10, 10, 150, 100);
        for (const char16_t* s : {u"apple", u"banana", u"blueberry", u"cherry", u"date", u"elder", u"fig", u"grape",
                                  u"kiwi", u"lemon", u"mango"})
            list->Items()->Add(s);
        list->OnClick = [this](TObject*) { ++clicks; };
        form->Show();
        list->SetFocus();
        h.ProcessMessages();
    }
    TPoint ItemCentre(Integer i) const
    {
        const TRect r = list->ItemRect(i);
        return {r.Left + 10, (r.Top + r.Bottom) / 2};
    }

    THarness h;
    TForm* form = nullptr;
    TListBox* list = nullptr;
    int clicks = 0;
};

TEST_F(ListBoxTest, ClickAndKeysSelectAndRaiseOnClickButTheProgramDoesNot)
{
    h.Click(list, ItemCentre(2));
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    struct Case {
        Word key;
        Integer index;
    };
    const Case cases[] = {{VK_DOWN, 3}, {VK_UP, 2}, {VK_END, 10}, {VK_HOME, 0}, {VK_NEXT, list->VisibleCount() - 1}};
    for (const Case& c : cases) {
        h.Press(c.key);
        EXPECT_EQ(list->ItemIndex(), c.index) << int(c.key);
    }
    EXPECT_EQ(clicks, 6);
    list->SetItemIndex(4);
    EXPECT_EQ(clicks, 6);
    h.Press(VK_HOME);
    h.Press(VK_HOME);  // no change, no click
    EXPECT_EQ(clicks, 7);
}

TEST_F(ListBoxTest, TheSelectedItemScrollsIntoView)
{
    h.Press(VK_END);
    EXPECT_GT(list->TopIndex(), 0);
    EXPECT_GE(list->ItemIndex(), list->TopIndex());
    EXPECT_LT(list->ItemIndex(), list->TopIndex() + list->VisibleCount());
    h.Wheel(list, 3);
    EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListBoxTest, TypingSelectsTheNextMatchingItem)
{
    h.Type(u"b");
    EXPECT_EQ(list->ItemIndex(), 1);
    h.Type(u"b");
    EXPECT_EQ(list->ItemIndex(), 2) << "the same letter steps on";
    h.Advance(2000);
    h.Type(u"ch");
    EXPECT_EQ(list->ItemIndex(), 3);
    h.Advance(2000);
    h.Type(u"l");
    EXPECT_EQ(list->ItemIndex(), 9);
}

TEST_F(ListBoxTest, MultipleSelectionWithCtrlAndShift)
{
    list->SetMultiSelect(true);
    h.Click(list, ItemCentre(1));
    h.Click(list, ItemCentre(3), mbLeft, ssShift);
    EXPECT_EQ(list->SelCount(), 3);
    h.Click(list, ItemCentre(2), mbLeft, ssCtrl);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_FALSE(list->Selected(2));
    EXPECT_TRUE(list->Selected(3));
    EXPECT_THROW(list->Selected(99), EListError);
}

TEST_F(ListBoxTest, TheSelectionStaysOnItsItemWhenItemsMove)
{
    list->SetItemIndex(3);  // cherry
    list->Items()->Insert(0, u"first");
    EXPECT_EQ(list->Items()->Strings(list->ItemIndex()), u"cherry");
    list->Items()->Delete(1);
    EXPECT_EQ(list->Items()->Strings(list->ItemIndex()), u"cherry");
    list->Items()->Delete(list->ItemIndex());
    EXPECT_EQ(list->ItemIndex(), -1);
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    h.Press(VK_DOWN);  // nothing to select
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListBoxTest, OwnerDrawCallsTheEventForEachVisibleItem)
{
    std::vector<Integer> drawn;
    list->SetStyle(lbOwnerDrawFixed);
    list->OnDrawItem = [&](TWinControl*, Integer Index, TRect, TOwnerDrawState State) {
        drawn.push_back(Index);
        if (Index == 0) {
            EXPECT_TRUE(State & odSelected);
        }
    };
    list->SetItemIndex(0);
    list->Repaint();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front(), 0);
    // The fully visible items and the one cut by the bottom edge.
    EXPECT_EQ(Integer(drawn.size()), list->VisibleCount() + 1);
}

TEST_F(ListBoxTest, DoubleClickRaisesOnDblClick)
{
    int dbl = 0;
    list->OnDblClick = [&](TObject*) { ++dbl; };
    h.DoubleClick(list, ItemCentre(1));
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(list->ItemIndex(), 1);
}

TEST(CheckListBox, BoxClicksAndSpaceToggleAndRaiseOnClickCheck)
{
    THarness h;
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 300, 300);
    auto* list = new TCheckListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 150, 100);
    list->Items()->Add(u"one");
    list->Items()->Add(u"two");
    list->Items()->Add(u"three");
    int checks = 0;
    list->OnClickCheck = [&](TObject*) { ++checks; };
    form->Show();
    list->SetFocus();
    const TRect r = list->ItemRect(1);
    h.Click(list, {r.Left + 6, (r.Top + r.Bottom) / 2});
    EXPECT_TRUE(list->Checked(1));
    h.Click(list, {r.Left + 60, (r.Top + r.Bottom) / 2});  // on the text: selects only
    EXPECT_TRUE(list->Checked(1));
    h.Press(VK_SPACE);
    EXPECT_FALSE(list->Checked(1));
    EXPECT_EQ(checks, 2);
    list->AllowGrayed = true;
    h.Press(VK_SPACE);
    h.Press(VK_SPACE);
    EXPECT_EQ(list->State(1), cbGrayed);
    list->Items()->Insert(0, u"zero");
    EXPECT_EQ(list->State(2), cbGrayed) << "the check moves with its item";
    list->SetItemEnabled(2, false);
    h.Press(VK_SPACE);
    EXPECT_EQ(list->State(2), cbGrayed);
}

}  // namespace
}  // namespace gw::test
