// Mark-up cells against plain text: one full-HD screen of 2,000 short cells laid out and drawn.
//
// The goal is the ratio of a mark-up screen to the same texts drawn plain: BM_MarkupOverPlain
// draws both screens in turn in every iteration and reports the ratio of their thread CPU times
// (so that other work on the machine does not tilt it). The layout alone (MeasureOnly, as
// callers sizing a column do) is measured as well.
#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/markup_text.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/unicode.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

namespace {

using namespace gw;

constexpr Integer kColumns = 20, kRows = 100;  // 2,000 cells of 96 x 18 pixels
constexpr Integer kCellWidth = 96, kCellHeight = 18;

// Short cells of the kinds a gateway table shows with mark-up: bold keys, coloured values,
// links, dates, addresses, tags, entities. Deterministic.
const std::vector<String>& MarkupCells()
{
    static const std::vector<String> cells = [] {
        const char* words[] = {"Modbus", "BACnet", "Gateway", "analog", "input", "Zone", "Slave", "Alarm"};
        std::vector<String> out;
        for (Integer i = 0; i < kColumns * kRows; ++i) {
            const std::string n = std::to_string(i * 7919 % 100000);
            const std::string w = words[i % 8];
            std::string cell;
            switch (i % kColumns % 10) {
            case 0: cell = "<B>" + n + "</B>"; break;
            case 1: cell = "<FONT color=\"clRed\">-" + n + ".50</FONT>"; break;
            case 2: cell = "<A href=\"" + w + "\">" + w + "</A> " + n; break;
            case 3: cell = "<I>12/03/2021</I> " + w; break;
            case 4: cell = "192.168." + std::to_string(i % 256) + ".<B>" + std::to_string(i % 100) + "</B>"; break;
            case 5: cell = w + " <U>" + n + "</U>"; break;
            case 6: cell = "<FONT bgcolor=\"#FFFF80\">" + w + "</FONT>"; break;
            case 7: cell = w + " &amp; " + n; break;
            case 8: cell = "AB-<S>" + n + "</S>"; break;
            default: cell = "<B>" + w + "</B> <I>" + n + "</I>"; break;
            }
            out.push_back(Utf8ToString(cell));
        }
        return out;
    }();
    return cells;
}

TRect CellRect(size_t Index)
{
    const Integer col = static_cast<Integer>(Index) % kColumns, row = static_cast<Integer>(Index) / kColumns;
    const Integer top = row * kCellHeight % 1080;
    return Rect(col * kCellWidth + 2, top + 1, (col + 1) * kCellWidth - 2, top + kCellHeight - 1);
}

struct TScreen {
    TBitmap Bitmap{1920, 1080};
    TCanvas& Canvas = *Bitmap.Canvas();
    TScreen()
    {
        Canvas.Font()->SetName(u"Tahoma");
        Canvas.Font()->SetHeight(-11);
        Canvas.Brush()->SetColor(clWindow);
    }
};

const std::vector<String>& PlainCells()
{
    static const std::vector<String> cells = [] {
        std::vector<String> out;
        for (const String& cell : MarkupCells()) out.push_back(MarkupToPlainText(cell));
        return out;
    }();
    return cells;
}

void DrawPlainScreen(TScreen& Screen)
{
    const std::vector<String>& plain = PlainCells();
    for (size_t i = 0; i < plain.size(); ++i) {
        TRect r = CellRect(i);
        Screen.Canvas.DrawText(plain[i], r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
}

void DrawMarkupScreen(TScreen& Screen)
{
    const std::vector<String>& cells = MarkupCells();
    for (size_t i = 0; i < cells.size(); ++i)
        DrawMarkupText({.Canvas = &Screen.Canvas, .Text = cells[i], .Rect = CellRect(i)});
}

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

void BM_PlainScreen(benchmark::State& state)
{
    TScreen screen;
    const std::vector<String>& plain = PlainCells();
    for (auto _ : state) {
        DrawPlainScreen(screen);
        benchmark::DoNotOptimize(screen.Bitmap.PixelColor(0, 0));
    }
    state.counters["cells/s"] =
        benchmark::Counter(double(state.iterations()) * double(plain.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlainScreen)->Unit(benchmark::kMillisecond);

void BM_MarkupScreen(benchmark::State& state)
{
    TScreen screen;
    const std::vector<String>& cells = MarkupCells();
    for (auto _ : state) {
        DrawMarkupScreen(screen);
        benchmark::DoNotOptimize(screen.Bitmap.PixelColor(0, 0));
    }
    state.counters["cells/s"] =
        benchmark::Counter(double(state.iterations()) * double(cells.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MarkupScreen)->Unit(benchmark::kMillisecond);

void BM_MarkupLayoutOnly(benchmark::State& state)
{
    TScreen screen;
    const std::vector<String>& cells = MarkupCells();
    for (auto _ : state) {
        Integer width = 0;
        for (size_t i = 0; i < cells.size(); ++i)
            width +=
                DrawMarkupText({.Canvas = &screen.Canvas, .Text = cells[i], .Rect = CellRect(i), .MeasureOnly = true})
                    .UsedWidth;
        benchmark::DoNotOptimize(width);
    }
    state.counters["cells/s"] =
        benchmark::Counter(double(state.iterations()) * double(cells.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MarkupLayoutOnly)->Unit(benchmark::kMillisecond);

void BM_MarkupOverPlain(benchmark::State& state)
{
    TScreen screen;
    double plain = 0, markup = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        DrawPlainScreen(screen);
        const double middle = ThreadSeconds();
        DrawMarkupScreen(screen);
        const double end = ThreadSeconds();
        plain += middle - start;
        markup += end - middle;
        benchmark::DoNotOptimize(screen.Bitmap.PixelColor(0, 0));
    }
    state.counters["plain_ms"] = 1e3 * plain / double(state.iterations());
    state.counters["markup_ms"] = 1e3 * markup / double(state.iterations());
    state.counters["ratio"] = markup / plain;
}
BENCHMARK(BM_MarkupOverPlain)->Unit(benchmark::kMillisecond);

}  // namespace
