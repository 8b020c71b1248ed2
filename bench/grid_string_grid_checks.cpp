// The string grid's check-box and highlight walks over 100,000 rows, each beside its floor in the
// same run.
//
// BM_CheckAllOverWrites: CheckAll on a column of data check boxes all holding "N", against
// writing "Y" into the same cells with SetCellEx (the boxes' properties make both take the same
// write path). BM_HilightOverMarkup: HilightInGrid then UnHilightInGrid over the gateway texts
// (1 % hits) in one column, against the bare HighlightInMarkup and RemoveMarkupHighlight over the
// same texts, nothing written. Each reports the ratio of the thread CPU times (goal: under 2).
#include "bench/highlight_texts.h"
#include "grid/foundation/markup_text.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

using namespace gw;

constexpr Integer kRows = 100000;

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

std::unique_ptr<TExtStringGrid> MakeGrid()
{
    auto g = std::make_unique<TExtStringGrid>(nullptr);
    g->SetColCount(2);
    g->SetRowCount(kRows + 1);
    return g;
}

void SetAll(TExtStringGrid& G, const char16_t* Text)
{
    for (Integer r = 1; r <= kRows; ++r) G.SetGridCell(1, r, Text);
}

void BM_CheckAllOverWrites(benchmark::State& state)
{
    THarness h;
    auto g = MakeGrid();
    for (Integer r = 1; r <= kRows; ++r) g->AddCheckBox(1, r, false, true);
    double check = 0, write = 0;
    for (auto _ : state) {
        SetAll(*g, u"N");
        const double start = ThreadSeconds();
        g->CheckAll(1);
        const double middle = ThreadSeconds();
        SetAll(*g, u"N");
        const double again = ThreadSeconds();
        for (Integer r = 1; r <= kRows; ++r) g->SetCellEx(1, r, u"Y");
        const double end = ThreadSeconds();
        check += middle - start;
        write += end - again;
    }
    if (!g->IsChecked(1, kRows)) state.SkipWithError("CheckAll left a box unchecked");
    state.counters["check_ms"] = 1e3 * check / double(state.iterations());
    state.counters["write_ms"] = 1e3 * write / double(state.iterations());
    state.counters["ratio"] = check / write;
}
BENCHMARK(BM_CheckAllOverWrites)->Unit(benchmark::kMillisecond);

size_t BareMarkup(const std::vector<String>& Texts)
{
    size_t length = 0;
    for (const String& text : Texts) {
        const String marked = HighlightInMarkup(text, bench::kSearch, u"hi", false);
        length += RemoveMarkupHighlight(marked, u"hi").size();
    }
    return length;
}

void BM_HilightOverMarkup(benchmark::State& state)
{
    THarness h;
    auto g = MakeGrid();
    const std::vector<String>& texts = bench::CellTexts();
    for (Integer r = 1; r <= kRows; ++r) g->SetGridCell(1, r, texts[size_t(r - 1)]);
    double bare = 0, walk = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        benchmark::DoNotOptimize(BareMarkup(texts));
        const double middle = ThreadSeconds();
        g->HilightInGrid(false, bench::kSearch);
        g->UnHilightInGrid();
        const double end = ThreadSeconds();
        bare += middle - start;
        walk += end - middle;
    }
    for (Integer r = 1; r <= kRows; ++r)
        if (g->GetGridCell(1, r) != texts[size_t(r - 1)]) {
            state.SkipWithError("a cell text did not come back");
            break;
        }
    state.counters["bare_ms"] = 1e3 * bare / double(state.iterations());
    state.counters["walk_ms"] = 1e3 * walk / double(state.iterations());
    state.counters["ratio"] = walk / bare;
}
BENCHMARK(BM_HilightOverMarkup)->Unit(benchmark::kMillisecond);

}  // namespace
