// Harness tests of TEdit: typing, selection by keys and mouse, clipboard, limits, undo, OnChange,
// key events and the edit messages other controls send.
#include "edit_fixture.h"
#include "platform/controls/edit.h"
#include "platform/controls/message_beep.h"

#include "platform/backends/headless/harness.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class EditTest : public EditFixture<TEdit> {};

TEST_F(EditTest, TypingInsertsAtTheCaretWithOneChangePerCharacter)
{
    h.Type(u"hello");
    EXPECT_EQ(edit->Text(), u"hello");
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(edit->SelStart(), 5);
    EXPECT_TRUE(edit->Modified());
    h.Press(VK_HOME);
    h.Type(u">");
    EXPECT_EQ(edit->Text(), u">hello");
}

TEST_F(EditTest, ProgramTextChangesFireOnceAndOnlyWhenDifferent)
{
    edit->SetText(u"abc");
    edit->SetText(u"abc");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(edit->Modified());
    EXPECT_FALSE(edit->CanUndo());
}

TEST_F(EditTest, ShiftSelectionByKeys)
{
    struct Case {
        Word key;
        TShiftState shift;
        Integer selStart, selLength;
    };
    const Case cases[] = {
        {VK_LEFT, ssShift, 9, 2},  // caret 11 -> 9 keeps the anchor
        {VK_HOME, ssShift, 0, 11},
        {VK_LEFT, ssShift | ssCtrl, 6, 5},  // back to the start of "world"
        {VK_RIGHT, 0, 11, 0},
    };
    for (const Case& c : cases) {
        edit->SetText(u"hello world");
        edit->SetSelStart(11);
        if (c.key == VK_LEFT && c.shift == ssShift) h.Press(VK_LEFT, ssShift);
        h.Press(c.key, c.shift);
        EXPECT_EQ(edit->SelStart(), c.selStart) << int(c.key);
        EXPECT_EQ(edit->SelLength(), c.selLength) << int(c.key);
    }
}

TEST_F(EditTest, MouseSelectsAndDoubleClickSelectsAWord)
{
    edit->SetText(u"alpha beta");
    const TPoint start{GetXLParam(edit->Perform(EM_POSFROMCHAR, 6)), 10};
    h.Click(edit, start);
    EXPECT_EQ(edit->SelStart(), 6);
    EXPECT_EQ(edit->SelLength(), 0);
    h.Advance(1000);
    h.DoubleClick(edit, {8, 10});
    EXPECT_EQ(edit->SelText(), u"alpha ");
    h.Advance(1000);
    const TPoint end{GetXLParam(edit->Perform(EM_POSFROMCHAR, 9)), 10};
    h.Drag(edit, start, end);
    EXPECT_EQ(edit->SelText(), u"bet");
}

TEST_F(EditTest, ClipboardRoundTripByKeysAndMessages)
{
    edit->SetText(u"copy me");
    edit->SelectAll();
    h.Press('C', ssCtrl);
    other->SetFocus();
    h.Press('V', ssCtrl);
    EXPECT_EQ(other->Text(), u"copy me");
    edit->SetSelStart(0);
    edit->SetSelLength(5);
    edit->Perform(WM_CUT);
    EXPECT_EQ(edit->Text(), u"me");
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->Text(), u"copy me");
    edit->SelectAll();
    edit->Perform(WM_CLEAR);
    EXPECT_EQ(edit->Text(), u"");
}

TEST_F(EditTest, PasswordTextCannotBeCopied)
{
    other->SetText(u"kept");
    other->SelectAll();
    other->CopyToClipboard();
    edit->SetPasswordChar(u'*');
    edit->SetText(u"secret");
    edit->SelectAll();
    edit->CopyToClipboard();
    edit->CutToClipboard();
    EXPECT_EQ(edit->Text(), u"secret");
    other->SetText(u"");
    other->PasteFromClipboard();
    EXPECT_EQ(other->Text(), u"kept");
}

TEST_F(EditTest, MaxLengthRefusesWithABeepAndCutsPastes)
{
    edit->SetMaxLength(3);
    const Cardinal beeps = BeepCount();
    h.Type(u"abcd");
    EXPECT_EQ(edit->Text(), u"abc");
    EXPECT_EQ(BeepCount(), beeps + 1);
    edit->SetText(u"");
    edit->SetSelText(u"12345");
    EXPECT_EQ(edit->Text(), u"123");
}

TEST_F(EditTest, UndoRestoresTheLastChangeAndAgainRedoes)
{
    edit->SetText(u"base");
    edit->SetSelStart(4);
    h.Type(u"XY");
    EXPECT_TRUE(edit->CanUndo());
    h.Press('Z', ssCtrl);
    EXPECT_EQ(edit->Text(), u"base");
    EXPECT_EQ(edit->Perform(EM_CANUNDO), 1);
    edit->Perform(EM_UNDO);
    EXPECT_EQ(edit->Text(), u"baseXY");
}

TEST_F(EditTest, ReadOnlyRefusesEditingButAllowsSelection)
{
    edit->SetText(u"fixed");
    edit->SetReadOnly(true);
    h.Type(u"x");
    h.Press(VK_BACK);
    h.Press(VK_DELETE);
    EXPECT_EQ(edit->Text(), u"fixed");
    h.Press(VK_END);
    h.Press(VK_HOME, ssShift);
    EXPECT_EQ(edit->SelLength(), 5);
    edit->Perform(EM_SETREADONLY, 0);
    EXPECT_FALSE(edit->ReadOnly());
}

TEST_F(EditTest, CharCaseConvertsTypedText)
{
    edit->SetCharCase(ecUpperCase);
    h.Type(u"abc");
    EXPECT_EQ(edit->Text(), u"ABC");
}

TEST_F(EditTest, KeyEventsCanSwallowKeys)
{
    edit->OnKeyPress = [](TObject*, Char& Key) {
        if (Key == u'x') Key = 0;
    };
    edit->OnKeyDown = [](TObject*, Word& Key, TShiftState) {
        if (Key == VK_HOME) Key = 0;
    };
    h.Type(u"axb");
    EXPECT_EQ(edit->Text(), u"ab");
    h.Press(VK_HOME);
    EXPECT_EQ(edit->SelStart(), 2);
}

TEST_F(EditTest, AutoSelectSelectsAllOnEnteringByKeyboard)
{
    other->SetText(u"select me");
    edit->SetFocus();
    h.Press(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), other);
    EXPECT_EQ(other->SelLength(), 9);
}

TEST_F(EditTest, EditMessagesOfTheGridEditor)
{
    edit->SetText(u"abcdef");
    edit->Perform(EM_SETSEL, 1, 3);
    Cardinal s = 0, e = 0;
    edit->Perform(EM_GETSEL, WPARAM(&s), LPARAM(&e));
    EXPECT_EQ(s, 1u);
    EXPECT_EQ(e, 3u);
    const LRESULT pos = edit->Perform(EM_POSFROMCHAR, 2);
    ASSERT_NE(pos, -1);
    const LRESULT hit = edit->Perform(EM_CHARFROMPOS, 0, MakeLParam(GetXLParam(pos) + 1, GetYLParam(pos) + 2));
    EXPECT_EQ(hit & 0xFFFF, 2);
    EXPECT_EQ(edit->Perform(EM_POSFROMCHAR, 6), -1);
    EXPECT_EQ(edit->Perform(EM_LINEFROMCHAR, 3), 0);
    // The formatting rectangle moves the text.
    const TRect r = Rect(20, 3, 140, 21);
    edit->Perform(EM_SETRECTNP, 0, LPARAM(&r));
    EXPECT_EQ(GetXLParam(edit->Perform(EM_POSFROMCHAR, 0)), 20);
    edit->Perform(EM_LIMITTEXT, 2);
    EXPECT_EQ(edit->MaxLength(), 2);
}

TEST_F(EditTest, HiddenCaretCountsAndComesBackWithTheFocus)
{
    EXPECT_TRUE(HideCaret(edit->Handle()));
    EXPECT_TRUE(HideCaret(edit->Handle()));
    EXPECT_TRUE(ShowCaret(edit->Handle()));
    EXPECT_FALSE(edit->CaretVisible());
    EXPECT_TRUE(ShowCaret(edit->Handle()));
    EXPECT_TRUE(edit->CaretVisible());
    HideCaret(edit->Handle());
    other->SetFocus();
    edit->SetFocus();
    EXPECT_TRUE(edit->CaretVisible());
    EXPECT_FALSE(HideCaret(form->Handle()));
}

TEST_F(EditTest, LongTextScrollsToKeepTheCaretVisible)
{
    edit->SetText(String(60, u'm'));
    edit->SetSelStart(60);
    const LRESULT last = edit->Perform(EM_POSFROMCHAR, 59);
    EXPECT_LT(GetXLParam(last), edit->Width());
    edit->SetSelStart(0);
    EXPECT_EQ(GetXLParam(edit->Perform(EM_POSFROMCHAR, 0)), 3);
    edit->SetBorderStyle(bsNone);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 0) << "re-creating the window is no new entry";
    EXPECT_EQ(GetXLParam(edit->Perform(EM_POSFROMCHAR, 0)), 1) << "without the border the text moves out";
    EXPECT_FALSE(GetWindowStyle(edit->Handle()) & WS_BORDER);
}

TEST_F(EditTest, RightAlignedTextEndsAtTheRightEdgeAndLongTextStillScrolls)
{
    edit->SetAlignment(taRightJustify);
    edit->SetText(u"42");
    EXPECT_GT(GetXLParam(edit->Perform(EM_POSFROMCHAR, 0)), 100);
    edit->SetText(String(60, u'9'));
    edit->SetSelStart(60);
    const Integer last = GetXLParam(edit->Perform(EM_POSFROMCHAR, 59));
    EXPECT_GT(last, 0);
    EXPECT_LT(last, edit->Width());
}

}  // namespace
}  // namespace gw::test
