// TList and TObjectList.
#include "platform/runtime/list.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

#include <algorithm>

namespace gw {

void TList::IndexError(Integer Index) { throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")"); }

void TList::CheckIndex(Integer Index) const
{
    if (Index < 0 || Index >= Count()) IndexError(Index);
}

Integer TList::Add(void* Item)
{
    m_items.push_back(Item);
    if (Item != nullptr) Notify(Item, lnAdded);
    return Count() - 1;
}

void TList::Insert(Integer Index, void* Item)
{
    if (Index < 0 || Index > Count()) IndexError(Index);
    m_items.insert(m_items.begin() + Index, Item);
    if (Item != nullptr) Notify(Item, lnAdded);
}

void TList::Delete(Integer Index)
{
    CheckIndex(Index);
    void* item = m_items[static_cast<size_t>(Index)];
    m_items.erase(m_items.begin() + Index);
    if (item != nullptr) Notify(item, lnDeleted);
}

Integer TList::Remove(void* Item)
{
    const Integer index = IndexOf(Item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* Item)
{
    const Integer index = IndexOf(Item);
    if (index < 0) return nullptr;
    m_items.erase(m_items.begin() + index);
    Notify(Item, lnExtracted);
    return Item;
}

void TList::Clear()
{
    SetCount(0);
    m_items.shrink_to_fit();
}

void TList::Exchange(Integer Index1, Integer Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(m_items[static_cast<size_t>(Index1)], m_items[static_cast<size_t>(Index2)]);
}

void TList::Move(Integer CurIndex, Integer NewIndex)
{
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    void* item = m_items[static_cast<size_t>(CurIndex)];
    m_items.erase(m_items.begin() + CurIndex);
    m_items.insert(m_items.begin() + NewIndex, item);
}

void TList::Pack() { m_items.erase(std::remove(m_items.begin(), m_items.end(), nullptr), m_items.end()); }

void TList::Sort(const TListSortCompare& Compare)
{
    std::stable_sort(m_items.begin(), m_items.end(), [&](void* a, void* b) { return Compare(a, b) < 0; });
}

Integer TList::IndexOf(const void* Item) const
{
    auto it = std::find(m_items.begin(), m_items.end(), Item);
    return it == m_items.end() ? -1 : static_cast<Integer>(it - m_items.begin());
}

void TList::SetCount(Integer NewCount)
{
    if (NewCount < 0) throw EListError(u"List count out of bounds (" + IntToStr(NewCount) + u")");
    // Dropped from the end one by one, so that a Notify that frees sees a consistent list.
    while (Count() > NewCount) Delete(Count() - 1);
    m_items.resize(static_cast<size_t>(NewCount), nullptr);
}

void TList::SetCapacity(Integer NewCapacity)
{
    if (NewCapacity < Count()) throw EListError(u"List capacity out of bounds (" + IntToStr(NewCapacity) + u")");
    m_items.reserve(static_cast<size_t>(NewCapacity));
}

void* TList::Items(Integer Index) const
{
    CheckIndex(Index);
    return m_items[static_cast<size_t>(Index)];
}

void TList::SetItems(Integer Index, void* Item)
{
    CheckIndex(Index);
    void* old = m_items[static_cast<size_t>(Index)];
    if (old == Item) return;
    m_items[static_cast<size_t>(Index)] = Item;
    if (old != nullptr) Notify(old, lnDeleted);
    if (Item != nullptr) Notify(Item, lnAdded);
}

TObjectList::~TObjectList() { Clear(); }

void TObjectList::SetItems(Integer Index, TObject* AObject) { TList::SetItems(Index, AObject); }

void TObjectList::Notify(void* Ptr, TListNotification Action)
{
    if (OwnsObjects && Action == lnDeleted) delete static_cast<TObject*>(Ptr);
}

}  // namespace gw
