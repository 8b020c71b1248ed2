// The string grid's filtering: conditions joined by their operations, the texts they test,
// progress, filter levels over FilterActive toggles, drop-down values picked literally, and
// type-ahead narrowing that spares rows hidden otherwise.
#include "grid/model/cell_graphic.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/filter.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

class TFilterGrid : public TExtStringGrid {
public:
    using TExtStringGrid::ApplyFilterListChoice;
    using TExtStringGrid::FFilterCol;
    using TExtStringGrid::FHiddenRows;
    using TExtStringGrid::GetColumnFilter;
    using TExtStringGrid::TExtStringGrid;
};

class ExtStringGridFilter : public ::testing::Test {
protected:
    THarness h;
    TFilterGrid g{nullptr};

    // A header row, then one row per entry: column 1 and 2 hold the texts, column 0 the row's
    // number, so that the shown rows can be told apart.
    void Fill(const std::vector<std::vector<String>>& Rows)
    {
        g.SetColCount(3);
        g.SetRowCount(static_cast<Integer>(Rows.size()) + 1);
        g.SetFixedRows(1);
        g.SetCellEx(1, 0, u"header");
        for (size_t r = 0; r < Rows.size(); ++r) {
            g.SetCellEx(0, static_cast<Integer>(r) + 1, IntToStr(static_cast<Integer>(r) + 1));
            for (size_t c = 0; c < Rows[r].size(); ++c)
                g.SetCellEx(static_cast<Integer>(c) + 1, static_cast<Integer>(r) + 1, Rows[r][c]);
        }
    }

    // The numbers of the shown normal rows.
    std::vector<Integer> Shown()
    {
        std::vector<Integer> rows;
        for (Integer r = g.FixedRows(); r < g.RowCount(); ++r) rows.push_back(StrToInt(g.GetCellEx(0, r)));
        return rows;
    }

    TFilterData* AddCondition(Integer Col, const String& Condition)
    {
        TFilterData* data = g.Filter()->Add();
        data->Column = static_cast<int16_t>(Col);
        data->Condition = Condition;
        return data;
    }

    // The rows that stay when FilterActive goes on, the filter taken back after.
    std::vector<Integer> Filtered()
    {
        g.SetFilterActive(true);
        std::vector<Integer> rows = Shown();
        g.SetFilterActive(false);
        g.RemoveLastFilter();
        return rows;
    }
};

using Rows = std::vector<Integer>;

TEST_F(ExtStringGridFilter, AConditionHidesTheFailingRowsUntilTheFilterGoesOff)
{
    Fill({{u"apple"}, {u"banana"}, {u"cherry"}});
    AddCondition(1, u"b*");
    g.SetFilterActive(true);
    EXPECT_EQ(Shown(), Rows{2});
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.GetCellsEx(1, 3), u"cherry") << "a filtered row keeps its cells";
    g.SetFilterActive(false);
    EXPECT_EQ(Shown(), (Rows{1, 2, 3}));
    EXPECT_EQ(g.GetCellEx(1, 0), u"header") << "the fixed row is never tested";
}

TEST_F(ExtStringGridFilter, AFilterThatHidesEveryRowGivesThemAndTheFixedRowBack)
{
    Fill({{u"a"}, {u"b"}});
    AddCondition(1, u"z");
    g.SetFilterActive(true);
    EXPECT_EQ(g.RowCount(), 1);
    g.SetFilterActive(false);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(Shown(), (Rows{1, 2}));
    g.SetFilterActive(true);
    EXPECT_TRUE(g.RemoveLastFilter()) << "the first level, emptied when the filter went off, remains";
    EXPECT_FALSE(g.RemoveLastFilter());
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(Shown(), (Rows{1, 2}));
}

TEST_F(ExtStringGridFilter, ConditionsJoinByTheirOperations)
{
    Fill({{u"a", u"x"}, {u"a", u"y"}, {u"b", u"x"}, {u"b", u"y"}});
    struct Case {
        TFilterOperation Second;
        Rows Expected;
    };
    for (const Case& c : {Case{foOR, {1, 2, 3}}, Case{foAND, {1}}, Case{foXOR, {2, 3}}, Case{foNONE, {1, 3}}}) {
        g.Filter()->Clear();
        AddCondition(1, u"a");
        AddCondition(2, u"x")->Operation = c.Second;
        EXPECT_EQ(Filtered(), c.Expected) << int(c.Second);
    }
    // A failing foSHORT condition ends the evaluation, whatever an OR after it says.
    g.Filter()->Clear();
    AddCondition(1, u"a")->Operation = foSHORT;
    AddCondition(2, u"x")->Operation = foOR;
    EXPECT_EQ(Filtered(), (Rows{1, 2}));
}

TEST_F(ExtStringGridFilter, ConditionsTestTheTextTheyName)
{
    Fill({{u"Apple", u"$12"}, {u"apple", u"$8"}, {u" BANANA ", u"<b>7</b>"}, {u"R&D", u"$3"}});
    struct Case {
        const char* Name;
        Integer Col;
        String Condition;
        TFilterCells Data;
        TFilterMethod Method;
        bool CaseSensitive;
        String Prefix;
        Rows Expected;
    };
    const std::vector<Case> cases = {
        {"literal ignores case-insensitivity", 1, u"Apple", fcVirtual, fmLiteral, false, u"", {1}},
        {"expression without case", 1, u"apple", fcVirtual, fmExpression, false, u"", {1, 2}},
        {"prefix taken off", 2, u">10", fcStripHTML, fmExpression, true, u"$", {1}},
        {"row text, any case", -1, u"ban", fcRow, fmExpression, true, u"", {3}},
        {"stripped mark-up", 2, u"7", fcStripHTML, fmExpression, true, u"", {3}},
        {"trimmed text", 1, u"BANANA", fcNormal, fmLiteral, true, u"", {3}},
        {"literal operators", 1, u"R&D", fcVirtual, fmLiteral, true, u"", {4}},
        {"contains, plain", 1, u"&", fcNormal, fmContains, false, u"", {4}},
    };
    for (const Case& c : cases) {
        g.Filter()->Clear();
        TFilterData* data = AddCondition(c.Col, c.Condition);
        data->Data = c.Data;
        data->Method = c.Method;
        data->CaseSensitive = c.CaseSensitive;
        data->Prefix = c.Prefix;
        EXPECT_EQ(Filtered(), c.Expected) << c.Name;
    }
}

TEST_F(ExtStringGridFilter, TheCustomFilterHasTheLastWord)
{
    Fill({{u"a"}, {u"b"}, {u"c"}});
    AddCondition(1, u"a");
    std::vector<std::pair<Integer, bool>> asked;
    g.OnCustomFilter = [&](TObject*, Integer ARow, bool& Accept) {
        asked.push_back({ARow, Accept});
        Accept = ARow != 1;
    };
    EXPECT_EQ(Filtered(), (Rows{2, 3}));
    EXPECT_EQ(asked, (std::vector<std::pair<Integer, bool>>{{1, true}, {2, false}, {3, false}}));
}

TEST_F(ExtStringGridFilter, ProgressReportsEachRowAndOnceMoreAtTheEnd)
{
    Fill({{u"a"}, {u"b"}, {u"c"}});
    AddCondition(1, u"b");
    std::vector<int16_t> progress;
    g.OnFilterProgress = [&](TObject*, int16_t Value) { progress.push_back(Value); };
    g.ApplyFilter();
    EXPECT_EQ(progress, (std::vector<int16_t>{33, 67, 100, 100}));
}

TEST_F(ExtStringGridFilter, NodeAndSummaryRowsAreNeverFilteredOut)
{
    Fill({{u"a"}, {u"b"}, {u"c"}});
    for (const auto& [row, kind] : {std::pair{2, ctNode}, std::pair{3, ctSummary}}) {
        auto* graphic = new TCellGraphic();
        graphic->CellType = kind;
        g.GetCellProperties(0, row)->SetGraphicObject(graphic);
    }
    AddCondition(1, u"a");
    EXPECT_EQ(Filtered(), (Rows{1, 2, 3}));
    g.FilterNormalCellsOnly = false;
    EXPECT_EQ(Filtered(), (Rows{1}));
}

TEST_F(ExtStringGridFilter, LevelsStackOverFilterActiveTogglesAndComeBackOneByOne)
{
    Fill({{u"a"}, {u"b"}, {u"c"}, {u"d"}});
    AddCondition(1, u"!a");
    g.SetFilterActive(true);
    EXPECT_EQ(g.FHiddenRows.FilterLevel(), 1);
    g.SetFilterActive(false);  // the rows come back, the level stays
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4}));
    EXPECT_EQ(g.FHiddenRows.FilterLevel(), 1);
    g.SetFilterActive(true);
    g.Filter()->Items(0)->Condition = u"!b";
    g.ApplyFilter();
    EXPECT_EQ(g.FHiddenRows.FilterLevel(), 3);
    EXPECT_EQ(Shown(), (Rows{3, 4}));
    EXPECT_TRUE(g.RemoveLastFilter());
    EXPECT_EQ(Shown(), (Rows{2, 3, 4}));
    EXPECT_TRUE(g.RemoveLastFilter());
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4}));
    EXPECT_FALSE(g.RemoveLastFilter());
    EXPECT_FALSE(g.RemoveLastFilter()) << "no level left";
    EXPECT_EQ(g.FHiddenRows.FilterLevel(), 0);

    g.SetFilterActive(false);
    g.ApplyFilter();
    g.ApplyFilter();
    g.RemoveAllFilters();
    EXPECT_EQ(g.FHiddenRows.FilterLevel(), 0);
    EXPECT_EQ(g.Filter()->Count(), 1) << "taking the levels back keeps the conditions";
    g.RemoveAllFilters();
    EXPECT_EQ(g.Filter()->Count(), 0);
}

TEST_F(ExtStringGridFilter, DropDownValuesArePickedLiterally)
{
    const std::vector<String> values = {u"R&D", u"<5", u"x*", u"a=b", u"", u"b c", u"(All)", u"x1", u"R&D"};
    std::vector<std::vector<String>> rows;
    for (const String& v : values) rows.push_back({v});
    Fill(rows);
    g.FilterDropDownAuto = true;
    ASSERT_TRUE(g.GetColumnFilter(1));
    TStringList* list = g.FilterList();
    ASSERT_EQ(list->Count(), 9) << "the clear entry and eight distinct values";
    EXPECT_EQ(list->Strings(0), u"(All)");

    std::vector<std::pair<String, String>> selected;
    g.OnFilterSelect = [&](TObject*, Integer, Integer, const String& Name, String& Condition) {
        selected.push_back({Name, Condition});
    };
    for (Integer i = 1; i < list->Count(); ++i) {
        const String value = list->Strings(i);
        Rows expected;
        for (size_t r = 0; r < values.size(); ++r)
            if (values[r] == value) expected.push_back(static_cast<Integer>(r) + 1);
        g.FFilterCol = 1;
        g.ApplyFilterListChoice(i);
        EXPECT_EQ(Shown(), expected) << "picked \"" << StringToUtf8(value) << "\"";
        ASSERT_EQ(g.Filter()->Count(), 1);
        EXPECT_EQ(g.Filter()->Items(0)->Condition, value);
        EXPECT_EQ(g.Filter()->Items(0)->Method, fmLiteral);
        EXPECT_EQ(selected.back(), std::make_pair(value, value));
        EXPECT_EQ(g.FFilterCol, -1);
    }
    g.FFilterCol = 1;
    g.ApplyFilterListChoice(0);  // the clear entry
    EXPECT_EQ(g.Filter()->Count(), 0);
    EXPECT_EQ(Shown().size(), values.size());
}

// A grid as made, its fixed row never set by the program: a choice that switches FixedRowAlways
// on must not let a later row count take that row's fixing away (the header and its filter
// glyph would scroll away); nor may a column count with FixedColAlways.
TEST(ExtStringGridFilterHeader, AChoiceKeepsTheMadeHeaderFixedThroughLaterCounts)
{
    THarness h;
    TFilterGrid g{nullptr};
    g.SetColCount(3);
    for (Integer r = 1; r < g.RowCount(); ++r) g.SetCellEx(1, r, r % 2 ? u"odd" : u"even");
    g.AutoFilterUpdate = true;
    g.FilterDropDownAuto = true;
    ASSERT_TRUE(g.GetColumnFilter(1));
    g.FFilterCol = 1;
    g.ApplyFilterListChoice(g.FilterList()->IndexOf(u"odd"));
    ASSERT_TRUE(g.FixedRowAlways);
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.TCustomGrid::FixedRows(), 1);
    g.FixedColAlways = true;
    for (const Integer count : {40, 2, 1, 12}) {
        g.SetRowCount(count);
        g.SetColCount(count + 1);
        EXPECT_EQ(g.TCustomGrid::FixedRows(), count > 1 ? 1 : 0) << count << " rows";
        EXPECT_EQ(g.FixedRows(), 1) << count << " rows";
        EXPECT_EQ(g.TCustomGrid::FixedCols(), 1) << count + 1 << " columns";
    }
}

TEST_F(ExtStringGridFilter, ProgramEntriesStayExpressionsAndHiddenRowsOfferTheirValues)
{
    Fill({{u"3"}, {u"12"}, {u"40"}});
    g.FilterDropDownAuto = true;
    g.HideRow(2);
    g.OnGetColumnFilter = [](TObject*, Integer, TStrings* List) { List->Add(u"Big=>10"); };
    ASSERT_TRUE(g.GetColumnFilter(1));
    EXPECT_EQ(g.FilterList()->IndexOf(u"12"), 1) << "a hidden row's value is offered";
    g.FilterIncremental = true;
    g.GetColumnFilter(1);
    EXPECT_EQ(g.FilterList()->IndexOf(u"12"), -1);
    g.UnHideRow(2);

    g.GetColumnFilter(1);
    const Integer big = g.FilterList()->IndexOf(u"Big=>10");
    g.FFilterCol = 1;
    g.ApplyFilterListChoice(big);
    EXPECT_EQ(Shown(), (Rows{2, 3}));
    EXPECT_EQ(g.Filter()->Items(0)->Method, fmExpression);

    g.FFilterCol = -1;
    g.ApplyFilterListChoice(1);  // no drop-down open: ignored
    g.FFilterCol = 1;
    g.ApplyFilterListChoice(99);
    EXPECT_EQ(Shown(), (Rows{2, 3}));
}

TEST_F(ExtStringGridFilter, NarrowingStacksLevelsAndSparesRowsHiddenOtherwise)
{
    Fill({{u"bat"}, {u"ball"}, {u"cab"}, {u"bar"}, {u"x<y*"}, {u"Bay"}});
    g.HideRow(4);  // a contracted node's row, say
    g.NarrowDown(u"b", 1);
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 6}));
    g.NarrowDown(u"ba", 1);
    EXPECT_EQ(Shown(), (Rows{1, 2, 6}));
    EXPECT_EQ(g.FHiddenRows.FilterLevel(), 2);
    EXPECT_EQ(g.Filter()->Items(0)->Condition, u"ba");
    EXPECT_EQ(g.Filter()->Items(0)->Method, fmContains);
    g.NarrowDown(u"b", 1);
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 6}));
    EXPECT_EQ(g.FHiddenRows.FilterLevel(), 1);
    g.NarrowDown(u"", 1);
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 5, 6}));
    EXPECT_TRUE(g.IsHiddenRow(4)) << "narrowing never shows a row it did not hide";
    EXPECT_EQ(g.FHiddenRows.FilterLevel(), 0);

    g.NarrowDown(u"<y*", 1);  // operators are plain text
    EXPECT_EQ(Shown(), (Rows{5}));
    g.NarrowDown(u"AY", -1);  // the whole row, without case
    EXPECT_EQ(Shown(), (Rows{6}));
    EXPECT_TRUE(g.FixedRowAlways);
}

}  // namespace
}  // namespace gw::test
