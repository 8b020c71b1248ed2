// The grid library's date-time pickers: the metro look, AutoTab and the two-picker arrangement.
#include "grid/foundation/date_time_pickers.h"

#include "grid/foundation/theme_detection.h"
#include "platform/graphics/frame_controls.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/datetime.h"
#include "platform/ui/forms.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

#include <array>
#include <cmath>

namespace gw {

namespace {

constexpr TColor DisabledFrame = TColor(0xB99D7F);
// Where the design's client area begins inside the picker's sunken edge.
constexpr Integer Edge = 2;

bool MouseButtonDown() { return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0; }

void DecodeDay(TDateTime Value, Word& Year, Word& Month, Word& Day) { DecodeDate(Value, Year, Month, Day); }

}  // namespace

UINT DTPShiftFocusMessage()
{
    static const UINT message = RegisterWindowMessage(u"DTPShiftFocus");
    return message;
}

String VersionText(Integer VersionNr)
{
    const auto v = Cardinal(VersionNr);
    return IntToStr(v >> 24) + u"." + IntToStr((v >> 16) & 0xFF) + u"." + IntToStr((v >> 8) & 0xFF) + u"." +
        IntToStr(v & 0xFF);
}

namespace detail {

// --- the metro look ----------------------------------------------------------------------------------

TMetroDateTimePicker::TMetroDateTimePicker(TComponent* AOwner)
    : TDateTimePicker(AOwner), m_buttonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2), m_isXP(IsXPOrLater()),
      m_isThemed(IsComCtl6())
{
    DoubleBuffered = true;
}

void TMetroDateTimePicker::SetBorderColor(TColor Value)
{
    if (m_borderColor == Value) return;
    m_borderColor = Value;
    Invalidate();
}

void TMetroDateTimePicker::SetMetroStyle(bool Value)
{
    if (m_metroStyle == Value) return;
    m_metroStyle = Value;
    Invalidate();
}

void TMetroDateTimePicker::SetBorderStyle(TBorderStyle Value)
{
    if (m_borderStyle == Value) return;
    m_borderStyle = Value;
    Invalidate();
}

void TMetroDateTimePicker::SetCtl3D(bool Value)
{
    if (m_ctl3D == Value) return;
    m_ctl3D = Value;
    Invalidate();
}

bool TMetroDateTimePicker::Hot() const
{
    const TCustomForm* form = GetParentForm(this);
    const bool active = form && form->ActiveControl() == this;
    return !Designing() && (m_mouseInControl || active) && m_focusBorder;
}

void TMetroDateTimePicker::MouseEnterLeave(bool Enter)
{
    if (Designing() && Look().IgnoreMouseWhileDesigning) return;
    if (Enter) {
        if (m_mouseInControl || !Enabled()) return;
        m_mouseInControl = true;
    } else {
        m_mouseInControl = false;
        m_buttonHover = false;
    }
    Invalidate();
}

void TMetroDateTimePicker::FocusEnterExit(bool Enter)
{
    if (Designing()) return;
    m_hasFocus = Enter;
    Invalidate();
}

void TMetroDateTimePicker::TrackButtonHover(Integer X)
{
    const bool hover = Width() - m_buttonWidth < X && X < Width();
    if (hover == m_buttonHover) return;
    m_buttonHover = hover;
    Invalidate();
}

void TMetroDateTimePicker::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_ENTER: FocusEnterExit(true); break;
    case CM_EXIT: FocusEnterExit(false); break;
    case CM_MOUSEENTER: MouseEnterLeave(true); break;
    case CM_MOUSELEAVE: MouseEnterLeave(false); break;
    case WM_MOUSEMOVE: TrackButtonHover(TWMMouse(M).Pos.X); break;
    default: break;
    }
    TDateTimePicker::Dispatch(M);
}

void TMetroDateTimePicker::PaintButton(TCanvas& C)
{
    const Integer clientWidth = Width() - 2 * Edge;
    TRect r = Rect(clientWidth - m_buttonWidth + 2, 0, Width(), Height());
    InflateRect(r, -1, -1);
    OffsetRect(r, Edge, Edge);
    if (ButtonColor != clNone) {
        const bool down = MouseButtonDown() && m_buttonHover;
        const TColor face = down ? ButtonColorDown : m_buttonHover ? ButtonColorHot : ButtonColor;
        r = Rect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        const TColor arrow = MouseButtonDown() ? ButtonTextColorDown : ButtonTextColor;
        PaintColouredDropButton(C, Rect(r.Left + 2, r.Top, r.Right, r.Bottom), face, clNone, arrow,
                                {TPoint{3, 7}, {9, 7}, {6, 10}});
        if (ButtonBorderColor != clNone) {
            C.Pen()->SetColor(ButtonBorderColor);
            C.MoveTo(r.Left, r.Top);
            C.LineTo(r.Left, r.Bottom);
        }
        return;
    }
    // Themed parts need visual styles, which the platform lacks: the classic button stands in.
    DrawFrameControl(C, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
}

void TMetroDateTimePicker::PaintClientParts(TCanvas& C)
{
    if (Metro() && Kind() != dtkTime) {
        const Integer right = Width() - Edge;
        TRect fill = VisualStylesActive()
            ? Rect(right - m_buttonWidth - Look().MetroFillInset, 1 + Edge, right, Height())
            : Rect(right - m_buttonWidth - 2, 4 + Edge, right - 2, Height() - 4);
        if (m_isThemed) {
            C.Brush()->SetStyle(bsSolid);
            C.Brush()->SetColor(Color());
            C.FillRect(fill);
        }
        PaintButton(C);
    }
    if (Look().FlatOutline && !m_ctl3D) {
        C.Pen()->SetStyle(psSolid);
        C.Pen()->SetColor(m_borderStyle == bsNone && Parent() ? Parent()->Color() : m_borderColor);
        const std::array<TPoint, 5> outline{
            TPoint{0, Height()}, {0, 0}, {Width() - 1, 0}, {Width() - 1, Height() - 1}, {0, Height() - 1}};
        C.Polyline(outline);
    }
    PaintFrame(C);
}

void TMetroDateTimePicker::PaintButtonSurround(TCanvas& C)
{
    const Integer clientWidth = Width() - 2 * Edge, clientHeight = Height() - 2 * Edge;
    C.ExcludeClipRect(Rect(clientWidth - m_buttonWidth + 4, 4, clientWidth - 4, clientHeight - 4));
    TRect r = Rect(clientWidth - m_buttonWidth - 2, 0, Width(), Height());
    InflateRect(r, -2, -2);
    const TCustomForm* form = GetParentForm(this);
    const bool active = form && form->ActiveControl() == this;
    const bool shown = Designing() ? Enabled() : (m_mouseInControl || active);
    if (shown) {
        TRect e = r;
        DrawEdge(C, e, EDGE_RAISED, BF_RECT | (DroppedDown() ? BF_FLAT : 0));
    } else {
        const TRect f = Rect(r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1);
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(clBtnFace);
        C.FillRect(f);
    }
    C.ExcludeClipRect(r);
}

void TMetroDateTimePicker::PaintFrame(TCanvas& C)
{
    if (!Metro()) return;
    if (Enabled() && m_borderColor == clNone && m_focusBorderColor == clNone) return;
    TEsgFrame f;
    f.Enabled = Enabled();
    f.ThemedDisabled = !Enabled() && m_isThemed && !m_disabledBorder;
    f.Focused = m_hasFocus || Focused();
    f.Hot = Hot();
    f.BorderColor = m_borderColor;
    f.FocusBorderColor = m_focusBorderColor;
    f.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    f.Color = Color();
    f.ButtonWidth = m_buttonWidth;
    const Integer saved = C.SaveDC();
    PaintEsgFrame(C, Rect(0, 0, Width(), Height()), f);
    if (!m_isXP || !VisualStylesActive()) PaintButtonSurround(C);
    C.RestoreDC(saved);
}

void TMetroDateTimePicker::PaintFlatBorder(TCanvas& C)
{
    if (m_ctl3D || (Look().FlatBorderNeedsColour && m_borderColor == clNone)) return;
    TColor pen = m_borderColor;
    if (m_borderStyle == bsNone && Parent())
        pen = Parent()->Color();
    else if (m_isThemed)
        pen = DisabledFrame;
    C.Pen()->SetStyle(psSolid);
    C.Pen()->SetColor(pen);
    const std::array<TPoint, 5> outline{
        TPoint{0, Height()}, {0, 0}, {Width() - 1, 0}, {Width() - 1, Height() - 1}, {0, Height() - 1}};
    C.Polyline(outline);
    if (!Parent()) return;
    if (m_borderStyle == bsSingle) C.Pen()->SetColor(Parent()->Color());
    const std::array<TPoint, 3> inner{TPoint{1, Height() - 2}, {1, 1}, {Width() - 1, 1}};
    C.Polyline(inner);
}

void TMetroDateTimePicker::PaintWindow(TCanvas& Canvas)
{
    TDateTimePicker::PaintWindow(Canvas);
    // The client's own parts come only where the platform draws the picker itself.
    if (!(m_ctl3D && !Metro()) && IsVistaOrLater()) PaintClientParts(Canvas);
    // What the frame painting adds: the flat border, then the frame when one is asked for.
    PaintFlatBorder(Canvas);
    const bool frame = (!Enabled() && VisualStylesActive() && !m_disabledBorder) ||
        (m_focusBorderColor != clNone && Focused()) || m_borderColor != clNone;
    if (frame) PaintFrame(Canvas);
}

}  // namespace detail

// --- TEsgDateTimePicker ------------------------------------------------------------------------------

TEsgDateTimePicker::TEsgDateTimePicker(TComponent* AOwner) : TMetroDateTimePicker(AOwner)
{
    m_ctl3D = true;
    // The setter runs once with a single border, then the field is set back to none directly.
    SetBorderStyle(bsSingle);
    m_borderStyle = bsNone;
}

void TEsgDateTimePicker::SetBorderStyle(TBorderStyle Value) { TMetroDateTimePicker::SetBorderStyle(Value); }

// --- TCustomDateTimePicker -----------------------------------------------------------------------------

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TMetroDateTimePicker(AOwner)
{
    m_borderColor = TColor(0x000000);
}

void TCustomDateTimePicker::SetBorderStyle(TBorderStyle Value) { TMetroDateTimePicker::SetBorderStyle(Value); }

void TCustomDateTimePicker::NoteValue()
{
    DecodeTime(TDateTimePicker::DateTime(), m_hour, m_minute, m_second, m_msec);
    m_field = CurrentField();
}

void TCustomDateTimePicker::DigitTyped(TMessage& M)
{
    NoteValue();
    TMetroDateTimePicker::Dispatch(M);
    if (HandleAllocated()) PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
}

void TCustomDateTimePicker::PostNextField()
{
    // The platform's picker moves on by itself once a field is full: then the step is done.
    if (HandleAllocated() && CurrentField() == m_field) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

void TCustomDateTimePicker::ShiftFocus()
{
    if (Kind() != dtkTime) return;
    Word h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(TDateTimePicker::DateTime(), h, m, s, ms);
    if (h != m_hour || m != m_minute || s != m_second) PostNextField();
}

void TCustomDateTimePicker::Dispatch(TMessage& M)
{
    // The shift message is registered at run time: no case label can name it.
    if (M.Msg == DTPShiftFocusMessage()) return ShiftFocus();
    if (M.Msg == WM_CHAR) return WMChar(M);
    TMetroDateTimePicker::Dispatch(M);
}

void TCustomDateTimePicker::WMChar(TMessage& M)
{
    const Char c = TWMChar(M).CharCode;
    if (m_autoTab && c >= u'0' && c <= u'9') return DigitTyped(M);
    TMetroDateTimePicker::Dispatch(M);
}

// --- TExtDateTimePicker ----------------------------------------------------------------------------------

TExtDateTimePicker::TExtDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner), m_label(*this)
{
    m_focusTimer = new TTimer(this);
    m_focusTimer->SetEnabled(false);
    m_focusTimer->SetInterval(20);
    m_focusTimer->OnTimer = [this](TObject*) { m_focusTimer->SetEnabled(false); };
    LabelFont()->OnChange = [this](TObject*) {
        PlaceLabel();
        if ((ComponentState() & csDesigning) && !(ComponentState() & csLoading)) SetParentFont(false);
    };
    SetBorderStyle(bsSingle);
    m_ctl3D = true;
    m_knownDate = TDateTimePicker::DateTime();
    ApplyKind();
}

TExtDateTimePicker::~TExtDateTimePicker()
{
    m_focusTimer->SetEnabled(false);
    LabelFont()->OnChange = nullptr;
}

void TExtDateTimePicker::SetBorderStyle(TBorderStyle Value)
{
    TCustomDateTimePicker::SetBorderStyle(Value);
    SyncTimePicker();
}

void TExtDateTimePicker::SetKind(TExtDateTimeKind Value)
{
    if (m_kind == Value) return;
    m_kind = Value;
    ApplyKind();
}

void TExtDateTimePicker::ApplyKind()
{
    TDateTimePicker::SetKind(m_kind == dkTime ? dtkTime : dtkDate);
    if (m_kind == dkDateTime) CreateTimePicker();
    SyncTimePicker();
}

void TExtDateTimePicker::CreateWnd()
{
    TCustomDateTimePicker::CreateWnd();
    ApplyKind();
}

void TExtDateTimePicker::CreateTimePicker()
{
    if (m_timePicker || m_kind != dkDateTime) return;
    auto* t = new TCustomDateTimePicker(this);
    m_timePicker = t;
    const bool designLoading = (ComponentState() & csDesigning) && (ComponentState() & csLoading);
    if (!designLoading) t->SetParent(this);
    t->SetBounds(0, 0, 90, 17);
    t->SetVisible(false);
    t->SetEnabled(Enabled());
    t->SetKind(dtkTime);
    t->SetAutoTab(AutoTab());
    t->OnChange = [this](TObject*) {
        DoChange();
        if (OnTimeChange) OnTimeChange(this);
    };
    t->OnClick = [this](TObject*) { DoClick(); };
    t->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { KeyDown(Key, Shift); };
    t->OnKeyPress = [this](TObject*, Char& Key) { TimePickerKeyPress(Key); };
}

void TExtDateTimePicker::SyncTimePicker()
{
    TCustomDateTimePicker* t = m_timePicker;
    if (!t) return;
    t->SetParent(this);
    t->SetColor(Color());
    t->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    t->SetVisible(m_kind == dkDateTime);
    t->TDateTimePicker::SetTime(Time());
    t->TDateTimePicker::SetDateTime(DateTime());
    t->SetFormat(m_timeFormat);
    t->SetFont(Font());
    const bool runtimeLoading = (ComponentState() & csLoading) && !(ComponentState() & csDesigning);
    if (!t->Visible() && !runtimeLoading) {
        m_timePicker = nullptr;
        delete t;
        return;
    }
    PlaceTimePicker();
}

void TExtDateTimePicker::PlaceTimePicker()
{
    TCanvas measure;
    measure.SetFont(Font());
    TRect r = Rect(0, 0, 1000, 200);
    measure.DrawText(StringView(m_timePicker->DisplayText()).substr(0, 255), r, DT_CALCRECT | DT_SINGLELINE);
    const Integer a = r.Width() + 31;
    // Outside Vista: left W - a - 21, top -2, height H in the design's client coordinates, which
    // lie inside the picker's edge here.
    m_timePicker->SetBounds(Edge + Width() - a - 21, 0, a, Height() - 2 * Edge);
}

TDateTime TExtDateTimePicker::DateTime()
{
    if (m_timePicker) TDateTimePicker::SetTime(m_timePicker->TDateTimePicker::DateTime());
    return TDateTimePicker::DateTime();
}

TDateTime TExtDateTimePicker::Time() const
{
    if (m_kind == dkDateTime && m_timePicker) return m_timePicker->TDateTimePicker::DateTime();
    return TDateTimePicker::DateTime();
}

void TExtDateTimePicker::SetDateTime(TDateTime Value)
{
    const double days = std::trunc(Value);
    Word h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(Value, h, m, s, ms);
    const TDateTime joined = days + EncodeTime(h, m, s, 0);
    TDateTimePicker::SetDateTime(joined);
    m_knownDate = joined;
    CreateTimePicker();
    if (m_timePicker) m_timePicker->TDateTimePicker::SetDateTime(joined);
    // The flag would keep the change notification of this date from touching the inner picker;
    // the platform's picker sends none for a date set by the program, so it stays clear.
    if (ShowCheckbox() && m_timePicker) m_timePicker->SetEnabled(Enabled() && Checked());
}

void TExtDateTimePicker::SetDate(TDateTime Value)
{
    Word h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(DateTime(), h, m, s, ms);
    SetDateTime(std::trunc(Value) + EncodeTime(h, m, s, 0));
}

void TExtDateTimePicker::SetTime(TDateTime Value)
{
    TDateTimePicker::SetTime(Value);
    if (m_kind == dkDateTime && m_timePicker) m_timePicker->TDateTimePicker::SetTime(Value);
    SyncTimePicker();
}

void TExtDateTimePicker::SetTimeFormat(const String& Value)
{
    if (m_timePicker) m_timePicker->SetFormat(Value);
    if (m_kind == dkTime) SetFormat(Value);
    m_timeFormat = Value;
    SyncTimePicker();
}

void TExtDateTimePicker::SetChecked(bool Value)
{
    TDateTimePicker::SetChecked(Value);
    if (!(ComponentState() & csDesigning) && ShowCheckbox() && m_timePicker)
        m_timePicker->SetEnabled(Enabled() && Checked());
}

void TExtDateTimePicker::SetAutoTab(bool Value)
{
    TCustomDateTimePicker::SetAutoTab(Value);
    if (m_timePicker) m_timePicker->SetAutoTab(Value);
}

void TExtDateTimePicker::SetEnabled(bool Value)
{
    TCustomDateTimePicker::SetEnabled(Value);
    if (m_timePicker) m_timePicker->SetEnabled(Value);
    m_label.FollowEnabled(Value);
}

void TExtDateTimePicker::DoChange()
{
    if (OnChange) OnChange(this);
}

void TExtDateTimePicker::DoClick()
{
    if (OnClick) OnClick(this);
}

void TExtDateTimePicker::TimePickerKeyPress(Char&) {}

void TExtDateTimePicker::NoteValue()
{
    DecodeDay(TDateTimePicker::DateTime(), m_year, m_month, m_day);
    TCustomDateTimePicker::NoteValue();
}

void TExtDateTimePicker::FocusTimePicker()
{
    if (m_timePicker && m_timePicker->CanFocus()) m_timePicker->SetFocus();
}

void TExtDateTimePicker::ShiftFocus()
{
    if (m_kind == dkTime) return TCustomDateTimePicker::ShiftFocus();
    Word y = 0, m = 0, d = 0;
    DecodeDay(TDateTimePicker::DateTime(), y, m, d);
    const bool day = d != m_day, month = m != m_month, year = y != m_year;
    if (!Format().empty()) {
        const Char c = Format().back();
        if ((day && (c == u'd' || c == u'D')) || (month && (c == u'm' || c == u'M')) ||
            (year && (c == u'y' || c == u'Y')))
            FocusTimePicker();
        else if (day || month || year)
            PostNextField();
        return;
    }
    if (day || month)
        PostNextField();
    else if (year)
        FocusTimePicker();
}

void TExtDateTimePicker::DateChangeNotified(TMessage& M)
{
    // The platform's picker has taken the new value before it notifies: the date it had before is
    // the one last seen here.
    Word y0 = 0, m0 = 0, d0 = 0;
    DecodeDay(m_knownDate, y0, m0, d0);
    TCustomDateTimePicker::Dispatch(M);
    m_knownDate = TWMNotify(M).Record<TNMDateTimeChange>().st;
    Word y1 = 0, m1 = 0, d1 = 0;
    DecodeDay(m_knownDate, y1, m1, d1);
    if (y0 != y1 || m0 != m1 || d0 != d1) m_focusTimer->SetEnabled(true);
    if (m_timePicker && !m_ignoreTimePickerCheck) {
        const bool noDate = TWMNotify(M).Record<TNMDateTimeChange>().dwFlags == GDT_NONE;
        m_timePicker->SetEnabled(Enabled() && Checked() && !noDate);
    }
}

void TExtDateTimePicker::CNNotify(TMessage& M)
{
    if (ShowCheckbox() && TWMNotify(M).Code() == DTN_DATETIMECHANGE)
        DateChangeNotified(M);
    else
        TCustomDateTimePicker::Dispatch(M);
    if (ShowCheckbox()) m_ignoreTimePickerCheck = false;
}

void TExtDateTimePicker::CMColorChanged(TMessage& M)
{
    TCustomDateTimePicker::Dispatch(M);
    SyncTimePicker();
}

void TExtDateTimePicker::CMVisibleChanged(TMessage& M)
{
    TCustomDateTimePicker::Dispatch(M);
    if (PickerLabel()) PickerLabel()->SetVisible(Visible());
}

void TExtDateTimePicker::WMFocusChanged(TMessage& M, bool Focused)
{
    TCustomDateTimePicker::Dispatch(M);
    if (FocusLabel && !(ComponentState() & csLoading)) m_label.SetBold(Focused);
}

void TExtDateTimePicker::CMFontChanged(TMessage& M, bool FromParent)
{
    TCustomDateTimePicker::Dispatch(M);
    // The label follows the parent's font; its own font change is the form being built.
    if (PickerLabel() && ParentFont() && (FromParent || (ComponentState() & (csDesigning | csLoading))))
        PickerLabel()->SetFont(Font());
}

void TExtDateTimePicker::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CN_NOTIFY: CNNotify(M); return;
    case CM_COLORCHANGED: CMColorChanged(M); return;
    case CM_VISIBLECHANGED:
    case CM_SHOWINGCHANGED: CMVisibleChanged(M); return;
    case WM_SETFOCUS: WMFocusChanged(M, true); return;
    case WM_KILLFOCUS: WMFocusChanged(M, false); return;
    case CM_FONTCHANGED: CMFontChanged(M, false); return;
    case CM_PARENTFONTCHANGED: CMFontChanged(M, true); return;
    default: TCustomDateTimePicker::Dispatch(M); return;
    }
}

void TExtDateTimePicker::PaintWindow(TCanvas& Canvas)
{
    if (m_firstRun) {
        m_firstRun = false;
        SyncTimePicker();
    }
    TCustomDateTimePicker::PaintWindow(Canvas);
}

void TExtDateTimePicker::Resize()
{
    TCustomDateTimePicker::Resize();
    SyncTimePicker();
}

void TExtDateTimePicker::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (PickerLabel() && PickerLabel()->Parent()) PlaceLabel();
}

void TExtDateTimePicker::SetParent(TWinControl* AParent)
{
    TCustomDateTimePicker::SetParent(AParent);
    if (PickerLabel()) PickerLabel()->SetParent(AParent);
}

// --- the label --------------------------------------------------------------------------------------------

void TExtDateTimePicker::PlaceLabel()
{
    TLabel* label = m_label.Label();
    if (!label) return;
    label->SetTransparent(m_label.Transparent);
    label->SetFont(m_parentFontAtLoad ? Font() : LabelFont());
    m_label.Place(m_label.CaptionTextWidth());
}

void TExtDateTimePicker::SetLabelCaption(const String& Value)
{
    const bool created = !m_label.Label();
    m_label.SetCaption(Value);
    if (created) {
        m_label.Label()->OnClick = [this](TObject*) {
            if (OnLabelClick) OnLabelClick(this);
        };
        m_label.Label()->OnDblClick = [this](TObject*) {
            if (OnLabelDblClick) OnLabelDblClick(this);
        };
    }
    PlaceLabel();
}

void TExtDateTimePicker::SetLabelPosition(TLabelPosition Value)
{
    m_label.Position = Value;
    PlaceLabel();
}

void TExtDateTimePicker::SetLabelMargin(Integer Value)
{
    m_label.Margin = Value;
    PlaceLabel();
}

void TExtDateTimePicker::SetLabelTransparent(bool Value)
{
    m_label.Transparent = Value;
    PlaceLabel();
}

void TExtDateTimePicker::SetLabelAlwaysEnabled(bool Value)
{
    m_label.AlwaysEnabled = Value;
    if (Value && PickerLabel()) PickerLabel()->SetEnabled(true);
}

void TExtDateTimePicker::Loaded()
{
    TCustomDateTimePicker::Loaded();
    if (!(ComponentState() & csDesigning)) {
        CreateTimePicker();
        SyncTimePicker();
        if (!Checked()) {
            SetChecked(false);
            if (m_timePicker) m_timePicker->SetEnabled(false);
        }
    }
    m_label.FollowEnabled(Enabled());
    if (ParentFont() && PickerLabel()) PickerLabel()->SetFont(Font());
    m_parentFontAtLoad = ParentFont();
    PlaceLabel();
}

}  // namespace gw
