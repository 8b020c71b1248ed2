// The grid library's date-time pickers: TEsgDateTimePicker (flat metro frame and button, the base
// of the grid's date editor), TCustomDateTimePicker (the same plus AutoTab) and TExtDateTimePicker
// (date, time or both, the time in an inner picker, with a caption label; the base of the grid's
// date-and-time editor).
#pragma once

#include "grid/foundation/control_label.h"
#include "grid/foundation/esg_combo.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/edit.h"
#include "platform/ui/timer.h"

namespace gw {

// The registered message a picker posts to itself after a typed digit ("DTPShiftFocus").
UINT DTPShiftFocusMessage();
// "a.b.c.d" from the four bytes of a version number, the highest first.
String VersionText(Integer VersionNr);

namespace detail {

// What the pickers share: the flat border, the metro frame and button, the custom button colours,
// the focus and hover state. The platform paints the picker itself (its own button and edge); the
// parts drawn here come after, as the frame of a window does.
class TMetroDateTimePicker : public TDateTimePicker {
public:
    explicit TMetroDateTimePicker(TComponent* AOwner);
    String ClassName() const override { return u"TMetroDateTimePicker"; }

    void Dispatch(TMessage& Message) override;

    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    bool MetroStyle() const { return m_metroStyle; }
    void SetMetroStyle(bool Value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    virtual void SetBorderStyle(TBorderStyle Value);
    // The 3-D look: off draws the flat border.
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool Value);

    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;

    bool MouseInControl() const { return m_mouseInControl; }
    bool ButtonHover() const { return m_buttonHover; }
    bool HasFocus() const { return m_hasFocus; }

protected:
    // Whether the own button, fill and frame are drawn.
    virtual bool Metro() const = 0;
    // The differences of the two kinds of picker.
    struct TLook {
        Integer MetroFillInset;  // the fill around the button starts this far left of it
        bool FlatOutline;  // a flat outline drawn with the client
        bool FlatBorderNeedsColour;  // the flat border only with a BorderColor
        bool IgnoreMouseWhileDesigning;
    };
    virtual TLook Look() const = 0;
    void PaintWindow(TCanvas& Canvas) override;

    TColor m_borderColor = clNone;
    TBorderStyle m_borderStyle = bsNone;
    bool m_ctl3D = false;
    TColor m_focusBorderColor = clNone;
    bool m_disabledBorder = false;
    bool m_focusBorder = false;

private:
    bool Designing() const { return (ComponentState() & csDesigning) != 0; }
    bool Hot() const;
    void PaintClientParts(TCanvas& Canvas);
    void PaintButton(TCanvas& Canvas);
    void PaintFlatBorder(TCanvas& Canvas);
    void PaintFrame(TCanvas& Canvas);
    void PaintButtonSurround(TCanvas& Canvas);
    void MouseEnterLeave(bool Enter);
    void FocusEnterExit(bool Enter);
    // The drop-down button lights while the mouse is over it (X in client coordinates).
    void TrackButtonHover(Integer X);

    Integer m_buttonWidth;
    bool m_buttonHover = false;
    bool m_mouseInControl = false;
    bool m_isXP;
    bool m_isThemed;
    bool m_metroStyle = false;
    bool m_hasFocus = false;
};

}  // namespace detail

class TEsgDateTimePicker : public detail::TMetroDateTimePicker {
public:
    explicit TEsgDateTimePicker(TComponent* AOwner);
    String ClassName() const override { return u"TEsgDateTimePicker"; }
    void SetBorderStyle(TBorderStyle Value) override;
    virtual Integer GetVersionNr() const { return 0x01000000; }
    String Version() const { return VersionText(GetVersionNr()); }
    void SetVersion(const String&) {}

protected:
    bool Metro() const override { return MetroStyle() && !(ComponentState() & csDesigning); }
    TLook Look() const override { return {15, false, true, true}; }
};

// With AutoTab, a typed digit that changes a part of the value moves on to the next part.
class TCustomDateTimePicker : public detail::TMetroDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* AOwner);
    String ClassName() const override { return u"TCustomDateTimePicker"; }

    void Dispatch(TMessage& Message) override;
    bool AutoTab() const { return m_autoTab; }
    virtual void SetAutoTab(bool Value) { m_autoTab = Value; }
    void SetBorderStyle(TBorderStyle Value) override;

protected:
    // Runs on the message posted after a digit: moves on when the digit changed the value.
    virtual void ShiftFocus();
    // True: the inner time picker of TExtDateTimePicker is never metro.
    virtual bool NoBorderPaint() const { return true; }
    bool Metro() const override { return MetroStyle() && !NoBorderPaint(); }
    TLook Look() const override { return {4, true, false, false}; }
    // A right-arrow key-down to the window, unless the platform moved on by itself already.
    void PostNextField();
    // The picker notes its value when a digit is typed (before it is handled).
    virtual void NoteValue();

private:
    void DigitTyped(TMessage& Message);
    void WMChar(TMessage& Message);

    bool m_autoTab = false;
    Word m_hour = 0, m_minute = 0, m_second = 0, m_msec = 0;
    Integer m_field = -1;
};

enum TExtDateTimeKind { dkDate, dkTime, dkDateTime };

class TExtDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TExtDateTimePicker(TComponent* AOwner);
    ~TExtDateTimePicker() override;
    String ClassName() const override { return u"TExtDateTimePicker"; }

    void Dispatch(TMessage& Message) override;
    void SetParent(TWinControl* AParent) override;
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    void SetEnabled(bool Value) override;
    void SetAutoTab(bool Value) override;
    void SetBorderStyle(TBorderStyle Value) override;
    virtual Integer GetVersionNr() const { return 0x01020000; }
    String Version() const { return VersionText(GetVersionNr()); }
    void SetVersion(const String&) {}

    TExtDateTimeKind Kind() const { return m_kind; }
    void SetKind(TExtDateTimeKind Value);
    // The date and the inner picker's time of day as one value (read copies the time in first).
    TDateTime DateTime();
    // Whole days and the hour, minute and second of Value (milliseconds dropped), to both pickers.
    virtual void SetDateTime(TDateTime Value);
    // The stored value, the inner picker's time not copied in.
    TDateTime Date() const { return TDateTimePicker::DateTime(); }
    // Keeps the current time of day.
    void SetDate(TDateTime Value);
    // The inner picker's value for dkDateTime, the control's own otherwise.
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    const String& TimeFormat() const { return m_timeFormat; }
    void SetTimeFormat(const String& Value);
    // The box unchecked disables the inner time picker.
    void SetChecked(bool Value);

    TLabel* PickerLabel() const { return m_label.Label(); }
    String LabelCaption() const { return m_label.Caption(); }
    void SetLabelCaption(const String& Value);
    TLabelPosition LabelPosition() const { return m_label.Position; }
    void SetLabelPosition(TLabelPosition Value);
    Integer LabelMargin() const { return m_label.Margin; }
    void SetLabelMargin(Integer Value);
    bool LabelTransparent() const { return m_label.Transparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return m_label.AlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    TFont* LabelFont() const { return m_label.Font(); }
    void SetLabelFont(TFont* Value) { LabelFont()->Assign(Value); }
    bool FocusLabel = false;

    // The inner time picker, nullptr unless the kind is dkDateTime.
    TCustomDateTimePicker* TimePicker() const { return m_timePicker; }
    TTimer* FocusTimer() const { return m_focusTimer; }

    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    void Loaded() override;
    void CreateWnd() override;
    void Resize() override;
    void PaintWindow(TCanvas& Canvas) override;
    void ShiftFocus() override;
    bool NoBorderPaint() const override { return false; }
    void NoteValue() override;
    virtual void DoChange();
    virtual void DoClick();
    // Receives the inner picker's key presses; does nothing here.
    virtual void TimePickerKeyPress(Char& Key);

private:
    void ApplyKind();
    void CreateTimePicker();
    void SyncTimePicker();
    void PlaceTimePicker();
    void PlaceLabel();
    void DateChangeNotified(TMessage& Message);
    void CNNotify(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void WMFocusChanged(TMessage& Message, bool Focused);
    void CMFontChanged(TMessage& Message, bool FromParent);
    void FocusTimePicker();

    TExtDateTimeKind m_kind = dkDateTime;
    TTimer* m_focusTimer = nullptr;  // owned (component owner)
    String m_timeFormat;
    Word m_year = 0, m_month = 0, m_day = 0;
    TDateTime m_knownDate = 0;
    TControlLabel m_label;
    bool m_parentFontAtLoad = false;
    bool m_ignoreTimePickerCheck = false;
    bool m_firstRun = true;
    TCustomDateTimePicker* m_timePicker = nullptr;  // owned (component owner)
};

}  // namespace gw
