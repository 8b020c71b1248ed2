// TUpDown: stepping with wrap and limits, the associate's text, and the two arrow buttons.
#include "platform/controls/up_down.h"

#include "platform/graphics/frame_controls.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/format_settings.h"

namespace gw {

namespace {
String WithThousands(Integer Value)
{
    String digits = IntToStr(Value < 0 ? -int64_t(Value) : Value);
    String out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0 && FormatSettings.ThousandSeparator)
            out += FormatSettings.ThousandSeparator;
        out += digits[i];
    }
    return Value < 0 ? u"-" + out : out;
}
}  // namespace

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 17, 25);
    SetColor(clBtnFace);
}

TUpDown::~TUpDown() { SetAssociate(nullptr); }

void TUpDown::SetMin(Integer Value)
{
    m_min = Value;
    SetPosition(m_position);
}

void TUpDown::SetMax(Integer Value)
{
    m_max = Value;
    SetPosition(m_position);
}

void TUpDown::SetPosition(Integer Value)
{
    Integer lo = std::min(m_min, m_max), hi = std::max(m_min, m_max);
    Value = std::clamp(Value, lo, hi);
    m_position = Value;
    UpdateAssociate();
    Invalidate();
}

void TUpDown::SetOrientation(TUDOrientation Value)
{
    if (m_orientation == Value) return;
    m_orientation = Value;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TUpDown::SetAssociate(TWinControl* Value)
{
    if (m_associate == Value) return;
    if (m_associate) RemoveFreeNotification(m_associate);
    m_associate = Value;
    if (!Value) return;
    FreeNotification(Value);
    PlaceBesideAssociate();
    UpdateAssociate();
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_associate) m_associate = nullptr;
}

void TUpDown::PlaceBesideAssociate()
{
    if (!m_associate) return;
    if (m_associate->Parent() && m_associate->Parent() != Parent()) SetParent(m_associate->Parent());
    Integer w = Width();
    if (AlignButton == udRight)
        SetBounds(m_associate->Left() + m_associate->Width(), m_associate->Top(), w, m_associate->Height());
    else
        SetBounds(m_associate->Left() - w, m_associate->Top(), w, m_associate->Height());
}

void TUpDown::UpdateAssociate()
{
    if (m_associate) m_associate->SetText(Thousands ? WithThousands(m_position) : IntToStr(m_position));
}

void TUpDown::ReadAssociate()
{
    if (!m_associate) return;
    String text;
    for (Char ch : m_associate->Text())
        if (ch != FormatSettings.ThousandSeparator && ch != u' ') text += ch;
    Integer value = 0;
    if (TryStrToInt(text, value)) m_position = std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max));
}

void TUpDown::Step(TUDBtnType Button)
{
    ReadAssociate();
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    // Min may be above Max: then "next" counts down.
    Integer dir = (Button == btNext) == (m_max >= m_min) ? 1 : -1;
    Integer lo = std::min(m_min, m_max), hi = std::max(m_min, m_max);
    Integer next = m_position + dir * Increment;
    if (next > hi)
        next = Wrap ? lo : hi;
    else if (next < lo)
        next = Wrap ? hi : lo;
    SetPosition(next);
    if (OnClick) OnClick(this, Button);
}

TRect TUpDown::ButtonRect(TUDBtnType Button) const
{
    if (m_orientation == udVertical) {
        Integer mid = Height() / 2;
        return Button == btNext ? Rect(0, 0, Width(), mid) : Rect(0, mid, Width(), Height());
    }
    Integer mid = Width() / 2;
    return Button == btNext ? Rect(mid, 0, Width(), Height()) : Rect(0, 0, mid, Height());
}

void TUpDown::Paint()
{
    TCanvas& c = *Canvas();
    for (TUDBtnType b : {btNext, btPrev}) {
        TRect r = ButtonRect(b);
        Cardinal part = m_orientation == udVertical ? (b == btNext ? DFCS_SCROLLUP : DFCS_SCROLLDOWN)
                                                    : (b == btNext ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
        if (m_pressed == Integer(b)) part |= DFCS_PUSHED;
        if (!Enabled()) part |= DFCS_INACTIVE;
        DrawFrameControl(c, r, DFC_SCROLL, part);
    }
}

void TUpDown::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_CANCELMODE:
    case CM_CANCELMODE: CancelPress(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

void TUpDown::CancelPress(TMessage& M)
{
    m_pressed = -1;
    Invalidate();
    TCustomControl::Dispatch(M);
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    TUDBtnType b = PtInRect(ButtonRect(btNext), {X, Y}) ? btNext : btPrev;
    m_pressed = Integer(b);
    Invalidate();
    Step(b);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && m_pressed >= 0) {
        m_pressed = -1;
        Invalidate();
    }
}

}  // namespace gw
