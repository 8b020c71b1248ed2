// The shapes of the grid's shape and rating cells.
#include "grid/foundation/cell_shapes.h"

#include "platform/runtime/convert.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace gw {

namespace {

// The star's point k of ten, clockwise from straight up: even points on the outer radii, odd
// ones on a third of them.
TPoint StarPoint(Integer X, Integer Y, Integer W, Integer H, Integer K)
{
    const Integer cx = X + W / 2, cy = Y + H / 2;
    double rx = W / 2, ry = H / 2;
    if (K % 2) {
        rx /= 3;
        ry /= 3;
    }
    const double theta = K * 36 * std::numbers::pi / 180;
    return {cx + Integer(Round(std::sin(theta) * rx)), cy - Integer(Round(std::cos(theta) * ry))};
}

std::vector<TPoint> Outline(Integer x, Integer y, Integer w, Integer h, TCellShape Shape)
{
    const Integer we = w & ~1, he = h & ~1;  // lowered to even numbers
    const Integer wq = we / 4, hq = he / 4;
    switch (Shape) {
    case csTriangleLeft: return {{x + w, y}, {x + w, y + h}, {x, y + h / 2}};
    case csTriangleRight: return {{x, y}, {x, y + h}, {x + w, y + h / 2}};
    case csTriangleUp: return {{x, y + h}, {x + w, y + h}, {x + w / 2, y}};
    case csTriangleDown: return {{x, y}, {x + w, y}, {x + w / 2, y + h}};
    case csDiamond: return {{x, y + h / 2}, {x + w / 2, y}, {x + 2 * (w / 2), y + h / 2}, {x + w / 2, y + 2 * (h / 2)}};
    case csArrowUp:
        return {{x, y + h / 2},      {x + we / 2, y}, {x + we, y + h / 2}, {x + 3 * wq, y + h / 2},
                {x + 3 * wq, y + h}, {x + wq, y + h}, {x + wq, y + h / 2}};
    case csArrowDown:
        return {{x, y + h / 2},  {x + we / 2, y + h}, {x + we, y + h / 2}, {x + 3 * wq, y + h / 2},
                {x + 3 * wq, y}, {x + wq, y},         {x + wq, y + h / 2}};
    case csArrowLeft:
        return {{x, y + he / 2},     {x + w / 2, y},          {x + w / 2, y + hq}, {x + w, y + hq},
                {x + w, y + 3 * hq}, {x + w / 2, y + 3 * hq}, {x + w / 2, y + he}};
    case csArrowRight:
        return {{x + w, y + he / 2}, {x + w / 2, y},          {x + w / 2, y + hq}, {x, y + hq},
                {x, y + 3 * hq},     {x + w / 2, y + 3 * hq}, {x + w / 2, y + he}};
    case csStar: {
        std::vector<TPoint> points;
        for (Integer k = 0; k < 10; ++k) points.push_back(StarPoint(x, y, w, h, k));
        return points;
    }
    case csHalfStar: {
        std::vector<TPoint> points;
        for (Integer k : {0, 5, 6, 7, 8, 9}) points.push_back(StarPoint(x, y, w, h, k));
        return points;
    }
    default: return {};
    }
}

}  // namespace

void DrawCellShape(TCanvas& Canvas, Integer X, Integer Y, Integer Width, Integer Height, TCellShape Shape,
                   TColor BrushColor, TColor PenColor)
{
    if (Shape > csHalfStar) return;
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(BrushColor);
    Canvas.Pen()->SetColor(PenColor);
    Integer w = Width, h = Height;
    if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) w = h = std::min(w, h);
    const Integer x = X, y = Y;
    switch (Shape) {
    case csRectangle:
    case csSquare: Canvas.Rectangle(x + 1, y + 1, x + w - 1, y + h - 1); return;
    case csCircle:
    case csEllips: Canvas.Ellipse(x, y, x + w, y + h); return;
    case csRoundRect:
    case csRoundSquare: Canvas.RoundRect(x, y, x + w, y + h, 10, 10); return;
    case csLineVert: Canvas.FillRect({x + w / 2, y, x + w / 2 + 1, y + h}); return;
    case csLineHorz: Canvas.FillRect({x, y + h / 2, x + w, y + h / 2 + 1}); return;
    default: break;
    }
    const std::vector<TPoint> points = Outline(x, y, w, h, Shape);
    Canvas.Polygon(points);
}

}  // namespace gw
