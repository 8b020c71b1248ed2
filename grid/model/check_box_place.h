// Where a cell's check box lies when a click has to hit the box itself: a square of the check
// size inside the cell, placed by the record's vertical placement and the cell's text alignment.
#pragma once

#include "grid/model/cell_graphic.h"
#include "platform/graphics/geometry.h"
#include "platform/ui/alignment.h"

namespace gw {

// TextWidth moves a right-aligned box left of the cell text (0 without text). A vertical
// placement other than top, bottom or centre leaves the top at 0.
TRect CheckBoxPlace(const TRect& Cell, Integer Size, TCellVAlign VAlign, TAlignment HAlign, Integer TextWidth);

// The point lies in the box; its right and bottom edges excluded.
bool PointInCheckBox(const TRect& Box, Integer X, Integer Y);

}  // namespace gw
