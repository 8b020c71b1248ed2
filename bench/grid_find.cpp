// The string grid's Find against a plain loop, over 1,000,000 rows x 10 columns.
//
// The text sought stands only in the last row. BM_FindOverPlainLoop runs, in every iteration, a
// plain loop over the same stored texts in the same order (each read, upper-cased and searched),
// then Find from (-1, -1) row by row. It reports the ratio of their thread CPU times (goal: 1.5).
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/strings.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <string>

namespace {

using namespace gw;

constexpr Integer kRows = 1000000;
constexpr Integer kCols = 10;
const String kSought = u"needle";

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

std::unique_ptr<TExtStringGrid> MakeGrid()
{
    auto g = std::make_unique<TExtStringGrid>(nullptr);
    g->SetColCount(kCols + 1);
    g->SetRowCount(kRows + 1);
    for (Integer r = 1; r <= kRows; ++r)
        for (Integer c = 1; c <= kCols; ++c)
            g->SetGridCell(c, r, u"Slave " + String(1, char16_t(u'a' + (r + c) % 26)) + u"x");
    g->SetGridCell(kCols, kRows, u"the Needle");
    return g;
}

TPoint PlainLoop(const TExtStringGrid& G)
{
    const String sought = AnsiUpperCase(kSought);
    for (Integer r = 1; r <= kRows; ++r)
        for (Integer c = 1; c <= kCols; ++c)
            if (AnsiUpperCase(G.GetGridCell(c, r)).find(sought) != String::npos) return {c, r};
    return {-1, -1};
}

void BM_FindOverPlainLoop(benchmark::State& state)
{
    THarness h;
    auto g = MakeGrid();
    double plain = 0, find = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        const TPoint a = PlainLoop(*g);
        const double middle = ThreadSeconds();
        const TPoint b = g->Find({-1, -1}, kSought, FindParams(fnDirectionLeftRight));
        const double end = ThreadSeconds();
        if (a != TPoint{kCols, kRows} || b != a) state.SkipWithError("the text was not found in the last row");
        plain += middle - start;
        find += end - middle;
    }
    state.counters["plain_ms"] = 1e3 * plain / double(state.iterations());
    state.counters["find_ms"] = 1e3 * find / double(state.iterations());
    state.counters["ratio"] = find / plain;
}
BENCHMARK(BM_FindOverPlainLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
