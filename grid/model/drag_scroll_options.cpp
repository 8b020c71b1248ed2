// Drag-scroll options: the owned delays and margins and the copy rules.
#include "grid/model/drag_scroll_options.h"

namespace gw {

void TDragScrollDelays::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TDragScrollDelays*>(Source);
    if (!from) return;
    InitialDelay = from->InitialDelay;
    RepeatDelay = from->RepeatDelay;
}

void TDragScrollMargins::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TDragScrollMargins*>(Source);
    if (!from) return;
    TopMargin = from->TopMargin;
    BottomMargin = from->BottomMargin;
    LeftMargin = from->LeftMargin;
    RightMargin = from->RightMargin;
}

TDragScrollOptions::TDragScrollOptions()
    : m_delays(std::make_unique<TDragScrollDelays>()), m_margins(std::make_unique<TDragScrollMargins>())
{
}

TDragScrollOptions::~TDragScrollOptions() = default;

void TDragScrollOptions::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TDragScrollOptions*>(Source);
    if (!from) return;
    m_margins->Assign(from->m_margins.get());
    m_delays->Assign(from->m_delays.get());
    Active = from->Active;
}

}  // namespace gw
