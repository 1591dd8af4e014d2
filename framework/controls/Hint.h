#pragma once
// Hints: THintWindow is the small pop-up that shows a control's Hint;
// THintController (one per application) shows it when the pointer rests on
// a control whose ShowHint is on, and hides it again on a click, a key,
// another control, or after a while.  A hint text is the part of Hint
// before the first '|'; line breaks are kept.
#include "CustomControl.h"

#include <memory>

namespace yq {

class TTimer;

class THintWindow : public TCustomControl {
    YQ_CLASS(THintWindow, TCustomControl)
public:
    explicit THintWindow(TComponent* owner = nullptr);
    // Size the text needs, at most maxWidth wide, margins included.
    RECT CalcHintRect(int maxWidth, const std::wstring& text);
    // Shows the text in r (screen coordinates) without taking the focus.
    void ActivateHint(const RECT& r, const std::wstring& text);
    void ReleaseHint();

protected:
    void CreateParamsFor(CreateParams& params) override;
    void Paint() override;
};

// The part of a hint before the first '|'.
std::wstring ShortHint(const std::wstring& hint);

class THintController : public TComponent {
    YQ_CLASS(THintController, TComponent)
public:
    explicit THintController(TComponent* owner);
    ~THintController() override;

    bool ShowHint = true;
    int HintPause = 500;      // ms the pointer rests before the hint shows
    int HintHidePause = 2500; // ms the hint stays

    // Looks at a message taken from the queue.
    void Watch(const MSG& msg);
    void CancelHint();
    bool HintShowing() const;
    TControl* HintControl() const { return control_; }
    THintWindow* Window() const { return window_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TControl* ControlAt(HWND hwnd, POINT screen) const;
    void SetControl(TControl* control);
    void Show();
    TControl* control_ = nullptr;
    THintWindow* window_ = nullptr;
    TTimer* pause_ = nullptr;
    TTimer* hide_ = nullptr;
};

} // namespace yq
