// The skin gallery's busiest pages (1: push, bitmap and speed buttons;
// 2: check boxes, radio buttons and group boxes) repainted whole, with
// their controls skinned and with the platform's look.
#include "../../tests/win32/support/skin_fixture.h"
#include "GalleryForm.h"
#include "PageControl.h"
#include "SkinControl.h"

#include <benchmark/benchmark.h>

namespace {

using yq::testing::Pump;

void RepaintPage(benchmark::State& state, bool skinned) {
    yq::gallery::TGalleryForm form;
    form.Show();
    Pump(300);
    if (!skinned) {
        yq::SkinManage->LoopState = 1;
        form.SetSkinActive(false);
        yq::SkinManage->DoPendingAction();
        Pump(300);
    }
    form.ShowPage(int(state.range(0)));
    Pump(100);
    yq::TWinSkinForm* skinner = yq::SkinManage ? yq::SkinManage->FindSkinForm(form.Handle()) : nullptr;
    state.counters["skinners"] = skinner ? double(skinner->SkinControlList.size()) : 0.0;
    HWND sheet = form.Pages()->ActivePage()->Handle();
    for (auto _ : state)
        RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void BM_PageRepaintSkinned(benchmark::State& state) {
    RepaintPage(state, true);
}
BENCHMARK(BM_PageRepaintSkinned)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_PageRepaintPlatform(benchmark::State& state) {
    RepaintPage(state, false);
}
BENCHMARK(BM_PageRepaintPlatform)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
