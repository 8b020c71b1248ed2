// Harness tests of the grid library's combo box: item choice by key and mouse with its
// notifications, the button width, colours by flatness, focus and enabled state, the label, and
// the frame as painted.
#include "grid/foundation/esg_combo.h"

#include "platform/backends/headless/harness.h"
#include "platform/controls/edit.h"
#include "platform/graphics/frame_controls.h"
#include "platform/graphics/recording_canvas.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace gw::test {
namespace {

class EsgComboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 300, 300);
        form->SetColor(TColor(0x00C0C0));
        combo = new TEsgComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(100, 40, 100, 21);
        for (const char16_t* s : {u"red", u"green", u"blue"}) combo->Items()->Add(s);
        combo->SetStyle(csDropDownList);
        combo->OnChange = [this](TObject*) { h.Log.Add("change " + Narrow(combo->Text())); };
        combo->OnDropDown = [this](TObject*) { h.Log.Add("dropdown"); };
        combo->OnCloseUp = [this](TObject*) { h.Log.Add("closeup"); };
        combo->OnDropUp = [this](TObject*) { h.Log.Add("dropup"); };
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 200, 100, 21);
        form->Show();
        other->SetFocus();
        h.ProcessMessages();
    }
    static std::string Narrow(const String& S) { return std::string(S.begin(), S.end()); }
    TPoint ListItem(Integer i) const
    {
        const TRect r = combo->ListPopup()->ItemRect(i);
        return combo->ScreenToClient(combo->ListPopup()->ClientToScreen({r.Left + 5, (r.Top + r.Bottom) / 2}));
    }

    THarness h;
    TForm* form = nullptr;
    TEsgComboBox* combo = nullptr;
    TEdit* other = nullptr;
};

TEST_F(EsgComboTest, ChoosingByMouseAndByKeyTellsInOrder)
{
    h.Click(combo, {combo->Width() - 5, 10});
    ASSERT_TRUE(combo->DroppedDown());
    h.Click(combo, ListItem(2));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"dropdown", "closeup", "dropup", "change blue"}));
    h.Press(VK_UP);
    EXPECT_EQ(combo->Text(), u"green");
    h.Press(VK_F4);
    h.Press(VK_DOWN);
    h.Press(VK_RETURN);
    EXPECT_EQ(combo->Text(), u"blue");
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"change green", "dropdown", "change blue", "closeup", "dropup"}));
    h.Press(VK_F4);
    h.Press(VK_ESCAPE);
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"dropdown", "closeup", "dropup"}));
}

TEST_F(EsgComboTest, SelectItemTakesOnlyAnItemOfTheList)
{
    combo->SelectItem(u"green");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SelectItem(u"purple");
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(EsgComboTest, ButtonWidthTakesFourteenToThirtyTwo)
{
    const std::pair<Integer, Integer> cases[] = {{13, 19}, {14, 14}, {32, 32}, {33, 32}};
    combo->SetButtonWidth(19);
    for (auto [set, expected] : cases) {
        combo->SetButtonWidth(set);
        EXPECT_EQ(combo->ButtonWidth(), expected) << set;
    }
}

TEST_F(EsgComboTest, FlatTakesTheParentsColourAndDisablingShowsIt)
{
    combo->SetFlat(true);
    EXPECT_EQ(combo->Color(), TColor(0x00C0C0));
    combo->SetFlat(false);
    EXPECT_EQ(combo->Color(), clWindow) << "back to the colour it was loaded with";
    combo->SetFlatParentColor(false);
    combo->SetFlat(true);
    combo->SetColor(TColor(0x123456));
    combo->SetEnabled(false);
    EXPECT_EQ(combo->Color(), TColor(0x00C0C0));
    combo->SetEnabled(true);
    EXPECT_EQ(combo->Color(), TColor(0x123456));
}

TEST_F(EsgComboTest, FocusColourWhileFocusedAndTheLoadedColourAfter)
{
    combo->BeginLoading();
    combo->SetColor(TColor(0x445566));
    combo->EndLoading();
    combo->FocusColor = TColor(0x00FFFF);
    combo->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(combo->Color(), TColor(0x00FFFF));
    other->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(combo->Color(), TColor(0x445566));
}

TEST_F(EsgComboTest, TheLabelGoesBesideTheControl)
{
    combo->SetLabelCaption(u"Colour");
    TLabel* label = combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 40, 13);
    struct Case {
        TLabelPosition Position;
        TPoint At;
    };
    const Integer w = combo->Width(), hgt = combo->Height();
    TCanvas measure;
    measure.SetFont(label->Font());
    TRect m = Rect(0, 0, 1000, 255);
    measure.DrawText(u"Colour", m, DT_CALCRECT | DT_HIDEPREFIX);
    const Case cases[] = {
        {lpTopCenter, {100 + (w - 40) / 2, 40 - 13 - 4}},  // the label's width, not the caption's
        {lpLeftTop, {100 - m.Width() - 4, 40}},
        {lpLeftCenter, {100 - m.Width() - 4, 40 + (hgt - 13) / 2}},
        {lpBottomLeft, {100, 40 + hgt + 4}},
        {lpRightTop, {100 + w + 4, 40}},
        {lpLeftTopLeft, {100 - 4, 40}},
    };
    for (const Case& c : cases) {
        combo->SetLabelPosition(c.Position);
        EXPECT_EQ((TPoint{label->Left(), label->Top()}), c.At) << int(c.Position);
    }
    combo->SetLeft(120);
    EXPECT_EQ(label->Left(), 96 + 20) << "it follows the control";
    combo->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    combo->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

TEST(LabelPlacement, TopCenterOnAHundredPixelControl)
{
    EXPECT_EQ(LabelPlacement(lpTopCenter, Bounds(10, 50, 100, 21), {40, 13}, 40, 4), (TPoint{40, 33}));
    EXPECT_EQ(LabelPlacement(lpRighBottom, Bounds(10, 50, 100, 21), {40, 13}, 40, 4), (TPoint{114, 58}));
    EXPECT_EQ(LabelPlacement(lpLeftCenter, Bounds(10, 50, 100, 20), {40, 13}, 40, 4), (TPoint{-34, 53}))
        << "a half rounded toward zero";
}

// The frame colours the paint draws with, in order (FrameRect calls).
std::vector<TColor> Frames(TEsgComboBox& Combo)
{
    TRecordingCanvas c;
    Combo.PaintTo(c, 0, 0);
    std::vector<TColor> out;
    for (const TCanvasCall& call : c.Calls())
        if (call.Name == "FrameRect") out.push_back(call.BrushColor);
    return out;
}

TEST_F(EsgComboTest, FrameByBorderAndFocusBorderColour)
{
    const TColor border = TColor(0x0000AA), focus = TColor(0x00AA00);
    EXPECT_EQ(Frames(*combo), std::vector<TColor>{}) << "the platform's own look";
    combo->SetBorderColor(border);
    EXPECT_EQ(Frames(*combo), std::vector<TColor>{border});
    combo->FocusBorderColor = focus;
    EXPECT_EQ(Frames(*combo), std::vector<TColor>{border}) << "not focused";
    combo->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(Frames(*combo), std::vector<TColor>{focus});
    combo->SetBorderColor(clNone);
    EXPECT_EQ(Frames(*combo), std::vector<TColor>{focus});
    other->SetFocus();
    h.ProcessMessages();
    EXPECT_EQ(Frames(*combo), std::vector<TColor>{}) << "a focus border alone draws nothing unfocused";
    combo->FocusBorderColor = clNone;
    combo->SetFlatParentColor(false);
    combo->SetFlat(true);
    EXPECT_EQ(Frames(*combo), (std::vector<TColor>{TColor(0x00C0C0), TColor(0x00C0C0), combo->Color()}))
        << "flat: parent colour twice, then the control's colour";
    combo->IsVista = true;
    EXPECT_EQ(Frames(*combo), std::vector<TColor>{}) << "the platform draws a Vista combo whatever Flat says";
}

// A colour as the display shows it, "bbggrr" in hexadecimal.
std::string Hex(TColor Colour)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06x", unsigned(ColorToRGB(Colour)));
    return hex;
}

TEST(EsgFrame, EachRuleAsPainted)
{
    // A 100 x 21 combo with a 19-pixel button; what the frame draws, with the colour it draws in.
    const TColor parent = TColor(0x00C0C0), window = TColor(0xFFFFFF), border = TColor(0x0000AA),
                 focus = TColor(0x00AA00), line = TColor(0xAA0000);
    struct Case {
        const char* Name;
        TEsgFrame Frame;
        std::vector<std::string> Expected;
    };
    auto frame = [&](auto Change) {
        TEsgFrame f;
        f.ParentColor = parent;
        f.Color = window;
        f.ButtonWidth = 19;
        Change(f);
        return f;
    };
    const std::string edge =
        "DrawEdge(0,0,100,21," + std::to_string(BDR_SUNKENOUTER) + "," + std::to_string(BF_RECT | BF_ADJUST) + ")";
    const Case cases[] = {
        {"themed and disabled", frame([](TEsgFrame& f) { f.ThemedDisabled = true; }), {"FrameRect(0,0,100,21) b99d7f"}},
        {"border", frame([&](TEsgFrame& f) { f.BorderColor = border; }), {"FrameRect(0,0,100,21) 0000aa"}},
        {"border and focus border, focused",
         frame([&](TEsgFrame& f) {
             f.BorderColor = border;
             f.FocusBorderColor = focus;
             f.Focused = true;
         }),
         {"FrameRect(0,0,100,21) 00aa00"}},
        {"focus border, not focused", frame([&](TEsgFrame& f) { f.FocusBorderColor = focus; }), {}},
        {"flat",
         frame([](TEsgFrame&) {}),
         {"FrameRect(0,0,100,21) 00c0c0", "FrameRect(1,1,80,20) 00c0c0", "FrameRect(2,2,79,19) ffffff"}},
        {"flat and hot",
         frame([](TEsgFrame& f) { f.Hot = true; }),
         {edge, "FrameRect(1,1,99,20) " + Hex(clBtnFace), "FrameRect(2,2,98,19) ffffff"}},
        {"flat with the line",
         frame([&](TEsgFrame& f) { f.FlatLineColor = line; }),
         {"FrameRect(0,0,100,21) 00c0c0", "FrameRect(1,1,80,20) 00c0c0", "FrameRect(2,2,79,19) ffffff", "MoveTo(0,20)",
          "LineTo(59,20) aa0000"}},
    };
    for (const Case& c : cases) {
        TRecordingCanvas canvas;
        PaintEsgFrame(canvas, Rect(0, 0, 100, 21), c.Frame);
        std::vector<std::string> drawn;
        for (const TCanvasCall& call : canvas.Calls()) {
            std::string text = call.ToString();
            if (call.Name == "FrameRect") text += " " + Hex(call.BrushColor);
            if (call.Name == "LineTo") text += " " + Hex(call.PenColor);
            drawn.push_back(text);
        }
        EXPECT_EQ(drawn, c.Expected) << c.Name;
    }
}

TEST_F(EsgComboTest, ColouredButtonAsPainted)
{
    combo->ButtonColor = TColor(0x102030);
    combo->ButtonBorderColor = TColor(0x405060);
    combo->ButtonTextColor = TColor(0x708090);
    TRecordingCanvas c;
    combo->PaintTo(c, 0, 0);
    const TRect b = combo->DropButtonRect();
    const TRect face = Rect(b.Left - 1, b.Top + 1, b.Right - 1, b.Bottom - 1);
    bool filled = false, arrow = false;
    for (const TCanvasCall& call : c.Calls()) {
        filled = filled ||
            (call.Name == "FillRect" && call.BrushColor == TColor(0x102030) &&
             call.Args == std::vector<Integer>{face.Left, face.Top, face.Right, face.Bottom});
        arrow = arrow ||
            (call.Name == "Polygon" && call.BrushColor == TColor(0x708090) && call.Args[0] == face.Left + 4 &&
             call.Args[1] == face.Top + 7);
    }
    EXPECT_TRUE(filled);
    EXPECT_TRUE(arrow);
}

TEST_F(EsgComboTest, TheButtonFaceFollowsThePointer)
{
    combo->ButtonColor = TColor(0x102030);
    combo->ButtonColorHot = TColor(0x405060);
    auto faceColours = [this] {
        TRecordingCanvas c;
        combo->PaintTo(c, 0, 0);
        std::vector<TColor> out;
        for (const TCanvasCall& call : c.Calls())
            if (call.Name == "FillRect" && (call.BrushColor == TColor(0x102030) || call.BrushColor == TColor(0x405060)))
                out.push_back(call.BrushColor);
        return out;
    };
    h.MoveTo(combo, {10, 10});
    EXPECT_TRUE(combo->MouseInControl());
    EXPECT_FALSE(combo->ButtonHover()) << "over the text, not the button";
    EXPECT_EQ(faceColours(), std::vector<TColor>{TColor(0x102030)});
    h.MoveTo(combo, {combo->Width() - 5, 10});
    EXPECT_TRUE(combo->ButtonHover());
    EXPECT_EQ(faceColours(), std::vector<TColor>{TColor(0x405060)});
    h.MoveTo(other, {5, 5});
    EXPECT_FALSE(combo->ButtonHover()) << "leaving clears the hover";
    EXPECT_FALSE(combo->MouseInControl());
}

TEST_F(EsgComboTest, FocusLabelMakesTheLabelBoldWhileFocused)
{
    combo->SetLabelCaption(u"Colour");
    combo->FocusLabel = true;
    combo->SetFocus();
    h.ProcessMessages();
    EXPECT_TRUE(combo->ComboLabel()->Font()->Style() & fsBold);
    other->SetFocus();
    h.ProcessMessages();
    EXPECT_FALSE(combo->ComboLabel()->Font()->Style() & fsBold);
}

TEST_F(EsgComboTest, AutoFocusTakesTheFocusOnEntryAndDropWidthWidensTheList)
{
    combo->AutoFocus = true;
    h.MoveTo(combo, {10, 10});
    EXPECT_EQ(form->ActiveControl(), combo);
    combo->SetDropWidth(180);
    h.Press(VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->ListPopup()->Width(), 180);
    h.Press(VK_ESCAPE);
}

}  // namespace
}  // namespace gw::test
