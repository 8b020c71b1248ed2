// Painting costs: a full-HD surface as a 40 x 50 grid of cells, and measuring a short text.
#include "platform/graphics/bitmap.h"
#include "platform/runtime/unicode.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace gw;

// One frame: every cell filled, framed and given a line of text, as a grid repaint does.
void BM_PaintGridFrame(benchmark::State& state)
{
    TBitmap bmp(1920, 1080);
    TCanvas* c = bmp.Canvas();
    const Integer cols = 40, rows = 50;
    std::vector<String> texts;
    for (Integer i = 0; i < cols * rows; ++i) texts.push_back(u"Cell " + Utf8ToString(std::to_string(i)));
    for (auto _ : state) {
        for (Integer r = 0; r < rows; ++r) {
            for (Integer col = 0; col < cols; ++col) {
                TRect cell{col * 1920 / cols, r * 1080 / rows, (col + 1) * 1920 / cols, (r + 1) * 1080 / rows};
                c->Brush()->SetColor((r + col) % 2 ? clWindow : clInfoBk);
                c->FillRect(cell);
                c->Brush()->SetColor(clBtnShadow);
                c->FrameRect(cell);
                c->Brush()->SetStyle(bsClear);
                TRect text{cell.Left + 2, cell.Top + 1, cell.Right - 2, cell.Bottom - 1};
                c->DrawText(texts[size_t(r * cols + col)], text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
            }
        }
        benchmark::DoNotOptimize(bmp.PixelColor(0, 0));
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PaintGridFrame)->Unit(benchmark::kMillisecond);

void BM_TextWidthShort(benchmark::State& state)
{
    TCanvas c;
    for (auto _ : state) benchmark::DoNotOptimize(c.TextWidth(u"Gateway 12"));
}
BENCHMARK(BM_TextWidthShort);

}  // namespace
