// Throughput of the message model: sent and posted messages per second on the headless back end.
#include "platform/backends/headless/harness.h"

#include <benchmark/benchmark.h>

namespace gw {
namespace {

HWND CountingWindow(long& Count)
{
    TCreateWindowParams p;
    p.WndProc = [&Count](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (Msg == WM_USER) return ++Count;
        return DefWindowProc(Wnd, Msg, W, L);
    };
    return CreateWindow(p);
}

void SentToAWindowProcedure(benchmark::State& state)
{
    THarness h;
    long count = 0;
    HWND w = CountingWindow(count);
    for (auto _ : state) benchmark::DoNotOptimize(SendMessage(w, WM_USER, 1, 2));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SentToAWindowProcedure);

void SentToAControl(benchmark::State& state)
{
    THarness h;
    auto* form = new TForm(Application);
    auto* c = new TCustomControl(form);
    c->SetParent(form);
    HWND w = c->Handle();
    for (auto _ : state) benchmark::DoNotOptimize(SendMessage(w, WM_USER, 1, 2));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SentToAControl);

void PostedAndHandled(benchmark::State& state)
{
    THarness h;
    long count = 0;
    HWND w = CountingWindow(count);
    const int batch = 1000;
    for (auto _ : state) {
        for (int i = 0; i < batch; ++i) PostMessage(w, WM_USER, 0, 0);
        Application->ProcessMessages();
    }
    state.SetItemsProcessed(state.iterations() * batch);
}
BENCHMARK(PostedAndHandled);

}  // namespace
}  // namespace gw
