// Pens and the sixteen ways a pen colour meets a pixel.
#include "platform/graphics/pen.h"

namespace gw {

uint32_t ApplyPenMode(TPenMode Mode, uint32_t P, uint32_t D)
{
    uint32_t r = 0;
    switch (Mode) {
    case pmBlack: r = 0; break;
    case pmWhite: r = 0xFFFFFF; break;
    case pmNop: r = D; break;
    case pmNot: r = ~D; break;
    case pmCopy: r = P; break;
    case pmNotCopy: r = ~P; break;
    case pmMergePenNot: r = P | ~D; break;
    case pmMaskPenNot: r = P & ~D; break;
    case pmMergeNotPen: r = ~P | D; break;
    case pmMaskNotPen: r = ~P & D; break;
    case pmMerge: r = P | D; break;
    case pmNotMerge: r = ~(P | D); break;
    case pmMask: r = P & D; break;
    case pmNotMask: r = ~(P & D); break;
    case pmXor: r = P ^ D; break;
    case pmNotXor: r = ~(P ^ D); break;
    }
    return r & 0xFFFFFF;
}

void TPen::Assign(TPersistent* Source)
{
    if (auto* pen = SourceAs<TPen>(Source)) {
        BeginUpdate();
        SetColor(pen->m_color);
        SetWidth(pen->m_width);
        SetStyle(pen->m_style);
        SetMode(pen->m_mode);
        EndUpdate();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor Value)
{
    if (Value == m_color) return;
    m_color = Value;
    Changed();
}

void TPen::SetWidth(Integer Value)
{
    if (Value < 1) Value = 1;
    if (Value == m_width) return;
    m_width = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value)
{
    if (Value == m_style) return;
    m_style = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value)
{
    if (Value == m_mode) return;
    m_mode = Value;
    Changed();
}

}  // namespace gw
