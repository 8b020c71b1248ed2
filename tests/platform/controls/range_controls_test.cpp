// Progress bar, track bar and up-down: ranges, steps, keys, clicks and the associate's text.
#include "platform/controls/progress_bar.h"
#include "platform/controls/track_bar.h"
#include "platform/controls/up_down.h"
#include "std_controls_harness.h"

namespace gw::test {
namespace {

class RangeControlsTest : public StdControlsTest {};

TEST_F(RangeControlsTest, ProgressBarClampsAndSteps)
{
    auto* p = new TProgressBar(form);
    p->SetParent(form);
    p->SetPosition(150);
    EXPECT_EQ(p->Position(), 100);
    p->SetPosition(95);
    p->StepIt();
    EXPECT_EQ(p->Position(), 4) << "past the end it starts again";
    p->SetRange(10, 20);
    EXPECT_EQ(p->Position(), 10);
    EXPECT_THROW(p->SetRange(5, 1), EInvalidOperation);
    p->SetPosition(15);
    EXPECT_EQ(p->FilledRect().Width(), (p->Width() - 4) / 2);
}

TEST_F(RangeControlsTest, TrackBarKeysClicksAndTicks)
{
    auto* t = new TTrackBar(form);
    t->SetParent(form);
    t->SetBounds(10, 10, 200, 45);
    int changes = 0;
    t->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    t->SetFocus();
    Key(VK_RIGHT);
    Key(VK_NEXT);
    EXPECT_EQ(t->Position(), 3);
    Key(VK_END);
    EXPECT_EQ(t->Position(), 10);
    Key(VK_RIGHT);
    EXPECT_EQ(t->Position(), 10);
    EXPECT_EQ(changes, 3);
    // A click left of the thumb moves a page towards it; the thumb follows a drag.
    TRect ch = t->ChannelRect();
    Click(t, ch.Left + 2, ch.Top + 2);
    EXPECT_EQ(t->Position(), 8);
    TRect thumb = t->ThumbRect();
    TPoint grab{(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2};
    InjectMouse(TMouseAction::Move, t->ClientToScreen(grab));
    InjectMouse(TMouseAction::Down, t->ClientToScreen(grab));
    InjectMouse(TMouseAction::Move, t->ClientToScreen({t->PixelOf(3), grab.Y}));
    InjectMouse(TMouseAction::Up, t->ClientToScreen({t->PixelOf(3), grab.Y}));
    Pump();
    EXPECT_EQ(t->Position(), 3);
    // The program's moves raise no OnChange; a Min above Max is ignored.
    int before = changes;
    t->SetPosition(9);
    t->SetPosition(99);
    EXPECT_EQ(t->Position(), 10);
    EXPECT_EQ(changes, before);
    t->SetMin(20);
    EXPECT_EQ(t->Min(), 0);
    t->SetMax(5);
    EXPECT_EQ(t->Position(), 5) << "a smaller range takes the position with it";
    t->SetMax(10);
    t->Frequency = 5;
    EXPECT_EQ(t->Ticks(), (std::vector<Integer>{0, 5, 10}));
    t->TickStyle = tsManual;
    t->SetTick(7);
    EXPECT_EQ(t->Ticks(), (std::vector<Integer>{0, 7, 10}));
}

TEST_F(RangeControlsTest, UpDownStepsTheAssociate)
{
    auto* edit = new TCustomControl(form);  // any windowed control with a text
    edit->SetParent(form);
    edit->SetBounds(10, 10, 60, 21);
    auto* ud = new TUpDown(form);
    ud->SetParent(form);
    ud->SetMax(1500);
    ud->Increment = 600;
    ud->SetAssociate(edit);
    EXPECT_EQ(ud->Left(), 70);
    EXPECT_EQ(ud->Height(), 21);
    EXPECT_EQ(edit->Text(), u"0");
    std::vector<TUDBtnType> clicks;
    ud->OnClick = [&](TObject*, TUDBtnType B) { clicks.push_back(B); };
    ShowForm();
    Click(ud, 5, 3);
    Click(ud, 5, 3);
    EXPECT_EQ(edit->Text(), u"1,200");
    Click(ud, 5, 3);
    EXPECT_EQ(ud->Position(), 1500) << "stops at Max";
    ud->Wrap = true;
    Click(ud, 5, 3);
    EXPECT_EQ(ud->Position(), 0) << "wraps to Min";
    Click(ud, 5, 18);
    EXPECT_EQ(ud->Position(), 1500);
    EXPECT_EQ(clicks.back(), btPrev);
    // Typed text is where the next step starts.
    edit->SetText(u"100");
    ud->Wrap = false;
    ud->Step(btPrev);
    EXPECT_EQ(ud->Position(), 0);
    bool allow = false;
    ud->OnChanging = [&](TObject*, bool& Allow) { Allow = allow; };
    ud->Step(btNext);
    EXPECT_EQ(ud->Position(), 0);
    // The associate may go first.
    edit->SetParent(nullptr);
    delete edit;
    EXPECT_EQ(ud->Associate(), nullptr);
}

}  // namespace
}  // namespace gw::test
