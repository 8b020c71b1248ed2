// The scroll bars' arithmetic: thumb positions and hints, the proportional bars, sizing edges,
// the stretch column and the scaling of all columns with one.
#include "grid/model/scroll_arithmetic.h"

#include "platform/runtime/exceptions.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

TEST(ScrollArithmetic, ThumbPositionsGiveTheFirstScrollingItemAndItsHint)
{
    struct Case {
        Integer Position, Count, Visible, Fixed, Index;
    };
    const Case cases[] = {
        {127, 1000, 20, 1, 980},  // the end: MulDiv(127, 979, 127) + 1
        {0, 1000, 20, 1, 1},  // the start is the first scrolling row, not row 0
        {64, 1000, 20, 1, 494},  // 64 * 979 / 127 = 493.35, rounded down
        {65, 1000, 20, 1, 502},  // 65 * 979 / 127 = 501.06
        {100, 30, 10, 2, 16},  // 100 * 18 / 127 = 14.17
        {1, 256, 0, 0, 2},  // 256 / 127 = 2.016
        {127, 10, 10, 0, 0},  // nothing hidden
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollPositionToIndex(c.Position, c.Count, c.Visible, c.Fixed), c.Index)
            << c.Position << " of " << c.Count;
    EXPECT_EQ(ScrollHintText(TScrollAxis::Vertical, ScrollPositionToIndex(127, 1000, 20, 1)), u"Row : 980");
    EXPECT_EQ(ScrollHintText(TScrollAxis::Horizontal, 7), u"Col : 7");
}

// An axis of Count items of Size pixels with the exceptions given, answering Start without a loop
// and counting how often it was asked.
struct FakeAxis {
    Integer Size = 20;
    std::vector<std::pair<Integer, Integer>> Exceptions;  // index, size; sorted
    mutable int Calls = 0;

    Int64 Start(Integer Index) const
    {
        ++Calls;
        Int64 start = Int64(Index) * Size;
        for (const auto& [i, size] : Exceptions)
            if (i < Index) start += size - Size;
        return start;
    }
    TScrollAxisExtent Extent(Integer Count, Integer Fixed, Integer First, Integer Line = 1) const
    {
        return {.Start = [this](Integer i) { return Start(i); },
                .Count = Count,
                .FixedCount = Fixed,
                .FirstScrolling = First,
                .LineWidth = Line};
    }
};

TEST(ScrollArithmetic, SumsComeFromThreeOffsetsWithOneLinePerItem)
{
    // A million rows: the sums are three lookups, whatever the count.
    const FakeAxis rows;
    const TScrollSums big = ScrollSums(rows.Extent(1'000'000, 1, 501));
    EXPECT_EQ(rows.Calls, 3);
    EXPECT_EQ(big.Fixed, 1 + 21);
    EXPECT_EQ(big.Scrolling, 1 + Int64(999'999) * 21);
    EXPECT_EQ(big.Before, 1 + 500 * 21);
    EXPECT_EQ(big.Total, Int64(20'000'000));

    // Exceptions on both sides of the first shown item and in the fixed part; lines 2 wide.
    const FakeAxis cols{.Size = 64, .Exceptions = {{0, 30}, {2, 100}, {5, 10}}};
    const TScrollSums s = ScrollSums(cols.Extent(8, 1, 4, 2));
    EXPECT_EQ(s.Fixed, 2 + 30 + 2);
    EXPECT_EQ(s.Scrolling, 2 + (64 + 100 + 64 + 64 + 10 + 64 + 64) + 7 * 2);
    EXPECT_EQ(s.Before, 2 + (64 + 100 + 64) + 3 * 2);
    EXPECT_EQ(s.Total, 30 + 64 + 100 + 64 + 64 + 10 + 64 + 64);
}

TEST(ScrollArithmetic, ProportionalBarsOfBothAxes)
{
    const auto sums = [](Int64 Fixed, Int64 Scrolling, Int64 Before) {
        return TScrollSums{.Fixed = Fixed, .Scrolling = Scrolling, .Before = Before, .Total = Fixed + Scrolling};
    };
    using Bar = std::optional<TProportionalBar>;
    struct Case {
        const char* What;
        TScrollSums Sums;
        Integer Extent;
        Bar Horz, Vert;
    };
    // Ten columns of 64 with one fixed and the left column 3: b 66, c 586, d 131.
    const TScrollSums cols = sums(66, 586, 131);
    // A thousand rows of 20 with one fixed: b 22, c 20980; top rows 1 and 501.
    const TScrollSums rowsTop = sums(22, 20980, 1), rowsMid = sums(22, 20980, 10501);
    // Five rows of 20 with one fixed: b 22, c 85.
    const TScrollSums few = sums(22, 85, 0);
    const Case cases[] = {
        {"a third shown", cols, 300, TProportionalBar{212, 86, 58}, TProportionalBar{212, 86, 58}},
        {"at the top", rowsTop, 400, TProportionalBar{129, 3, 0}, TProportionalBar{129, 3, 0}},
        {"half way", rowsMid, 400, TProportionalBar{129, 3, 65}, TProportionalBar{129, 3, 65}},
        // Client wider than the scrolling part: the horizontal bar keeps its position (9), the
        // vertical one goes to the end.
        {"5 hidden", cols, 647, TProportionalBar{15000, 14874, 9}, TProportionalBar{15000, 14874, 127}},
        // Less than 5 pixels hidden: only the vertical bar is set.
        {"4 hidden", cols, 648, std::nullopt, TProportionalBar{18751, 18625, 127}},
        {"1 hidden", few, 106, std::nullopt, TProportionalBar{10879, 10753, 127}},
        {"all but a hair shown", sums(0, 100000, 0), 99995, std::nullopt, std::nullopt},
        {"nothing scrolls", sums(50, 0, 0), 300, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HorzProportionalBar(c.Sums, c.Extent, 9), c.Horz) << c.What;
        EXPECT_EQ(VertProportionalBar(c.Sums, c.Extent), c.Vert) << c.What;
    }
}

TEST(ScrollArithmetic, HorizontalBarAfterAProportionalUpdate)
{
    const TScrollSums s{.Total = 500};
    EXPECT_TRUE(ShowsHorzBarAfterProportional(s, 500, true, false));  // columns exactly as wide
    EXPECT_FALSE(ShowsHorzBarAfterProportional(s, 501, true, false));  // narrower than the client
    EXPECT_FALSE(ShowsHorzBarAfterProportional(s, 300, false, false));  // the grid has no such bar
    EXPECT_TRUE(ShowsHorzBarAfterProportional(s, 900, false, true));  // shown always
}

TEST(ScrollArithmetic, SizingEdges)
{
    // The top-left fixed cell (0,0)-(64,24) and a data cell (128,48)-(192,72); one fixed row and
    // column; both sizings on unless a case says otherwise.
    const TSizingEdgeProbe corner{.Col = 0,
                                  .Row = 0,
                                  .CellRight = 64,
                                  .CellBottom = 24,
                                  .FixedCols = 1,
                                  .FixedRows = 1,
                                  .ColSizing = true,
                                  .RowSizing = true};
    const auto at = [](TSizingEdgeProbe p, Integer X, Integer Y) {
        p.X = X;
        p.Y = Y;
        return p;
    };
    const auto cell = [&](Integer Col, Integer Row) {
        TSizingEdgeProbe p = corner;
        p.Col = Col;
        p.Row = Row;
        p.CellLeft = Col * 64;
        p.CellRight = p.CellLeft + 64;
        p.CellTop = Row * 24;
        p.CellBottom = p.CellTop + 24;
        return p;
    };
    TSizingEdgeProbe noColSizing = corner, noRowSizing = corner;
    noColSizing.ColSizing = false;
    noRowSizing.RowSizing = false;
    struct Case {
        const char* What;
        TSizingEdgeProbe Probe;
        bool Edge;
    };
    const Case cases[] = {
        {"column edge, far from the row edges", at(corner, 61, 12), true},
        {"4 pixels from the column edge", at(corner, 60, 12), false},
        {"3 right of the left edge", at(corner, 3, 12), true},
        {"row edge", at(corner, 30, 21), true},
        {"near the top", at(corner, 30, 3), true},
        {"column edge without column sizing", at(noColSizing, 62, 12), false},
        {"row edge without row sizing", at(noRowSizing, 30, 22), false},
        {"the row at FixedRows still sizes columns", at(cell(2, 1), 190, 36), true},
        {"a data row below it does not", at(cell(2, 2), 190, 60), false},
        {"the column at FixedCols sizes rows", at(cell(1, 3), 100, 94), true},
        {"a data column right of it does not", at(cell(2, 3), 160, 94), false},
        {"outside the cells", at(cell(-1, 0), 1, 1), false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsOnSizingEdge(c.Probe), c.Edge) << c.What;
}

TEST(ScrollArithmetic, StretchColumnIndex)
{
    EXPECT_EQ(StretchColumnIndex(-1, 5), 4);
    EXPECT_EQ(StretchColumnIndex(0, 5), 0);
    EXPECT_EQ(StretchColumnIndex(4, 5), 4);
    EXPECT_EQ(StretchColumnIndex(-1, 0), -1);  // no columns: the stretch then does nothing
    for (const auto& [index, count] : {std::pair{5, 5}, {-2, 5}, {0, 0}, {INT32_MIN, 3}}) {
        try {
            StretchColumnIndex(index, count);
            ADD_FAILURE() << index << " of " << count << " did not raise";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), u"Stretch column index out of range");
        }
    }
}

TEST(ScrollArithmetic, StretchedWidth)
{
    struct Case {
        const char* What;
        TStretchInput In;
        std::optional<Integer> Width;
    };
    const Case cases[] = {
        {"4 x 50 in 300", {.ColCount = 4, .ColumnWidth = 50, .TotalWidth = 200, .ClientWidth = 300}, 149},
        {"one column takes the client",
         {.ColCount = 1, .ColumnWidth = 500, .TotalWidth = 500, .ClientWidth = 300},
         300},
        {"the others fill the client",
         {.ColCount = 3, .ColumnWidth = 10, .TotalWidth = 310, .ClientWidth = 300, .DefaultColWidth = 70},
         70},
        {"one pixel left", {.ColCount = 3, .ColumnWidth = 10, .TotalWidth = 309, .ClientWidth = 300}, 0},
        {"filled and scrolled",
         {.ColCount = 3, .ColumnWidth = 10, .TotalWidth = 400, .ClientWidth = 300, .NotScrolled = false},
         std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(StretchedWidth(c.In), c.Width) << c.What;
}

TEST(ScrollArithmetic, ResizingOneColumnScalesTheOthers)
{
    // Column 1 went from 40 to 50 (x 1.25); column 0 is fixed. 10 -> 12.5 and 14 -> 17.5 round
    // to even.
    EXPECT_EQ(ScaleWithResized({30, 50, 100, 10, 14}, 1, 1, 40), (std::vector<Integer>{30, 50, 125, 12, 18}));
    // Shrinking: 64 -> 32 halves the others.
    EXPECT_EQ(ScaleWithResized({20, 64, 64, 33}, 1, 2, 64 * 2), (std::vector<Integer>{20, 32, 64, 16}));
    // No size before: nothing changes.
    EXPECT_EQ(ScaleWithResized({20, 64, 64}, 1, 2, 0), (std::vector<Integer>{20, 64, 64}));
}

}  // namespace
}  // namespace gw
