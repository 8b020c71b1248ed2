// A rectangle of grid cells: first and last column and row, both ends included.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

struct TGridRect {
    Integer Left = 0;
    Integer Top = 0;
    Integer Right = 0;
    Integer Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

}  // namespace gw
