// Calls per second of the text conversions every grid cell and table file goes through.
#include "platform/runtime/convert.h"
#include "platform/runtime/format.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace gw;

void BM_StrToInt(benchmark::State& state)
{
    const std::array<String, 4> inputs{u"12345", u"  -2147483648", u"$7FFFFFFF", u"0x1F"};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(StrToInt(inputs[i++ & 3]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StrToInt);

void BM_TryStrToIntRejects(benchmark::State& state)
{
    const String bad = u"12345x";
    Integer v = 0;
    for (auto _ : state) benchmark::DoNotOptimize(TryStrToInt(bad, v));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TryStrToIntRejects);

void BM_FormatIntegers(benchmark::State& state)
{
    Integer row = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Format(u"R%dC%d", {row++, 7}));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatIntegers);

void BM_FormatMixed(benchmark::State& state)
{
    const String name = u"Address";
    double value = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Format(u"%-12s %5d %8.2f %x", {name, 42, value, 255}));
        value += 1.25;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatMixed);

}  // namespace
