// Layout: Align in its order, Anchors on resize, client size, scaling, parent font and colour,
// windows following their controls.
#include "test_controls.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class Layout : public ::testing::Test {
protected:
    TWinControl* Child(TWinControl* Parent, TRect Bounds, TAlign Align = alNone)
    {
        auto* c = new TCustomControl(form);
        c->SetBoundsRect(Bounds);
        c->SetAlign(Align);
        c->SetParent(Parent);
        return c;
    }
    THarness h;
    TForm* form = MakeForm(Application, Rect(0, 0, 400, 300));
};

TEST_F(Layout, AlignedControlsShareTheClientAreaInOrder)
{
    TWinControl* client = Child(form, Rect(0, 0, 10, 10), alClient);
    TWinControl* left = Child(form, Rect(0, 0, 50, 10), alLeft);
    TWinControl* top2 = Child(form, Rect(0, 100, 10, 120), alTop);
    TWinControl* top1 = Child(form, Rect(0, 0, 10, 30), alTop);
    TWinControl* bottom = Child(form, Rect(0, 0, 10, 25), alBottom);
    TWinControl* right = Child(form, Rect(0, 0, 40, 10), alRight);
    EXPECT_EQ(top1->BoundsRect(), Rect(0, 0, 400, 30)) << "the upper one of two top controls comes first";
    EXPECT_EQ(top2->BoundsRect(), Rect(0, 30, 400, 50));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 275, 400, 300));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 50, 50, 275));
    EXPECT_EQ(right->BoundsRect(), Rect(360, 50, 400, 275));
    EXPECT_EQ(client->BoundsRect(), Rect(50, 50, 360, 275));
    form->SetBounds(0, 0, 500, 400);
    EXPECT_EQ(client->BoundsRect(), Rect(50, 50, 460, 375));
    top2->Hide();
    EXPECT_EQ(left->BoundsRect(), Rect(0, 30, 50, 375)) << "hidden controls take no room";
}

TEST_F(Layout, AnchorsKeepDistancesWhenTheParentResizes)
{
    TWinControl* fixed = Child(form, Rect(10, 10, 60, 30));
    TWinControl* right = Child(form, Rect(300, 10, 380, 30));
    right->SetAnchors(akTop | akRight);
    TWinControl* wide = Child(form, Rect(10, 200, 390, 280));
    wide->SetAnchors(akLeft | akTop | akRight | akBottom);
    TWinControl* centred = Child(form, Rect(180, 140, 220, 160));
    centred->SetAnchors(0);
    form->SetBounds(0, 0, 500, 400);
    EXPECT_EQ(fixed->BoundsRect(), Rect(10, 10, 60, 30));
    EXPECT_EQ(right->BoundsRect(), Rect(400, 10, 480, 30));
    EXPECT_EQ(wide->BoundsRect(), Rect(10, 200, 490, 380));
    EXPECT_EQ(centred->BoundsRect(), Rect(230, 190, 270, 210));
    form->SetBounds(0, 0, 400, 300);
    EXPECT_EQ(wide->BoundsRect(), Rect(10, 200, 390, 280)) << "back to the start";
}

TEST_F(Layout, ClientSizeScalingAndParentFontAndColour)
{
    form->SetClientWidth(250);
    form->SetClientHeight(120);
    EXPECT_EQ(form->Width(), 250) << "windows here have no frame of their own";
    EXPECT_EQ(form->Height(), 120);
    TWinControl* c = Child(form, Rect(10, 20, 110, 40));
    form->Font()->SetName(u"Arial");
    EXPECT_EQ(c->Font()->Name(), u"Arial") << "ParentFont follows the parent";
    c->Font()->SetStyle(fsBold);
    EXPECT_FALSE(c->ParentFont());
    form->Font()->SetName(u"Tahoma");
    EXPECT_EQ(c->Font()->Name(), u"Arial");
    form->SetColor(clYellow);
    EXPECT_EQ(c->Color(), clYellow);
    c->ChangeScale(3, 2);
    EXPECT_EQ(c->BoundsRect(), Rect(15, 30, 165, 60));
    form->SetBounds(40, 50, 200, 100);
    form->ScaleBy(2, 1);
    EXPECT_EQ(form->BoundsRect(), Rect(40, 50, 440, 250)) << "a form keeps its place and grows";
    EXPECT_EQ(c->BoundsRect(), Rect(30, 60, 330, 120)) << "its children scale with it";
    EXPECT_EQ(c->Font()->Height(), -34) << "a font of its own scales too (-11, -17, -34)";
    EXPECT_EQ(form->Font()->Height(), -22);
}

TEST_F(Layout, TheClientSizeIsNewAlreadyWhileTheBoundsChange)
{
    TWinControl* c = Child(form, Rect(10, 10, 110, 60));
    form->Show();
    Integer seen = 0;
    c->OnResize = [&](TObject*) { seen = c->ClientWidth(); };
    c->SetWidth(150);
    EXPECT_EQ(seen, 150) << "handlers of the resize see the new size, not the window's old one";
}

TEST_F(Layout, TheControlFollowsAWindowTheDisplayResized)
{
    TWinControl* client = Child(form, Rect(0, 0, 10, 10), alClient);
    int resizes = 0;
    form->OnResize = [&](TObject*) { ++resizes; };
    form->Show();
    MoveWindow(form->Handle(), Rect(50, 60, 650, 460));
    EXPECT_EQ(form->BoundsRect(), Rect(50, 60, 650, 460));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 0, 600, 400));
    EXPECT_EQ(resizes, 1);
}

TEST_F(Layout, PositionPlacesTheFormWhenFirstShown)
{
    form->Position = poScreenCenter;
    form->SetBounds(0, 0, 400, 300);
    form->Show();
    EXPECT_EQ(form->BoundsRect(), Bounds(760, 370, 400, 300)) << "centred in the work area above the task bar";
    EXPECT_EQ(Screen->WorkAreaRect(), Rect(0, 0, 1920, 1040));
}

TEST_F(Layout, RecreatingAWindowKeepsChildrenAndFocus)
{
    TWinControl* panel = Child(form, Rect(10, 10, 200, 100));
    auto* inner = new TCustomControl(form);
    inner->SetBounds(5, 5, 50, 20);
    inner->SetTabStop(true);
    inner->SetParent(panel);
    form->Show();
    panel->SetTabStop(true);
    panel->SetFocus();
    HWND oldPanel = panel->Handle(), oldInner = inner->Handle();
    panel->RecreateWnd();
    EXPECT_NE(panel->Handle(), oldPanel);
    EXPECT_NE(inner->Handle(), oldInner);
    EXPECT_FALSE(IsWindow(oldInner));
    EXPECT_EQ(GetParent(inner->Handle()), panel->Handle());
    EXPECT_EQ(GetFocus(), panel->Handle());
    EXPECT_EQ(FindControl(panel->Handle()), panel);
}

TEST_F(Layout, TheWindowFollowsTheControl)
{
    TWinControl* c = Child(form, Rect(10, 20, 110, 40));
    form->Show();
    EXPECT_EQ(GetWindowBounds(c->Handle()), Rect(10, 20, 110, 40));
    EXPECT_EQ(c->ClientToScreen({0, 0}), (TPoint{10, 20}));
    c->SetLeft(30);
    EXPECT_EQ(GetWindowBounds(c->Handle()), Rect(30, 20, 130, 40));
    c->Hide();
    EXPECT_FALSE(IsWindowVisible(c->Handle()));
    c->Show();
    c->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(c->Handle()));
    c->SetParent(nullptr);
    EXPECT_FALSE(c->HandleAllocated()) << "a control without a parent gives its window up";
    c->SetParent(form);
    EXPECT_TRUE(c->HandleAllocated());
    delete c;
}

}  // namespace
}  // namespace gw::test
