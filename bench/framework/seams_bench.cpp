// What a message costs on its way through N pass-through message hooks of
// a control, and through N subclasses of a platform window.
#include "ExtCtrls.h"
#include "Form.h"
#include "MessageHook.h"
#include "Subclass.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

void BM_PerformThroughHooks(benchmark::State& state) {
    yq::TForm form;
    auto* panel = new yq::TPanel(&form);
    panel->SetParent(&form);
    panel->Handle();
    std::vector<std::unique_ptr<yq::TMessageHook>> hooks;
    hooks.reserve(size_t(state.range(0))); // the procedures hold their slots
    for (int i = 0; i < state.range(0); ++i) {
        hooks.push_back(nullptr);
        auto& slot = hooks.back();
        slot = std::make_unique<yq::TMessageHook>(panel->MessageHooks(),
                                                  [&slot](yq::TMessage& m) { slot->CallPrevious(m); });
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(panel->Perform(WM_GETDLGCODE));
}
BENCHMARK(BM_PerformThroughHooks)->Arg(0)->Arg(1)->Arg(2)->Arg(8);

void BM_SendMessageThroughSubclasses(benchmark::State& state) {
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    std::vector<std::unique_ptr<yq::TWindowSubclass>> subclasses;
    subclasses.reserve(size_t(state.range(0))); // the procedures hold their slots
    for (int i = 0; i < state.range(0); ++i) {
        subclasses.push_back(nullptr);
        auto& slot = subclasses.back();
        slot = std::make_unique<yq::TWindowSubclass>(window,
                                                     [&slot](yq::TMessage& m) { slot->CallPrevious(m); });
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(SendMessageW(window, WM_GETDLGCODE, 0, 0));
    subclasses.clear();
    DestroyWindow(window);
}
BENCHMARK(BM_SendMessageThroughSubclasses)->Arg(0)->Arg(1)->Arg(2)->Arg(8);

} // namespace

BENCHMARK_MAIN();
