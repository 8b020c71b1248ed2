// The spin and check-box cell editors on the slaves table's grid: each spin type's value from
// the cell text and back, Escape, Home and End, refused commits, and the check box's toggles and
// keys.
#include "grid/interaction/grid_check_box.h"
#include "grid/interaction/grid_spin.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/scope.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

class SpinEditorTest : public EditGridTest {
protected:
    void UseEditor(TEditorType Type)
    {
        grid->OnGetEditorType = [Type](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
            if (ACol == 3) AEditor = Type;
        };
    }
    void OpenAt(Integer ARow, const String& CellText)
    {
        grid->SetCellEx(3, ARow, CellText);
        grid->FocusCell(3, ARow);
        h.ProcessMessages();
        h.Press(VK_F2);
        h.ProcessMessages();
    }
    TGridSpin* Spin() const { return grid->SpinEdit(); }
};

// Cell text in, the text the spin shows, and the cell after an unchanged Enter and after Escape.
struct SpinCase {
    const char* Name;
    TEditorType Type;
    const char16_t* CellText;
    const char16_t* Shown;
    const char16_t* AfterEnter;
};

class SpinRoundTrip : public SpinEditorTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(SpinRoundTrip, LoadsTheCellCommitsItsValueAndEscapeKeepsTheCell)
{
    const SpinCase& c = GetParam();
    const TTemporaryChange comma(FormatSettings.DecimalSeparator, Char(u','));
    const TTemporaryChange dot(FormatSettings.ThousandSeparator, Char(u'.'));
    UseEditor(c.Type);
    OpenAt(2, c.CellText);
    ASSERT_TRUE(Spin()->Visible());
    EXPECT_TRUE(Spin()->Focused());
    EXPECT_EQ(Spin()->Text(), c.Shown);
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_FALSE(Spin()->Visible());
    EXPECT_EQ(grid->GetCellEx(3, 2), c.AfterEnter);

    OpenAt(3, c.CellText);
    h.Press(VK_UP);
    h.Press(VK_ESCAPE);
    h.ProcessMessages();
    EXPECT_FALSE(Spin()->Visible());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->GetCellEx(3, 3), c.CellText) << "Escape leaves the cell as the edit found it";
    EXPECT_TRUE(grid->Focused());
}

// With right-to-left reading, in any of its forms, the text editor and the special editors stand
// one pixel right of the cell's left edge, their right edges where they were.
TEST_F(SpinEditorTest, RightToLeftReadingMovesTheEditorsOnePixelRight)
{
    UseEditor(edSpinEdit);
    struct Case {
        TBiDiMode Mode;
        Integer Shift;
    };
    for (const Case& c : {Case{bdLeftToRight, 0}, Case{bdRightToLeft, 1}, Case{bdRightToLeftNoAlign, 1},
                          Case{bdRightToLeftReadingOnly, 1}}) {
        SCOPED_TRACE("mode " + std::to_string(c.Mode));
        grid->SetBiDiMode(c.Mode);
        grid->FocusCell(1, 2);
        h.ProcessMessages();
        h.Press(VK_F2);
        h.ProcessMessages();
        const TRect text = grid->CellRect(1, 2);
        ASSERT_TRUE(EditorShown());
        EXPECT_EQ(Editor()->BoundsRect(), (TRect{text.Left + c.Shift, text.Top, text.Right, text.Bottom}));
        h.Press(VK_ESCAPE);
        OpenAt(2, u"5");
        ASSERT_TRUE(Spin()->Visible());
        const TRect cell = grid->CellRect(3, 2);
        EXPECT_EQ(Spin()->BoundsRect(), (TRect{cell.Left + c.Shift, cell.Top, cell.Right - 1, cell.Bottom - 1}));
        h.Press(VK_ESCAPE);
        h.ProcessMessages();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SpinRoundTrip,
                         ::testing::Values(SpinCase{"IntegerTrailingLetters", edSpinEdit, u"12abc", u"12", u"12"},
                                           SpinCase{"IntegerEmpty", edSpinEdit, u"", u"0", u"0"},
                                           SpinCase{"IntegerNegative", edSpinEdit, u"-7", u"0", u"0"},
                                           SpinCase{"FloatCommaSeparator", edFloatSpinEdit, u"1,5", u"1,5", u"1,50"},
                                           SpinCase{"TimeText", edTimeSpinEdit, u"10:30:00", u"10:30:00", u"10:30:00"}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(SpinEditorTest, HomeAndEndGoToTheLimitsAndReportTheValue)
{
    UseEditor(edSpinEdit);
    Log clicks;
    grid->OnSpinClick = [&](TObject*, Integer c, Integer r, Integer v, bool up) {
        clicks.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(v) +
                         (up ? " up" : " down"));
    };
    grid->OnGetEditorProp = [this](TObject*, Integer, Integer) {
        Spin()->MinValue = 5;
        Spin()->MaxValue = 50;
    };
    OpenAt(1, u"12");
    h.Press(VK_HOME);
    EXPECT_EQ(Spin()->Value(), 50);
    h.Press(VK_END);
    EXPECT_EQ(Spin()->Value(), 5);
    EXPECT_EQ(clicks, (Log{"3,1 50 up", "3,1 5 down"}));
    h.Press(VK_RETURN);
    EXPECT_EQ(grid->GetCellEx(3, 1), u"5");
}

TEST_F(SpinEditorTest, TheArrowButtonsStepAndRaiseTheEventOfTheSpinType)
{
    UseEditor(edFloatSpinEdit);
    Log clicks;
    grid->OnFloatSpinClick = [&](TObject*, Integer, Integer, double v, bool up) {
        clicks.push_back(Utf8(FloatToStr(v)) + (up ? " up" : " down"));
    };
    grid->OnSpinClick = [&](TObject*, Integer, Integer, Integer, bool) { clicks.push_back("integer event"); };
    OpenAt(1, u"2");
    Spin()->UpClick(nullptr);
    Spin()->DownClick(nullptr);
    Spin()->DownClick(nullptr);
    EXPECT_EQ(clicks, (Log{"2.1 up", "2 down", "1.9 down"}));
}

TEST_F(SpinEditorTest, EnterRefusedByValidationKeepsTheSpinOpenWithTheCellText)
{
    UseEditor(edSpinEdit);
    grid->Navigation()->AdvanceOnEnter = true;
    grid->OnCellValidate = [](TObject*, Integer, Integer, String& Value, bool& Valid) { Valid = Value != u"13"; };
    OpenAt(1, u"12");
    h.Press(VK_UP);
    ASSERT_EQ(Spin()->Text(), u"13");
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_TRUE(Spin()->Visible());
    EXPECT_EQ(Spin()->Text(), u"12") << "the cell's text, which the refusal left";
    EXPECT_EQ(Spin()->SelStart(), 2);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 1);
    h.Press(VK_UP);
    h.Press(VK_UP);
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_FALSE(Spin()->Visible());
    EXPECT_EQ(grid->GetCellEx(3, 1), u"14");
}

TEST_F(SpinEditorTest, ASpinAllowingEmptyValuesEmptiesTheCellForBlanks)
{
    UseEditor(edSpinEdit);
    Log edits;
    grid->OnSetEditText = [&](TObject*, Integer, Integer, const String& v) { edits.push_back(Utf8(v)); };
    Spin()->AllowEmptyValue = true;
    OpenAt(1, u"12");
    Spin()->SetText(u"  ");
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_EQ(grid->GetCellEx(3, 1), u"");
    EXPECT_TRUE(edits.empty()) << "emptied in the store, not through SetEditText";
}

TEST_F(SpinEditorTest, ATypedDigitOpensTheSpinWithTheCellAndIsDeliveredToIt)
{
    UseEditor(edSpinEdit);
    grid->SetCellEx(3, 1, u"12");
    grid->FocusCell(3, 1);
    h.ProcessMessages();
    h.Type(u"7");
    h.ProcessMessages();
    ASSERT_TRUE(Spin()->Visible());
    EXPECT_EQ(Spin()->Text(), u"7") << "the whole text was selected on entry, so the digit replaced it";
}

class CheckEditorTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->OnGetEditorType = [](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
            if (ACol == 3) AEditor = edCheckBox;
        };
    }
    TGridCheckBox* Check() const
    {
        for (Integer i = 0; i < grid->ControlCount(); ++i)
            if (auto* c = dynamic_cast<TGridCheckBox*>(grid->Controls(i))) return c;
        return nullptr;
    }
    void OpenAt(Integer ARow)
    {
        grid->SetCellEx(3, ARow, u"Caption");
        grid->FocusCell(3, ARow);
        h.ProcessMessages();
        h.Press(VK_F2);
        h.ProcessMessages();
    }
};

TEST_F(CheckEditorTest, APressOrSpaceTogglesOnceAndTheCellKeepsItsText)
{
    OpenAt(1);
    ASSERT_TRUE(Check() && Check()->Visible());
    EXPECT_EQ(Check()->Caption(), u"Caption");
    EXPECT_FALSE(Check()->Checked());
    h.Click(Check());
    EXPECT_TRUE(Check()->Checked()) << "toggled at the press, not again at the release";
    h.Press(VK_SPACE);
    EXPECT_FALSE(Check()->Checked());
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_FALSE(Check()->Visible());
    EXPECT_EQ(grid->GetCellEx(3, 1), u"Caption") << "the check box stores nothing";
    EXPECT_TRUE(grid->Focused());
}

struct CheckKeyCase {
    const char* Name;
    Word Key;
    bool AdvanceOnEnter;
    Integer Col, Row;
    bool EditorAfter;  // the new cell's editor open
};

class CheckKeys : public CheckEditorTest, public ::testing::WithParamInterface<CheckKeyCase> {};

TEST_P(CheckKeys, EndTheEditAndMoveAsTheKeySays)
{
    const CheckKeyCase& c = GetParam();
    grid->Navigation()->AdvanceOnEnter = c.AdvanceOnEnter;
    OpenAt(2);
    ASSERT_TRUE(Check()->Visible());
    h.Press(c.Key);
    h.ProcessMessages();
    EXPECT_FALSE(Check()->Visible());
    EXPECT_EQ(grid->EditMode(), c.EditorAfter);
    EXPECT_EQ(grid->Col(), c.Col);
    EXPECT_EQ(grid->Row(), c.Row);
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckKeys,
                         ::testing::Values(CheckKeyCase{"EnterStays", VK_RETURN, false, 3, 2, false},
                                           CheckKeyCase{"EnterAdvancesAndEdits", VK_RETURN, true, 4, 2, true},
                                           CheckKeyCase{"EscapeStays", VK_ESCAPE, true, 3, 2, false},
                                           CheckKeyCase{"DownMovesTheRow", VK_DOWN, false, 3, 3, false},
                                           CheckKeyCase{"UpMovesTheRow", VK_UP, false, 3, 1, false},
                                           CheckKeyCase{"LeftOnlyEnds", VK_LEFT, false, 3, 2, false},
                                           CheckKeyCase{"PageDownOnlyEnds", VK_NEXT, false, 3, 2, false}),
                         [](const auto& I) { return std::string(I.param.Name); });

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

// Every family opened on outside text and committed unchanged twice: the first commit settles
// the value, the second keeps it (what the fuzz target checks on random text).
TEST_F(SpinEditorTest, ASecondUnchangedCommitKeepsWhatTheFirstStored)
{
    grid->OnGetEditorProp = [this](TObject*, Integer ACol, Integer) {
        if (ACol != 3) return;
        grid->ClearComboString();
        for (const char16_t* item : {u"Default", u"12", u""}) grid->AddComboString(item);
    };
    const std::vector<String> texts{u"12abc",      u"",         u"  ",          u"-",
                                    u"1,5",        u"1e400",    u"99999999999", u"Default",
                                    u"31.12.2024", u"25:61:61", u"<b>x</b>",    String(300, u'9')};
    for (const TEditorType type :
         {edComboEdit, edComboList, edSpinEdit, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit, edCheckBox}) {
        UseEditor(type);
        for (const String& text : texts) {
            SCOPED_TRACE(Utf8(EditorTypeNames[type]) + " on '" + Utf8(text) + "'");
            OpenAt(1, text);
            ASSERT_TRUE(grid->EditMode());
            grid->HideInplaceEdit();
            h.ProcessMessages();
            const String once = grid->GetCellEx(3, 1);
            OpenAt(1, once);
            grid->HideInplaceEdit();
            h.ProcessMessages();
            EXPECT_EQ(Utf8(grid->GetCellEx(3, 1)), Utf8(once));
        }
    }
}

}  // namespace
}  // namespace gw::test
