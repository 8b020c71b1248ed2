// Modified-row marking: the copy rule and the colour's change event.
#include "grid/model/show_modified.h"

namespace gw {

void TShowModified::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TShowModified*>(Source);
    if (!from) return;
    m_color = from->m_color;
    Enabled = from->Enabled;
}

void TShowModified::SetColor(TColor Value)
{
    m_color = Value;
    if (OnChange) OnChange(this);
}

}  // namespace gw
