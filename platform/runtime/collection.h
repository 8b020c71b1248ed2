// TCollection, an owned list of items of one class, and its items.
#pragma once

#include "platform/runtime/component.h"
#include "platform/runtime/types.h"

#include <functional>
#include <vector>

namespace gw {

class TCollection;
class TCollectionItem;

// Makes a new item of the collection's item class inside the given collection.
using TCollectionItemClass = std::function<TCollectionItem*(TCollection* Collection)>;

// The item class T for a collection: TCollection Coll(ItemClassOf<TMyItem>());
template <class T>
TCollectionItemClass ItemClassOf()
{
    return [](TCollection* Collection) -> TCollectionItem* { return new T(Collection); };
}

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// An item belongs to at most one collection, which frees it; freeing an item takes it out of
// its collection.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;

    String ClassName() const override { return u"TCollectionItem"; }
    TPersistent* GetOwner() const override;

    TCollection* Collection() const { return m_collection; }
    // Moves the item into another collection (or none: the caller then owns it).
    void SetCollection(TCollection* Value);
    // A number unique within the collection, never reused, kept when the item moves position.
    Integer ID() const { return m_id; }
    Integer Index() const;
    void SetIndex(Integer Value);
    // The class name unless a subclass has something better.
    virtual String DisplayName() const { return ClassName(); }

protected:
    // Tells the collection that this item (or, with AllItems, every item) changed.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* m_collection = nullptr;
    Integer m_id = 0;
};

// Positions are 0-based; outside the list EListError "List index out of bounds (n)".
class TCollection : public TPersistent {
public:
    explicit TCollection(TCollectionItemClass ItemClass);
    ~TCollection() override;

    String ClassName() const override { return u"TCollection"; }

    TCollectionItem* Add();
    TCollectionItem* Insert(Integer Index);
    void Delete(Integer Index);
    void Clear();
    TCollectionItem* FindItemID(Integer ID) const;
    Integer Count() const { return static_cast<Integer>(m_items.size()); }
    TCollectionItem* Items(Integer Index) const;
    // Replaces the contents with new items, each assigned from the source's item.
    void Assign(TPersistent* Source) override;

    void BeginUpdate();
    void EndUpdate();
    Integer UpdateCount() const { return m_updateCount; }

    // Raised after a change to one item (Item) or to the whole collection (nullptr).
    std::function<void(TCollection* Sender, TCollectionItem* Item)> OnUpdate;

protected:
    // Told of every change once no update is pending; Item is nullptr for the whole collection.
    virtual void Update(TCollectionItem* Item);
    virtual void Notify(TCollectionItem* /*Item*/, TCollectionNotification /*Action*/) {}
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void MoveItem(TCollectionItem* Item, Integer NewIndex);
    void CheckIndex(Integer Index) const;

    TCollectionItemClass m_itemClass;
    std::vector<TCollectionItem*> m_items;
    Integer m_nextId = 0;
    Integer m_updateCount = 0;
};

// A collection that knows the object it belongs to (for example the control that publishes it).
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
        : TCollection(std::move(ItemClass)), m_owner(AOwner)
    {
    }

    String ClassName() const override { return u"TOwnedCollection"; }
    TPersistent* GetOwner() const override { return m_owner; }

private:
    TPersistent* m_owner = nullptr;
};

}  // namespace gw
