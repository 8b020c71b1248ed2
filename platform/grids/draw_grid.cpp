// TDrawGrid: the grid's hooks raised as events.
#include "platform/grids/draw_grid.h"

namespace gw {

void TDrawGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(Integer ACol, Integer ARow)
{
    bool can = TCustomGrid::SelectCell(ACol, ARow);
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

String TDrawGrid::GetEditText(Integer ACol, Integer ARow)
{
    String value = TCustomGrid::GetEditText(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TDrawGrid::SetEditText(Integer ACol, Integer ARow, const String& Value)
{
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

String TDrawGrid::GetEditMask(Integer ACol, Integer ARow)
{
    String value = TCustomGrid::GetEditMask(ACol, ARow);
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, value);
    return value;
}

void TDrawGrid::TopLeftChanged()
{
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TDrawGrid::ColumnMoved(Integer FromIndex, Integer ToIndex)
{
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::RowMoved(Integer FromIndex, Integer ToIndex)
{
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

}  // namespace gw
