// Mouse: double-click synthesis, capture, CM_CANCELMODE before a press elsewhere, focus on press,
// enter and leave, hints after a pause, the wheel, disabled windows being transparent, cursors.
#include "test_controls.h"

#include "platform/runtime/resources.h"
#include "platform/ui/hint_window.h"
#include "platform/ui/system_metrics.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

class MouseInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(Application);
        a = new TLogControl(form, form, h.Log, "a", Rect(10, 10, 90, 34));
        b = new TLogControl(form, form, h.Log, "b", Rect(10, 40, 90, 64));
        for (auto* x : {a, b})
            x->Watched = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, CM_CANCELMODE, WM_CAPTURECHANGED};
        form->Show();
        a->SetFocus();
        h.ProcessMessages();
        h.Log.Clear();
    }
    void Press(TControl* C, TPoint P) { InjectMouse(TMouseAction::Down, C->ClientToScreen(P)); }
    void Release(TControl* C, TPoint P) { InjectMouse(TMouseAction::Up, C->ClientToScreen(P)); }

    THarness h;
    TForm* form = nullptr;
    TLogControl *a = nullptr, *b = nullptr;
};

TEST_F(MouseInput, ASecondPressSoonAndCloseBecomesADoubleClick)
{
    struct Case {
        const char* Name;
        Cardinal Pause;
        Integer Dx;
        bool Double;
    };
    const Case cases[] = {
        {"at once, same place", 0, 0, true}, {"within 500 ms", 500, 0, true}, {"after 501 ms", 501, 0, false},
        {"2 pixels away", 0, 2, true},       {"3 pixels away", 0, 3, false},
    };
    for (const Case& k : cases) {
        h.Advance(1000);
        a->Watched = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};
        h.Log.Clear();
        Press(a, {20, 10});
        Release(a, {20, 10});
        h.ProcessMessages();
        h.Display().Advance(k.Pause);
        Press(a, {20 + k.Dx, 10});
        Release(a, {20 + k.Dx, 10});
        h.ProcessMessages();
        Events expected = k.Double
            ? Events{"a WM_LBUTTONDOWN", "a WM_LBUTTONUP", "a WM_LBUTTONDBLCLK", "a WM_LBUTTONUP"}
            : Events{"a WM_LBUTTONDOWN", "a WM_LBUTTONUP", "a WM_LBUTTONDOWN", "a WM_LBUTTONUP"};
        EXPECT_EQ(h.Log.Take(), expected) << k.Name;
    }
    int dbl = 0;
    a->OnDblClick = [&](TObject*) { ++dbl; };
    h.Advance(1000);
    h.DoubleClick(a);
    EXPECT_EQ(dbl, 1);
}

TEST_F(MouseInput, AWindowWithoutTheDoubleClickStyleGetsASecondPress)
{
    b->ControlStyle &= ~csDoubleClicks;
    b->RecreateWnd();
    b->Watched = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
    a->Watched.clear();
    h.DoubleClick(b);
    EXPECT_EQ(h.Log.Take(), (Events{"b WM_LBUTTONDOWN", "b WM_LBUTTONDOWN"}));
    EXPECT_FALSE(GetClassStyle(b->Handle()) & CS_DBLCLKS);
    EXPECT_TRUE(GetClassStyle(a->Handle()) & CS_DBLCLKS);
}

TEST_F(MouseInput, EachMoveAndPressAsksForTheCursorFirst)
{
    a->Watched = {WM_SETCURSOR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP};
    h.MoveTo(a);
    h.Click(a, {3, 3});
    EXPECT_EQ(h.Log.Take(),
              (Events{"a WM_SETCURSOR", "a WM_MOUSEMOVE", "a WM_SETCURSOR", "a WM_MOUSEMOVE", "a WM_SETCURSOR",
                      "a WM_LBUTTONDOWN", "a WM_LBUTTONUP"}))
        << "the release asks nothing";
}

TEST_F(MouseInput, APressOnAnotherControlCancelsTheActiveControlsModeFirst)
{
    LPARAM sender = 0;
    TWndMethod old = a->WindowProc;
    a->WindowProc = [&, old](TMessage& M) {
        if (M.Msg == CM_CANCELMODE) sender = M.LParam;
        old(M);
    };
    a->Watched.insert(WM_KILLFOCUS);
    b->Watched.insert(WM_SETFOCUS);
    h.Click(b);
    EXPECT_EQ(h.Log.Take(),
              (Events{"b WM_LBUTTONDOWN", "a CM_CANCELMODE", "a WM_KILLFOCUS", "b WM_SETFOCUS", "b WM_LBUTTONUP",
                      "b WM_CAPTURECHANGED"}));
    EXPECT_EQ(sender, LPARAM(b));
    h.Click(b);
    EXPECT_FALSE(h.Log.Contains("a CM_CANCELMODE")) << "a press on the active control itself cancels nothing";
}

TEST_F(MouseInput, APressGoesOnOnlyWhenTheFocusLanded)
{
    int downs = 0;
    b->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) { ++downs; };
    b->OnEnter = [&](TObject*) { a->SetFocus(); };  // refuses the focus
    h.Click(b);
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(GetFocus(), a->Handle());
}

TEST_F(MouseInput, TheCaptureHolderGetsTheMouseUntilRelease)
{
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    std::vector<TPoint> moves;
    a->OnMouseMove = [&](TObject*, TShiftState, Integer X, Integer Y) { moves.push_back({X, Y}); };
    h.MouseDown(a, {5, 5});
    EXPECT_TRUE(a->MouseCapture());
    h.MoveTo(b, {5, 5});  // over b, 35 pixels below a's top
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), (TPoint{5, 35})) << "in a's coordinates";
    h.MouseUp(b, {5, 5});
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_LBUTTONDOWN", "a WM_LBUTTONUP", "a WM_CAPTURECHANGED"}));
    EXPECT_EQ(clicks, 0) << "released outside: no click";
    h.Click(a);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MouseInput, TakingTheCaptureTellsTheLoser)
{
    h.MouseDown(a, {5, 5});
    h.Log.Clear();
    b->SetMouseCapture(true);
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_CAPTURECHANGED"}));
    EXPECT_EQ(GetCaptureControl(), b);
}

TEST_F(MouseInput, EnterAndLeaveFollowTheWindowUnderTheCursor)
{
    for (auto* x : {a, b}) x->Watched = {CM_MOUSEENTER, CM_MOUSELEAVE};
    h.MoveTo(a);
    h.MoveTo(a, {1, 1});
    h.MoveTo(b);
    EXPECT_EQ(h.Log.Take(), (Events{"a CM_MOUSEENTER", "a CM_MOUSELEAVE", "b CM_MOUSEENTER"}));
}

TEST_F(MouseInput, AHintShowsAfterThePauseAndHidesAgain)
{
    a->Hint = u"Short|Long text";
    a->SetShowHint(true);
    a->Watched = {CM_HINTSHOW};
    h.MoveTo(a);
    h.Advance(499);
    EXPECT_FALSE(h.Log.Contains("a CM_HINTSHOW"));
    h.Advance(1);
    EXPECT_EQ(h.Log.Take(), (Events{"a CM_HINTSHOW"}));
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_TRUE(Application->HintWindow()->IsShowing());
    EXPECT_EQ(Application->HintWindow()->Caption(), u"Short");
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << "the hint takes no activation";
    h.Advance(2500);
    EXPECT_FALSE(Application->HintWindow()->IsShowing());

    h.MoveTo(b);
    h.MoveTo(a);
    h.Advance(600);
    EXPECT_TRUE(Application->HintWindow()->IsShowing());
    h.MoveTo(b);
    EXPECT_FALSE(Application->HintWindow()->IsShowing()) << "leaving the control ends the hint";
}

TEST_F(MouseInput, AHintWaitsForRestAndComesBackForANewPlace)
{
    a->Hint = u"Short";
    a->SetShowHint(true);
    a->Watched = {CM_HINTSHOW};
    TWndMethod old = a->WindowProc;
    a->WindowProc = [old](TMessage& M) {
        old(M);
        if (M.Msg == CM_HINTSHOW) {  // one hint per 40 pixels, like cells
            THintInfo* info = TCMHintShow(M).Info;
            Integer left = info->CursorPos.X / 40 * 40;
            info->CursorRect = Rect(left, 0, left + 40, 24);
        }
    };
    auto showing = [&] { return Application->HintWindow() && Application->HintWindow()->IsShowing(); };
    h.MoveTo(a, {5, 5});
    h.Advance(300);
    h.MoveTo(a, {6, 5});
    h.Advance(300);
    EXPECT_FALSE(showing()) << "the pause counts from the last move";
    h.Advance(200);
    EXPECT_TRUE(showing());
    h.MoveTo(a, {30, 5});
    EXPECT_TRUE(showing()) << "still inside the area the hint was given for";
    h.MoveTo(a, {50, 5});
    EXPECT_FALSE(showing()) << "outside it the hint goes";
    h.Advance(500);
    EXPECT_TRUE(showing()) << "and comes back for the new place";
    Application->CancelHint();  // as a grid does when the cell under the mouse changes
    h.MoveTo(a, {52, 5});
    h.Advance(500);
    EXPECT_TRUE(showing());
    EXPECT_EQ(h.Log.Count("a CM_HINTSHOW"), 3u);
    h.Advance(2500);
    EXPECT_FALSE(showing());
    h.MoveTo(a, {53, 5});
    h.Advance(1000);
    EXPECT_FALSE(showing()) << "a hint that timed out stays away while the mouse stays in its area";
}

TEST_F(MouseInput, AHintTextMayComeFromTheHandlerAloneAndStaysOnTheScreen)
{
    form->SetBounds(1850, 1030, 60, 60);  // in the bottom right corner
    a->SetBounds(0, 0, 50, 50);
    b->Hide();
    a->SetShowHint(true);  // no Hint text of its own
    TWndMethod old = a->WindowProc;
    a->WindowProc = [old](TMessage& M) {
        if (M.Msg == CM_HINTSHOW) {
            TCMHintShow(M).Info->HintStr = u"A cell text far too long for the corner";
            return;
        }
        old(M);
    };
    h.MoveTo(a, {5, 40});
    h.Advance(500);
    ASSERT_NE(Application->HintWindow(), nullptr);
    ASSERT_TRUE(Application->HintWindow()->IsShowing());
    TRect r = GetWindowRect(Application->HintWindow()->Handle());
    TPoint cursor = GetCursorPos();
    EXPECT_LE(r.Right, 1920) << "moved left from the screen's right edge";
    EXPECT_LE(r.Bottom, cursor.Y) << "above the cursor rather than below the screen or over the mouse";
    EXPECT_GT(r.Width(), 0);
    h.MoveTo(a, {6, 40});
    EXPECT_TRUE(Application->HintWindow()->IsShowing());
}

// A hint window of its own that keeps the data its hint carried.
class TDataHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
    String ClassName() const override { return u"TDataHintWindow"; }
    void ActivateHintData(const TRect& R, const String& Hint, void* Data) override
    {
        Given = Data;
        THintWindow::ActivateHintData(R, Hint, Data);
    }
    void* Given = nullptr;
};

TEST_F(MouseInput, AHintCanAskForAWindowClassOfItsOwnWithData)
{
    int cellData = 7;
    bool own = true;
    a->Hint = u"plain";
    a->SetShowHint(true);
    TWndMethod old = a->WindowProc;
    a->WindowProc = [&, old](TMessage& M) {
        old(M);
        if (M.Msg == CM_HINTSHOW && own) {
            THintInfo* info = TCMHintShow(M).Info;
            info->HintWindowClass = &MakeHintWindow<TDataHintWindow>;
            info->HintData = &cellData;
        }
    };
    auto showAgain = [&](Integer X) {
        Application->CancelHint();
        h.MoveTo(a, {X, 3});
        h.Advance(500);
    };
    showAgain(2);
    auto* own1 = dynamic_cast<TDataHintWindow*>(Application->HintWindow());
    ASSERT_NE(own1, nullptr);
    EXPECT_EQ(own1->Given, &cellData);
    EXPECT_TRUE(own1->IsShowing());
    own = false;
    showAgain(3);
    EXPECT_EQ(dynamic_cast<TDataHintWindow*>(Application->HintWindow()), nullptr) << "the next hint is a plain one";
    EXPECT_TRUE(Application->HintWindow()->IsShowing());
    Application->HintWindowClass = &MakeHintWindow<TDataHintWindow>;
    showAgain(4);
    EXPECT_NE(dynamic_cast<TDataHintWindow*>(Application->HintWindow()), nullptr) << "the application's class";
}

TEST_F(MouseInput, AHintShowHandlerCanChangeOrRefuseTheHint)
{
    a->Hint = u"plain";
    a->SetShowHint(true);
    TWndMethod old = a->WindowProc;
    bool refuse = false;
    a->WindowProc = [&, old](TMessage& M) {
        if (M.Msg == CM_HINTSHOW) {
            TCMHintShow(M).Info->HintStr = u"cell text";
            M.Result = refuse ? 1 : 0;
            return;
        }
        old(M);
    };
    h.MoveTo(a);
    h.Advance(500);
    EXPECT_EQ(Application->HintWindow()->Caption(), u"cell text");
    h.MoveTo(b);
    refuse = true;
    h.MoveTo(a);
    h.Advance(500);
    EXPECT_FALSE(Application->HintWindow()->IsShowing());
}

TEST_F(MouseInput, TheWheelGoesToTheFocusAndUpTheParentsToTheForm)
{
    auto* panel = new TLogControl(form, form, h.Log, "panel", Rect(100, 10, 300, 200));
    auto* inner = new TLogControl(form, panel, h.Log, "inner", Rect(10, 10, 80, 30));
    inner->SetFocus();
    h.Log.Clear();
    inner->OnMouseWheel = [&](TObject*, TShiftState, Integer D, TPoint, bool&) {
        h.Log.Add("inner " + std::to_string(D));
    };
    form->OnMouseWheel = [&](TObject*, TShiftState, Integer D, TPoint, bool& Handled) {
        h.Log.Add("form " + std::to_string(D));
        Handled = true;
    };
    h.Wheel(b, -2);  // over another control: the focus still gets it
    EXPECT_EQ(h.Log.Take(), (Events{"inner -240", "form -240"}));
    EXPECT_EQ(gw::Mouse->WheelScrollLines(), 3);
}

TEST_F(MouseInput, AnUnhandledWheelIsOfferedToEachControlOnce)
{
    auto* panel = new TLogControl(form, form, h.Log, "panel", Rect(100, 10, 300, 200));
    auto* inner = new TLogControl(form, panel, h.Log, "inner", Rect(10, 10, 80, 30));
    inner->SetFocus();
    for (auto* x : {a, b, panel, inner}) x->Watched.clear();
    auto log = [&](TControl* c, const std::string& name) {
        c->OnMouseWheel = [&, name](TObject*, TShiftState, Integer, TPoint, bool&) { h.Log.Add(name); };
    };
    log(inner, "inner");
    log(panel, "panel");
    log(form, "form");
    h.Log.Clear();
    h.Wheel(inner, 1);
    EXPECT_EQ(h.Log.Take(), (Events{"inner", "panel", "form"}));
}

TEST_F(MouseInput, AWheelNobodyTookComesInWholeNotchesDownAndUp)
{
    for (auto* x : {a, b}) x->Watched.clear();
    auto step = [&](const std::string& Name) {
        return [&, Name](TObject*, TShiftState, TPoint, bool& Handled) {
            h.Log.Add(Name);
            Handled = true;
        };
    };
    a->OnMouseWheelDown = step("down");
    a->OnMouseWheelUp = step("up");
    h.Wheel(a, -2);
    EXPECT_EQ(h.Log.Take(), (Events{"down", "down"})) << "towards the user is down";
    TPoint p = a->ClientToScreen({5, 5});
    InjectMouse(TMouseAction::Wheel, p, mbLeft, 60);
    h.ProcessMessages();
    EXPECT_TRUE(h.Log.Items().empty()) << "half a notch waits";
    InjectMouse(TMouseAction::Wheel, p, mbLeft, 60);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (Events{"up"}));
    a->OnMouseWheel = [](TObject*, TShiftState, Integer, TPoint, bool& Handled) { Handled = true; };
    h.Wheel(a, 1);
    EXPECT_TRUE(h.Log.Items().empty()) << "OnMouseWheel took it first";
}

TEST_F(MouseInput, DisabledChildWindowsAreTransparent)
{
    b->SetEnabled(false);
    int formDowns = 0;
    form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) { ++formDowns; };
    h.Click(b);
    EXPECT_EQ(formDowns, 1);
    EXPECT_FALSE(h.Log.Contains("b WM_LBUTTONDOWN"));
}

TEST_F(MouseInput, ControlCursorsAndTheScreenCursor)
{
    b->SetCursor(crHandPoint);
    h.MoveTo(b);
    EXPECT_EQ(h.Display().CursorShape(), crHandPoint);
    h.MoveTo(a);
    EXPECT_EQ(h.Display().CursorShape(), crArrow);
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(Screen->Cursor(), crHourGlass);
    EXPECT_EQ(h.Display().CursorShape(), crHourGlass);
    h.MoveTo(b);
    EXPECT_EQ(h.Display().CursorShape(), crHourGlass) << "the screen cursor overrides the controls'";
    Screen->SetCursor(crDefault);
    EXPECT_EQ(h.Display().CursorShape(), crHandPoint);
}

TEST_F(MouseInput, TheRightButtonAsksForAContextMenuUpThePanels)
{
    auto* panel = new TLogControl(form, form, h.Log, "panel", Rect(100, 10, 300, 200));
    auto* inner = new TLogControl(form, panel, h.Log, "inner", Rect(10, 10, 80, 30));
    auto* label = new TGraphicControl(form);
    label->SetBounds(10, 50, 50, 20);
    label->SetParent(panel);
    std::vector<TPoint> asked;
    panel->OnContextPopup = [&](TObject*, TPoint P, bool& Handled) {
        asked.push_back(P);
        Handled = true;
    };
    label->OnContextPopup = [&](TObject*, TPoint P, bool&) { h.Log.Add("label " + std::to_string(P.X)); };
    h.Click(inner, {5, 5}, mbRight);
    ASSERT_EQ(asked.size(), 1u) << "the inner control leaves it to its parent";
    EXPECT_EQ(asked[0], (TPoint{15, 15}));
    h.Click(label, {7, 7}, mbRight);
    EXPECT_TRUE(h.Log.Contains("label 7"));
    EXPECT_EQ(asked.size(), 2u);
    inner->SetFocus();
    h.Press(VK_APPS);
    EXPECT_EQ(asked.size(), 3u) << "the menu key asks too";
}

TEST_F(MouseInput, CursorsFromResources)
{
    static const unsigned char bytes[] = {0, 0, 2, 0};
    RegisterResource("grabhand", "CURSOR", bytes, sizeof bytes);
    Integer handle = LoadCursorFromResource(u"GrabHand");
    ASSERT_NE(handle, 0);
    EXPECT_EQ(LoadCursorFromResource(u"GRABHAND"), handle);
    EXPECT_EQ(CursorResource(handle)->Data.size(), sizeof bytes);
    EXPECT_EQ(LoadCursorFromResource(u"nosuchcursor"), 0);
    const TCursor crGrab = 5;
    Screen->SetCursors(crGrab, handle);
    b->SetCursor(crGrab);
    h.MoveTo(b);
    EXPECT_EQ(h.Display().CursorShape(), handle);
}

TEST(Metrics, ThePlatformsFixedMetricsAndOneScreen)
{
    THarness h;
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXDOUBLECLK), 4);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    EXPECT_EQ(Screen->Width(), 1920);
    EXPECT_EQ(Screen->Height(), 1080);
    EXPECT_EQ(Screen->MonitorCount(), 1);
    EXPECT_TRUE(Screen->Monitors(0).Primary);
    EXPECT_EQ(Screen->Monitors(0).BoundsRect, Rect(0, 0, 1920, 1080));
}

}  // namespace
}  // namespace gw::test
