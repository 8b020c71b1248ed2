// The text editor as a person types into it: the type's character rules with their beeps, the
// length limit, the keypad's decimal key, paste and lookup completion.
#include "platform/controls/message_beep.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/string_list.h"
#include "platform/ui/clipboard.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

struct TTypingCase {
    const char* What;
    TEditorType Type;
    const char16_t* Typed;
    const char16_t* Text;
    Cardinal Beeps;
};

void PrintTo(const TTypingCase& C, std::ostream* Out) { *Out << C.What; }

class EditorTyping : public EditGridTest, public testing::WithParamInterface<TTypingCase> {};

TEST_P(EditorTyping, TheTypeFiltersWhatIsTyped)
{
    const TTypingCase& c = GetParam();
    grid->OnGetEditorType = [&](TObject*, Integer, Integer, TEditorType& AEditor) { AEditor = c.Type; };
    grid->ValidChars = u"ABC";
    const Cardinal beeps = BeepCount();
    h.Type(c.Typed);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Utf8(Editor()->Text()), Utf8(c.Text));
    EXPECT_EQ(BeepCount() - beeps, c.Beeps);
    EXPECT_EQ(Utf8(grid->GetCellEx(1, 1)), Utf8(c.Text)) << "the typed text is in the cell as it is typed";
}

const TTypingCase TypingCases[] = {
    {"numeric: a letter and an inner minus beep", edNumeric, u"1a-2", u"12", 2},
    {"numeric: a leading minus", edNumeric, u"-12", u"-12", 0},
    {"positive float: a second point and a minus are dropped", edPositiveFloat, u"1.5.-3", u"1.53", 0},
    {"upper case", edUpperCase, u"ab", u"AB", 0},
    {"lower case", edLowerCase, u"AB", u"ab", 0},
    {"mixed case: proper case while typing", edMixedCase, u"john smith", u"John Smith", 0},
    {"valid chars: another letter beeps", edValidChars, u"AbC", u"AC", 1},
    {"normal takes anything", edNormal, u"a-1.", u"a-1.", 0},
};

INSTANTIATE_TEST_SUITE_P(Types, EditorTyping, testing::ValuesIn(TypingCases));

TEST_F(EditGridTest, AFullTextTakesNoMoreCharacters)
{
    grid->MaxEditLength = 3;
    const Cardinal beeps = BeepCount();
    h.Type(u"abcd");
    EXPECT_EQ(Editor()->Text(), u"abc");
    EXPECT_EQ(BeepCount(), beeps) << "dropped without a sound";
    EXPECT_EQ(Editor()->LengthLimit(), 3);
    h.Press(VK_BACK);
    h.Type(u"x");
    EXPECT_EQ(Editor()->Text(), u"abx");
}

TEST_F(EditGridTest, TheKeypadsDecimalKeyTypesTheLocaleSeparator)
{
    const TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    grid->OnGetEditorType = [](TObject*, Integer, Integer, TEditorType& AEditor) { AEditor = edFloat; };
    grid->ExcelStyleDecimalSeparator = true;
    h.Type(u"1");
    const LPARAM keypad = LPARAM(1) << 22;
    Editor()->Perform(WM_CHAR, u'.', keypad);
    Editor()->Perform(WM_CHAR, u'5', 0);
    Editor()->Perform(WM_CHAR, u'.', 0);  // the main keyboard's point: the thousand separator here
    EXPECT_EQ(Editor()->Text(), u"1,5");
    FormatSettings = saved;
}

// A descendant's key hook sees the editor's keys before the edit control acts on them.
TEST_F(EditGridTest, TheKeyHookSeesEveryKeyAndCanSwallowIt)
{
    std::vector<Word> seen;
    grid->KeyHook = [&](Word& Key, TShiftState) {
        seen.push_back(Key);
        if (Key == VK_DELETE) Key = 0;
    };
    grid->SetCellEx(3, 2, u"abc");
    grid->FocusCell(3, 2);
    h.Press(VK_F2);
    ASSERT_TRUE(EditorShown());
    Editor()->SetSelStart(1);
    h.Press(VK_DELETE);
    EXPECT_EQ(Editor()->Text(), u"abc") << "swallowed";
    h.Press(VK_BACK);
    EXPECT_EQ(Editor()->Text(), u"bc");
    EXPECT_EQ(seen, (std::vector<Word>{VK_DELETE, VK_BACK}));
}

TEST_F(EditGridTest, APasteMergesByTheTypeAndWritesTheCell)
{
    std::vector<std::string> log;
    grid->OnClipboardBeforePasteCell = [&](TObject*, Integer c, Integer r, String& v, bool&) {
        log.push_back("before " + std::to_string(c) + "," + std::to_string(r) + " " + Utf8(v));
    };
    grid->OnClipboardAfterPasteCell = [&](TObject*, Integer, Integer, const String& v) {
        log.push_back("after " + Utf8(v));
    };
    h.Type(u"10.");
    Clipboard()->SetAsText(u"0.7\r\n");
    Editor()->Perform(WM_PASTE);
    EXPECT_EQ(Editor()->Text(), u"10.0.7") << "the trailing line break goes";
    EXPECT_EQ(grid->GetCellEx(1, 1), u"10.0.7");
    EXPECT_EQ(Editor()->SelStart(), 6);
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1 0.7\r\n", "after 10.0.7"}));

    grid->OnClipboardPaste = [](TObject*, bool& Allow) { Allow = false; };
    Editor()->Perform(WM_PASTE);
    EXPECT_EQ(Editor()->Text(), u"10.0.7") << "refused by OnClipboardPaste";
}

TEST_F(EditGridTest, APasteANumericTypeRefusesLeavesTheText)
{
    grid->OnGetEditorType = [](TObject*, Integer, Integer, TEditorType& AEditor) { AEditor = edNumeric; };
    h.Type(u"12");
    Clipboard()->SetAsText(u"x");
    Editor()->Perform(WM_PASTE);
    EXPECT_EQ(Editor()->Text(), u"12");
}

TEST_F(EditGridTest, TypingCompletesFromTheLookupItems)
{
    grid->Lookup = true;
    grid->LookupItems()->Add(u"Abacus");
    grid->LookupItems()->Add(u"Abbey");
    h.Type(u"ab");
    EXPECT_EQ(Editor()->Text(), u"abacus");
    EXPECT_EQ(Editor()->SelStart(), 2);
    EXPECT_EQ(Editor()->SelLength(), 4);
    h.Type(u"b");
    EXPECT_EQ(Editor()->Text(), u"abbey") << "typing over the completed part completes again";
    h.Press(VK_BACK);
    EXPECT_EQ(Editor()->Text(), u"abb") << "Backspace takes the completion away and does not complete";
}

TEST_F(EditGridTest, LookupHistoryKeepsWhatWasTyped)
{
    grid->LookupHistory = true;
    h.Type(u"gateway");
    h.Press(VK_RETURN);
    EXPECT_GE(grid->LookupItems()->IndexOf(u"gateway"), 0);
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(EditGridTest, TheCursorWalksOutOfTheTextIntoTheNeighbourCells)
{
    grid->OnGetEditorType = nullptr;
    grid->Navigation()->CursorWalkEditor = true;
    h.Type(u"ab");
    h.Press(VK_LEFT);
    EXPECT_EQ(grid->Col(), 1) << "the caret was not at the start";
    h.Press(VK_RIGHT);  // back at the end
    h.Press(VK_RIGHT);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->GetCellEx(1, 1), u"ab");
    ASSERT_TRUE(EditorShown()) << "the walk opens the editor on the new cell";
    EXPECT_TRUE(Editor()->Focused());
    h.Press(VK_LEFT);  // an empty text: the caret is at its start
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(EditorShown());
    grid->Navigation()->CursorWalkEditor = false;
    h.Press(VK_HOME);
    h.Press(VK_LEFT);
    EXPECT_EQ(grid->Col(), 1) << "without CursorWalkEditor the caret stays in the text";
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(EditGridTest, ShiftAtAnEndOfTheTextValidatesAndLeavesTheEditorForTheGrid)
{
    std::vector<std::string> changed;
    grid->OnCellsChanged = [&](TObject*, const TGridRect& R) {
        changed.push_back(std::to_string(R.Left) + "," + std::to_string(R.Top));
    };
    grid->Navigation()->CursorWalkEditor = true;
    h.Type(u"ab");
    h.Press(VK_RIGHT, ssShift);
    EXPECT_EQ(changed, std::vector<std::string>{"1,1"});
    EXPECT_FALSE(EditorShown());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(grid->Col(), 1) << "the key was the editor's: the grid did not move";
    EXPECT_EQ(grid->GetCellEx(1, 1), u"ab");
}

}  // namespace
}  // namespace gw::test
