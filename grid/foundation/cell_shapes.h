// The shapes of the grid's shape and rating cells.
#pragma once

#include "platform/graphics/canvas.h"

namespace gw {

enum TCellShape : uint8_t {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar,
};

// Draws Shape in the box (X, Y, Width, Height), brush BrushColor and pen PenColor. Circles and
// squares use the smaller side; a value beyond csHalfStar draws nothing.
void DrawCellShape(TCanvas& Canvas, Integer X, Integer Y, Integer Width, Integer Height, TCellShape Shape,
                   TColor BrushColor, TColor PenColor);

}  // namespace gw
