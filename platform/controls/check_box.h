// TCheckBox and TRadioButton: the standard two- and three-state boxes and exclusive choices.
#pragma once

#include "platform/controls/button.h"
#include "platform/ui/alignment.h"

namespace gw {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
public:
    explicit TCustomCheckBox(TComponent* AOwner);
    String ClassName() const override { return u"TCustomCheckBox"; }

    TCheckBoxState State() const { return m_state; }
    // A change clicks (OnClick), also when made by the program.
    void SetState(TCheckBoxState Value);
    bool Checked() const { return m_state == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    // A click cycles through the grey state too.
    bool AllowGrayed = false;
    // taRightJustify: caption right of the box (the usual); taLeftJustify: left of it.
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

protected:
    // Unchecked, checked (grey in between when allowed).
    virtual void Toggle();
    void Activate() override { Toggle(); }
    void Paint() override;
    LRESULT DialogCode() const override { return DLGC_BUTTON; }
    // The box and the caption rectangles.
    void Layout(TRect& Box, TRect& Text) const;
    virtual Cardinal FrameState() const;

private:
    TCheckBoxState m_state = cbUnchecked;
    TAlignment m_alignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
public:
    explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
    String ClassName() const override { return u"TCheckBox"; }
};

// Checking a radio button unchecks the radio buttons beside it (same parent). Only the
// checked one is a tab stop; arrow keys move the choice among the group.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* AOwner);
    String ClassName() const override { return u"TRadioButton"; }

    bool Checked() const { return m_checked; }
    // Checking clicks (OnClick), also when made by the program; unchecking does not.
    void SetChecked(bool Value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

protected:
    void Activate() override { SetChecked(true); }
    void Paint() override;
    LRESULT DialogCode() const override { return DLGC_BUTTON | DLGC_RADIOBUTTON | DLGC_WANTARROWS; }
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    void TurnSiblingsOff();
    bool m_checked = false;
    TAlignment m_alignment = taRightJustify;
};

}  // namespace gw
