// ValidateCell over the handler's answers: what the cell, the editor, the change report, the
// undo store and the modified flags hold afterwards; and the balloon of a refused value.
#include "grid/foundation/undo_redo.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

// Notes each change registered: "col,row old->new".
class TNotingUndo : public TExtGridUndoRedo {
public:
    using TExtGridUndoRedo::TExtGridUndoRedo;
    Log Changes;
    void RegisterChange(Integer ACol, Integer ARow, const String& OldValue, const String& NewValue) override
    {
        Changes.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + Utf8(OldValue) + "->" +
                          Utf8(NewValue));
        TExtGridUndoRedo::RegisterChange(ACol, ARow, OldValue, NewValue);
    }
};

struct TValidateCase {
    const char* What;
    const char16_t* Typed;  // the editor's text when validation runs
    bool AlwaysValidate;
    bool Accept;
    const char16_t* Replacement;  // the handler's value, nullptr: left as it came
    bool Answer;
    const char16_t* Cell;
    bool Reopened;  // the editor is open again on the cell, holding the cell's text
    bool HandlerCalled;
    Log Changed;
    Log Undo;
    bool Modified;
};

void PrintTo(const TValidateCase& C, std::ostream* Out) { *Out << C.What; }

class ValidateCellTest : public EditGridTest, public testing::WithParamInterface<TValidateCase> {};

TEST_P(ValidateCellTest, TheHandlersAnswerDecides)
{
    const TValidateCase& c = GetParam();
    auto* undo = new TNotingUndo(form);
    grid->SetUndoRedo(undo);
    grid->AlwaysValidate = c.AlwaysValidate;
    bool called = false;
    grid->OnCellValidate = [&](TObject*, Integer, Integer, String& Value, bool& Valid) {
        called = true;
        if (c.Replacement) Value = c.Replacement;
        Valid = c.Accept;
    };
    Log changed;
    grid->OnCellsChanged = [&](TObject*, const TGridRect& R) {
        changed.push_back(std::to_string(R.Left) + "," + std::to_string(R.Top) + "-" + std::to_string(R.Right) + "," +
                          std::to_string(R.Bottom));
    };
    h.Click(grid, CellCentre(3, 2));
    h.Press(VK_F2);
    Editor()->SetText(c.Typed);
    h.ProcessMessages();
    const bool answer = grid->ValidateCell(Editor()->Text());
    h.ProcessMessages();
    EXPECT_EQ(answer, c.Answer);
    EXPECT_EQ(Utf8(grid->GetCellEx(3, 2)), Utf8(c.Cell));
    EXPECT_EQ(called, c.HandlerCalled);
    EXPECT_EQ(changed, c.Changed);
    EXPECT_EQ(undo->Changes, c.Undo);
    EXPECT_EQ(grid->Modified, c.Modified);
    EXPECT_EQ(grid->FEditing, c.Reopened) << "a refusal leaves the edit going";
    if (c.Reopened) {
        ASSERT_TRUE(EditorShown());
        EXPECT_TRUE(Editor()->Focused());
        EXPECT_EQ(Utf8(Editor()->Text()), Utf8(c.Cell));
        EXPECT_EQ(grid->Col(), 3);
        EXPECT_EQ(grid->Row(), 2);
    }
    EXPECT_FALSE(grid->FValidating);
}

const TValidateCase ValidateCases[] = {
    {"accepted", u"abc", false, true, nullptr, true, u"abc", false, true, {"3,2-3,2"}, {"3,2 ->abc"}, true},
    {"accepted with a replacement",
     u"abc",
     false,
     true,
     u"ABC",
     true,
     u"ABC",
     false,
     true,
     {"3,2-3,2"},
     {"3,2 ->ABC"},
     true},
    {"refused: the old text comes back", u"abc", false, false, nullptr, false, u"", true, true, {}, {}, true},
    {"refused with a replacement: the replacement stays",
     u"abc",
     false,
     false,
     u"x",
     false,
     u"x",
     true,
     true,
     {},
     {},
     true},
    {"unchanged: no handler, no report", u"", false, false, nullptr, true, u"", false, false, {}, {}, false},
    {"unchanged with AlwaysValidate: the handler, no report",
     u"",
     true,
     true,
     nullptr,
     true,
     u"",
     false,
     true,
     {},
     {"3,2 ->"},
     false},
    {"unchanged with AlwaysValidate refused: reopened unchanged",
     u"",
     true,
     false,
     nullptr,
     false,
     u"",
     true,
     true,
     {},
     {},
     false},
};

INSTANTIATE_TEST_SUITE_P(Answers, ValidateCellTest, testing::ValuesIn(ValidateCases));

TEST_F(EditGridTest, ARefusedValueShowsTheBalloonOnTheTextEditor)
{
    grid->InvalidEntryTitle = u"Invalid address";
    grid->InvalidEntryText = u"Four numbers from 0 to 255";
    grid->InvalidEntryIcon = ieError;
    grid->OnCellValidate = [](TObject*, Integer, Integer, String&, bool& Valid) { Valid = false; };
    h.Type(u"300.1");
    h.Press(VK_RETURN);
    ASSERT_TRUE(EditorShown());
    ASSERT_FALSE(Editor()->Balloons.empty());
    EXPECT_EQ(Editor()->Balloons.front(), "Invalid address|Four numbers from 0 to 255|3");
    EXPECT_EQ(Editor()->Text(), u"10.0.0.1") << "Enter's key press reloads the editor from the cell";
    EXPECT_EQ(grid->GetCellEx(1, 1), u"10.0.0.1");
    EXPECT_EQ(grid->Col(), 1) << "Enter did not move on";
}

TEST_F(EditGridTest, WhileAValidationRunsNoEditorOpensAndANestedOneAnswersAtOnce)
{
    bool called = false;
    grid->OnCellValidate = [&](TObject*, Integer, Integer, String&, bool&) { called = true; };
    grid->FValidating = true;
    h.Press(VK_F2);
    EXPECT_FALSE(EditorShown());
    grid->FEditing = true;
    EXPECT_TRUE(grid->ValidateCell(u"b"));
    EXPECT_FALSE(called);
    EXPECT_EQ(grid->GetCellEx(1, 1), u"10.0.0.1");
    EXPECT_TRUE(grid->FEditing) << "the running validation consumes the edit, not the nested one";
    grid->FValidating = false;
    grid->FEditing = false;
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(EditGridTest, AnEditAfterAMoveByTheProgramValidatesTheCellItEdits)
{
    std::string validated;
    grid->OnCellValidate = [&](TObject*, Integer c, Integer r, String& v, bool&) {
        validated = std::to_string(c) + "," + std::to_string(r) + " " + Utf8(v);
    };
    grid->FocusCell(3, 2);  // no click, no key: no snapshot of its own
    h.Type(u"5");
    h.Press(VK_RETURN);
    EXPECT_EQ(validated, "3,2 5");
    EXPECT_EQ(grid->GetCellEx(3, 2), u"5");
    EXPECT_EQ(grid->GetCellEx(1, 1), u"10.0.0.1") << "the cell of the older snapshot is untouched";
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(EditGridTest, TheWideValidationRegistersNoUndoAndMarksByTheTypedValue)
{
    auto* undo = new TNotingUndo(form);
    grid->SetUndoRedo(undo);
    std::vector<std::string> changed;
    grid->OnCellsChanged = [&](TObject*, const TGridRect& R) {
        changed.push_back(std::to_string(R.Left) + "," + std::to_string(R.Top));
    };
    bool narrowCalled = false;
    grid->OnCellValidate = [&](TObject*, Integer, Integer, String&, bool&) { narrowCalled = true; };
    grid->OnCellValidateWide = [](TObject*, Integer, Integer, String& Value, bool&) { Value = u"10.0.0.1"; };
    h.Type(u"\u0436");
    EXPECT_TRUE(grid->ValidateCellWide(Editor()->Text()));
    EXPECT_FALSE(narrowCalled);
    EXPECT_EQ(grid->GetCellEx(1, 1), u"10.0.0.1") << "the handler's value is stored";
    EXPECT_TRUE(grid->Modified) << "the typed value differed from the snapshot, whatever the handler made of it";
    EXPECT_TRUE(undo->Changes.empty());
    EXPECT_EQ(changed, std::vector<std::string>{"1,1"});

    grid->OnCellValidateWide = [](TObject*, Integer, Integer, String&, bool& Valid) { Valid = false; };
    grid->FEditing = true;  // the next edit, still in the open editor
    Editor()->SetText(u"\u0437");
    EXPECT_FALSE(grid->ValidateCellWide(Editor()->Text()));
    EXPECT_TRUE(EditorShown()) << "a refusal reopens the editor";
    EXPECT_EQ(grid->GetCellEx(1, 1), u"10.0.0.1");
    EXPECT_TRUE(grid->FEditing);
}

TEST_F(EditGridTest, WhileACommitHoldsTheGuardTheGridKeepsTheFocus)
{
    grid->FBlockKill = true;
    EXPECT_EQ(grid->Perform(WM_KILLFOCUS, 0, 0), 1);
    grid->FBlockKill = false;
    std::vector<std::string> log;
    grid->OnExit = [&](TObject*) { log.push_back("exit"); };
    grid->FBlockKill = true;
    other->SetFocus();
    h.ProcessMessages();
    EXPECT_TRUE(log.empty()) << "no exit while the guard holds";
    grid->FBlockKill = false;
}

TEST_F(EditGridTest, WithAlwaysEditTheEditorComesBackWithTheFocus)
{
    h.Type(u"a");
    h.Press(VK_ESCAPE);  // the editor exists, closed
    grid->Navigation()->AlwaysEdit = true;
    other->SetFocus();
    h.ProcessMessages();
    ASSERT_FALSE(EditorShown());
    grid->SetFocus();
    h.ProcessMessages();
    EXPECT_TRUE(EditorShown());
    EXPECT_TRUE(Editor()->Focused());
}

}  // namespace
}  // namespace gw::test
