// A string grid whose every cell names itself "row:column", so that moved, hidden and shown cells
// can be told apart.
#pragma once

#include "grid/model/ext_string_grid.h"
#include "platform/runtime/convert.h"

namespace gw::test {

inline String CellText(Integer Col, Integer Row) { return IntToStr(Row) + u":" + IntToStr(Col); }

inline void FillLabelled(TExtStringGrid& Grid, Integer Cols, Integer Rows)
{
    Grid.SetColCount(Cols);
    Grid.SetRowCount(Rows);
    for (Integer r = 0; r < Rows; ++r)
        for (Integer c = 0; c < Cols; ++c) Grid.SetCellEx(c, r, CellText(c, r));
}

}  // namespace gw::test
