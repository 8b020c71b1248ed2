// The list of controls a grid shows inside its cells: which control stands in which cell.
#pragma once

#include "platform/runtime/object.h"
#include "platform/ui/messages.h"

#include <memory>
#include <vector>

namespace gw {

class TControl;

class TControlItem : public TObject {
public:
    TControlItem(Integer AX, Integer AY, TControl* AControl) : m_x(AX), m_y(AY), m_control(AControl) {}
    String ClassName() const override { return u"TControlItem"; }

    // The cell: column and row.
    Integer X() const { return m_x; }
    Integer Y() const { return m_y; }
    // The control shown there; not owned.
    TControl* Control() const { return m_control; }

private:
    Integer m_x;
    Integer m_y;
    TControl* m_control;
};

// Owns its items, never their controls. Positions outside the list raise EListError.
class TControlList : public TObject {
public:
    String ClassName() const override { return u"TControlList"; }

    Integer Count() const { return static_cast<Integer>(m_items.size()); }
    void AddControl(Integer X, Integer Y, TControl* AControl);
    // The position of the first item for the cell, -1 when none.
    Integer ControlIndex(Integer X, Integer Y) const;
    TControlItem* GetControl(Integer Index) const;
    // Frees the item (not its control) and removes it.
    void RemoveControl(Integer Index);
    void Clear() { m_items.clear(); }
    // Some item's control is a windowed control whose window is Wnd. Controls without a window
    // yet are not given one by the question.
    bool HasHandle(HWND Wnd) const;

private:
    void CheckIndex(Integer Index) const;

    std::vector<std::unique_ptr<TControlItem>> m_items;
};

}  // namespace gw
