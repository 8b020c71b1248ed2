// Paints the graphic child controls of a windowed control from outside it: a drop-down button
// that paints itself transparent lets its parent paint what lies under it this way.
#pragma once

#include "platform/ui/win_control.h"

namespace gw {

class TWinCtrl : public TWinControl {
public:
    // The graphic children of Control painted onto Canvas (in the control's coordinates).
    static void PaintCtrls(TWinControl& Control, TCanvas& Canvas)
    {
        // Named through this class, the protected member may be called on any windowed control.
        void (TWinControl::*paint)(TCanvas&) = &TWinCtrl::PaintControls;
        (Control.*paint)(Canvas);
    }

private:
    TWinCtrl() = delete;
};

}  // namespace gw
