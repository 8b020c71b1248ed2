// TEsgSpinEdit: a masked edit with an arrow pair inside its right edge, editing an integer, a
// decimal number, a date or a time; arrows, keys and wheel step it, typing is filtered by kind
// and the value is held to its limits. The grid's spin cell editors derive from it.
#pragma once

#include "grid/foundation/spin_button.h"
#include "platform/controls/mask_edit.h"

namespace gw {

enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

// Differences from the platform's edit it builds on: the edit keeps its formatting rectangle on
// one line, so no multi-line style is asked for; the platform's windows have no frame outside
// the client area, so the places inside the border are moved in by the border's width; Ctrl+V
// and Ctrl+X come as characters here and are turned into the paste and cut messages, so that
// one filter sees them.
class TEsgSpinEdit : public TCustomMaskEdit {
public:
    explicit TEsgSpinEdit(TComponent* AOwner);
    ~TEsgSpinEdit() override;
    String ClassName() const override { return u"TEsgSpinEdit"; }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    // One step of the kind; the part under the caret for dates and times. A read-only edit beeps.
    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);
    // Whether a typed character is taken, for the kind and the text around the caret.
    virtual bool IsValidChar(Char Key);
    // The arrows' clicks: one step.
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);

    TEsgSpinType SpinType() const { return m_spinType; }
    // Rewrites the text through the kind's value, so that it is normalised and limited.
    void SetSpinType(TEsgSpinType Value);
    // The trimmed text as an integer ("$" hexadecimal too); empty 0, unreadable MinValue.
    Integer Value() const;
    void SetValue(Integer Value);
    // The text as a decimal number; unreadable gives MinValue (the integer lower limit).
    double FloatValue() const;
    void SetFloatValue(double Value);
    // The text as a short date; "0" or empty gives now, unreadable MinDateValue.
    TDateTime DateValue() const;
    void SetDateValue(TDateTime Value);
    // The text as a time; unreadable gives 0.
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime Value);
    Integer Precision() const { return m_precision; }
    void SetPrecision(Integer Value);
    TSpinDirection Direction() const { return m_button->Direction(); }
    void SetDirection(TSpinDirection Value);
    TEditAlign EditAlign() const { return m_editAlign; }
    void SetEditAlign(TEditAlign Value);
    bool SpinFlat() const { return m_spinFlat; }
    void SetSpinFlat(bool Value);
    bool SpinTransparent() const { return m_spinTransparent; }
    void SetSpinTransparent(bool Value);
    void SetIsWinXP(bool Value);

    // Equal limits mean no limit.
    Integer MinValue = 0;
    Integer MaxValue = 100;
    double MinFloatValue = 0.0;
    double MaxFloatValue = 100.0;
    // Limits of the date and of the time kind.
    TDateTime MinDateValue = 0;
    TDateTime MaxDateValue = 0;
    Integer Increment = 1;
    double IncrementFloat = 0.1;
    double IncrementFloatPage = 1.0;
    // Each below 24, 60 and 60: larger steps are refused by the time encoding.
    Integer IncrementHours = 1;
    Integer IncrementMinutes = 1;
    Integer IncrementSeconds = 1;
    // Time text with seconds (the long time form), otherwise "h:nn".
    bool ShowSeconds = true;
    bool EditorEnabled = true;
    bool ReturnIsTab = false;
    // The numeric keypad's decimal key types the locale's decimal separator.
    bool ExcelStyleDecimalSeparator = false;
    // Read by the grid's spin editor when it takes the value.
    bool AllowEmptyValue = false;

    Integer LimitValue(Integer Value) const;
    double LimitFloatValue(double Value) const;
    TDateTime LimitDateValue(TDateTime Value) const;
    TEsgSpinButton* Button() const { return m_button; }
    // The smallest height that shows the text: font height, a quarter of it and the border.
    Integer GetMinHeight() const;

protected:
    void Loaded() override;
    void CreateWnd() override;
    Cardinal EditStyle() const override;
    void Resize() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(Char& Key) override;
    void DoEnter() override;
    void DoExit() override;

private:
    // The border's width: where the Parts' places inside the border begin.
    Integer Inset() const { return BorderStyle() == bsSingle ? 2 : 0; }
    void SetEditRect();
    void PlaceButton();
    // Width changed by one pixel and back: the arrows and the text rectangle laid out anew.
    void Relayout();
    void StepDate(Integer Direction);
    void StepTime(Integer Direction);
    String TimeText(TDateTime Value) const;
    // Keeps the caret where it was while the text is rewritten.
    void SetTextKeepCaret(const String& Value);
    // Page and arrow keys step the value; other keys go on to the edit.
    void WMKeyDown(TMessage& Message);
    void WMChar(TMessage& Message);
    // Cut and paste only where the text may be edited.
    void WMCutPaste(TMessage& Message);
    // The edit's own behaviour (after the character filter): Ctrl+V / Ctrl+X as messages.
    void NativeChar(TMessage& Message);
    void NativeWheel(TMessage& Message);
    bool Reading() const { return (ComponentState() & csLoading) != 0; }

    TEsgSpinButton* m_button = nullptr;  // owned (component owner)
    TEsgSpinType m_spinType = sptNormal;
    TDateTime m_dateValue = 0;
    TDateTime m_timeValue = 0;
    Integer m_precision = 0;
    TEditAlign m_editAlign = eaLeft;
    bool m_spinFlat = false;
    bool m_spinTransparent = false;
    bool m_isWinXP = false;
};

}  // namespace gw
