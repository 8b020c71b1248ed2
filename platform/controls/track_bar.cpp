// TTrackBar: channel geometry, dragging, page clicks, keys and tick marks.
#include "platform/controls/track_bar.h"

#include "platform/graphics/frame_controls.h"

#include <algorithm>

namespace gw {

namespace {
constexpr Integer ThumbLong = 20;  // across the channel
constexpr Integer ThumbShort = 10;  // along the channel
constexpr Integer Inset = 8;
}  // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TTrackBar::SetRange(Integer AMin, Integer AMax)
{
    m_min = AMin;
    m_max = std::max(AMin, AMax);
    Integer p = std::clamp(m_position, m_min, m_max);
    Invalidate();
    SetPosition(p);
}

void TTrackBar::MoveTo(Integer Value, bool Notify)
{
    Value = std::clamp(Value, m_min, m_max);
    if (m_position == Value) return;
    m_position = Value;
    Invalidate();
    if (Notify && OnChange) OnChange(this);
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value)
{
    if (m_orientation == Value) return;
    m_orientation = Value;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TTrackBar::SetTick(Integer Value)
{
    if (Value < m_min || Value > m_max) return;
    if (std::find(m_ticks.begin(), m_ticks.end(), Value) == m_ticks.end()) m_ticks.push_back(Value);
    std::sort(m_ticks.begin(), m_ticks.end());
    Invalidate();
}

std::vector<Integer> TTrackBar::Ticks() const
{
    std::vector<Integer> t;
    if (TickStyle == tsNone) return t;
    t.push_back(m_min);
    if (TickStyle == tsAuto && Frequency > 0)
        for (Integer v = m_min + Frequency; v < m_max; v += Frequency) t.push_back(v);
    if (TickStyle == tsManual)
        for (Integer v : m_ticks)
            if (v > m_min && v < m_max) t.push_back(v);
    if (m_max != m_min) t.push_back(m_max);
    return t;
}

TRect TTrackBar::ChannelRect() const
{
    if (m_orientation == trHorizontal) return Rect(Inset, Inset + 2, Width() - Inset, Inset + 6);
    return Rect(Inset + 2, Inset, Inset + 6, Height() - Inset);
}

Integer TTrackBar::PixelOf(Integer Value) const
{
    TRect ch = ChannelRect();
    Integer from = (m_orientation == trHorizontal ? ch.Left : ch.Top) + ThumbShort / 2;
    Integer length = (m_orientation == trHorizontal ? ch.Width() : ch.Height()) - ThumbShort;
    Integer span = std::max(1, m_max - m_min);
    return from + Integer(int64_t(length) * (Value - m_min) / span);
}

TRect TTrackBar::ThumbRect() const
{
    TRect ch = ChannelRect();
    Integer p = PixelOf(m_position);
    if (m_orientation == trHorizontal)
        return Rect(p - ThumbShort / 2, ch.Top - 6, p + ThumbShort / 2, ch.Top - 6 + ThumbLong);
    return Rect(ch.Left - 6, p - ThumbShort / 2, ch.Left - 6 + ThumbLong, p + ThumbShort / 2);
}

Integer TTrackBar::PositionAt(Integer X, Integer Y) const
{
    TRect ch = ChannelRect();
    Integer along = m_orientation == trHorizontal ? X - ch.Left : Y - ch.Top;
    Integer length = (m_orientation == trHorizontal ? ch.Width() : ch.Height()) - ThumbShort;
    if (length <= 0) return m_min;
    along = std::clamp(along - ThumbShort / 2, 0, length);
    return m_min + Integer((int64_t(along) * (m_max - m_min) + length / 2) / length);
}

void TTrackBar::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(ClientRect());
    TRect ch = ChannelRect();
    c.Brush()->SetColor(clWindow);
    c.FillRect(ch);
    DrawEdge(c, ch, EDGE_SUNKEN, BF_RECT);
    c.Pen()->SetColor(clWindowText);
    for (Integer v : Ticks()) {
        Integer p = PixelOf(v);
        if (m_orientation == trHorizontal) {
            if (TickMarks != tmTopLeft) {
                c.MoveTo(p, ch.Top + 16);
                c.LineTo(p, ch.Top + 20);
            }
            if (TickMarks != tmBottomRight) {
                c.MoveTo(p, ch.Top - 10);
                c.LineTo(p, ch.Top - 6);
            }
        } else {
            if (TickMarks != tmTopLeft) {
                c.MoveTo(ch.Left + 16, p);
                c.LineTo(ch.Left + 20, p);
            }
            if (TickMarks != tmBottomRight) {
                c.MoveTo(ch.Left - 10, p);
                c.LineTo(ch.Left - 6, p);
            }
        }
    }
    TRect thumb = ThumbRect();
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(thumb);
    DrawEdge(c, thumb, EDGE_RAISED, BF_RECT);
    if (Focused()) {
        TRect f = ClientRect();
        c.DrawFocusRect(f);
    }
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    TRect thumb = ThumbRect();
    if (PtInRect(thumb, {X, Y})) {
        m_dragging = true;
        m_dragOffset =
            m_orientation == trHorizontal ? X - (thumb.Left + thumb.Right) / 2 : Y - (thumb.Top + thumb.Bottom) / 2;
        return;
    }
    // A click beside the thumb moves a page towards the click.
    Integer at = PositionAt(X, Y);
    if (at > m_position)
        MoveTo(std::min(at, m_position + PageSize), true);
    else if (at < m_position)
        MoveTo(std::max(at, m_position - PageSize), true);
}

void TTrackBar::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!m_dragging) return;
    if (m_orientation == trHorizontal)
        MoveTo(PositionAt(X - m_dragOffset, Y), true);
    else
        MoveTo(PositionAt(X, Y - m_dragOffset), true);
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft) m_dragging = false;
}

void TTrackBar::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
    case VK_UP: MoveTo(m_position - LineSize, true); break;
    case VK_RIGHT:
    case VK_DOWN: MoveTo(m_position + LineSize, true); break;
    case VK_PRIOR: MoveTo(m_position - PageSize, true); break;
    case VK_NEXT: MoveTo(m_position + PageSize, true); break;
    case VK_HOME: MoveTo(m_min, true); break;
    case VK_END: MoveTo(m_max, true); break;
    default: return;
    }
    Key = 0;
}

}  // namespace gw
