// The scroll bar, stretch and sizing-edge arithmetic of the string grid.
#include "grid/model/scroll_arithmetic.h"

#include "grid/model/ext_grid_error.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

#include <algorithm>
#include <cstdlib>

namespace gw {

namespace {

// Value * Num / Den rounded to the nearest, halves away from zero; -1 for a zero divisor.
Integer MulDivAway(int64_t Value, int64_t Num, int64_t Den)
{
    if (Den == 0) return -1;
    const int64_t p = Value * Num;
    const int64_t q = (std::llabs(p) + std::llabs(Den) / 2) / std::llabs(Den);
    return Integer((p >= 0) == (Den > 0) ? q : -q);
}

// The ratio of client to scrolling extent, in single precision as the thumb has always used;
// nothing when nothing scrolls or nearly everything fits.
std::optional<float> ShownShare(const TScrollSums& Sums, Integer Extent)
{
    if (Sums.Scrolling == 0) return std::nullopt;
    const float e = static_cast<float>(Extent - Sums.Fixed) / static_cast<float>(Sums.Scrolling);
    if (e >= 0.9999f) return std::nullopt;
    return e;
}

TProportionalBar BarFor(float Share, Integer Position)
{
    const Integer max = static_cast<Integer>(Trunc((Share + 127.0f) / (1.0f - Share)));
    return {.Max = max, .Page = max - 126, .Position = Position};
}

Integer ThumbPosition(const TScrollSums& Sums, Integer Extent)
{
    return static_cast<Integer>(
        Trunc(static_cast<double>(Sums.Before) / static_cast<double>(Sums.Scrolling - Extent) * 128.0));
}

bool Near(Integer P, Integer Edge) { return std::abs(P - Edge) < 4; }

}  // namespace

Integer ScrollPositionToIndex(Integer Position, Integer Count, Integer VisibleCount, Integer FixedCount)
{
    return MulDivAway(Position, int64_t(Count) - VisibleCount - FixedCount, GridScrollRange) + FixedCount;
}

String ScrollHintText(TScrollAxis Axis, Integer Index)
{
    return (Axis == TScrollAxis::Horizontal ? u"Col : " : u"Row : ") + IntToStr(Index);
}

TScrollSums ScrollSums(const TScrollAxisExtent& Axis)
{
    const Int64 w = Axis.LineWidth;
    const Int64 fixedEnd = Axis.Start(Axis.FixedCount);
    const Int64 end = Axis.Start(Axis.Count);
    const Int64 first = Axis.Start(Axis.FirstScrolling);
    return {.Fixed = w + fixedEnd + w * Axis.FixedCount,
            .Scrolling = w + (end - fixedEnd) + w * (Axis.Count - Axis.FixedCount),
            .Before = w + (first - fixedEnd) + w * (Axis.FirstScrolling - Axis.FixedCount),
            .Total = end};
}

std::optional<TProportionalBar> HorzProportionalBar(const TScrollSums& Sums, Integer Width, Integer CurrentPosition)
{
    const std::optional<float> share = ShownShare(Sums, Width);
    if (!share) return std::nullopt;
    if (Sums.Fixed + Sums.Scrolling - Width < 5) return std::nullopt;
    return BarFor(*share, Width < Sums.Scrolling ? ThumbPosition(Sums, Width) : CurrentPosition);
}

std::optional<TProportionalBar> VertProportionalBar(const TScrollSums& Sums, Integer Height)
{
    const std::optional<float> share = ShownShare(Sums, Height);
    if (!share) return std::nullopt;
    return BarFor(*share, Height < Sums.Scrolling ? ThumbPosition(Sums, Height) : GridScrollRange);
}

bool ShowsHorzBarAfterProportional(const TScrollSums& Sums, Integer Width, bool HasHorzBar, bool HorzBarAlways)
{
    return HorzBarAlways || (Sums.Total >= Width && HasHorzBar);
}

bool IsOnSizingEdge(const TSizingEdgeProbe& P)
{
    if (P.Col < 0 || P.Row < 0) return false;
    const bool colEdge = P.Row <= P.FixedRows && P.ColSizing && (Near(P.X, P.CellLeft) || Near(P.X, P.CellRight));
    const bool rowEdge = P.Col <= P.FixedCols && P.RowSizing && (Near(P.Y, P.CellTop) || Near(P.Y, P.CellBottom));
    return colEdge || rowEdge;
}

Integer StretchColumnIndex(Integer Index, Integer ColCount)
{
    if (Index >= ColCount || Index < -1) throw EExtGridError(u"Stretch column index out of range");
    return Index == -1 ? ColCount - 1 : Index;
}

std::optional<Integer> StretchedWidth(const TStretchInput& In)
{
    if (In.ColCount == 1) return In.ClientWidth;
    const Int64 others = In.TotalWidth - In.ColumnWidth;
    if (others < In.ClientWidth) return static_cast<Integer>(In.ClientWidth - others - 1);
    if (In.NotScrolled) return In.DefaultColWidth;
    return std::nullopt;
}

std::vector<Integer> ScaleWithResized(std::vector<Integer> Sizes, Integer FirstScaled, Integer Resized, Integer OldSize)
{
    if (OldSize <= 0 || Resized < 0 || Resized >= static_cast<Integer>(Sizes.size())) return Sizes;
    const double factor = static_cast<double>(Sizes[Resized]) / OldSize;
    for (Integer i = std::max(FirstScaled, 0); i < static_cast<Integer>(Sizes.size()); ++i)
        if (i != Resized) Sizes[i] = static_cast<Integer>(Round(Sizes[i] * factor));
    return Sizes;
}

}  // namespace gw
