// Painting of the image button: the face of every style, its gradient and hot-track blend.
#pragma once

#include "imagebutton/img_button_types.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/ui/alignment.h"

namespace gw {

// Everything one face is drawn from; the button fills it from its state.
struct TImgButtonFace {
    Integer Width = 0;
    Integer Height = 0;
    Integer HotTrackStep = 0;  // 0 (face colour) .. 8 (full hot-track colour)
    Integer NumGlyphs = 0;
    TBitmap* Glyph = nullptr;  // strip of NumGlyphs images side by side; nullptr = none
    bool Down = false;
    bool Hot = false;  // the mouse is over the button or it has the focus
    bool Transparent = false;  // skips the background fill
    bool Enabled = true;
    bool Flat = false;
    bool WordWrap = false;
    bool HasPopupMenu = false;
    TImgButtonStyle Style = bsNormal;
    TColor Color = clBtnFace;
    TColor ColorWhenDown = clNone;
    TColor HotTrackColor = clNone;
    TColor LightColor = clWhite;
    TColor ShadowColor = clGray;
    TFont* Font = nullptr;  // nullptr = the canvas's font as it is
    TImgButtonLayout Layout = blGlyphLeft;
    String Caption;
    TAlignment Alignment = taCenter;
};

// Fills 32 horizontal bands from Start to End colour over (Left, Top, Right, Bottom); the pen is
// clear meanwhile and restored afterwards.
void DrawImgGradient(TCanvas& Canvas, TColor Start, TColor End, Integer Left, Integer Top, Integer Right,
                     Integer Bottom);

// The face colour at hot-track step 0..8 between Color (0) and HotTrackColor (8), channel by
// channel, truncated.
TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, Integer HotTrackStep);

// Draws the part of Glyph at (SourceX, SourceY) of PartWidth x PartHeight at (X, Y), with its
// bottom-left pixel's colour transparent.
void DrawGlyphPart(TCanvas& Canvas, TBitmap* Glyph, Integer X, Integer Y, Integer SourceX, Integer PartHeight,
                   Integer PartWidth, Integer SourceY);

// Draws a whole face (background, frame, caption, glyph, pop-up arrow) at (0, 0) of Canvas.
void DrawImgButtonFace(TCanvas& Canvas, const TImgButtonFace& Face);

// The text format of a caption: word break plus the alignment.
Cardinal ImgCaptionFormat(TAlignment Alignment);

}  // namespace gw
