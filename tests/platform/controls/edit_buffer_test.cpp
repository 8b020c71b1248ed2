// Tests of the edit text model and its line layout: typing, selection, limits, undo, wrapping.
#include "platform/controls/edit_buffer.h"
#include "platform/controls/edit_layout.h"

#include <gtest/gtest.h>

namespace gw::test {

namespace {

// Every character is 7 pixels wide, so positions and pixels are easy to reason about.
Integer Fixed7(StringView S) { return Integer(S.size()) * 7; }

}  // namespace

TEST(EditBuffer, TypingReplacesTheSelectionAndMovesTheCaret)
{
    TEditBuffer b;
    b.SetText(u"hello world");
    b.SetSel(0, 5);
    EXPECT_EQ(b.SelText(), u"hello");
    EXPECT_TRUE(b.TypeChar(u'J'));
    EXPECT_EQ(b.Text(), u"J world");
    EXPECT_EQ(b.Caret(), 1);
    EXPECT_FALSE(b.HasSelection());
}

TEST(EditBuffer, SetSelFollowsTheEditMessageRules)
{
    struct Case {
        Integer start, end, selStart, selLength, caret;
    };
    const Case cases[] = {
        {2, 4, 2, 2, 4},  // anchor 2, caret 4
        {4, 2, 2, 2, 2},  // reversed: caret at the start
        {0, -1, 0, 6, 6},  // -1 = to the end
        {3, 99, 3, 3, 6},  // clamped
        {-1, 0, 6, 0, 6},  // -1 start: selection removed, caret kept (was 6)
    };
    TEditBuffer b;
    b.SetText(u"abcdef");
    for (const Case& c : cases) {
        b.SetSel(0, 6);
        b.SetSel(c.start, c.end);
        EXPECT_EQ(b.SelStart(), c.selStart) << c.start << "," << c.end;
        EXPECT_EQ(b.SelLength(), c.selLength) << c.start << "," << c.end;
        EXPECT_EQ(b.Caret(), c.caret) << c.start << "," << c.end;
    }
}

TEST(EditBuffer, MaxLengthCutsPastedTextAndRefusesTypedCharacters)
{
    TEditBuffer b;
    b.MaxLength = 5;
    b.SetText(u"abc");
    b.MoveCaret(3, false);
    EXPECT_TRUE(b.ReplaceSel(u"defgh"));
    EXPECT_EQ(b.Text(), u"abcde");
    EXPECT_FALSE(b.TypeChar(u'x'));
    EXPECT_EQ(b.Text(), u"abcde");
    b.SetSel(0, 1);  // replacing one character leaves room for one
    EXPECT_TRUE(b.TypeChar(u'x'));
    EXPECT_EQ(b.Text(), u"xbcde");
}

TEST(EditBuffer, MaxLengthNeverKeepsHalfASurrogatePair)
{
    TEditBuffer b;
    b.MaxLength = 2;
    b.SetText(u"a");
    b.MoveCaret(1, false);
    b.ReplaceSel(u"\U0001F600");
    EXPECT_EQ(b.Text(), u"a");
}

TEST(EditBuffer, CharCaseConvertsTypedSetAndExistingText)
{
    TEditBuffer b;
    b.SetText(u"Mixed");
    b.SetCharCase(ecUpperCase);
    EXPECT_EQ(b.Text(), u"MIXED");
    b.MoveCaret(5, false);
    b.TypeChar(u'x');
    EXPECT_EQ(b.Text(), u"MIXEDX");
    b.SetCharCase(ecLowerCase);
    b.SetText(u"ABC");
    EXPECT_EQ(b.Text(), u"abc");
}

TEST(EditBuffer, SingleLinePasteStopsAtTheFirstLineBreak)
{
    TEditBuffer b;
    b.ReplaceSel(u"one\r\ntwo");
    EXPECT_EQ(b.Text(), u"one");
    TEditBuffer m;
    m.Multiline = true;
    m.ReplaceSel(u"one\r\ntwo");
    EXPECT_EQ(m.Text(), u"one\r\ntwo");
}

TEST(EditBuffer, TypingInARowIsOneUndoStepAndUndoTwiceRedoes)
{
    TEditBuffer b;
    b.SetText(u"x");
    b.MoveCaret(1, false);
    for (Char c : String(u"abc")) b.TypeChar(c);
    EXPECT_TRUE(b.CanUndo());
    EXPECT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), u"x");
    EXPECT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), u"xabc");
    // A caret move ends the typing run: the next character is its own step.
    b.MoveCaret(0, false);
    b.TypeChar(u'>');
    b.Undo();
    EXPECT_EQ(b.Text(), u"xabc");
    EXPECT_FALSE(TEditBuffer().CanUndo());
}

TEST(EditBuffer, DeletionTakesWholePairsAndWords)
{
    struct Case {
        const char16_t* text;
        Integer caret;
        bool forward;
        bool word;
        const char16_t* expect;
    };
    const Case cases[] = {
        {u"ab\r\ncd", 4, false, false, u"abcd"},  // backspace over CR LF
        {u"ab\r\ncd", 2, true, false, u"abcd"},  // delete CR LF
        {u"a\U0001F600b", 3, false, false, u"ab"},  // surrogate pair as one
        {u"a\U0001F600b", 1, true, false, u"ab"},
        {u"one two three", 7, false, true, u"one  three"},  // Ctrl+Backspace
        {u"one two three", 4, true, true, u"one three"},  // Ctrl+Delete
        {u"abc", 0, false, false, u"abc"},  // nothing before the caret
    };
    for (const Case& c : cases) {
        TEditBuffer b;
        b.Multiline = true;
        b.SetText(c.text);
        b.MoveCaret(c.caret, false);
        c.forward ? b.DeleteForward(c.word) : b.DeleteBackward(c.word);
        EXPECT_EQ(b.Text(), c.expect);
    }
}

TEST(EditBuffer, PositionsNeverSplitPairs)
{
    TEditBuffer b;
    b.Multiline = true;
    b.SetText(u"a\r\nb");
    b.SetSel(2, 2);
    EXPECT_EQ(b.Caret(), 1);
}

TEST(EditBuffer, DoubleClickSelectsTheWordWithItsTrailingBlanks)
{
    TEditBuffer b;
    b.SetText(u"alpha  beta gamma");
    b.SelectWordAt(2);
    EXPECT_EQ(b.SelText(), u"alpha  ");
    b.SelectWordAt(14);
    EXPECT_EQ(b.SelText(), u"gamma");
    b.SelectWordAt(6);  // on the blanks
    EXPECT_EQ(b.SelText(), u"  ");
    EXPECT_EQ(b.NextWordStart(0), 7);
    EXPECT_EQ(b.PrevWordStart(11), 7);
}

TEST(EditLayout, HitTestingRoundsToTheNearestCharacterEdge)
{
    TEditLayout l(u"abcd", false, false, 0, Fixed7);
    EXPECT_EQ(l.XOfChar(3), 21);
    EXPECT_EQ(l.CharFromX(0, 10), 1);  // 10 is nearer 7 than 14
    EXPECT_EQ(l.CharFromX(0, 11), 2);
    EXPECT_EQ(l.CharFromX(0, -5), 0);
    EXPECT_EQ(l.CharFromX(0, 500), 4);
}

TEST(EditLayout, HardLinesAndWordWrap)
{
    // 10 characters per line fit in 70 pixels.
    TEditLayout l(u"one two three four\r\nx\nlast", true, true, 70, Fixed7);
    ASSERT_EQ(l.LineCount(), 4);
    EXPECT_EQ(l.LineText(0), u"one two ");
    EXPECT_EQ(l.LineText(1), u"three four");
    EXPECT_EQ(l.Line(1).BreakLength, 2);
    EXPECT_EQ(l.LineText(2), u"x");
    EXPECT_EQ(l.Line(2).BreakLength, 1);
    EXPECT_EQ(l.LineText(3), u"last");
    EXPECT_EQ(l.Line(3).BreakLength, 0);
}

TEST(EditLayout, AWordWiderThanTheLineIsCutInside)
{
    TEditLayout l(u"abcdefghijkl", true, true, 35, Fixed7);
    ASSERT_EQ(l.LineCount(), 3);
    EXPECT_EQ(l.LineText(0), u"abcde");
    EXPECT_EQ(l.LineText(2), u"kl");
    EXPECT_EQ(l.LineFromChar(5), 1);  // a soft break belongs to the line it starts
    EXPECT_EQ(l.XOfChar(7), 14);
}

TEST(EditLayout, SingleLineKeepsEverythingOnOneLine)
{
    TEditLayout l(u"a\r\nb", false, true, 7, Fixed7);
    EXPECT_EQ(l.LineCount(), 1);
    EXPECT_EQ(l.MaxLineWidth(), 28);
}

}  // namespace gw::test
