// Sorting a TStringList of 100,000 strings against std::sort of the same std::u16strings.
#include "platform/runtime/string_list.h"
#include "platform/runtime/strings.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

// Identifiers and labels of the kind the configurator's tables hold, in a fixed random order.
std::vector<gw::String> Words()
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> length(4, 16);
    std::uniform_int_distribution<int> letter(0, 51);
    std::vector<gw::String> words(100000);
    for (auto& w : words) {
        const int n = length(random);
        for (int i = 0; i < n; ++i) {
            const int l = letter(random);
            w.push_back(static_cast<char16_t>(l < 26 ? u'a' + l : u'A' + (l - 26)));
        }
    }
    return words;
}

const std::vector<gw::String>& Data()
{
    static const std::vector<gw::String> words = Words();
    return words;
}

void BM_TStringListSort(benchmark::State& state)
{
    const bool caseSensitive = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        gw::TStringList list;
        list.SetCaseSensitive(caseSensitive);
        list.BeginUpdate();
        for (const auto& w : Data()) list.Add(w);
        list.EndUpdate();
        state.ResumeTiming();
        list.Sort();
        benchmark::DoNotOptimize(list.Get(0));
    }
}
BENCHMARK(BM_TStringListSort)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same order rule as the list (the runtime's comparison), only without the list around it.
void BM_StdSortAnsiCompareText(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<gw::String> words = Data();
        state.ResumeTiming();
        std::sort(words.begin(), words.end(),
                  [](const gw::String& a, const gw::String& b) { return gw::AnsiCompareText(a, b) < 0; });
        benchmark::DoNotOptimize(words.front());
    }
}
BENCHMARK(BM_StdSortAnsiCompareText)->Unit(benchmark::kMillisecond);

// Plain code-unit order: the floor any list sort is measured against.
void BM_StdSortPlain(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<gw::String> words = Data();
        state.ResumeTiming();
        std::sort(words.begin(), words.end());
        benchmark::DoNotOptimize(words.front());
    }
}
BENCHMARK(BM_StdSortPlain)->Unit(benchmark::kMillisecond);

}  // namespace
