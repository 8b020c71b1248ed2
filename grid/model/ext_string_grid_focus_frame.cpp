// TExtStringGrid: the focus frame around the cell being edited - shown round the current cell,
// kept on it while windows move (the unit's send-message observer calls MoveFocusWindow of the
// grid whose frame is shown), hidden after a value is accepted.
#include "grid/foundation/focus_window.h"
#include "grid/model/ext_string_grid.h"

namespace gw {

namespace {

TRect ScreenRect(const TControl& Control, const TRect& R)
{
    const TPoint topLeft = Control.ClientToScreen({R.Left, R.Top});
    return Bounds(topLeft.X, topLeft.Y, R.Width(), R.Height());
}

}  // namespace

void TExtStringGrid::ShowFocusWindow()
{
    if (!FFocusWindow) return;  // not made while designing
    // The unit's observer moves the frame: started here at the latest (nothing else starts it).
    StartUp();
    SetFocusFrameGrid(this);
    FFocusWindow->ShowAround(ScreenRect(*this, CellRect(Col(), GetRowEx())));
}

void TExtStringGrid::MoveFocusWindow()
{
    if (FFocusWindow) FFocusWindow->MoveAround(ScreenRect(*this, CellRect(Col(), GetRowEx())));
}

// Another grid's frame, shown meanwhile, keeps following its cell.
void TExtStringGrid::HideFocusWindow()
{
    if (FocusFrameGrid() == this) SetFocusFrameGrid(nullptr);
    if (FFocusWindow) FFocusWindow->SetVisible(false);
}

}  // namespace gw
