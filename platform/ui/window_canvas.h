// A canvas on a window's own pixels outside a paint pass (a frame drawn over the window's edge,
// say): drawn at once, clipped to what of the window shows, and shown when the canvas goes.
#pragma once

#include "platform/graphics/canvas.h"
#include "platform/graphics/region.h"
#include "platform/ui/window_system.h"

#include <optional>

namespace gw {

class TWindowCanvas {
public:
    // WholeWindow: (0, 0) is the window's top-left corner and its scroll bars may be drawn on;
    // otherwise (0, 0) is the client area's and drawing stays inside it.
    TWindowCanvas(HWND Wnd, bool WholeWindow);
    ~TWindowCanvas();
    TWindowCanvas(const TWindowCanvas&) = delete;
    TWindowCanvas& operator=(const TWindowCanvas&) = delete;

    // nullptr while the window shows nothing (hidden, cut off by its parents, no display).
    TCanvas* Canvas() { return m_canvas ? &*m_canvas : nullptr; }

private:
    HWND m_wnd;
    TWindowPixels m_pixels;
    std::optional<TRegion> m_clip;
    std::optional<TCanvas> m_canvas;
};

}  // namespace gw
