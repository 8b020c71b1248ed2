// Rows removed under a visible floating footer: the footer's row stays the last row with its texts
// and properties, the rows above go exactly, the current row stays among the normal rows the fixed
// footers leave, and the footer comes back as it was and is calculated over the remaining rows.
#include "grid/foundation/cell_properties.h"
#include "grid/model/floating_footer.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/ext_string_grid_rows_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gw::test {
namespace {

// Records whether the footer was shown each time it was asked to calculate.
class TFooterRowsGrid : public TRowsGrid {
public:
    using TRowsGrid::TRowsGrid;
    void CalcFooter(Integer) override { CalcShown.push_back(FloatingFooter()->Visible()); }
    std::vector<bool> CalcShown;
};

enum class TFooter { None, FixedLastRow, ColumnPreview, PreviewWithFixedFooter };

const char* Name(TFooter F)
{
    switch (F) {
    case TFooter::None: return "no footer";
    case TFooter::FixedLastRow: return "fixed last row";
    case TFooter::ColumnPreview: return "column preview";
    case TFooter::PreviewWithFixedFooter: return "column preview, one fixed footer set";
    }
    return "";
}

class FloatingFooterRows : public ::testing::Test {
protected:
    // Eight rows r0 .. r7, one fixed row; row 7 is the footer's row and carries a font colour.
    void Build(TFooter Footer)
    {
        g.FloatingFooter()->SetVisible(false);
        g.SetFixedFooters(0);
        g.SetRowCount(8);
        for (Integer r = 0; r < 8; ++r) g.SetGridCell(1, r, Utf8ToString("r" + std::to_string(r)));
        g.GetCellProperties(1, 7)->FontColor = clRed;
        if (Footer != TFooter::None) {
            g.FloatingFooter()->SetFooterStyle(Footer == TFooter::FixedLastRow ? fsFixedLastRow : fsColumnPreview);
            g.FloatingFooter()->SetVisible(true);
        }
        if (Footer == TFooter::PreviewWithFixedFooter) g.SetFixedFooters(1);
        g.SetRowEx(6);
        g.CalcShown.clear();
    }
    std::vector<std::string> Column()
    {
        std::vector<std::string> v;
        for (Integer r = 0; r < g.RowCount(); ++r) v.push_back(StringToUtf8(g.GetGridCell(1, r)));
        return v;
    }

    THarness h;
    TFooterRowsGrid g{nullptr};
};

TEST_F(FloatingFooterRows, RemovalsKeepTheFooterRowLastAndTheCurrentRowAboveIt)
{
    struct TRemoval {
        const char* Name;
        std::function<void(TFooterRowsGrid&, Integer, Integer)> Remove;
        bool KeepsCurrentAmongNormalRows;  // the shifting removal puts it on the first normal row
    };
    const TRemoval removals[] = {
        {"RemoveRows", [](TFooterRowsGrid& G, Integer At, Integer N) { G.RemoveRows(At, N); }, true},
        {"DeleteRowRange", [](TFooterRowsGrid& G, Integer At, Integer N) { G.DeleteRowRange(At, N); }, true},
        {"RemoveRowRange", [](TFooterRowsGrid& G, Integer At, Integer N) { G.RemoveRowRange(At, N, false); }, true},
        {"RemoveRowsEx", [](TFooterRowsGrid& G, Integer At, Integer N) { G.RemoveRowsEx(At, N); }, false},
    };
    for (const TRemoval& removal : removals)
        for (const TFooter footer :
             {TFooter::None, TFooter::FixedLastRow, TFooter::ColumnPreview, TFooter::PreviewWithFixedFooter}) {
            Build(footer);
            const Integer footers = g.FixedFooters();
            const bool shown = footer != TFooter::None;
            const std::string what = std::string(removal.Name) + ", " + Name(footer);
            removal.Remove(g, 2, 2);
            EXPECT_EQ(Column(), (std::vector<std::string>{"r0", "r1", "r4", "r5", "r6", "r7"})) << what;
            ASSERT_TRUE(g.CellHasProperties(1, 5)) << what;
            EXPECT_EQ(g.GetCellProperties(1, 5)->FontColor, clRed) << "the footer row's properties, " << what;
            EXPECT_FALSE(g.CellHasProperties(1, 6)) << "nothing stays behind past the end, " << what;
            EXPECT_EQ(g.FloatingFooter()->Visible(), shown) << what;
            EXPECT_EQ(g.FixedFooters(), footers) << "the fixed footers come back as they were, " << what;
            if (removal.KeepsCurrentAmongNormalRows) {
                EXPECT_EQ(g.Row(), 5 - footers) << "the last normal row becomes current, " << what;
            }
            if (shown) {
                ASSERT_FALSE(g.CalcShown.empty()) << what;
                EXPECT_TRUE(g.CalcShown.back()) << "calculated once shown again, " << what;
            }
        }
}

// A removal that reaches the footer's row takes it like any row: the row above becomes the last,
// the footer shows it, and the current row keeps off the fixed footers.
TEST_F(FloatingFooterRows, ARemovalReachingTheFooterRow)
{
    for (const TFooter footer : {TFooter::None, TFooter::FixedLastRow, TFooter::ColumnPreview}) {
        for (const bool ranged : {false, true}) {
            Build(footer);
            const Integer footers = g.FixedFooters();
            const std::string what = std::string(ranged ? "DeleteRowRange, " : "RemoveRows, ") + Name(footer);
            if (ranged)
                g.DeleteRowRange(5, 3);
            else
                g.RemoveRows(5, 3);
            EXPECT_EQ(Column(), (std::vector<std::string>{"r0", "r1", "r2", "r3", "r4"})) << what;
            EXPECT_EQ(g.FloatingFooter()->Visible(), footer != TFooter::None) << what;
            EXPECT_EQ(g.FixedFooters(), footers) << what;
            EXPECT_EQ(g.Row(), 4 - footers) << what;
            for (Integer r = 5; r < 8; ++r) EXPECT_FALSE(g.CellHasProperties(1, r)) << what << " row " << r;
        }
    }
}

// Rows removed one at a time from the bottom up, as removal by check state or selection does, never
// move the footer's row or its texts.
TEST_F(FloatingFooterRows, RepeatedRemovalsLeaveTheFooterRowAlone)
{
    Build(TFooter::FixedLastRow);
    for (Integer r = 6; r >= 1; --r) g.RemoveRows(r, 1);
    EXPECT_EQ(Column(), (std::vector<std::string>{"r0", "r7"}));
    EXPECT_EQ(g.GetCellProperties(1, 1)->FontColor, clRed);
    EXPECT_EQ(g.FixedFooters(), 1);
    g.AddRow();
    EXPECT_EQ(Column(), (std::vector<std::string>{"r0", "", "r7"})) << "a row added later goes above it";
}

}  // namespace
}  // namespace gw::test
