// Speed buttons: groups with exclusive down state, AllowAllUp, ungrouped buttons, glyph images.
#include "platform/controls/panel.h"
#include "platform/controls/speed_button.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class SpeedButtonTest : public StdControlsTest {
protected:
    TSpeedButton* Make(TWinControl* Parent, Integer Group, Integer X)
    {
        auto* b = new TSpeedButton(form);
        b->SetParent(Parent);
        b->SetBounds(X, 10, 23, 22);
        b->SetGroupIndex(Group);
        b->OnClick = [this](TObject*) { ++clicks; };
        return b;
    }
    int clicks = 0;
};

TEST_F(SpeedButtonTest, GroupKeepsOneButtonDown)
{
    auto* a = Make(form, 1, 10);
    auto* b = Make(form, 1, 40);
    auto* other = Make(form, 2, 70);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 100, 200, 50);
    auto* elsewhere = Make(panel, 1, 10);
    other->SetDown(true);
    elsewhere->SetDown(true);
    ShowForm();

    ClickCentre(a);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), bsExclusive);
    ClickCentre(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
    EXPECT_TRUE(other->Down()) << "another group";
    EXPECT_TRUE(elsewhere->Down()) << "another parent";
    // Without AllowAllUp the down button stays down when clicked again.
    ClickCentre(b);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(clicks, 3);
    // AllowAllUp spreads to the group and lets the last one go up.
    a->SetAllowAllUp(true);
    ClickCentre(b);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(a->Down());
}

TEST_F(SpeedButtonTest, UngroupedButtonNeverStaysDownAndReleaseOutsideDoesNotClick)
{
    auto* a = Make(form, 0, 10);
    a->SetDown(true);
    EXPECT_FALSE(a->Down());
    ShowForm();
    InjectMouse(TMouseAction::Move, a->ClientToScreen({5, 5}));
    InjectMouse(TMouseAction::Down, a->ClientToScreen({5, 5}));
    Pump();
    EXPECT_EQ(a->State(), bsDown);
    InjectMouse(TMouseAction::Move, a->ClientToScreen({100, 5}));
    Pump();
    EXPECT_EQ(a->State(), bsUp) << "dragged off: shown up";
    InjectMouse(TMouseAction::Up, a->ClientToScreen({100, 5}));
    Pump();
    EXPECT_EQ(clicks, 0);
    ClickCentre(a);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(a->Down());
    a->SetEnabled(false);
    ClickCentre(a);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonTest, GlyphImagesAndLayout)
{
    auto* a = Make(form, 1, 10);
    a->SetBounds(10, 10, 80, 24);
    TBitmap strip(64, 16);  // four 16 x 16 images side by side
    a->SetGlyph(&strip);
    EXPECT_EQ(a->NumGlyphs(), 4);
    EXPECT_EQ(a->GlyphIndexFor(bsUp), 0);
    EXPECT_EQ(a->GlyphIndexFor(bsDisabled), 1);
    EXPECT_EQ(a->GlyphIndexFor(bsExclusive), 3);
    a->SetNumGlyphs(2);
    EXPECT_EQ(a->GlyphIndexFor(bsDown), 0) << "no pressed image: the up image";
    // Glyph and caption centred together with the spacing between them.
    a->SetCaption(u"Find");
    TPoint glyph;
    TRect text;
    a->CalcLayout(Rect(0, 0, 80, 24), glyph, text);
    EXPECT_EQ(text.Left - (glyph.X + 32), 4);
    EXPECT_NEAR(glyph.X, 80 - text.Right, 1) << "centred: equal margins (odd space rounds left)";
    EXPECT_EQ(glyph.Y, 4);
    a->SetLayout(blGlyphRight);
    a->CalcLayout(Rect(0, 0, 80, 24), glyph, text);
    EXPECT_LT(text.Right, glyph.X);
}

TEST_F(SpeedButtonTest, AFlatButtonShowsItsEdgeOnlyUnderTheMouseOrWhenDown)
{
    auto* p = new TPanel(form);
    p->SetParent(form);
    p->SetBounds(0, 0, 200, 60);
    p->SetBevelOuter(bvNone);
    auto* b = Make(p, 1, 10);
    b->SetFlat(true);
    ShowForm();
    const TColor face = ColorToRGB(b->Color());
    auto corner = [&] { return PixelAt(p, b->Left(), b->Top()); };
    EXPECT_EQ(corner(), face) << "no edge at rest";
    InjectMouse(TMouseAction::Move, b->ClientToScreen({5, 5}));
    Pump();
    EXPECT_NE(corner(), face) << "an edge under the mouse";
    InjectMouse(TMouseAction::Move, p->ClientToScreen({150, 40}));
    Pump();
    EXPECT_EQ(corner(), face);
    b->SetDown(true);
    EXPECT_NE(corner(), face) << "a down button shows its sunken edge";
    b->SetFlat(false);
    b->SetDown(false);
    EXPECT_NE(corner(), face) << "a normal button always has its frame";
}

}  // namespace
}  // namespace gw::test
