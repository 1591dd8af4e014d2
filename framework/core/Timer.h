#pragma once
// TTimer: raises OnTimer every Interval milliseconds while Enabled (and
// Interval > 0).  Each timer has a hidden message-only window of its own;
// an exception escaping OnTimer is shown by the application.
#include "Control.h"

namespace yq {

class TTimer : public TComponent {
    YQ_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner = nullptr);
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
    int interval_ = 1000;
    bool enabled_ = true;
};

} // namespace yq
