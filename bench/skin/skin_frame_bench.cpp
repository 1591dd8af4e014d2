// The skinned frame: a frame paint of a window of the browser's size,
// skinned and with the platform frame; the region built at a resize; and
// skin off/on switches of a skinned window, with the GDI and USER objects
// left after them (counters).
#include "../../tests/win32/support/skin_fixture.h"

#include <benchmark/benchmark.h>

namespace {

using yq::testing::LoadSkinData;
using yq::testing::Pump;
using yq::testing::TBareWindow;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
constexpr int kWidth = 806, kHeight = 607; // the browser window, skinned

void BM_FramePaintPlatform(benchmark::State& state) {
    TBareWindow window(L"YqBenchPlatform", kStyle, kWidth, kHeight);
    for (auto _ : state)
        SendMessageW(window.Get(), WM_NCPAINT, 1, 0);
}
BENCHMARK(BM_FramePaintPlatform)->Unit(benchmark::kMicrosecond);

void BM_FramePaintSkinned(benchmark::State& state) {
    std::unique_ptr<yq::TSkinData> skin(LoadSkinData());
    TBareWindow window(L"YqBenchSkinned", kStyle, kWidth, kHeight);
    yq::SkinManage->SkinWindow(window.Get());
    Pump();
    for (auto _ : state)
        SendMessageW(window.Get(), WM_NCPAINT, 1, 0);
}
BENCHMARK(BM_FramePaintSkinned)->Unit(benchmark::kMicrosecond);

void BM_RegionAtResize(benchmark::State& state) {
    std::unique_ptr<yq::TSkinData> skin(LoadSkinData());
    TBareWindow window(L"YqBenchRegion", kStyle | WS_THICKFRAME, kWidth, kHeight);
    yq::SkinManage->SkinWindow(window.Get());
    Pump();
    int step = 0;
    for (auto _ : state)
        SetWindowPos(window.Get(), nullptr, 0, 0, kWidth + (++step & 1), kHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
BENCHMARK(BM_RegionAtResize)->Unit(benchmark::kMicrosecond);

void BM_SkinOffOn(benchmark::State& state) {
    std::unique_ptr<yq::TSkinData> skin(LoadSkinData());
    TBareWindow window(L"YqBenchSwitch", kStyle, kWidth, kHeight);
    yq::SkinManage->LoopState = 1;
    auto switchTo = [&](bool on) {
        skin->SetActive(on);
        yq::SkinManage->DoPendingAction();
        if (on) yq::SkinManage->SkinWindow(window.Get());
        Pump();
    };
    switchTo(false);
    switchTo(true);
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (auto _ : state) {
        switchTo(false);
        switchTo(true);
    }
    state.counters["gdi_growth"] = double(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) - gdi;
    state.counters["user_growth"] = double(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) - user;
}
BENCHMARK(BM_SkinOffOn)->Unit(benchmark::kMillisecond)->Iterations(1000);

} // namespace

BENCHMARK_MAIN();
