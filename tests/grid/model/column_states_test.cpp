// The column-state text: what a grid's columns write, what a text asks the grid to do, and the
// texts refused before anything changes.
#include "grid/model/column_states.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

using Ints = std::vector<Integer>;

TEST(ColumnStates, Written)
{
    struct Case {
        const char* What;
        TColumnStates States;
        const char16_t* Text;
    };
    const Case cases[] = {
        {"three never moved", {.ColCount = 3, .Widths = {64, 64, 64}}, u"3#64,64,64#0,1,2#1,1,1"},
        {"the middle one hidden: widths padded with the default",
         {.ColCount = 3, .Widths = {64, 64}, .Visible = {true, false, true}},
         u"3#64,64,64#0,1,2#1,0,1"},
        {"own default width", {.ColCount = 3, .Widths = {10}, .DefaultColWidth = 7}, u"3#10,7,7#0,1,2#1,1,1"},
        {"moved", {.ColCount = 3, .Widths = {5, 6, 7}, .ColumnOrder = {2, 0, 1}}, u"3#5,6,7#2,0,1#1,1,1"},
        {"no columns", {.ColCount = 0}, u"0###"},
    };
    for (const Case& c : cases) EXPECT_EQ(ColumnStatesToString(c.States), c.Text) << c.What;
}

TEST(ColumnStates, ReadTexts)
{
    struct Case {
        const char16_t* Text;
        Integer Count;
        Ints MoveOrder, Order, Hidden, Widths;
    };
    const Case cases[] = {
        {u"3#64,64,64#0,1,2#1,1,1", 3, {0, 1, 2}, {0, 1, 2}, {}, {64, 64, 64}},
        // The hidden middle column takes no width: the shown ones get the first two.
        {u"3#64,65,66#0,1,2#1,0,1", 3, {0, 1, 2}, {0, 1, 2}, {1}, {64, 65}},
        // Swapped: position 0 shows the column from position 1; widths by display position.
        {u"2#10,20#1,0#1,1", 2, {1, 0}, {1, 0}, {}, {10, 20}},
        // The move is the inverse of the order.
        {u"4#1,2,3,4#2,0,3,1#1,1,1,1", 4, {1, 3, 0, 2}, {2, 0, 3, 1}, {}, {1, 2, 3, 4}},
        // Hidden columns highest first; the comma rule also splits at blanks.
        {u"4#8 9#0 1 2 3#0 1 1 0", 4, {0, 1, 2, 3}, {0, 1, 2, 3}, {3, 0}, {8, 9}},
        // No order: nothing to move, the order list stays empty.
        {u"2#5,6##1,1", 2, {}, {}, {}, {5, 6}},
        // Items beyond the count are not read; the widths' range ends.
        {u"2#-32768,32767,x#1,0,x#1,1,x", 2, {1, 0}, {1, 0}, {}, {-32768, 32767}},
        {u"0###", 0, {}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        TColumnStatesText read;
        ASSERT_TRUE(ReadColumnStates(c.Text, read)) << StringToUtf8(c.Text);
        EXPECT_EQ(read.ColCount, c.Count) << StringToUtf8(c.Text);
        EXPECT_EQ(read.MoveOrder, c.MoveOrder) << StringToUtf8(c.Text);
        EXPECT_EQ(read.ColumnOrder, c.Order) << StringToUtf8(c.Text);
        EXPECT_EQ(read.Hidden, c.Hidden) << StringToUtf8(c.Text);
        EXPECT_EQ(read.Widths, c.Widths) << StringToUtf8(c.Text);
    }
}

TEST(ColumnStates, ATextWithoutHashChangesNothing)
{
    TColumnStatesText read{.ColCount = 9, .Widths = {1}};
    EXPECT_FALSE(ReadColumnStates(u"abc", read));
    EXPECT_FALSE(ReadColumnStates(u"", read));
    EXPECT_EQ(read.ColCount, 9);
    EXPECT_EQ(read.Widths, Ints{1});
}

TEST(ColumnStates, MalformedTextsAreRefusedBeforeAnythingChanges)
{
    enum Kind { Convert, ListIndex };
    struct Case {
        const char16_t* Text;
        Kind Error;
    };
    const Case cases[] = {
        {u"2000000000#", Convert},  // two billion columns asked for by eleven characters
        {u"2000000000#1,1#0,1#1,1", Convert},
        {u"-1###", Convert},
        {u"3###", Convert},  // three columns cannot fit in two characters
        {u"x#1#0#1", Convert},
        {u"#1#0#1", Convert},
        {u"1##", ListIndex},  // fits the count, but no visibility item
        {u"2#1,1#0,1#1", ListIndex},  // one visibility item for two columns
        {u"3#1,2#0,1,2#1,1,1", ListIndex},  // two widths for three shown columns
        {u"3#1,1,1#0,1#1,1,1", ListIndex},  // the order lacks index 2
        {u"3#1,1,1#0,1,1#1,1,1", ListIndex},  // ... and has 1 twice
        {u"3#1,1,1#2,-1,0#1,1,1", ListIndex},  // a -1 item leaves an index out
        {u"2#1,1#0,x#1,1", Convert},
        {u"2#1,70000#0,1#1,1", Convert},  // beyond the stored widths' range
        {u"2#1,-32769#0,1#1,1", Convert},
        {u"2#1,#0,1#1,1", Convert},  // an empty width
    };
    for (const Case& c : cases) {
        TColumnStatesText read{.ColCount = 9};
        try {
            ReadColumnStates(c.Text, read);
            ADD_FAILURE() << StringToUtf8(c.Text) << " was read";
        } catch (const EConvertError&) {
            EXPECT_EQ(c.Error, Convert) << StringToUtf8(c.Text);
        } catch (const EStringListError& e) {
            EXPECT_EQ(c.Error, ListIndex) << StringToUtf8(c.Text);
            EXPECT_EQ(e.Message().rfind(u"List index out of bounds (", 0), 0u);
        }
        EXPECT_EQ(read.ColCount, 9) << StringToUtf8(c.Text) << " changed the record";
    }
}

TEST(ColumnStates, RoundTripWithHiddenAndMovedColumns)
{
    // Five columns moved to 3,0,4,1,2; real columns 1 and 4 hidden; the three shown have widths.
    const TColumnStates states{.ColCount = 5,
                               .Widths = {30, 40, 50},
                               .DefaultColWidth = 64,
                               .ColumnOrder = {3, 0, 4, 1, 2},
                               .Visible = {true, false, true, true, false}};
    const String text = ColumnStatesToString(states);
    EXPECT_EQ(text, u"5#30,40,50,64,64#3,0,4,1,2#1,0,1,1,0");
    TColumnStatesText read;
    ASSERT_TRUE(ReadColumnStates(text, read));
    EXPECT_EQ(read.MoveOrder, (Ints{1, 3, 4, 0, 2}));
    EXPECT_EQ(read.Hidden, (Ints{4, 1}));

    // What the grid holds after applying it writes the same text again.
    TColumnStates applied{.ColCount = read.ColCount, .Widths = read.Widths, .ColumnOrder = read.ColumnOrder};
    applied.Visible.assign(static_cast<size_t>(read.ColCount), true);
    for (Integer c : read.Hidden) applied.Visible[static_cast<size_t>(c)] = false;
    EXPECT_EQ(ColumnStatesToString(applied), text);
}

TEST(ColumnStates, InverseOrder)
{
    EXPECT_EQ(InverseColumnOrder({2, 0, 1}, 3), (Ints{1, 2, 0}));
    // Indexes from N on are ignored.
    EXPECT_EQ(InverseColumnOrder({5, 0, 1}, 2), (Ints{1, 2}));
    for (const Ints& order : {Ints{0, 2}, Ints{1, 1, 0}, Ints{1, 1, 7, 0}, Ints{-1, 0, 1}})
        EXPECT_THROW(InverseColumnOrder(order, 3), EStringListError) << order.size();
    EXPECT_TRUE(InverseColumnOrder({}, 0).empty());
}

}  // namespace
}  // namespace gw
