// Bitmaps drawn over a background colour, and the small drop-down triangle.
#include "grid/foundation/bitmap_drawing.h"

#include "platform/runtime/resources.h"

#include <algorithm>
#include <array>

namespace gw {

namespace {

// The top-left Width x Height pixels of Bitmap with its key colour (the top-left pixel's)
// replaced by Background; with Background clNone the key colour is made transparent instead.
void DrawKeyed(TCanvas& Canvas, const TBitmap* Bitmap, TColor Background, TPoint At, Integer Width, Integer Height)
{
    if (!Bitmap || Width <= 0 || Height <= 0) return;
    const TColor key = Bitmap->PixelColor(0, 0);
    const TColor back = ColorToRGB(Background);
    TBitmap work(Width, Height, pf24bit);
    for (Integer y = 0; y < Height; ++y) {
        const uint8_t* from = Bitmap->ScanLine(y);
        uint8_t* to = work.ScanLine(y);
        std::copy_n(from, size_t(Width) * 4, to);
        if (back == clNone) continue;
        for (Integer x = 0; x < Width; ++x) {
            uint8_t* px = to + size_t(x) * 4;
            if (RGB(px[2], px[1], px[0]) != key) continue;
            px[0] = GetBValue(back);
            px[1] = GetGValue(back);
            px[2] = GetRValue(back);
        }
    }
    if (back == clNone) {
        work.SetTransparentMode(tmFixed);
        work.SetTransparentColor(key);
        work.SetTransparent(true);
    }
    Canvas.Draw(At.X, At.Y, &work);
}

}  // namespace

void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap* Bitmap, TColor Background, const TRect& R)
{
    if (!Bitmap) return;
    DrawKeyed(Canvas, Bitmap, Background, R.TopLeft(), Bitmap->Width(), Bitmap->Height());
}

void ExtDropDown::DrawTransparentBitmap(TCanvas& Canvas, const TBitmap* Bitmap, TColor Background, const TRect& R)
{
    if (!Bitmap) return;
    DrawKeyed(Canvas, Bitmap, Background, R.TopLeft(), std::min(R.Width(), Bitmap->Width()),
              std::min(R.Height(), Bitmap->Height()));
}

void DrawResourceBitmap(TCanvas& Canvas, TColor Background, const TRect& R, StringView ResourceName)
{
    if (!FindResource(ResourceName, u"BITMAP")) return;
    TBitmap bitmap;
    bitmap.LoadFromResourceName(ResourceName);
    DrawTransparentBitmap(Canvas, &bitmap, Background, R);
}

void DrawSmallDownTriangle(TCanvas& Canvas, Integer X, Integer Y, TColor Color)
{
    Canvas.Pen()->SetColor(Color);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    const std::array<TPoint, 3> points{TPoint{X - 3, Y}, TPoint{X + 3, Y}, TPoint{X, Y + 3}};
    Canvas.Polygon(points);
}

}  // namespace gw
