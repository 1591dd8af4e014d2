#pragma once
// The push-button skinners.  The skin's Buttons picture holds five frames:
// 1 normal, 2 pressed, 3 disabled, 4 hot or focused, 5 default button.
//   TSkinButton: framework push buttons and bare "button" windows; it
//     paints the whole button and makes the click itself (a press never
//     reaches the button, the release clicks wherever it happens).
//   TSkinBitButton: buttons with a glyph (Glyph or Images), read by name.
//   TSkinSpeedButton: windowless speed buttons; the button keeps its own
//     press logic, the skinner paints.
#include "Bitmap.h"
#include "SkinControl.h"

namespace yq {

class TDataSkinButton;

class TSkinButton : public TSkinControl {
    YQ_CLASS(TSkinButton, TSkinControl)
public:
    explicit TSkinButton(TComponent* owner = nullptr);

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

    // The frame the button shows now (1..5).
    int FrameNow(bool isDefault) const;
    // Clears hot and pressed; the form forgets it as its hot button.
    void MouseLeft();

    TBitmap Buffer;

protected:
    const TDataSkinButton* Buttons() const;
    void RefreshFromWindow();
    // The caption colour of a framework control's frame; `fontColour` otherwise.
    COLORREF FrameTextColour(int frame, TColor fontColour) const;
    void BecomeHot();
    void OnMouseMove();
    void OnButtonUp();
    void OnMouseEnter();
};

class TSkinBitButton : public TSkinButton {
    YQ_CLASS(TSkinBitButton, TSkinButton)
public:
    using TSkinButton::TSkinButton;
    void PaintSkin(HDC dc, const RECT& rect) override;
};

class TSkinSpeedButton : public TSkinBitButton {
    YQ_CLASS(TSkinSpeedButton, TSkinBitButton)
public:
    using TSkinBitButton::TSkinBitButton;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    void PaintSpeedButton(HDC dc, const RECT& rect);
};

} // namespace yq
