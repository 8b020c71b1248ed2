// The painter of scroll bars: one signature for every look, and the classic look.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/ui/scroll_bar_layout.h"

#include <functional>

namespace gw {

class TCanvas;

// Paints a bar in R from its layout; Enabled false draws it inactive whatever it could scroll.
using TScrollBarPaint = std::function<void(TCanvas& Canvas, const TRect& R, TScrollBarKind Kind,
                                           const TScrollBarLayout& Layout, bool Enabled, TScrollBarPart Pressed)>;

// The classic look: raised arrow buttons, the track in the scroll-bar colour, a raised thumb;
// the pressed page darkened. A bar with nothing to scroll has inactive arrows and no thumb; an
// arrow the layout has turned off is inactive.
void DrawScrollBar(TCanvas& Canvas, const TRect& R, TScrollBarKind Kind, const TScrollBarLayout& Layout, bool Enabled,
                   TScrollBarPart PressedPart = TScrollBarPart::None);

}  // namespace gw
