// The editors of a cell's mark-up elements and of fixed (header) cells: the keys that end them,
// the step to the next element, and the header text's validated write-back.
#include "grid/interaction/fixed_cell_editors.h"
#include "grid/interaction/markup_control_editors.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

// The grid, noting the steps to a cell's next mark-up element.
class TControlTestGrid : public TEditTestGrid {
public:
    using TEditTestGrid::TEditTestGrid;
    using TExtStringGrid::FCtrlID;
    using TExtStringGrid::FCtrlXY;
    using TExtStringGrid::FixedCellCombo;
    using TExtStringGrid::FixedCellEdit;
    using TExtStringGrid::MarkupCombo;
    using TExtStringGrid::MarkupEdit;
    Log NextControl;

protected:
    void ShowNextControlEditor(Integer ACol, Integer ARow, const String& ID) override
    {
        NextControl.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " after " + Utf8(ID));
    }
};

class CellControlEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 640, 480);
        grid = new TControlTestGrid(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 500, 300);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetOptions(grid->Options() | goEditing);
        other = new TButton(form);
        other->SetParent(form);
        other->SetBounds(16, 400, 110, 28);
        form->Show();
        grid->SetFocus();
        grid->FocusCell(2, 2);
        h.ProcessMessages();
    }

    // Placed over an element of cell (2, 2) as the grid's mouse handling places it.
    template <class T>
    T* Open(T* Editor, const String& ID)
    {
        grid->FCtrlID = ID;
        grid->FCtrlXY = {2, 2};
        Editor->OnExit = [this, ID](TObject*) { h.Log.Add("exit " + Utf8(ID)); };
        Editor->SetBounds(100, 40, 60, 18);
        Editor->SetEnabled(true);
        Editor->SetVisible(true);
        Editor->SetFocus();
        h.ProcessMessages();
        return Editor;
    }

    THarness h;
    TForm* form = nullptr;
    TControlTestGrid* grid = nullptr;
    TButton* other = nullptr;
};

TEST_F(CellControlEditorTest, EnterStoresThroughTheExitHandlingAndGivesTheGridTheFocus)
{
    for (TWinControl* editor :
         {static_cast<TWinControl*>(grid->MarkupEdit()), static_cast<TWinControl*>(grid->MarkupCombo())}) {
        SCOPED_TRACE(Utf8(editor->ClassName()));
        Open(editor, u"name");
        h.Log.Clear();
        h.Press(VK_RETURN);
        h.ProcessMessages();
        const Log log = h.Log.Take();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), "exit name");
        EXPECT_TRUE(grid->Focused());
        EXPECT_EQ(grid->Col(), 2) << "Enter does not move on";
        EXPECT_TRUE(grid->NextControl.empty());
        editor->SetVisible(false);
    }
}

// Tab: to the cell's next element, or with AdvanceAuto on to the next cell even when
// AdvanceOnEnter is off.
TEST_F(CellControlEditorTest, TabStepsToTheNextElementOrWithAdvanceAutoToTheNextCell)
{
    for (TWinControl* editor :
         {static_cast<TWinControl*>(grid->MarkupEdit()), static_cast<TWinControl*>(grid->MarkupCombo())}) {
        SCOPED_TRACE(Utf8(editor->ClassName()));
        grid->FocusCell(2, 2);
        grid->Navigation()->SetAdvanceAuto(false);
        grid->NextControl.clear();
        Open(editor, u"first");
        h.Log.Clear();
        h.Press(VK_TAB);
        h.ProcessMessages();
        EXPECT_EQ(h.Log.Take().front(), "exit first");
        EXPECT_EQ(grid->NextControl, (Log{"2,2 after first"}));
        EXPECT_EQ(grid->Col(), 2);

        grid->Navigation()->SetAdvanceAuto(true);
        grid->Navigation()->AdvanceOnEnter = false;
        grid->NextControl.clear();
        Open(editor, u"second");
        h.Log.Clear();
        h.Press(VK_TAB);
        h.ProcessMessages();
        EXPECT_EQ(h.Log.Take().front(), "exit second");
        EXPECT_TRUE(grid->NextControl.empty());
        EXPECT_EQ(grid->Col(), 3) << "forced on to the next cell";
        grid->HideInplaceEdit();
        editor->SetVisible(false);
    }
}

TEST_F(CellControlEditorTest, AnEditorOutsideAGridLeavesEnterAndTabAlone)
{
    auto* edit = new TControlEdit(form);
    edit->SetParent(form);
    edit->SetBounds(300, 400, 80, 20);
    bool exited = false;
    edit->OnExit = [&](TObject*) { exited = true; };
    edit->SetFocus();
    h.Press(VK_RETURN);
    EXPECT_FALSE(exited);
    EXPECT_TRUE(edit->Focused());
}

// A header cell's edit: the handler's verdict decides; Enter alone ends nothing.
struct HeaderCase {
    const char* Name;
    const char16_t* Typed;
    bool Valid;
    const char16_t* Replacement;  // what the handler puts in its place, nullptr for nothing
    const char16_t* Header;  // the header afterwards
    bool Open;  // the editor still open
};

class HeaderEdit : public CellControlEditorTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderEdit, IsStoredReplacedOrRefusedByOnCellValidate)
{
    const HeaderCase& c = GetParam();
    grid->SetCellEx(3, 0, u"Old");
    Log events;
    grid->OnCellValidate = [&](TObject*, Integer ACol, Integer ARow, String& Value, bool& Valid) {
        events.push_back("validate " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Utf8(Value));
        Valid = c.Valid;
        if (c.Replacement) Value = c.Replacement;
    };
    grid->OnEditingDone = [&](TObject*) { events.push_back("editing done"); };
    for (TWinControl* editor :
         {static_cast<TWinControl*>(grid->FixedCellEdit()), static_cast<TWinControl*>(grid->FixedCellCombo())}) {
        SCOPED_TRACE(Utf8(editor->ClassName()));
        events.clear();
        grid->SetCellEx(3, 0, u"Old");
        auto* cell = dynamic_cast<TFixedCellEdit*>(editor);
        cell->SetCol(3);
        cell->SetRow(0);
        editor->SetText(u"Old");
        Open(editor, u"");
        editor->SetText(c.Typed);
        h.Press(VK_RETURN);
        EXPECT_TRUE(editor->Visible()) << "Enter does nothing by itself";
        EXPECT_TRUE(events.empty());
        other->SetFocus();
        h.ProcessMessages();
        EXPECT_EQ(grid->GetCellEx(3, 0), c.Header);
        EXPECT_EQ(editor->Visible(), c.Open);
        EXPECT_EQ(editor->Focused(), c.Open) << "a refused text keeps the editor focused";
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.front(), "validate 3,0 " + Utf8(c.Typed));
        EXPECT_EQ(std::count(events.begin(), events.end(), "editing done"), c.Open ? 0 : 1);
        editor->SetVisible(false);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HeaderEdit,
                         ::testing::Values(HeaderCase{"Accepted", u"Address", true, nullptr, u"Address", false},
                                           HeaderCase{"Replaced", u"addr", true, u"Address", u"Address", false},
                                           HeaderCase{"Refused", u"", false, nullptr, u"Old", true}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(FixedCellEditWithoutGrid, OnlyHidesItself)
{
    TGridTransEdit edit(nullptr);
    edit.SetVisible(true);
    EXPECT_TRUE(edit.StopEdit());
    EXPECT_FALSE(edit.Visible());
}

}  // namespace
}  // namespace gw::test
