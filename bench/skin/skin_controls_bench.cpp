// The skin gallery's busiest pages (1: push, bitmap and speed buttons;
// 2: check boxes, radio buttons and group boxes) repainted whole, with
// their controls skinned and with the platform's look.  Repaint_Ratios
// switches one gallery between the two round after round, so both see the
// same load on a shared machine, and reports the ratio of the medians.
// Each of its batches of repaints starts rested and lasts well under 50 ms:
// on our Wine machines any program painting without a pause for longer
// than that slows down four- to fivefold (the platform's look as much as
// the skin's), which would otherwise decide the ratio.
#include "../../tests/win32/support/skin_fixture.h"
#include "../support/Median.h"
#include "GalleryForm.h"
#include "PageControl.h"
#include "SkinControl.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using yq::bench::Median;
using yq::testing::Pump;

// The switch at once instead of on the manager's timer.
void ApplySkinNow(yq::gallery::TGalleryForm& form, bool active) {
    yq::SkinManage->LoopState = 1;
    form.SetSkinActive(active);
    yq::SkinManage->DoPendingAction();
}

void Repaint(HWND sheet) {
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void RepaintPage(benchmark::State& state, bool skinned) {
    yq::gallery::TGalleryForm form;
    form.Show();
    Pump(300);
    if (!skinned) {
        ApplySkinNow(form, false);
        Pump(300);
    }
    form.ShowPage(int(state.range(0)));
    Pump(100);
    yq::TWinSkinForm* skinner = yq::SkinManage ? yq::SkinManage->FindSkinForm(form.Handle()) : nullptr;
    state.counters["skinners"] = skinner ? double(skinner->SkinControlList.size()) : 0.0;
    HWND sheet = form.Pages()->ActivePage()->Handle();
    for (auto _ : state)
        Repaint(sheet);
}

void BM_PageRepaintSkinned(benchmark::State& state) {
    RepaintPage(state, true);
}
BENCHMARK(BM_PageRepaintSkinned)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_PageRepaintPlatform(benchmark::State& state) {
    RepaintPage(state, false);
}
BENCHMARK(BM_PageRepaintPlatform)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Switches the skin and repaints the page twice (the first repaints after
// a switch make the skinners' pictures and fonts, which is not what a
// repaint costs), then rests.
void SwitchSkin(yq::gallery::TGalleryForm& form, HWND sheet, bool active) {
    ApplySkinNow(form, active);
    Pump(50);
    for (int i = 0; i < 2; ++i)
        Repaint(sheet);
    Pump(150);
}

// Microseconds per repaint of the page, over `count` repaints.
double TimeRepaints(HWND sheet, int count) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i)
        Repaint(sheet);
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / count;
}

// Counters: the medians in microseconds per repaint and skinned / platform.
void Repaint_Ratios(benchmark::State& state) {
    constexpr int kRepaintsPerRound = 4;
    yq::gallery::TGalleryForm form;
    form.Show();
    Pump(300);
    form.ShowPage(int(state.range(0)));
    Pump(100);
    HWND sheet = form.Pages()->ActivePage()->Handle();
    std::vector<double> skinned, platform;
    for (auto _ : state) {
        SwitchSkin(form, sheet, true);
        skinned.push_back(TimeRepaints(sheet, kRepaintsPerRound));
        SwitchSkin(form, sheet, false);
        platform.push_back(TimeRepaints(sheet, kRepaintsPerRound));
    }
    state.counters["skinned_us"] = Median(skinned);
    state.counters["platform_us"] = Median(platform);
    state.counters["skinned/platform"] = Median(skinned) / Median(platform);
}
BENCHMARK(Repaint_Ratios)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

} // namespace

BENCHMARK_MAIN();
