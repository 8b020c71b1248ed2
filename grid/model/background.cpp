// The grid background: setters that repaint the grid.
#include "grid/model/background.h"

#include "platform/graphics/bitmap.h"

namespace gw {

TBackGround::TBackGround(TSettingsGrid* AGrid) : FGrid(AGrid), m_bitmap(std::make_unique<TBitmap>()) {}
TBackGround::~TBackGround() = default;

template <class T>
void TBackGround::SetAndRepaint(T& Field, T Value)
{
    Field = Value;
    if (FGrid) FGrid->Invalidate();
}

void TBackGround::SetTop(Integer Value) { SetAndRepaint(m_top, Value); }
void TBackGround::SetLeft(Integer Value) { SetAndRepaint(m_left, Value); }
void TBackGround::SetDisplay(TBackGroundDisplay Value) { SetAndRepaint(m_display, Value); }
void TBackGround::SetCells(TBackGroundCells Value) { SetAndRepaint(m_cells, Value); }
void TBackGround::SetColor(TColor Value) { SetAndRepaint(m_color, Value); }
void TBackGround::SetColorTo(TColor Value) { SetAndRepaint(m_colorTo, Value); }

void TBackGround::SetBitmap(TBitmap* Value)
{
    m_bitmap->Assign(Value);
    if (FGrid) FGrid->Invalidate();
}

}  // namespace gw
