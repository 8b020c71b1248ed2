// Hidden columns: the conversions between real and displayed columns, kept widths, the 512-column
// rule, and the map following inserted and removed columns.
#include "grid/model/column_visibility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace gw {
namespace {

void HideAll(TColumnVisibility& Map, std::initializer_list<Integer> Cols)
{
    for (const Integer c : Cols) ASSERT_TRUE(Map.Hide(RealCol(c), 10 * c + 1)) << c;
}

TEST(ColumnVisibility, NothingHiddenMapsEveryIndexToItself)
{
    const TColumnVisibility map;
    for (const Integer i : {-1, 0, 5, 511, 512, 100000}) {
        EXPECT_EQ(map.RealColIndex(DispCol(i)), RealCol(i));
        EXPECT_EQ(map.DisplColIndex(RealCol(i)), DispCol(i));
        EXPECT_FALSE(map.IsHiddenColumn(RealCol(i)));
    }
    EXPECT_EQ(map.NumHiddenColumns(), 0);
}

TEST(ColumnVisibility, SixColumnsWithColumnTwoHidden)
{
    TColumnVisibility map;
    ASSERT_TRUE(map.Hide(RealCol(2), 64));
    EXPECT_EQ(map.NumHiddenColumns(), 1);
    EXPECT_TRUE(map.IsHiddenColumn(RealCol(2)));
    EXPECT_EQ(map.RealColIndex(DispCol(2)), RealCol(3));
    EXPECT_EQ(map.DisplColIndex(RealCol(3)), DispCol(2));
    // Displayed 0..4 show real 0, 1, 3, 4, 5; the hidden column answers the next shown place.
    const Integer real[] = {0, 1, 3, 4, 5};
    for (Integer d = 0; d < 5; ++d) EXPECT_EQ(map.RealColIndex(DispCol(d)), RealCol(real[d])) << d;
    const Integer displ[] = {0, 1, 2, 2, 3, 4};
    for (Integer c = 0; c < 6; ++c) EXPECT_EQ(map.DisplColIndex(RealCol(c)), DispCol(displ[c])) << c;
}

// A displayed -1 (no current column) used to become column 0 once a column was hidden.
TEST(ColumnVisibility, NegativeIndexesMapToThemselves)
{
    TColumnVisibility map;
    HideAll(map, {0, 1, 4});
    for (const Integer i : {-1, -2, -512}) {
        EXPECT_EQ(map.RealColIndex(DispCol(i)), RealCol(i)) << i;
        EXPECT_EQ(map.DisplColIndex(RealCol(i)), DispCol(i)) << i;
        EXPECT_FALSE(map.IsHiddenColumn(RealCol(i)));
    }
    EXPECT_FALSE(map.Hide(RealCol(-1), 5));
    EXPECT_EQ(map.NumHiddenColumns(), 3);
}

// Only the first 512 columns can hide, but the conversions stay exact past them: with hidden
// columns, column 512 and beyond are displayed further left (no "unchanged" index and no 0 for a
// displayed column beyond the first 512 real ones, which would reach another column's cells).
TEST(ColumnVisibility, OnlyTheFirst512ColumnsHideAndConversionsStayExactBeyond)
{
    TColumnVisibility map;
    EXPECT_FALSE(map.Hide(RealCol(512), 5));
    EXPECT_FALSE(map.IsHiddenColumn(RealCol(512)));
    HideAll(map, {0, 511});
    EXPECT_TRUE(map.IsHiddenColumn(RealCol(511)));
    struct Case {
        Integer displ, real;
    };
    const Case cases[] = {{0, 1}, {509, 510}, {510, 512}, {511, 513}, {600, 602}};
    for (const auto& c : cases) {
        EXPECT_EQ(map.RealColIndex(DispCol(c.displ)), RealCol(c.real)) << c.displ;
        EXPECT_EQ(map.DisplColIndex(RealCol(c.real)), DispCol(c.displ)) << c.real;
    }
}

TEST(ColumnVisibility, HidingKeepsTheWidthAndShowingGivesItBack)
{
    TColumnVisibility map;
    ASSERT_TRUE(map.Hide(RealCol(1), 200));
    EXPECT_FALSE(map.Hide(RealCol(1), 7)) << "hiding a hidden column changes nothing";
    EXPECT_EQ(map.StoredWidth(RealCol(1)), 200);
    EXPECT_EQ(map.StoredWidth(RealCol(2)), 0);
    ASSERT_TRUE(map.Hide(RealCol(3), 40000)) << "widths beyond 16 bits are kept whole";
    Integer width = -1;
    EXPECT_FALSE(map.Show(RealCol(2), width));
    EXPECT_EQ(width, -1);
    ASSERT_TRUE(map.Show(RealCol(1), width));
    EXPECT_EQ(width, 200);
    ASSERT_TRUE(map.Show(RealCol(3), width));
    EXPECT_EQ(width, 40000);
    EXPECT_EQ(map.NumHiddenColumns(), 0);
    EXPECT_EQ(map.RealColIndex(DispCol(3)), RealCol(3));
}

// Inserting and removing stored columns moves the hidden ones with their cells; a removed hidden
// column leaves the count, so that ColCount + NumHiddenColumns stays the stored column count.
TEST(ColumnVisibility, FollowsInsertedAndRemovedColumns)
{
    TColumnVisibility map;
    HideAll(map, {2, 5, 9});
    map.InsertColumns(RealCol(5), 2);
    EXPECT_FALSE(map.IsHiddenColumn(RealCol(5)));
    EXPECT_TRUE(map.IsHiddenColumn(RealCol(2)));
    EXPECT_TRUE(map.IsHiddenColumn(RealCol(7)));
    EXPECT_TRUE(map.IsHiddenColumn(RealCol(11)));
    EXPECT_EQ(map.StoredWidth(RealCol(7)), 51);
    EXPECT_EQ(map.DisplColIndex(RealCol(12)), DispCol(9));

    EXPECT_EQ(map.RemoveColumns(RealCol(1), 7), 2) << "columns 1..7 held hidden 2 and 7";
    EXPECT_EQ(map.NumHiddenColumns(), 1);
    EXPECT_TRUE(map.IsHiddenColumn(RealCol(4)));
    EXPECT_EQ(map.StoredWidth(RealCol(4)), 91);
    EXPECT_EQ(map.RealColIndex(DispCol(4)), RealCol(5));
    EXPECT_EQ(map.RemoveColumns(RealCol(0), 0), 0);
    map.InsertColumns(RealCol(0), 0);
    EXPECT_TRUE(map.IsHiddenColumn(RealCol(4)));
}

// A hidden column pushed past 511 by inserted columns stays hidden, and can be shown.
TEST(ColumnVisibility, AHiddenColumnMovedPast511StaysHidden)
{
    TColumnVisibility map;
    HideAll(map, {510});
    map.InsertColumns(RealCol(0), 5);
    EXPECT_TRUE(map.IsHiddenColumn(RealCol(515)));
    EXPECT_EQ(map.RealColIndex(DispCol(515)), RealCol(516));
    Integer width = 0;
    EXPECT_TRUE(map.Show(RealCol(515), width));
    EXPECT_EQ(width, 5101);
}

// Against a plain list of shown columns, on random hidden sets.
TEST(ColumnVisibility, RandomHiddenSetsMatchAPlainModel)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const Integer total = std::uniform_int_distribution<Integer>(1, 700)(random);
        std::vector<bool> hidden(static_cast<size_t>(total), false);
        TColumnVisibility map;
        const int steps = std::uniform_int_distribution<int>(0, 60)(random);
        for (int s = 0; s < steps; ++s) {
            const Integer c = std::uniform_int_distribution<Integer>(0, total - 1)(random);
            if (random() % 3 == 0) {
                Integer width = 0;
                EXPECT_EQ(map.Show(RealCol(c), width), static_cast<bool>(hidden[static_cast<size_t>(c)]));
                hidden[static_cast<size_t>(c)] = false;
            } else {
                const bool can = c < 512 && !hidden[static_cast<size_t>(c)];
                EXPECT_EQ(map.Hide(RealCol(c), c), can);
                if (can) hidden[static_cast<size_t>(c)] = true;
            }
        }
        std::vector<Integer> shown;
        for (Integer c = 0; c < total; ++c) {
            EXPECT_EQ(map.IsHiddenColumn(RealCol(c)), static_cast<bool>(hidden[static_cast<size_t>(c)]));
            if (!hidden[static_cast<size_t>(c)]) shown.push_back(c);
        }
        ASSERT_EQ(map.NumHiddenColumns(), total - static_cast<Integer>(shown.size()));
        for (Integer d = 0; d < static_cast<Integer>(shown.size()); ++d) {
            const RealCol real = map.RealColIndex(DispCol(d));
            ASSERT_EQ(real, RealCol(shown[static_cast<size_t>(d)])) << "round " << round << " d " << d;
            ASSERT_EQ(map.DisplColIndex(real), DispCol(d));
        }
        // No current column stays none, whatever is hidden.
        ASSERT_EQ(map.RealColIndex(DispCol(-1)), RealCol(-1));
        ASSERT_EQ(map.DisplColIndex(RealCol(-1)), DispCol(-1));
        // Past the last column the conversion goes on one to one.
        EXPECT_EQ(map.RealColIndex(DispCol(static_cast<Integer>(shown.size()))), RealCol(total));
        for (Integer c = 0; c < total; ++c) {
            const auto before = std::lower_bound(shown.begin(), shown.end(), c) - shown.begin();
            ASSERT_EQ(map.DisplColIndex(RealCol(c)), DispCol(static_cast<Integer>(before)));
        }
    }
}

}  // namespace
}  // namespace gw
