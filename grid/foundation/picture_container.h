// Named pictures an application keeps for its mark-up ("<IMG SRC=\"name\">"): the container
// component, its collection and items.
#pragma once

#include "grid/foundation/html_picture.h"
#include "platform/runtime/collection.h"

#include <memory>

namespace gw {

class TPictureItem : public TCollectionItem {
public:
    explicit TPictureItem(TCollection* Collection);
    ~TPictureItem() override;
    String ClassName() const override { return u"TPictureItem"; }
    // Name, tag and picture of another item; EInvalidCast for any other class.
    void Assign(TPersistent* Source) override;

    THTMLPicture* Picture() const { return m_picture.get(); }
    // Copies the given picture's data into the item's own picture.
    void SetPicture(THTMLPicture* Value) { m_picture->Assign(Value); }
    Integer Tag = 0;
    String Name;

private:
    std::unique_ptr<THTMLPicture> m_picture;
};

class TPictureCollection : public TOwnedCollection {
public:
    explicit TPictureCollection(TPersistent* AOwner);
    String ClassName() const override { return u"TPictureCollection"; }

    TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
    TPictureItem* Insert(Integer Index) { return static_cast<TPictureItem*>(TCollection::Insert(Index)); }
    TPictureItem* Items(Integer Index) const { return static_cast<TPictureItem*>(TCollection::Items(Index)); }
    void SetItems(Integer Index, TPictureItem* Value) { Items(Index)->Assign(Value); }
    // One animation tick for every item's picture; true when any frame changed.
    bool Animate();
};

class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* AOwner);
    ~TPictureContainer() override;
    String ClassName() const override { return u"TPictureContainer"; }

    TPictureCollection* Items() const { return m_items.get(); }
    // The container keeps its own collection: the given one's items are copied into it.
    void SetItems(TPictureCollection* Value) { m_items->Assign(Value); }
    // The picture of the first item with that name, compared without case; nullptr when none.
    virtual THTMLPicture* FindPicture(StringView Name) const;

private:
    std::unique_ptr<TPictureCollection> m_items;
};

}  // namespace gw
