// Check boxes and radio buttons: states, clicks, keys, accelerators and grouping.
#include "platform/controls/check_box.h"
#include "platform/controls/panel.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class CheckBoxTest : public StdControlsTest {};

TEST_F(CheckBoxTest, ClickCyclesStatesAndEveryChangeClicks)
{
    auto* cb = new TCheckBox(form);
    cb->SetParent(form);
    cb->SetBounds(10, 10, 120, 17);
    cb->SetCaption(u"Enable internet");
    std::vector<TCheckBoxState> seen;
    cb->OnClick = [&](TObject*) { seen.push_back(cb->State()); };
    ShowForm();
    ClickCentre(cb);
    ClickCentre(cb);
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
    cb->AllowGrayed = true;
    ClickCentre(cb);
    ClickCentre(cb);
    ClickCentre(cb);
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbGrayed, cbChecked, cbUnchecked}));
    // The program's changes click too (the options window relies on it); no change, no click.
    cb->SetChecked(true);
    cb->SetChecked(true);
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_TRUE(cb->Checked());
}

TEST_F(CheckBoxTest, PressOutsideAndDisabledDoNotToggle)
{
    auto* cb = new TCheckBox(form);
    cb->SetParent(form);
    cb->SetBounds(10, 10, 120, 17);
    ShowForm();
    TPoint inside = cb->ClientToScreen({5, 5});
    InjectMouse(TMouseAction::Down, inside);
    InjectMouse(TMouseAction::Move, cb->ClientToScreen({200, 5}));
    InjectMouse(TMouseAction::Up, cb->ClientToScreen({200, 5}));
    Pump();
    EXPECT_FALSE(cb->Checked()) << "released outside: no toggle";
    cb->SetEnabled(false);
    ClickCentre(cb);
    EXPECT_FALSE(cb->Checked());
}

TEST_F(CheckBoxTest, SpaceAndAcceleratorToggle)
{
    auto* a = new TCheckBox(form);
    a->SetParent(form);
    a->SetBounds(10, 10, 120, 17);
    auto* b = new TCheckBox(form);
    b->SetParent(form);
    b->SetBounds(10, 40, 120, 17);
    b->SetCaption(u"&Gateway");
    ShowForm();
    a->SetFocus();
    Key(VK_SPACE);
    EXPECT_TRUE(a->Checked());
    Key(Word('G'), {VK_MENU});
    EXPECT_TRUE(b->Focused());
    EXPECT_TRUE(b->Checked());
    // In a dialog the letter alone works when the focused control takes no characters.
    Key(Word('G'));
    EXPECT_FALSE(b->Checked());
}

TEST_F(CheckBoxTest, RadioButtonsOfOneParentExcludeEachOther)
{
    auto* p1 = new TPanel(form);
    p1->SetParent(form);
    p1->SetBounds(0, 0, 200, 100);
    auto* p2 = new TPanel(form);
    p2->SetParent(form);
    p2->SetBounds(0, 120, 200, 100);
    std::vector<TRadioButton*> r;
    for (int i = 0; i < 3; ++i) {
        auto* b = new TRadioButton(form);
        b->SetParent(p1);
        b->SetBounds(10, 10 + 25 * i, 100, 17);
        r.push_back(b);
    }
    auto* other = new TRadioButton(form);
    other->SetParent(p2);
    other->SetBounds(10, 10, 100, 17);
    other->SetChecked(true);
    int clicks = 0;
    for (auto* b : r) b->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();

    ClickCentre(r[1]);
    EXPECT_TRUE(r[1]->Checked());
    EXPECT_EQ(clicks, 1);
    r[0]->SetChecked(true);
    EXPECT_FALSE(r[1]->Checked());
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(other->Checked()) << "another parent is another group";
    // Only the checked button is a tab stop; unchecking does not click.
    EXPECT_TRUE(r[0]->TabStop());
    EXPECT_FALSE(r[1]->TabStop());
    r[0]->SetChecked(false);
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckBoxTest, ArrowKeysMoveTheRadioChoice)
{
    std::vector<TRadioButton*> r;
    for (int i = 0; i < 3; ++i) {
        auto* b = new TRadioButton(form);
        b->SetParent(form);
        b->SetBounds(10, 10 + 25 * i, 100, 17);
        r.push_back(b);
    }
    r[2]->SetEnabled(false);
    r[0]->SetChecked(true);
    ShowForm();
    r[0]->SetFocus();
    Key(VK_DOWN);
    EXPECT_TRUE(r[1]->Focused());
    EXPECT_TRUE(r[1]->Checked());
    Key(VK_DOWN);  // skips the disabled one, round the end
    EXPECT_TRUE(r[0]->Checked());
    Key(VK_UP);
    EXPECT_TRUE(r[1]->Checked());
}

}  // namespace
}  // namespace gw::test
