// The common base of fonts, pens and brushes: a persistent object that tells its owner of changes.
#pragma once

#include "platform/runtime/component.h"
#include "platform/runtime/types.h"

#include <typeinfo>

namespace gw {

class TGraphicsObject : public TPersistent {
public:
    String ClassName() const override { return u"TGraphicsObject"; }

    // Raised after every change of a property (once per Assign).
    TNotifyEvent OnChange;

protected:
    // Source as a T when it is one. Painting assigns fonts, pens and brushes of exactly their own
    // class many times a cell, so that case is told by its type before a full cast is tried.
    template <class T>
    static T* SourceAs(TPersistent* Source)
    {
        if (Source && typeid(*Source) == typeid(T)) return static_cast<T*>(Source);
        return dynamic_cast<T*>(Source);
    }
    // Calls OnChange unless changes are being gathered by BeginUpdate.
    void Changed();
    // Assign sets several properties and reports them as one change.
    void BeginUpdate() { ++m_updating; }
    void EndUpdate();

private:
    Integer m_updating = 0;
    bool m_pending = false;
};

}  // namespace gw
