// The grid a cell editor control belongs to: its owner, which must be a string grid.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

class TComponent;
class TExtStringGrid;

// AOwner as a string grid; EInvalidCast naming EditorClass when it is none.
TExtStringGrid* OwningGrid(TComponent* AOwner, const String& EditorClass);

}  // namespace gw
