// The cells a hidden row holds while it is out of the cell store.
#include "grid/model/grid_item.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

#include <algorithm>
#include <utility>

namespace gw {

void TGridItemCells::SetCount(Integer Value)
{
    Value = std::max(Value, 0);
    FreeObjects(Value);
    m_row.Resize(Value);
}

String TGridItemCells::Strings(Integer Col) const
{
    return Col >= 0 && Col < Count() ? String(m_row.Text(Col).View()) : String();
}

void TGridItemCells::SetStrings(Integer Col, StringView Value)
{
    Reach(Col);
    m_row.Text(Col).Assign(Value);
}

String TGridItemCells::ExtractString(Integer Col)
{
    if (Col < 0 || Col >= Count()) return String();
    String text(m_row.Text(Col).View());
    m_row.Text(Col).Clear();
    return text;
}

TCellProperties* TGridItemCells::Objects(Integer Col) const
{
    // Only properties enter a grid's object slots.
    return Col >= 0 && Col < Count() ? static_cast<TCellProperties*>(m_row.Object(Col)) : nullptr;
}

void TGridItemCells::SetObjects(Integer Col, std::unique_ptr<TCellProperties> Value)
{
    Reach(Col);
    const std::unique_ptr<TCellProperties> old(Objects(Col));
    m_row.SetObject(Col, Value.release());
}

std::unique_ptr<TCellProperties> TGridItemCells::ExtractObject(Integer Col)
{
    if (Col < 0 || Col >= Count()) return nullptr;
    std::unique_ptr<TCellProperties> props(Objects(Col));
    m_row.SetObject(Col, nullptr);
    return props;
}

void TGridItemCells::Adopt(TGridCellRow Row)
{
    FreeObjects(0);
    m_row = std::move(Row);
}

void TGridItemCells::FreeObjects(Integer From)
{
    if (!m_row.HasObjects()) return;
    for (Integer c = From; c < Count(); ++c) {
        delete Objects(c);
        m_row.SetObject(c, nullptr);
    }
}

void TGridItemCells::Reach(Integer Col)
{
    if (Col < 0) throw EListError(u"List index out of bounds (" + IntToStr(Col) + u")");
    if (Col >= Count()) m_row.Reserve(Col + 1);
}

}  // namespace gw
