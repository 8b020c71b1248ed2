// The red zig-zag that marks a misspelt or invalid stretch of a cell text.
#pragma once

#include "platform/graphics/canvas.h"
#include "platform/ui/win_control.h"

namespace gw {

// Underlines Length characters of Text from the 0-based index From, the text laid out as a
// single-line edit placed in Owner at R would show it (in the canvas font). Offset moves the
// line down. A range reaching past the text ends 4 pixels after the last character's start;
// a start past the text lies 4 pixels after its end. Nothing for a Length below 1.
void DrawErrorUnderline(TWinControl& Owner, TCanvas& Canvas, StringView Text, const TRect& R, Integer Offset,
                        Integer From, Integer Length);

}  // namespace gw
