// TButtonControl and TButton: press tracking, dialog keys, painting in the classic look.
#include "platform/controls/button.h"

#include "platform/controls/accelerator.h"
#include "platform/controls/actions.h"
#include "platform/graphics/frame_controls.h"

namespace gw {

// --- TButtonControl ----------------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    // Clicks come from a complete press (Activate), not from every mouse-up inside.
    ControlStyle &= ~(csClickEvents | csDoubleClicks);
    SetTabStop(true);
}

TButtonControl::~TButtonControl() = default;

void TButtonControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    m_action.Notification(AComponent, Operation);
}

void TButtonControl::Click()
{
    // The action runs unless the control has a handler of its own.
    if (!OnClick && m_action.Execute(this)) return;
    TCustomControl::Click();
}

void TButtonControl::SetPressed(bool Value)
{
    if (m_pressed == Value) return;
    m_pressed = Value;
    Invalidate();
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft && Enabled()) {
        if (!Focused() && CanFocus()) SetFocus();
        m_tracking = true;
        SetPressed(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (m_tracking) SetPressed(PtInRect(ClientRect(), {X, Y}));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButtonControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    bool activate = false;
    if (Button == mbLeft && m_tracking) {
        m_tracking = false;
        activate = m_pressed && PtInRect(ClientRect(), {X, Y});
        SetPressed(false);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (activate) Activate();
}

void TButtonControl::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE && Shift == 0) SetPressed(true);
}

void TButtonControl::KeyUp(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE && m_pressed && !m_tracking) {
        SetPressed(false);
        Activate();
    }
}

void TButtonControl::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_KILLFOCUS:
    case CM_CANCELMODE: EndPress(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

void TButtonControl::CMDialogChar(TMessage& M)
{
    // The accelerator focuses the button and acts as a press.
    if (!IsAccel(TWMKey(M).Key, Caption()) || !CanFocus()) return;
    SetFocus();
    if (Focused()) Activate();
    M.Result = 1;
}

void TButtonControl::EndPress(TMessage& M)
{
    // A press the focus or a cancel interrupted ends without acting.
    m_tracking = false;
    SetPressed(false);
    TCustomControl::Dispatch(M);
    Invalidate();
}

void TButtonControl::DrawCaption(TCanvas& Canvas, TRect R, Cardinal Flags) const
{
    Canvas.Font()->Assign(Font());
    Canvas.Brush()->SetStyle(bsClear);
    if (!Enabled()) {
        TRect shifted = R;
        OffsetRect(shifted, 1, 1);
        Canvas.Font()->SetColor(clBtnHighlight);
        Canvas.DrawText(Caption(), shifted, Flags);
        Canvas.Font()->SetColor(clBtnShadow);
    }
    Canvas.DrawText(Caption(), R, Flags);
}

// --- TButton -------------------------------------------------------------------------------------------

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
}

void TButton::SetDefault(bool Value)
{
    if (m_default == Value) return;
    m_default = Value;
    Invalidate();
}

void TButton::Click()
{
    if (TCustomForm* form = GetParentForm(this)) form->ModalResult = ModalResult;
    TButtonControl::Click();
}

void TButton::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_FOCUSCHANGED: CMFocusChanged(M); return;
    default: TButtonControl::Dispatch(M); return;
    }
}

void TButton::CMFocusChanged(TMessage& M)
{
    Invalidate();  // the default frame follows the focus
    TButtonControl::Dispatch(M);
}

void TButton::CMDialogKey(TMessage& M)
{
    // Enter for the focused button, or for the default one unless another push button has the
    // focus; Escape for the cancel button.
    const Word key = TWMKey(M).Key;
    TCustomForm* form = GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    const bool enter = key == VK_RETURN && (Focused() || (m_default && !(active && active->IsPushButton())));
    const bool escape = key == VK_ESCAPE && Cancel;
    if ((enter || escape) && KeyboardStateToShiftState() == 0 && CanFocus()) {
        Click();
        M.Result = 1;
    }
}

void TButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    TCustomForm* form = GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    bool framed = Focused() || (m_default && !(active && active->IsPushButton()));
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(r);
    if (framed) {
        c.Brush()->SetColor(clWindowFrame);
        c.FrameRect(r);
        InflateRect(r, -1, -1);
    }
    Cardinal state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (Pressed()) state |= DFCS_PUSHED;
    if (!Enabled()) state |= DFCS_INACTIVE;
    TRect face = r;
    DrawFrameControl(c, face, DFC_BUTTON, state);
    TRect text = r;
    if (Pressed()) OffsetRect(text, 1, 1);
    DrawCaption(c, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        TRect focus = r;
        InflateRect(focus, -3, -3);
        c.Brush()->SetStyle(bsSolid);
        c.DrawFocusRect(focus);
    }
}

}  // namespace gw
