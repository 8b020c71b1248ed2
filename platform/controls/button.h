// TButtonControl and TButton: push buttons with default and cancel keys and a modal result.
#pragma once

#include "platform/controls/actions.h"
#include "platform/ui/forms.h"

namespace gw {

// What buttons, check boxes and radio buttons share: the pressed look while the mouse or the
// space bar holds them, activation on release inside, the accelerator of the caption.
class TButtonControl : public TCustomControl {
public:
    explicit TButtonControl(TComponent* AOwner);
    ~TButtonControl() override;
    String ClassName() const override { return u"TButtonControl"; }

    // The mouse or the space bar holds the button down.
    bool Pressed() const { return m_pressed; }
    // Connects an action: caption, enabled, visible, hint and the click follow it.
    TBasicAction* Action() const { return m_action.Action(); }
    void SetAction(TBasicAction* Value) { m_action.SetAction(Value); }
    void Click() override;

protected:
    bool RepaintsOnFocusChange() const override { return true; }
    // What a complete press does (a click, a toggle).
    virtual void Activate() = 0;
    void Dispatch(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void SetPressed(bool Value);
    // Draws the caption in R (accelerator underlined), greyed when disabled.
    void DrawCaption(TCanvas& Canvas, TRect R, Cardinal Flags) const;
    // Programmatic state changes of check and radio boxes click unless this is set.
    bool ClicksDisabled = false;

private:
    void EndPress(TMessage& M);

    bool m_pressed = false;
    bool m_tracking = false;
    TControlAction m_action{this};
};

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* AOwner);
    String ClassName() const override { return u"TButton"; }

    // Enter clicks the default button unless another button has the focus.
    bool Default() const { return m_default; }
    void SetDefault(bool Value);
    // Escape clicks the cancel button.
    bool Cancel = false;
    // Clicking sets the form's ModalResult to this.
    TModalResult ModalResult = mrNone;

    void Click() override;
    bool IsPushButton() const override { return true; }

protected:
    LRESULT DialogCode() const override
    {
        return DLGC_BUTTON | (m_default ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    void Activate() override { Click(); }
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;

private:
    void CMFocusChanged(TMessage& M);

    bool m_default = false;
};

}  // namespace gw
