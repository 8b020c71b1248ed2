// Named pictures for mark-up: items, their collection and the container.
#include "grid/foundation/picture_container.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/strings.h"

namespace gw {

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), m_picture(std::make_unique<THTMLPicture>())
{
}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(TPersistent* Source)
{
    auto* item = dynamic_cast<TPictureItem*>(Source);
    if (!item) throw EInvalidCast(u"Invalid class typecast");
    Name = item->Name;
    Tag = item->Tag;
    m_picture->Assign(item->Picture());
}

TPictureCollection::TPictureCollection(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TPictureItem>()) {}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (Integer i = 0; i < Count(); ++i)
        if (Items(i)->Picture()->Step()) changed = true;
    return changed;
}

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), m_items(std::make_unique<TPictureCollection>(this))
{
}

TPictureContainer::~TPictureContainer() = default;

THTMLPicture* TPictureContainer::FindPicture(StringView Name) const
{
    for (Integer i = 0; i < m_items->Count(); ++i)
        if (AnsiSameText(m_items->Items(i)->Name, Name)) return m_items->Items(i)->Picture();
    return nullptr;
}

}  // namespace gw
