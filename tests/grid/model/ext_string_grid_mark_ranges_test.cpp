// The columns the highlight, mark and fill walks reach while columns are hidden: cells are
// addressed by real column, so a walk of the shown columns maps each to its real one. A search
// highlight of the grid takes in the hidden columns too (they show it when shown again), an error
// mark and a fill do not, and the removals reach every column a highlight may have reached.
#include "grid/foundation/cell_checker.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gw::test {
namespace {

class TUpperChecker : public TExtStringGridCheck {
public:
    using TExtStringGridCheck::TExtStringGridCheck;
    String Correct(Integer, Integer, const String& s) override
    {
        String r = s;
        for (Char& c : r) c = (c >= u'a' && c <= u'z') ? Char(c - 32) : c;
        return r;
    }
    void StartCheck() override { Runs += "("; }
    void StopCheck() override { Runs += ")"; }
    std::string Runs;
};

class ExtStringGridMarkRanges : public ::testing::Test {
protected:
    // Six real columns (0 fixed), rows 0 (fixed) to 2; real columns 2 and 3 hidden.
    void Reset()
    {
        g.UnHideColumnsAll();
        g.SetColCount(6);
        g.SetRowCount(3);
        for (Integer r = 0; r < 3; ++r)
            for (Integer c = 0; c < 6; ++c) g.SetCellEx(c, r, u"b");
        g.HideColumns(2, 3);
    }
    // Row 1 by real column once every column shows again: "h" highlighted, "e" marked, "t"
    // filled, "B" corrected by the checker, "b" as it was.
    std::string RowOne()
    {
        g.UnHideColumnsAll();
        std::string s;
        for (Integer c = 0; c < 6; ++c) {
            const String t = g.GetCellEx(c, 1);
            s += t == u"b" ? 'b' : t == u"<hi>b</hi>" ? 'h' : t == u"<e>b</e>" ? 'e' : t == u"t" ? 't' : t == u"B" ? 'B' : '?';
        }
        return s;
    }

    // Runs Walk with a checker that upper-cases every text it corrects, started and stopped once.
    void Check(const std::function<void()>& Walk)
    {
        TUpperChecker checker(nullptr);
        checker.UseCorrect = true;
        g.CellChecker = &checker;
        Walk();
        g.CellChecker = nullptr;
        EXPECT_EQ(checker.Runs, "()");
    }

    THarness h;
    TExtStringGrid g{nullptr};
};

TEST_F(ExtStringGridMarkRanges, AHighlightReachesTheHiddenColumnsAndTheShownOnesAreMarkedAndFilled)
{
    struct TCase {
        const char* Name;
        std::function<void()> Walk;
        const char* Row;
    };
    const std::vector<TCase> cases = {
        {"highlight", [&] { g.HilightInGrid(false, true, u"b"); }, "bhhhhh"},
        // Every visible column is marked: real columns 1, 4 and 5.
        {"mark", [&] { g.MarkInGrid(false, true, u"b"); }, "bebbee"},
        {"highlight, then its removal", [&] {
             g.HilightInGrid(false, true, u"b");
             g.UnHilightInGrid(false);
         }, "bbbbbb"},
        {"highlight, then the mark's removal takes no highlight", [&] {
             g.HilightInGrid(false, true, u"b");
             g.UnMarkInGrid(false);
         }, "bhhhhh"},
        {"a highlight of a row: the shown columns", [&] { g.HilightInRow(false, true, 1, u"b"); }, "bhbbhh"},
        {"a mark of a row: the shown columns", [&] { g.MarkInRow(false, true, 1, u"b"); }, "bebbee"},
        {"a highlight of the whole grid with the fixed cells: the shown columns",
         [&] { g.HilightInGrid(true, true, u"b"); }, "hhbbhh"},
        {"a row's removal reaches the hidden columns too", [&] {
             g.HilightInGrid(false, true, u"b");
             g.UnHilightInRow(false, 1);
         }, "bbbbbb"},
        {"a fill writes the shown columns", [&] { g.TextFill(false, u"t"); }, "btbbtt"},
        {"the checker of a row corrects the shown columns", [&] { Check([&] { g.CheckRow(false, 1); }); }, "bBbbBB"},
        {"the checker of the grid corrects the shown columns", [&] { Check([&] { g.CheckGrid(false); }); },
         "bBbbBB"},
        {"marks made while shown are all removed while hidden", [&] {
             g.UnHideColumnsAll();
             g.MarkInGrid(false, true, u"b");
             g.HideColumns(2, 3);
             g.UnMarkInGrid(false);
         }, "bbbbbb"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        ASSERT_EQ(g.ColCount(), 4);
        ASSERT_EQ(g.NumHiddenColumns(), 2);
        c.Walk();
        EXPECT_EQ(RowOne(), c.Row);
    }
}

}  // namespace
}  // namespace gw::test
