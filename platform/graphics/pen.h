// Pens: colour, width, dash style and the raster mode lines and outlines are drawn with.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/graphics_object.h"

namespace gw {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How the pen colour P meets the pixel D already there.
enum TPenMode {
    pmBlack,  // 0
    pmWhite,  // 1
    pmNop,  // D
    pmNot,  // not D
    pmCopy,  // P
    pmNotCopy,  // not P
    pmMergePenNot,  // P or not D
    pmMaskPenNot,  // P and not D
    pmMergeNotPen,  // not P or D
    pmMaskNotPen,  // not P and D
    pmMerge,  // P or D
    pmNotMerge,  // not (P or D)
    pmMask,  // P and D
    pmNotMask,  // not (P and D)
    pmXor,  // P xor D
    pmNotXor,  // not (P xor D)
};

// The RGB result of a pen mode for one pixel (colours as $00BBGGRR, no system colours).
uint32_t ApplyPenMode(TPenMode Mode, uint32_t Pen, uint32_t Dest);

class TPen : public TGraphicsObject {
public:
    String ClassName() const override { return u"TPen"; }
    void Assign(TPersistent* Source) override;

    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    Integer Width() const { return m_width; }
    // Widths below 1 are taken as 1.
    void SetWidth(Integer Value);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle Value);
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode Value);

private:
    TColor m_color = clBlack;
    Integer m_width = 1;
    TPenStyle m_style = psSolid;
    TPenMode m_mode = pmCopy;
};

}  // namespace gw
