// The check box square inside a cell.
#include "grid/model/check_box_place.h"

namespace gw {

TRect CheckBoxPlace(const TRect& Cell, Integer Size, TCellVAlign VAlign, TAlignment HAlign, Integer TextWidth)
{
    TRect r;
    switch (VAlign) {
    case vaTop: r.Top = Cell.Top + 2; break;
    case vaBottom: r.Top = Cell.Bottom - Size - 2; break;
    case vaCenter: r.Top = Cell.Top + (Cell.Bottom - Cell.Top - Size) / 2; break;
    default: break;
    }
    switch (HAlign) {
    case taLeftJustify: r.Left = Cell.Left + 2; break;
    case taRightJustify: r.Left = Cell.Right - Size - 2 - TextWidth; break;
    case taCenter: r.Left = Cell.Left + (Cell.Right - Cell.Left - Size) / 2; break;
    }
    r.Right = r.Left + Size;
    r.Bottom = r.Top + Size;
    return r;
}

bool PointInCheckBox(const TRect& Box, Integer X, Integer Y)
{
    return X >= Box.Left && X < Box.Right && Y >= Box.Top && Y < Box.Bottom;
}

}  // namespace gw
