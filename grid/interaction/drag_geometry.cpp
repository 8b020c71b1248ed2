// The window-free arithmetic of dragging cells.
#include "grid/interaction/drag_geometry.h"

#include <algorithm>
#include <utility>

namespace gw {

TRect DragImageSource(TRect First, TRect Last)
{
    // A block given from right to left yields the same picture.
    if (First.Left > Last.Left) std::swap(First, Last);
    if (Last.Bottom < First.Bottom) {
        std::swap(First.Bottom, Last.Bottom);
        std::swap(First.Top, Last.Top);
    }
    return {First.Left + 1, First.Top + 1, Last.Right + 2, Last.Bottom + 2};
}

std::vector<TGridRect> CellsClearedAfterMove(const TGridRect& Source, const TGridRect& Drop)
{
    const Integer left = std::max(Source.Left, Drop.Left), right = std::min(Source.Right, Drop.Right);
    const Integer top = std::max(Source.Top, Drop.Top), bottom = std::min(Source.Bottom, Drop.Bottom);
    if (left > right || top > bottom) return {Source};
    std::vector<TGridRect> cleared;
    auto add = [&](Integer L, Integer T, Integer R, Integer B) {
        if (L <= R && T <= B) cleared.push_back(TGridRect{L, T, R, B});
    };
    add(Source.Left, Source.Top, Source.Right, top - 1);
    add(Source.Left, bottom + 1, Source.Right, Source.Bottom);
    add(Source.Left, top, left - 1, bottom);
    add(right + 1, top, Source.Right, bottom);
    return cleared;
}

TRect SelectionResizeHandle(const TRect& Cell, bool RightToLeft)
{
    constexpr Integer Side = 6;
    const Integer left = RightToLeft ? Cell.Left : Cell.Right - Side;
    return {left, Cell.Bottom - Side, left + Side, Cell.Bottom};
}

}  // namespace gw
