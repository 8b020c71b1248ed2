// The window-free arithmetic of the grid's pointer input.
#include "grid/interaction/pointer_rules.h"

#include "grid/foundation/text_utils.h"
#include "platform/runtime/strings.h"

#include <cmath>

namespace gw {

namespace {

// A pan starts only when the pointer left the indicator by more than this.
constexpr Integer PanDeadZone = 5;
constexpr Integer RatingHalfStarWidth = 9;

Integer Sign(Integer Offset) { return Offset > PanDeadZone ? 1 : Offset < -PanDeadZone ? -1 : 0; }

}  // namespace

Integer RoundHalfEven(double Value) { return Integer(std::nearbyint(Value)); }

Integer WheelStep(Integer WheelIncrement, Integer LinesPerNotch)
{
    return WheelIncrement < 1 ? LinesPerNotch : WheelIncrement;
}

Integer WheelScrolledTopRow(Integer TopRow, Integer N, bool Down, Integer FixedRows, Integer RowCount,
                            Integer VisibleRowCount)
{
    if (Down) return TopRow < RowCount - VisibleRowCount && TopRow + N >= FixedRows ? TopRow + N : TopRow;
    if (TopRow - N < FixedRows) N = TopRow - FixedRows;
    return TopRow > FixedRows ? TopRow - N : TopRow;
}

Integer WheelHalfStep(Integer Remaining) { return RoundHalfEven(Remaining / 2.0); }

TPoint PanDirection(TPoint Offset, TIntelliPan Pan)
{
    return {Pan == ipVertical ? 0 : Sign(Offset.X), Pan == ipHorizontal ? 0 : Sign(Offset.Y)};
}

Integer PanCursor(TPoint Direction)
{
    // Rows: up, still, down; columns: left, still, right.
    static constexpr Integer Cursors[3][3] = {{8006, 8004, 8005}, {8002, 8000, 8003}, {8008, 8001, 8007}};
    return Cursors[Direction.Y + 1][Direction.X + 1];
}

double RatingAtOffset(Integer Offset) { return std::trunc(double(Offset) / RatingHalfStarWidth) / 2; }

Integer ItemAtOffset(const std::vector<Integer>& Sizes, Integer P)
{
    Integer start = 0;
    for (std::size_t i = 0; i < Sizes.size(); ++i) {
        const Integer end = start + Sizes[i];
        if (P > start && P < end) return Integer(i);
        start = end;
    }
    return -1;
}

bool IsCellAnchor(StringView Anchor) { return UpperCase(String(Anchor)).find(u"CELL://") != String::npos; }

bool CellAnchorTarget(StringView Anchor, Integer& ACol, Integer& ARow)
{
    if (!IsCellAnchor(Anchor) || Anchor.size() < 7) return false;
    return ParseRowColReference(Anchor.substr(7), ACol, ARow);
}

}  // namespace gw
