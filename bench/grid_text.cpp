// Speed of the grid's wildcard and filter matching and CSV conversions on 100,000 cells.
//
// Includes a pattern that takes exponential time with plain backtracking.
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/filter_match.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

using gw::String;

constexpr size_t kCells = 100000;

// Deterministic cell texts of the kinds a gateway table holds: names, numbers, dates, addresses.
const std::vector<String>& CellTexts()
{
    static const std::vector<String> cells = [] {
        std::mt19937 random(42);
        const char16_t* words[] = {u"Apple",  u"banana", u"Gateway",     u"Modbus",   u"BACnet",
                                   u"analog", u"input",  u"Temperature", u"aaaaaaab", u"Zone"};
        std::vector<String> out;
        out.reserve(kCells);
        for (size_t i = 0; i < kCells; ++i) {
            switch (random() % 4) {
            case 0: out.push_back(String(words[random() % 10]) + u" " + words[random() % 10]); break;
            case 1: {
                const std::string number = std::to_string(random() % 5000);
                out.push_back(String(number.begin(), number.end()));
                break;
            }
            case 2: out.push_back(u"1/" + String(1, static_cast<char16_t>(u'1' + random() % 9)) + u"/2024"); break;
            default: out.push_back(u"192.168.0." + String(1, static_cast<char16_t>(u'0' + random() % 10))); break;
            }
        }
        return out;
    }();
    return cells;
}

void MatchAll(benchmark::State& state, const char16_t* condition, bool caseSensitive)
{
    const auto& cells = CellTexts();
    for (auto _ : state) {
        size_t hits = 0;
        for (const String& cell : cells) hits += gw::MatchFilterExpression(condition, cell, caseSensitive);
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * cells.size()));
}

void BM_Wildcard_Prefix(benchmark::State& s) { MatchAll(s, u"A*", false); }
void BM_Wildcard_Infix(benchmark::State& s) { MatchAll(s, u"*an*", true); }
void BM_Wildcard_Question(benchmark::State& s) { MatchAll(s, u"?pple*", true); }
void BM_Wildcard_Pathological(benchmark::State& s) { MatchAll(s, u"*a*a*a*a*b", true); }
void BM_Filter_Range(benchmark::State& s) { MatchAll(s, u">500&<1000", true); }
void BM_Filter_Mixed(benchmark::State& s) { MatchAll(s, u"(A*|*bus)|>1/5/2024", false); }

BENCHMARK(BM_Wildcard_Prefix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wildcard_Infix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wildcard_Question)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wildcard_Pathological)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Filter_Range)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Filter_Mixed)->Unit(benchmark::kMillisecond);

// "*a*a*a*a*b" against a run of "a"s: about n^5/120 steps when backtracking; here the final "b"
// can only be the last unit, so one look settles it.
void BM_Wildcard_LongRunOfA(benchmark::State& state)
{
    const String text(static_cast<size_t>(state.range(0)), u'a');
    for (auto _ : state) benchmark::DoNotOptimize(gw::MatchFilterTerm(u"*a*a*a*a*b", text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Wildcard_LongRunOfA)->RangeMultiplier(10)->Range(100, 100000)->Complexity();

// With a trailing star the "b" may sit anywhere, so the whole text is searched once.
void BM_Wildcard_LongRunOfA_TrailingStar(benchmark::State& state)
{
    const String text(static_cast<size_t>(state.range(0)), u'a');
    for (auto _ : state) benchmark::DoNotOptimize(gw::MatchFilterTerm(u"*a*a*a*a*b*", text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Wildcard_LongRunOfA_TrailingStar)->RangeMultiplier(10)->Range(100, 100000)->Complexity();

std::vector<String> CsvFields()
{
    std::mt19937 random(7);
    std::vector<String> fields;
    fields.reserve(kCells);
    for (size_t i = 0; i < kCells; ++i) {
        String f = u"Point \"" + String(1, static_cast<char16_t>(u'A' + random() % 26)) + u"\" value";
        if (random() % 3 == 0) f += u"\r\nsecond line";
        fields.push_back(f);
    }
    return fields;
}

void BM_Csv_Quote(benchmark::State& state)
{
    const std::vector<String> fields = CsvFields();
    for (auto _ : state) {
        size_t total = 0;
        for (const String& field : fields) {
            String quoted = gw::EscapeDoubleQuotes(field);
            gw::QuoteMultiLineCsv(quoted);
            total += quoted.size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * fields.size()));
}
BENCHMARK(BM_Csv_Quote)->Unit(benchmark::kMillisecond);

void BM_Csv_Unquote(benchmark::State& state)
{
    std::vector<String> lines;
    for (const String& field : CsvFields()) {
        String quoted = gw::EscapeDoubleQuotes(field);
        gw::QuoteMultiLineCsv(quoted);
        lines.push_back(quoted + u";next");
    }
    for (auto _ : state) {
        size_t total = 0;
        for (const String& line : lines) {
            // Find where the quoted field ends, take its inside, undouble quotes, restore breaks.
            gw::Integer end = 0;
            gw::FindUnpairedQuote(u'"', gw::StringView(line).substr(1), end);
            String field = gw::CollapseDoubledChar(u'"', gw::StringView(line).substr(1, static_cast<size_t>(end) - 1));
            gw::UnquoteMultiLineCsv(field);
            total += field.size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines.size()));
}
BENCHMARK(BM_Csv_Unquote)->Unit(benchmark::kMillisecond);

}  // namespace
