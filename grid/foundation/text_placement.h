// Text placement of the drop-down controls: measuring, fitting with an ellipsis, an image with
// its caption, and mark-up text in a rectangle.
#pragma once

#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"
#include "platform/ui/messages.h"

namespace gw {

// The size of the text on one line in the canvas font (measured as the platform's text drawing
// would lay it out in a 1000 x 500 rectangle); (0, 0) for an empty text.
TSize MeasureTextExtent(TCanvas& Canvas, StringView Text);

// The text when it is at most Width wide; otherwise the longest start of it (whole characters)
// that, with "..." after it when Ellipsis is set, is narrower than Width; the whole text when
// not even one character fits.
String FitTextWithEllipsis(TCanvas& Canvas, StringView Text, Integer Width, bool Ellipsis);

// With ImageIndex >= 0 and Images: the image at R.Left + 4, centred vertically, and the text
// from image width + 8 after R.Left; the text on one line, vertically centred, with an end
// ellipsis, and horizontally centred when no image was drawn.
void DrawImageAndText(TCanvas& Canvas, const TRect& R, StringView Text, Integer ImageIndex, const TImageList* Images);

// How DrawMarkupTextInRect calls the mark-up renderer: selected mode (colour tags change
// neither font nor background), no word wrap, no mouse position, no focused or hovered anchor,
// anchor colour $FF0000, no hover colours, shadow $808080 offset 1, left to right; only
// measuring unless Draw.
struct TMarkupInRectCall {
    TRect Rect;
    Integer MouseX = -1;
    Integer MouseY = -1;
    Integer FocusAnchor = -1;
    Integer HoverAnchor = -1;
    Integer ShadowOffset = 1;
    bool HitTest = false;
    bool MeasureOnly = true;
    bool Printing = false;
    bool Selected = true;
    bool BlinkOn = true;
    bool HoverMode = false;
    bool WordWrap = false;
    bool MouseDown = false;
    double PrintScale = 1.0;
    TColor AnchorColor = TColor(0xFF0000);
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = TColor(0x808080);
    HWND ThemeWindow = 0;
    Byte BiDiMode = 0;
};
TMarkupInRectCall MarkupInRectCall(const TRect& R, bool Draw, HWND ThemeWindow);
// The size DrawMarkupTextInRect reports: the renderer's used width and height, (0, 0) for an
// empty text (which is not handed to the renderer at all).
TSize MarkupInRectSize(StringView Text, Integer UsedWidth, Integer UsedHeight);

// Draws (or with Draw false only measures) the mark-up text in R through the mark-up renderer
// as MarkupInRectCall describes, pictures from Images; Size receives MarkupInRectSize.
void DrawMarkupTextInRect(TCanvas& Canvas, StringView Text, const TRect& R, TImageList* Images, bool Draw,
                          HWND ThemeWindow, TSize& Size);

}  // namespace gw
