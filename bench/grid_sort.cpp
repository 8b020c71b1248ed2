// The string grid's sorts at scale, on 100,000 of the generator's rows (shared/bench/
// gen_grid_csv.py), each result checked against the generator's digests:
// - loading: the same parse of the file, its cells written into the grid or into a plain vector
//   of rows (goal: within 1.5x), and the memory the cells take in both (goal: within 1.5x);
// - sorting column 2 alphabetically and column 0 numerically, Full off, against
//   std::stable_sort of the same rows with the same cell comparison (goal: within 2x).
// The floor and the grid take turns for a few rounds and each keeps its best.
#include "bench/cell_figures.h"
#include "bench/grid_rows.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/row_compare.h"
#include "grid/model/sort_settings.h"
#include "platform/backends/headless/harness.h"
#include "platform/runtime/unicode.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

namespace {

using namespace gw;
using bench::HeapInUse;
using bench::Milliseconds;
using bench::TRows;

constexpr std::size_t kRows = 100'000;
constexpr Integer kCols = 10;

const TRows& Rows()
{
    static const TRows rows = bench::GeneratorRows(kRows);
    return rows;
}

std::map<std::string, std::string> Meta()
{
    std::map<std::string, std::string> meta;
    std::ifstream file(std::filesystem::temp_directory_path() /
                       ("gw_bench_grid_rows_" + std::to_string(kRows) + ".csv.meta"));
    for (std::string line; std::getline(file, line);)
        if (auto eq = line.find('='); eq != std::string::npos) meta[line.substr(0, eq)] = line.substr(eq + 1);
    return meta;
}

// The generator's digest of rows in the order a cell reader gives them.
template <class Cell>
std::string Digest(std::size_t Count, Cell CellText)
{
    uint32_t crc = 0;
    for (std::size_t r = 0; r < Count; ++r) {
        std::string canonical;
        for (Integer c = 0; c < kCols; ++c) canonical += StringToUtf8(CellText(c, r)) + '\x1f';
        crc = bench::Crc32(canonical + '\x1e', crc);
    }
    char digest[16];
    std::snprintf(digest, sizeof digest, "%08x", crc);
    return digest;
}

std::string GridDigest(TExtStringGrid& Grid)
{
    return Digest(kRows, [&](Integer C, std::size_t R) { return Grid.GetGridCell(C, Integer(R)); });
}

std::string FloorDigest(const TRows& Floor)
{
    return Digest(kRows, [&](Integer C, std::size_t R) { return Floor[R][std::size_t(C)]; });
}

std::unique_ptr<TExtStringGrid> NewGrid()
{
    auto grid = std::make_unique<TExtStringGrid>(nullptr);
    grid->SetColCount(kCols);
    grid->SetRowCount(Integer(kRows));
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    return grid;
}

std::unique_ptr<TExtStringGrid> LoadGrid()
{
    auto grid = NewGrid();
    const TRows& rows = Rows();
    for (std::size_t r = 0; r < kRows; ++r)
        for (Integer c = 0; c < kCols; ++c) grid->SetGridCell(c, Integer(r), rows[r][std::size_t(c)]);
    return grid;
}

// The generator's file as it lies on disk.
std::string CsvText()
{
    Rows();
    std::ifstream in(std::filesystem::temp_directory_path() / ("gw_bench_grid_rows_" + std::to_string(kRows) + ".csv"),
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void BM_GridSort_LoadAndMemory(benchmark::State& state)
{
    THarness harness;
    const std::string text = CsvText();
    const std::string fileOrder = Meta()["digest_file_order"];
    double floorMs = 1e300, gridMs = 1e300, floorMb = 0, gridMb = 0;
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            // The same parse, its cells into a vector of rows or into the grid.
            std::size_t before = HeapInUse();
            TRows floor;
            floorMs = std::min(floorMs, Milliseconds([&] {
                                   auto records = bench::ParseCsv(text);
                                   floor.reserve(records.size());
                                   for (const auto& record : records) {
                                       floor.emplace_back();
                                       floor.back().reserve(record.size());
                                       for (const auto& field : record) floor.back().push_back(Utf8ToString(field));
                                   }
                               }));
            floorMb = double(HeapInUse() - before) / (1 << 20);
            if (FloorDigest(floor) != fileOrder) state.SkipWithError("the floor's rows differ from the file");
            floor = TRows();
            auto grid = NewGrid();
            before = HeapInUse();
            gridMs = std::min(gridMs, Milliseconds([&] {
                                  auto records = bench::ParseCsv(text);
                                  for (std::size_t r = 0; r < records.size(); ++r)
                                      for (std::size_t c = 0; c < records[r].size(); ++c)
                                          grid->SetGridCell(Integer(c), Integer(r), Utf8ToString(records[r][c]));
                              }));
            gridMb = double(HeapInUse() - before) / (1 << 20);
            if (GridDigest(*grid) != fileOrder) state.SkipWithError("the grid's rows differ from the file");
        }
    }
    state.counters["load_floor_ms"] = floorMs;
    state.counters["load_grid_ms"] = gridMs;
    state.counters["load_x"] = gridMs / floorMs;
    state.counters["floor_mb"] = floorMb;
    state.counters["grid_mb"] = gridMb;
    state.counters["mem_x"] = gridMb / floorMb;
}
BENCHMARK(BM_GridSort_LoadAndMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// One column sorted by one format, ascending, Full off.
void SortColumn(benchmark::State& state, Integer Col, TSortStyle Style, const char* DigestKey)
{
    THarness harness;
    const std::string sorted = Meta()[DigestKey];
    const TCellSortRule rule{.Style = Style};
    double floorMs = 1e300, gridMs = 1e300;
    Integer compares = 0;
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            TRows floor = Rows();
            floorMs = std::min(floorMs, Milliseconds([&] {
                                   std::stable_sort(floor.begin(), floor.end(), [&](const auto& A, const auto& B) {
                                       return CompareCells(rule, A[std::size_t(Col)], B[std::size_t(Col)]) < 0;
                                   });
                               }));
            if (FloorDigest(floor) != sorted) state.SkipWithError("the floor's order differs from the generator's");
            floor = TRows();
            auto grid = LoadGrid();
            grid->SortSettings()->Full = false;
            grid->OnGetFormat = [Style](TObject*, Integer, TSortStyle& AStyle, String&, String&) { AStyle = Style; };
            gridMs = std::min(gridMs, Milliseconds([&] { grid->Sort(Col, sdAscending); }));
            compares = grid->Compares;
            if (GridDigest(*grid) != sorted) state.SkipWithError("the grid's order differs from the generator's");
        }
    }
    state.counters["sort_floor_ms"] = floorMs;
    state.counters["sort_grid_ms"] = gridMs;
    state.counters["sort_x"] = gridMs / floorMs;
    state.counters["compares"] = double(compares);
}

void BM_GridSort_Column2Alphabetic(benchmark::State& state)
{
    SortColumn(state, 2, ssAlphabetic, "digest_sorted_col2");
}
BENCHMARK(BM_GridSort_Column2Alphabetic)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_GridSort_Column0Numeric(benchmark::State& state) { SortColumn(state, 0, ssNumeric, "digest_sorted_col0"); }
BENCHMARK(BM_GridSort_Column0Numeric)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
