// Where a block of rows lands when it is moved: the target named before the block leaves, taken
// to the place it has once the block is out.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// The displayed row at which Count rows taken out at From are put back so that they stand
// before what was row To: a target at or after the block's end moves up by the block.
constexpr Integer MovedRowsTarget(Integer From, Integer To, Integer Count)
{
    return From + Count <= To ? To - Count : To;
}

}  // namespace gw
