// The grid's layered-window calls: per-pixel alpha and whole-window opacity of top-level windows
// (the focus frame, the drag image, translucent hints).
//
// They stand where the calls were looked up at run time on systems that might lack them; the
// platform always has them (platform/ui/window_system.h: UpdateLayeredWindow,
// SetLayeredWindowAttributes, WS_EX_LAYERED), so each is the platform's call and its result.
#pragma once

#include "platform/ui/window_system.h"

namespace gw {

// The nine arguments of the platform's layered-window update: window, destination device
// (unused, nullptr), new position and size (nullptr: unchanged), source device and the point in
// it, colour key, blend and flags. True when the window now shows the picture.
bool UpdateLayeredWindowIfPresent(HWND Wnd, TCanvas* DestDC, const TPoint* DestPos, const TSize* Size,
                                  TCanvas* SourceDC, const TPoint* SourcePos, TColor Key, const TBlendFunction* Blend,
                                  Cardinal Flags);
// Opacity and colour key of a layered window that paints itself; true when they were set.
bool SetLayeredWindowAttributesIfPresent(HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags);

}  // namespace gw
