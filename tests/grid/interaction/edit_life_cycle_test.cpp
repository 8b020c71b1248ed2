// Typing into a cell end to end, as the order of the grid's events on the harness: a character
// opens the text editor, Enter validates and moves on, Escape restores, the focus leaving
// validates, and the posted end-of-edit report comes after the key's handling.
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

using Log = std::vector<std::string>;

TEST_F(EditGridTest, TypingThenEnterValidatesBeforeTheMoveAndReportsTheEndAfterIt)
{
    EnterMovesOn();
    LogEvents();
    h.Log.Clear();
    h.Type(u"1");
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->Text(), u"1") << "the typed character replaced the cell's text";
    h.Press(VK_RETURN);
    EXPECT_EQ(h.Log.Take(),
              (Log{"keypress 1", "keypress 1", "change 1,1 1", "cells changed 1,1-1,1", "keypress Enter",
                   "col changing 1->2", "editing done", "edit cell done 1,1"}));
    EXPECT_EQ(grid->GetCellEx(1, 1), u"1");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_TRUE(grid->Modified);
    EXPECT_FALSE(EditorShown());
}

}  // namespace
}  // namespace gw::test

namespace gw::test {
namespace {

TEST_F(EditGridTest, EscapeRestoresTheOldTextWithoutValidating)
{
    LogEvents();
    grid->OnCellValidate = [this](TObject*, Integer, Integer, String&, bool&) { h.Log.Add("validate"); };
    h.Type(u"x");
    h.Log.Clear();
    h.Press(VK_ESCAPE);
    EXPECT_EQ(h.Log.Take(), (Log{"change 1,1 10.0.0.1", "editing done", "edit cell done 1,1"}));
    EXPECT_EQ(grid->GetCellEx(1, 1), u"10.0.0.1");
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->Modified);
    EXPECT_TRUE(grid->Focused());
}

TEST_F(EditGridTest, ClickingOkAfterTypingFindsTheValueInTheCell)
{
    LogEvents();
    grid->OnCellValidate = [this](TObject*, Integer c, Integer r, String& v, bool&) {
        h.Log.Add("validate " + std::to_string(c) + "," + std::to_string(r) + " " + Utf8(v));
    };
    h.Type(u"192.168.0.7");
    h.Log.Clear();
    h.Click(ok);
    const Log log = h.Log.Take();
    // The press takes the focus (the commit), the posted report runs before the release clicks.
    EXPECT_EQ(log,
              (Log{"validate 1,1 192.168.0.7", "cells changed 1,1-1,1", "editing done", "edit cell done 1,1",
                   "ok click, cell holds 192.168.0.7"}));
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditMode());
}

TEST_F(EditGridTest, FocusGoingToTheGridOnlyReportsTheEndAndToAnotherControlValidates)
{
    LogEvents();
    h.Type(u"a");
    h.Log.Clear();
    grid->SetFocus();  // back to the grid itself: no validation, the end is reported once
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (Log{"editing done", "edit cell done 1,1"}));
    EXPECT_EQ(grid->GetCellEx(1, 1), u"a") << "the typed text is in the cell as it is typed";
    EXPECT_TRUE(grid->FEditing) << "not validated yet";

    h.Type(u"b");
    h.Log.Clear();
    other->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (Log{"cells changed 1,1-1,1", "editing done", "edit cell done 1,1"}));
    EXPECT_EQ(grid->GetCellEx(1, 1), u"ab") << "typing on goes on in the open editor";
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->FEditing);
}

TEST_F(EditGridTest, WhileAltBackspaceIsHeldLosingTheFocusKeepsTheEditOpen)
{
    LogEvents();
    h.Type(u"ab");
    h.KeyDown(VK_MENU);
    h.KeyDown(VK_BACK);
    h.Log.Clear();
    other->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), Log{}) << "no validation and no end of the edit";
    EXPECT_TRUE(grid->FEditing);
    EXPECT_TRUE(grid->EditMode());
    h.KeyUp(VK_BACK);
    h.KeyUp(VK_MENU);
    // Back in the grid, the pending edit is validated as the grid is entered.
    grid->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), Log{"cells changed 1,1-1,1"});
    EXPECT_FALSE(grid->FEditing);
    // The key-ups went to the other control; the editor, focused again, counts them as up.
    h.Type(u"c");
    h.Log.Clear();
    other->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), (Log{"cells changed 1,1-1,1", "editing done", "edit cell done 1,1"}))
        << "released, the next focus loss ends the edit";
}

}  // namespace
}  // namespace gw::test
