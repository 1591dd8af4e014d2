#pragma once
// The outlook bar's small arrow button (TCustomDCScrollButton, published as
// TDCScrollButton).  It paints one frame-control glyph over its whole client
// area and repeats while the left button is held on it: OnSelect fires at
// the press and then on every tick of a Frequency-millisecond timer while
// the pointer is over the button.  Paint always shows the released look;
// the pushed look is drawn by the mouse handlers when the state changes.
#include "CustomControl.h"
#include "Timer.h"

#include <string>

namespace yq {

enum class TDCScrollButtonStyle : unsigned char {
    dcsbs_ScrollDown,
    dcsbs_ScrollLeft,
    dcsbs_ScrollRight,
    dcsbs_ScrollUp,
    dcsbs_CaptionClose,
    dcsbs_CaptionHelp,
    dcsbs_CaptionMAX,
    dcsbs_CaptionMIN,
    dcsbs_CaptionRestore
};

class TCustomDCScrollButton : public TCustomControl {
    YQ_CLASS(TCustomDCScrollButton, TCustomControl)
public:
    static constexpr int kDefaultFrequency = 100;

    explicit TCustomDCScrollButton(TComponent* owner = nullptr);
    ~TCustomDCScrollButton() override;

    // While true the button is a square as wide as a vertical scroll bar.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TDCScrollButtonStyle ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TDCScrollButtonStyle style);
    // Repeat interval in milliseconds; values of 0 or less are ignored.
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    // The left button is held and the pointer is over the button.
    bool Pressed() const { return pressed_; }
    bool Repeating() const { return timer_->Enabled(); }
    // Informational text; never stored with a window.
    const std::wstring& Version() const { return version_; }
    void SetVersion(const std::wstring& version) { version_ = version; }

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    // Fires OnSelect while the button is pressed.
    virtual void DoSelect();

    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMVisibleChanged(TMessage& message) override;

private:
    void ApplyAutoSize();
    // Draws the glyph on `dc` pushed or released (inactive when disabled).
    void DrawGlyph(HDC dc, bool pushed);
    // Draws straight to the window, outside painting.
    void DrawNow(bool pushed);
    void RepeatTick();
    bool PointerInside() const;

    bool autoSize_ = false;
    TDCScrollButtonStyle buttonStyle_ = TDCScrollButtonStyle::dcsbs_ScrollDown;
    int frequency_ = kDefaultFrequency;
    bool pressed_ = false;
    TTimer* timer_ = nullptr; // owned as a component
    std::wstring version_;
};

class TDCScrollButton : public TCustomDCScrollButton {
    YQ_CLASS(TDCScrollButton, TCustomDCScrollButton)
public:
    explicit TDCScrollButton(TComponent* owner = nullptr) : TCustomDCScrollButton(owner) {}
};

} // namespace yq
