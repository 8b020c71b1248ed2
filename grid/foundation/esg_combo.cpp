// TEsgCustomCombo: colours by focus and flatness, the label, and the painting of button and frame.
#include "grid/foundation/esg_combo.h"

#include "grid/foundation/cell_button_faces.h"
#include "grid/foundation/theme_detection.h"
#include "platform/graphics/frame_controls.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

#include <array>

namespace gw {

namespace {

// The frame of a disabled control that draws with visual styles.
constexpr TColor DisabledFrame = TColor(0xB99D7F);
// Where the design's client area begins inside the combo's sunken edge.
constexpr Integer Edge = 2;

bool MouseButtonDown() { return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0; }

void Frame(TCanvas& C, const TRect& R, TColor Color)
{
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(Color);
    C.FrameRect(R);
}

}  // namespace

void PaintEsgFrame(TCanvas& C, TRect R, const TEsgFrame& F)
{
    if (F.ThemedDisabled) return Frame(C, R, DisabledFrame);
    if (F.BorderColor != clNone && (!F.Focused || F.FocusBorderColor == clNone)) return Frame(C, R, F.BorderColor);
    if (F.FocusBorderColor != clNone) {
        if (F.Focused) Frame(C, R, F.FocusBorderColor);
        return;
    }
    const TColor outer = F.Hot ? clBtnFace : F.ParentColor;
    const Integer y = R.Bottom - 1;
    if (F.Hot) {
        DrawEdge(C, R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        Frame(C, R, outer);
        InflateRect(R, -1, -1);
        Frame(C, R, F.Color);
    } else {
        Frame(C, R, outer);
        InflateRect(R, -1, -1);
        R.Right -= F.ButtonWidth;
        Frame(C, R, outer);
        InflateRect(R, -1, -1);
        Frame(C, R, F.Color);
    }
    if (F.FlatLineColor == clNone) return;
    C.Pen()->SetStyle(psSolid);
    C.Pen()->SetColor(F.FlatLineColor);
    C.MoveTo(R.Left - 2, y);
    C.LineTo(R.Right - F.ButtonWidth - 1, y);
}

void PaintColouredDropButton(TCanvas& C, const TRect& R, TColor Face, TColor Border, TColor Arrow,
                             const std::array<TPoint, 3>& Corners)
{
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(Face);
    C.FillRect(R);
    C.Pen()->SetStyle(psSolid);
    if (Border != clNone) {
        C.Pen()->SetColor(Border);
        C.MoveTo(R.Left, R.Top);
        C.LineTo(R.Left, R.Bottom);
    }
    if (Arrow == clNone) return;
    C.Pen()->SetColor(Arrow);
    C.Brush()->SetColor(Arrow);
    std::array<TPoint, 3> points = Corners;
    for (TPoint& p : points) p = {R.Left + p.X, R.Top + p.Y};
    C.Polygon(points);
}

TEsgCustomCombo::TEsgCustomCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), m_buttonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2), m_isThemed(IsComCtl6()),
      m_label(*this)
{
    LabelFont()->OnChange = [this](TObject*) { LabelFontChanged(); };
}

TEsgCustomCombo::~TEsgCustomCombo() { LabelFont()->OnChange = nullptr; }

void TEsgCustomCombo::SelectItem(const String& AString)
{
    const Integer i = Items()->IndexOf(AString);
    if (i >= 0) SetItemIndex(i);
}

void TEsgCustomCombo::Init() { m_normalColor = Color(); }

// --- properties ------------------------------------------------------------------------------------

void TEsgCustomCombo::SetButtonWidth(Integer Value)
{
    if (Value < 14 || Value > 32) return;
    m_buttonWidth = Value;
    Invalidate();
}

void TEsgCustomCombo::SetFlat(bool Value)
{
    if (m_flat == Value) return;
    m_flat = Value;
    if (m_flatParentColor && m_flat) {
        if (Parent()) SetColor(Parent()->Color());
    } else {
        SetColor(m_loadedColor);
    }
    Invalidate();
}

void TEsgCustomCombo::SetEtched(bool Value)
{
    m_etched = Value;
    Invalidate();
}

void TEsgCustomCombo::SetDropWidth(Integer Value)
{
    m_dropWidth = Value;
    if (Value > 0) Perform(CB_SETDROPPEDWIDTH, WPARAM(Value));
}

void TEsgCustomCombo::SetBorderColor(TColor Value)
{
    if (m_borderColor == Value) return;
    m_borderColor = Value;
    Invalidate();
}

void TEsgCustomCombo::SetFlatLineColor(TColor Value)
{
    m_flatLineColor = Value;
    Invalidate();
}

void TEsgCustomCombo::SetFlatParentColor(bool Value)
{
    m_flatParentColor = Value;
    Invalidate();
}

void TEsgCustomCombo::SetEnabled(bool Value)
{
    const bool changed = Value != Enabled();
    TCustomComboBox::SetEnabled(Value);
    if (!changed || Loading() || Designing()) return;
    m_label.FollowEnabled(Value);
    PlaceLabel();
}

void TEsgCustomCombo::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!IsDestroying()) PlaceLabel();
}

// --- the label ---------------------------------------------------------------------------------------

void TEsgCustomCombo::PlaceLabel()
{
    TLabel* label = m_label.Label();
    if (!label) return;
    label->SetTransparent(m_label.Transparent);
    if (!ParentFont()) label->SetFont(LabelFont());
    m_label.Place(m_label.DrawnCaptionWidth());
}

void TEsgCustomCombo::SetLabelCaption(const String& Value)
{
    m_label.SetCaption(Value);
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelPosition(TLabelPosition Value)
{
    m_label.Position = Value;
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelMargin(Integer Value)
{
    m_label.Margin = Value;
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelTransparent(bool Value)
{
    m_label.Transparent = Value;
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool Value)
{
    m_label.AlwaysEnabled = Value;
    if (Value && ComboLabel()) ComboLabel()->SetEnabled(true);
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelFont(TFont* Value)
{
    if (!ParentFont()) LabelFont()->Assign(Value);
}

void TEsgCustomCombo::LabelFontChanged()
{
    PlaceLabel();
    if (Designing() && !Loading()) SetParentFont(false);
}

void TEsgCustomCombo::Loaded()
{
    TCustomComboBox::Loaded();
    if (m_dropWidth > 0) Perform(CB_SETDROPPEDWIDTH, WPARAM(m_dropWidth));
    m_oldColor = m_loadedColor;
    if (!m_flatParentColor || m_flat) SetColor(m_loadedColor);
    m_label.FollowEnabled(Enabled());
    if (ParentFont() && ComboLabel()) ComboLabel()->SetFont(Font());
    PlaceLabel();
    Init();
}

// --- focus, mouse and list ---------------------------------------------------------------------------------

bool TEsgCustomCombo::IsActiveControl() const
{
    const TCustomForm* form = GetParentForm(this);
    return form && form->ActiveControl() == this;
}

bool TEsgCustomCombo::Hot() const { return FocusBorder && !Designing() && (m_mouseInControl || IsActiveControl()); }

void TEsgCustomCombo::FocusEnter()
{
    if (Designing()) return;
    m_hasFocus = true;
    Invalidate();
    if (FocusColor != clNone) SetColor(FocusColor);
    if (FocusLabel) m_label.SetBold(true);
}

void TEsgCustomCombo::FocusExit()
{
    if (Designing()) return;
    m_hasFocus = false;
    Invalidate();
    if (FocusColor != clNone && m_normalColor != clNone) SetColor(m_normalColor);
    if (FocusLabel) m_label.SetBold(false);
}

void TEsgCustomCombo::MouseEnter()
{
    if (!Enabled() || m_mouseInControl) return;
    m_mouseInControl = true;
    Invalidate();
    if (AutoFocus && !Designing() && CanFocus()) {
        const TCustomForm* form = GetParentForm(this);
        if (!form || form->HandleIfAllocated() == GetActiveWindow()) SetFocus();
    }
}

void TEsgCustomCombo::MouseLeave()
{
    if (Enabled()) m_mouseInControl = false;
    m_buttonHover = false;
    Invalidate();
}

void TEsgCustomCombo::TrackButtonHover(Integer X)
{
    const bool hover = Width() - m_buttonWidth < X && X < Width();
    if (hover == m_buttonHover) return;
    m_buttonHover = hover;
    Invalidate();
}

void TEsgCustomCombo::InvalidateButton()
{
    if (!HandleAllocated()) return;
    const TRect r = Rect(Width() - m_buttonWidth, 0, Width(), Height());
    InvalidateRect(Handle(), &r, false);
}

void TEsgCustomCombo::DropDown()
{
    InvalidateButton();
    TCustomComboBox::DropDown();
}

void TEsgCustomCombo::CloseUp()
{
    InvalidateButton();
    TCustomComboBox::CloseUp();
    if (OnDropUp) OnDropUp(this);
}

void TEsgCustomCombo::EnabledChanged()
{
    if (!m_flat || Loading()) return;
    if (!Enabled()) {
        m_oldColor = Color();
        m_oldParentColor = ParentColor();
        if (Parent()) SetColor(Parent()->Color());
    } else {
        SetColor(m_oldColor);
        SetParentColor(m_oldParentColor);
    }
}

void TEsgCustomCombo::WMSetFocus(TMessage& M)
{
    TCustomComboBox::Dispatch(M);
    FocusEnter();
}

void TEsgCustomCombo::WMKillFocus(TMessage& M)
{
    TCustomComboBox::Dispatch(M);
    FocusExit();
}

void TEsgCustomCombo::ColorChanged()
{
    if (Loading()) m_loadedColor = Color();
}

void TEsgCustomCombo::CMVisibleChanged(TMessage& M)
{
    TCustomComboBox::Dispatch(M);
    PlaceLabel();
}

void TEsgCustomCombo::CMFontChanged(TMessage& M)
{
    TCustomComboBox::Dispatch(M);
    if ((Designing() || Loading()) && ParentFont() && ComboLabel()) ComboLabel()->SetFont(Font());
}

void TEsgCustomCombo::ParentFontChanged(TMessage& M)
{
    TCustomComboBox::Dispatch(M);
    if (ParentFont() && ComboLabel()) ComboLabel()->SetFont(Font());
    PlaceLabel();
}

void TEsgCustomCombo::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_ENTER: FocusEnter(); break;
    case CM_EXIT: FocusExit(); break;
    case WM_SETFOCUS: WMSetFocus(M); return;
    case WM_KILLFOCUS: WMKillFocus(M); return;
    case CM_MOUSEENTER: MouseEnter(); break;
    case CM_MOUSELEAVE: MouseLeave(); break;
    case WM_MOUSEMOVE: TrackButtonHover(TWMMouse(M).Pos.X); break;
    case CM_ENABLEDCHANGED: EnabledChanged(); break;
    case CM_COLORCHANGED: ColorChanged(); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(M); return;
    case CM_FONTCHANGED: CMFontChanged(M); return;
    case CM_PARENTFONTCHANGED: ParentFontChanged(M); return;
    default: break;
    }
    TCustomComboBox::Dispatch(M);
}

// --- painting ---------------------------------------------------------------------------------------------

bool TEsgCustomCombo::CustomPainted() const
{
    return m_flat || ButtonColor != clNone || m_borderColor != clNone || (FocusBorderColor != clNone && Focused()) ||
        (!Enabled() && VisualStylesActive() && !DisabledBorder);
}

TRect TEsgCustomCombo::DropButtonRect() const
{
    // In the design's client coordinates: the window rectangle at the origin, its left edge at
    // ClientWidth - ButtonWidth + 2, one pixel in on every side; then moved inside the edge.
    const Integer clientWidth = Width() - 2 * Edge;
    TRect r = Rect(clientWidth - m_buttonWidth + 2, 0, Width(), Height());
    InflateRect(r, -1, -1);
    OffsetRect(r, Edge, Edge);
    return r;
}

void TEsgCustomCombo::PaintButton(TCanvas& C)
{
    TRect r = DropButtonRect();
    if (ButtonColor == clNone && VisualStylesActive()) {
        TCellButtonState state = TCellButtonState::Normal;
        if (!Enabled())
            state = TCellButtonState::Disabled;
        else if (MouseButtonDown() && DroppedDown())
            state = TCellButtonState::Pressed;
        else if (m_buttonHover && !DroppedDown())
            state = TCellButtonState::Hot;
        DrawComboDropButton(C, HandleIfAllocated(), r, TCellButtonLook::Themed, state, {});
    } else if (ButtonColor == clNone) {
        r.Left -= 4;
        r.Top += 1;
        r.Bottom -= 1;
        DrawFrameControl(C, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    } else {
        const bool down = MouseButtonDown() && m_buttonHover;
        const TColor face = down ? ButtonColorDown : m_buttonHover ? ButtonColorHot : ButtonColor;
        r = Rect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        const TColor arrow = MouseButtonDown() ? ButtonTextColorDown : ButtonTextColor;
        PaintColouredDropButton(C, r, face, ButtonBorderColor, arrow, {TPoint{4, 7}, {10, 7}, {7, 10}});
    }
}

void TEsgCustomCombo::PaintButtonSurround(TCanvas& C)
{
    const Integer clientWidth = Width() - 2 * Edge, clientHeight = Height() - 2 * Edge;
    C.ExcludeClipRect(Rect(clientWidth - m_buttonWidth + 4, 4, clientWidth - 4, clientHeight - 4));
    TRect r = Rect(clientWidth - m_buttonWidth - 2, 0, Width(), Height());
    InflateRect(r, -2, -2);
    const bool shown = Designing() ? Enabled() : (m_mouseInControl || IsActiveControl());
    if (!shown) {
        r = Rect(r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1);
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(clBtnFace);
        C.FillRect(r);
    }
    C.ExcludeClipRect(r);
}

void TEsgCustomCombo::PaintFrame(TCanvas& C)
{
    if (Enabled() && !m_flat && m_borderColor == clNone && FocusBorderColor == clNone) return;
    if (IsVista && m_borderColor == clNone) return;
    TEsgFrame f;
    f.Enabled = Enabled();
    f.ThemedDisabled = !Enabled() && m_isThemed && !DisabledBorder;
    f.Focused = Focused();
    f.Hot = Hot();
    f.BorderColor = m_borderColor;
    f.FocusBorderColor = FocusBorderColor;
    f.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    f.Color = Color();
    f.FlatLineColor = m_flat ? m_flatLineColor : clNone;
    f.ButtonWidth = m_buttonWidth;
    PaintEsgFrame(C, Rect(0, 0, Width(), Height()), f);
    if (Style() != csSimple && (!IsWinXP || !VisualStylesActive())) PaintButtonSurround(C);
}

void TEsgCustomCombo::PaintWindow(TCanvas& Canvas)
{
    if ((IsVista && ButtonColor == clNone) || !CustomPainted()) return TCustomComboBox::PaintWindow(Canvas);
    {
        const Integer saved = Canvas.SaveDC();
        if (Style() != csSimple) {
            // The design's client area: inside the edge, which the button may not cross.
            Canvas.IntersectClipRect(Rect(Edge, Edge, Width() - Edge, Height() - Edge));
            Canvas.Brush()->SetStyle(bsSolid);
            Canvas.Brush()->SetColor(Color());
            Canvas.FillRect(Rect(Edge, Edge, Width() - Edge, Height() - Edge));
            PaintButton(Canvas);
            const Integer clientWidth = Width() - 2 * Edge;
            Canvas.ExcludeClipRect(Rect(Edge + clientWidth - m_buttonWidth - 4, 0, Width(), Height()));
        }
        TCustomComboBox::PaintWindow(Canvas);
        Canvas.RestoreDC(saved);
    }
    const Integer saved = Canvas.SaveDC();
    PaintFrame(Canvas);
    Canvas.RestoreDC(saved);
}

}  // namespace gw
