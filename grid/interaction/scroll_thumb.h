// The arithmetic of the metro scroll control's thumb: where it lies, what a press beside it and a
// drag of it do to the first scrolling row (column). Pure functions of the grid's numbers along one
// axis, so that each rule is checked without a window.
#pragma once

#include "platform/runtime/types.h"

#include <optional>

namespace gw {

// One axis of the grid as the control sees it (rows for the vertical control, columns for the
// horizontal one), lengths in pixels along the control.
struct TThumbAxis {
    Integer Extent = 0;  // the control's height (width)
    Integer LeadingFixed = 0;  // the fixed rows' heights (columns' widths) summed
    Integer TrailingFixed = 0;  // the fixed footer rows (right columns) summed
    Integer FirstItemSize = 0;  // row 0's height (column 0's width)
    Integer Count = 0;
    Integer Fixed = 0;
    Integer Visible = 0;
    Integer First = 0;  // the first scrolling item shown (top row, left column)
};

struct TThumb {
    Integer Position = 0;
    Integer Size = 0;
    bool operator==(const TThumb&) const = default;
};

// The thumb never gets shorter than this.
constexpr Integer MinThumbSize = 20;

// The thumb, or none when every scrolling item is shown (nothing to scroll, and no division by
// the number of scrolling items when all are fixed).
std::optional<TThumb> ThumbOf(const TThumbAxis& Axis);

// What a press at Coord along the control does.
enum class TThumbPress : uint8_t { None, PageBack, PageOn, Drag };
TThumbPress ThumbPressAt(const TThumbAxis& Axis, Integer Coord);

// The first item after a page back or on.
Integer PageBackTarget(const TThumbAxis& Axis);
Integer PageOnTarget(const TThumbAxis& Axis);

// The first item while the thumb, pressed when DownFirst was first, has moved by Delta pixels;
// DownFirst unchanged when the control is no longer than its first item.
Integer DragTarget(const TThumbAxis& Axis, Integer DownFirst, Integer Delta);

}  // namespace gw
