// Keys: translation order, key data, dialog keys (Tab order, Default and Cancel buttons, controls
// that claim keys), KeyPreview, dialog characters, child-key notices, sent versus posted keys.
#include "test_controls.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

using Events = std::vector<std::string>;

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(Application);
        a = new TLogControl(form, form, h.Log, "a", Rect(10, 10, 90, 34));
        b = new TLogControl(form, form, h.Log, "b", Rect(10, 40, 90, 64));
        c = new TLogControl(form, form, h.Log, "c", Rect(10, 70, 90, 94));
        ok = new TTestButton(form, form, h.Log, "ok", Rect(10, 200, 85, 225));
        cancel = new TTestButton(form, form, h.Log, "cancel", Rect(100, 200, 175, 225));
        ok->Default = true;
        cancel->Cancel = true;
        form->Show();
        a->SetFocus();
        for (auto* x : {a, b, c}) {
            x->Watched = {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSCHAR, CM_DIALOGCHAR};
            x->DlgCode = DLGC_WANTCHARS;
        }
        h.ProcessMessages();
        h.Log.Clear();
    }

    THarness h;
    TForm* form = nullptr;
    TLogControl *a = nullptr, *b = nullptr, *c = nullptr;
    TTestButton *ok = nullptr, *cancel = nullptr;
};

TEST_F(Keyboard, KeyDownThenCharacterThenKeyUp)
{
    h.Press('A');
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KEYDOWN 65", "a WM_CHAR a", "a WM_KEYUP 65"}));
    h.Press('A', ssShift);
    EXPECT_EQ(h.Log.Take(),
              (Events{"a WM_KEYDOWN 16", "a WM_KEYDOWN 65", "a WM_CHAR A", "a WM_KEYUP 65", "a WM_KEYUP 16"}));
    h.Type(u"x1ä");
    EXPECT_EQ(h.Log.Take(),
              (Events{"a WM_KEYDOWN 88", "a WM_CHAR x", "a WM_KEYUP 88", "a WM_KEYDOWN 49", "a WM_CHAR 1",
                      "a WM_KEYUP 49", "a WM_KEYDOWN 231", "a WM_CHAR \xE4", "a WM_KEYUP 231"}));
}

TEST_F(Keyboard, TheKeyStateIsUpdatedBeforeAnyHandlerRuns)
{
    std::vector<bool> shiftDown;
    a->OnKeyDown = [&](TObject*, Word&, TShiftState s) {
        shiftDown.push_back(GetKeyState(VK_SHIFT) < 0 && (s & ssShift));
    };
    h.Press('Q', ssShift);
    EXPECT_EQ(shiftDown, (std::vector<bool>{true, true}));
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(Keyboard, ClearingTheKeyInKeyDownKeepsTheCharacter)
{
    a->OnKeyDown = [](TObject*, Word& Key, TShiftState) { Key = 0; };
    Char got = 0;
    a->OnKeyPress = [&](TObject*, Char& Key) { got = Key; };
    h.Press('K');
    EXPECT_EQ(got, u'k');
}

TEST_F(Keyboard, KeyPreviewGivesTheFormTheKeyFirst)
{
    form->KeyPreview = true;
    form->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
        h.Log.Add("form keydown");
        if (Key == VK_F3) Key = 0;
    };
    a->OnKeyDown = [&](TObject*, Word&, TShiftState) { h.Log.Add("a keydown"); };
    h.KeyDown(VK_F2);
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KEYDOWN 113", "form keydown", "a keydown"}));
    h.KeyDown(VK_F3);
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KEYDOWN 114", "form keydown"})) << "a key the form clears stops there";
    form->OnKeyPress = [&](TObject*, Char& Key) {
        h.Log.Add("form keypress");
        if (Key == u'q') Key = 0;
    };
    form->OnKeyUp = [&](TObject*, Word&, TShiftState) { h.Log.Add("form keyup"); };
    a->OnKeyPress = [&](TObject*, Char& Key) { h.Log.Add(std::string("a keypress ") + char(Key)); };
    a->Watched.clear();
    h.Type(u"pq");
    EXPECT_EQ(h.Log.Take(),
              (Events{"form keydown", "a keydown", "form keypress", "a keypress p", "form keyup", "form keydown",
                      "a keydown", "form keypress", "form keyup"}));
}

TEST_F(Keyboard, KeyDataCarriesTheScanCode)
{
    std::vector<LPARAM> data;
    a->OnKeyPress = [&](TObject*, Char&) {};
    TWndMethod old = a->WindowProc;
    a->WindowProc = [&, old](TMessage& M) {
        if (M.Msg == WM_CHAR) data.push_back(M.LParam);
        old(M);
    };
    h.Press(VK_DECIMAL);
    h.Press(VK_OEM_PERIOD);
    ASSERT_EQ(data.size(), 2u);
    EXPECT_TRUE(data[0] & (LPARAM(1) << 22)) << "numeric keypad decimal key";
    EXPECT_FALSE(data[1] & (LPARAM(1) << 22)) << "main keyboard full stop";
    EXPECT_EQ((data[0] >> 16) & 0xFF, 0x53);
}

TEST_F(Keyboard, TabFollowsTheTabOrderAndIsSwallowed)
{
    struct Case {
        TShiftState Shift;
        TWinControl* Expected;
    };
    h.Press(VK_TAB);
    EXPECT_EQ(GetFocus(), b->Handle());
    EXPECT_EQ(h.Log.Take(), (Events{"b WM_KEYUP 9"})) << "no key-down and no character for a dialog key";
    h.Press(VK_TAB, ssShift);
    EXPECT_EQ(GetFocus(), a->Handle());
    c->SetTabOrder(0);
    h.Press(VK_TAB, ssShift);
    EXPECT_EQ(GetFocus(), c->Handle()) << "c is now first, before a";
    cancel->SetFocus();
    h.Press(VK_TAB);
    EXPECT_EQ(GetFocus(), c->Handle()) << "the walk wraps around";
    b->SetTabStop(false);
    a->SetFocus();
    h.Press(VK_TAB);
    EXPECT_EQ(GetFocus(), ok->Handle()) << "b is no tab stop";
}

TEST_F(Keyboard, EnterAndEscapeGoToTheDefaultAndCancelButtons)
{
    h.Press(VK_RETURN);
    EXPECT_EQ(h.Log.Take(), (Events{"ok click", "a WM_KEYUP 13"}));
    h.Press(VK_ESCAPE);
    EXPECT_EQ(h.Log.Take(), (Events{"cancel click", "a WM_KEYUP 27"}));
    h.Press(VK_ESCAPE, ssShift);
    EXPECT_FALSE(h.Log.Contains("cancel click")) << "not with a shift key held";
}

TEST_F(Keyboard, AControlThatClaimsAKeyGetsIt)
{
    a->SpecialKeys = {VK_RETURN};
    h.Press(VK_RETURN);
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KEYDOWN 13", "a WM_CHAR \r", "a WM_KEYUP 13"}));
    a->SpecialKeys.clear();
    a->DlgCode = DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS;
    h.Press(VK_TAB);
    h.Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), a->Handle());
    EXPECT_EQ(h.Log.Take(),
              (Events{"a WM_KEYDOWN 9", "a WM_CHAR \t", "a WM_KEYUP 9", "a WM_KEYDOWN 40", "a WM_KEYUP 40"}));
    a->DlgCode = DLGC_WANTCHARS;
    h.Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), b->Handle()) << "arrows move the focus among siblings otherwise";
}

TEST_F(Keyboard, CharactersAControlDoesNotWantAreOfferedToTheFormFirst)
{
    a->DlgCode = 0;
    h.Press('X');
    EXPECT_EQ(h.Log.Take(),
              (Events{"a WM_KEYDOWN 88", "a CM_DIALOGCHAR", "b CM_DIALOGCHAR", "c CM_DIALOGCHAR", "a WM_CHAR x",
                      "a WM_KEYUP 88"}))
        << "the form broadcasts the accelerator; nobody takes it, so the character goes on";
    a->DlgCode = DLGC_WANTCHARS;
    h.Press('X');
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KEYDOWN 88", "a WM_CHAR x", "a WM_KEYUP 88"}));
    h.Press('X', ssAlt);
    EXPECT_EQ(h.Log.Take(), (Events{"a CM_DIALOGCHAR", "b CM_DIALOGCHAR", "c CM_DIALOGCHAR", "a WM_SYSCHAR x"}))
        << "Alt makes system keys and characters, offered as accelerators";
    a->DlgCode = 0;
    TWndMethod old = b->WindowProc;
    b->WindowProc = [old](TMessage& M) {
        old(M);
        if (M.Msg == CM_DIALOGCHAR && M.WParam == u'x') M.Result = 1;  // b's accelerator
    };
    h.Press('X');
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KEYDOWN 88", "a CM_DIALOGCHAR", "b CM_DIALOGCHAR", "a WM_KEYUP 88"}))
        << "a character taken as an accelerator goes no further";
}

TEST_F(Keyboard, TheChildKeyNoticeGoesUpTheParentsAndCanSwallowTheKey)
{
    auto* panel = new TLogControl(form, form, h.Log, "panel", Rect(100, 10, 300, 200));
    auto* inner = new TLogControl(form, panel, h.Log, "inner", Rect(10, 10, 80, 30));
    panel->Watched = {CM_CHILDKEY};
    inner->Watched = {WM_KEYDOWN};
    TWndMethod old = panel->WindowProc;
    panel->WindowProc = [old](TMessage& M) {
        old(M);
        if (M.Msg == CM_CHILDKEY && M.WParam == VK_F5) M.Result = 1;
    };
    inner->SetFocus();
    h.Log.Clear();
    h.KeyDown(VK_F4);
    h.KeyDown(VK_F5);
    EXPECT_EQ(h.Log.Take(), (Events{"panel CM_CHILDKEY", "inner WM_KEYDOWN 115", "panel CM_CHILDKEY"}));
}

TEST_F(Keyboard, SentKeysBypassTranslationPostedOnesGoThroughIt)
{
    SendMessage(a->Handle(), WM_KEYDOWN, VK_TAB, 0);
    h.ProcessMessages();
    EXPECT_EQ(GetFocus(), a->Handle());
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KEYDOWN 9"}));
    PostMessage(a->Handle(), WM_KEYDOWN, 'Z', 0);
    PostMessage(a->Handle(), WM_KEYDOWN, VK_TAB, 0);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (Events{"a WM_KEYDOWN 90", "a WM_CHAR z"}));
    EXPECT_EQ(GetFocus(), b->Handle());
}

}  // namespace
}  // namespace gw::test
