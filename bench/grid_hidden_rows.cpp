// Speed of the hidden-row index conversions and of a column's filter drop-down values, each
// beside the plain standard-library work it cannot beat (its floor), in the same run.
//
// Conversions: 100,000 rows, 50,000 of them hidden at random; the floor is one std::lower_bound
// over the hidden rows' indexes per query. Drop-down values: 100,000 distinct texts; the floor
// is copying them and std::stable_sort plus std::unique (code-unit order, and the list's
// collating order).
#include "grid/model/column_filter_values.h"
#include "grid/model/hidden_rows.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/strings.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

using namespace gw;

constexpr Integer kRows = 100000;
constexpr Integer kHidden = 50000;

struct THiddenFixture {
    THiddenRows Rows;
    std::vector<Integer> Idx;  // the hidden rows' real indexes, ascending
    std::vector<Integer> Queries;  // row numbers 0..kRows - 1 in random order
};

const THiddenFixture& Hidden()
{
    static const THiddenFixture* fixture = [] {
        auto* f = new THiddenFixture;
        std::mt19937 random(26);
        std::vector<Integer> all(kRows);
        std::iota(all.begin(), all.end(), 0);
        std::shuffle(all.begin(), all.end(), random);
        f->Idx.assign(all.begin(), all.begin() + kHidden);
        std::sort(f->Idx.begin(), f->Idx.end());
        // With nothing hidden yet, displayed and real rows coincide: one call hides them all.
        std::vector<DispRow> list(f->Idx.begin(), f->Idx.end());
        f->Rows.HideRowList(list);
        std::shuffle(all.begin(), all.end(), random);
        f->Queries = all;
        return f;
    }();
    return *fixture;
}

void BM_Floor_LowerBound(benchmark::State& state)
{
    const auto& f = Hidden();
    for (auto _ : state) {
        Integer sum = 0;
        for (const Integer q : f.Queries)
            sum += static_cast<Integer>(std::lower_bound(f.Idx.begin(), f.Idx.end(), q) - f.Idx.begin());
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Floor_LowerBound)->Unit(benchmark::kMicrosecond);

void BM_RealRowIndex(benchmark::State& state)
{
    const auto& f = Hidden();
    for (auto _ : state) {
        Integer sum = 0;
        for (const Integer q : f.Queries) sum += f.Rows.RealRowIndex(DispRow(q % (kRows - kHidden))).Value();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_RealRowIndex)->Unit(benchmark::kMicrosecond);

void BM_DisplRowIndex(benchmark::State& state)
{
    const auto& f = Hidden();
    for (auto _ : state) {
        Integer sum = 0;
        for (const Integer q : f.Queries) sum += f.Rows.DisplRowIndex(RealRow(q)).Value();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DisplRowIndex)->Unit(benchmark::kMicrosecond);

void BM_IsHiddenRow(benchmark::State& state)
{
    const auto& f = Hidden();
    for (auto _ : state) {
        Integer sum = 0;
        for (const Integer q : f.Queries) sum += f.Rows.IsHiddenRow(RealRow(q)) ? 1 : 0;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_IsHiddenRow)->Unit(benchmark::kMicrosecond);

// 100,000 distinct cell texts of mixed case in random order, as a column of device names.
const std::vector<String>& Values()
{
    static const std::vector<String> values = [] {
        const char16_t* words[] = {u"Gateway", u"modbus", u"BACnet", u"Zone", u"analog", u"Input"};
        std::vector<String> out;
        for (Integer i = 0; i < kRows; ++i) out.push_back(String(words[i % 6]) + u" " + IntToStr(i * 7919 % kRows));
        std::shuffle(out.begin(), out.end(), std::mt19937(7));
        return out;
    }();
    return values;
}

void BM_Floor_StableSortUnique(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<String> texts = Values();
        std::stable_sort(texts.begin(), texts.end());
        texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(BM_Floor_StableSortUnique)->Unit(benchmark::kMillisecond);

void BM_Floor_StableSortUniqueCollating(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<String> texts = Values();
        std::stable_sort(texts.begin(), texts.end(),
                         [](const String& a, const String& b) { return AnsiCompareStr(a, b) < 0; });
        texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(BM_Floor_StableSortUniqueCollating)->Unit(benchmark::kMillisecond);

void BM_ColumnFilterValues(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ColumnFilterValues(Values()).data());
}
BENCHMARK(BM_ColumnFilterValues)->Unit(benchmark::kMillisecond);

}  // namespace
