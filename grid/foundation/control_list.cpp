// The grid's list of cell controls.
#include "grid/foundation/control_list.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/win_control.h"

namespace gw {

void TControlList::CheckIndex(Integer Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

void TControlList::AddControl(Integer X, Integer Y, TControl* AControl)
{
    m_items.push_back(std::make_unique<TControlItem>(X, Y, AControl));
}

Integer TControlList::ControlIndex(Integer X, Integer Y) const
{
    for (Integer i = 0; i < Count(); ++i)
        if (m_items[static_cast<size_t>(i)]->X() == X && m_items[static_cast<size_t>(i)]->Y() == Y) return i;
    return -1;
}

TControlItem* TControlList::GetControl(Integer Index) const
{
    CheckIndex(Index);
    return m_items[static_cast<size_t>(Index)].get();
}

void TControlList::RemoveControl(Integer Index)
{
    CheckIndex(Index);
    m_items.erase(m_items.begin() + Index);
}

bool TControlList::HasHandle(HWND Wnd) const
{
    for (const auto& item : m_items) {
        const TWinControl* windowed = WindowedControl(item->Control());
        if (windowed && windowed->HandleAllocated() && windowed->HandleIfAllocated() == Wnd) return true;
    }
    return false;
}

}  // namespace gw
