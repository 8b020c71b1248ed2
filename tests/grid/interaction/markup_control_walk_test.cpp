// The inline editors of a cell's mark-up elements end to end: a press opens the edit or the combo
// over its element, Tab walks to the cell's next edit-type element, and each value goes back into
// its own tag.
#include "edit_grid_fixture.h"

#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/markup_text.h"
#include "grid/interaction/markup_control_editors.h"
#include "grid/model/control_look.h"
#include "platform/runtime/string_list.h"

namespace gw::test {
namespace {

// A login cell: a button and a check box (never edited inline) around two edit elements.
const String kLogin = u"<CONTROL TYPE=\"BUTTON\" ID=\"go\" WIDTH=\"30\" VALUE=\"Go\"> "
                      u"<CONTROL TYPE=\"EDIT\" ID=\"user\" WIDTH=\"70\" VALUE=\"abc\"> "
                      u"<CONTROL TYPE=\"CHECK\" ID=\"keep\" VALUE=\"FALSE\"> "
                      u"<CONTROL TYPE=\"PASSWORD\" ID=\"pw\" WIDTH=\"60\" VALUE=\"x\" MAXLEN=\"8\">";

class MarkupControlWalk : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->SetColWidths(3, 300);
        grid->SetRowHeights(2, 40);
        grid->SetRowHeights(3, 40);
        grid->SetCellEx(3, 2, kLogin);
        grid->OnControlEditDone = [this](TObject*, Integer r, Integer c, const String& ID, const String& Type,
                                         const String& Value) {
            h.Log.Add("done " + std::to_string(c) + "," + std::to_string(r) + " " + Utf8(ID) + " " + Utf8(Type) + " " +
                      Utf8(Value));
        };
    }

    // The element as the grid lays the cell out for its controls.
    TRect ElementRect(Integer ACol, Integer ARow, const String& ID) const
    {
        TRect r = grid->CellRect(ACol, ARow);
        r.Left += grid->XYOffset.X + 1;
        r.Top += grid->XYOffset.Y + 1;
        r.Right -= grid->XYOffset.X;
        const String text = grid->GetCellEx(ACol, ARow);
        return DrawMarkupText({.Canvas = grid->Canvas(), .Text = text, .Rect = r, .HitTest = true, .ControlID = ID})
            .ControlRect;
    }
    void PressElement(Integer ACol, Integer ARow, const String& ID)
    {
        const TRect e = ElementRect(ACol, ARow, ID);
        h.Advance(1000);
        h.Click(grid, {(e.Left + e.Right) / 2, (e.Top + e.Bottom) / 2});
        h.ProcessMessages();
    }
    String Value(Integer ACol, Integer ARow, const String& ID) const
    {
        String v;
        GetControlValue(grid->GetCellEx(ACol, ARow), ID, v);
        return v;
    }
    TControlEdit* Edit() const { return dynamic_cast<TControlEdit*>(Find(u"TControlEdit")); }
    TControlCombo* Combo() const { return dynamic_cast<TControlCombo*>(Find(u"TControlCombo")); }
    TControl* Find(const String& Class) const
    {
        for (Integer i = 0; i < grid->ControlCount(); ++i)
            if (grid->Controls(i)->ClassName() == Class) return grid->Controls(i);
        return nullptr;
    }
};

// The cell is not the current one: the walk stays in the pressed cell all the same.
TEST_F(MarkupControlWalk, TabWalksTheTwoEditElementsOfTheCellAndStoresEach)
{
    PressElement(3, 2, u"user");
    // The element editor is made on first use, by this press.
    TControlEdit* edit = Edit();
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->Visible());
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->Text(), u"abc");
    EXPECT_EQ(edit->PasswordChar(), Char(0));
    const TRect user = ElementRect(3, 2, u"user");
    EXPECT_EQ(edit->BoundsRect(), Rect(user.Left + 1, user.Top + 8, user.Right - 3, user.Top + 22));
    EXPECT_EQ(grid->Col(), 1) << "the press leaves the current cell";

    h.Press(VK_END);
    h.Type(u"d");
    h.Press(VK_TAB);
    h.ProcessMessages();
    EXPECT_EQ(Value(3, 2, u"user"), u"abcd");
    ASSERT_TRUE(edit->Visible()) << "on to the password element, passing the check box";
    EXPECT_EQ(edit->Text(), u"x");
    EXPECT_EQ(edit->PasswordChar(), u'*');
    EXPECT_EQ(edit->MaxLength(), 8);
    const TRect pw = ElementRect(3, 2, u"pw");
    EXPECT_EQ(edit->Left(), pw.Left + 1);

    h.Press(VK_END);
    h.Type(u"yz");
    h.Press(VK_TAB);
    h.ProcessMessages();
    EXPECT_EQ(Value(3, 2, u"pw"), u"xyz");
    EXPECT_EQ(Value(3, 2, u"user"), u"abcd");
    EXPECT_EQ(Value(3, 2, u"keep"), u"FALSE");
    EXPECT_FALSE(edit->Visible()) << "no element after the last";
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(h.Log.Items(), (std::vector<std::string>{"done 3,2 user EDIT abcd", "done 3,2 pw PASSWORD xyz"}));
}

// The step to the next edit element: from the start, from each element, past the last; button
// and check box elements are passed over; a cell without edit elements opens nothing.
TEST_F(MarkupControlWalk, TheNextElementAfterAnIdIsTheOneOpened)
{
    grid->SetCellEx(3, 3, u"<CONTROL TYPE=\"CHECK\" ID=\"only\" VALUE=\"TRUE\"> plain");
    const struct {
        Integer Row;
        const char16_t* After;
        const char16_t* Opened;  // nullptr: none, the grid focused
    } cases[] = {
        {2, u"", u"user"},   {2, u"go", u"user"}, {2, u"user", u"pw"},
        {2, u"keep", u"pw"}, {2, u"pw", nullptr}, {3, u"", nullptr},
    };
    grid->ShowNextControlEditor(3, 2, u"");  // makes the element editor, which is made on first use
    TControlEdit* edit = Edit();
    ASSERT_NE(edit, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.After));
        edit->SetVisible(false);
        other->SetFocus();
        h.ProcessMessages();
        h.Log.Clear();
        grid->ShowNextControlEditor(3, c.Row, c.After);
        h.ProcessMessages();
        EXPECT_EQ(edit->Visible(), c.Opened != nullptr);
        if (c.Opened) {
            EXPECT_TRUE(edit->Focused());
            EXPECT_EQ(edit->Left(), ElementRect(3, c.Row, c.Opened).Left + 1);
            EXPECT_EQ(edit->Text(), Value(3, c.Row, c.Opened));
        } else {
            EXPECT_TRUE(grid->Focused());
        }
    }
    edit->SetVisible(false);
}

// Right to left the cell's check box and the wider offset stand at the cell's right edge, and the
// text reads from there: a press on an element and the walk on with Tab open the editor over the
// element where it is laid out in what is left of the cell.
TEST_F(MarkupControlWalk, RightToLeftTheEditorsOpenOverTheElementsLeftOfTheCheckBox)
{
    grid->AddCheckBox(3, 2, false, false);
    grid->SetBiDiMode(bdRightToLeft);
    h.ProcessMessages();
    const TRect cell = grid->CellRect(3, 2);
    const TRect area{cell.Left + grid->XYOffset.X, cell.Top + grid->XYOffset.Y + 1,
                     cell.Right - grid->XYOffset.X - 1 - grid->ControlLook()->CheckSize(), cell.Bottom};
    const String text = grid->GetCellEx(3, 2);
    const auto element = [&](const String& ID) {
        return DrawMarkupText(
                   {.Canvas = grid->Canvas(), .Text = text, .Rect = area, .HitTest = true, .ControlID = ID, .BiDiMode = 1})
            .ControlRect;
    };
    const TRect user = element(u"user");
    ASSERT_FALSE(IsRectEmpty(user));
    ASSERT_LE(user.Right, area.Right);
    h.Advance(1000);
    h.Click(grid, {(user.Left + user.Right) / 2, (user.Top + user.Bottom) / 2});
    h.ProcessMessages();
    TControlEdit* edit = Edit();
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), u"abc");
    EXPECT_EQ(edit->BoundsRect(), Rect(user.Left + 1, user.Top + 8, user.Right - 3, user.Top + 22));
    h.Press(VK_TAB);
    h.ProcessMessages();
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), u"x");
    EXPECT_EQ(edit->Left(), element(u"pw").Left + 1);
    EXPECT_EQ(Value(3, 2, u"keep"), u"FALSE") << "the walk passes the check element";
    bool checked = true;
    ASSERT_TRUE(grid->GetCheckBoxState(3, 2, checked));
    EXPECT_FALSE(checked) << "the press never reached the cell's check box";
}

// A MASK element takes its PROP as the edit mask; a later EDIT element has none.
TEST_F(MarkupControlWalk, AMaskElementGetsItsPropAsTheMask)
{
    grid->SetCellEx(3, 3,
                    u"<CONTROL TYPE=\"MASK\" ID=\"ip\" WIDTH=\"90\" VALUE=\"010\" PROP=\"999;1;_\"> "
                    u"<CONTROL TYPE=\"EDIT\" ID=\"note\" WIDTH=\"60\" VALUE=\"\">");
    PressElement(3, 3, u"ip");
    TControlEdit* edit = Edit();
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->EditMask(), u"999;1;_");
    h.Press(VK_TAB);
    h.ProcessMessages();
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->EditMask(), u"");
    EXPECT_EQ(h.Log.Items().front(), "done 3,3 ip MASK 010");
    edit->SetVisible(false);
}

// The combo element: the handler fills the list and decides typing and drop count; the value is
// the selected item; a choice is reported; Enter writes the text into the tag.
TEST_F(MarkupControlWalk, TheComboElementIsFilledDroppedReportedAndStored)
{
    grid->SetCellEx(3, 3, u"Baud <CONTROL TYPE=\"COMBO\" ID=\"baud\" WIDTH=\"90\" VALUE=\"9600\" MAXLEN=\"6\">");
    std::vector<std::string> events;
    grid->OnControlComboList = [&](TObject*, Integer r, Integer c, const String& ID, const String& Type,
                                   const String& Value, TStrings* Values, bool& Editable, Integer& DropCount) {
        events.push_back("list " + std::to_string(c) + "," + std::to_string(r) + " " + Utf8(ID) + " " + Utf8(Type) +
                         " " + Utf8(Value) + " " + std::to_string(Values->Count()) + " " +
                         (Editable ? "edit" : "list") + " " + std::to_string(DropCount));
        for (const char16_t* item : {u"4800", u"9600", u"19200"}) Values->Add(item);
        Editable = false;
        DropCount = 3;
    };
    grid->OnControlComboSelect = [&](TObject*, Integer r, Integer c, Integer Index, const String& ID,
                                     const String& Item) {
        events.push_back("select " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(Index) + " " +
                         Utf8(ID) + " " + Utf8(Item));
    };
    PressElement(3, 3, u"baud");
    TControlCombo* combo = Combo();  // made on first use, by this press
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->Visible());
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), u"9600");
    EXPECT_EQ(combo->DropDownCount, 3);
    EXPECT_EQ(combo->MaxLength(), 6);
    const TRect e = ElementRect(3, 3, u"baud");
    EXPECT_EQ(combo->Left(), e.Left - 1);
    EXPECT_EQ(combo->Width(), e.Right - e.Left);
    EXPECT_EQ(events, std::vector<std::string>{"list 3,3 baud COMBO 9600 0 edit 8"});

    events.clear();
    h.Press(VK_DOWN);
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_EQ(events, std::vector<std::string>{"select 3,3 2 baud 19200"});
    EXPECT_EQ(Value(3, 3, u"baud"), u"19200");
    EXPECT_FALSE(combo->Visible());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(h.Log.Items(), std::vector<std::string>{"done 3,3 baud COMBO 19200"});
}

// A press on another element while one is edited: the edit is written back first, so the flip
// of the check box does not lose it.
TEST_F(MarkupControlWalk, APressOnAnotherElementStoresTheOpenEditFirst)
{
    PressElement(3, 2, u"user");
    TControlEdit* edit = Edit();
    ASSERT_NE(edit, nullptr);
    h.Press(VK_END);
    h.Type(u"!");
    PressElement(3, 2, u"keep");
    EXPECT_EQ(Value(3, 2, u"user"), u"abc!");
    EXPECT_EQ(Value(3, 2, u"keep"), u"TRUE");
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(h.Log.Items(), std::vector<std::string>{"done 3,2 user EDIT abc!"});
}

// The edited cell gone before the editor loses the focus (rows removed, or the window closed):
// nothing is written anywhere and nothing is read outside the grid.
TEST_F(MarkupControlWalk, AnElementEditWhoseCellIsGoneWritesNothing)
{
    PressElement(3, 2, u"user");
    ASSERT_TRUE(Edit()->Visible());
    h.Type(u"lost");
    grid->SetRowCount(2);
    other->SetFocus();
    h.ProcessMessages();
    EXPECT_FALSE(Edit()->Visible());
    EXPECT_EQ(grid->RowCount(), 2);
    grid->SetRowCount(6);
    EXPECT_EQ(Value(3, 2, u"user"), u"abc") << "the edit never reached the row as it comes back";
    EXPECT_TRUE(h.Log.Items().empty());

    PressElement(3, 2, u"user");
    ASSERT_TRUE(Edit()->Visible());
    h.Type(u"closing");
    delete form;
    form = nullptr;
    h.ProcessMessages();
}

// Elements of other types open no inline editor and leave nothing half-open.
TEST_F(MarkupControlWalk, OnlyEditAndComboTypesOpenAnEditor)
{
    for (const char16_t* type : {u"BUTTON", u"CHECK", u"RADIO", u"SLIDER"}) {
        SCOPED_TRACE(Utf8(type));
        grid->ShowCellControlEditor(kLogin, type, u"x", u"v", Rect(10, 10, 60, 30), 3, 3, 2);
        // Neither editor is made, or, if made, shown.
        EXPECT_TRUE(Edit() == nullptr || !Edit()->Visible());
        EXPECT_TRUE(Combo() == nullptr || !Combo()->Visible());
        grid->StoreCellControlValue();
        EXPECT_EQ(grid->GetCellEx(3, 2), kLogin);
    }
    EXPECT_TRUE(h.Log.Items().empty());
}

}  // namespace
}  // namespace gw::test
