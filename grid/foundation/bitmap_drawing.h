// Bitmaps drawn over a background colour, and the small drop-down triangle.
#pragma once

#include "platform/graphics/bitmap.h"

namespace gw {

// Draws Bitmap at full size at R's top-left corner, every pixel of the colour of its top-left
// pixel replaced by Background (left undrawn when Background is clNone).
void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap* Bitmap, TColor Background, const TRect& R);

namespace ExtDropDown {
// The drop-down controls' variant: only the part of the bitmap that fits R is drawn.
void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap* Bitmap, TColor Background, const TRect& R);
}  // namespace ExtDropDown

// The program's BITMAP resource of that name drawn with DrawTransparentBitmap; nothing when the
// program has no such resource.
void DrawResourceBitmap(TCanvas& Canvas, TColor Background, const TRect& R, StringView ResourceName);

// A filled triangle (X-3, Y), (X+3, Y), (X, Y+3) in Color (pen and brush).
void DrawSmallDownTriangle(TCanvas& Canvas, Integer X, Integer Y, TColor Color);

}  // namespace gw
