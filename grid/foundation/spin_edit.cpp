// TEsgSpinEdit: values by kind, limits, stepping, the character filter and the layout.
#include "grid/foundation/spin_edit.h"

#include "grid/foundation/number_utils.h"
#include "platform/controls/message_beep.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/format_settings.h"
#include "platform/runtime/strings.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

namespace {

bool IsControlChar(Char C) { return C < 32; }

Integer CountOf(Char C, StringView Text) { return Integer(std::count(Text.begin(), Text.end(), C)); }

// The position of the first Separator after the 1-based position After (0 when none).
Integer PosAfter(Char Separator, StringView Text, Integer After)
{
    const String sub(1, Separator);
    return PosEx(sub, Text, After + 1);
}

}  // namespace

TEsgSpinEdit::TEsgSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    m_button = new TEsgSpinButton(this);
    m_button->SetBounds(0, 0, 15, 17);
    m_button->SetCursor(crArrow);
    m_button->SetParent(this);
    m_button->SetFocusControl(this);
    m_button->OnUpClick = [this](TObject* Sender) { UpClick(Sender); };
    m_button->OnDownClick = [this](TObject* Sender) { DownClick(Sender); };
    SetText(u"0");
    Relayout();
}

TEsgSpinEdit::~TEsgSpinEdit() = default;

// --- values ----------------------------------------------------------------------------------------

Integer TEsgSpinEdit::LimitValue(Integer Value) const
{
    if (MinValue == MaxValue) return Value;
    return std::clamp(Value, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
}

double TEsgSpinEdit::LimitFloatValue(double Value) const
{
    if (MinFloatValue == MaxFloatValue) return Value;
    return std::clamp(Value, std::min(MinFloatValue, MaxFloatValue), std::max(MinFloatValue, MaxFloatValue));
}

TDateTime TEsgSpinEdit::LimitDateValue(TDateTime Value) const
{
    if (MinDateValue == MaxDateValue) return Value;
    return std::clamp(Value, std::min(MinDateValue, MaxDateValue), std::max(MinDateValue, MaxDateValue));
}

Integer TEsgSpinEdit::Value() const
{
    const String text = Trim(Text());
    if (text.empty()) return 0;
    Integer v = 0;
    return TryStrToInt(text, v) ? v : MinValue;
}

void TEsgSpinEdit::SetValue(Integer Value)
{
    SetText(IntToStr(LimitValue(Value)));
    if (!EditorEnabled) SelectAll();
}

double TEsgSpinEdit::FloatValue() const
{
    double v = 0;
    return TryStrToFloat(Text(), v) ? v : double(MinValue);
}

void TEsgSpinEdit::SetFloatValue(double Value)
{
    Value = LimitFloatValue(Value);
    SetText(m_precision != 0 ? FloatToStrF(Value, ffFixed, 15, m_precision) : FloatToStr(Value));
}

TDateTime TEsgSpinEdit::DateValue() const
{
    const String text = Text();
    if (text == u"0" || text.empty()) return gw::Now();
    TDateTime v = 0;
    return TryStrToDate(text, v) ? v : MinDateValue;
}

void TEsgSpinEdit::SetTextKeepCaret(const String& Value)
{
    const Integer caret = SelStart();
    SetText(Value);
    SetSelStart(std::min(caret, Integer(Text().size())));
}

void TEsgSpinEdit::SetDateValue(TDateTime Value)
{
    m_dateValue = Value;
    if (Reading()) return;
    SetTextKeepCaret(DateToStr(LimitDateValue(Value)));
}

TDateTime TEsgSpinEdit::TimeValue() const
{
    TDateTime v = 0;
    return TryStrToTime(Text(), v) ? v : 0;
}

String TEsgSpinEdit::TimeText(TDateTime Value) const
{
    return FormatDateTime(ShowSeconds ? StringView(FormatSettings.LongTimeFormat) : StringView(u"h:nn"), Value);
}

void TEsgSpinEdit::SetTimeValue(TDateTime Value)
{
    m_timeValue = Value;
    if (Reading()) return;
    SetTextKeepCaret(TimeText(LimitDateValue(Value)));
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType Value)
{
    m_spinType = Value;
    switch (Value) {
    case sptNormal: SetValue(this->Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TEsgSpinEdit::SetPrecision(Integer Value)
{
    m_precision = Value;
    if (m_spinType == sptFloat) SetFloatValue(FloatValue());
}

void TEsgSpinEdit::Loaded()
{
    TCustomMaskEdit::Loaded();
    if (m_spinType == sptDate) SetText(DateToStr(m_dateValue));
    if (m_spinType == sptTime) SetText(TimeText(m_timeValue));
    SetSpinType(m_spinType);
}

// --- stepping --------------------------------------------------------------------------------------

void TEsgSpinEdit::UpClick(TObject*) { StepUp(false); }

void TEsgSpinEdit::DownClick(TObject*) { StepDown(false); }

void TEsgSpinEdit::StepUp(bool Page)
{
    if (ReadOnly()) return MessageBeep(0);
    switch (m_spinType) {
    case sptNormal: SetValue(Value() + Increment); break;
    case sptFloat: SetFloatValue(FloatValue() + (Page ? IncrementFloatPage : IncrementFloat)); break;
    case sptDate: StepDate(1); break;
    case sptTime: StepTime(1); break;
    }
}

void TEsgSpinEdit::StepDown(bool Page)
{
    if (ReadOnly()) return MessageBeep(0);
    switch (m_spinType) {
    case sptNormal: SetValue(Value() - Increment); break;
    case sptFloat: SetFloatValue(FloatValue() - (Page ? IncrementFloatPage : IncrementFloat)); break;
    case sptDate: StepDate(-1); break;
    case sptTime: StepTime(-1); break;
    }
}

void TEsgSpinEdit::StepDate(Integer Direction)
{
    const String format = UpperCase(FormatSettings.ShortDateFormat);
    const bool monthFirst = Pos(u"M", format) < Pos(u"D", format);
    const String text = Text();
    const Integer p1 = PosAfter(FormatSettings.DateSeparator, text, 0);
    const Integer p2 = PosAfter(FormatSettings.DateSeparator, text, p1);
    const Integer caret = SelStart();
    const TDateTime date = DateValue();
    enum { Day, Month, Year } part = Year;
    if (caret < p1)
        part = monthFirst ? Month : Day;
    else if (caret < p2)
        part = monthFirst ? Day : Month;
    // A year step keeps month and day; 29 February becomes 28 February in a common year.
    switch (part) {
    case Day: SetDateValue(date + Direction); break;
    case Month: SetDateValue(IncMonth(date, Direction)); break;
    case Year: SetDateValue(IncMonth(date, 12 * Direction)); break;
    }
}

void TEsgSpinEdit::StepTime(Integer Direction)
{
    const String text = Text();
    const Integer t1 = PosAfter(FormatSettings.TimeSeparator, text, 0);
    const Integer t2 = PosAfter(FormatSettings.TimeSeparator, text, t1);
    const Integer caret = SelStart();
    TDateTime step = 0;
    if (caret < t1)
        step = EncodeTime(Word(IncrementHours), 0, 0, 0);
    else if (ShowSeconds && t2 > 0 && caret >= t2)
        step = EncodeTime(0, 0, Word(IncrementSeconds), 0);
    else
        step = EncodeTime(0, Word(IncrementMinutes), 0, 0);
    if (Direction > 0) return SetTimeValue(TimeValue() + step);
    // Down goes round midnight: a day added first, taken off again when the result is past it.
    TDateTime t = TimeValue() + 1 - step;
    if (t > 1) t -= 1;
    SetTimeValue(t);
}

// --- keys and characters -------------------------------------------------------------------------------

bool TEsgSpinEdit::IsValidChar(Char Key)
{
    const Char dec = FormatSettings.DecimalSeparator, thou = FormatSettings.ThousandSeparator;
    const Char timeSep = FormatSettings.TimeSeparator, dateSep = FormatSettings.DateSeparator;
    if (Key == VK_BACK) return EditorEnabled;
    const bool control = IsControlChar(Key) && Key != VK_RETURN;
    if (!(Key == dec || Key == thou || Key == timeSep || Key == dateSep || IsNumberChar(Key) || Key == u'-' || control))
        return false;
    const bool numeric = m_spinType == sptNormal || m_spinType == sptFloat;
    auto separatorAllowed = [&](Char Sep) {
        return (Sep == dec || Sep == thou || Sep == u'-' || Sep == u'+') && numeric;
    };
    if (Key == timeSep && m_spinType != sptTime && !separatorAllowed(timeSep)) return false;
    if (Key == dateSep && m_spinType != sptDate && !separatorAllowed(dateSep)) return false;
    const String text = Text();
    if (Key == u'-' && !(SelStart() == 0 && (Pos(u"-", text) == 0 || Pos(u"-", SelText()) > 0))) return false;
    // Control characters are commands (copy, paste, undo, select all, Escape), not text: the
    // filters of the kinds below look at the characters that would go into the text.
    if (!control) {
        if (m_spinType == sptNormal && !(IsNumberChar(Key) || Key == u'-')) return false;
        if (m_spinType == sptFloat) {
            if (Key == thou) return false;
            const Integer p = Pos(String(1, dec), text);
            if (Key == dec && p > 0 && Pos(String(1, dec), SelText()) == 0) return false;
            if (m_precision > 0 && p > 0 && SelStart() >= p && SelLength() == 0 &&
                Integer(text.size()) >= p + m_precision)
                return false;
        }
        if (m_spinType == sptTime && Key == timeSep && CountOf(timeSep, text) >= 2) return false;
    }
    return EditorEnabled || control;
}

void TEsgSpinEdit::WMKeyDown(TMessage& M)
{
    switch (TWMKey(M).Key) {
    case VK_PRIOR: StepUp(true); return;
    case VK_NEXT: StepDown(true); return;
    case VK_UP: StepUp(false); return;
    case VK_DOWN: StepDown(false); return;
    default: TCustomMaskEdit::Dispatch(M); return;
    }
}

void TEsgSpinEdit::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && ReturnIsTab) {
        Key = VK_TAB;
        PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_DELETE && !EditorEnabled) Key = 0;
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TEsgSpinEdit::KeyPress(Char& Key)
{
    if (!IsValidChar(Key)) {
        Key = 0;
        MessageBeep(0);
        return;
    }
    TCustomMaskEdit::KeyPress(Key);
}

void TEsgSpinEdit::WMChar(TMessage& M)
{
    // The keypad's decimal key has bit 6 of its scan code set (key data bit 22).
    const TWMChar c(M);
    if (ExcelStyleDecimalSeparator && c.CharCode == u'.' && (c.ScanCode() & 0x40))
        M.WParam = FormatSettings.DecimalSeparator;
    TCustomMaskEdit::Dispatch(M);
}

void TEsgSpinEdit::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_KEYDOWN: WMKeyDown(M); return;
    case WM_CHAR: WMChar(M); return;
    case WM_PASTE:
    case WM_CUT: WMCutPaste(M); return;
    default: TCustomMaskEdit::Dispatch(M); return;
    }
}

void TEsgSpinEdit::WMCutPaste(TMessage& M)
{
    if (EditorEnabled && !ReadOnly()) TCustomMaskEdit::Dispatch(M);
}

void TEsgSpinEdit::NativeChar(TMessage& M)
{
    // The platform's edit pastes and cuts on these characters itself; as messages they pass
    // the filter above.
    if (TWMChar(M).CharCode == 0x16) return void(Perform(WM_PASTE));
    if (TWMChar(M).CharCode == 0x18) return void(Perform(WM_CUT));
    TCustomMaskEdit::DefaultHandler(M);
}

void TEsgSpinEdit::NativeWheel(TMessage& M)
{
    // The spin edit's own wheel: one step per notch, away from the user up.
    const Integer delta = TWMMouseWheel(M).WheelDelta;
    const Integer notches = std::max(1, std::abs(delta) / WHEEL_DELTA);
    for (Integer i = 0; i < notches && delta != 0; ++i) delta > 0 ? StepUp(false) : StepDown(false);
    M.Result = 1;
}

void TEsgSpinEdit::DefaultHandler(TMessage& M)
{
    switch (M.Msg) {
    case WM_CHAR: NativeChar(M); return;
    case WM_MOUSEWHEEL: NativeWheel(M); return;
    default: TCustomMaskEdit::DefaultHandler(M); return;
    }
}

void TEsgSpinEdit::DoEnter()
{
    if (AutoSelect && (GetKeyState(VK_LBUTTON) >= 0 || !EditorEnabled)) SelectAll();
    TCustomMaskEdit::DoEnter();
}

void TEsgSpinEdit::DoExit()
{
    TCustomMaskEdit::DoExit();
    switch (m_spinType) {
    case sptNormal:
        if (const Integer v = Value(); LimitValue(v) != v) SetValue(v);
        break;
    case sptFloat:
        if (const double v = FloatValue(); LimitFloatValue(v) != v) SetFloatValue(v);
        break;
    case sptDate:
        if (const TDateTime v = DateValue(); LimitDateValue(v) != v) SetDateValue(v);
        break;
    case sptTime:
        if (const TDateTime v = TimeValue(); LimitDateValue(v) != v) SetTimeValue(v);
        break;
    }
}

// --- layout and look -----------------------------------------------------------------------------------

Cardinal TEsgSpinEdit::EditStyle() const
{
    Cardinal align = 0;
    if (m_editAlign == eaRight) align = ES_RIGHT;
    if (m_editAlign == eaCenter) align = ES_CENTER;
    return TCustomMaskEdit::EditStyle() | align | WS_CLIPCHILDREN;
}

void TEsgSpinEdit::SetEditAlign(TEditAlign Value)
{
    if (m_editAlign == Value) return;
    m_editAlign = Value;
    StyleChanged();
    SetEditRect();
}

void TEsgSpinEdit::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
}

Integer TEsgSpinEdit::GetMinHeight() const
{
    TCanvas measure;
    measure.SetFont(Font());
    const Integer own = measure.GetTextMetrics().tmHeight;
    TFont system;
    measure.SetFont(&system);
    const Integer least = std::min(own, measure.GetTextMetrics().tmHeight);
    return own + least / 4 + 2 + (BorderStyle() == bsSingle ? 4 * GetSystemMetrics(SM_CYBORDER) : 0);
}

void TEsgSpinEdit::SetEditRect()
{
    const Integer b = Inset(), m = BorderStyle() == bsNone ? 3 : 0;
    const Integer clientWidth = Width() - 2 * b, clientHeight = Height() - 2 * b;
    const TRect r = Rect(b + m, b + m, b + clientWidth - m_button->Width() - m - 2, b + clientHeight + 1);
    Perform(EM_SETRECTNP, 0, LPARAM(&r));
}

void TEsgSpinEdit::PlaceButton()
{
    const Integer n = BorderStyle() == bsNone ? 1 : 0, b = Inset();
    m_button->SetBounds(b + Width() + 4 * n - m_button->Width() - 5, b, m_button->Width(), Height() + 4 * n - 5);
}

void TEsgSpinEdit::Resize()
{
    TCustomMaskEdit::Resize();
    if (Height() < GetMinHeight()) return SetHeight(GetMinHeight());
    PlaceButton();
    SetEditRect();
}

void TEsgSpinEdit::Relayout()
{
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TEsgSpinEdit::SetDirection(TSpinDirection Value)
{
    m_button->SetDirection(Value);
    Relayout();
}

void TEsgSpinEdit::SetSpinFlat(bool Value)
{
    m_spinFlat = Value;
    m_button->UpButton()->SetFlat(Value);
    m_button->DownButton()->SetFlat(Value);
}

void TEsgSpinEdit::SetSpinTransparent(bool Value)
{
    m_spinTransparent = Value;
    m_button->UpButton()->Transparent = Value;
    m_button->DownButton()->Transparent = Value;
    Relayout();
}

void TEsgSpinEdit::SetIsWinXP(bool Value)
{
    m_isWinXP = Value;
    m_button->SetIsWinXP(Value);
}

}  // namespace gw
