// The metro scroll control's thumb arithmetic.
#include "grid/interaction/scroll_thumb.h"

#include "platform/runtime/convert.h"

#include <algorithm>

namespace gw {

std::optional<TThumb> ThumbOf(const TThumbAxis& Axis)
{
    const Integer scrolling = Axis.Count - Axis.Fixed;
    if (scrolling <= 0 || Axis.Visible >= scrolling) return std::nullopt;
    const double track = Axis.Extent - Axis.LeadingFixed - Axis.TrailingFixed;
    TThumb t;
    t.Size = std::max<Integer>(MinThumbSize, Integer(Round(track * Axis.Visible / Axis.Count)));
    t.Position = Axis.LeadingFixed + Integer(Round(track * (Axis.First - Axis.Fixed) / scrolling));
    if (t.Position + t.Size > Axis.Extent) t.Position = Axis.Extent - t.Size;
    return t;
}

TThumbPress ThumbPressAt(const TThumbAxis& Axis, Integer Coord)
{
    const std::optional<TThumb> t = ThumbOf(Axis);
    if (!t) return TThumbPress::None;
    if (Coord < t->Position) return TThumbPress::PageBack;
    if (Coord > t->Position + t->Size) return TThumbPress::PageOn;
    return TThumbPress::Drag;
}

Integer PageBackTarget(const TThumbAxis& Axis) { return std::max(Axis.Fixed, Axis.First - Axis.Visible); }

Integer PageOnTarget(const TThumbAxis& Axis) { return std::min(Axis.First + Axis.Visible, Axis.Count - Axis.Visible); }

Integer DragTarget(const TThumbAxis& Axis, Integer DownFirst, Integer Delta)
{
    const Integer span = Axis.Extent - Axis.FirstItemSize;
    if (span <= 0) return DownFirst;
    const Integer moved = DownFirst + Integer(Round(double(Delta) / span * Axis.Count));
    return std::max(Axis.Fixed, std::min(moved, Axis.Count - Axis.Visible));
}

}  // namespace gw
