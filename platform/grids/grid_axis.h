// One axis of the grid (its columns or its rows): how many, how big each is, and where each one
// starts, at a cost that does not grow with the count.
#pragma once

#include "platform/runtime/types.h"

#include <cstdint>
#include <vector>

namespace gw {

// Sizes are kept as a default plus the exceptions (the items whose size was set to something
// else), sorted by index, with the running sum of their differences from the default. Where an
// item starts and which item covers a pixel are then a binary search over the exceptions, so a
// grid of ten million rows of the default height answers as fast as one of ten.
//
// Every item is followed by a grid line: its extent is its size plus LineWidth. Positions are
// 64-bit, since ten million rows of a large height pass 2^31 pixels.
class TGridAxis {
public:
    Integer Count() const { return m_count; }
    // Items at or beyond the new count forget their sizes: they come back with the default.
    void SetCount(Integer Value);
    Integer DefaultSize() const { return m_defaultSize; }
    // Every item takes the new default (the exceptions are dropped).
    void SetDefaultSize(Integer Value);
    Integer LineWidth() const { return m_lineWidth; }
    void SetLineWidth(Integer Value) { m_lineWidth = Value; }

    // The size of an item; the default for an index outside the axis.
    Integer Size(Integer Index) const;
    // Sizes below 0 are taken as 0; an index outside the axis is ignored.
    void SetSize(Integer Index, Integer Value);
    Integer Extent(Integer Index) const { return Size(Index) + m_lineWidth; }
    bool HasExceptions() const { return !m_exceptions.empty(); }

    // Where an item starts: the extents of the items before it (Start(Count()) is the total).
    int64_t Start(Integer Index) const;
    // The item whose extent holds Position, with Position measured from the start of item 0;
    // Count() when Position lies beyond the last item, -1 before the first.
    Integer IndexAt(int64_t Position) const;

    // The sizes follow an item moved from From to To, the items between closing up.
    void Move(Integer From, Integer To);

private:
    struct TException {
        Integer Index;
        Integer Size;
    };
    int64_t Stride() const { return int64_t(m_defaultSize) + m_lineWidth; }
    // The first exception at or after Index.
    std::size_t LowerBound(Integer Index) const;
    // The sum of the differences from the default of the first N exceptions.
    int64_t Delta(std::size_t N) const;
    void Changed() { m_deltaValid = false; }

    Integer m_count = 0;
    Integer m_defaultSize = 0;
    Integer m_lineWidth = 0;
    std::vector<TException> m_exceptions;
    // m_delta[k]: the sum of (Size - default) over exceptions 0 .. k - 1; rebuilt on first use
    // after a change, so setting many sizes in a row costs one rebuild.
    mutable std::vector<int64_t> m_delta;
    mutable bool m_deltaValid = true;
};

}  // namespace gw
