// Check boxes and radio buttons: state changes, grouping, keys and the classic drawing.
#include "platform/controls/check_box.h"

#include "platform/graphics/frame_controls.h"

namespace gw {

namespace {
constexpr Integer BoxSize = 13;
constexpr Integer BoxGap = 4;

// Box at one side, vertically centred; the caption takes the rest.
void LayoutBox(const TRect& Client, TAlignment Alignment, TRect& Box, TRect& Text)
{
    Integer top = (Client.Height() - BoxSize) / 2;
    if (Alignment == taLeftJustify) {
        Box = Bounds(Client.Right - BoxSize, top, BoxSize, BoxSize);
        Text = Rect(Client.Left, Client.Top, Box.Left - BoxGap, Client.Bottom);
    } else {
        Box = Bounds(Client.Left, top, BoxSize, BoxSize);
        Text = Rect(Box.Right + BoxGap, Client.Top, Client.Right, Client.Bottom);
    }
}

void PaintBoxAndCaption(TCanvas& C, TButtonControl& Control, const TRect& Box, const TRect& Text, Cardinal State,
                        bool Focused, const std::function<void(TRect, Cardinal)>& DrawCaption)
{
    C.Brush()->SetColor(Control.Color());
    C.Brush()->SetStyle(bsSolid);
    C.FillRect(Control.ClientRect());
    TRect box = Box;
    DrawFrameControl(C, box, DFC_BUTTON, State);
    DrawCaption(Text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (Focused && !Control.Caption().empty()) {
        TRect need = Text;
        C.Font()->Assign(Control.Font());
        C.DrawText(Control.Caption(), need, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
        Integer h = need.Height();
        TRect focus = Rect(Text.Left - 1, (Text.Height() - h) / 2 - 1, Text.Left + need.Width() + 1,
                           (Text.Height() - h) / 2 + h + 1);
        C.Brush()->SetStyle(bsSolid);
        C.DrawFocusRect(focus);
    }
}
}  // namespace

// --- TCustomCheckBox -------------------------------------------------------------------------------

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 97, 17); }

void TCustomCheckBox::SetState(TCheckBoxState Value)
{
    if (m_state == Value) return;
    m_state = Value;
    Invalidate();
    if (!ClicksDisabled) Click();
}

void TCustomCheckBox::SetAlignment(TAlignment Value)
{
    if (m_alignment == Value) return;
    m_alignment = Value;
    Invalidate();
}

void TCustomCheckBox::Toggle()
{
    switch (m_state) {
    case cbUnchecked: SetState(AllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TCustomCheckBox::Layout(TRect& Box, TRect& Text) const { LayoutBox(ClientRect(), m_alignment, Box, Text); }

Cardinal TCustomCheckBox::FrameState() const
{
    Cardinal s = DFCS_BUTTONCHECK;
    if (m_state == cbChecked) s |= DFCS_CHECKED;
    if (m_state == cbGrayed) s = DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (Pressed()) s |= DFCS_PUSHED;
    if (!Enabled()) s |= DFCS_INACTIVE;
    return s;
}

void TCustomCheckBox::Paint()
{
    TRect box, text;
    Layout(box, text);
    PaintBoxAndCaption(*Canvas(), *this, box, text, FrameState(), Focused(),
                       [this](TRect R, Cardinal F) { DrawCaption(*Canvas(), R, F); });
}

// --- TRadioButton ----------------------------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 113, 17);
    SetTabStop(false);
}

void TRadioButton::SetChecked(bool Value)
{
    if (m_checked == Value) return;
    m_checked = Value;
    SetTabStop(Value);
    Invalidate();
    if (Value) {
        TurnSiblingsOff();
        if (!ClicksDisabled) Click();
    }
}

void TRadioButton::SetAlignment(TAlignment Value)
{
    if (m_alignment == Value) return;
    m_alignment = Value;
    Invalidate();
}

void TRadioButton::TurnSiblingsOff()
{
    if (!Parent()) return;
    for (Integer i = 0; i < Parent()->ControlCount(); ++i) {
        auto* r = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
        if (r && r != this) r->SetChecked(false);
    }
}

void TRadioButton::Paint()
{
    TRect box, text;
    LayoutBox(ClientRect(), m_alignment, box, text);
    Cardinal s = DFCS_BUTTONRADIO;
    if (m_checked) s |= DFCS_CHECKED;
    if (Pressed()) s |= DFCS_PUSHED;
    if (!Enabled()) s |= DFCS_INACTIVE;
    PaintBoxAndCaption(*Canvas(), *this, box, text, s, Focused(),
                       [this](TRect R, Cardinal F) { DrawCaption(*Canvas(), R, F); });
}

void TRadioButton::KeyDown(Word& Key, TShiftState Shift)
{
    TButtonControl::KeyDown(Key, Shift);
    if (!Parent() || (Key != VK_LEFT && Key != VK_RIGHT && Key != VK_UP && Key != VK_DOWN)) return;
    bool forward = Key == VK_RIGHT || Key == VK_DOWN;
    Key = 0;
    // The next radio button of the group that can take the focus, round the end.
    std::vector<TRadioButton*> group;
    for (Integer i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* r = dynamic_cast<TRadioButton*>(Parent()->Controls(i))) group.push_back(r);
    auto it = std::find(group.begin(), group.end(), this);
    if (it == group.end()) return;
    std::size_t at = std::size_t(it - group.begin());
    for (std::size_t step = 1; step < group.size(); ++step) {
        std::size_t k = forward ? (at + step) % group.size() : (at + group.size() - step) % group.size();
        TRadioButton* next = group[k];
        if (!next->CanFocus()) continue;
        next->SetFocus();
        next->SetChecked(true);
        return;
    }
}

}  // namespace gw
