// The check that a row order is a permutation before any row is moved along it.
#include "grid/model/row_sort.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

namespace gw::detail {

void CheckRowOrder(Integer First, const std::vector<Integer>& Order)
{
    std::vector<bool> seen(Order.size(), false);
    for (const Integer row : Order) {
        const Int64 at = static_cast<Int64>(row) - First;
        if (at < 0 || at >= static_cast<Int64>(Order.size()) || seen[static_cast<size_t>(at)])
            throw EListError(u"Row order is no permutation: row " + IntToStr(row));
        seen[static_cast<size_t>(at)] = true;
    }
}

}  // namespace gw::detail
