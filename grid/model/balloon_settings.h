// The balloon tooltips of the grid's cells: on or off, colours, transparency and delays.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

namespace gw {

class TBalloonSettings : public TPersistent {
public:
    String ClassName() const override { return u"TBalloonSettings"; }
    // From other balloon settings only (anything else is ignored): the colours, the delays and
    // Enable as the field, without OnEnableChange; Transparency stays.
    void Assign(TPersistent* Source) override;

    // Milliseconds; -1: the tooltip control's own default.
    Integer AutoHideDelay = -1;
    TColor BackgroundColor = clNone;
    // Stores the value and fires OnEnableChange, which the grid binds to starting or ending the
    // tooltips (unless it is being loaded).
    bool Enable() const { return m_enable; }
    void SetEnable(bool Value);
    Integer InitialDelay = -1;
    Integer ReshowDelay = -1;
    TColor TextColor = clNone;
    Byte Transparency = 0;

    TNotifyEvent OnEnableChange;

private:
    bool m_enable = false;
};

}  // namespace gw
