// The string grid's sorts on a real grid: a property test over random tables (rows kept whole,
// fixed and footer rows in place, the cross-reference a permutation, the unsort restoring), the
// frame left sound by a raising comparison, and the cases a sort's frame must get right.
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"
#include "tests/support/format_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

namespace gw::test {
namespace {

class SortedGrid : public TExtStringGrid {
public:
    using TExtStringGrid::FUpdateCount;
    using TExtStringGrid::QUnSort;
    using TExtStringGrid::SortRow;
    SortedGrid() : TExtStringGrid(nullptr) {}
};

class ExtStringGridSort : public FormatSettingsTest {
protected:
    THarness h;
    SortedGrid g;

    // Rows: key in column 3 ("k<index>"), values in columns 1 and 2, a label in column 0.
    void Fill(Integer Rows, std::mt19937& Random)
    {
        g.SetColCount(4);
        g.SetRowCount(Rows);
        std::uniform_int_distribution<int> value(0, 9);
        for (Integer r = 0; r < Rows; ++r) {
            g.SetGridCell(0, r, u"L" + IntToStr(r));
            g.SetGridCell(1, r, IntToStr(value(Random)));
            g.SetGridCell(2, r, IntToStr(value(Random) * 10));
            g.SetGridCell(3, r, u"k" + IntToStr(r));
            g.SetRowHeights(r, 20 + r % 7);
        }
    }
    std::vector<String> Column(Integer ACol)
    {
        std::vector<String> texts;
        for (Integer r = 0; r < g.RowCount(); ++r) texts.push_back(g.GetGridCell(ACol, r));
        return texts;
    }
    Integer KeyOf(Integer ARow) { return StrToInt(g.GetGridCell(3, ARow).substr(1)); }
};

TEST_F(ExtStringGridSort, RandomTablesKeepRowsWholeAndFixedRowsInPlace)
{
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        const Integer rows = 3 + Integer(random() % 40);
        Fill(rows, random);
        g.SetFixedRows(1);
        g.SetFixedFooters(round % 2);
        g.InitSortXRef();
        // Every row's cells and objects, by key, before the sort.
        std::map<Integer, std::vector<String>> before;
        std::map<Integer, TCellProperties*> objects;
        std::map<Integer, Integer> heights;
        for (Integer r = 0; r < rows; ++r) {
            if (r % 3 == 0) g.GetCellProperties(2, r);
            before[r] = {g.GetGridCell(0, r), g.GetGridCell(1, r), g.GetGridCell(2, r)};
            objects[r] = g.GetGridObject(2, r);
            heights[r] = g.RowHeights(r);
        }
        const Integer lastNormal = rows - 1 - g.FixedFooters();
        g.SortSettings()->Full = round % 3 != 0;
        g.Sort(1, round % 4 < 2 ? sdAscending : sdDescending);
        const Integer sign = g.SortSettings()->Direction == sdAscending ? 1 : -1;

        EXPECT_EQ(KeyOf(0), 0) << "the fixed row stays";
        if (g.FixedFooters() == 1) {
            EXPECT_EQ(KeyOf(rows - 1), rows - 1) << "the footer row stays";
        }
        std::vector<bool> seen(size_t(rows), false);
        for (Integer r = 0; r < rows; ++r) {
            const Integer key = KeyOf(r);
            ASSERT_FALSE(seen[size_t(key)]) << "each row once";
            seen[size_t(key)] = true;
            EXPECT_EQ((std::vector<String>{g.GetGridCell(0, r), g.GetGridCell(1, r), g.GetGridCell(2, r)}),
                      before[key]);
            EXPECT_EQ(g.GetGridObject(2, r), objects[key]) << "the object travels with its row";
            EXPECT_EQ(g.RowHeights(r), heights[key]) << "the height travels with its row";
        }
        for (Integer r = 1; r < lastNormal; ++r) {
            const Integer a = StrToInt(g.GetGridCell(1, r)), b = StrToInt(g.GetGridCell(1, r + 1));
            ASSERT_LE(sign * a, sign * b) << "row " << r;
            if (a != b) continue;
            const Integer c = StrToInt(g.GetGridCell(2, r)), d = StrToInt(g.GetGridCell(2, r + 1));
            if (g.SortSettings()->Full) {
                ASSERT_LE(sign * c, sign * d) << "ties go to the next column";
                const int keys = g.GetGridCell(3, r).compare(g.GetGridCell(3, r + 1));
                if (c == d) {
                    EXPECT_LT(sign * keys, 0) << "and on to the key's text";
                }
            } else {
                EXPECT_LT(KeyOf(r), KeyOf(r + 1)) << "equal rows keep their order";
            }
        }
        g.QUnSort();
        for (Integer r = 0; r < rows; ++r) ASSERT_EQ(KeyOf(r), r) << "the unsort restores row " << r;
        EXPECT_EQ(g.FUpdateCount, 0);
        EXPECT_EQ(g.ColCount(), 4);
        EXPECT_EQ(g.RowCount(), rows);
    }
}

TEST_F(ExtStringGridSort, TheFooterRowStaysWhateverItHolds)
{
    // The footer holds the smallest value: sorted into the body it would come first.
    g.SetColCount(2);
    g.SetRowCount(6);
    g.SetFixedRows(1);
    g.SetFixedFooters(1);
    for (Integer r = 1; r < 5; ++r) g.SetGridCell(1, r, IntToStr(10 * (5 - r)));
    g.SetGridCell(1, 5, u"1");
    g.SortByColumn(1);
    EXPECT_EQ(Column(1), (std::vector<String>{u"", u"10", u"20", u"30", u"40", u"1"}));
}

TEST_F(ExtStringGridSort, NothingHappensWithoutAColumnOrRows)
{
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetGridCell(0, 1, u"b");
    g.SetGridCell(0, 2, u"a");
    g.QSort();
    EXPECT_EQ(g.Compares, 0) << "Column -1 sorts nothing";
    g.SetRowCount(1);
    g.SortByColumn(0);
    EXPECT_EQ(g.SortSettings()->Column, -1) << "a grid of one row is not even marked sorted";
}

TEST_F(ExtStringGridSort, TheCrossReferenceFollowsEveryExchange)
{
    g.SetColCount(1);
    g.SetRowCount(5);
    g.SetFixedRows(1);
    const std::vector<const char16_t*> texts = {u"", u"d", u"b", u"a", u"c"};
    for (Integer r = 0; r < 5; ++r) g.SetGridCell(0, r, texts[size_t(r)]);
    g.SortByColumn(0);
    EXPECT_EQ(Column(0), (std::vector<String>{u"", u"a", u"b", u"c", u"d"}));
    EXPECT_GT(g.Swaps, 0);
    EXPECT_GT(g.Compares, 0);
    // A second sort by the other direction and then the unsort: back to the very first order.
    g.Sort(0, sdDescending);
    EXPECT_EQ(Column(0), (std::vector<String>{u"", u"d", u"c", u"b", u"a"}));
    g.QUnSort();
    EXPECT_EQ(Column(0), (std::vector<String>{u"", u"d", u"b", u"a", u"c"}));
}

// Rows by the order before the sorts: labels L1 .. L5 on keys e .. a, sorted to a .. e.
TEST_F(ExtStringGridSort, RowsAreFoundByTheirOrderBeforeTheSorts)
{
    g.SetColCount(2);
    g.SetRowCount(6);
    g.SetFixedRows(1);
    const std::vector<const char16_t*> keys = {u"", u"e", u"d", u"c", u"b", u"a"};
    for (Integer r = 0; r < 6; ++r) {
        g.SetGridCell(0, r, keys[size_t(r)]);
        g.SetGridCell(1, r, u"L" + IntToStr(r));
    }
    // Before any sort every row is where it was.
    EXPECT_EQ(g.UnSortedRowIndex(3), 3);
    EXPECT_EQ(g.SortedRowIndex(3), 3);
    EXPECT_EQ(g.GetUnSortedCells(1, 3), u"L3");

    g.SortByColumn(0);
    ASSERT_EQ(Column(1), (std::vector<String>{u"L0", u"L5", u"L4", u"L3", u"L2", u"L1"}));
    struct TCase {
        Integer Row;
        Integer Unsorted;  // where the row of the old order is now
        Integer Sorted;  // which row of the old order is here
    };
    const TCase cases[] = {{0, 0, 0}, {1, 5, 5}, {2, 4, 4}, {3, 3, 3}, {5, 1, 1}, {6, 6, 6}, {40, 6, 40}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Row);
        EXPECT_EQ(g.UnSortedRowIndex(c.Row), c.Unsorted) << "past the rows: the cross-reference's length";
        EXPECT_EQ(g.SortedRowIndex(c.Row), c.Sorted);
        if (c.Row < 6) {
            EXPECT_EQ(g.GetUnSortedCells(1, c.Row), u"L" + IntToStr(c.Row));
        }
    }
    EXPECT_EQ(g.UnSortedRowIndex(-1), 6);
    EXPECT_EQ(g.SortedRowIndex(-1), -1);

    g.SetUnSortedCells(1, 2, u"x");
    EXPECT_EQ(g.GetGridCell(1, 4), u"x") << "old row 2 sits at row 4";

    // The sorted index is a real row: with row 1 hidden, displayed row 1 is real row 2.
    g.HideRow(1);
    EXPECT_EQ(g.SortedRowIndex(5), 2);
    EXPECT_EQ(g.SortedRowIndex(4), 3);
}

TEST_F(ExtStringGridSort, AnUnsortWithoutACrossReferenceForEveryRowMovesNothing)
{
    g.SetColCount(1);
    g.SetRowCount(3);
    g.InitSortXRef();
    g.SetRowCount(5);
    const std::vector<const char16_t*> values = {u"e", u"d", u"c", u"b", u"a"};
    for (Integer r = 0; r < 5; ++r) g.SetGridCell(0, r, values[size_t(r)]);
    EXPECT_THROW(g.QUnSort(), EListError);
    EXPECT_EQ(Column(0), (std::vector<String>{u"e", u"d", u"c", u"b", u"a"}));
    EXPECT_EQ(g.FUpdateCount, 0);
}

TEST_F(ExtStringGridSort, ARaisingComparisonLeavesTheFrameSound)
{
    g.SetColCount(3);
    g.SetRowCount(30);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    g.SortSettings()->NormalCellsOnly = true;
    for (Integer r = 0; r < 30; ++r) {
        g.SetGridCell(0, r, u"label" + IntToStr(r));
        g.SetGridCell(1, r, IntToStr(30 - r));
    }
    g.OnGetFormat = [](TObject*, Integer, TSortStyle& Style, String&, String&) { Style = ssCustom; };
    int calls = 0;
    g.OnCustomCompare = [&](TObject*, const String&, const String&, Integer&) {
        if (++calls == 10) throw Exception(u"handler failed");
    };
    EXPECT_THROW(g.SortByColumn(1), Exception);
    EXPECT_EQ(g.FUpdateCount, 0) << "the update block ends";
    for (Integer r = 0; r < 30; ++r) EXPECT_EQ(g.GetGridCell(0, r), u"label" + IntToStr(r));
    EXPECT_EQ(g.RowCount(), 30);
    EXPECT_EQ(g.ColCount(), 3);
}

TEST_F(ExtStringGridSort, NormalCellsOnlyKeepsColumnZeroWhileTheRowsMove)
{
    g.SetColCount(2);
    g.SetRowCount(4);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    g.SortSettings()->NormalCellsOnly = true;
    const std::vector<const char16_t*> labels = {u"#", u"1", u"2", u"3"}, values = {u"v", u"c", u"a", u"b"};
    for (Integer r = 0; r < 4; ++r) {
        g.SetGridCell(0, r, labels[size_t(r)]);
        g.SetGridCell(1, r, values[size_t(r)]);
    }
    TCellProperties* label = g.GetCellProperties(0, 2);
    g.SortByColumn(1);
    EXPECT_EQ(Column(0), (std::vector<String>{u"#", u"1", u"2", u"3"}));
    EXPECT_EQ(Column(1), (std::vector<String>{u"v", u"a", u"b", u"c"}));
    EXPECT_EQ(g.GetGridObject(0, 2), label) << "column 0's objects stay too";
}

TEST_F(ExtStringGridSort, SingleColumnExchangesStoredTextsNotDisplayedOnes)
{
    g.SetColCount(2);
    g.SetRowCount(4);
    g.SetFixedRows(1);
    g.SortSettings()->SingleColumn = true;
    g.SortSettings()->SortOnVirtualCells = false;
    const std::vector<const char16_t*> keys = {u"", u"x", u"y", u"z"}, values = {u"", u"3", u"1", u"2"};
    for (Integer r = 0; r < 4; ++r) {
        g.SetGridCell(0, r, keys[size_t(r)]);
        g.SetGridCell(1, r, values[size_t(r)]);
    }
    g.OnGetDisplText = [](TObject*, Integer, Integer, String& Value) { Value = u"<" + Value + u">"; };
    g.SortByColumn(1);
    EXPECT_EQ(Column(1), (std::vector<String>{u"", u"1", u"2", u"3"})) << "no display text stored";
    EXPECT_EQ(Column(0), (std::vector<String>{u"", u"x", u"y", u"z"})) << "the other columns stay";
}

TEST_F(ExtStringGridSort, TheCurrentRowKeepsItsIndexOrFollowsItsData)
{
    for (const bool follow : {false, true}) {
        g.SetColCount(2);
        g.SetRowCount(5);
        g.SetFixedRows(1);
        const std::vector<const char16_t*> values = {u"", u"d", u"c", u"b", u"a"};
        for (Integer r = 0; r < 5; ++r) g.SetGridCell(1, r, values[size_t(r)]);
        g.Navigation()->MoveRowOnSort = follow;
        g.SetRowEx(1);
        std::vector<std::pair<Integer, Integer>> changes;
        g.OnRowChanged = [&](TObject*, Integer Old, Integer New) { changes.push_back({Old, New}); };
        g.SortByColumn(1);
        EXPECT_EQ(g.GetRowEx(), follow ? 4 : 1) << follow;
        EXPECT_EQ(g.GetGridCell(1, g.GetRowEx()), follow ? u"d" : u"a");
        if (!follow) {
            EXPECT_EQ(changes, (std::vector<std::pair<Integer, Integer>>{{1, 1}}));
        }
        g.OnRowChanged = nullptr;
        g.SortSettings()->Direction = sdAscending;
    }
}

TEST_F(ExtStringGridSort, IndexedSortsFollowTheirListAndRefuseAnEmptyOne)
{
    g.SetColCount(3);
    g.SetRowCount(5);
    g.SetFixedRows(1);
    const std::vector<std::pair<const char16_t*, const char16_t*>> rows = {
        {u"", u""}, {u"1", u"a"}, {u"2", u"b"}, {u"1", u"c"}, {u"2", u"a"}};
    for (Integer r = 0; r < 5; ++r) {
        g.SetGridCell(1, r, rows[size_t(r)].first);
        g.SetGridCell(2, r, rows[size_t(r)].second);
    }
    try {
        g.QSortIndexed();
        ADD_FAILURE() << "an empty list raises";
    } catch (const EExtGridError& e) {
        EXPECT_EQ(e.Message(), u"No indexes specified for indexed sort");
    }
    EXPECT_EQ(g.Compares, 0) << "nothing was sorted";
    g.SortIndexes().AddIndex(1, false);
    g.SortIndexes().AddIndex(2, true);
    g.QSortIndexed();
    EXPECT_EQ(Column(1), (std::vector<String>{u"", u"2", u"2", u"1", u"1"}));
    EXPECT_EQ(Column(2), (std::vector<String>{u"", u"a", u"b", u"a", u"c"}));
    EXPECT_EQ(g.SortIndexes().Count(), 2) << "the indexed sort keeps its list";
    g.SortSettings()->Column = 1;
    g.QSort();
    EXPECT_EQ(g.SortIndexes().Count(), 0) << "the plain sort clears it";
}

TEST_F(ExtStringGridSort, SortSettingsTextsSortTheGrid)
{
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetFixedRows(1);
    const std::vector<const char16_t*> values = {u"", u"5", u"10", u"7"};
    for (Integer r = 0; r < 4; ++r) g.SetGridCell(2, r, values[size_t(r)]);
    g.SortSettings()->LoadFromString(u"d2");
    EXPECT_EQ(Column(2), (std::vector<String>{u"", u"10", u"7", u"5"})) << "numbers, not texts";
    g.SortSettings()->LoadFromString(u"i;u2");
    EXPECT_EQ(Column(2), (std::vector<String>{u"", u"5", u"7", u"10"}));
    EXPECT_EQ(g.SortSettings()->SaveToString(), u"i;u2");
}

TEST_F(ExtStringGridSort, BlanksGoFirstOrLastInBothDirections)
{
    g.SetColCount(1);
    g.SetRowCount(5);
    g.SetFixedRows(1);
    g.SortSettings()->IgnoreBlanks = true;
    struct Case {
        TSortBlankPosition Pos;
        TSortDirection Direction;
        std::vector<String> Expected;
    };
    const std::vector<Case> cases = {
        {blFirst, sdAscending, {u"h", u"", u"", u"1", u"2"}},
        {blFirst, sdDescending, {u"h", u"", u"", u"2", u"1"}},
        {blLast, sdAscending, {u"h", u"1", u"2", u"", u""}},
        {blLast, sdDescending, {u"h", u"2", u"1", u"", u""}},
    };
    for (const Case& c : cases) {
        const std::vector<const char16_t*> values = {u"h", u"2", u"", u"1", u""};
        for (Integer r = 0; r < 5; ++r) g.SetGridCell(0, r, values[size_t(r)]);
        g.SortSettings()->BlankPos = c.Pos;
        g.Sort(0, c.Direction);
        EXPECT_EQ(Column(0), c.Expected) << int(c.Pos) << int(c.Direction);
    }
}

TEST_F(ExtStringGridSort, DisplayedTextsDecideUnlessSortingStoredOnes)
{
    g.SetColCount(1);
    g.SetRowCount(4);
    g.SetFixedRows(1);
    const std::vector<const char16_t*> values = {u"", u"a", u"b", u"c"};
    for (Integer r = 0; r < 4; ++r) g.SetGridCell(0, r, values[size_t(r)]);
    // The display turns a, b, c into 3, 1, 2.
    g.OnGetDisplText = [](TObject*, Integer, Integer, String& Value) {
        if (!Value.empty()) Value = IntToStr((Value[0] - u'a' + 2) % 3 + 1);
    };
    g.SortByColumn(0);
    EXPECT_EQ(Column(0), (std::vector<String>{u"", u"b", u"c", u"a"}));
    g.SortSettings()->SortOnVirtualCells = false;
    g.SortByColumn(0);
    EXPECT_EQ(Column(0), (std::vector<String>{u"", u"a", u"b", u"c"}));
}

TEST_F(ExtStringGridSort, QuickSortsStayInsideTheGrid)
{
    g.SetColCount(1);
    g.SetRowCount(4);
    const std::vector<const char16_t*> values = {u"d", u"c", u"b", u"a"};
    for (Integer r = 0; r < 4; ++r) g.SetGridCell(0, r, values[size_t(r)]);
    EXPECT_THROW(g.QuickSort(0, 1, 4), EInvalidGridOperation);
    EXPECT_THROW(g.QuickSort(0, -1, 2), EInvalidGridOperation);
    EXPECT_EQ(Column(0), (std::vector<String>{u"d", u"c", u"b", u"a"})) << "nothing moved";
    g.QuickSort(0, 3, 2);
    EXPECT_EQ(g.Compares, 0) << "an empty range is no range";
    g.QuickSort(0, 1, 3);
    EXPECT_EQ(Column(0), (std::vector<String>{u"d", u"a", u"b", u"c"})) << "only the rows asked";
}

TEST_F(ExtStringGridSort, SortLineExchangesRowsOutOfOrderOnly)
{
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetGridCell(0, 1, u"a");
    g.SetGridCell(1, 1, u"2");
    g.SetGridCell(0, 2, u"a");
    g.SetGridCell(1, 2, u"1");
    EXPECT_TRUE(g.SortLine(0, 1, 2)) << "a tie goes to the next column";
    EXPECT_EQ(g.GetGridCell(1, 1), u"1");
    EXPECT_FALSE(g.SortLine(0, 1, 2));
    EXPECT_EQ(g.GetGridCell(1, 1), u"1");
}

TEST_F(ExtStringGridSort, TheComparisonTakesItsRulesFromTheSettingsAndTheEvents)
{
    g.SetColCount(3);
    g.SetRowCount(3);
    struct Case {
        const char* Name;
        const char16_t* A;
        const char16_t* B;
        bool AutoFormat;
        bool IgnoreCase;
        TSortStyle Style;  // given by OnGetFormat unless ssAutomatic
        const char16_t* Prefix;
        Integer Expected;
    };
    const std::vector<Case> cases = {
        {"plain texts by code unit", u"a", u"B", false, false, ssAutomatic, u"", 1},
        {"IgnoreCase starts without case", u"a", u"B", false, true, ssAutomatic, u"", -1},
        {"AutoFormat reads numbers", u"10", u"9", true, false, ssAutomatic, u"", 1},
        {"AutoFormat reads a word alphabetically", u"abc", u"9", true, false, ssAutomatic, u"", 1},
        {"the event's prefix goes", u"$10", u"$9", true, false, ssNumeric, u"$", 1},
        {"mark-up stripped for ssHTML", u"<b>b</b>", u"a", true, false, ssHTML, u"", 1},
        {"mark-up kept otherwise", u"<b>b</b>", u"a", true, false, ssAlphabetic, u"", -1},
    };
    for (const Case& c : cases) {
        g.SetGridCell(1, 1, c.A);
        g.SetGridCell(1, 2, c.B);
        g.SortSettings()->AutoFormat = c.AutoFormat;
        g.SortSettings()->IgnoreCase = c.IgnoreCase;
        g.OnGetFormat = [&](TObject*, Integer ACol, TSortStyle& Style, String& Prefix, String&) {
            EXPECT_EQ(ACol, 1);
            if (c.Style != ssAutomatic) Style = c.Style;
            Prefix = c.Prefix;
        };
        const Integer before = g.Compares;
        EXPECT_EQ(g.CompareRowCells(1, 1, 2, sdAscending), c.Expected) << c.Name;
        EXPECT_EQ(g.Compares, before + 1) << c.Name;
    }
    // The events get the first row's text first (custom) and the two rows (raw).
    g.OnGetFormat = [](TObject*, Integer, TSortStyle& Style, String&, String&) { Style = ssCustom; };
    g.OnCustomCompare = [](TObject*, const String& A, const String& B, Integer& Res) {
        Res = A == u"<b>b</b>" && B == u"a" ? 7 : 0;
    };
    EXPECT_EQ(g.CompareRowCells(1, 1, 2, sdAscending), 7);
    g.OnGetFormat = [](TObject*, Integer, TSortStyle& Style, String&, String&) { Style = ssRaw; };
    g.OnRawCompare = [](TObject*, Integer ACol, Integer Row1, Integer Row2, Integer& Res) {
        Res = ACol * 100 + Row1 * 10 + Row2;
    };
    EXPECT_EQ(g.CompareRowCells(1, 1, 2, sdAscending), 112);
}

TEST_F(ExtStringGridSort, CheckBoxCellsSortByTheirState)
{
    g.SetColCount(2);
    g.SetRowCount(5);
    g.SetFixedRows(1);
    // Texts that would order the other way: the states decide, checked after unchecked.
    const std::vector<std::pair<const char16_t*, bool>> rows = {
        {u"a", true}, {u"b", false}, {u"c", true}, {u"d", false}};
    for (Integer r = 1; r < 5; ++r) {
        g.SetGridCell(0, r, rows[size_t(r - 1)].first);
        g.AddCheckBox(1, r, rows[size_t(r - 1)].second, false);
    }
    g.SortSettings()->Full = false;
    g.SortByColumn(1);
    EXPECT_EQ(Column(0), (std::vector<String>{u"", u"b", u"d", u"a", u"c"}));
    for (Integer r = 1; r < 5; ++r) EXPECT_EQ(g.IsChecked(1, r), r > 2) << "the boxes travel with their rows";
}

}  // namespace
}  // namespace gw::test
