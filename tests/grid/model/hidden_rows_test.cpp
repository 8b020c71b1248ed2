// Hidden rows: the items by real index and kind, the filter levels, the row mapping, and the
// cells an item owns while its row is out of the store.
#include "grid/model/hidden_rows.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace gw {
namespace {

std::vector<Integer> HiddenIdx(const THiddenRows& Rows)
{
    std::vector<Integer> idx;
    for (Integer i = 0; i < Rows.Count(); ++i) idx.push_back(Rows.Items(i).Idx().Value());
    return idx;
}

template <class T>
std::vector<Integer> ShownAt(const std::vector<T>& Rows)
{
    std::vector<Integer> shown;
    for (const auto& r : Rows) shown.push_back(r.Shown.Value());
    return shown;
}

std::vector<Integer> ShownIdx(const std::vector<TShownRow>& Rows)
{
    std::vector<Integer> idx;
    for (const auto& r : Rows) idx.push_back(r.Item->Idx().Value());
    return idx;
}

std::vector<DispRow> Displayed(std::initializer_list<Integer> Rows)
{
    std::vector<DispRow> rows;
    for (const Integer r : Rows) rows.emplace_back(r);
    return rows;
}

TEST(HiddenRows, TenRowsWithThreeToFiveHidden)
{
    THiddenRows rows;
    const auto hidden = rows.HideRows(RealRow(3), RealRow(5));
    EXPECT_EQ(ShownAt(hidden), (std::vector<Integer>{3, 4, 5})) << "where each row stood before";
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.RealRowIndex(DispRow(3)), RealRow(6));
    EXPECT_EQ(rows.DisplRowIndex(RealRow(6)), DispRow(3));
    EXPECT_TRUE(rows.IsHiddenRow(RealRow(4)));
    EXPECT_FALSE(rows.IsHiddenRow(RealRow(6)));
    EXPECT_EQ(rows.RealRowIndex(DispRow(7)), RealRow(10)) << "RealRowIndex(RowCount) = TotalRowCount";
    for (const auto& h : hidden) {
        EXPECT_EQ(h.Item->Kind(), THiddenRowKind::ByIndex);
        EXPECT_EQ(h.Item->Level(), 0);
    }

    const auto shown = rows.UnHideRows(RealRow(3), RealRow(5));
    EXPECT_EQ(ShownAt(shown), (std::vector<Integer>{3, 4, 5}));
    EXPECT_EQ(rows.Count(), 0);
}

TEST(HiddenRows, HidingARangeLeavesRowsHiddenAlreadyAsTheyAre)
{
    THiddenRows rows;
    TGridItem* four = rows.HideRows(RealRow(4), RealRow(4)).at(0).Item;
    four->Height = 44;
    const auto hidden = rows.HideRows(RealRow(3), RealRow(5));
    ASSERT_EQ(hidden.size(), 2u);
    EXPECT_EQ(hidden[0].Item->Idx(), RealRow(3));
    EXPECT_EQ(hidden[0].Shown, DispRow(3));
    EXPECT_EQ(hidden[1].Item->Idx(), RealRow(5));
    EXPECT_EQ(hidden[1].Shown, DispRow(4)) << "row 5 stood at displayed 4 with row 4 hidden";
    EXPECT_EQ(rows.Find(RealRow(4)), four);
    EXPECT_EQ(four->Height, 44);
    EXPECT_TRUE(rows.HideRows(RealRow(3), RealRow(5)).empty());
    EXPECT_TRUE(rows.HideRows(RealRow(5), RealRow(3)).empty());
}

TEST(HiddenRows, UnHideRowsDoesNothingUnlessItsFirstRowIsHidden)
{
    THiddenRows rows;
    rows.HideRows(RealRow(3), RealRow(3));
    rows.HideRows(RealRow(5), RealRow(5));
    EXPECT_TRUE(rows.UnHideRows(RealRow(4), RealRow(5)).empty());
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.UnHideRow(RealRow(4)).Item, nullptr);
    const TShownRow five = rows.UnHideRow(RealRow(5));
    ASSERT_NE(five.Item, nullptr);
    EXPECT_EQ(five.Shown, DispRow(4));
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{3}));
}

TEST(HiddenRows, HideRowListHidesDisplayedRowsAsOneFilterLevel)
{
    THiddenRows rows;
    const auto hidden = rows.HideRowList(Displayed({2, 5}));
    EXPECT_EQ(rows.FilterLevel(), 1);
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{2, 5}));
    EXPECT_EQ(ShownAt(hidden), (std::vector<Integer>{2, 5}));
    EXPECT_EQ(hidden[0].Item->Kind(), THiddenRowKind::ByFilter);
    EXPECT_EQ(hidden[0].Item->Level(), 0);
    // Eight rows shown: former rows 0, 1, 3, 4, 6..9.
    const Integer real[] = {0, 1, 3, 4, 6, 7, 8, 9, 10};
    for (Integer d = 0; d <= 8; ++d) EXPECT_EQ(rows.RealRowIndex(DispRow(d)), RealRow(real[d])) << d;

    const auto shown = rows.UnHideRowList();
    EXPECT_EQ(ShownAt(shown), (std::vector<Integer>{2, 5}));
    EXPECT_EQ(rows.FilterLevel(), 1) << "the level stays open until RemoveLastFilter";
    rows.LowerFilterLevel();
    EXPECT_EQ(rows.FilterLevel(), 0);
}

TEST(HiddenRows, TheLastLevelComesBackAloneAndInPlace)
{
    THiddenRows rows;
    rows.HideRowList(Displayed({2, 5}));
    const auto second = rows.HideRowList(Displayed({2, 3}));
    EXPECT_EQ(second[0].Item->Idx(), RealRow(3));
    EXPECT_EQ(second[1].Item->Idx(), RealRow(4));
    EXPECT_EQ(second[1].Item->Level(), 1);
    const auto shown = rows.UnHideRowList();
    EXPECT_EQ(ShownIdx(shown), (std::vector<Integer>{3, 4}));
    EXPECT_EQ(ShownAt(shown), (std::vector<Integer>{2, 3}));
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{2, 5}));
    rows.LowerFilterLevel();
    EXPECT_THROW(rows.LowerFilterLevel(), EListError) << "level 0 still hides rows 2 and 5";
    EXPECT_EQ(rows.FilterLevel(), 1);
}

// Level 1 was shown but its rows are still there: closing it would mix them with the next level.
TEST(HiddenRows, AFilterLevelClosesOnlyOnceItsRowsAreShown)
{
    THiddenRows rows;
    rows.HideRowList(Displayed({1}));
    EXPECT_THROW(rows.LowerFilterLevel(), EListError);
    EXPECT_EQ(rows.FilterLevel(), 1);
    rows.UnHideRowList();
    rows.LowerFilterLevel();
    rows.LowerFilterLevel();
    EXPECT_EQ(rows.FilterLevel(), 0) << "never below 0";
    EXPECT_TRUE(rows.UnHideRowList().empty());
}

TEST(HiddenRows, AnEmptyListStillOpensALevel)
{
    THiddenRows rows;
    EXPECT_TRUE(rows.HideRowList({}).empty());
    EXPECT_EQ(rows.FilterLevel(), 1);
}

TEST(HiddenRows, ARowListOutOfOrderRaisesBeforeAnythingChanges)
{
    THiddenRows rows;
    rows.HideRows(RealRow(0), RealRow(0));
    for (const auto& list : {Displayed({3, 2}), Displayed({2, 2}), Displayed({-1, 2})}) {
        EXPECT_THROW(rows.HideRowList(list), EListError);
        EXPECT_EQ(rows.FilterLevel(), 0);
        EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{0}));
    }
}

// A filter's displayed rows are kept by real index, so the mapping stays exact with rows hidden by
// a node before them; the older rule (the displayed index stored as it was) took real row 3 for
// hidden here and showed row 4.
TEST(HiddenRows, MixedKindsMapExactly)
{
    THiddenRows rows;
    rows.HideRows(RealRow(1), RealRow(1));
    const auto filtered = rows.HideRowList(Displayed({3}));
    EXPECT_EQ(filtered[0].Item->Idx(), RealRow(4));
    EXPECT_TRUE(rows.IsHiddenRow(RealRow(4)));
    EXPECT_FALSE(rows.IsHiddenRow(RealRow(3)));
    EXPECT_EQ(rows.RealRowIndex(DispRow(2)), RealRow(3));
    EXPECT_EQ(rows.RealRowIndex(DispRow(3)), RealRow(5));
    EXPECT_EQ(rows.DisplRowIndex(RealRow(5)), DispRow(3));
}

// Taking back the last filter level (below level 2 it used to empty the whole collection) and
// showing everything hidden by index each leave the other kind hidden.
TEST(HiddenRows, EachKindComesBackWithoutTheOther)
{
    THiddenRows rows;
    rows.HideRows(RealRow(1), RealRow(2));
    rows.HideRowList(Displayed({3}));  // real 5
    rows.HideRows(RealRow(8), RealRow(8));

    const auto filtered = rows.UnHideRowList();
    EXPECT_EQ(ShownIdx(filtered), (std::vector<Integer>{5}));
    EXPECT_EQ(ShownAt(filtered), (std::vector<Integer>{3}));
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{1, 2, 8}));
    rows.LowerFilterLevel();

    rows.HideRowList(Displayed({0, 4}));  // real 0 and 6
    const auto byIndex = rows.UnHideRowsAll();
    EXPECT_EQ(ShownIdx(byIndex), (std::vector<Integer>{1, 2, 8}));
    EXPECT_EQ(ShownAt(byIndex), (std::vector<Integer>{0, 1, 6})) << "places with rows 0 and 6 still filtered";
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{0, 6}));
}

// `Col` and `Row` can be -1; they used to become row 0 once any row was hidden.
TEST(HiddenRows, NegativeIndexesMapToThemselves)
{
    THiddenRows rows;
    rows.HideRows(RealRow(0), RealRow(2));
    for (const Integer i : {-1, -5}) {
        EXPECT_EQ(rows.RealRowIndex(DispRow(i)), RealRow(i));
        EXPECT_EQ(rows.DisplRowIndex(RealRow(i)), DispRow(i));
        EXPECT_FALSE(rows.IsHiddenRow(RealRow(i)));
    }
    EXPECT_EQ(rows.RealRowIndex(DispRow(0)), RealRow(3));
    EXPECT_TRUE(rows.HideRows(RealRow(-3), RealRow(-1)).empty());
    EXPECT_EQ(rows.HideRows(RealRow(-3), RealRow(3)).size(), 1u);
}

TEST(HiddenRows, RowsHiddenAtTheEndCountInTheTotal)
{
    THiddenRows rows;  // rows 0..9, the last three hidden: RowCount 7
    rows.HideRows(RealRow(7), RealRow(9));
    EXPECT_EQ(rows.RealRowIndex(DispRow(6)), RealRow(6));
    EXPECT_EQ(rows.RealRowIndex(DispRow(7)), RealRow(10));
    EXPECT_EQ(rows.DisplRowIndex(RealRow(9)), DispRow(7));
}

// Inserted rows move the hidden rows at or after their place (a collapsed node above a new child
// row keeps its rows); removed shown rows move each hidden row up by the removed rows before it.
TEST(HiddenRows, IndexesFollowInsertedAndRemovedRows)
{
    THiddenRows rows;
    rows.HideRows(RealRow(3), RealRow(4));
    rows.HideRows(RealRow(9), RealRow(9));
    rows.ShiftForInsertedRows(RealRow(4), 2);
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{3, 6, 11}));
    rows.ShiftForInsertedRows(RealRow(12), 5);
    rows.ShiftForInsertedRows(RealRow(0), 0);
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{3, 6, 11}));
    EXPECT_EQ(rows.Find(RealRow(11))->Idx(), RealRow(11));

    // Shown rows: real 0 1 2 4 5 7 8 9 10 12 ... (displayed 0..). Removing displayed 1..3 (real
    // 1, 2, 4) lowers 3 by two, 6 and 11 by three.
    rows.ShiftForRemovedRows(DispRow(1), 3);
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{1, 3, 8}));
    EXPECT_EQ(rows.Find(RealRow(8))->Idx(), RealRow(8));
    // Two rows removed above a hidden row lower it by two.
    rows.ShiftForRemovedRows(DispRow(-1), 2);  // displayed -1 does not exist: only row 0 goes
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{0, 2, 7}));
    rows.ShiftForRemovedRows(DispRow(5), 0);
    rows.ShiftForRemovedRows(DispRow(50), 3);
    EXPECT_EQ(HiddenIdx(rows), (std::vector<Integer>{0, 2, 7}));
}

TEST(HiddenRows, ItemsOutsideTheCollectionRaise)
{
    THiddenRows rows;
    rows.HideRows(RealRow(1), RealRow(1));
    EXPECT_EQ(rows.Items(0).Idx(), RealRow(1));
    EXPECT_THROW(rows.Items(1), EListError);
    EXPECT_THROW(rows.Items(-1), EListError);
    EXPECT_EQ(rows.Find(RealRow(2)), nullptr);
}

// An item owns its cells' properties while the row is hidden; the sanitizer's leak check and
// double-free detection watch every path below.
TEST(GridItem, OwnsItsCellsPropertiesUntilHandedBack)
{
    THiddenRows rows;
    TGridItem& item = *rows.HideRows(RealRow(2), RealRow(2)).at(0).Item;
    auto props = std::make_unique<TCellProperties>(nullptr, 3, 2);
    TCellProperties* raw = props.get();
    TObject userObject;
    raw->CellObject = &userObject;  // a reference the grid never frees
    item.Items.SetStrings(3, u"r2:c3");
    item.Items.SetObjects(3, std::move(props));
    item.Items.SetObjects(1, std::make_unique<TCellProperties>(nullptr, 1, 2));
    item.Items.SetObjects(1, std::make_unique<TCellProperties>(nullptr, 1, 2));  // frees the first
    item.Height = 30;
    EXPECT_EQ(item.Items.Count(), 4);
    EXPECT_EQ(item.Items.Strings(0), u"");
    EXPECT_EQ(item.Items.Strings(3), u"r2:c3");
    EXPECT_EQ(item.Items.Strings(9), u"");
    EXPECT_EQ(item.Items.Strings(-1), u"");
    EXPECT_EQ(item.Items.Objects(9), nullptr);
    EXPECT_EQ(item.Items.Objects(-1), nullptr);
    EXPECT_THROW(item.Items.SetStrings(-1, u"x"), EListError);

    TShownRow shown = rows.UnHideRow(RealRow(2));
    ASSERT_NE(shown.Item, nullptr);
    EXPECT_EQ(shown.Item->Height, 30);
    EXPECT_EQ(shown.Item->Items.ExtractString(3), u"r2:c3");
    EXPECT_EQ(shown.Item->Items.Strings(3), u"");
    std::unique_ptr<TCellProperties> back = shown.Item->Items.ExtractObject(3);
    EXPECT_EQ(back.get(), raw) << "the same object, never a copy";
    EXPECT_EQ(back->CellObject, &userObject);
    EXPECT_EQ(shown.Item->Items.Objects(3), nullptr);
    EXPECT_EQ(shown.Item->Items.ExtractObject(7), nullptr);
    shown.Item->Items.SetCount(1);  // frees the properties of column 1
    EXPECT_EQ(shown.Item->Items.Count(), 1);
}

TEST(GridItem, ItemsStillHiddenAreFreedWithTheCollection)
{
    auto rows = std::make_unique<THiddenRows>();
    for (const auto& h : rows->HideRowList(Displayed({0, 3, 4}))) {
        for (Integer c = 0; c < 3; ++c) h.Item->Items.SetObjects(c, std::make_unique<TCellProperties>(nullptr, c, 0));
    }
    rows->HideRows(RealRow(1), RealRow(1))
        .at(0)
        .Item->Items.SetObjects(0, std::make_unique<TCellProperties>(nullptr, 0, 1));
    rows.reset();
}

// ---- Random sequences against a plain model ----------------------------------------------

// The rows of a grid as the grid will keep them: the shown rows in a display list (one label per
// row), the hidden ones in the collection's items. Each call's answers are applied as the grid
// will apply them, and the result is checked against a model that keeps every row in real order
// with how it is hidden.
class TRowModel {
public:
    explicit TRowModel(Integer Rows)
    {
        for (Integer r = 0; r < Rows; ++r) AddLabel(m_display.end());
        m_real = m_display;
        m_kind.assign(m_real.size(), kShown);
    }

    void HideRows(Integer From, Integer To)
    {
        for (Integer r = std::max(From, 0); r <= To && r < Total(); ++r)
            if (m_kind[Ix(r)] == kShown) m_kind[Ix(r)] = kByIndex;
        ApplyHidden(m_hidden.HideRows(RealRow(From), RealRow(std::min(To, Total() - 1))));
    }
    void HideRowList(const std::vector<DispRow>& Rows)
    {
        std::vector<Integer> real;
        for (const DispRow d : Rows) real.push_back(RealOf(d.Value()));
        for (const Integer r : real) m_kind[Ix(r)] = m_level + 1;
        ++m_level;
        ApplyHidden(m_hidden.HideRowList(Rows));
    }
    void UnHideRows(Integer From, Integer To)
    {
        if (From >= 0 && From < Total() && m_kind[Ix(From)] != kShown)
            for (Integer r = From; r <= To && r < Total(); ++r) m_kind[Ix(r)] = kShown;
        ApplyShown(m_hidden.UnHideRows(RealRow(From), RealRow(To)));
    }
    void UnHideRowList()
    {
        for (auto& k : m_kind)
            if (k == m_level) k = kShown;
        ApplyShown(m_hidden.UnHideRowList());
    }
    void RemoveLastFilter()
    {
        UnHideRowList();
        if (m_level > 0) --m_level;
        m_hidden.LowerFilterLevel();
    }
    void UnHideRowsAll()
    {
        for (auto& k : m_kind)
            if (k == kByIndex) k = kShown;
        ApplyShown(m_hidden.UnHideRowsAll());
    }
    // New rows at displayed row At, placed in real order just before the row shown there.
    void InsertRows(Integer At, Integer Count)
    {
        const Integer real = m_hidden.RealRowIndex(DispRow(At)).Value();
        ASSERT_EQ(real, At == static_cast<Integer>(m_display.size()) ? Total() : RealOf(At));
        for (Integer i = 0; i < Count; ++i) {
            AddLabel(m_display.begin() + At + i);
            m_real.insert(m_real.begin() + real + i, m_display[static_cast<size_t>(At + i)]);
            m_kind.insert(m_kind.begin() + real + i, kShown);
        }
        m_hidden.ShiftForInsertedRows(RealRow(real), Count);
    }
    void RemoveRows(Integer From, Integer Count)
    {
        Count = std::min(Count, static_cast<Integer>(m_display.size()) - From);
        for (Integer i = Count - 1; i >= 0; --i) {
            const Integer real = RealOf(From + i);
            m_real.erase(m_real.begin() + real);
            m_kind.erase(m_kind.begin() + real);
        }
        m_display.erase(m_display.begin() + From, m_display.begin() + From + Count);
        m_hidden.ShiftForRemovedRows(DispRow(From), Count);
    }

    // Every row in its real place, shown or held, with the kind it was hidden by; the mapping
    // against the model both ways.
    void Check() const
    {
        const Integer rowCount = static_cast<Integer>(m_display.size());
        ASSERT_EQ(rowCount + m_hidden.Count(), Total());
        ASSERT_EQ(m_hidden.FilterLevel(), m_level);
        Integer shown = 0;
        for (Integer r = 0; r < Total(); ++r) {
            const TGridItem* item = m_hidden.Find(RealRow(r));
            ASSERT_EQ(item != nullptr, m_kind[Ix(r)] != kShown) << r;
            ASSERT_EQ(m_hidden.IsHiddenRow(RealRow(r)), item != nullptr);
            ASSERT_EQ(m_hidden.DisplRowIndex(RealRow(r)), DispRow(shown)) << r;
            if (item) {
                ASSERT_EQ(item->Idx(), RealRow(r));
                ASSERT_EQ(item->Items.Strings(0), m_real[Ix(r)]) << r;
                ASSERT_EQ(item->Kind() == THiddenRowKind::ByIndex, m_kind[Ix(r)] == kByIndex);
                if (item->Kind() == THiddenRowKind::ByFilter) {
                    ASSERT_EQ(item->Level(), m_kind[Ix(r)] - 1);
                }
            } else {
                ASSERT_EQ(m_display[static_cast<size_t>(shown)], m_real[Ix(r)]) << r;
                ++shown;
            }
        }
        // Displayed to real and back, increasing, never onto a hidden row; -1 stays -1.
        RealRow previous(-1);
        for (Integer d = -2; d <= rowCount; ++d) {
            const RealRow real = m_hidden.RealRowIndex(DispRow(d));
            if (d < 0) {
                ASSERT_EQ(real, RealRow(d));
                ASSERT_EQ(m_hidden.DisplRowIndex(RealRow(d)), DispRow(d));
                ASSERT_FALSE(m_hidden.IsHiddenRow(RealRow(d)));
                continue;
            }
            ASSERT_GT(real, previous);
            ASSERT_FALSE(m_hidden.IsHiddenRow(real));
            ASSERT_EQ(m_hidden.DisplRowIndex(real), DispRow(d));
            previous = real;
        }
        ASSERT_EQ(m_hidden.RealRowIndex(DispRow(rowCount)), RealRow(Total()));
    }

    Integer Total() const { return static_cast<Integer>(m_real.size()); }
    Integer RowCount() const { return static_cast<Integer>(m_display.size()); }
    Integer Level() const { return m_level; }

private:
    static constexpr Integer kShown = 0;
    static constexpr Integer kByIndex = -1;  // else filter level + 1

    static size_t Ix(Integer I) { return static_cast<size_t>(I); }
    void AddLabel(std::vector<String>::iterator At) { m_display.insert(At, u"row " + IntToStr(m_next++)); }
    Integer RealOf(Integer Displayed) const
    {
        Integer shown = -1;
        for (Integer r = 0; r < Total(); ++r)
            if (m_kind[Ix(r)] == kShown && ++shown == Displayed) return r;
        return -1;
    }
    void ApplyHidden(const std::vector<THiddenRow>& Hidden)
    {
        for (const auto& h : Hidden) h.Item->Items.SetStrings(0, m_display[static_cast<size_t>(h.Shown.Value())]);
        for (auto it = Hidden.rbegin(); it != Hidden.rend(); ++it)
            m_display.erase(m_display.begin() + it->Shown.Value());
    }
    void ApplyShown(const std::vector<TShownRow>& Shown)
    {
        for (const auto& s : Shown) m_display.insert(m_display.begin() + s.Shown.Value(), s.Item->Items.Strings(0));
    }

    THiddenRows m_hidden;
    std::vector<String> m_display;  // shown rows in display order
    std::vector<String> m_real;  // every row in real order
    std::vector<Integer> m_kind;  // per real row
    Integer m_level = 0;
    Integer m_next = 0;
};

TEST(HiddenRows, RandomSequencesKeepEveryRowInItsRealPlace)
{
    std::mt19937 random(2024);
    auto pick = [&](Integer lo, Integer hi) { return std::uniform_int_distribution<Integer>(lo, hi)(random); };
    for (int round = 0; round < 150; ++round) {
        TRowModel model(pick(0, 40));
        for (int step = 0; step < 40; ++step) {
            const Integer rows = model.RowCount(), total = model.Total();
            switch (pick(0, 8)) {
            case 0:
            case 1: {
                const Integer from = pick(-2, total + 1);
                model.HideRows(from, from + pick(0, 6));
                break;
            }
            case 2: {
                std::vector<DispRow> list;
                for (Integer d = 0; d < rows; ++d)
                    if (pick(0, 3) == 0) list.emplace_back(d);
                model.HideRowList(list);
                break;
            }
            case 3: {
                const Integer from = pick(-1, total);
                model.UnHideRows(from, from + pick(0, 8));
                break;
            }
            case 4: model.UnHideRowList(); break;
            case 5: model.RemoveLastFilter(); break;
            case 6: model.UnHideRowsAll(); break;
            case 7: model.InsertRows(pick(0, rows), pick(1, 3)); break;
            case 8:
                if (rows > 0) model.RemoveRows(pick(0, rows - 1), pick(1, 3));
                break;
            }
            model.Check();
            if (::testing::Test::HasFatalFailure()) {
                ADD_FAILURE() << "round " << round << " step " << step;
                return;
            }
        }
    }
}

}  // namespace
}  // namespace gw
