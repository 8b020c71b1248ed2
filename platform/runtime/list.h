// TList, the runtime's list of untyped pointers, and TObjectList, which may own its objects.
#pragma once

#include "platform/runtime/object.h"
#include "platform/runtime/types.h"

#include <functional>
#include <vector>

namespace gw {

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// < 0, 0, > 0 as Item1 sorts before, with or after Item2.
using TListSortCompare = std::function<Integer(void* Item1, void* Item2)>;

// Positions are 0-based; a position outside the list raises EListError
// "List index out of bounds (n)". Subclasses hear of every insertion and removal through Notify.
class TList : public TObject {
public:
    TList() = default;
    // Derived lists that react in Notify call Clear() in their own destructor.
    ~TList() override = default;

    String ClassName() const override { return u"TList"; }

    Integer Add(void* Item);
    void Insert(Integer Index, void* Item);
    void Delete(Integer Index);
    // Removes the first occurrence; its former position, or -1 when absent.
    Integer Remove(void* Item);
    // Removes the first occurrence without deleting it (lnExtracted); Item or nullptr.
    void* Extract(void* Item);
    virtual void Clear();
    void Exchange(Integer Index1, Integer Index2);
    void Move(Integer CurIndex, Integer NewIndex);
    // Drops the nullptr entries.
    void Pack();
    // Stable: equal items keep their order.
    void Sort(const TListSortCompare& Compare);

    Integer IndexOf(const void* Item) const;
    Integer Count() const { return static_cast<Integer>(m_items.size()); }
    // Grows with nullptr entries or shrinks (notifying lnDeleted for the dropped entries).
    void SetCount(Integer NewCount);
    Integer Capacity() const { return static_cast<Integer>(m_items.capacity()); }
    void SetCapacity(Integer NewCapacity);

    void* Items(Integer Index) const;
    void SetItems(Integer Index, void* Item);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }

    // The entries themselves, for range-for and algorithms.
    const std::vector<void*>& List() const { return m_items; }

protected:
    virtual void Notify(void* /*Ptr*/, TListNotification /*Action*/) {}
    [[noreturn]] static void IndexError(Integer Index);
    void CheckIndex(Integer Index) const;

private:
    std::vector<void*> m_items;
};

// A list of objects that frees them when they are deleted from it, while OwnsObjects is set.
class TObjectList : public TList {
public:
    explicit TObjectList(bool AOwnsObjects = true) : OwnsObjects(AOwnsObjects) {}
    ~TObjectList() override;

    String ClassName() const override { return u"TObjectList"; }

    Integer Add(TObject* AObject) { return TList::Add(AObject); }
    void Insert(Integer Index, TObject* AObject) { TList::Insert(Index, AObject); }
    Integer Remove(TObject* AObject) { return TList::Remove(AObject); }
    TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
    Integer IndexOf(const TObject* AObject) const { return TList::IndexOf(AObject); }
    TObject* Items(Integer Index) const { return static_cast<TObject*>(TList::Items(Index)); }
    // Replacing an owned object frees the old one.
    void SetItems(Integer Index, TObject* AObject);
    TObject* First() const { return Items(0); }
    TObject* Last() const { return Items(Count() - 1); }

    bool OwnsObjects = true;

protected:
    void Notify(void* Ptr, TListNotification Action) override;
};

}  // namespace gw
