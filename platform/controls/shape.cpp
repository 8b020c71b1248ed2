// TShape: the outline sits inside the bounds whatever the pen width.
#include "platform/controls/shape.h"

#include "platform/graphics/canvas.h"

namespace gw {

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), m_pen(std::make_unique<TPen>()), m_brush(std::make_unique<TBrush>())
{
    ControlStyle |= csReplicatable;
    SetBounds(0, 0, 65, 65);
    m_pen->OnChange = [this](TObject*) { Invalidate(); };
    m_brush->OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType Value)
{
    if (m_shape == Value) return;
    m_shape = Value;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas& c = *Canvas();
    c.SetPen(m_pen.get());
    c.SetBrush(m_brush.get());
    Integer pw = m_pen->Style() == psClear ? 0 : m_pen->Width();
    Integer x = pw / 2, y = x;
    Integer w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (w < h && (m_shape == stSquare || m_shape == stRoundSquare || m_shape == stCircle)) {
        y += (h - w) / 2;
        h = w;
    } else if (h < w && (m_shape == stSquare || m_shape == stRoundSquare || m_shape == stCircle)) {
        x += (w - h) / 2;
        w = h;
    }
    switch (m_shape) {
    case stRectangle:
    case stSquare: c.Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: c.RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4); break;
    case stEllipse:
    case stCircle: c.Ellipse(x, y, x + w, y + h); break;
    }
}

}  // namespace gw
