// TMonthCalendar: one month of days to choose a date from, alone or dropped from a picker.
#include "platform/controls/month_calendar.h"

#include "platform/controls/date_time_fields.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_controls.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/format_settings.h"
#include "platform/ui/window_system.h"

#include <algorithm>
#include <cmath>

namespace gw {

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    ControlStyle = csSetCaption | csDoubleClicks | csOpaque;
    const TSize s = PreferredSize();
    SetBounds(0, 0, s.cx, s.cy);
    SetDate(std::floor(gw::Date()));
}

Integer TMonthCalendar::CellWidth() const
{
    TCanvas c;
    c.SetFont(Font());
    return c.TextWidth(u"Wed") + 8;
}

Integer TMonthCalendar::CellHeight() const
{
    TCanvas c;
    c.SetFont(Font());
    return c.TextHeight(u"Wg") + 3;
}

Integer TMonthCalendar::HeaderHeight() const { return CellHeight() + 6; }

Integer TMonthCalendar::DaysLeft() const { return 3 + (m_weekNumbers ? CellWidth() : 0); }

Integer TMonthCalendar::DaysBottom() const { return 3 + HeaderHeight() + 7 * CellHeight(); }

String TMonthCalendar::TodayText() const { return u"Today: " + DateToStr(Today()); }

Integer TMonthCalendar::TodayTextLeft() const { return m_showTodayCircle ? CellWidth() * 2 / 3 + 12 : 4; }

TSize TMonthCalendar::PreferredSize() const
{
    Integer width = DaysLeft() + 7 * CellWidth() + 3;
    Integer height = DaysBottom() + 3;
    if (m_showToday) {
        TCanvas c;
        c.SetFont(Font());
        c.Font()->SetStyle(Font()->Style() | fsBold);
        width = std::max(width, 3 + TodayTextLeft() + c.TextWidth(TodayText()) + 4 + 3);
        height += CellHeight() + 4;
    }
    return {width, height};
}

TDateTime TMonthCalendar::Today() const { return std::floor(m_today != 0 ? m_today : gw::Date()); }

void TMonthCalendar::SetToday(TDateTime Value)
{
    m_today = Value;
    Invalidate();
}

// A calendar at its preferred size keeps to it when an option changes what it shows; one given
// another size keeps that.
template <class F>
void ChangeKeepingFit(TMonthCalendar& C, F Change)
{
    const TSize before = C.PreferredSize();
    const bool fits = C.Width() == before.cx && C.Height() == before.cy;
    Change();
    const TSize after = C.PreferredSize();
    if (fits) C.SetBounds(C.Left(), C.Top(), after.cx, after.cy);
    C.Invalidate();
}

void TMonthCalendar::SetWeekNumbers(bool Value)
{
    if (Value != m_weekNumbers) ChangeKeepingFit(*this, [&] { m_weekNumbers = Value; });
}

void TMonthCalendar::SetShowToday(bool Value)
{
    if (Value != m_showToday) ChangeKeepingFit(*this, [&] { m_showToday = Value; });
}

void TMonthCalendar::SetShowTodayCircle(bool Value)
{
    if (Value == m_showTodayCircle) return;
    m_showTodayCircle = Value;
    Invalidate();
}

void TMonthCalendar::ShowMonth(Word Year, Word Month)
{
    m_viewYear = std::clamp<Word>(Year, 1, 9999);
    m_viewMonth = std::clamp<Word>(Month, 1, 12);
    Invalidate();
}

void TMonthCalendar::SetDate(TDateTime Value)
{
    Value = DateOf(Value);
    if (Value < std::floor(m_minDate)) throw EDateTimeError(u"Date is less than minimum of " + DateToStr(m_minDate));
    if (Value > std::floor(m_maxDate)) throw EDateTimeError(u"Date exceeds maximum of " + DateToStr(m_maxDate));
    m_date = Value;
    Word y, m, d;
    DecodeDate(Value, y, m, d);
    ShowMonth(y, m);
}

void TMonthCalendar::SetMinDate(TDateTime Value)
{
    m_minDate = Value;
    if (m_date < std::floor(Value)) SetDate(Value);
}

void TMonthCalendar::SetMaxDate(TDateTime Value)
{
    m_maxDate = Value;
    if (m_date > std::floor(Value)) SetDate(Value);
}

TDateTime TMonthCalendar::FirstShown() const
{
    const TDateTime first = EncodeDate(m_viewYear, m_viewMonth, 1);
    return first - (DayOfWeek(first) - 1);  // back to the Sunday before (or on) the first
}

TRect TMonthCalendar::DayRect(TDateTime Day) const
{
    const Integer index = Integer(std::floor(Day) - FirstShown());
    if (index < 0 || index >= 42) return Rect(0, 0, 0, 0);
    const Integer x = DaysLeft() + (index % 7) * CellWidth();
    const Integer y = 3 + HeaderHeight() + (1 + index / 7) * CellHeight();
    return Rect(x, y, x + CellWidth(), y + CellHeight());
}

TRect TMonthCalendar::PrevArrowRect() const
{
    const Integer s = HeaderHeight() - 4;
    return Rect(5, 5, 5 + s, 5 + s - 2);
}

TRect TMonthCalendar::NextArrowRect() const
{
    const Integer s = HeaderHeight() - 4;
    return Rect(Width() - 5 - s, 5, Width() - 5, 5 + s - 2);
}

Word TMonthCalendar::RowWeekNumber(Integer Row) const { return WeekOfTheYear(FirstShown() + Row * 7 + 1); }

TRect TMonthCalendar::WeekNumberRect(Integer Row) const
{
    if (!m_weekNumbers || Row < 0 || Row > 5) return Rect(0, 0, 0, 0);
    const Integer y = 3 + HeaderHeight() + (1 + Row) * CellHeight();
    return Rect(3, y, DaysLeft() - 2, y + CellHeight());
}

TRect TMonthCalendar::TodayRect() const
{
    if (!m_showToday) return Rect(0, 0, 0, 0);
    return Rect(3, DaysBottom() + 2, Width() - 3, DaysBottom() + 2 + CellHeight());
}

bool TMonthCalendar::DateAtPos(TPoint P, TDateTime& Day) const
{
    const Integer top = 3 + HeaderHeight() + CellHeight();
    if (P.Y < top || P.X < DaysLeft()) return false;
    const Integer col = (P.X - DaysLeft()) / CellWidth();
    const Integer row = (P.Y - top) / CellHeight();
    if (col > 6 || row > 5) return false;
    Day = FirstShown() + row * 7 + col;
    return true;
}

void TMonthCalendar::Notify(UINT Code)
{
    if (OnNotify) {
        OnNotify(Code);
        return;
    }
    const HWND h = HandleIfAllocated();
    TNMDateTimeChange n;
    n.hdr = {h, 0, Code};
    n.st = m_date;
    const HWND parent = h ? GetParent(h) : 0;
    if (parent)
        SendMessage(parent, WM_NOTIFY, 0, LPARAM(&n));
    else
        Perform(CN_NOTIFY, 0, LPARAM(&n));
}

void TMonthCalendar::UserSelect(TDateTime Day, bool Click)
{
    Day = std::clamp(std::floor(Day), std::floor(m_minDate), std::floor(m_maxDate));
    const bool changed = Day != m_date;
    m_date = Day;
    Word y, m, d;
    DecodeDate(Day, y, m, d);
    ShowMonth(y, m);
    if (changed) Notify(MCN_SELCHANGE);
    if (Click) Notify(MCN_SELECT);
}

void TMonthCalendar::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CN_NOTIFY: CNNotify(M); return;
    default: TWinControl::Dispatch(M); return;
    }
}

void TMonthCalendar::CNNotify(TMessage& M)
{
    switch (TWMNotify(M).Code()) {
    case MCN_SELCHANGE:
        if (OnChange) OnChange(this);
        return;
    case MCN_SELECT:
        if (OnClick) OnClick(this);
        return;
    default: return;
    }
}

void TMonthCalendar::DefaultHandler(TMessage& M)
{
    switch (M.Msg) {
    case WM_LBUTTONDOWN: NativeMouseDown(M); return;
    case WM_KEYDOWN: NativeKeyDown(M); return;
    default: TWinControl::DefaultHandler(M); return;
    }
}

void TMonthCalendar::NativeMouseDown(TMessage& M)
{
    // The arrows page the months; a day is chosen.
    const TPoint p = TWMMouse(M).Pos;
    TDateTime day = 0;
    if (PtInRect(PrevArrowRect(), p))
        ShowMonth(m_viewMonth == 1 ? m_viewYear - 1 : m_viewYear, m_viewMonth == 1 ? 12 : m_viewMonth - 1);
    else if (PtInRect(NextArrowRect(), p))
        ShowMonth(m_viewMonth == 12 ? m_viewYear + 1 : m_viewYear, m_viewMonth == 12 ? 1 : m_viewMonth + 1);
    else if (DateAtPos(p, day))
        UserSelect(day, true);
    else if (PtInRect(TodayRect(), p))
        UserSelect(Today(), true);
}

void TMonthCalendar::NativeKeyDown(TMessage& M)
{
    switch (TWMKey(M).Key) {
    case VK_LEFT: UserSelect(m_date - 1, false); return;
    case VK_RIGHT: UserSelect(m_date + 1, false); return;
    case VK_UP: UserSelect(m_date - 7, false); return;
    case VK_DOWN: UserSelect(m_date + 7, false); return;
    case VK_PRIOR: UserSelect(IncMonth(m_date, -1), false); return;
    case VK_NEXT: UserSelect(IncMonth(m_date, 1), false); return;
    case VK_HOME: UserSelect(EncodeDate(m_viewYear, m_viewMonth, 1), false); return;
    case VK_END: UserSelect(EncodeDate(m_viewYear, m_viewMonth, DaysInMonth(m_viewYear, m_viewMonth)), false); return;
    default: TWinControl::DefaultHandler(M); return;
    }
}

void TMonthCalendar::PaintWindow(TCanvas& Canvas)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect(ClientRect());
    Canvas.Font()->Assign(Font());
    // Header: month and year between the arrows.
    const TRect header = Rect(3, 3, Width() - 3, 3 + HeaderHeight());
    Canvas.Brush()->SetColor(clActiveCaption);
    Canvas.FillRect(header);
    TRect prev = PrevArrowRect(), next = NextArrowRect();
    DrawFrameControl(Canvas, prev, DFC_SCROLL, DFCS_SCROLLLEFT);
    DrawFrameControl(Canvas, next, DFC_SCROLL, DFCS_SCROLLRIGHT);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Font()->SetColor(clCaptionText);
    TRect title = header;
    const String caption = FormatSettings.LongMonthNames[std::size_t(m_viewMonth - 1)] + u" " +
        FormatDateTime(u"yyyy", EncodeDate(m_viewYear, m_viewMonth, 1));
    Canvas.DrawText(caption, title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // Day names.
    Canvas.Font()->SetColor(clWindowText);
    const Integer namesTop = 3 + HeaderHeight();
    for (Integer i = 0; i < 7; ++i) {
        TRect r =
            Rect(DaysLeft() + i * CellWidth(), namesTop, DaysLeft() + (i + 1) * CellWidth(), namesTop + CellHeight());
        Canvas.DrawText(FormatSettings.ShortDayNames[std::size_t(i)], r, DT_CENTER | DT_SINGLELINE);
    }
    Canvas.Pen()->SetColor(clBtnShadow);
    Canvas.MoveTo(DaysLeft(), namesTop + CellHeight() - 1);
    Canvas.LineTo(Width() - 3, namesTop + CellHeight() - 1);
    // Days: the month's own in the text colour, the neighbours' grey, the chosen one marked.
    const TDateTime first = FirstShown();
    for (Integer i = 0; i < 42; ++i) {
        const TDateTime day = first + i;
        Word y, m, d;
        DecodeDate(day, y, m, d);
        TRect r = DayRect(day);
        const bool chosen = day == m_date;
        if (chosen) {
            Canvas.Brush()->SetStyle(bsSolid);
            Canvas.Brush()->SetColor(Focused() ? clHighlight : clBtnFace);
            Canvas.FillRect(r);
            Canvas.Brush()->SetStyle(bsClear);
        }
        const bool outside = m != m_viewMonth || day < std::floor(m_minDate) || day > std::floor(m_maxDate);
        Canvas.Font()->SetColor(chosen && Focused() ? clHighlightText : outside ? clGrayText : clWindowText);
        String text;
        for (Integer v = d; v > 0; v /= 10) text.insert(text.begin(), Char(u'0' + v % 10));
        Canvas.DrawText(text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    PaintWeekNumbers(Canvas);
    PaintToday(Canvas);
    TRect frame = ClientRect();
    DrawEdge(Canvas, frame, EDGE_SUNKEN, BF_RECT);
}

namespace {

// The mark of today: a red rounded frame around a day cell, or before the today line.
void TodayMark(TCanvas& Canvas, const TRect& R)
{
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Pen()->SetColor(clRed);
    Canvas.RoundRect(R.Left, R.Top, R.Right, R.Bottom, 6, 6);
}

}  // namespace

void TMonthCalendar::PaintWeekNumbers(TCanvas& Canvas)
{
    if (!m_weekNumbers) return;
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Font()->SetColor(clGrayText);
    for (Integer row = 0; row < 6; ++row) {
        TRect r = WeekNumberRect(row);
        Canvas.DrawText(IntToStr(RowWeekNumber(row)), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    // A line between the week numbers and the days.
    Canvas.Pen()->SetColor(clBtnShadow);
    const Integer x = DaysLeft() - 2;
    Canvas.MoveTo(x, WeekNumberRect(0).Top);
    Canvas.LineTo(x, WeekNumberRect(5).Bottom);
}

void TMonthCalendar::PaintToday(TCanvas& Canvas)
{
    const TDateTime today = Today();
    if (m_showTodayCircle) {
        const TRect day = DayRect(today);
        if (!IsRectEmpty(day)) TodayMark(Canvas, day);
    }
    if (!m_showToday) return;
    TRect line = TodayRect();
    if (m_showTodayCircle)
        TodayMark(Canvas, Rect(line.Left + 4, line.Top + 1, line.Left + 4 + CellWidth() * 2 / 3, line.Bottom - 1));
    line.Left += TodayTextLeft();
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Font()->SetColor(clWindowText);
    Canvas.Font()->SetStyle(Canvas.Font()->Style() | fsBold);
    Canvas.DrawText(TodayText(), line, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    Canvas.Font()->SetStyle(Font()->Style());
}

}  // namespace gw
