// Scrolling the browser's grid over a million-row result through its
// vertical scroll bar, skinned (the press goes to the overlay, which hands
// it to the platform's bar) and with the platform's bar alone.  Both run
// the platform's own modal tracking; its mouse messages are posted before
// the press, and every step's paints are flushed through a message filter
// as a hand's pace between steps would let them happen.
//   ThumbDrag: the thumb dragged from one end of the track to the other in
//     20 steps (every step a jump far into the result and a repaint).
//   ArrowPress: one press on the down arrow, one line, a repaint (what each
//     repeat of a held arrow does).
// Scroll_Ratios switches one grid between the two round after round, so
// both see the same load on a shared machine, and reports the medians.
#include "../../tests/win32/support/generated_dataset.h"
#include "../../tests/win32/support/skin_fixture.h"
#include "../support/Median.h"
#include "DBGrid.h"
#include "Form.h"
#include "SkinScrollOverlay.h"
#include "SkinScrollbar.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using namespace yq;
using yq::bench::Median;
using yq::test::TGeneratedDataSet;
using yq::testing::LoadSkinData;
using yq::testing::Pump;

constexpr int kRows = 1000000;
constexpr int kDragSteps = 20;

HWND gPainted[2];

// Paints what is due before each message of the platform's tracking loop.
LRESULT CALLBACK FlushPaints(int code, WPARAM wp, LPARAM lp) {
    if (code == MSGF_SCROLLBAR)
        for (HWND h : gPainted)
            if (h) UpdateWindow(h);
    return CallNextHookEx(nullptr, code, wp, lp);
}

// The browser's grid on a form of its own, over the generated result.
struct ScrollFixture {
    ScrollFixture() : data(kRows) {
        skin.reset(LoadSkinData(nullptr, sfMainform, false));
        form = std::make_unique<TForm>();
        form->SetBounds(0, 0, 620, 480);
        source = new TDataSource(form.get());
        source->SetDataSet(&data);
        grid = new TDBGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(8, 8, 553, 409);
        grid->SetOptions(dgTitles | dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection);
        for (auto [field, width] : {std::pair{L"谜面", 270}, {L"谜目", 260}}) {
            TColumn& c = grid->Columns().Add();
            c.SetFieldName(field);
            c.SetWidth(width);
        }
        grid->SetDataSource(source);
        form->Show();
        Pump(100);
        registry.Handle = form->Handle();
        registry.Form = form.get();
        registry.SkinData = skin.get();
        hook = SetWindowsHookExW(WH_MSGFILTER, FlushPaints, nullptr, GetCurrentThreadId());
    }
    ~ScrollFixture() {
        UnhookWindowsHookEx(hook);
        registry.ReleaseSkinControls();
        gPainted[0] = gPainted[1] = nullptr;
    }

    void SetSkinned(bool on) {
        registry.ReleaseSkinControls();
        bars = nullptr;
        if (on) {
            bars = new TSkinScrollbar(grid);
            bars->AttachControl(&registry, skin.get(), false, &registry.SharedCanvas);
        }
        gPainted[0] = grid->Handle();
        gPainted[1] = bars ? bars->VertBar->Handle() : nullptr;
        Pump(50);
    }

    SCROLLBARINFO Bar() const {
        SCROLLBARINFO info{sizeof(info)};
        GetScrollBarInfo(grid->Handle(), OBJID_VSCROLL, &info);
        return info;
    }

    // A press at `along` pixels down the bar, tracked by the platform until
    // the posted moves and release run out.
    void Press(int along) {
        const SCROLLBARINFO info = Bar();
        POINT screen{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.top + along};
        if (bars) {
            POINT local = screen;
            ScreenToClient(bars->VertBar->Handle(), &local);
            SendMessageW(bars->VertBar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(local.x, local.y));
        } else {
            SendMessageW(grid->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
        }
        UpdateWindow(grid->Handle());
        if (bars) UpdateWindow(bars->VertBar->Handle());
    }

    // The loop reads moves in the grid's client coordinates.
    void PostMove(UINT msg, int along) {
        const SCROLLBARINFO info = Bar();
        POINT p{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.top + along};
        ScreenToClient(grid->Handle(), &p);
        PostMessageW(grid->Handle(), msg, msg == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(p.x, p.y));
    }

    // From the thumb's end of the track to the other end.
    void DragThumb() {
        const SCROLLBARINFO info = Bar();
        const int a = info.dxyLineButton;
        const int length = info.rcScrollBar.bottom - info.rcScrollBar.top;
        const int from = (info.xyThumbTop + info.xyThumbBottom) / 2;
        const int to = from < length / 2 ? length - a - 1 : a + 1;
        for (int i = 1; i <= kDragSteps; ++i)
            PostMove(WM_MOUSEMOVE, from + (to - from) * i / kDragSteps);
        PostMove(WM_LBUTTONUP, to);
        Press(from);
    }

    void PressDownArrow() {
        const SCROLLBARINFO info = Bar();
        const int along = info.rcScrollBar.bottom - info.rcScrollBar.top - info.dxyLineButton / 2;
        if (data.RecNo() >= kRows - 1) data.First();
        PostMove(WM_LBUTTONUP, along);
        Press(along);
    }

    TGeneratedDataSet data;
    std::unique_ptr<TSkinData> skin;
    std::unique_ptr<TForm> form;
    TDataSource* source = nullptr;
    TDBGrid* grid = nullptr;
    TWinSkinForm registry;
    TSkinScrollbar* bars = nullptr;
    HHOOK hook = nullptr;
};

void ThumbDrag(benchmark::State& state, bool skinned) {
    ScrollFixture f;
    f.SetSkinned(skinned);
    for (auto _ : state)
        f.DragThumb();
    state.counters["record"] = f.data.RecNo();
}

void BM_ThumbDragSkinned(benchmark::State& state) {
    ThumbDrag(state, true);
}
BENCHMARK(BM_ThumbDragSkinned)->Unit(benchmark::kMillisecond);

void BM_ThumbDragPlatform(benchmark::State& state) {
    ThumbDrag(state, false);
}
BENCHMARK(BM_ThumbDragPlatform)->Unit(benchmark::kMillisecond);

void ArrowPress(benchmark::State& state, bool skinned) {
    ScrollFixture f;
    f.SetSkinned(skinned);
    for (auto _ : state)
        f.PressDownArrow();
    state.counters["record"] = f.data.RecNo();
}

void BM_ArrowPressSkinned(benchmark::State& state) {
    ArrowPress(state, true);
}
BENCHMARK(BM_ArrowPressSkinned)->Unit(benchmark::kMicrosecond);

void BM_ArrowPressPlatform(benchmark::State& state) {
    ArrowPress(state, false);
}
BENCHMARK(BM_ArrowPressPlatform)->Unit(benchmark::kMicrosecond);

// Microseconds per action over `count` actions.
template <class F> double TimeEach(int count, F action) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i)
        action();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / count;
}

// Counters: medians in microseconds per drag and per arrow press, and the
// skinned / platform ratios.
void Scroll_Ratios(benchmark::State& state) {
    ScrollFixture f;
    std::vector<double> dragSkinned, dragPlatform, arrowSkinned, arrowPlatform;
    for (auto _ : state) {
        for (bool skinned : {true, false}) {
            f.SetSkinned(skinned);
            Pump(100);
            (skinned ? dragSkinned : dragPlatform).push_back(TimeEach(2, [&] { f.DragThumb(); }));
            Pump(100);
            (skinned ? arrowSkinned : arrowPlatform).push_back(TimeEach(10, [&] { f.PressDownArrow(); }));
        }
    }
    state.counters["drag_skinned_us"] = Median(dragSkinned);
    state.counters["drag_platform_us"] = Median(dragPlatform);
    state.counters["drag skinned/platform"] = Median(dragSkinned) / Median(dragPlatform);
    state.counters["arrow_skinned_us"] = Median(arrowSkinned);
    state.counters["arrow_platform_us"] = Median(arrowPlatform);
    state.counters["arrow skinned/platform"] = Median(arrowSkinned) / Median(arrowPlatform);
}
BENCHMARK(Scroll_Ratios)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(31);

} // namespace

BENCHMARK_MAIN();
