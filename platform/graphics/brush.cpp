// Brushes and the patterns of hatched brushes.
#include "platform/graphics/brush.h"

namespace gw {

void TBrush::Assign(TPersistent* Source)
{
    if (auto* brush = SourceAs<TBrush>(Source)) {
        BeginUpdate();
        m_color = brush->m_color;
        m_style = brush->m_style;
        Changed();
        EndUpdate();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor Value)
{
    if (Value == m_color && m_style != bsClear) return;
    m_color = Value;
    if (m_style == bsClear) m_style = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (Value == m_style) return;
    m_style = Value;
    Changed();
}

bool HatchCovers(TBrushStyle Style, Integer x, Integer y)
{
    x &= 7;
    y &= 7;
    switch (Style) {
    case bsSolid: return true;
    case bsClear: return false;
    case bsHorizontal: return y == 7;
    case bsVertical: return x == 7;
    case bsFDiagonal: return x == y;
    case bsBDiagonal: return x + y == 7;
    case bsCross: return x == 7 || y == 7;
    case bsDiagCross: return x == y || x + y == 7;
    }
    return false;
}

}  // namespace gw
