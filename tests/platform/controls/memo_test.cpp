// Harness tests of TMemo: lines as a string list, Enter and Tab handling, word wrap, line
// navigation and scrolling.
#include "platform/controls/memo.h"

#include "platform/backends/headless/harness.h"

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
    for (int i = 0; i < 30; ++i)
        memo->Lines()->Add(u"line");
    memo->SetSelStart(memo->Text().size());
    h.Press(VK_END, ssCtrl);
    EXPECT_GT(memo->TopLine(), 0);
    const Integer top = memo->TopLine();
    const TRect client = memo->ClientRect();
    h.Click(memo, {client.Right - 5, client.Top + 5});  // the up arrow
    EXPECT_EQ(memo->TopLine(), top - 1);
    h.Wheel(memo, 1);
    EXPECT_LT(memo->TopLine(), top - 1);
}

}  // namespace
}  // namespace gw::test
