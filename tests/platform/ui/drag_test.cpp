// Dragging controls: the session's nested loop, drag-over states, drops, cancelling.
#include "test_controls.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

class Dragging : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(Application);
        source = new TLogControl(form, form, h.Log, "source", Rect(10, 10, 90, 34));
        target = new TLogControl(form, form, h.Log, "target", Rect(10, 100, 190, 200));
        source->Watched.clear();
        target->Watched.clear();
        source->DragMode = dmAutomatic;
        source->OnStartDrag = [&](TObject*, TObject*&) { h.Log.Add("start"); };
        source->OnEndDrag = [&](TObject*, TObject* Target, Integer X, Integer Y) {
            h.Log.Add(std::string("end ") + (Target == target ? "on target " : "nowhere ") + std::to_string(X) + "," +
                      std::to_string(Y));
        };
        target->OnDragOver = [&](TObject*, TObject* Source, Integer, Integer, TDragState State, bool& Accept) {
            static const char* names[] = {"enter", "leave", "move"};
            h.Log.Add(std::string("over ") + names[State]);
            Accept = Source == source && AcceptDrop;
        };
        target->OnDragDrop = [&](TObject*, TObject*, Integer X, Integer Y) {
            h.Log.Add("drop " + std::to_string(X) + "," + std::to_string(Y));
        };
        form->Show();
        h.ProcessMessages();
        h.Log.Clear();
    }

    THarness h;
    TForm* form = nullptr;
    TLogControl *source = nullptr, *target = nullptr;
    bool AcceptDrop = true;
};

TEST_F(Dragging, ADropOnAnAcceptingTarget)
{
    h.Drag(source, {10, 10}, target, {50, 40});
    Events e = h.Log.Take();
    ASSERT_GE(e.size(), 4u);
    EXPECT_EQ(e.front(), "start");
    EXPECT_EQ(std::count(e.begin(), e.end(), "over enter"), 1);
    EXPECT_EQ(e[e.size() - 2], "drop 50,40") << "target coordinates";
    EXPECT_EQ(e.back(), "end on target 50,40");
    EXPECT_EQ(DragControl(), nullptr);
    EXPECT_EQ(GetCapture(), HWND(0));
}

TEST_F(Dragging, ARefusingTargetGetsNoDrop)
{
    AcceptDrop = false;
    h.Drag(source, {10, 10}, target, {50, 40});
    Events e = h.Log.Take();
    EXPECT_FALSE(std::count(e.begin(), e.end(), "drop 50,40"));
    EXPECT_EQ(e[e.size() - 2], "over leave");
    EXPECT_EQ(e.back(), "end nowhere 0,0");
}

TEST_F(Dragging, EscapeCancelsAndAPressWithoutMovingDragsNothing)
{
    TPoint a = source->ClientToScreen({10, 10}), b = target->ClientToScreen({50, 40});
    InjectMouse(TMouseAction::Move, a);
    InjectMouse(TMouseAction::Down, a);
    InjectMouse(TMouseAction::Move, b);
    InjectKey(VK_ESCAPE, true);
    InjectKey(VK_ESCAPE, false);
    InjectMouse(TMouseAction::Up, b);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (Events{"start", "over enter", "over leave", "end nowhere 0,0"}));

    h.Advance(1000);
    h.Drag(source, {10, 10}, {13, 12});  // within the threshold of 5 pixels
    EXPECT_EQ(h.Log.Take(), (Events{"start", "end nowhere 0,0"}));
}

TEST_F(Dragging, OtherMessagesAreHandledDuringTheDrag)
{
    TPoint a = source->ClientToScreen({10, 10}), b = target->ClientToScreen({50, 40});
    InjectMouse(TMouseAction::Move, a);
    InjectMouse(TMouseAction::Down, a);
    InjectMouse(TMouseAction::Move, b);
    target->Watched = {WM_USER};
    PostMessage(target->Handle(), WM_USER);
    InjectMouse(TMouseAction::Up, b);
    h.ProcessMessages();
    Events e = h.Log.Take();
    auto user = std::find(e.begin(), e.end(), "target WM_USER");
    auto drop = std::find(e.begin(), e.end(), "drop 50,40");
    ASSERT_NE(user, e.end());
    EXPECT_LT(user, drop) << "the posted message ran inside the drag's loop";
}

TEST_F(Dragging, ADragWithoutInputToComeFailsInsteadOfHanging)
{
    source->DragMode = dmManual;
    EXPECT_THROW(source->BeginDrag(true), EInvalidOperation);
    EXPECT_EQ(DragControl(), nullptr);
    EXPECT_EQ(GetCapture(), HWND(0));
}

}  // namespace
}  // namespace gw::test
