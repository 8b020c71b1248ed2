// Harness tests of TMemo: lines as a string list, Enter and Tab handling, word wrap, line
// navigation and scrolling.
#include "platform/controls/mask_edit.h"
#include "platform/controls/memo.h"

#include "platform/backends/headless/harness.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class MemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 400, 300);
        memo = new TMemo(form);
        memo->SetParent(form);
        memo->SetBounds(10, 10, 200, 100);
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 150, 100, 21);
        memo->OnChange = [this](TObject*) { ++changes; };
        form->Show();
        memo->SetFocus();
        h.ProcessMessages();
    }

    THarness h;
    TForm* form = nullptr;
    TMemo* memo = nullptr;
    TEdit* edit = nullptr;
    int changes = 0;
};

TEST_F(MemoTest, LinesEditTheTextAndTheTextSplitsIntoLines)
{
    memo->Lines()->Add(u"one");
    memo->Lines()->Add(u"two");
    memo->Lines()->Insert(1, u"between");
    EXPECT_EQ(memo->Text(), u"one\r\nbetween\r\ntwo");
    memo->Lines()->Delete(0);
    memo->Lines()->SetStrings(1, u"2");
    EXPECT_EQ(memo->Text(), u"between\r\n2");
    memo->SetText(u"a\r\nb\nc\r\n");
    ASSERT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(2), u"c");
    EXPECT_THROW(memo->Lines()->Strings(3), EStringListError);
    memo->Lines()->Clear();
    EXPECT_EQ(memo->Lines()->Count(), 0);
}

TEST_F(MemoTest, EnterBreaksTheLineUnlessWantReturnsIsOff)
{
    h.Type(u"ab");
    h.Press(VK_RETURN);
    h.Type(u"cd");
    EXPECT_EQ(memo->Text(), u"ab\r\ncd");
    EXPECT_EQ(memo->CaretPos().Y, 1);
    EXPECT_EQ(memo->CaretPos().X, 2);
    memo->SetWantReturns(false);
    h.Press(VK_RETURN);
    EXPECT_EQ(memo->Text(), u"ab\r\ncd");
}

TEST_F(MemoTest, TabMovesTheFocusUnlessWantTabsIsOn)
{
    h.Press(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), edit);
    memo->SetWantTabs(true);
    memo->SetFocus();
    h.Press(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), memo);
    EXPECT_EQ(memo->Text(), u"\t");
}

TEST_F(MemoTest, WordWrapBreaksLongLinesWithoutChangingTheText)
{
    const String longLine = u"the quick brown fox jumps over the lazy dog again and again";
    memo->SetText(longLine);
    EXPECT_GT(memo->Perform(EM_GETLINECOUNT), 1);
    EXPECT_EQ(memo->Lines()->Count(), 1);
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), 1);
    EXPECT_EQ(memo->Text(), longLine);
}

TEST_F(MemoTest, UpAndDownMoveBetweenLinesKeepingTheColumn)
{
    memo->SetText(u"aaaaaa\r\naa\r\naaaaaaaaa");
    memo->SetCaretPos({4, 0});
    h.Press(VK_DOWN);
    EXPECT_EQ(memo->CaretPos(), (TPoint{2, 1}));
    h.Press(VK_DOWN);
    EXPECT_EQ(memo->CaretPos(), (TPoint{4, 2})) << "the column of the first line is kept";
    h.Press(VK_UP, ssShift);
    EXPECT_EQ(memo->SelText(), u"\r\naaaa");
    EXPECT_EQ(memo->Perform(EM_LINEFROMCHAR, 9), 1);
    EXPECT_EQ(memo->Perform(EM_LINEINDEX, 2), 12);
}

TEST_F(MemoTest, TheCaretLineStaysVisibleAndTheScrollBarScrolls)
{
    memo->SetScrollBars(ssVertical);
    for (int i = 0; i < 30; ++i) memo->Lines()->Add(u"line");
    memo->SetSelStart(memo->Text().size());
    h.Press(VK_END, ssCtrl);
    EXPECT_GT(memo->TopLine(), 0);
    const Integer top = memo->TopLine();
    TScrollInfo si;
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_VERT, si));
    EXPECT_EQ(si.nPos, top);
    EXPECT_EQ(si.nMax, 29) << "thirty lines, numbered from 0";
    const TRect client = memo->ClientRect();
    EXPECT_LT(client.Right, memo->Width()) << "the bar lies outside the client area";
    h.Click(memo, {client.Right + 3, client.Top + 3});  // the up arrow
    EXPECT_EQ(memo->TopLine(), top - 1);
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_VERT, si));
    EXPECT_EQ(si.nPos, top - 1);
    h.Wheel(memo, 1);
    EXPECT_LT(memo->TopLine(), top - 1);
}

// The grid's text editor: a masked edit made multi-line through its window style, which shows
// one line of a cell, takes line breaks, and wraps only when asked to.
class TMultiLineEditor : public TCustomMaskEdit {
public:
    explicit TMultiLineEditor(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
    bool Wrap = false;
    bool RightAligned = false;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TCustomMaskEdit::CreateParams(Params);
        Params.Style |= ES_MULTILINE | ES_WANTRETURN;
        if (Wrap) Params.Style &= ~Cardinal(ES_AUTOHSCROLL);
        if (RightAligned) Params.Style |= ES_RIGHT;
    }
};

TEST(MultiLineStyle, TheWindowStyleMakesAMaskEditMultiLine)
{
    THarness h;
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 300, 200);
    auto* editor = new TMultiLineEditor(form);
    editor->SetParent(form);
    editor->SetBounds(10, 10, 80, 20);
    editor->SetBorderStyle(bsNone);
    form->Show();
    editor->SetFocus();
    EXPECT_EQ(editor->Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS) << "Enter and Escape reach it";
    h.Type(u"one two three four");
    EXPECT_EQ(editor->Perform(EM_GETLINECOUNT), 1) << "without wrapping it scrolls sideways";
    h.Press(VK_RETURN);
    h.Type(u"x");
    EXPECT_EQ(editor->Text(), u"one two three four\r\nx");
    EXPECT_EQ(editor->Perform(EM_LINEFROMCHAR, WPARAM(-1)), 1);
    editor->Wrap = true;
    editor->RightAligned = true;
    editor->SetSelStart(2);
    editor->RecreateWnd();
    EXPECT_GT(editor->Perform(EM_GETLINECOUNT), 2) << "without ES_AUTOHSCROLL the words wrap";
    EXPECT_EQ(editor->Text(), u"one two three four\r\nx") << "the text survives the new window";
    EXPECT_EQ(editor->SelStart(), 2);
    const TRect r = Rect(3, 3, 78, 20);
    editor->Perform(EM_SETRECTNP, 0, LPARAM(&r));
    EXPECT_LE(GetXLParam(editor->Perform(EM_POSFROMCHAR, 0)), 78);
}

}  // namespace
}  // namespace gw::test
