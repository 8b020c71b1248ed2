// Cost of building and freeing windows: 21 forms of 200 controls each, windows included.
#include "platform/backends/headless/harness.h"

#include <benchmark/benchmark.h>

namespace gw {
namespace {

void CreateAndDestroy21FormsOf200Controls(benchmark::State& state)
{
    THarness h;
    for (auto _ : state) {
        std::vector<TForm*> forms;
        for (int f = 0; f < 21; ++f) {
            auto* form = new TForm(Application);
            form->SetBounds(10, 10, 800, 600);
            for (int i = 0; i < 200; ++i) {
                auto* c = new TCustomControl(form);
                c->SetBounds(10 + (i % 10) * 70, 10 + (i / 10) * 26, 65, 22);
                c->SetTabStop(true);
                c->SetParent(form);
            }
            form->HandleNeeded();
            forms.push_back(form);
        }
        for (TForm* form : forms) delete form;
    }
    state.SetItemsProcessed(state.iterations() * 21 * 201);
}
BENCHMARK(CreateAndDestroy21FormsOf200Controls)->Unit(benchmark::kMillisecond);

void ShowAndPaintAFormOf200Controls(benchmark::State& state)
{
    THarness h;
    auto* form = new TForm(Application);
    form->SetBounds(10, 10, 800, 600);
    for (int i = 0; i < 200; ++i) {
        auto* c = new TCustomControl(form);
        c->SetBounds(10 + (i % 10) * 70, 10 + (i / 10) * 26, 65, 22);
        c->SetParent(form);
    }
    form->Show();
    Application->ProcessMessages();
    Cardinal before = PaintCount();
    for (auto _ : state) {
        form->Invalidate();
        Application->ProcessMessages();
    }
    state.counters["paints_per_round"] = double(PaintCount() - before) / double(state.iterations());
}
BENCHMARK(ShowAndPaintAFormOf200Controls)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gw
