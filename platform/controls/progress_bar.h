// TProgressBar: a sunken bar filled in blocks (or smoothly) up to Position.
#pragma once

#include "platform/controls/scroll_bar.h"

namespace gw {

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TCustomControl {
public:
    explicit TProgressBar(TComponent* AOwner);
    String ClassName() const override { return u"TProgressBar"; }

    Integer Min() const { return m_min; }
    Integer Max() const { return m_max; }
    Integer Position() const { return m_position; }
    // Max < Min is refused with EInvalidOperation; the position stays inside the range.
    void SetRange(Integer AMin, Integer AMax);
    void SetMin(Integer Value) { SetRange(Value, m_max); }
    void SetMax(Integer Value) { SetRange(m_min, Value); }
    void SetPosition(Integer Value);
    Integer Step = 10;
    // Moves by Step (StepBy: by Delta); past Max it starts again at Min, as the platform does.
    void StepIt() { StepBy(Step); }
    void StepBy(Integer Delta);
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool Value);
    TProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TProgressBarOrientation Value);
    // The filled part, in client coordinates.
    TRect FilledRect() const;

protected:
    void Paint() override;

private:
    Integer m_min = 0;
    Integer m_max = 100;
    Integer m_position = 0;
    bool m_smooth = false;
    TProgressBarOrientation m_orientation = pbHorizontal;
};

}  // namespace gw
