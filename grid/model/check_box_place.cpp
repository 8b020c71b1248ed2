// The check box square inside a cell.
#include "grid/model/check_box_place.h"

#include "grid/model/cell_paint_geometry.h"

#include <algorithm>

namespace gw {

TRect CheckBoxPlace(const TCheckBoxPlacement& P)
{
    TRect r = P.Area;
    InflateRect(r, -(P.Offset.X - 1), -(P.Offset.Y - 1));
    const bool radio = P.Kind == ctRadioButton;
    const bool besideText = radio || P.Kind == ctCheckBox || P.Kind == ctTriStateCheckBox;
    const Integer tw = P.TextWidth > 0 ? P.TextWidth + 2 : 0;
    const Integer w = P.Size;
    Integer l = r.Left + 1;
    if (P.HAlign == taRightJustify) l = (besideText ? r.Right - tw : r.Right) - w - 1;
    if (P.HAlign == taCenter)
        l = besideText && tw >= 1 ? r.Left + std::max(0, r.Right - tw - r.Left) / 2 - w
                                  : r.Left + std::max(0, r.Right - w - r.Left) / 2;
    if (l < r.Left) l = r.Left + 1;
    if (radio) l += P.Offset.X;
    const Integer t = PlaceCellGraphic(r, w, w, haLeft, P.VAlign, P.HAlign, 0).Top;
    return Bounds(l, t, w, w);
}

bool PointInCheckBox(const TRect& Box, Integer X, Integer Y)
{
    return X >= Box.Left && X < Box.Right && Y >= Box.Top && Y < Box.Bottom;
}

}  // namespace gw
