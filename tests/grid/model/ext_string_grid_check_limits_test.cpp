// Check boxes at the edges: the cells a box may be added to while columns and rows are hidden
// (and that a refused cell is left exactly as it was), and what undo holds after the row check
// box of column 0 is toggled, whose state is the row's mark and never the cell's text.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/undo_redo.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class TLimitGrid : public TExtStringGrid {
public:
    using TExtStringGrid::GetCellGraphic;
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::ToggleCellCheckBox;
};

TEST(ExtStringGridCheckLimits, HiddenColumnsAndRowsWidenTheCellsABoxMayGoTo)
{
    THarness h;
    TLimitGrid g{nullptr};
    g.SetColCount(6);
    g.SetRowCount(6);
    g.HideColumns(2, 3);
    g.HideRow(4);
    ASSERT_EQ(g.ColCount() + g.NumHiddenColumns(), 6);
    ASSERT_EQ(g.RowCount() + g.NumHiddenRows(), 6);
    using Add = std::function<void(Integer, Integer)>;
    const std::vector<std::pair<const char*, Add>> adders = {
        {"data", [&](Integer c, Integer r) { g.AddCheckBox(c, r, true, true); }},
        {"plain", [&](Integer c, Integer r) { g.AddCheckBox(c, r, true, false); }},
        {"tri-state", [&](Integer c, Integer r) { g.AddCheckBox(c, r, cbChecked); }},
        {"radio", [&](Integer c, Integer r) { g.AddRadioButton(c, r, true); }},
    };
    enum TOutcome { Added, Invalid, PastTheStore };
    struct TCase {
        TPoint Cell;
        TOutcome Outcome;
    };
    // The visible counts are 4 columns and 5 rows; the hidden ones count on top of them. Hidden
    // columns stay in the store, so their cells take a box; a hidden row does not: a row past the
    // displayed ones passes the bound and is refused by the store, with nothing written.
    const std::vector<TCase> cases = {
        {{0, 0}, Added},     {{3, 4}, Added},    {{4, 1}, Added},     {{5, 1}, Added},
        {{6, 1}, Invalid},   {{1, 6}, Invalid},  {{-1, 1}, Invalid},  {{1, -1}, Invalid},
        {{-1, -1}, Invalid}, {{6, 6}, Invalid},  {{1, 5}, PastTheStore},
    };
    for (const auto& [name, add] : adders)
        for (const TCase& c : cases) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(c.Cell.X) + "," + std::to_string(c.Cell.Y));
            String message;
            try {
                add(c.Cell.X, c.Cell.Y);
            } catch (const Exception& e) {
                message = e.Message();
            }
            switch (c.Outcome) {
            case Added:
                EXPECT_EQ(message, u"");
                EXPECT_NE(g.GetCellGraphic(c.Cell.X, c.Cell.Y), nullptr);
                g.RemoveCellGraphic(c.Cell.X, c.Cell.Y);
                break;
            case Invalid: EXPECT_EQ(message, u"Invalid cell"); break;
            case PastTheStore: EXPECT_NE(message, u""); break;
            }
        }
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.NumHiddenRows(), 1);
}

TEST(ExtStringGridCheckLimits, ARowCheckBoxToggleLeavesNoTextChangeToUndo)
{
    THarness h;
    TLimitGrid g{nullptr};
    g.SetRowCount(4);
    for (Integer r = 0; r < 4; ++r) g.SetCellEx(0, r, u"row" + String(1, Char(u'0' + r)));
    TExtGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    g.MouseActions()->SetHotmailRowSelect(true);
    ASSERT_TRUE(g.ToggleCellCheckBox(0, 2, false));
    EXPECT_TRUE(g.GetRowSelect(2));
    EXPECT_EQ(g.GetCellEx(0, 2), u"row2") << "column 0 keeps its own text";
    EXPECT_EQ(undo.Items().Count(), 0) << "an undo would write a check text over column 0";
    ASSERT_TRUE(g.ToggleCellCheckBox(0, 2, false));
    EXPECT_FALSE(g.GetRowSelect(2));
    EXPECT_EQ(g.GetCellEx(0, 2), u"row2");
    EXPECT_FALSE(undo.CanUndo());
    g.MouseActions()->SetHotmailRowSelect(false);
    g.SetUndoRedo(nullptr);
}

}  // namespace
}  // namespace gw::test
