// The synchronised-grid settings: the refusal of the owner and the copy rule.
#include "grid/foundation/sync_grid.h"

namespace gw {

void TSyncGrid::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TSyncGrid*>(Source);
    if (!from) return;
    SetGrid(from->m_grid);
    ScrollHorizontal = from->ScrollHorizontal;
    ScrollVertical = from->ScrollVertical;
    SelectionRow = from->SelectionRow;
    SelectionColumn = from->SelectionColumn;
    MoveRow = from->MoveRow;
    MoveColumn = from->MoveColumn;
}

void TSyncGrid::SetGrid(TExtStringGrid* Value)
{
    if (Value == m_owner || Value == m_grid) return;
    m_grid = Value;
    if (OnGridChange) OnGridChange(this);
}

}  // namespace gw
