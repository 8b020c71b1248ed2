// A string grid that notes what it reports while its cells are saved and loaded, for the
// exchange tests.
#pragma once

#include "grid/model/ext_string_grid.h"

#include <string>
#include <vector>

namespace gw::test {

class TRecordingGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    // "export <state> <row>" and "all cells changed", in order.
    std::vector<std::string> Log;

protected:
    void ExportNotification(TGridExportState AState, Integer ARow) override
    {
        Log.push_back("export " + std::to_string(int(AState)) + " " + std::to_string(ARow));
    }
    void AllCellsChanged() override
    {
        Log.push_back("all cells changed");
        TExtStringGrid::AllCellsChanged();
    }
};

}  // namespace gw::test
