// Where moved rows and columns land: a block's target named before the block leaves, taken to
// the place it has once the block is out; an index after one item moved.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// The displayed row at which Count rows taken out at From are put back so that they stand
// before what was row To: a target at or after the block's end moves up by the block.
constexpr Integer MovedRowsTarget(Integer From, Integer To, Integer Count)
{
    return From + Count <= To ? To - Count : To;
}

// Where the item at Index stands after the item at From moved to To, those between closing up.
constexpr Integer MovedIndex(Integer Index, Integer From, Integer To)
{
    if (Index == From) return To;
    if (To < From && Index >= To && Index < From) return Index + 1;
    if (To > From && Index > From && Index <= To) return Index - 1;
    return Index;
}

}  // namespace gw
