// Dragging controls: the drag session's nested loop, drag-over and drop notices, drag targets.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/runtime/types.h"

#include <functional>

namespace gw {

class TControl;

enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, Integer X, Integer Y)>;
using TStartDragEvent = std::function<void(TObject* Sender, TObject*& DragObject)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, Integer X, Integer Y)>;

// Runs a drag of Source until the left button is released (drop on an accepting target),
// Escape or the right button (cancel), or the capture is lost. The drag starts once the mouse
// moved more than Threshold pixels from where it was, or at once when Immediate.
void RunDrag(TControl* Source, bool Immediate, Integer Threshold);
// The control being dragged, nullptr when no drag runs.
TControl* DragControl();
// Ends the running drag: with Drop, as if released where the mouse is now.
void FinishDrag(bool Drop);
inline void CancelDrag() { FinishDrag(false); }
// The enabled control under a screen point (windowless children included), nullptr when none.
TControl* FindDragTarget(TPoint ScreenPos, bool AllowDisabled);
// Internal: a control goes away during a drag.
void DragControlDestroying(TControl* Control);

}  // namespace gw
