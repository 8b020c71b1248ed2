// TScrollBar: scroll requests, keys and dragging the thumb.
#include "platform/controls/scroll_bar.h"

#include "platform/runtime/exceptions.h"

#include <algorithm>

namespace gw {

// --- TScrollBar --------------------------------------------------------------------------------------------

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 121, 17);
    SetTabStop(true);
    SetColor(clScrollBar);
}

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (m_kind == Value) return;
    m_kind = Value;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TScrollBar::SetPageSize(Integer Value)
{
    Value = std::max(0, Value);
    if (m_pageSize == Value) return;
    m_pageSize = Value;
    SetParams(m_position, m_min, m_max);
    Invalidate();
}

void TScrollBar::SetParams(Integer APosition, Integer AMin, Integer AMax)
{
    if (AMax < AMin) throw EInvalidOperation(u"Scroll bar property out of range");
    TScrollBarLayout l;
    l.Min = AMin;
    l.Max = AMax;
    l.PageSize = m_pageSize;
    APosition = std::clamp(APosition, AMin, l.MaxPosition());
    bool changed = APosition != m_position;
    if (AMin != m_min || AMax != m_max || changed) Invalidate();
    m_min = AMin;
    m_max = AMax;
    m_position = APosition;
    if (changed) Change();
}

void TScrollBar::Change()
{
    if (OnChange) OnChange(this);
}

TScrollBarLayout TScrollBar::Layout() const
{
    TScrollBarLayout l;
    l.Length = m_kind == sbHorizontal ? Width() : Height();
    l.Thickness = m_kind == sbHorizontal ? Height() : Width();
    l.Min = m_min;
    l.Max = m_max;
    l.PageSize = m_pageSize;
    l.Position = m_position;
    return l;
}

void TScrollBar::DoScroll(Word Code, Integer ThumbPos)
{
    Integer pos = m_position;
    TScrollCode code = scEndScroll;
    switch (Code) {
    case SB_LINEUP:
        pos -= SmallChange;
        code = scLineUp;
        break;
    case SB_LINEDOWN:
        pos += SmallChange;
        code = scLineDown;
        break;
    case SB_PAGEUP:
        pos -= LargeChange;
        code = scPageUp;
        break;
    case SB_PAGEDOWN:
        pos += LargeChange;
        code = scPageDown;
        break;
    case SB_THUMBPOSITION:
        pos = ThumbPos;
        code = scPosition;
        break;
    case SB_THUMBTRACK:
        pos = ThumbPos;
        code = scTrack;
        break;
    case SB_TOP:
        pos = m_min;
        code = scTop;
        break;
    case SB_BOTTOM:
        pos = m_max;
        code = scBottom;
        break;
    case SB_ENDSCROLL: code = scEndScroll; break;
    default: return;
    }
    pos = std::clamp(pos, m_min, Layout().MaxPosition());
    if (OnScroll) OnScroll(this, code, pos);
    SetPosition(pos);
}

void TScrollBar::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case CN_HSCROLL:
    case CN_VSCROLL: DoScroll(TWMScroll(M).Code, TWMScroll(M).Pos); return;
    case WM_CANCELMODE:
    case CM_CANCELMODE: CancelPress(M); return;
    default: TCustomControl::Dispatch(M); return;
    }
}

void TScrollBar::CancelPress(TMessage& M)
{
    if (m_pressed != TScrollBarPart::None) {
        m_pressed = TScrollBarPart::None;
        SetMouseCapture(false);
        Invalidate();
    }
    TCustomControl::Dispatch(M);
}

void TScrollBar::Paint() { DrawScrollBar(*Canvas(), ClientRect(), m_kind, Layout(), Enabled(), m_pressed); }

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    TScrollBarLayout l = Layout();
    m_pressed = l.PartAt(Along(X, Y));
    switch (m_pressed) {
    case TScrollBarPart::StartArrow: DoScroll(SB_LINEUP, 0); break;
    case TScrollBarPart::EndArrow: DoScroll(SB_LINEDOWN, 0); break;
    case TScrollBarPart::StartPage: DoScroll(SB_PAGEUP, 0); break;
    case TScrollBarPart::EndPage: DoScroll(SB_PAGEDOWN, 0); break;
    case TScrollBarPart::Thumb: m_dragOffset = Along(X, Y) - l.ThumbStart(); break;
    case TScrollBarPart::None: break;
    }
    Invalidate();
}

void TScrollBar::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (m_pressed != TScrollBarPart::Thumb) return;
    Integer pos = Layout().PositionAt(Along(X, Y) - m_dragOffset);
    if (pos != m_position) DoScroll(SB_THUMBTRACK, pos);
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || m_pressed == TScrollBarPart::None) return;
    if (m_pressed == TScrollBarPart::Thumb) DoScroll(SB_THUMBPOSITION, Layout().PositionAt(Along(X, Y) - m_dragOffset));
    m_pressed = TScrollBarPart::None;
    DoScroll(SB_ENDSCROLL, 0);
    Invalidate();
}

void TScrollBar::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    Word code = 0xFFFF;
    switch (Key) {
    case VK_LEFT:
    case VK_UP: code = SB_LINEUP; break;
    case VK_RIGHT:
    case VK_DOWN: code = SB_LINEDOWN; break;
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_END: code = SB_BOTTOM; break;
    default: return;
    }
    DoScroll(code, 0);
    DoScroll(SB_ENDSCROLL, 0);
    Key = 0;
}

}  // namespace gw
