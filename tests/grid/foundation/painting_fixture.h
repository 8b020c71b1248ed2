// Helpers of the painting tests: the rectangles a recording canvas saw, with their colours.
#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace gw::test {

// One drawn rectangle: its edges and the brush and pen colours it was drawn with.
struct DrawnRect {
    TRect R;
    TColor Brush = clNone;
    TColor Pen = clNone;
    friend bool operator==(const DrawnRect&, const DrawnRect&) = default;
    friend std::ostream& operator<<(std::ostream& os, const DrawnRect& d)
    {
        return os << "(" << d.R.Left << "," << d.R.Top << "," << d.R.Right << "," << d.R.Bottom << " brush " << std::hex
                  << d.Brush << " pen " << d.Pen << std::dec << ")";
    }
};

// Every call of that name with four edges first (Rectangle, FillRect, FrameRect, ...).
inline std::vector<DrawnRect> RectsOf(const TRecordingCanvas& Canvas, const char* Name = "Rectangle")
{
    std::vector<DrawnRect> out;
    for (const TCanvasCall& c : Canvas.Calls())
        if (c.Name == Name && c.Args.size() >= 4)
            out.push_back({{c.Args[0], c.Args[1], c.Args[2], c.Args[3]}, c.BrushColor, c.PenColor});
    return out;
}

// A band drawn as one colour by pen and brush.
inline DrawnRect Solid(Integer L, Integer T, Integer R, Integer B, TColor C) { return {{L, T, R, B}, C, C}; }

// A white bitmap to draw on, for the tests that look at pixels.
inline void Clear(TBitmap& Bitmap, TColor Color = clWhite)
{
    Bitmap.Canvas()->Brush()->SetStyle(bsSolid);
    Bitmap.Canvas()->Brush()->SetColor(Color);
    Bitmap.Canvas()->FillRect(Rect(0, 0, Bitmap.Width(), Bitmap.Height()));
}

}  // namespace gw::test
