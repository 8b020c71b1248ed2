// Harness tests of the self-drawn check box: states and their events by mouse, Space and
// accelerator, read-only, repaints, and the box and caption as painted.
#include "grid/foundation/ext_check_box.h"

#include "platform/backends/headless/harness.h"
#include "platform/controls/edit.h"
#include "platform/graphics/frame_controls.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

// Paints on a recording canvas what the box paints on its window.
struct PaintProbe : TExtCheckBox {
    using TExtCheckBox::DrawOn;
    using TExtCheckBox::TExtCheckBox;
};

class ExtCheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 300, 200);
        box = new PaintProbe(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 120, 20);
        box->SetCaption(u"&Match case");
        box->OnClick = [this](TObject*) { h.Log.Add(box->Checked() ? "click checked" : "click unchecked"); };
        box->OnKeyUp = [this](TObject*, Word&, TShiftState) { h.Log.Add("key up"); };
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 60, 100, 21);
        form->Show();
        h.ProcessMessages();
    }

    THarness h;
    TForm* form = nullptr;
    TExtCheckBox* box = nullptr;
    TEdit* other = nullptr;
};

TEST_F(ExtCheckBoxTest, DefaultsOfANewBox)
{
    auto* fresh = new TExtCheckBox(form);
    EXPECT_EQ(fresh->Caption(), u"TExtCheckBox");
    EXPECT_EQ(fresh->Width(), 98);
    EXPECT_EQ(fresh->Height(), 20);
    EXPECT_EQ(fresh->State(), cbUnchecked);
    EXPECT_EQ(fresh->Alignment(), taLeftJustify);
    EXPECT_EQ(fresh->ButtonVertAlign(), tlTop);
}

TEST_F(ExtCheckBoxTest, ClickSpaceAndAcceleratorToggleAndClick)
{
    h.Click(box);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(form->ActiveControl(), box) << "a press takes the focus";
    h.Press(VK_SPACE);
    EXPECT_FALSE(box->Checked());
    h.Press('M', ssAlt);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"click checked", "click unchecked"}))
        << "the accelerator toggles without a click; Space fires no OnKeyUp";
}

TEST_F(ExtCheckBoxTest, AGrayedBoxBecomesChecked)
{
    box->SetState(cbGrayed);
    h.Click(box);
    EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(ExtCheckBoxTest, ReadOnlyKeepsTheStateButStillClicks)
{
    box->ReadOnly = true;
    h.Click(box);
    h.Press(VK_SPACE);
    h.Press('M', ssAlt);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(h.Log.Take(), (std::vector<std::string>{"click unchecked", "click unchecked"}));
}

TEST_F(ExtCheckBoxTest, APressInsideReleasedOutsideDoesNothing)
{
    h.MouseDown(box, {5, 5});
    EXPECT_TRUE(box->Down());
    h.MoveTo(box, {200, 5});
    EXPECT_FALSE(box->Down()) << "the pointer left the control";
    h.MouseUp(box, {200, 5});
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(h.Log.Items().empty());
}

TEST_F(ExtCheckBoxTest, SpaceHeldPressesTheBox)
{
    box->SetFocus();
    h.KeyDown(VK_SPACE);
    h.ProcessMessages();
    EXPECT_TRUE(box->Down());
    h.KeyUp(VK_SPACE);
    h.ProcessMessages();
    EXPECT_FALSE(box->Down());
    EXPECT_TRUE(box->Checked());
}

TEST_F(ExtCheckBoxTest, EnterActsAsTabWhenAsked)
{
    box->SetFocus();
    box->ReturnIsTab = true;
    h.Press(VK_RETURN);
    EXPECT_EQ(form->ActiveControl(), other);
}

TEST_F(ExtCheckBoxTest, TheStateSetterRepaintsOnlyOnAChangeWhileCheckedAlwaysDoes)
{
    h.ProcessMessages();
    Cardinal before = h.Invalidations();
    box->SetState(cbUnchecked);
    EXPECT_EQ(h.Invalidations(), before);
    box->SetChecked(false);
    EXPECT_GT(h.Invalidations(), before);
    TRect update;
    h.ProcessMessages();
    box->SetState(cbChecked);
    ASSERT_TRUE(GetUpdateRect(box->Handle(), update));
    EXPECT_EQ(update, Rect(0, 0, 20, 20)) << "the box area of a left box";
}

TEST_F(ExtCheckBoxTest, BoxAndCaptionAsPainted)
{
    struct Case {
        TAlignment Alignment;
        TTextLayout Layout;
        TCheckBoxState State;
        bool Enabled;
        TRect Box;
        Cardinal Frame;
        TRect Caption;
    };
    const Case cases[] = {
        {taLeftJustify, tlTop, cbChecked, true, Rect(0, 4, 13, 17), DFCS_BUTTONCHECK | DFCS_CHECKED,
         Rect(15, 4, 120, 20)},
        {taRightJustify, tlCenter, cbUnchecked, true, Rect(107, 4, 120, 17), DFCS_BUTTONCHECK, Rect(6, 4, 111, 20)},
        {taLeftJustify, tlBottom, cbGrayed, true, Rect(0, 3, 13, 16), DFCS_BUTTONCHECK | DFCS_INACTIVE,
         Rect(15, 4, 120, 20)},
        {taLeftJustify, tlTop, cbChecked, false, Rect(0, 4, 13, 17), DFCS_BUTTONCHECK | DFCS_INACTIVE | DFCS_CHECKED,
         Rect(15, 4, 120, 20)},
    };
    for (const Case& c : cases) {
        box->SetAlignment(c.Alignment);
        box->SetButtonVertAlign(c.Layout);
        box->SetState(c.State);
        box->SetEnabled(c.Enabled);
        TRecordingCanvas canvas;
        static_cast<PaintProbe*>(box)->DrawOn(canvas);
        std::vector<std::string> frames, texts;
        for (const TCanvasCall& call : canvas.Calls()) {
            if (call.Name == "DrawFrameControl") frames.push_back(call.ToString());
            if (call.Name == "DrawText") texts.push_back(call.ToString());
        }
        const TRect b = c.Box;
        EXPECT_EQ(frames,
                  std::vector<std::string>{"DrawFrameControl(" + std::to_string(b.Left) + "," + std::to_string(b.Top) +
                                           "," + std::to_string(b.Right) + "," + std::to_string(b.Bottom) + ",4," +
                                           std::to_string(c.Frame) + ")"});
        EXPECT_EQ(box->CaptionRect(), c.Caption);
        EXPECT_EQ(texts.size(), c.Enabled ? 1u : 2u) << "a disabled caption is drawn twice, lit and grey";
    }
}

TEST_F(ExtCheckBoxTest, MouseEntryMakesTheBoxHotAndExitCools)
{
    h.MoveTo(box, {5, 5});
    EXPECT_TRUE(box->Hot());
    h.MoveTo(other, {5, 5});
    EXPECT_FALSE(box->Hot());
    // The themed state the hot box would show: disabled wins over pressed, pressed over hot.
    struct Case {
        TCheckBoxState State;
        bool Enabled, Down, Hot;
        Integer Expected;
    };
    const Case cases[] = {
        {cbUnchecked, true, false, false, 1}, {cbUnchecked, true, false, true, 2}, {cbUnchecked, true, true, true, 3},
        {cbUnchecked, false, true, true, 4},  {cbChecked, true, false, false, 5},  {cbChecked, true, false, true, 6},
        {cbChecked, true, true, false, 7},    {cbChecked, false, false, false, 8}, {cbGrayed, true, false, false, 9},
        {cbGrayed, true, false, true, 10},    {cbGrayed, true, true, true, 11},    {cbGrayed, false, false, true, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckBoxThemeState(c.State, c.Enabled, c.Down, c.Hot), c.Expected) << c.Expected;
}

TEST_F(ExtCheckBoxTest, FocusRectangleEllipsisAndTransparencyAsPainted)
{
    auto paint = [this](TRecordingCanvas& C) { static_cast<PaintProbe*>(box)->DrawOn(C); };
    auto named = [](const TRecordingCanvas& C, const char* Name) {
        std::vector<TCanvasCall> out;
        for (const TCanvasCall& call : C.Calls())
            if (call.Name == Name) out.push_back(call);
        return out;
    };
    other->SetFocus();
    h.ProcessMessages();
    TRecordingCanvas unfocused;
    paint(unfocused);
    EXPECT_TRUE(named(unfocused, "DrawFocusRect").empty());
    ASSERT_EQ(named(unfocused, "DrawText").size(), 1u);
    EXPECT_EQ(named(unfocused, "DrawText")[0].Args[4] & DT_END_ELLIPSIS, 0);
    box->SetFocus();
    h.ProcessMessages();
    box->SetEllipsis(true);
    TRecordingCanvas focused;
    paint(focused);
    TCanvas measure;
    measure.SetFont(box->Font());
    const TSize text = measure.TextExtent(box->Caption());
    // From 2 pixels left of the caption (at 15, 4) to its width + 1, and its height + 1.
    const auto rects = named(focused, "DrawFocusRect");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].Args, (std::vector<Integer>{13, 4, 15 + text.cx + 1, 4 + text.cy + 1}));
    EXPECT_NE(named(focused, "DrawText")[0].Args[4] & DT_END_ELLIPSIS, 0);
    // Transparent: the parent's background is painted under the box first.
    form->SetColor(TColor(0x3366CC));
    box->SetTransparent(true);
    TRecordingCanvas transparent;
    paint(transparent);
    bool parentFill = false;
    for (const TCanvasCall& call : transparent.Calls()) {
        if (call.Name == "DrawFrameControl") break;
        parentFill = parentFill || (call.Name == "FillRect" && call.BrushColor == TColor(0x3366CC));
    }
    EXPECT_TRUE(parentFill);
    TRecordingCanvas opaque;
    box->SetTransparent(false);
    paint(opaque);
    for (const TCanvasCall& call : opaque.Calls()) EXPECT_NE(call.BrushColor, TColor(0x3366CC)) << call.ToString();
}

}  // namespace
}  // namespace gw::test
