// The arithmetic of spreading columns over the control's width, against a transcription in
// Python whose round() takes halves to the even neighbour.
#include "grid/model/auto_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace gw {
namespace {

std::string Show(const std::vector<Integer>& Widths)
{
    std::string text;
    for (const Integer w : Widths) text += std::to_string(w) + " ";
    return text;
}

TEST(AutoFit, WidthsAgainstPythonsRound)
{
    struct Case {
        TAutoFitArgs args;
        std::vector<Integer> widths;  // from Python
    };
    const Case cases[] = {
        {{.Widths = {64, 64, 64}, .Space = 200}, {66, 67, 67}},  // the rest goes to the first widest
        {{.Widths = {1, 3}, .Space = 10}, {2, 8}},  // 2.5 and 7.5: both to even
        {{.Widths = {5, 15}, .Space = 42}, {10, 32}},  // 10.5 and 31.5
        {{.Widths = {25, 25, 50}, .Space = 51}, {13, 13, 25}},  // 12.75, 25.5: one too many, taken back
        {{.Widths = {3, 1}, .Space = 7}, {5, 2}},
        {{.Widths = {50, 30}, .Space = 161}, {101, 60}},
        {{.Widths = {11, 13}, .Space = 50, .Lines = 1}, {22, 28}},
        {{.Widths = {10, 30}, .Space = 100, .ScrollBar = 17, .Border = 4, .Lines = 2}, {19, 60}},
        {{.Widths = {10, 20, 30}, .Space = 100, .Lines = 10}, {18, 33, 49}},  // 10 left: 3 each, 1 more
        {{.Widths = {100, 100, 100}, .Space = 150, .Border = 2, .Lines = 3}, {50, 49, 49}},
        {{.Widths = {10, 20, 30}, .Space = 61, .Lines = 3}, {10, 19, 32}},  // 3 left for 3 columns: not shared
        {{.Widths = {10, 20, 30}, .Space = 66}, {11, 22, 33}},
        {{.Widths = {7}, .Space = 100}, {100}},
        {{.Widths = {80}, .Space = 40, .Lines = 1}, {40}},  // one column: no share of the rest
    };
    for (const Case& c : cases) EXPECT_EQ(AutoFitWidths(c.args), c.widths) << Show(c.args.Widths) << c.args.Space;
}

TEST(AutoFit, NothingToSpreadChangesNothing)
{
    const std::vector<TAutoFitArgs> cases = {
        {.Widths = {64, 64, 64}, .Space = 192},
        {.Widths = {64, 64, 64}, .Space = 213, .ScrollBar = 17, .Border = 4, .Lines = 3},  // fills exactly
        {.Widths = {0, 0}, .Space = 100},
        {.Widths = {}, .Space = 100},
    };
    for (const TAutoFitArgs& args : cases) EXPECT_EQ(AutoFitWidths(args), args.Widths) << Show(args.Widths);
}

}  // namespace
}  // namespace gw
