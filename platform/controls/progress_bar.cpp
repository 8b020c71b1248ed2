// TProgressBar: range handling and the classic block drawing.
#include "platform/controls/progress_bar.h"

#include "platform/graphics/frame_controls.h"
#include "platform/runtime/exceptions.h"

namespace gw {

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 150, 16);
    SetColor(clBtnFace);
}

void TProgressBar::SetRange(Integer AMin, Integer AMax)
{
    if (AMax < AMin) throw EInvalidOperation(u"Progress bar range: Max is below Min");
    m_min = AMin;
    m_max = AMax;
    m_position = std::clamp(m_position, m_min, m_max);
    Invalidate();
}

void TProgressBar::SetPosition(Integer Value)
{
    Value = std::clamp(Value, m_min, m_max);
    if (m_position == Value) return;
    m_position = Value;
    Invalidate();
}

void TProgressBar::StepBy(Integer Delta)
{
    Integer next = m_position + Delta;
    if (next > m_max) next = m_min + (next - m_max - 1) % std::max(1, m_max - m_min + 1);
    SetPosition(next);
}

void TProgressBar::SetSmooth(bool Value)
{
    if (m_smooth == Value) return;
    m_smooth = Value;
    Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value)
{
    if (m_orientation == Value) return;
    m_orientation = Value;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

TRect TProgressBar::FilledRect() const
{
    TRect r = ClientRect();
    InflateRect(r, -2, -2);
    Integer span = std::max(1, m_max - m_min);
    if (m_orientation == pbHorizontal)
        r.Right = r.Left + Integer(int64_t(r.Width()) * (m_position - m_min) / span);
    else
        r.Top = r.Bottom - Integer(int64_t(r.Height()) * (m_position - m_min) / span);
    return r;
}

void TProgressBar::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(r);
    DrawEdge(c, r, BDR_SUNKENOUTER, BF_RECT);
    TRect fill = FilledRect();
    if (IsRectEmpty(fill)) return;
    c.Brush()->SetColor(clHighlight);
    if (m_smooth) {
        c.FillRect(fill);
        return;
    }
    // Blocks two thirds of the bar's thickness wide, two pixels apart.
    bool horz = m_orientation == pbHorizontal;
    Integer block = std::max(2, ((horz ? fill.Height() : fill.Width()) * 2) / 3);
    if (horz) {
        for (Integer x = fill.Left; x < fill.Right; x += block + 2)
            c.FillRect(Rect(x, fill.Top, std::min(x + block, fill.Right), fill.Bottom));
    } else {
        for (Integer y = fill.Bottom; y > fill.Top; y -= block + 2)
            c.FillRect(Rect(fill.Left, std::max(y - block, fill.Top), fill.Right, y));
    }
}

}  // namespace gw
