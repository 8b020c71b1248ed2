// The grid cell store (TBaseGrid) at scale, through its cell interface, against a plain vector
// of rows of strings measured in the same run (goal: each within 1.5x): 10,000,000 cells set
// and read with SetCellEx / GetCellEx, rows inserted and deleted in a store of 1,000,000 rows,
// and the memory of 1,000,000 rows x 10 columns of the generator's short texts.
#include "bench/cell_figures.h"
#include "bench/grid_rows.h"
#include "grid/foundation/base_grid.h"
#include "platform/runtime/types.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

using namespace gw;
using bench::FloorSet;
using bench::HeapInUse;
using bench::Milliseconds;
using bench::TRows;

constexpr std::size_t kMillion = 1'000'000;

const TRows& Rows()
{
    static const TRows rows = bench::GeneratorRows(kMillion);
    return rows;
}

std::unique_ptr<TBaseGrid> MakeGrid()
{
    auto grid = std::make_unique<TBaseGrid>(nullptr);
    grid->SetColCount(10);
    grid->SetRowCount(Integer(kMillion));
    return grid;
}

void Fill(TBaseGrid& Grid)
{
    const TRows& rows = Rows();
    for (Integer r = 0; r < Integer(kMillion); ++r)
        for (Integer c = 0; c < 10; ++c) Grid.SetCellEx(c, r, rows[std::size_t(r)][std::size_t(c)]);
}

// The floor and the grid take turns for a few rounds and each keeps its best, as the heap's
// state and the machine's load weigh on single runs.
void BM_CellStore_SetAndRead10M(benchmark::State& state)
{
    const TRows& rows = Rows();
    double floorSet = 1e300, floorRead = 1e300, gridSet = 1e300, gridRead = 1e300;
    std::size_t sum = 0;
    auto touch = [&sum](StringView S) { sum += S.size() + (S.empty() ? 0 : S[S.size() / 2]); };
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            {
                TRows floor;
                floorSet = std::min(floorSet, Milliseconds([&] {
                                        for (std::size_t r = 0; r < kMillion; ++r)
                                            for (std::size_t c = 0; c < 10; ++c) FloorSet(floor, c, r, rows[r][c]);
                                    }));
                floorRead = std::min(floorRead, Milliseconds([&] {
                                         for (std::size_t r = 0; r < kMillion; ++r)
                                             for (std::size_t c = 0; c < 10; ++c) {
                                                 const String text = floor[r][c];
                                                 touch(text);
                                             }
                                     }));
            }
            auto grid = MakeGrid();
            gridSet = std::min(gridSet, Milliseconds([&] { Fill(*grid); }));
            gridRead = std::min(gridRead, Milliseconds([&] {
                                    for (Integer r = 0; r < Integer(kMillion); ++r)
                                        for (Integer c = 0; c < 10; ++c) touch(grid->GetCellEx(c, r));
                                }));
        }
    }
    benchmark::DoNotOptimize(sum);
    state.counters["set_floor_ms"] = floorSet;
    state.counters["set_grid_ms"] = gridSet;
    state.counters["set_x"] = gridSet / floorSet;
    state.counters["read_floor_ms"] = floorRead;
    state.counters["read_grid_ms"] = gridRead;
    state.counters["read_x"] = gridRead / floorRead;
}
BENCHMARK(BM_CellStore_SetAndRead10M)->Iterations(1)->Unit(benchmark::kMillisecond);

// A thousand rows inserted (and written) and a thousand deleted at places all over the store.
void BM_CellStore_InsertDeleteRows(benchmark::State& state)
{
    const TRows& rows = Rows();
    constexpr Integer kOps = 1000;
    double floorMs = 0, gridMs = 0;
    for (auto _ : state) {
        TRows floor = rows;
        auto grid = MakeGrid();
        Fill(*grid);
        auto at = [](Integer i) { return Integer((int64_t(i) * 104729 + 31) % int64_t(kMillion - 10)); };
        floorMs = Milliseconds([&] {
            for (Integer i = 0; i < kOps; ++i) floor.insert(floor.begin() + at(i), rows[std::size_t(i)]);
            for (Integer i = 0; i < kOps; ++i) floor.erase(floor.begin() + at(i + 7));
        });
        gridMs = Milliseconds([&] {
            for (Integer i = 0; i < kOps; ++i) {
                grid->InsertRows(at(i), 1);
                for (Integer c = 0; c < 10; ++c) grid->SetCellEx(c, at(i), rows[std::size_t(i)][std::size_t(c)]);
            }
            for (Integer i = 0; i < kOps; ++i) grid->DeleteRows(at(i + 7), 1);
        });
        for (Integer r : {0, 1, 500000, 999999})
            if (grid->GetCellEx(3, r) != floor[std::size_t(r)][3]) state.SkipWithError("the grid and the floor differ");
    }
    state.counters["floor_ms"] = floorMs;
    state.counters["grid_ms"] = gridMs;
    state.counters["x_floor"] = gridMs / floorMs;
}
BENCHMARK(BM_CellStore_InsertDeleteRows)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_CellStore_Memory1M(benchmark::State& state)
{
    const TRows& rows = Rows();
    double floorMb = 0, gridMb = 0;
    for (auto _ : state) {
        {
            const std::size_t before = HeapInUse();
            const TRows floor = rows;  // every string and row at its exact size
            floorMb = double(HeapInUse() - before) / (1 << 20);
        }
        const std::size_t before = HeapInUse();
        auto grid = MakeGrid();
        Fill(*grid);
        gridMb = double(HeapInUse() - before) / (1 << 20);
    }
    state.counters["floor_mb"] = floorMb;
    state.counters["grid_mb"] = gridMb;
    state.counters["x_floor"] = gridMb / floorMb;
}
BENCHMARK(BM_CellStore_Memory1M)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
