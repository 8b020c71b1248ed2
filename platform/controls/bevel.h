// TBevel: a sunken or raised box, frame or line that groups controls visually.
#pragma once

#include "platform/ui/win_control.h"

namespace gw {

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* AOwner);
    String ClassName() const override { return u"TBevel"; }

    TBevelShape Shape() const { return m_shape; }
    void SetShape(TBevelShape Value);
    TBevelStyle Style() const { return m_style; }
    void SetStyle(TBevelStyle Value);

protected:
    void Paint() override;

private:
    TBevelShape m_shape = bsBox;
    TBevelStyle m_style = bsLowered;
};

}  // namespace gw
