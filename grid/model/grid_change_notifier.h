// How other components hear about changed cells of a grid: a notifier component they derive
// from, and the grid's list of registered notifiers.
#pragma once

#include "grid/model/grid_rect.h"
#include "platform/runtime/component.h"

#include <vector>

namespace gw {

class TGridChangeNotifier : public TComponent {
public:
    using TComponent::TComponent;
    String ClassName() const override { return u"TGridChangeNotifier"; }

    // Told the cells R of the grid changed; does nothing here, descendants override it.
    virtual void CellsChanged(const TGridRect& R);
};

// The grid's notifiers in registration order. It does not own them: a registered notifier that
// is freed leaves the list by free notification, so the grid never calls a freed one.
class TGridChangeNotifiers : public TComponent {
public:
    TGridChangeNotifiers() : TComponent(nullptr) {}
    String ClassName() const override { return u"TGridChangeNotifiers"; }

    // Adds the notifier when it is not listed yet.
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    // Removes the notifier when it is listed.
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    Integer Count() const { return Integer(m_notifiers.size()); }
    // Calls CellsChanged of each notifier in list order. A notifier that unregisters itself or
    // another one meanwhile is not called afterwards.
    void CellsChanged(const TGridRect& R);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TGridChangeNotifier*> m_notifiers;
};

}  // namespace gw
