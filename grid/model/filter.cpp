// Filter conditions: copying, adding with the joining operation, finding and removing by column.
#include "grid/model/filter.h"

#include "platform/runtime/exceptions.h"

namespace gw {

void TFilterData::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TFilterData*>(Source);
    if (!from) throw EInvalidCast(u"Invalid class typecast");
    Column = from->Column;
    Condition = from->Condition;
    CaseSensitive = from->CaseSensitive;
    Data = from->Data;
    Prefix = from->Prefix;
    Suffix = from->Suffix;
    Operation = from->Operation;
}

TFilter::TFilter(TSettingsGrid* AOwner) : TCollection(ItemClassOf<TFilterData>()), FOwner(AOwner) {}

TPersistent* TFilter::GetOwner() const { return dynamic_cast<TPersistent*>(FOwner); }

TFilterData* TFilter::Add()
{
    auto* item = static_cast<TFilterData*>(TCollection::Add());
    item->Operation = Count() == 1 ? foNONE : foAND;
    return item;
}

TFilterData* TFilter::Insert(Integer Index)
{
    auto* item = static_cast<TFilterData*>(TCollection::Insert(Index));
    item->Operation = foSHORT;
    return item;
}

TFilterData* TFilter::GetColFilter(Integer Col)
{
    for (Integer i = 0; i < Count(); ++i)
        if (Items(i)->Column == Col) return Items(i);
    TFilterData* item = Add();
    item->Column = int16_t(Col);
    return item;
}

bool TFilter::HasFilter(Integer Col) const
{
    for (Integer i = 0; i < Count(); ++i)
        if (Items(i)->Column == Col) return true;
    return false;
}

void TFilter::RemoveColumnFilter(Integer Col)
{
    for (Integer i = Count() - 1; i >= 0; --i)
        if (Items(i)->Column == Col) Delete(i);
    if (FOwner) FOwner->RepaintCell(Col, 0);
}

}  // namespace gw
