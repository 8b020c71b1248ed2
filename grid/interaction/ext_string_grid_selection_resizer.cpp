// TExtStringGrid: the selection's resize handle - the small square at the bottom-right corner of
// the selection. A press on it copies the selection; dragging widens the selection; the release
// pastes into the new selection, so that the smart paste fills it.
#include "grid/foundation/mouse_actions.h"
#include "grid/interaction/drag_geometry.h"
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/scope.h"
#include "platform/ui/message_records.h"

namespace gw {

bool TExtStringGrid::OnSelectionResizer(Integer X, Integer Y) const
{
    if (!SelectionResizer || !SelectionRectangle) return false;
    const TGridRect s = Selection();
    const TRect cell = CellRect(s.Right, s.Bottom);
    if (cell.Right <= cell.Left || cell.Bottom <= cell.Top) return false;
    // Right to left the handle sits in the cell's bottom-left corner, where the selection ends.
    return PtInRect(SelectionResizeHandle(cell, UseRightToLeftAlignment()), {X, Y});
}

// The press copies the selection and starts a drag that moves only the selection's far corner.
// FromHandle: pressed on the handle itself (the drag selects at once and the press is taken),
// not only where the pointer last showed it.
void TExtStringGrid::StartSelectionResize(TMessage& Message, const TGridRect& Before, bool FromHandle)
{
    const TPoint at = TWMMouse(Message).Pos;
    if (FromHandle) SetGridState(gsSelecting);
    FDropSelection = Selection();
    CopySelectionToClipboard();
    FMouseResize = true;
    const bool editing = (Options() & goEditing) != 0;
    if (!editing && (!FromHandle || !MouseActions()->RangeSelectAndEdit)) TBaseGrid::WndProc(Message);
    // The anchor goes back to the selection's top-left cell; the drag moves its bottom-right one.
    SetSelection(Before);
    MouseMove(0, at.X, at.Y);
    if (FromHandle) Message.Result = 1;
}

void TExtStringGrid::ReleaseSelectionResizer()
{
    if (!FMouseResize) return;
    TScopeExit ended([this] { FMouseResize = false; });
    const TGridRect from = FDropSelection, to = Selection();
    if (OnSelectionResize) OnSelectionResize(this, from, to);
    {
        // Each cell by its own permission, as if the grid allowed editing.
        TTemporaryChange<bool> editable(FEditDisable, true);
        PasteSelectionFromClipboard();
    }
    FMouseResize = false;
    if (OnSelectionResized) OnSelectionResized(this, from, to);
}

}  // namespace gw
