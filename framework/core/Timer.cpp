#include "Timer.h"

#include "Guard.h"

#include <stdexcept>

namespace yq {

YQ_PUBLISHED(TTimer, TComponent) {
    r.Int("Interval", &TTimer::Interval, &TTimer::SetInterval);
    r.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled);
}

namespace {
constexpr const wchar_t* kTimerClass = L"yq.TTimer";
constexpr UINT_PTR kTimerId = 1;
} // namespace

TTimer::TTimer(TComponent* owner) : TTimer(owner, true) {}

TTimer::TTimer(TComponent* owner, bool enabled) : TComponent(owner), enabled_(enabled) {
    Update();
}

TTimer::~TTimer() {
    MarkDestroying();
    if (!window_) return;
    if (running_) KillTimer(window_, kTimerId);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void TTimer::SetInterval(int interval) {
    if (interval == interval_) return;
    interval_ = interval;
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void TTimer::Update() {
    const bool run = enabled_ && interval_ > 0 && !Destroying();
    if (!run) {
        if (running_) KillTimer(window_, kTimerId);
        running_ = false;
        return;
    }
    if (!window_) {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{sizeof(wc)};
        if (!GetClassInfoExW(instance, kTimerClass, &wc)) {
            wc = WNDCLASSEXW{sizeof(wc)};
            wc.lpfnWndProc = &TimerWndProc;
            wc.hInstance = instance;
            wc.lpszClassName = kTimerClass;
            RegisterClassExW(&wc);
        }
        window_ =
            CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
        if (!window_) throw std::runtime_error("Not enough timers available");
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    // Setting the timer again restarts it with the new interval.
    running_ = SetTimer(window_, kTimerId, UINT(interval_), nullptr) != 0;
    if (!running_) throw std::runtime_error("Not enough timers available");
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_TIMER || wp != kTimerId) return DefWindowProcW(hwnd, msg, wp, lp);
    auto* self = reinterpret_cast<TTimer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return 0;
    Guarded([self] { self->Timer(); });
    return 0;
}

} // namespace yq
