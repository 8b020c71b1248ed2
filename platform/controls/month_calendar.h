// TMonthCalendar: one month of days to choose a date from, alone or dropped from a picker.
#pragma once

#include "platform/controls/edit_messages.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/win_control.h"

namespace gw {

// Raised for dates outside a control's range.
class EDateTimeError : public Exception {
public:
    using Exception::Exception;
};

// What DTN_DATETIMECHANGE and the calendar notifications carry (lParam points to it).
struct TNMDateTimeChange {
    NMHDR hdr;
    Cardinal dwFlags = 0;  // GDT_VALID, or GDT_NONE when the picker's box is unchecked
    TDateTime st = 0;
};
constexpr Cardinal GDT_VALID = 0;
constexpr Cardinal GDT_NONE = 1;

// The calendar: a header with the month and arrows to the months around it, the day names and
// six weeks of days (Sunday first); with WeekNumbers a column of ISO 8601 week numbers before
// them (each row numbered by its Monday), with ShowToday a line "Today: <date>" below them and
// with ShowTodayCircle today's day circled (and the today line marked). Clicking a day or the
// today line, or moving with the keys, selects the day and notifies MCN_SELCHANGE (OnChange);
// a click also notifies MCN_SELECT (OnClick). Each option changes the preferred size.
class TMonthCalendar : public TWinControl {
public:
    explicit TMonthCalendar(TComponent* AOwner);
    String ClassName() const override { return u"TMonthCalendar"; }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    TDateTime Date() const { return m_date; }
    // Raises EDateTimeError outside [MinDate, MaxDate]; shows the month of the date.
    void SetDate(TDateTime Value);
    TDateTime MinDate() const { return m_minDate; }
    void SetMinDate(TDateTime Value);
    TDateTime MaxDate() const { return m_maxDate; }
    void SetMaxDate(TDateTime Value);
    // The month shown.
    Word ViewYear() const { return m_viewYear; }
    Word ViewMonth() const { return m_viewMonth; }
    void ShowMonth(Word Year, Word Month);
    bool WeekNumbers() const { return m_weekNumbers; }
    void SetWeekNumbers(bool Value);
    bool ShowToday() const { return m_showToday; }
    void SetShowToday(bool Value);
    bool ShowTodayCircle() const { return m_showTodayCircle; }
    void SetShowTodayCircle(bool Value);
    // The day the calendar calls today: the system's date until one is set (0 gives it back).
    TDateTime Today() const;
    void SetToday(TDateTime Value);

    // Layout for tests and the picker.
    TRect DayRect(TDateTime Day) const;
    TRect PrevArrowRect() const;
    TRect NextArrowRect() const;
    // The week number of a row (0..5) and the cell it is drawn in (empty without WeekNumbers).
    Word RowWeekNumber(Integer Row) const;
    TRect WeekNumberRect(Integer Row) const;
    // The today line (empty without ShowToday) and its text.
    TRect TodayRect() const;
    String TodayText() const;
    // The day under a client point; false for the header and the day names.
    bool DateAtPos(TPoint P, TDateTime& Day) const;
    // The size that shows the whole month and what the options add, in the current font.
    TSize PreferredSize() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    // Called instead of the WM_NOTIFY to a parent when the calendar has none (the pop-up of a
    // picker): the code (MCN_SELCHANGE or MCN_SELECT).
    std::function<void(UINT Code)> OnNotify;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    bool RepaintsOnFocusChange() const override { return true; }
    void PaintWindow(TCanvas& Canvas) override;

private:
    TDateTime FirstShown() const;
    Integer CellWidth() const;
    Integer CellHeight() const;
    Integer HeaderHeight() const;
    // Where the day columns start: after the week numbers when they show.
    Integer DaysLeft() const;
    Integer DaysBottom() const;
    // Where the today line's text starts, after the mark when there is one.
    Integer TodayTextLeft() const;
    void OptionChanged();
    void PaintWeekNumbers(TCanvas& Canvas);
    void PaintToday(TCanvas& Canvas);
    void UserSelect(TDateTime Day, bool Click);
    void Notify(UINT Code);
    void CNNotify(TMessage& M);
    // A press on an arrow or a day; the keys that move the selected day.
    void NativeMouseDown(TMessage& M);
    void NativeKeyDown(TMessage& M);

    TDateTime m_date = 0;
    TDateTime m_minDate = -693593.0;
    TDateTime m_maxDate = 2958465.0;
    Word m_viewYear = 1899;
    Word m_viewMonth = 12;
    bool m_weekNumbers = false;
    bool m_showToday = true;
    bool m_showTodayCircle = true;
    TDateTime m_today = 0;  // 0: the system's date
};

}  // namespace gw
