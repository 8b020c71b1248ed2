// The floating window that looks like a header cell and carries the caption of the column or
// row header being dragged to a new place.
#pragma once

#include "platform/ui/win_control.h"

namespace gw {

class TExtStringGrid;

class THeaderDragButton : public TCustomControl {
public:
    explicit THeaderDragButton(TComponent* AOwner);
    String ClassName() const override { return u"THeaderDragButton"; }

    // The grid whose header look is copied; none: the caption on the control's colour only.
    TExtStringGrid* Grid = nullptr;
    // The caption (the control's text) is plain text, or grid mark-up when it holds "</".
    // Kept for the caller; painting does not read it.
    bool Flat = false;

    // Paints the header look and the caption on Canvas over the client rectangle.
    void DrawButton(TCanvas& Canvas) const;

protected:
    // A pop-up window with a border that saves what it covers.
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
};

}  // namespace gw
