// The string grid's fixed-cell test over fixed rows, columns, footers and right columns.
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

class TFixedGrid : public TExtStringGrid {
public:
    using TExtStringGrid::IsFixed;
    using TExtStringGrid::TExtStringGrid;
};

TEST(ExtStringGridFixed, CellsAtBothEndsAreFixed)
{
    THarness h;
    TFixedGrid g(nullptr);
    g.SetColCount(6);
    g.SetRowCount(8);
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    struct Case {
        Integer Col, Row;
        bool Fixed;
    };
    const auto check = [&](std::initializer_list<Case> Cases) {
        for (const Case& c : Cases) EXPECT_EQ(g.IsFixed(c.Col, c.Row), c.Fixed) << c.Col << "," << c.Row;
    };
    check({{0, 3, true}, {2, 0, true}, {2, 3, false}, {5, 3, false}, {2, 7, false}});
    g.SetFixedFooters(1);
    g.SetFixedRightCols(1);
    check({{2, 3, false}, {4, 6, false}, {5, 3, true}, {2, 7, true}, {5, 7, true}});
    g.OnIsFixedCell = [](TObject*, Integer ARow, Integer ACol, bool& Fixed) { Fixed = ARow == 3 && ACol == 2; };
    check({{2, 3, true}, {3, 3, false}, {5, 3, true}});
}

}  // namespace
}  // namespace gw::test
