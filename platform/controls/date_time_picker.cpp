// TDateTimePicker: a date or time edited field by field, with an optional check box and a
// calendar that drops down.
#include "platform/controls/date_time_picker.h"

#include "platform/controls/message_beep.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_controls.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/format_settings.h"
#include "platform/ui/backend.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

#include <algorithm>
#include <cmath>

namespace gw {

TDropCalendar::TDropCalendar(TComponent* AOwner) : TMonthCalendar(AOwner)
{
    SetVisible(false);
    SetTabStop(false);
}

void TDropCalendar::CreateParams(TCreateParams& Params)
{
    TMonthCalendar::CreateParams(Params);
    Params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
    Params.Style &= ~Cardinal(WS_TABSTOP);
}

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner)
{
    m_calendar = new TDropCalendar(this);
    m_calendar->OnNotify = [this](UINT Code) { CalendarNotify(Code); };
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    ControlStyle = csSetCaption | csDoubleClicks | csFixedHeight;
    SetBounds(0, 0, 186, 21);
    m_value = std::floor(gw::Now() * 86400.0) / 86400.0;
    RebuildFields();
}

TDateTimePicker::~TDateTimePicker() = default;

void TDateTimePicker::RebuildFields()
{
    String format = m_format;
    if (format.empty())
        format = m_kind == dtkTime   ? FormatSettings.LongTimeFormat
            : m_dateFormat == dfLong ? FormatSettings.LongDateFormat
                                     : FormatSettings.ShortDateFormat;
    m_fields = std::make_unique<TDateTimeFields>(format);
    m_fields->MinDate = m_minDate;
    m_fields->MaxDate = m_maxDate;
    m_fields->Render(m_value);
    const auto editable = m_fields->EditableSpans();
    if (std::find(editable.begin(), editable.end(), m_field) == editable.end())
        m_field = editable.empty() ? -1 : editable.front();
    m_pending.clear();
    Invalidate();
}

String TDateTimePicker::DisplayText() const { return m_fields->Render(m_value); }

TDateTime TDateTimePicker::Clamp(TDateTime Value) const { return std::clamp(Value, m_minDate, m_maxDate); }

void TDateTimePicker::SetDateTime(TDateTime Value)
{
    if (std::isnan(Value)) throw EDateTimeError(u"Invalid date");
    const bool byDay = m_kind == dtkDate;
    if ((byDay ? DateOf(Value) < DateOf(m_minDate) : Value < m_minDate))
        throw EDateTimeError(u"Date is less than minimum of " + DateToStr(m_minDate));
    if ((byDay ? DateOf(Value) > DateOf(m_maxDate) : Value > m_maxDate))
        throw EDateTimeError(u"Date exceeds maximum of " + DateToStr(m_maxDate));
    m_value = Value;
    m_pending.clear();
    Invalidate();
}

TDateTime TDateTimePicker::Date() const { return DateOf(m_value); }

void TDateTimePicker::SetDate(TDateTime Value) { SetDateTime(ComposeDateTime(Value, m_value)); }

TDateTime TDateTimePicker::Time() const { return TimeOf(m_value); }

void TDateTimePicker::SetTime(TDateTime Value) { SetDateTime(ComposeDateTime(m_value, Value)); }

void TDateTimePicker::SetMinDate(TDateTime Value)
{
    m_minDate = Value;
    m_calendar->SetMinDate(Value);
    if (m_value < Value) m_value = Value;
    RebuildFields();
}

void TDateTimePicker::SetMaxDate(TDateTime Value)
{
    m_maxDate = Value;
    m_calendar->SetMaxDate(Value);
    if (m_value > Value) m_value = Value;
    RebuildFields();
}

void TDateTimePicker::SetKind(TDateTimeKind Value)
{
    m_kind = Value;
    m_field = -1;
    RebuildFields();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value)
{
    m_dateFormat = Value;
    RebuildFields();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value)
{
    m_dateMode = Value;
    Invalidate();
}

void TDateTimePicker::SetFormat(const String& Value)
{
    m_format = Value;
    m_field = -1;
    RebuildFields();
}

void TDateTimePicker::SetChecked(bool Value)
{
    m_checked = Value;
    Invalidate();
}

void TDateTimePicker::SetShowCheckbox(bool Value)
{
    m_showCheckbox = Value;
    Invalidate();
}

TRect TDateTimePicker::ButtonRect() const
{
    const Integer w = GetSystemMetrics(SM_CXVSCROLL);
    return Rect(Width() - 2 - w, 2, Width() - 2, Height() - 2);
}

TRect TDateTimePicker::CheckboxRect() const
{
    const Integer top = (Height() - 13) / 2;
    return Rect(4, top, 17, top + 13);
}

Integer TDateTimePicker::TextLeft() const { return m_showCheckbox ? 20 : 4; }

TRect TDateTimePicker::FieldRect(Integer Span) const
{
    m_fields->Render(m_value);
    const auto& spans = m_fields->Spans();
    if (Span < 0 || Span >= Integer(spans.size())) return Rect(0, 0, 0, 0);
    TCanvas c;
    c.SetFont(Font());
    const String text = m_fields->Render(m_value);
    const auto& s = spans[std::size_t(Span)];
    const Integer x1 = TextLeft() + c.TextWidth(StringView(text).substr(0, std::size_t(s.Start)));
    const Integer x2 = TextLeft() + c.TextWidth(StringView(text).substr(0, std::size_t(s.Start + s.Length)));
    const Integer h = c.TextHeight(u"Wg");
    const Integer top = (Height() - h) / 2;
    return Rect(x1, top, x2, top + h);
}

void TDateTimePicker::NotifyParent(UINT Code)
{
    const HWND h = HandleIfAllocated();
    TNMDateTimeChange n;
    n.hdr = {h, 0, Code};
    n.dwFlags = m_checked ? GDT_VALID : GDT_NONE;
    n.st = m_value;
    const HWND parent = h ? GetParent(h) : 0;
    if (parent)
        SendMessage(parent, WM_NOTIFY, 0, LPARAM(&n));
    else
        Perform(CN_NOTIFY, 0, LPARAM(&n));
}

void TDateTimePicker::Change()
{
    if (OnChange) OnChange(this);
}

void TDateTimePicker::UserChange(TDateTime Value)
{
    Value = Clamp(Value);
    if (Value == m_value) return;
    m_value = Value;
    Invalidate();
    NotifyParent(DTN_DATETIMECHANGE);
}

void TDateTimePicker::MoveField(Integer Delta)
{
    const auto editable = m_fields->EditableSpans();
    if (editable.empty()) return;
    auto it = std::find(editable.begin(), editable.end(), m_field);
    Integer pos = it == editable.end() ? 0 : Integer(it - editable.begin());
    pos = std::clamp(pos + Delta, 0, Integer(editable.size()) - 1);
    m_field = editable[std::size_t(pos)];
    m_pending.clear();
    Invalidate();
}

void TDateTimePicker::OpenCalendar()
{
    if (m_dropped || !HandleAllocated() || !Enabled() || !HasButton()) return;
    NotifyParent(DTN_DROPDOWN);
    m_calendar->SetMinDate(m_minDate);
    m_calendar->SetMaxDate(m_maxDate);
    m_calendar->SetDate(Clamp(m_value));
    const TSize size = m_calendar->PreferredSize();
    const TPoint below = ClientToScreen({0, Height()});
    TRect r = Bounds(below.X + Width() - size.cx, below.Y, size.cx, size.cy);
    const TRect work = HasBackend() ? Backend().WorkAreaRect() : Rect(0, 0, 1 << 15, 1 << 15);
    if (r.Bottom > work.Bottom) r = Bounds(r.Left, ClientToScreen({0, 0}).Y - size.cy, size.cx, size.cy);
    if (r.Left < work.Left) r = Bounds(work.Left, r.Top, size.cx, size.cy);
    m_calendar->SetParentWindow(GetTopLevelWindow(Handle()));
    m_calendar->SetBoundsRect(r);
    m_calendar->HandleNeeded();
    m_calendar->SetVisible(true);
    ShowWindow(m_calendar->Handle(), true);
    m_dropped = true;
    SetCapture(Handle());
    Invalidate();
}

void TDateTimePicker::CloseCalendar()
{
    if (!m_dropped) return;
    m_dropped = false;
    m_calendar->SetVisible(false);
    if (GetCapture() == HandleIfAllocated()) ReleaseCapture();
    Invalidate();
    NotifyParent(DTN_CLOSEUP);
}

void TDateTimePicker::CalendarNotify(UINT Code)
{
    if (Code != MCN_SELECT) return;
    // The day chosen, with the time of day kept.
    const TDateTime day = m_calendar->Date();
    UserChange(ComposeDateTime(day, m_value));
    if (!m_checked) {
        m_checked = true;
        NotifyParent(DTN_DATETIMECHANGE);
    }
    CloseCalendar();
}

// --- input -------------------------------------------------------------------------------------

void TDateTimePicker::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CN_NOTIFY: CNNotify(M); return;
    default: TWinControl::Dispatch(M); return;
    }
}

void TDateTimePicker::CNNotify(TMessage& M)
{
    switch (TWMNotify(M).Code()) {
    case DTN_DATETIMECHANGE: Change(); return;
    case DTN_DROPDOWN:
        if (OnDropDown) OnDropDown(this);
        return;
    case DTN_CLOSEUP:
        if (OnCloseUp) OnCloseUp(this);
        return;
    default: return;
    }
}

void TDateTimePicker::DefaultHandler(TMessage& M)
{
    switch (M.Msg) {
    case WM_MOUSEWHEEL: NativeWheel(M); return;
    case WM_SETFOCUS: m_pending.clear(); return;
    case WM_KILLFOCUS: NativeKillFocus(M); return;
    case WM_CAPTURECHANGED: NativeCaptureChanged(M); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: NativeKeyDown(M); return;
    case WM_CHAR: NativeChar(M); return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: NativeMouseDown(M); return;
    default: TWinControl::DefaultHandler(M); return;
    }
}

void TDateTimePicker::NativeWheel(TMessage& M)
{
    // The picker's own wheel behaviour (a step of the field), reached only when no
    // OnMouseWheel up to the form took it. The open calendar does not take it.
    if (m_dropped) {
        TWinControl::DefaultHandler(M);
        return;
    }
    const Integer delta = TWMMouseWheel(M).WheelDelta;
    if (delta != 0) StepField(delta > 0 ? 1 : -1);
    M.Result = 1;
}

void TDateTimePicker::NativeKillFocus(TMessage& /*M*/)
{
    CloseCalendar();
    m_pending.clear();
}

void TDateTimePicker::NativeCaptureChanged(TMessage& M)
{
    if (m_dropped && TWMCaptureChanged(M).NewCapture != HandleIfAllocated()) CloseCalendar();
}

void TDateTimePicker::StepField(Integer Delta)
{
    if (m_checked) UserChange(m_fields->Step(m_value, m_field, Delta));
}

void TDateTimePicker::ToggleChecked()
{
    m_checked = !m_checked;
    Invalidate();
    NotifyParent(DTN_DATETIMECHANGE);
}

void TDateTimePicker::NativeKeyDown(TMessage& M)
{
    const Word key = TWMKey(M).Key;
    const TShiftState shift = KeyboardStateToShiftState();
    // F4, Alt+Down and Alt+Up drop the calendar down and close it again.
    if ((key == VK_F4 && !(shift & ssAlt)) || ((shift & ssAlt) && (key == VK_DOWN || key == VK_UP))) {
        m_dropped ? CloseCalendar() : OpenCalendar();
        return;
    }
    if (m_dropped) {
        KeyInCalendar(M);
        return;
    }
    if (!KeyInField(key)) TWinControl::DefaultHandler(M);
}

void TDateTimePicker::KeyInCalendar(TMessage& M)
{
    switch (TWMKey(M).Key) {
    case VK_ESCAPE: CloseCalendar(); return;
    case VK_RETURN: CalendarNotify(MCN_SELECT); return;
    default: {
        TMessage m{WM_KEYDOWN, M.WParam, M.LParam, 0};
        m_calendar->DefaultHandler(m);
        return;
    }
    }
}

bool TDateTimePicker::KeyInField(Word Key)
{
    switch (Key) {
    case VK_LEFT: MoveField(-1); return true;
    case VK_RIGHT: MoveField(1); return true;
    case VK_UP:
    case VK_DOWN:
        StepField(Key == VK_UP ? 1 : -1);
        m_pending.clear();
        return true;
    case VK_HOME:
    case VK_END:
        if (m_checked) UserChange(m_fields->Extreme(m_value, m_field, Key == VK_END));
        m_pending.clear();
        return true;
    default: return false;
    }
}

void TDateTimePicker::NativeChar(TMessage& M)
{
    const Char c = TWMChar(M).CharCode;
    if (m_dropped) return;
    if (c == u' ' && m_showCheckbox) {
        ToggleChecked();
        return;
    }
    if (!m_checked) return;
    if (c >= u'0' && c <= u'9') {
        TypeDigit(c);
        return;
    }
    if (c == FormatSettings.DateSeparator || c == FormatSettings.TimeSeparator || c == u'/' || c == u':' || c == u'.' ||
        c == u'-') {
        MoveField(1);
        return;
    }
    if (c >= 32) MessageBeep(0);
}

void TDateTimePicker::TypeDigit(Char Digit)
{
    // A field full of digits hands on to the next.
    bool complete = false;
    UserChange(m_fields->TypeDigit(m_value, m_field, Digit, m_pending, complete));
    if (complete) MoveField(1);
}

void TDateTimePicker::NativeMouseDown(TMessage& M)
{
    const TPoint p = TWMMouse(M).Pos;
    if (m_dropped) {
        MouseDownDropped(p);
        return;
    }
    if (m_showCheckbox && PtInRect(CheckboxRect(), p)) {
        ToggleChecked();
        return;
    }
    if (PtInRect(ButtonRect(), p)) {
        // The drop button, or the up-down arrows: the upper half steps up.
        const TRect b = ButtonRect();
        HasButton() ? OpenCalendar() : StepField(p.Y < (b.Top + b.Bottom) / 2 ? 1 : -1);
        return;
    }
    SelectFieldAt(p);
}

void TDateTimePicker::MouseDownDropped(TPoint Client)
{
    // A press on the calendar goes to it; any other closes it.
    const TPoint cp = m_calendar->ScreenToClient(ClientToScreen(Client));
    if (!PtInRect(m_calendar->ClientRect(), cp)) {
        CloseCalendar();
        return;
    }
    TMessage m{WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(cp.X, cp.Y), 0};
    m_calendar->DefaultHandler(m);
}

void TDateTimePicker::SelectFieldAt(TPoint Client)
{
    for (Integer i : m_fields->EditableSpans()) {
        const TRect r = FieldRect(i);
        if (Client.X >= r.Left && Client.X < r.Right) {
            m_field = i;
            m_pending.clear();
            Invalidate();
            return;
        }
    }
}

// --- painting -----------------------------------------------------------------------------------

void TDateTimePicker::PaintWindow(TCanvas& Canvas)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    Canvas.FillRect(ClientRect());
    Canvas.Font()->Assign(Font());
    if (m_showCheckbox) {
        TRect box = CheckboxRect();
        DrawFrameControl(Canvas, box, DFC_BUTTON,
                         DFCS_BUTTONCHECK | (m_checked ? DFCS_CHECKED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
    }
    const String text = DisplayText();
    const bool grey = !Enabled() || !m_checked;
    const Integer h = Canvas.TextHeight(u"Wg");
    const Integer top = (Height() - h) / 2;
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Font()->SetColor(grey ? clGrayText : Font()->Color());
    Canvas.TextOut(TextLeft(), top, text);
    if (Focused() && !grey && m_field >= 0) {
        const TRect r = FieldRect(m_field);
        const auto& s = m_fields->Spans()[std::size_t(m_field)];
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(clHighlight);
        Canvas.FillRect(r);
        Canvas.Brush()->SetStyle(bsClear);
        Canvas.Font()->SetColor(clHighlightText);
        Canvas.TextOut(r.Left, top, StringView(text).substr(std::size_t(s.Start), std::size_t(s.Length)));
    }
    TRect button = ButtonRect();
    if (HasButton()) {
        DrawFrameControl(Canvas, button, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (m_dropped ? DFCS_PUSHED | DFCS_FLAT : 0) |
                             (Enabled() ? 0 : DFCS_INACTIVE));
    } else {
        const Integer mid = (button.Top + button.Bottom) / 2;
        TRect up = Rect(button.Left, button.Top, button.Right, mid);
        TRect down = Rect(button.Left, mid, button.Right, button.Bottom);
        DrawFrameControl(Canvas, up, DFC_SCROLL, DFCS_SCROLLUP | (Enabled() ? 0 : DFCS_INACTIVE));
        DrawFrameControl(Canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | (Enabled() ? 0 : DFCS_INACTIVE));
    }
    TRect r = ClientRect();
    DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
}

}  // namespace gw
