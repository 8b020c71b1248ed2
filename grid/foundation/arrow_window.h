// The small arrow windows that mark where a dragged column or row will land.
//
// The grid makes one per direction, shows and places them (screen coordinates) while a column or
// row is dragged, hides them afterwards and colours all four alike.
#pragma once

#include "platform/controls/panel.h"
#include "platform/graphics/region.h"

#include <array>

namespace gw {

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

class TArrowWindow : public TPanel {
public:
    // A hidden lime arrow pointing in ADirection, owned by and parented to the grid; its window
    // is a pop-up owned by the grid's window.
    TArrowWindow(TWinControl* AOwner, TArrowDirection ADirection);
    String ClassName() const override { return u"TArrowWindow"; }

    TArrowDirection Dir() const { return m_dir; }
    // The outline, in window coordinates.
    const std::array<TPoint, 7>& Arrow() const { return m_arrow; }
    // The pixels of the window that belong to the arrow (the outline filled, winding rule): the
    // shape its window is given.
    TRegion ArrowRegion() const;

protected:
    // Exactly WS_POPUP: no other style bit.
    void CreateParams(TCreateParams& Params) override;
    // The window is cut to the arrow: it shows and takes the mouse only there.
    void CreateWnd() override;
    // Fills the window in its colour.
    void Paint() override;

private:
    TArrowDirection m_dir;
    std::array<TPoint, 7> m_arrow;
};

}  // namespace gw
