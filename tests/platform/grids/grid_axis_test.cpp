// The grid's axis: sizes as a default plus exceptions, starts and hit tests that agree with a
// plain sum at every pixel, counts that drop sizes, moves that carry them.
#include "platform/grids/grid_axis.h"

#include <gtest/gtest.h>

#include <vector>

namespace gw::test {
namespace {

// The reference: every item's extent summed one by one.
std::vector<int64_t> PlainStarts(const TGridAxis& A)
{
    std::vector<int64_t> starts{0};
    for (Integer i = 0; i < A.Count(); ++i) starts.push_back(starts.back() + A.Size(i) + A.LineWidth());
    return starts;
}

TGridAxis MakeAxis(Integer Count, Integer Default, Integer Line,
                   std::initializer_list<std::pair<Integer, Integer>> Sizes)
{
    TGridAxis a;
    a.SetCount(Count);
    a.SetDefaultSize(Default);
    a.SetLineWidth(Line);
    for (auto [i, s] : Sizes) a.SetSize(i, s);
    return a;
}

TEST(GridAxis, StartsAndHitTestsAgreeWithAPlainSumAtEveryPixel)
{
    struct Case {
        const char* What;
        TGridAxis Axis;
    };
    const Case cases[] = {
        {"defaults only", MakeAxis(7, 24, 1, {})},
        {"exceptions first, last, side by side", MakeAxis(9, 20, 1, {{0, 5}, {3, 40}, {4, 2}, {8, 33}})},
        {"zero sizes and no grid lines", MakeAxis(8, 10, 0, {{1, 0}, {2, 0}, {6, 30}})},
        {"zero default with wide lines", MakeAxis(6, 0, 3, {{2, 12}})},
        {"zero default, no lines, one item", MakeAxis(5, 0, 0, {{3, 7}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const TGridAxis& a = c.Axis;
        const std::vector<int64_t> starts = PlainStarts(a);
        for (Integer i = 0; i <= a.Count(); ++i) EXPECT_EQ(a.Start(i), starts[std::size_t(i)]) << "start of " << i;
        EXPECT_EQ(a.IndexAt(-1), -1);
        EXPECT_EQ(a.IndexAt(starts.back()), a.Count()) << "past the last item";
        for (int64_t p = 0; p < starts.back(); ++p) {
            Integer expected = 0;
            while (starts[std::size_t(expected) + 1] <= p) ++expected;
            ASSERT_EQ(a.IndexAt(p), expected) << "pixel " << p;
        }
    }
}

TEST(GridAxis, SettingTheDefaultSizeDropsTheExceptionsAndCountsDropThoseBeyond)
{
    TGridAxis a = MakeAxis(10, 20, 1, {{2, 50}, {8, 70}});
    EXPECT_TRUE(a.HasExceptions());
    a.SetSize(2, 20);  // back to the default: no longer an exception
    a.SetCount(5);
    EXPECT_FALSE(a.HasExceptions()) << "row 8 left with the count";
    a.SetCount(10);
    EXPECT_EQ(a.Size(8), 20) << "a row that comes back has the default";
    a.SetSize(3, 99);
    a.SetSize(12, 99);  // outside: ignored
    a.SetSize(4, -5);
    EXPECT_EQ(a.Size(4), 0) << "negative sizes are 0";
    a.SetDefaultSize(30);
    EXPECT_EQ(a.Size(3), 30);
    EXPECT_EQ(a.Start(10), 10 * 31);
}

TEST(GridAxis, MovingAnItemCarriesItsSizeAndClosesUpTheOthers)
{
    struct Case {
        Integer From, To;
        std::vector<Integer> Sizes;  // sizes of items 0..5 afterwards
    };
    // Items 1, 3 and 4 have sizes of their own: 11, 33, 44; the rest 10.
    const Case cases[] = {
        {1, 4, {10, 10, 33, 44, 11, 10}},
        {4, 1, {10, 44, 11, 10, 33, 10}},
        {0, 5, {11, 10, 33, 44, 10, 10}},
        {3, 3, {10, 11, 10, 33, 44, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.From << " -> " << c.To);
        TGridAxis a = MakeAxis(6, 10, 1, {{1, 11}, {3, 33}, {4, 44}});
        a.Move(c.From, c.To);
        for (Integer i = 0; i < 6; ++i) EXPECT_EQ(a.Size(i), c.Sizes[std::size_t(i)]) << "item " << i;
        EXPECT_EQ(a.Start(6), PlainStarts(a).back());
    }
}

TEST(GridAxis, TenMillionRowsAnswerWithoutTouchingEachRow)
{
    TGridAxis a = MakeAxis(10'000'000, 24, 1, {{5, 100}, {9'999'998, 3}});
    const int64_t total = int64_t(10'000'000) * 25 + (100 - 24) + (3 - 24);
    EXPECT_EQ(a.Start(10'000'000), total);
    EXPECT_EQ(a.IndexAt(total - 1), 9'999'999);
    EXPECT_EQ(a.IndexAt(a.Start(9'999'998)), 9'999'998);
    EXPECT_EQ(a.IndexAt(a.Start(9'999'998) + 3), 9'999'998) << "its grid line";
    EXPECT_EQ(a.IndexAt(a.Start(9'999'998) + 4), 9'999'999);
    EXPECT_EQ(a.IndexAt(5 * 25 + 100), 5) << "the grid line of the tall row";
    EXPECT_EQ(a.IndexAt(5 * 25 + 101), 6);
    // Positions past 2^31 pixels stay exact.
    TGridAxis tall = MakeAxis(10'000'000, 400, 1, {});
    EXPECT_EQ(tall.Start(9'000'000), int64_t(9'000'000) * 401);
    EXPECT_EQ(tall.IndexAt(int64_t(9'000'000) * 401 + 400), 9'000'000);
}

}  // namespace
}  // namespace gw::test
