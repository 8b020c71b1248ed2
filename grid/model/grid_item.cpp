// The cells a hidden row holds while it is out of the cell store.
#include "grid/model/grid_item.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

#include <algorithm>
#include <utility>

namespace gw {

namespace {

const String kEmpty;

}  // namespace

void TGridItemCells::SetCount(Integer Value) { m_cells.resize(static_cast<size_t>(std::max(Value, 0))); }

const String& TGridItemCells::Strings(Integer Col) const
{
    return Col >= 0 && Col < Count() ? m_cells[static_cast<size_t>(Col)].Text : kEmpty;
}

void TGridItemCells::SetStrings(Integer Col, String Value) { Cell(Col).Text = std::move(Value); }

String TGridItemCells::ExtractString(Integer Col)
{
    if (Col < 0 || Col >= Count()) return String();
    return std::exchange(m_cells[static_cast<size_t>(Col)].Text, String());
}

TCellProperties* TGridItemCells::Objects(Integer Col) const
{
    return Col >= 0 && Col < Count() ? m_cells[static_cast<size_t>(Col)].Object.get() : nullptr;
}

void TGridItemCells::SetObjects(Integer Col, std::unique_ptr<TCellProperties> Value)
{
    Cell(Col).Object = std::move(Value);
}

std::unique_ptr<TCellProperties> TGridItemCells::ExtractObject(Integer Col)
{
    if (Col < 0 || Col >= Count()) return nullptr;
    return std::move(m_cells[static_cast<size_t>(Col)].Object);
}

TGridItemCells::TCell& TGridItemCells::Cell(Integer Col)
{
    if (Col < 0) throw EListError(u"List index out of bounds (" + IntToStr(Col) + u")");
    if (Col >= Count()) m_cells.resize(static_cast<size_t>(Col) + 1);
    return m_cells[static_cast<size_t>(Col)];
}

}  // namespace gw
