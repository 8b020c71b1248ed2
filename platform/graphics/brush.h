// Brushes: the colour and pattern that areas are filled with.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/graphics_object.h"

namespace gw {

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
public:
    String ClassName() const override { return u"TBrush"; }
    void Assign(TPersistent* Source) override;

    TColor Color() const { return m_color; }
    // Setting a colour makes a clear brush solid again, as the platform does.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle Value);

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
};

// True when the pattern of a hatched brush style sets pixel (x, y) (8 x 8 patterns).
bool HatchCovers(TBrushStyle Style, Integer x, Integer y);

}  // namespace gw
