// TDateTimePicker: a date or time edited field by field, with an optional check box and a
// calendar that drops down.
#pragma once

#include "platform/controls/date_time_fields.h"
#include "platform/controls/month_calendar.h"

#include <memory>

namespace gw {

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };
enum TDTDateMode { dmComboBox, dmUpDown };

class TDateTimePicker;

// The calendar that drops down from a picker: a top-most pop-up that never takes the focus.
class TDropCalendar : public TMonthCalendar {
public:
    explicit TDropCalendar(TComponent* AOwner);
    String ClassName() const override { return u"TDropCalendar"; }

protected:
    void CreateParams(TCreateParams& Params) override;
};

// One field of the value is current (highlighted while focused). Left and Right move between
// fields, Up and Down step the field, Home and End give its extremes, digits type into it and
// move on when it is full, a separator moves on. Each change of the value notifies
// DTN_DATETIMECHANGE (OnChange). With ShowCheckbox, Space or a click on the box toggles Checked
// (the value shows grey while unchecked and the change notification says GDT_NONE). In the
// date kind with dmComboBox a button, F4 or Alt+Down drops the calendar (DTN_DROPDOWN); a click
// on a day takes it and closes (DTN_DATETIMECHANGE then DTN_CLOSEUP); Escape or a click
// outside closes without change.
class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;
    String ClassName() const override { return u"TDateTimePicker"; }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    TDateTime DateTime() const { return m_value; }
    // Raises EDateTimeError outside [MinDate, MaxDate] (compared by day for the date kind).
    void SetDateTime(TDateTime Value);
    TDateTime Date() const;
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    TDateTime MinDate() const { return m_minDate; }
    void SetMinDate(TDateTime Value);
    TDateTime MaxDate() const { return m_maxDate; }
    void SetMaxDate(TDateTime Value);
    TDateTimeKind Kind() const { return m_kind; }
    void SetKind(TDateTimeKind Value);
    TDTDateFormat DateFormat() const { return m_dateFormat; }
    void SetDateFormat(TDTDateFormat Value);
    TDTDateMode DateMode() const { return m_dateMode; }
    void SetDateMode(TDTDateMode Value);
    // A picture of its own; empty means the regional short or long date, or the long time.
    const String& Format() const { return m_format; }
    void SetFormat(const String& Value);
    bool Checked() const { return m_checked; }
    void SetChecked(bool Value);
    bool ShowCheckbox() const { return m_showCheckbox; }
    void SetShowCheckbox(bool Value);
    bool DroppedDown() const { return m_dropped; }

    // The text shown and the current field (index into the spans of the shown text).
    String DisplayText() const;
    Integer CurrentField() const { return m_field; }
    const TDateTimeFields& Fields() const { return *m_fields; }
    TMonthCalendar* Calendar() const { return m_calendar; }
    TRect ButtonRect() const;
    TRect CheckboxRect() const;
    TRect FieldRect(Integer Span) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    LRESULT DialogCode() const override
    {
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (m_dropped ? LRESULT(DLGC_WANTALLKEYS) : LRESULT(0));
    }
    bool RepaintsOnFocusChange() const override { return true; }
    void PaintWindow(TCanvas& Canvas) override;
    virtual void Change();
    void NotifyParent(UINT Code);
    void OpenCalendar();
    void CloseCalendar();

private:
    void RebuildFields();
    void UserChange(TDateTime Value);
    void MoveField(Integer Delta);
    bool HasButton() const { return m_kind == dtkDate && m_dateMode == dmComboBox; }
    bool HasUpDown() const { return !HasButton(); }
    Integer TextLeft() const;
    TDateTime Clamp(TDateTime Value) const;
    void CalendarNotify(UINT Code);
    // Steps the current field (while checked).
    void StepField(Integer Delta);
    void ToggleChecked();
    void TypeDigit(Char Digit);
    void SelectFieldAt(TPoint Client);

    // Input: reflected notifications, focus, wheel, keys and mouse.
    void CNNotify(TMessage& M);
    void NativeWheel(TMessage& M);
    void NativeKillFocus(TMessage& M);
    void NativeCaptureChanged(TMessage& M);
    void NativeKeyDown(TMessage& M);
    void KeyInCalendar(TMessage& M);
    // Keys on the fields; false for a key they do not take.
    bool KeyInField(Word Key);
    void NativeChar(TMessage& M);
    void NativeMouseDown(TMessage& M);
    void MouseDownDropped(TPoint Client);

    std::unique_ptr<TDateTimeFields> m_fields;
    TDropCalendar* m_calendar = nullptr;  // owned (component owner)
    TDateTime m_value = 0;
    TDateTime m_minDate = -693593.0;
    TDateTime m_maxDate = 2958465.0;
    TDateTimeKind m_kind = dtkDate;
    TDTDateFormat m_dateFormat = dfShort;
    TDTDateMode m_dateMode = dmComboBox;
    String m_format;
    bool m_checked = true;
    bool m_showCheckbox = false;
    bool m_dropped = false;
    Integer m_field = -1;
    String m_pending;
};

}  // namespace gw
