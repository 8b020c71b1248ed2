// TCollection and TCollectionItem.
#include "platform/runtime/collection.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/scope.h"

#include <algorithm>

namespace gw {

// ---- TCollectionItem ----

TCollectionItem::TCollectionItem(TCollection* Collection) { SetCollection(Collection); }

TCollectionItem::~TCollectionItem()
{
    if (m_collection != nullptr) m_collection->RemoveItem(this);
}

TPersistent* TCollectionItem::GetOwner() const { return m_collection; }

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (Value == m_collection) return;
    if (m_collection != nullptr) m_collection->RemoveItem(this);
    if (Value != nullptr) Value->InsertItem(this);
}

Integer TCollectionItem::Index() const
{
    if (m_collection == nullptr) return -1;
    const auto& items = m_collection->m_items;
    return static_cast<Integer>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(Integer Value)
{
    if (m_collection != nullptr && Value != Index()) m_collection->MoveItem(this, Value);
}

void TCollectionItem::Changed(bool AllItems)
{
    if (m_collection != nullptr && m_collection->m_updateCount == 0) m_collection->Update(AllItems ? nullptr : this);
}

// ---- TCollection ----

TCollection::TCollection(TCollectionItemClass ItemClass) : m_itemClass(std::move(ItemClass)) {}

TCollection::~TCollection()
{
    // Newest first; each item takes itself out of the list as it goes.
    while (!m_items.empty()) {
        TCollectionItem* item = m_items.back();
        m_items.pop_back();
        item->m_collection = nullptr;
        delete item;
    }
}

void TCollection::CheckIndex(Integer Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

TCollectionItem* TCollection::Add()
{
    // The item class's constructor puts the item into this collection (and reports the change).
    return m_itemClass(this);
}

TCollectionItem* TCollection::Insert(Integer Index)
{
    if (Index < 0 || Index > Count()) throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
    const TUpdateScope update(*this);
    TCollectionItem* item = Add();
    MoveItem(item, Index);
    return item;
}

void TCollection::Delete(Integer Index)
{
    CheckIndex(Index);
    Notify(m_items[static_cast<size_t>(Index)], cnDeleting);
    delete m_items[static_cast<size_t>(Index)];
}

void TCollection::Clear()
{
    if (m_items.empty()) return;
    const TUpdateScope update(*this);
    while (!m_items.empty()) Delete(Count() - 1);
}

TCollectionItem* TCollection::FindItemID(Integer ID) const
{
    for (TCollectionItem* item : m_items)
        if (item->m_id == ID) return item;
    return nullptr;
}

TCollectionItem* TCollection::Items(Integer Index) const
{
    CheckIndex(Index);
    return m_items[static_cast<size_t>(Index)];
}

void TCollection::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* source = dynamic_cast<TCollection*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    const TUpdateScope update(*this);
    Clear();
    for (TCollectionItem* item : source->m_items) Add()->Assign(item);
}

void TCollection::BeginUpdate() { ++m_updateCount; }

void TCollection::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0) Changed();
}

void TCollection::Changed()
{
    if (m_updateCount == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem* Item)
{
    if (OnUpdate) OnUpdate(this, Item);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    m_items.push_back(Item);
    Item->m_collection = this;
    Item->m_id = m_nextId++;
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    Notify(Item, cnExtracting);
    auto it = std::find(m_items.begin(), m_items.end(), Item);
    if (it != m_items.end()) m_items.erase(it);
    Item->m_collection = nullptr;
    Changed();
}

void TCollection::MoveItem(TCollectionItem* Item, Integer NewIndex)
{
    CheckIndex(NewIndex);
    auto it = std::find(m_items.begin(), m_items.end(), Item);
    if (it == m_items.end()) return;
    m_items.erase(it);
    m_items.insert(m_items.begin() + NewIndex, Item);
    Changed();
}

}  // namespace gw
