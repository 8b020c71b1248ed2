// The arithmetic of AutoFitColumns.
#include "grid/model/auto_fit.h"

#include "platform/runtime/convert.h"

#include <algorithm>
#include <numeric>

namespace gw {

namespace {

Integer RoundHalfEven(double Value) { return static_cast<Integer>(Round(Value)); }

Integer Sum(const std::vector<Integer>& Widths) { return std::accumulate(Widths.begin(), Widths.end(), Integer{0}); }

}  // namespace

std::vector<Integer> AutoFitWidths(const TAutoFitArgs& Args)
{
    std::vector<Integer> widths = Args.Widths;
    const Integer sum = Sum(widths);
    const Integer room = Args.Space - Args.ScrollBar - Args.Border;
    if (widths.empty() || sum == 0 || sum == room) return widths;

    const double factor = static_cast<double>(room - Args.Lines) / sum;
    Integer scaled = 0;
    for (const Integer width : widths) scaled += RoundHalfEven(width * factor);
    for (Integer& width : widths) width = RoundHalfEven(static_cast<double>(width) * scaled / sum);

    Integer rest = room - Sum(widths);
    const Integer count = static_cast<Integer>(widths.size());
    if (count < rest && count >= 2) {
        for (Integer& width : widths) width += rest / count;
        rest %= count;
    }
    *std::max_element(widths.begin(), widths.end()) += rest;
    return widths;
}

}  // namespace gw
