// The browser's category bar: one group switch with its ten-frame
// animation drawn to the screen, and one full repaint of a list holding
// 100 items (the off-screen composition and the copy to the window).
#include "BrowserBar.h"
#include "Form.h"
#include "OutBarGroup.h"
#include "WindowLook.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace yq;
using look::Rgb;

namespace {

struct BarFixture {
    BarFixture() {
        form = std::make_unique<TForm>();
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 800, 600);
        bar = MakeCategoryBar(form.get(), form.get());
        form->Show();
        Pump();
    }
    TDCOutBarVertListView* List(int group) const {
        return static_cast<TDCOutBarVertListView*>(bar->Groups(group)->List());
    }
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    std::unique_ptr<TForm> form;
    TDCOutBar* bar = nullptr;
};

// Switching between the first and the last group: the captions between
// them slide over the whole content height, the longest animation.
void BM_GroupSwitchAnimated(benchmark::State& state) {
    BarFixture f;
    f.bar->SetFrequency(int(state.range(0)));
    for (int g = 0; g < 6; ++g)
        for (int i = 0; i < 12; ++i)
            f.List(g)->Items().Add()->SetCaption(L"谜目" + std::to_wstring(i));
    int target = 5;
    for (auto _ : state) {
        f.bar->SetActiveGroupIndex(target);
        target = 5 - target;
        BarFixture::Pump();
    }
}
BENCHMARK(BM_GroupSwitchAnimated)->Arg(10)->Arg(0)->Unit(benchmark::kMillisecond);

// Invalidating the whole list and letting it paint.
void BM_ListRepaint(benchmark::State& state) {
    BarFixture f;
    TDCOutBarVertListView* list = f.List(0);
    list->Items().BeginUpdate();
    for (int i = 0; i < state.range(0); ++i)
        list->Items().Add()->SetCaption(L"离合字谜第" + std::to_wstring(i) + L"类");
    list->Items().EndUpdate();
    BarFixture::Pump();
    for (auto _ : state) {
        list->Invalidate();
        list->Update();
    }
}
BENCHMARK(BM_ListRepaint)->Arg(100)->Arg(10)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
