// Gradient fills in bands and the framed, mirrored and rounded gradient boxes of the grid's looks.
//
// Each routine leaves the canvas's pen and brush in the last colour it drew with.
#pragma once

#include "platform/graphics/canvas.h"

namespace gw {

// From First to Second in Steps + 1 bands (Steps lowered to the span in pixels and raised to 1),
// left to right when Across, else top to bottom; the last band is Second exactly. With one
// colour clNone the rectangle is filled solid in the other; with both, nothing is drawn.
void DrawGradientRect(TCanvas& Canvas, TColor First, TColor Second, Integer Steps, TRect R, bool Across);

// The drop-down controls' gradient: Count bands (0 taken as 1) whose colours stop one step
// short of Second, over R less one pixel at its far edge; bands are not cut at that edge.
void PaintGradientBands(TCanvas& Canvas, TColor First, TColor Second, Integer Count, TRect R, bool Across);

// A box: 80 bands from Color to ColorTo (top to bottom when Vertical, else left to right), or a
// plain fill in Color when ColorTo is clNone; then a frame of BorderWidth in BorderColor.
void DrawGradientBox(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                     Integer BorderWidth, bool Vertical);

// With Fill: a 128-step gradient Color -> ColorTo, or with a mirror colour two halves (Color ->
// ColorTo, MirrorColor -> MirrorColorTo); then a frame, or with SideLinesOnly the two side lines,
// in BorderColor.
void DrawMirrorGradientRect(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
                            TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill);

// Pieces of a rounded box (the selection and button look of the rounded styles).
enum TRoundedBoxKind : Byte { rbSingle = 0, rbLeftEnd = 1, rbRightEnd = 2, rbMiddle = 3 };

// One piece of a rounded box inside R (its right edge taken 1 pixel in, its bottom 2): light and
// dark inner lines, border, inner and outer corner pixels, and the fill (solid Fill when
// FillTo is clNone, one 16-step gradient when LowerColor is clNone, else two halves).
void DrawRoundedGradientBox(TCanvas& Canvas, TColor Fill, TColor FillTo, TColor LowerColor, TColor LowerColorTo,
                            TColor LightLine, TColor DarkLine, TColor BorderColor, TColor InnerCorner,
                            TColor OuterCorner, const TRect& R, TRoundedBoxKind Kind);

// Fills R with the brush in Color.
void FillRectColor(TCanvas& Canvas, const TRect& R, TColor Color);

}  // namespace gw
