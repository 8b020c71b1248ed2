// The faces of buttons drawn inside cells: push button, combo drop-down button and spin buttons,
// each in one of four looks.
#pragma once

#include "grid/foundation/theme_style.h"
#include "platform/graphics/canvas.h"
#include "platform/ui/messages.h"

namespace gw {

// Themed parts are drawn with the visual-style data of a window; without visual styles the
// themed look is drawn as the classic one.
enum class TCellButtonLook : Byte { Themed = 0, Classic = 1, Flat = 2, Custom = 3 };
// With the custom look the state picks the tone: normal Background, hot Hover, pressed
// Selected, disabled Disabled.
enum class TCellButtonState : Byte { Normal = 0, Hot = 1, Pressed = 2, Disabled = 3 };

// R as a push button.
void DrawCellButtonFace(TCanvas& Canvas, HWND Wnd, const TRect& R, TCellButtonLook Look, TCellButtonState State,
                        const TColorTones& Tones);
// A drop-down button 17 pixels wide at the right of R (1 pixel in at top and bottom, 2 pixels
// left of the right edge).
void DrawComboDropButton(TCanvas& Canvas, HWND Wnd, const TRect& R, TCellButtonLook Look, TCellButtonState State,
                         const TColorTones& Tones);
// An up and a down button in the right 15 pixels of R (1 pixel left and up), split at the middle.
void DrawSpinButtons(TCanvas& Canvas, HWND Wnd, const TRect& R, TCellButtonLook Look, TCellButtonState State,
                     const TColorTones& Tones);

}  // namespace gw
