// TBevel: two-tone lines in the button shadow and highlight colours.
#include "platform/controls/bevel.h"

#include "platform/graphics/canvas.h"

namespace gw {

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    ControlStyle |= csReplicatable;
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value)
{
    if (m_shape == Value) return;
    m_shape = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value)
{
    if (m_style == Value) return;
    m_style = Value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas& c = *Canvas();
    TColor first = m_style == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor second = m_style == bsLowered ? clBtnHighlight : clBtnShadow;
    Integer w = Width(), h = Height();
    auto line = [&](TColor Color, Integer X1, Integer Y1, Integer X2, Integer Y2) {
        c.Pen()->SetColor(Color);
        c.Pen()->SetWidth(1);
        c.Pen()->SetStyle(psSolid);
        c.MoveTo(X1, Y1);
        c.LineTo(X2, Y2);
    };
    // A box: first colour top and left, second bottom and right.
    auto box = [&](TColor TopLeft, TColor BottomRight, Integer X, Integer Y, Integer W, Integer H) {
        line(TopLeft, X, Y + H - 1, X, Y);
        line(TopLeft, X, Y, X + W - 1, Y);
        line(BottomRight, X + W - 1, Y, X + W - 1, Y + H - 1);
        line(BottomRight, X + W - 1, Y + H - 1, X - 1, Y + H - 1);
    };
    switch (m_shape) {
    case bsBox: box(first, second, 0, 0, w, h); break;
    case bsFrame:
        box(first, second, 0, 0, w - 1, h - 1);
        box(second, first, 1, 1, w - 1, h - 1);
        break;
    case bsTopLine:
        line(first, 0, 0, w, 0);
        line(second, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(first, 0, h - 2, w, h - 2);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, h);
        line(second, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(first, w - 2, 0, w - 2, h);
        line(second, w - 1, 0, w - 1, h);
        break;
    case bsSpacer: break;
    }
}

}  // namespace gw
