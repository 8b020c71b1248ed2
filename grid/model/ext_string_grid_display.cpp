// The string grid's display setters that copy a settings object or a picture into the grid's own.
#include "grid/model/ext_string_grid.h"
#include "grid/model/progress_appearance.h"
#include "platform/graphics/bitmap.h"

namespace gw {

// The indicator marks the current row in column 0: that cell shows the new picture.
void TExtStringGrid::SetRowIndicator(TBitmap* Value)
{
    m_rowIndicator->Assign(Value);
    RepaintCell(0, GetRowEx());
}

// The copy raises the appearance's own change, which repaints the grid.
void TExtStringGrid::SetProgressAppearance(TGridProgressAppearance* Value) { m_progressAppearance->Assign(Value); }

}  // namespace gw
