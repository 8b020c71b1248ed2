// Where a cell's check box or radio button lies: one placement that the painter draws the glyph
// in and that a click is tested against, so that what is seen is what is hit.
#pragma once

#include "grid/model/cell_graphic.h"
#include "platform/graphics/geometry.h"
#include "platform/ui/alignment.h"

namespace gw {

struct TCheckBoxPlacement {
    // The rectangle the cell's graphic is drawn in; it is inset by Offset less one pixel.
    TRect Area{};
    // The grid's XYOffset.
    TPoint Offset{};
    // The glyph's square: the check size, or the radio size for a radio button.
    Integer Size = 0;
    // ctCheckBox, ctTriStateCheckBox and ctRadioButton go beside the cell text; the data, virtual
    // and row check boxes stand alone. A radio button sits Offset.X further right.
    TCellType Kind = ctCheckBox;
    TAlignment HAlign = taLeftJustify;
    TCellVAlign VAlign = vaTop;
    // The cell text's width + 2, 0 without text.
    Integer TextWidth = 0;
};

// The glyph's square.
TRect CheckBoxPlace(const TCheckBoxPlacement& P);

// The point lies in the box; its right and bottom edges excluded.
bool PointInCheckBox(const TRect& Box, Integer X, Integer Y);

}  // namespace gw
