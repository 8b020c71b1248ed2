// The window message an ended edit posts to its grid ("GridEditDone": wParam the real column,
// lParam the row), registered once for the program.
#pragma once

#include "platform/ui/window_system.h"

namespace gw {

inline UINT GridEditDoneMessage()
{
    static const UINT id = RegisterWindowMessage(u"GridEditDone");
    return id;
}

}  // namespace gw
