// Tests of the cell button faces in their four looks and four states.
#include "grid/foundation/cell_button_faces.h"

#include "painting_fixture.h"
#include "platform/graphics/frame_controls.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

using Look = TCellButtonLook;
using State = TCellButtonState;

TColorTones Tones()
{
    TColorTones t;
    t.Background = {TColor(0x000011), TColor(0x000012), TColor(0x000013)};
    t.Foreground = {TColor(0x000021), TColor(0x000022), TColor(0x000023)};
    t.Selected = {TColor(0x000031), TColor(0x000032), TColor(0x000033)};
    t.Hover = {TColor(0x000041), TColor(0x000042), TColor(0x000043)};
    t.Disabled = {TColor(0x000051), TColor(0x000052), TColor(0x000053)};
    return t;
}

std::string Frame(TRect r, Cardinal type, Cardinal state)
{
    return "DrawFrameControl(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
        "," + std::to_string(r.Bottom) + "," + std::to_string(type) + "," + std::to_string(state) + ")";
}

TEST(CellButtonFace, FrameControlLooksByState)
{
    struct Case {
        Look look;
        State state;
        Cardinal expected;
    };
    const Case cases[] = {
        {Look::Classic, State::Normal, DFCS_BUTTONPUSH},
        {Look::Classic, State::Hot, DFCS_BUTTONPUSH | DFCS_HOT},
        {Look::Classic, State::Pressed, DFCS_BUTTONPUSH | DFCS_PUSHED},
        {Look::Classic, State::Disabled, DFCS_BUTTONPUSH | DFCS_INACTIVE},
        {Look::Flat, State::Pressed, DFCS_BUTTONPUSH | DFCS_PUSHED | DFCS_FLAT},
        {Look::Themed, State::Hot, DFCS_BUTTONPUSH | DFCS_HOT},  // no visual styles: classic
    };
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DrawCellButtonFace(c, 0, Rect(2, 3, 40, 20), k.look, k.state, Tones());
        EXPECT_EQ(c.Log(), std::vector<std::string>{Frame(Rect(2, 3, 40, 20), DFC_BUTTON, k.expected)})
            << int(k.look) << "/" << int(k.state);
    }
}

TEST(CellButtonFace, CustomLookTakesTheStateTone)
{
    const TColorTones t = Tones();
    const std::pair<State, TColorTone> cases[] = {{State::Normal, t.Background},
                                                  {State::Hot, t.Hover},
                                                  {State::Pressed, t.Selected},
                                                  {State::Disabled, t.Disabled}};
    for (const auto& [state, tone] : cases) {
        TRecordingCanvas c;
        DrawCellButtonFace(c, 0, Rect(2, 3, 40, 20), Look::Custom, state, t);
        EXPECT_EQ(RectsOf(c), (std::vector<DrawnRect>{{Rect(2, 3, 40, 20), tone.BrushColor, tone.BorderColor}}))
            << int(state);
    }
}

TEST(ComboDropButton, SeventeenPixelsAtTheRight)
{
    TRecordingCanvas c;
    DrawComboDropButton(c, 0, Rect(10, 20, 110, 40), Look::Classic, State::Pressed, Tones());
    // left = right - 17, 1 pixel in at top and bottom, 2 pixels to the left; pressed is not shown.
    EXPECT_EQ(c.Log(), std::vector<std::string>{Frame(Rect(91, 21, 108, 39), DFC_SCROLL, DFCS_SCROLLCOMBOBOX)});
    c.ClearCalls();
    DrawComboDropButton(c, 0, Rect(10, 20, 110, 40), Look::Flat, State::Disabled, Tones());
    EXPECT_EQ(c.Log(),
              std::vector<std::string>{
                  Frame(Rect(91, 21, 108, 39), DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE | DFCS_FLAT)});
}

TEST(ComboDropButton, CustomLookFaceLineAndArrow)
{
    const TColorTones t = Tones();
    TRecordingCanvas c;
    DrawComboDropButton(c, 0, Rect(10, 20, 110, 40), Look::Custom, State::Hot, t);
    // The face moves 3 pixels right: (94, 21, 108, 39).
    EXPECT_EQ(c.Log(),
              (std::vector<std::string>{"Rectangle(94,21,108,39)", "MoveTo(95,21)", "LineTo(95,39)",
                                        "Polygon(99,29,105,29,102,32)"}));
    EXPECT_EQ(c.Calls()[0].BrushColor, t.Hover.BrushColor);
    EXPECT_EQ(c.Calls()[0].PenColor, t.Hover.BrushColor);
    EXPECT_EQ(c.Calls()[2].PenColor, t.Background.BorderColor);
    EXPECT_EQ(c.Calls()[3].BrushColor, t.Background.TextColor);
    EXPECT_EQ(c.Calls()[3].PenColor, t.Background.TextColor);
}

TEST(SpinButtons, UpAndDownSplitAtTheMiddle)
{
    TRecordingCanvas c;
    // Right 15 pixels moved 1 left and up: (94, 19, 109, 39), middle 29.
    DrawSpinButtons(c, 0, Rect(10, 20, 110, 40), Look::Flat, State::Disabled, Tones());
    const Cardinal options = DFCS_INACTIVE | DFCS_FLAT;
    EXPECT_EQ(c.Log(),
              (std::vector<std::string>{Frame(Rect(94, 19, 109, 29), DFC_SCROLL, DFCS_SCROLLUP | options),
                                        Frame(Rect(94, 30, 109, 39), DFC_SCROLL, DFCS_SCROLLDOWN | options)}));

    const TColorTones t = Tones();
    c.ClearCalls();
    DrawSpinButtons(c, 0, Rect(10, 20, 110, 40), Look::Custom, State::Pressed, t);
    EXPECT_EQ(c.Log(),
              (std::vector<std::string>{"Rectangle(94,19,109,29)", "Rectangle(94,30,109,39)",
                                        "Polygon(99,24,103,24,101,22)", "Polygon(99,31,103,31,101,33)"}));
    EXPECT_EQ(c.Calls()[0].BrushColor, t.Selected.BrushColor);
    EXPECT_EQ(c.Calls()[1].PenColor, t.Selected.BrushColor);
    EXPECT_EQ(c.Calls()[2].BrushColor, clBlack);
    EXPECT_EQ(c.Calls()[3].PenColor, clBlack);
}

}  // namespace
}  // namespace gw::test
