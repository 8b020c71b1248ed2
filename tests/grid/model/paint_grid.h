// The string grid the painting tests use: cell graphics are those a test puts in a cell's
// properties (the cell graphics room answers this in the grid itself).
#pragma once

#include "grid/model/cell_graphic.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"

namespace gw::test {

class TPaintGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FEditing;
    using TExtStringGrid::FLook;
    using TExtStringGrid::FMouseDown;
    using TExtStringGrid::GetFormattedCell;
    using TExtStringGrid::TExtStringGrid;

    TCellGraphic* GetCellGraphic(Integer ACol, Integer ARow) override
    {
        return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    }
    TCellType GetCellType(Integer ACol, Integer ARow) override
    {
        const TCellGraphic* g = GetCellGraphic(ACol, ARow);
        return g ? g->CellType : ctEmpty;
    }
    // A graphic of that type in the cell, owned by the cell.
    TCellGraphic& AddGraphic(Integer ACol, Integer ARow, TCellType Type)
    {
        auto* g = new TCellGraphic;
        g->CellType = Type;
        delete GetGraphicObjectEx(ACol, ARow);
        SetGraphicObjectEx(ACol, ARow, g);
        return *g;
    }
    // The selection without the selection room's setter.
    void Select(Integer L, Integer T, Integer R, Integer B)
    {
        TGridRect sel;
        sel.Left = L;
        sel.Top = T;
        sel.Right = R;
        sel.Bottom = B;
        TCustomGrid::SetSelection(sel);
    }
};

// Every cell of G painted onto C with the grid's top left at (X, Y + 14), and Title above it.
inline void PaintWholeGrid(TExtStringGrid& G, TCanvas& C, Integer X, Integer Y, const String& Title)
{
    C.SetOrigin(Point(X, Y + 14));
    for (Integer r = 0; r < G.RowCount(); ++r)
        for (Integer c = 0; c < G.ColCount(); ++c) {
            const TRect cell = G.CellRect(c, r);
            if (!IsRectEmpty(cell)) G.PaintCell(C, c, r, cell, 0);
        }
    C.SetOrigin(Point(X, Y));
    C.Font()->SetColor(clBlack);
    C.Font()->SetSize(8);
    C.Font()->SetStyle(0);
    C.Brush()->SetStyle(bsClear);
    C.TextOut(0, 0, Title);
    C.Brush()->SetStyle(bsSolid);
    C.SetOrigin(Point(0, 0));
}

}  // namespace gw::test
