// The drop-down editors' registrations with the grid.
#include "dropdown/grid_drop_down_editors.h"

#include "grid/interaction/drop_down_editors.h"

namespace gw {

void RegisterGridDropDownEditors()
{
    // Each editor of dropdown/, as it is built: RegisterDropDownEditor(edMemoDropDown, ...).
}

}  // namespace gw
