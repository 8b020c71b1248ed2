// The spin editor's arrow pair: layout, focus, keys, repeat and the arrows' painting.
#include "grid/foundation/spin_button.h"

#include "platform/graphics/frame_controls.h"
#include "platform/runtime/scope.h"
#include "platform/ui/window_system.h"

#include <array>

namespace gw {

// --- TExtTimerSpeedButton ------------------------------------------------------------------------

TExtTimerSpeedButton::TExtTimerSpeedButton(TComponent* AOwner, TEsgSpinButton* Host)
    : TSpeedButton(AOwner), m_host(Host)
{
}

TExtTimerSpeedButton::~TExtTimerSpeedButton() = default;

void TExtTimerSpeedButton::Click()
{
    // The speed button's click on release: the press has clicked already when it repeats.
    if (m_releasing && (TimeBtnState & tbAllowTimer)) return;
    TSpeedButton::Click();
}

void TExtTimerSpeedButton::InvalidateParent()
{
    if (Parent()) Parent()->Invalidate();
}

void TExtTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled() && (TimeBtnState & tbAllowTimer)) {
        if (!m_repeatTimer) {
            m_repeatTimer = new TTimer(this);
            m_repeatTimer->OnTimer = [this](TObject*) { TimerExpired(); };
        }
        m_repeatTimer->SetEnabled(false);
        m_repeatTimer->SetInterval(400);
        m_repeatTimer->SetEnabled(true);
        Click();
    }
    InvalidateParent();
}

void TExtTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    {
        const TTemporaryChange<bool> releasing(m_releasing, true);
        TSpeedButton::MouseUp(Button, Shift, X, Y);
    }
    if (m_repeatTimer) m_repeatTimer->SetEnabled(false);
    InvalidateParent();
}

void TExtTimerSpeedButton::TimerExpired()
{
    m_repeatTimer->SetInterval(100);
    if (m_state != bsDown || !MouseCapture()) return;
    // A click that raises stops the repeat; the exception goes on to the caller.
    TScopeExit stop{[this] { m_repeatTimer->SetEnabled(false); }};
    Click();
    stop.Release();
}

void TExtTimerSpeedButton::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CM_MOUSEENTER: CMMouseEnterLeave(M, true); return;
    case CM_MOUSELEAVE: CMMouseEnterLeave(M, false); return;
    default: TSpeedButton::Dispatch(M); return;
    }
}

void TExtTimerSpeedButton::CMMouseEnterLeave(TMessage& M, bool Enter)
{
    m_mouseOver = Enter;
    Invalidate();
    TSpeedButton::Dispatch(M);
}

void TExtTimerSpeedButton::PaintColoured(TCanvas& C)
{
    const TRect r = ClientRect();
    const bool down = m_state == bsDown || m_state == bsExclusive;
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(down ? m_host->ButtonColorDown : m_mouseOver ? m_host->ButtonColorHot : m_host->ButtonColor);
    C.FillRect(r);
    std::array<TPoint, 3> arrow;
    switch (ButtonDirection) {
    case bdLeft: arrow = {TPoint{5, 5}, {3, 7}, {5, 9}}; break;
    case bdRight: arrow = {TPoint{3, 5}, {5, 7}, {3, 9}}; break;
    case bdUp: arrow = {TPoint{4, 4}, {8, 4}, {6, 2}}; break;
    case bdDown: arrow = {TPoint{4, 2}, {8, 2}, {6, 4}}; break;
    }
    for (TPoint& p : arrow) p = {p.X + r.Left, p.Y + r.Top};
    C.Pen()->SetStyle(psSolid);
    C.Pen()->SetColor(clBlack);
    C.Brush()->SetColor(clBlack);
    C.Polygon(arrow);
}

void TExtTimerSpeedButton::Paint()
{
    if (m_host && m_host->ButtonColor != clNone) return PaintColoured(*Canvas());
    // Themed arrows need the visual-style library, which the platform lacks: the classic look
    // stands in for them.
    if (ButtonDirection == bdLeft || ButtonDirection == bdRight) {
        const bool down = m_state == bsDown || m_state == bsExclusive;
        TRect r = ClientRect();
        DrawFrameControl(*Canvas(), r, DFC_SCROLL,
                         (ButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT) | (down ? DFCS_PUSHED : 0) |
                             (Flat() ? DFCS_FLAT : 0));
        return;
    }
    TSpeedButton::Paint();
}

// --- TEsgSpinButton ------------------------------------------------------------------------------

TEsgSpinButton::TEsgSpinButton(TComponent* AOwner) : TWinControl(AOwner)
{
    ControlStyle = (ControlStyle & ~Cardinal(csAcceptsControls | csSetCaption)) | csOpaque;
    m_upButton = CreateButton(bdUp, u"EsgSpinUp");
    m_downButton = CreateButton(bdDown, u"EsgSpinDown");
    m_focusedButton = m_upButton;
    SetBounds(0, 0, 15, 25);
}

TEsgSpinButton::~TEsgSpinButton() = default;

TExtTimerSpeedButton* TEsgSpinButton::CreateButton(TButtonDirection Direction, const char16_t* Glyph)
{
    auto* b = new TExtTimerSpeedButton(this, this);
    b->ButtonDirection = Direction;
    b->TimeBtnState = tbAllowTimer;
    b->SetParent(this);
    TBitmap picture;
    picture.LoadFromResourceName(Glyph);
    b->SetGlyph(&picture);
    b->SetNumGlyphs(1);
    b->OnClick = [this](TObject* Sender) { BtnClick(Sender); };
    b->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState, Integer, Integer) {
        BtnMouseDown(Sender, Button);
    };
    return b;
}

void TEsgSpinButton::AdjustSize(Integer& W, Integer& H)
{
    if (!m_upButton || !m_downButton || (ComponentState() & csLoading)) return;
    if (m_direction == spVertical) {
        W = std::max(W, 15);
        const Integer upHeight = H / 2;
        m_upButton->SetBounds(0, 0, W, upHeight);
        m_downButton->SetBounds(0, upHeight - 1, W, H - upHeight + 1);
    } else {
        W = std::max(W, 20);
        m_downButton->SetBounds(0, 0, W / 2, H);
        m_upButton->SetBounds(W / 2 + 1, 0, W / 2, H);
    }
}

void TEsgSpinButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    AdjustSize(AWidth, AHeight);
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TEsgSpinButton::Loaded()
{
    TWinControl::Loaded();
    Integer w = Width(), h = Height();
    AdjustSize(w, h);
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

void TEsgSpinButton::SetDirection(TSpinDirection Value)
{
    if (m_direction == Value) return;
    m_direction = Value;
    const bool horizontal = Value == spHorizontal;
    m_upButton->ButtonDirection = horizontal ? bdRight : bdUp;
    m_downButton->ButtonDirection = horizontal ? bdLeft : bdDown;
    SetBounds(Left(), Top(), horizontal ? 20 : 15, Height());
    if (HandleAllocated()) RecreateWnd();
    Invalidate();
}

void TEsgSpinButton::SetFocusControl(TWinControl* Value)
{
    m_focusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TEsgSpinButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_focusControl) m_focusControl = nullptr;
}

void TEsgSpinButton::SetUpGlyph(TBitmap* Value)
{
    if (Value) {
        m_upButton->SetGlyph(Value);
        return;
    }
    TBitmap picture;
    picture.LoadFromResourceName(u"EsgSpinUp");
    m_upButton->SetGlyph(&picture);
    m_upButton->SetNumGlyphs(1);
}

void TEsgSpinButton::SetDownGlyph(TBitmap* Value)
{
    if (Value) {
        m_downButton->SetGlyph(Value);
        return;
    }
    TBitmap picture;
    picture.LoadFromResourceName(u"EsgSpinDown");
    m_downButton->SetGlyph(&picture);
    m_downButton->SetNumGlyphs(1);
}

void TEsgSpinButton::SetIsWinXP(bool Value)
{
    m_isWinXP = Value;
    m_downButton->IsWinXP = Value;
    m_focusedButton->IsWinXP = Value;
}

void TEsgSpinButton::SetFocusBtn(TExtTimerSpeedButton* Button)
{
    if (!TabStop() || !CanFocus() || Button == m_focusedButton) return;
    m_focusedButton->TimeBtnState &= ~TTimeBtnState(tbFocusRect);
    m_focusedButton = Button;
    if (Focused()) {
        m_focusedButton->TimeBtnState |= tbFocusRect;
        Invalidate();
    }
}

void TEsgSpinButton::BtnMouseDown(TObject* Sender, TMouseButton Button)
{
    if (Button != mbLeft) return;
    SetFocusBtn(static_cast<TExtTimerSpeedButton*>(Sender));
    if (m_focusControl && m_focusControl->TabStop() && m_focusControl->CanFocus() && !m_focusControl->Focused())
        m_focusControl->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

void TEsgSpinButton::BtnClick(TObject* Sender)
{
    if (Sender == m_upButton) {
        if (OnUpClick) OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

void TEsgSpinButton::KeyDown(Word& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_SPACE: m_focusedButton->Click(); break;
    case VK_UP:
        SetFocusBtn(m_upButton);
        m_upButton->Click();
        break;
    case VK_DOWN:
        SetFocusBtn(m_downButton);
        m_downButton->Click();
        break;
    default: break;
    }
    TWinControl::KeyDown(Key, Shift);
}

void TEsgSpinButton::FocusChanged(bool Focused)
{
    if (Focused)
        m_focusedButton->TimeBtnState |= tbFocusRect;
    else
        m_focusedButton->TimeBtnState &= ~TTimeBtnState(tbFocusRect);
    m_focusedButton->Invalidate();
}

void TEsgSpinButton::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_SETFOCUS: WMFocusChanged(M, true); return;
    case WM_KILLFOCUS: WMFocusChanged(M, false); return;
    case WM_SIZE: WMSize(M); return;
    default: TWinControl::Dispatch(M); return;
    }
}

void TEsgSpinButton::WMFocusChanged(TMessage& M, bool Focused)
{
    TWinControl::Dispatch(M);
    FocusChanged(Focused);
}

void TEsgSpinButton::WMSize(TMessage& M)
{
    TWinControl::Dispatch(M);
    Integer w = Width(), h = Height();
    AdjustSize(w, h);
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

void TEsgSpinButton::PaintWindow(TCanvas& Canvas)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.FillRect(ClientRect());
}

}  // namespace gw
