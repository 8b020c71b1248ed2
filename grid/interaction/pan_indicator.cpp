// The middle-button pan's picture.
#include "grid/interaction/pan_indicator.h"

#include <array>

namespace gw {

namespace {

// One arrow pointing away from the centre C along (DX, DY), its tip 3 pixels inside the disc.
void DrawArrow(TCanvas& Canvas, TPoint C, Integer DX, Integer DY)
{
    constexpr Integer Tip = PanIndicatorSize / 2 - 3, Base = Tip - 5, Half = 4;
    const TPoint tip{C.X + DX * Tip, C.Y + DY * Tip};
    const TPoint base{C.X + DX * Base, C.Y + DY * Base};
    const std::array<TPoint, 3> points{tip, TPoint{base.X + DY * Half, base.Y + DX * Half},
                                       TPoint{base.X - DY * Half, base.Y - DX * Half}};
    Canvas.Polygon(points);
}

}  // namespace

void DrawPanIndicatorShape(TCanvas& Canvas, TPoint At, TIntelliPan Pan)
{
    if (Pan == ipNone) return;
    const TColor pen = Canvas.Pen()->Color(), brush = Canvas.Brush()->Color();
    Canvas.Pen()->SetColor(clBlack);
    Canvas.Brush()->SetColor(clWhite);
    Canvas.Ellipse(At.X, At.Y, At.X + PanIndicatorSize, At.Y + PanIndicatorSize);
    Canvas.Brush()->SetColor(clBlack);
    const TPoint c{At.X + PanIndicatorSize / 2, At.Y + PanIndicatorSize / 2};
    if (Pan != ipHorizontal) {
        DrawArrow(Canvas, c, 0, -1);
        DrawArrow(Canvas, c, 0, 1);
    }
    if (Pan != ipVertical) {
        DrawArrow(Canvas, c, -1, 0);
        DrawArrow(Canvas, c, 1, 0);
    }
    Canvas.Ellipse(c.X - 2, c.Y - 2, c.X + 2, c.Y + 2);
    Canvas.Pen()->SetColor(pen);
    Canvas.Brush()->SetColor(brush);
}

}  // namespace gw
