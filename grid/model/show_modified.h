// The marker of edited rows that the grid paints in its fixed column.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

namespace gw {

class TShowModified : public TPersistent {
public:
    String ClassName() const override { return u"TShowModified"; }
    // From another TShowModified only (anything else is ignored): Color and Enabled, without
    // OnChange.
    void Assign(TPersistent* Source) override;

    bool Enabled = false;
    // Stores the value and fires OnChange, which the grid binds to a repaint of column 0.
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);

    TNotifyEvent OnChange;

private:
    TColor m_color = clYellow;
};

}  // namespace gw
