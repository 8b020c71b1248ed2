// The arithmetic of the cell painter that needs no window: where a cell graphic goes beside the
// text, where rotated text starts, the XP progress percentage, the rich-text formatting
// rectangle in twips, the size of rotated text and the tooltip text of a cell.
#pragma once

#include "grid/foundation/cell_properties.h"
#include "grid/model/cell_graphic.h"
#include "platform/graphics/geometry.h"
#include "platform/ui/alignment.h"

namespace gw {

// The graphic's rectangle (L, T, Rt, B) inside R for a W x H graphic placed by GH and GV; HA is
// the text's alignment and TextWidth the drawn text's width + 2 (0: none measured), which grows
// by 2 first when it is above 0.
TRect PlaceCellGraphic(const TRect& R, Integer W, Integer H, TCellHAlign GH, TCellVAlign GV, TAlignment HA,
                       Integer TextWidth);

// The origin of a text of Extent (unrotated) turned by Angle degrees so that it lies in R
// by HA and VA: the quadrant of the angle (up to 90 the first, up to 180 the second, up to 270
// the third, else the fourth; below 0 the first) decides which corner the origin takes.
TPoint PlaceRotatedText(const TRect& R, Integer Angle, TSize Extent, TAlignment HA, TVAlignment VA);

// The room rotated text of Size (unrotated) needs, with 12 pixels of margin each way.
TSize RotatedTextSize(TSize Size, Integer Angle);

// Percentage of Value in From .. To, rounded halves to even; an empty range gives 0.
Integer XPProgressPercent(Integer Value, Integer From, Integer To);

// The rich edit's formatting rectangle in twips for R on a canvas of DpiX x DpiY dots per inch,
// inset by Offset (in 96-dpi pixels) on every side.
TRect RichFormatRect(const TRect& R, Integer DpiX, Integer DpiY, TPoint Offset);

// A cell's tooltip text: tabs as blanks, leading carriage returns and line feeds skipped, and a
// text longer than 2048 characters cut to the 2045 after them followed by "...".
String BalloonTipText(StringView Text);
// A tooltip title longer than 100 characters: its first 97 and "...".
String BalloonTipTitle(StringView Title);

}  // namespace gw
