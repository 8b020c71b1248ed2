// The string grid's column and row headers (captions written into the first row and column) and
// the per-column results of the print layout.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/int_list.h"
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/string_list.h"

namespace gw {

void TExtStringGrid::SetColumnHeaders(TStrings* Value)
{
    if (FixedRows() > 0) ClearColumnHeaders();
    // The list's change shows the captions.
    m_columnHeaders->Assign(Value);
}

void TExtStringGrid::ShowColumnHeaders()
{
    if (FixedRows() == 0) return;
    const Integer n = std::min(m_columnHeaders->Count(), TotalColCount());
    for (Integer i = 0; i < n; ++i) SetCellEx(i, 0, UnescapeNewlines(m_columnHeaders->Strings(i)));
}

void TExtStringGrid::ClearColumnHeaders()
{
    for (Integer i = 0; i < ColCount(); ++i) SetCellEx(i, 0, u"");
}

void TExtStringGrid::SetRowHeaders(TStrings* Value)
{
    if (IsDesigning() && FixedCols() > 0) ClearRowHeaders();
    m_rowHeaders->Assign(Value);
}

void TExtStringGrid::ShowRowHeaders()
{
    if (FixedCols() == 0) return;
    const Integer n = std::min(m_rowHeaders->Count(), RowCount());
    for (Integer i = 0; i < n; ++i) SetCellEx(0, i, UnescapeNewlines(m_rowHeaders->Strings(i)));
}

void TExtStringGrid::ClearRowHeaders()
{
    for (Integer i = 0; i < RowCount(); ++i) SetCellEx(0, i, u"");
}

void TExtStringGrid::SplitAllColumnCells()
{
    for (Integer c = 0; c < ColCount(); ++c) SplitColumnCells(c);
}

void TExtStringGrid::MergeAllColumnCells()
{
    // The first listed column merges on its texts alone; each later one also follows the row
    // spans the columns before it made.
    for (Integer i = 0; i < m_mergedColumns->Count(); ++i) MergeColumnCells(m_mergedColumns->GetInteger(i), i == 0);
}

namespace {

Integer PrintColumnEntry(const std::array<Integer, 513>& Entries, Integer ACol)
{
    // Entry 512 is kept by the layout but not offered.
    if (ACol < 0 || ACol >= 512) throw EExtGridError(u"Columns is not in valid range");
    return Entries[std::size_t(ACol)];
}

}  // namespace

Integer TExtStringGrid::GetPrintColWidth(Integer ACol) const { return PrintColumnEntry(MaxWidths, ACol); }

Integer TExtStringGrid::GetPrintColOffset(Integer ACol) const { return PrintColumnEntry(Indents, ACol); }

}  // namespace gw
