// Column size settings: the copy rule and the stretch that setting Stretch starts.
#include "grid/model/column_size.h"

#include "grid/model/settings_grid.h"
#include "platform/runtime/exceptions.h"

namespace gw {

void TColumnSize::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TColumnSize*>(Source);
    if (!from) return;
    Rows = from->Rows;
    Save = from->Save;
    Key = from->Key;
    Section = from->Section;
    m_stretch = from->m_stretch;
    StretchColumn = from->StretchColumn;
    SynchWithGrid = from->SynchWithGrid;
    SynchNormalCellsOnly = from->SynchNormalCellsOnly;
    Location = from->Location;
}

void TColumnSize::SetStretch(bool Value)
{
    m_stretch = Value;
    // Without an owner there is no grid to stretch.
    if (!m_owner) return;
    auto* grid = dynamic_cast<TSettingsGrid*>(m_owner);
    if (!grid) throw EInvalidCast(u"Invalid class typecast");
    if (grid->HasParentWindow()) grid->StretchColumnToClient(StretchColumn);
}

}  // namespace gw
