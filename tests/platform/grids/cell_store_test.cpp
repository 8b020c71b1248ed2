// The cell store: compact texts of every length, objects beside them, a store without bounds,
// and rows inserted, deleted and moved as a whole.
#include "platform/grids/cell_store.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace gw::test {
namespace {

// The texts of columns 0..2 of rows 0..N-1, "" for empty.
std::vector<std::vector<String>> Texts(const TGridCellStore& S, Integer Rows)
{
    std::vector<std::vector<String>> out;
    for (Integer r = 0; r < Rows; ++r) {
        out.emplace_back();
        for (Integer c = 0; c < 3; ++c) out.back().emplace_back(S.Text(c, r));
    }
    return out;
}

TEST(CellText, HoldsTextsOfEveryLengthAndTakesBackItsOwnView)
{
    const String values[] = {u"",
                             u"Y",
                             u"12",
                             u"abc",
                             u"abcd",
                             u"192.168.2.205",
                             String(300, u'x'),
                             u"n\u00E4\u00EFve \U0001F600",
                             String(1, u'\0')};
    TCellText t;
    EXPECT_TRUE(t.Empty());
    for (const String& v : values) {
        t.Assign(v);
        EXPECT_EQ(String(t.View()), v) << v.size() << " units";
        EXPECT_EQ(t.Empty(), v.empty());
    }
    // A text set from its own view (same length in place, shorter, longer) stays whole.
    for (const String v : {u"ab", u"abcdef"}) {
        t.Assign(v);
        t.Assign(t.View());
        EXPECT_EQ(String(t.View()), v);
        t.Assign(t.View().substr(1));
        EXPECT_EQ(String(t.View()), v.substr(1));
    }
    TCellText moved(std::move(t));
    EXPECT_EQ(String(moved.View()), u"bcdef");
    EXPECT_TRUE(t.Empty());  // NOLINT(bugprone-use-after-move): a moved-from text is empty
}

TEST(CellStore, CellsOutsideWhatWasWrittenAreEmptyAndWritingMakesRoom)
{
    TGridCellStore s;
    EXPECT_EQ(s.Text(5, 7), u"");
    EXPECT_EQ(s.Object(-1, 3), nullptr);
    s.SetText(4, 2, u"");  // emptying outside makes no row
    EXPECT_EQ(s.RowExtent(), 0);
    s.SetText(40, 100, u"far");
    EXPECT_EQ(s.RowExtent(), 101);
    EXPECT_EQ(s.Text(40, 100), u"far");
    EXPECT_EQ(s.Text(41, 100), u"");
    s.SetText(-1, 0, u"x");  // ignored
    EXPECT_EQ(s.Text(0, 0), u"");
    // A cell written from a short text of its own row, which has to grow for it.
    s.SetText(0, 5, u"ab");
    s.SetText(30, 5, s.Text(0, 5));
    EXPECT_EQ(s.Text(30, 5), u"ab");

    TObject a, b;
    s.SetObject(2, 3, &a);
    s.SetText(9, 3, u"grown after the object");  // the row grows with its objects
    EXPECT_EQ(s.Object(2, 3), &a);
    s.SetObject(2, 3, &b);
    EXPECT_EQ(s.Object(2, 3), &b);
    s.SetText(2, 3, u"text beside");
    EXPECT_EQ(s.Object(2, 3), &b);
    s.ClearRow(3);
    EXPECT_EQ(s.Object(2, 3), nullptr);
    EXPECT_EQ(s.Text(9, 3), u"");
}

TEST(CellStore, RowsMoveAsAWholeWithTheirObjects)
{
    TObject o;
    auto make = [&] {
        auto s = std::make_unique<TGridCellStore>();
        for (Integer r = 0; r < 5; ++r)
            for (Integer c = 0; c < 3; ++c)
                s->SetText(c, r, String(1, char16_t(u'a' + r)) + String(1, char16_t(u'0' + c)));
        s->SetObject(1, 2, &o);
        return s;
    };
    using Rows = std::vector<std::vector<String>>;
    const std::vector<String> a{u"a0", u"a1", u"a2"}, b{u"b0", u"b1", u"b2"}, c{u"c0", u"c1", u"c2"},
        d{u"d0", u"d1", u"d2"}, e{u"e0", u"e1", u"e2"}, none{u"", u"", u""};
    struct Case {
        const char* What;
        void (*Op)(TGridCellStore&);
        Rows Expected;
        Integer ObjectRow;  // where row c's object went
    };
    const Case cases[] = {
        {"insert two at 1", [](TGridCellStore& s) { s.InsertRows(1, 2); }, {a, none, none, b, c, d, e}, 4},
        {"insert below the rows: nothing to move", [](TGridCellStore& s) { s.InsertRows(9, 2); }, {a, b, c, d, e}, 2},
        {"delete two at 1", [](TGridCellStore& s) { s.DeleteRows(1, 2); }, {a, d, e, none, none}, -1},
        {"delete past the end", [](TGridCellStore& s) { s.DeleteRows(3, 10); }, {a, b, c, none, none}, 2},
        {"move 0 to 3", [](TGridCellStore& s) { s.MoveRow(0, 3); }, {b, c, d, a, e}, 1},
        {"move 4 to 1", [](TGridCellStore& s) { s.MoveRow(4, 1); }, {a, e, b, c, d}, 3},
        {"move 2 beyond the rows", [](TGridCellStore& s) { s.MoveRow(2, 6); }, {a, b, d, e, none, none, c}, 6},
        {"exchange 0 and 4", [](TGridCellStore& s) { s.ExchangeRows(0, 4); }, {e, b, c, d, a}, 2},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.What);
        auto s = make();
        k.Op(*s);
        EXPECT_EQ(Texts(*s, Integer(k.Expected.size())), k.Expected);
        for (Integer r = 0; r < 8; ++r) EXPECT_EQ(s->Object(1, r), r == k.ObjectRow ? &o : nullptr) << "row " << r;
    }
}

// Rows "a".."f" of cells "a0 a1 a2"; two objects in row b, one in column 0 and one in column 2.
struct TLetteredStore {
    TGridCellStore Store;
    TObject Kept, Moved;
    TLetteredStore()
    {
        for (Integer r = 0; r < 6; ++r)
            for (Integer c = 0; c < 3; ++c) Store.SetText(c, r, String(1, char16_t(u'a' + r)) + String(1, char16_t(u'0' + c)));
        Store.SetObject(0, 1, &Kept);
        Store.SetObject(2, 1, &Moved);
    }
    // Each row as "a0 a1 a2", "-" for an empty cell.
    std::vector<String> Rows(Integer Count) const
    {
        std::vector<String> out;
        for (Integer r = 0; r < Count; ++r) {
            String row;
            for (Integer c = 0; c < 3; ++c) {
                const StringView t = Store.Text(c, r);
                row += (c ? u" " : u"") + (t.empty() ? String(u"-") : String(t));
            }
            out.push_back(row);
        }
        return out;
    }
    // Every cell of the first Rows rows that references O (column, row).
    std::vector<std::pair<Integer, Integer>> Places(const TObject* O, Integer Rows) const
    {
        std::vector<std::pair<Integer, Integer>> out;
        for (Integer r = 0; r < Rows; ++r)
            for (Integer c = 0; c < Store.ColumnExtent(r); ++c)
                if (Store.Object(c, r) == O) out.emplace_back(c, r);
        return out;
    }
};

TEST(CellStore, MovingRowsKeepsTheCellsBeforeTheFirstMovedColumnInTheirRows)
{
    using Places = std::vector<std::pair<Integer, Integer>>;
    struct Case {
        const char* What;
        Integer From, To, FirstCol;
        std::vector<String> Rows;
        Places Kept, Moved;  // where the objects of row b stand afterwards
    };
    const Case cases[] = {
        {"down, the row number kept",
         1, 4, 1,
         {u"a0 a1 a2", u"b0 c1 c2", u"c0 d1 d2", u"d0 e1 e2", u"e0 b1 b2", u"f0 f1 f2"},
         {{0, 1}}, {{2, 4}}},
        {"up, the row number kept",
         4, 1, 1,
         {u"a0 a1 a2", u"b0 e1 e2", u"c0 b1 b2", u"d0 c1 c2", u"e0 d1 d2", u"f0 f1 f2"},
         {{0, 1}}, {{2, 2}}},
        {"to the next row", 2, 3, 1,
         {u"a0 a1 a2", u"b0 b1 b2", u"c0 d1 d2", u"d0 c1 c2", u"e0 e1 e2", u"f0 f1 f2"},
         {{0, 1}}, {{2, 1}}},
        {"from the next row", 3, 2, 1,
         {u"a0 a1 a2", u"b0 b1 b2", u"c0 d1 d2", u"d0 c1 c2", u"e0 e1 e2", u"f0 f1 f2"},
         {{0, 1}}, {{2, 1}}},
        {"first to last, two columns kept", 0, 5, 2,
         {u"a0 a1 b2", u"b0 b1 c2", u"c0 c1 d2", u"d0 d1 e2", u"e0 e1 f2", u"f0 f1 a2"},
         {{0, 1}}, {{2, 0}}},
        {"nothing kept: the whole row", 1, 4, 0,
         {u"a0 a1 a2", u"c0 c1 c2", u"d0 d1 d2", u"e0 e1 e2", u"b0 b1 b2", u"f0 f1 f2"},
         {{0, 4}}, {{2, 4}}},
        {"beyond the rows, through rows never written", 1, 7, 1,
         {u"a0 a1 a2", u"b0 c1 c2", u"c0 d1 d2", u"d0 e1 e2", u"e0 f1 f2", u"f0 - -", u"- - -", u"- b1 b2"},
         {{0, 1}}, {{2, 7}}},
        {"from beyond the rows", 7, 0, 1,
         {u"a0 - -", u"b0 a1 a2", u"c0 b1 b2", u"d0 c1 c2", u"e0 d1 d2", u"f0 e1 e2", u"- f1 f2", u"- - -"},
         {{0, 1}}, {{2, 2}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.What);
        TLetteredStore s;
        s.Store.MoveRow(k.From, k.To, k.FirstCol);
        EXPECT_EQ(s.Rows(Integer(k.Rows.size())), k.Rows);
        EXPECT_EQ(s.Places(&s.Kept, 10), k.Kept);
        EXPECT_EQ(s.Places(&s.Moved, 10), k.Moved) << "every object in exactly one cell";
    }
}

TEST(CellStore, ARowIsHandedOverAndTakenBackWhole)
{
    TLetteredStore s;
    // Taken out: the row's cells and objects leave, the row stays in place empty.
    TGridCellRow b = s.Store.TakeRow(1);
    ASSERT_EQ(b.Size(), 3);
    EXPECT_EQ(String(b.Text(1).View()), u"b1");
    EXPECT_EQ(b.Object(0), &s.Kept);
    EXPECT_EQ(b.Object(2), &s.Moved);
    EXPECT_EQ(s.Store.RowExtent(), 6);
    EXPECT_EQ(s.Store.ColumnExtent(1), 0) << "the vacated row holds no storage";
    EXPECT_FALSE(s.Store.RowHasObjects(1));
    EXPECT_EQ(s.Rows(3), (std::vector<String>{u"a0 a1 a2", u"- - -", u"c0 c1 c2"}));
    EXPECT_TRUE(s.Places(&s.Kept, 6).empty());

    // Put where a row stands: that row comes back to the caller, nothing is dropped or doubled.
    TGridCellRow d = s.Store.PutRow(3, std::move(b));
    EXPECT_EQ(String(d.Text(0).View()), u"d0");
    EXPECT_EQ(s.Rows(4), (std::vector<String>{u"a0 a1 a2", u"- - -", u"c0 c1 c2", u"b0 b1 b2"}));
    EXPECT_EQ(s.Places(&s.Moved, 6), (std::vector<std::pair<Integer, Integer>>{{2, 3}}));
    EXPECT_TRUE(s.Store.RowHasObjects(3));

    // Put into the vacated row: it hands back an empty row.
    TGridCellRow vacated = s.Store.PutRow(1, std::move(d));
    EXPECT_EQ(vacated.Size(), 0);
    EXPECT_EQ(s.Store.Text(0, 1), u"d0");

    // Past the rows: taking hands over nothing and makes no row; putting makes the rows up to it.
    EXPECT_EQ(s.Store.TakeRow(9).Size(), 0);
    EXPECT_EQ(s.Store.TakeRow(-1).Size(), 0);
    EXPECT_EQ(s.Store.RowExtent(), 6);
    TGridCellRow far = s.Store.TakeRow(5);
    EXPECT_EQ(s.Store.PutRow(8, std::move(far)).Size(), 0);
    EXPECT_EQ(s.Store.RowExtent(), 9);
    EXPECT_EQ(s.Store.Text(2, 8), u"f2");
    EXPECT_EQ(s.Store.Text(2, 7), u"");
    EXPECT_EQ(s.Store.Text(2, 5), u"");
    // A negative row takes nothing: the row comes back as it was.
    TGridCellRow back = s.Store.PutRow(-1, s.Store.TakeRow(8));
    EXPECT_EQ(String(back.Text(2).View()), u"f2");
}

TEST(CellStore, ADetachedRowResizesAndExchangesCellsWithoutLosingAny)
{
    TObject o;
    TGridCellStore s;
    s.SetText(0, 0, u"kept");
    s.SetText(4, 0, u"cut off");
    s.SetObject(1, 0, &o);
    TGridCellRow row = s.TakeRow(0);
    row.Resize(2);
    ASSERT_EQ(row.Size(), 2);
    EXPECT_EQ(String(row.Text(0).View()), u"kept");
    EXPECT_EQ(row.Object(1), &o);
    row.Resize(5);
    EXPECT_TRUE(row.Text(4).Empty()) << "the cut cell does not come back";
    // Exchanging with a row that has no room for the cell makes room for it there only.
    TGridCellRow empty;
    empty.ExchangeCell(row, 3);
    EXPECT_EQ(empty.Size(), 0) << "two empty cells exchange nothing";
    empty.ExchangeCell(row, 1);
    EXPECT_EQ(empty.Object(1), &o);
    EXPECT_EQ(row.Object(1), nullptr);
    row.Resize(0);
    EXPECT_EQ(row.Size(), 0);
}

TEST(CellStore, MovingAColumnMovesItInEveryRowThatReachesIt)
{
    TGridCellStore s;
    TObject o;
    s.SetText(0, 0, u"a");
    s.SetText(1, 0, u"b");
    s.SetText(2, 0, u"c");
    s.SetObject(0, 0, &o);
    s.SetText(0, 1, u"short row");  // reaches column 0 only
    s.SetText(5, 3, u"far row");
    s.MoveColumn(0, 2);
    EXPECT_EQ(Texts(s, 2), (std::vector<std::vector<String>>{{u"b", u"c", u"a"}, {u"", u"", u"short row"}}));
    EXPECT_EQ(s.Object(2, 0), &o);
    EXPECT_EQ(s.Object(0, 0), nullptr);
    EXPECT_EQ(s.Text(5, 3), u"far row") << "columns beyond the move stay";
    s.MoveColumn(5, 0);
    EXPECT_EQ(s.Text(0, 3), u"far row");
    EXPECT_EQ(s.Text(0, 0), u"") << "row 0 had nothing in column 5";
    EXPECT_EQ(s.Text(1, 0), u"b");
}

TEST(CellStore, ColumnsInsertedAndDeletedInEveryRowWithTheirObjects)
{
    struct Case {
        const char* Name;
        void (TGridCellStore::*Op)(Integer, Integer);
        Integer At, Count;
        std::vector<std::vector<String>> Texts;
        Integer ObjectCol;  // where row 1's object stands afterwards, -1 gone
    };
    const std::vector<Case> cases = {
        {"insert at 1", &TGridCellStore::InsertColumns, 1, 1, {{u"a", u"", u"b"}, {u"d", u"", u"e"}, {}}, 2},
        {"insert beyond a short row",
         &TGridCellStore::InsertColumns,
         2,
         5,
         {{u"a", u"b", u""}, {u"d", u"e", u""}, {}},
         1},
        {"delete 0..1", &TGridCellStore::DeleteColumns, 0, 2, {{u"c", u"", u""}, {u"", u"", u""}, {}}, -1},
        {"delete past the end", &TGridCellStore::DeleteColumns, 1, 9, {{u"a", u"", u""}, {u"d", u"", u""}, {}}, -1},
        {"delete none", &TGridCellStore::DeleteColumns, 1, 0, {{u"a", u"b", u"c"}, {u"d", u"e", u""}, {}}, 1},
    };
    TObject o;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TGridCellStore s;
        s.SetText(0, 0, u"a");
        s.SetText(1, 0, u"b");
        s.SetText(2, 0, u"c");
        s.SetText(0, 1, u"d");
        s.SetText(1, 1, u"e");
        s.SetObject(1, 1, &o);
        (s.*c.Op)(c.At, c.Count);
        std::vector<std::vector<String>> want = c.Texts;
        want[2] = {u"", u"", u""};
        EXPECT_EQ(Texts(s, 3), want);
        for (Integer col = 0; col < 8; ++col) EXPECT_EQ(s.Object(col, 1), col == c.ObjectCol ? &o : nullptr) << col;
    }
}

TEST(CellStore, ColumnExtentIsWhatARowMayHold)
{
    TGridCellStore s;
    s.ColumnHint = 4;
    EXPECT_EQ(s.ColumnExtent(0), 0);
    s.SetText(1, 2, u"x");
    EXPECT_EQ(s.ColumnExtent(2), 4) << "room for the hinted columns at once";
    EXPECT_EQ(s.ColumnExtent(1), 0) << "a row that holds nothing";
    s.SetText(6, 2, u"y");
    EXPECT_GE(s.ColumnExtent(2), 7);
    EXPECT_EQ(s.ColumnExtent(-1), 0);
}

}  // namespace
}  // namespace gw::test
