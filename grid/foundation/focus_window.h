// The focus frame of a grid: a soft, semi-transparent rounded frame in a window of its own,
// around the cell being edited, and the option that turns it on.
//
// The frame is a layered window: FocusFrameBounds places it around the cell,
// CreateFocusFrameMask makes its picture (ApplyAlphaMaskToWindow gives it to the window) and
// FocusFrameRegion keeps it off the cell itself, for the eye and for the mouse.
#pragma once

#include "grid/foundation/alpha_mask.h"
#include "platform/graphics/region.h"
#include "platform/ui/win_control.h"

namespace gw {

// The grid's FocusHelper option.
class TFocusHelper : public TPersistent {
public:
    String ClassName() const override { return u"TFocusHelper"; }
    // Copies Enabled from another TFocusHelper; any other source is ignored.
    void Assign(TPersistent* Source) override;

    bool Enabled = false;
};

// A pop-up tool window that never takes the focus, created hidden, 0 x 0 and coloured $0000FF.
class TGridFocusWindow : public TCustomControl {
public:
    explicit TGridFocusWindow(TComponent* AOwner);
    String ClassName() const override { return u"TGridFocusWindow"; }

    // Shows the frame around a cell (screen coordinates): hidden, given the frame's picture and
    // shape for the cell's size, placed and shown without activation; the focus stays where it
    // is.
    void ShowAround(const TRect& ScreenCell);
    // Follows the cell (screen coordinates) while the frame is shown; a cell of another size
    // gets a frame of its size.
    void MoveAround(const TRect& ScreenCell);

protected:
    // Exactly WS_POPUP | WS_DISABLED, extended WS_EX_TOPMOST | WS_EX_TOOLWINDOW.
    void CreateParams(TCreateParams& Params) override;
};

// How far the frame reaches out of the cell on the left and top; it reaches one pixel further on
// the right and bottom.
constexpr Integer FocusFrameMargin = 4;
// The frame's colour, pen width, corner size, blur radius and opacity.
constexpr TColor FocusFrameColor = 0xFDD397;
constexpr Integer FocusFramePenWidth = 4;
constexpr Integer FocusFrameRounding = 5;
constexpr double FocusFrameBlurRadius = 3.0;
constexpr Byte FocusFrameOpacity = 230;

// The window's bounds around a cell rectangle (both in screen coordinates): the cell's size plus
// 9 pixels, moved 4 pixels up and left.
TRect FocusFrameBounds(const TRect& CellRect);
// The part of that window the frame covers, in window coordinates: all of it but the cell.
TRegion FocusFrameRegion(const TRect& CellRect);
// The frame's image for a window of Width x Height: the colour under a blurred rounded outline,
// with the frame's opacity.
void CreateFocusFrameMask(TGridAlphaMask& Mask, Integer Width, Integer Height);

// Makes Wnd a layered window showing the mask's pixels under its opacity: the window takes the
// mask's size and keeps its place; true when the picture was taken. A mask of height 0 changes
// nothing (false).
bool ApplyAlphaMaskToWindow(HWND Wnd, TGridAlphaMask& Mask);

}  // namespace gw
