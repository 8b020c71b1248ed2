// Harness tests of the edit with a button and the unit edit: the button's click and keys, the
// editor switch, units split and joined, the unit menu and its notification.
#include "grid/foundation/unit_edit_button.h"

#include "platform/backends/headless/harness.h"
#include "platform/controls/edit.h"
#include "platform/graphics/frame_controls.h"
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
    // An edit with a button and no units, counting its button's clicks in clicks.
    TEsgEditBtn* AddPlain()
    {
        auto* plain = new TEsgEditBtn(form);
        plain->SetParent(form);
        plain->SetBounds(10, 100, 140, 24);
        plain->OnClickBtn = [this](TObject*) { ++clicks; };
        return plain;
    }

    THarness h;
    TForm* form = nullptr;
    TEsgUnitEditBtn* edit = nullptr;
    TEdit* other = nullptr;
    int clicks = 0;
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

TEST_F(EditButtonTest, APressDraggedOffTheButtonDoesNotClick)
{
    TEsgEditBtn* plain = AddPlain();
    TControl* button = plain->ButtonHost()->Button();
    h.MouseDown(button, {3, 3});
    h.MouseUp(button, {40, 3});
    EXPECT_EQ(clicks, 0) << "released beside the button";
    EXPECT_EQ(form->ActiveControl(), plain) << "the focus still goes to the edit";
    h.MouseDown(button, {3, 3});
    h.MouseUp(button, {button->Width() - 1, button->Height() - 1});
    EXPECT_EQ(clicks, 1) << "released on its last pixel";
}

TEST_F(EditButtonTest, F4ClicksUnlessCtrlOrAltIsHeld)
{
    TEsgEditBtn* plain = AddPlain();
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
    TEsgEditBtn* plain = AddPlain();
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

TEST_F(EditButtonTest, ButtonAndUnitAsPainted)
{
    TEsgEditButton* host = edit->ButtonHost();
    edit->SetUnitID(u"mm");
    host->SetButtonCaption(u"...");
    const Integer w = host->Width(), hgt = host->Height();
    auto paint = [&](TRecordingCanvas& C) { edit->PaintTo(C, 0, 0); };
    // The unit: in the edit-control text style, in its rectangle left of the button.
    {
        TRecordingCanvas c;
        paint(c);
        std::vector<std::string> units;
        for (const TCanvasCall& call : c.Calls())
            if (call.Name == "DrawText" && call.Text == u"mm") units.push_back(call.ToString());
        const TRect u = edit->UnitRect();
        EXPECT_EQ(units,
                  std::vector<std::string>{"DrawText(" + std::to_string(u.Left) + "," + std::to_string(u.Top) + "," +
                                           std::to_string(u.Right) + "," + std::to_string(u.Bottom) + "," +
                                           std::to_string(DT_EDITCONTROL) + ") \"mm\""});
    }
    // The button's face by look and state, and its caption black, one pixel on while down.
    struct Case {
        const char* Name;
        TColor Colour;
        bool Flat, Down, Hot;
        std::string Face;
        TColor FaceColour;
        Integer CaptionShift;
    };
    auto call = [&](const char* Name, std::initializer_list<Cardinal> Rest) {
        std::string out = std::string(Name) + "(0,0," + std::to_string(w) + "," + std::to_string(hgt);
        for (Cardinal r : Rest) out += "," + std::to_string(r);
        return out + ")";
    };
    const Cardinal push = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    const Case cases[] = {
        {"classic", clNone, false, false, false, call("DrawFrameControl", {DFC_BUTTON, push}), clNone, 0},
        {"classic down", clNone, false, true, false, call("DrawFrameControl", {DFC_BUTTON, push | DFCS_PUSHED}), clNone,
         1},
        {"flat", clNone, true, false, false, call("DrawEdge", {BDR_RAISEDINNER, BF_RECT | BF_MIDDLE}), clNone, 0},
        {"flat down", clNone, true, true, false, call("DrawEdge", {BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE}), clNone, 1},
        {"coloured", TColor(0x112233), false, false, false, call("FillRect", {}), TColor(0x112233), 0},
        {"coloured hot", TColor(0x112233), false, false, true, call("FillRect", {}), TColor(0x445566), 0},
        {"coloured down", TColor(0x112233), false, true, true, call("FillRect", {}), TColor(0x778899), 1},
    };
    std::vector<Integer> captionLefts;
    for (const Case& c : cases) {
        host->ButtonColor = c.Colour;
        host->ButtonColorHot = TColor(0x445566);
        host->ButtonColorDown = TColor(0x778899);
        host->SetFlat(c.Flat);
        if (c.Hot) h.MoveTo(host->Button(), {3, 3});
        if (c.Down) h.MouseDown(host->Button(), {3, 3});
        TRecordingCanvas canvas;
        paint(canvas);
        if (c.Down) {
            h.AnswerPopupMenu(u"");  // the release clicks: the unit menu comes and is left
            h.MouseUp(host->Button(), {3, 3});
        }
        h.MoveTo(other, {3, 3});
        std::vector<std::string> faces;
        TColor faceColour = clNone;
        const TCanvasCall* caption = nullptr;
        for (const TCanvasCall& call : canvas.Calls()) {
            const std::string text = call.ToString();
            // A coloured face is the fill in the state's colour (the host fills itself first).
            if (text == c.Face && (c.Colour == clNone || call.BrushColor == c.FaceColour)) {
                faces.push_back(text);
                if (call.Name == "FillRect") faceColour = call.BrushColor;
            }
            if (call.Name == "DrawText" && call.Text == u"...") caption = &call;
        }
        EXPECT_EQ(faces.size(), 1u) << c.Name << ": " << c.Face;
        EXPECT_EQ(faceColour, c.FaceColour) << c.Name;
        ASSERT_NE(caption, nullptr) << c.Name;
        EXPECT_EQ(caption->FontColor, clBlack) << c.Name;
        captionLefts.push_back(caption->Args[0] - c.CaptionShift);
    }
    // The caption fills what the face leaves: the classic frame's interior, the flat edge's inside,
    // the whole coloured button.
    EXPECT_EQ(captionLefts, (std::vector<Integer>{2, 2, 1, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace gw::test
