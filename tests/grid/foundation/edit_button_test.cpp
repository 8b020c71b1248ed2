// Harness tests of the edit with a button and the unit edit: the button's click and keys, the
// editor switch, units split and joined, the unit menu and its notification.
#include "grid/foundation/unit_edit_button.h"

#include "platform/backends/headless/harness.h"
#include "platform/controls/edit.h"
#include "platform/graphics/recording_canvas.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class EditButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 300, 200);
        edit = new TEsgUnitEditBtn(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 140, 24);
        for (const char16_t* u : {u"m", u"mm", u"km"}) edit->Units()->Add(u);
        edit->OnClickBtn = [this](TObject*) { h.Log.Add("button"); };
        edit->OnUnitChanged = [this](TObject*, const String& Unit) {
            h.Log.Add("unit " + std::string(Unit.begin(), Unit.end()));
        };
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 60, 100, 21);
        form->Show();
        other->SetFocus();
        h.ProcessMessages();
    }
    TControl* InnerButton() const { return edit->ButtonHost()->Button(); }

    THarness h;
    TForm* form = nullptr;
    TEsgUnitEditBtn* edit = nullptr;
    TEdit* other = nullptr;
};

TEST_F(EditButtonTest, TextAndUnitSplitAtTheFirstUnitThatEndsTheValue)
{
    struct Case {
        String Value, Text, Unit;
    };
    // The list is m, mm, km: the first unit whose first occurrence ends the value wins.
    const Case cases[] = {
        {u"12mm", u"12", u"mm"},  // m occurs first but does not end the value
        {u"12m", u"12", u"m"},   {u"3km", u"3k", u"m"},  // m comes before km in the list and ends the value
        {u"12in", u"3k", u"m"},  // no unit ends the value: nothing changes
        {u"mm5m", u"3k", u"m"},  // every unit occurs first elsewhere: nothing changes
    };
    for (const Case& c : cases) {
        edit->SetTextAndUnit(c.Value);
        EXPECT_EQ(edit->Text(), c.Text) << std::string(c.Value.begin(), c.Value.end());
        EXPECT_EQ(edit->UnitID(), c.Unit) << std::string(c.Value.begin(), c.Value.end());
    }
    EXPECT_EQ(edit->TextAndUnit(), u"3km");
    EXPECT_TRUE(h.Log.Items().empty()) << "splitting fires no unit change";
}

TEST_F(EditButtonTest, TheButtonOffersTheUnitsAndTellsAChange)
{
    edit->SetTextAndUnit(u"5m");
    h.AnswerPopupMenu(u"mm");
    h.Click(InnerButton());
    h.ProcessMessages();
    ASSERT_EQ(h.MenusShown().size(), 1u);
    ASSERT_EQ(h.MenusShown()[0].size(), 3u);
    EXPECT_EQ(h.MenusShown()[0][2].Caption, u"km");
    EXPECT_EQ(h.MenusShown()[0][2].Command, 3u);
    EXPECT_EQ(edit->UnitID(), u"mm");
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"button", "unit mm"}));
    EXPECT_EQ(form->ActiveControl(), edit) << "the button hands the focus to the edit";
    h.AnswerPopupMenu(u"mm");
    h.Press(VK_F4);
    h.ProcessMessages();
    EXPECT_EQ(h.Log.Take(), std::vector<std::string>{"button"}) << "the unit it had: no change told";
}

TEST_F(EditButtonTest, F4ClicksUnlessCtrlOrAltIsHeld)
{
    auto* plain = new TEsgEditBtn(form);
    plain->SetParent(form);
    plain->SetBounds(10, 100, 140, 24);
    int clicks = 0;
    plain->OnClickBtn = [&](TObject*) { ++clicks; };
    plain->SetFocus();
    h.Press(VK_F4);
    h.Press(VK_F4, ssCtrl);
    h.Press(VK_F4, ssAlt);
    EXPECT_EQ(clicks, 1);
    plain->OnKeyDown = [](TObject*, Word& Key, TShiftState) { Key = 0; };
    h.Press(VK_F4);
    EXPECT_EQ(clicks, 1) << "a key-down handler that takes the key stops the click";
}

TEST_F(EditButtonTest, WithTheEditorDisabledTypingIsIgnoredButTheButtonWorks)
{
    auto* plain = new TEsgEditBtn(form);
    plain->SetParent(form);
    plain->SetBounds(10, 100, 140, 24);
    int clicks = 0;
    plain->OnClickBtn = [&](TObject*) { ++clicks; };
    EXPECT_EQ(plain->Text(), u"0");
    plain->EditorEnabled = false;
    plain->SetFocus();
    h.Type(u"42");
    plain->Perform(WM_PASTE);
    EXPECT_EQ(plain->Text(), u"0");
    h.Press(VK_F4);
    h.Click(plain->ButtonHost()->Button());
    EXPECT_EQ(clicks, 2);
}

TEST_F(EditButtonTest, LayoutKeepsRoomForButtonAndUnit)
{
    const TEsgEditButton* host = edit->ButtonHost();
    EXPECT_EQ(host->Width(), 18);
    EXPECT_EQ(host->Left(), 2 + edit->Width() - 18 - 5);
    EXPECT_EQ(host->Height(), edit->Height() - 5);
    EXPECT_EQ(host->Button()->BoundsRect(), Rect(0, 0, host->Width(), host->Height())) << "the button fills its host";
    // The unit sits left of the button, UnitSpace wide.
    EXPECT_EQ(edit->UnitRect(), Rect(2 + 136 - 18 - 3 - 20, 4, 2 + 136 - 18 - 3, 22));
    edit->SetButtonWidth(25);
    EXPECT_EQ(host->Width(), 25);
    EXPECT_TRUE(edit->RightAlign()) << "a unit edit aligns its value right";
}

TEST_F(EditButtonTest, ColouredButtonAndUnitAsPainted)
{
    TEsgEditButton* host = edit->ButtonHost();
    host->ButtonColor = TColor(0x112233);
    edit->SetUnitID(u"mm");
    TRecordingCanvas c;
    edit->PaintTo(c, 0, 0);
    bool face = false, unit = false;
    for (const TCanvasCall& call : c.Calls()) {
        face = face || (call.Name == "FillRect" && call.BrushColor == TColor(0x112233));
        unit = unit || (call.Name == "DrawText" && call.Text == u"mm");
    }
    EXPECT_TRUE(face);
    EXPECT_TRUE(unit);
    EXPECT_TRUE(host->Flat()) << "a coloured button is flat";
}

}  // namespace
}  // namespace gw::test
