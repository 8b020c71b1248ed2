// Highlighting a grid's cells and removing it again, against the bare mark-up operations.
//
// 100,000 cell texts of a gateway table, 1 % holding the search text. BM_CellMarksOverMarkup
// runs, in every iteration, the bare HighlightInMarkup and RemoveMarkupHighlight over every text
// (nothing written), then the cell walk: each text read, marked, written back only when it
// gained a tag pair, then each read and written back only when its tag was removed. It reports
// the ratio of their thread CPU times.
#include "bench/highlight_texts.h"
#include "grid/foundation/markup_text.h"
#include "grid/model/cell_highlight.h"
#include "platform/runtime/unicode.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

namespace {

using namespace gw;

using bench::CellTexts;
using bench::kCells;
using bench::kSearch;

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

size_t BareMarkup(const std::vector<String>& Texts)
{
    size_t length = 0;
    for (const String& text : Texts) {
        const String marked = HighlightInMarkup(text, kSearch, u"hi", false);
        length += RemoveMarkupHighlight(marked, u"hi").size();
    }
    return length;
}

// What the grid's walks do per cell: read the text, write it back only when it changed.
size_t CellWalk(std::vector<String>& Cells)
{
    size_t written = 0;
    const TCellMarker marker(TCellMark::Highlight, kSearch, false);
    for (String& cell : Cells) {
        String text = cell;
        if (marker.Apply(text)) {
            cell = std::move(text);
            ++written;
        }
    }
    for (String& cell : Cells) {
        String text = cell;
        if (RemoveCellMark(text, TCellMark::Highlight)) {
            cell = std::move(text);
            ++written;
        }
    }
    return written;
}

void BM_BareMarkup(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(BareMarkup(CellTexts()));
}
BENCHMARK(BM_BareMarkup)->Unit(benchmark::kMillisecond);

void BM_CellWalk(benchmark::State& state)
{
    std::vector<String> cells = CellTexts();
    for (auto _ : state) benchmark::DoNotOptimize(CellWalk(cells));
    if (cells != CellTexts()) state.SkipWithError("a cell text did not come back");
}
BENCHMARK(BM_CellWalk)->Unit(benchmark::kMillisecond);

void BM_CellMarksOverMarkup(benchmark::State& state)
{
    std::vector<String> cells = CellTexts();
    double bare = 0, walk = 0;
    size_t written = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        benchmark::DoNotOptimize(BareMarkup(CellTexts()));
        const double middle = ThreadSeconds();
        written = CellWalk(cells);
        const double end = ThreadSeconds();
        bare += middle - start;
        walk += end - middle;
    }
    if (cells != CellTexts()) state.SkipWithError("a cell text did not come back");
    state.counters["bare_ms"] = 1e3 * bare / double(state.iterations());
    state.counters["walk_ms"] = 1e3 * walk / double(state.iterations());
    state.counters["written"] = double(written);
    state.counters["ratio"] = walk / bare;
}
BENCHMARK(BM_CellMarksOverMarkup)->Unit(benchmark::kMillisecond);

}  // namespace
