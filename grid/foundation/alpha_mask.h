// Alpha masks for the grid's focus frame: a rounded-rectangle mask softened by a Gaussian blur,
// merged with a colour bitmap into 32-bit pixels with premultiplied alpha.
//
// The blur works on bands of 21 rows and columns along the edges and copies the straight middle,
// so a frame costs in proportion to its perimeter rather than its area.
#pragma once

#include "platform/graphics/bitmap.h"

#include <array>

namespace gw {

// A 32-bit bitmap (blue, green, red, alpha per pixel, colour premultiplied by alpha) with the
// constant opacity the layered window applies on top.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();
    String ClassName() const override { return u"TGridAlphaMask"; }
    // From another alpha mask: its opacity and pixels, which must be of this mask's size
    // (EInvalidGraphic otherwise, with nothing changed); from any other picture as a bitmap does.
    // The pixel format is 32 bits afterwards.
    void Assign(TPersistent* Source) override;

    // Builds the mask from a 24-bit colour bitmap and a grey mask of at least its size: the mask
    // takes the bitmap's size, and each pixel's alpha is the mask pixel's red byte, by which the
    // colour is scaled (rounded to the nearest). Nothing happens unless Bitmap is 24-bit; a mask
    // smaller than Bitmap raises EInvalidGraphic. Color is not used.
    void MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor Color);

    // Applied by the layered window over the per-pixel alpha; the grid's focus frame uses 230.
    Byte Opacity = 255;
};

// The weights of a Gaussian blur, indexed -10 .. 10; the Size weights on each side of the centre
// are in use and sum to 1 with it.
struct TBlurKernel {
    Byte Size = 1;
    std::array<float, 21> Weights{};

    float Weight(Integer Offset) const { return Weights[static_cast<size_t>(Offset + 10)]; }
};

// The kernel for Radius: the tail whose weight falls below Granularity / (2 * MaxData) is cut
// off (at least one weight stays on each side). A radius of 0 gives the kernel that keeps a line
// as it is.
TBlurKernel MakeBlurKernel(double Radius, Integer MaxData = 255, double Granularity = 1);

// Blurs the colour channels of a 24-bit mask: the 21 rows and columns along each edge are
// blurred, every row and column between them becomes a copy of row and column 15. That equals a
// full blur when the middle of the mask is straight, as a rounded rectangle's is. Any other
// pixel format raises EInvalidGraphic "Blur only works for 24-bit bitmaps".
void BlurMaskBitmap(TBitmap& Bitmap, double Radius);

// Makes Bitmap a 24-bit Width x Height black mask with a white rounded rectangle inset by
// 2 + PenWidth / 2 pixels, its corners Rounding x Rounding: filled when PenWidth < 1, otherwise
// outlined with a pen of PenWidth; blurred with BlurRadius when that is above 0.
void CreateRoundRectMask(TBitmap& Bitmap, Integer Width, Integer Height, Integer PenWidth, Integer Rounding,
                         double BlurRadius);

}  // namespace gw
