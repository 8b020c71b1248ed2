// Balloon settings: the copy rule and the switch's event.
#include "grid/model/balloon_settings.h"

namespace gw {

void TBalloonSettings::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TBalloonSettings*>(Source);
    if (!from) return;
    TextColor = from->TextColor;
    BackgroundColor = from->BackgroundColor;
    InitialDelay = from->InitialDelay;
    AutoHideDelay = from->AutoHideDelay;
    ReshowDelay = from->ReshowDelay;
    m_enable = from->m_enable;
}

void TBalloonSettings::SetEnable(bool Value)
{
    m_enable = Value;
    if (OnEnableChange) OnEnableChange(this);
}

}  // namespace gw
