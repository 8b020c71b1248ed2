// The window-free arithmetic of dragging cells: which part of the grid's picture a block of
// cells shows as its drag image, which source cells a move within one grid clears, and where
// the selection's resize handle lies.
#pragma once

#include "grid/model/grid_rect.h"
#include "platform/graphics/geometry.h"

#include <vector>

namespace gw {

// The part of the control's picture that shows the block whose corner cells have the client
// rectangles First and Last (given in either order): from one pixel right of and below the
// top-left cell's client rectangle to the bottom-right cell's right and bottom edges, both
// included, so that the image is one pixel wider and higher than the cells' rectangles.
TRect DragImageSource(TRect First, TRect Last);

// The cells of Source that a move within one grid clears once the block landed on Drop (a block
// of the same size): the source cells outside the dropped block, as at most four rectangles
// (the rows above and below the dropped block, then the columns left and right of it).
std::vector<TGridRect> CellsClearedAfterMove(const TGridRect& Source, const TGridRect& Drop);

// The selection's resize handle: the 6 x 6 square at the outer bottom corner of Cell, the client
// rectangle of the selection's bottom-right cell - its bottom-right corner, or its bottom-left
// one with right-to-left alignment, where the columns run leftwards and the selection ends.
TRect SelectionResizeHandle(const TRect& Cell, bool RightToLeft);

}  // namespace gw
