// Buttons: clicks, modal results, Enter on the default and Escape on the cancel button, actions.
#include "platform/controls/actions.h"
#include "platform/controls/button.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class ButtonTest : public StdControlsTest {};

// A push button of another family (as the image button is): it handles Enter itself.
class TOtherPushButton : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    bool IsPushButton() const override { return true; }
};

TEST_F(ButtonTest, ClickAndSpaceClickOnce)
{
    auto* b = new TButton(form);
    b->SetParent(form);
    b->SetBounds(10, 10, 75, 25);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();
    ClickCentre(b);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->Focused());
    Key(VK_SPACE);
    EXPECT_EQ(clicks, 2);
    b->SetEnabled(false);
    ClickCentre(b);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, DefaultAndCancelKeysInAModalForm)
{
    auto* ok = new TButton(form);
    ok->SetParent(form);
    ok->SetBounds(10, 10, 75, 25);
    ok->SetDefault(true);
    ok->ModalResult = mrOk;
    auto* cancel = new TButton(form);
    cancel->SetParent(form);
    cancel->SetBounds(100, 10, 75, 25);
    cancel->Cancel = true;
    cancel->ModalResult = mrCancel;
    auto* box = new TCustomControl(form);  // something that is not a button takes the focus
    box->SetParent(form);
    box->SetTabStop(true);
    box->SetBounds(10, 50, 50, 20);
    form->ActiveControl();

    script.push_back([&] {
        box->SetFocus();
        InjectKey(VK_RETURN, true);
        InjectKey(VK_RETURN, false);
    });
    EXPECT_EQ(form->ShowModal(), mrOk);

    script.push_back([&] {
        InjectKey(VK_ESCAPE, true);
        InjectKey(VK_ESCAPE, false);
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);

    // Enter on a focused button clicks that button, not the default one.
    script.push_back([&] {
        cancel->SetFocus();
        InjectKey(VK_RETURN, true);
        InjectKey(VK_RETURN, false);
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);

    // A focused push button of any kind keeps Enter from the default button.
    auto* other = new TOtherPushButton(form);
    other->SetParent(form);
    other->SetTabStop(true);
    other->SetBounds(100, 50, 50, 20);
    script.push_back([&] {
        other->SetFocus();
        InjectKey(VK_RETURN, true);
        InjectKey(VK_RETURN, false);
    });
    script.push_back([&] {
        InjectKey(VK_ESCAPE, true);
        InjectKey(VK_ESCAPE, false);
    });
    EXPECT_EQ(form->ShowModal(), mrCancel) << "Enter on the other push button did not close the form";
}

TEST_F(ButtonTest, ActionGivesCaptionStateAndClick)
{
    auto* list = new TActionList(form);
    auto* action = new TAction(form);
    action->SetActionList(list);
    action->SetCaption(u"&Check");
    int runs = 0;
    action->OnExecute = [&](TObject* Sender) {
        EXPECT_EQ(Sender, action);
        ++runs;
    };
    auto* b = new TButton(form);
    b->SetParent(form);
    b->SetAction(action);
    EXPECT_EQ(b->Caption(), u"&Check");
    ShowForm();
    ClickCentre(b);
    EXPECT_EQ(runs, 1);
    action->SetEnabled(false);
    EXPECT_FALSE(b->Enabled());
    action->SetEnabled(true);
    action->SetCaption(u"Check &again");
    EXPECT_EQ(b->Caption(), u"Check &again");
    // A caption of its own stops following the action.
    b->SetCaption(u"Mine");
    action->SetCaption(u"Other");
    EXPECT_EQ(b->Caption(), u"Mine");
    // The list may handle the action first.
    list->OnExecute = [](TBasicAction*, bool& Handled) { Handled = true; };
    ClickCentre(b);
    EXPECT_EQ(runs, 1);
    // A freed action leaves the button working without it.
    delete action;
    EXPECT_EQ(b->Action(), nullptr);
    ClickCentre(b);
}

TEST(Actions, LinkReportsActionChanges)
{
    TAction a(nullptr);
    TControl client(nullptr);
    TControlActionLink link(&client);
    std::vector<TBasicAction*> seen;
    link.OnActionChange = [&](TBasicAction* Action) { seen.push_back(Action); };
    link.SetAction(&a);
    a.SetImageIndex(3);
    EXPECT_EQ(seen, (std::vector<TBasicAction*>{&a, &a}));
    link.SetAction(nullptr);
    a.SetImageIndex(4);
    EXPECT_EQ(seen.size(), 3u) << "a link without the action hears nothing more";
}

TEST(Actions, CheckedGroupAndAutoCheck)
{
    TActionList list(nullptr);
    TAction a(nullptr), b(nullptr);
    a.SetActionList(&list);
    b.SetActionList(&list);
    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    a.SetChecked(true);
    b.SetChecked(true);
    EXPECT_FALSE(a.Checked());
    b.AutoCheck = true;
    EXPECT_FALSE(b.Execute()) << "no handler: not handled";
    EXPECT_FALSE(b.Checked());
    b.SetEnabled(false);
    b.OnExecute = [](TObject*) {};
    EXPECT_FALSE(b.Execute()) << "a disabled action does not run";
    EXPECT_EQ(list.ActionCount(), 2);
}

}  // namespace
}  // namespace gw::test
