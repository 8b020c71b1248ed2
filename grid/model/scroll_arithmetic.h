// The arithmetic of the string grid's scroll bars, stretch column and sizing edges: pure functions
// of the values the grid passes, so that each rule is checked without a window.
#pragma once

#include "platform/runtime/types.h"

#include <functional>
#include <optional>
#include <vector>

namespace gw {

// The base grid's scroll bars run from 0 to this; a position p stands for the first scrolling
// item MulDiv(p, Count - Visible - Fixed, ScrollRange) + Fixed.
constexpr Integer GridScrollRange = 127;

// The first scrolling column (row) a thumb position stands for.
Integer ScrollPositionToIndex(Integer Position, Integer Count, Integer VisibleCount, Integer FixedCount);

enum class TScrollAxis : uint8_t { Horizontal, Vertical };
// The text of the hint shown while a thumb is dragged: "Col : n" or "Row : n".
String ScrollHintText(TScrollAxis Axis, Integer Index);

// One axis of the grid as the proportional bar sees it. Start(i) is the pixel offset of item i
// (the sum of the sizes before it, without grid lines), so that sums over millions of rows are two
// lookups; Start(Count) is the sum of all sizes.
struct TScrollAxisExtent {
    std::function<Int64(Integer)> Start;
    Integer Count = 0;
    Integer FixedCount = 0;
    // The first scrolling item shown (left column, top row).
    Integer FirstScrolling = 0;
    Integer LineWidth = 1;
};

// The sums the proportional bar works with, each grid line counted once per item plus one.
struct TScrollSums {
    Int64 Fixed = 0;  // line width + the fixed items with their lines
    Int64 Scrolling = 0;  // line width + the other items with their lines
    Int64 Before = 0;  // line width + the scrolling items before the first shown one
    Int64 Total = 0;  // all sizes, without lines
};
TScrollSums ScrollSums(const TScrollAxisExtent& Axis);

// What a proportional bar is set to.
struct TProportionalBar {
    Integer Max = 0;
    Integer Page = 0;
    Integer Position = 0;
    bool operator==(const TProportionalBar&) const = default;
};

// The horizontal bar for a client Width; nothing when there is nothing to scroll, when everything
// nearly fits, or when less than 5 pixels would be hidden. CurrentPosition stays when the columns
// are narrower than the client.
std::optional<TProportionalBar> HorzProportionalBar(const TScrollSums& Sums, Integer Width, Integer CurrentPosition);
// The vertical bar for a client Height; at the end (127) when the rows are lower than the client.
std::optional<TProportionalBar> VertProportionalBar(const TScrollSums& Sums, Integer Height);
// The horizontal window bar shows after a proportional update only when it is always shown, or
// when the columns are at least as wide as the client and the grid has the bar.
bool ShowsHorzBarAfterProportional(const TScrollSums& Sums, Integer Width, bool HasHorzBar, bool HorzBarAlways);

// A point in a cell, for the sizing-edge test: the cell under the point (negative outside the
// cells) and its rectangle in client pixels.
struct TSizingEdgeProbe {
    Integer X = 0, Y = 0;
    Integer Col = -1, Row = -1;
    Integer CellLeft = 0, CellTop = 0, CellRight = 0, CellBottom = 0;
    Integer FixedCols = 0, FixedRows = 0;
    bool ColSizing = false, RowSizing = false;
};
// Less than 4 pixels from a column edge in a row at or above FixedRows, or from a row edge in a
// column at or left of FixedCols, with that sizing allowed.
bool IsOnSizingEdge(const TSizingEdgeProbe& Probe);

// The column a stretch widens: Index, or the last column for -1. Any other index outside the
// columns raises EExtGridError "Stretch column index out of range" (below -1 too: that column does
// not exist).
Integer StretchColumnIndex(Integer Index, Integer ColCount);

struct TStretchInput {
    Integer ColCount = 0;
    // The stretch column's width and the sum of all column widths.
    Integer ColumnWidth = 0;
    Int64 TotalWidth = 0;
    Integer ClientWidth = 0;
    // The left column is the first scrolling one.
    bool NotScrolled = true;
    Integer DefaultColWidth = 64;
};
// The stretch column's new width: the client width for a single column; else what the other
// columns leave of the client less one pixel, or the default width when they fill it and the grid
// is not scrolled; nothing when they fill it and it is.
std::optional<Integer> StretchedWidth(const TStretchInput& In);

// After the user resized item Resized from OldSize: every other item from FirstScaled on scaled
// by the same factor, rounded (halves to even). Nothing changes for an old size of 0 or less.
std::vector<Integer> ScaleWithResized(std::vector<Integer> Sizes, Integer FirstScaled, Integer Resized,
                                      Integer OldSize);

}  // namespace gw
