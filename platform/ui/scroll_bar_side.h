// Which side a window's vertical scroll bar stands on: with WS_EX_LEFTSCROLLBAR (the choice of
// right-to-left controls) it stands at the left edge and the client area begins beside it.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/ui/window_system.h"

namespace gw {

constexpr Cardinal WS_EX_LEFTSCROLLBAR = 0x00004000;

// Where the client area begins in the window: right of a vertical bar standing at the left edge,
// else at the window's own top-left corner.
TPoint ClientOffset(HWND Wnd);

}  // namespace gw
