// Change notifiers: the do-nothing default and the grid's list of them.
#include "grid/model/grid_change_notifier.h"

#include <algorithm>

namespace gw {

void TGridChangeNotifier::CellsChanged(const TGridRect& /*R*/) {}

void TGridChangeNotifiers::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (!ANotifier || std::ranges::find(m_notifiers, ANotifier) != m_notifiers.end()) return;
    m_notifiers.push_back(ANotifier);
    ANotifier->FreeNotification(this);
}

void TGridChangeNotifiers::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    auto it = std::ranges::find(m_notifiers, ANotifier);
    if (it == m_notifiers.end()) return;
    m_notifiers.erase(it);
    ANotifier->RemoveFreeNotification(this);
}

void TGridChangeNotifiers::CellsChanged(const TGridRect& R)
{
    // A handler may unregister notifiers: walk a snapshot and skip those gone meanwhile.
    const std::vector<TGridChangeNotifier*> snapshot = m_notifiers;
    for (TGridChangeNotifier* notifier : snapshot)
        if (std::ranges::find(m_notifiers, notifier) != m_notifiers.end()) notifier->CellsChanged(R);
}

void TGridChangeNotifiers::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove) std::erase(m_notifiers, AComponent);
    TComponent::Notification(AComponent, Operation);
}

}  // namespace gw
