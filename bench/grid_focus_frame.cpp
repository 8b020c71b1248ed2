// Cost of the grid's focus frame as the cell grows: the banded blur of its mask, and the whole
// image (mask, blur, colour, merge).
//
// The blur works on the 21 rows and columns along each edge and copies the middle, so a mask ten
// times as wide and as high should cost about ten times as much (its perimeter), not a hundred
// (its area). BM_FrameAreaCopy is the floor of anything that touches every pixel once. The
// whole image also allocates three bitmaps of the window's size, which costs by area.
#include "grid/foundation/focus_window.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

gw::Integer Arg(const benchmark::State& State, int Index) { return static_cast<gw::Integer>(State.range(Index)); }

void BM_BandedBlur(benchmark::State& state)
{
    gw::TBitmap mask;
    gw::CreateRoundRectMask(mask, Arg(state, 0), Arg(state, 1), gw::FocusFramePenWidth, gw::FocusFrameRounding, 0);
    for (auto _ : state) {
        gw::BlurMaskBitmap(mask, gw::FocusFrameBlurRadius);
        benchmark::DoNotOptimize(mask.ScanLine(0));
    }
}

void BM_FrameAreaCopy(benchmark::State& state)
{
    const gw::Integer w = Arg(state, 0), h = Arg(state, 1);
    gw::TBitmap from(w, h, gw::pf24bit), to(w, h, gw::pf24bit);
    for (auto _ : state) {
        for (gw::Integer y = 0; y < h; ++y) std::memcpy(to.ScanLine(y), from.ScanLine(y), size_t(w) * 4);
        benchmark::DoNotOptimize(to.ScanLine(0));
    }
}

void BM_FocusFrameImage(benchmark::State& state)
{
    for (auto _ : state) {
        gw::TGridAlphaMask mask;
        gw::CreateFocusFrameMask(mask, Arg(state, 0), Arg(state, 1));
        benchmark::DoNotOptimize(mask.ScanLine(0));
    }
}

}  // namespace

BENCHMARK(BM_BandedBlur)->Args({89, 29})->Args({809, 209})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameAreaCopy)->Args({89, 29})->Args({809, 209})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FocusFrameImage)->Args({89, 29})->Args({809, 209})->Unit(benchmark::kMicrosecond);
