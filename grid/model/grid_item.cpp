// A hidden row's item: the owned list of its cell texts.
#include "grid/model/grid_item.h"

#include "platform/runtime/string_list.h"

namespace gw {

TGridItem::TGridItem(TCollection* Collection) : TCollectionItem(Collection), m_items(std::make_unique<TStringList>()) {}

TGridItem::~TGridItem() = default;

TStrings* TGridItem::Items() const { return m_items.get(); }
void TGridItem::SetItems(TStrings* Value) { m_items->Assign(Value); }

}  // namespace gw
