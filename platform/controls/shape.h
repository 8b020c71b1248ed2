// TShape: a rectangle, rounded rectangle or ellipse drawn with its own pen and brush.
#pragma once

#include "platform/graphics/brush.h"
#include "platform/graphics/pen.h"
#include "platform/ui/win_control.h"

namespace gw {

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A shape one pixel high (or wide) with a one-pixel pen is the usual separator line.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);
    String ClassName() const override { return u"TShape"; }

    TShapeType Shape() const { return m_shape; }
    void SetShape(TShapeType Value);
    TPen* Pen() const { return m_pen.get(); }
    TBrush* Brush() const { return m_brush.get(); }
    void SetPen(TPen* Value) { m_pen->Assign(Value); }
    void SetBrush(TBrush* Value) { m_brush->Assign(Value); }

protected:
    void Paint() override;

private:
    TShapeType m_shape = stRectangle;
    std::unique_ptr<TPen> m_pen;
    std::unique_ptr<TBrush> m_brush;
};

}  // namespace gw
