// Opening a 30-item popup menu until its window has painted, then closing
// it: skinned (the menu window skinner and owner-drawn items) and with the
// platform's look, in interleaved rounds.  Menu_Ratios reports the medians
// and skinned / platform.
#include "../../tests/win32/support/skin_fixture.h"
#include "../support/Median.h"

#include "Form.h"
#include "Menus.h"
#include "SkinMenuOwnerDraw.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using yq::bench::Median;
using yq::testing::LoadSkinData;
using yq::testing::Pump;

constexpr int kItems = 30;

// Counts the paints of menu windows while it lives.  A hook of sent
// messages slows every message down, so it only checks, never times.
class TPaintCounter {
public:
    TPaintCounter() { hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, &Proc, nullptr, GetCurrentThreadId()); }
    ~TPaintCounter() { UnhookWindowsHookEx(hook_); }
    TPaintCounter(const TPaintCounter&) = delete;
    TPaintCounter& operator=(const TPaintCounter&) = delete;
    static inline int paints = 0;

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp) {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lp);
        if (code == HC_ACTION && call->message == WM_PAINT) {
            wchar_t name[16] = {};
            GetClassNameW(call->hwnd, name, 16);
            if (std::wstring(name) == L"#32768") ++paints;
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    HHOOK hook_;
};

struct TMenuBench {
    TMenuBench() : skin(LoadSkinData()), form(new yq::TForm(nullptr)), menu(new yq::TPopupMenu(form)) {
        form->SetBounds(100, 100, 400, 300);
        form->Show();
        SetForegroundWindow(form->Handle());
        Pump(100);
        for (int i = 0; i < kItems; ++i) {
            auto* item = new yq::TMenuItem(menu);
            item->SetCaption(i % 10 == 9 ? L"-" : L"灯谜命令 " + std::to_wstring(i + 1));
            if (i % 7 == 0) item->SetShortCut(yq::ShortCut('A' + i % 26, yq::scCtrl));
            item->SetChecked(i % 5 == 0);
            menu->Items()->Add(item);
        }
    }
    ~TMenuBench() {
        delete form;
        skin.reset();
        Pump();
    }
    void Skin(bool on) {
        yq::SkinManage->Active = on;
        yq::SetPopupMenusOwnerDraw(form, skin.get(), on);
    }
    // Microseconds from the call until the menu has closed: the platform
    // shows and paints the menu window before its loop reads the Escape
    // waiting in the queue.
    double OpenOnce() {
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        PostMessageW(menu->WindowHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
        menu->Popup(150, 150);
        QueryPerformanceCounter(&end);
        // What the closed menu uncovered repaints outside the timing.
        Pump();
        return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart);
    }
    std::unique_ptr<yq::TSkinData> skin;
    yq::TForm* form;
    yq::TPopupMenu* menu;
};

void BM_OpenMenu(benchmark::State& state) {
    TMenuBench bench;
    bench.Skin(state.range(0) != 0);
    {
        TPaintCounter counter;
        TPaintCounter::paints = 0;
        bench.OpenOnce();
        state.counters["paints/open"] = TPaintCounter::paints;
    }
    for (auto _ : state)
        state.SetIterationTime(bench.OpenOnce() / 1e6);
}
BENCHMARK(BM_OpenMenu)->Arg(0)->Arg(1)->ArgName("skinned")->Unit(benchmark::kMicrosecond)->UseManualTime();

void Menu_Ratios(benchmark::State& state) {
    constexpr int kOpensPerRound = 5;
    TMenuBench bench;
    std::vector<double> skinned, platform;
    auto round = [&](bool on, std::vector<double>& into) {
        bench.Skin(on);
        bench.OpenOnce();
        // Each round starts rested: under Wine a program that paints on
        // and on for longer than about 50 ms is slowed down several times.
        Pump(150);
        double total = 0;
        for (int i = 0; i < kOpensPerRound; ++i)
            total += bench.OpenOnce();
        into.push_back(total / kOpensPerRound);
    };
    for (auto _ : state) {
        round(true, skinned);
        round(false, platform);
    }
    state.counters["skinned_us"] = Median(skinned);
    state.counters["platform_us"] = Median(platform);
    state.counters["skinned/platform"] = Median(skinned) / Median(platform);
}
BENCHMARK(Menu_Ratios)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

} // namespace

BENCHMARK_MAIN();
