// Change notification shared by fonts, pens and brushes.
#include "platform/graphics/graphics_object.h"

namespace gw {

void TGraphicsObject::Changed()
{
    if (m_updating > 0) {
        m_pending = true;
        return;
    }
    if (OnChange) OnChange(this);
}

void TGraphicsObject::EndUpdate()
{
    if (--m_updating == 0 && m_pending) {
        m_pending = false;
        Changed();
    }
}

}  // namespace gw
