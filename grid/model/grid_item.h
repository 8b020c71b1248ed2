// One row of the grid's hidden-row store: the row's real index, height, cell texts and level.
#pragma once

#include "platform/runtime/collection.h"

#include <memory>

namespace gw {

class TStringList;
class TStrings;

class TGridItem : public TCollectionItem {
public:
    explicit TGridItem(TCollection* Collection);
    ~TGridItem() override;
    String ClassName() const override { return u"TGridItem"; }

    // The row's real index when it was hidden.
    Integer Idx = 0;
    Integer Height = 0;
    // Set and read by the hidden-row store alone.
    Integer Level = 0;
    // Owned: the row's cell texts with their objects. The setter copies the given list.
    TStrings* Items() const;
    void SetItems(TStrings* Value);

private:
    std::unique_ptr<TStringList> m_items;
};

}  // namespace gw
