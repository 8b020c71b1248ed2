// The focus frame of a grid: a soft, semi-transparent rounded frame in a window of its own,
// around the cell being edited, and the option that turns it on.
//
// The grid shows it as a layered window: FocusFrameBounds places the window around the cell,
// CreateFocusFrameMask makes its image and FocusFrameRegion keeps it off the cell itself.
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

}  // namespace gw
