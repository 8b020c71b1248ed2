// The arithmetic of AutoFitColumns: spreading the columns to fit over the room the control
// leaves them, in proportion to their widths.
#pragma once

#include "platform/runtime/types.h"

#include <vector>

namespace gw {

struct TAutoFitArgs {
    // The widths of the columns to fit, in order.
    std::vector<Integer> Widths{};
    // The room they share: the control's width, less the fixed columns' widths when only the
    // normal columns are fitted.
    Integer Space = 0;
    // The vertical scroll bar's width when one shows, else 0.
    Integer ScrollBar = 0;
    // 4 for a single 3-D border, 2 for a single flat one, else 0.
    Integer Border = 0;
    // The grid lines between the fitted columns.
    Integer Lines = 0;
};

// The new widths. With S the widths' sum and R = Space - ScrollBar - Border: nothing changes when
// S = R, or when there is nothing to spread (no column, S = 0). Otherwise each width w becomes
// round(w x T / S), where T is the sum of round(w x (R - Lines) / S), rounding halves to even;
// when the columns are fewer than the room left over (R less the new sum), each gets an equal
// whole share of it (with two columns or more); what is left, negative too, goes to the widest
// column (the first of equals).
std::vector<Integer> AutoFitWidths(const TAutoFitArgs& Args);

}  // namespace gw
