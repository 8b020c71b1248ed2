// Which editor an edit opens by the cell's editor type, and SelectCell switching goEditing per
// cell without repainting the whole grid.
#include "tests/grid/interaction/edit_grid_fixture.h"

#include <set>

namespace gw::test {
namespace {

TEST_F(EditGridTest, TheEditorTypeChoosesTheTextEditorASpecialEditorOrNone)
{
    // The text types, by ordinal: the default text editor with the type's character rules.
    const std::set<Integer> textTypes{0, 11, 12, 13, 14, 15, 16, 18, 19, 29, 39};
    TEditorType type = edNormal;
    grid->OnGetEditorType = [&](TObject*, Integer, Integer, TEditorType& AEditor) { AEditor = type; };
    for (Integer t = 0; t < EditorTypeCount; ++t) {
        SCOPED_TRACE(Utf8(EditorTypeNames[size_t(t)]));
        type = TEditorType(t);
        // A special editor closed from outside commits its own value (a spin "10", an empty pick list).
        grid->SetCellEx(1, 1, u"10.0.0.1");
        h.Press(VK_F2);
        const bool text = textTypes.count(t) > 0;
        EXPECT_EQ(grid->EditControl, type);
        EXPECT_EQ(EditorShown(), text) << "the base grid shows the text editor only for the text types";
        EXPECT_EQ(grid->EditMode(), type != edNone);
        EXPECT_EQ(grid->FEditing, type != edNone);
        EXPECT_EQ(grid->OriginalCellValue(), u"10.0.0.1") << "taken before the type is asked";
        // End it: the text editor through its own key, a special editor from outside.
        if (text)
            h.Press(VK_ESCAPE);
        else
            grid->HideInplaceEdit();
        h.ProcessMessages();
        EXPECT_FALSE(grid->EditMode());
        EXPECT_FALSE(EditorShown());
        grid->FEditing = false;
        grid->SetEditorMode(false);  // F2 on edNone left the base grid in editor mode
    }
}

TEST_F(EditGridTest, ASpecialEditorsCommitReportsTheEndWithTheRealColumn)
{
    grid->OnGetEditorType = [](TObject*, Integer, Integer, TEditorType& AEditor) { AEditor = edComboEdit; };
    LogEvents();
    h.Click(grid, CellCentre(2, 3));
    h.Press(VK_F2);
    ASSERT_TRUE(grid->EditMode());
    h.Log.Clear();
    grid->HideInplaceEdit();
    EXPECT_EQ(h.Log.Take(), std::vector<std::string>{"editing done"}) << "the report waits for the posted message";
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), std::vector<std::string>{"edit cell done 2,3"});
}

TEST_F(EditGridTest, EditingFollowsTheCellWithoutRepaintingTheWholeGrid)
{
    grid->OnCanEditCell = [](TObject*, Integer, Integer ACol, bool& CanEdit) {
        if (ACol == 3) CanEdit = false;
    };
    h.ProcessMessages();
    const Integer before = grid->FullInvalidations;
    h.Press(VK_RIGHT);
    h.Press(VK_RIGHT);  // onto the read-only column
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_FALSE(grid->Options() & goEditing);
    EXPECT_FALSE(grid->IsEditable(3, 1));
    h.Type(u"x");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->GetCellEx(3, 1), u"");
    h.Press(VK_RIGHT);  // editable again
    EXPECT_TRUE(grid->Options() & goEditing);
    EXPECT_TRUE(grid->IsEditable(4, 1));
    EXPECT_EQ(grid->FullInvalidations, before) << "the option's switches skipped their whole-grid repaint";
    // The setter's repaint itself is a whole-grid one: the count above would have seen it.
    grid->SetOptions(grid->Options() & ~TGridOptions(goEditing));
    EXPECT_EQ(grid->FullInvalidations, before + 1);
}

TEST_F(EditGridTest, TheChangingEventsShareOneAllowAndARefusalKeepsTheCell)
{
    std::vector<std::string> log;
    grid->OnRowChanging = [&](TObject*, Integer o, Integer n, bool&) {
        log.push_back("row " + std::to_string(o) + "->" + std::to_string(n));
    };
    grid->OnColChanging = [&](TObject*, Integer o, Integer n, bool& Allow) {
        log.push_back("col " + std::to_string(o) + "->" + std::to_string(n));
        Allow = n != 4;
    };
    grid->OnCellChanging = [&](TObject*, Integer, Integer, Integer, Integer, bool& Allow) {
        log.push_back(Allow ? "cell allowed" : "cell refused");
    };
    h.Click(grid, CellCentre(2, 3));
    EXPECT_EQ(log, (std::vector<std::string>{"row 1->3", "col 1->2", "cell allowed"}));
    log.clear();
    h.Click(grid, CellCentre(4, 3));
    EXPECT_EQ(log, (std::vector<std::string>{"col 2->4", "cell refused"}));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
}

}  // namespace
}  // namespace gw::test
