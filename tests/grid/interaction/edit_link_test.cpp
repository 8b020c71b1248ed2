// The editor link: a host's edit control as the editor of edCustom cells, its navigation keys
// handed to the grid unless the link wants them, Escape, and the pop-up form.
#include "grid/interaction/edit_link.h"
#include "platform/controls/edit.h"
#include "tests/grid/interaction/edit_grid_fixture.h"

namespace gw::test {
namespace {

// A link over a plain edit control, counting the editors it made and freed.
class TTestLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TEdit* Edit = nullptr;
    Integer Made = 0, Freed = 0;
    void CreateEditor(TWinControl* AParent) override
    {
        if (Edit) return;
        Edit = new TEdit(AParent);
        Edit->SetParent(AParent);
        Edit->OnKeyDown = [this](TObject* Sender, Word& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
        ++Made;
    }
    void DestroyEditor() override
    {
        delete Edit;
        Edit = nullptr;
        ++Freed;
    }
    TWinControl* GetEditControl() override { return Edit; }
    String GetEditorValue() override { return Edit ? Edit->Text() : String(); }
    void SetEditorValue(const String& S) override
    {
        if (Edit) Edit->SetText(S);
    }
};

class EditLinkTest : public EditGridTest {
protected:
    void BeforeShow() override
    {
        grid->OnGetEditorType = [](TObject*, Integer ACol, Integer, TEditorType& AEditor) {
            if (ACol == 3) AEditor = edCustom;
        };
        link = new TTestLink(form);
        grid->EditLink = link;
        for (Integer r = 1; r < 6; ++r) grid->SetCellEx(3, r, u"old" + IntToStr(r));
    }
    void Open(Integer ARow = 1)
    {
        grid->FocusCell(3, ARow);
        h.ProcessMessages();
        h.Press(VK_F2);
        h.ProcessMessages();
    }
    TTestLink* link = nullptr;
};

TEST_F(EditLinkTest, TheLinkKeepsTheKeysItWantsAndHandsTheOthersToTheGrid)
{
    grid->Navigation()->AdvanceOnEnter = true;
    struct TCase {
        const char* Name;
        Word Key;
        bool TEditLink::*Want;
        bool Open;  // the editor still open afterwards
        Integer Col, Row;
        const char16_t* Cell;
    };
    const TCase cases[] = {
        {"Down", VK_DOWN, nullptr, false, 3, 2, u"new"},
        {"Down wanted", VK_DOWN, &TEditLink::WantKeyUpDown, true, 3, 1, u"old1"},
        {"Right", VK_RIGHT, nullptr, false, 4, 1, u"new"},
        {"Right wanted", VK_RIGHT, &TEditLink::WantKeyLeftRight, true, 3, 1, u"old1"},
        {"Enter (the next cell's editor opens)", VK_RETURN, nullptr, true, 4, 1, u"new"},
        {"Enter wanted", VK_RETURN, &TEditLink::WantKeyReturn, true, 3, 1, u"old1"},
        {"PgDn", VK_NEXT, nullptr, false, 3, 1, u"new"},
        {"PgDn wanted", VK_NEXT, &TEditLink::WantKeyPriorNext, true, 3, 1, u"old1"},
        {"End", VK_END, nullptr, false, 3, 1, u"new"},
        {"End wanted", VK_END, &TEditLink::WantKeyHomeEnd, true, 3, 1, u"old1"},
        {"Escape", VK_ESCAPE, nullptr, false, 3, 1, u"old1"},
        {"Escape wanted", VK_ESCAPE, &TEditLink::WantKeyEscape, true, 3, 1, u"old1"},
        {"Home (only with Alt)", VK_HOME, nullptr, true, 3, 1, u"old1"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        for (Integer r = 1; r < 6; ++r) grid->SetCellEx(3, r, u"old" + IntToStr(r));
        if (c.Want) link->*c.Want = true;
        Open();
        ASSERT_TRUE(link->Edit && link->Edit->Focused());
        EXPECT_EQ(link->EditCell(), (TPoint{3, 1}));
        EXPECT_EQ(link->Edit->Text(), u"old1");
        link->Edit->SetText(u"new");
        h.Press(c.Key);
        h.ProcessMessages();
        EXPECT_EQ(grid->EditMode(), c.Open);
        EXPECT_EQ(grid->Col(), c.Col);
        EXPECT_EQ(grid->Row(), c.Row);
        EXPECT_EQ(grid->GetCellEx(3, 1), c.Cell);
        if (c.Key == VK_ESCAPE && !c.Open) {
            EXPECT_EQ(link->Edit->Text(), u"old1") << "the old text back in the editor";
        }
        if (grid->EditMode()) grid->HideInplaceEdit();
        if (c.Want) link->*c.Want = false;
        EXPECT_FALSE(link->Edit->Visible());
        grid->SetFocus();
    }
}

TEST_F(EditLinkTest, ThePopupOpensAtTheCellOrWhereItIsPlacedAndIsReused)
{
    link->EditStyle = esPopup;
    link->PopupWidth = 120;
    link->PopupHeight = 60;
    Open();
    TForm* popup = link->PopupForm();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Name(), u"gridform");
    const TRect cell = grid->CellRect(3, 1);
    const TPoint corner = grid->ClientToScreen({cell.Left, cell.Top});
    EXPECT_EQ(popup->BoundsRect(), Rect(corner.X, corner.Y, corner.X + 120, corner.Y + 60));
    EXPECT_EQ(link->Edit->Parent(), popup);
    EXPECT_EQ(link->Edit->BoundsRect(), Rect(0, 0, 119, 59)) << "less the grid line";
    // Enter writes the value and frees the editor; the form stays for the next edit.
    link->Edit->SetText(u"new");
    h.Press(VK_RETURN);
    h.ProcessMessages();
    EXPECT_EQ(grid->GetCellEx(3, 1), u"new");
    EXPECT_FALSE(popup->Visible());
    EXPECT_EQ(link->Freed, 0) << "not from under its own key handler";
    // Placed by the host: there on the screen; only one of the two set: at the cell.
    for (const bool both : {true, false}) {
        SCOPED_TRACE(both ? "both set" : "PopupTop -1");
        link->PopupLeft = 300;
        link->PopupTop = both ? 200 : -1;
        link->AutoPopupWidth = !both;
        Open(2);
        EXPECT_EQ(link->Freed, link->Made - 1) << "each pop-up edit has a fresh editor";
        EXPECT_EQ(link->PopupForm(), popup);
        const TRect c2 = grid->CellRect(3, 2);
        const TPoint at = both ? TPoint{300, 200} : grid->ClientToScreen({c2.Left, c2.Top});
        EXPECT_EQ(popup->Left(), at.X);
        EXPECT_EQ(popup->Top(), at.Y);
        EXPECT_EQ(popup->Width(), both ? 120 : c2.Right - c2.Left);
        h.Press(VK_ESCAPE);
        h.ProcessMessages();
        EXPECT_EQ(grid->GetCellEx(3, 2), u"old2");
    }
}

TEST_F(EditLinkTest, DeactivatingThePopupWritesTheValueAndEndsTheEdit)
{
    link->EditStyle = esPopup;
    Open();
    ASSERT_TRUE(grid->EditMode());
    link->Edit->SetText(u"clicked away");
    link->FormExit(link->PopupForm());
    EXPECT_EQ(grid->GetCellEx(3, 1), u"clicked away");
    EXPECT_FALSE(grid->EditMode());
    EXPECT_FALSE(link->PopupForm()->Visible());
    EXPECT_FALSE(link->Edit->Visible());
}

// The pop-up loses the activation both ways: when the link itself moves the focus to the grid
// (Enter), the deactivation only writes the value and the edit goes on to its own end; when the
// user leaves it, the edit ends and the grid skips the one focus gain the closing causes.
TEST_F(EditLinkTest, APopupDeactivatedByTheLinkOnlyWritesAndOneLeftByTheUserEndsTheEdit)
{
    link->EditStyle = esPopup;
    Open();
    TForm* popup = link->PopupForm();
    ASSERT_NE(popup, nullptr);
    std::vector<std::string> deactivations;
    popup->OnDeactivate = [this, &deactivations, exit = popup->OnDeactivate](TObject* Sender) {
        deactivations.push_back(std::string(link->ForcedExit() ? "forced" : "user") + " " +
                                Utf8(link->GetEditorValue()) + " cell " + Utf8(grid->GetCellEx(3, 1)));
        exit(Sender);
    };
    link->Edit->SetText(u"by Enter");
    h.Press(VK_RETURN);
    h.ProcessMessages();
    for (const std::string& d : deactivations) EXPECT_EQ(d.substr(0, 6), "forced") << d;
    EXPECT_EQ(grid->GetCellEx(3, 1), u"by Enter");
    EXPECT_FALSE(grid->InvokedFocusChange) << "a focus move of the link's own skips nothing";
    EXPECT_TRUE(grid->Focused());

    // Left by the user for another control: the next focus gain of the grid is the closing's.
    Open(2);
    link->Edit->SetText(u"left");
    other->SetFocus();
    h.ProcessMessages();
    link->FormExit(popup);
    EXPECT_EQ(grid->GetCellEx(3, 2), u"left");
    EXPECT_FALSE(grid->EditMode());
    EXPECT_FALSE(popup->Visible());
    EXPECT_TRUE(grid->InvokedFocusChange);
    grid->SetFocus();
    h.ProcessMessages();
    EXPECT_FALSE(grid->InvokedFocusChange) << "one gain only";

    // Left while the grid holds the focus already: that gain has passed, nothing is skipped.
    Open(3);
    grid->SetFocus();
    h.ProcessMessages();
    link->FormExit(popup);
    EXPECT_FALSE(grid->InvokedFocusChange);
}

TEST_F(EditLinkTest, WithoutALinkAnEdCustomCellOpensNothing)
{
    grid->EditLink = nullptr;
    Open();
    EXPECT_TRUE(grid->EditMode()) << "the edit mode stays until the next commit";
    EXPECT_EQ(link->Made, 0);
    grid->HideInplaceEdit();
    EXPECT_EQ(grid->GetCellEx(3, 1), u"old1");
}

}  // namespace
}  // namespace gw::test
