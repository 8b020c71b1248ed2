// Harness tests of TMaskEdit: masks accepting and refusing input, literals, Text versus
// EditText, validation on leaving and Escape.
#include "edit_fixture.h"
#include "platform/controls/mask_edit.h"
#include "platform/controls/message_beep.h"

#include "platform/backends/headless/harness.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class MaskEditTest : public EditFixture<TMaskEdit> {};

TEST_F(MaskEditTest, TypingFillsInputPositionsAndSkipsLiterals)
{
    edit->SetEditMask(u"000-000;0;_");
    EXPECT_EQ(edit->EditText(), u"___-___");
    edit->SetSelStart(0);
    changes = 0;
    h.Type(u"12345");
    EXPECT_EQ(edit->EditText(), u"123-45_");
    EXPECT_EQ(edit->Text(), u"12345 ");
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(edit->SelStart(), 6);
}

TEST_F(MaskEditTest, RefusedCharactersBeepAndChangeNothing)
{
    struct Case {
        const char16_t* mask;
        const char16_t* typed;
        const char16_t* edit;
        Cardinal beeps;
    };
    const Case cases[] = {
        {u"00;1;_", u"a1", u"1_", 1}, {u"LL;1;_", u"a1b", u"ab", 1}, {u">LL;1;_", u"ab", u"AB", 0},
        {u"##;1;_", u"-5", u"-5", 0}, {u"0;1;_", u"12", u"1", 1},  // no position left
    };
    for (const Case& c : cases) {
        edit->SetEditMask(c.mask);
        edit->SetEditText(u"");
        edit->SetSelStart(0);
        const Cardinal beeps = BeepCount();
        h.Type(c.typed);
        EXPECT_EQ(edit->EditText(), c.edit) << "typed into a mask";
        EXPECT_EQ(BeepCount() - beeps, c.beeps);
    }
}

TEST_F(MaskEditTest, TypingTheLiteralStepsOverIt)
{
    edit->SetEditMask(u"00/00;1;_");
    edit->SetSelStart(0);
    h.Type(u"1/2");
    EXPECT_EQ(edit->EditText(), u"1_/2_");
}

TEST_F(MaskEditTest, BackspaceAndDeleteEmptyPositions)
{
    edit->SetEditMask(u"000-000;1;_");
    edit->SetText(u"123-456");
    edit->SetSelStart(4);
    h.Press(VK_BACK);  // over the literal to the 3
    EXPECT_EQ(edit->EditText(), u"12_-456");
    EXPECT_EQ(edit->SelStart(), 2);
    edit->SetSelStart(4);
    h.Press(VK_DELETE);
    EXPECT_EQ(edit->EditText(), u"12_-_56");
}

TEST_F(MaskEditTest, PasteGoesThroughTheMask)
{
    other->SetText(u"98x7");
    other->SelectAll();
    other->CopyToClipboard();
    edit->SetEditMask(u"0000;1;_");
    edit->SetSelStart(0);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->EditText(), u"98__") << "the paste stops at the refused character";
}

TEST_F(MaskEditTest, SaveLiteralsDecidesWhatTextHolds)
{
    edit->SetEditMask(u"(000) 000;1;_");
    edit->SetText(u"(555) 123");
    EXPECT_EQ(edit->Text(), u"(555) 123");
    edit->SetEditMask(u"(000) 000;0;_");
    EXPECT_EQ(edit->EditText(), u"(555) 123");
    EXPECT_EQ(edit->Text(), u"555123");
}

TEST_F(MaskEditTest, LeavingWithARequiredPositionEmptyRaisesAndKeepsTheFocus)
{
    edit->SetEditMask(u"00-99;1;_");
    edit->SetSelStart(0);
    h.Type(u"1");
    EXPECT_THROW(other->SetFocus(), EDBEditError);
    h.ProcessMessages();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelStart(), 1);
    h.Type(u"2");
    other->SetFocus();
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(edit->Text(), u"12-  ");
}

TEST_F(MaskEditTest, ChangingTheLookOfTheFocusedEditIsNoLeaving)
{
    edit->SetEditMask(u"00-99;1;_");
    edit->SetSelStart(0);
    h.Type(u"1");
    int exits = 0;
    edit->OnExit = [&](TObject*) { ++exits; };
    EXPECT_NO_THROW(edit->SetBorderStyle(bsNone)) << "a half-filled mask is not validated";
    EXPECT_NO_THROW(edit->SetAlignment(taRightJustify));
    EXPECT_NO_THROW(edit->SetCharCase(ecUpperCase));
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->EditText(), u"1_-__");
}

TEST_F(MaskEditTest, UntouchedEmptyFieldMayBeLeft)
{
    edit->SetEditMask(u"00;1;_");
    other->SetFocus();
    EXPECT_TRUE(other->Focused());
}

TEST_F(MaskEditTest, EscapeAbandonsTheChanges)
{
    edit->SetEditMask(u"000;1;_");
    edit->SetText(u"123");
    other->SetFocus();
    edit->SetFocus();
    edit->SetSelStart(0);
    h.Type(u"9");
    EXPECT_EQ(edit->EditText(), u"923");
    h.Press(VK_ESCAPE);
    EXPECT_EQ(edit->EditText(), u"123");
    EXPECT_FALSE(edit->Modified());
}

TEST_F(MaskEditTest, UndoTakesBackTheLastCharacter)
{
    edit->SetEditMask(u"000;1;_");
    edit->SetSelStart(0);
    h.Type(u"12");
    h.Press('Z', ssCtrl);
    EXPECT_EQ(edit->EditText(), u"1__");
    EXPECT_EQ(edit->Text(), u"1  ");
}

TEST_F(MaskEditTest, WithoutAMaskItIsThePlainEdit)
{
    h.Type(u"free text");
    EXPECT_EQ(edit->Text(), u"free text");
    EXPECT_FALSE(edit->IsMasked());
}

}  // namespace
}  // namespace gw::test
