#pragma once
// TTimer: raises OnTimer every Interval milliseconds while Enabled (and
// Interval > 0).  Each timer has a hidden message-only window of its own,
// made the first time the timer runs: most timers of a program's controls
// (hover, repeat, drag scrolling) never run, and every window costs its
// share of start-up.  An exception escaping OnTimer is shown by the
// application.
#include "Control.h"

namespace yq {

class TTimer : public TComponent {
    YQ_CLASS(TTimer, TComponent)
public:
    // Enabled, every 1000 ms.
    explicit TTimer(TComponent* owner = nullptr);
    // The controls' timers, made disabled and enabled when needed.
    TTimer(TComponent* owner, bool enabled);
    ~TTimer() override;

    int Interval() const { return interval_; }
    void SetInterval(int interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    static LRESULT CALLBACK TimerWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Update();
    HWND window_ = nullptr;
    bool running_ = false;
    int interval_ = 1000;
    bool enabled_ = true;
};

} // namespace yq
