// The window-free arithmetic of the grid's pointer input: where a wheel notch takes the top row
// or the current row, which way a middle-button pan runs and which cursor shows it, the rating a
// press gives and the radio item a press hits.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/runtime/types.h"

#include <vector>

namespace gw {

enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };

// Rounds to the nearest whole number, an exact half to the even one (1.5 -> 2, 2.5 -> 2).
Integer RoundHalfEven(double Value);

// The rows a wheel notch scrolls by: the mouse setting, or the system's lines per notch when the
// setting is below 1.
Integer WheelStep(Integer WheelIncrement, Integer LinesPerNotch);

// The top row after a scrolling notch of N rows; the top row itself when the notch does nothing.
// Down scrolls only while the last rows are not all in view; up stops at the first scrolling row.
Integer WheelScrolledTopRow(Integer TopRow, Integer N, bool Down, Integer FixedRows, Integer RowCount,
                            Integer VisibleRowCount);

// The rows of a half step towards a target the current row could not reach at once: half the
// remaining distance, an exact half to the even number (a distance of 1 moves nothing).
Integer WheelHalfStep(Integer Remaining);

// The pan's direction from the pointer's offset to where panning started: X +1 right, -1 left;
// Y +1 down, -1 up; 0 within 5 pixels and along an axis the pan setting leaves out.
TPoint PanDirection(TPoint Offset, TIntelliPan Pan);

// The cursor number showing a pan direction: 8000 still, 8001 down, 8002 left, 8003 right, 8004
// up, 8005 up-right, 8006 up-left, 8007 down-right, 8008 down-left.
Integer PanCursor(TPoint Direction);

// A press Offset pixels into a rating cell: half a star per 9 pixels started from the left.
double RatingAtOffset(Integer Offset);

// The item whose span holds P strictly inside, the spans laid end to end from 0 with the given
// sizes; -1 on a boundary or past the last item.
Integer ItemAtOffset(const std::vector<Integer>& Sizes, Integer P);

// A "CELL://R<row>C<col>" anchor (any case) and the cell it names; false for another anchor or a
// reference that does not parse.
bool IsCellAnchor(StringView Anchor);
bool CellAnchorTarget(StringView Anchor, Integer& ACol, Integer& ARow);

}  // namespace gw
