// Focus rules: kill/set order, enter/exit along the parents, nested changes, disabled and hidden
// focus, pop-ups that take the focus without enter/exit.
#include "test_controls.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

class Focus : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(Application);
        a = new TLogControl(form, form, h.Log, "a", Rect(10, 10, 90, 34));
        b = new TLogControl(form, form, h.Log, "b", Rect(10, 40, 90, 64));
        c = new TLogControl(form, form, h.Log, "c", Rect(10, 70, 90, 94));
        form->Show();
        a->SetFocus();
        h.ProcessMessages();
        h.Log.Clear();
    }
    // Subclasses a control at object level: After runs once its own handling is done.
    static void Hook(TControl* Control, std::function<void(TMessage&)> After)
    {
        TWndMethod old = Control->WindowProc;
        Control->WindowProc = [old, After](TMessage& M) {
            old(M);
            After(M);
        };
    }

    THarness h;
    TForm* form = nullptr;
    TLogControl *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(Focus, KillThenSetThenExitAndEnter)
{
    HWND focusDuringKill = 0;
    WPARAM killWParam = 0, setWParam = 0;
    Hook(a, [&](TMessage& M) {
        if (M.Msg == WM_KILLFOCUS) focusDuringKill = GetFocus(), killWParam = M.WParam;
    });
    Hook(b, [&](TMessage& M) {
        if (M.Msg == WM_SETFOCUS) setWParam = M.WParam;
    });
    b->SetFocus();
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KILLFOCUS", "b WM_SETFOCUS", "a CM_EXIT", "b CM_ENTER"}));
    EXPECT_EQ(focusDuringKill, b->Handle()) << "GetFocus inside WM_KILLFOCUS names the new window";
    EXPECT_EQ(killWParam, b->Handle());
    EXPECT_EQ(setWParam, a->Handle());
    EXPECT_EQ(form->ActiveControl(), b);
    EXPECT_EQ(Screen->ActiveControl(), b);
}

TEST_F(Focus, NestedSetFocusInKillFocusWins)
{
    bool once = true;
    Hook(a, [&](TMessage& M) {
        if (M.Msg == WM_KILLFOCUS && once) {
            once = false;
            c->SetFocus();
        }
    });
    b->SetFocus();
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KILLFOCUS", "c WM_SETFOCUS", "a CM_EXIT", "c CM_ENTER"}))
        << "b, overtaken inside a's WM_KILLFOCUS, hears nothing";
    EXPECT_EQ(GetFocus(), c->Handle());
    EXPECT_EQ(form->ActiveControl(), c);
}

TEST_F(Focus, ExitHandlerThatMovesFocusStopsTheWalk)
{
    a->OnExit = [&](TObject*) { a->SetFocus(); };  // a refusing validation takes the focus back
    b->SetFocus();
    Events e = h.Log.Take();
    EXPECT_EQ(GetFocus(), a->Handle());
    EXPECT_FALSE(std::count(e.begin(), e.end(), "b CM_ENTER")) << "b is not entered after the focus went back";
}

TEST_F(Focus, MovingBetweenAControlAndItsChildEditorEntersOnlyTheEditor)
{
    auto* grid = new TLogControl(form, form, h.Log, "grid", Rect(100, 10, 300, 200));
    auto* editor = new TLogControl(form, grid, h.Log, "editor", Rect(10, 10, 80, 30));
    grid->SetFocus();
    h.Log.Clear();
    editor->SetFocus();
    EXPECT_EQ(h.Log.Take(), (Events{"grid WM_KILLFOCUS", "editor WM_SETFOCUS", "editor CM_ENTER"}));
    grid->SetFocus();
    EXPECT_EQ(h.Log.Take(), (Events{"editor WM_KILLFOCUS", "grid WM_SETFOCUS", "editor CM_EXIT"}));
    editor->SetFocus();
    h.Log.Clear();
    a->SetFocus();
    EXPECT_EQ(h.Log.Take(),
              (Events{"editor WM_KILLFOCUS", "a WM_SETFOCUS", "editor CM_EXIT", "grid CM_EXIT", "a CM_ENTER"}))
        << "exit innermost first";
    editor->SetFocus();
    EXPECT_EQ(h.Log.Take(),
              (Events{"a WM_KILLFOCUS", "editor WM_SETFOCUS", "a CM_EXIT", "grid CM_ENTER", "editor CM_ENTER"}))
        << "enter outermost first";
}

TEST_F(Focus, TheFocusChangeNoticeFollowsTheEnterAndReachesNestedControls)
{
    auto* panel = new TLogControl(form, form, h.Log, "panel", Rect(100, 10, 300, 200));
    auto* inner = new TLogControl(form, panel, h.Log, "inner", Rect(10, 10, 80, 30));
    LPARAM told = 0;
    Hook(inner, [&](TMessage& M) {
        if (M.Msg == CM_FOCUSCHANGED) told = M.LParam;
    });
    for (auto* x : {a, b, c, panel, inner}) x->Watched = {CM_ENTER, CM_EXIT, CM_FOCUSCHANGED};
    b->SetFocus();
    EXPECT_EQ(h.Log.Take(),
              (Events{"a CM_EXIT", "b CM_ENTER", "a CM_FOCUSCHANGED", "b CM_FOCUSCHANGED", "c CM_FOCUSCHANGED",
                      "panel CM_FOCUSCHANGED", "inner CM_FOCUSCHANGED"}));
    EXPECT_EQ(told, LPARAM(b)) << "the notice names the control that has the focus now";
    h.AnswerMessage(u"Go on", mrOk);
    MessageDlg(u"Go on", mtInformation, mbOK);
    EXPECT_EQ(h.Log.Take(),
              (Events{"a CM_FOCUSCHANGED", "b CM_FOCUSCHANGED", "c CM_FOCUSCHANGED", "panel CM_FOCUSCHANGED",
                      "inner CM_FOCUSCHANGED"}))
        << "the focus back from another form: no exit or enter, but the notice";
}

TEST_F(Focus, NoChangeForHiddenDisabledOrDestroyedWindows)
{
    HWND bh = b->Handle();
    b->Hide();
    EXPECT_EQ(SetFocus(bh), HWND(0));
    b->Show();
    b->SetEnabled(false);
    EXPECT_EQ(SetFocus(bh), HWND(0));
    EXPECT_THROW(b->SetFocus(), EInvalidOperation);
    delete b;
    EXPECT_EQ(SetFocus(bh), HWND(0));
    EXPECT_EQ(GetFocus(), a->Handle());
    EXPECT_EQ(h.Log.Take(), Events{"b WM_CANCELMODE"}) << "disabling cancels modes, and nothing else";
}

// A disabled control gives up the focus to its form at once, with its exit, and is no longer the
// form's active control: enabled again, a click focuses it anew (it was dropped while the form
// still named it).
TEST_F(Focus, DisablingTheFocusedControlGivesTheFocusToItsForm)
{
    WPARAM killWParam = 99;
    Hook(a, [&](TMessage& M) {
        if (M.Msg == WM_KILLFOCUS) killWParam = M.WParam;
    });
    a->SetEnabled(false);
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KILLFOCUS", "a CM_EXIT", "a WM_CANCELMODE"}));
    EXPECT_EQ(killWParam, WPARAM(form->Handle()));
    EXPECT_EQ(GetFocus(), form->Handle());
    EXPECT_EQ(form->ActiveControl(), nullptr);

    a->SetEnabled(true);
    h.Log.Clear();
    h.Click(a, {5, 5});
    EXPECT_EQ(GetFocus(), a->Handle());
    EXPECT_EQ(form->ActiveControl(), a);
    b->SetFocus();
    EXPECT_EQ(h.Log.Take().back(), "b CM_ENTER");
}

TEST_F(Focus, HidingTheFocusedWindowMovesTheFocusToItsParentAtOnce)
{
    auto* panel = new TLogControl(form, form, h.Log, "panel", Rect(100, 10, 300, 200));
    auto* inner = new TLogControl(form, panel, h.Log, "inner", Rect(10, 10, 80, 30));
    inner->SetFocus();
    h.Log.Clear();
    inner->Hide();
    EXPECT_EQ(GetFocus(), panel->Handle());
    EXPECT_EQ(h.Log.Take(), (Events{"inner WM_KILLFOCUS", "panel WM_SETFOCUS", "inner CM_EXIT"}));

    inner->Show();
    inner->SetFocus();
    h.Log.Clear();
    panel->Hide();  // an ancestor
    EXPECT_EQ(GetFocus(), form->Handle());
    EXPECT_EQ(h.Log.Take(), (Events{"inner WM_KILLFOCUS", "inner CM_EXIT", "panel CM_EXIT"}));
    EXPECT_EQ(form->ActiveControl(), nullptr);
}

TEST_F(Focus, TheFocusLeavesADestroyedControlWithoutMessagesToIt)
{
    auto* panel = new TLogControl(form, form, h.Log, "panel", Rect(100, 10, 300, 200));
    auto* inner = new TLogControl(form, panel, h.Log, "inner", Rect(10, 10, 80, 30));
    inner->SetFocus();
    h.Log.Clear();
    delete inner;
    EXPECT_EQ(GetFocus(), panel->Handle());
    EXPECT_EQ(h.Log.Take(), (Events{"panel WM_SETFOCUS"}));
    EXPECT_EQ(form->FocusedControl(), panel);
    b->SetFocus();
    EXPECT_EQ(h.Log.Take(), (Events{"panel WM_KILLFOCUS", "b WM_SETFOCUS", "panel CM_EXIT", "b CM_ENTER"}));
}

// A drop-down: an owned, frameless pop-up form that takes the focus and closes itself when it
// loses activation.
class TDropDown : public TForm {
public:
    TDropDown(TComponent* AOwner, TEventLog& Log) : TForm(AOwner), m_log(Log) { SetBorderStyle(bsNone); }
    void Dispatch(TMessage& M) override
    {
        if (M.Msg == WM_ACTIVATE && M.WParam == WA_INACTIVE) {
            TWinControl* towards = FindControl(HWND(M.LParam));
            m_log.Add(std::string("dropdown deactivated towards ") +
                      (towards == Application->MainForm() || towards == Owner() ? "form" : "other"));
            if (!BlockClose) Hide();
        }
        TForm::Dispatch(M);
    }
    bool BlockClose = false;

protected:
    void CreateParams(TCreateParams& P) override
    {
        TForm::CreateParams(P);
        P.Style |= WS_POPUP;
    }

private:
    TEventLog& m_log;
};

// A drop-down of the form, shown, with the focus on the list in it.
TDropDown* ShowDropDown(TForm* Form, TEventLog& Log, TLogControl*& List)
{
    auto* drop = new TDropDown(Form, Log);
    drop->SetParentWindow(Form->Handle());
    drop->SetBoundsRect(Rect(150, 300, 350, 400));
    List = new TLogControl(drop, drop, Log, "list", Rect(0, 0, 200, 100));
    drop->Show();
    List->SetFocus();
    return drop;
}

TEST_F(Focus, APopUpTakesTheFocusWithoutExitAndGivesItBackWithoutEnter)
{
    TLogControl* list = nullptr;
    TDropDown* drop = ShowDropDown(form, h.Log, list);
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KILLFOCUS", "list WM_SETFOCUS", "list CM_ENTER"}));
    EXPECT_EQ(form->ActiveControl(), a);

    h.Click(a);  // outside the pop-up
    EXPECT_EQ(h.Log.Take(),
              (Events{"a CM_MOUSEENTER", "dropdown deactivated towards form", "list WM_KILLFOCUS", "a WM_SETFOCUS",
                      "a WM_LBUTTONDOWN", "a WM_LBUTTONUP", "a WM_CAPTURECHANGED"}))
        << "the pop-up hears of the press before the window pressed on";
    EXPECT_FALSE(drop->Showing());
    EXPECT_EQ(GetActiveWindow(), form->Handle());
}

TEST_F(Focus, APopUpCanStayOpenWhileADialogOfItsOwnIsShown)
{
    TLogControl* list = nullptr;
    TDropDown* drop = ShowDropDown(form, h.Log, list);
    h.Log.Clear();
    h.AnswerMessage(u"Delete the entry", mrYes);
    drop->BlockClose = true;
    EXPECT_EQ(MessageDlg(u"Delete the entry?", mtConfirmation, mbYesNo), mrYes);
    drop->BlockClose = false;
    EXPECT_EQ(h.Log.Take(), (Events{"list WM_KILLFOCUS", "dropdown deactivated towards other", "list WM_SETFOCUS"}))
        << "told of the dialog's activation, and given the focus back without enter";
    EXPECT_TRUE(drop->Showing());
    EXPECT_EQ(GetActiveWindow(), drop->Handle());
    EXPECT_EQ(GetFocus(), list->Handle());
    EXPECT_EQ(form->ActiveControl(), a) << "the form underneath kept its own active control";
}

TEST_F(Focus, FreeingAFormWhosePopUpIsActiveLeavesNothingOnTheScreen)
{
    TLogControl* list = nullptr;
    ShowDropDown(form, h.Log, list);
    delete form;  // the pop-up goes first and hands the activation back to the form going away
    form = nullptr;
    EXPECT_EQ(Screen->FormCount(), 0);
    EXPECT_EQ(Screen->ActiveForm(), nullptr);
    EXPECT_EQ(GetActiveWindow(), HWND(0));
}

TEST_F(Focus, ANonActivatingPopUpNeverTakesActivationOrFocus)
{
    TCreateWindowParams p;
    p.Style = WS_POPUP | WS_VISIBLE;
    p.ExStyle = WS_EX_NOACTIVATE;
    p.Bounds = Rect(600, 100, 700, 200);
    HWND hint = CreateWindow(p);
    EXPECT_EQ(SetActiveWindow(hint), HWND(0));
    EXPECT_EQ(SetFocus(hint), HWND(0));
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_EQ(GetFocus(), a->Handle());
    InjectMouse(TMouseAction::Down, {650, 150});
    InjectMouse(TMouseAction::Up, {650, 150});
    h.ProcessMessages();
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << "a press on it does not activate it";
    EXPECT_TRUE(h.Log.Take().empty());
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// A windowed child freed while still parented must leave its parent's tab order, or the next
// Tab walks a freed control.
TEST_F(Focus, FreedWindowedChildLeavesTheTabOrder)
{
    delete b;
    b = nullptr;
    std::vector<TWinControl*> order;
    form->GetTabOrderList(order);
    EXPECT_EQ(order, (std::vector<TWinControl*>{a, c}));
    h.Press(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), c);
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// Rebuilding the focused control's window (a style change does it) is no leaving: the focus
// comes back to the new window without CM_EXIT or CM_ENTER.
TEST_F(Focus, RecreatingTheFocusedWindowIsNoExitAndEnter)
{
    const HWND old = a->Handle();
    a->RecreateWnd();
    h.ProcessMessages();
    const Events e = h.Log.Take();
    EXPECT_EQ(std::count(e.begin(), e.end(), "a CM_EXIT"), 0);
    EXPECT_EQ(std::count(e.begin(), e.end(), "a CM_ENTER"), 0);
    EXPECT_NE(a->Handle(), old);
    EXPECT_EQ(GetFocus(), a->Handle());
    EXPECT_EQ(form->ActiveControl(), a);
}

}  // namespace
}  // namespace gw::test
