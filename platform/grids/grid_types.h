// The grid's vocabulary: cell coordinates and ranges, options, draw states and mouse states.
#pragma once

#include "platform/runtime/exceptions.h"
#include "platform/runtime/types.h"

#include <cstdint>

namespace gw {

// A cell: X is the column, Y the row.
struct TGridCoord {
    Integer X = 0;
    Integer Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A range of cells, Right and Bottom included.
struct TGridRect {
    Integer Left = 0;
    Integer Top = 0;
    Integer Right = 0;
    Integer Bottom = 0;
    TGridCoord TopLeft() const { return {Left, Top}; }
    TGridCoord BottomRight() const { return {Right, Bottom}; }
    bool Contains(Integer ACol, Integer ARow) const
    {
        return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
    }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption : uint32_t {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = uint32_t;

enum TGridDrawStateBit : uint8_t { gdSelected = 1u << 0, gdFocused = 1u << 1, gdFixed = 1u << 2 };
using TGridDrawState = uint8_t;

// What the mouse is doing with the grid between a press and its release.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// Misuse of the grid: an index outside the cells, fixed counts that leave nothing to scroll.
class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

}  // namespace gw
