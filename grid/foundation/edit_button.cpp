// The edit with a button: the button's host and look, the edit's layout, keys and click.
#include "grid/foundation/edit_button.h"

#include "grid/foundation/cell_button_faces.h"
#include "grid/foundation/theme_detection.h"
#include "platform/graphics/frame_controls.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_system.h"

namespace gw {

// --- TExtSpeedButton ------------------------------------------------------------------------------

TExtSpeedButton::TExtSpeedButton(TComponent* AOwner, TEsgEditButton* Host) : TSpeedButton(AOwner), m_host(Host) {}

void TExtSpeedButton::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_MOUSEENTER: CMMouseEnterLeave(M, true); return;
    case CM_MOUSELEAVE: CMMouseEnterLeave(M, false); return;
    default: TSpeedButton::Dispatch(M); return;
    }
}

void TExtSpeedButton::CMMouseEnterLeave(TMessage& M, bool Enter)
{
    FHot = Enter;
    Invalidate();
    TSpeedButton::Dispatch(M);
}

void TExtSpeedButton::PaintFace(TCanvas& C, TRect& R, bool Down)
{
    if (m_host && m_host->ButtonColor != clNone) {
        FFlat = true;
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(Down ? m_host->ButtonColorDown : FHot ? m_host->ButtonColorHot : m_host->ButtonColor);
        C.FillRect(R);
        return;
    }
    if (FIsWinXP && VisualStylesActive()) {
        const TCellButtonState state = Down ? TCellButtonState::Pressed
            : FHot                          ? TCellButtonState::Hot
                                            : TCellButtonState::Normal;
        DrawCellButtonFace(C, Parent() ? Parent()->HandleIfAllocated() : 0, R, TCellButtonLook::Themed, state, {});
        return;
    }
    if (FFlat) {
        TRect e = R;
        DrawEdge(C, e, Down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
        InflateRect(R, -1, -1);
        return;
    }
    DrawFrameControl(C, R, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Down ? DFCS_PUSHED : 0));
}

void TExtSpeedButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    const bool down = m_state == bsDown || m_state == bsExclusive;
    PaintFace(c, r, down);
    const Integer shift = down ? 1 : 0;
    if (!Glyph()->Empty()) {
        const Integer w = Glyph()->Width() / NumGlyphs(), h = Glyph()->Height();
        const Integer x = w < Width() ? (Width() - w) / 2 : 0;
        const Integer y = h < Height() ? (Height() - h) / 2 : 0;
        DrawGlyph(c, {x + shift, y + shift}, m_state);
    }
    if (Caption().empty()) return;
    TRect text = r;
    OffsetRect(text, shift, shift);
    c.Font()->Assign(Font());
    c.Font()->SetColor(clBlack);
    c.Brush()->SetStyle(bsClear);
    c.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// --- TEsgEditButton --------------------------------------------------------------------------------

TEsgEditButton::TEsgEditButton(TComponent* AOwner) : TWinControl(AOwner)
{
    ControlStyle = (ControlStyle & ~Cardinal(csAcceptsControls | csSetCaption)) | csOpaque;
    m_button = new TExtSpeedButton(this, this);
    m_button->SetParent(this);
    m_button->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, Integer X, Integer Y) {
        BtnMouseUp(Button, {X, Y});
    };
    SetBounds(0, 0, 20, 25);
}

TEsgEditButton::~TEsgEditButton() = default;

void TEsgEditButton::AdjustSize()
{
    if (m_button && !(ComponentState() & csLoading)) m_button->SetBounds(0, 0, Width(), Height());
}

void TEsgEditButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    AdjustSize();
}

void TEsgEditButton::Loaded()
{
    TWinControl::Loaded();
    AdjustSize();
}

void TEsgEditButton::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_SIZE: WMSize(M); return;
    default: TWinControl::Dispatch(M); return;
    }
}

void TEsgEditButton::WMSize(TMessage& M)
{
    TWinControl::Dispatch(M);
    AdjustSize();
}

void TEsgEditButton::SetFocusControl(TWinControl* Value)
{
    m_focusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TEsgEditButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_focusControl) m_focusControl = nullptr;
}

void TEsgEditButton::SetFlat(bool Value)
{
    m_button->FFlat = Value;
    m_button->Invalidate();
}

void TEsgEditButton::BtnMouseUp(TMouseButton Button, TPoint At)
{
    if (Button != mbLeft) return;
    if (OnClick && PtInRect(m_button->ClientRect(), At)) OnClick(this);
    if (m_focusControl && m_focusControl->TabStop() && m_focusControl->CanFocus() && !m_focusControl->Focused())
        m_focusControl->SetFocus();
    else if (TabStop() && CanFocus())
        SetFocus();
}

// --- TEsgEditBtn -------------------------------------------------------------------------------------

TEsgEditBtn::TEsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    m_host = new TEsgEditButton(this);
    m_host->SetBounds(0, 0, 18, 18);
    m_host->SetCursor(crArrow);
    m_host->SetParent(this);
    m_host->SetFocusControl(this);
    m_host->OnClick = [this](TObject*) { DoClickBtn(); };
    SetText(u"0");
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

TEsgEditBtn::~TEsgEditBtn() { m_host->OnClick = nullptr; }

void TEsgEditBtn::DoClickBtn()
{
    if (OnClickBtn) OnClickBtn(this);
}

Cardinal TEsgEditBtn::EditStyle() const
{
    return TCustomMaskEdit::EditStyle() | WS_CLIPCHILDREN | (m_rightAlign ? Cardinal(ES_RIGHT) : 0);
}

void TEsgEditBtn::SetRightAlign(bool Value)
{
    if (m_rightAlign == Value) return;
    m_rightAlign = Value;
    StyleChanged();
    SetEditRect();
}

void TEsgEditBtn::SetButtonWidth(Integer Value)
{
    m_buttonWidth = Value;
    m_host->SetWidth(Value);
    PlaceButton();
    SetEditRect();
}

void TEsgEditBtn::SetIsWinXP(bool Value)
{
    m_isWinXP = Value;
    m_host->Button()->FIsWinXP = Value;
    m_host->Button()->Invalidate();
}

void TEsgEditBtn::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
}

Integer TEsgEditBtn::GetMinHeight() const
{
    TCanvas measure;
    measure.SetFont(Font());
    const Integer own = measure.GetTextMetrics().tmHeight;
    TFont system;
    measure.SetFont(&system);
    return own + std::min(own, measure.GetTextMetrics().tmHeight) / 4;
}

void TEsgEditBtn::SetEditRect()
{
    const Integer b = Inset(), m = BorderStyle() == bsSingle ? 1 : 3;
    const Integer clientWidth = Width() - 2 * b, clientHeight = Height() - 2 * b;
    Integer right = clientWidth - (m_host->Width() + m_unitSpace + 5);
    if (m_unitSpace > 0) right -= 3;
    const TRect r = Rect(b + m, b + m, b + right, b + clientHeight + 1);
    Perform(EM_SETRECTNP, 0, LPARAM(&r));
}

void TEsgEditBtn::PlaceButton()
{
    const Integer n = BorderStyle() == bsNone ? 1 : 0, b = Inset();
    m_host->SetBounds(b + Width() + 4 * n - m_host->Width() - 5, b, m_host->Width(), Height() + 4 * n - 5);
}

void TEsgEditBtn::Resize()
{
    TCustomMaskEdit::Resize();
    if (Height() < GetMinHeight()) return SetHeight(GetMinHeight());
    PlaceButton();
    SetEditRect();
}

void TEsgEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !(Shift & (ssCtrl | ssAlt))) DoClickBtn();
}

void TEsgEditBtn::DoEnter()
{
    if (AutoSelect && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    TCustomMaskEdit::DoEnter();
}

void TEsgEditBtn::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_CHAR: WMChar(M); return;
    case WM_PASTE:
    case WM_CUT: WMCutPaste(M); return;
    default: TCustomMaskEdit::Dispatch(M); return;
    }
}

void TEsgEditBtn::WMChar(TMessage& M)
{
    if (EditorEnabled) TCustomMaskEdit::Dispatch(M);
}

void TEsgEditBtn::WMCutPaste(TMessage& M)
{
    if (EditorEnabled && !ReadOnly()) TCustomMaskEdit::Dispatch(M);
}

}  // namespace gw
