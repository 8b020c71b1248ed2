// Cost of the grid's focus-frame image (rounded mask, banded blur, merge) as the cell grows.
//
// The blur works on the 21 rows and columns along each edge and copies the middle, so a cell ten
// times as wide and as high should cost about ten times as much (its perimeter), not a hundred
// (its area). BM_FrameAreaCopy is the floor: one pass over the pixels of the same window.
#include "grid/foundation/focus_window.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

void BM_FocusFrameImage(benchmark::State& state)
{
    const auto w = static_cast<gw::Integer>(state.range(0)), h = static_cast<gw::Integer>(state.range(1));
    for (auto _ : state) {
        gw::TGridAlphaMask mask;
        gw::CreateFocusFrameMask(mask, w + 9, h + 9);
        benchmark::DoNotOptimize(mask.ScanLine(0));
    }
}

void BM_FrameAreaCopy(benchmark::State& state)
{
    const auto w = static_cast<gw::Integer>(state.range(0)) + 9, h = static_cast<gw::Integer>(state.range(1)) + 9;
    gw::TBitmap from(w, h, gw::pf32bit), to(w, h, gw::pf32bit);
    for (auto _ : state) {
        for (gw::Integer y = 0; y < h; ++y) std::memcpy(to.ScanLine(y), from.ScanLine(y), size_t(w) * 4);
        benchmark::DoNotOptimize(to.ScanLine(0));
    }
}

}  // namespace

BENCHMARK(BM_FocusFrameImage)->Args({80, 20})->Args({800, 200})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameAreaCopy)->Args({80, 20})->Args({800, 200})->Unit(benchmark::kMicrosecond);
