// The table-file and check helpers' view of a grid: its text cells by real column and row.
#pragma once

#include "core/table_file.h"
#include "grid/foundation/base_grid.h"

namespace gw {

class TGridCellTable : public TCellTable {
public:
    explicit TGridCellTable(TBaseGrid& Grid) : m_grid(Grid) {}

    String GetCellEx(Integer ACol, Integer ARow) const override { return m_grid.GetCellEx(ACol, ARow); }
    void SetCellEx(Integer ACol, Integer ARow, const String& Value) override { m_grid.SetCellEx(ACol, ARow, Value); }
    Integer RowCount() const override { return m_grid.RowCount(); }

private:
    // The grid's reads go through its display hooks, which are not const.
    TBaseGrid& m_grid;
};

}  // namespace gw
