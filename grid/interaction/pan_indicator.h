// The picture a middle-button pan shows where it started: a white disc with an arrow for each
// direction the pan may run.
#pragma once

#include "grid/interaction/pointer_rules.h"
#include "platform/graphics/canvas.h"

namespace gw {

// The picture is this square; erasing it invalidates a little more, for the edges.
constexpr Integer PanIndicatorSize = 26;
constexpr Integer PanIndicatorEraseSize = 32;

// Draws the picture with its top-left corner at At; nothing for ipNone. The canvas's pen and
// brush are as they were on entry when it returns.
void DrawPanIndicatorShape(TCanvas& Canvas, TPoint At, TIntelliPan Pan);

}  // namespace gw
