// Optional layered-window calls: per-pixel alpha and whole-window opacity of top-level windows
// (the grid's focus frame), made only when the platform offers them.
//
// What the platform must provide, through InstallLayeredWindowFunctions at start-up (a window
// takes part once WS_EX_LAYERED, $00080000, is in its extended style):
// - UpdateLayeredWindow: shows Source (32-bit pixels, alpha premultiplied) as the whole image
//   of a top-level window, from SourcePos, Size pixels large, placed at DestPos (screen, when
//   given); with ULW_ALPHA each pixel's alpha, multiplied by Blend.SourceConstantAlpha / 255,
//   decides how much of the windows below shows through; with ULW_COLORKEY pixels of Key are
//   fully transparent; ULW_OPAQUE shows the pixels as they are. Mouse input falls through
//   pixels of alpha 0. False for a handle that is not a layered top-level window.
//   GTK back end: the window gets the screen's RGBA visual and paints the surface with
//   CAIRO_OPERATOR_SOURCE when the display composites; without compositing (no RGBA visual)
//   it shows the pixels of alpha above 0 opaque over an input and output shape of those pixels,
//   so the frame stays a frame rather than an opaque rectangle. Headless back end: records the
//   last image, position, size, key, blend and flags per window, for tests and pictures.
// - SetLayeredWindowAttributes: LWA_ALPHA gives the whole window the opacity Alpha / 255,
//   LWA_COLORKEY makes pixels of Key transparent; same result and fall-backs as above.
// Until they are installed both calls count as done, as on a system without layered windows.
#pragma once

#include "platform/graphics/canvas.h"
#include "platform/ui/messages.h"

#include <functional>

namespace gw {

constexpr Cardinal ULW_COLORKEY = 0x1;
constexpr Cardinal ULW_ALPHA = 0x2;
constexpr Cardinal ULW_OPAQUE = 0x4;
constexpr Cardinal LWA_COLORKEY = 0x1;
constexpr Cardinal LWA_ALPHA = 0x2;
constexpr Byte AC_SRC_OVER = 0x00;
constexpr Byte AC_SRC_ALPHA = 0x01;

struct TBlendFunction {
    Byte BlendOp = AC_SRC_OVER;
    Byte BlendFlags = 0;
    Byte SourceConstantAlpha = 255;
    Byte AlphaFormat = AC_SRC_ALPHA;
};

// The nine arguments of the platform's layered-window update: window, destination device
// (unused, nullptr), new position and size (nullptr: unchanged), source device and the point in
// it, colour key, blend and flags.
using TUpdateLayeredWindowFn =
    std::function<bool(HWND Wnd, TCanvas* DestDC, const TPoint* DestPos, const TSize* Size, TCanvas* SourceDC,
                       const TPoint* SourcePos, TColor Key, const TBlendFunction* Blend, Cardinal Flags)>;
using TSetLayeredWindowAttributesFn = std::function<bool(HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags)>;

struct TLayeredWindowFunctions {
    TUpdateLayeredWindowFn UpdateLayeredWindow;
    TSetLayeredWindowAttributesFn SetLayeredWindowAttributes;
};

// Installs the platform's functions (empty members: that function is missing); replaces any
// earlier installation.
void InstallLayeredWindowFunctions(TLayeredWindowFunctions Functions);

// Looks the function up at each call and makes it; true when it is missing.
bool UpdateLayeredWindowIfPresent(HWND Wnd, TCanvas* DestDC, const TPoint* DestPos, const TSize* Size,
                                  TCanvas* SourceDC, const TPoint* SourcePos, TColor Key, const TBlendFunction* Blend,
                                  Cardinal Flags);
bool SetLayeredWindowAttributesIfPresent(HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags);

}  // namespace gw
