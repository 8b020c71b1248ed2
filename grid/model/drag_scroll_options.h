// Scrolling the grid while something is dragged near its edges: on or off, the margins that
// start it and the timer's delays.
#pragma once

#include "platform/runtime/component.h"

#include <memory>

namespace gw {

class TDragScrollDelays : public TPersistent {
public:
    String ClassName() const override { return u"TDragScrollDelays"; }
    // From other delays only (anything else is ignored).
    void Assign(TPersistent* Source) override;

    // Milliseconds before the first scroll step and between the following ones.
    Integer InitialDelay = 1000;
    Integer RepeatDelay = 250;
};

class TDragScrollMargins : public TPersistent {
public:
    String ClassName() const override { return u"TDragScrollMargins"; }
    // From other margins only (anything else is ignored).
    void Assign(TPersistent* Source) override;

    // Pixels from each edge of the grid.
    Integer TopMargin = 50;
    Integer BottomMargin = 50;
    Integer LeftMargin = 50;
    Integer RightMargin = 50;
};

class TDragScrollOptions : public TPersistent {
public:
    TDragScrollOptions();
    ~TDragScrollOptions() override;
    String ClassName() const override { return u"TDragScrollOptions"; }
    // From other options only (anything else is ignored): margins, delays and Active.
    void Assign(TPersistent* Source) override;

    // While on, a drag position within a margin of an edge scrolls towards that edge.
    bool Active = false;
    // Owned; the setters copy the given values in.
    TDragScrollDelays* Delays() const { return m_delays.get(); }
    void SetDelays(TDragScrollDelays* Value) { m_delays->Assign(Value); }
    TDragScrollMargins* Margins() const { return m_margins.get(); }
    void SetMargins(TDragScrollMargins* Value) { m_margins->Assign(Value); }

private:
    std::unique_ptr<TDragScrollDelays> m_delays;
    std::unique_ptr<TDragScrollMargins> m_margins;
};

}  // namespace gw
