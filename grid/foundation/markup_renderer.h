// Draws, measures and hit-tests one text of the cell mark-up inside a rectangle of a canvas.
#pragma once

#include "platform/graphics/canvas.h"
#include "platform/graphics/colour.h"
#include "platform/graphics/geometry.h"
#include "platform/runtime/types.h"

namespace gw {

class TImageList;
class THTMLPictureCache;
class TPictureContainer;

// What one call is asked to do; callers name the fields they set.
struct TMarkupDrawArgs {
    // Its font is the base font and its brush colour the background colour.
    TCanvas* Canvas = nullptr;
    StringView Text{};
    TRect Rect{};
    // Pictures of "IDX:" sources.
    TImageList* Images = nullptr;
    // The mouse, in canvas coordinates.
    Integer MouseX = -1;
    Integer MouseY = -1;
    // 0-based number of the anchor with keyboard focus, -1 for none.
    Integer FocusAnchor = -1;
    // 1-based number of the anchor under the mouse (hover colours), 0 or -1 for none.
    Integer HoverAnchor = -1;
    // Right and down, in pixels, of text shadows.
    Integer ShadowOffset = 1;
    // Measure instead of drawing, with the lines at their final places, and describe the
    // control named by ControlID wherever the mouse is.
    bool HitTest = false;
    // Lay the whole text out, regardless of the rectangle's bottom, and draw nothing.
    bool MeasureOnly = false;
    // Image-list pictures are scaled by PrintScale.
    bool Printing = false;
    // Drawn selected: colour tags leave the font and text background alone.
    bool Selected = false;
    // The blink phase: when off, BLINK text is drawn in the background colour.
    bool BlinkOn = true;
    // Only the hovered anchor is underlined and gets the hover colours (else every anchor is
    // underlined).
    bool HoverMode = false;
    // Break lines at blanks; without, a line is cut with an ellipsis.
    bool WordWrap = false;
    // A control under the mouse is drawn pressed.
    bool MouseDown = false;
    double PrintScale = 1.0;
    TColor AnchorColor = clBlue;
    // clNone: no hover colour.
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    // With HitTest, the ID of a control to describe.
    StringView ControlID{};
    // Pictures of "://" sources, loaded into it when missing.
    THTMLPictureCache* PictureCache = nullptr;
    // Named pictures (sources without ":").
    TPictureContainer* PictureContainer = nullptr;
    // Reading order: 0 left to right; 1 right to left (each line is laid out from the right edge
    // leftwards: its text runs right-aligned, its pictures, controls and bullets, its alignment,
    // indent, anchor and focus frames at the mirror image of their left-to-right places, and the
    // mouse measured from there; pictures and what a control shows inside keep their direction);
    // 2 and 3 right-to-left reading only (the text is drawn with right-to-left reading, placed as
    // left to right).
    Byte BiDiMode = 0;
};

// What the call found. Outputs that nothing hit keep these values.
struct TMarkupDrawResult {
    // The mouse is over an anchor's text, a picture inside an anchor, or a control.
    bool Hit = false;
    // HREF of the anchor under the mouse, or "ctrl" over a control.
    String AnchorValue;
    // The text runs laid out, in order, with a carriage return for each BR.
    String PlainText;
    // HREF of the anchor with keyboard focus.
    String FocusAnchorValue;
    String AnchorTitle;
    Integer UsedWidth = 0;  // the widest line
    Integer UsedHeight = 0;  // all lines laid out
    Integer AnchorCount = 0;
    // 1-based, -1 for none.
    Integer HoverAnchorNumber = -1;
    TRect HoverRect;
    // The control under the mouse (or the one named by ControlID); all zero for none.
    TRect ControlRect;
    String ControlID;
    String ControlValue;
    String ControlType;
};

// Never raises: a text it cannot make sense of is drawn as far as it goes. The canvas's pen,
// brush and font are as they were on entry when it returns.
TMarkupDrawResult DrawMarkupText(const TMarkupDrawArgs& Args);

}  // namespace gw
